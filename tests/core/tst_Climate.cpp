#include <QtTest>
#include <cmath>

#include "TestSupport.h"
#include "model/Climate.h"

Q_DECLARE_METATYPE(Climate::Side)
Q_DECLARE_METATYPE(Climate::Period)
Q_DECLARE_METATYPE(Climate::Quantity)

/*  The climate record: presets, recognition and application of the assessment conditions,
    validity and equality. */
class tst_Climate : public QObject
{
    Q_OBJECT

private slots:
    void newRecord_din2014();
    void newRecord_din2001();
    void newRecord_custom();
    void periodLengths_SI();
    void preferredPreset_data();
    void preferredPreset();
    void applyKeepsAllowedPreset();
    void applyCustomOutdoorPreset();
    void applyCustomKeepsValues();
    void recognition_afterEdit_data();
    void recognition_afterEdit();
    void customIndoorPresetNeverRecognised();
    void settersWithoutRecognition();
    void readerScenario_summerResistancesFromWinter();
    void setValue_periods();
    void presetId_byValue_data();
    void presetId_byValue();
    void presetName_byValue();
    void presetNames_perCondition_data();
    void presetNames_perCondition();
    void copyPreset();
    void toleranceHelper();
    void assessmentConditionText_data();
    void assessmentConditionText();
    void validity_data();
    void validity();
    void equality();

private:
    static void verifyCondition(const ClimateCondition &c, double T, double rh, double Rs);
};

void tst_Climate::verifyCondition(const ClimateCondition &c, double T, double rh, double Rs)
{
    QCOMPARE(c.m_T, T);
    QCOMPARE(c.m_rh, rh);
    QCOMPARE(c.m_Rs, Rs);
}

void tst_Climate::newRecord_din2014()
{
    const Climate c; // DIN 4108-3 2014 and later, no preferred preset
    QCOMPARE(c.assessmentCondition(), int(Climate::AC_DIN4108_2014));
    QCOMPARE(c.recogniseAssessmentCondition(), int(Climate::AC_DIN4108_2014));
    verifyCondition(c.insideWinter(), 20, 50, 0.25);
    QCOMPARE(c.insideWinter().m_kind, 2);
    QCOMPARE(c.insideWinter().m_side, 0);
    verifyCondition(c.outsideWinter(), -5, 80, 0.04);
    QCOMPARE(c.outsideWinter().m_kind, 0);
    QCOMPARE(c.outsideWinter().m_side, 1);
    QCOMPARE(c.tT(), 90.0);
    QCOMPARE(c.tT_summer(), 90.0);
    QCOMPARE(c.pv_i_summer(), 1200.0);
    QCOMPARE(c.pv_e_summer(), 1200.0);
    QCOMPARE(c.psat_summer(), 1700.0);
    // 49.342 * 1700^(1/8.02) - 109.8 = 14.9429 °C; 1200 / 1700 * 100 = 70.5882 %
    M2_COMPARE_ABS(c.insideSummer().m_T, 14.9429, 1e-4);
    M2_COMPARE_ABS(c.outsideSummer().m_T, 14.9429, 1e-4);
    M2_COMPARE_ABS(c.insideSummer().m_rh, 70.5882, 1e-4);
    M2_COMPARE_ABS(c.outsideSummer().m_rh, 70.5882, 1e-4);
    QCOMPARE(c.insideSummer().m_Rs, 0.25);
    QCOMPARE(c.outsideSummer().m_Rs, 0.04);
    QVERIFY(c.isValid());
}

void tst_Climate::newRecord_din2001()
{
    const Climate c(Climate::AC_DIN4108_2001);
    QCOMPARE(c.assessmentCondition(), int(Climate::AC_DIN4108_2001));
    QCOMPARE(c.recogniseAssessmentCondition(), int(Climate::AC_DIN4108_2001));
    verifyCondition(c.insideWinter(), 20, 50, 0.13);
    verifyCondition(c.outsideWinter(), -10, 80, 0.04);
    QCOMPARE(c.tT(), 60.0);
    QCOMPARE(c.tT_summer(), 90.0);
    verifyCondition(c.insideSummer(), 12, 70, 0.13);
    verifyCondition(c.outsideSummer(), 12, 70, 0.04);
    QVERIFY(c.isValid());
}

