#pragma once

#include "calculation/CalculationResults.h"
#include "calculation/DINEdition.h"
#include "calculation/ResultType.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

#include <limits>
#include <vector>

class InputData;

/*! The assessment settings the DIN 4108-3 validity criteria and the DIN 68800-2 drying reserve
    need, handed in as plain values by whoever owns the settings (the project, the batch front
    end, the report). The defaults are those of a fresh installation. */
struct DINCriteriaOptions
{
    DINEdition m_edition = DINEdition::DIN4108_3_2018;
    /*! Water absorption coefficient up to which a material counts as taking up no capillary
        water, in kg/(m²·s^0.5); only used for the user-defined edition (0.2 kg/(m²·h^0.5)). */
    double m_nonCapillarAw = 0.2 / 60;
    /*! Drying reserve demanded after DIN 68800-2, in kg/(m²·a); 0 means none. */
    double m_dryingReserve = 0;
};

/*! Which calculation method's figures a set of DIN 4108-3 verdicts judges. */
enum class CriteriaBasis
{
    /*! The moisture-storage (MIRELO) method: condensate grown over the condensation period. */
    MoistureStorage,
    /*! The Glaser scheme of DIN 4108-3: stationary diffusion, condensate in planes or zones. */
    Glaser
};

/*! The figures of one calculation method that the DIN 4108-3 criteria judge; the same rules
    apply to either method, only the figures differ. */
struct DINCriteriaFigures
{
    using PlaneList = std::vector<CalculationResults::PlaneRange>;

    CriteriaBasis basis = CriteriaBasis::MoistureStorage;
    /*! The method's result type (ResultType). */
    int resultType = ResultType::InvalidInput;
    /*! The layers around each condensation plane or zone: (layer left of the first plane, layer
        right of the last plane), 0-based layer indices, as the moisture-storage method reports
        them. */
    PlaneList planes;
    /*! Condensate mass at the end of the condensation period, kg/m². */
    double M_c = 0;
    /*! Stationary condensate mass, kg/m² (for the Glaser scheme, which is stationary, M_c). */
    double m_condStat = 0;
    /*! Mass that can evaporate in the evaporation period, kg/m². */
    double m_ev = 0;
    /*! Drying time of the condensate, s; negative when the summer flux feeds the condensate. */
    double t_ev = 0;
    /*! Whether the DIN 68800-2 drying reserve is judged on these figures (only on the
        moisture-storage method's, as the program always did). */
    bool dryingReserveApplies = true;

    /*! The moisture-storage method's figures of a results record. */
    static DINCriteriaFigures moistureStorage(const CalculationResults &results);
    /*! The Glaser scheme's figures of a results record. Its planes are runs of saturated
        interfaces; interface k lies between layers k - 1 and k (0-based), so the run (a, b)
        touches the layers a - 1 to b. */
    static DINCriteriaFigures glaser(const CalculationResults &results);
};

/*! The DIN 4108-3 validity criteria of one construction after a moisture-storage calculation:
    which layers touched by condensate take up no capillary water, which are timber or
    wood-based material, the admissible condensate masses of the wooden layers, and the
    verdicts of the mass, wood, drying-time and drying-reserve rows that the results display
    and the report conclusions present.

    build() collects the layers from a plane list; evaluate() also judges the results of a
    calculation. Every rule is available on its own for the display and the report. Texts use
    the translation context "DINCriteriaResult".
*/
class DINCriteriaResult
{
    Q_DECLARE_TR_FUNCTIONS(DINCriteriaResult)
public:
    using PlaneList = std::vector<CalculationResults::PlaneRange>;

    /*! Which wood row the report shows. */
    enum WoodRow
    {
        NoWoodRow,
        TimberRow,
        WoodBasedRow
    };

    /*! "No limit" for the admissible condensate mass of a wooden layer (kg/m²). */
    static constexpr double NoMassLimit = std::numeric_limits<double>::max();

    /*! Drying reserve choices of DIN 68800-2, in kg/(m²·a). */
    static constexpr double DryingReserveCeilingsWalls = 0.1;
    static constexpr double DryingReserveRoofs = 0.25;

    /*! The A_w limit of an edition, in kg/(m²·h^0.5): 0.2 (2001), 0.5 (2014), 0.1 (2018 and
        2024); 0 for the user-defined edition. */
    static double editionAwLimit(DINEdition edition);
    /*! The A_w limit in kg/(m²·s^0.5) the criteria use: the user's value for the user-defined
        edition, otherwise the edition's value per hour divided by 60. */
    static double awLimit(DINEdition edition, double userAwLimit);

    /*! Collects the non-capillary, timber and wood-based layers of every plane group (a..b,
        layer indices, inclusive) of the plane list and the smallest admissible condensate mass
        of the timber (5 % mass-related moisture) and wood-based layers (3 %). Resets the
        verdicts of evaluate(). Indices outside the construction are skipped. */
    void build(const InputData &input, const PlaneList &planes, DINEdition edition,
               double userAwLimit);

    /*! build() with the plane list of the moisture-storage method, then every verdict for
        the condensate mass, drying time and evaporable mass of the results. Without a result
        of the moisture calculation (see resultAssessable()), or with figures that cannot be
        judged (see figureFault()), nothing is judged: m_evaluated is
        false and every verdict false, so that a reader who forgets to ask cannot report a
        construction as fulfilling the criteria. */
    void evaluate(const DINCriteriaOptions &options, const InputData &input,
                  const CalculationResults &results);
    /*! The same rules on the figures of either method: build() with their plane list, then every
        verdict for their condensate mass, drying time and evaporable mass. The drying reserve is
        judged only where the figures say it applies. */
    void evaluate(const DINCriteriaOptions &options, const InputData &input,
                  const DINCriteriaFigures &figures);

