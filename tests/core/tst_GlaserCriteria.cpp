// The DIN 4108-3 criteria on the figures of the Glaser scheme: the layers its condensation
// planes and zones touch, every verdict with hand-checked limits, no verdict without figures,
// the moisture-storage verdicts left as they were, and the form of small condensate masses.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "calculation/Assessment.h"
#include "calculation/Calculation.h"
#include "calculation/CondensateMass.h"
#include "calculation/DINCriteriaResult.h"
#include "calculation/ResultType.h"
#include "model/InputData.h"

#include <QJsonObject>
#include <QLocale>
#include <QtTest>

#include <limits>

namespace {

using Planes = std::vector<CalculationResults::PlaneRange>;

MaterialLayer layer(const char *name, double width, double rho, double A_w, bool wood = false,
                    bool woodBased = false)
{
    Material m = TestMaterials::material(name, 0.5, 10, 0.01, 0.3, A_w);
    m.m_rho = rho;
    m.setFlags(false, wood, woodBased, false);
    return MaterialLayer(m, width);
}

// Four layers, interfaces 0 (inside surface) to 4 (outside surface). With the edition of 2018
// and 2024 (A_w limit 0.1 kg/(m²·h^0.5) = 0.00167 kg/(m²·s^0.5)) the plaster and the brick take
// up capillary water, the insulation (A_w 0.0005) does not; the board is timber, 0.02 m at
// 500 kg/m³: 10 kg/m², 5 % of it 0.5 kg/m².
InputData wall()
{
    InputData input;
    input.insertLayer(0, layer("Plaster", 0.015, 1200, 0.01));
    input.insertLayer(1, layer("Brick", 0.24, 1600, 0.01));
    input.insertLayer(2, layer("Insulation", 0.1, 30, 0.0005));
    input.insertLayer(3, layer("Timber board", 0.02, 500, 0.01, true));
    return input;
}

// A results record whose Glaser scheme found condensate in the given runs of interfaces; the
// moisture-storage method found 0.3 kg/m² around layers 0 and 1, drying in 20 days.
CalculationResults glaserResult(int type, const Planes &runs, double M_c, double t_ev_days)
{
    CalculationResults r;
    r.type = ResultType::CondensationPlane;
    r.kPlanes = {{0, 1}};
    r.m_cond = r.m_condStat = 0.3;
    r.m_ev = 2;
    r.t_ev = 20 * 86400;
    r.R_layers = 3;
    r.typeGlaser = ResultType::Type(type);
    r.kPlanesGlaser = runs;
    r.m_c_Glaser = M_c;
    r.m_ev_Glaser = 3;
    r.t_ev_Glaser = t_ev_days * 86400;
    return r;
}

} // namespace

class tst_GlaserCriteria : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void planesOfTheScheme_data();
    void planesOfTheScheme();
    void verdicts_data();
    void verdicts();
    void noVerdictWithoutFigures_data();
    void noVerdictWithoutFigures();
    void noDryingReserveOnGlaser();
    void moistureStorageVerdictsUnchanged();
    void calculatedWall();
    void condensateMass_data();
    void condensateMass();
};

void tst_GlaserCriteria::planesOfTheScheme_data()
{
    QTest::addColumn<Planes>("runs");
    QTest::addColumn<Planes>("layers");
    // interface k lies between layers k - 1 and k (0-based)
    QTest::newRow("plane at interface 2") << Planes{{2, 2}} << Planes{{1, 2}};
    QTest::newRow("zone from interface 1 to 3") << Planes{{1, 3}} << Planes{{0, 3}};
    QTest::newRow("two planes") << Planes{{1, 1}, {3, 3}} << Planes{{0, 1}, {2, 3}};
    QTest::newRow("no condensate") << Planes{} << Planes{};
}

void tst_GlaserCriteria::planesOfTheScheme()
{
    QFETCH(Planes, runs);
    QFETCH(Planes, layers);
    CalculationResults r;
    r.kPlanesGlaser = runs;
    const DINCriteriaFigures f = DINCriteriaFigures::glaser(r);
    QCOMPARE(f.planes, layers);
    QCOMPARE(f.basis, CriteriaBasis::Glaser);
}

