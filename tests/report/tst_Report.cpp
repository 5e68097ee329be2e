// The report: frame selection and pagination, the texts of the summary and the Glaser frame
// against the assessment, the diagram frame's proportions, page ranges, atomic PDF writing, and
// every page of every example painted without a warning.

#include "TestSupport.h"

#include "calculation/Assessment.h"
#include "calculation/CondensateMass.h"
#include "calculation/ResultType.h"
#include "document/Project.h"
#include "htl/HTL_MessageHandler.h"
#include "htl/HTL_MessageRouter.h"
#include "report/Report.h"
#include "report/ReportTableFrames.h"
#include "settings/Constants.h"

#include <QFontDatabase>
#include <QLocale>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

namespace {

QString examplesDir()
{
    return QDir(QStringLiteral(M2_TEST_DATA_DIR "/../../resources/examples")).absolutePath();
}

QStringList exampleNames()
{
    return QDir(examplesDir()).entryList({QStringLiteral("*.m2p")}, QDir::Files, QDir::Name);
}

std::set<int> allFrames()
{
    std::set<int> all;
    for (int i = 0; i < Report::FrameCount; ++i)
        all.insert(i);
    return all;
}

/*! An A4 page at the given resolution, as the report's printer would have it inside 20 mm
    margins (170 × 257 mm). */
QImage pageImage(int dpi, double widthMM = 170, double heightMM = 257)
{
    QImage image(int(widthMM / 25.4 * dpi + 0.5), int(heightMM / 25.4 * dpi + 0.5),
                 QImage::Format_RGB32);
    const int dpm = int(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    return image;
}

/*! Pages of a PDF file, counted from its page objects. */
int pdfPageCount(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return pdf.count("/Type /Page") - pdf.count("/Type /Pages");
}

} // namespace

class tst_Report : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void onlyProjectInformationIsOnePage();
    void framesChangeThePages_data();
    void framesChangeThePages();
    void paginationKeepsFramesWholeAndInOrder_data();
    void paginationKeepsFramesWholeAndInOrder();
    void pageNumbersInTheFooter();
    void withoutFooterTheContentReachesTheBottom();
    void diagramFrameProportions();
    void glaserDiagramHeadsTheGlaserResults_data();
    void glaserDiagramHeadsTheGlaserResults();
    void summaryTakesTheAssessment_data();
    void summaryTakesTheAssessment();
    void withoutResultNothingIsFulfilled();
    void smallCondensateInGrams();
    void headingsAndFiguresOfTheExamples_data();
    void headingsAndFiguresOfTheExamples();
    void pageRanges_data();
    void pageRanges();
    void writePdfHasEveryPage();
    void failedPdfWriteKeepsTheOldFile();
    void progressSteps();
    void frameOrderHasEveryFrameOnce();
    void uValueRowsAreTheCalculations_data();
    void uValueRowsAreTheCalculations();
    void uValueTableAirLayerAndMoistureU();
    void oneVersionInHeaderAndFooter();
    void missingFontFamilyIsReplaced();
    void everyPagePaintsWithoutWarnings_data();
    void everyPagePaintsWithoutWarnings();
    void layoutOutlivesTheWriterOfThePdf();
    void secondMaterialInTheReport_data();
    void secondMaterialInTheReport();

private:
    /*! A report of the example with the frames given. */
    void makeReport(Report &report, const QString &example, const std::set<int> &frames);
    Project m_project;
};

void tst_Report::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(exampleNames().size() >= 4);
}

void tst_Report::makeReport(Report &report, const QString &example, const std::set<int> &frames)
{
    QString message;
    QVERIFY2(m_project.load(examplesDir() + QLatin1Char('/') + example, &message),
             qPrintable(message));
    ReportSettings settings;
    settings.m_activatedFrames = frames;
    report.setData(m_project, settings);
}

void tst_Report::onlyProjectInformationIsOnePage()
{
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, QStringLiteral("timber_frame_wall.m2p"), {0, 1, 2});
    QImage page = pageImage(150);
    report.layout(&page);
    QCOMPARE(report.pageCount(), 1);
    QCOMPARE(report.framePage(2), 1);
    QVERIFY(report.frameRect(2).height() > 0);
    QCOMPARE(report.frameRect(2).top(), report.frameRect(0).bottom() + 1);
}

void tst_Report::framesChangeThePages_data()
{
    QTest::addColumn<int>("frame");
    for (int frame = 2; frame < Report::FrameCount; ++frame)
        QTest::addRow("frame %d", frame) << frame;
}

