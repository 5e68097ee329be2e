// Tests of the DIN 4108-2 minimum thermal resistance table and the temperature factor check.

#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

#include "calculation/MinimumHeatResistance.h"
#include "common/TestSupport.h"

Q_DECLARE_METATYPE(std::vector<int>)

class TestMinimumHeatResistance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void editionNames_data();
    void editionNames();
    void typeLists();
    void table_data();
    void table();
    void requirement_data();
    void requirement();
    void requirementText_data();
    void requirementText();
    void requiredTemperatureFactor_data();
    void requiredTemperatureFactor();
    void temperatureFactor_data();
    void temperatureFactor();
    void temperatureFactorTexts();
    void evaluate();
    void evaluateAtMinusFive();
    void evaluateWithoutFrsiCheck();
};

void TestMinimumHeatResistance::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestMinimumHeatResistance::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestMinimumHeatResistance::editionNames_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("name");
    QTest::newRow("2004") << 0 << "DIN 4108-2 2004 Tab. 3";
    QTest::newRow("2013") << 1 << "DIN 4108-2 2013 Tab. 3";
    QTest::newRow("2") << 2 << "Unknown";
    QTest::newRow("-1") << -1 << "Unknown";
}

void TestMinimumHeatResistance::editionNames()
{
    QFETCH(int, edition);
    QFETCH(QString, name);
    QCOMPARE(MinimumHeatResistance::editionName(edition), name);
}

void TestMinimumHeatResistance::typeLists()
{
    QCOMPARE(MinimumHeatResistance::types(0),
             (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    QCOMPARE(MinimumHeatResistance::types(1),
             (std::vector<int>{12, 13, 14, 8, 15, 10, 9, 16, 17, 1, 4, 18, 19}));
    QVERIFY(MinimumHeatResistance::types(2).empty());
}

void TestMinimumHeatResistance::table_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("row");
    QTest::addColumn<double>("R_min");

    struct R
    {
        int edition, type;
        const char *name, *row;
        double R_min;
    };
    const R rows[] = {
        {0, 0, "Outer wall", "1", 1.2},
        {0, 1, "Partition wall", "2", 0.07},
        {0, 2, "Wall to stair case with temperature <10°C", "3", 0.25},
        {0, 3, "Wall to stair case with temperature >10°C", "4", 0.07},
        {0, 4, "Common separating ceiling", "5", 0.35},
        {0, 5, "Separating ceiling for officebuilding with central heating", "6", 0.17},
        {0, 6, "Floor plate over ground", "7", 0.9},
        {0, 7, "Floor plate to non ventilated cavity", "8", 0.9},
        {0, 8, "Ceiling below attic", "9", 0.9},
        {0, 9, "Ceiling for cellar", "10", 0.9},
        {0, 10, "Floor over garage or passage", "11.1", 1.75},
        {0, 11, "Roof", "11.2", 1.2},
        {1, 12, "Wall of heated room to outside, ground, underground garage or similar", "1", 1.2},
        {1, 13, "Roof pitch to outside", "2", 1.2},
        {1, 14, "Flat roof or ceiling to outside", "3.1", 1.2},
        {1, 8, "Ceiling to ventilated roof space or to non heated room", "3.2 3.3", 0.9},
        {1, 15, "Ceiling between insulated roof pitch and jamb wall", "3.4", 0.35},
        {1, 10,
         "Floor over outside, underground garage, garage (heated or not), ventilated crawl "
         "space etc.",
         "4.1", 1.75},
        {1, 9, "Floor over cellar, to ground, non ventilated crawl space", "4.2 4.3 4.4", 0.9},
        {1, 16, "Wall between heated room and directly heated stair case", "5.1", 0.07},
        {1, 17, "Wall between heated room and indirectly heated stair case", "5.2", 0.25},
        {1, 1, "Partition walls between heated rooms", "6.1", 0.07},
        {1, 4, "Ceiling between rooms of different use and apartment separating ceiling", "6.2",
         0.35},
        {1, 18, "Construction with mass per area lower than 100kg/m2", "Cap 5.1.2.2", 1.75},
        {1, 19, "Opaque part of transparent constructions", "Cap 5.1.4", 1.2},
        // types an edition does not list
        {0, 12, "Unknown", "", 1.2},
        {0, 19, "Unknown", "", 1.2},
        {1, 0, "Unknown", "", 1.2},
        {1, 11, "Unknown", "", 1.2},
        {2, 1, "Unknown", "", 1.2},
        {0, -1, "Unknown", "", 1.2},
    };
    for (const R &r : rows)
        QTest::addRow("edition %d type %d", r.edition, r.type)
            << r.edition << r.type << QString::fromUtf8(r.name) << QString::fromUtf8(r.row)
            << r.R_min;
}

void TestMinimumHeatResistance::table()
{
    QFETCH(int, edition);
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QString, row);
    QFETCH(double, R_min);
    QCOMPARE(MinimumHeatResistance::name(edition, type), name);
    QCOMPARE(MinimumHeatResistance::row(edition, type), row);
    QVERIFY(MinimumHeatResistance::R_min(edition, type) == R_min);
}

