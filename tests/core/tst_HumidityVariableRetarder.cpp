#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

#include "CatalogueCsv.h"
#include "TestMaterials.h"
#include "TestSupport.h"
#include "calculation/Calculation.h"
#include "calculation/ResultType.h"
#include "document/Project.h"
#include "model/InputData.h"
#include "model/PhysicsFunctions.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialDatabaseFile.h"
#include "persistence/MaterialList.h"
#include "persistence/MaterialStream.h"
#include "persistence/ProjectFileXml.h"

/*  Humidity-variable vapour retarders: a material with a second sd-value for the evaporation
    period. The condensation period computes with the winter value, the drying with the summer
    value; a material without one computes exactly as a material always did, and every file keeps
    the second value without changing the files of materials that have none. */
class tst_HumidityVariableRetarder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void validity_data();
    void validity();
    void summerFactor();
    void equalitySeesSummerValue();
    void oneValueComputesAsBefore_data();
    void oneValueComputesAsBefore();
    void flatRoofDriesFaster();
    void glaserDryingBySummerResistances();
    void catalogueRetarders_data();
    void catalogueRetarders();
    void catalogueRowsSourced();
    void projectFileRoundTrip();
    void projectFileWithoutSummerValueUnchanged();
    void materialStreamVersions();
    void userFileRoundTrip();
    void constructionLayerRoundTrip();
    void databaseFileRoundTrip();
    void projectEdit();

private:
    static Material retarder(double sdWinter, double sdSummer);
    static InputData flatRoof(double sdSummer);
    static QString shippedMaterials()
    {
        return QStringLiteral(M2_BIN_DIR) + QStringLiteral("/resources/DB_materials");
    }
    static QString shippedConstructions()
    {
        return QStringLiteral(M2_BIN_DIR) + QStringLiteral("/resources/DB_constructions");
    }
};

void tst_HumidityVariableRetarder::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

Material tst_HumidityVariableRetarder::retarder(double sdWinter, double sdSummer)
{
    // a 0.3 mm polyamide film: sd 4 m dry, 0.5 m humid
    Material m =
        TestMaterials::material("PA retarder", 0.25, sdWinter / 0.0003, 0.0001, 0.001, 0.00001, 11);
    m.m_sd_value = sdWinter;
    m.m_sd_summer = sdSummer;
    m.setFlags(false, false, false, true);
    return m;
}

/*! An unventilated timber flat roof, warm side first: gypsum board, the retarder, mineral wool
    between the joists, OSB, bitumen. Condensate forms under the OSB in winter. */
InputData tst_HumidityVariableRetarder::flatRoof(double sdSummer)
{
    InputData input;
    input.insertLayer(
        0, MaterialLayer(TestMaterials::material("Gypsum board", 0.25, 8, 0.006, 0.4, 0.01, 6),
                         0.0125));
    input.insertLayer(1, MaterialLayer(retarder(4, sdSummer), 0.0003));
    input.insertLayer(
        2, MaterialLayer(TestMaterials::material("Mineral wool", 0.035, 1, 0.0001, 0.9, 0.00001, 5),
                         0.22));
    input.insertLayer(
        3, MaterialLayer(TestMaterials::material("OSB", 0.13, 200, 0.1, 0.45, 0.001, 6), 0.022));
    Material bitumen =
        TestMaterials::material("Bitumen sheet", 0.23, 50000, 0.0001, 0.001, 0.00001, 11);
    bitumen.m_sd_value = 300;
    input.insertLayer(4, MaterialLayer(bitumen, 0.006));
    input.validate();
    return input;
}

void tst_HumidityVariableRetarder::validity_data()
{
    QTest::addColumn<double>("sdValue");
    QTest::addColumn<double>("sdSummer");
    QTest::addColumn<bool>("valid");
    QTest::newRow("one sd-value") << 4.0 << 0.0 << true;
    QTest::newRow("two sd-values") << 4.0 << 0.5 << true;
    QTest::newRow("summer above winter") << 0.5 << 4.0 << true;
    QTest::newRow("summer without sd-value") << 0.0 << 0.5 << false;
    QTest::newRow("negative summer") << 4.0 << -0.5 << false;
    QTest::newRow("summer beyond bounds") << 4.0 << 1e6 << false;
}

void tst_HumidityVariableRetarder::validity()
{
    QFETCH(double, sdValue);
    QFETCH(double, sdSummer);
    QFETCH(bool, valid);
    Material m = retarder(4, 0);
    m.m_sd_value = sdValue;
    m.m_sd_summer = sdSummer;
    QCOMPARE(m.isValid(), valid);
    // The input names the fault of an invalid layer.
    InputData input;
    input.insertLayer(0, MaterialLayer(m, 0.0003));
    input.validate();
    QCOMPARE(input.faultText().isEmpty(), valid);
}

