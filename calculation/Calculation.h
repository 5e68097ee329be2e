#pragma once

#include "calculation/CalculationResults.h"

#include <QStringList>

#include <cstdint>
#include <vector>

class InputData;

/*! The settings that steer a calculation, handed in by the owner of the calculation (the
    project, the batch front end) as plain values. */
struct CalculationOptions
{
    /*! Heat-flow direction: 0 downwards, 1 upwards, 2 horizontal. Only matters for air layers. */
    int heatFlowDirection = 2;
    /*! Up to three passes in which the thermal conductivity of wet layer regions rises with
        their moisture content (0.55 W/(m·K) per m³/m³). */
    bool moistureDependentLambda = true;
    /*! Solve the system of every candidate plane set instead of screening out the sets that
        cannot be accepted first. Same results, slower; for tests and measurements. */
    bool exhaustiveSearch = false;
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

/*! The calculation engine of one project: the steady-state thermal field, the Glaser scheme of
    DIN 4108-3 and the moisture-storage method (MIRELO), which lets condensate spread from its
    planes into the adjacent layers by liquid transport, accounts for the hygroscopic loading
    time and grows the condensate towards its stationary amount.

    Every call of calculate() starts from scratch and never throws: the outcome is a ResultType in
    m_results plus translatable rich-text messages (translation context "Calculation").
*/
class Calculation
{
public:
    /*! Runs the whole calculation for the validated input. Returns the MIRELO result type, or the
        Glaser result type when the Glaser step found the input invalid. */
    int calculate(const InputData &input, const CalculationOptions &options = CalculationOptions());

    const CalculationResults &results() const { return m_results; }
    /*! The messages the results display shows for result type 2: a copy of the working list,
        taken whenever the calculation stops with an error. */
    const QStringList &messages() const { return m_reportedMessages; }
    /*! The messages of the last run, including those of a successful run (normally none). */
    const QStringList &workingMessages() const { return m_messages; }
    /*! Diagnostics of the moisture-storage passes of the last run. */
    const std::vector<CalculationPassTrace> &trace() const { return m_trace; }

    /*! Interface temperatures (°C) of a layer sequence with the thermal resistances R (m²K/W)
        between the surface resistances R_si and R_se and the air temperatures T_i and T_e. */
    static void temperatureProfile(const std::vector<double> &R, double R_si, double R_se,
                                   double T_i, double T_e, std::vector<double> &T);

    /*! The results record, public for the consumers that read it field by field. */
    CalculationResults m_results;

private:
    int calculateGlaser(const InputData &input, int heatFlowDirection);
    int calculateMirelo(const InputData &input, const CalculationOptions &options);
    void vapor_field(double p_i, double p_e);

    /*! Copies the working messages to the reported list (at every exit with an error). */
    void publishMessages() { m_reportedMessages = m_messages; }

    QStringList m_messages;
    QStringList m_reportedMessages;
    std::vector<CalculationPassTrace> m_trace;
};
