#include "calculation/Calculation.h"

#include "calculation/InhomogeneousLayers.h"
#include "calculation/MoistureStorage.h"
#include "calculation/ResultType.h"
#include "htl/HTL_MessageHandler.h"
#include "model/Climate.h"
#include "model/InputData.h"
#include "model/PhysicsFunctions.h"

#include <QCoreApplication>

#include <cmath>

/*! The point of the lower convex hull of the saturation pressures over the vapour resistance. */
struct HullPoint
{
    double z, p;
    int k; // interface, -1 for the two air-side ends
};

struct CalculationWorkspace::Storage
{
    MoistureStorage::Workspace moisture;
    MoistureStorage::SummerClimate summer;
    std::vector<HullPoint> chain;
    std::vector<int> saturated;
    /*! Vapour diffusion resistance of each layer in the evaporation period (m²·s·Pa/kg, as
        Z_Glaser): a humidity-variable retarder's summer sd-value, otherwise Z_Glaser itself. */
    std::vector<double> Z_GlaserSummer;
    /*! Width, conductivity and diffusion resistance factors of the layers of this run. */
    std::vector<MoistureStorage::LayerProperties> properties;
    /*! The winter air's saturation pressures in the exponential form of the Glaser scheme. */
    MoistureStorage::SaturationMemo psatInside{p_sat_exp}, psatOutside{p_sat_exp};
};

CalculationWorkspace::CalculationWorkspace()
    : m_storage(new Storage)
{
}

CalculationWorkspace::~CalculationWorkspace() = default;

namespace {

// n zeros in v, its storage kept. Value-initialisation of the new elements (all bits zero, one
// memset) costs less than assign(n, 0.0), which copies the value element by element, the more
// so the more layers.
void zeros(std::vector<double> &v, int n)
{
    v.clear();
    v.resize(std::size_t(n));
}

// Numbers in messages use the general format with 6 significant digits.
QString gText(double value)
{
    return QString::number(value, 'g');
}

ResultType::Type calculateGlaser(const InputData &input, bool dryField, CalculationResults &r,
                                 QStringList &messages, CalculationWorkspace::Storage &storage);

void saturatedInterfaces(const std::vector<double> &Z, const std::vector<double> &psat, double p_i,
                         double p_e, std::vector<HullPoint> &chain, std::vector<int> &saturated);

} // namespace

void Calculation::temperatureProfile(const std::vector<double> &R, double R_si, double R_se,
                                     double T_i, double T_e, std::vector<double> &T)
{
    const std::size_t n = R.size();
    double sumR = 0;
    for (double r : R)
        sumR += r;
    // Heat flux density over the thermal resistance; q·R is the temperature drop of each part.
    const double q = (T_i - T_e) / (R_si + sumR + R_se);
    T.resize(n + 1); // every entry is written below
    double acc = R_si;
    T[0] = T_i - acc * q;
    for (std::size_t i = 1; i <= n; ++i) {
        acc += R[i - 1];
        T[i] = T_i - acc * q;
    }
}

CalculationOutcome Calculation::calculate(const InputData &input, const CalculationOptions &options)
{
    CalculationOutcome outcome;
    CalculationWorkspace workspace;
    calculate(input, options, outcome, workspace);
    return outcome;
}

