#include "ReferenceCase.h"
#include "TestSupport.h"

#include "calculation/Calculation.h"
#include "calculation/DINCriteriaResult.h"
#include "calculation/ResultType.h"
#include "model/InputData.h"

#include <QFile>
#include <QJsonArray>
#include <QtTest>

#include <cmath>
#include <limits>

/*  The DIN 4108-3 validity criteria and the DIN 68800-2 drying reserve: edition limits, the
    layers collected from a plane list, every verdict with its limit, the row texts, the note
    for a user-defined limit, and all reference cases. */
class tst_DINCriteria : public QObject
{
    Q_OBJECT

private slots:
    void editionAwLimit_data();
    void editionAwLimit();
    void awLimitUserDefined();
    void defaults();
    void nonCapillaryIncludesEquality();
    void layersOutsidePlanesIgnored();
    void massCriterion_data();
    void massCriterion();
    void timberLimit();
    void woodBasedLimitAndRow();
    void timberRowOnly();
    void noPlanes();
    void dryingTime_data();
    void dryingTime();
    void dryingReserve();
    void dryingReserveText();
    void rowTexts();
    void note();
    void unknownStandard();
    void planesBeyondLayers();
    void jsonNulls();
    void noVerdictWithoutResult_data();
    void noVerdictWithoutResult();
    void referenceCases_data();
    void referenceCases();

private:
    static MaterialLayer layer(double width, double rho, double A_w, bool wood = false,
                               bool woodBased = false);
};

MaterialLayer tst_DINCriteria::layer(double width, double rho, double A_w, bool wood,
                                     bool woodBased)
{
    Material m(QStringLiteral("Layer"), 2, QString(), QString(), QString(), QString(), rho, 0.5, 10,
               0.01, 0.3, A_w, 1);
    m.setFlags(false, wood, woodBased, false);
    return MaterialLayer(m, width);
}

void tst_DINCriteria::editionAwLimit_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("perHour");
    QTest::newRow("2001") << 0 << 0.2;
    QTest::newRow("2014") << 1 << 0.5;
    QTest::newRow("2018/2024") << 2 << 0.1;
    QTest::newRow("user defined") << 3 << 0.0;
    // a damaged or newer settings code reads as the default edition, never as a zero limit
    QTest::newRow("unknown") << 9 << 0.1;
    QTest::newRow("negative") << -1 << 0.1;
}

void tst_DINCriteria::editionAwLimit()
{
    QFETCH(int, code);
    QFETCH(double, perHour);
    const DINEdition edition = dinEditionFromCode(code);
    QCOMPARE(DINCriteriaResult::editionAwLimit(edition), perHour);
    if (edition != DINEdition::UserDefined) // per second: the hourly value over 60
        QCOMPARE(DINCriteriaResult::awLimit(edition, 0.7), perHour / 60);
    if (code >= 0 && code <= 3)
        QCOMPARE(dinEditionCode(edition), code);
}

void tst_DINCriteria::awLimitUserDefined()
{
    QCOMPARE(DINCriteriaResult::awLimit(DINEdition::UserDefined, 0.0042), 0.0042);
}

void tst_DINCriteria::defaults()
{
    const DINCriteriaOptions o;
    QCOMPARE(o.m_edition, DINEdition::DIN4108_3_2018);
    QCOMPARE(o.m_nonCapillarAw, 0.0033333333333333335);
    QCOMPARE(o.m_dryingReserve, 0.0);

    const DINCriteriaResult r;
    QCOMPARE(r.m_massLimitTimber, std::numeric_limits<double>::max());
    QCOMPARE(r.m_massLimitWoodBased, std::numeric_limits<double>::max());
    QVERIFY(r.m_nonCapillaryLayers.empty());
}

