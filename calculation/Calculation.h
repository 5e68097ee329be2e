#pragma once

#include "calculation/CalculationResults.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class InputData;

/*! The settings that steer a calculation, handed in by the owner of the calculation (the
    project, the batch front end) as plain values. */
struct CalculationOptions
{
    /*! Matters for air layers and the inside surface resistance of the U-values. */
    HeatFlowDirection heatFlowDirection = HeatFlowDirection::Horizontal;
    /*! Up to three passes in which the thermal conductivity of wet layer regions rises with
        their moisture content (0.55 W/(m·K) per m³/m³). */
    bool moistureDependentLambda = true;
    /*! Solve the system of every candidate plane set instead of screening out the sets that
        cannot be accepted first. Same results, slower; for tests and measurements. */
    bool exhaustiveSearch = false;
    /*! Most candidate plane sets whose systems the ascending search solves in one calculation
        (all passes together). When they are spent, the screened search takes the solution of
        the complementarity problem of the planes instead (see complementarityFallback); the
        exhaustive search ends with a calculation error. 0: the program's limit
        (MoistureStorage::CandidateBudget) for the screened search, no limit for the exhaustive
        one. */
    int candidateBudget = 0;
    /*! Off: the screened search also ends with a calculation error when the budget is spent,
        for comparisons with the plain ascending search. */
    bool complementarityFallback = true;
};

/*! Diagnostics of one pass of the moisture-storage method, for finding where two
    implementations diverge (not used by any result). */
struct CalculationPassTrace
{
    int pass = 0;
    std::uint32_t accepted = 0; ///< accepted candidate number (bit b = plane at interface b+1)
    int candidatesTried = 0;    ///< solves attempted in this pass
    double g = 0;               ///< vapour flux of the accepted solution, kg/(m²·s)
    std::vector<double> dw;     ///< excess moisture content at each plane, m³/m³
    double F = 0, H = 0, e = 0, f = 0;
};

/*! Everything one calculation run produces. Nothing of it depends on an earlier run. */
struct CalculationOutcome
{
    CalculationResults results;
    /*! The messages this run reports, the reasons the results display shows for result type 2
        (rich text, translation context "Calculation"); empty after a successful run. */
    QStringList messages;
    /*! Diagnostics of the moisture-storage passes of this run. */
    std::vector<CalculationPassTrace> trace;
};

/*! Storage for the intermediate values of a calculation, kept by a caller that calculates
    again and again (after every edit): with it, and the outcome of the previous run, a
    calculation of a construction of the same size allocates nothing. It carries no result from
    one run into the next. */
class CalculationWorkspace
{
public:
    CalculationWorkspace();
    ~CalculationWorkspace();
    CalculationWorkspace(const CalculationWorkspace &) = delete;
    CalculationWorkspace &operator=(const CalculationWorkspace &) = delete;

    struct Storage;
    Storage &storage() { return *m_storage; }

private:
    std::unique_ptr<Storage> m_storage;
};

/*! The calculation engine: the steady-state thermal field, the Glaser scheme of DIN 4108-3 and
    the moisture-storage method (MIRELO), which lets condensate spread from its planes into the
    adjacent layers by liquid transport, accounts for the hygroscopic loading time and grows the
    condensate towards its stationary amount.

    A calculation is a function of its input: it keeps nothing between runs and never throws;
    the outcome is a ResultType in the results plus the messages of the run. */
namespace Calculation {

/*! Runs the whole calculation for the validated input. */
CalculationOutcome calculate(const InputData &input,
                             const CalculationOptions &options = CalculationOptions());

/*! The same, overwriting outcome and reusing its storage and the workspace's. */
void calculate(const InputData &input, const CalculationOptions &options,
               CalculationOutcome &outcome, CalculationWorkspace &workspace);

/*! Interface temperatures (°C) of a layer sequence with the thermal resistances R (m²K/W)
    between the surface resistances R_si and R_se and the air temperatures T_i and T_e. */
void temperatureProfile(const std::vector<double> &R, double R_si, double R_se, double T_i,
                        double T_e, std::vector<double> &T);

/*! The interfaces (0..n, ascending) at which the vapour pressure of the Glaser scheme reaches
    saturation, by the tangent construction of DIN 4108-3 Annex A: the lower convex hull of the
    saturation pressures psat (n+1) over the cumulated vapour resistance of the layers Z (n),
    spanned from p_i at the inner to p_e at the outer surface. Interior interfaces on the hull
    are condensation planes; a surface counts when its saturation pressure does not exceed the
    air's vapour pressure. */
std::vector<int> glaserSaturatedInterfaces(const std::vector<double> &Z,
                                           const std::vector<double> &psat, double p_i, double p_e);

} // namespace Calculation
