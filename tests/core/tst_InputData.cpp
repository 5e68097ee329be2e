#include <QDataStream>
#include <QtTest>

#include <limits>

#include "TestSupport.h"
#include "model/InputData.h"
#include "persistence/MaterialStream.h"

/*  Construction layers (width units, the sd rule, stream form) and the input data (layer
    operations, validation order, calculability, equality). */
class tst_InputData : public QObject
{
    Q_OBJECT

private slots:
    void layer_defaults();
    void layer_widthUnits_data();
    void layer_widthUnits();
    void layer_sdRule_foil();
    void layer_sdRule_undoSequence();
    void layer_sdRule_airMaterial();
    void layer_sdRule_withoutResistanceFactor();
    void layer_effectiveValues();
    void layer_equality();
    void layer_stream();
    void layer_streamTruncated();
    void inputData_new();
    void inputData_layerOperations();
    void inputData_validate_data();
    void inputData_validate();
    void inputData_faultText_data();
    void inputData_faultText();
    void inputData_allLayersCalculable();
    void inputData_hasAirLayer();
    void inputData_equality();

private:
    static Material plain();
    static Material air();
    static Material foil();
    static Material invalidMaterial();
};

Material tst_InputData::plain()
{
    Material m(QStringLiteral("Concrete"), 4, {}, {}, {}, {}, 2400, 2.1, 80, 0.04, 0.15, 0.01, 3);
    m.m_color = QColor(128, 128, 128);
    return m;
}

Material tst_InputData::air()
{
    Material m(QStringLiteral("Air space"), 12, {}, {}, {}, {}, 1.23, 0.025, 1, 0.00001, 1, 0, 0);
    m.setFlags(true, false, false, false);
    m.m_color = QColor(200, 220, 255);
    return m;
}

Material tst_InputData::foil()
{
    Material m(QStringLiteral("Vapour barrier"), 11, {}, {}, {}, {}, 900, 0.2, 20000, 0.0001, 0.001,
               0, 9);
    m.m_sd_value = 2;
    m.setFlags(false, false, false, true);
    m.m_color = QColor(0, 0, 0);
    return m;
}

Material tst_InputData::invalidMaterial()
{
    Material m = plain();
    m.m_w_80 = m.m_w_sat; // not below saturation
    return m;
}

void tst_InputData::layer_defaults()
{
    const MaterialLayer l;
    QCOMPARE(l.m_width, 0.0);
    QCOMPARE(l.width(), 0.0);
    QCOMPARE(l.m_category, 13);
    QVERIFY(l.m_name.isEmpty());
}

void tst_InputData::layer_widthUnits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unitCode");
    QTest::addColumn<double>("metres");
    QTest::newRow("12 cm") << 12.0 << 100 << 0.12;
    QTest::newRow("120 mm") << 120.0 << 1000 << 0.12;
    QTest::newRow("1.2 dm") << 1.2 << 10 << 0.12;
    QTest::newRow("0.12 m") << 0.12 << 1 << 0.12;
    QTest::newRow("unknown code 7 is metres") << 0.3 << 7 << 0.3;
    QTest::newRow("code 0 is metres") << 0.3 << 0 << 0.3;
    // no range check: the validation reports it
    QTest::newRow("negative") << -5.0 << 1000 << -0.005;
    QTest::newRow("zero") << 0.0 << 100 << 0.0;
}

void tst_InputData::layer_widthUnits()
{
    QFETCH(double, value);
    QFETCH(int, unitCode);
    QFETCH(double, metres);
    MaterialLayer l(plain(), 0.2);
    l.setWidth(value, unitCode);
    M2_COMPARE_REL(l.m_width, metres, 1e-15);
    M2_COMPARE_REL(l.width(1), metres, 1e-15);
    M2_COMPARE_REL(l.width(10), metres * 10, 1e-15);
    M2_COMPARE_REL(l.width(100), metres * 100, 1e-15);
    M2_COMPARE_REL(l.width(1000), metres * 1000, 1e-15);
    M2_COMPARE_REL(l.width(3), metres, 1e-15);
}

