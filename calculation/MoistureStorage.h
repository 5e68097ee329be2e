#pragma once

#include "calculation/Calculation.h"
#include "calculation/CalculationResults.h"
#include "calculation/LinearSolver.h"
#include "model/ClimateCondition.h"
#include "model/PhysicsFunctions.h"

#include <QStringList>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

class InputData;

/*! The moisture-storage method (MIRELO) in its stages. Condensate spreads from the condensation
    planes into the adjacent layers by liquid transport; the layers first have to store their
    hygroscopic moisture, and the condensate then grows towards its stationary amount with a time
    constant.

    Each stage takes what it needs and writes its result into storage that the caller keeps
    from one calculation to the next (Workspace); run() chains them in up to three
    passes and fills the moisture-storage fields of a results record. Units: m, W/(m·K), Pa,
    m²·s·Pa/kg, m³/m³, kg/m², s. Interfaces 0..n, layers 0..n-1, inside first. */
namespace MoistureStorage {

/*! What the calculation reads of a layer's material, once per calculation: every answer of the
    material looks up its flags (an air layer answers differently), and the dry field, the Glaser
    scheme and the layer preparation all need the same values. */
struct LayerProperties
{
    double d = 0;        ///< width, m
    double lambda = 0;   ///< conductivity for the heat-flow direction, W/(m·K)
    double mu = 0;       ///< vapour diffusion resistance factor
    double muSummer = 0; ///< the same in the evaporation period (Material::muSummer)
};

/*! Fills properties with those of every layer of input. */
void readLayerProperties(const InputData &input, HeatFlowDirection heatFlowDirection,
                         std::vector<LayerProperties> &properties);

/*! The saturation pressure (Pa) of the last temperature (°C) asked for. The climate's air
    temperatures come back unchanged in every calculation until the climate is edited, and the
    same temperature gives the same pressure: the power or exponential is taken only for a new
    one. (+0 and −0 give the same pressure in both forms.) */
class SaturationMemo
{
public:
    explicit SaturationMemo(double (*psat)(double))
        : m_psat(psat)
    {
    }
    double operator()(double T_C)
    {
        if (!(T_C == m_T)) {
            m_T = T_C;
            m_p = m_psat(T_C);
        }
        return m_p;
    }

private:
    double (*m_psat)(double);
    double m_T = std::numeric_limits<double>::quiet_NaN();
    double m_p = 0;
};

/*! Layer data and working quantities, fixed for all passes. */
struct Layers
{
    std::vector<double> d;      ///< width
    std::vector<double> lambda; ///< conductivity for the heat-flow direction
    std::vector<double> wref;   ///< reference moisture content at 95 % RH
    std::vector<double> K;      ///< liquid transport coefficient; 0 without liquid transport
    /*! Ratio of the free water capacities across interface i (1..n-1); ends unused. */
    std::vector<double> ratio;
    std::vector<double> Z; ///< vapour resistance μ·d·5.4e9
    /*! Vapour resistance in the evaporation period: the summer sd-value of a humidity-variable
        retarder, otherwise equal to Z. */
    std::vector<double> Z_summer;
    std::vector<double> R_liq; ///< liquid transport resistance d/K/1000 (inf without transport)
    /*! System coefficients of the liquid flow into a layer from the plane at its right side,
        Z/(2·R_liq), and from the plane at its left side, Z/(2·R_liq·r²). */
    std::vector<double> cRight, cLeft;

