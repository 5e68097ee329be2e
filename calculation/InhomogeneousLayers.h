#pragma once

#include "calculation/CalculationResults.h"
#include "settings/HeatFlowDirection.h"

#include <vector>

class InputData;

/*  The thermal resistance of a component with inhomogeneous layers after DIN EN ISO 6946: the
    component is cut, perpendicular to its surfaces, into sections that are each thermally
    homogeneous (a section through the insulation, one through a stud, ...), with the area
    fraction f_m of each section.

    - Upper limit R'_T: the sections conduct in parallel and each from surface to surface,
      1/R'_T = Σ_m f_m / R_T,m with R_T,m = R_si + Σ_j R_m,j + R_se.
    - Lower limit R''_T: every layer is replaced by its area-weighted parallel resistance,
      1/R_j = Σ_m f_m / R_m,j, and R''_T = R_si + Σ_j R_j + R_se. For plain materials this is
      the layer of equivalent conductivity λ''_j = Σ_m f_m·λ_m,j; the resistance form also holds
      for air layers.
    - R_T = (R'_T + R''_T) / 2, with the relative error estimate e = (R'_T − R''_T) / (2·R_T).

    The standard does not apply the method when R'_T / R''_T exceeds 1.5 (steel or concrete
    members through insulation); the component then needs a numerical calculation.
*/
namespace InhomogeneousLayers {

/*! One section through the component: its area fraction and the thermal resistance of each
    layer within it (m²K/W), warm side first. */
struct Section
{
    double fraction = 0;
    std::vector<double> R;
};

/*! The limits of the sections, which all list the same number of layers and whose fractions
    add up to 1, between the surface resistances R_si and R_se (m²K/W). */
InhomogeneousResistance limits(const std::vector<Section> &sections, double R_si, double R_se);

/*! Most layers with a second material that are combined into sections: the sections are all
    combinations of field and bridge of the bridged layers (2^k of them). */
constexpr int MaxBridgedLayers = 12;

/*! The sections of the input's construction for the heat-flow direction. The bridging members
    of different layers are taken to cross each other (studs and counter-battens), so that the
    combination of bridge in layer a and field in layer b has the fraction f_a·(1 − f_b). Empty
    when the construction has no bridged layer, more than MaxBridgedLayers of them, or a layer
    without a positive width or conductivity. */
std::vector<Section> sections(const InputData &input, HeatFlowDirection heatFlowDirection);

/*! The limits of the input's construction with the surface resistances of DIN EN ISO 6946 for
    the heat-flow direction (0.04 outside; 0.10, 0.13 or 0.17 inside). present is false for a
    construction without bridged layers; for one whose sections cannot be formed the limits are
    NaN, so that it is never valid(). */
InhomogeneousResistance calculate(const InputData &input, HeatFlowDirection heatFlowDirection);

} // namespace InhomogeneousLayers