void tst_Report::framesChangeThePages()
{
    // Taking a frame out removes its text and its space; the frames after it move up.
    QFETCH(int, frame);
    std::set<int> frames = allFrames();
    Report with(QStringLiteral("DejaVu Sans"));
    makeReport(with, QStringLiteral("masonry_wall_interior_insulation.m2p"), frames);
    frames.erase(frame);
    Report without(QStringLiteral("DejaVu Sans"));
    makeReport(without, QStringLiteral("masonry_wall_interior_insulation.m2p"), frames);
    QImage page = pageImage(100);
    with.layout(&page);
    without.layout(&page);

    QVERIFY(!with.framePlainText(frame).isEmpty() || frame == Report::DisclaimerFrameIndex);
    QVERIFY(without.framePlainText(frame).isEmpty());
    QCOMPARE(without.framePage(frame), 0);
    QVERIFY(without.pageCount() <= with.pageCount());
    // the next activated frame starts no later than it did
    for (int next = frame + 1; next < Report::FrameCount; ++next) {
        const auto place = [](const Report &r, int i) {
            return qMakePair(r.framePage(i), r.frameRect(i).top());
        };
        QVERIFY(place(without, next) <= place(with, next));
    }
}

void tst_Report::paginationKeepsFramesWholeAndInOrder_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<int>("dpi");
    for (const QString &name : exampleNames()) {
        QTest::addRow("%s 96 dpi", qPrintable(name)) << name << 96;
        QTest::addRow("%s 300 dpi", qPrintable(name)) << name << 300;
    }
}

void tst_Report::paginationKeepsFramesWholeAndInOrder()
{
    QFETCH(QString, example);
    QFETCH(int, dpi);
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, example, allFrames());
    QImage page = pageImage(dpi);
    report.layout(&page);
    QVERIFY(report.pageCount() >= 2);
    const QRect content = report.contentRect();
    int lastPage = 1;
    int lastBottom = content.top();
    // the frames in the order of the pages: the Glaser diagram heads the Glaser results
    QVector<QPair<QRect, int>> frames;
    for (const int i : Report::frameOrder()) {
        if (i == Report::GlaserFrameIndex && report.isGlaserDiagramActivated())
            frames.push_back({report.glaserDiagramRect(), report.glaserDiagramPage()});
        frames.push_back({report.frameRect(i), report.framePage(i)});
    }
    for (const QPair<QRect, int> &frame : qAsConst(frames)) {
        const QRect r = frame.first;
        const int p = frame.second;
        QVERIFY2(p >= lastPage, "frames are never reordered");
        QVERIFY(p <= report.pageCount());
        if (p == lastPage) {
            QCOMPARE(r.top(), lastBottom); // stacked without overlap
        } else {
            QCOMPARE(r.top(), content.top()); // a new page starts at the top
            // it did not fit below the frames before it
            QVERIFY(lastBottom + r.height() > content.top() + content.height());
        }
        // whole: inside the content area unless taller than the whole area
        if (r.height() <= content.height())
            QVERIFY(r.top() + r.height() <= content.top() + content.height());
        lastPage = p;
        lastBottom = r.top() + r.height();
    }
    QCOMPARE(lastPage, report.pageCount());
}

void tst_Report::pageNumbersInTheFooter()
{
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, QStringLiteral("timber_frame_wall.m2p"), allFrames());
    report.setPageNumbersVisible(true);
    QImage page = pageImage(96);
    report.layout(&page);
    const int pages = report.pageCount();
    QVERIFY(pages >= 2);
    for (int p = 1; p <= pages; ++p) {
        QPainter painter(&page);
        report.paintPage(&painter, p);
        QVERIFY2(report.framePlainText(Report::FooterFrameIndex)
                     .contains(QStringLiteral("Page %1 of %2").arg(p).arg(pages)),
                 qPrintable(report.framePlainText(Report::FooterFrameIndex)));
    }
    // the footer names the project file and the program
    QVERIFY(report.framePlainText(Report::FooterFrameIndex)
                .contains(QStringLiteral("timber_frame_wall.m2p")));
    report.setPageNumbersVisible(false);
    report.layout(&page);
    QVERIFY(!report.framePlainText(Report::FooterFrameIndex).contains(QStringLiteral("Page")));
}

void tst_Report::withoutFooterTheContentReachesTheBottom()
{
    std::set<int> frames = allFrames();
    frames.erase(Report::FooterFrameIndex);
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, QStringLiteral("timber_frame_wall.m2p"), frames);
    QImage page = pageImage(96);
    report.layout(&page);
    QCOMPARE(report.contentRect().top() + report.contentRect().height(), page.height());
    QCOMPARE(report.frameRect(Report::FooterFrameIndex).height(), 0);
    QCOMPARE(report.frameRect(Report::FooterFrameIndex).top(), page.height());
    // painted with zero size: nothing below the content
    QPainter painter(&page);
    report.paintPage(&painter, 1);
}

