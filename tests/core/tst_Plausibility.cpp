// Values that are possible but unusual: the notes of the model and of the project's value
// rules, the file name a first save suggests, and the check of a file before the open project
// is given up for it.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "model/Plausibility.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_Plausibility : public QObject
{
    Q_OBJECT

private slots:
    void materialNotes_data();
    void materialNotes();
    void widthNotes_data();
    void widthNotes();
    void climateNotes_data();
    void climateNotes();
    void projectAsksTheLayer();
    void safeFileNames_data();
    void safeFileNames();
    void suggestedFileName();
    void canLoadKeepsNothing();
};

void tst_Plausibility::materialNotes_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("foil");
    QTest::addColumn<bool>("unusual");
    const int rho = Material::Q_Rho, lambda = Material::Q_Lambda, mu = Material::Q_Mu,
              w80 = Material::Q_W80, aw = Material::Q_Aw;
    QTest::newRow("insulation") << lambda << 0.035 << false << false;
    QTest::newRow("decimal separator lost") << lambda << 35.0 << false << true;
    QTest::newRow("lambda at 5") << lambda << 5.0 << false << false;
    QTest::newRow("lambda above 5") << lambda << 5.01 << false << true;
    QTest::newRow("lambda at 0.01") << lambda << 0.01 << false << false;
    QTest::newRow("vacuum panel") << lambda << 0.007 << false << true;
    QTest::newRow("plaster mu") << mu << 15.0 << false << false;
    QTest::newRow("mu 1e6") << mu << 1e6 << false << false;
    QTest::newRow("mu above 1e6") << mu << 2e6 << false << true;
    QTest::newRow("foil mu above 1e6") << mu << 2e6 << true << false;
    QTest::newRow("mu below air") << mu << 0.5 << false << true;
    QTest::newRow("brick rho") << rho << 1800.0 << false << false;
    QTest::newRow("rho above copper") << rho << 12000.0 << false << true;
    QTest::newRow("rho below insulation") << rho << 5.0 << false << true;
    QTest::newRow("wood w80") << w80 << 0.08 << false << false;
    QTest::newRow("w80 wet") << w80 << 0.3 << false << true;
    QTest::newRow("brick Aw") << aw << 0.3 << false << false;
    QTest::newRow("Aw per hour as per second") << aw << 6.0 << false << true;
}

void tst_Plausibility::materialNotes()
{
    QFETCH(int, quantity);
    QFETCH(double, value);
    QFETCH(bool, foil);
    QFETCH(bool, unusual);
    // a note only for a value the physical bounds take
    QVERIFY(Material::acceptable(Material::Quantity(quantity), value));
    QCOMPARE(!Plausibility::material(Material::Quantity(quantity), value, foil).isEmpty(), unusual);
}

void tst_Plausibility::widthNotes_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("foil");
    QTest::addColumn<bool>("unusual");
    QTest::newRow("wall") << 0.3 << false << false;
    QTest::newRow("2 m") << 2.0 << false << false;
    QTest::newRow("mm typed into m") << 300.0 << false << true;
    QTest::newRow("m typed into mm") << 0.0003 << false << true;
    QTest::newRow("foil") << 0.0002 << true << false;
    QTest::newRow("1 mm") << 0.001 << false << false;
}

void tst_Plausibility::widthNotes()
{
    QFETCH(double, width);
    QFETCH(bool, foil);
    QFETCH(bool, unusual);
    QCOMPARE(!Plausibility::layerWidth(width, foil).isEmpty(), unusual);
}

void tst_Plausibility::climateNotes_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("unusual");
    const int in = Climate::Inside, out = Climate::Outside, w = Climate::Winter,
              s = Climate::Summer, both = Climate::Both;
    QTest::newRow("heated room") << in << w << int(Climate::Q_T) << 20.0 << false;
    QTest::newRow("cold room") << in << w << int(Climate::Q_T) << 5.0 << true;
    QTest::newRow("summer room") << in << s << int(Climate::Q_T) << 5.0 << false;
    QTest::newRow("DIN winter outside") << out << w << int(Climate::Q_T) << -5.0 << false;
    QTest::newRow("warm winter outside") << out << w << int(Climate::Q_T) << 20.0 << true;
    QTest::newRow("living room") << in << w << int(Climate::Q_rh) << 50.0 << false;
    QTest::newRow("swimming pool") << in << w << int(Climate::Q_rh) << 90.0 << true;
    QTest::newRow("foggy outside") << out << w << int(Climate::Q_rh) << 95.0 << false;
    QTest::newRow("desert") << out << s << int(Climate::Q_rh) << 5.0 << true;
    QTest::newRow("Rsi") << in << both << int(Climate::Q_Rs) << 0.25 << false;
    QTest::newRow("Rs too high") << out << both << int(Climate::Q_Rs) << 2.0 << true;
}

