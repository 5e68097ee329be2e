// Every reference case computed through the engine and compared with the results of an
// independent implementation of the same calculation.

#include "ReferenceCase.h"
#include "TestSupport.h"

#include "calculation/ResultType.h"

#include <QJsonArray>
#include <QtTest>

namespace {

// Thermal and Glaser values agree to rounding; the moisture-storage values depend on the
// refinement path of the solver in their last digits.
constexpr double ThermalTolerance = 1e-12;
constexpr double MoistureTolerance = 1e-9;

bool compareVector(const std::vector<double> &actual, const QJsonValue &expected, double tol,
                   QString *message)
{
    const QJsonArray a = expected.toArray();
    if (int(actual.size()) != a.size()) {
        *message = QStringLiteral("size %1, expected %2").arg(actual.size()).arg(a.size());
        return false;
    }
    for (int i = 0; i < a.size(); ++i) {
        QString m;
        if (!TestSupport::fuzzyEqual(actual[std::size_t(i)], ReferenceCase::toDouble(a[i]), tol,
                                     &m)) {
            *message = QStringLiteral("[%1] ").arg(i) + m;
            return false;
        }
    }
    return true;
}

QJsonArray planes(const std::vector<CalculationResults::PlaneRange> &list)
{
    QJsonArray result;
    for (const auto &p : list)
        result.append(QJsonArray{int(p.first), int(p.second)});
    return result;
}

} // namespace

class tst_ReferenceCases : public QObject
{
    Q_OBJECT

private slots:
    void results_data();
    void results();
};

void tst_ReferenceCases::results_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = ReferenceCase::names();
    QVERIFY(names.size() >= 70);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_ReferenceCases::results()
{
    QFETCH(QString, name);
    const QJsonObject caseJson = ReferenceCase::readJson(name + ".case.json");
    const QJsonObject expected = ReferenceCase::readJson(name + ".expected.json");
    QVERIFY(!caseJson.isEmpty());
    QVERIFY(!expected.isEmpty());

    CalculationOptions options;
    InputData input = ReferenceCase::buildInput(caseJson, &options);
    QCOMPARE(input.status(), expected.value("status_validated").toInt());
    QCOMPARE(input.climate().assessmentCondition(),
             expected.value("climate").toObject().value("recognised_condition").toInt());

    Calculation calc;
    const int ret = calc.calculate(input, options);
    const CalculationResults &r = calc.results();
    const QJsonObject e = expected.value("results").toObject();

    QCOMPARE(r.type, e.value("type").toInt());
    QCOMPARE(r.typeGlaser, e.value("typeGlaser").toInt());
    QCOMPARE(ret, expected.value("return").toInt());
    QCOMPARE(r.kFirst, e.value("kFirst").toInt());
    QCOMPARE(r.kLast, e.value("kLast").toInt());
    QCOMPARE(planes(r.kPlanes), e.value("kPlanes").toArray());
    QCOMPARE(planes(r.kPlanesGlaser), e.value("kPlanesGlaser").toArray());

    QStringList expectedMessages, expectedWorking;
    for (const QJsonValue &v : expected.value("messages").toArray())
        expectedMessages << v.toString();
    for (const QJsonValue &v : expected.value("messages_working").toArray())
        expectedWorking << v.toString();
    QCOMPARE(calc.messages(), expectedMessages);
    QCOMPARE(calc.workingMessages(), expectedWorking);

    const struct
    {
        const char *key;
        double value;
        double tol;
    } scalars[] = {
        {"d_total", r.d_total, ThermalTolerance},
        {"m_c_Glaser", r.m_c_Glaser, ThermalTolerance},
        {"m_ev_Glaser", r.m_ev_Glaser, ThermalTolerance},
        {"t_ev_Glaser", r.t_ev_Glaser, ThermalTolerance},
        {"R_T", r.R_T, ThermalTolerance},
        {"R_layers", r.R_layers, ThermalTolerance},
        {"U_moist", r.U_moist, MoistureTolerance},
        {"R_T_moist", r.R_T_moist, MoistureTolerance},
        {"R_layers_moist", r.R_layers_moist, MoistureTolerance},
        {"m_condStat", r.m_condStat, MoistureTolerance},
        {"m_cond", r.m_cond, MoistureTolerance},
        {"tau", r.tau, MoistureTolerance},
        {"t_hyg", r.t_hyg, MoistureTolerance},
        {"t_ev", r.t_ev, MoistureTolerance},
        {"m_ev", r.m_ev, MoistureTolerance},
    };
    for (const auto &s : scalars) {
        QString m;
        if (!TestSupport::fuzzyEqual(s.value, ReferenceCase::toDouble(e.value(s.key)), s.tol, &m))
            QFAIL(qPrintable(QString::fromLatin1(s.key) + ": " + m));
    }
    QString m;
    if (!TestSupport::fuzzyEqual(r.U_ISO(), expected.value("U_ISO").toDouble(), ThermalTolerance,
                                 &m))
        QFAIL(qPrintable("U_ISO: " + m));

    const struct
    {
        const char *key;
        const std::vector<double> &value;
        double tol;
    } vectors[] = {
        {"T_Glaser", r.T_Glaser, ThermalTolerance},
        {"pv_Glaser", r.pv_Glaser, ThermalTolerance},
        {"psat_Glaser", r.psat_Glaser, ThermalTolerance},
        {"R_Glaser", r.R_Glaser, ThermalTolerance},
        {"Z_Glaser", r.Z_Glaser, ThermalTolerance},
        {"R", r.R, MoistureTolerance},
        {"Z", r.Z, ThermalTolerance},
        {"R_liq", r.R_liq, ThermalTolerance},
        {"T", r.T, MoistureTolerance},
        {"psat", r.psat, MoistureTolerance},
        {"pv", r.pv, MoistureTolerance},
        {"w_left", r.w_left, MoistureTolerance},
        {"w_right", r.w_right, MoistureTolerance},
        {"sk_Cond", r.sk_Cond, MoistureTolerance},
        {"m_condLayer", r.m_condLayer, MoistureTolerance},
    };
    for (const auto &v : vectors) {
        QString msg;
        if (!compareVector(v.value, e.value(v.key), v.tol, &msg))
            QFAIL(qPrintable(QString::fromLatin1(v.key) + msg));
    }

    QCOMPARE(ResultType::displayText(r.type, r.kPlanes, calc.messages()),
             expected.value("result_text").toString());
}

QTEST_GUILESS_MAIN(tst_ReferenceCases)
#include "tst_ReferenceCases.moc"
