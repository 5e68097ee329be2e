#include "calculation/PlaneComplementarity.h"

#include "calculation/MoistureStorage.h"
#include "model/Climate.h"
#include "model/InputData.h"
#include "model/PhysicsFunctions.h"

#include <array>
#include <cmath>

namespace MoistureStorage {

namespace {

constexpr int MaxInterfaces = MaxLayers + 1;
using Column = std::array<double, MaxInterfaces>;

// Least-index pivoting is finite for a P-matrix, but its worst case is exponential; rounding at
// a degenerate basis could also make it cycle. Several times what the constructions need, and
// at O(n) a pivot still a few milliseconds at 31 layers.
constexpr int MaxPivots = 16384;

// Block pivots in a row that may leave the number of wrong interfaces where it was.
constexpr int BlockPatience = 3;

} // namespace

ComplementarityPlanes complementarityPlanes(const Layers &L, const std::vector<double> &psat,
                                            const std::vector<double> &pv, double margin)
{
    ComplementarityPlanes result;
    const int n = L.count();
    if (n < 2 || n > MaxLayers)
        return result;
    // Conductances: vapour 1/Z_i, liquid a_i (plane at the left side of layer i), b_i (right).
    Column gv{}, a{}, b{}, rhs{}, q{};
    int dry = 0;
    for (int i = 0; i < n; ++i) {
        gv[i] = 1 / L.Z[i];
        a[i] = L.cLeft[i] / L.Z[i];
        b[i] = L.cRight[i] / L.Z[i];
        if (!(b[i] > 0) || (i > 0 && !(a[i] > 0)))
            ++dry;
    }
    result.unique = dry <= 1;
    for (int k = 1; k < n; ++k)
        q[k] = psat[k] - pv[k];
    // K·q with q = 0 at the surfaces.
    for (int k = 1; k < n; ++k)
        rhs[k] = (q[k] - q[k - 1]) * gv[k - 1] + (q[k] - q[k + 1]) * gv[k];

    auto inB = [](std::uint32_t B, int k) { return ((B >> (k - 1)) & 1u) != 0; };
    // Start from the interfaces at which the straight line exceeds saturation.
    std::uint32_t B = 0;
    for (int k = 1; k < n; ++k)
        if (q[k] < 0)
            B |= std::uint32_t(1) << (k - 1);
    int fewest = n, patience = BlockPatience;
    Column z{}, diag{}, r{};
    for (;;) {
        // C_B z = K·q: column k from K (z_k = s_k) off B, from T (z_k = −y_k) on B. Forward
        // elimination without row exchanges; the pivots of a column dominant M-matrix stay
        // positive.
        auto lower = [&](int k) { return inB(B, k) ? -a[k] : -gv[k]; };         // C(k+1, k)
        auto upper = [&](int k) { return inB(B, k) ? -b[k - 1] : -gv[k - 1]; }; // C(k-1, k)
        auto centre = [&](int k) { return inB(B, k) ? b[k - 1] + a[k] : gv[k - 1] + gv[k]; };
        for (int k = 1; k < n; ++k) {
            diag[k] = centre(k);
            r[k] = rhs[k];
            if (k > 1) {
                const double w = lower(k - 1) / diag[k - 1];
                diag[k] -= w * upper(k);
                r[k] -= w * r[k - 1];
            }
            if (!(diag[k] > 0) || !std::isfinite(diag[k]))
                return result;
        }
        for (int k = n - 1; k >= 1; --k)
            z[k] = (r[k] - (k + 1 < n ? upper(k + 1) * z[k + 1] : 0.0)) / diag[k];

        // The interfaces whose y or s is negative.
        std::uint32_t wrong = 0;
        int count = 0;
        for (int k = 1; k < n; ++k)
            if (inB(B, k) ? z[k] > 0 : z[k] < 0) {
                wrong |= std::uint32_t(1) << (k - 1);
                ++count;
            }
        if (wrong == 0)
            break;
        if (result.pivots == MaxPivots)
            return result;
        ++result.pivots;
        // All of them change sides at once while that makes their number fall (or has not
        // failed to for a few pivots in a row); otherwise only the first, the least-index rule,
        // which is finite for a P-matrix. Mixing the two keeps that guarantee: every run of
        // block pivots ends, and the single pivots never reset it.
        if (count < fewest) {
            fewest = count;
            patience = BlockPatience;
            B ^= wrong;
        } else if (patience > 0) {
            --patience;
            B ^= wrong;
        } else {
            B ^= wrong & (~wrong + 1);
        }
    }

    result.solved = true;
    result.planes = B;
    for (int k = 1; k < n; ++k) {
        // What separates the interface from the other choice, as a pressure.
        const double distance = inB(B, k) ? -z[k] * (L.cRight[k - 1] + L.cLeft[k]) : z[k];
        if (!(distance > margin))
            result.doubtful |= std::uint32_t(1) << (k - 1);
    }
    return result;
}

ComplementarityPlanes firstPassComplementarity(const InputData &input,
                                               const CalculationOptions &options)
{
    Preparation prep;
    prepareLayers(input, options.heatFlowDirection, prep);
    const Layers &L = prep.layers;
    const std::vector<double> none(L.count(), 0.0);
    const ClimateCondition &in = input.climate().insideWinter();
    const ClimateCondition &out = input.climate().outsideWinter();
    std::vector<double> R, T, psat, pv;
    layerResistances(L, none, none, none, R);
    thermalField(R, in.m_Rs, out.m_Rs, in.m_T, out.m_T, T, psat);
    const double p_i = p_sat_pow(in.m_T) * in.m_rh / 100;
    const double p_e = p_sat_pow(out.m_T) * out.m_rh / 100;
    vaporField(L.Z, p_i, p_e, pv);
    return complementarityPlanes(L, psat, pv, searchSlack(L.count(), psat, p_i, p_e));
}

} // namespace MoistureStorage