void tst_HumidityVariableRetarder::summerFactor()
{
    const MaterialLayer layer(retarder(4, 0.5), 1);
    // The sd rule makes the layer sd / mu thick; its summer sd is the summer value.
    QVERIFY(layer.hasSummerSd());
    QVERIFY(qAbs(layer.mu() * layer.m_width - 4) < 1e-12);
    QVERIFY(qAbs(layer.muSummer() * layer.m_width - 0.5) < 1e-12);
    // Without a summer value, and for air, the factor of both periods is the same number.
    const MaterialLayer plain(retarder(4, 0), 1);
    QVERIFY(!plain.hasSummerSd());
    QCOMPARE(plain.muSummer(), plain.mu());
    Material air = retarder(4, 0.5);
    air.setFlags(true, false, false, false);
    QVERIFY(!air.hasSummerSd());
    QCOMPARE(air.muSummer(0.05), air.mu(0.05));
}

void tst_HumidityVariableRetarder::equalitySeesSummerValue()
{
    // A changed summer value changes the results, so a layer with it is another layer.
    QVERIFY(retarder(4, 0.5) != retarder(4, 0.4));
    QVERIFY(retarder(4, 0.5) != retarder(4, 0));
    Material a = retarder(4, 0.5), b = a;
    QVERIFY(a == b);
}

void tst_HumidityVariableRetarder::oneValueComputesAsBefore_data()
{
    QTest::addColumn<bool>("moistureDependentLambda");
    QTest::newRow("dry lambda") << false;
    QTest::newRow("moisture-dependent lambda") << true;
}

void tst_HumidityVariableRetarder::oneValueComputesAsBefore()
{
    QFETCH(bool, moistureDependentLambda);
    CalculationOptions options;
    options.heatFlowDirection = HeatFlowDirection::Upwards;
    options.moistureDependentLambda = moistureDependentLambda;
    // A summer value equal to the winter value scales the factor by exactly 1: the same
    // results, to the last bit, as the material with one sd-value.
    const CalculationOutcome one = Calculation::calculate(flatRoof(0), options);
    const CalculationOutcome same = Calculation::calculate(flatRoof(4), options);
    QVERIFY(one.results.type >= ResultType::CondensationPlane);
    QVERIFY(one.results == same.results);
    QCOMPARE(one.results.t_ev, same.results.t_ev);
    QCOMPARE(one.results.t_ev_Glaser, same.results.t_ev_Glaser);
    QCOMPARE(one.results.m_ev_Glaser, same.results.m_ev_Glaser);
}

void tst_HumidityVariableRetarder::flatRoofDriesFaster()
{
    // The typical construction that shows it, as a new user finds it: the retarder from the
    // catalogue, with its summer value, against the same roof with the winter value alone.
    QTemporaryDir home;
    ConstructionList list(QStringLiteral("en"), home.path());
    list.readOrAddTypical(shippedConstructions());
    std::vector<MaterialLayer> layers;
    for (int i = 0; i < list.count(); ++i) {
        const Construction &c = list.construction(i);
        if (!c.m_name.startsWith(QLatin1String("Flat roof")))
            continue;
        for (const MaterialLayer &layer : c.m_layers)
            if (layer.hasSummerSd())
                layers = c.m_layers;
    }
    QVERIFY2(!layers.empty(), "no typical flat roof with a humidity-variable retarder");

    auto calculate = [&layers](bool summerValue) {
        InputData input;
        for (MaterialLayer layer : layers) {
            if (!summerValue)
                layer.m_sd_summer = 0;
            input.insertLayer(input.layerCount(), layer);
        }
        input.validate();
        CalculationOptions options;
        options.heatFlowDirection = HeatFlowDirection::Upwards;
        return Calculation::calculate(input, options).results;
    };
    const CalculationResults variable = calculate(true);
    const CalculationResults winterOnly = calculate(false);
    QVERIFY(variable.type >= ResultType::CondensationPlane);
    QVERIFY(variable.typeGlaser >= ResultType::CondensationPlane);

    // The condensation period is the same: the retarder is dry in winter.
    QCOMPARE(variable.typeGlaser, winterOnly.typeGlaser);
    QCOMPARE(variable.m_c_Glaser, winterOnly.m_c_Glaser);
    QCOMPARE(variable.m_cond, winterOnly.m_cond);
    QCOMPARE(variable.m_condStat, winterOnly.m_condStat);
    QVERIFY(variable.kPlanes == winterOnly.kPlanes);
    QVERIFY(variable.Z == winterOnly.Z);
    QVERIFY(variable.Z_Glaser == winterOnly.Z_Glaser);

    qInfo("moisture storage: m_cond %g kg/m2, m_ev %g (winter value alone %g), t_ev %g d (%g d); "
          "Glaser: m_c %g, m_ev %g (%g), t_ev %g d (%g d)",
          variable.m_cond, variable.m_ev, winterOnly.m_ev, variable.t_ev / 86400,
          winterOnly.t_ev / 86400, variable.m_c_Glaser, variable.m_ev_Glaser,
          winterOnly.m_ev_Glaser, variable.t_ev_Glaser / 86400, winterOnly.t_ev_Glaser / 86400);
    // In summer the open retarder lets the roof dry towards the room as well.
    QVERIFY2(variable.t_ev < winterOnly.t_ev,
             qPrintable(QStringLiteral("%1 >= %2").arg(variable.t_ev).arg(winterOnly.t_ev)));
    QVERIFY(variable.m_ev > winterOnly.m_ev);
    QVERIFY2(variable.t_ev_Glaser < winterOnly.t_ev_Glaser,
             qPrintable(
                 QStringLiteral("%1 >= %2").arg(variable.t_ev_Glaser).arg(winterOnly.t_ev_Glaser)));
    QVERIFY(variable.m_ev_Glaser > winterOnly.m_ev_Glaser);
    // With the winter value alone this roof does not dry out within the summer; with the
    // humid-range value it does, in both methods.
    QVERIFY(winterOnly.m_ev < winterOnly.m_cond);
    QVERIFY(variable.m_ev > variable.m_cond);
    QVERIFY(variable.m_ev_Glaser > variable.m_c_Glaser);
}

