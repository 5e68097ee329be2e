#pragma once

/*! The direction of the heat flow through a construction, which decides the equivalent
    conductivity of air layers and the inside surface resistance of the U-value (ISO 6946):
    downwards through a floor, upwards through a roof, horizontal through a wall. Project files
    and settings keep the numeric codes. */
enum class HeatFlowDirection
{
    Downwards = 0,
    Upwards = 1,
    Horizontal = 2
};

/*! The direction of a file or settings code; a code other than 1 and 2 counts as downwards, as
    the air-layer tables have always read it. */
inline HeatFlowDirection heatFlowDirectionFromCode(int code)
{
    switch (code) {
    case 1:
        return HeatFlowDirection::Upwards;
    case 2:
        return HeatFlowDirection::Horizontal;
    default:
        return HeatFlowDirection::Downwards;
    }
}

inline int heatFlowDirectionCode(HeatFlowDirection direction)
{
    return static_cast<int>(direction);
}