void tst_GlaserCriteria::verdicts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Planes>("runs");
    QTest::addColumn<double>("M_c");
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("massLimit");
    QTest::addColumn<bool>("massMet");
    QTest::addColumn<QString>("woodRow");
    QTest::addColumn<bool>("woodMet");
    QTest::addColumn<bool>("dryingMet");
    const int plane = ResultType::CondensationPlane;
    // between plaster and brick: both capillary, 1.0 kg/m², met strictly below
    QTest::newRow("capillary, 0.999")
        << plane << Planes{{1, 1}} << 0.999 << 30.0 << 1.0 << true << "" << true << true;
    QTest::newRow("capillary, 1.80")
        << plane << Planes{{1, 1}} << 1.80 << 30.0 << 1.0 << false << "" << true << true;
    // between brick and insulation: the insulation takes up no capillary water, 0.5 kg/m²
    QTest::newRow("non-capillary, 0.49")
        << plane << Planes{{2, 2}} << 0.49 << 30.0 << 0.5 << true << "" << true << true;
    QTest::newRow("non-capillary, 0.5")
        << plane << Planes{{2, 2}} << 0.5 << 30.0 << 0.5 << false << "" << true << true;
    // in front of the timber board: its limit of 0.5 kg/m² as well
    QTest::newRow("timber, 0.49") << plane << Planes{{3, 3}} << 0.49 << 30.0 << 0.5 << true
                                  << "timber" << true << true;
    QTest::newRow("timber, 0.5") << plane << Planes{{3, 3}} << 0.5 << 30.0 << 0.5 << false
                                 << "timber" << false << true;
    // drying time: below 90 days; exactly 90 fails; negative is "no drying"
    QTest::newRow("89.9 d") << plane << Planes{{1, 1}} << 0.2 << 89.9 << 1.0 << true << "" << true
                            << true;
    QTest::newRow("90 d") << plane << Planes{{1, 1}} << 0.2 << 90.0 << 1.0 << true << "" << true
                          << false;
    QTest::newRow("no drying") << plane << Planes{{1, 1}} << 0.2 << -1.0 << 1.0 << true << ""
                               << true << false;
    // a zone from interface 1 to 3 takes in the insulation: 0.5 kg/m²
    QTest::newRow("zone") << int(ResultType::CondensationZone) << Planes{{1, 3}} << 0.7 << 30.0
                          << 0.5 << false << "timber" << false << true;
    // no condensate: nothing to judge but nothing failed either
    QTest::newRow("no condensate") << int(ResultType::NoCondensation) << Planes{} << 0.0 << 0.0
                                   << 1.0 << true << "" << true << true;
}

void tst_GlaserCriteria::verdicts()
{
    QFETCH(int, type);
    QFETCH(Planes, runs);
    QFETCH(double, M_c);
    QFETCH(double, days);
    QFETCH(double, massLimit);
    QFETCH(bool, massMet);
    QFETCH(QString, woodRow);
    QFETCH(bool, woodMet);
    QFETCH(bool, dryingMet);
    const InputData input = wall();
    const CalculationResults r = glaserResult(type, runs, M_c, days);
    const Assessment a =
        Assessment::evaluate(input, r, HeatFlowDirection::Horizontal, AssessmentOptions());
    const DINCriteriaResult &g = a.dinGlaser;
    QVERIFY(a.glaserCriteriaEvaluated());
    QVERIFY(a.glaserNotEvaluatedReason.isEmpty());
    QCOMPARE(g.m_figures.M_c, M_c);
    QCOMPARE(DINCriteriaResult::massLimit(g.m_nonCapillaryApplies), massLimit);
    QCOMPARE(g.m_massMet, massMet);
    QCOMPARE(g.m_dryingTimeMet, dryingMet);
    const QJsonObject j = g.toJson();
    QCOMPARE(j.value("mass_met").toBool(!massMet), massMet);
    QCOMPARE(j.value("drying_time_met").toBool(!dryingMet), dryingMet);
    QCOMPARE(j.value("wood_row").toString(), woodRow);
    if (!woodRow.isEmpty())
        QCOMPARE(g.m_woodMet, woodMet);
    // the same edition and limits as the moisture-storage verdicts
    QCOMPARE(g.m_options.m_edition, a.din.m_options.m_edition);
    QCOMPARE(g.m_awLimit, a.din.m_awLimit);
}

