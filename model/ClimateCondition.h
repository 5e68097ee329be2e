#pragma once

/*  One air state at one side of the construction: temperature, relative humidity and the surface
    resistance of that side. A plain value type; the climate record holds four of them (inside and
    outside, winter and summer).

    m_kind is a tag copied from a climate preset (2 indoor presets, 0 outdoor presets, 3 a fresh
    condition) and m_side tells the side (0 indoor, 1 outdoor). Both take part in preset matching
    only, never in the physics.
*/
struct ClimateCondition
{
    double m_T = 0;  ///< Air temperature in °C.
    double m_rh = 0; ///< Relative humidity in %.
    double m_Rs = 0; ///< Surface resistance in m²K/W.
    int m_kind = 3;  ///< Preset kind tag: 2 indoor preset, 0 outdoor preset, 3 fresh.
    int m_side = 1;  ///< 0 indoor, 1 outdoor.
};
