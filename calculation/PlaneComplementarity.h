#pragma once

#include "calculation/Calculation.h"

#include <cstdint>
#include <vector>

class InputData;

namespace MoistureStorage {

struct Layers;

/*! The condensation planes as the solution of a linear complementarity problem.

    Unknowns at every interior interface k (1..n-1): the squared excess moisture y_k ≥ 0 (zero
    where there is no plane) and the saturation deficit s_k = psat_k − p'_k ≥ 0 of the vapour
    pressure p' that the liquid flows from the planes leave; at a plane the pressure is saturated
    (s_k = 0), elsewhere there is no excess (y_k = 0).

    In layer i the vapour flux is the total moisture flux g less the liquid flow,
    (p'_i − p'_{i+1})/Z_i = g − a_i·y_i + b_i·y_{i+1}, with a_i = 1/(2·R_liq,i·r_i²) from the
    plane at its left side and b_i = 1/(2·R_liq,i) from the plane at its right side. The
    difference of the vapour fluxes at interface k removes g and leaves, for the deviation
    u = p' − pv from the straight vapour-pressure line (u = 0 at both surfaces),
        (K·u)_k = −(T·y)_k,
    where K is the vapour conductance matrix of the layers (1/Z_{k-1} + 1/Z_k on the diagonal,
    −1/Z on the neighbours) and T the liquid one (b_{k-1} + a_k on the diagonal, −a_{k-1} to
    the left, −b_k to the right). With q = psat − pv, s = q − u, so
        K·s − T·y = K·q,   s ≥ 0, y ≥ 0, s_k·y_k = 0.
    A candidate plane set B solved and tested by the search is exactly a complementary basis
    of this problem: y = 0 off B, s = 0 on B.

    Structure. K and T are tridiagonal Z-matrices (non-positive off the diagonal) whose columns
    sum to zero in the interior and to a non-negative value at the ends (K: 1/Z_0 and
    1/Z_{n-1}; T: b_0 and a_{n-1}). The matrix C_B of a basis, made of the columns of K off B
    and those of T on B (solved for s off B and −y on B), is therefore again a tridiagonal
    Z-matrix with non-negative column sums: a column diagonally dominant M-matrix whenever it is
    nonsingular, with a positive determinant. Since det C_B = det K · det M_BB for
    M = K⁻¹·T, every principal minor of M is positive: M is a P-matrix, and the problem has
    exactly one solution for every construction whose bases are all nonsingular. Liquid
    transport in every layer suffices: then every C_B is irreducible (each column couples both
    neighbours) and its first and last columns are strictly dominant. There is then exactly one
    plane set, and the ascending
    search over all 2^(n-1) − 1 sets can only find that one, or, in degenerate cases where an
    interface has both y and s at zero within the tolerances of the search, one of its
    neighbours that differ there.

    M itself is not a Z-matrix (a plane's liquid flow raises the pressure at the far side of
    the neighbouring interfaces and lowers it at others), so the n-pivot bound of the Z-matrix
    methods does not apply, and no polynomial bound on the pivots is known here. The pivoting
    starts from the interfaces where the straight line exceeds saturation and changes the side
    of every interface whose y or s is negative at once while that reduces their number;
    otherwise only the first of them (least-index rule, finite for every P-matrix). Each pivot
    is one tridiagonal solve of C_B, O(n), and needs no row exchanges, since every C_B is column
    dominant. On random constructions of 5 to 31 layers it takes 5 to 15 pivots on average and
    rarely more than a few hundred; the worst seen, about 2,400 for 30 layers, costs about a
    millisecond.

    Layers without liquid transport ("dry" layers, a_i = b_i = 0) cut T into pieces. A column
    of T then couples only across liquid layers, and C_B is singular exactly when B holds every
    interface between two dry layers that have only liquid layers (or none) between them: the
    liquid in that stretch is trapped, the rows of its planes fix the excess moisture only up
    to a common shift. With at most one dry layer no such pair exists, every C_B is nonsingular
    and the solution is unique as above. With two or more, M is only a P0-matrix: the problem
    may have several solutions or none, the ascending search may accept a set that the pivoting
    does not reach, and the solution proves nothing; unique is then false (and solved false
    when a pivot meets a singular basis). */
struct ComplementarityPlanes
{
    bool solved = false;        ///< false: singular basis met, or the pivot limit reached
    bool unique = false;        ///< at most one layer without liquid transport: see above
    std::uint32_t planes = 0;   ///< bit b: plane at interface b+1
    std::uint32_t doubtful = 0; ///< interfaces where y and s are both within the margin of 0
    int pivots = 0;
};

/*! Solves the problem above for the straight vapour-pressure line pv and the saturation
    pressures psat (both n+1, Pa). margin (Pa): interfaces whose saturation deficit, or whose
    pressure drop y_k·(Z_{k-1}·b_{k-1} + Z_k·a_k) at the plane, does not exceed it are doubtful. */
ComplementarityPlanes complementarityPlanes(const Layers &layers, const std::vector<double> &psat,
                                            const std::vector<double> &pv, double margin);

/*! The problem above for the first pass of a calculation (dry conductivities, the straight
    vapour-pressure line), with the margin of the plane search; for tests and measurements. */
ComplementarityPlanes firstPassComplementarity(const InputData &input,
                                               const CalculationOptions &options);

} // namespace MoistureStorage
