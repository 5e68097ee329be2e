#include "model/ConstructionKind.h"

#include "model/Climate.h"
#include "model/PhysicsFunctions.h"

namespace {

/*! Outside presets: 11 DIN 4108-3 2001 outdoor, 13 DIN 4108-3 2024 outdoor, 14 the 2001
    boundary to ground, 15 the 2024 boundary to ground (no surface resistance). */
const int Outside2001 = 11;
const int Outside2014 = 13;
const int Ground2001 = 14;
const int Ground2014 = 15;

struct KindRow
{
    ConstructionKind m_kind;
    const char *m_key;
    const char *m_name;
    HeatFlowDirection m_direction;
    /*! DIN 4108-2 table 3: construction type of the 2004 and of the 2013 edition. */
    int m_type2004;
    int m_type2013;
};

// The rows of DIN 4108-2 table 3: 2013 type 12 walls to outside or ground (row 1), 13 roof
// pitch (row 2), 14 flat roof (3.1), 8 ceiling to a ventilated roof space or unheated room
// (3.2/3.3), 9 floor over cellar or to ground (4.2-4.4), 10 floor over outside air or a garage
// (4.1), 17 wall to an indirectly heated staircase (5.2). The 2004 edition's rows of the same
// meaning: 0 outer wall, 11 roof, 8 ceiling below attic, 9 ceiling over cellar, 6 floor plate
// over ground, 10 floor over garage or passage, 2 wall to a staircase below 10 °C.
const KindRow Rows[] = {
    {ConstructionKind::ExternalWall, "externalWall",
     QT_TRANSLATE_NOOP("ConstructionKinds", "External wall"), HeatFlowDirection::Horizontal, 0, 12},
    {ConstructionKind::WallAgainstSoil, "wallAgainstSoil",
     QT_TRANSLATE_NOOP("ConstructionKinds", "Wall against soil"), HeatFlowDirection::Horizontal, 0,
     12},
    {ConstructionKind::PitchedRoof, "pitchedRoof",
     QT_TRANSLATE_NOOP("ConstructionKinds", "Roof over habitable rooms, pitched"),
     HeatFlowDirection::Upwards, 11, 13},
    {ConstructionKind::FlatRoof, "flatRoof",
     QT_TRANSLATE_NOOP("ConstructionKinds", "Roof over habitable rooms, flat"),
     HeatFlowDirection::Upwards, 11, 14},
    {ConstructionKind::CeilingBelowAttic, "ceilingBelowAttic",
     QT_TRANSLATE_NOOP("ConstructionKinds", "Ceiling below an unheated attic"),
     HeatFlowDirection::Upwards, 8, 8},
    {ConstructionKind::CeilingOverCellar, "ceilingOverCellar",
     QT_TRANSLATE_NOOP("ConstructionKinds", "Ceiling over an unheated cellar"),
     HeatFlowDirection::Downwards, 9, 9},
    {ConstructionKind::FloorOverOutsideAir, "floorOverOutsideAir",
     QT_TRANSLATE_NOOP("ConstructionKinds", "Floor over outside air (passage, garage)"),
     HeatFlowDirection::Downwards, 10, 10},
    {ConstructionKind::FloorOnGround, "floorOnGround",
     QT_TRANSLATE_NOOP("ConstructionKinds", "Floor plate on ground"), HeatFlowDirection::Downwards,
     6, 9},
    {ConstructionKind::InternalToUnheated, "internalToUnheated",
     QT_TRANSLATE_NOOP("ConstructionKinds", "Internal wall or ceiling to an unheated room"),
     HeatFlowDirection::Horizontal, 2, 17},
};

const KindRow &row(ConstructionKind kind)
{
    for (const KindRow &r : Rows)
        if (r.m_kind == kind)
            return r;
    return Rows[0];
}

} // namespace

std::vector<ConstructionKind> ConstructionKinds::all()
{
    std::vector<ConstructionKind> kinds;
    for (const KindRow &r : Rows)
        kinds.push_back(r.m_kind);
    return kinds;
}

QString ConstructionKinds::name(ConstructionKind kind)
{
    return tr(row(kind).m_name);
}

