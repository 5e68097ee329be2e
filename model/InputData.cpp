#include "model/InputData.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <utility>

InputData::InputData()
    : m_climate(Climate::AC_DIN4108_2014, ClimatePresets::NoPreset)
{
}

const MaterialLayer &InputData::layer(int i) const
{
    Q_ASSERT(i >= 0 && i < layerCount());
    return m_layers[static_cast<std::size_t>(i)];
}

MaterialLayer &InputData::layer(int i)
{
    Q_ASSERT(i >= 0 && i < layerCount());
    return m_layers[static_cast<std::size_t>(i)];
}

void InputData::insertLayer(int index, const MaterialLayer &layer)
{
    if (index < 0 || index > layerCount())
        return;
    m_layers.insert(m_layers.begin() + index, layer);
}

void InputData::removeLayer(int index)
{
    if (index < 0 || index >= layerCount())
        return;
    m_layers.erase(m_layers.begin() + index);
}

void InputData::swapLayers(int i, int j)
{
    if (i < 0 || i >= layerCount() || j < 0 || j >= layerCount())
        return;
    std::swap(m_layers[static_cast<std::size_t>(i)], m_layers[static_cast<std::size_t>(j)]);
}

InputStatus InputData::validate()
{
    m_status = InputStatus::Valid;
    if (!m_climate.isValid())
        m_status = InputStatus::InvalidClimate;
    // A layer error overrides a climate error; only the first faulty layer is reported.
    for (const MaterialLayer &l : m_layers) {
        if (!MaterialLayer::acceptableWidth(l.m_width)) {
            m_status = InputStatus::InvalidWidth;
            break;
        }
        if (!l.isValid() || (l.m_bridge && !l.m_bridge->isValid())) {
            m_status = InputStatus::InvalidMaterial;
            break;
        }
    }
    return m_status;
}

namespace {

// Values in messages in the general format with 6 significant digits; NaN reads "nan".
QString value(double x)
{
    return QString::number(x, 'g');
}

// The rule of Material::isValid() that the layer breaks first, or an empty text.
QString materialFault(const Material &m, const QString &layer)
{
    if (m.m_name.isEmpty())
        return QCoreApplication::translate("InputData", "%1: the material has no name.").arg(layer);
    // The conditions are those of Material::isValid(), written positively so that NaN fails.
    if (!(m.m_rho > 0))
        return QCoreApplication::translate("InputData",
                                           "%1: bulk density %2 kg/m³, must be greater than 0.")
            .arg(layer, value(m.m_rho));
    if (!(m.m_lambda > 0))
        return QCoreApplication::translate(
                   "InputData", "%1: thermal conductivity %2 W/(m·K), must be greater than 0.")
            .arg(layer, value(m.m_lambda));
    if (!(m.m_mu > 0))
        return QCoreApplication::translate(
                   "InputData",
                   "%1: vapour diffusion resistance factor %2, must be greater than 0.")
            .arg(layer, value(m.m_mu));
    if (!(m.m_w_80 > 0))
        return QCoreApplication::translate(
                   "InputData", "%1: moisture content at 80 %RH %2 m³/m³, must be greater than 0.")
            .arg(layer, value(m.m_w_80));
    if (!(m.m_w_80 < m.m_w_sat))
        return QCoreApplication::translate(
                   "InputData",
                   "%1: moisture content at 80 %RH %2 m³/m³, must be below the saturation "
                   "moisture content %3 m³/m³.")
            .arg(layer, value(m.m_w_80), value(m.m_w_sat));
    if (!(m.m_w_sat <= 1))
        return QCoreApplication::translate(
                   "InputData", "%1: saturation moisture content %2 m³/m³, must not exceed 1.")
            .arg(layer, value(m.m_w_sat));
    if (!(m.m_A_w >= 0))
        return QCoreApplication::translate(
                   "InputData",
                   "%1: water absorption coefficient %2 kg/(m²·s^0.5), must not be negative.")
            .arg(layer, value(m.m_A_w));
    if (!(m.m_category >= 0 && m.m_category <= 12))
        return QCoreApplication::translate("InputData", "%1: material category %2 is unknown.")
            .arg(layer, QString::number(m.m_category));
    QString reason;
    for (Material::Quantity q : Material::Quantities)
        if (!Material::acceptable(q, m.value(q), &reason))
            return layer + QStringLiteral(": ") + reason;
    if (!Material::summerSdRule(m.m_sd_summer, m.m_sd_value, &reason))
        return layer + QStringLiteral(": ") + reason;
    return QCoreApplication::translate("InputData", "%1: the material is not valid.").arg(layer);
}

// The first value of the climate record that Climate::isValid() rejects, or an empty text.
QString climateFault(const Climate &c)
{
    const struct
    {
        const ClimateCondition *condition;
        const char *name;
    } conditions[] = {{&c.insideWinter(), QT_TRANSLATE_NOOP("InputData", "inside, winter")},
                      {&c.insideSummer(), QT_TRANSLATE_NOOP("InputData", "inside, summer")},
                      {&c.outsideWinter(), QT_TRANSLATE_NOOP("InputData", "outside, winter")},
                      {&c.outsideSummer(), QT_TRANSLATE_NOOP("InputData", "outside, summer")}};
    for (const auto &k : conditions) {
        const double T = k.condition->m_T;
        const double rh = k.condition->m_rh;
        if (!(T >= -40 && T <= 80))
            return QCoreApplication::translate(
                       "InputData",
                       "Climate %1: temperature %2 °C, must lie between -40 and 80 °C.")
                .arg(QCoreApplication::translate("InputData", k.name), value(T));
        if (!(rh >= 0 && rh <= 100))
            return QCoreApplication::translate(
                       "InputData",
                       "Climate %1: relative humidity %2 %, must lie between 0 and 100 %.")
                .arg(QCoreApplication::translate("InputData", k.name), value(rh));
    }
    if (!(c.insideWinter().m_Rs > 0))
        return QCoreApplication::translate(
                   "InputData",
                   "Climate inside: surface resistance %1 m²K/W, must be greater than 0.")
            .arg(value(c.insideWinter().m_Rs));
    if (!(c.outsideWinter().m_Rs > 0))
        return QCoreApplication::translate(
                   "InputData",
                   "Climate outside: surface resistance %1 m²K/W, must be greater than 0.")
            .arg(value(c.outsideWinter().m_Rs));
    if (!(c.tT() > 0))
        return QCoreApplication::translate(
                   "InputData",
                   "Climate: condensation period of %1 days, must be longer than 0 days.")
            .arg(value(c.tT()));
    if (!(c.tT_summer() > 0))
        return QCoreApplication::translate(
                   "InputData",
                   "Climate: evaporation period of %1 days, must be longer than 0 days.")
            .arg(value(c.tT_summer()));
    if (!Climate::surfaceResistanceValid(c.insideWinter().m_Rs) ||
        !Climate::surfaceResistanceValid(c.outsideWinter().m_Rs))
        return QCoreApplication::translate("InputData",
                                           "Climate: a surface resistance is larger than %1 m²K/W.")
            .arg(value(Climate::MaxSurfaceResistance));
    if (!Climate::periodValid(c.tT()) || !Climate::periodValid(c.tT_summer()))
        return QCoreApplication::translate("InputData", "Climate: a period is longer than %1 days.")
            .arg(value(Climate::MaxPeriodDays));
    return QString();
}

} // namespace

