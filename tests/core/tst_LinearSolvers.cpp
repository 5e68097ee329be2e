// Tests of the fixed-size matrix storage, the LU and singular value decompositions and the solver
// chain with residual test, refinement, tolerance loosening and SVD fallback.

#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

#include "calculation/FixedMatrix.h"
#include "calculation/LUdecomp.h"
#include "calculation/LinearSolver.h"
#include "calculation/SingularValueDecomposition.h"
#include "common/TestSupport.h"
#include "htl/HTL_Exception.h"

using Matrix = LinearSystemMatrix;
using Vector = LinearSystemVector;
using RowList = std::vector<std::vector<double>>;

Q_DECLARE_METATYPE(RowList)
Q_DECLARE_METATYPE(std::vector<double>)

namespace {

Matrix toMatrix(const RowList &rows)
{
    Matrix a(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < a.cols(); ++j)
            a(i, j) = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    return a;
}

Vector toVector(const std::vector<double> &values)
{
    Vector v(static_cast<int>(values.size()));
    for (int i = 0; i < v.size(); ++i)
        v[i] = values[static_cast<std::size_t>(i)];
    return v;
}

// Reference solution by Gaussian elimination with partial pivoting in long double (64-bit
// mantissa), independent of the code under test.
std::vector<long double> referenceSolve(const Matrix &a, const Vector &b)
{
    const int n = a.rows();
    std::vector<std::vector<long double>> m(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            m[i].push_back(a(i, j));
        m[i].push_back(b[i]);
    }
    for (int c = 0; c < n; ++c) {
        int p = c;
        for (int i = c + 1; i < n; ++i)
            if (std::fabs(m[i][c]) > std::fabs(m[p][c]))
                p = i;
        std::swap(m[c], m[p]);
        for (int i = c + 1; i < n; ++i) {
            const long double f = m[i][c] / m[c][c];
            for (int j = c; j <= n; ++j)
                m[i][j] -= f * m[c][j];
        }
    }
    std::vector<long double> x(static_cast<std::size_t>(n));
    for (int i = n - 1; i >= 0; --i) {
        long double s = m[i][n];
        for (int j = i + 1; j < n; ++j)
            s -= m[i][j] * x[j];
        x[i] = s / m[i][i];
    }
    return x;
}

// Runs f and reports whether it threw an HTL::Exception with the given last message and context.
template <typename F>
bool throwsHtl(F f, const char *message, const char *context)
{
    try {
        f();
    } catch (const HTL::Exception &e) {
        if (e.entries().empty())
            return false;
        return e.entries().back().m_message == message && e.entries().back().m_context == context &&
               std::string(e.what()) == message;
    }
    return false;
}

// The 3x3 systems below have rows that nearly cancel for the solution (1, 1, 1): the right-hand
// sides are some 1e-7 while the products are of order 1. The computed row sums of the plain LU
// solution then miss b by more than 1e-10 relative, so the chain has to refine.
void cancellingSystem(const int m[3][3], const int c[3], Matrix &a, Vector &b)
{
    a.resize(3, 3);
    b.resize(3);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            a(i, j) = m[i][j] / 100.0;
        a(i, 2) = (m[i][2] + c[i] * 1e-6) / 100.0;
        b[i] = c[i] * 1e-8;
    }
}

} // namespace

class TestLinearSolvers : public QObject
{
    Q_OBJECT

private slots:
    // --- fixed-size storage ---
    void fixedStorage();
    void fixedStorageCapacity();

    // --- LU decomposition ---
    void luZeroRowThrows_data();
    void luZeroRowThrows();
    void luZeroPivotAfterElimination();
    void luPivotSearch_data();
    void luPivotSearch();
    void luSolveKnownSystems_data();
    void luSolveKnownSystems();
    void luSolveInPlace();
    void luBadSize();
    void luImprove();

    // --- residual test ---
    void residualTest_data();
    void residualTest();

    // --- singular value decomposition ---
    void svdKnownSingularValues();
    void svdLeastSquares_data();
    void svdLeastSquares();
    void svdThreshold();
    void svdBadSize();
    void svdNoConvergence();

    // --- solver chain ---
    void refinementTolerance_data();
    void refinementTolerance();
    void loosenedToleranceEndsAtExactBound();
    void chainDirectSolution();
    void chainNeedsRefinement();
    void chainLoosensTolerance();
    void chainFallsBackToSVD();
    void chainFailures_data();
    void chainFailures();
    void chainLargestSystem();
};