void tst_Climate::newRecord_custom()
{
    const Climate c(Climate::AC_Custom);
    QCOMPARE(c.assessmentCondition(), int(Climate::AC_Custom));
    verifyCondition(c.insideWinter(), 20, 50, 0.125);
    QCOMPARE(c.insideWinter().m_side, 0);
    // The outside takes the custom outdoor row, not the indoor row that shares identifier 0.
    verifyCondition(c.outsideWinter(), -10, 70, 0.04);
    QCOMPARE(c.outsideWinter().m_side, 1);
    QCOMPARE(c.outsideWinter().m_kind, 0);
    QCOMPARE(c.recogniseAssessmentCondition(), int(Climate::AC_Custom));
}

void tst_Climate::periodLengths_SI()
{
    Climate c(Climate::AC_DIN4108_2001);
    QCOMPARE(c.tT(true), 60.0 * 24 * 3600);
    QCOMPARE(c.tT_summer(true), 90.0 * 24 * 3600);
    c.setTT(12.5);
    QCOMPARE(c.tT(), 12.5);
    QCOMPARE(c.tT(true), 1080000.0);
}

void tst_Climate::preferredPreset_data()
{
    QTest::addColumn<int>("condition");
    QTest::addColumn<int>("preset");
    QTest::addColumn<double>("Rsi");
    QTest::addColumn<double>("Rse");
    QTest::addColumn<double>("Te");

    QTest::newRow("2001 none") << 1 << 17 << 0.13 << 0.04 << -10.0;
    QTest::newRow("2001 inside downwards") << 1 << 2 << 0.17 << 0.04 << -10.0;
    QTest::newRow("2001 ventilated") << 1 << 12 << 0.13 << 0.08 << -10.0;
    QTest::newRow("2001 ground") << 1 << 14 << 0.13 << 1e-8 << -10.0;
    // not allowed for the condition: ignored
    QTest::newRow("2001 ISO 6946") << 1 << 5 << 0.13 << 0.04 << -10.0;
    QTest::newRow("2001 ground 2024") << 1 << 15 << 0.13 << 0.04 << -10.0;
    QTest::newRow("2014 ventilated") << 2 << 12 << 0.25 << 0.04 << -5.0;
    QTest::newRow("custom upwards") << 0 << 5 << 0.10 << 0.04 << -10.0;
    QTest::newRow("custom ISO outdoor") << 0 << 16 << 0.125 << 0.04 << -10.0;
}

void tst_Climate::preferredPreset()
{
    QFETCH(int, condition);
    QFETCH(int, preset);
    QFETCH(double, Rsi);
    QFETCH(double, Rse);
    QFETCH(double, Te);
    const Climate c(condition, preset);
    QCOMPARE(c.insideWinter().m_Rs, Rsi);
    QCOMPARE(c.outsideWinter().m_Rs, Rse);
    QCOMPARE(c.outsideWinter().m_T, Te);
    QCOMPARE(c.assessmentCondition(), condition);
    if (condition != 0) {
        QCOMPARE(c.recogniseAssessmentCondition(), condition);
        QCOMPARE(c.insideSummer().m_Rs, Rsi);
        QCOMPARE(c.outsideSummer().m_Rs, Rse);
    }
}

void tst_Climate::applyKeepsAllowedPreset()
{
    Climate c(Climate::AC_DIN4108_2001, 14); // outside: ground
    c.applyAssessmentCondition(Climate::AC_DIN4108_2001);
    QCOMPARE(c.outsideWinter().m_Rs, 1e-8);
    // switching to 2014: the 2001 presets are not allowed, the 2014 ones take their place
    c.applyAssessmentCondition(Climate::AC_DIN4108_2014);
    verifyCondition(c.insideWinter(), 20, 50, 0.25);
    verifyCondition(c.outsideWinter(), -5, 80, 0.04);
    QCOMPARE(c.tT(), 90.0);
    QCOMPARE(c.recogniseAssessmentCondition(), 2);
    // and back: the smallest allowed identifiers 1 and 11
    c.applyAssessmentCondition(Climate::AC_DIN4108_2001);
    verifyCondition(c.insideWinter(), 20, 50, 0.13);
    verifyCondition(c.outsideWinter(), -10, 80, 0.04);
    QCOMPARE(c.tT(), 60.0);
    verifyCondition(c.insideSummer(), 12, 70, 0.13);
    QCOMPARE(c.assessmentCondition(), 1);
}