void tst_DINCriteria::nonCapillaryIncludesEquality()
{
    // Edition 2018/2024: 0.1 kg/(m²·h^0.5), i.e. 0.1/60 per second. A layer exactly at the
    // limit takes up no capillary water; one a hair above does.
    InputData input;
    input.insertLayer(0, layer(0.1, 1000, 0.1 / 60));
    input.insertLayer(1, layer(0.1, 1000, std::nextafter(0.1 / 60, 1.0)));
    DINCriteriaResult r;
    r.build(input, {{0, 1}}, DINEdition::DIN4108_3_2018, 0);
    QCOMPARE(r.m_nonCapillaryLayers, std::vector<int>{0});
    QVERIFY(r.nonCapillaryCriterionApplies({{0, 1}}));
    QVERIFY(!r.nonCapillaryCriterionApplies({{1, 1}}));
}

void tst_DINCriteria::layersOutsidePlanesIgnored()
{
    InputData input;
    input.insertLayer(0, layer(0.1, 500, 0, true));
    input.insertLayer(1, layer(0.1, 1000, 0.1));
    input.insertLayer(2, layer(0.1, 1000, 0.1));
    input.insertLayer(3, layer(0.1, 600, 0, false, true));
    DINCriteriaResult r;
    r.build(input, {{1, 2}}, DINEdition::DIN4108_3_2001, 0);
    QVERIFY(r.m_nonCapillaryLayers.empty());
    QVERIFY(r.m_timberLayers.empty());
    QVERIFY(r.m_woodBasedLayers.empty());
    QCOMPARE(r.classification(), 3);
}

void tst_DINCriteria::massCriterion_data()
{
    QTest::addColumn<double>("M_c");
    QTest::addColumn<bool>("nonCapillary");
    QTest::addColumn<bool>("met");
    QTest::newRow("0.5 non-capillary fails") << 0.5 << true << false;
    QTest::newRow("0.499 non-capillary meets") << 0.499 << true << true;
    QTest::newRow("0.999 capillary meets") << 0.999 << false << true;
    QTest::newRow("1.0 capillary fails") << 1.0 << false << false;
    QTest::newRow("0.5 capillary meets") << 0.5 << false << true;
}

void tst_DINCriteria::massCriterion()
{
    QFETCH(double, M_c);
    QFETCH(bool, nonCapillary);
    QFETCH(bool, met);
    QCOMPARE(DINCriteriaResult::massCriterionMet(M_c, nonCapillary), met);
    QCOMPARE(DINCriteriaResult::massLimit(nonCapillary), nonCapillary ? 0.5 : 1.0);
}

void tst_DINCriteria::timberLimit()
{
    // 0.02 m of timber at 500 kg/m³ is 10 kg/m²; 5 % of it is 0.5 kg/m². A thicker timber
    // layer (0.04 m: 1.0 kg/m²) in the same group does not raise the limit.
    InputData input;
    input.insertLayer(0, layer(0.04, 500, 0.01, true));
    input.insertLayer(1, layer(0.02, 500, 0.01, true));
    DINCriteriaResult r;
    r.build(input, {{0, 1}}, DINEdition::DIN4108_3_2018, 0);
    QCOMPARE(r.m_timberLayers, (std::vector<int>{0, 1}));
    M2_COMPARE_REL(r.m_massLimitTimber, 0.5, 1e-15);
    QCOMPARE(r.m_massLimitWoodBased, DINCriteriaResult::NoMassLimit);
    QCOMPARE(r.classification(), 4);
    QCOMPARE(r.woodRow(), DINCriteriaResult::TimberRow);
    QVERIFY(r.timberCriterionMet(0.49));
    QVERIFY(!r.timberCriterionMet(0.5));
}

void tst_DINCriteria::woodBasedLimitAndRow()
{
    // Wood-based board 0.015 m at 600 kg/m³: 9 kg/m², 3 % of it 0.27 kg/m². With a wood-based
    // layer the wood-based row is shown, even though a timber layer (0.5 kg/m²) is present.
    InputData input;
    input.insertLayer(0, layer(0.02, 500, 0.01, true));
    input.insertLayer(1, layer(0.015, 600, 0.01, false, true));
    DINCriteriaResult r;
    r.build(input, {{0, 1}}, DINEdition::DIN4108_3_2018, 0);
    M2_COMPARE_REL(r.m_massLimitWoodBased, 0.27, 1e-15);
    QCOMPARE(r.woodRow(), DINCriteriaResult::WoodBasedRow);
    QVERIFY(r.woodBasedCriterionMet(0.26));
    QVERIFY(!r.woodBasedCriterionMet(0.27));
    QVERIFY(r.timberCriterionMet(0.3)); // below the timber limit, but the row is not shown

    CalculationResults res;
    res.type = ResultType::CondensationPlane;
    res.kPlanes = {{0, 1}};
    res.m_cond = 0.3;
    DINCriteriaOptions o;
    r.evaluate(o, input, res);
    QCOMPARE(r.m_woodMet, false);
    const QJsonObject j = r.toJson();
    QCOMPARE(j.value("wood_row").toString(), QStringLiteral("woodbased"));
    QCOMPARE(j.value("wood_met").toBool(true), false);
    QCOMPARE(j.value("classification").toInt(), 4);
}