void tst_InputData::layer_sdRule_foil()
{
    // 2 m sd-value with mu 20000: 2 / 20000 = 0.0001 m
    const MaterialLayer direct(foil(), 0.05);
    M2_COMPARE_REL(direct.m_width, 0.0001, 1e-15);

    MaterialLayer l(plain(), 0.05);
    QCOMPARE(l.m_width, 0.05);
    l.changeMaterial(foil());
    M2_COMPARE_REL(l.width(), 0.0001, 1e-15);
    QCOMPARE(l.m_name, QStringLiteral("Vapour barrier"));
    QVERIFY(l.isFoil());
    // the width of an sd-specified layer follows from its material only
    l.setWidth(0.05, 1);
    M2_COMPARE_REL(l.width(), 0.0001, 1e-15);
    l.setWidth(30, 1000);
    M2_COMPARE_REL(l.width(), 0.0001, 1e-15);
    M2_COMPARE_REL(l.width(1000), 0.1, 1e-15);
}

void tst_InputData::layer_sdRule_undoSequence()
{
    // Undo of a material change: restore the old material, then the old width with unit code 1.
    MaterialLayer l(plain(), 0.05);
    l.changeMaterial(foil());
    l.changeMaterial(plain());
    M2_COMPARE_REL(l.width(), 0.0001, 1e-15); // the width stays until it is set again
    l.setWidth(0.05, 1);
    QCOMPARE(l.width(), 0.05);
    QVERIFY(l == MaterialLayer(plain(), 0.05));
}

void tst_InputData::layer_sdRule_airMaterial()
{
    // an air material without sd-value keeps the width
    MaterialLayer l(plain(), 0.04);
    l.changeMaterial(air());
    QCOMPARE(l.width(), 0.04);
    QVERIFY(l.isAir());

    // with an sd-value the factor is evaluated at the current width: mu = 1 at 2 mm
    Material sdAir = air();
    sdAir.m_sd_value = 0.005;
    MaterialLayer m(plain(), 0.002);
    m.changeMaterial(sdAir);
    M2_COMPARE_REL(m.width(), 0.005, 1e-15);
    // at 0.05 m the factor of an air layer is 0.2: 0.01 / 0.2 = 0.05 m
    sdAir.m_sd_value = 0.01;
    const MaterialLayer n(sdAir, 0.05);
    M2_COMPARE_REL(n.width(), 0.05, 1e-15);
}

void tst_InputData::layer_sdRule_withoutResistanceFactor()
{
    // sd-value without a positive factor: no infinite width, the material is reported invalid
    Material m = foil();
    m.m_mu = 0;
    MaterialLayer l(m, 0.03);
    QCOMPARE(l.width(), 0.03);
    InputData d;
    d.insertLayer(0, l);
    QCOMPARE(d.validate(), InputStatus::InvalidMaterial);
}

void tst_InputData::layer_effectiveValues()
{
    MaterialLayer l(air(), 0.04);
    // R = 0.18 horizontal; R = 0.19 + 0.015 * 0.02 / 0.025 = 0.202 downwards
    M2_COMPARE_REL(l.lambda(HeatFlowDirection::Horizontal), 0.04 / 0.18, 1e-12);
    M2_COMPARE_REL(l.lambda(HeatFlowDirection::Downwards), 0.04 / 0.202, 1e-12);
    QCOMPARE(l.mu(), 1.0 / 4);
    l.setWidth(0.2);
    QCOMPARE(l.mu(), 0.05);
    l.setWidth(0.003);
    QCOMPARE(l.lambda(HeatFlowDirection::Upwards), 0.045);
    QCOMPARE(l.mu(), 1.0);
    // the material accessors stay usable at other widths
    M2_COMPARE_REL(l.lambda(0.02, HeatFlowDirection::Horizontal), 0.02 / 0.175, 1e-12);
    QCOMPARE(l.mu(0.05), 0.2);
    const Material &asMaterial = l;
    QCOMPARE(asMaterial.lambda(0.0, HeatFlowDirection::Horizontal), 0.025);

    const MaterialLayer p(plain(), 0.2);
    QCOMPARE(p.lambda(HeatFlowDirection::Horizontal), 2.1);
    QCOMPARE(p.mu(), 80.0);
}

void tst_InputData::layer_equality()
{
    const MaterialLayer a(plain(), 0.2);
    MaterialLayer b(plain(), 0.2);
    QVERIFY(a == b);
    b.setWidth(std::nextafter(0.2, 1.0));
    QVERIFY(a != b);
    b.setWidth(0.2);
    b.m_rho = 2401;
    QVERIFY(a != b);
    b.m_rho = 2400;
    b.m_materialId = 1234; // not compared
    QVERIFY(a == b);
}

