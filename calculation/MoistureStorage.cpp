#include "calculation/MoistureStorage.h"

#include "calculation/LinearSolver.h"
#include "calculation/PlaneComplementarity.h"
#include "calculation/ResultType.h"
#include "htl/HTL_Exception.h"
#include "model/Climate.h"
#include "model/InputData.h"
#include "model/PhysicsFunctions.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Calculation", text);
}

// Largest system: one row per plane (at most 30 interior interfaces of 31 layers) plus the
// outer boundary.
constexpr int MaxSystem = 32;
static_assert(MoistureStorage::MaxLayers + 1 == MaxSystem, "one row per interior interface + 1");
using Matrix = LinearSystemMatrix;
using Vector = LinearSystemVector;

// Relative residual accepted by the solver chain for a candidate system.
constexpr double SolverTolerance = 1e-10;

// 2000/3: converts (moisture content in m³/m³) × (width in m) of a region whose moisture excess
// falls linearly to zero into kg/m² (1000 kg/m³ × 2/3 for the parabolic excess profile).
constexpr double MassFactor = 666.6666666666666;

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

    Those bounds alone let almost every set through when every layer carries liquid transport:
    then each of them bounds g from one side only, from below between the planes, from above
    only in front of the first plane and behind the last, and Δw² takes up any difference. The
    falling side of each stretch bounds g from above as well: between a plane (or the inner
    surface) at ka and the next plane kb, the liquid flow of the layer in front of kb only
    lowers the pressure (−c·Δw² ≤ 0), and no other liquid term lies between an interface k in
    ka < k < kb and kb. So p'[kb] ≤ p'[k] − g·(S_kb − S_k), and with p'[k] ≤ psat[k] (accepted)
    and p'[kb] = psat[kb] (the row of kb):
        g ≤ (psat[k] − psat[kb]) / (S_kb − S_k).
    Behind the last plane this is the bound towards p_e above.

    The rows fix Δw² as well, and Δw² ≥ 0 is tested exactly. With P_k = cLeft[k]·Δw²_k (the
    raise right of plane k) and Q_k = cRight[k−1]·Δw²_k = ρ_k·P_k (the drop left of it), the
    last row gives P_L = g·(S_n − S_kL) − (psat[kL] − p_e), and the rows of consecutive planes
    k < kc give P_k = ρ_kc·P_kc − (psat[k] − psat[kc]) + g·(S_kc − S_k). Walking from the outside
    in, P of the frontmost plane chosen so far is therefore affine in g with a positive slope,
    whatever planes come in front of it: P_k ≥ 0 bounds g from below, p'[j] = psat[k] −
    g·(S_j − S_k) + P_k ≤ psat[j] between k and kc from above (the slope of P_k exceeds
    S_j − S_k), and the first row g·S_k1 + ρ_k1·P_k1 = p_i − psat[k1] pins g. Each row holds
    to the slack, which the chain carries along multiplied by ρ; where ρ is infinite (no liquid
    transport right of a plane, Δw² free on that side) the chain knows nothing until a layer
    without liquid transport left of a plane (ρ = 0) starts it afresh.

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
        const double slack = MoistureStorage::searchSlack(n, psat, p_i, p_e);
        m_slack = slack;
        m_p_i = p_i;
        m_p_e = p_e;
        std::array<double, MaxSystem + 1> &S = m_S;
        for (int k = 0; k <= n; ++k)
            m_psat[k] = psat[k];
        // ρ of plane k: cRight[k−1]/cLeft[k], the chain's link over the plane (see Chain).
        for (int k = 1; k < n; ++k) {
            if (cRight[k - 1] == 0)
                m_rho[k] = 0;
            else if (cLeft[k] == 0)
                m_rho[k] = Inf;
            else
                m_rho[k] = cRight[k - 1] / cLeft[k];
        }
        S[0] = 0;
        for (int k = 0; k < n; ++k)
            S[k + 1] = S[k] + Z[k];
        m_cLeft = &cLeft;
        m_cRight = &cRight;
        // The bounds of the first plane and of consecutive planes are made when the walk first
        // needs them: most are never needed, since most last planes are ruled out by their own
        // bounds already.
        double lower = -Inf;
        for (int k1 = 1; k1 < n; ++k1) {
            m_frontLower[k1] = lower;
            lower = std::max(lower, (p_i - psat[k1] - slack) / S[k1]);
        }
        // The lower bounds of a column are marked unmade when its upper bounds are made.
        for (int k = 0; k <= n; ++k)
            m_frontMade[k] = m_columnMade[k] = false;
        m_hullFilled = 0;
        m_hullSoFar = Interval::none();

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
    }

    /*! Calls visit(bits) for every set that may be accepted (bit b: plane at interface b+1), in
        ascending order, until visit returns true; returns whether it did. Walks at most
        maxSteps nodes of the tree (0: no limit); exhausted() tells whether it stopped there. */
    template <typename Visit>
    bool forEach(Visit &&visit, long maxSteps = 0)
    {
        m_stepsLeft = maxSteps > 0 ? maxSteps : -1;
        m_exhausted = false;
        for (int kL = 1; kL < m_n; ++kL) {
            // Most last planes are ruled out by their own bounds: counted as a node, not walked.
            if (m_back[kL].empty()) {
                if (!step())
                    return true;
                continue;
            }
            // The last plane's balance towards the outer surface.
            const Chain last{true, -(m_psat[kL] - m_p_e), m_S[m_n] - m_S[kL], m_slack};
            if (descend(std::uint32_t(1) << (kL - 1), kL, m_back[kL], last, visit))
                return true;
        }
        return false;
    }

    bool exhausted() const { return m_exhausted; }

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

    // First plane k1: the interfaces in front of it and the first row.
    const Interval &front(int k1)
    {
        Interval &f = m_front[k1];
        if (!m_frontMade[k1]) {
            f.lo = m_frontLower[k1];
            f.hi = (m_p_i - m_psat[k1] + m_slack) / m_S[k1];
            for (int k = 1; k < k1; ++k)
                f.hi = std::min(f.hi, (m_psat[k] - m_psat[k1] + m_slack) / (m_S[k1] - m_S[k]));
            if ((*m_cRight)[k1 - 1] == 0)
                f.lo = std::max(f.lo, (m_p_i - m_psat[k1] - m_slack) / m_S[k1]);
            m_frontMade[k1] = true;
        }
        return f;
    }

    // The hull of the intervals of the first planes 1..k, grown in ascending order.
    const Interval &frontHull(int k)
    {
        for (; m_hullFilled < k; ++m_hullFilled) {
            m_hullSoFar = m_hullSoFar.hull(front(m_hullFilled + 1));
            m_frontHull[m_hullFilled + 1] = m_hullSoFar;
        }
        return m_frontHull[k];
    }

    // Consecutive planes ka < kb. The upper bound, the descent to the saturation of kb from the
    // interfaces between them (and, without liquid transport right of ka, the balance across
    // them), takes one pass over the column; the lower bound, the rise in front of kb, a pass
    // per entry, so it is made only for entries that the upper bound leaves open.
    double midHi(int ka, int kb)
    {
        if (!m_columnMade[kb]) {
            const std::vector<double> &cLeft = *m_cLeft;
            double hi = Inf;
            for (int a = kb - 1; a >= 1; --a) {
                m_midLoMade[a][kb] = false;
                Interval &m = m_mid[a][kb];
                m.hi =
                    cLeft[a] == 0 ? (m_psat[a] - m_psat[kb] + m_slack) / (m_S[kb] - m_S[a]) : Inf;
                m.hi = std::min(m.hi, hi);
                hi = std::min(hi, (m_psat[a] - m_psat[kb] + m_slack) / (m_S[kb] - m_S[a]));
            }
            m_columnMade[kb] = true;
        }
        return m_mid[ka][kb].hi;
    }

    const Interval &mid(int ka, int kb)
    {
        midHi(ka, kb);
        Interval &m = m_mid[ka][kb];
        if (!m_midLoMade[ka][kb]) {
            // The same maximum, in the same order, as a running one over kb would take.
            double lo = -Inf;
            for (int b = ka + 1; b < kb; ++b)
                lo = std::max(lo, (m_psat[ka] - m_psat[b] - m_slack) / (m_S[b] - m_S[ka]));
            m.lo = lo;
            if ((*m_cRight)[kb - 1] == 0)
                m.lo = std::max(m.lo, (m_psat[ka] - m_psat[kb] - m_slack) / (m_S[kb] - m_S[ka]));
            m_midLoMade[ka][kb] = true;
        }
        return m;
    }

    /*! The liquid raise P = cLeft[k]·Δw² right of the frontmost plane k chosen so far, as the
        rows of the planes behind it fix it: P = alpha + beta·g within ±err (known), or nothing
        usable (a layer without liquid transport right of a plane cuts the chain). */
    struct Chain
    {
        bool known;
        double alpha, beta, err;
    };

    // The chain moved from plane kc to the plane k in front of it.
    Chain link(const Chain &c, int k, int kc) const
    {
        const double rho = m_rho[kc];
        const double dS = m_S[kc] - m_S[k];
        if (rho == 0)
            return {true, -(m_psat[k] - m_psat[kc]), dS, m_slack};
        if (!c.known || rho == Inf)
            return {false, 0, 0, 0};
        const double alpha = rho * c.alpha - (m_psat[k] - m_psat[kc]);
        const double beta = rho * c.beta + dS;
        const double err = rho * c.err + m_slack + 1e-12 * std::fabs(alpha);
        if (!std::isfinite(alpha) || !std::isfinite(beta) || !std::isfinite(err))
            return {false, 0, 0, 0};
        return {true, alpha, beta, err};
    }

    // What the chain at plane k demands of g: Δw² ≥ 0 at k and no super-saturation between k
    // and the next plane kc.
    Interval chainBounds(const Chain &c, int k, int kc) const
    {
        if (!c.known)
            return {-Inf, Inf};
        Interval g{(-c.alpha - c.err) / c.beta, Inf};
        for (int j = k + 1; j < kc; ++j)
            g.hi = std::min(g.hi, (m_psat[j] - m_psat[k] - c.alpha + c.err + m_slack) /
                                      (c.beta - (m_S[j] - m_S[k])));
        return g;
    }

    // The first row with plane kc first: g·S_kc + cRight[kc−1]·Δw² = p_i − psat[kc].
    Interval chainFront(const Chain &c, int kc) const
    {
        const double rho = m_rho[kc];
        if (rho == 0 || rho == Inf || !c.known)
            return {-Inf, Inf}; // the plain front bounds say all there is
        const double D = m_S[kc] + rho * c.beta;
        const double R = m_p_i - m_psat[kc] - rho * c.alpha;
        const double E = rho * c.err + m_slack + 1e-12 * std::fabs(R);
        if (!std::isfinite(D) || !std::isfinite(R) || !std::isfinite(E))
            return {-Inf, Inf};
        return {(R - E) / D, (R + E) / D};
    }

    // Counts a node of the walk; false when the step limit ends the walk there.
    bool step()
    {
        if (m_stepsLeft == 0) {
            m_exhausted = true;
            return false;
        }
        if (m_stepsLeft > 0)
            --m_stepsLeft;
        return true;
    }

    // The sets whose planes from kc on are those of bits; g the flux interval they leave.
    template <typename Visit>
    bool descend(std::uint32_t bits, int kc, const Interval &g, const Chain &chain, Visit &visit)
    {
        if (!step())
            return true;
        if (g.empty())
            return false;
        if (!(g & front(kc) & chainFront(chain, kc)).empty() && visit(bits))
            return true;
        for (int k = 1; k < kc; ++k) {
            if (g.lo > std::min(g.hi, midHi(k, kc)))
                continue; // empty whatever the lower bound
            Interval gk = g & mid(k, kc);
            if (gk.empty() || (gk & frontHull(k)).empty())
                continue;
            const Chain ck = link(chain, k, kc);
            gk = gk & chainBounds(ck, k, kc);
            if (gk.empty())
                continue;
            if (descend(bits | (std::uint32_t(1) << (k - 1)), k, gk, ck, visit))
                return true;
        }
        return false;
    }

    int m_n = 0;
    double m_slack = 0, m_p_i = 0, m_p_e = 0;
    std::array<double, MaxSystem + 1> m_S, m_psat, m_rho;
    long m_stepsLeft = -1; // -1: no limit
    bool m_exhausted = false;
    std::array<Interval, MaxSystem + 1> m_front, m_frontHull, m_back;
    std::array<std::array<Interval, MaxSystem + 1>, MaxSystem + 1> m_mid;
    const std::vector<double> *m_cLeft = nullptr, *m_cRight = nullptr;
    std::array<double, MaxSystem + 1> m_frontLower;
    // Which bounds are made; only the first n+1 entries of the first two are cleared by
    // prepare(), the entries of a column of m_midLoMade when the column is made.
    std::array<bool, MaxSystem + 1> m_frontMade, m_columnMade;
    std::array<std::array<bool, MaxSystem + 1>, MaxSystem + 1> m_midLoMade;
    int m_hullFilled = 0;
    Interval m_hullSoFar = Interval::none();
};