void tst_DINCriteria::timberRowOnly()
{
    InputData input;
    input.insertLayer(0, layer(0.02, 500, 0.01, true));
    input.insertLayer(1, layer(0.1, 1000, 0.1));
    CalculationResults res;
    res.type = ResultType::CondensationPlane;
    res.kPlanes = {{0, 1}};
    res.m_cond = 0.4;
    DINCriteriaResult r;
    r.evaluate(DINCriteriaOptions(), input, res);
    QCOMPARE(r.woodRow(), DINCriteriaResult::TimberRow);
    QVERIFY(r.m_woodMet); // 0.4 < 0.5
    QVERIFY(!r.m_nonCapillaryApplies);
    QVERIFY(r.m_massMet);
    QCOMPARE(r.toJson().value("wood_row").toString(), QStringLiteral("timber"));
}

void tst_DINCriteria::noPlanes()
{
    // Without condensation nothing is collected, even wood and non-capillary layers, and the
    // capillary limit of 1.0 kg/m² applies.
    InputData input;
    input.insertLayer(0, layer(0.02, 500, 0, true));
    input.insertLayer(1, layer(0.02, 500, 0, false, true));
    CalculationResults res;
    res.type = ResultType::NoCondensation;
    DINCriteriaResult r;
    r.evaluate(DINCriteriaOptions(), input, res);
    QVERIFY(r.m_nonCapillaryLayers.empty());
    QVERIFY(!r.hasWoodLayers());
    QCOMPARE(r.classification(), 3);
    QVERIFY(!r.m_nonCapillaryApplies);
    QCOMPARE(r.toJson().value("mass_limit").toDouble(), 1.0);
    QVERIFY(r.m_massMet);
    QVERIFY(r.m_dryingTimeMet);
    QVERIFY(!r.m_dryingReserveEvaluated);
}

void tst_DINCriteria::dryingTime_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<bool>("met");
    QTest::newRow("0") << 0.0 << true;
    QTest::newRow("89.9") << 89.9 << true;
    QTest::newRow("90 fails") << 90.0 << false;
    QTest::newRow("120") << 120.0 << false;
    // the summer flux feeds the condensate instead of drying it
    QTest::newRow("negative: no drying") << -5.0 << false;
    QTest::newRow("-0: nothing to dry") << -0.0 << true;
}

void tst_DINCriteria::dryingTime()
{
    QFETCH(double, days);
    QFETCH(bool, met);
    QCOMPARE(DINCriteriaResult::dryingTimeMet(days * 86400), met);
}

