// The construction kind: the defaults each kind sets, how it is stored in the project file, that
// files without it read exactly as before, the edit of the project with its restore, and the
// row of DIN 4108-2 table 3 that the assessment takes from the project.

#include "TestSupport.h"

#include "calculation/Assessment.h"
#include "calculation/MinimumHeatResistance.h"
#include "document/Project.h"
#include "model/ClimatePresets.h"
#include "model/ConstructionKind.h"
#include "model/PhysicsFunctions.h"
#include "persistence/ProjectFile.h"
#include "settings/ReportSettings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

MaterialLayer layer(double width, double lambda, double mu)
{
    Material m;
    m.m_name = QStringLiteral("Test material");
    m.m_rho = 100;
    m.m_lambda = lambda;
    m.m_mu = m.m_mu_min = m.m_mu_max = mu;
    m.m_w_80 = 0.001;
    m.m_w_sat = 0.5;
    m.m_A_w = 0.001;
    return MaterialLayer(m, width);
}

InputData simpleWall()
{
    InputData input;
    input.insertLayer(0, layer(0.2, 0.5, 10));
    input.insertLayer(1, layer(0.1, 0.04, 1));
    return input;
}

QString referenceCasesDir()
{
    return TestSupport::dataFile(QStringLiteral("reference-cases"));
}

QString examplesDir()
{
    return QDir(QStringLiteral(M2_TEST_DATA_DIR "/../../resources/examples")).absolutePath();
}

/*! The summer states of the DIN 4108-3 evaporation period for the saturation pressure psat. */
void verifyEvaporation(const Climate &c, double psat)
{
    const double T_s = T_sat(psat);
    QCOMPARE(c.insideSummer().m_T, T_s);
    QCOMPARE(c.outsideSummer().m_T, T_s);
    QCOMPARE(c.insideSummer().m_rh, 1200 / psat * 100);
    QCOMPARE(c.outsideSummer().m_rh, 1200 / psat * 100);
    QCOMPARE(c.psat_summer(), psat);
}

} // namespace

Q_DECLARE_METATYPE(ConstructionKind)
Q_DECLARE_METATYPE(HeatFlowDirection)

class tst_ConstructionKind : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void keys();
    void din2014Climate_data();
    void din2014Climate();
    void din2001Climate();
    void customClimateKeepsValues();
    void roundTrip();
    void defaultProjectWrittenAsBefore();
    void oldFilesReadAsExternalWall();
    void oldFileAfterRoofProject();
    void roofSummerWithoutKindIsCustom();
    void unknownKindRefused();
    void setConstructionKindIsOneEdit();
    void restoreValues();
    void projectInformationKeepsKind();
    void assessmentRow();
};

void tst_ConstructionKind::defaults_data()
{
    QTest::addColumn<ConstructionKind>("kind");
    QTest::addColumn<HeatFlowDirection>("direction");
    QTest::addColumn<double>("psat");
    QTest::addColumn<int>("outside2014");
    QTest::addColumn<int>("type2013");
    QTest::addColumn<int>("type2004");
    QTest::addColumn<QString>("row2013");

    using K = ConstructionKind;
    using D = HeatFlowDirection;
    QTest::newRow("external wall")
        << K::ExternalWall << D::Horizontal << 1700.0 << 13 << 12 << 0 << "1";
    QTest::newRow("wall against soil")
        << K::WallAgainstSoil << D::Horizontal << 1700.0 << 15 << 12 << 0 << "1";
    QTest::newRow("pitched roof") << K::PitchedRoof << D::Upwards << 2000.0 << 13 << 13 << 11
                                  << "2";
    QTest::newRow("flat roof") << K::FlatRoof << D::Upwards << 2000.0 << 13 << 14 << 11 << "3.1";
    QTest::newRow("ceiling below attic")
        << K::CeilingBelowAttic << D::Upwards << 1700.0 << 13 << 8 << 8 << "3.2 3.3";
    QTest::newRow("ceiling over cellar")
        << K::CeilingOverCellar << D::Downwards << 1700.0 << 13 << 9 << 9 << "4.2 4.3 4.4";
    QTest::newRow("floor over outside air")
        << K::FloorOverOutsideAir << D::Downwards << 1700.0 << 13 << 10 << 10 << "4.1";
    QTest::newRow("floor on ground")
        << K::FloorOnGround << D::Downwards << 1700.0 << 15 << 9 << 6 << "4.2 4.3 4.4";
    QTest::newRow("internal to unheated")
        << K::InternalToUnheated << D::Horizontal << 1700.0 << 13 << 17 << 2 << "5.2";
}