// Whether two matrices have the same shape and the same elements, bit for bit.
bool sameMatrix(const Matrix &a, const Matrix &b)
{
    if (a.rows() != b.rows() || a.cols() != b.cols())
        return false;
    for (int i = 0; i < a.rows(); ++i)
        if (std::memcmp(a.rowPtr(i), b.rowPtr(i), sizeof(double) * std::size_t(a.cols())) != 0)
            return false;
    return true;
}

/*! Outcome of trying one candidate plane set. */
enum class CandidateOutcome
{
    Accepted,
    Rejected,
    SolverFailed
};

/*! Solves the system of one candidate plane set and checks its solution. The matrix and vectors
    are the caller's, reused from candidate to candidate. */
class CandidateTrial
{
public:
    CandidateTrial(const MoistureStorage::Layers &layers, const std::vector<double> &psat,
                   const std::vector<double> &pv, double p_i, double p_e,
                   std::vector<double> &pressures, MoistureStorage::DecomposedSystem &system)
        : L(layers)
        , m_psat(psat)
        , m_pv(pv)
        , m_p_i(p_i)
        , m_p_e(p_e)
        , m_p(pressures)
        , m_system(system)
    {
    }

    /*! Leaves the flux in g(), Δw² of the planes in x()[1..m], the rebuilt vapour pressure in
        pv() and what the candidate reported in messages(). */
    CandidateOutcome operator()(std::uint32_t bits)
    {
        m_messages.clear();
        const int n = L.count();
        int m = 0;
        for (std::uint32_t c = bits; c; c &= c - 1)
            ++m;
        // isPlane(bits, k) for interfaces 0..n without its test for the inner surface: bit k of
        // the set shifted by one.
        const std::uint64_t shifted = std::uint64_t(bits) << 1;
        auto plane = [shifted](int k) { return ((shifted >> k) & 1u) != 0; };
        A.resize(m + 1, m + 1, 0.0);
        b.resize(m + 1, 0.0);
        int v = 0;
        double S = 0;
        for (int i = 0; i < n; ++i) {
            const bool planeLeft = plane(i);
            if (planeLeft) {
                A(v, 0) = S;
                b[v] = m_p_i - m_psat[i];
                ++v;
            }
            if (plane(i + 1))
                for (int j = v; j <= m; ++j)
                    A(j, v + 1) += L.cRight[i];
            if (planeLeft)
                for (int j = v; j <= m; ++j)
                    A(j, v) -= L.cLeft[i];
            S += L.Z[i];
        }
        A(m, 0) = S;
        b[m] = m_p_i - m_p_e;

        // The decomposition is a function of the matrix alone: the factors of the same matrix
        // (bit for bit) are taken again.
        if (!m_system.lu || !sameMatrix(A, m_system.A)) {
            m_system.lu.reset();
            m_system.A = A;
            try {
                m_system.lu.emplace(m_system.A);
            } catch (std::exception &) {
                return CandidateOutcome::SolverFailed;
            }
        }
        if (!solveLinearSystem(*m_system.lu, m_system.A, b, m_x, SolverTolerance))
            return CandidateOutcome::SolverFailed;
        // A nearly singular system (for instance two stretches without liquid transport that
        // pin the flux at two different values) can come back with an infinite entry: the
        // residual test sees inf/inf and lets it through, and every comparison below would
        // pass the NaN pressures rebuilt from it. Such a solution is no flux at all.
        for (int j = 0; j <= m; ++j)
            if (!std::isfinite(m_x[j]))
                return CandidateOutcome::Rejected;
        for (int j = 1; j <= m; ++j)
            if (m_x[j] < 0)
                return CandidateOutcome::Rejected;
        const double g = m_x[0];

        // Vapour pressure rebuilt from the flux and the liquid flows at the planes. The liquid
        // terms are written out rather than taken from cLeft/cRight: Δw²·Z/(…) rounds
        // differently from Δw²·(Z/(…)), and the acceptance test looks at 1e-8 Pa.
        std::vector<double> &p = m_p;
        p.resize(n + 1);
        p[0] = m_pv[0];
        int q = 1;
        for (int i = 0; i < n; ++i) {
            p[i + 1] = p[i] - g * L.Z[i];
            if (plane(i)) {
                p[i + 1] += m_x[q] * L.Z[i] / (2 * L.R_liq[i] * (L.ratio[i] * L.ratio[i]));
                ++q;
            }
            if (plane(i + 1))
                p[i + 1] -= L.Z[i] * m_x[q] / (2 * L.R_liq[i]);
        }
        // Written so that a pressure overflowing to inf or NaN fails the tests.
        if (!(std::fabs(p[n] - m_pv[n]) <= 0.001)) {
            m_messages << tr("pv_e not correctly calculated! Algorithm error!");
            return CandidateOutcome::Rejected;
        }
        for (int k = 1; k < n; ++k)
            if (!(m_psat[k] - p[k] >= -1e-8))
                return CandidateOutcome::Rejected;
        m_g = g;
        return CandidateOutcome::Accepted;
    }

