#include <QtTest>
#include <cmath>

#include "TestSupport.h"
#include "model/PhysicsFunctions.h"

/*  Saturation vapour pressure forms, their inverse and the air-layer rules. Expected values are
    hand values from the standards' tables or the formulas written out here independently. */
class tst_PhysicsFunctions : public QObject
{
    Q_OBJECT

private slots:
    void p_sat_exp_data();
    void p_sat_exp();
    void p_sat_pow_data();
    void p_sat_pow();
    void T_sat_branches_data();
    void T_sat_branches();
    void T_sat_inverts_power_form_data();
    void T_sat_inverts_power_form();
    void lambda_air_data();
    void lambda_air();
    void lambda_air_tablePoints_data();
    void lambda_air_tablePoints();
    void mu_air_data();
    void mu_air();
};

void tst_PhysicsFunctions::p_sat_exp_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("expected");
    // 0 °C takes the branch over water: exp(0) = 1.
    QTest::newRow("zero") << 0.0 << 610.5;
    QTest::newRow("20 C") << 20.0 << 610.5 * std::exp(17.269 * 20.0 / (237.3 + 20.0));
    QTest::newRow("-10 C") << -10.0 << 610.5 * std::exp(21.875 * -10.0 / (265.5 + -10.0));
    QTest::newRow("tiny negative") << -1e-9 << 610.5 * std::exp(21.875 * -1e-9 / (265.5 - 1e-9));
    // Well-known table values: about 2337 Pa at 20 °C, about 260 Pa at -10 °C.
    QTest::newRow("20 C table") << 20.0 << 2337.0;
    QTest::newRow("-10 C table") << -10.0 << 260.0;
}

void tst_PhysicsFunctions::p_sat_exp()
{
    QFETCH(double, T);
    QFETCH(double, expected);
    const bool tableValue = QByteArray(QTest::currentDataTag()).endsWith("table");
    M2_COMPARE_REL(::p_sat_exp(T), expected, tableValue ? 5e-3 : 1e-15);
}

void tst_PhysicsFunctions::p_sat_pow_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("expected");
    QTest::newRow("zero") << 0.0 << 288.68 * std::pow(1.098, 8.02);
    QTest::newRow("12 C") << 12.0 << 288.68 * std::pow(1.098 + 0.12, 8.02);
    QTest::newRow("-5 C") << -5.0 << 4.689 * std::pow(1.486 - 0.05, 12.3);
    QTest::newRow("tiny negative") << -1e-9 << 4.689 * std::pow(1.486 - 1e-11, 12.3);
    QTest::newRow("zero table") << 0.0 << 611.0;
    QTest::newRow("12 C table") << 12.0 << 1403.0;
}

void tst_PhysicsFunctions::p_sat_pow()
{
    QFETCH(double, T);
    QFETCH(double, expected);
    const bool tableValue = QByteArray(QTest::currentDataTag()).endsWith("table");
    M2_COMPARE_REL(::p_sat_pow(T), expected, tableValue ? 5e-3 : 1e-15);
}

void tst_PhysicsFunctions::T_sat_branches_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("expected");
    // 611 Pa itself belongs to the upper branch.
    QTest::newRow("611 upper") << 611.0 << 49.342 * std::pow(611.0, 1.0 / 8.02) - 109.8;
    QTest::newRow("610.9 lower") << 610.9 << 88.196 * std::pow(610.9, 1.0 / 12.3) - 148.6;
    QTest::newRow("260 lower") << 260.0 << 88.196 * std::pow(260.0, 1.0 / 12.3) - 148.6;
    QTest::newRow("1700 upper") << 1700.0 << 49.342 * std::pow(1700.0, 1.0 / 8.02) - 109.8;
    // The evaporation period of DIN 4108-3 (2014 and later): 1700 Pa belongs to 14.94 °C.
    QTest::newRow("1700 hand") << 1700.0 << 14.9429;
}

void tst_PhysicsFunctions::T_sat_branches()
{
    QFETCH(double, p);
    QFETCH(double, expected);
    const bool hand = QByteArray(QTest::currentDataTag()).endsWith("hand");
    // 1e-13: the exponent literals may differ from 1/12.3 and 1/8.02 in the last bit.
    if (hand)
        M2_COMPARE_ABS(::T_sat(p), expected, 1e-4);
    else
        M2_COMPARE_REL(::T_sat(p), expected, 1e-13);
}

void tst_PhysicsFunctions::T_sat_inverts_power_form_data()
{
    QTest::addColumn<double>("T");
    QTest::newRow("-20") << -20.0;
    QTest::newRow("-5") << -5.0;
    QTest::newRow("5") << 5.0;
    QTest::newRow("14.94") << 14.94;
    QTest::newRow("30") << 30.0;
}

void tst_PhysicsFunctions::T_sat_inverts_power_form()
{
    QFETCH(double, T);
    // The coefficients of the inverse are rounded (88.196 = 4.689^(1/12.3) * 100,
    // 49.342 = 288.68^(1/8.02) * 100): the round trip agrees to a few hundredths of a kelvin.
    M2_COMPARE_ABS(::T_sat(::p_sat_pow(T)), T, 0.02);
}

