#include "calculation/Calculation.h"

#include "calculation/FixedMatrix.h"
#include "calculation/LinearSolver.h"
#include "calculation/ResultType.h"
#include "htl/HTL_Exception.h"
#include "htl/HTL_MessageHandler.h"
#include "model/Climate.h"
#include "model/InputData.h"
#include "model/PhysicsFunctions.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Calculation", text);
}

// Numbers in messages use the general format with 6 significant digits.
QString gText(double value)
{
    return QString::number(value, 'g');
}

// One day in seconds.
constexpr double SecondsPerDay = 86400;

/*! The working state of one run: the outcome being filled and the working message list, to
    which the steps append and which is published as the outcome's messages at every exit with
    an error. */
struct Run
{
    CalculationOutcome &m_outcome;
    QStringList m_messages;

    int calculateGlaser(const InputData &input, int heatFlowDirection);
    int calculateMirelo(const InputData &input, const CalculationOptions &options);
    void vapor_field(double p_i, double p_e);
    void publishMessages() { m_outcome.messages = m_messages; }
};

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
    T.assign(n + 1, 0.0);
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
    Run run{outcome, {}};
    CalculationResults &r = outcome.results;
    QStringList &m_messages = run.m_messages;

    const int n = input.layerCount();
    if (n == 0) {
        r.type = ResultType::NoLayers;
        return outcome;
    }
    if (input.status() == 1) {
        r.type = ResultType::InvalidInput;
        return outcome;
    }

    r.R.assign(n, 0.0);
    r.Z.assign(n, 0.0);
    r.R_liq.assign(n, 0.0);
    r.w_left.assign(n, 0.0);
    r.w_right.assign(n, 0.0);
    r.sk_Cond.assign(n, 0.0);
    r.m_condLayer.assign(n, 0.0);
    r.T.assign(n + 1, 0.0);
    r.psat.assign(n + 1, 0.0);
    r.pv.assign(n + 1, 0.0);

    for (int i = 0; i < n; ++i)
        r.d_total += input.layer(i).m_width;
    for (int i = 0; i < n; ++i) {
        const double d = input.layer(i).m_width;
        if (d <= 0) {
            m_messages << tr("Invalid width %1 of <a href=\"layer-%2\">layer #%2</a>.")
                              .arg(gText(d))
                              .arg(i + 1);
            r.d_total = 0;
            run.publishMessages();
            r.type = ResultType::InvalidInput;
            return outcome;
        }
    }

    // Dry thermal field: shown even when the material data are not valid.
    const Climate &climate = input.climate();
    if (input.allLayersCalculable()) {
        double sumR = 0;
        for (int i = 0; i < n; ++i) {
            const MaterialLayer &layer = input.layer(i);
            r.R[i] = layer.m_width / layer.lambda(options.heatFlowDirection);
            sumR += r.R[i];
        }
        r.R_layers = sumR;
        r.R_T = sumR + climate.outsideWinter().m_Rs + climate.insideWinter().m_Rs;
        Calculation::temperatureProfile(r.R, climate.insideWinter().m_Rs,
                                        climate.outsideWinter().m_Rs, climate.insideWinter().m_T,
                                        climate.outsideWinter().m_T, r.T);
    }

    if (input.status() != 0) {
        r.type = ResultType::InvalidInput;
        return outcome;
    }

    r.typeGlaser = run.calculateGlaser(input, options.heatFlowDirection);
    if (r.typeGlaser < 2) {
        m_messages << tr("Error in Glaser-Calculation.");
        run.publishMessages();
        return outcome;
    }

    try {
        r.type = run.calculateMirelo(input, options);
    } catch (std::exception &ex) {
        HTL::message(std::string("Error while calculating vapor fiels '") + ex.what() + "'",
                     HTL::MSG_ERROR, "[Calculation::calculate]", -1);
        r.type = ResultType::CalculationError;
    }
    return outcome;
}

// ---------------------------------------------------------------------------------------------
// Glaser scheme of DIN 4108-3
// ---------------------------------------------------------------------------------------------

