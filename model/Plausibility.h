#pragma once

#include "model/Climate.h"
#include "model/Material.h"

#include <QString>

/*  Values that are physically possible but unusual for their quantity. The physical bounds
    (Material::acceptable, MaterialLayer::acceptableWidth, the climate's ranges) refuse what
    cannot be; these notes point at what can be but is more often a typing or unit error: a
    thermal conductivity of 35 W/(m·K) for an insulation (0.035 typed with the wrong separator),
    a wall 3 m thick (millimetres typed into metres), a μ of 10⁷ on a plaster. The value is
    still taken; the input field shows it amber with the note, so that the engineer looks again.

    Each function returns a short translated sentence (context "Plausibility") saying why the
    value looks unusual, or an empty string for a usual value. Values in SI units as the
    document holds them. The same notes serve the layer editor, the material dialog and the
    climate editor, so that a value looks unusual wherever it is typed.
*/
namespace Plausibility {

/*! Note on a material property; foil is true for a layer or material flagged as foil (foils
    and membranes are meant to have very high μ). */
QString material(Material::Quantity quantity, double value, bool foil);

/*! Note on a layer width in m; foils may be as thin as they are. */
QString layerWidth(double width_m, bool foil);

/*! Note on a climate value at the side for the period (Both: the surface resistance of both
    periods): temperature in °C, relative humidity in %, surface resistance in m²K/W. */
QString climate(Climate::Side side, Climate::Period period, Climate::Quantity quantity,
                double value);

} // namespace Plausibility