    double g() const { return m_g; }
    const Vector &x() const { return m_x; }
    const std::vector<double> &pv() const { return m_p; }
    const QStringList &messages() const { return m_messages; }

private:
    const MoistureStorage::Layers &L;
    const std::vector<double> &m_psat, &m_pv;
    const double m_p_i, m_p_e;
    Matrix A;
    Vector b, m_x;
    double m_g = 0;
    std::vector<double> &m_p;
    MoistureStorage::DecomposedSystem &m_system;
    QStringList m_messages;
};

} // namespace

namespace MoistureStorage {

double searchSlack(int n, const std::vector<double> &psat, double p_i, double p_e)
{
    double pScale = std::max(std::fabs(p_i), std::fabs(p_e));
    for (int k = 0; k <= n; ++k)
        pScale = std::max(pScale, std::fabs(psat[k]));
    return 1e-3 + 1e-5 * pScale + 1e-8;
}

void readLayerProperties(const InputData &input, HeatFlowDirection heatFlowDirection,
                         std::vector<LayerProperties> &properties)
{
    const int n = input.layerCount();
    properties.resize(n);
    for (int i = 0; i < n; ++i) {
        const MaterialLayer &layer = input.layer(i);
        LayerProperties &p = properties[i];
        p.d = layer.m_width;
        p.lambda = layer.lambda(heatFlowDirection);
        p.mu = layer.mu();
        p.muSummer = layer.muSummer();
    }
}

void prepareLayers(const InputData &input, HeatFlowDirection heatFlowDirection, Preparation &result)
{
    std::vector<LayerProperties> properties;
    readLayerProperties(input, heatFlowDirection, properties);
    prepareLayers(input, properties, result);
}

void prepareLayers(const InputData &input, const std::vector<LayerProperties> &properties,
                   Preparation &result)
{
    const int n = input.layerCount();
    result.invalidLayer = -1;
    Layers &L = result.layers;
    result.cachedAw.resize(n, -1.0);
    result.cachedFree.resize(n, -1.0);
    L.d.resize(n);
    L.lambda.resize(n);
    L.wref.resize(n);
    L.K.resize(n);
    L.ratio.resize(n + 1);
    L.Z.resize(n);
    L.Z_summer.resize(n);
    L.R_liq.resize(n);
    L.cRight.resize(n);
    L.cLeft.resize(n);
    // Reference moisture content at 95 % RH extrapolated linearly from the 80 % value, and the
    // liquid transport coefficient from the water absorption coefficient and the free capacity.
    for (int i = 0; i < n; ++i) {
        const MaterialLayer &layer = input.layer(i);
        const LayerProperties &p = properties[i];
        L.d[i] = p.d;
        L.lambda[i] = p.lambda;
        L.wref[i] = moistureContent95(layer.m_w_80);
        const double freeCapacity = layer.m_w_sat - L.wref[i];
        if (freeCapacity <= 0) {
            result.invalidLayer = i;
            return;
        }
        // Powers through std::pow, as in the reference computation: x·x·x rounds differently,
        // and near-equal differences of cubes amplify that into visible digits. An edit changes
        // one layer: the others keep their K from the previous calculation.
        if (layer.m_A_w != result.cachedAw[i] || freeCapacity != result.cachedFree[i]) {
            result.cachedK.resize(n);
            result.cachedK[i] = std::pow(layer.m_A_w, 2) * 5e-8 / std::pow(freeCapacity, 3);
            result.cachedAw[i] = layer.m_A_w;
            result.cachedFree[i] = freeCapacity;
        }
        L.K[i] = result.cachedK[i];
        // 5.4e9 = 1.5e6 · 3600: the vapour resistance in the units of the liquid transport model.
        L.Z[i] = p.mu * L.d[i] * 5.4e9;
        // A humidity-variable retarder dries the construction through its humid-range sd.
        L.Z_summer[i] = p.muSummer * L.d[i] * 5.4e9;
        L.R_liq[i] = L.d[i] / L.K[i] / 1000; // inf for a layer without liquid transport
    }
    // cachedFree now holds every layer's free capacity w_sat − w_ref.
    const std::vector<double> &freeCapacity = result.cachedFree;
    L.ratio[0] = L.ratio[n] = 0;
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            L.ratio[i] = freeCapacity[i - 1] / freeCapacity[i];
        // The excess moisture at the left side of a layer is the plane's excess scaled by the
        // capacity ratio, hence r² in the coefficient of that side.
        L.cRight[i] = L.Z[i] / (2 * L.R_liq[i]);
        L.cLeft[i] = i > 0 ? L.Z[i] / (2 * L.R_liq[i] * (L.ratio[i] * L.ratio[i])) : 0.0;
    }
}