int Run::calculateGlaser(const InputData &input, int heatFlowDirection)
{
    CalculationResults &r = m_outcome.results;
    const int n = input.layerCount();
    const Climate &climate = input.climate();
    const ClimateCondition &in = climate.insideWinter();
    const ClimateCondition &out = climate.outsideWinter();

    r.Z_Glaser.assign(n, 0.0);
    r.R_Glaser.assign(n, 0.0);
    for (int i = 0; i < n; ++i) {
        const MaterialLayer &layer = input.layer(i);
        const double mu = layer.mu();
        if (mu <= 0) {
            m_messages << tr("Invalid mu %1 of material in <a href=\"layer-%2\">layer #%2</a>.")
                              .arg(gText(mu))
                              .arg(i + 1);
            return ResultType::InvalidInput;
        }
        // Vapour diffusion resistance with the diffusion coefficient of air 2e-10 kg/(m·s·Pa).
        r.Z_Glaser[i] = layer.m_width * mu / 2e-10;
        const double lambda = layer.lambda(heatFlowDirection);
        if (lambda <= 0) {
            m_messages << tr("Invalid thermal conductivity %1 of material in <a "
                             "href=\"layer-%2\">layer #%2</a>.")
                              .arg(gText(lambda))
                              .arg(i + 1);
            return ResultType::InvalidInput;
        }
        r.R_Glaser[i] = layer.m_width / lambda;
    }
    if (out.m_Rs <= 0) {
        m_messages << tr("Invalid surface resistance outside %f.")
                          .replace(QLatin1String("%f"), QString::number(out.m_Rs, 'f', 6));
        return ResultType::InvalidInput;
    }
    if (in.m_Rs <= 0) {
        m_messages << tr("Invalid surface resistance inside)%f.")
                          .replace(QLatin1String("%f"), QString::number(in.m_Rs, 'f', 6));
        return ResultType::InvalidInput;
    }

    double sumR = 0;
    for (double R : r.R_Glaser)
        sumR += R;
    r.R_layers = sumR;
    r.R_T = r.R_layers + out.m_Rs + in.m_Rs;
    Calculation::temperatureProfile(r.R_Glaser, in.m_Rs, out.m_Rs, in.m_T, out.m_T, r.T_Glaser);

    // The Glaser scheme takes the exponential (Magnus) form of the saturation pressure.
    const double p_i = p_sat_exp(in.m_T) * in.m_rh / 100;
    const double p_e = p_sat_exp(out.m_T) * out.m_rh / 100;
    double Z_tot = 0;
    for (double Z : r.Z_Glaser)
        Z_tot += Z;

    // Z(a..b): vapour resistance of the layers a..b-1, summed afresh in ascending order.
    auto Zsum = [&r](int a, int b) {
        double s = 0;
        for (int j = a; j < b; ++j)
            s += r.Z_Glaser[j];
        return s;
    };

    r.psat_Glaser.assign(n + 1, 0.0);
    r.pv_Glaser.assign(n + 1, 0.0);
    for (int k = 0; k <= n; ++k)
        r.psat_Glaser[k] = p_sat_exp(r.T_Glaser[k]);
    for (int k = 0; k < n; ++k)
        r.pv_Glaser[k] = p_i - Zsum(0, k) * (p_i - p_e) / Z_tot;
    r.pv_Glaser[n] = p_e;

    // Saturated interfaces (reaching saturation counts), grouped into runs.
    std::vector<int> saturated;
    for (int k = 0; k <= n; ++k)
        if (r.psat_Glaser[k] <= r.pv_Glaser[k])
            saturated.push_back(k);
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
    int result;
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
    // (power form), drying to both sides.
    const ClimateCondition &inS = climate.insideSummer();
    const ClimateCondition &outS = climate.outsideSummer();
    const double p_s = p_sat_pow(inS.m_T);
    const double p_is = p_sat_pow(inS.m_T) * inS.m_rh / 100;
    const double p_es = p_sat_pow(outS.m_T) * outS.m_rh / 100;
    const double t_ev = climate.tT_summer(true);
    const double Z_in = Zsum(0, r.kFirst);
    const double Z_out = Zsum(r.kLast, n);
    const double g_e = (p_s - p_es) / Z_out;
    const double g_i = (p_s - p_is) / Z_in;
    const double g = g_e + g_i;
    if (result == ResultType::CondensationPlane) {
        r.m_ev_Glaser = g * t_ev;
        r.t_ev_Glaser = r.m_c_Glaser / g;
    } else if (result == ResultType::CondensationZone) {
        const double Z_zone = Zsum(r.kFirst, r.kLast);
        const double gz =
            (p_s - p_es) / (0.5 * Z_zone + Z_out) + (p_s - p_is) / (0.5 * Z_zone + Z_in);
        r.m_ev_Glaser = gz * t_ev;
        r.t_ev_Glaser = r.m_c_Glaser / gz;
    } else {
        const double t_out = m_c2 / g_e; // outer plane drying outwards
        const double t_in = m_c1 / g_i;  // inner plane drying inwards
        const double Z_12 = Zsum(r.kFirst, r.kLast);
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

// ---------------------------------------------------------------------------------------------
// Moisture-storage method (MIRELO)
// ---------------------------------------------------------------------------------------------

void Run::vapor_field(double p_i, double p_e)
{
    CalculationResults &r = m_outcome.results;
    const std::size_t n = r.Z.size();
    double R_vap = 0;
    for (double Z : r.Z)
        R_vap += Z;
    if (R_vap == 0)
        throw HTL::Exception("[vapor_field]  Error: R_vap == 0!", "[Calculation::vapor_field]");
    double S = 0;
    for (std::size_t k = 0; k < n; ++k) {
        r.pv[k] = p_i - S * (p_i - p_e) / R_vap;
        S += r.Z[k];
    }
    r.pv[n] = p_e;
}

namespace {

// Largest system: one row per plane (at most 30 interior interfaces of 31 layers) plus the
// outer boundary.
constexpr int MaxSystem = 32;
using Matrix = FixedMatrix<double, MaxSystem>;
using Vector = FixedVector<double, MaxSystem>;

// Relative residual accepted by the solver chain for a candidate system.
constexpr double SolverTolerance = 1e-10;

// 2000/3: converts (moisture content in m³/m³) × (width in m) of a region whose moisture excess
// falls linearly to zero into kg/m² (1000 kg/m³ × 2/3 for the parabolic excess profile).
constexpr double MassFactor = 666.6666666666666;

/*! Layer data and working quantities of one calculation. */
struct MireloLayers
{
    int n = 0;
    std::vector<double> d, lambda, wref, K, ratio; // ratio: r_i, i = 0..n (ends unused)
};

/*! Outcome of trying one candidate plane set. */
enum class CandidateOutcome
{
    Accepted,
    Rejected,
    SolverFailed
};

struct Candidate
{
    std::uint32_t bits = 0; // bit b: plane at interface b+1
    double g = 0;           // vapour flux through the construction
    Vector x;               // x_1..x_m: Δw² at the planes
    std::vector<double> pv; // rebuilt vapour pressure, n+1
};

inline bool isPlane(std::uint32_t bits, int interface)
{
    return interface >= 1 && ((bits >> (interface - 1)) & 1u) != 0;
}

/*! Necessary conditions for the acceptance of a candidate plane set, so that the ascending
    search need not solve the systems of sets that cannot be accepted.

    Every condition bounds the vapour flux g of an accepted solution. Between two planes, and
    in front of the first and behind the last, the rebuilt vapour pressure falls linearly with
    g over the vapour resistance S (S_k: resistance up to interface k), raised only by the
    liquid term Δw²·c ≥ 0 of the layer next to a plane; it equals saturation at the planes
    and must not exceed saturation in between. Hence, for planes ka < kb and ka < k < kb:
        g ≥ (psat[ka] − psat[k]) / (S_k − S_ka),
    in front of the first plane k1 (p'[0] = p_i) the same with p_i, and the first row of the
    system, g·S_k1 + c·Δw₁² = p_i − psat[k1], gives g ≤ (p_i − psat[k1]) / S_k1. Behind the last
    plane kL, p'[k] = p_e + g·(S_n − S_k) gives g ≤ (psat[k] − p_e) / (S_n − S_k), and the last
    plane's balance g ≥ (psat[kL] − p_e) / (S_n − S_kL). Where a layer has no liquid transport
    (c = 0), the balance across it holds with equality and bounds g from the other side too.

    The candidates are numbered so that ascending order means: last plane first (1, 2, ...),
    then, for each, the set without further planes followed by the next plane below it in
    ascending order, and so on. Walking that tree depth first visits them in ascending order and
    lets a whole subtree go when the planes chosen so far already contradict each other.

    The bounds carry a slack far above the solver's residual tolerance, the rounding of the
    rebuilt pressures and the 1e-3 Pa allowed at the outer surface, so the screen can never drop
    a set that the full test would accept: the result is that of the exhaustive search. */
class CandidateScreen
{
public:
    void prepare(int n, const std::vector<double> &Z, const std::vector<double> &psat, double p_i,
                 double p_e, const std::vector<double> &cLeft, const std::vector<double> &cRight)
    {
        m_n = n;
        double pScale = std::max(std::fabs(p_i), std::fabs(p_e));
        for (int k = 0; k <= n; ++k)
            pScale = std::max(pScale, std::fabs(psat[k]));
        const double slack = 1e-3 + 1e-5 * pScale + 1e-8;
        std::array<double, MaxSystem + 1> S;
        S[0] = 0;
        for (int k = 0; k < n; ++k)
            S[k + 1] = S[k] + Z[k];

        // First plane k1: the interfaces in front of it and the first row.
        Interval hull = Interval::none();
        double lower = -Inf;
        for (int k1 = 1; k1 < n; ++k1) {
            Interval &f = m_front[k1];
            f.lo = lower;
            f.hi = (p_i - psat[k1] + slack) / S[k1];
            if (cRight[k1 - 1] == 0)
                f.lo = std::max(f.lo, (p_i - psat[k1] - slack) / S[k1]);
            lower = std::max(lower, (p_i - psat[k1] - slack) / S[k1]);
            hull = hull.hull(f);
            m_frontHull[k1] = hull;
        }
        // Last plane kL: the last balance and the interfaces behind it.
        double upper = Inf;
        for (int kL = n - 1; kL >= 1; --kL) {
            Interval &b = m_back[kL];
            b.lo = (psat[kL] - p_e - slack) / (S[n] - S[kL]);
            b.hi = upper;
            if (cLeft[kL] == 0)
                b.hi = std::min(b.hi, (psat[kL] - p_e + slack) / (S[n] - S[kL]));
            upper = std::min(upper, (psat[kL] + slack - p_e) / (S[n] - S[kL]));
        }
        // Consecutive planes ka < kb.
        for (int ka = 1; ka < n; ++ka) {
            double lo = -Inf;
            for (int kb = ka + 1; kb < n; ++kb) {
                Interval &m = m_mid[ka][kb];
                const double dS = S[kb] - S[ka];
                m.lo = lo;
                m.hi = Inf;
                if (cRight[kb - 1] == 0)
                    m.lo = std::max(m.lo, (psat[ka] - psat[kb] - slack) / dS);
                if (cLeft[ka] == 0)
                    m.hi = (psat[ka] - psat[kb] + slack) / dS;
                lo = std::max(lo, (psat[ka] - psat[kb] - slack) / dS);
            }
        }
    }

    /*! Calls visit(bits) for every set that may be accepted (bit b: plane at interface b+1), in
        ascending order, until visit returns true; returns whether it did. */
    template <typename Visit>
    bool forEach(Visit &&visit) const
    {
        for (int kL = 1; kL < m_n; ++kL)
            if (descend(std::uint32_t(1) << (kL - 1), kL, m_back[kL], visit))
                return true;
        return false;
    }

private:
    static constexpr double Inf = std::numeric_limits<double>::infinity();

    struct Interval
    {
        double lo, hi; // left uninitialised: the screen is prepared afresh for every pass
        static Interval none() { return {Inf, -Inf}; }
        bool empty() const { return lo > hi; }
        Interval operator&(const Interval &o) const
        {
            return {std::max(lo, o.lo), std::min(hi, o.hi)};
        }
        Interval hull(const Interval &o) const { return {std::min(lo, o.lo), std::max(hi, o.hi)}; }
    };

    // The sets whose planes from kc on are those of bits; g the flux interval they leave.
    template <typename Visit>
    bool descend(std::uint32_t bits, int kc, const Interval &g, Visit &visit) const
    {
        if (!(g & m_front[kc]).empty() && visit(bits))
            return true;
        for (int k = 1; k < kc; ++k) {
            const Interval gk = g & m_mid[k][kc];
            if (gk.empty() || (gk & m_frontHull[k]).empty())
                continue;
            if (descend(bits | (std::uint32_t(1) << (k - 1)), k, gk, visit))
                return true;
        }
        return false;
    }

    int m_n = 0;
    std::array<Interval, MaxSystem + 1> m_front, m_frontHull, m_back;
    std::array<std::array<Interval, MaxSystem + 1>, MaxSystem + 1> m_mid;
};

} // namespace

int Run::calculateMirelo(const InputData &input, const CalculationOptions &options)
{
    CalculationResults &r = m_outcome.results;
    const Climate &climate = input.climate();
    const ClimateCondition &in = climate.insideWinter();
    const ClimateCondition &out = climate.outsideWinter();
    const double R_si = in.m_Rs;
    const double R_se = out.m_Rs;
    const int n = input.layerCount();

    // Preparation: reference moisture content at 95 % RH extrapolated linearly from the 80 %
    // value, and the liquid transport coefficient from the water absorption coefficient.
    MireloLayers L;
    L.n = n;
    L.d.resize(n);
    L.lambda.resize(n);
    L.wref.resize(n);
    L.K.resize(n);
    L.ratio.assign(n + 1, 0.0);
    for (int i = 0; i < n; ++i) {
        const MaterialLayer &layer = input.layer(i);
        L.d[i] = layer.m_width;
        L.lambda[i] = layer.lambda(options.heatFlowDirection);
        L.wref[i] = layer.m_w_80 * 95 / 80;
        const double freeCapacity = layer.m_w_sat - L.wref[i];
        if (freeCapacity <= 0) {
            m_messages << tr("Invalid moisture storage values for <a href=\"layer-%1\">layer "
                             "#%1</a>.")
                              .arg(i + 1);
            m_messages << tr("Current moisture content at 80%RH leads to an moisture content at "
                             "95%RH higher than saturation moisture content.");
            publishMessages();
            return ResultType::InvalidInput;
        }
        // Powers through std::pow, as in the reference computation: x·x·x rounds differently,
        // and near-equal differences of cubes amplify that into visible digits.
        L.K[i] = std::pow(layer.m_A_w, 2) * 5e-8 / std::pow(freeCapacity, 3);
    }
    for (int i = 1; i < n; ++i) {
        const MaterialLayer &left = input.layer(i - 1);
        const MaterialLayer &right = input.layer(i);
        L.ratio[i] = (left.m_w_sat - L.wref[i - 1]) / (right.m_w_sat - L.wref[i]);
    }
    for (int i = 0; i < n; ++i) {
        // 5.4e9 = 1.5e6 · 3600: the vapour resistance in the units of the liquid transport model.
        r.Z[i] = input.layer(i).mu() * L.d[i] * 5.4e9;
        r.R_liq[i] = L.d[i] / L.K[i] / 1000; // inf for a layer without liquid transport
    }
    const double p_i = p_sat_pow(in.m_T) * in.m_rh / 100;
    const double p_e = p_sat_pow(out.m_T) * out.m_rh / 100;
    const double t_c = climate.tT(true);

    // Liquid-transport coefficients of the system: Z/(2·R_liq) for the plane right of a layer,
    // Z/(2·R_liq·r²) for the plane left of it (the excess there is scaled by the capacity ratio).
    std::vector<double> cRight(n), cLeft(n);
    for (int i = 0; i < n; ++i) {
        cRight[i] = r.Z[i] / (2 * r.R_liq[i]);
        cLeft[i] = i > 0 ? r.Z[i] / (2 * r.R_liq[i] * (L.ratio[i] * L.ratio[i])) : 0.0;
    }

    auto updateMoistureContents = [&]() {
        for (int i = 0; i < n; ++i) {
            r.w_left[i] = r.pv[i] / r.psat[i] * L.wref[i];
            r.w_right[i] = r.pv[i + 1] / r.psat[i + 1] * L.wref[i];
        }
    };

    // Solves the system of one candidate plane set and checks its solution.
    Matrix A;
    Vector b;
    auto tryCandidate = [&](Candidate &cand) -> CandidateOutcome {
        m_messages.clear();
        const std::uint32_t bits = cand.bits;
        int m = 0;
        for (std::uint32_t c = bits; c; c &= c - 1)
            ++m;
        A.resize(m + 1, m + 1, 0.0);
        b.resize(m + 1, 0.0);
        int v = 0;
        double S = 0;
        for (int i = 0; i < n; ++i) {
            const bool planeLeft = isPlane(bits, i);
            if (planeLeft) {
                A(v, 0) = S;
                b[v] = p_i - r.psat[i];
                ++v;
            }
            if (isPlane(bits, i + 1))
                for (int j = v; j <= m; ++j)
                    A(j, v + 1) += cRight[i];
            if (planeLeft)
                for (int j = v; j <= m; ++j)
                    A(j, v) -= cLeft[i];
            S += r.Z[i];
        }
        A(m, 0) = S;
        b[m] = p_i - p_e;

        if (!solveLinearSystem(A, b, cand.x, SolverTolerance))
            return CandidateOutcome::SolverFailed;
        for (int j = 1; j <= m; ++j)
            if (cand.x[j] < 0)
                return CandidateOutcome::Rejected;
        const double g = cand.x[0];

        // Vapour pressure rebuilt from the flux and the liquid flows at the planes. The liquid
        // terms are written out rather than taken from cLeft/cRight: Δw²·Z/(…) rounds
        // differently from Δw²·(Z/(…)), and the acceptance test looks at 1e-8 Pa.
        std::vector<double> &p = cand.pv;
        p.assign(n + 1, 0.0);
        p[0] = r.pv[0];
        int q = 1;
        for (int i = 0; i < n; ++i) {
            p[i + 1] = p[i] - g * r.Z[i];
            if (isPlane(bits, i)) {
                p[i + 1] += cand.x[q] * r.Z[i] / (2 * r.R_liq[i] * (L.ratio[i] * L.ratio[i]));
                ++q;
            }
            if (isPlane(bits, i + 1))
                p[i + 1] -= r.Z[i] * cand.x[q] / (2 * r.R_liq[i]);
        }
        if (std::fabs(p[n] - r.pv[n]) > 0.001) {
            m_messages << tr("pv_e not correctly calculated! Algorithm error!");
            return CandidateOutcome::Rejected;
        }
        for (int k = 1; k < n; ++k)
            if (r.psat[k] - p[k] < -1e-8)
                return CandidateOutcome::Rejected;
        cand.g = g;
        return CandidateOutcome::Accepted;
    };

    CandidateScreen screen;
    const int passes = options.moistureDependentLambda ? 3 : 1;
    bool haveRemembered = false;
    std::uint32_t remembered = 0;
    int result = ResultType::CalculationError;

    for (int pass = 1; pass <= passes; ++pass) {
        // Thermal field; from the second pass on, the wet regions found by the previous pass
        // conduct better (0.55 W/(m·K) per m³/m³ of mean moisture content).
        double sumR = 0;
        for (int i = 0; i < n; ++i) {
            const double d = L.d[i];
            const double lambda = L.lambda[i];
            if (pass == 1 || r.sk_Cond[i] == 0) {
                r.R[i] = d / lambda;
            } else if (r.sk_Cond[i] == d) {
                r.R[i] = d / (lambda + 0.55 * 0.5 * (r.w_left[i] + r.w_right[i]));
            } else {
                const double w_p = r.w_left[i] > L.wref[i] ? r.w_left[i] : r.w_right[i];
                r.R[i] = (d - r.sk_Cond[i]) / lambda +
                         r.sk_Cond[i] / (lambda + 0.55 * 0.5 * (L.wref[i] + w_p));
            }
            sumR += r.R[i];
        }
        // A pass that stops must not leave condensate values of an earlier pass behind.
        r.kPlanes.clear();
        std::fill(r.sk_Cond.begin(), r.sk_Cond.end(), 0.0);
        std::fill(r.m_condLayer.begin(), r.m_condLayer.end(), 0.0);
        r.m_condStat = r.m_cond = r.tau = r.t_hyg = r.t_ev = r.m_ev = 0;

        r.R_layers_moist = sumR;
        r.R_T_moist = R_si + sumR + R_se;
        r.U_moist = 1 / r.R_T_moist;
        Calculation::temperatureProfile(r.R, R_si, R_se, in.m_T, out.m_T, r.T);
        for (int k = 0; k <= n; ++k)
            r.psat[k] = p_sat_pow(r.T[k]);

        vapor_field(p_i, p_e);

        // Surface condensation: here only a strict excess counts.
        if (r.pv[0] > r.psat[0])
            return ResultType::SurfaceCondensationInside;
        if (r.pv[n] > r.psat[n])
            return ResultType::SurfaceCondensationOutside;
        updateMoistureContents();
        if (n == 1)
            return ResultType::OnlyOneLayer;
        bool anySaturated = false;
        for (int k = 0; k <= n; ++k)
            if (r.pv[k] > r.psat[k])
                anySaturated = true;
        if (!anySaturated)
            return ResultType::NoCondensation;

        if (n >= MaxSystem) {
            m_messages << tr("Could not find valid combination of k-planes! Algorithm error!");
            publishMessages();
            return ResultType::CalculationError;
        }

        // Search of the plane set: exhaustive in ascending candidate number, the previous pass's
        // set first.
        CalculationPassTrace trace;
        trace.pass = pass;
        Candidate cand;
        bool accepted = false;
        if (haveRemembered) {
            cand.bits = remembered;
            ++trace.candidatesTried;
            accepted = tryCandidate(cand) == CandidateOutcome::Accepted;
            haveRemembered = false;
        }
        if (!accepted) {
            const std::uint32_t last = (std::uint32_t(1) << (n - 1)) - 1;
            bool lastTried = false;
            bool lastFailed = false;
            auto visit = [&](std::uint32_t c) {
                cand.bits = c;
                ++trace.candidatesTried;
                const CandidateOutcome outcome = tryCandidate(cand);
                if (c == last) {
                    lastTried = true;
                    lastFailed = outcome == CandidateOutcome::SolverFailed;
                }
                accepted = outcome == CandidateOutcome::Accepted;
                return accepted;
            };
            if (options.exhaustiveSearch) {
                for (std::uint32_t c = 1; c <= last && !visit(c); ++c) {
                }
            } else {
                screen.prepare(n, r.Z, r.psat, p_i, p_e, cLeft, cRight);
                // The set of all planes comes last and is always tried: its outcome decides the
                // message when no set is accepted.
                if (!screen.forEach(visit) && !lastTried)
                    visit(last);
            }
            if (!accepted && lastFailed) {
                m_messages << tr("No Solution found!");
                publishMessages();
                m_outcome.trace.push_back(trace);
                return ResultType::CalculationError;
            }
        }
        if (!accepted) {
            m_messages << tr("Could not find valid combination of k-planes! Algorithm error!");
            publishMessages();
            m_outcome.trace.push_back(trace);
            return ResultType::CalculationError;
        }
        remembered = cand.bits;
        haveRemembered = true;
        const double g = cand.g;
        trace.accepted = cand.bits;
        trace.g = g;

        r.pv = cand.pv;
        updateMoistureContents();
        m_messages.clear();
        for (int k = 1; k < n; ++k) {
            if (!isPlane(cand.bits, k))
                continue;
            if (isPlane(cand.bits, k - 1))
                r.kPlanes.back().second = k;
            else
                r.kPlanes.emplace_back(k - 1, k);
        }

        // Condensate per plane group. Δw of the planes in order across all groups.
        std::vector<double> dw;
        for (int j = 1; j < cand.x.size(); ++j)
            dw.push_back(std::sqrt(cand.x[j]));
        trace.dw = dw;
        std::size_t plane = 0;
        for (const CalculationResults::PlaneRange &group : r.kPlanes) {
            const int a = int(group.first);
            const int bl = int(group.second);
            // A layer without liquid transport (A_w = 0) takes up no condensate: its region is 0
            // exactly, while the formula would give rounding noise of either sign and, through
            // the checks below, turn ordinary constructions into calculation errors.
            if (L.K[a] == 0) {
                r.sk_Cond[a] = 0;
            } else {
                const double D_a = g - (r.psat[a] - r.psat[a + 1]) / r.Z[a];
                if (D_a == 0) {
                    m_messages << tr("Error in calculation m_results.sk_Cond[%1], denominator "
                                     "== 0!")
                                      .arg(a);
                    publishMessages();
                    return ResultType::CalculationError;
                }
                r.sk_Cond[a] = L.d[a] * (g - (r.pv[a] - r.psat[a + 1]) / r.Z[a]) / D_a;
            }
            if (L.K[bl] == 0) {
                r.sk_Cond[bl] = 0;
            } else {
                const double D_b = g * r.Z[bl] - (r.psat[bl] - r.psat[bl + 1]);
                if (D_b == 0) {
                    m_messages << tr("Error in calculation m_results.sk_Cond[%1], denominator "
                                     "== 0!")
                                      .arg(bl);
                    publishMessages();
                    return ResultType::CalculationError;
                }
                r.sk_Cond[bl] = L.d[bl] * (g * r.Z[bl] - (r.psat[bl] - r.pv[bl + 1])) / D_b;
                if (r.sk_Cond[bl] <= 0) {
                    m_messages
                        << tr("Error in calculation m_results.sk_Cond[%1], Value < 0!").arg(bl);
                    publishMessages();
                    return ResultType::CalculationError;
                }
            }
            for (int j = a; j < bl; ++j) {
                const double excess = dw[plane++];
                r.w_right[j] = L.wref[j] + excess;
                r.w_left[j + 1] = L.wref[j + 1] + excess / L.ratio[j + 1];
            }
            for (int j = a + 1; j < bl; ++j) {
                // Wholly wet layer with a linear excess profile δ(x) between its two sides.
                r.sk_Cond[j] = L.d[j];
                const double dl = r.w_left[j] - L.wref[j];
                const double dr = r.w_right[j] - L.wref[j];
                if (dl == dr) {
                    // Limit of (δl³ − δr³)/(δl² − δr²) for δl → δr: 1.5·δ (0 for δ = 0).
                    r.m_condLayer[j] = 1.5 * dl * r.sk_Cond[j] * MassFactor;
                } else {
                    r.m_condLayer[j] = (std::pow(dl, 3) - std::pow(dr, 3)) * r.sk_Cond[j] *
                                       MassFactor / (std::pow(dl, 2) - std::pow(dr, 2));
                }
            }
            r.m_condLayer[a] = (r.w_right[a] - L.wref[a]) * MassFactor * r.sk_Cond[a];
            r.m_condLayer[bl] = (r.w_left[bl] - L.wref[bl]) * MassFactor * r.sk_Cond[bl];
        }
        double sum = 0;
        for (double mc : r.m_condLayer)
            sum += mc;
        r.m_condStat = sum;

        // Hygroscopic loading time and time constant of the condensate accumulation.
        const int a0 = int(r.kPlanes.front().first);
        const int b1 = int(r.kPlanes.back().second);
        double Z_in = 0, Z_out = 0;
        for (int j = 0; j <= a0; ++j)
            Z_in += r.Z[j];
        for (int j = b1; j < n; ++j)
            Z_out += r.Z[j];
        const double F = (r.pv[0] - r.psat[a0 + 1]) / Z_in - (r.psat[b1] - r.pv[n]) / Z_out;
        std::vector<double> phi(n + 1, 0.0);
        for (int k = 1; k <= a0; ++k) {
            double s = 0;
            for (int j = 0; j < k; ++j)
                s += r.Z[j];
            phi[k] = s / Z_in * r.psat[a0 + 1] / r.psat[k];
        }
        for (int k = a0 + 1; k <= b1; ++k)
            phi[k] = 1;
        for (int k = b1 + 1; k <= n - 1; ++k) {
            double s = 0;
            for (int j = k; j < n; ++j)
                s += r.Z[j];
            phi[k] = s / Z_out * r.psat[b1] / r.psat[k];
        }
        // Hygroscopic moisture to be stored before condensate forms: the mean relative humidity
        // of each layer times its reference content; wholly inside a group the layer is at 95 %.
        double H = 0;
        for (int j = 0; j < n; ++j) {
            if (j <= a0 || j >= b1)
                H += L.d[j] * (phi[j] + phi[j + 1]) * L.wref[j];
            else
                H += 2 * L.d[j] * L.wref[j];
        }
        r.t_hyg = H * 1000 * 0.020000000000000018 * 0.5 / F;
        r.tau = 3 * r.m_condStat / F;

        // Growth towards the stationary amount during the condensation period after the
        // hygroscopic loading time.
        const double e = -3 * (t_c - r.t_hyg) / r.tau;
        double f = 1 - std::exp(e);
        // The floor also catches a NaN factor (F = 0, or τ = 0 with t_c = t_hyg).
        if (e > 700 || !(f > 0))
            f = 1e-17;
        const double h = std::sqrt(f);
        trace.F = F;
        trace.H = H;
        trace.e = e;
        trace.f = f;

        for (const CalculationResults::PlaneRange &group : r.kPlanes) {
            const int a = int(group.first);
            const int bl = int(group.second);
            double M_in = 0, M_all = 0;
            for (int j = a + 1; j < bl; ++j)
                M_in += r.m_condLayer[j];
            for (int j = a; j <= bl; ++j)
                M_all += r.m_condLayer[j];
            const double s =
                M_in != 0 ? M_all * f / ((r.m_condLayer[a] + r.m_condLayer[bl]) * h + M_in) : h;
            r.sk_Cond[a] *= h;
            r.sk_Cond[bl] *= h;
            for (int j = a; j < bl; ++j) {
                r.w_left[j + 1] = (r.w_right[j] - L.wref[j]) / L.ratio[j + 1] * s + L.wref[j + 1];
                r.w_right[j] = (r.w_right[j] - L.wref[j]) * s + L.wref[j];
            }
            r.m_condLayer[a] *= h * s;
            r.m_condLayer[bl] *= h * s;
            for (int j = a + 1; j < bl; ++j)
                r.m_condLayer[j] *= s;
        }
        sum = 0;
        for (double mc : r.m_condLayer)
            sum += mc;
        r.m_cond = sum;

        // Drying of the first group in the evaporation period, to both sides.
        const ClimateCondition &inS = climate.insideSummer();
        const ClimateCondition &outS = climate.outsideSummer();
        std::vector<double> T_summer;
        Calculation::temperatureProfile(r.R, R_si, R_se, inS.m_T, outS.m_T, T_summer);
        const double p_plane = p_sat_pow(T_summer[a0 + 1]);
        const double p_is = p_sat_pow(inS.m_T) * inS.m_rh / 100;
        const double p_es = p_sat_pow(outS.m_T) * outS.m_rh / 100;
        // The first group starts at a0, so the resistance to the inside is Z_in again.
        double Z_right = 0;
        for (int j = a0 + 1; j < n; ++j)
            Z_right += r.Z[j];
        const double G = (p_plane - p_es) / Z_right + (p_plane - p_is) / Z_in;
        r.m_ev = G * climate.tT_summer(true);
        r.t_ev = r.m_cond / G;

        if (r.kPlanes.size() > 1)
            result = ResultType::SeveralPlanes;
        else if (r.kPlanes.front().second == r.kPlanes.front().first + 1)
            result = ResultType::CondensationPlane;
        else
            result = ResultType::CondensationZone;
        m_outcome.trace.push_back(trace);
    }
    return result;
}