void tst_HumidityVariableRetarder::glaserDryingBySummerResistances()
{
    // The Glaser drying rate by hand: the condensation zone (OSB) at the summer saturation
    // pressure of the inside temperature, drying to both sides through half the zone and the
    // layers' summer resistances.
    const InputData input = flatRoof(0.5);
    CalculationOptions options;
    options.heatFlowDirection = HeatFlowDirection::Upwards;
    const CalculationResults r = Calculation::calculate(input, options).results;
    QCOMPARE(r.typeGlaser, ResultType::CondensationZone);
    double Z_in = 0, Z_zone = 0, Z_out = 0;
    for (int j = 0; j < input.layerCount(); ++j) {
        const MaterialLayer &layer = input.layer(j);
        const double Z = layer.m_width * layer.muSummer() / 2e-10;
        (j < r.kFirst ? Z_in : j < r.kLast ? Z_zone : Z_out) += Z;
    }
    const Climate &c = input.climate();
    const double p_s = p_sat_pow(c.insideSummer().m_T);
    const double p_is = p_s * c.insideSummer().m_rh / 100;
    const double p_es = p_sat_pow(c.outsideSummer().m_T) * c.outsideSummer().m_rh / 100;
    const double g = (p_s - p_es) / (0.5 * Z_zone + Z_out) + (p_s - p_is) / (0.5 * Z_zone + Z_in);
    QVERIFY(qAbs(r.m_ev_Glaser - g * c.tT_summer(true)) <= 1e-9 * r.m_ev_Glaser);
    QVERIFY(qAbs(r.t_ev_Glaser - r.m_c_Glaser / g) <= 1e-9 * r.t_ev_Glaser);
    // The winter resistance of the retarder would have given a rate several times smaller.
    const double winterRetarder = input.layer(1).m_width * input.layer(1).mu() / 2e-10;
    const double Z_inWinter =
        Z_in - input.layer(1).m_width * input.layer(1).muSummer() / 2e-10 + winterRetarder;
    const double gWinter =
        (p_s - p_es) / (0.5 * Z_zone + Z_out) + (p_s - p_is) / (0.5 * Z_zone + Z_inWinter);
    QVERIFY(g > 2 * gWinter);
}

void tst_HumidityVariableRetarder::catalogueRetarders_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("polyamide film") << 1639;
    QTest::newRow("PE copolymer") << 1640;
    QTest::newRow("reinforced paper") << 1641;
}

void tst_HumidityVariableRetarder::catalogueRetarders()
{
    QFETCH(int, id);
    QTemporaryDir user;
    MaterialList list(QStringLiteral("en"), shippedMaterials(), user.path());
    QVERIFY(list.read());
    const Material *m = list.findMaterial(id);
    QVERIFY(m);
    QVERIFY(m->isValid());
    QVERIFY(m->hasSummerSd());
    // Open in the humid summer, tight in the dry winter, as the product classes are.
    QVERIFY(m->m_sd_summer < m->m_sd_value / 3);
    QVERIFY(m->m_sd_summer >= 0.1 && m->m_sd_summer <= 1);
    QVERIFY(m->m_dataSource.contains(QLatin1String("sd_summer: ")));
}