void tst_Climate::applyCustomOutdoorPreset()
{
    // Identifier 0 names both custom presets. Chosen for the outside, it rewrites the outside
    // and leaves the inside preset alone.
    Climate c(Climate::AC_DIN4108_2001);
    c.applyAssessmentCondition(Climate::AC_Custom, 0, Climate::Outside);
    verifyCondition(c.insideWinter(), 20, 50, 0.13);
    verifyCondition(c.outsideWinter(), -10, 70, 0.04);
    QCOMPARE(c.outsideWinter().m_side, 1);
    // chosen for the inside, the inside takes the custom indoor preset
    Climate d(Climate::AC_DIN4108_2001);
    d.applyAssessmentCondition(Climate::AC_Custom, 0, Climate::Inside);
    verifyCondition(d.insideWinter(), 20, 50, 0.125);
    verifyCondition(d.outsideWinter(), -10, 80, 0.04);
    // a preset of the other side than the one given is ignored
    Climate e(Climate::AC_DIN4108_2001);
    e.applyAssessmentCondition(Climate::AC_Custom, 5, Climate::Outside);
    verifyCondition(e.insideWinter(), 20, 50, 0.13);
    // without a side the identifier decides, and 0 counts as the indoor preset
    Climate f(Climate::AC_DIN4108_2001);
    f.applyAssessmentCondition(Climate::AC_Custom, 0);
    verifyCondition(f.insideWinter(), 20, 50, 0.125);
    verifyCondition(f.outsideWinter(), -10, 80, 0.04);
    f.applyAssessmentCondition(Climate::AC_Custom, 12);
    verifyCondition(f.outsideWinter(), -10, 80, 0.08);
}

void tst_Climate::applyCustomKeepsValues()
{
    Climate c;
    c.setTT(75);
    QCOMPARE(c.assessmentCondition(), 0);
    c.setTT(90);
    QCOMPARE(c.assessmentCondition(), 2);
    // the 2014 presets are allowed for custom conditions: the values stay, the stored
    // condition is the one applied
    c.applyAssessmentCondition(Climate::AC_Custom);
    QCOMPARE(c.assessmentCondition(), 0);
    verifyCondition(c.insideWinter(), 20, 50, 0.25);
    verifyCondition(c.outsideWinter(), -5, 80, 0.04);
    QCOMPARE(c.tT(), 90.0);
    M2_COMPARE_ABS(c.insideSummer().m_T, 14.9429, 1e-4);
}

void tst_Climate::recognition_afterEdit_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<Climate::Side>("side");
    QTest::addColumn<Climate::Period>("period");
    QTest::addColumn<Climate::Quantity>("quantity");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");

    using C = Climate;
    QTest::newRow("2014 Ti unchanged") << 2 << C::Inside << C::Winter << C::Q_T << 20.0 << 2;
    QTest::newRow("2014 Ti 21") << 2 << C::Inside << C::Winter << C::Q_T << 21.0 << 0;
    // within the tolerance of 1e-4
    QTest::newRow("2014 Ti +0.99e-4") << 2 << C::Inside << C::Winter << C::Q_T << 20.000099 << 2;
    QTest::newRow("2014 Ti +1.0001e-4")
        << 2 << C::Inside << C::Winter << C::Q_T << 20.00010001 << 0;
    QTest::newRow("2014 Te -10") << 2 << C::Outside << C::Winter << C::Q_T << -10.0 << 0;
    // R_si changed without R_si,summer
    QTest::newRow("2014 Rsi winter") << 2 << C::Inside << C::Winter << C::Q_Rs << 0.13 << 0;
    QTest::newRow("2001 Rsi winter") << 1 << C::Inside << C::Winter << C::Q_Rs << 0.17 << 0;
    // both changed: preset 2 (2001, downwards) is recognised
    QTest::newRow("2001 Rsi both") << 1 << C::Inside << C::Both << C::Q_Rs << 0.17 << 1;
    // 2001 inside preset with a 2014 outside preset: mixed standards
    QTest::newRow("2014 Rsi both") << 2 << C::Inside << C::Both << C::Q_Rs << 0.13 << 0;
    QTest::newRow("2001 Rse ground both") << 1 << C::Outside << C::Both << C::Q_Rs << 1e-8 << 1;
    QTest::newRow("2001 Rse summer") << 1 << C::Outside << C::Summer << C::Q_Rs << 0.08 << 0;
    QTest::newRow("2001 summer T 13") << 1 << C::Outside << C::Summer << C::Q_T << 13.0 << 0;
    QTest::newRow("2001 summer rh 70") << 1 << C::Inside << C::Summer << C::Q_rh << 70.0 << 1;
    QTest::newRow("2001 summer rh 71") << 1 << C::Inside << C::Summer << C::Q_rh << 71.0 << 0;
    QTest::newRow("2014 summer rh 70") << 2 << C::Inside << C::Summer << C::Q_rh << 70.0 << 0;
    QTest::newRow("2014 summer T 14.94") << 2 << C::Outside << C::Summer << C::Q_T << 14.94 << 0;
    QTest::newRow("2014 summer T 14.9429")
        << 2 << C::Outside << C::Summer << C::Q_T << 14.9429 << 2;
}