void tst_DINCriteria::dryingReserve()
{
    // Only checked with condensate and a demanded reserve.
    QVERIFY(!DINCriteriaResult::dryingReserveEvaluated(0, 0.1));
    QVERIFY(!DINCriteriaResult::dryingReserveEvaluated(1, 0));
    QVERIFY(!DINCriteriaResult::dryingReserveEvaluated(1, 1e-11));
    QVERIFY(DINCriteriaResult::dryingReserveEvaluated(1e-20, 0.1));
    QVERIFY(DINCriteriaResult::dryingReserveEvaluated(1, 0.25));
    // The evaporable mass must exceed condensate plus reserve: 0.5 + 0.25 = 0.75 kg/m².
    QVERIFY(DINCriteriaResult::dryingReserveMet(0.76, 0.5, 0.25));
    QVERIFY(!DINCriteriaResult::dryingReserveMet(0.75, 0.5, 0.25));
    QVERIFY(!DINCriteriaResult::dryingReserveMet(0.7, 0.5, 0.25));

    InputData input;
    input.insertLayer(0, layer(0.1, 1000, 0.1));
    CalculationResults res;
    res.type = ResultType::CondensationPlane;
    res.m_condStat = 0.8;
    res.m_cond = 0.2;
    res.m_ev = 0.29;
    DINCriteriaOptions o;
    o.m_dryingReserve = 0.1;
    DINCriteriaResult r;
    r.evaluate(o, input, res);
    QVERIFY(r.m_dryingReserveEvaluated);
    QVERIFY(!r.m_dryingReserveMet);
    QCOMPARE(r.toJson().value("drying_reserve_met").toBool(true), false);
    res.m_ev = 0.31;
    r.evaluate(o, input, res);
    QVERIFY(r.m_dryingReserveMet);
}

void tst_DINCriteria::dryingReserveText()
{
    QCOMPARE(DINCriteriaResult::dryingReserveInGrams(0.1), 100.0);
    QCOMPARE(DINCriteriaResult::dryingReserveInGrams(DINCriteriaResult::DryingReserveRoofs), 250.0);
    QCOMPARE(DINCriteriaResult::dryingReserveRowText(0.1),
             QStringLiteral(
                 "Check for drying reserve of 100.000000 g/m<sup>2</sup>a according DIN 68800-2"));
    QCOMPARE(DINCriteriaResult::dryingReserveRowText(0),
             QStringLiteral(
                 "Check for drying reserve of 0.000000 g/m<sup>2</sup>a according DIN 68800-2"));
}

void tst_DINCriteria::rowTexts()
{
    QCOMPARE(DINCriteriaResult::massRowText(true),
             QStringLiteral(
                 "DIN 4108-3 (no capillary suction) M<sub>c</sub> &lt;= 0.5kg/m<sup>2</sup>"));
    QCOMPARE(DINCriteriaResult::massRowText(false),
             QStringLiteral(
                 "DIN 4108-3 (with capillary suction) M<sub>c</sub> &lt;= 1.0kg/m<sup>2</sup>"));
    QCOMPARE(DINCriteriaResult::timberRowText(),
             QString::fromUtf8("DIN 4108-3 (Wood) \u0394u<sub>m</sub> &lt; 5%"));
    QCOMPARE(DINCriteriaResult::woodBasedRowText(),
             QString::fromUtf8("DIN 4108-3 (Wood based material) \u0394u<sub>m</sub> &lt; 3%"));
    QCOMPARE(DINCriteriaResult::dryingTimeRowText(),
             QStringLiteral("Drying time in summer t<sub>ev</sub> &lt; 90d"));
    QCOMPARE(DINCriteriaResult::headingText(dinEditionFromCode(0)),
             QStringLiteral("Check according DIN 4108-3 2001"));
    QCOMPARE(DINCriteriaResult::headingText(dinEditionFromCode(1)),
             QStringLiteral("Check according DIN 4108-3 2014"));
    QCOMPARE(DINCriteriaResult::headingText(dinEditionFromCode(2)),
             QStringLiteral("Check according DIN 4108-3 2018 and 2024"));
    QCOMPARE(DINCriteriaResult::headingText(dinEditionFromCode(3)),
             QStringLiteral("Check accordinguser defined data"));
}

void tst_DINCriteria::note()
{
    // 0.005 kg/(m²·s^0.5) is 0.3 kg/(m²·h^0.5).
    const QString expected = QString::fromUtf8(
        "The current calculation don't use the same water uptake value as check for "
        "non-capillar material as the standard DIN 4108-3 from 2014, 2018 or 2024.<br/>"
        "Used value: 0.3 kg/m\u00b2h\u00bd.<br/>"
        "This is admissible because MIRELO is a advanced software as per appendix D DIN "
        "4108-3.");
    QCOMPARE(DINCriteriaResult::noteText(dinEditionFromCode(3), 0.005), expected);
    QVERIFY(DINCriteriaResult::noteText(dinEditionFromCode(3), 0).isEmpty());
    QVERIFY(DINCriteriaResult::noteText(dinEditionFromCode(3), 1e-13).isEmpty());
    QVERIFY(DINCriteriaResult::noteText(dinEditionFromCode(2), 0.005).isEmpty());
    QVERIFY(DINCriteriaResult::noteText(dinEditionFromCode(0), 0.005).isEmpty());
    QVERIFY(DINCriteriaResult::noteText(dinEditionFromCode(3), 0.0123456789)
                .contains("Used value: 0.740741 kg"));
}

