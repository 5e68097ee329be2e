#pragma once

namespace HTL {

/*! Guarded mathematical functions: they throw HTL::Exception where the plain functions would
    return infinities or NaN, so that a bad input stops a calculation with a message instead of
    spreading through it. */

/*! Decimal logarithm; x <= 0 throws. */
double f_log10(double x);

/*! 10^p; p > 50 throws. */
double f_pow10(double p);

/*! base^p; a negative base or p > 50 throws. */
double f_pow(double base, double p);

} // namespace HTL