void tst_Climate::recognition_afterEdit()
{
    QFETCH(int, start);
    QFETCH(Climate::Side, side);
    QFETCH(Climate::Period, period);
    QFETCH(Climate::Quantity, quantity);
    QFETCH(double, value);
    QFETCH(int, expected);
    Climate c(start);
    c.setValue(side, period, quantity, value);
    QCOMPARE(c.assessmentCondition(), expected);
    QCOMPARE(c.recogniseAssessmentCondition(), expected);
}

void tst_Climate::customIndoorPresetNeverRecognised()
{
    Climate c;
    ClimateCondition custom;
    QVERIFY(ClimatePresets::copyPreset(0, custom));
    verifyCondition(custom, 20, 50, 0.125);
    c.setInsideWinter(custom);
    c.setValue(Climate::Inside, Climate::Summer, Climate::Q_Rs, 0.125);
    QCOMPARE(c.assessmentCondition(), 0);

    // the period lengths decide too: 60 days are allowed, 61 are not
    Climate d;
    d.setTT(60);
    QCOMPARE(d.assessmentCondition(), 2);
    d.setTT(61);
    QCOMPARE(d.assessmentCondition(), 0);
    d.setTT(90);
    QCOMPARE(d.assessmentCondition(), 2);
    d.setTT_summer(60);
    QCOMPARE(d.assessmentCondition(), 0);
    d.setTT_summer(90);
    QCOMPARE(d.assessmentCondition(), 2);

    // an inside condition with the right values but not tagged as an indoor preset
    ClimateCondition untagged;
    untagged.m_T = 20;
    untagged.m_rh = 50;
    untagged.m_Rs = 0.25; // kind 3, side 1: a fresh condition
    d.setInsideWinter(untagged);
    QCOMPARE(d.assessmentCondition(), 0);
}

void tst_Climate::settersWithoutRecognition()
{
    Climate c;
    c.setTT(61, false);
    QCOMPARE(c.assessmentCondition(), 2);
    QCOMPARE(c.recogniseAssessmentCondition(), 0);
    c.updateAssessmentCondition();
    QCOMPARE(c.assessmentCondition(), 0);

    c.setTT(90, false);
    c.setValue(Climate::Inside, Climate::Winter, Climate::Q_T, 25, false);
    QCOMPARE(c.assessmentCondition(), 0);
    c.setValue(Climate::Inside, Climate::Winter, Climate::Q_T, 20, false);
    QCOMPARE(c.assessmentCondition(), 0);
    c.updateAssessmentCondition();
    QCOMPARE(c.assessmentCondition(), 2);

    // changed summer pressures move the summer state the record expects
    c.setSummerPressures(1000, 1200, 1700);
    QCOMPARE(c.assessmentCondition(), 0);
    c.setSummerPressures(1200, 1200, 1700);
    QCOMPARE(c.assessmentCondition(), 2);
}

