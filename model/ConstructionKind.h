#pragma once

#include "settings/HeatFlowDirection.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class Climate;

/*! What a construction is, as a consultant distinguishes it. It decides the defaults of the
    boundary conditions: the heat-flow direction (and with it the inside surface resistance of
    the ISO 6946 U-value), the outside climate (soil presets for components against the
    ground), the evaporation period of DIN 4108-3 (roofs dry at 2000 Pa in the condensation
    plane, everything else at 1700 Pa) and the row of DIN 4108-2 table 3 that the minimum
    thermal resistance is checked against. Project files keep the key (key()), never the
    number. */
enum class ConstructionKind
{
    ExternalWall = 0,
    WallAgainstSoil,
    PitchedRoof,
    FlatRoof,
    CeilingBelowAttic,
    CeilingOverCellar,
    FloorOverOutsideAir,
    FloorOnGround,
    InternalToUnheated
};

/*  The table of construction kinds and the defaults each sets.

    Applying a kind to a climate record (applyToClimate) keeps the assessment condition where
    the standard allows it:
    - DIN 4108-3 2014 and later: the condition is applied again with the kind's saturation
      pressure of the evaporation period and its outside preset; a component against soil gets
      the 2024 ground preset, which the condition does not list, so the record then reads as
      custom conditions with the DIN values.
    - DIN 4108-3 2001: inside preset by the heat-flow direction (downwards 0.17 m²K/W), outside
      the 2001 ground preset for soil; the 2001 evaporation period (12 °C / 70 %) stays.
    - Custom conditions: the summer states become those of the kind's DIN 4108-3 evaporation
      period; the outside becomes the ground preset for soil, and the normal outside preset
      when it was a ground preset before; everything else the user set stays.
*/
class ConstructionKinds
{
    Q_DECLARE_TR_FUNCTIONS(ConstructionKinds)

public:
    /*! Inside and outside vapour pressure of the DIN 4108-3 evaporation period, Pa. */
    static constexpr double EvaporationVapourPressure = 1200;
    /*! Saturation pressure in the condensation plane during evaporation, Pa: walls and ceilings
        1700, roofs over habitable rooms 2000 (the sun warms the roof). */
    static constexpr double EvaporationSaturationWall = 1700;
    static constexpr double EvaporationSaturationRoof = 2000;

    /*! The kinds in the order they are offered. */
    static std::vector<ConstructionKind> all();

    /*! Translated name, e.g. "Roof over habitable rooms, flat". */
    static QString name(ConstructionKind kind);
    /*! Key in project files and on the command line, e.g. "flatRoof". */
    static QString key(ConstructionKind kind);
    /*! The kind of a key (case-insensitive); false for an unknown key. */
    static bool fromKey(const QString &key, ConstructionKind &kind);
    /*! The kind of a stored number; false outside the table. */
    static bool fromCode(int code, ConstructionKind &kind);

    static HeatFlowDirection heatFlowDirection(ConstructionKind kind);
    static bool isRoof(ConstructionKind kind);
    /*! Components whose outside is the ground. */
    static bool againstSoil(ConstructionKind kind);
    /*! Saturation pressure of the evaporation period in the condensation plane, Pa. */
    static double evaporationSaturationPressure(ConstructionKind kind);
    /*! Construction type of DIN 4108-2 table 3 for the edition (0 = 2004, 1 = 2013). */
    static int minimumResistanceType(ConstructionKind kind, int edition);
    /*! Outside preset for the assessment condition (0 custom, 1 2001, 2 2014 and later). */
    static int outsidePreset(ConstructionKind kind, int assessmentCondition);

    /*! Sets the kind's evaporation period, outside climate and (under DIN 4108-3 2001) inside
        climate on the record, as described in the class comment. */
    static void applyToClimate(ConstructionKind kind, HeatFlowDirection direction,
                               Climate &climate);
};