namespace {

void calculateInto(const InputData &input, const CalculationOptions &options,
                   CalculationOutcome &outcome, CalculationWorkspace::Storage &storage)
{
    // The steps append their messages to the outcome; a step that fails stops the run, and a
    // moisture-storage pass that succeeds clears what its rejected candidates reported.
    CalculationResults &r = outcome.results;
    QStringList &messages = outcome.messages;

    const int n = input.layerCount();
    if (n == 0) {
        r.type = ResultType::NoLayers;
        return;
    }
    if (input.status() == InputStatus::InvalidWidth) {
        r.type = ResultType::InvalidInput;
        return;
    }

    for (std::vector<double> *v :
         {&r.R, &r.Z, &r.R_liq, &r.w_left, &r.w_right, &r.sk_Cond, &r.m_condLayer})
        zeros(*v, n);
    for (std::vector<double> *v : {&r.T, &r.psat, &r.pv})
        zeros(*v, n + 1);

    MoistureStorage::readLayerProperties(input, options.heatFlowDirection, storage.properties);
    const std::vector<MoistureStorage::LayerProperties> &properties = storage.properties;
    for (int i = 0; i < n; ++i)
        r.d_total += properties[i].d;
    for (int i = 0; i < n; ++i) {
        const double d = properties[i].d;
        if (d <= 0) {
            messages << QCoreApplication::translate(
                            "Calculation",
                            "Invalid width %1 of <a href=\"layer-%2\">layer #%2</a>.")
                            .arg(gText(d))
                            .arg(i + 1);
            r.d_total = 0;
            r.type = ResultType::InvalidInput;
            return;
        }
    }

    // Dry thermal field: shown even when the material data are not valid.
    const Climate &climate = input.climate();
    const bool dryField = input.allLayersCalculable();
    if (dryField) {
        double sumR = 0;
        for (int i = 0; i < n; ++i) {
            r.R[i] = properties[i].d / properties[i].lambda;
            sumR += r.R[i];
        }
        r.R_layers = sumR;
        r.R_T = sumR + climate.outsideWinter().m_Rs + climate.insideWinter().m_Rs;
        Calculation::temperatureProfile(r.R, climate.insideWinter().m_Rs,
                                        climate.outsideWinter().m_Rs, climate.insideWinter().m_T,
                                        climate.outsideWinter().m_T, r.T);
    }
    // The component with its studs or rafters, for the U-value; everything else of this run
    // (temperatures, Glaser scheme, moisture storage) is the field section, the layers of their
    // own materials, where DIN 4108-3 judges condensation.
    if (input.hasBridges())
        r.inhomogeneous = InhomogeneousLayers::calculate(input, options.heatFlowDirection);

    if (input.status() != InputStatus::Valid) {
        r.type = ResultType::InvalidInput;
        return;
    }

    r.typeGlaser = calculateGlaser(input, dryField, r, messages, storage);
    if (r.typeGlaser < 2) {
        messages << QCoreApplication::translate("Calculation", "Error in Glaser-Calculation.");
        return;
    }

    try {
        r.type = MoistureStorage::run(input, options, properties, dryField, outcome,
                                      storage.moisture, storage.summer);
    } catch (std::exception &ex) {
        HTL::message(std::string("Error while calculating vapor fiels '") + ex.what() + "'",
                     HTL::MSG_ERROR, "[Calculation::calculate]", -1);
        r.type = ResultType::CalculationError;
    }
}

} // namespace

void Calculation::calculate(const InputData &input, const CalculationOptions &options,
                            CalculationOutcome &outcome, CalculationWorkspace &workspace)
{
    CalculationWorkspace::Storage &storage = workspace.storage();
    outcome.results.resetKeepingStorage();
    outcome.messages.clear();
    storage.moisture.traces = 0;
    storage.summer.made = false;
    calculateInto(input, options, outcome, storage);
    // Entries behind the passes of this run are dropped (kept only while a run uses them).
    outcome.trace.resize(storage.moisture.traces);
}

// ---------------------------------------------------------------------------------------------
// Glaser scheme of DIN 4108-3
// ---------------------------------------------------------------------------------------------

std::vector<int> Calculation::glaserSaturatedInterfaces(const std::vector<double> &Z,
                                                        const std::vector<double> &psat, double p_i,
                                                        double p_e)
{
    std::vector<HullPoint> chain;
    std::vector<int> saturated;
    saturatedInterfaces(Z, psat, p_i, p_e, chain, saturated);
    return saturated;
}