void tst_Plausibility::climateNotes()
{
    QFETCH(int, side);
    QFETCH(int, period);
    QFETCH(int, quantity);
    QFETCH(double, value);
    QFETCH(bool, unusual);
    QCOMPARE(!Plausibility::climate(Climate::Side(side), Climate::Period(period),
                                    Climate::Quantity(quantity), value)
                  .isEmpty(),
             unusual);
}

void tst_Plausibility::projectAsksTheLayer()
{
    Project project;
    InputData input;
    Material foil = TestMaterials::material("Vapour barrier", 0.2, 3e6, 0.001, 0.01, 0);
    foil.m_flags.insert(Material::F_Foil);
    Material air = TestMaterials::material("Air", 0.025, 1, 0.00001, 1, 0);
    air.m_flags.insert(Material::F_Air);
    input.insertLayer(
        0, MaterialLayer(TestMaterials::material("Brick", 0.8, 10, 0.01, 0.3, 0.1), 0.24));
    input.insertLayer(1, MaterialLayer(foil, 0.0002));
    input.insertLayer(2, MaterialLayer(air, 0.04));
    project.createNew(input, ProjectInformation());
    // the project takes the value and notes why it looks unusual
    QVERIFY(project.acceptsLayerValue(0, Project::LV_Lambda, 35));
    QVERIFY(!project.layerValueNote(0, Project::LV_Lambda, 35).isEmpty());
    QVERIFY(project.layerValueNote(0, Project::LV_Lambda, 0.035).isEmpty());
    QVERIFY(!project.layerValueNote(0, Project::LV_Mu, 5e6).isEmpty());
    QVERIFY(!project.layerValueNote(0, Project::LV_Width, 3).isEmpty());
    // a foil is meant to be thin and tight
    QVERIFY(project.layerValueNote(1, Project::LV_Mu, 5e6).isEmpty());
    QVERIFY(project.layerValueNote(1, Project::LV_Width, 0.0002).isEmpty());
    // an air layer's λ follows from its width
    QVERIFY(project.layerValueNote(2, Project::LV_Lambda, 0.2).isEmpty());
    QVERIFY(project.layerValueNote(7, Project::LV_Lambda, 35).isEmpty());
    QVERIFY(
        !project.climateValueNote(Climate::Inside, Climate::Winter, Climate::Q_rh, 90).isEmpty());
}

void tst_Plausibility::safeFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("safe");
    QTest::newRow("plain") << "Exterior wall"
                           << "Exterior wall";
    QTest::newRow("separators") << "Wall 1/2: brick\\wool"
                                << "Wall 1_2_ brick_wool";
    QTest::newRow("reserved") << "a*b?c\"d<e>f|g"
                              << "a_b_c_d_e_f_g";
    QTest::newRow("blanks") << "  roof \t  north  "
                            << "roof north";
    QTest::newRow("dots") << "..hidden..."
                          << "hidden";
    QTest::newRow("device") << "con"
                            << "con_";
    QTest::newRow("numbered device") << "LPT1.wall"
                                     << "LPT1_.wall";
    QTest::newRow("not a device") << "CONSOLE"
                                  << "CONSOLE";
    QTest::newRow("umlauts kept") << "Außenwand Süd"
                                  << "Außenwand Süd";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("nothing left") << " . "
                                  << "";
    QTest::newRow("long") << QString(150, QLatin1Char('x')) << QString(100, QLatin1Char('x'));
}

void tst_Plausibility::safeFileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, safe);
    QCOMPARE(Project::safeFileName(name), safe);
}

void tst_Plausibility::suggestedFileName()
{
    Project project;
    QVERIFY(project.suggestedFileName().isEmpty());
    ProjectInformation info;
    info.m_projectName = QStringLiteral("School: gym");
    project.createNew(InputData(), info);
    QCOMPARE(project.suggestedFileName(), QStringLiteral("School_ gym"));
    info.m_constructionID = QStringLiteral("AW 01");
    project.setProjectInformation(info);
    QCOMPARE(project.suggestedFileName(), QStringLiteral("AW 01"));
}

void tst_Plausibility::canLoadKeepsNothing()
{
    QTemporaryDir dir;
    Project project;
    InputData input;
    input.insertLayer(
        0, MaterialLayer(TestMaterials::material("Brick", 0.8, 10, 0.01, 0.3, 0.1), 0.24));
    project.createNew(input, ProjectInformation());
    const QString good = dir.filePath(QStringLiteral("good.m2p"));
    QVERIFY(project.save(good));
    const QString damaged = dir.filePath(QStringLiteral("damaged.m2p"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<MireloProject><Layers>");
    file.close();

    QString message;
    QVERIFY(Project::canLoad(good, &message));
    QVERIFY(!Project::canLoad(damaged, &message));
    QVERIFY(!message.isEmpty());
    QVERIFY(!Project::canLoad(dir.filePath(QStringLiteral("missing.m2p"))));
    // the open project is not touched by the check
    QCOMPARE(project.fileName(), good);
    QCOMPARE(project.layerCount(), 1);
}

M2_TEST_GUILESS_MAIN(tst_Plausibility)
#include "tst_Plausibility.moc"