void tst_DINCriteria::unknownStandard()
{
    // An edition code nobody knows falls back to the default edition, so a damaged setting
    // cannot switch the non-capillary test off.
    InputData input;
    input.insertLayer(0, layer(0.1, 1000, 0.001));
    CalculationResults res;
    res.kPlanes = {{0, 0}};
    DINCriteriaOptions o;
    o.m_edition = dinEditionFromCode(7);
    DINCriteriaResult r;
    r.evaluate(o, input, res);
    QCOMPARE(r.m_options.m_edition, DINEdition::DIN4108_3_2018);
    QCOMPARE(r.m_awLimit, 0.1 / 60);
    QCOMPARE(r.m_nonCapillaryLayers, std::vector<int>{0});
    QCOMPARE(r.toJson().value("heading").toString(),
             QStringLiteral("Check according DIN 4108-3 2018 and 2024"));
}

void tst_DINCriteria::planesBeyondLayers()
{
    InputData input;
    input.insertLayer(0, layer(0.02, 500, 0, true));
    DINCriteriaResult r;
    r.build(input, {{0, 5}}, DINEdition::DIN4108_3_2018, 0);
    QCOMPARE(r.m_nonCapillaryLayers, std::vector<int>{0});
    QCOMPARE(r.m_timberLayers, std::vector<int>{0});
}

void tst_DINCriteria::jsonNulls()
{
    InputData input;
    input.insertLayer(0, layer(0.1, 1000, 0.1));
    DINCriteriaResult r;
    r.evaluate(DINCriteriaOptions(), input, CalculationResults());
    const QJsonObject j = r.toJson();
    QVERIFY(j.value("wood_row").isNull());
    QVERIFY(j.value("wood_met").isNull());
    QVERIFY(j.value("drying_reserve_met").isNull());
    QCOMPARE(j.value("timber_limit").toDouble(), 1.7976931348623157e+308);
    QVERIFY(j.value("non_capillary_layers").isArray());
    QCOMPARE(j.value("note").toString(), QString());
}

void tst_DINCriteria::noVerdictWithoutResult_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("evaluated");
    for (int type = ResultType::NoLayers; type <= ResultType::SeveralPlanes; ++type)
        QTest::newRow(qPrintable(QString::number(type)))
            << type << (type >= ResultType::OnlyOneLayer);
}

void tst_DINCriteria::noVerdictWithoutResult()
{
    // A condensate mass of 0 and a drying time of 0 after a failed or refused calculation would
    // pass every row; without a result nothing is judged, but the limits are still stated.
    QFETCH(int, type);
    QFETCH(bool, evaluated);
    InputData input;
    input.insertLayer(0, layer(0.02, 500, 0, true));
    input.insertLayer(1, layer(0.1, 1000, 0.1));
    CalculationResults res;
    res.type = ResultType::Type(type);
    res.kPlanes = {{0, 1}};
    res.m_condStat = 0.01;
    DINCriteriaOptions o;
    o.m_dryingReserve = 0.1;
    DINCriteriaResult r;
    r.evaluate(o, input, res);
    QCOMPARE(DINCriteriaResult::resultAssessable(type), evaluated);
    QCOMPARE(r.m_evaluated, evaluated);
    QCOMPARE(r.m_massMet, evaluated);
    QCOMPARE(r.m_woodMet, evaluated);
    QCOMPARE(r.m_dryingTimeMet, evaluated);
    QCOMPARE(r.m_dryingReserveEvaluated, evaluated);
    QCOMPARE(r.m_timberLayers, std::vector<int>{0});
    QCOMPARE(r.m_massLimitTimber, 0.5);

    const QJsonObject j = r.toJson();
    QCOMPARE(j.value("evaluated").toBool(!evaluated), evaluated);
    for (const char *key : {"mass_met", "wood_met", "drying_time_met", "drying_reserve_met"})
        QVERIFY2(j.value(key).isNull() != evaluated, key);
    QCOMPARE(j.value("drying_reserve_evaluated").toBool(!evaluated), evaluated);
    QCOMPARE(j.value("wood_row").toString(), QStringLiteral("timber"));
    QCOMPARE(j.value("timber_limit").toDouble(), 0.5);
    QCOMPARE(j.value("mass_limit").toDouble(), 0.5);
    QCOMPARE(j.value("non_capillary_layers").toArray().size(), 1);
}

