#include <QDataStream>
#include <QtTest>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "TestSupport.h"
#include "model/Material.h"
#include "persistence/MaterialStream.h"

/*  The material record: validity, effective conductivity and resistance factor of air layers,
    flags, equality, categories, the random colour and the data-stream form. */
class tst_Material : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void fullConstruction();
    void randomColour();
    void flags();
    void validity_data();
    void validity();
    void effectiveLambda_data();
    void effectiveLambda();
    void effectiveMu_data();
    void effectiveMu();
    void equality();
    void categories();
    void streamRoundTrip_data();
    void streamRoundTrip();
    void streamVersion1KeepsFields();
    void streamCategoryClamped_data();
    void streamCategoryClamped();
    void streamEmptyName();
    void streamTruncated();
    void streamUnknownVersion();

private:
    static Material sample();
};

Material tst_Material::sample()
{
    Material m(QStringLiteral("Brick"), 2, QStringLiteral("notes"), QStringLiteral("product"),
               QStringLiteral("producer"), QStringLiteral("source"), 1800, 0.81, 10, 0.01, 0.3,
               0.05, 42);
    m.m_color = QColor(10, 20, 30);
    return m;
}

void tst_Material::defaults()
{
    const Material m;
    QVERIFY(m.m_name.isEmpty());
    QCOMPARE(m.m_category, 13);
    QVERIFY(!m.m_color.isValid());
    QCOMPARE(m.m_rho, 0.0);
    QCOMPARE(m.m_lambda, 0.0);
    QCOMPARE(m.m_mu, 0.0);
    QCOMPARE(m.m_sd_value, 0.0);
    QVERIFY(!m.m_databaseInteger.has_value());
    QVERIFY(m.m_measuringDate.isNull());
    QVERIFY(m.m_flags.empty());
    QCOMPARE(m.m_materialId, 0);
    QVERIFY(m.m_applicationCodes.empty());
    QVERIFY(!m.isValid());
}

void tst_Material::fullConstruction()
{
    const Material m(QStringLiteral("Gypsum"), 6, QStringLiteral("n"), QStringLiteral("p"),
                     QStringLiteral("pr"), QStringLiteral("ds"), 850, 0.25, 8, 0.006, 0.6, 0.3, 7);
    QCOMPARE(m.m_name, QStringLiteral("Gypsum"));
    QCOMPARE(m.m_category, 6);
    QCOMPARE(m.m_notes, QStringLiteral("n"));
    QCOMPARE(m.m_productName, QStringLiteral("p"));
    QCOMPARE(m.m_producer, QStringLiteral("pr"));
    QCOMPARE(m.m_dataSource, QStringLiteral("ds"));
    QCOMPARE(m.m_rho, 850.0);
    QCOMPARE(m.m_lambda, 0.25);
    QCOMPARE(m.m_mu, 8.0);
    QCOMPARE(m.m_mu_min, 8.0);
    QCOMPARE(m.m_mu_max, 8.0);
    QCOMPARE(m.m_w_80, 0.006);
    QCOMPARE(m.m_w_sat, 0.6);
    QCOMPARE(m.m_A_w, 0.3);
    QCOMPARE(m.m_materialId, 7);
    QCOMPARE(m.m_sd_value, 0.0);
    QVERIFY(m.m_flags.empty());
    QVERIFY(m.m_productionDate.isNull());
    QVERIFY(m.m_color.isValid());
    QCOMPARE(m.m_color.alpha(), 255);
    QVERIFY(m.isValid());
}

void tst_Material::randomColour()
{
    // Three draws r1, r2, r3 of 0..32767; red from the third, blue from the first.
    for (unsigned seed : {1u, 42u, 4711u}) {
        std::srand(seed);
        const int r1 = std::rand() % 32768;
        const int r2 = std::rand() % 32768;
        const int r3 = std::rand() % 32768;
        std::srand(seed);
        const Material m(QStringLiteral("x"), 0, {}, {}, {}, {}, 1, 1, 1, 0.1, 0.2, 0, 0);
        QCOMPARE(m.m_color.red(), int(double(r3) * 255.0 / 32767.0));
        QCOMPARE(m.m_color.green(), int(double(r2) * 255.0 / 32767.0));
        QCOMPARE(m.m_color.blue(), int(double(r1) * 255.0 / 32767.0));
        QCOMPARE(m.m_color.alpha(), 255);
    }
}