void tst_HumidityVariableRetarder::catalogueRowsSourced()
{
    QList<QStringList> rows = CatalogueCsv::read(CatalogueCsv::sourcePath());
    QVERIFY(!rows.isEmpty());
    const QStringList header = rows.takeFirst();
    QCOMPARE(header.last(), QStringLiteral("sd_summer"));
    int given = 0;
    for (const QStringList &row : rows) {
        const QString text = CatalogueCsv::field(header, row, "sd_summer").trimmed();
        if (text.isEmpty())
            continue;
        ++given;
        bool ok = false;
        const double sdSummer = text.toDouble(&ok);
        QVERIFY(ok);
        const double sd = CatalogueCsv::field(header, row, "sd_value").toDouble();
        QVERIFY2(Material::summerSdRule(sdSummer, sd), qPrintable(row.first()));
        QVERIFY(Material::acceptable(Material::Q_SdSummer, sdSummer));
        // The figure has its origin, and the notes say which value is which.
        QVERIFY(CatalogueCsv::field(header, row, "source").contains(QLatin1String("sd_summer: ")));
        QVERIFY(CatalogueCsv::field(header, row, "notes").contains(QLatin1String("sd_summer")));
    }
    QVERIFY(given >= 3);
}

void tst_HumidityVariableRetarder::projectFileRoundTrip()
{
    QByteArray xml;
    {
        QXmlStreamWriter writer(&xml);
        ProjectFileXml::writeXML(writer, retarder(4, 0.45));
    }
    QVERIFY(xml.contains("sd_summer=\"0.45\""));
    QXmlStreamReader reader(xml);
    reader.readNextStartElement();
    Material back;
    QVERIFY(ProjectFileXml::readXML(reader, back, 1));
    QCOMPARE(back.m_sd_summer, 0.45);
    QCOMPARE(back.m_sd_value, 4.0);
    QVERIFY(back == retarder(4, 0.45) || back.m_color != retarder(4, 0.45).m_color);
}

