// The assessment of a calculation result: the options taken from the report settings, no
// verdict without a result, and the verdicts of every reference case.

#include "ReferenceCase.h"
#include "TestMaterials.h"
#include "TestSupport.h"

#include "calculation/Assessment.h"
#include "calculation/Calculation.h"
#include "calculation/ResultType.h"
#include "model/InputData.h"
#include "settings/ReportSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

#include <cmath>

Q_DECLARE_METATYPE(DINEdition)

namespace {

using TestMaterials::material;

// Plaster and masonry, insulation and a tight board on the cold side: condensate in front of
// the board in the climate of DIN 4108-3.
InputData condensingWall()
{
    const Material plaster = material("Gypsum plaster", 0.51, 10, 0.006, 0.45, 0.25, 1);
    const Material brick = material("Solid clay brick", 0.81, 10, 0.006, 0.3, 0.25, 2);
    const Material wool = material("Mineral wool", 0.035, 1, 0.0005, 0.9, 0, 5);
    const Material board = material("Bitumen board", 0.17, 2000, 0.02, 0.3, 0.001, 6);
    InputData input;
    input.insertLayer(0, MaterialLayer(plaster, 0.015));
    input.insertLayer(1, MaterialLayer(brick, 0.24));
    input.insertLayer(2, MaterialLayer(wool, 0.12));
    input.insertLayer(3, MaterialLayer(board, 0.02));
    return input;
}

QString compact(const QJsonValue &v)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact));
}

// A verdict of the expected output: true, false, or null for "not evaluated".
QJsonValue verdict(bool evaluated, bool met)
{
    return evaluated ? QJsonValue(met) : QJsonValue(QJsonValue::Null);
}

// Compares one value of an expected object, doubles to rounding, anything else exactly.
QString compareValue(const QString &key, const QJsonValue &actual, const QJsonValue &expected)
{
    if (expected.isDouble() || (expected.isString() && actual.isDouble())) {
        QString m;
        if (!TestSupport::fuzzyEqual(actual.toDouble(), ReferenceCase::toDouble(expected), 1e-12,
                                     &m))
            return key + ": " + m;
        return QString();
    }
    if (actual != expected)
        return QStringLiteral("%1: %2, expected %3").arg(key, compact(actual), compact(expected));
    return QString();
}

} // namespace

class tst_Assessment : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void fromReportSettings_data();
    void fromReportSettings();
    void noVerdictWithoutResult_data();
    void noVerdictWithoutResult();
    void resultTypes_data();
    void resultTypes();
    void noVerdictOnNonsenseFigures_data();
    void noVerdictOnNonsenseFigures();
    void referenceCases_data();
    void referenceCases();
};

void tst_Assessment::defaults()
{
    // The options of a fresh installation are those of fresh report settings.
    const AssessmentOptions o;
    const AssessmentOptions s = AssessmentOptions::fromReportSettings(ReportSettings());
    QCOMPARE(o.dinEdition, DINEdition::DIN4108_3_2018);
    QCOMPARE(s.dinEdition, o.dinEdition);
    QCOMPARE(s.userAwLimit, o.userAwLimit);
    QCOMPARE(s.dryingReserve, o.dryingReserve);
    QCOMPARE(s.minimumHeatResEdition, o.minimumHeatResEdition);
    QCOMPARE(s.minimumHeatResType, o.minimumHeatResType);
    QCOMPARE(s.frsiCheck, o.frsiCheck);
}

void tst_Assessment::fromReportSettings_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<DINEdition>("edition");
    QTest::newRow("2001") << 0 << DINEdition::DIN4108_3_2001;
    QTest::newRow("2014") << 1 << DINEdition::DIN4108_3_2014;
    QTest::newRow("2018 and 2024") << 2 << DINEdition::DIN4108_3_2018;
    QTest::newRow("user defined") << 3 << DINEdition::UserDefined;
    QTest::newRow("unknown code") << 4 << DINEdition::DIN4108_3_2018;
    QTest::newRow("negative code") << -1 << DINEdition::DIN4108_3_2018;
}

