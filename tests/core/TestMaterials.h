#pragma once

#include "model/Material.h"

/*! Materials for the core tests, built from the values that matter to the calculation. */
namespace TestMaterials {

/*! A material with the given conductivity (W/(m·K)), vapour diffusion resistance factor (μ,
    μ_min and μ_max alike), moisture contents w_80 and w_sat (m³/m³), water absorption
    coefficient (kg/(m²·s^0.5)) and category; density 1000 kg/m³. */
Material material(const char *name, double lambda, double mu, double w_80, double w_sat, double A_w,
                  int category = 12);

} // namespace TestMaterials
