#include "ui/database/MaterialTransfer.h"

#include <QLocale>

MaterialTransfer::MaterialTransfer(const Material &material, int identifier, int sourceCode,
                                   const QStringList &otherNames)
    : QtExt::MaterialBase(identifier)
    , m_material(material)
    , m_sourceCode(sourceCode)
    , m_otherNames(otherNames)
{
    setValueFormatter(&MaterialTransfer::formatValue);
}

int MaterialTransfer::category() const
{
    return m_material.m_category > 12 ? 12 : m_material.m_category;
}

double MaterialTransfer::lambda() const
{
    return m_material.lambda(0, HeatFlowDirection::Horizontal);
}

double MaterialTransfer::mu() const
{
    return m_material.mu(0);
}

QString MaterialTransfer::description() const
{
    QString text;
    if (!m_material.m_dataSource.isEmpty())
        text += tr("Data source: %1\n").arg(m_material.m_dataSource);
    if (!m_material.m_notes.isEmpty())
        text += tr("Notes: %1\n").arg(m_material.m_notes);
    if (m_material.m_sd_summer != 0) {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        text += tr("Humidity-variable: sd-value %1 m in the condensation period, %2 m in the "
                   "evaporation period\n")
                    .arg(locale.toString(m_material.m_sd_value, 'g', 6),
                         locale.toString(m_material.m_sd_summer, 'g', 6));
    }
    if (m_material.isAir())
        text += tr("Air\n", "Material flag");
    if (m_material.isWood())
        text += tr("Wood\n", "Material flag");
    if (m_material.isWoodBased())
        text += tr("Wood based\n", "Material flag");
    const QString dateFormat = QStringLiteral("MM yyyy");
    if (m_material.m_measuringDate.isValid())
        text += tr("Measuring date: %1\n").arg(m_material.m_measuringDate.toString(dateFormat));
    if (m_material.m_productionDate.isValid())
        text += tr("Production date: %1\n").arg(m_material.m_productionDate.toString(dateFormat));
    if (m_material.m_samplingDate.isValid())
        text += tr("Sampling date: %1\n").arg(m_material.m_samplingDate.toString(dateFormat));
    return text;
}

QString MaterialTransfer::formatValue(int property, double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    switch (property) {
    case P_Rho:
    case P_SdValue:
        return value < 10 ? locale.toString(value, 'g', 6) : locale.toString(value, 'f', 0);
    case P_Temperature:
        return locale.toString(value, 'f', 1);
    case P_Lambda:
        if (value >= 10)
            return locale.toString(value, 'f', 0);
        if (value < 0.01)
            return locale.toString(value, 'f', 5);
        return locale.toString(value, 'f', 3);
    case P_Mu:
        if (value < 1)
            return locale.toString(value, 'g', 6);
        if (value < 10)
            return locale.toString(value, 'f', 1);
        if (value >= 10000)
            return locale.toString(value, 'e', 1);
        return locale.toString(value, 'f', 0);
    case P_Thousandths:
    case P_Thousandths2: {
        const double v = value * 1000;
        return v < 0.001 ? locale.toString(v, 'e', 2) : locale.toString(v, 'f', 4);
    }
    case P_SmallValue:
        return value < 0.01 ? locale.toString(value, 'e', 2) : locale.toString(value, 'f', 4);
    default:
        return QString();
    }
}
