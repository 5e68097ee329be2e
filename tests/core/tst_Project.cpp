// The project object: its lifecycle, change propagation with synchronous recalculation, and
// the project information with its settings group.

#include "TestSupport.h"

#include "document/Project.h"
#include "settings/DefaultProjectSettings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

namespace {

Material brick()
{
    Material m;
    m.m_name = QStringLiteral("Brick");
    m.m_category = 2;
    m.m_rho = 1800;
    m.m_lambda = 0.81;
    m.m_mu = m.m_mu_min = m.m_mu_max = 10;
    m.m_w_80 = 0.0031;
    m.m_w_sat = 0.188;
    m.m_A_w = 0.18;
    m.m_color = QColor(190, 90, 60);
    return m;
}

Material insulation()
{
    Material m = brick();
    m.m_name = QStringLiteral("Insulation");
    m.m_category = 5;
    m.m_rho = 20;
    m.m_lambda = 0.035;
    m.m_mu = m.m_mu_min = m.m_mu_max = 100;
    m.m_w_80 = 0.0002;
    m.m_w_sat = 0.05;
    m.m_A_w = 0.00001;
    return m;
}

} // namespace

class tst_Project : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lifecycle();
    void setModifiedRecalculates();
    void setModifiedWithZeroWidth();
    void projectInformationChangeDoesNotRecalculate();
    void heatFlowDirectionReachesCalculation();
    void moistureDependentLambdaOption();
    void projectInformationSettings();
    void projectInformationSettingsDefaults();
    void projectInformationXml();
};

void tst_Project::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_Project::lifecycle()
{
    Project project;
    QVERIFY(!project.hasProject());
    QVERIFY(!project.isModified());

    project.setFileName(QStringLiteral("/tmp/old.m2p"));
    project.createNew();
    QVERIFY(project.hasProject());
    QVERIFY(project.fileName().isEmpty());
    QCOMPARE(project.inputData().layerCount(), 0);
    QCOMPARE(project.inputData().status(), 0);
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_DIN4108_2014));
    QCOMPARE(project.projectInformation(), ProjectInformation());
    QCOMPARE(project.projectInformation().m_heatFlowDirection, 2);

    project.setModified(Project::MT_Appearance);
    QVERIFY(project.isModified());
    project.resetModified();
    QVERIFY(!project.isModified());

    InputData input;
    input.insertLayer(0, MaterialLayer(brick(), 0.24));
    project.setInputData(input);
    QCOMPARE(project.inputData().layerCount(), 1);

    project.close();
    QVERIFY(!project.hasProject());
    QString message;
    QVERIFY(!project.save(QStringLiteral("/tmp/never.m2p"), &message));
    QVERIFY(!message.isEmpty());
}

void tst_Project::setModifiedRecalculates()
{
    Project project;
    project.createNew();
    QSignalSpy spy(&project, &Project::modified);
    // the results are already up to date when the signal arrives
    double dTotalSeen = -1;
    connect(&project, &Project::modified, this,
            [&](int) { dTotalSeen = project.results().d_total; });

    project.inputData().insertLayer(0, MaterialLayer(brick(), 0.24));
    project.inputData().insertLayer(1, MaterialLayer(insulation(), 0.1));
    project.setModified(Project::MT_Calculation);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QCOMPARE(project.inputData().status(), 0);
    QCOMPARE(dTotalSeen, 0.24 + 0.1);
    // dry layer resistances d/λ
    M2_COMPARE_REL(project.results().R_layers, 0.24 / 0.81 + 0.1 / 0.035, 1e-12);
    QCOMPARE(project.results().type,
             ResultType::NoCondensation); // an outside insulation: no condensate
}

void tst_Project::setModifiedWithZeroWidth()
{
    Project project;
    project.createNew();
    QSignalSpy spy(&project, &Project::modified);
    project.inputData().insertLayer(0, MaterialLayer(brick(), 0.24));
    project.inputData().insertLayer(1, MaterialLayer(insulation(), 0));
    project.setModified(Project::MT_Calculation);
    QCOMPARE(project.inputData().status(), int(InputData::S_InvalidWidth));
    QCOMPARE(project.results().type, ResultType::InvalidInput);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
}

void tst_Project::projectInformationChangeDoesNotRecalculate()
{
    Project project;
    project.createNew();
    project.inputData().insertLayer(0, MaterialLayer(brick(), 0.24));
    project.setModified(Project::MT_Calculation);
    const CalculationResults before = project.results();
    QSignalSpy spy(&project, &Project::modified);

    // a layer change without type 0 is not calculated
    project.inputData().layer(0).m_width = 0.5;
    project.projectInformation().m_projectName = QStringLiteral("Renamed");
    project.setModified(Project::MT_ProjectInformation);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QVERIFY(project.results() == before);
    project.setModified(Project::MT_Appearance);
    QVERIFY(project.results() == before);
    QCOMPARE(spy.at(1).at(0).toInt(), 1);
    project.setModified(Project::MT_Calculation);
    QCOMPARE(project.results().d_total, 0.5);
}

