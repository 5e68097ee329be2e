#include "model/Climate.h"

#include "model/PhysicsFunctions.h"

namespace {

const double SECONDS_PER_DAY = 86400;

bool eq(double a, double b)
{
    return ClimatePresets::equalWithinTolerance(a, b);
}

bool temperatureValid(double T)
{
    // written so that NaN is not valid
    return T >= -40 && T <= 80;
}

bool humidityValid(double rh)
{
    return rh >= 0 && rh <= 100;
}

} // namespace

Climate::Climate(int assessmentCondition, int preferredPreset)
{
    applyAssessmentCondition(assessmentCondition, preferredPreset);
}

double Climate::tT(bool SI) const
{
    return SI ? m_tT * SECONDS_PER_DAY : m_tT;
}

double Climate::tT_summer(bool SI) const
{
    return SI ? m_tT_summer * SECONDS_PER_DAY : m_tT_summer;
}

void Climate::setInsideWinter(const ClimateCondition &c, bool recognise)
{
    m_insideWinter = c;
    if (recognise)
        updateAssessmentCondition();
}

void Climate::setOutsideWinter(const ClimateCondition &c, bool recognise)
{
    m_outsideWinter = c;
    if (recognise)
        updateAssessmentCondition();
}

void Climate::setInsideSummer(const ClimateCondition &c, bool recognise)
{
    m_insideSummer = c;
    if (recognise)
        updateAssessmentCondition();
}

void Climate::setOutsideSummer(const ClimateCondition &c, bool recognise)
{
    m_outsideSummer = c;
    if (recognise)
        updateAssessmentCondition();
}

void Climate::setTT(double days, bool recognise)
{
    m_tT = days;
    if (recognise)
        updateAssessmentCondition();
}

void Climate::setTT_summer(double days, bool recognise)
{
    m_tT_summer = days;
    if (recognise)
        updateAssessmentCondition();
}

ClimateCondition &Climate::condition(Side side, bool summer)
{
    if (side == Inside)
        return summer ? m_insideSummer : m_insideWinter;
    return summer ? m_outsideSummer : m_outsideWinter;
}

void Climate::setValue(Side side, Period period, Quantity quantity, double value, bool recognise)
{
    for (int s = 0; s < 2; ++s) {
        const bool summer = (s == 1);
        if (period == Winter && summer)
            continue;
        if (period == Summer && !summer)
            continue;
        ClimateCondition &c = condition(side, summer);
        switch (quantity) {
        case Q_T:
            c.m_T = value;
            break;
        case Q_rh:
            c.m_rh = value;
            break;
        case Q_Rs:
            c.m_Rs = value;
            break;
        }
    }
    if (recognise)
        updateAssessmentCondition();
}

void Climate::setSummerPressures(double pv_i, double pv_e, double psat, bool recognise)
{
    m_pv_i_summer = pv_i;
    m_pv_e_summer = pv_e;
    m_psat_summer = psat;
    if (recognise)
        updateAssessmentCondition();
}

void Climate::setSummerSurfaceResistancesFromWinter(bool recognise)
{
    m_insideSummer.m_Rs = m_insideWinter.m_Rs;
    m_outsideSummer.m_Rs = m_outsideWinter.m_Rs;
    if (recognise)
        updateAssessmentCondition();
}

void Climate::updateAssessmentCondition()
{
    m_assessmentCondition = recogniseAssessmentCondition();
}

void Climate::applyAssessmentCondition(int condition, int preferredPreset, int preferredSide)
{
    m_assessmentCondition = condition;

    int insideId = ClimatePresets::presetIdForCondition(m_insideWinter);
    int outsideId = ClimatePresets::presetIdForCondition(m_outsideWinter);
    const std::vector<int> &allowedInside = ClimatePresets::allowedPresets(condition, Inside);
    const std::vector<int> &allowedOutside = ClimatePresets::allowedPresets(condition, Outside);
    if (!ClimatePresets::isAllowed(insideId, condition, Inside) && !allowedInside.empty())
        insideId = allowedInside.front();
    if (!ClimatePresets::isAllowed(outsideId, condition, Outside) && !allowedOutside.empty())
        outsideId = allowedOutside.front();

    // Without a side, identifier 0 would always be read as the custom indoor preset, so that
    // choosing the custom outdoor preset would rewrite the inside instead of the outside.
    if (preferredSide != Outside && ClimatePresets::isAllowed(preferredPreset, condition, Inside))
        insideId = preferredPreset;
    else if (preferredSide != Inside &&
             ClimatePresets::isAllowed(preferredPreset, condition, Outside))
        outsideId = preferredPreset;

    // Identifier 0 names both custom rows: the outside condition takes the custom outdoor row,
    // never the indoor one.
    ClimatePresets::copyPreset(insideId, Inside, m_insideWinter);
    ClimatePresets::copyPreset(outsideId, Outside, m_outsideWinter);

    if (condition == AC_DIN4108_2001) {
        m_tT = 60;
        m_insideSummer.m_T = 12;
        m_outsideSummer.m_T = 12;
        m_insideSummer.m_rh = 70;
        m_outsideSummer.m_rh = 70;
    } else if (condition == AC_DIN4108_2014) {
        m_tT = 90;
        // The evaporation period is fixed by its saturation pressure: both sides at the
        // temperature belonging to psat_summer, the humidities from the two vapour pressures.
        const double T_s = T_sat(m_psat_summer);
        m_insideSummer.m_T = T_s;
        m_outsideSummer.m_T = T_s;
        m_insideSummer.m_rh = m_pv_i_summer / m_psat_summer * 100;
        m_outsideSummer.m_rh = m_pv_e_summer / m_psat_summer * 100;
    }
    if (condition == AC_DIN4108_2001 || condition == AC_DIN4108_2014) {
        m_tT_summer = 90;
        m_insideSummer.m_Rs = m_insideWinter.m_Rs;
        m_outsideSummer.m_Rs = m_outsideWinter.m_Rs;
    }
}

