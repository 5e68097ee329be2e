#pragma once

#include "model/Material.h"

#include <QColor>

/*! Materials for the core tests, built from the values that matter to the calculation. */
namespace TestMaterials {

/*! A material with the given conductivity (W/(m·K)), vapour diffusion resistance factor (μ,
    μ_min and μ_max alike), moisture contents w_80 and w_sat (m³/m³), water absorption
    coefficient (kg/(m²·s^0.5)) and category; density 1000 kg/m³. */
Material material(const char *name, double lambda, double mu, double w_80, double w_sat, double A_w,
                  int category = 12);

/*! A timber frame's materials, each with its own colour (colours take part in the equality of
    materials and constructions): mineral wool between the studs, softwood studs, gypsum board. */
Material coloured(Material m, const QColor &color);
Material frameWool();
Material softwood();
Material gypsumBoard();
/*! A vapour retarder given by its sd-value: 2 m at μ 20000 (0.1 mm wide), a foil; with a summer
    sd-value (m) when given. */
Material retarder(double sdSummer = 0);

} // namespace TestMaterials