void tst_DINCriteria::referenceCases_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = ReferenceCase::names();
    QVERIFY(names.size() >= 70);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_DINCriteria::referenceCases()
{
    QFETCH(QString, name);
    const QJsonObject caseJson = ReferenceCase::readJson(name + ".case.json");
    const QJsonObject expectedAll = ReferenceCase::readJson(name + ".expected.json");
    QVERIFY(!caseJson.isEmpty());
    const QJsonObject expected = expectedAll.value("criteria").toObject();
    QVERIFY(!expected.isEmpty());

    // The settings of the run: the "--set ReportSettings/KEY=VALUE" lines of NAME.args.
    QFile argsFile(TestSupport::dataFile(QStringLiteral("reference-cases/") + name + ".args"));
    QVERIFY(argsFile.open(QIODevice::ReadOnly | QIODevice::Text));
    DINCriteriaOptions options;
    const QString prefix = QStringLiteral("--set ReportSettings/");
    for (const QString &line : QString::fromUtf8(argsFile.readAll()).split('\n')) {
        if (!line.startsWith(prefix))
            continue;
        const QString keyValue = line.mid(prefix.size()).trimmed();
        const QString key = keyValue.section('=', 0, 0);
        const QString value = keyValue.section('=', 1);
        if (key == QLatin1String("DIN4108_3Accordance_Type"))
            options.m_edition = dinEditionFromCode(value.toInt());
        else if (key == QLatin1String("NonCapillarAw"))
            options.m_nonCapillarAw = value.toDouble();
        else if (key == QLatin1String("DryingReserve"))
            options.m_dryingReserve = value.toDouble();
    }
    // The plain case description states the same settings.
    const QJsonObject din = caseJson.value("din_criteria").toObject();
    QCOMPARE(dinEditionCode(options.m_edition), din.value("standard").toInt());
    QCOMPARE(options.m_nonCapillarAw, din.value("user_aw_limit").toDouble());
    QCOMPARE(options.m_dryingReserve, din.value("drying_reserve").toDouble());

    CalculationOptions calcOptions;
    const InputData input = ReferenceCase::buildInput(caseJson, &calcOptions);
    const CalculationOutcome outcome = Calculation::calculate(input, calcOptions);

    DINCriteriaResult criteria;
    criteria.evaluate(options, input, outcome.results);
    const QJsonObject actual = criteria.toJson();

    QStringList actualKeys = actual.keys();
    QStringList expectedKeys = expected.keys();
    QCOMPARE(actualKeys, expectedKeys);
    for (const QString &key : expectedKeys) {
        const QJsonValue e = expected.value(key);
        const QJsonValue a = actual.value(key);
        if (e.isDouble() && a.isDouble()) {
            QString m;
            if (!TestSupport::fuzzyEqual(a.toDouble(), e.toDouble(), 1e-12, &m))
                QFAIL(qPrintable(key + ": " + m));
        } else if (a != e) {
            QFAIL(qPrintable(
                QStringLiteral("%1: %2, expected %3")
                    .arg(key, QJsonDocument(QJsonArray{a}).toJson(QJsonDocument::Compact),
                         QJsonDocument(QJsonArray{e}).toJson(QJsonDocument::Compact))));
        }
    }
}

M2_TEST_GUILESS_MAIN(tst_DINCriteria)
#include "tst_DINCriteria.moc"
