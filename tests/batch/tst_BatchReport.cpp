// mirelo2-batch --report and --report-dir: usage errors, written PDFs, progress lines, failed
// writes, the frame selection overridden with --set, a report directory written by several
// processes.

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

QString examplesDir()
{
    return QDir::cleanPath(TestSupport::dataDir() + QStringLiteral("/../../resources/examples"));
}

QString example(const QString &baseName)
{
    return examplesDir() + QLatin1Char('/') + baseName + QStringLiteral(".m2p");
}

int pdfPageCount(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return pdf.count("/Type /Page") - pdf.count("/Type /Pages");
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/*! The PDF without the time of its making, which is all that two writes of one report may
    differ in. */
QByteArray pdfWithoutDate(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray pdf = file.readAll();
    const int date = pdf.indexOf("/CreationDate (D:");
    const int end = pdf.indexOf(')', date);
    if (date >= 0 && end > date)
        pdf.remove(date, end - date);
    return pdf;
}

} // namespace

class tst_BatchReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usageErrors_data();
    void usageErrors();
    void reportOfOneProject();
    void frameSelectionByOverride();
    void reportDirectory();
    void reportDirectoryOnSeveralProcesses();
    void failedWriteKeepsTheOldFile();
    void germanReport();
    void defaultReportHasTheGlaserDiagramAndTheUValueTable();

private:
    Run
    run(const QStringList &args,
        const QList<QPair<QString, QString>> &variables = QList<QPair<QString, QString>>()) const;
    QTemporaryDir m_home;
    QTemporaryDir m_out;
};

void tst_BatchReport::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(m_out.isValid());
    QVERIFY(QFileInfo::exists(QStringLiteral(M2_BIN_DIR "/mirelo2-batch")));
}

Run tst_BatchReport::run(const QStringList &args,
                         const QList<QPair<QString, QString>> &variables) const
{
    // the tool reads the user's settings: an empty home of its own, and no display
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // Qt's own note on a missing runtime directory is not the program's output
    const QString runtime = m_home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    for (const auto &v : variables)
        env.insert(v.first, v.second);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(M2_BIN_DIR "/mirelo2-batch"), args);
    Run r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

void tst_BatchReport::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    const QString wall = example(QStringLiteral("timber_frame_wall"));
    const QString roof = example(QStringLiteral("flat_roof_warm_deck"));
    const QString pdf = m_out.filePath(QStringLiteral("u.pdf"));
    QTest::newRow("no file name") << QStringList{QStringLiteral("--report")};
    QTest::newRow("two projects") << QStringList{QStringLiteral("--report"), pdf, wall, roof};
    QTest::newRow("not pdf") << QStringList{QStringLiteral("--report"),
                                            m_out.filePath(QStringLiteral("u.png")), wall};
    QTest::newRow("with json") << QStringList{QStringLiteral("--json"), QStringLiteral("--report"),
                                              pdf, wall};
    QTest::newRow("with diagram") << QStringList{QStringLiteral("--report"), pdf,
                                                 QStringLiteral("--diagram"),
                                                 m_out.filePath(QStringLiteral("d.svg")), wall};
    QTest::newRow("both") << QStringList{QStringLiteral("--report"), pdf,
                                         QStringLiteral("--report-dir"), m_out.path(), wall};
    QTest::newRow("missing dir") << QStringList{QStringLiteral("--report-dir"),
                                                m_out.filePath(QStringLiteral("nowhere")), wall};
}

void tst_BatchReport::usageErrors()
{
    QFETCH(QStringList, args);
    const Run r = run(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.contains("Usage:"));
    QVERIFY(!QFileInfo::exists(m_out.filePath(QStringLiteral("u.pdf"))));
}

void tst_BatchReport::reportOfOneProject()
{
    const QString pdf = m_out.filePath(QStringLiteral("wall.pdf"));
    const Run r =
        run({QStringLiteral("--report"), pdf, example(QStringLiteral("timber_frame_wall"))});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.isEmpty());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QVERIFY(pdfPageCount(pdf) >= 1);
}