int Climate::recogniseAssessmentCondition() const
{
    if (!eq(m_tT_summer, 90))
        return AC_Custom;
    if (!eq(m_tT, 90) && !eq(m_tT, 60))
        return AC_Custom;
    if (!eq(m_insideSummer.m_Rs, m_insideWinter.m_Rs) ||
        !eq(m_outsideSummer.m_Rs, m_outsideWinter.m_Rs))
        return AC_Custom;

    const int insideId = ClimatePresets::presetIdForCondition(m_insideWinter);
    const int outsideId = ClimatePresets::presetIdForCondition(m_outsideWinter);

    const bool inside2001 = ClimatePresets::isAllowed(insideId, AC_DIN4108_2001, Inside);
    const bool inside2014 = ClimatePresets::isAllowed(insideId, AC_DIN4108_2014, Inside);
    const bool outside2001 = ClimatePresets::isAllowed(outsideId, AC_DIN4108_2001, Outside);
    const bool outside2014 = ClimatePresets::isAllowed(outsideId, AC_DIN4108_2014, Outside);
    if (!inside2001 && !inside2014)
        return AC_Custom;
    if (!outside2001 && !outside2014)
        return AC_Custom;
    if ((inside2001 && !outside2001) || (inside2014 && !outside2014))
        return AC_Custom;

    if (!inside2014) {
        if (eq(m_insideSummer.m_T, 12) && eq(m_insideSummer.m_rh, 70) &&
            eq(m_outsideSummer.m_T, 12) && eq(m_outsideSummer.m_rh, 70))
            return AC_DIN4108_2001;
        return AC_Custom;
    }

    const double T_s = T_sat(m_psat_summer);
    if (eq(m_insideSummer.m_T, T_s) && eq(m_outsideSummer.m_T, T_s) &&
        eq(m_insideSummer.m_rh, m_pv_i_summer / m_psat_summer * 100) &&
        eq(m_outsideSummer.m_rh, m_pv_e_summer / m_psat_summer * 100))
        return AC_DIN4108_2014;
    return AC_Custom;
}

bool Climate::isValid() const
{
    for (const ClimateCondition *c :
         {&m_insideWinter, &m_insideSummer, &m_outsideWinter, &m_outsideSummer}) {
        if (!temperatureValid(c->m_T) || !humidityValid(c->m_rh))
            return false;
    }
    if (!surfaceResistanceValid(m_insideWinter.m_Rs) ||
        !surfaceResistanceValid(m_outsideWinter.m_Rs))
        return false;
    // A period of no positive length cannot be calculated; the project reader reports it as an
    // invalid climate too, and validation must not turn it back into a valid record.
    if (!periodValid(m_tT) || !periodValid(m_tT_summer))
        return false;
    return true;
}

bool Climate::surfaceResistanceValid(double Rs)
{
    // surface resistances of building practice are some hundredths to tenths of m²K/W
    return Rs > 0 && Rs <= MaxSurfaceResistance;
}

bool Climate::periodValid(double days)
{
    return days > 0 && days <= MaxPeriodDays;
}

bool Climate::operator==(const Climate &other) const
{
    // All four surface resistances take part. R_se enters the calculation (temperatures,
    // temperature factor), so records differing in it must not compare equal; the summer
    // resistances decide the recognised assessment condition, so records differing in them are
    // not the same record either.
    return eq(m_insideWinter.m_T, other.m_insideWinter.m_T) &&
           eq(m_insideWinter.m_rh, other.m_insideWinter.m_rh) &&
           eq(m_insideSummer.m_T, other.m_insideSummer.m_T) &&
           eq(m_insideSummer.m_rh, other.m_insideSummer.m_rh) &&
           eq(m_insideWinter.m_Rs, other.m_insideWinter.m_Rs) &&
           eq(m_insideSummer.m_Rs, other.m_insideSummer.m_Rs) &&
           eq(m_outsideWinter.m_T, other.m_outsideWinter.m_T) &&
           eq(m_outsideWinter.m_rh, other.m_outsideWinter.m_rh) &&
           eq(m_outsideSummer.m_T, other.m_outsideSummer.m_T) &&
           eq(m_outsideSummer.m_rh, other.m_outsideSummer.m_rh) &&
           eq(m_outsideWinter.m_Rs, other.m_outsideWinter.m_Rs) &&
           eq(m_outsideSummer.m_Rs, other.m_outsideSummer.m_Rs) && eq(m_tT, other.m_tT) &&
           eq(m_tT_summer, other.m_tT_summer);
}
