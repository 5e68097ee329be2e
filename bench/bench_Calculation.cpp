// Benchmark of one whole calculation (thermal field, Glaser scheme, moisture-storage method) on
// constructions whose only condensation plane lies at the outermost interior interface, where
// the ascending search over the plane sets runs longest.
//
//   build/bench/bench_Calculation            (add -median 9 for medians of several runs)

#include "BenchSupport.h"
#include "calculation/Calculation.h"
#include "model/InputData.h"

#include <QtTest>

class bench_Calculation : public QObject
{
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
};

void bench_Calculation::calculate_data()
{
    QTest::addColumn<int>("layers");
    QTest::addColumn<bool>("moistureDependentLambda");
    for (int layers : {2, 5, 10, 15, 20, 31}) {
        for (bool moist : {false, true})
            QTest::newRow(qPrintable(QStringLiteral("%1 layers, moisture-dependent lambda %2")
                                         .arg(layers)
                                         .arg(moist ? "on" : "off")))
                << layers << moist;
    }
}

void bench_Calculation::calculate()
{
    QFETCH(int, layers);
    QFETCH(bool, moistureDependentLambda);
    const InputData input = planeAtLastInterface(layers);
    CalculationOptions options;
    options.moistureDependentLambda = moistureDependentLambda;
    const CalculationOutcome outcome = Calculation::calculate(input, options);
    // The construction must produce the intended plane, otherwise the figure means nothing.
    QCOMPARE(outcome.results.type, ResultType::CondensationPlane);
    QCOMPARE(int(outcome.results.kPlanes.front().second), layers - 1);
    QBENCHMARK
    {
        const CalculationOutcome run = Calculation::calculate(input, options);
        QVERIFY(run.results.type == outcome.results.type);
    }
}

QTEST_GUILESS_MAIN(bench_Calculation)
#include "bench_Calculation.moc"
