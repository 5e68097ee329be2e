#include "model/MaterialLayer.h"

#include <QCoreApplication>

namespace {

/*! Factor from metres to the unit of a width unit code; 1 for metres and unknown codes. */
double unitFactor(int unitCode)
{
    switch (unitCode) {
    case 10:
    case 100:
    case 1000:
        return unitCode;
    default:
        return 1;
    }
}

} // namespace

MaterialLayer::MaterialLayer(const Material &material, double width_m)
    : Material(material)
    , m_width(width_m)
{
    applySdRule();
}

bool MaterialLayer::acceptableWidth(double width_m, QString *reason)
{
    const double low = 1e-12, high = 100;
    if (width_m >= low && width_m <= high)
        return true;
    if (reason)
        *reason = QCoreApplication::translate("Material",
                                              "%1 %2%3, must be a finite number from %4 to %5%3.")
                      .arg(QCoreApplication::translate("Material", "width"),
                           QString::number(width_m, 'g'), QStringLiteral(" m"),
                           QString::number(low, 'g'), QString::number(high, 'g'));
    return false;
}

double MaterialLayer::width(int unitCode) const
{
    return m_width * unitFactor(unitCode);
}

void MaterialLayer::setWidth(double value, int unitCode)
{
    // the width of an sd-specified layer follows from its material
    if (m_sd_value != 0)
        return;
    m_width = value / unitFactor(unitCode);
}

void MaterialLayer::changeMaterial(const Material &material)
{
    Material::operator=(material);
    applySdRule();
    if (!canCarryBridge(material))
        m_bridge.reset();
}

void MaterialLayer::applySdRule()
{
    if (!(m_sd_value > 0))
        return;
    // A foil or membrane given by its sd-value (m) gets the equivalent thickness sd / mu.
    // Without a positive factor there is no such thickness; the width stays and the invalid
    // material is reported by the validation instead of an infinite width.
    const double mu_eff = Material::mu(m_width);
    if (!(mu_eff > 0))
        return;
    m_width = m_sd_value / mu_eff;
}

bool MaterialLayer::operator==(const MaterialLayer &other) const
{
    return m_width == other.m_width && Material::operator==(other) && m_bridge == other.m_bridge;
}