void tst_Report::diagramFrameProportions()
{
    // The diagram is as high as its width divided by 1.5; the rest of the frame (heading and
    // spacing) does not depend on the width.
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, QStringLiteral("timber_frame_wall.m2p"),
               {Report::FooterFrameIndex, Report::VapourDiagramFrameIndex});
    const int dpi = 300;
    QImage wide = pageImage(dpi, 180, 257);
    report.layout(&wide);
    const double mm = report.pixelsPerMillimetre();
    QVERIFY(qAbs(mm - dpi / 25.4) < 0.01);
    const double rest180 = report.frameRect(Report::VapourDiagramFrameIndex).height() - 120 * mm;
    QImage narrow = pageImage(dpi, 150, 257);
    report.layout(&narrow);
    const double rest150 = report.frameRect(Report::VapourDiagramFrameIndex).height() - 100 * mm;
    QVERIFY2(qAbs(rest180 - rest150) <= 2,
             qPrintable(QStringLiteral("%1 %2").arg(rest180).arg(rest150)));
    QVERIFY(rest180 > 0); // the heading
    QVERIFY(rest180 < 20 * mm);
}

void tst_Report::glaserDiagramHeadsTheGlaserResults_data()
{
    QTest::addColumn<bool>("diagram");
    QTest::addColumn<bool>("results");
    QTest::newRow("both") << true << true;
    QTest::newRow("diagram only") << true << false;
    QTest::newRow("results only") << false << true;
}

void tst_Report::glaserDiagramHeadsTheGlaserResults()
{
    QFETCH(bool, diagram);
    QFETCH(bool, results);
    Report report(QStringLiteral("DejaVu Sans"));
    QString message;
    QVERIFY2(m_project.load(examplesDir() + QStringLiteral("/masonry_wall_interior_insulation.m2p"),
                            &message),
             qPrintable(message));
    ReportSettings settings;
    QVERIFY(settings.m_printGlaserDiagram); // on by default
    settings.m_activatedFrames = {Report::FooterFrameIndex, Report::ProjectInfoFrameIndex};
    if (results)
        settings.m_activatedFrames.insert(Report::GlaserFrameIndex);
    settings.m_printGlaserDiagram = diagram;
    report.setData(m_project, settings);
    QImage page = pageImage(150);
    report.layout(&page);

    QCOMPARE(report.isGlaserDiagramActivated(), diagram);
    if (!diagram) {
        QCOMPARE(report.glaserDiagramPage(), 0);
        QVERIFY(report.glaserDiagramRect().isNull());
        QCOMPARE(report.frameRect(Report::GlaserFrameIndex).top(),
                 report.frameRect(Report::ProjectInfoFrameIndex).bottom() + 1);
        return;
    }
    const QRect rect = report.glaserDiagramRect();
    QVERIFY(rect.height() > report.pageSize().width() * 0.5); // the picture and its heading
    QCOMPARE(rect.top(), report.frameRect(Report::ProjectInfoFrameIndex).bottom() + 1);
    if (results) {
        // the verdicts of the scheme follow their diagram, on its page or the next
        const QRect below = report.frameRect(Report::GlaserFrameIndex);
        QVERIFY(report.framePage(Report::GlaserFrameIndex) >= report.glaserDiagramPage());
        if (report.framePage(Report::GlaserFrameIndex) == report.glaserDiagramPage())
            QCOMPARE(below.top(), rect.bottom() + 1);
    }
    // painting the page with the diagram raises no warning
    TestSupport::QtWarningCapture capture;
    QPainter painter(&page);
    report.paintPage(&painter, report.glaserDiagramPage());
    painter.end();
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));
}

void tst_Report::summaryTakesTheAssessment_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<int>("edition");
    QTest::addColumn<double>("dryingReserve");
    QTest::addColumn<bool>("frsi");
    for (const QString &name : exampleNames()) {
        QTest::addRow("%s default", qPrintable(name)) << name << 2 << 0.0 << false;
        QTest::addRow("%s 2001 reserve frsi", qPrintable(name)) << name << 0 << 0.1 << true;
        QTest::addRow("%s user roofs", qPrintable(name)) << name << 3 << 0.25 << false;
    }
}