void tst_Climate::readerScenario_summerResistancesFromWinter()
{
    // A project file stores only the winter surface resistances. A reader starts from the
    // default record (2014), stores the values of a 2001 record and recognises once.
    using C = Climate;
    for (bool fromWinter : {false, true}) {
        Climate c;
        c.setValue(C::Inside, C::Winter, C::Q_T, 20, false);
        c.setValue(C::Inside, C::Winter, C::Q_rh, 50, false);
        c.setValue(C::Inside, C::Winter, C::Q_Rs, 1 / (1 / 0.13), false);
        c.setValue(C::Inside, C::Summer, C::Q_T, 12, false);
        c.setValue(C::Inside, C::Summer, C::Q_rh, 70, false);
        c.setValue(C::Outside, C::Winter, C::Q_T, -10, false);
        c.setValue(C::Outside, C::Winter, C::Q_rh, 80, false);
        c.setValue(C::Outside, C::Winter, C::Q_Rs, 1 / (1 / 0.04), false);
        c.setValue(C::Outside, C::Summer, C::Q_T, 12, false);
        c.setValue(C::Outside, C::Summer, C::Q_rh, 70, false);
        c.setTT(60, false);
        c.setTT_summer(90, false);
        QCOMPARE(c.assessmentCondition(), 2); // nothing recognised yet
        if (fromWinter)
            c.setSummerSurfaceResistancesFromWinter();
        else
            c.updateAssessmentCondition();
        QCOMPARE(c.assessmentCondition(), fromWinter ? 1 : 0);
        QCOMPARE(c.insideSummer().m_Rs, fromWinter ? 0.13 : 0.25);
        QVERIFY(c.isValid());
        if (fromWinter)
            QVERIFY(c == Climate(Climate::AC_DIN4108_2001));
    }
}

void tst_Climate::setValue_periods()
{
    Climate c(Climate::AC_DIN4108_2001);
    c.setValue(Climate::Outside, Climate::Summer, Climate::Q_T, 15);
    QCOMPARE(c.outsideSummer().m_T, 15.0);
    QCOMPARE(c.outsideWinter().m_T, -10.0);
    QCOMPARE(c.insideSummer().m_T, 12.0);
    c.setValue(Climate::Inside, Climate::Both, Climate::Q_rh, 55);
    QCOMPARE(c.insideWinter().m_rh, 55.0);
    QCOMPARE(c.insideSummer().m_rh, 55.0);
    QCOMPARE(c.outsideWinter().m_rh, 80.0);
    QCOMPARE(c.outsideSummer().m_rh, 70.0);
    c.setValue(Climate::Outside, Climate::Winter, Climate::Q_Rs, 0.08);
    QCOMPARE(c.outsideWinter().m_Rs, 0.08);
    QCOMPARE(c.outsideSummer().m_Rs, 0.04);
    // the preset tags are kept
    QCOMPARE(c.insideWinter().m_kind, 2);
    QCOMPARE(c.insideWinter().m_side, 0);

    ClimateCondition s;
    s.m_T = 5;
    s.m_rh = 60;
    s.m_Rs = 0.2;
    c.setInsideSummer(s);
    verifyCondition(c.insideSummer(), 5, 60, 0.2);
    c.setOutsideSummer(s);
    verifyCondition(c.outsideSummer(), 5, 60, 0.2);
    c.setOutsideWinter(s);
    verifyCondition(c.outsideWinter(), 5, 60, 0.2);
    QCOMPARE(c.assessmentCondition(), 0);
}

void tst_Climate::presetId_byValue_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("rh");
    QTest::addColumn<double>("Rs");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("expected");

    // Several presets share values; the first in the order of the English names wins.
    QTest::newRow("0.13: 2001 before ISO 6946 and 13788") << 20.0 << 50.0 << 0.13 << 2 << 0 << 1;
    QTest::newRow("0.17: 2001 before ISO 6946") << 20.0 << 50.0 << 0.17 << 2 << 0 << 2;
    QTest::newRow("0.25: 2024 before 13788") << 20.0 << 50.0 << 0.25 << 2 << 0 << 10;
    QTest::newRow("0.10: ISO 6946 upwards") << 20.0 << 50.0 << 0.10 << 2 << 0 << 5;
    QTest::newRow("1.0: built-in cupboards") << 20.0 << 50.0 << 1.0 << 2 << 0 << 8;
    QTest::newRow("0.5: normal cupboards") << 20.0 << 50.0 << 0.5 << 2 << 0 << 9;
    QTest::newRow("-10/80/0.04: 2001 before ISO") << -10.0 << 80.0 << 0.04 << 0 << 1 << 11;
    QTest::newRow("ventilated") << -10.0 << 80.0 << 0.08 << 0 << 1 << 12;
    QTest::newRow("2024 outdoor") << -5.0 << 80.0 << 0.04 << 0 << 1 << 13;
    QTest::newRow("2001 ground") << -10.0 << 80.0 << 1e-8 << 0 << 1 << 14;
    QTest::newRow("2024 ground") << -5.0 << 80.0 << 1e-8 << 0 << 1 << 15;
    QTest::newRow("custom outdoor") << -10.0 << 70.0 << 0.04 << 0 << 1 << 0;
    QTest::newRow("no match") << 21.0 << 50.0 << 0.13 << 2 << 0 << 0;
    // kind and side must be equal
    QTest::newRow("kind differs") << 20.0 << 50.0 << 0.13 << 3 << 0 << 0;
    QTest::newRow("side differs") << 20.0 << 50.0 << 0.13 << 2 << 1 << 0;
    QTest::newRow("outdoor kind differs") << -5.0 << 80.0 << 0.04 << 2 << 1 << 0;
    // tolerance 1e-4, inclusive: |0.00010001 - 1e-8| is exactly the double 1e-4
    QTest::newRow("Rs diff exactly 1e-4") << -10.0 << 80.0 << 0.00010001 << 0 << 1 << 14;
    QTest::newRow("Rs diff 1.0001e-4") << -10.0 << 80.0 << 0.00010002 << 0 << 1 << 0;
    QTest::newRow("T diff below 1e-4") << -5.0 - 0.000099 << 80.0 << 0.04 << 0 << 1 << 13;
    QTest::newRow("T diff 1.0001e-4") << -5.0 - 0.00010001 << 80.0 << 0.04 << 0 << 1 << 0;
    QTest::newRow("rh diff below 1e-4") << -5.0 << 80.000099 << 0.04 << 0 << 1 << 13;
    QTest::newRow("rh diff 1.0001e-4") << -5.0 << 79.99989999 << 0.04 << 0 << 1 << 0;
}

