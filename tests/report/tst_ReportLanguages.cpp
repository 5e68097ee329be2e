// The report in the user's language: every frame of an example's report, rendered with the German
// and the Polish catalogue installed, is read back as text; no English text that the catalogue
// translates may be left on the page. This checks the texts that reach the page, not only the
// catalogue, so a frame that asks for its texts under another context than the catalogue's fails.

#include "TestSupport.h"

#include "document/Project.h"
#include "report/Report.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <set>

namespace {

QString sourceDir()
{
    return QDir(QStringLiteral(M2_TEST_DATA_DIR "/../..")).absolutePath();
}

/*! Plain text of a rich-text template, placeholders replaced by a line break. */
QString plainOf(const QString &html)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d{1,2}|%n"));
    QString text = html;
    text.replace(placeholder, QStringLiteral("<br/>"));
    return QTextDocumentFragment::fromHtml(text).toPlainText();
}

struct English
{
    QString context;
    QString fragment;
    /*! The fragment as a whole word or phrase: "Temperature" is no fault in "Temperaturen". */
    QRegularExpression pattern;
};

/*! The pieces of English source text of the report's contexts that the catalogue translates to
    something else: each piece between placeholders that has at least one word of four letters
    and does not also stand in the translation (a formula or a unit stays as it is). */
QList<English> translatedEnglish(const QString &catalogue, const std::set<QString> &contexts,
                                 QString *error)
{
    QList<English> found;
    QFile file(catalogue);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return found;
    }
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{4,}"));
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && contexts.count(context)) {
            const QString translation = plainOf(xml.readElementText());
            for (const QString &line : plainOf(source).split(QLatin1Char('\n'))) {
                const QString piece = line.simplified();
                if (piece.contains(word) && !translation.contains(piece))
                    found << English{
                        context, piece,
                        QRegularExpression(QStringLiteral("(?<!\\w)%1(?!\\w)")
                                               .arg(QRegularExpression::escape(piece)),
                                           QRegularExpression::UseUnicodePropertiesOption)};
            }
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return found;
}

} // namespace

class tst_ReportLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noEnglishLeftOnThePage_data();
    void noEnglishLeftOnThePage();
    void diagramTextsAreRead();
    void numbersInTheReportsLanguage_data();
    void numbersInTheReportsLanguage();
};

void tst_ReportLanguages::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_ReportLanguages::noEnglishLeftOnThePage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("example");
    for (const char *lang : {"de", "pl"})
        for (const char *example :
             {"masonry_wall_interior_insulation.m2p", "timber_frame_wall.m2p"})
            QTest::addRow("%s %s", lang, example)
                << QString::fromLatin1(lang) << QString::fromLatin1(example);
}

void tst_ReportLanguages::noEnglishLeftOnThePage()
{
    QFETCH(QString, lang);
    QFETCH(QString, example);
    QTranslator translator;
    const QString qm = QStringLiteral(M2_BIN_DIR "/resources/translations/Mirelo2_%1.qm").arg(lang);
    QVERIFY2(translator.load(qm), qPrintable(qm + QStringLiteral(" is missing")));
    QVERIFY(QCoreApplication::installTranslator(&translator));

    // the frame classes, the helpers they share and the calculation texts they print
    const std::set<QString> contexts = {
        QStringLiteral("HeaderFrame"), QStringLiteral("FooterFrame"),
        QStringLiteral("ReportFrameProjectInfo"), QStringLiteral("SketchFrame"),
        QStringLiteral("ConstructionLayerFrame"), QStringLiteral("ClimateFrame"),
        QStringLiteral("SurfaceResistanceFrame"), QStringLiteral("ResistanceFrame"),
        QStringLiteral("ResultsTableFrame"), QStringLiteral("DiagramFrame"),
        QStringLiteral("ReportFrameConclusions"), QStringLiteral("GlaserFrame"),
        QStringLiteral("DisclaimerFrame"), QStringLiteral("UValueFrame"), QStringLiteral("Report"),
        // the titles and the legend of the diagrams
        QStringLiteral("DiagramScene"), QStringLiteral("ReportFrameBase")};
    QString error;
    const QList<English> english = translatedEnglish(
        sourceDir() + QStringLiteral("/resources/translations/Mirelo2_%1.ts").arg(lang), contexts,
        &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(english.size() > 50);

    Project project;
    QString message;
    QVERIFY2(project.load(sourceDir() + QStringLiteral("/resources/examples/") + example, &message),
             qPrintable(message));
    ReportSettings settings;
    for (int i = 0; i < Report::FrameCount; ++i)
        settings.m_activatedFrames.insert(i);
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(project, settings);
    report.setLanguage(lang);
    report.setPageNumbersVisible(true);
    QImage page(800, 1200, QImage::Format_RGB32);
    report.layout(&page);
    {
        QPainter painter(&page);
        report.paintPage(&painter, 1);
    }
    QStringList left;
    int characters = 0;
    for (int frame = 0; frame < Report::FrameCount; ++frame) {
        const QString text = report.framePlainText(frame);
        characters += text.size();
        for (const English &e : english)
            if (text.contains(e.pattern))
                left << QStringLiteral("frame %1: \"%2\" (%3)")
                            .arg(frame)
                            .arg(e.fragment, e.context);
    }
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(characters > 1000);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
}

void tst_ReportLanguages::diagramTextsAreRead()
{
    // the language check above reads the diagrams' titles and legend through the frames
    Project project;
    QString message;
    QVERIFY2(project.load(sourceDir() + QStringLiteral("/resources/examples/timber_frame_wall.m2p"),
                          &message),
             qPrintable(message));
    ReportSettings settings;
    settings.m_activatedFrames = {Report::MoistureDiagramFrameIndex,
                                  Report::VapourDiagramFrameIndex};
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(project, settings);
    QImage page(800, 1200, QImage::Format_RGB32);
    report.layout(&page);
    const QString vapour = report.framePlainText(Report::VapourDiagramFrameIndex);
    QVERIFY2(vapour.contains(QStringLiteral("Sat. vapour pressure")), qPrintable(vapour));
    QVERIFY(vapour.contains(QStringLiteral("Layer widths in [mm]")));
    QVERIFY(report.framePlainText(Report::MoistureDiagramFrameIndex)
                .contains(QStringLiteral("Moisture content w in")));
}

void tst_ReportLanguages::numbersInTheReportsLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("example");
    for (const char *example : {"masonry_wall_interior_insulation.m2p", "timber_frame_wall.m2p"}) {
        QTest::addRow("de %s", example) << QStringLiteral("de") << QChar(',') << example;
        QTest::addRow("pl %s", example) << QStringLiteral("pl") << QChar(',') << example;
        QTest::addRow("en %s", example) << QStringLiteral("en") << QChar('.') << example;
    }
}