QString ConstructionKinds::key(ConstructionKind kind)
{
    return QLatin1String(row(kind).m_key);
}

bool ConstructionKinds::fromKey(const QString &key, ConstructionKind &kind)
{
    for (const KindRow &r : Rows) {
        if (key.compare(QLatin1String(r.m_key), Qt::CaseInsensitive) == 0) {
            kind = r.m_kind;
            return true;
        }
    }
    return false;
}

bool ConstructionKinds::fromCode(int code, ConstructionKind &kind)
{
    for (const KindRow &r : Rows) {
        if (static_cast<int>(r.m_kind) == code) {
            kind = r.m_kind;
            return true;
        }
    }
    return false;
}

HeatFlowDirection ConstructionKinds::heatFlowDirection(ConstructionKind kind)
{
    return row(kind).m_direction;
}

bool ConstructionKinds::isRoof(ConstructionKind kind)
{
    return kind == ConstructionKind::PitchedRoof || kind == ConstructionKind::FlatRoof;
}

bool ConstructionKinds::againstSoil(ConstructionKind kind)
{
    return kind == ConstructionKind::WallAgainstSoil || kind == ConstructionKind::FloorOnGround;
}

double ConstructionKinds::evaporationSaturationPressure(ConstructionKind kind)
{
    return isRoof(kind) ? EvaporationSaturationRoof : EvaporationSaturationWall;
}

int ConstructionKinds::minimumResistanceType(ConstructionKind kind, int edition)
{
    return edition == 0 ? row(kind).m_type2004 : row(kind).m_type2013;
}

int ConstructionKinds::outsidePreset(ConstructionKind kind, int assessmentCondition)
{
    const bool soil = againstSoil(kind);
    if (assessmentCondition == Climate::AC_DIN4108_2001)
        return soil ? Ground2001 : Outside2001;
    return soil ? Ground2014 : Outside2014;
}

void ConstructionKinds::applyToClimate(ConstructionKind kind, HeatFlowDirection direction,
                                       Climate &climate)
{
    const double psat = evaporationSaturationPressure(kind);
    const int condition = climate.assessmentCondition();
    climate.setSummerPressures(EvaporationVapourPressure, EvaporationVapourPressure, psat, false);
    const int outside = outsidePreset(kind, condition);
    ClimateCondition outsideCondition;
    ClimatePresets::copyPreset(outside, Climate::Outside, outsideCondition);

    switch (condition) {
    case Climate::AC_DIN4108_2014:
        // Rewrites the evaporation period for the new saturation pressure. The 2024 ground
        // preset is not one the condition offers: it is set by value afterwards.
        climate.applyAssessmentCondition(condition, Outside2014, Climate::Outside);
        if (outside != Outside2014) {
            climate.setOutsideWinter(outsideCondition, false);
            climate.setSummerSurfaceResistancesFromWinter(false);
        }
        break;
    case Climate::AC_DIN4108_2001: {
        // The inside surface resistance of the 2001 edition follows the heat-flow direction.
        const int inside = direction == HeatFlowDirection::Downwards ? 2 : 1;
        climate.applyAssessmentCondition(condition, inside, Climate::Inside);
        climate.applyAssessmentCondition(condition, outside, Climate::Outside);
        break;
    }
    default: {
        // Custom conditions: the user's values stay, except the summer states, which take the
        // kind's evaporation period, and a ground boundary, which the kind sets or removes.
        const int current = ClimatePresets::presetIdForCondition(climate.outsideWinter());
        const bool wasGround = current == Ground2001 || current == Ground2014;
        if (againstSoil(kind) ? !wasGround : wasGround) {
            climate.setOutsideWinter(outsideCondition, false);
            climate.setSummerSurfaceResistancesFromWinter(false);
        }
        const double T_s = T_sat(psat);
        const double rh = EvaporationVapourPressure / psat * 100;
        for (Climate::Side side : {Climate::Inside, Climate::Outside}) {
            climate.setValue(side, Climate::Summer, Climate::Q_T, T_s, false);
            climate.setValue(side, Climate::Summer, Climate::Q_rh, rh, false);
        }
        break;
    }
    }
    climate.updateAssessmentCondition();
}