QString InputData::faultText() const
{
    // The order of validate(): the first faulty layer, whatever the climate; then the climate.
    for (int i = 0; i < layerCount(); ++i) {
        const MaterialLayer &l = m_layers[std::size_t(i)];
        const QString layer = l.m_name.isEmpty()
                                  ? QCoreApplication::translate("InputData", "Layer #%1").arg(i + 1)
                                  : QCoreApplication::translate("InputData", "Layer #%1 (%2)")
                                        .arg(QString::number(i + 1), l.m_name);
        if (!(l.m_width > 0))
            return QCoreApplication::translate("InputData",
                                               "%1: width %2 m, must be greater than 0.")
                .arg(layer, value(l.m_width));
        QString reason;
        if (!MaterialLayer::acceptableWidth(l.m_width, &reason))
            return layer + QStringLiteral(": ") + reason;
        if (!l.isValid())
            return materialFault(l, layer);
        if (l.m_bridge) {
            const QString bridge =
                QCoreApplication::translate("InputData", "%1, second material (%2)")
                    .arg(layer, l.m_bridge->material.m_name);
            if (!LayerBridge::acceptableFraction(l.m_bridge->fraction, &reason))
                return bridge + QStringLiteral(": ") + reason;
            if (!l.m_bridge->material.isValid())
                return materialFault(l.m_bridge->material, bridge);
        }
    }
    return climateFault(m_climate);
}

bool InputData::allLayersCalculable() const
{
    for (const MaterialLayer &l : m_layers) {
        if (!(l.m_width > 0))
            return false;
        if (!l.isAir() && !(l.lambda(HeatFlowDirection::Horizontal) > 0))
            return false;
    }
    return true;
}

bool InputData::hasBridges() const
{
    for (const MaterialLayer &l : m_layers) {
        if (l.hasBridge())
            return true;
    }
    return false;
}

bool InputData::hasAirLayer() const
{
    for (const MaterialLayer &l : m_layers) {
        if (l.isAir())
            return true;
    }
    return false;
}

bool InputData::operator==(const InputData &other) const
{
    return m_climate == other.m_climate && m_status == other.m_status && m_layers == other.m_layers;
}