void layerResistances(const Layers &L, const std::vector<double> &sk_Cond,
                      const std::vector<double> &w_left, const std::vector<double> &w_right,
                      std::vector<double> &R)
{
    // The wet regions conduct better: 0.55 W/(m·K) per m³/m³ of mean moisture content.
    const int n = L.count();
    R.resize(n);
    for (int i = 0; i < n; ++i) {
        const double d = L.d[i];
        const double lambda = L.lambda[i];
        if (sk_Cond[i] == 0) {
            R[i] = d / lambda;
        } else if (sk_Cond[i] == d) {
            R[i] = d / (lambda + 0.55 * 0.5 * (w_left[i] + w_right[i]));
        } else {
            const double w_p = w_left[i] > L.wref[i] ? w_left[i] : w_right[i];
            R[i] =
                (d - sk_Cond[i]) / lambda + sk_Cond[i] / (lambda + 0.55 * 0.5 * (L.wref[i] + w_p));
        }
    }
}

ThermalField thermalField(const std::vector<double> &R, double R_si, double R_se, double T_i,
                          double T_e, std::vector<double> &T, std::vector<double> &psat,
                          bool temperaturesKnown)
{
    ThermalField field;
    double sumR = 0;
    for (double r : R)
        sumR += r;
    field.R_layers = sumR;
    field.R_T = R_si + sumR + R_se;
    if (!temperaturesKnown)
        Calculation::temperatureProfile(R, R_si, R_se, T_i, T_e, T);
    psat.resize(T.size());
    for (std::size_t k = 0; k < T.size(); ++k)
        psat[k] = p_sat_pow(T[k]);
    return field;
}

void vaporField(const std::vector<double> &Z, double p_i, double p_e, std::vector<double> &pv)
{
    const std::size_t n = Z.size();
    double R_vap = 0;
    for (double z : Z)
        R_vap += z;
    if (R_vap == 0)
        throw HTL::Exception("[vapor_field]  Error: R_vap == 0!", "[Calculation::vapor_field]");
    pv.resize(n + 1);
    double S = 0;
    for (std::size_t k = 0; k < n; ++k) {
        pv[k] = p_i - S * (p_i - p_e) / R_vap;
        S += Z[k];
    }
    pv[n] = p_e;
}

