#include "model/PhysicsFunctions.h"

#include <cmath>

double p_sat_exp(double T_C)
{
    // Magnus form with separate coefficients over water (T >= 0) and over ice (T < 0).
    if (T_C >= 0)
        return 610.5 * std::exp(17.269 * T_C / (237.3 + T_C));
    return 610.5 * std::exp(21.875 * T_C / (265.5 + T_C));
}

double p_sat_pow(double T_C)
{
    if (T_C >= 0)
        return 288.68 * std::pow(1.098 + T_C / 100, 8.02);
    return 4.689 * std::pow(1.486 + T_C / 100, 12.3);
}

double moistureContent95(double w_80)
{
    return w_80 * 95 / 80;
}

double T_sat(double p_Pa)
{
    // The exponents are 1/12.3 and 1/8.02, kept as literals so that the result does not depend
    // on how the division would be rounded. 611 Pa is the saturation pressure near 0 °C, where
    // the two branches of the power form meet.
    if (p_Pa < 611)
        return 88.196 * std::pow(p_Pa, 0.08130081300813008) - 148.6;
    return 49.342 * std::pow(p_Pa, 0.12468827930174564) - 109.8;
}

namespace {

// Thermal resistances of unventilated air layers (DIN EN ISO 6946, table of air-layer
// resistances) in m²K/W at the widths in m below; linear interpolation in between.
const int AIR_TABLE_SIZE = 8;
const double AIR_D[AIR_TABLE_SIZE] = {0.005, 0.007, 0.010, 0.015, 0.025, 0.050, 0.100, 0.300};
const double AIR_R_UP[AIR_TABLE_SIZE] = {0.11, 0.13, 0.15, 0.16, 0.16, 0.16, 0.16, 0.16};
const double AIR_R_HORIZONTAL[AIR_TABLE_SIZE] = {0.11, 0.13, 0.15, 0.17, 0.18, 0.18, 0.18, 0.18};
const double AIR_R_DOWN[AIR_TABLE_SIZE] = {0.11, 0.13, 0.15, 0.17, 0.19, 0.21, 0.22, 0.23};

} // namespace

double lambda_air(double d_m, HeatFlowDirection heatFlowDirection)
{
    // Very thin layers: a fixed conductivity instead of d/0.11.
    if (d_m <= 0.005)
        return 0.045;

    const double *R = AIR_R_DOWN;
    int last = AIR_TABLE_SIZE - 1; // index of the width above which R stays constant
    if (heatFlowDirection == HeatFlowDirection::Upwards) {
        R = AIR_R_UP;
        last = 3; // 0.015 m
    } else if (heatFlowDirection == HeatFlowDirection::Horizontal) {
        R = AIR_R_HORIZONTAL;
        last = 4; // 0.025 m
    }

    double R_d;
    if (d_m > AIR_D[last]) {
        R_d = R[last];
    } else {
        // A width exactly on a table point belongs to the interval that ends there: find the
        // first point b with d <= d_b; the interval is [b-1, b].
        int b = 1;
        while (d_m > AIR_D[b])
            ++b;
        const int a = b - 1;
        R_d = R[a] + (d_m - AIR_D[a]) * (R[b] - R[a]) / (AIR_D[b] - AIR_D[a]);
    }
    return d_m / R_d;
}

double mu_air(double d_m)
{
    // The diffusion-equivalent air layer thickness mu*d of an air layer is at most 0.01 m.
    if (d_m <= 0.01)
        return 1;
    return 0.01 / d_m;
}