void tst_Material::flags()
{
    Material m;
    m.setFlags(true, false, false, false);
    QVERIFY(m.isAir());
    QVERIFY(!m.isWood() && !m.isWoodBased() && !m.isFoil());
    QCOMPARE(m.m_flags, std::set<int>{2});
    m.setFlags(false, true, true, true);
    QVERIFY(!m.isAir());
    QVERIFY(m.isWood() && m.isWoodBased() && m.isFoil());
    QCOMPARE(m.m_flags, (std::set<int>{0, 1, 3}));
    m.setFlags(false, false, true, false);
    QCOMPARE(m.m_flags, std::set<int>{1});
    QVERIFY(m.isWoodBased() && !m.isWood());
    m.setFlags(false, false, false, false);
    QVERIFY(m.m_flags.empty());
}

void tst_Material::validity_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");

    QTest::newRow("unchanged") << "" << 0.0 << true;
    QTest::newRow("w_80 = w_sat") << "w_80" << 0.3 << false;
    QTest::newRow("w_80 just below w_sat") << "w_80" << 0.2999 << true;
    QTest::newRow("w_80 0") << "w_80" << 0.0 << false;
    QTest::newRow("w_sat 1") << "w_sat" << 1.0 << true;
    QTest::newRow("w_sat 1.0001") << "w_sat" << 1.0001 << false;
    QTest::newRow("w_sat below w_80") << "w_sat" << 0.005 << false;
    QTest::newRow("A_w 0") << "A_w" << 0.0 << true;
    QTest::newRow("A_w negative") << "A_w" << -1e-9 << false;
    QTest::newRow("rho 0") << "rho" << 0.0 << false;
    QTest::newRow("lambda 0") << "lambda" << 0.0 << false;
    QTest::newRow("lambda NaN") << "lambda" << std::nan("") << false;
    QTest::newRow("mu 0") << "mu" << 0.0 << false;
    QTest::newRow("mu at the lower bound") << "mu" << 1e-6 << true;
    QTest::newRow("mu below the lower bound") << "mu" << 1e-9 << false;
    QTest::newRow("mu infinite") << "mu" << HUGE_VAL << false;
    QTest::newRow("mu at the upper bound") << "mu" << 1e9 << true;
    QTest::newRow("lambda subnormal") << "lambda" << 4.9e-324 << false;
    QTest::newRow("lambda below 1e-6") << "lambda" << 9.9e-7 << false;
    QTest::newRow("lambda 1e-6") << "lambda" << 1e-6 << true;
    QTest::newRow("lambda infinite") << "lambda" << HUGE_VAL << false;
    QTest::newRow("rho infinite") << "rho" << HUGE_VAL << false;
    QTest::newRow("rho above the densest solid") << "rho" << 30001.0 << false;
    QTest::newRow("A_w infinite") << "A_w" << HUGE_VAL << false;
    QTest::newRow("A_w subnormal") << "A_w" << 4.9e-324 << false;
    QTest::newRow("mu_min NaN") << "mu_min" << std::nan("") << false;
    QTest::newRow("mu_max infinite") << "mu_max" << -HUGE_VAL << false;
    QTest::newRow("mu_max 0 (not given)") << "mu_max" << 0.0 << true;
    QTest::newRow("sd-value NaN") << "sd_value" << std::nan("") << false;
    QTest::newRow("sd-value infinite") << "sd_value" << HUGE_VAL << false;
    QTest::newRow("category 12") << "category" << 12.0 << true;
    QTest::newRow("category 13") << "category" << 13.0 << false;
    QTest::newRow("category 0") << "category" << 0.0 << true;
    QTest::newRow("category -1") << "category" << -1.0 << false;
    QTest::newRow("empty name") << "name" << 0.0 << false;
}