void tst_InputData::layer_stream()
{
    MaterialLayer a(foil(), 1);
    a.m_mu_min = 10000;
    a.m_mu_max = 30000;
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        MaterialStream::write(out, a);
    }
    {
        QDataStream in(bytes);
        qint32 version = 0;
        double width = 0;
        in >> version >> width;
        QCOMPARE(version, 4);
        QCOMPARE(width, a.m_width);
    }
    MaterialLayer b;
    QDataStream in(bytes);
    QVERIFY(MaterialStream::read(in, b));
    QVERIFY(in.atEnd());
    QVERIFY(a == b);
    QCOMPARE(b.m_width, a.m_width);
    QCOMPARE(b.m_materialId, 65536);
    QCOMPARE(b.m_sd_value, 2.0);
    QCOMPARE(b.m_mu_min, 10000.0);
    QVERIFY(b.isFoil());
    QVERIFY(!b.isAir());
}

void tst_InputData::layer_streamTruncated()
{
    const MaterialLayer a(plain(), 0.3);
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        MaterialStream::write(out, a);
    }
    bytes.chop(3);
    MaterialLayer b(air(), 0.07);
    QDataStream in(bytes);
    QVERIFY(!MaterialStream::read(in, b));
    QCOMPARE(b.m_width, 0.07);
    QVERIFY(b.isAir());

    // an unknown material version fails as well
    QByteArray other;
    {
        QDataStream out(&other, QIODevice::WriteOnly);
        out << qint32(9) << 0.3;
    }
    other.append(bytes.mid(12));
    QDataStream in2(other);
    QVERIFY(!MaterialStream::read(in2, b));
    QCOMPARE(b.m_width, 0.07);
}

void tst_InputData::inputData_new()
{
    const InputData d;
    QCOMPARE(d.layerCount(), 0);
    QCOMPARE(d.status(), InputStatus::Valid);
    QCOMPARE(d.climate().assessmentCondition(), 2);
    QVERIFY(d.climate() == Climate(Climate::AC_DIN4108_2014));
    QCOMPARE(d.climate().insideWinter().m_Rs, 0.25);
    QVERIFY(!d.hasAirLayer());
    QVERIFY(d.allLayersCalculable());
}

void tst_InputData::inputData_layerOperations()
{
    InputData d;
    auto named = [](const QString &name) {
        Material m = tst_InputData::plain();
        m.m_name = name;
        return MaterialLayer(m, 0.1);
    };
    auto names = [&d]() {
        QStringList n;
        for (int i = 0; i < d.layerCount(); ++i)
            n << d.layer(i).m_name;
        return n.join(',');
    };
    d.insertLayer(0, named("B"));
    d.insertLayer(0, named("A")); // warm side of B
    d.insertLayer(2, named("D")); // index == count appends
    d.insertLayer(2, named("C")); // cold side of B
    QCOMPARE(names(), QStringLiteral("A,B,C,D"));
    d.swapLayers(1, 2);
    QCOMPARE(names(), QStringLiteral("A,C,B,D"));
    d.swapLayers(2, 1); // the same swap again undoes it
    QCOMPARE(names(), QStringLiteral("A,B,C,D"));
    d.layer(3).setWidth(0.25);
    d.swapLayers(3, 2);
    QCOMPARE(names(), QStringLiteral("A,B,D,C"));
    QCOMPARE(d.layer(2).width(), 0.25); // the whole layer moves
    d.removeLayer(1);
    QCOMPARE(names(), QStringLiteral("A,D,C"));
    d.removeLayer(2);
    QCOMPARE(names(), QStringLiteral("A,D"));
    // out-of-range indices change nothing
    d.removeLayer(5);
    d.removeLayer(-1);
    d.insertLayer(7, named("X"));
    d.swapLayers(0, 2);
    QCOMPARE(names(), QStringLiteral("A,D"));
    // the inserted layer is a copy
    MaterialLayer e = named("E");
    d.insertLayer(1, e);
    e.m_name = QStringLiteral("changed");
    QCOMPARE(names(), QStringLiteral("A,E,D"));
    const InputData &cd = d;
    QCOMPARE(cd.layer(1).m_name, QStringLiteral("E"));
    d.clearLayers();
    QCOMPARE(d.layerCount(), 0);
}