void tst_Report::summaryTakesTheAssessment()
{
    QFETCH(QString, example);
    QFETCH(int, edition);
    QFETCH(double, dryingReserve);
    QFETCH(bool, frsi);
    QString message;
    QVERIFY(m_project.load(examplesDir() + QLatin1Char('/') + example, &message));
    ReportSettings settings;
    settings.m_activatedFrames = allFrames();
    settings.m_din4108_3AccordanceType = edition;
    settings.m_dryingReserve = dryingReserve;
    settings.m_frsiCheck = frsi;
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(m_project, settings);
    QImage page = pageImage(96);
    report.layout(&page);
    const QString text = report.framePlainText(Report::ConclusionsFrameIndex);

    const Assessment a = Assessment::evaluate(m_project.inputData(), m_project.results(),
                                              m_project.heatFlowDirection(),
                                              AssessmentOptions::fromReportSettings(settings));
    // count the verdicts the assessment gives and compare with the printed ones
    int fulfilled = 0, failed = 0;
    auto count = [&](bool met) { ++(met ? fulfilled : failed); };
    QVERIFY(a.thermalEvaluated);
    count(a.minimum.m_fulfilled);
    if (frsi)
        count(a.minimum.m_frsiFulfilled);
    if (a.criteriaEvaluated()) {
        count(a.din.m_massMet);
        if (a.din.woodRow() != DINCriteriaResult::NoWoodRow)
            count(a.din.m_woodMet);
        count(a.din.m_dryingTimeMet);
        if (a.din.m_dryingReserveEvaluated)
            count(a.din.m_dryingReserveMet);
    }
    // the same DIN 4108-3 rows on the Glaser figures (no drying reserve there)
    int glaserFulfilled = 0, glaserFailed = 0;
    if (a.glaserCriteriaEvaluated()) {
        const DINCriteriaResult &g = a.dinGlaser;
        for (bool met : {g.m_massMet, g.m_dryingTimeMet})
            ++(met ? glaserFulfilled : glaserFailed);
        if (g.woodRow() != DINCriteriaResult::NoWoodRow)
            ++(g.m_woodMet ? glaserFulfilled : glaserFailed);
    }
    fulfilled += glaserFulfilled;
    failed += glaserFailed;
    // each DIN 4108-3 row names its basis
    QVERIFY(text.contains(QStringLiteral("Glaser scheme")));
    QVERIFY(text.contains(QStringLiteral("Moisture storage method")));
    QCOMPARE(text.count(QStringLiteral("Requirement fulfilled")), fulfilled);
    QCOMPARE(text.count(QStringLiteral("Requirement not fulfilled")), failed);
    QVERIFY(text.contains(QStringLiteral("U =")));
    QVERIFY(text.contains(QStringLiteral("%L1").arg(m_project.results().U_moist, 0, 'f', 3)));
    QVERIFY(text.contains(
        DINCriteriaResult::headingText(a.din.m_options.m_edition).section(QLatin1Char('<'), 0, 0)));
    if (ResultType::isCondensation(m_project.results().type))
        QVERIFY(text.contains(QStringLiteral("%L1").arg(m_project.results().m_cond, 0, 'f', 3)));
    QVERIFY(!text.contains(QStringLiteral("not evaluated")));

    // the Glaser page carries the verdicts on its figures
    const QString glaser = report.framePlainText(Report::GlaserFrameIndex);
    QVERIFY(glaser.contains(DINCriteriaResult::basisText(CriteriaBasis::Glaser)));
    QCOMPARE(glaser.count(QStringLiteral("Requirement fulfilled")), glaserFulfilled);
    QCOMPARE(glaser.count(QStringLiteral("Requirement not fulfilled")), glaserFailed);
    // the temperature-factor row names f_Rsi in its requirement and once before its value
    QCOMPARE(text.count(QStringLiteral("fRsi = ")), frsi ? 1 : 0);
}

void tst_Report::withoutResultNothingIsFulfilled()
{
    // a layer of width 0: invalid input, no result, no verdict
    QString message;
    QVERIFY(m_project.load(examplesDir() + QStringLiteral("/timber_frame_wall.m2p"), &message));
    InputData input = m_project.inputData();
    input.layer(0).m_width = 0;
    CalculationResults results; // reset: invalid input
    ReportSettings settings;
    settings.m_activatedFrames = allFrames();
    settings.m_frsiCheck = true;
    settings.m_dryingReserve = 0.1;
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(m_project.projectInformation(), results, input, settings);
    QImage page = pageImage(96);
    TestSupport::QtWarningCapture capture;
    report.layout(&page);
    for (int p = 1; p <= report.pageCount(); ++p) {
        QPainter painter(&page);
        report.paintPage(&painter, p);
    }
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));
    const QString summary = report.framePlainText(Report::ConclusionsFrameIndex);
    const QString glaser = report.framePlainText(Report::GlaserFrameIndex);
    QVERIFY(!summary.contains(QStringLiteral("Requirement fulfilled")));
    QVERIFY(!summary.contains(QStringLiteral("Requirement not fulfilled")));
    const QString reason = report.content().assessment.notEvaluatedReason;
    QVERIFY(!reason.isEmpty());
    QVERIFY(summary.contains(QStringLiteral("not evaluated (%1)").arg(reason)));
    QVERIFY(glaser.contains(QStringLiteral("not evaluated")));
    QVERIFY(!glaser.contains(QStringLiteral("Requirement fulfilled")));
}

void tst_Report::smallCondensateInGrams()
{
    // Condensate in a plane, too little for three decimals in kg/m²: printed in g/m², never as
    // 0.000 kg/m² beside the plane.
    QString message;
    QVERIFY(m_project.load(examplesDir() + QStringLiteral("/timber_frame_wall.m2p"), &message));
    const InputData &input = m_project.inputData();
    QVERIFY(input.layerCount() >= 3);
    CalculationResults results = m_project.results();
    results.type = ResultType::CondensationPlane;
    results.kPlanes = {{1, 2}};
    results.m_cond = results.m_condStat = 0.0002;
    results.t_ev = 86400;
    results.typeGlaser = ResultType::CondensationPlane;
    results.kPlanesGlaser = {{2, 2}};
    results.m_c_Glaser = 0.0003;
    results.m_ev_Glaser = 1.5;
    results.t_ev_Glaser = 86400;
    ReportSettings settings;
    settings.m_activatedFrames = allFrames();
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(m_project.projectInformation(), results, input, settings);
    QImage page = pageImage(96);
    report.layout(&page);
    const QString summary = report.framePlainText(Report::ConclusionsFrameIndex);
    const QString glaser = report.framePlainText(Report::GlaserFrameIndex);
    QVERIFY2(summary.contains(QStringLiteral("0.20")) && summary.contains(QStringLiteral("g/m")),
             qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("0.30")), qPrintable(summary));
    QVERIFY2(glaser.contains(QStringLiteral("0.30 g/m")), qPrintable(glaser));
    QVERIFY(!glaser.contains(QStringLiteral("0.000 kg")));
    QVERIFY(glaser.contains(QStringLiteral("1.500 kg/m"))); // the evaporable mass as before
}