namespace {

void saturatedInterfaces(const std::vector<double> &Z, const std::vector<double> &psat, double p_i,
                         double p_e, std::vector<HullPoint> &chain, std::vector<int> &saturated)
{
    // The straight line from p_i to p_e marks interfaces as saturated that the real vapour
    // pressure curve never reaches: where the line exceeds saturation, the vapour pressure is
    // cut down to it, and the curve runs along the tangents from p_i and p_e to the saturation
    // pressures. Those tangents and the chords between condensation planes form the lower
    // convex hull of the saturation pressures over the vapour resistance; the interfaces on it
    // are the planes. Collinear points stay on the hull: reaching saturation counts.
    using Point = HullPoint;
    const int n = int(Z.size());
    auto cross = [](const Point &o, const Point &a, const Point &b) {
        return (a.z - o.z) * (b.p - o.p) - (a.p - o.p) * (b.z - o.z);
    };
    chain.clear();
    chain.reserve(std::size_t(n) + 1);
    auto add = [&](const Point &q) {
        while (chain.size() >= 2 && cross(chain[chain.size() - 2], chain.back(), q) < 0)
            chain.pop_back();
        chain.push_back(q);
    };
    double z = 0;
    add({0, p_i, -1});
    for (int k = 1; k < n; ++k) {
        z = z + Z[k - 1];
        add({z, psat[k], k});
    }
    z = z + Z[n - 1];
    add({z, p_e, -1});

    saturated.clear();
    if (psat[0] <= p_i)
        saturated.push_back(0);
    for (const Point &q : chain)
        if (q.k > 0)
            saturated.push_back(q.k);
    if (psat[n] <= p_e)
        saturated.push_back(n);
}

ResultType::Type calculateGlaser(const InputData &input, bool dryField, CalculationResults &r,
                                 QStringList &messages, CalculationWorkspace::Storage &storage)
{
    const int n = input.layerCount();
    const Climate &climate = input.climate();
    const ClimateCondition &in = climate.insideWinter();
    const ClimateCondition &out = climate.outsideWinter();

    zeros(r.Z_Glaser, n);
    zeros(r.R_Glaser, n);
    std::vector<double> &Z_summer = storage.Z_GlaserSummer;
    zeros(Z_summer, n);
    for (int i = 0; i < n; ++i) {
        const MoistureStorage::LayerProperties &layer = storage.properties[i];
        const double mu = layer.mu;
        if (mu <= 0) {
            messages << QCoreApplication::translate(
                            "Calculation",
                            "Invalid mu %1 of material in <a href=\"layer-%2\">layer #%2</a>.")
                            .arg(gText(mu))
                            .arg(i + 1);
            return ResultType::InvalidInput;
        }
        // Vapour diffusion resistance with the diffusion coefficient of air 2e-10 kg/(m·s·Pa).
        r.Z_Glaser[i] = layer.d * mu / 2e-10;
        // A humidity-variable retarder opens up in the humid summer: its own factor for the
        // evaporation period (the same as in winter for every other layer).
        Z_summer[i] = layer.d * layer.muSummer / 2e-10;
        const double lambda = layer.lambda;
        if (lambda <= 0) {
            messages << QCoreApplication::translate(
                            "Calculation", "Invalid thermal conductivity %1 of material in <a "
                                           "href=\"layer-%2\">layer #%2</a>.")
                            .arg(gText(lambda))
                            .arg(i + 1);
            return ResultType::InvalidInput;
        }
        r.R_Glaser[i] = layer.d / lambda;
    }
    if (out.m_Rs <= 0) {
        messages << QCoreApplication::translate("Calculation",
                                                "Invalid surface resistance outside %f.")
                        .replace(QLatin1String("%f"), QString::number(out.m_Rs, 'f', 6));
        return ResultType::InvalidInput;
    }
    if (in.m_Rs <= 0) {
        messages << QCoreApplication::translate("Calculation",
                                                "Invalid surface resistance inside)%f.")
                        .replace(QLatin1String("%f"), QString::number(in.m_Rs, 'f', 6));
        return ResultType::InvalidInput;
    }

    double sumR = 0;
    for (double R : r.R_Glaser)
        sumR += R;
    r.R_layers = sumR;
    r.R_T = r.R_layers + out.m_Rs + in.m_Rs;
    // The dry field has the same resistances d/λ, through the same profile.
    if (dryField)
        r.T_Glaser = r.T;
    else
        Calculation::temperatureProfile(r.R_Glaser, in.m_Rs, out.m_Rs, in.m_T, out.m_T, r.T_Glaser);

    // The Glaser scheme takes the exponential (Magnus) form of the saturation pressure.
    const double p_i = storage.psatInside(in.m_T) * in.m_rh / 100;
    const double p_e = storage.psatOutside(out.m_T) * out.m_rh / 100;
    double Z_tot = 0;
    for (double Z : r.Z_Glaser)
        Z_tot += Z;

    // Z(a..b): vapour resistance of the layers a..b-1, summed afresh in ascending order, with
    // the layers' resistances of the condensation period (Zsum) or of the evaporation period
    // (ZsumSummer).
    auto sumOf = [](const std::vector<double> &Z, int a, int b) {
        double s = 0;
        for (int j = a; j < b; ++j)
            s += Z[j];
        return s;
    };
    auto Zsum = [&](int a, int b) { return sumOf(r.Z_Glaser, a, b); };
    auto ZsumSummer = [&](int a, int b) { return sumOf(Z_summer, a, b); };

    zeros(r.psat_Glaser, n + 1);
    zeros(r.pv_Glaser, n + 1);
    for (int k = 0; k <= n; ++k)
        r.psat_Glaser[k] = p_sat_exp(r.T_Glaser[k]);
    // Σ Z of the layers in front of k, growing in the order in which Zsum(0, k) adds them.
    double Z_front = 0;
    for (int k = 0; k < n; ++k) {
        r.pv_Glaser[k] = p_i - Z_front * (p_i - p_e) / Z_tot;
        Z_front += r.Z_Glaser[k];
    }
    r.pv_Glaser[n] = p_e;

    // Saturated interfaces (reaching saturation counts), grouped into runs.
    std::vector<int> &saturated = storage.saturated;
    saturatedInterfaces(r.Z_Glaser, r.psat_Glaser, p_i, p_e, storage.chain, saturated);
    r.kPlanesGlaser.clear();
    for (std::size_t s = 0; s < saturated.size(); ++s) {
        if (s == 0 || saturated[s] != saturated[s - 1] + 1)
            r.kPlanesGlaser.emplace_back(saturated[s], saturated[s]);
        else
            r.kPlanesGlaser.back().second = saturated[s];
    }

    if (saturated.empty())
        return ResultType::NoCondensation;
    if (saturated.front() == 0)
        return ResultType::SurfaceCondensationInside;
    if (saturated.back() == n)
        return ResultType::SurfaceCondensationOutside;
    if (n == 1)
        return ResultType::OnlyOneLayer;
    r.kFirst = saturated.front();
    r.kLast = saturated.back();

    const std::vector<double> &psat = r.psat_Glaser;
    const double t_c = climate.tT(true);
    ResultType::Type result;
    double m_c1 = 0, m_c2 = 0;
    if (saturated.size() == 1) {
        const int k = saturated.front();
        r.m_c_Glaser = t_c * ((p_i - psat[k]) / Zsum(0, k) - (psat[k] - p_e) / Zsum(k, n));
        result = ResultType::CondensationPlane;
    } else if (r.kPlanesGlaser.size() == 1) {
        const int k1 = r.kFirst, k2 = r.kLast;
        r.m_c_Glaser = t_c * ((p_i - psat[k1]) / Zsum(0, k1) - (psat[k2] - p_e) / Zsum(k2, n));
        result = ResultType::CondensationZone;
    } else if (saturated.size() == 2) {
        const int k1 = saturated[0], k2 = saturated[1];
        m_c1 = t_c * ((p_i - psat[k1]) / Zsum(0, k1) - (psat[k1] - psat[k2]) / Zsum(k1, k2));
        m_c2 = t_c * ((psat[k1] - psat[k2]) / Zsum(k1, k2) - (psat[k2] - p_e) / Zsum(k2, n));
        r.m_c_Glaser = m_c1 + m_c2;
        result = ResultType::SeveralPlanes;
    } else {
        return ResultType::NoAlgorithm;
    }

    // Evaporation period: every plane at the saturation pressure of the summer temperature
    // (power form), drying to both sides through the layers' summer resistances.
    const ClimateCondition &inS = climate.insideSummer();
    const ClimateCondition &outS = climate.outsideSummer();
    const MoistureStorage::SummerClimate &summer = storage.summer.make(inS, outS);
    const double p_s = summer.psat_i;
    const double p_is = summer.p_i;
    const double p_es = summer.p_e;
    const double t_ev = climate.tT_summer(true);
    const double Z_in = ZsumSummer(0, r.kFirst);
    const double Z_out = ZsumSummer(r.kLast, n);
    const double g_e = (p_s - p_es) / Z_out;
    const double g_i = (p_s - p_is) / Z_in;
    const double g = g_e + g_i;
    if (result == ResultType::CondensationPlane) {
        r.m_ev_Glaser = g * t_ev;
        r.t_ev_Glaser = r.m_c_Glaser / g;
    } else if (result == ResultType::CondensationZone) {
        const double Z_zone = ZsumSummer(r.kFirst, r.kLast);
        const double gz =
            (p_s - p_es) / (0.5 * Z_zone + Z_out) + (p_s - p_is) / (0.5 * Z_zone + Z_in);
        r.m_ev_Glaser = gz * t_ev;
        r.t_ev_Glaser = r.m_c_Glaser / gz;
    } else {
        const double t_out = m_c2 / g_e; // outer plane drying outwards
        const double t_in = m_c1 / g_i;  // inner plane drying inwards
        const double Z_12 = ZsumSummer(r.kFirst, r.kLast);
        if (t_out > t_in) {
            // The inner plane is dry first; then the outer plane dries to both sides.
            const double g_2 = (p_s - p_is) / (Z_12 + Z_in) + g_e;
            r.m_ev_Glaser = (t_ev - t_in) * g_2 + g * t_in;
            r.t_ev_Glaser = (m_c2 - t_in * g_e) / g_2 + t_in;
        } else {
            const double g_1 = (p_s - p_es) / (Z_12 + Z_out) + g_i;
            r.m_ev_Glaser = (t_ev - t_out) * g_1 + g * t_out;
            r.t_ev_Glaser = (m_c1 - t_out * g_i) / g_1 + t_out;
        }
    }
    return result;
}

} // namespace