void tst_InputData::inputData_validate_data()
{
    // layer kinds: v valid, w width 0, m invalid material
    QTest::addColumn<QString>("layers");
    QTest::addColumn<bool>("climateValid");
    QTest::addColumn<int>("status");
    QTest::newRow("empty, valid climate") << "" << true << 0;
    QTest::newRow("empty, invalid climate") << "" << false << 3;
    QTest::newRow("valid") << "vvv" << true << 0;
    QTest::newRow("valid, invalid climate") << "vvv" << false << 3;
    QTest::newRow("width 0, invalid climate") << "vwv" << false << 1;
    QTest::newRow("material, invalid climate") << "vvm" << false << 2;
    // layer 3 width 0, layer 1 invalid material: the first faulty layer wins
    QTest::newRow("material first") << "mvw" << true << 2;
    QTest::newRow("width first") << "vwm" << true << 1;
    QTest::newRow("width first, invalid climate") << "wm" << false << 1;
}

void tst_InputData::inputData_validate()
{
    QFETCH(QString, layers);
    QFETCH(bool, climateValid);
    QFETCH(int, status);
    InputData d;
    for (QChar k : layers) {
        if (k == 'v')
            d.insertLayer(d.layerCount(), MaterialLayer(plain(), 0.1));
        else if (k == 'w')
            d.insertLayer(d.layerCount(), MaterialLayer(plain(), 0));
        else
            d.insertLayer(d.layerCount(), MaterialLayer(invalidMaterial(), 0.1));
    }
    if (!climateValid)
        d.climate().setValue(Climate::Inside, Climate::Winter, Climate::Q_rh, 101);
    d.setStatus(InputStatus::InvalidMaterial); // a stale status is recomputed
    QCOMPARE(int(d.validate()), status);
    QCOMPARE(int(d.status()), status);
}

void tst_InputData::inputData_faultText_data()
{
    // Three valid concrete layers, one fault put into layer (1-based; 0 for the climate); the
    // text must name the same fault validate() reports.
    QTest::addColumn<int>("layer");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("valid") << 0 << "" << 0 << "";
    QTest::newRow("width") << 2 << "width" << 1
                           << "Layer #2 (Concrete): width 0 m, must be greater than 0.";
    QTest::newRow("no name") << 1 << "name" << 2 << "Layer #1: the material has no name.";
    QTest::newRow("rho") << 3 << "rho" << 2
                         << "Layer #3 (Concrete): bulk density 0 kg/m³, must be greater than 0.";
    QTest::newRow("lambda") << 1 << "lambda" << 2
                            << "Layer #1 (Concrete): thermal conductivity -0.5 W/(m·K), must be "
                               "greater than 0.";
    QTest::newRow("mu NaN") << 2 << "mu" << 2
                            << "Layer #2 (Concrete): vapour diffusion resistance factor nan, must "
                               "be greater than 0.";
    QTest::newRow("w_80") << 2 << "w_80" << 2
                          << "Layer #2 (Concrete): moisture content at 80 %RH 0 m³/m³, must be "
                             "greater than 0.";
    QTest::newRow("w_80 not below w_sat")
        << 2 << "w_80 >= w_sat" << 2
        << "Layer #2 (Concrete): moisture content at 80 %RH 0.15 m³/m³, must be below the "
           "saturation moisture content 0.15 m³/m³.";
    QTest::newRow("w_sat") << 1 << "w_sat" << 2
                           << "Layer #1 (Concrete): saturation moisture content 1.2 m³/m³, must "
                              "not exceed 1.";
    QTest::newRow("A_w") << 3 << "A_w" << 2
                         << "Layer #3 (Concrete): water absorption coefficient -0.001 "
                            "kg/(m²·s^0.5), must not be negative.";
    QTest::newRow("category") << 3 << "category" << 2
                              << "Layer #3 (Concrete): material category 13 is unknown.";
    QTest::newRow("T inside") << 0 << "T" << 3
                              << "Climate inside, winter: temperature 85 °C, must lie between -40 "
                                 "and 80 °C.";
    QTest::newRow("rh inside") << 0 << "rh" << 3
                               << "Climate inside, winter: relative humidity 101 %, must lie "
                                  "between 0 and 100 %.";
    QTest::newRow("rh outside summer")
        << 0 << "rh outside summer" << 3
        << "Climate outside, summer: relative humidity -1 %, must lie between 0 and 100 %.";
    QTest::newRow("R_se") << 0 << "Rs outside" << 3
                          << "Climate outside: surface resistance 0 m²K/W, must be greater than 0.";
    QTest::newRow("tT") << 0 << "tT" << 3
                        << "Climate: condensation period of 0 days, must be longer than 0 days.";
    QTest::newRow("tT_summer") << 0 << "tT_summer" << 3
                               << "Climate: evaporation period of -5 days, must be longer than 0 "
                                  "days.";
}

