// Every reference case computed through the engine and compared with the results of an
// independent implementation of the same calculation.

#include "ReferenceCase.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QtTest>

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
    QCOMPARE(int(input.status()), expected.value("status_validated").toInt());
    QCOMPARE(input.climate().assessmentCondition(),
             expected.value("climate").toObject().value("recognised_condition").toInt());

    const CalculationOutcome outcome = Calculation::calculate(input, options);
    QCOMPARE(int(outcome.results.type), expected.value("return").toInt());
    const QString failure =
        ReferenceCase::compareResults(outcome, options.heatFlowDirection, expected);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

M2_TEST_GUILESS_MAIN(tst_ReferenceCases)
#include "tst_ReferenceCases.moc"