void tst_ReportLanguages::numbersInTheReportsLanguage()
{
    // Every number on the pages, of the frames, of the requirement texts of the calculation and
    // of the diagram labels, has the decimal separator of the report's language, whatever the
    // locale of the process.
    QFETCH(QString, lang);
    QFETCH(QChar, separator);
    QFETCH(QString, example);
    // the report in a language: its catalogue (whose texts write the numbers they contain in
    // that language) and its number format
    QTranslator translator;
    const QString qm = QStringLiteral(M2_BIN_DIR "/resources/translations/Mirelo2_%1.qm").arg(lang);
    if (translator.load(qm))
        QCoreApplication::installTranslator(&translator);
    else
        QVERIFY2(lang == QLatin1String("en"), qPrintable(qm + QStringLiteral(" is missing")));
    const QLocale before;
    Project project;
    QString message;
    QVERIFY2(project.load(sourceDir() + QStringLiteral("/resources/examples/") + example, &message),
             qPrintable(message));
    ReportSettings settings;
    for (int i = 0; i < Report::FrameCount; ++i)
        settings.m_activatedFrames.insert(i);
    settings.m_frsiCheck = true;
    settings.m_dryingReserve = 0.1;
    Report report(QStringLiteral("DejaVu Sans"));
    report.setData(project, settings);
    report.setLanguage(lang);
    report.setPageNumbersVisible(true);
    QImage page(800, 1200, QImage::Format_RGB32);
    report.layout(&page);
    {
        QPainter painter(&page);
        report.paintPage(&painter, 1);
    }
    QCOMPARE(QLocale(), before); // the process's default comes back

    const QChar other = separator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    // a decimal number: digits, the separator, digits (not a date, not the program's version)
    const QRegularExpression wrong(QStringLiteral("(?<![\\d.,])\\d+\\%1\\d+(?![\\d.])").arg(other));
    const QRegularExpression right(QStringLiteral("\\d\\%1\\d").arg(separator));
    const QString date = QLocale(lang).toString(QDate::currentDate(), QLocale::ShortFormat);
    QStringList faults;
    int numbers = 0;
    for (int frame = 0; frame < Report::FrameCount; ++frame) {
        QString text = report.framePlainText(frame);
        text.remove(Report::programText());
        text.remove(date);
        numbers += text.count(right);
        QRegularExpressionMatchIterator it = wrong.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            faults << QStringLiteral("frame %1: %2 in \"%3\"")
                          .arg(frame)
                          .arg(m.captured(), text.mid(std::max(0, m.capturedStart() - 60), 120));
        }
    }
    QVERIFY2(numbers > 40, qPrintable(QString::number(numbers)));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

M2_TEST_MAIN(tst_ReportLanguages)
#include "tst_ReportLanguages.moc"