void TestLinearSolvers::fixedStorage()
{
    Matrix a{{1, 2, 3}, {4, 5, 6}};
    QCOMPARE(a.rows(), 2);
    QCOMPARE(a.cols(), 3);
    QCOMPARE(a(1, 2), 6.0);
    Matrix b;
    b = a;
    b(0, 0) = 10;
    QCOMPARE(b.rows(), 2);
    QCOMPARE(b.cols(), 3);
    QCOMPARE(b(1, 1), 5.0);
    QCOMPARE(a(0, 0), 1.0); // deep copy
    b.swapRows(0, 1);
    QCOMPARE(b(0, 0), 4.0);
    QCOMPARE(b(1, 0), 10.0);
    QCOMPARE(b.rowPtr(1)[2], 3.0);

    Vector v{1, 2, 3};
    Vector w(v);
    w[2] = 7;
    QCOMPARE(w.size(), 3);
    QCOMPARE(v[2], 3.0);
    QCOMPARE(w[2], 7.0);
    double sum = 0;
    for (double x : w)
        sum += x;
    QCOMPARE(sum, 10.0);
}

void TestLinearSolvers::fixedStorageCapacity()
{
    Matrix a(32, 32, 1.0);
    QCOMPARE(a(31, 31), 1.0);
    QVERIFY(throwsHtl([&] { a.resize(33, 2); }, "Matrix size 33x2 exceeds the capacity 32",
                      "[FixedMatrix::setShape]"));
    QVERIFY(throwsHtl([&] { a.resize(-1, 2); }, "Matrix size -1x2 exceeds the capacity 32",
                      "[FixedMatrix::setShape]"));
    Vector v(32);
    QVERIFY(throwsHtl([&] { v.resize(33); }, "Vector size 33 exceeds the capacity 32",
                      "[FixedVector::setSize]"));
}

void TestLinearSolvers::luZeroRowThrows_data()
{
    QTest::addColumn<RowList>("rows");
    QTest::newRow("first row zero") << RowList{{0, 0, 0}, {1, 2, 3}, {4, 5, 7}};
    QTest::newRow("middle row zero") << RowList{{1, 2, 3}, {0, 0, 0}, {4, 5, 7}};
    QTest::newRow("last row zero") << RowList{{1, 2}, {0, 0}};
    QTest::newRow("negative zeros") << RowList{{1, 2}, {-0.0, -0.0}};
}

void TestLinearSolvers::luZeroRowThrows()
{
    QFETCH(RowList, rows);
    const Matrix a = toMatrix(rows);
    QVERIFY(throwsHtl([&] { LUdecomp<double> lu(a); }, "Singular matrix in LUdecomp",
                      "[LUdecomp::constructor]"));
    // the chain reports failure instead of throwing
    Vector b(a.rows(), 1.0);
    Vector x;
    LinearSolverInfo info;
    QVERIFY(!solveLinearSystem(a, b, x, 1e-10, &info));
    QVERIFY(!info.usedSVD);
    QCOMPARE(info.refinementSteps, 0);
}

void TestLinearSolvers::luZeroPivotAfterElimination()
{
    // Rows (1, 2) and (2, 4) are dependent. Scale factors 1/2 and 1/4 give both rows the scaled
    // magnitude 1 in column 0, so row 0 stays the pivot row (first wins). Then
    // l10 = 2 · (1/1) = 2 and u11 = 4 − 2·2 = 0 exactly: the pivot is replaced by 1e-40.
    const Matrix a{{1, 2}, {2, 4}};
    LUdecomp<double> lu(a);
    QCOMPARE(lu.permutation(0), 0);
    QCOMPARE(lu.permutation(1), 1);
    QCOMPARE(lu.parity(), 1.0);
    QCOMPARE(lu.lu()(0, 0), 1.0);
    QCOMPARE(lu.lu()(0, 1), 2.0);
    QCOMPARE(lu.lu()(1, 0), 2.0);
    QVERIFY(lu.lu()(1, 1) == 1e-40);

    // 3x3: row 2 = row 0 + row 1, so the last pivot cancels exactly.
    // Column 0: scaled |1|/3, |1|/4, |2|/7 -> row 0 (1/3 is largest).
    // l10 = 1, l20 = 2; u01 = 1; column 1: 4 − 1 = 3, 5 − 2 = 3 (scaled 3/4 > 3/7) -> row 1;
    // l21 = 3/3 = 1; u02 = 3, u12 = 4 − 3 = 1, u22 = 7 − 2·3 − 1·1 = 0 -> 1e-40.
    const Matrix c{{1, 1, 3}, {1, 4, 4}, {2, 5, 7}};
    LUdecomp<double> lu3(c);
    QCOMPARE(lu3.permutation(0), 0);
    QCOMPARE(lu3.permutation(1), 1);
    QCOMPARE(lu3.permutation(2), 2);
    QCOMPARE(lu3.lu()(1, 1), 3.0);
    QCOMPARE(lu3.lu()(2, 1), 1.0);
    QCOMPARE(lu3.lu()(1, 2), 1.0);
    QVERIFY(lu3.lu()(2, 2) == 1e-40);
}

