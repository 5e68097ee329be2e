#include "calculation/CondensateMass.h"

#include <algorithm>
#include <cmath>

CondensateMass CondensateMass::of(double m, int decimals)
{
    CondensateMass shown;
    shown.value = m;
    shown.decimals = decimals;
    // Below half a unit of the last decimal a positive mass rounds to zero.
    const double smallest = 0.5 * std::pow(10.0, -decimals);
    if (!(m > 0) || !std::isfinite(m) || m >= smallest)
        return shown;
    shown.grams = true;
    shown.value = m * 1000;
    // two significant digits: 0.49 g/m², 0.012 g/m², 0.00010 g/m²; below 10⁻⁹ g/m² (a rounding
    // residue of the solver) nine decimals
    const int magnitude = int(std::floor(std::log10(shown.value)));
    shown.decimals = std::clamp(1 - magnitude, 1, 9);
    return shown;
}

QString CondensateMass::unitHtml() const
{
    return grams ? QStringLiteral("g/m<sup>2</sup>") : QStringLiteral("kg/m<sup>2</sup>");
}

QString CondensateMass::unitPlain() const
{
    return grams ? QStringLiteral("g/m2") : QStringLiteral("kg/m2");
}

QString CondensateMass::number() const
{
    return QStringLiteral("%L1").arg(value, 0, 'f', decimals);
}
