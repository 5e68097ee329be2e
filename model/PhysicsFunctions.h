#pragma once

/*  Building-physics property functions shared by the Glaser and the moisture-storage
    calculations, the material accessors and the recognition of assessment conditions.

    Pure functions without state. Temperatures in °C, pressures in Pa, widths in m.
*/

#include "settings/HeatFlowDirection.h"

/*! Saturation vapour pressure of water in Pa, exponential (Magnus) form of DIN 4108-3.
    Used for the condensation period of the Glaser scheme. T_C in °C. */
double p_sat_exp(double T_C);

/*! Saturation vapour pressure of water in Pa, power form. Used for the evaporation period of the
    Glaser scheme and by the moisture-storage method. T_C in °C. */
double p_sat_pow(double T_C);

/*! Moisture content at 95 % RH in m³/m³, extrapolated linearly from the content w_80 at 80 % RH.
    The moisture-storage method takes it as the reference content, and a material is valid only
    when its saturation content lies above it: both must use this one rounding of the product. */
double moistureContent95(double w_80);

/*! Inverse of p_sat_pow: the temperature in °C at which the saturation vapour pressure is p_Pa
    (in Pa). */
double T_sat(double p_Pa);

/*! Equivalent thermal conductivity in W/(m·K) of an unventilated air layer of width d_m (in m,
    expected > 0) after DIN EN ISO 6946: d / R with R interpolated in the standard's table of
    air-layer resistances; 0.045 W/(m·K) for layers up to 5 mm. */
double lambda_air(double d_m, HeatFlowDirection heatFlowDirection);

/*! Vapour diffusion resistance factor (-) of an air layer of width d_m (in m) after
    DIN EN ISO 13788: 1 up to 10 mm, above that 0.01 m / d so that the sd-value stays 0.01 m. */
double mu_air(double d_m);