void TestLinearSolvers::luPivotSearch_data()
{
    QTest::addColumn<RowList>("rows");
    QTest::addColumn<int>("pivotRow0");
    QTest::addColumn<double>("parity");
    QTest::addColumn<RowList>("factors");

    // scale factors 1/2 and 1/4: scaled magnitudes 2/2 = 4/4 = 1 tie -> row 0 stays;
    // l10 = 4/2 = 2, u11 = 3 − 2·1 = 1
    QTest::newRow("tie: first row wins")
        << RowList{{2, 1}, {4, 3}} << 0 << 1.0 << RowList{{2, 1}, {2, 1}};
    // scaled magnitudes 1/2 and 3/3 = 1 -> row 1 is the pivot, rows swapped, parity −1;
    // l10 = 1/3, u11 = 2 − (1/3)·1 = 5/3
    QTest::newRow("scaled larger second row")
        << RowList{{1, 2}, {3, 1}} << 1 << -1.0 << RowList{{3, 1}, {1.0 / 3.0, 5.0 / 3.0}};
    // the unscaled magnitudes would prefer row 1 (10 > 1), the scaled ones row 0
    // (1/1 > 10/100); l10 = 10, u11 = 100 − 10·1 = 90
    QTest::newRow("scaling decides")
        << RowList{{1, 1}, {10, 100}} << 0 << 1.0 << RowList{{1, 1}, {10, 90}};
}

void TestLinearSolvers::luPivotSearch()
{
    QFETCH(RowList, rows);
    QFETCH(int, pivotRow0);
    QFETCH(double, parity);
    QFETCH(RowList, factors);
    const Matrix a = toMatrix(rows);
    LUdecomp<double> lu(a);
    QCOMPARE(lu.permutation(0), pivotRow0);
    QCOMPARE(lu.permutation(1), 1);
    QCOMPARE(lu.parity(), parity);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            M2_COMPARE_REL(lu.lu()(i, j), factors[i][j], 1e-15);
}

void TestLinearSolvers::luSolveKnownSystems_data()
{
    QTest::addColumn<RowList>("rows");
    QTest::addColumn<std::vector<double>>("b");
    QTest::addColumn<std::vector<double>>("expected");

    // 2·1 + 1 + 2 = 5; 4 − 6 = −2; −2 + 7 + 4 = 9
    QTest::newRow("3x3 with pivoting")
        << RowList{{2, 1, 1}, {4, -6, 0}, {-2, 7, 2}} << std::vector<double>{5, -2, 9}
        << std::vector<double>{1, 1, 2};
    // permutation matrix: x = (b1, b0)
    QTest::newRow("permutation") << RowList{{0, 1}, {1, 0}} << std::vector<double>{3, 4}
                                 << std::vector<double>{4, 3};
    // discrete diffusion operator applied to x_i = (i + 1)²: the negative second difference
    // −2 inside, 2·1 − 4 = −2 and −16 + 2·25 = 34 at the ends
    QTest::newRow("tridiagonal") << RowList{{2, -1, 0, 0, 0},
                                            {-1, 2, -1, 0, 0},
                                            {0, -1, 2, -1, 0},
                                            {0, 0, -1, 2, -1},
                                            {0, 0, 0, -1, 2}}
                                 << std::vector<double>{-2, -2, -2, -2, 34}
                                 << std::vector<double>{1, 4, 9, 16, 25};
    // leading zeros in the permuted right-hand side: x = (0, 0, 3) since 3·1 = 3 and 3·2 = 6
    QTest::newRow("zero leading rhs")
        << RowList{{4, 1, 0}, {1, 5, 1}, {0, 1, 2}} << std::vector<double>{0, 3, 6}
        << std::vector<double>{0, 0, 3};
    // widely different row scales: 1e8·x0 + 1e8·x1 = 3e8 and 1e-8·x0 − 1e-8·x1 = −1e-8
    // give x0 + x1 = 3, x0 − x1 = −1 -> x0 = 1, x1 = 2
    QTest::newRow("row scales") << RowList{{1e8, 1e8}, {1e-8, -1e-8}}
                                << std::vector<double>{3e8, -1e-8} << std::vector<double>{1, 2};
}

