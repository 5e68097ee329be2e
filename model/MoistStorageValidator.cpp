#include "model/MoistStorageValidator.h"

#include "model/PhysicsFunctions.h"

// The comparisons are written as "not greater" so that a value that is not a number is
// refused instead of slipping through every test.

int MoistStorageValidator::checkPair(double u, double s)
{
    if (!(u > 0))
        return W80NotPositive;
    if (!(s > 0))
        return WSatNotPositive;
    if (!(u < s))
        return W80NotBelowWSat;
    // The rule of the moisture-storage calculation, with its rounding: a material accepted here
    // must not be refused there.
    if (!(s > moistureContent95(u)))
        return W95NotBelowWSat;
    return Acceptable;
}

int MoistStorageValidator::validate(double x, std::optional<double> otherValue)
{
    if (otherValue) {
        m_code = m_quantity == W80 ? checkPair(x, *otherValue) : checkPair(*otherValue, x);
        return m_code;
    }
    if (m_quantity == W80) {
        if (!(x > 0))
            m_code = W80NotPositive;
        else if (!(x < 1))
            m_code = W80NotBelowOne;
        else
            m_code = Acceptable;
    } else {
        if (!(x > 0))
            m_code = WSatNotPositive;
        else if (!(x < 1))
            m_code = WSatNotBelowOne;
        else
            m_code = Acceptable;
    }
    return m_code;
}

QString MoistStorageValidator::text(int code)
{
    switch (code) {
    case W80NotPositive:
        return tr("Moisture content at 80%RH less or equal 0");
    case WSatNotPositive:
        return tr("Saturation moisture content less or equal 0");
    case W80NotBelowWSat:
        return tr("Moisture content at 80%RH greater or equal saturation moisture content");
    case W95NotBelowWSat:
        return tr("Moisture content at 80%RH leads to a moisture content at 95%RH greater or "
                  "equal saturation moisture content");
    case W80NotBelowOne:
        return tr("Moisture content at 80%RH greater or equal to 1.0");
    case WSatNotBelowOne:
        return tr("Moisture content at saturation greater or equal to 1.0");
    default:
        return QString();
    }
}