void tst_Material::validity()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    QFETCH(bool, valid);
    Material m = sample();
    if (field == "w_80")
        m.m_w_80 = value;
    else if (field == "w_sat")
        m.m_w_sat = value;
    else if (field == "A_w")
        m.m_A_w = value;
    else if (field == "rho")
        m.m_rho = value;
    else if (field == "lambda")
        m.m_lambda = value;
    else if (field == "mu")
        m.m_mu = value;
    else if (field == "mu_min")
        m.m_mu_min = value;
    else if (field == "mu_max")
        m.m_mu_max = value;
    else if (field == "sd_value")
        m.m_sd_value = value;
    else if (field == "category")
        m.m_category = int(value);
    else if (field == "name")
        m.m_name.clear();
    QCOMPARE(m.isValid(), valid);
}

void tst_Material::effectiveLambda_data()
{
    QTest::addColumn<bool>("air");
    QTest::addColumn<double>("d");
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("expected");

    // lambda field 0.025 W/(m·K)
    QTest::newRow("air 40 mm horizontal") << true << 0.04 << 2 << 0.04 / 0.18;
    QTest::newRow("air 40 mm horizontal hand") << true << 0.04 << 2 << 0.2222;
    QTest::newRow("air 40 mm down") << true << 0.04 << 0 << 0.04 / 0.202;
    QTest::newRow("air 3 mm") << true << 0.003 << 2 << 0.045;
    QTest::newRow("air 50 mm up") << true << 0.05 << 1 << 0.05 / 0.16;
    QTest::newRow("air width 0") << true << 0.0 << 2 << 0.025;
    QTest::newRow("air width negative") << true << -0.01 << 2 << 0.025;
    QTest::newRow("plain 40 mm") << false << 0.04 << 2 << 0.025;
    QTest::newRow("plain 3 mm") << false << 0.003 << 0 << 0.025;
}

void tst_Material::effectiveLambda()
{
    QFETCH(bool, air);
    QFETCH(double, d);
    QFETCH(int, direction);
    QFETCH(double, expected);
    Material m(QStringLiteral("Air"), 12, {}, {}, {}, {}, 1.23, 0.025, 1, 0.00001, 1, 0, 0);
    m.setFlags(air, false, false, false);
    const bool hand = QByteArray(QTest::currentDataTag()).endsWith("hand");
    if (hand)
        M2_COMPARE_ABS(m.lambda(d, heatFlowDirectionFromCode(direction)), expected, 5e-5);
    else
        M2_COMPARE_REL(m.lambda(d, heatFlowDirectionFromCode(direction)), expected, 1e-12);
}

void tst_Material::effectiveMu_data()
{
    QTest::addColumn<bool>("air");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("expected");
    QTest::newRow("air 3 mm") << true << 0.003 << 1.0;
    QTest::newRow("air 10 mm") << true << 0.01 << 1.0;
    QTest::newRow("air 50 mm") << true << 0.05 << 0.2;
    QTest::newRow("air 200 mm") << true << 0.2 << 0.05;
    QTest::newRow("plain 200 mm") << false << 0.2 << 15.0;
}

void tst_Material::effectiveMu()
{
    QFETCH(bool, air);
    QFETCH(double, d);
    QFETCH(double, expected);
    Material m(QStringLiteral("x"), 12, {}, {}, {}, {}, 1.23, 0.025, 15, 0.00001, 1, 0, 0);
    m.setFlags(air, false, false, false);
    M2_COMPARE_REL(m.mu(d), expected, 1e-15);
}