void moistureContents(const std::vector<double> &pv, const std::vector<double> &psat,
                      const std::vector<double> &wref, std::vector<double> &w_left,
                      std::vector<double> &w_right)
{
    const std::size_t n = wref.size();
    w_left.resize(n);
    w_right.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        w_left[i] = pv[i] / psat[i] * wref[i];
        w_right[i] = pv[i + 1] / psat[i + 1] * wref[i];
    }
}

void searchPlaneSet(const Layers &L, const std::vector<double> &psat, const std::vector<double> &pv,
                    double p_i, double p_e, std::uint32_t previous, bool exhaustive, int budget,
                    bool fallback, PlaneSet &set, DecomposedSystem &system)
{
    const int n = L.count();
    set.result = PlaneSet::NoValidCombination;
    set.bits = 0;
    set.g = 0;
    set.dw.clear();
    set.candidatesTried = 0;
    set.fallbackTried = 0;
    // The trial rebuilds the pressures of every candidate in set.pv.
    CandidateTrial trial(L, psat, pv, p_i, p_e, set.pv, system);
    bool accepted = false;
    bool stopped = false;
    std::uint32_t acceptedBits = 0;
    // What the screen cannot rule out stays exponential in the number of layers: a fixed
    // number of solves (never a clock, so that a result never depends on the machine's load)
    // ends the ascending search, and the complementarity solution takes over below.
    auto spent = [&] {
        if (budget != 0 && set.candidatesTried >= std::max(budget, 0))
            stopped = true;
        return stopped;
    };
    // The previous pass's set first; its failure never counts as the failure of the last set.
    if (previous != 0 && !spent()) {
        ++set.candidatesTried;
        accepted = trial(previous) == CandidateOutcome::Accepted;
        acceptedBits = previous;
    }
    bool lastFailed = false;
    if (!accepted && !stopped) {
        const std::uint32_t last = (std::uint32_t(1) << (n - 1)) - 1;
        bool lastTried = false;
        auto visit = [&](std::uint32_t c) {
            if (spent())
                return true;
            ++set.candidatesTried;
            const CandidateOutcome outcome = trial(c);
            if (c == last) {
                lastTried = true;
                lastFailed = outcome == CandidateOutcome::SolverFailed;
            }
            accepted = outcome == CandidateOutcome::Accepted;
            acceptedBits = c;
            return accepted;
        };
        if (exhaustive) {
            for (std::uint32_t c = 1; c <= last && !visit(c); ++c) {
            }
        } else {
            CandidateScreen screen;
            screen.prepare(n, L.Z, psat, p_i, p_e, L.cLeft, L.cRight);
            // The set of all planes comes last and is always tried: its outcome decides the
            // message when no set is accepted.
            const long steps = budget > 0   ? long(budget) * ScreenStepsPerCandidate
                               : budget < 0 ? 1
                                            : 0;
            if (!screen.forEach(visit, steps) && !lastTried)
                visit(last);
            if (screen.exhausted())
                stopped = true;
        }
    }
    if (stopped && !exhaustive && fallback) {
        // With at most one layer without liquid transport the plane set is the unique solution
        // of a complementarity problem (see complementarityPlanes); any set that the full test
        // accepts differs from it only at interfaces where both the excess moisture and the
        // saturation deficit lie within the slack. Those few sets are tried in ascending order,
        // which is the exhaustive search's; when none is accepted, there is no plane set.
        const ComplementarityPlanes lcp =
            complementarityPlanes(L, psat, pv, searchSlack(n, psat, p_i, p_e));
        int doubtful = 0;
        for (std::uint32_t c = lcp.doubtful; c; c &= c - 1)
            ++doubtful;
        if (lcp.solved && lcp.unique && doubtful <= MaxDoubtfulPlanes) {
            stopped = false;
            const std::uint32_t core = lcp.planes & ~lcp.doubtful;
            for (std::uint32_t e = 0;; e = (e - lcp.doubtful) & lcp.doubtful) {
                if ((core | e) != 0) {
                    ++set.fallbackTried;
                    if (trial(core | e) == CandidateOutcome::Accepted) {
                        accepted = true;
                        acceptedBits = core | e;
                        break;
                    }
                }
                if (e == lcp.doubtful)
                    break;
            }
            if (!accepted) {
                // No set exists; the set of all planes, the exhaustive search's last, decides
                // the message.
                ++set.fallbackTried;
                const std::uint32_t last = (std::uint32_t(1) << (n - 1)) - 1;
                lastFailed = trial(last) == CandidateOutcome::SolverFailed;
            }
        }
    }
    set.messages = trial.messages();
    if (!accepted) {
        set.result = stopped      ? PlaneSet::Stopped
                     : lastFailed ? PlaneSet::NoSolution
                                  : PlaneSet::NoValidCombination;
        return;
    }
    set.result = PlaneSet::Accepted;
    set.bits = acceptedBits;
    set.g = trial.g();
    for (int j = 1; j < trial.x().size(); ++j)
        set.dw.push_back(std::sqrt(trial.x()[j]));
}

std::vector<CalculationResults::PlaneRange> planeGroups(std::uint32_t bits, int n)
{
    std::vector<CalculationResults::PlaneRange> groups;
    planeGroups(bits, n, groups);
    return groups;
}

void planeGroups(std::uint32_t bits, int n, std::vector<CalculationResults::PlaneRange> &groups)
{
    groups.clear();
    for (int k = 1; k < n; ++k) {
        if (!isPlane(bits, k))
            continue;
        if (isPlane(bits, k - 1))
            groups.back().second = k;
        else
            groups.emplace_back(k - 1, k);
    }
}