void TestLinearSolvers::luSolveKnownSystems()
{
    QFETCH(RowList, rows);
    QFETCH(std::vector<double>, b);
    QFETCH(std::vector<double>, expected);
    const Matrix a = toMatrix(rows);
    const Vector bv = toVector(b);
    LUdecomp<double> lu(a);
    Vector x;
    lu.solve(bv, x);
    QCOMPARE(x.size(), a.rows());
    for (int i = 0; i < x.size(); ++i)
        M2_COMPARE_ABS(x[i], expected[static_cast<std::size_t>(i)], 1e-14);
    QVERIFY(::residualTest(a, x, bv, 1e-10));

    // the chain gives the same, without refinement
    Vector y;
    LinearSolverInfo info;
    QVERIFY(solveLinearSystem(a, bv, y, 1e-10, &info));
    QCOMPARE(info.refinementSteps, 0);
    QVERIFY(!info.usedSVD);
    for (int i = 0; i < y.size(); ++i)
        QCOMPARE(y[i], x[i]);
}

void TestLinearSolvers::luSolveInPlace()
{
    const Matrix a{{2, 1, 1}, {4, -6, 0}, {-2, 7, 2}};
    LUdecomp<double> lu(a);
    Vector x{5, -2, 9};
    lu.solve(x, x);
    M2_COMPARE_ABS(x[0], 1.0, 1e-14);
    M2_COMPARE_ABS(x[1], 1.0, 1e-14);
    M2_COMPARE_ABS(x[2], 2.0, 1e-14);
}

void TestLinearSolvers::luBadSize()
{
    const Matrix a{{2, 1}, {1, 3}};
    LUdecomp<double> lu(a);
    Vector x;
    const Vector b3{1, 2, 3};
    QVERIFY(
        throwsHtl([&] { lu.solve(b3, x); }, "LUdecomp::solve bad size", "[LUdecomp<T>::solve]"));
    const Vector b1{1};
    QVERIFY(
        throwsHtl([&] { lu.solve(b1, x); }, "LUdecomp::solve bad size", "[LUdecomp<T>::solve]"));

    // a 1x1 system decomposes but cannot be solved (n below 2)
    const Matrix one{{5}};
    LUdecomp<double> lu1(one);
    QVERIFY(
        throwsHtl([&] { lu1.solve(b1, x); }, "LUdecomp::solve bad size", "[LUdecomp<T>::solve]"));
    Vector y;
    QVERIFY(!solveLinearSystem(one, b1, y, 1e-10));
    QVERIFY(!solveLinearSystem(a, b3, y, 1e-10));
}

void TestLinearSolvers::luImprove()
{
    // For a well-conditioned system one refinement step from a perturbed solution lands on the
    // solution (in exact arithmetic exactly, since the correction solves the same linear system).
    const Matrix a{{2, 1, 1}, {4, -6, 0}, {-2, 7, 2}};
    const Vector b{5, -2, 9};
    LUdecomp<double> lu(a);
    Vector x{1.01, 0.98, 2.003};
    lu.improve(b, x);
    M2_COMPARE_ABS(x[0], 1.0, 1e-14);
    M2_COMPARE_ABS(x[1], 1.0, 1e-14);
    M2_COMPARE_ABS(x[2], 2.0, 1e-14);
    // the correction has the sign of the error: x ← x − δ with δ solving A·δ = A·x − b
    Vector z{1, 1, 2};
    lu.improve(b, z);
    QCOMPARE(z[0], 1.0);
    QCOMPARE(z[1], 1.0);
    QCOMPARE(z[2], 2.0);
}