void tst_Material::equality()
{
    const Material a = sample();
    Material b = a;
    QVERIFY(a == b);

    // not compared: sd_value, materialId, dates, wood/wood-based/foil flags, w_95, ...
    b.m_sd_value = 3;
    b.m_materialId = 99;
    b.m_measuringDate = QDate(2020, 1, 1);
    b.setFlags(false, true, true, true);
    b.m_w_95 = 0.1;
    b.m_databaseInteger = 5;
    b.m_applicationCodes = {1};
    QVERIFY(a == b);

    // each compared field (doubles exactly: the next double after 0.81 differs)
    const std::vector<std::function<void(Material &)>> changes = {
        [](Material &m) { m.m_color = QColor(10, 20, 31); },
        [](Material &m) { m.m_category = 3; },
        [](Material &m) { m.m_name = "Other"; },
        [](Material &m) { m.setFlags(true, false, false, false); },
        [](Material &m) { m.m_notes = "x"; },
        [](Material &m) { m.m_dataSource = "x"; },
        [](Material &m) { m.m_rho = 1801; },
        [](Material &m) { m.m_lambda = std::nextafter(0.81, 1.0); },
        [](Material &m) { m.m_mu = 11; },
        [](Material &m) { m.m_mu_min = 9; },
        [](Material &m) { m.m_mu_max = 12; },
        [](Material &m) { m.m_A_w = 0.06; },
        [](Material &m) { m.m_w_80 = 0.02; },
        [](Material &m) { m.m_w_sat = 0.31; },
        [](Material &m) { m.m_productName = "x"; },
        [](Material &m) { m.m_producer = "x"; },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        Material c = a;
        changes[i](c);
        QVERIFY2(a != c, qPrintable(QString("change %1").arg(i)));
    }
}

void tst_Material::categories()
{
    const QStringList names = Material::categoryNames();
    QCOMPARE(names.size(), 13);
    QCOMPARE(names.first(), QStringLiteral("Coating"));
    QCOMPARE(names.at(4), QStringLiteral("Concrete containing building materials"));
    QCOMPARE(names.at(11), QStringLiteral("Foils and waterproofing products"));
    QCOMPARE(names.last(), QStringLiteral("Miscellaneous"));
    QCOMPARE(Material::categoryName(7), QStringLiteral("Timber"));
    QCOMPARE(Material::categoryName(13), QStringLiteral("Unknown"));
    QCOMPARE(Material::categoryName(20), QStringLiteral("Unknown"));
    QCOMPARE(Material::categoryName(-1), QStringLiteral("Unknown"));
    QCOMPARE(Material::categoryIndex(QStringLiteral("Soil")), 9);
    QCOMPARE(Material::categoryIndex(QStringLiteral("Coating")), 0);
    QCOMPARE(Material::categoryIndex(QStringLiteral("Unknown")), 13);
    QCOMPARE(Material::categoryIndex(QStringLiteral("soil")), 13);
    QCOMPARE(Material::unknownName(), QStringLiteral("Unknown"));
}

void tst_Material::streamRoundTrip_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
    QTest::newRow("4") << 4;
}

void tst_Material::streamRoundTrip()
{
    QFETCH(int, version);
    Material a = sample();
    a.m_mu_min = 8;
    a.m_mu_max = 12;
    a.m_sd_value = 0.5;
    a.setFlags(true, true, false, true);

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        MaterialStream::write(out, a, version);
    }

    // expected size: strings are 4 + 2*length bytes, ints 4, doubles 8, bools 1
    auto str = [](const QString &s) { return 4 + 2 * s.size(); };
    int size = str(a.m_name) + 4 + str(a.m_notes) + str(a.m_productName) + str(a.m_producer) +
               str(a.m_dataSource) + 3 * 8 + 3 * 8 + 3 * 4;
    if (version > 1)
        size += 3 * 8;
    if (version > 2)
        size += 3;
    if (version > 3)
        size += 1;
    QCOMPARE(bytes.size(), size);

    Material b; // defaults: mu_min, mu_max, sd_value 0
    b.setFlags(false, false, true, false);
    b.m_color = QColor(1, 2, 3, 128);
    QDataStream in(bytes);
    QVERIFY(MaterialStream::read(in, version, 77, b));
    QCOMPARE(b.m_materialId, 77);
    QCOMPARE(b.m_name, a.m_name);
    QCOMPARE(b.m_category, a.m_category);
    QCOMPARE(b.m_notes, a.m_notes);
    QCOMPARE(b.m_productName, a.m_productName);
    QCOMPARE(b.m_producer, a.m_producer);
    QCOMPARE(b.m_dataSource, a.m_dataSource);
    QCOMPARE(b.m_rho, a.m_rho);
    QCOMPARE(b.m_lambda, a.m_lambda);
    QCOMPARE(b.m_mu, a.m_mu);
    QCOMPARE(b.m_w_80, a.m_w_80);
    QCOMPARE(b.m_w_sat, a.m_w_sat);
    QCOMPARE(b.m_A_w, a.m_A_w);
    QCOMPARE(b.m_color.red(), 10);
    QCOMPARE(b.m_color.green(), 20);
    QCOMPARE(b.m_color.blue(), 30);
    QCOMPARE(b.m_color.alpha(), 128); // alpha is not in the stream
    if (version > 1) {
        QCOMPARE(b.m_mu_min, 8.0);
        QCOMPARE(b.m_mu_max, 12.0);
        QCOMPARE(b.m_sd_value, 0.5);
    } else {
        QCOMPARE(b.m_mu_min, 0.0);
        QCOMPARE(b.m_mu_max, 0.0);
        QCOMPARE(b.m_sd_value, 0.0);
    }
    // absent flags are cleared
    QCOMPARE(b.isAir(), version > 2);
    QCOMPARE(b.isWood(), version > 2);
    QVERIFY(!b.isWoodBased());
    QCOMPARE(b.isFoil(), version > 3);
    QVERIFY(in.atEnd());
}

