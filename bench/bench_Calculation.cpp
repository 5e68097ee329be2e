// Benchmark of one whole calculation (thermal field, Glaser scheme, moisture-storage method) on
// constructions whose only condensation plane lies at the outermost interior interface, where
// the ascending search over the plane sets runs longest.
//
//   build/bench/bench_Calculation            (add -median 9 for medians of several runs)

#include "calculation/Calculation.h"
#include "model/InputData.h"

#include <QtTest>

namespace {

Material material(const char *name, int category, double rho, double lambda, double mu, double w_80,
                  double w_sat, double A_w)
{
    Material m;
    m.m_name = QString::fromLatin1(name);
    m.m_category = category;
    m.m_rho = rho;
    m.m_lambda = lambda;
    m.m_mu = m.m_mu_min = m.m_mu_max = mu;
    m.m_w_80 = w_80;
    m.m_w_sat = w_sat;
    m.m_A_w = A_w;
    return m;
}

// Interior plaster and masonry (warm, vapour-open), an insulation layer, then a vapour-tight
// exterior board: only the interface in front of the last layer is cold enough for condensate.
InputData construction(int layers)
{
    InputData input;
    const Material plaster = material("Gypsum plaster", 1, 1200, 0.51, 10, 0.006, 0.45, 0.25);
    const Material brick = material("Solid clay brick", 2, 1800, 0.81, 10, 0.006, 0.3, 0.25);
    const Material insulation = material("Mineral wool", 5, 60, 0.035, 1, 0.0005, 0.9, 0);
    const Material outer = material("Bitumen-coated board", 6, 1000, 0.17, 2000, 0.02, 0.3, 0.001);
    if (layers > 2)
        input.insertLayer(0, MaterialLayer(plaster, 0.015));
    for (int i = 1; i < layers - 2; ++i)
        input.insertLayer(i, MaterialLayer(brick, 0.24 / (layers - 3)));
    input.insertLayer(input.layerCount(), MaterialLayer(insulation, 0.12));
    input.insertLayer(input.layerCount(), MaterialLayer(outer, 0.02));
    input.validate();
    return input;
}

} // namespace

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
    const InputData input = construction(layers);
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