void TestLinearSolvers::residualTest_data()
{
    QTest::addColumn<std::vector<double>>("x");
    QTest::addColumn<std::vector<double>>("b");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<bool>("passes");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    // A = diag(1, 1), so s = x.
    QTest::newRow("exact") << std::vector<double>{1, 2} << std::vector<double>{1, 2} << 1e-10
                           << true;
    QTest::newRow("s=0, b=0 passes (0/0)")
        << std::vector<double>{0, 2} << std::vector<double>{0, 2} << 1e-10 << true;
    QTest::newRow("s=0, b!=0 fails")
        << std::vector<double>{0, 2} << std::vector<double>{1e-300, 2} << 1e-3 << false;
    // b = 0 with a computed s that is not exactly 0 (rounding noise) gives the quotient 1
    QTest::newRow("s tiny, b=0 fails")
        << std::vector<double>{1e-17, 2} << std::vector<double>{0, 2} << 0.5 << false;
    QTest::newRow("NaN fails") << std::vector<double>{nan, 2} << std::vector<double>{nan, 2}
                               << 1e-10 << false;
    QTest::newRow("NaN in second component fails")
        << std::vector<double>{1, nan} << std::vector<double>{1, 0} << 1.0 << false;
    // |(2 − 1)/2| = 0.5: the quotient is relative to s, not to b (which would give 1)
    QTest::newRow("relative to s, below")
        << std::vector<double>{2, 1} << std::vector<double>{1, 1} << 0.6 << true;
    QTest::newRow("relative to s, above")
        << std::vector<double>{2, 1} << std::vector<double>{1, 1} << 0.4 << false;
    QTest::newRow("equal to tolerance passes")
        << std::vector<double>{2, 1} << std::vector<double>{1, 1} << 0.5 << true;
    QTest::newRow("second row fails")
        << std::vector<double>{1, 1} << std::vector<double>{1, 1.1} << 0.05 << false;
}

void TestLinearSolvers::residualTest()
{
    QFETCH(std::vector<double>, x);
    QFETCH(std::vector<double>, b);
    QFETCH(double, tolerance);
    QFETCH(bool, passes);
    const Matrix a{{1, 0}, {0, 1}};
    QCOMPARE(::residualTest(a, toVector(x), toVector(b), tolerance), passes);
}

void TestLinearSolvers::svdKnownSingularValues()
{
    // AᵀA = [[25, 20], [20, 25]] has the eigenvalues 45 and 5: w = (3√5, √5)
    const Matrix a{{3, 0}, {4, 5}};
    SingularValueDecomposition<double> svd(a);
    QCOMPARE(svd.rows(), 2);
    QCOMPARE(svd.cols(), 2);
    M2_COMPARE_REL(svd.w()[0], 3 * std::sqrt(5.0), 1e-14);
    M2_COMPARE_REL(svd.w()[1], std::sqrt(5.0), 1e-14);
    M2_COMPARE_REL(svd.defaultThreshold(),
                   0.5 * std::sqrt(5.0) * 3 * std::sqrt(5.0) * 2.220446049250313e-16, 1e-14);

    // a 4x4 matrix: U·diag(w)·Vᵀ reproduces it, U and V are orthogonal, w descends, and each
    // column pair has at most (m + n)/2 negative elements
    const Matrix b{{4, 1, -2, 2}, {1, 2, 0, 1}, {-2, 0, 3, -2}, {2, 1, -2, -1}};
    SingularValueDecomposition<double> s(b);
    const int n = 4;
    for (int j = 1; j < n; ++j)
        QVERIFY(s.w()[j - 1] >= s.w()[j]);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            double r = 0;
            double uu = 0;
            double vv = 0;
            for (int k = 0; k < n; ++k) {
                r += s.u()(i, k) * s.w()[k] * s.v()(j, k);
                uu += s.u()(k, i) * s.u()(k, j);
                vv += s.v()(k, i) * s.v()(k, j);
            }
            M2_COMPARE_ABS(r, b(i, j), 1e-13);
            M2_COMPARE_ABS(uu, i == j ? 1.0 : 0.0, 1e-14);
            M2_COMPARE_ABS(vv, i == j ? 1.0 : 0.0, 1e-14);
        }
    }
    for (int k = 0; k < n; ++k) {
        int negatives = 0;
        for (int i = 0; i < n; ++i)
            negatives += (s.u()(i, k) < 0) + (s.v()(i, k) < 0);
        QVERIFY(negatives <= n);
    }
}

