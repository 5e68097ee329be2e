#include "TestSupport.h"

#include "model/MoistStorageValidator.h"

#include <QtTest>

#include <limits>
#include <optional>

/*  Validation of the moisture content at 80 % RH and the saturation moisture content: the
    result codes with and without a partner value, the first-match order and the texts. */
class tst_MoistStorageValidator : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void pair_data();
    void pair();
    void singleValue_data();
    void singleValue();
    void texts();
};

void tst_MoistStorageValidator::initialState()
{
    const MoistStorageValidator v(MoistStorageValidator::W80);
    QCOMPARE(v.code(), 7);
    QVERIFY(!v.isAcceptable());
    QVERIFY(v.text().isEmpty());
}

void tst_MoistStorageValidator::pair_data()
{
    QTest::addColumn<double>("w80");
    QTest::addColumn<double>("wsat");
    QTest::addColumn<int>("code");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("acceptable") << 0.05 << 0.3 << 0;
    QTest::newRow("w80 zero") << 0.0 << 0.3 << 1;
    QTest::newRow("w80 negative, wsat negative: first match") << -0.1 << -0.1 << 1;
    QTest::newRow("wsat zero") << 0.1 << 0.0 << 2;
    QTest::newRow("w80 equal wsat") << 0.2 << 0.2 << 3;
    QTest::newRow("w80 above wsat") << 0.3 << 0.2 << 3;
    // 0.1 extrapolated to 95 % RH: 0.1 * 95 / 80 = 0.11875 >= 0.11
    QTest::newRow("w95 above wsat") << 0.1 << 0.11 << 4;
    QTest::newRow("w95 just below wsat") << 0.1 << 0.119 << 0;
    // 0.08 * 95 / 80 = 0.095: the boundary itself is refused
    QTest::newRow("w95 equal wsat") << 0.08 << 0.095 << 4;
    // 0.03 * 95 / 80 rounds to 0.035625000000000004 (0.03 * 0.95 / 0.8 to 0.035625): the
    // moisture-storage calculation finds no free capacity, so the material is refused here too
    QTest::newRow("w95 equal wsat after rounding") << 0.03 << 0.035625000000000004 << 4;
    QTest::newRow("w95 one step below wsat") << 0.03 << 0.03562500000000001 << 0;
    QTest::newRow("w80 not a number") << nan << 0.3 << 1;
    QTest::newRow("wsat not a number") << 0.1 << nan << 2;
}

void tst_MoistStorageValidator::pair()
{
    QFETCH(double, w80);
    QFETCH(double, wsat);
    QFETCH(int, code);
    QCOMPARE(MoistStorageValidator::checkPair(w80, wsat), code);

    // The same verdict whichever of the two is being typed.
    MoistStorageValidator v80(MoistStorageValidator::W80);
    QCOMPARE(v80.validate(w80, wsat), code);
    QCOMPARE(v80.code(), code);
    QCOMPARE(v80.isAcceptable(), code == 0);
    MoistStorageValidator vsat(MoistStorageValidator::WSat);
    QCOMPARE(vsat.validate(wsat, w80), code);
    QCOMPARE(vsat.text(), MoistStorageValidator::text(code));
}

void tst_MoistStorageValidator::singleValue_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("code");
    QTest::newRow("w80 0.05") << int(MoistStorageValidator::W80) << 0.05 << 0;
    QTest::newRow("w80 0") << int(MoistStorageValidator::W80) << 0.0 << 1;
    QTest::newRow("w80 1") << int(MoistStorageValidator::W80) << 1.0 << 5;
    QTest::newRow("w80 0.999") << int(MoistStorageValidator::W80) << 0.999 << 0;
    QTest::newRow("wsat 0.5") << int(MoistStorageValidator::WSat) << 0.5 << 0;
    QTest::newRow("wsat -1") << int(MoistStorageValidator::WSat) << -1.0 << 2;
    QTest::newRow("wsat 1") << int(MoistStorageValidator::WSat) << 1.0 << 6;
    QTest::newRow("wsat 2") << int(MoistStorageValidator::WSat) << 2.0 << 6;
    QTest::newRow("wsat nan") << int(MoistStorageValidator::WSat)
                              << std::numeric_limits<double>::quiet_NaN() << 2;
}

void tst_MoistStorageValidator::singleValue()
{
    QFETCH(int, quantity);
    QFETCH(double, x);
    QFETCH(int, code);
    MoistStorageValidator v{MoistStorageValidator::Quantity(quantity)};
    QCOMPARE(v.validate(x, std::nullopt), code);
    QCOMPARE(v.code(), code);
}

void tst_MoistStorageValidator::texts()
{
    QCOMPARE(MoistStorageValidator::text(0), QString());
    QCOMPARE(MoistStorageValidator::text(1),
             QStringLiteral("Moisture content at 80%RH less or equal 0"));
    QCOMPARE(MoistStorageValidator::text(2),
             QStringLiteral("Saturation moisture content less or equal 0"));
    QCOMPARE(
        MoistStorageValidator::text(3),
        QStringLiteral("Moisture content at 80%RH greater or equal saturation moisture content"));
    QCOMPARE(MoistStorageValidator::text(4),
             QStringLiteral("Moisture content at 80%RH leads to a moisture content at 95%RH "
                            "greater or equal saturation moisture content"));
    QCOMPARE(MoistStorageValidator::text(5),
             QStringLiteral("Moisture content at 80%RH greater or equal to 1.0"));
    QCOMPARE(MoistStorageValidator::text(6),
             QStringLiteral("Moisture content at saturation greater or equal to 1.0"));
    QCOMPARE(MoistStorageValidator::text(7), QString());
}

M2_TEST_GUILESS_MAIN(tst_MoistStorageValidator)
#include "tst_MoistStorageValidator.moc"