void tst_Report::headingsAndFiguresOfTheExamples_data()
{
    QTest::addColumn<QString>("example");
    for (const QString &name : exampleNames())
        QTest::addRow("%s", qPrintable(name)) << name;
}

void tst_Report::headingsAndFiguresOfTheExamples()
{
    QFETCH(QString, example);
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, example, allFrames());
    QImage page = pageImage(96);
    report.layout(&page);
    const QStringList headings = {QString(),
                                  QString(),
                                  QStringLiteral("Project:"),
                                  QStringLiteral("Construction Sketch"),
                                  QStringLiteral("Material Properties"),
                                  QStringLiteral("Climate Data"),
                                  QStringLiteral("Surface Resistances"),
                                  QStringLiteral("Thermal, Vapour Diffusion and Liquid Transport "
                                                 "Resistances"),
                                  QStringLiteral("Temperatures, Vapoure Pressures and Moisture "
                                                 "Contents"),
                                  QStringLiteral("Temperature and Moisture Profile"),
                                  QStringLiteral("Temperature and Vapour Pressure Profile"),
                                  QStringLiteral("Print Summary of Results"),
                                  QStringLiteral("Results according DIN 4108-3 (Glaser Scheme)"),
                                  QString(),
                                  QStringLiteral("Thermal Transmittance according to DIN EN ISO "
                                                 "6946")};
    QCOMPARE(headings.size(), int(Report::FrameCount));
    for (int i = 0; i < Report::FrameCount; ++i)
        if (!headings[i].isEmpty())
            QVERIFY2(report.framePlainText(i).contains(headings[i]), qPrintable(headings[i]));
    const CalculationResults &r = m_project.results();
    const QString glaser = report.framePlainText(Report::GlaserFrameIndex);
    // in kg/m² with three decimals, or in g/m² where that would read 0.000
    QVERIFY(glaser.contains(
        CondensateMass::of(ResultType::isCondensation(r.typeGlaser) ? r.m_c_Glaser : 0.0, 3)
            .number()));
    QVERIFY(report.framePlainText(Report::ResistanceFrameIndex)
                .contains(QStringLiteral("%L1").arg(r.U_moist, 0, 'f', 3)));
    // every layer in the material table
    for (int i = 0; i < m_project.layerCount(); ++i)
        QVERIFY(report.framePlainText(Report::MaterialFrameIndex)
                    .contains(m_project.inputData().layer(i).m_name));
}

void tst_Report::secondMaterialInTheReport_data()
{
    QTest::addColumn<double>("lambda");
    QTest::addColumn<bool>("valid");
    QTest::newRow("timber studs") << 0.13 << true;
    QTest::newRow("steel studs") << 50.0 << false; // R'_T/R''_T far above 1.5
}

// Studs in the insulation of the timber-frame example: the material table lists them, the
// summary gives U with both limits (or says why there is none) and names the field section.
void tst_Report::secondMaterialInTheReport()
{
    QFETCH(double, lambda);
    QFETCH(bool, valid);
    QString message;
    QVERIFY(m_project.load(examplesDir() + QStringLiteral("/timber_frame_wall.m2p"), &message));
    int insulation = -1;
    for (int i = 0; i < m_project.layerCount() && insulation < 0; ++i)
        if (m_project.inputData().layer(i).m_category == 5)
            insulation = i;
    QVERIFY(insulation >= 0);
    Material stud = m_project.inputData().layer(insulation).material();
    stud.m_name = QStringLiteral("Stud member");
    stud.m_category = 7;
    stud.m_lambda = lambda;
    QVERIFY(
        m_project.setLayerBridge(insulation, LayerBridge::fromWidthAndSpacing(stud, 0.06, 0.625)));
    const CalculationResults &r = m_project.results();
    QCOMPARE(r.inhomogeneous.valid(), valid);

    ReportSettings settings;
    settings.m_activatedFrames = allFrames();
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(m_project, settings);
    QImage page = pageImage(96);
    TestSupport::QtWarningCapture capture;
    report.layout(&page);
    for (int p = 1; p <= report.pageCount(); ++p) {
        QPainter painter(&page);
        report.paintPage(&painter, p);
    }
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));

    const QString materials = report.framePlainText(Report::MaterialFrameIndex);
    QVERIFY(materials.contains(QStringLiteral("Stud member")));
    QVERIFY(materials.contains(QStringLiteral("60 mm at 625 mm")));
    const QString summary = report.framePlainText(Report::ConclusionsFrameIndex);
    QVERIFY(summary.contains(QStringLiteral("Upper limit of the thermal resistance")));
    QVERIFY(summary.contains(QStringLiteral("%L1").arg(r.inhomogeneous.R_upper, 0, 'f', 3)));
    QVERIFY(summary.contains(QStringLiteral("%L1").arg(r.inhomogeneous.R_lower, 0, 'f', 3)));
    QVERIFY(summary.contains(QStringLiteral("field section")));
    const HeatFlowDirection direction = m_project.heatFlowDirection();
    QVERIFY(summary.contains(QStringLiteral("%L1").arg(r.U_field(direction), 0, 'f', 3)));
    if (valid) {
        QVERIFY(summary.contains(QStringLiteral("%L1").arg(r.U_ISO(direction), 0, 'f', 3)));
        QVERIFY(!summary.contains(QStringLiteral("No U-value")));
    } else {
        QVERIFY(summary.contains(QStringLiteral("No U-value")));
        QVERIFY(!summary.contains(QStringLiteral("nan")));
    }
    QVERIFY(report.framePlainText(Report::ResistanceFrameIndex)
                .contains(QStringLiteral("field section")));
}