void stationaryCondensate(const Layers &L,
                          const std::vector<CalculationResults::PlaneRange> &groups, double g,
                          const std::vector<double> &dw, const std::vector<double> &psat,
                          const std::vector<double> &pv, const std::vector<double> &w_left,
                          const std::vector<double> &w_right, Condensate &c)
{
    const int n = L.count();
    // n zeros, written in place: the vectors keep their size from one pass to the next, and a
    // plain fill costs less than assign().
    for (std::vector<double> *v : {&c.sk_Cond, &c.m_condLayer}) {
        v->resize(n);
        std::fill(v->begin(), v->end(), 0.0);
    }
    c.w_left = w_left;
    c.w_right = w_right;
    c.mass = 0;
    c.failure = Condensate::None;
    c.failedLayer = -1;
    const std::vector<double> &Z = L.Z;
    std::size_t plane = 0; // Δw of the planes in order across all groups
    for (const CalculationResults::PlaneRange &group : groups) {
        const int a = int(group.first);
        const int bl = int(group.second);
        // A layer without liquid transport (A_w = 0) takes up no condensate: its region is 0
        // exactly, while the formula would give rounding noise of either sign and, through
        // the checks below, turn ordinary constructions into calculation errors.
        if (L.K[a] == 0) {
            c.sk_Cond[a] = 0;
        } else {
            const double D_a = g - (psat[a] - psat[a + 1]) / Z[a];
            if (D_a == 0) {
                c.failure = Condensate::ZeroDenominator;
                c.failedLayer = a;
                return;
            }
            c.sk_Cond[a] = L.d[a] * (g - (pv[a] - psat[a + 1]) / Z[a]) / D_a;
        }
        if (L.K[bl] == 0) {
            c.sk_Cond[bl] = 0;
        } else {
            const double D_b = g * Z[bl] - (psat[bl] - psat[bl + 1]);
            if (D_b == 0) {
                c.failure = Condensate::ZeroDenominator;
                c.failedLayer = bl;
                return;
            }
            c.sk_Cond[bl] = L.d[bl] * (g * Z[bl] - (psat[bl] - pv[bl + 1])) / D_b;
            if (c.sk_Cond[bl] <= 0) {
                c.failure = Condensate::NegativeRegion;
                c.failedLayer = bl;
                return;
            }
        }
        for (int j = a; j < bl; ++j) {
            const double excess = dw[plane++];
            c.w_right[j] = L.wref[j] + excess;
            c.w_left[j + 1] = L.wref[j + 1] + excess / L.ratio[j + 1];
        }
        for (int j = a + 1; j < bl; ++j) {
            // Wholly wet layer with a linear excess profile δ(x) between its two sides.
            c.sk_Cond[j] = L.d[j];
            const double dl = c.w_left[j] - L.wref[j];
            const double dr = c.w_right[j] - L.wref[j];
            if (dl == dr) {
                // Limit of (δl³ − δr³)/(δl² − δr²) for δl → δr: 1.5·δ (0 for δ = 0).
                c.m_condLayer[j] = 1.5 * dl * c.sk_Cond[j] * MassFactor;
            } else {
                c.m_condLayer[j] = (std::pow(dl, 3) - std::pow(dr, 3)) * c.sk_Cond[j] * MassFactor /
                                   (std::pow(dl, 2) - std::pow(dr, 2));
            }
        }
        c.m_condLayer[a] = (c.w_right[a] - L.wref[a]) * MassFactor * c.sk_Cond[a];
        c.m_condLayer[bl] = (c.w_left[bl] - L.wref[bl]) * MassFactor * c.sk_Cond[bl];
    }
    double sum = 0;
    for (double mc : c.m_condLayer)
        sum += mc;
    c.mass = sum;
}

Loading hygroscopicLoading(const Layers &L,
                           const std::vector<CalculationResults::PlaneRange> &groups,
                           const std::vector<double> &psat, const std::vector<double> &pv,
                           double m_condStat, std::vector<double> &phi)
{
    const int n = L.count();
    const std::vector<double> &Z = L.Z;
    const int a0 = int(groups.front().first);
    const int b1 = int(groups.back().second);
    double Z_in = 0, Z_out = 0;
    for (int j = 0; j <= a0; ++j)
        Z_in += Z[j];
    for (int j = b1; j < n; ++j)
        Z_out += Z[j];
    Loading loading;
    // Net flux into the planes: what arrives from the inside minus what leaves to the outside.
    const double F = (pv[0] - psat[a0 + 1]) / Z_in - (psat[b1] - pv[n]) / Z_out;
    // Relative humidity (1 at saturation) over the interfaces once the planes are saturated:
    // linear in the vapour resistance towards the planes.
    // Every interior entry is written below; at the two surfaces the sum H takes 0.
    phi.resize(n + 1);
    phi[0] = phi[n] = 0;
    // Σ_{j<k} Z_j grows term by term in the same order as a fresh sum would add them.
    double s = 0;
    for (int k = 1; k <= a0; ++k) {
        s += Z[k - 1];
        phi[k] = s / Z_in * psat[a0 + 1] / psat[k];
    }
    for (int k = a0 + 1; k <= b1; ++k)
        phi[k] = 1;
    // Behind the last plane the sums Σ_{j≥k} Z_j are added from k outwards, each afresh: a
    // running sum from the outside would add in the other order and round differently.
    for (int k = b1 + 1; k <= n - 1; ++k) {
        double t = 0;
        for (int j = k; j < n; ++j)
            t += Z[j];
        phi[k] = t / Z_out * psat[b1] / psat[k];
    }
    // Hygroscopic moisture to be stored before condensate forms: the mean relative humidity
    // of each layer times its reference content; wholly inside a group the layer is at 95 %.
    // The three stretches one after the other add in the order of the layers, as one loop would.
    double H = 0;
    for (int j = 0; j <= a0; ++j)
        H += L.d[j] * (phi[j] + phi[j + 1]) * L.wref[j];
    for (int j = a0 + 1; j < b1; ++j)
        H += 2 * L.d[j] * L.wref[j];
    for (int j = b1; j < n; ++j)
        H += L.d[j] * (phi[j] + phi[j + 1]) * L.wref[j];
    loading.F = F;
    loading.H = H;
    // 0.020000000000000018 is a difference of two relative humidities two per cent apart as
    // double arithmetic rounds it (1 − 0.98, 0.97 − 0.95, 0.8 − 0.78; not 0.95 − 0.93, which
    // gives 0.019999999999999907): the humidity step by which the stored hygroscopic moisture
    // is weighted. Written as 0.02 it would differ in the last bits from the reference.
    loading.t_hyg = H * 1000 * 0.020000000000000018 * 0.5 / F;
    loading.tau = 3 * m_condStat / F;
    return loading;
}

