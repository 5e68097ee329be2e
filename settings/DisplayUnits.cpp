#include "settings/DisplayUnits.h"

DisplayUnits::DisplayUnits(int widthUnit, bool awPerSecond)
    : m_widthUnit(widthUnit == 1 || widthUnit == 10 || widthUnit == 100 ? widthUnit : 1000)
    , m_awPerSecond(awPerSecond)
{
}

QString DisplayUnits::widthUnitLabel() const
{
    switch (m_widthUnit) {
    case 1:
        return tr("m");
    case 10:
        return tr("dm");
    case 100:
        return tr("cm");
    default:
        return tr("mm");
    }
}

QString DisplayUnits::awUnitLabel() const
{
    const QString square(QChar(0x00B2));
    const QString half(QChar(0x00BD));
    return m_awPerSecond ? QStringLiteral("kg/m%1s%2").arg(square, half)
                         : QStringLiteral("kg/m%1h%2").arg(square, half);
}
