#include "model/Plausibility.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

/*! A number as the interface shows it (without group separators, as the fields do). */
QString num(double value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 6);
}

} // namespace

namespace Plausibility {

// The limits below bracket the values of building materials in DIN 4108-4, DIN EN ISO 10456 and
// the usual product data; beyond them lie only special products (vacuum insulation, metals,
// vapour barriers), which an engineer enters knowingly.
QString material(Material::Quantity quantity, double value, bool foil)
{
    switch (quantity) {
    case Material::Q_Rho:
        // lightest: aerogel mats and loose-fill insulation, some 10 kg/m³; densest building
        // metal in common use: copper, 8,900 kg/m³
        if (value > 0 && value < 10)
            return QCoreApplication::translate(
                       "Plausibility",
                       "A bulk density below %1 kg/m³ is lighter than any insulation material.")
                .arg(num(10));
        if (value > 9000)
            return QCoreApplication::translate(
                       "Plausibility",
                       "A bulk density above %1 kg/m³ is heavier than steel and copper.")
                .arg(num(9000));
        break;
    case Material::Q_Lambda:
        if (value > 5)
            return QCoreApplication::translate(
                       "Plausibility",
                       "A thermal conductivity above %1 W/(mK) is that of a metal, not of a "
                       "building material; was a decimal separator lost?")
                .arg(num(5));
        if (value > 0 && value < 0.01)
            return QCoreApplication::translate(
                       "Plausibility",
                       "A thermal conductivity below %1 W/(mK) is reached only by vacuum "
                       "insulation panels.")
                .arg(num(0.01));
        break;
    case Material::Q_Mu:
    case Material::Q_MuMin:
    case Material::Q_MuMax:
        // still air has μ = 1 by definition
        if (value > 0 && value < 1)
            return QCoreApplication::translate(
                "Plausibility",
                "A vapour diffusion resistance factor below 1 lets vapour through more "
                "easily than still air.");
        if (!foil && value > 1e6)
            return QCoreApplication::translate(
                       "Plausibility",
                       "A vapour diffusion resistance factor above %1 is that of a vapour "
                       "barrier; this material is not marked as a foil.")
                .arg(num(1e6));
        break;
    case Material::Q_W80:
        // hygroscopic building materials hold at most some 0.1 m³/m³ at 80 % RH (wood about
        // 0.08); more is a capillary water content
        if (value > 0.2)
            return QCoreApplication::translate(
                       "Plausibility",
                       "A moisture content above %1 m³/m³ at 80 % RH is more than hygroscopic "
                       "materials hold.")
                .arg(num(0.2));
        break;
    case Material::Q_Aw:
        // even strongly absorbing calcium silicate boards stay near 1 kg/(m²·s^0.5)
        if (value > 1)
            return QCoreApplication::translate(
                "Plausibility",
                "A water absorption coefficient above 1 kg/(m²s½) (60 kg/(m²h½)) is "
                "higher than that of any building material; was the unit mixed up?");
        break;
    case Material::Q_WSat:
    case Material::Q_SdValue:
    case Material::Q_SdSummer:
        break;
    }
    return QString();
}

QString layerWidth(double width_m, bool foil)
{
    if (width_m > 2)
        return QCoreApplication::translate(
                   "Plausibility",
                   "A layer wider than %1 m is unusual; was the width typed in another unit?")
            .arg(num(2));
    // Only foils, membranes and coatings are this thin; 0.3 typed as millimetres instead of
    // metres ends here.
    if (!foil && width_m > 0 && width_m < 0.001)
        return QCoreApplication::translate(
            "Plausibility",
            "A layer thinner than 1 mm is unusual unless it is a foil; was the width "
            "typed in another unit?");
    return QString();
}

QString climate(Climate::Side side, Climate::Period period, Climate::Quantity quantity,
                double value)
{
    const bool inside = side == Climate::Inside;
    const bool summer = period == Climate::Summer;
    switch (quantity) {
    case Climate::Q_T:
        if (inside && !summer && (value < 10 || value > 30))
            return QCoreApplication::translate(
                       "Plausibility",
                       "An indoor temperature outside %1 °C to %2 °C in winter is unusual for a "
                       "heated room.")
                .arg(num(10), num(30));
        if (!inside && !summer && value > 15)
            return QCoreApplication::translate(
                       "Plausibility",
                       "An outdoor temperature above %1 °C is unusual for a condensation period.")
                .arg(num(15));
        break;
    case Climate::Q_rh:
        if (inside && value > 80)
            return QCoreApplication::translate(
                       "Plausibility",
                       "An indoor relative humidity above %1 % occurs only in swimming pools and "
                       "wet rooms.")
                .arg(num(80));
        if (value < 10)
            return QCoreApplication::translate(
                       "Plausibility",
                       "A relative humidity below %1 % is unusually dry for a building climate.")
                .arg(num(10));
        break;
    case Climate::Q_Rs:
        // DIN EN ISO 6946: 0.04 outside, 0.10 to 0.17 inside; DIN 4108-3 uses 0.25 inside
        if (value > 0.5)
            return QCoreApplication::translate(
                       "Plausibility",
                       "A surface resistance above %1 m²K/W is unusual; the standards use %2 to "
                       "%3 m²K/W.")
                .arg(num(0.5), num(0.04), num(0.25));
        break;
    }
    return QString();
}

} // namespace Plausibility