void tst_Project::heatFlowDirectionReachesCalculation()
{
    // An air layer of 40 mm: R = 0.18 m²K/W horizontally, 0.16 upwards (DIN EN ISO 6946).
    Material air = brick();
    air.m_name = QStringLiteral("Air");
    air.m_category = 12;
    air.m_lambda = 0.025;
    air.m_mu = air.m_mu_min = air.m_mu_max = 1;
    air.m_w_80 = 0.0001;
    air.m_w_sat = 0.001;
    air.m_A_w = 0;
    air.setFlags(true, false, false, false);
    Project project;
    project.createNew();
    project.inputData().insertLayer(0, MaterialLayer(brick(), 0.24));
    project.inputData().insertLayer(1, MaterialLayer(air, 0.04));
    project.setModified(Project::MT_Calculation);
    M2_COMPARE_REL(project.results().R_Glaser.at(1), 0.18, 1e-12);
    project.projectInformation().m_heatFlowDirection = 1;
    QCOMPARE(project.calculationOptions().heatFlowDirection, 1);
    project.setModified(Project::MT_Calculation);
    M2_COMPARE_REL(project.results().R_Glaser.at(1), 0.16, 1e-12);
}

void tst_Project::moistureDependentLambdaOption()
{
    Project project;
    QVERIFY(project.moistureDependentLambda());
    QVERIFY(project.calculationOptions().moistureDependentLambda);
    project.setMoistureDependentLambda(false);
    QVERIFY(!project.calculationOptions().moistureDependentLambda);
}

void tst_Project::projectInformationSettings()
{
    QTemporaryDir dir;
    QSettings s(dir.filePath("s.ini"), QSettings::IniFormat);
    ProjectInformation info;
    info.m_projectName = QStringLiteral("P");
    info.m_constructionID = QStringLiteral("C");
    info.m_userName = QStringLiteral("U");
    info.m_company = QStringLiteral("Co");
    info.m_description = QStringLiteral("D");
    info.m_disclaimerText = QStringLiteral("Disc");
    info.m_heatFlowDirection = 0;
    s.beginGroup("ProjectDefaults");
    info.writeSettings(s);
    s.endGroup();
    QCOMPARE(s.value("ProjectDefaults/DefaultProjectSettings/Company").toString(),
             QStringLiteral("Co"));
    QCOMPARE(s.value("ProjectDefaults/DefaultProjectSettings/HeatFlowDirection").toInt(), 0);

    ProjectInformation back;
    s.beginGroup("ProjectDefaults");
    back.readSettings(s);
    s.endGroup();
    QCOMPARE(back, info);
    QCOMPARE(ProjectInformation::fromDefaults(info.toDefaults()), info);
}

void tst_Project::projectInformationSettingsDefaults()
{
    QTemporaryDir dir;
    QSettings s(dir.filePath("empty.ini"), QSettings::IniFormat);
    ProjectInformation info;
    info.m_company = QStringLiteral("to be replaced");
    info.m_heatFlowDirection = 1;
    info.readSettings(s);
    QVERIFY(info.m_projectName.isEmpty());
    QVERIFY(info.m_company.isEmpty());
    QCOMPARE(info.m_heatFlowDirection, 2);
}

void tst_Project::projectInformationXml()
{
    ProjectInformation info;
    info.m_projectName = QStringLiteral("Name & <Co>");
    info.m_description = QStringLiteral("two\nlines");
    info.m_heatFlowDirection = 0;
    QByteArray xml;
    {
        QXmlStreamWriter w(&xml);
        w.setAutoFormatting(true);
        w.setAutoFormattingIndent(4);
        info.writeXML(w);
    }
    // the seven values as text elements, in this order
    const QByteArray expected = "<ProjectInformation>\n"
                                "    <ProjectName>Name &amp; &lt;Co&gt;</ProjectName>\n"
                                "    <ConstructionID></ConstructionID>\n"
                                "    <UserName></UserName>\n"
                                "    <Company></Company>\n"
                                "    <Description>two\nlines</Description>\n"
                                "    <DisclaimerText></DisclaimerText>\n"
                                "    <HeatFlowDirection>0</HeatFlowDirection>\n"
                                "</ProjectInformation>\n";
    QCOMPARE(QString::fromUtf8(xml.trimmed()), QString::fromUtf8(expected.trimmed()));
    QXmlStreamReader r(xml);
    QVERIFY(r.readNextStartElement());
    ProjectInformation back;
    back.m_company = QStringLiteral("replaced by the empty element");
    back.readXML(r);
    QVERIFY(!r.hasError());
    QCOMPARE(back, info);
}

QTEST_GUILESS_MAIN(tst_Project)
#include "tst_Project.moc"