void tst_Climate::presetId_byValue()
{
    QFETCH(double, T);
    QFETCH(double, rh);
    QFETCH(double, Rs);
    QFETCH(int, kind);
    QFETCH(int, side);
    QFETCH(int, expected);
    ClimateCondition c;
    c.m_T = T;
    c.m_rh = rh;
    c.m_Rs = Rs;
    c.m_kind = kind;
    c.m_side = side;
    QCOMPARE(ClimatePresets::presetIdForCondition(c), expected);
}

void tst_Climate::presetName_byValue()
{
    ClimateCondition c;
    c.m_T = 20;
    c.m_rh = 50;
    c.m_Rs = 0.13;
    // kind and side are not compared for the name
    QCOMPARE(ClimatePresets::presetNameForCondition(c),
             QStringLiteral(
                 "DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards"));
    c.m_Rs = 0.25;
    QCOMPARE(ClimatePresets::presetNameForCondition(c),
             QStringLiteral("DIN 4108-3_2024 Indoor climate"));
    c.m_T = -10;
    c.m_rh = 80;
    c.m_Rs = 0.04;
    QCOMPARE(ClimatePresets::presetNameForCondition(c),
             QStringLiteral("DIN 4108-3 2001 Outdoor, boundary to outside"));
    c.m_Rs = 0.05;
    QVERIFY(ClimatePresets::presetNameForCondition(c).isEmpty());
}

void tst_Climate::presetNames_perCondition_data()
{
    QTest::addColumn<int>("condition");
    QTest::addColumn<int>("side");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("2014 inside") << 2 << 0 << QStringList{"DIN 4108-3_2024 Indoor climate"};
    QTest::newRow("2014 outside") << 2 << 1 << QStringList{"DIN 4108-3_2024 Outdoor climate"};
    QTest::newRow("2001 inside")
        << 1 << 0
        << QStringList{
               "DIN 4108-3 2001 Indoor climate, heat flow direction downwards",
               "DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards"};
    QTest::newRow("2001 outside")
        << 1 << 1
        << QStringList{"DIN 4108-3 2001 Outdoor, boundary to ground",
                       "DIN 4108-3 2001 Outdoor, boundary to outside",
                       "DIN 4108-3 2001 Outdoor, boundary to ventilated air space"};
    QTest::newRow("custom outside")
        << 0 << 1
        << QStringList{"Custom climate conditions, outdoor",
                       "DIN 4108-3 2001 Outdoor, boundary to ground",
                       "DIN 4108-3 2001 Outdoor, boundary to outside",
                       "DIN 4108-3 2001 Outdoor, boundary to ventilated air space",
                       "DIN 4108-3_2024 Outdoor climate",
                       "DIN EN ISO 6946 Outdoor climate"};
    QTest::newRow("unknown condition") << 3 << 0 << QStringList{};
    QTest::newRow("unknown side") << 0 << 2 << QStringList{};
}

