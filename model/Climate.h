#pragma once

#include <QString>
#include <QStringList>

#include "model/ClimateCondition.h"
#include "model/ClimatePresets.h"

/*  The boundary conditions of one project: the inside and outside air states for the
    condensation period (winter) and the evaporation period (summer), the surface resistances,
    the lengths of both periods and the assessment condition (custom, DIN 4108-3 2001,
    DIN 4108-3 2014/2018/2024).

    The assessment condition is derived state: every setter recognises it from the values and
    stores it (unless asked not to, for readers that set many values and recognise once at the
    end through updateAssessmentCondition()). applyAssessmentCondition() goes the other way and
    rewrites the values for a chosen condition.

    Units: temperatures in °C, relative humidities in %, surface resistances in m²K/W, vapour
    pressures in Pa, period lengths stored in days.
*/
class Climate
{
public:
    enum AssessmentConditions
    {
        AC_Custom = 0,
        AC_DIN4108_2001 = 1,
        AC_DIN4108_2014 = 2
    };

    /*! Quantity addressed by setValue(). */
    enum Quantity
    {
        Q_T,
        Q_rh,
        Q_Rs
    };
    /*! Side addressed by setValue(); the values equal the preset side codes. */
    enum Side
    {
        Inside = 0,
        Outside = 1
    };
    /*! Period addressed by setValue(). */
    enum Period
    {
        Winter,
        Summer,
        Both
    };

    /*! Fresh conditions, summer pressures 1200/1200/1700 Pa, then the assessment condition is
        applied with the preferred preset (ClimatePresets::NoPreset = 17 for none). */
    explicit Climate(int assessmentCondition = AC_DIN4108_2014,
                     int preferredPreset = ClimatePresets::NoPreset);

    // --- read access ---

    const ClimateCondition &insideWinter() const { return m_insideWinter; }
    const ClimateCondition &insideSummer() const { return m_insideSummer; }
    const ClimateCondition &outsideWinter() const { return m_outsideWinter; }
    const ClimateCondition &outsideSummer() const { return m_outsideSummer; }

    /*! Length of the condensation period: days, or seconds (days * 86400) when SI is true. */
    double tT(bool SI = false) const;
    /*! Length of the evaporation period: days, or seconds (days * 86400) when SI is true. */
    double tT_summer(bool SI = false) const;

    /*! Inside vapour pressure of the DIN 4108-3 (2014 and later) evaporation period in Pa. */
    double pv_i_summer() const { return m_pv_i_summer; }
    /*! Outside vapour pressure of the DIN 4108-3 (2014 and later) evaporation period in Pa. */
    double pv_e_summer() const { return m_pv_e_summer; }
    /*! Saturation vapour pressure in Pa that fixes the temperature of that evaporation period. */
    double psat_summer() const { return m_psat_summer; }

    /*! The stored (last recognised or applied) assessment condition. */
    int assessmentCondition() const { return m_assessmentCondition; }

    // --- setters; with recognise = true each stores the recognised assessment condition ---

    void setInsideWinter(const ClimateCondition &c, bool recognise = true);
    void setOutsideWinter(const ClimateCondition &c, bool recognise = true);
    void setInsideSummer(const ClimateCondition &c, bool recognise = true);
    void setOutsideSummer(const ClimateCondition &c, bool recognise = true);
    /*! Length of the condensation period in days. */
    void setTT(double days, bool recognise = true);
    /*! Length of the evaporation period in days. */
    void setTT_summer(double days, bool recognise = true);
    /*! Sets one quantity (T in °C, rh in %, Rs in m²K/W) at one side for winter, summer or both.
        Kind and side tags of the conditions are kept. */
    void setValue(Side side, Period period, Quantity quantity, double value, bool recognise = true);
    /*! Sets the three pressures (Pa) of the DIN 4108-3 (2014 and later) evaporation period. */
    void setSummerPressures(double pv_i, double pv_e, double psat, bool recognise = true);
    /*! The summer surface resistances take the winter ones. A project file stores only the
        winter resistances; a reader calls this so that a DIN record is recognised again. */
    void setSummerSurfaceResistancesFromWinter(bool recognise = true);

    /*! Recognises the assessment condition from the values and stores it. */
    void updateAssessmentCondition();

    /*! Stores the condition and rewrites the values for it; the preferred preset (if allowed for
        the condition) replaces the current inside or outside winter preset. Identifier 0 names
        both custom presets: without a side (-1) it is taken as the indoor one; a caller that
        knows the side the preset was chosen for passes it (Inside or Outside), and the
        preferred preset then applies to that side only. */
    void applyAssessmentCondition(int condition, int preferredPreset = ClimatePresets::NoPreset,
                                  int preferredSide = -1);

    /*! Recognises the assessment condition (0, 1 or 2) from the values; does not store it. */
    int recogniseAssessmentCondition() const;

    /*! True when all four temperatures lie in -40..80 °C, all four humidities in 0..100 %, both
        winter surface resistances lie in (0, MaxSurfaceResistance] and both period lengths in
        (0, MaxPeriodDays] (limits inclusive). */
    bool isValid() const;
    /*! Largest surface resistance (m²K/W) and period length (days) a valid record holds. */
    static constexpr double MaxSurfaceResistance = 10;
    static constexpr double MaxPeriodDays = 365;
    /*! A surface resistance in (0, MaxSurfaceResistance] m²K/W (so neither NaN nor infinite). */
    static bool surfaceResistanceValid(double Rs);
    /*! A period length in (0, MaxPeriodDays] days. */
    static bool periodValid(double days);

    /*! Equal when temperatures, humidities, surface resistances and period lengths agree within
        1e-4 (inclusive). */
    bool operator==(const Climate &other) const;
    bool operator!=(const Climate &other) const { return !(*this == other); }

    /*! Translated text of an assessment condition (context "AssessmentConditions"). */
    static QString assessmentConditionText(int assessmentCondition)
    {
        return ClimatePresets::assessmentConditionText(assessmentCondition);
    }

private:
    ClimateCondition &condition(Side side, bool summer);

    ClimateCondition m_insideWinter;
    ClimateCondition m_insideSummer;
    ClimateCondition m_outsideWinter;
    ClimateCondition m_outsideSummer;
    double m_tT = 90;            ///< Condensation period in days.
    double m_tT_summer = 90;     ///< Evaporation period in days.
    double m_pv_i_summer = 1200; ///< Pa
    double m_pv_e_summer = 1200; ///< Pa
    double m_psat_summer = 1700; ///< Pa
    int m_assessmentCondition = AC_Custom;
};