    int count() const { return int(d.size()); }
};

/*! Outcome of the layer preparation: the layers, or the first layer (0-based) whose reference
    moisture content leaves no free capacity below saturation. */
struct Preparation
{
    Layers layers;
    int invalidLayer = -1;
    /*! A_w, free capacity and K of every layer as last computed: K takes two powers, and an
        edit changes one layer, so the others keep theirs. */
    std::vector<double> cachedAw, cachedFree, cachedK;
};

/*! Fills result (its storage and the cached K are reused from the previous call). */
void prepareLayers(const InputData &input, HeatFlowDirection heatFlowDirection,
                   Preparation &result);
/*! The same with the layers' properties as readLayerProperties() gives them. */
void prepareLayers(const InputData &input, const std::vector<LayerProperties> &properties,
                   Preparation &result);

/*! Thermal resistance of every layer. Where a previous pass found condensate (sk_Cond > 0), the
    wet region conducts better; without condensate the dry d/λ. */
void layerResistances(const Layers &layers, const std::vector<double> &sk_Cond,
                      const std::vector<double> &w_left, const std::vector<double> &w_right,
                      std::vector<double> &R);

/*! Sums of the winter temperature field of the layer resistances R. */
struct ThermalField
{
    double R_layers = 0; ///< ΣR
    double R_T = 0;      ///< R_si + ΣR + R_se
};

/*! Also fills the interface temperatures T and the saturation pressures psat (power form).
    temperaturesKnown: T already holds the profile of R (the dry field of the caller). */
ThermalField thermalField(const std::vector<double> &R, double R_si, double R_se, double T_i,
                          double T_e, std::vector<double> &T, std::vector<double> &psat,
                          bool temperaturesKnown = false);

/*! Vapour pressure at the interfaces, linear over the vapour resistance from p_i to p_e. Throws
    HTL::Exception when the construction has no vapour resistance. */
void vaporField(const std::vector<double> &Z, double p_i, double p_e, std::vector<double> &pv);

/*! Moisture contents at both sides of every layer from the relative humidity there. */
void moistureContents(const std::vector<double> &pv, const std::vector<double> &psat,
                      const std::vector<double> &wref, std::vector<double> &w_left,
                      std::vector<double> &w_right);

/*! A candidate's system matrix with its LU factors, kept from one candidate, and one pass, to
    the next: the matrix depends on the planes and the layers, not on the pass, so the set that
    a pass accepted is tried first by the next one with the same matrix. (16 kB: kept on the
    stack of run(), not in the workspace, whose allocation it would make a large one.) */
struct DecomposedSystem
{
    DecomposedSystem() = default;
    DecomposedSystem(const DecomposedSystem &) = delete;
    DecomposedSystem &operator=(const DecomposedSystem &) = delete;

    LinearSystemMatrix A;
    std::optional<LinearSystemLU> lu; ///< of A, which it refers to
};

/*! Outcome of the search for the plane set. */
struct PlaneSet
{
    enum Result
    {
        Accepted,
        /*! The system of the last candidate could not be solved. */
        NoSolution,
        /*! Every candidate was rejected. */
        NoValidCombination,
        /*! The candidate budget was spent before a set was accepted. */
        Stopped
    };
    Result result = NoValidCombination;
    std::uint32_t bits = 0;  ///< bit b: plane at interface b+1
    double g = 0;            ///< vapour flux through the construction
    std::vector<double> dw;  ///< excess moisture content at each plane, inside first
    std::vector<double> pv;  ///< vapour pressure rebuilt with the liquid flows (n+1)
    QStringList messages;    ///< what the last candidate tried reported
    int candidatesTried = 0; ///< by the ascending search (counted against the budget)
    /*! Sets tried after the budget was spent, around the solution of the complementarity
        problem. */
    int fallbackTried = 0;
};

/*! Largest number of layers whose plane sets can be searched. */
constexpr int MaxLayers = 31;

/*! A pressure margin (Pa) far above the solver's residual tolerance, the rounding of the rebuilt
    pressures and the 1e-3 Pa allowed at the outer surface: a set that the full test accepts can
    miss the bounds of the screened search, or the complementarity solution, by no more than
    this. */
double searchSlack(int n, const std::vector<double> &psat, double p_i, double p_e);

/*! Most candidate systems the ascending search solves in one calculation by default. What the
    screen cannot rule out stays exponential in the number of layers; a rank-deficient system of
    31 layers costs up to about 200 µs (LU, every refinement step, SVD). Past the budget the
    solution of the complementarity problem decides in polynomial time; the search ends with
    an error only where that problem is singular (layers without liquid transport). */
constexpr int CandidateBudget = 40;

/*! Most interfaces left undecided by the complementarity solution whose combinations the
    search tries after the budget is spent (2^k sets). */
constexpr int MaxDoubtfulPlanes = 5;

/*! Screen nodes walked per candidate of the budget: walking the tree of plane sets costs far
    less than a solve, but a screen that lets few leaves through may still walk many nodes. */
constexpr int ScreenStepsPerCandidate = 64;

/*! Tries the plane sets in ascending candidate number (the set `previous` first, when not 0)
    and returns the first whose excess moisture is real, whose rebuilt vapour pressure meets the
    outer surface and stays at or below saturation. exhaustive: solve every candidate instead of
    screening out those that cannot be accepted (same result). budget: most candidates of the
    ascending search (0: no limit, negative: none left). When it is spent, the screened search
    goes on with the solution of the complementarity problem and the sets next to it; the
    result is Stopped only when that cannot decide, for the exhaustive search, or without
    fallback. At most MaxLayers layers. system: the caller's, kept from one call to the next. */
void searchPlaneSet(const Layers &layers, const std::vector<double> &psat,
                    const std::vector<double> &pv, double p_i, double p_e, std::uint32_t previous,
                    bool exhaustive, int budget, bool fallback, PlaneSet &set,
                    DecomposedSystem &system);

/*! The plane set as groups of consecutive planes: (layer left of the first plane, layer right of
    the last plane). */
std::vector<CalculationResults::PlaneRange> planeGroups(std::uint32_t bits, int layerCount);
void planeGroups(std::uint32_t bits, int layerCount,
                 std::vector<CalculationResults::PlaneRange> &groups);

/*! Condensate regions and masses. On a failure the values computed so far are kept. */
struct Condensate
{
    enum Failure
    {
        None,
        ZeroDenominator,
        NegativeRegion
    };
    std::vector<double> sk_Cond, m_condLayer, w_left, w_right;
    double mass = 0; ///< Σ m_condLayer
    Failure failure = None;
    int failedLayer = -1;
};

/*! The stationary condensate of the plane groups with the flux g and the excess moisture dw at
    the planes, starting from the moisture contents w_left, w_right. */
void stationaryCondensate(const Layers &layers,
                          const std::vector<CalculationResults::PlaneRange> &groups, double g,
                          const std::vector<double> &dw, const std::vector<double> &psat,
                          const std::vector<double> &pv, const std::vector<double> &w_left,
                          const std::vector<double> &w_right, Condensate &condensate);

/*! Hygroscopic loading time and time constant of the condensate accumulation. */
struct Loading
{
    double F = 0; ///< net vapour flux into the planes
    double H = 0; ///< hygroscopic moisture to be stored, (m³/m³)·m, doubled
    double t_hyg = 0;
    double tau = 0;
};

/*! phi: storage for the relative humidity over the interfaces. */
Loading hygroscopicLoading(const Layers &layers,
                           const std::vector<CalculationResults::PlaneRange> &groups,
                           const std::vector<double> &psat, const std::vector<double> &pv,
                           double m_condStat, std::vector<double> &phi);

/*! Share f of the stationary condensate reached after the condensation period t_c. */
struct Growth
{
    double e = 0, f = 0;
};

Growth growth(double t_c, double t_hyg, double tau);

/*! The stationary condensate scaled to the share f of its mass (grown may be stationary). */
void grownCondensate(const Layers &layers,
                     const std::vector<CalculationResults::PlaneRange> &groups,
                     const Condensate &stationary, double f, Condensate &grown);

/*! Drying of the first plane group to both sides in the evaporation period. */
struct Drying
{
    double m_ev = 0; ///< mass that can evaporate in the period t_ev_period
    double t_ev = 0; ///< time to dry out the condensate m_cond
};

/*! The summer air temperatures (°C), the saturation pressure at the inside temperature and the
    vapour pressures (Pa, power form): the same for the Glaser scheme and every pass, made once
    when first needed. */
struct SummerClimate
{
    bool made = false;
    double T_i = 0, T_e = 0, psat_i = 0, p_i = 0, p_e = 0;
    SaturationMemo psatInside{p_sat_pow}, psatOutside{p_sat_pow};