void tst_GlaserCriteria::noVerdictWithoutFigures_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("M_c");
    QTest::addColumn<QString>("reason");
    QTest::newRow("surface condensation inside") << int(ResultType::SurfaceCondensationInside)
                                                 << 0.0 << "condensation on the inside surface";
    QTest::newRow("surface condensation outside") << int(ResultType::SurfaceCondensationOutside)
                                                  << 0.0 << "condensation on the outside surface";
    QTest::newRow("three planes") << int(ResultType::NoAlgorithm) << 0.0
                                  << "there is no algorithm for this problem";
    QTest::newRow("not calculated") << int(ResultType::InvalidInput) << 0.0 << "invalid input";
    QTest::newRow("NaN condensate")
        << int(ResultType::CondensationPlane) << std::numeric_limits<double>::quiet_NaN()
        << "the calculation gave a figure that is not a finite number";
    QTest::newRow("negative condensate") << int(ResultType::CondensationPlane) << -0.2
                                         << "the calculation gave a negative condensate mass";
}

void tst_GlaserCriteria::noVerdictWithoutFigures()
{
    QFETCH(int, type);
    QFETCH(double, M_c);
    QFETCH(QString, reason);
    const InputData input = wall();
    const CalculationResults r = glaserResult(type, Planes{{1, 1}}, M_c, 10);
    const Assessment a =
        Assessment::evaluate(input, r, HeatFlowDirection::Horizontal, AssessmentOptions());
    QVERIFY(!a.glaserCriteriaEvaluated());
    QCOMPARE(a.glaserNotEvaluatedReason, reason);
    QCOMPARE(a.reasonNotEvaluated(CriteriaBasis::Glaser), reason);
    // never "fulfilled" without figures, in the record and in its JSON
    QVERIFY(!a.dinGlaser.m_massMet && !a.dinGlaser.m_dryingTimeMet);
    const QJsonObject j = a.dinGlaser.toJson();
    QVERIFY(j.value("mass_met").isNull());
    QVERIFY(j.value("drying_time_met").isNull());
    QCOMPARE(j.value("evaluated").toBool(true), false);
    // the moisture-storage method had figures: its verdicts stand
    QVERIFY(a.criteriaEvaluated());
    QVERIFY(a.notEvaluatedReason.isEmpty());
}

void tst_GlaserCriteria::noDryingReserveOnGlaser()
{
    // The DIN 68800-2 reserve stays with the moisture-storage method: on the Glaser figures it
    // is not judged, and the JSON has the same members with null.
    const InputData input = wall();
    const CalculationResults r = glaserResult(ResultType::CondensationPlane, {{1, 1}}, 0.4, 10);
    AssessmentOptions options;
    options.dryingReserve = 0.1;
    const Assessment a = Assessment::evaluate(input, r, HeatFlowDirection::Horizontal, options);
    QVERIFY(a.din.m_dryingReserveEvaluated);
    QVERIFY(a.din.m_dryingReserveMet); // 2 > 0.3 + 0.1
    QVERIFY(!a.dinGlaser.m_dryingReserveEvaluated);
    const QJsonObject j = a.dinGlaser.toJson();
    QCOMPARE(j.keys(), a.din.toJson().keys());
    QVERIFY(j.value("drying_reserve_met").isNull());
    QCOMPARE(j.value("drying_reserve_evaluated").toBool(true), false);
}

void tst_GlaserCriteria::moistureStorageVerdictsUnchanged()
{
    // The moisture-storage verdicts are those of the criteria evaluated on the results alone,
    // whatever the Glaser figures say (1.80 kg/m² there, 0.3 kg/m² in the moisture storage).
    const InputData input = wall();
    const CalculationResults r = glaserResult(ResultType::CondensationPlane, {{1, 1}}, 1.80, 40);
    const Assessment a =
        Assessment::evaluate(input, r, HeatFlowDirection::Horizontal, AssessmentOptions());
    DINCriteriaResult alone;
    alone.evaluate(DINCriteriaOptions(), input, r);
    QCOMPARE(a.din.toJson(), alone.toJson());
    QCOMPARE(a.din.m_figures.basis, CriteriaBasis::MoistureStorage);
    QCOMPARE(a.din.m_figures.M_c, 0.3);
    QVERIFY(a.din.m_massMet);
    QVERIFY(!a.dinGlaser.m_massMet);
    QCOMPARE(DINCriteriaResult::basisText(CriteriaBasis::Glaser), QStringLiteral("Glaser scheme"));
    QCOMPARE(DINCriteriaResult::basisText(CriteriaBasis::MoistureStorage),
             QStringLiteral("Moisture storage method"));
}