void TestMinimumHeatResistance::requirement_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("R_layers");
    QTest::addColumn<bool>("fulfilled");

    // equality fulfils (R_min <= R_layers)
    QTest::newRow("2013 wall, equal") << 1 << 12 << 1.2 << true;
    QTest::newRow("2013 partition, equal") << 1 << 1 << 0.07 << true;
    QTest::newRow("2004 partition, equal") << 0 << 1 << 0.07 << true;
    QTest::newRow("2004 garage floor, equal") << 0 << 10 << 1.75 << true;
    QTest::newRow("2013 separating ceiling, equal") << 1 << 4 << 0.35 << true;
    QTest::newRow("2013 wall, just below") << 1 << 12 << std::nextafter(1.2, 0.0) << false;
    QTest::newRow("2004 stair case, just below") << 0 << 2 << std::nextafter(0.25, 0.0) << false;
    QTest::newRow("2004 roof, above") << 0 << 11 << 4.5 << true;
    QTest::newRow("no layers") << 1 << 12 << 0.0 << false;
    // unknown type: the outer-wall value 1.2 applies
    QTest::newRow("type 12 of 2004, 1.2") << 0 << 12 << 1.2 << true;
    QTest::newRow("type 12 of 2004, 1.19") << 0 << 12 << 1.19 << false;
}

void TestMinimumHeatResistance::requirement()
{
    QFETCH(int, edition);
    QFETCH(int, type);
    QFETCH(double, R_layers);
    QFETCH(bool, fulfilled);
    QCOMPARE(MinimumHeatResistance::requirementFulfilled(edition, type, R_layers), fulfilled);
}

void TestMinimumHeatResistance::requirementText_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("text");

    QTest::newRow("2013 wall")
        << 1 << 12 << false
        << "DIN 4108-2 2013 Tab. 3 row 1, thermal resistance  R >= 1.20 m<sup>2</sup>K/W";
    QTest::newRow("2013 light construction")
        << 1 << 18 << false
        << "DIN 4108-2 2013 Tab. 3 row Cap 5.1.2.2, thermal resistance  R >= 1.75 "
           "m<sup>2</sup>K/W";
    QTest::newRow("2004 partition")
        << 0 << 1 << false
        << "DIN 4108-2 2004 Tab. 3 row 2, thermal resistance  R >= 0.07 m<sup>2</sup>K/W";
    QTest::newRow("2004 unknown type")
        << 0 << 12 << false
        << "DIN 4108-2 2004 Tab. 3 row , thermal resistance  R >= 1.20 m<sup>2</sup>K/W";
    QTest::newRow("2013 ceiling, German number")
        << 1 << 8 << true
        << "DIN 4108-2 2013 Tab. 3 row 3.2 3.3, thermal resistance  R >= 0,90 m<sup>2</sup>K/W";
}

void TestMinimumHeatResistance::requirementText()
{
    QFETCH(int, edition);
    QFETCH(int, type);
    QFETCH(bool, german);
    QFETCH(QString, text);
    if (german)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(MinimumHeatResistance::requirementText(edition, type), text);
}