void TestLinearSolvers::svdLeastSquares_data()
{
    QTest::addColumn<RowList>("rows");
    QTest::addColumn<std::vector<double>>("b");
    QTest::addColumn<std::vector<double>>("expected");

    // rank 1, inconsistent: the normal equations give x0 + x1 = 2.5, the minimum norm
    // x0 = x1 = 1.25
    QTest::newRow("rank 1, least squares")
        << RowList{{1, 1}, {1, 1}} << std::vector<double>{2, 3} << std::vector<double>{1.25, 1.25};
    // rank 2, consistent: (1, 1, 1) solves it and is orthogonal to the null space (1, −2, 1),
    // so it is the minimum-norm solution
    QTest::newRow("rank 2, minimum norm")
        << RowList{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}} << std::vector<double>{6, 15, 24}
        << std::vector<double>{1, 1, 1};
    // overdetermined 3x2: normal equations [[2, 1], [1, 2]]·x = (4, 4) -> x = (4/3, 4/3)
    QTest::newRow("overdetermined")
        << RowList{{1, 0}, {0, 1}, {1, 1}} << std::vector<double>{1, 1, 3}
        << std::vector<double>{4.0 / 3.0, 4.0 / 3.0};
    // regular: the exact solution
    QTest::newRow("regular") << RowList{{2, 1, 1}, {4, -6, 0}, {-2, 7, 2}}
                             << std::vector<double>{5, -2, 9} << std::vector<double>{1, 1, 2};
}

void TestLinearSolvers::svdLeastSquares()
{
    QFETCH(RowList, rows);
    QFETCH(std::vector<double>, b);
    QFETCH(std::vector<double>, expected);
    const Matrix a = toMatrix(rows);
    SingularValueDecomposition<double> svd(a);
    Vector x;
    svd.solve(toVector(b), x);
    QCOMPARE(x.size(), a.cols());
    for (int i = 0; i < x.size(); ++i)
        M2_COMPARE_ABS(x[i], expected[static_cast<std::size_t>(i)], 1e-13);
}

void TestLinearSolvers::svdThreshold()
{
    // diag(4, 2): with threshold 3 only the first component survives (x = (b0/4, 0)); a
    // threshold equal to a singular value drops it too ("not above"); negative means default
    const Matrix a{{4, 0}, {0, 2}};
    SingularValueDecomposition<double> svd(a);
    QCOMPARE(svd.w()[0], 4.0);
    QCOMPARE(svd.w()[1], 2.0);
    const Vector b{8, 6};
    Vector x;
    svd.solve(b, x, 3.0);
    QCOMPARE(x[0], 2.0);
    QCOMPARE(x[1], 0.0);
    svd.solve(b, x, 2.0);
    QCOMPARE(x[1], 0.0);
    svd.solve(b, x, 4.0);
    QCOMPARE(x[0], 0.0);
    svd.solve(b, x);
    QCOMPARE(x[0], 2.0);
    QCOMPARE(x[1], 3.0);
    svd.solve(b, x, 0.0);
    QCOMPARE(x[1], 3.0);
}

void TestLinearSolvers::svdBadSize()
{
    const Matrix a{{1, 2}, {3, 4}};
    SingularValueDecomposition<double> svd(a);
    Vector x;
    QVERIFY(throwsHtl(
        [&] {
            svd.solve(Vector{1, 2, 3}, x);
        },
        "SingularValueDecomposition::solve bad size", "[SingularValueDecomposition<T>::solve]"));
    const Matrix one{{3}};
    SingularValueDecomposition<double> svd1(one);
    QCOMPARE(svd1.w()[0], 3.0);
    QVERIFY(throwsHtl([&] { svd1.solve(Vector{1}, x); },
                      "SingularValueDecomposition::solve bad size",
                      "[SingularValueDecomposition<T>::solve]"));
}

void TestLinearSolvers::svdNoConvergence()
{
    // A NaN makes every convergence test false, so the QR iteration never converges.
    const Matrix a{{1, 2}, {std::numeric_limits<double>::quiet_NaN(), 1}};
    QVERIFY(throwsHtl([&] { SingularValueDecomposition<double> svd(a); },
                      "no convergence in 30 svdcmp iterations",
                      "[SingularValueDecomposition::constructor]"));
}

