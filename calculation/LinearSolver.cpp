#include "calculation/LinearSolver.h"

#include <cmath>
#include <exception>

#include "calculation/LUdecomp.h"
#include "calculation/SingularValueDecomposition.h"

namespace {

// After this many refinement steps without success the residual test is loosened.
const int STRICT_REFINEMENT_STEPS = 20;
const int MAX_REFINEMENT_STEPS = 100;
// Loosening stops here: a residual of one part in a million is still far below the accuracy
// of the material data.
const double LOOSEST_TOLERANCE = 1e-6;

// One loosening step. The repeated multiplication by 10 is not exact for every starting value;
// the bound keeps the end point at exactly the loosest tolerance (a start that lands just below
// it takes one more step and is then bounded).
double loosen(double tolerance)
{
    if (tolerance < LOOSEST_TOLERANCE) {
        tolerance *= 10;
        if (tolerance > LOOSEST_TOLERANCE)
            tolerance = LOOSEST_TOLERANCE;
    }
    return tolerance;
}

bool containsNaN(const LinearSystemVector &x)
{
    for (int j = 0; j < x.size(); ++j)
        if (std::isnan(x[j]))
            return true;
    return false;
}

} // namespace

bool residualTest(const LinearSystemMatrix &A, const LinearSystemVector &x,
                  const LinearSystemVector &b, double tolerance)
{
    if (x.size() != A.cols() || b.size() != A.rows())
        return false;
    if (containsNaN(x))
        return false;
    const int n = A.cols();
    for (int i = 0; i < A.rows(); ++i) {
        const double *ai = A.rowPtr(i);
        double s = 0;
        for (int j = 0; j < n; ++j)
            s += ai[j] * x[j];
        // NaN (0/0) compares false and passes deliberately
        if (std::fabs((s - b[i]) / s) > tolerance)
            return false;
    }
    return true;
}

double refinementTolerance(double tolerance, int step)
{
    for (int k = STRICT_REFINEMENT_STEPS + 1; k <= step; ++k)
        tolerance = loosen(tolerance);
    return tolerance;
}

bool solveLinearSystem(const LinearSystemMatrix &A, const LinearSystemVector &b,
                       LinearSystemVector &x, double tolerance, LinearSolverInfo *info)
{
    try {
        const LinearSystemLU lu(A);
        return solveLinearSystem(lu, A, b, x, tolerance, info);
    } catch (std::exception &) {
        if (info) {
            *info = LinearSolverInfo();
            info->finalTolerance = tolerance;
        }
        return false;
    }
}

bool solveLinearSystem(const LinearSystemLU &lu, const LinearSystemMatrix &A,
                       const LinearSystemVector &b, LinearSystemVector &x, double tolerance,
                       LinearSolverInfo *info)
{
    LinearSolverInfo localInfo;
    LinearSolverInfo &inf = info ? *info : localInfo;
    inf = LinearSolverInfo();
    inf.finalTolerance = tolerance;
    try {
        lu.solve(b, x);
        if (residualTest(A, x, b, tolerance))
            return true;
        if (containsNaN(x))
            return false;

        for (int step = 1; step <= MAX_REFINEMENT_STEPS; ++step) {
            lu.improve(b, x);
            inf.refinementSteps = step;
            if (step > STRICT_REFINEMENT_STEPS)
                tolerance = loosen(tolerance);
            inf.finalTolerance = tolerance;
            if (residualTest(A, x, b, tolerance))
                return true;
        }

        inf.usedSVD = true;
        const SingularValueDecomposition<double, 32> svd(A);
        svd.solve(b, x);
        return residualTest(A, x, b, tolerance);
    } catch (std::exception &) {
        return false;
    }
}
