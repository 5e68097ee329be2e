// What the user typed reaches the report as typed: markup in any text field is printed
// literally, line breaks stay, no image named in a text is loaded, and names too long for a page
// are cut instead of stalling the layout.

#include "TestSupport.h"

#include "document/Project.h"
#include "report/Report.h"
#include "report/ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>
#include <QtTest>

namespace {

QString example()
{
    return QDir(QStringLiteral(M2_TEST_DATA_DIR "/../../resources/examples/"
                                                "masonry_wall_interior_insulation.m2p"))
        .absolutePath();
}

ReportSettings allFrames()
{
    ReportSettings settings;
    for (int i = 0; i < Report::FrameCount; ++i)
        settings.m_activatedFrames.insert(i);
    settings.m_printRemarkProjectInformation = true;
    return settings;
}

QImage page()
{
    QImage image(800, 1130, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

/*! A bright magenta image that nothing in a report is painted in. */
QString writeSecretImage(const QTemporaryDir &dir)
{
    QImage secret(300, 300, QImage::Format_RGB32);
    secret.fill(QColor(255, 0, 255));
    const QString path = dir.filePath(QStringLiteral("secret.png"));
    secret.save(path);
    return path;
}

bool hasMagenta(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFF00FF)
                return true;
    }
    return false;
}

} // namespace

class tst_ReportUserTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void markupIsPrintedLiterally_data();
    void markupIsPrintedLiterally();
    void lineBreaksOfTheDescriptionStay();
    void reportDocumentLoadsNoResource();
    void longNamesAreCut();
    void elide_data();
    void elide();

private:
    Project m_project;
};

void tst_ReportUserTexts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QString message;
    QVERIFY2(m_project.load(example(), &message), qPrintable(message));
}

void tst_ReportUserTexts::markupIsPrintedLiterally_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("frame");
    QTest::newRow("project name") << "project" << int(Report::ProjectInfoFrameIndex);
    QTest::newRow("construction") << "construction" << int(Report::ProjectInfoFrameIndex);
    QTest::newRow("user") << "user" << int(Report::ProjectInfoFrameIndex);
    QTest::newRow("company") << "company" << int(Report::ProjectInfoFrameIndex);
    QTest::newRow("description") << "description" << int(Report::ProjectInfoFrameIndex);
    QTest::newRow("final remarks") << "remarks" << int(Report::DisclaimerFrameIndex);
    QTest::newRow("layer in the material table") << "layer" << int(Report::MaterialFrameIndex);
    QTest::newRow("layer in the resistances") << "layer" << int(Report::ResistanceFrameIndex);
    QTest::newRow("layer in the results table") << "layer" << int(Report::ResultsTableFrameIndex);
}

void tst_ReportUserTexts::markupIsPrintedLiterally()
{
    QFETCH(QString, field);
    QFETCH(int, frame);
    QTemporaryDir dir;
    const QString secret = writeSecretImage(dir);
    const QString text =
        QStringLiteral("U < 0.24 and a<b c>d &amp; <b>b</b><img src=\"%1\">").arg(secret);
    QVERIFY(text.size() <= ReportContent::MaxNameLength);

    ProjectInformation info = m_project.projectInformation();
    InputData input = m_project.inputData();
    QString *target = field == QLatin1String("project")        ? &info.m_projectName
                      : field == QLatin1String("construction") ? &info.m_constructionID
                      : field == QLatin1String("user")         ? &info.m_userName
                      : field == QLatin1String("company")      ? &info.m_company
                      : field == QLatin1String("description")  ? &info.m_description
                      : field == QLatin1String("remarks")      ? &info.m_disclaimerText
                                                               : &input.layer(1).m_name;
    *target = text;
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(info, m_project.results(), input, allFrames());
    TestSupport::QtWarningCapture capture;
    QImage probe = page();
    report.layout(&probe);
    QVERIFY2(report.framePlainText(frame).contains(text), qPrintable(report.framePlainText(frame)));
    for (int p = 1; p <= report.pageCount(); ++p) {
        QImage image = page();
        report.paintPageOnDevice(&image, p);
        QVERIFY2(!hasMagenta(image), qPrintable(QStringLiteral("the image is on page %1").arg(p)));
    }
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));
}