void tst_Climate::presetNames_perCondition()
{
    QFETCH(int, condition);
    QFETCH(int, side);
    QFETCH(QStringList, names);
    QCOMPARE(ClimatePresets::presetNames(condition, side), names);
    QCOMPARE(int(ClimatePresets::presetIds(condition, side).size()), names.size());

    // custom inside: eleven presets, the custom indoor row but not the outdoor one
    const QStringList customInside = ClimatePresets::presetNames(0, 0);
    QCOMPARE(customInside.size(), 11);
    QCOMPARE(customInside.first(), QStringLiteral("Custom climate conditions, indoor"));
    QVERIFY(!customInside.contains(QStringLiteral("Custom climate conditions, outdoor")));
}

void tst_Climate::copyPreset()
{
    ClimateCondition c;
    QVERIFY(ClimatePresets::copyPreset(15, c));
    verifyCondition(c, -5, 80, 1e-8);
    QCOMPARE(c.m_kind, 0);
    QCOMPARE(c.m_side, 1);
    QVERIFY(ClimatePresets::copyPreset(9, c));
    verifyCondition(c, 20, 50, 0.5);
    QCOMPARE(c.m_kind, 2);
    QCOMPARE(c.m_side, 0);
    // identifier 0: the custom indoor row, unless the outdoor side is asked for
    QVERIFY(ClimatePresets::copyPreset(0, c));
    verifyCondition(c, 20, 50, 0.125);
    QVERIFY(ClimatePresets::copyPreset(0, 1, c));
    verifyCondition(c, -10, 70, 0.04);
    QCOMPARE(c.m_side, 1);
    // unknown identifiers leave the condition alone
    QVERIFY(!ClimatePresets::copyPreset(17, c));
    QVERIFY(!ClimatePresets::copyPreset(-1, c));
    verifyCondition(c, -10, 70, 0.04);

    QCOMPARE(ClimatePresets::presetName(16, 1), QStringLiteral("DIN EN ISO 6946 Outdoor climate"));
    QCOMPARE(ClimatePresets::presetIdForName(QStringLiteral("DIN EN ISO 6946 Outdoor climate")),
             16);
    QCOMPARE(ClimatePresets::presetIdForName(QStringLiteral("nothing")), -1);

    // preset 15 is in no allowed set
    for (int condition = 0; condition < 3; ++condition)
        for (int side = 0; side < 2; ++side)
            QVERIFY(!ClimatePresets::isAllowed(15, condition, side));
}

void tst_Climate::toleranceHelper()
{
    QVERIFY(ClimatePresets::equalWithinTolerance(0.0002, 0.0001)); // difference exactly 1e-4
    QVERIFY(ClimatePresets::equalWithinTolerance(1e-4, 0));
    QVERIFY(ClimatePresets::equalWithinTolerance(0, -1e-4));
    QVERIFY(!ClimatePresets::equalWithinTolerance(1.0001e-4, 0));
    QVERIFY(!ClimatePresets::equalWithinTolerance(0, 1.0001e-4));
}

void tst_Climate::assessmentConditionText_data()
{
    QTest::addColumn<int>("condition");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "Custom conditions";
    QTest::newRow("1") << 1 << "German Standard DIN 4108-3 from 2001";
    QTest::newRow("2") << 2 << "German Standard DIN 4108-3 from 2014, 2018 and 2024";
    QTest::newRow("3") << 3 << "Unknown condition";
    QTest::newRow("-1") << -1 << "Unknown condition";
}

void tst_Climate::assessmentConditionText()
{
    QFETCH(int, condition);
    QFETCH(QString, text);
    QCOMPARE(Climate::assessmentConditionText(condition), text);
    QCOMPARE(ClimatePresets::assessmentConditionText(condition), text);
}

