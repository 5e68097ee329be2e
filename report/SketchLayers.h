#pragma once

#include "model/MaterialLayer.h"
#include "qtext/ConstructionLayer.h"

#include <vector>

/*  What the construction sketch draws of a layer sequence: width, colour, name and a hatch
    pattern that tells the kind of material at a glance, after the usual conventions of
    construction drawings (a wave for insulation, diagonals for masonry, crossed diagonals for
    concrete, lines along the grain for timber).
*/
namespace SketchLayers {

/*! The hatch pattern of a material: derived from its category; air layers and thin sheets
    (coatings, foils) are left plain. */
int hatchingType(const Material &material);

/*! The sketch layers of a layer sequence (warm side first). */
QtExt::ConstructionLayers fromLayers(const std::vector<MaterialLayer> &layers);

} // namespace SketchLayers