void tst_Report::pageRanges_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("expected"); // -1: all pages
    QTest::newRow("2-3") << 2 << 3 << 2;
    QTest::newRow("0-0") << 0 << 0 << -1;
    QTest::newRow("2-2") << 2 << 2 << 1;
    QTest::newRow("3-0") << 3 << 0 << -3;
}

void tst_Report::pageRanges()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, expected);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("range.pdf"));
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, QStringLiteral("masonry_wall_interior_insulation.m2p"), allFrames());
    int pages = 0;
    {
        QPdfWriter writer(fileName);
        writer.setResolution(150);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        QVERIFY(report.printPages(&writer, from, to));
        pages = report.pageCount();
    }
    QVERIFY(pages >= 3);
    const int want = expected == -1 ? pages : expected < -1 ? pages - 2 : expected;
    QCOMPARE(pdfPageCount(fileName), want);
}

void tst_Report::writePdfHasEveryPage()
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("report.pdf"));
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, QStringLiteral("timber_frame_wall.m2p"), allFrames());
    QString error;
    QVERIFY2(report.writePdf(fileName, &error), qPrintable(error));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    file.close();
    QCOMPARE(pdfPageCount(fileName), report.pageCount());
    // A4 inside 20 mm margins
    QVERIFY(qAbs(report.pageSize().width() / report.pixelsPerMillimetre() - 170) < 0.5);
}

void tst_Report::failedPdfWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("old.pdf"));
    {
        QFile old(fileName);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    // a directory where nothing new can be created (root needs the immutable flag)
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    bool locked = !QFile(dir.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly);
    bool immutable = false;
    if (!locked) {
        QFile::remove(dir.filePath(QStringLiteral("probe")));
        immutable =
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir.path()}) == 0;
        locked = immutable;
    }
    if (!locked) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("no way to make a directory read-only here");
    }
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, QStringLiteral("timber_frame_wall.m2p"), allFrames());
    QString error;
    const bool written = report.writePdf(fileName, &error);
    if (immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir.path()});
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QFile old(fileName);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.pdf")});
}

void tst_Report::progressSteps()
{
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, QStringLiteral("timber_frame_wall.m2p"), allFrames());
    QList<int> steps;
    connect(&report, &Report::progress, this, [&](int step) { steps << step; });
    QImage page = pageImage(96);
    report.layout(&page);
    QList<int> layoutSteps;
    for (int i = 3; i <= Report::FrameCount; ++i)
        layoutSteps << i;
    QCOMPARE(steps, layoutSteps);
    steps.clear();
    QPainter painter(&page);
    report.paintPage(&painter, 1);
    QVERIFY(!steps.isEmpty());
    QCOMPARE(steps.first(), Report::FrameCount + 1);
    for (int s : steps)
        QVERIFY(s > Report::FrameCount && s <= 2 * Report::FrameCount);
}

void tst_Report::frameOrderHasEveryFrameOnce()
{
    // every frame below header and footer is stacked once, the U-value table right after the
    // surface resistances it uses
    std::set<int> seen(Report::frameOrder().begin(), Report::frameOrder().end());
    QCOMPARE(int(seen.size()), Report::FrameCount - 2);
    QCOMPARE(*seen.begin(), int(Report::ProjectInfoFrameIndex));
    QCOMPARE(*seen.rbegin(), Report::FrameCount - 1);
    const auto &order = Report::frameOrder();
    const auto at = [&](int frame) {
        return std::find(order.begin(), order.end(), frame) - order.begin();
    };
    QCOMPARE(at(Report::UValueFrameIndex), at(Report::SurfaceResistanceFrameIndex) + 1);
}