void tst_BatchReport::frameSelectionByOverride()
{
    // header, footer and project information only: one page; every frame: more
    const QString few = m_out.filePath(QStringLiteral("few.pdf"));
    const QString all = m_out.filePath(QStringLiteral("all.pdf"));
    const QString wall = example(QStringLiteral("masonry_wall_interior_insulation"));
    QCOMPARE(run({QStringLiteral("--set"),
                  QStringLiteral("ReportSettings/ActivatedFrames=1 1 1 0 0 0 0 0 0 0 0 0 0 0 0 "),
                  QStringLiteral("--report"), few, wall})
                 .exitCode,
             0);
    QCOMPARE(run({QStringLiteral("--set"),
                  QStringLiteral("ReportSettings/ActivatedFrames=1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 "),
                  QStringLiteral("--report"), all, wall})
                 .exitCode,
             0);
    QCOMPARE(pdfPageCount(few), 1);
    QVERIFY(pdfPageCount(all) >= 3);
}

void tst_BatchReport::reportDirectory()
{
    QTemporaryDir dir;
    const QStringList bases = {QStringLiteral("timber_frame_wall"),
                               QStringLiteral("flat_roof_warm_deck")};
    const Run r =
        run({QStringLiteral("--report-dir"), dir.path(), example(bases[0]), example(bases[1])});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), bases.size());
    for (int i = 0; i < bases.size(); ++i) {
        const QString pdf = QDir(dir.path()).filePath(bases[i] + QStringLiteral(".pdf"));
        QVERIFY2(QFileInfo::exists(pdf), qPrintable(pdf));
        QVERIFY(pdfPageCount(pdf) >= 1);
        QVERIFY(lines[i].contains(QFile::encodeName(pdf)));
    }
    // a project that does not load: status 1, the others still written
    QTemporaryDir dir2;
    const Run bad = run({QStringLiteral("--report-dir"), dir2.path(),
                         m_out.filePath(QStringLiteral("missing.m2p")), example(bases[0])});
    QCOMPARE(bad.exitCode, 1);
    QVERIFY(QFileInfo::exists(QDir(dir2.path()).filePath(bases[0] + QStringLiteral(".pdf"))));
}

void tst_BatchReport::reportDirectoryOnSeveralProcesses()
{
    // Written by three processes, a report directory is what one process writes: the same
    // PDFs byte for byte (but for the time of making; a fixed hash seed orders the fonts of a
    // PDF alike in every process), the progress lines and the message of a project that does
    // not load in the order of the projects, and the same exit status. The language and the
    // overrides reach every process: the German texts and the frame selection are in the PDFs.
    const QStringList bases = {
        QStringLiteral("timber_frame_wall"), QStringLiteral("flat_roof_warm_deck"),
        QStringLiteral("external_wall_etics"), QStringLiteral("pitched_roof_between_rafters"),
        QStringLiteral("masonry_wall_interior_insulation")};
    QStringList projects;
    for (const QString &base : bases)
        projects << example(base);
    projects.insert(3, m_out.filePath(QStringLiteral("missing.m2p")));
    QTemporaryDir one, three;
    auto write = [&](const QTemporaryDir &dir, const QString &processes) {
        return run(QStringList{QStringLiteral("--lang=de"), QStringLiteral("--set"),
                               QStringLiteral("ReportSettings/ActivatedFrames=1 1 1 0 0 0 0 0 0 0 "
                                              "0 0 0 0 0 "),
                               QStringLiteral("--report-dir"), dir.path()} +
                       projects,
                   {{QStringLiteral("MIRELO2_BATCH_PROCESSES"), processes},
                    {QStringLiteral("QT_HASH_SEED"), QStringLiteral("0")}});
    };
    const Run single = write(one, QStringLiteral("1"));
    const Run shared = write(three, QStringLiteral("3"));
    QCOMPARE(single.exitCode, 1);
    QCOMPARE(shared.exitCode, single.exitCode);
    QCOMPARE(QString::fromUtf8(shared.out).replace(three.path(), one.path()),
             QString::fromUtf8(single.out));
    QCOMPARE(shared.out.count('\n'), bases.size());
    QCOMPARE(shared.err, single.err);
    QVERIFY(shared.err.contains("missing.m2p"));
    for (const QString &base : bases) {
        const QString name = base + QStringLiteral(".pdf");
        const QByteArray pdf = pdfWithoutDate(QDir(three.path()).filePath(name));
        QVERIFY2(!pdf.isEmpty(), qPrintable(name));
        QVERIFY2(pdf == pdfWithoutDate(QDir(one.path()).filePath(name)), qPrintable(name));
        // header, footer and project information: one page
        QCOMPARE(pdfPageCount(QDir(three.path()).filePath(name)), 1);
    }
}