void tst_Assessment::fromReportSettings()
{
    QFETCH(int, code);
    QFETCH(DINEdition, edition);
    ReportSettings r;
    r.m_din4108_3AccordanceType = code;
    r.m_nonCapillarAw = 0.0042;
    r.m_dryingReserve = 0.25;
    r.m_minimumHeatResVersion = 0;
    r.m_minimumHeatResConstruction = 7;
    r.m_frsiCheck = true;
    const AssessmentOptions o = AssessmentOptions::fromReportSettings(r);
    QCOMPARE(o.dinEdition, edition);
    QCOMPARE(o.userAwLimit, 0.0042);
    QCOMPARE(o.dryingReserve, 0.25);
    QCOMPARE(o.minimumHeatResEdition, 0);
    QCOMPARE(o.minimumHeatResType, 7);
    QCOMPARE(o.frsiCheck, true);
}

void tst_Assessment::noVerdictWithoutResult_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("criteriaEvaluated");
    QTest::addColumn<bool>("thermalEvaluated");
    QTest::addColumn<QString>("reason");
    QTest::newRow("zero width") << "width" << int(ResultType::InvalidInput) << false << false
                                << "invalid input: Layer #3 (Mineral wool): width 0 m, must be "
                                   "greater than 0.";
    QTest::newRow("100 % inside humidity") << "rh" << int(ResultType::SurfaceCondensationInside)
                                           << false << true << "condensation on the inside surface";
    QTest::newRow("no layers") << "empty" << int(ResultType::NoLayers) << false << false
                               << "no construction";
    QTest::newRow("condensing wall")
        << "" << int(ResultType::CondensationPlane) << true << true << "";
}

void tst_Assessment::noVerdictWithoutResult()
{
    QFETCH(QString, change);
    QFETCH(int, type);
    QFETCH(bool, criteriaEvaluated);
    QFETCH(bool, thermalEvaluated);
    QFETCH(QString, reason);

    InputData input = condensingWall();
    if (change == "width")
        input.layer(2).m_width = 0;
    else if (change == "rh")
        input.climate().setValue(Climate::Inside, Climate::Winter, Climate::Q_rh, 100);
    else if (change == "empty")
        input.clearLayers();
    input.validate();
    const CalculationOutcome outcome = Calculation::calculate(input, CalculationOptions());
    QCOMPARE(int(outcome.results.type), type);

    AssessmentOptions options;
    options.frsiCheck = true;
    options.dryingReserve = 0.1;
    const Assessment a =
        Assessment::evaluate(input, outcome.results, HeatFlowDirection::Horizontal, options);
    QCOMPARE(a.resultType, type);
    QCOMPARE(a.criteriaEvaluated(), criteriaEvaluated);
    QCOMPARE(a.thermalEvaluated, thermalEvaluated);
    QCOMPARE(a.notEvaluatedReason, reason);

    // The DIN 4108-3 rows: each verdict, or null; the limits are stated in any case.
    const CalculationResults &r = outcome.results;
    const QJsonObject j = a.din.toJson();
    QCOMPARE(j.value("evaluated").toBool(!criteriaEvaluated), criteriaEvaluated);
    QCOMPARE(j.value("mass_met"),
             verdict(criteriaEvaluated, r.m_cond < j.value("mass_limit").toDouble()));
    QCOMPARE(j.value("drying_time_met"),
             verdict(criteriaEvaluated, r.t_ev >= 0 && r.t_ev / 86400 < 90));
    QCOMPARE(j.value("drying_reserve_met"),
             verdict(criteriaEvaluated && r.m_condStat > 0, r.m_ev > r.m_cond + 0.1));
    QVERIFY(j.value("wood_met").isNull()); // no wooden layer
    QVERIFY(j.value("mass_limit").toDouble() > 0);
    // A verdict never reads "fulfilled" without a result behind it.
    if (!criteriaEvaluated)
        QVERIFY(!a.din.m_massMet && !a.din.m_dryingTimeMet && !a.din.m_dryingReserveMet);

    // DIN 4108-2: the requirement and f_Rsi, judged as soon as the input is valid.
    const MinimumHeatResistance::Result &m = a.minimum;
    QCOMPARE(m.m_frsiChecked, true);
    QCOMPARE(m.m_fulfilled, thermalEvaluated && m.m_R_min <= r.R_layers);
    QCOMPARE(m.m_frsiFulfilled, thermalEvaluated && m.m_f_min <= m.m_f_Rsi);
    // f_Rsi from the layers themselves, also where the calculation stopped early
    double sumR = 0;
    for (int i = 0; i < input.layerCount(); ++i)
        sumR += input.layer(i).m_width / input.layer(i).m_lambda;
    M2_COMPARE_REL(m.m_f_Rsi, (sumR + 0.04) / (0.25 + sumR + 0.04), 1e-15);
}