void tst_Report::uValueRowsAreTheCalculations_data()
{
    QTest::addColumn<QString>("example");
    for (const QString &name : exampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

void tst_Report::uValueRowsAreTheCalculations()
{
    // Every figure of the table is the calculation's own: R_si of the heat-flow direction, each
    // layer's d/λ, R_se, and R_T whose inverse is the U-value of the summary.
    QFETCH(QString, example);
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, example, {0, 1, Report::UValueFrameIndex});
    const CalculationResults &r = m_project.results();
    const HeatFlowDirection direction = m_project.projectInformation().m_heatFlowDirection;
    const std::vector<UValueFrame::Row> rows =
        UValueFrame::rows(m_project.inputData(), r, direction);
    const int n = m_project.layerCount();
    QCOMPARE(int(rows.size()), n + 3);
    QCOMPARE(rows.front().kind, UValueFrame::Row::InsideSurface);
    QCOMPARE(rows.front().R, CalculationResults::isoSurfaceResistanceInside(direction));
    for (int i = 0; i < n; ++i) {
        const UValueFrame::Row &row = rows[std::size_t(i) + 1];
        QCOMPARE(row.layer, i);
        QCOMPARE(row.d, m_project.inputData().layer(i).m_width);
        QCOMPARE(row.R, r.R_Glaser[std::size_t(i)]);
    }
    QCOMPARE(rows[std::size_t(n) + 1].R, CalculationResults::IsoSurfaceResistanceOutside);
    QCOMPARE(rows.back().kind, UValueFrame::Row::Total);
    QCOMPARE(1 / rows.back().R, r.U_ISO(direction));

    QImage page = pageImage(96);
    report.layout(&page);
    const QString text = report.framePlainText(Report::UValueFrameIndex);
    QVERIFY2(text.contains(QStringLiteral("U = 1/RT = %1 W/(m2K)")
                               .arg(QLocale().toString(r.U_ISO(direction), 'f', 3))),
             qPrintable(text));
    for (int i = 0; i < n; ++i)
        QVERIFY(text.contains(QLocale().toString(r.R_Glaser[std::size_t(i)], 'f', 3)));
    QVERIFY(text.contains(QLocale().toString(rows.back().R, 'f', 3)));
}

void tst_Report::uValueTableAirLayerAndMoistureU()
{
    // An air layer: no conductivity of its own, R from the standard's table (the calculation's);
    // the moisture-dependent U stands beside the dry one when its printed digits differ.
    QString message;
    QVERIFY2(m_project.load(examplesDir() + QStringLiteral("/timber_frame_wall.m2p"), &message),
             qPrintable(message));
    Material air = m_project.inputData().layer(0);
    air.m_name = QStringLiteral("Air gap");
    air.m_flags.insert(Material::F_Air);
    MaterialLayer airLayer(air, 0.04);
    QVERIFY(m_project.insertLayer(1, airLayer));
    const CalculationResults &r = m_project.results();
    const HeatFlowDirection direction = m_project.projectInformation().m_heatFlowDirection;
    const std::vector<UValueFrame::Row> rows =
        UValueFrame::rows(m_project.inputData(), r, direction);
    QCOMPARE(rows[2].kind, UValueFrame::Row::AirLayer);
    QVERIFY(std::isnan(rows[2].lambda));
    QCOMPARE(rows[2].R, r.R_Glaser[1]);
    QVERIFY(rows[2].R > 0.1 && rows[2].R < 0.25);

    ReportSettings settings;
    settings.m_activatedFrames = {Report::UValueFrameIndex};
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(m_project, settings);
    QImage page = pageImage(96);
    report.layout(&page);
    const QString text = report.framePlainText(Report::UValueFrameIndex);
    QVERIFY2(text.contains(QStringLiteral("Unventilated air layer")), qPrintable(text));
    const QString dry = QLocale().toString(r.U_ISO(direction), 'f', 3);
    const QString moist = QLocale().toString(r.U_moist, 'f', 3);
    QCOMPARE(text.contains(
                 QStringLiteral("with moisture-dependent conductivity: U = %1 W/(m2K)").arg(moist)),
             moist != dry);

    // without results only the surfaces, and dashes
    CalculationResults none;
    QCOMPARE(int(UValueFrame::rows(m_project.inputData(), none, direction).size()), 3);
}

void tst_Report::oneVersionInHeaderAndFooter()
{
    // header, footer and the PDF's creator name the program with the one version of the build
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, QStringLiteral("timber_frame_wall.m2p"), {0, 1, 2});
    QImage page = pageImage(96);
    report.layout(&page);
    const QString version = QLatin1String(Constants::ProgramVersionLong);
    QVERIFY(version.count(QLatin1Char('.')) == 2);
    QVERIFY2(report.framePlainText(Report::HeaderFrameIndex).contains(Report::programText()),
             qPrintable(report.framePlainText(Report::HeaderFrameIndex)));
    QVERIFY(report.framePlainText(Report::FooterFrameIndex).contains(Report::programText()));
    QVERIFY(Report::programText().contains(version));
    QVERIFY(!report.framePlainText(Report::HeaderFrameIndex)
                 .contains(QLatin1String(Constants::SettingsApplicationName) + QLatin1Char('\n')));
}

