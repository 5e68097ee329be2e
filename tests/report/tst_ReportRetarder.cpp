// The material table of the report names both sd-values of a humidity-variable vapour retarder,
// and only when the construction has one.
#include "TestMaterials.h"
#include "TestSupport.h"
#include "document/Project.h"
#include "report/Report.h"

#include <QImage>
#include <QStandardPaths>
#include <QtTest>

class tst_ReportRetarder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void materialTable_data();
    void materialTable();

private:
    static QString materialTableText(double sdSummer);
};

void tst_ReportRetarder::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

QString tst_ReportRetarder::materialTableText(double sdSummer)
{
    Material retarder =
        TestMaterials::material("PA retarder", 0.25, 13333.3, 0.0001, 0.001, 0.00001, 11);
    retarder.m_sd_value = 4;
    retarder.m_sd_summer = sdSummer;
    InputData input;
    input.insertLayer(
        0, MaterialLayer(TestMaterials::material("Gypsum board", 0.25, 8, 0.006, 0.4, 0.01, 6),
                         0.0125));
    input.insertLayer(1, MaterialLayer(retarder, 0.0003));
    input.insertLayer(
        2, MaterialLayer(TestMaterials::material("Mineral wool", 0.035, 1, 0.0001, 0.9, 0.00001, 5),
                         0.2));
    input.validate();
    Project project;
    project.createNew(input, ProjectInformation());
    Report report(QStringLiteral("DejaVu Sans"));
    ReportSettings settings;
    settings.m_activatedFrames = {Report::MaterialFrameIndex};
    report.setData(project, settings);
    QImage page(640, 970, QImage::Format_RGB32);
    page.fill(Qt::white);
    report.layout(&page);
    return report.framePlainText(Report::MaterialFrameIndex);
}

void tst_ReportRetarder::materialTable_data()
{
    QTest::addColumn<double>("sdSummer");
    QTest::addColumn<bool>("column");
    QTest::newRow("one sd-value") << 0.0 << false;
    QTest::newRow("humidity-variable") << 0.5 << true;
}

void tst_ReportRetarder::materialTable()
{
    QFETCH(double, sdSummer);
    QFETCH(bool, column);
    const QString text = materialTableText(sdSummer);
    QVERIFY(text.contains(QStringLiteral("PA retarder")));
    QCOMPARE(text.contains(QStringLiteral("winter / summer")), column);
    // the retarder's row: winter and summer sd
    QCOMPARE(text.contains(QStringLiteral("%1 / %2").arg(QLocale().toString(4.0, 'f', 1),
                                                         QLocale().toString(0.5, 'f', 2))),
             column);
}

M2_TEST_MAIN(tst_ReportRetarder)
#include "tst_ReportRetarder.moc"