void tst_Assessment::resultTypes_data()
{
    QTest::addColumn<int>("type");
    for (int type = ResultType::NoLayers; type <= ResultType::SeveralPlanes; ++type)
        QTest::newRow(qPrintable(QString::number(type))) << type;
}

void tst_Assessment::resultTypes()
{
    // Criteria from "only one layer" (6) on; the thermal checks once the input is valid (from
    // 2, a failed moisture calculation still had a valid construction).
    QFETCH(int, type);
    const InputData input = condensingWall();
    CalculationResults r;
    r.type = ResultType::Type(type);
    r.R_layers = 5;
    const Assessment a =
        Assessment::evaluate(input, r, HeatFlowDirection::Horizontal, AssessmentOptions());
    QCOMPARE(a.criteriaEvaluated(), type >= ResultType::OnlyOneLayer);
    QCOMPARE(a.thermalEvaluated, type >= ResultType::CalculationError);
    QCOMPARE(a.minimum.m_fulfilled, type >= ResultType::CalculationError);
    QCOMPARE(a.notEvaluatedReason.isEmpty(), a.criteriaEvaluated());
}

void tst_Assessment::noVerdictOnNonsenseFigures_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("criteria");
    QTest::addColumn<bool>("thermal");
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("negative condensate") << "m_cond" << -0.48 << false << true;
    QTest::newRow("negative stationary condensate") << "m_condStat" << -0.31 << false << true;
    QTest::newRow("NaN condensate") << "m_cond" << nan << false << true;
    QTest::newRow("infinite evaporable mass") << "m_ev" << inf << false << true;
    QTest::newRow("NaN drying time") << "t_ev" << nan << false << true;
    QTest::newRow("infinite resistance") << "R_layers" << inf << true << false;
    // with condensate, a negative drying time is "no drying": judged, and failed
    QTest::newRow("no drying") << "t_ev" << -86400.0 << true << true;
}

void tst_Assessment::noVerdictOnNonsenseFigures()
{
    QFETCH(QString, figure);
    QFETCH(double, value);
    QFETCH(bool, criteria);
    QFETCH(bool, thermal);
    const InputData input = condensingWall();
    CalculationResults r;
    r.type = ResultType::CondensationPlane;
    r.R_layers = 5;
    r.m_cond = r.m_condStat = 0.1;
    r.m_ev = 2;
    r.t_ev = 10 * 86400;
    double *target = figure == "m_cond"       ? &r.m_cond
                     : figure == "m_condStat" ? &r.m_condStat
                     : figure == "m_ev"       ? &r.m_ev
                     : figure == "t_ev"       ? &r.t_ev
                                              : &r.R_layers;
    *target = value;
    const Assessment a =
        Assessment::evaluate(input, r, HeatFlowDirection::Horizontal, AssessmentOptions());
    QCOMPARE(a.criteriaEvaluated(), criteria);
    QCOMPARE(a.thermalEvaluated, thermal);
    QCOMPARE(a.notEvaluatedReason.isEmpty(), criteria && thermal);
    if (!criteria) {
        QVERIFY(!a.din.m_massMet && !a.din.m_dryingTimeMet);
        QCOMPARE(a.din.toJson().value(QStringLiteral("mass_met")), QJsonValue(QJsonValue::Null));
    }
    if (!thermal)
        QVERIFY(!a.minimum.m_fulfilled);
    if (figure == "t_ev" && criteria)
        QVERIFY(!a.din.m_dryingTimeMet);
}