Growth growth(double t_c, double t_hyg, double tau)
{
    // Growth towards the stationary amount during the condensation period after the hygroscopic
    // loading time.
    Growth gr;
    gr.e = -3 * (t_c - t_hyg) / tau;
    gr.f = 1 - std::exp(gr.e);
    // The floor also catches a NaN factor (F = 0, or τ = 0 with t_c = t_hyg).
    if (gr.e > 700 || !(gr.f > 0))
        gr.f = 1e-17;
    return gr;
}

void grownCondensate(const Layers &L, const std::vector<CalculationResults::PlaneRange> &groups,
                     const Condensate &stationary, double f, Condensate &c)
{
    // The regions at the group ends grow with √f, the excess moisture so that the group's
    // condensate is f times the stationary one.
    if (&c != &stationary)
        c = stationary;
    const double h = std::sqrt(f);
    for (const CalculationResults::PlaneRange &group : groups) {
        const int a = int(group.first);
        const int bl = int(group.second);
        double M_in = 0, M_all = 0;
        for (int j = a + 1; j < bl; ++j)
            M_in += c.m_condLayer[j];
        for (int j = a; j <= bl; ++j)
            M_all += c.m_condLayer[j];
        const double s =
            M_in != 0 ? M_all * f / ((c.m_condLayer[a] + c.m_condLayer[bl]) * h + M_in) : h;
        c.sk_Cond[a] *= h;
        c.sk_Cond[bl] *= h;
        for (int j = a; j < bl; ++j) {
            c.w_left[j + 1] = (c.w_right[j] - L.wref[j]) / L.ratio[j + 1] * s + L.wref[j + 1];
            c.w_right[j] = (c.w_right[j] - L.wref[j]) * s + L.wref[j];
        }
        c.m_condLayer[a] *= h * s;
        c.m_condLayer[bl] *= h * s;
        for (int j = a + 1; j < bl; ++j)
            c.m_condLayer[j] *= s;
    }
    double sum = 0;
    for (double mc : c.m_condLayer)
        sum += mc;
    c.mass = sum;
}

const SummerClimate &SummerClimate::make(const ClimateCondition &inS, const ClimateCondition &outS)
{
    if (!made) {
        T_i = inS.m_T;
        T_e = outS.m_T;
        psat_i = psatInside(inS.m_T);
        p_i = psat_i * inS.m_rh / 100;
        p_e = psatOutside(outS.m_T) * outS.m_rh / 100;
        made = true;
    }
    return *this;
}

Drying drying(const std::vector<double> &R, double R_layers, const std::vector<double> &Z,
              const std::vector<CalculationResults::PlaneRange> &groups, double R_si, double R_se,
              const SummerClimate &summer, double t_ev_period, double m_cond)
{
    // The first plane of the first group at the saturation pressure of its summer temperature,
    // drying to both sides. The temperature there as the temperature profile computes it.
    const int n = int(Z.size());
    const int a0 = int(groups.front().first);
    const double q = (summer.T_i - summer.T_e) / (R_si + R_layers + R_se);
    double acc = R_si;
    for (int i = 1; i <= a0 + 1; ++i)
        acc += R[i - 1];
    // Both summer air temperatures are usually the same: then q = 0 and the plane is at T_i,
    // whose saturation pressure is known.
    const double T_plane = summer.T_i - acc * q;
    const double p_plane = T_plane == summer.T_i ? summer.psat_i : p_sat_pow(T_plane);
    const double p_is = summer.p_i;
    const double p_es = summer.p_e;
    double Z_in = 0;
    for (int j = 0; j <= a0; ++j)
        Z_in += Z[j];
    double Z_right = 0;
    for (int j = a0 + 1; j < n; ++j)
        Z_right += Z[j];
    const double G = (p_plane - p_es) / Z_right + (p_plane - p_is) / Z_in;
    Drying result;
    result.m_ev = G * t_ev_period;
    result.t_ev = m_cond / G;
    return result;
}