void tst_Material::streamVersion1KeepsFields()
{
    const Material a = sample();
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        MaterialStream::write(out, a, 1);
    }
    Material b;
    b.m_mu_min = 3;
    b.m_mu_max = 4;
    b.m_sd_value = 2;
    b.setFlags(true, true, true, true);
    QDataStream in(bytes);
    QVERIFY(MaterialStream::read(in, 1, 5, b));
    QCOMPARE(b.m_mu_min, 3.0);
    QCOMPARE(b.m_mu_max, 4.0);
    QCOMPARE(b.m_sd_value, 2.0);
    QVERIFY(b.m_flags.empty());
    // a default (invalid) colour becomes the opaque colour read
    QCOMPARE(b.m_color, QColor(10, 20, 30));
}

void tst_Material::streamCategoryClamped_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("read");
    QTest::newRow("20") << 20 << 13;
    QTest::newRow("14") << 14 << 13;
    QTest::newRow("13") << 13 << 13;
    QTest::newRow("12") << 12 << 12;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("-1") << -1 << 13;
}

void tst_Material::streamCategoryClamped()
{
    QFETCH(int, written);
    QFETCH(int, read);
    Material a = sample();
    a.m_category = written;
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        MaterialStream::write(out, a, 4);
    }
    Material b;
    QDataStream in(bytes);
    QVERIFY(MaterialStream::read(in, 4, 0, b));
    QCOMPARE(b.m_category, read);
}

void tst_Material::streamEmptyName()
{
    Material a = sample();
    a.m_name.clear();
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        MaterialStream::write(out, a, 4);
    }
    Material b;
    QDataStream in(bytes);
    QVERIFY(MaterialStream::read(in, 4, 0, b));
    QCOMPARE(b.m_name, QStringLiteral("Unknown"));
}

void tst_Material::streamTruncated()
{
    const Material a = sample();
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        MaterialStream::write(out, a, 4);
    }
    bytes.chop(1); // the foil flag is missing
    Material b;
    b.m_name = QStringLiteral("before");
    QDataStream in(bytes);
    QVERIFY(!MaterialStream::read(in, 4, 9, b));
    // a failed read leaves the material unchanged
    QCOMPARE(b.m_name, QStringLiteral("before"));
    QCOMPARE(b.m_materialId, 0);
}

void tst_Material::streamUnknownVersion()
{
    const Material a = sample();
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        MaterialStream::write(out, a, 4);
    }
    for (int version : {0, 5, -3}) {
        Material b;
        QDataStream in(bytes);
        QVERIFY(!MaterialStream::read(in, version, 1, b));
        QVERIFY(b.m_name.isEmpty());
    }
}

M2_TEST_GUILESS_MAIN(tst_Material)
#include "tst_Material.moc"