void tst_BatchReport::failedWriteKeepsTheOldFile()
{
    // into a directory that does not exist: status 1 with the reason
    const Run r = run({QStringLiteral("--report"), m_out.filePath(QStringLiteral("no/dir/x.pdf")),
                       example(QStringLiteral("timber_frame_wall"))});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains("x.pdf"));
    QVERIFY(!QFileInfo::exists(m_out.filePath(QStringLiteral("no/dir/x.pdf"))));
}

void tst_BatchReport::germanReport()
{
    // --lang=de: German headings on the pages, decimal commas, and nothing on standard error
    // (a missing report font is a note in the log, not a complaint at the console)
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdf = m_out.filePath(QStringLiteral("de.pdf"));
    const Run r = run(
        {QStringLiteral("--lang=de"), QStringLiteral("--set"),
         QStringLiteral("ReportSettings/ActivatedFrames=1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 "),
         QStringLiteral("--set"), QStringLiteral("ReportSettings/CurrentPageNumbersVisible=true"),
         QStringLiteral("--report"), pdf,
         example(QStringLiteral("masonry_wall_interior_insulation"))});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.err.isEmpty(), r.err.constData());
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed: the PDF's text cannot be read");
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(60000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    QVERIFY(text.size() > 1000);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(M2_BIN_DIR "/resources/translations/Mirelo2_de.qm")));
    const QList<QPair<const char *, const char *>> headings = {
        {"ConstructionLayerFrame", "Material Properties"},
        {"ClimateFrame", "Climate Data"},
        {"SurfaceResistanceFrame", "Surface Resistances"},
        {"ReportFrameConclusions", "Minimum thermal protection"},
        {"DiagramScene", "Layer widths in [mm]"}};
    for (const auto &h : headings) {
        const QString german = translator.translate(h.first, h.second);
        QVERIFY2(!german.isEmpty() && german != QLatin1String(h.second), h.second);
        QVERIFY2(text.contains(german), qPrintable(german));
        QVERIFY2(!text.contains(QLatin1String(h.second)), h.second);
    }
    const QString page = translator.translate("FooterFrame", "Page %1 of %2");
    QVERIFY(!page.isEmpty());
    QVERIFY2(text.contains(page.arg(1).arg(pdfPageCount(pdf))), qPrintable(page));
    // decimal commas: no number with a decimal point but the program's version and the date
    QString numbers = text;
    numbers.remove(QLatin1String(M2_PROGRAM_VERSION));
    numbers.remove(QRegularExpression(QStringLiteral("\\d{1,2}\\.\\d{1,2}\\.\\d{2,4}")));
    const QRegularExpression point(QStringLiteral("\\d\\.\\d"));
    QVERIFY2(!numbers.contains(point), qPrintable(numbers.mid(numbers.indexOf(point) - 60, 120)));
    QVERIFY(numbers.contains(QRegularExpression(QStringLiteral("\\d,\\d"))));
}

void tst_BatchReport::defaultReportHasTheGlaserDiagramAndTheUValueTable()
{
    // The frames a new user prints: the U-value table and the Glaser diagram are among them,
    // and the diagram is printed also where it ends a page and the Glaser results start the next.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdf = m_out.filePath(QStringLiteral("default.pdf"));
    const Run r = run({QStringLiteral("--lang=de"), QStringLiteral("--report"), pdf,
                       example(QStringLiteral("masonry_wall_interior_insulation"))});
    QCOMPARE(r.exitCode, 0);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed: the PDF's text cannot be read");
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(60000));
    // compatibility form: the PDF writes "ffi" as a ligature
    const QString text = QString::fromUtf8(p.readAllStandardOutput())
                             .normalized(QString::NormalizationForm_KC)
                             .simplified();
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(M2_BIN_DIR "/resources/translations/Mirelo2_de.qm")));
    const QList<QPair<const char *, const char *>> headings = {
        {"GlaserDiagramFrame", "Glaser Diagram (DIN 4108-3)"},
        {"UValueFrame", "Thermal Transmittance according to DIN EN ISO 6946"}};
    for (const auto &h : headings) {
        const QString german = translator.translate(h.first, h.second);
        QVERIFY2(!german.isEmpty() && german != QLatin1String(h.second), h.second);
        QVERIFY2(text.contains(german), qPrintable(german));
    }
}

M2_TEST_GUILESS_MAIN(tst_BatchReport)
#include "tst_BatchReport.moc"