void tst_Climate::validity_data()
{
    QTest::addColumn<Climate::Side>("side");
    QTest::addColumn<Climate::Period>("period");
    QTest::addColumn<Climate::Quantity>("quantity");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");

    using C = Climate;
    const double nan = std::nan("");
    QTest::newRow("Ti -40") << C::Inside << C::Winter << C::Q_T << -40.0 << true;
    QTest::newRow("Ti -40.001") << C::Inside << C::Winter << C::Q_T << -40.001 << false;
    QTest::newRow("Ti 80") << C::Inside << C::Winter << C::Q_T << 80.0 << true;
    QTest::newRow("Ti 80.001") << C::Inside << C::Winter << C::Q_T << 80.001 << false;
    QTest::newRow("Te summer 81") << C::Outside << C::Summer << C::Q_T << 81.0 << false;
    QTest::newRow("Ti summer -41") << C::Inside << C::Summer << C::Q_T << -41.0 << false;
    QTest::newRow("Te -41") << C::Outside << C::Winter << C::Q_T << -41.0 << false;
    QTest::newRow("Te NaN") << C::Outside << C::Winter << C::Q_T << nan << false;
    QTest::newRow("rhi 0") << C::Inside << C::Winter << C::Q_rh << 0.0 << true;
    QTest::newRow("rhi 100") << C::Inside << C::Winter << C::Q_rh << 100.0 << true;
    QTest::newRow("rhi 101") << C::Inside << C::Winter << C::Q_rh << 101.0 << false;
    QTest::newRow("rhe -0.1") << C::Outside << C::Winter << C::Q_rh << -0.1 << false;
    QTest::newRow("rhi summer 100.5") << C::Inside << C::Summer << C::Q_rh << 100.5 << false;
    QTest::newRow("rhe summer 101") << C::Outside << C::Summer << C::Q_rh << 101.0 << false;
    QTest::newRow("Rsi 0") << C::Inside << C::Winter << C::Q_Rs << 0.0 << false;
    QTest::newRow("Rsi 1e-8") << C::Inside << C::Winter << C::Q_Rs << 1e-8 << true;
    QTest::newRow("Rse 0") << C::Outside << C::Winter << C::Q_Rs << 0.0 << false;
    QTest::newRow("Rse -0.04") << C::Outside << C::Winter << C::Q_Rs << -0.04 << false;
    // the summer resistances are not checked
    QTest::newRow("Rsi summer 0") << C::Inside << C::Summer << C::Q_Rs << 0.0 << true;
}

void tst_Climate::validity()
{
    QFETCH(Climate::Side, side);
    QFETCH(Climate::Period, period);
    QFETCH(Climate::Quantity, quantity);
    QFETCH(double, value);
    QFETCH(bool, valid);
    Climate c;
    QVERIFY(c.isValid());
    c.setValue(side, period, quantity, value);
    QCOMPARE(c.isValid(), valid);

    // period lengths must be positive
    Climate d;
    d.setTT(0);
    QVERIFY(!d.isValid());
    d.setTT(1);
    d.setTT_summer(-1);
    QVERIFY(!d.isValid());
    d.setTT_summer(0.5);
    QVERIFY(d.isValid());
}

void tst_Climate::equality()
{
    const Climate a;
    Climate b;
    QVERIFY(a == b);
    QVERIFY(!(a != b));

    b.setValue(Climate::Inside, Climate::Winter, Climate::Q_T, 20.00005);
    QVERIFY(a == b);
    b.setValue(Climate::Inside, Climate::Winter, Climate::Q_T, 20.001);
    QVERIFY(a != b);

    using C = Climate;
    struct Change
    {
        C::Side side;
        C::Period period;
        C::Quantity quantity;
        double value;
    };
    const Change changes[] = {
        {C::Inside, C::Winter, C::Q_rh, 51},
        {C::Inside, C::Summer, C::Q_T, 15},
        {C::Inside, C::Summer, C::Q_rh, 71},
        {C::Inside, C::Winter, C::Q_Rs, 0.13},
        {C::Outside, C::Winter, C::Q_T, -4},
        {C::Outside, C::Winter, C::Q_rh, 81},
        {C::Outside, C::Summer, C::Q_T, 16},
        {C::Outside, C::Summer, C::Q_rh, 72},
        {C::Outside, C::Summer, C::Q_Rs, 0.08},
        // the other two resistances count as well: R_se enters the calculation, and R_si,summer
        // decides the recognised assessment condition
        {C::Outside, C::Winter, C::Q_Rs, 0.08},
        {C::Inside, C::Summer, C::Q_Rs, 0.13},
    };
    for (const Change &ch : changes) {
        Climate d;
        d.setValue(ch.side, ch.period, ch.quantity, ch.value);
        QVERIFY2(a != d, qPrintable(QString::number(ch.value)));
    }
    Climate e;
    e.setTT(60);
    QVERIFY(a != e);
    Climate f;
    f.setTT_summer(90.00009);
    QVERIFY(a == f);
    f.setTT_summer(91);
    QVERIFY(a != f);
}

M2_TEST_GUILESS_MAIN(tst_Climate)
#include "tst_Climate.moc"