void tst_PhysicsFunctions::lambda_air_data()
{
    QTest::addColumn<double>("d");
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("expected");

    // Very thin layers: fixed 0.045 W/(m·K), not d / 0.11.
    QTest::newRow("4 mm down") << 0.004 << 0 << 0.045;
    QTest::newRow("3 mm horizontal") << 0.003 << 2 << 0.045;
    QTest::newRow("5 mm up") << 0.005 << 1 << 0.045;
    // R = 0.11 + 0.001 * 0.02 / 0.002 = 0.12, lambda = 0.006 / 0.12 = 0.05
    QTest::newRow("6 mm horizontal") << 0.006 << 2 << 0.05;
    // R = 0.17 + 0.005 * 0.01 / 0.01 = 0.175
    QTest::newRow("20 mm horizontal") << 0.02 << 2 << 0.02 / 0.175;
    // R = 0.16 constant above 15 mm upwards
    QTest::newRow("20 mm up") << 0.02 << 1 << 0.02 / 0.16;
    QTest::newRow("50 mm up") << 0.05 << 1 << 0.3125;
    // R = 0.17 + 0.005 * 0.02 / 0.01 = 0.18
    QTest::newRow("20 mm down") << 0.02 << 0 << 0.02 / 0.18;
    // R = 0.18 constant above 25 mm horizontal: 0.04 / 0.18 = 0.2222
    QTest::newRow("40 mm horizontal") << 0.04 << 2 << 0.2222222222222222;
    // R = 0.19 + 0.015 * 0.02 / 0.025 = 0.202
    QTest::newRow("40 mm down") << 0.04 << 0 << 0.04 / 0.202;
    // Any unknown direction code counts as downwards.
    QTest::newRow("40 mm code 7") << 0.04 << 7 << 0.04 / 0.202;
    QTest::newRow("40 mm code -1") << 0.04 << -1 << 0.04 / 0.202;
    // R = 0.22 + 0.1 * 0.01 / 0.2 = 0.225
    QTest::newRow("200 mm down") << 0.2 << 0 << 0.2 / 0.225;
    // R = 0.23 constant above 0.3 m downwards
    QTest::newRow("500 mm down") << 0.5 << 0 << 0.5 / 0.23;
    QTest::newRow("500 mm horizontal") << 0.5 << 2 << 0.5 / 0.18;
    // R = 0.13 + 0.002 * 0.02 / 0.003 = 0.14333...
    QTest::newRow("9 mm up") << 0.009 << 1 << 0.009 / (0.13 + 0.002 * 0.02 / 0.003);
    // R = 0.15 + 0.002 * 0.01 / 0.005 = 0.154
    QTest::newRow("12 mm up") << 0.012 << 1 << 0.012 / 0.154;
}

void tst_PhysicsFunctions::lambda_air()
{
    QFETCH(double, d);
    QFETCH(int, direction);
    QFETCH(double, expected);
    M2_COMPARE_REL(::lambda_air(d, heatFlowDirectionFromCode(direction)), expected, 1e-12);
}

void tst_PhysicsFunctions::lambda_air_tablePoints_data()
{
    QTest::addColumn<double>("d");
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("R");
    // On a table point the interval ending there is used; its end value is the table value.
    QTest::newRow("7 mm") << 0.007 << 2 << 0.13;
    QTest::newRow("10 mm") << 0.010 << 0 << 0.15;
    QTest::newRow("15 mm up") << 0.015 << 1 << 0.16;
    QTest::newRow("15 mm horizontal") << 0.015 << 2 << 0.17;
    QTest::newRow("25 mm horizontal") << 0.025 << 2 << 0.18;
    QTest::newRow("25 mm down") << 0.025 << 0 << 0.19;
    QTest::newRow("50 mm down") << 0.050 << 0 << 0.21;
    QTest::newRow("100 mm down") << 0.100 << 0 << 0.22;
    QTest::newRow("300 mm down") << 0.300 << 0 << 0.23;
}

void tst_PhysicsFunctions::lambda_air_tablePoints()
{
    QFETCH(double, d);
    QFETCH(int, direction);
    QFETCH(double, R);
    M2_COMPARE_REL(::lambda_air(d, heatFlowDirectionFromCode(direction)), d / R, 1e-14);
    // Just above and below the point the interpolation continues without a jump.
    M2_COMPARE_REL(::lambda_air(d * (1 + 1e-9), heatFlowDirectionFromCode(direction)), d / R, 1e-8);
    M2_COMPARE_REL(::lambda_air(d * (1 - 1e-9), heatFlowDirectionFromCode(direction)), d / R, 1e-8);
}

void tst_PhysicsFunctions::mu_air_data()
{
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("expected");
    QTest::newRow("0") << 0.0 << 1.0;
    QTest::newRow("5 mm") << 0.005 << 1.0;
    QTest::newRow("10 mm") << 0.01 << 1.0;
    QTest::newRow("20 mm") << 0.02 << 0.5;
    QTest::newRow("50 mm") << 0.05 << 0.2;
    QTest::newRow("200 mm") << 0.2 << 0.05;
}

void tst_PhysicsFunctions::mu_air()
{
    QFETCH(double, d);
    QFETCH(double, expected);
    M2_COMPARE_REL(::mu_air(d), expected, 1e-15);
    // the sd-value of an air layer never exceeds 0.01 m
    QVERIFY(::mu_air(d) * d <= 0.01 + 1e-17);
}

M2_TEST_GUILESS_MAIN(tst_PhysicsFunctions)
#include "tst_PhysicsFunctions.moc"