void tst_HumidityVariableRetarder::projectFileWithoutSummerValueUnchanged()
{
    // An old file has no summer value: it reads as none, and is written as before.
    const QString dir = TestSupport::dataDir() + QStringLiteral("/../../resources/examples");
    Project project;
    QString message;
    QVERIFY2(project.load(dir + QStringLiteral("/timber_frame_wall.m2p"), &message),
             qPrintable(message));
    for (int i = 0; i < project.layerCount(); ++i)
        QCOMPARE(project.inputData().layer(i).m_sd_summer, 0.0);
    QTemporaryDir tmp;
    const QString saved = tmp.filePath(QStringLiteral("saved.m2p"));
    QVERIFY(project.save(saved, &message));
    QFile f(saved), original(dir + QStringLiteral("/timber_frame_wall.m2p"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(!bytes.contains("sd_summer"));
    QCOMPARE(bytes, original.readAll());
}

void tst_HumidityVariableRetarder::materialStreamVersions()
{
    // A material without a summer value is written in the stream form older programs read.
    QCOMPARE(MaterialStream::versionFor(retarder(4, 0)), 4);
    QCOMPARE(MaterialStream::versionFor(retarder(4, 0.5)), 5);
    QByteArray v4, v5;
    {
        QDataStream out(&v4, QIODevice::WriteOnly);
        MaterialStream::write(out, retarder(4, 0.5), 4);
    }
    {
        QDataStream out(&v5, QIODevice::WriteOnly);
        MaterialStream::write(out, retarder(4, 0.5), 5);
    }
    QCOMPARE(v5.size(), v4.size() + 8);
    QVERIFY(v5.startsWith(v4));
    QDataStream in(v5);
    Material back;
    QVERIFY(MaterialStream::read(in, 5, 7, back));
    QCOMPARE(back.m_sd_summer, 0.5);
    // Version 4 leaves the field as it was.
    QDataStream in4(v4);
    Material old = retarder(4, 0.2);
    QVERIFY(MaterialStream::read(in4, 4, 7, old));
    QCOMPARE(old.m_sd_summer, 0.2);
    QDataStream in6(v5);
    QVERIFY(!MaterialStream::read(in6, 6, 7, back));
}

void tst_HumidityVariableRetarder::userFileRoundTrip()
{
    QTemporaryDir db, user;
    auto firstInt = [&user]() {
        QFile f(user.filePath(QStringLiteral("UserData.mmat")));
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        QDataStream in(&f);
        qint32 first = 0;
        in >> first;
        return int(first);
    };
    {
        MaterialList list(QStringLiteral("en"), db.path(), user.path());
        list.addUserMaterial(retarder(4, 0));
        QVERIFY(list.writeUserMaterials());
    }
    QCOMPARE(firstInt(), -4); // as before: no material needs more
    {
        MaterialList list(QStringLiteral("en"), db.path(), user.path());
        list.addUserMaterial(retarder(4, 0));
        list.addUserMaterial(retarder(10, 0.35));
        QVERIFY(list.writeUserMaterials());
    }
    QCOMPARE(firstInt(), -5);
    bool complete = false;
    const std::vector<Material> back =
        MaterialList::readUserFile(user.filePath(QStringLiteral("UserData.mmat")), &complete);
    QVERIFY(complete);
    QCOMPARE(int(back.size()), 2);
    QCOMPARE(back[0].m_sd_summer, 0.0);
    QCOMPARE(back[1].m_sd_summer, 0.35);
    QCOMPARE(back[1].m_sd_value, 10.0);
}

void tst_HumidityVariableRetarder::constructionLayerRoundTrip()
{
    for (double sdSummer : {0.0, 0.5}) {
        const MaterialLayer layer(retarder(4, sdSummer), 0.0003);
        QByteArray data;
        {
            QDataStream out(&data, QIODevice::WriteOnly);
            MaterialStream::write(out, layer);
        }
        QDataStream peek(data);
        qint32 version = 0;
        peek >> version;
        QCOMPARE(int(version), sdSummer != 0 ? 5 : 4);
        QDataStream in(data);
        MaterialLayer back;
        QVERIFY(MaterialStream::read(in, back));
        QCOMPARE(back.m_sd_summer, sdSummer);
        QCOMPARE(back.m_width, layer.m_width);
    }
}

void tst_HumidityVariableRetarder::databaseFileRoundTrip()
{
    for (int version : {6, 7}) {
        MaterialDatabaseFile::Content content;
        content.m_version = version;
        content.m_languages = QStringList{QStringLiteral("en")};
        MaterialDatabaseFile::Record r;
        r.m_id = 1639;
        MaterialDatabaseFile::LanguageTexts t;
        t.m_name = QStringLiteral("PA retarder");
        r.m_texts.push_back(t);
        r.m_category = 11;
        r.m_rho = 1150;
        r.m_lambda = 0.25;
        r.m_mu = 13300;
        r.m_w_80 = 0.0001;
        r.m_w_sat = 0.001;
        r.m_A_w = 0.00001;
        r.m_sd_value = 4;
        r.m_sd_summer = 0.5;
        r.m_applicationCodes = {1};
        content.m_records.push_back(r);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("test.m2m"));
        QString message;
        QVERIFY2(MaterialDatabaseFile::write(file, content, &message), qPrintable(message));
        MaterialDatabaseFile::Content back;
        QVERIFY(MaterialDatabaseFile::read(file, back));
        QCOMPARE(back.m_version, version);
        QCOMPARE(int(back.m_records.size()), 1);
        // A version-6 file has no room for the summer value.
        QCOMPARE(back.m_records.front().m_sd_summer, version >= 7 ? 0.5 : 0.0);
    }
}

void tst_HumidityVariableRetarder::projectEdit()
{
    Project project;
    InputData input = flatRoof(0);
    project.createNew(input, ProjectInformation());
    QString reason;
    // Only a layer given by its sd-value can have a second one.
    QVERIFY(!project.acceptsLayerValue(2, Project::LV_SdSummer, 0.5, &reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(project.acceptsLayerValue(2, Project::LV_SdSummer, 0));
    QVERIFY(!project.acceptsLayerValue(1, Project::LV_SdSummer, -1));
    const double t_ev = project.results().t_ev;
    QVERIFY(project.setLayerValue(1, Project::LV_SdSummer, 0.5));
    QCOMPARE(project.layerValue(1, Project::LV_SdSummer), 0.5);
    QVERIFY(project.results().t_ev < t_ev);
    // Nothing changed, nothing done.
    QVERIFY(!project.setLayerValue(1, Project::LV_SdSummer, 0.5));
    QVERIFY(project.setLayerValue(1, Project::LV_SdSummer, 0));
    QCOMPARE(project.results().t_ev, t_ev);
}

M2_TEST_GUILESS_MAIN(tst_HumidityVariableRetarder)
#include "tst_HumidityVariableRetarder.moc"
