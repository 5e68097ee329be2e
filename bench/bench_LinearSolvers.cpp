// Benchmarks of the linear solvers on systems of the sizes the moisture-storage method builds:
// LU decomposition with solution, the whole solver chain, and the SVD fallback.

#include <QtTest>

#include "calculation/LUdecomp.h"
#include "calculation/LinearSolver.h"
#include "calculation/SingularValueDecomposition.h"

namespace {

// A dense, diagonally dominant system with reproducible pseudo-random elements (linear
// congruential generator), so every run measures the same work.
void makeSystem(int n, LinearSystemMatrix &a, LinearSystemVector &b)
{
    unsigned int state = 12345u;
    auto next = [&state]() {
        state = state * 1103515245u + 12345u;
        return static_cast<double>((state >> 8) & 0xFFFFu) / 65535.0 - 0.5;
    };
    a.resize(n, n);
    b.resize(n);
    for (int i = 0; i < n; ++i) {
        double rowSum = 0;
        for (int j = 0; j < n; ++j) {
            a(i, j) = next();
            rowSum += a(i, j) < 0 ? -a(i, j) : a(i, j);
        }
        a(i, i) = rowSum + 1;
        b[i] = next() + 1;
    }
}

} // namespace

class BenchLinearSolvers : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data();
    void luDecomposeAndSolve_data() { sizes_data(); }
    void luDecomposeAndSolve();
    void solverChain_data() { sizes_data(); }
    void solverChain();
    void svdDecomposeAndSolve_data() { sizes_data(); }
    void svdDecomposeAndSolve();
};

void BenchLinearSolvers::sizes_data()
{
    QTest::addColumn<int>("n");
    for (int n : {5, 10, 20, 31})
        QTest::newRow(qPrintable(QString("%1 rows").arg(n))) << n;
}

void BenchLinearSolvers::luDecomposeAndSolve()
{
    QFETCH(int, n);
    LinearSystemMatrix a;
    LinearSystemVector b;
    makeSystem(n, a, b);
    LinearSystemVector x;
    QBENCHMARK
    {
        const LUdecomp<double> lu(a);
        lu.solve(b, x);
    }
    QVERIFY(residualTest(a, x, b, 1e-10));
}

void BenchLinearSolvers::solverChain()
{
    QFETCH(int, n);
    LinearSystemMatrix a;
    LinearSystemVector b;
    makeSystem(n, a, b);
    LinearSystemVector x;
    bool ok = false;
    QBENCHMARK
    {
        ok = solveLinearSystem(a, b, x, 1e-10);
    }
    QVERIFY(ok);
}

void BenchLinearSolvers::svdDecomposeAndSolve()
{
    QFETCH(int, n);
    LinearSystemMatrix a;
    LinearSystemVector b;
    makeSystem(n, a, b);
    LinearSystemVector x;
    QBENCHMARK
    {
        const SingularValueDecomposition<double> svd(a);
        svd.solve(b, x);
    }
    QVERIFY(residualTest(a, x, b, 1e-6));
}

QTEST_GUILESS_MAIN(BenchLinearSolvers)
#include "bench_LinearSolvers.moc"