void tst_ConstructionKind::defaults()
{
    QFETCH(ConstructionKind, kind);
    QFETCH(HeatFlowDirection, direction);
    QFETCH(double, psat);
    QFETCH(int, outside2014);
    QFETCH(int, type2013);
    QFETCH(int, type2004);
    QFETCH(QString, row2013);

    QCOMPARE(ConstructionKinds::heatFlowDirection(kind), direction);
    QCOMPARE(ConstructionKinds::evaporationSaturationPressure(kind), psat);
    QCOMPARE(ConstructionKinds::outsidePreset(kind, Climate::AC_DIN4108_2014), outside2014);
    QCOMPARE(ConstructionKinds::minimumResistanceType(kind, 1), type2013);
    QCOMPARE(ConstructionKinds::minimumResistanceType(kind, 0), type2004);
    // every default row exists in its edition
    QCOMPARE(MinimumHeatResistance::row(1, type2013), row2013);
    QVERIFY(!MinimumHeatResistance::row(0, type2004).isEmpty());

    // the defaults a new project of this kind gets through the project's edit
    Project project;
    project.createNew(simpleWall(), ProjectInformation());
    project.setConstructionKind(kind);
    QCOMPARE(project.constructionKind(), kind);
    QCOMPARE(project.heatFlowDirection(), direction);
    QCOMPARE(project.minimumResistanceType(), type2013);
    const Climate &c = project.inputData().climate();
    QCOMPARE(ClimatePresets::presetIdForCondition(c.outsideWinter()), outside2014);
    verifyEvaporation(c, psat);
}

void tst_ConstructionKind::keys()
{
    QCOMPARE(int(ConstructionKinds::all().size()), 9);
    for (ConstructionKind kind : ConstructionKinds::all()) {
        ConstructionKind back = ConstructionKind::ExternalWall;
        QVERIFY(ConstructionKinds::fromKey(ConstructionKinds::key(kind), back));
        QCOMPARE(back, kind);
        QVERIFY(ConstructionKinds::fromKey(ConstructionKinds::key(kind).toUpper(), back));
        QVERIFY(ConstructionKinds::fromCode(static_cast<int>(kind), back));
        QCOMPARE(back, kind);
        QVERIFY(!ConstructionKinds::name(kind).isEmpty());
    }
    ConstructionKind k = ConstructionKind::FlatRoof;
    QVERIFY(!ConstructionKinds::fromKey(QStringLiteral("roofOverGarage"), k));
    QVERIFY(!ConstructionKinds::fromCode(9, k));
    QVERIFY(!ConstructionKinds::fromCode(-1, k));
    QCOMPARE(k, ConstructionKind::FlatRoof);
}

void tst_ConstructionKind::din2014Climate_data()
{
    QTest::addColumn<ConstructionKind>("kind");
    QTest::addColumn<int>("condition");
    QTest::newRow("wall stays DIN")
        << ConstructionKind::ExternalWall << int(Climate::AC_DIN4108_2014);
    QTest::newRow("roof stays DIN") << ConstructionKind::FlatRoof << int(Climate::AC_DIN4108_2014);
    QTest::newRow("ceiling stays DIN")
        << ConstructionKind::CeilingOverCellar << int(Climate::AC_DIN4108_2014);
    // the 2024 ground preset is not one the 2014 condition lists
    QTest::newRow("soil reads custom")
        << ConstructionKind::WallAgainstSoil << int(Climate::AC_Custom);
}

void tst_ConstructionKind::din2014Climate()
{
    QFETCH(ConstructionKind, kind);
    QFETCH(int, condition);
    Climate climate(Climate::AC_DIN4108_2014);
    ConstructionKinds::applyToClimate(kind, ConstructionKinds::heatFlowDirection(kind), climate);
    QCOMPARE(climate.assessmentCondition(), condition);
    QCOMPARE(climate.recogniseAssessmentCondition(), condition);
    verifyEvaporation(climate, ConstructionKinds::evaporationSaturationPressure(kind));
    QCOMPARE(climate.insideWinter().m_Rs, 0.25);
    QCOMPARE(climate.tT(), 90.0);
    QCOMPARE(climate.tT_summer(), 90.0);
    QCOMPARE(climate.outsideSummer().m_Rs, climate.outsideWinter().m_Rs);

    // an external wall under DIN 4108-3 is what a new record is already
    if (kind == ConstructionKind::ExternalWall)
        QVERIFY(climate == Climate(Climate::AC_DIN4108_2014));
}