void tst_InputData::inputData_faultText()
{
    QFETCH(int, layer);
    QFETCH(QString, fault);
    QFETCH(int, status);
    QFETCH(QString, text);
    InputData d;
    for (int i = 0; i < 3; ++i)
        d.insertLayer(i, MaterialLayer(plain(), 0.1));
    Climate &c = d.climate();
    if (layer > 0) {
        MaterialLayer &l = d.layer(layer - 1);
        if (fault == "width")
            l.m_width = 0;
        else if (fault == "name")
            l.m_name.clear();
        else if (fault == "rho")
            l.m_rho = 0;
        else if (fault == "lambda")
            l.m_lambda = -0.5;
        else if (fault == "mu")
            l.m_mu = std::numeric_limits<double>::quiet_NaN();
        else if (fault == "w_80")
            l.m_w_80 = 0;
        else if (fault == "w_80 >= w_sat")
            l.m_w_80 = l.m_w_sat;
        else if (fault == "w_sat")
            l.m_w_sat = 1.2;
        else if (fault == "A_w")
            l.m_A_w = -0.001;
        else if (fault == "category")
            l.m_category = 13;
    } else if (fault == "T") {
        c.setValue(Climate::Inside, Climate::Winter, Climate::Q_T, 85);
    } else if (fault == "rh") {
        c.setValue(Climate::Inside, Climate::Winter, Climate::Q_rh, 101);
    } else if (fault == "rh outside summer") {
        c.setValue(Climate::Outside, Climate::Summer, Climate::Q_rh, -1);
    } else if (fault == "Rs outside") {
        c.setValue(Climate::Outside, Climate::Winter, Climate::Q_Rs, 0);
    } else if (fault == "tT") {
        c.setTT(0);
    } else if (fault == "tT_summer") {
        c.setTT_summer(-5);
    }
    QCOMPARE(int(d.validate()), status);
    QCOMPARE(d.faultText(), text);

    // A faulty layer is named before a faulty climate, as validate() ranks them.
    if (layer > 0) {
        d.climate().setValue(Climate::Inside, Climate::Winter, Climate::Q_rh, 101);
        QCOMPARE(int(d.validate()), status);
        QCOMPARE(d.faultText(), text);
    }
}

void tst_InputData::inputData_allLayersCalculable()
{
    InputData d;
    d.insertLayer(0, MaterialLayer(plain(), 0.2));
    QVERIFY(d.allLayersCalculable());
    // an air layer whose stored conductivity is 0 is still calculable
    Material a = air();
    a.m_lambda = 0;
    d.insertLayer(1, MaterialLayer(a, 0.04));
    QVERIFY(d.allLayersCalculable());
    // but not at width 0
    d.layer(1).setWidth(0);
    QVERIFY(!d.allLayersCalculable());
    d.layer(1).setWidth(0.04);
    Material p = plain();
    p.m_lambda = 0;
    d.insertLayer(0, MaterialLayer(p, 0.1));
    QVERIFY(!d.allLayersCalculable());
    d.layer(0).m_lambda = 0.5;
    QVERIFY(d.allLayersCalculable());
    d.layer(0).setWidth(-0.1);
    QVERIFY(!d.allLayersCalculable());
}

void tst_InputData::inputData_hasAirLayer()
{
    InputData d;
    d.insertLayer(0, MaterialLayer(plain(), 0.2));
    d.insertLayer(1, MaterialLayer(foil(), 0.2));
    QVERIFY(!d.hasAirLayer());
    d.insertLayer(1, MaterialLayer(air(), 0.02));
    QVERIFY(d.hasAirLayer());
}

void tst_InputData::inputData_equality()
{
    InputData a;
    a.insertLayer(0, MaterialLayer(plain(), 0.2));
    a.insertLayer(1, MaterialLayer(air(), 0.04));
    InputData b = a;
    QVERIFY(a == b);

    b.climate().setValue(Climate::Outside, Climate::Winter, Climate::Q_T, -5.00005);
    QVERIFY(a == b); // climate within its tolerance
    b.climate().setValue(Climate::Outside, Climate::Winter, Climate::Q_T, -6);
    QVERIFY(a != b);

    b = a;
    b.setStatus(InputStatus::InvalidWidth);
    QVERIFY(a != b);

    b = a;
    b.removeLayer(1);
    QVERIFY(a != b);

    b = a;
    b.layer(1).setWidth(0.05);
    QVERIFY(a != b);

    b = a;
    b.swapLayers(0, 1);
    QVERIFY(a != b);
}

M2_TEST_GUILESS_MAIN(tst_InputData)
#include "tst_InputData.moc"