void tst_Assessment::referenceCases_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = ReferenceCase::names();
    QVERIFY(names.size() >= 70);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_Assessment::referenceCases()
{
    QFETCH(QString, name);
    const QJsonObject caseJson = ReferenceCase::readJson(name + ".case.json");
    const QJsonObject expected = ReferenceCase::readJson(name + ".expected.json");
    QVERIFY(!caseJson.isEmpty());
    QVERIFY(!expected.isEmpty());

    // The report settings of the run, read with their storage keys as the program reads them.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ReportSettings report;
    {
        QSettings s(dir.filePath("settings.ini"), QSettings::IniFormat);
        for (const auto &o : ReferenceCase::settingsOverrides(name))
            s.setValue(o.first, o.second);
        s.beginGroup(QStringLiteral("ReportSettings"));
        report.read(s);
    }
    const AssessmentOptions options = AssessmentOptions::fromReportSettings(report);
    // The plain case description states the same settings.
    const QJsonObject din = caseJson.value("din_criteria").toObject();
    const QJsonObject minimum = caseJson.value("min_heat_resistance").toObject();
    QCOMPARE(dinEditionCode(options.dinEdition), din.value("standard").toInt());
    QCOMPARE(options.userAwLimit, din.value("user_aw_limit").toDouble());
    QCOMPARE(options.dryingReserve, din.value("drying_reserve").toDouble());
    QCOMPARE(options.minimumHeatResEdition, minimum.value("edition").toInt());
    QCOMPARE(options.minimumHeatResType, minimum.value("type").toInt());
    QCOMPARE(options.frsiCheck, minimum.value("frsi_check").toBool());

    CalculationOptions calcOptions;
    const InputData input = ReferenceCase::buildInput(caseJson, &calcOptions);
    const CalculationOutcome outcome = Calculation::calculate(input, calcOptions);
    const Assessment a =
        Assessment::evaluate(input, outcome.results, calcOptions.heatFlowDirection, options);

    // DIN 4108-3 and DIN 68800-2: every member of the criteria record.
    const QJsonObject criteria = a.din.toJson();
    const QJsonObject expectedCriteria = expected.value("criteria").toObject();
    QCOMPARE(criteria.keys(), expectedCriteria.keys());
    for (const QString &key : expectedCriteria.keys()) {
        const QString failure =
            compareValue("criteria." + key, criteria.value(key), expectedCriteria.value(key));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    QCOMPARE(a.criteriaEvaluated(), expectedCriteria.value("evaluated").toBool());

    // DIN 4108-2: requirement and temperature factor.
    const MinimumHeatResistance::Result &m = a.minimum;
    const QJsonObject e = expected.value("min_heat_resistance").toObject();
    const QJsonObject f = expected.value("frsi").toObject();
    const struct
    {
        QString key;
        QJsonValue actual;
        QJsonValue expected;
    } values[] = {
        {"min_heat_resistance.edition", m.m_edition, e.value("edition")},
        {"min_heat_resistance.edition_name", m.m_editionName, e.value("edition_name")},
        {"min_heat_resistance.type", m.m_type, e.value("type")},
        {"min_heat_resistance.name", m.m_name, e.value("name")},
        {"min_heat_resistance.row", m.m_row, e.value("row")},
        {"min_heat_resistance.R_min", m.m_R_min, e.value("R_min")},
        {"min_heat_resistance.fulfilled", verdict(a.thermalEvaluated, m.m_fulfilled),
         e.value("fulfilled")},
        {"frsi.checked", m.m_frsiChecked, f.value("checked")},
    };
    for (const auto &v : values) {
        const QString failure = compareValue(v.key, v.actual, v.expected);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    if (m.m_frsiChecked) {
        QCOMPARE(std::isnan(m.m_f_min), std::isnan(ReferenceCase::toDouble(f.value("f_min"))));
        if (!std::isnan(m.m_f_min))
            M2_COMPARE_REL(m.m_f_min, ReferenceCase::toDouble(f.value("f_min")), 1e-12);
        M2_COMPARE_REL(m.m_f_Rsi, ReferenceCase::toDouble(f.value("f_Rsi")), 1e-12);
        QCOMPARE(verdict(a.thermalEvaluated, m.m_frsiFulfilled), f.value("fulfilled"));
    }
}

M2_TEST_GUILESS_MAIN(tst_Assessment)
#include "tst_Assessment.moc"