void tst_ConstructionKind::din2001Climate()
{
    Climate climate(Climate::AC_DIN4108_2001);
    ConstructionKinds::applyToClimate(ConstructionKind::FloorOnGround, HeatFlowDirection::Downwards,
                                      climate);
    QCOMPARE(climate.assessmentCondition(), int(Climate::AC_DIN4108_2001));
    QCOMPARE(ClimatePresets::presetIdForCondition(climate.insideWinter()), 2);
    QCOMPARE(ClimatePresets::presetIdForCondition(climate.outsideWinter()), 14);
    // the 2001 evaporation period stays
    QCOMPARE(climate.insideSummer().m_T, 12.0);
    QCOMPARE(climate.outsideSummer().m_rh, 70.0);

    ConstructionKinds::applyToClimate(ConstructionKind::PitchedRoof, HeatFlowDirection::Upwards,
                                      climate);
    QCOMPARE(climate.assessmentCondition(), int(Climate::AC_DIN4108_2001));
    QCOMPARE(ClimatePresets::presetIdForCondition(climate.insideWinter()), 1);
    QCOMPARE(ClimatePresets::presetIdForCondition(climate.outsideWinter()), 11);
}

void tst_ConstructionKind::customClimateKeepsValues()
{
    Climate climate(Climate::AC_Custom);
    climate.setValue(Climate::Inside, Climate::Winter, Climate::Q_T, 22);
    climate.setValue(Climate::Outside, Climate::Winter, Climate::Q_T, -12);
    ConstructionKinds::applyToClimate(ConstructionKind::FlatRoof, HeatFlowDirection::Upwards,
                                      climate);
    QCOMPARE(climate.insideWinter().m_T, 22.0);
    QCOMPARE(climate.outsideWinter().m_T, -12.0);
    verifyEvaporation(climate, 2000);

    // soil sets the ground boundary, a kind above ground takes it away again
    ConstructionKinds::applyToClimate(ConstructionKind::WallAgainstSoil,
                                      HeatFlowDirection::Horizontal, climate);
    QCOMPARE(ClimatePresets::presetIdForCondition(climate.outsideWinter()), 15);
    QCOMPARE(climate.insideWinter().m_T, 22.0);
    ConstructionKinds::applyToClimate(ConstructionKind::ExternalWall, HeatFlowDirection::Horizontal,
                                      climate);
    QCOMPARE(ClimatePresets::presetIdForCondition(climate.outsideWinter()), 13);
    verifyEvaporation(climate, 1700);
}

void tst_ConstructionKind::roundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Project first;
    first.createNew(simpleWall(), ProjectInformation());
    QVERIFY(first.setConstructionKind(ConstructionKind::FlatRoof));
    QVERIFY(first.setMinimumResistanceType(15));
    QCOMPARE(first.inputData().climate().assessmentCondition(), int(Climate::AC_DIN4108_2014));
    const QString file = dir.filePath(QStringLiteral("roof.m2p"));
    QString message;
    QVERIFY2(first.save(file, &message), qPrintable(message));

    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly | QIODevice::Text));
    const QByteArray text = written.readAll();
    QVERIFY(text.contains("<ProjectInformation constructionKind=\"flatRoof\" "
                          "minimumResistanceType=\"15\">"));

    Project second;
    QVERIFY2(second.load(file, &message), qPrintable(message));
    QCOMPARE(second.constructionKind(), ConstructionKind::FlatRoof);
    QCOMPARE(second.minimumResistanceType(), 15);
    // the roof's evaporation period is the DIN 4108-3 condition again, not custom conditions
    const Climate &c = second.inputData().climate();
    QCOMPARE(c.psat_summer(), 2000.0);
    QCOMPARE(c.assessmentCondition(), int(Climate::AC_DIN4108_2014));
    QCOMPARE(second.results().m_ev_Glaser, first.results().m_ev_Glaser);
    QCOMPARE(second.results().m_c_Glaser, first.results().m_c_Glaser);
}