    /*! Whether a MIRELO result type carries figures the criteria can judge: not for a missing
        or invalid input, a failed calculation, a problem without algorithm or surface
        condensation (types 0 to 5); a condensate mass of 0 there means "not calculated", not
        "dry". */
    static bool resultAssessable(int resultType);
    /*! Why the figures the verdicts use (condensate masses, evaporable mass, drying time)
        cannot be judged although the result type has figures: one of them is not finite, or a
        condensate mass is negative (a negative drying time with condensate is "no drying"). Empty
       when they can. The last line behind the validation of the input. */
    static QString figureFault(const CalculationResults &results);
    /*! The same for the figures of either method. */
    static QString figureFault(const DINCriteriaFigures &figures);

    /*! True when a layer of some plane group is in the non-capillary list. */
    bool nonCapillaryCriterionApplies(const PlaneList &planes) const;
    /*! Admissible condensate mass in kg/m²: 0.5 with, 1.0 without a non-capillary layer. */
    static double massLimit(bool nonCapillaryApplies) { return nonCapillaryApplies ? 0.5 : 1.0; }
    /*! M_c (kg/m²) strictly below the mass limit. */
    static bool massCriterionMet(double M_c, bool nonCapillaryApplies);
    /*! No timber layer, or M_c (kg/m²) below the timber limit. */
    bool timberCriterionMet(double M_c) const;
    /*! No wood-based layer, or M_c (kg/m²) below the wood-based limit. */
    bool woodBasedCriterionMet(double M_c) const;
    bool hasWoodLayers() const { return !m_timberLayers.empty() || !m_woodBasedLayers.empty(); }
    /*! 3 without timber and wood-based layers, 4 with some. */
    int classification() const { return hasWoodLayers() ? 4 : 3; }
    /*! The wood row to show: the wood-based row when there is a wood-based layer, otherwise
        the timber row when there is a timber layer. */
    WoodRow woodRow() const;
    /*! Drying time t_ev (s) not negative and below 90 days. */
    static bool dryingTimeMet(double t_ev);
    /*! The reserve is checked only when condensate forms at all (stationary mass m_condStat
        > 0 kg/m²) and a reserve (kg/(m²·a)) is demanded. */
    static bool dryingReserveEvaluated(double m_condStat, double dryingReserve);
    /*! The evaporable mass m_ev exceeds the condensate m_cond plus the reserve (all kg/m²). */
    static bool dryingReserveMet(double m_ev, double m_cond, double dryingReserve);

    /*! Heading naming the edition, e.g. "Check according DIN 4108-3 2014". */
    static QString headingText(DINEdition edition);
    /*! The name of the method whose figures a verdict judges: "Glaser scheme" or "Moisture
        storage method". */
    static QString basisText(CriteriaBasis basis);
    /*! The mass row with or without capillary suction. */
    static QString massRowText(bool nonCapillaryApplies);
    static QString timberRowText();
    static QString woodBasedRowText();
    static QString dryingTimeRowText();
    /*! The drying-reserve row; the reserve (kg/(m²·a)) is shown in g/(m²·a). */
    static QString dryingReserveRowText(double dryingReserve);
    /*! A reserve in kg/(m²·a) in the unit the user sees, g/(m²·a). */
    static double dryingReserveInGrams(double dryingReserve) { return dryingReserve * 1000; }
    /*! The note explaining a user-defined A_w limit (kg/(m²·s^0.5)); empty otherwise. */
    static QString noteText(DINEdition edition, double userAwLimit);

    /*! The verdicts as the batch front end writes them: standard, heading, aw_limit, the three
        layer lists (0-based), both mass limits, classification, non_capillary_applies,
        mass_limit, mass_met, wood_row, wood_met, drying_time_met, drying_reserve_evaluated,
        drying_reserve_met, evaluated, drying_reserve_text, note (null where a row is not shown
        and, without an assessable result, for every verdict). */
    QJsonObject toJson() const;

    // --- the record built from the plane list ---
    /*! The A_w limit used, kg/(m²·s^0.5). */
    double m_awLimit = 0;
    /*! Smallest admissible condensate mass over the timber layers, kg/m². */
    double m_massLimitTimber = NoMassLimit;
    /*! Smallest admissible condensate mass over the wood-based layers, kg/m². */
    double m_massLimitWoodBased = NoMassLimit;
    std::vector<int> m_nonCapillaryLayers;
    std::vector<int> m_timberLayers;
    std::vector<int> m_woodBasedLayers;

    // --- the verdicts of evaluate() ---
    DINCriteriaOptions m_options;
    /*! The figures judged (their basis names the method). */
    DINCriteriaFigures m_figures;
    /*! The verdicts below judge a result; false when the calculation gave none. */
    bool m_evaluated = false;
    bool m_nonCapillaryApplies = false;
    bool m_massMet = false;
    bool m_woodMet = false; ///< meaningful only when woodRow() != NoWoodRow
    bool m_dryingTimeMet = false;
    bool m_dryingReserveEvaluated = false;
    bool m_dryingReserveMet = false; ///< meaningful only when m_dryingReserveEvaluated
    QString m_note;
};