ResultType::Type run(const InputData &input, const CalculationOptions &options,
                     const std::vector<LayerProperties> &properties, bool dryField,
                     CalculationOutcome &outcome, Workspace &ws, SummerClimate &summerCache)
{
    CalculationResults &r = outcome.results;
    QStringList &messages = outcome.messages;
    const Climate &climate = input.climate();
    const ClimateCondition &in = climate.insideWinter();
    const ClimateCondition &out = climate.outsideWinter();
    const double R_si = in.m_Rs;
    const double R_se = out.m_Rs;
    const int n = input.layerCount();

    prepareLayers(input, properties, ws.preparation);
    const Preparation &preparation = ws.preparation;
    if (preparation.invalidLayer >= 0) {
        messages << tr("Invalid moisture storage values for <a href=\"layer-%1\">layer #%1</a>.")
                        .arg(preparation.invalidLayer + 1);
        messages << tr("Current moisture content at 80%RH leads to an moisture content at "
                       "95%RH higher than saturation moisture content.");
        return ResultType::InvalidInput;
    }
    const Layers &L = preparation.layers;
    r.Z = L.Z;
    r.R_liq = L.R_liq;
    const double p_i = ws.psatInside(in.m_T) * in.m_rh / 100;
    const double p_e = ws.psatOutside(out.m_T) * out.m_rh / 100;
    const double t_c = climate.tT(true);

    const int passes = options.moistureDependentLambda ? 3 : 1;
    // The candidate budget holds for the whole calculation, all passes together.
    const int budget = options.candidateBudget > 0 ? options.candidateBudget
                       : options.exhaustiveSearch  ? 0
                                                   : CandidateBudget;
    int candidatesSolved = 0;
    std::uint32_t previous = 0;
    DecomposedSystem system;
    ResultType::Type result = ResultType::CalculationError;
    for (int pass = 1; pass <= passes; ++pass) {
        // From the second pass on, the wet regions found by the previous pass conduct better.
        // The first pass has none: its resistances d/λ and temperatures are the dry field's.
        const bool dryPass = pass == 1 && dryField;
        if (!dryPass)
            layerResistances(L, r.sk_Cond, r.w_left, r.w_right, r.R);
        // A pass that stops must not leave condensate values of an earlier pass behind.
        r.kPlanes.clear();
        std::fill(r.sk_Cond.begin(), r.sk_Cond.end(), 0.0);
        std::fill(r.m_condLayer.begin(), r.m_condLayer.end(), 0.0);
        r.m_condStat = r.m_cond = r.tau = r.t_hyg = r.t_ev = r.m_ev = 0;

        const ThermalField field =
            thermalField(r.R, R_si, R_se, in.m_T, out.m_T, r.T, r.psat, dryPass);
        r.R_layers_moist = field.R_layers;
        r.R_T_moist = field.R_T;
        r.U_moist = CalculationResults::isoUValue(r.R_layers_moist, options.heatFlowDirection);
        // The straight vapour-pressure line is the same in every pass.
        if (pass == 1) {
            vaporField(r.Z, p_i, p_e, r.pv);
            ws.line = r.pv;
        } else {
            r.pv = ws.line;
        }
        // The moisture contents of the straight line are what a pass shows that stops before a
        // plane set is accepted; an accepted set replaces them.
        auto lineContents = [&] { moistureContents(r.pv, r.psat, L.wref, r.w_left, r.w_right); };

        // Surface condensation: here only a strict excess counts.
        if (r.pv[0] > r.psat[0])
            return ResultType::SurfaceCondensationInside;
        if (r.pv[n] > r.psat[n])
            return ResultType::SurfaceCondensationOutside;
        if (n == 1) {
            lineContents();
            return ResultType::OnlyOneLayer;
        }
        bool anySaturated = false;
        for (int k = 0; k <= n && !anySaturated; ++k)
            anySaturated = r.pv[k] > r.psat[k];
        if (!anySaturated) {
            lineContents();
            return ResultType::NoCondensation;
        }

        if (n > MaxLayers) {
            lineContents();
            messages << tr("Could not find valid combination of k-planes! Algorithm error!");
            return ResultType::CalculationError;
        }

        // The plane set: exhaustive in ascending candidate number, the previous pass's set first.
        // The pass's entry of the trace, counted in only where a pass reports it.
        if (outcome.trace.size() <= ws.traces)
            outcome.trace.emplace_back();
        CalculationPassTrace &trace = outcome.trace[ws.traces];
        trace.dw.clear();
        trace = CalculationPassTrace{pass, 0, 0, 0, std::move(trace.dw), 0, 0, 0, 0};
        const int left = budget <= 0                 ? 0
                         : candidatesSolved < budget ? budget - candidatesSolved
                                                     : -1;
        PlaneSet &set = ws.set;
        searchPlaneSet(L, r.psat, r.pv, p_i, p_e, previous, options.exhaustiveSearch, left,
                       options.complementarityFallback, set, system);
        trace.candidatesTried = set.candidatesTried + set.fallbackTried;
        candidatesSolved += set.candidatesTried;
        messages = set.messages;
        if (set.result != PlaneSet::Accepted)
            lineContents();
        if (set.result == PlaneSet::Stopped) {
            messages.clear();
            messages << tr("The search for condensation planes was stopped after %1 candidates.")
                            .arg(candidatesSolved);
            ++ws.traces;
            return ResultType::CalculationError;
        }
        if (set.result != PlaneSet::Accepted) {
            messages
                << (set.result == PlaneSet::NoSolution
                        ? tr("No Solution found!")
                        : tr("Could not find valid combination of k-planes! Algorithm error!"));
            ++ws.traces;
            return ResultType::CalculationError;
        }
        previous = set.bits;
        trace.accepted = set.bits;
        trace.g = set.g;
        trace.dw = set.dw;

        // The rebuilt pressures change places with the straight line, which the next pass
        // recomputes: both keep their storage.
        r.pv.swap(set.pv);
        moistureContents(r.pv, r.psat, L.wref, r.w_left, r.w_right);
        messages.clear();
        planeGroups(set.bits, n, r.kPlanes);

        // The condensate is computed, and then grown, in the results' own vectors: they change
        // places with the workspace's for the two stages and back.
        Condensate &c = ws.condensate;
        auto exchange = [&r, &c] {
            c.sk_Cond.swap(r.sk_Cond);
            c.m_condLayer.swap(r.m_condLayer);
            c.w_left.swap(r.w_left);
            c.w_right.swap(r.w_right);
        };
        exchange();
        stationaryCondensate(L, r.kPlanes, set.g, set.dw, r.psat, r.pv, c.w_left, c.w_right, c);
        const Condensate &stationary = c;
        if (stationary.failure == Condensate::ZeroDenominator) {
            exchange();
            messages << tr("Error in calculation m_results.sk_Cond[%1], denominator == 0!")
                            .arg(stationary.failedLayer);
            return ResultType::CalculationError;
        }
        if (stationary.failure == Condensate::NegativeRegion) {
            exchange();
            messages << tr("Error in calculation m_results.sk_Cond[%1], Value < 0!")
                            .arg(stationary.failedLayer);
            return ResultType::CalculationError;
        }
        r.m_condStat = stationary.mass;
        // The loading and the growth read none of the exchanged vectors: the condensate stays
        // in the workspace's until it has grown.

        const Loading loading =
            hygroscopicLoading(L, r.kPlanes, r.psat, r.pv, r.m_condStat, ws.phi);
        r.t_hyg = loading.t_hyg;
        r.tau = loading.tau;
        const Growth gr = growth(t_c, r.t_hyg, r.tau);
        trace.F = loading.F;
        trace.H = loading.H;
        trace.e = gr.e;
        trace.f = gr.f;

        grownCondensate(L, r.kPlanes, c, gr.f, c);
        exchange();
        r.m_cond = c.mass;

        const Drying dry = drying(r.R, field.R_layers, L.Z_summer, r.kPlanes, R_si, R_se,
                                  summerCache.make(climate.insideSummer(), climate.outsideSummer()),
                                  climate.tT_summer(true), r.m_cond);
        r.m_ev = dry.m_ev;
        r.t_ev = dry.t_ev;

        if (r.kPlanes.size() > 1)
            result = ResultType::SeveralPlanes;
        else if (r.kPlanes.front().second == r.kPlanes.front().first + 1)
            result = ResultType::CondensationPlane;
        else
            result = ResultType::CondensationZone;
        ++ws.traces;
    }
    return result;
}

} // namespace MoistureStorage