void tst_ConstructionKind::defaultProjectWrittenAsBefore()
{
    // an external wall that follows the report's row is written without the new attributes
    QTemporaryDir dir;
    Project project;
    project.createNew(simpleWall(), ProjectInformation());
    const QString file = dir.filePath(QStringLiteral("wall.m2p"));
    QVERIFY(project.save(file));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly | QIODevice::Text));
    const QByteArray text = written.readAll();
    QVERIFY(text.contains("<ProjectInformation>"));
    QVERIFY(!text.contains("constructionKind"));
    // with its own row the kind is named, even for an external wall
    QVERIFY(project.setMinimumResistanceType(12));
    QVERIFY(project.save(file));
    written.close();
    QVERIFY(written.open(QIODevice::ReadOnly | QIODevice::Text));
    QVERIFY(written.readAll().contains("constructionKind=\"externalWall\""));
}

void tst_ConstructionKind::oldFilesReadAsExternalWall()
{
    // Every reference case was written before the kind existed: it reads as an external wall
    // that keeps the report's row, and its climate is the one stored.
    const QStringList files =
        QDir(referenceCasesDir()).entryList({QStringLiteral("*.m2p")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() > 50);
    for (const QString &name : files) {
        const QString path = referenceCasesDir() + QLatin1Char('/') + name;
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        QVERIFY(!f.readAll().contains("constructionKind"));
        f.close();
        Project project;
        QString message;
        QVERIFY2(project.load(path, &message), qPrintable(name + QLatin1String(": ") + message));
        QCOMPARE(project.constructionKind(), ConstructionKind::ExternalWall);
        QCOMPARE(project.minimumResistanceType(), ProjectInformation::NoMinimumResistanceType);
        QCOMPARE(project.inputData().climate().psat_summer(), 1700.0);
    }
}

void tst_ConstructionKind::oldFileAfterRoofProject()
{
    // The kind belongs to the file: opening an old file while a roof is open must not carry the
    // roof's kind over, as descriptive texts that a file lacks are carried over.
    Project project;
    project.createNew(simpleWall(), ProjectInformation());
    project.setConstructionKind(ConstructionKind::PitchedRoof);
    const QString path = referenceCasesDir() + QStringLiteral("/case_0001.m2p");
    QString message;
    QVERIFY2(project.load(path, &message), qPrintable(message));
    QCOMPARE(project.constructionKind(), ConstructionKind::ExternalWall);
    QCOMPARE(project.minimumResistanceType(), ProjectInformation::NoMinimumResistanceType);
    QCOMPARE(project.inputData().climate().psat_summer(), 1700.0);
}

void tst_ConstructionKind::roofSummerWithoutKindIsCustom()
{
    // The saturation pressure comes from the kind: the same roof file without the kind reads
    // its 2000 Pa summer states as custom conditions.
    QFile f(examplesDir() + QStringLiteral("/validation_flat_roof.m2p"));
    QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QByteArray data = f.readAll();
    QVERIFY(data.contains("constructionKind=\"flatRoof\""));
    QBuffer withKind(&data);
    QVERIFY(withKind.open(QIODevice::ReadOnly | QIODevice::Text));
    InputData input;
    ProjectInformation info;
    QString message;
    QVERIFY2(ProjectFile::readXML(withKind, input, info, &message), qPrintable(message));
    QCOMPARE(input.climate().assessmentCondition(), int(Climate::AC_DIN4108_2014));

    data.replace("constructionKind=\"flatRoof\"", "");
    QBuffer without(&data);
    QVERIFY(without.open(QIODevice::ReadOnly | QIODevice::Text));
    QVERIFY2(ProjectFile::readXML(without, input, info, &message), qPrintable(message));
    QCOMPARE(info.m_constructionKind, ConstructionKind::ExternalWall);
    QCOMPARE(input.climate().assessmentCondition(), int(Climate::AC_Custom));
}

void tst_ConstructionKind::unknownKindRefused()
{
    QFile f(examplesDir() + QStringLiteral("/validation_flat_roof.m2p"));
    QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
    const QByteArray original = f.readAll();
    for (const QByteArray &bad : {QByteArray("constructionKind=\"garage\""),
                                  QByteArray("constructionKind=\"flatRoof\" "
                                             "minimumResistanceType=\"-3\""),
                                  QByteArray("constructionKind=\"flatRoof\" "
                                             "minimumResistanceType=\"x\"")}) {
        QByteArray data = original;
        data.replace("constructionKind=\"flatRoof\"", bad);
        data.replace("minimumResistanceType=\"14\"", "");
        QBuffer buffer(&data);
        QVERIFY(buffer.open(QIODevice::ReadOnly | QIODevice::Text));
        InputData input;
        ProjectInformation info;
        QString message;
        QVERIFY2(!ProjectFile::readXML(buffer, input, info, &message), bad.constData());
        QVERIFY2(message.contains(QStringLiteral("Invalid value")), qPrintable(message));
    }
}

void tst_ConstructionKind::setConstructionKindIsOneEdit()
{
    Project project;
    project.createNew(simpleWall(), ProjectInformation());
    const double wallEvaporation = project.results().m_ev_Glaser;
    QSignalSpy spy(&project, &Project::changed);
    QVERIFY(project.setConstructionKind(ConstructionKind::FlatRoof));
    QCOMPARE(spy.count(), 1);
    const ProjectChanges changes = spy.at(0).at(0).value<ProjectChanges>();
    QVERIFY(changes.testFlag(ProjectChange::ConstructionKind));
    QVERIFY(changes.testFlag(ProjectChange::HeatFlowDirection));
    QVERIFY(changes.testFlag(ProjectChange::SummerClimate));
    QVERIFY(!changes.testFlag(ProjectChange::WinterClimate));
    QVERIFY(changes.testFlag(ProjectChange::Results));
    QVERIFY(project.isModified());
    // the roof dries at 2000 Pa instead of 1700 Pa: more evaporates (or nothing condensed)
    QVERIFY(project.results().m_ev_Glaser >= wallEvaporation);

    // the same kind again changes nothing
    QVERIFY(!project.setConstructionKind(ConstructionKind::FlatRoof));
    QCOMPARE(spy.count(), 1);
}

void tst_ConstructionKind::restoreValues()
{
    Project project;
    project.createNew(simpleWall(), ProjectInformation());
    const Climate before = project.inputData().climate();
    const HeatFlowDirection direction = project.heatFlowDirection();
    const CalculationResults results = project.results();
    QVERIFY(project.setConstructionKind(ConstructionKind::WallAgainstSoil));
    QVERIFY(project.setConstructionKindValues(ConstructionKind::ExternalWall,
                                              ProjectInformation::NoMinimumResistanceType,
                                              direction, before));
    QCOMPARE(project.constructionKind(), ConstructionKind::ExternalWall);
    QCOMPARE(project.minimumResistanceType(), ProjectInformation::NoMinimumResistanceType);
    const Climate &after = project.inputData().climate();
    QCOMPARE(after.outsideWinter().m_Rs, before.outsideWinter().m_Rs);
    QCOMPARE(after.assessmentCondition(), before.assessmentCondition());
    QVERIFY(project.results() == results);
    QVERIFY(
        !project.setConstructionKindValues(ConstructionKind::ExternalWall, -2, direction, before));
}

void tst_ConstructionKind::projectInformationKeepsKind()
{
    Project project;
    project.createNew(simpleWall(), ProjectInformation());
    project.setConstructionKind(ConstructionKind::CeilingOverCellar);
    ProjectInformation info = project.projectInformation();
    info.m_projectName = QStringLiteral("Renamed");
    info.m_constructionKind = ConstructionKind::ExternalWall;
    info.m_minimumResistanceType = 3;
    QVERIFY(project.setProjectInformation(info));
    QCOMPARE(project.projectInformation().m_projectName, QStringLiteral("Renamed"));
    QCOMPARE(project.constructionKind(), ConstructionKind::CeilingOverCellar);
    QCOMPARE(project.minimumResistanceType(), 9);
}

void tst_ConstructionKind::assessmentRow()
{
    ReportSettings settings;
    settings.m_minimumHeatResVersion = 1;
    settings.m_minimumHeatResConstruction = 16;
    ProjectInformation info;
    // no row of its own: the report setting
    QCOMPARE(AssessmentOptions::forProject(settings, info).minimumHeatResType, 16);
    info.m_constructionKind = ConstructionKind::FlatRoof;
    info.m_minimumResistanceType = 14;
    QCOMPARE(AssessmentOptions::forProject(settings, info).minimumHeatResType, 14);
    // the 2004 edition does not list type 14: the flat roof's row there
    settings.m_minimumHeatResVersion = 0;
    QCOMPARE(AssessmentOptions::forProject(settings, info).minimumHeatResType, 11);
    // shared numbers stay
    info.m_minimumResistanceType = 9;
    QCOMPARE(AssessmentOptions::forProject(settings, info).minimumHeatResType, 9);
}

M2_TEST_GUILESS_MAIN(tst_ConstructionKind)
#include "tst_ConstructionKind.moc"