void TestMinimumHeatResistance::requiredTemperatureFactor_data()
{
    QTest::addColumn<double>("T_i");
    QTest::addColumn<double>("rh_i");
    QTest::addColumn<double>("f_min");

    // (50/80)^0.1247 = 0.94308; ·129.8 = 122.41; − 104.8 = 17.61; ·10/25 = 7.04 -> 0.7
    QTest::newRow("20 °C, 50 %") << 20.0 << 50.0 << 0.7;
    // (80/80)^0.1247 = 1: numerator 109.8 − 109.8 + 5 = 5, 10·5/5 = 10 -> 1.0
    QTest::newRow("0 °C, 80 %") << 0.0 << 80.0 << 1.0;
    // (20/80)^0.1247 = 0.84124; ·119.8 = 100.78; − 104.8 = −4.02; ·10/15 = −2.68 -> −0.2
    // (towards zero; rounding down would give −0.3)
    QTest::newRow("10 °C, 20 %: truncation towards zero") << 10.0 << 20.0 << -0.2;
    // figures of the independent reference computation
    QTest::newRow("17.5 °C, 76.3 %") << 17.5 << 76.3 << 0.9;
    QTest::newRow("16.6 °C, 93.8 %") << 16.6 << 93.8 << 1.1;
    QTest::newRow("15.6 °C, 69.2 %") << 15.6 << 69.2 << 0.8;
    QTest::newRow("23.8 °C, 40.9 %") << 23.8 << 40.9 << 0.6;
    QTest::newRow("10 °C, 100 %") << 10.0 << 100.0 << 1.2;
    QTest::newRow("20 °C, 101 %") << 20.0 << 101.0 << 1.1;
}

void TestMinimumHeatResistance::requiredTemperatureFactor()
{
    QFETCH(double, T_i);
    QFETCH(double, rh_i);
    QFETCH(double, f_min);
    // one decimal: the result is exactly the double nearest to the decimal
    QCOMPARE(MinimumHeatResistance::requiredTemperatureFactor(T_i, rh_i), f_min);
    QVERIFY(MinimumHeatResistance::requiredTemperatureFactor(T_i, rh_i) == f_min);
}

void TestMinimumHeatResistance::temperatureFactor_data()
{
    QTest::addColumn<double>("sumR");
    QTest::addColumn<double>("R_se");
    QTest::addColumn<double>("f_Rsi");

    // (3.71 + 0.04) / (0.25 + 3.71 + 0.04) = 3.75 / 4 = 0.9375
    QTest::newRow("hand") << 3.71 << 0.04 << 0.9375;
    // no layers: 0.04 / 0.29
    QTest::newRow("no layers") << 0.0 << 0.04 << 0.04 / 0.29;
    // figures of the independent reference computation
    QTest::newRow("reference 1") << 4.977595238095238 << 0.04 << 0.9525400132887962;
    QTest::newRow("reference 2") << 0.12921396993810785 << 0.04 << 0.4036458278408288;
    QTest::newRow("reference 3") << 3.7742794895736065 << 1e-08 << 0.9378770783623531;
}

void TestMinimumHeatResistance::temperatureFactor()
{
    QFETCH(double, sumR);
    QFETCH(double, R_se);
    QFETCH(double, f_Rsi);
    M2_COMPARE_REL(MinimumHeatResistance::temperatureFactor(sumR, R_se), f_Rsi, 1e-15);
}

