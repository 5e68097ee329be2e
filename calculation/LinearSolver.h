#pragma once

#include "calculation/FixedMatrix.h"
#include "calculation/LUdecomp.h"

/*! The square systems of the moisture-storage method: at most 32 rows, held in place. */
using LinearSystemMatrix = FixedMatrix<double, 32>;
using LinearSystemVector = FixedVector<double, 32>;
using LinearSystemLU = LUdecomp<double, 32>;

/*! What the solver chain did, for tests and diagnostics. */
struct LinearSolverInfo
{
    /*! Refinement steps applied (0 when the plain LU solution passed or LU failed). */
    int refinementSteps = 0;
    /*! Whether the singular value decomposition was used as the last resort. */
    bool usedSVD = false;
    /*! The tolerance of the last residual test (the loosened one after long refinement). */
    double finalTolerance = 0;
};

/*! Residual test of a solution x of A·x = b: passes unless some x[j] is NaN or, for some row i
    with s_i = Σ_j A[i][j]·x[j], |(s_i − b[i]) / s_i| exceeds tolerance.

    The quotient is relative to the computed left-hand side. A row with s_i = 0 and b[i] = 0 gives
    0/0 = NaN, which compares false and passes (the row is trivially satisfied); s_i = 0 with
    b[i] ≠ 0 gives an infinite quotient and fails. */
bool residualTest(const LinearSystemMatrix &A, const LinearSystemVector &x,
                  const LinearSystemVector &b, double tolerance);

/*! The tolerance of the residual test after refinement step `step` (1-based) when the chain
    started with `tolerance`: unchanged for the first 20 steps, then raised by a factor of 10
    before each further test while it is below 1e-6, never beyond 1e-6. */
double refinementTolerance(double tolerance, int step);

/*! Solves the square system A·x = b with the solver chain:
    1. LU decomposition (failure when it throws);
    2. LU solution, accepted when the residual test at `tolerance` passes;
    3. failure when the solution contains NaN;
    4. up to 100 steps of iterative refinement, each followed by the residual test; after the
       20th step the tolerance is raised tenfold before each test until it reaches 1e-6;
    5. otherwise the singular value decomposition with its default threshold, accepted when the
       residual test passes at the current (raised) tolerance.
    Never throws: every exception inside the chain means failure. x receives the last solution
    tried. info, when given, receives what the chain did. */
bool solveLinearSystem(const LinearSystemMatrix &A, const LinearSystemVector &b,
                       LinearSystemVector &x, double tolerance, LinearSolverInfo *info = nullptr);

/*! The same chain from step 2 on, with lu the decomposition of A made beforehand: a caller that
    solves the same matrix again with another right-hand side decomposes it once. */
bool solveLinearSystem(const LinearSystemLU &lu, const LinearSystemMatrix &A,
                       const LinearSystemVector &b, LinearSystemVector &x, double tolerance,
                       LinearSolverInfo *info = nullptr);