void tst_Report::missingFontFamilyIsReplaced()
{
    // A family that is not installed prints in the package's DejaVu Sans; the note goes to the
    // log file only, nothing to the console.
    const QString missing = QStringLiteral("No Such Family 4711");
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("report.log"));
    HTL::MessageHandler handler;
    std::ostringstream console;
    handler.setConsoleStream(&console);
    std::string error;
    QVERIFY(handler.openLogFile(log.toStdString(), false, error));
    HTL::MessageRouter::instance().setCurrent(&handler);
    const QString family = Report::availableFontFamily(missing);
    Report report(missing);
    HTL::MessageRouter::instance().setCurrent(nullptr);
    handler.closeLogFile();
    if (QFontDatabase().families().contains(QStringLiteral("DejaVu Sans")))
        QCOMPARE(family, QStringLiteral("DejaVu Sans"));
    QCOMPARE(report.reportFont().family(), QFont(family).family());
    QVERIFY(console.str().empty());
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QCOMPARE(written.count(missing.toUtf8()), 1); // once, however many reports
}

void tst_Report::everyPagePaintsWithoutWarnings_data()
{
    QTest::addColumn<QString>("example");
    for (const QString &name : exampleNames())
        QTest::addRow("%s", qPrintable(name)) << name;
}

void tst_Report::everyPagePaintsWithoutWarnings()
{
    // M2_REPORT_PNG_DIR=dir keeps the pages as PNG files to look at
    QFETCH(QString, example);
    const QString pngDir = qEnvironmentVariable("M2_REPORT_PNG_DIR");
    Report report(QStringLiteral("DejaVu Sans"));
    makeReport(report, example, allFrames());
    report.setPageNumbersVisible(true);
    TestSupport::QtWarningCapture capture;
    QImage probe = pageImage(120);
    report.layout(&probe);
    const int pages = report.pageCount();
    QVERIFY(pages >= 2);
    for (int p = 1; p <= pages; ++p) {
        QImage page = pageImage(120);
        report.paintPageOnDevice(&page, p);
        QCOMPARE(report.pageCount(), pages);
        // something was painted on every page
        QVERIFY(page != pageImage(120));
        if (!pngDir.isEmpty())
            page.save(QStringLiteral("%1/%2-%3.png")
                          .arg(pngDir, QFileInfo(example).completeBaseName())
                          .arg(p));
    }
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));
}

void tst_Report::layoutOutlivesTheWriterOfThePdf()
{
    // writePdf() lays the report out for a PDF writer that is gone when it returns, and the
    // report lives on (one report serves every project of a --report-dir run). Its last layout
    // painted once more gives the pages of a report whose writer still lives; laid out again in
    // another font for the screen, it measures as a report that never saw the writer.
    const QString example = QStringLiteral("timber_frame_wall.m2p");
    QTemporaryDir dir;
    Report written(QStringLiteral("DejaVu Sans"));
    makeReport(written, example, allFrames());
    QString error;
    QVERIFY2(written.writePdf(dir.filePath(QStringLiteral("report.pdf")), &error),
             qPrintable(error));

    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    const double m = Report::PageMargin_mm;
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(m, m, m, m), QPageLayout::Millimeter));
    Report alive(QStringLiteral("DejaVu Sans"));
    makeReport(alive, example, allFrames());
    QVERIFY(alive.printPages(&writer));
    QCOMPARE(written.pageCount(), alive.pageCount());
    for (int page = 1; page <= alive.pageCount(); ++page) {
        // the page of 600 dpi pixels drawn a tenth of its size
        QImage fromWritten = pageImage(60);
        QImage fromAlive = fromWritten;
        QPainter painter(&fromWritten);
        painter.scale(0.1, 0.1);
        written.paintPage(&painter, page);
        painter.end();
        painter.begin(&fromAlive);
        painter.scale(0.1, 0.1);
        alive.paintPage(&painter, page);
        painter.end();
        QVERIFY2(fromWritten == fromAlive, qPrintable(QStringLiteral("page %1").arg(page)));
    }

    QFont large = written.reportFont();
    large.setPointSize(11);
    written.setReportFont(large);
    Report fresh(QStringLiteral("DejaVu Sans"));
    makeReport(fresh, example, allFrames());
    fresh.setReportFont(large);
    QImage screen = pageImage(96);
    written.layout(&screen);
    fresh.layout(&screen);
    QCOMPARE(written.pageCount(), fresh.pageCount());
    for (int index = 0; index < Report::FrameCount; ++index)
        QCOMPARE(written.frameRect(index), fresh.frameRect(index));
    QCOMPARE(written.glaserDiagramRect(), fresh.glaserDiagramRect());
}

M2_TEST_MAIN(tst_Report)
#include "tst_Report.moc"