void tst_ReportUserTexts::lineBreaksOfTheDescriptionStay()
{
    // three lines are two lines taller than the same words on one line
    auto frameHeight = [&](const QString &description, const QString &remarks) {
        ProjectInformation info = m_project.projectInformation();
        info.m_description = description;
        info.m_disclaimerText = remarks;
        Report report(QStringLiteral("DejaVu Sans"));
        report.setData(info, m_project.results(), m_project.inputData(), allFrames());
        QImage image = page();
        report.layout(&image);
        return qMakePair(report.frameRect(Report::ProjectInfoFrameIndex).height(),
                         report.frameRect(Report::DisclaimerFrameIndex).height());
    };
    const auto oneLine =
        frameHeight(QStringLiteral("first second third"), QStringLiteral("first second third"));
    const auto threeLines = frameHeight(QStringLiteral("first\nsecond\nthird"),
                                        QStringLiteral("first\nsecond\r\nthird"));
    QVERIFY2(threeLines.first > oneLine.first + 10,
             qPrintable(QStringLiteral("%1 %2").arg(threeLines.first).arg(oneLine.first)));
    QVERIFY2(threeLines.second > oneLine.second + 10,
             qPrintable(QStringLiteral("%1 %2").arg(threeLines.second).arg(oneLine.second)));
}

void tst_ReportUserTexts::reportDocumentLoadsNoResource()
{
    // Even markup that reaches the document itself loads nothing: a plain document would show
    // the 300-pixel image, the report's document does not.
    QTemporaryDir dir;
    const QString secret = writeSecretImage(dir);
    const QString html = QStringLiteral("<p>x</p><img src=\"%1\">").arg(secret);
    QTextDocument plain;
    plain.setHtml(html);
    QVERIFY(plain.documentLayout()->documentSize().height() >= 300);

    TestSupport::MessageCapture messages;
    ReportDocument document;
    document.setHtml(html);
    QVERIFY(document.documentLayout()->documentSize().height() < 100);
    QVERIFY(document.refusedResources() > 0);
    // what the document holds for either address is an empty picture, never the file
    for (const QUrl &url :
         {QUrl::fromLocalFile(secret), QUrl(QStringLiteral("https://example.org/x.png"))})
        QVERIFY(
            qvariant_cast<QImage>(document.resource(QTextDocument::ImageResource, url)).width() <=
            1);
}

void tst_ReportUserTexts::longNamesAreCut()
{
    const QString longName = QStringLiteral("Mineral wool ") + QString(100000, QLatin1Char('x'));
    ProjectInformation info = m_project.projectInformation();
    info.m_projectName = longName;
    info.m_description = QString(100000, QLatin1Char('y'));
    InputData input = m_project.inputData();
    input.layer(1).m_name = longName;
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(info, m_project.results(), input, allFrames());
    QImage image = page();
    report.layout(&image);

    const int n = ReportContent::MaxNameLength;
    const QString cut = longName.left(n - 1) + QChar(0x2026);
    QCOMPARE(report.content().input.layer(1).m_name, cut);
    QCOMPARE(report.content().info.m_projectName, cut);
    QCOMPARE(report.content().info.m_description.size(), ReportContent::MaxTextLength);
    QVERIFY(report.content().info.m_description.endsWith(QChar(0x2026)));
    QCOMPARE(report.content().input.layer(0).m_name, m_project.inputData().layer(0).m_name);
    for (int frame : {int(Report::MaterialFrameIndex), int(Report::ResistanceFrameIndex),
                      int(Report::ResultsTableFrameIndex), int(Report::ProjectInfoFrameIndex)}) {
        const QString text = report.framePlainText(frame);
        QVERIFY(text.contains(cut));
        QVERIFY(!text.contains(longName.left(n)));
    }
}

void tst_ReportUserTexts::elide_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("expected");
    QTest::newRow("short") << "abc" << 3 << "abc";
    QTest::newRow("one too long") << "abcd" << 3 << QStringLiteral("ab\u2026");
    QTest::newRow("empty") << "" << 3 << "";
    // a character outside the basic plane is never cut in half
    QTest::newRow("surrogate pair")
        << QStringLiteral("a\U0001F600bc") << 3 << QStringLiteral("a\u2026");
}

void tst_ReportUserTexts::elide()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(QString, expected);
    QCOMPARE(ReportContent::elide(text, maxLength), expected);
}

M2_TEST_MAIN(tst_ReportUserTexts)
#include "tst_ReportUserTexts.moc"