void TestMinimumHeatResistance::temperatureFactorTexts()
{
    QCOMPARE(MinimumHeatResistance::temperatureFactorRequirementText(0.7),
             QString("DIN 4108-2 Check for minmal <i>f</i><sub>Rsi</sub> &gt;= 0.7"));
    QCOMPARE(MinimumHeatResistance::temperatureFactorResultText(0.9525400132887962, true),
             QString("<i>f</i><sub>Rsi</sub> = 0.95"));
    QCOMPARE(MinimumHeatResistance::temperatureFactorResultText(0.4036458278408288, false),
             QString("<i>f</i><sub>Rsi</sub> = <font color=\"#FF0000\"><b>0.40</b></font>"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(MinimumHeatResistance::temperatureFactorRequirementText(1.1),
             QString("DIN 4108-2 Check for minmal <i>f</i><sub>Rsi</sub> &gt;= 1,1"));
    QCOMPARE(MinimumHeatResistance::temperatureFactorResultText(0.9589738965781525, true),
             QString("<i>f</i><sub>Rsi</sub> = 0,96"));
}

void TestMinimumHeatResistance::evaluate()
{
    // A case of the independent reference: 2013 edition, type 4, inside 16.6 °C / 93.8 %,
    // R_se 0.08 m²K/W: the resistance suffices, the temperature factor does not.
    const MinimumHeatResistance::Result r = MinimumHeatResistance::evaluate(
        1, 4, 5.763681318681318, 5.763681318681318, true, 16.6, 93.8, 0.08);
    QCOMPARE(r.m_edition, 1);
    QCOMPARE(r.m_type, 4);
    QCOMPARE(r.m_editionName, QString("DIN 4108-2 2013 Tab. 3"));
    QCOMPARE(r.m_name,
             QString("Ceiling between rooms of different use and apartment separating ceiling"));
    QCOMPARE(r.m_row, QString("6.2"));
    QVERIFY(r.m_R_min == 0.35);
    QVERIFY(r.m_fulfilled);
    QVERIFY(r.m_frsiChecked);
    QVERIFY(r.m_f_min == 1.1);
    M2_COMPARE_REL(r.m_f_Rsi, 0.9589738965781525, 1e-15);
    QVERIFY(!r.m_frsiFulfilled);

    // type 12 asked of the 2004 edition: unknown, outer-wall resistance
    const MinimumHeatResistance::Result u = MinimumHeatResistance::evaluate(
        0, 12, 3.7742794895736065, 3.7742794895736065, true, 20, 50, 0.04);
    QCOMPARE(u.m_name, QString("Unknown"));
    QCOMPARE(u.m_row, QString());
    QVERIFY(u.m_R_min == 1.2);
    QVERIFY(u.m_fulfilled);
    QVERIFY(u.m_f_min == 0.7);
    M2_COMPARE_REL(u.m_f_Rsi, 0.9384884822411098, 1e-15);
    QVERIFY(u.m_frsiFulfilled);
}

void TestMinimumHeatResistance::evaluateAtMinusFive()
{
    // Inside at the outside temperature of the criterion: the required factor is undefined,
    // the check is reported as not fulfilled; the resistance check is unaffected.
    QVERIFY(std::isnan(MinimumHeatResistance::requiredTemperatureFactor(-5, 50)));
    QVERIFY(std::isnan(MinimumHeatResistance::requiredTemperatureFactor(-5, 80)));
    const MinimumHeatResistance::Result r = MinimumHeatResistance::evaluate(
        1, 12, 3.7742794895736065, 3.7742794895736065, true, -5, 50, 0.04);
    QVERIFY(r.m_frsiChecked);
    QVERIFY(std::isnan(r.m_f_min));
    M2_COMPARE_REL(r.m_f_Rsi, 0.9384884822411098, 1e-15);
    QVERIFY(!r.m_frsiFulfilled);
    QVERIFY(r.m_fulfilled);
    QVERIFY(!MinimumHeatResistance::temperatureFactorFulfilled(
        std::numeric_limits<double>::quiet_NaN(), 1.0));
    // just beside −5 °C the factor is defined again
    QVERIFY(std::isfinite(MinimumHeatResistance::requiredTemperatureFactor(-4.9, 50)));
}

void TestMinimumHeatResistance::evaluateWithoutFrsiCheck()
{
    const MinimumHeatResistance::Result r =
        MinimumHeatResistance::evaluate(1, 12, 0.5, 0.5, false, 20, 50, 0.04);
    QVERIFY(!r.m_frsiChecked);
    QVERIFY(!r.m_frsiFulfilled);
    QVERIFY(!r.m_fulfilled);
    QVERIFY(r.m_R_min == 1.2);
}

M2_TEST_GUILESS_MAIN(TestMinimumHeatResistance)
#include "tst_MinimumHeatResistance.moc"