void tst_GlaserCriteria::calculatedWall()
{
    // A calculated wall in the climate of DIN 4108-3: a tight board on the cold side of the
    // insulation makes the Glaser scheme find a plane in front of it; the verdicts judge its
    // figures against the limit of the layers that plane touches.
    const Material plaster = TestMaterials::material("Gypsum plaster", 0.51, 10, 0.006, 0.45, 0.25);
    const Material brick = TestMaterials::material("Solid clay brick", 0.81, 10, 0.006, 0.3, 0.25);
    const Material wool = TestMaterials::material("Mineral wool", 0.035, 1, 0.0005, 0.9, 0);
    const Material board = TestMaterials::material("Bitumen board", 0.17, 2000, 0.02, 0.3, 0.001);
    InputData input;
    input.insertLayer(0, MaterialLayer(plaster, 0.015));
    input.insertLayer(1, MaterialLayer(brick, 0.24));
    input.insertLayer(2, MaterialLayer(wool, 0.12));
    input.insertLayer(3, MaterialLayer(board, 0.02));
    input.validate();
    const CalculationOutcome outcome = Calculation::calculate(input, CalculationOptions());
    const CalculationResults &r = outcome.results;
    QCOMPARE(int(r.typeGlaser), int(ResultType::CondensationPlane));
    QCOMPARE(r.kPlanesGlaser, (Planes{{3, 3}}));
    const Assessment a =
        Assessment::evaluate(input, r, HeatFlowDirection::Horizontal, AssessmentOptions());
    QVERIFY(a.glaserCriteriaEvaluated());
    // wool (A_w 0) and board (A_w 0.001 ≤ 0.00167) take up no capillary water: 0.5 kg/m²
    QCOMPARE(a.dinGlaser.m_nonCapillaryLayers, (std::vector<int>{2, 3}));
    QVERIFY(a.dinGlaser.m_nonCapillaryApplies);
    QCOMPARE(a.dinGlaser.m_figures.M_c, r.m_c_Glaser);
    QCOMPARE(a.dinGlaser.m_massMet, r.m_c_Glaser < 0.5);
    QCOMPARE(a.dinGlaser.m_dryingTimeMet, r.t_ev_Glaser >= 0 && r.t_ev_Glaser / 86400 < 90);
}

void tst_GlaserCriteria::condensateMass_data()
{
    QTest::addColumn<double>("kg");
    QTest::addColumn<bool>("grams");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unit");
    QTest::newRow("1.80 kg/m2") << 1.8 << false << "1.800"
                                << "kg/m2";
    QTest::newRow("no condensate") << 0.0 << false << "0.000"
                                   << "kg/m2";
    QTest::newRow("0.0006 kg/m2") << 0.0006 << false << "0.001"
                                  << "kg/m2";
    // a positive mass that would read 0.000 kg/m²: two significant digits in g/m²
    QTest::newRow("0.4 g/m2") << 0.0004 << true << "0.40"
                              << "g/m2";
    QTest::newRow("0.012 g/m2") << 1.23e-5 << true << "0.012"
                                << "g/m2";
    QTest::newRow("0.0001 g/m2") << 1e-7 << true << "0.00010"
                                 << "g/m2";
    QTest::newRow("negative stays in kg") << -0.0001 << false << "-0.000"
                                          << "kg/m2";
}

void tst_GlaserCriteria::condensateMass()
{
    QFETCH(double, kg);
    QFETCH(bool, grams);
    QFETCH(QString, text);
    QFETCH(QString, unit);
    const CondensateMass m = CondensateMass::of(kg, 3);
    QCOMPARE(m.grams, grams);
    QCOMPARE(m.number(), text);
    QCOMPARE(m.unitPlain(), unit);
    QCOMPARE(m.unitHtml(),
             grams ? QStringLiteral("g/m<sup>2</sup>") : QStringLiteral("kg/m<sup>2</sup>"));
    // in the German number format with the comma
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(german);
    QCOMPARE(m.number(), QString(text).replace('.', ','));
}

M2_TEST_GUILESS_MAIN(tst_GlaserCriteria)
#include "tst_GlaserCriteria.moc"
