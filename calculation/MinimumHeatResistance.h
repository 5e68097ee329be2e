#pragma once

#include <QCoreApplication>
#include <QString>
#include <vector>

/*! The minimum thermal protection of DIN 4108-2: the construction types of table 3 (editions
    2004 and 2013) with their row labels and the minimum thermal resistance each requires, and the
    minimum temperature factor f_Rsi against mould growth.

    Editions: 0 = DIN 4108-2:2004, 1 = DIN 4108-2:2013. Construction types are integers; the
    2013 list reuses some numbers of the 2004 list (1, 4, 8, 9, 10) with other names. A type that
    an edition does not list is "Unknown", with an empty row label and the resistance of an outer
    wall, 1.2 m²K/W.

    All inputs are plain values, so the checks can be evaluated without the calculation classes:
    thermal resistances in m²K/W, temperatures in °C, relative humidities in %.
*/
class MinimumHeatResistance
{
    Q_DECLARE_TR_FUNCTIONS(MinimumHeatResistance)

public:
    enum Edition
    {
        DIN4108_2_2004 = 0,
        DIN4108_2_2013 = 1
    };

    /*! Surface resistance on the inside used for the temperature factor, in m²K/W
        (the increased value of DIN 4108-2 for corners and furnished walls). */
    static constexpr double R_si_f = 0.25;

    /*! Outcome of both checks for one construction. */
    struct Result
    {
        int m_edition = DIN4108_2_2013;
        int m_type = 12;
        QString m_editionName;
        QString m_name;
        QString m_row;
        /*! Required minimum thermal resistance in m²K/W. */
        double m_R_min = 1.2;
        /*! R_min <= R_layers. */
        bool m_fulfilled = false;

        /*! Whether the temperature factor was checked at all. */
        bool m_frsiChecked = false;
        /*! Required temperature factor (one decimal, NaN when undefined), dimensionless. */
        double m_f_min = 0;
        /*! Temperature factor of the construction, dimensionless. */
        double m_f_Rsi = 0;
        /*! f_min <= f_Rsi (false when f_min is undefined). */
        bool m_frsiFulfilled = false;
    };

    /*! The construction types of an edition in the order of table 3 (empty for an unknown
        edition). */
    static std::vector<int> types(int edition);

    /*! "DIN 4108-2 2004 Tab. 3", "DIN 4108-2 2013 Tab. 3" or "Unknown" (translated). */
    static QString editionName(int edition);
    /*! Name of the construction type (translated), "Unknown" when the edition does not list it. */
    static QString name(int edition, int type);
    /*! Row label in table 3, empty when the edition does not list the type. */
    static QString row(int edition, int type);
    /*! Required minimum thermal resistance in m²K/W (1.2 when the edition does not list the
        type). */
    static double R_min(int edition, int type);

    /*! Whether a construction with the thermal resistance R_layers (sum of the layer resistances,
        dry, in m²K/W) meets the requirement: R_min <= R_layers. */
    static bool requirementFulfilled(int edition, int type, double R_layers);
    /*! Report row of the requirement, e.g.
        "DIN 4108-2 2013 Tab. 3 row 1, thermal resistance  R >= 1.20 m<sup>2</sup>K/W". */
    static QString requirementText(int edition, int type);

    /*! Required temperature factor f_min for the inside air at T_i (°C) and rh_i (%) and the
        outside at −5 °C, truncated towards zero to one decimal. At T_i = −5 °C the factor is
        undefined (the inside equals the outside); NaN is returned then, and for non-finite
        inputs. */
    static double requiredTemperatureFactor(double T_i, double rh_i);
    /*! Temperature factor f_Rsi = (ΣR + R_se) / (R_si,f + ΣR + R_se) of a construction with the
        layer resistance sum sumR and the outside surface resistance R_se (both m²K/W). */
    static double temperatureFactor(double sumR, double R_se);
    /*! f_min <= f_Rsi; false when f_min is NaN. */
    static bool temperatureFactorFulfilled(double f_min, double f_Rsi);
    /*! Report row of the temperature factor requirement (f_min with one decimal). */
    static QString temperatureFactorRequirementText(double f_min);
    /*! The actual factor with two decimals, the value in red bold when not fulfilled. */
    static QString temperatureFactorResultText(double f_Rsi, bool fulfilled);

    /*! Evaluates both checks. R_layers (m²K/W) is the dry sum of the layer resistances of the
        calculation, used for the requirement; sumR (m²K/W) is Σ d/λ over the layers, taken
        directly from the layers so that the temperature factor exists even where the
        calculation stopped before its thermal field. T_i (°C), rh_i (%) are the inside winter
        climate and R_se (m²K/W) the outside surface resistance. The temperature factor is
        evaluated only when frsiCheck is set. */
    static Result evaluate(int edition, int type, double R_layers, double sumR, bool frsiCheck,
                           double T_i, double rh_i, double R_se);
};