void TestLinearSolvers::refinementTolerance_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("expected");
    QTest::newRow("step 1") << 1 << 1e-10;
    QTest::newRow("step 20") << 20 << 1e-10;
    QTest::newRow("step 21") << 21 << 1e-9;
    QTest::newRow("step 22") << 22 << 1e-8;
    QTest::newRow("step 23") << 23 << 1e-7;
    QTest::newRow("step 24") << 24 << 1e-6;
    QTest::newRow("step 25") << 25 << 1e-6;
    QTest::newRow("step 100") << 100 << 1e-6;
}

void TestLinearSolvers::refinementTolerance()
{
    QFETCH(int, step);
    QFETCH(double, expected);
    const double tol = ::refinementTolerance(1e-10, step);
    M2_COMPARE_REL(tol, expected, 1e-15);
    if (step >= 24)
        QVERIFY(tol == 1e-6);
}

void TestLinearSolvers::loosenedToleranceEndsAtExactBound()
{
    // Whatever the start below the bound, the tolerance ends at exactly 1e-6 and never beyond;
    // a start at or above the bound is left alone.
    const double starts[] = {1e-10, 2e-10, 3e-11, 7e-12, 1.1e-9, 9.9e-8, 1e-12, 3.3e-7};
    for (double start : starts) {
        const double tol = ::refinementTolerance(start, 100);
        QVERIFY2(tol == 1e-6, qPrintable(QString::number(start, 'g', 17)));
        for (int step = 1; step <= 100; ++step)
            QVERIFY(::refinementTolerance(start, step) <= 1e-6);
    }
    QCOMPARE(::refinementTolerance(1e-3, 100), 1e-3);
    QCOMPARE(::refinementTolerance(1e-6, 100), 1e-6);
}

void TestLinearSolvers::chainDirectSolution()
{
    const Matrix a{{2, 1, 1}, {4, -6, 0}, {-2, 7, 2}};
    const Vector b{5, -2, 9};
    Vector x;
    LinearSolverInfo info;
    QVERIFY(solveLinearSystem(a, b, x, 1e-10, &info));
    QCOMPARE(info.refinementSteps, 0);
    QVERIFY(!info.usedSVD);
    QCOMPARE(info.finalTolerance, 1e-10);
    M2_COMPARE_ABS(x[2], 2.0, 1e-14);
}

void TestLinearSolvers::chainNeedsRefinement()
{
    const int m[3][3] = {{-38, 30, 8}, {11, -53, 42}, {93, -71, -22}};
    const int c[3] = {18, 73, 89};
    Matrix a;
    Vector b;
    cancellingSystem(m, c, a, b);

    // the plain LU solution misses the tolerance
    LUdecomp<double> lu(a);
    Vector x0;
    lu.solve(b, x0);
    QVERIFY(!::residualTest(a, x0, b, 1e-10));

    Vector x;
    LinearSolverInfo info;
    QVERIFY(solveLinearSystem(a, b, x, 1e-10, &info));
    QVERIFY(info.refinementSteps >= 1);
    QVERIFY(info.refinementSteps <= 20);
    QVERIFY(!info.usedSVD);
    QCOMPARE(info.finalTolerance, 1e-10);
    QVERIFY(::residualTest(a, x, b, 1e-10));
    const std::vector<long double> ref = referenceSolve(a, b);
    for (int i = 0; i < 3; ++i)
        M2_COMPARE_REL(x[i], static_cast<double>(ref[static_cast<std::size_t>(i)]), 1e-9);
}

void TestLinearSolvers::chainLoosensTolerance()
{
    const int m[3][3] = {{-84, -54, 138}, {-36, -12, 48}, {44, -9, -35}};
    const int c[3] = {56, 95, 95};
    Matrix a;
    Vector b;
    cancellingSystem(m, c, a, b);

    Vector x;
    LinearSolverInfo info;
    const bool ok = solveLinearSystem(a, b, x, 1e-10, &info);
    // twenty steps do not reach 1e-10; the loosened tolerance is accepted
    QVERIFY(ok);
    QVERIFY(info.refinementSteps > 20);
    QVERIFY(info.refinementSteps <= 24);
    QVERIFY(!info.usedSVD);
    M2_COMPARE_REL(info.finalTolerance, ::refinementTolerance(1e-10, info.refinementSteps), 1e-15);
    QVERIFY(info.finalTolerance > 1e-10);
    QVERIFY(::residualTest(a, x, b, info.finalTolerance));
    const std::vector<long double> ref = referenceSolve(a, b);
    for (int i = 0; i < 3; ++i)
        M2_COMPARE_REL(x[i], static_cast<double>(ref[static_cast<std::size_t>(i)]), 1e-8);
}

