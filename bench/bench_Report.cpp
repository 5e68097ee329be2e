// Benchmark: layout and PDF of the report of a 10-layer project, and the preview's refresh after
// a check box is ticked.

#include "document/Project.h"
#include "report/Report.h"
#include "settings/Settings.h"
#include "ui/reportpreview/ReportPreview.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <memory>
#include <vector>

class bench_Report : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layout();
    void pdf();
    void previewRefresh();
    void reportDirectory_data();
    void reportDirectory();

private:
    Project m_project;
    ReportSettings m_settings;
};

void bench_Report::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QString message;
    QVERIFY2(
        m_project.load(QStringLiteral(M2_SOURCE_DIR "/resources/examples/timber_frame_wall.m2p"),
                       &message),
        qPrintable(message));
    // ten layers: the six of the wall and four more copies of its inner layers
    while (m_project.layerCount() < 10)
        QVERIFY(m_project.insertLayer(0, m_project.inputData().layer(m_project.layerCount() % 3)));
    QCOMPARE(m_project.layerCount(), 10);
    for (int i = 0; i < Settings::FrameCount; ++i)
        m_settings.m_activatedFrames.insert(i);
}

void bench_Report::layout()
{
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(m_project, m_settings);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    QBENCHMARK
    {
        report.layout(&writer);
    }
}

void bench_Report::pdf()
{
    const QString fileName = QDir::temp().filePath(QStringLiteral("bench_Report.pdf"));
    QBENCHMARK
    {
        Report report(QStringLiteral("DejaVu Sans"));
        report.setData(m_project, m_settings);
        QVERIFY(report.writePdf(fileName));
    }
    QFile::remove(fileName);
}

void bench_Report::previewRefresh()
{
    Settings settings;
    settings.m_diagramFontFamily = QStringLiteral("DejaVu Sans");
    settings.m_reportSettings = m_settings;
    QUndoStack undoStack;
    ReportPreview preview(settings, m_project, undoStack, nullptr);
    preview.refresh();
    QCheckBox *box = preview.frameCheckBox(Report::VapourDiagramFrameIndex);
    QBENCHMARK
    {
        box->toggle();
    }
}

void bench_Report::reportDirectory_data()
{
    QTest::addColumn<bool>("reused");
    QTest::newRow("a report per project") << false;
    QTest::newRow("one report for all") << true;
}

void bench_Report::reportDirectory()
{
    // What --report-dir does for 100 projects (the shipped examples in turn): a fresh report
    // for each, as before, or one report whose fonts, document and text metrics serve them all.
    QFETCH(bool, reused);
    const QDir examples(QStringLiteral(M2_SOURCE_DIR "/resources/examples"));
    std::vector<std::unique_ptr<Project>> projects;
    for (const QString &name : examples.entryList({QStringLiteral("*.m2p")}, QDir::Files)) {
        auto project = std::make_unique<Project>();
        QString message;
        QVERIFY2(project->load(examples.filePath(name), &message), qPrintable(message));
        projects.push_back(std::move(project));
    }
    QVERIFY(!projects.empty());
    ReportSettings settings; // the default frames
    QTemporaryDir dir;
    QBENCHMARK_ONCE
    {
        std::unique_ptr<Report> kept;
        for (int i = 0; i < 100; ++i) {
            std::unique_ptr<Report> fresh;
            if (!reused || !kept)
                (reused ? kept : fresh).reset(new Report(QStringLiteral("Verdana")));
            Report &report = reused ? *kept : *fresh;
            report.setData(*projects[std::size_t(i) % projects.size()], settings);
            QVERIFY(report.writePdf(dir.filePath(QStringLiteral("%1.pdf").arg(i))));
        }
    }
}

QTEST_MAIN(bench_Report)
#include "bench_Report.moc"
