#include "htl/HTL_Math.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_PlaceholderText.h"

#include <cmath>

namespace HTL {

// 10^50 is far beyond any physical quantity of the program; larger exponents mean a diverging
// iteration or corrupt input and would soon overflow to infinity.
static const double MaxExponent = 50;

double f_log10(double x)
{
    if (x <= 0)
        throw Exception(PlaceholderText("Negative or zero value in log function, x = %1").arg(x),
                        "[HTL::f_log10]");
    return std::log10(x);
}

double f_pow10(double p)
{
    if (p > MaxExponent)
        throw Exception(
            PlaceholderText("Exponent too large in power function, exponent = %1").arg(p),
            "[HTL::f_pow10]");
    return std::pow(10.0, p);
}

double f_pow(double base, double p)
{
    if (base < 0)
        throw Exception(PlaceholderText("Negative base in power function, base = %1").arg(base),
                        "[HTL::f_pow]");
    if (p > MaxExponent)
        throw Exception(
            PlaceholderText("Exponent too large in power function, exponent = %1").arg(p),
            "[HTL::f_pow]");
    return std::pow(base, p);
}

} // namespace HTL