void TestLinearSolvers::chainFallsBackToSVD()
{
    // Row 2 = −7·row 0 + 9·row 1 and b2 = −7·b0 + 9·b1: consistent, rank 2. LU and refinement
    // cannot reach the residual tolerance; the SVD gives the minimum-norm solution
    // x = Rᵀ(R·Rᵀ)⁻¹·b' with the two independent rows R: (68, 25, 8)/99.
    const int m[3][3] = {{-8, -8, -6}, {8, -4, -6}, {128, 20, -12}};
    const int bb[3] = {-8, 4, 92};
    Matrix a(3, 3);
    Vector b(3);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            a(i, j) = m[i][j] / 10.0;
        b[i] = bb[i] / 10.0;
    }
    Vector x;
    LinearSolverInfo info;
    QVERIFY(solveLinearSystem(a, b, x, 1e-10, &info));
    QVERIFY(info.usedSVD);
    QCOMPARE(info.refinementSteps, 100);
    QVERIFY(info.finalTolerance == 1e-6);
    M2_COMPARE_REL(x[0], 68.0 / 99.0, 1e-12);
    M2_COMPARE_REL(x[1], 25.0 / 99.0, 1e-12);
    M2_COMPARE_REL(x[2], 8.0 / 99.0, 1e-12);
}

void TestLinearSolvers::chainFailures_data()
{
    QTest::addColumn<RowList>("rows");
    QTest::addColumn<std::vector<double>>("b");
    QTest::addColumn<bool>("expectSVD");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    // singular and inconsistent: even the least-squares solution (1.25, 1.25) misses b by 20 %
    QTest::newRow("singular inconsistent")
        << RowList{{1, 1}, {1, 1}} << std::vector<double>{2, 3} << true;
    // a NaN element leads to a NaN solution: failure before refinement
    QTest::newRow("NaN element") << RowList{{1, 2}, {nan, 1}} << std::vector<double>{1, 1} << false;
    QTest::newRow("zero row") << RowList{{1, 2}, {0, 0}} << std::vector<double>{1, 0} << false;
    QTest::newRow("not square") << RowList{{1, 2, 3}, {4, 5, 6}} << std::vector<double>{1, 1}
                                << false;
}

void TestLinearSolvers::chainFailures()
{
    QFETCH(RowList, rows);
    QFETCH(std::vector<double>, b);
    QFETCH(bool, expectSVD);
    Vector x;
    LinearSolverInfo info;
    bool ok = true;
    try {
        ok = solveLinearSystem(toMatrix(rows), toVector(b), x, 1e-10, &info);
    } catch (...) {
        QFAIL("the solver chain threw");
    }
    QVERIFY(!ok);
    QCOMPARE(info.usedSVD, expectSVD);
    if (expectSVD)
        QVERIFY(info.finalTolerance == 1e-6);
}

void TestLinearSolvers::chainLargestSystem()
{
    // 32 rows, the capacity: a diffusion-like tridiagonal system whose solution is x_i = i + 1
    const int n = 32;
    Matrix a(n, n, 0.0);
    Vector xTrue(n);
    for (int i = 0; i < n; ++i) {
        a(i, i) = 3;
        if (i > 0)
            a(i, i - 1) = -1;
        if (i + 1 < n)
            a(i, i + 1) = -1;
        xTrue[i] = i + 1;
    }
    Vector b(n);
    for (int i = 0; i < n; ++i) {
        // 3·(i+1) − i − (i+2) = i + 1 inside, one neighbour less at the ends
        b[i] = 3.0 * (i + 1) - (i > 0 ? i : 0) - (i + 1 < n ? i + 2 : 0);
    }
    Vector x;
    QVERIFY(solveLinearSystem(a, b, x, 1e-10));
    QCOMPARE(x.size(), n);
    for (int i = 0; i < n; ++i)
        M2_COMPARE_REL(x[i], xTrue[i], 1e-12);
}

M2_TEST_GUILESS_MAIN(TestLinearSolvers)
#include "tst_LinearSolvers.moc"