    const SummerClimate &make(const ClimateCondition &insideSummer,
                              const ClimateCondition &outsideSummer);
};

/*! R_layers: ΣR as thermalField() sums it. Z_summer: the layers' vapour resistances in the
    evaporation period (Layers::Z_summer). */
Drying drying(const std::vector<double> &R, double R_layers, const std::vector<double> &Z_summer,
              const std::vector<CalculationResults::PlaneRange> &groups, double R_si, double R_se,
              const SummerClimate &summer, double t_ev_period, double m_cond);

/*! Storage of the stages, kept from one calculation to the next. */
struct Workspace
{
    Preparation preparation;
    PlaneSet set;
    Condensate condensate;
    std::vector<double> phi;
    std::vector<double> line; ///< the straight vapour-pressure line, the same in every pass
    /*! The winter air's saturation pressures (power form). */
    SaturationMemo psatInside{p_sat_pow}, psatOutside{p_sat_pow};
    /*! Pass entries of the trace in use; those behind it keep their storage for the next
        calculation. */
    std::size_t traces = 0;
};

/*! Runs the method on input whose Glaser step succeeded: fills the moisture-storage fields of
    outcome.results, appends to outcome.messages and outcome.trace, returns the ResultType.
    properties: as readLayerProperties() gives them. dryField: outcome.results.R and T hold the
    dry thermal field (d/λ of every layer), which is the first pass's. Throws HTL::Exception
    from vaporField(). */
ResultType::Type run(const InputData &input, const CalculationOptions &options,
                     const std::vector<LayerProperties> &properties, bool dryField,
                     CalculationOutcome &outcome, Workspace &workspace, SummerClimate &summer);

} // namespace MoistureStorage
