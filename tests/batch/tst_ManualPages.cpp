// The manual pages of the two programs (docs/man) against what the programs say of themselves:
// every option that --help prints is described in the page and the page describes no other, the
// exit codes of mirelo2-batch are the same in both, and groff reads the pages without a warning.

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

namespace {

QString manDir()
{
    return QDir::cleanPath(TestSupport::dataDir() + QStringLiteral("/../../docs/man"));
}

QString readPage(const QString &name)
{
    QFile f(manDir() + QLatin1Char('/') + name);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

/*! The text of one section (".SH NAME" up to the next ".SH"), roff escapes for '-' undone. */
QString section(const QString &page, const QString &name)
{
    const int start = page.indexOf(QStringLiteral(".SH ") + name);
    if (start < 0)
        return QString();
    int end = page.indexOf(QStringLiteral("\n.SH "), start + 4);
    if (end < 0)
        end = page.size();
    return page.mid(start, end - start).replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

/*! The long options of a text ("--report-dir" gives "report-dir"). */
std::set<QString> longOptions(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("--([a-z][a-z-]*[a-z])"));
    std::set<QString> found;
    auto it = re.globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured(1));
    return found;
}

/*! The tags of the .TP paragraphs of a section: the line after each ".TP". */
QString tags(const QString &sectionText)
{
    const QStringList lines = sectionText.split(QLatin1Char('\n'));
    QStringList out;
    for (int i = 0; i + 1 < lines.size(); ++i)
        if (lines.at(i) == QLatin1String(".TP"))
            out << lines.at(i + 1);
    return out.join(QLatin1Char('\n'));
}

struct Run
{
    int exitCode = -1;
    QString out;
};

Run runHelp(const QString &program, const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(M2_BIN_DIR "/") + program, {QStringLiteral("--help")});
    Run r;
    if (!p.waitForFinished(30000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return r;
}

} // namespace

class tst_ManualPages : public QObject
{
    Q_OBJECT

private slots:
    void optionsMatchTheHelp_data();
    void optionsMatchTheHelp();
    void exitCodesOfTheBatch();
    void groffReadsThePages_data();
    void groffReadsThePages();

private:
    QTemporaryDir m_home;
};

void tst_ManualPages::optionsMatchTheHelp_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("page");
    QTest::newRow("mirelo2-batch")
        << QStringLiteral("mirelo2-batch") << QStringLiteral("mirelo2-batch.1");
    QTest::newRow("Mirelo2") << QStringLiteral("Mirelo2") << QStringLiteral("Mirelo2.1");
}

void tst_ManualPages::optionsMatchTheHelp()
{
    QFETCH(QString, program);
    QFETCH(QString, page);
    const QString text = readPage(page);
    QVERIFY2(!text.isEmpty(), qPrintable(manDir() + QLatin1Char('/') + page));
    const Run help = runHelp(program, m_home.path());
    QVERIFY2(help.exitCode >= 0, qPrintable(program + QStringLiteral(" did not finish")));
    // the option lines of the help: those that begin with blanks and "--"
    QString optionLines;
    for (const QString &line : help.out.split(QLatin1Char('\n')))
        if (line.trimmed().startsWith(QLatin1String("--")))
            optionLines += line.trimmed().section(QLatin1Char(' '), 0, 0) + QLatin1Char('\n');
    const std::set<QString> inHelp = longOptions(optionLines);
    const std::set<QString> inPage = longOptions(tags(section(text, QStringLiteral("OPTIONS"))));
    QVERIFY(inHelp.size() >= 3);
    QStringList missing, extra;
    for (const QString &o : inHelp)
        if (!inPage.count(o))
            missing << o;
    for (const QString &o : inPage)
        if (!inHelp.count(o))
            extra << o;
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in ") + page + QStringLiteral(": ") +
                                           missing.join(QStringLiteral(", "))));
    QVERIFY2(extra.isEmpty(), qPrintable(QStringLiteral("not in --help of ") + program +
                                         QStringLiteral(": ") + extra.join(QStringLiteral(", "))));
    // every usage line of the help is a synopsis of the page
    QVERIFY(text.contains(QStringLiteral(".SH SYNOPSIS")));
}

void tst_ManualPages::exitCodesOfTheBatch()
{
    const Run help = runHelp(QStringLiteral("mirelo2-batch"), m_home.path());
    QCOMPARE(help.exitCode, 0);
    const int at = help.out.indexOf(QStringLiteral("Exit status:"));
    QVERIFY(at >= 0);
    static const QRegularExpression codeInHelp(QStringLiteral("(?:^|: |, |\\n)(\\d) [a-z]"));
    std::set<QString> inHelp, inPage;
    auto it = codeInHelp.globalMatch(help.out.mid(at));
    while (it.hasNext())
        inHelp.insert(it.next().captured(1));
    static const QRegularExpression codeInPage(QStringLiteral("^\\.B (\\d)$"),
                                               QRegularExpression::MultilineOption);
    it = codeInPage.globalMatch(
        section(readPage(QStringLiteral("mirelo2-batch.1")), QStringLiteral("EXIT STATUS")));
    while (it.hasNext())
        inPage.insert(it.next().captured(1));
    QVERIFY(inHelp.size() >= 3);
    QCOMPARE(inPage, inHelp);
    // and the page shows how the program is used
    QVERIFY(section(readPage(QStringLiteral("mirelo2-batch.1")), QStringLiteral("EXAMPLES"))
                .count(QStringLiteral("\nmirelo2-batch ")) >= 3);
}

void tst_ManualPages::groffReadsThePages_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("mirelo2-batch") << QStringLiteral("mirelo2-batch.1");
    QTest::newRow("Mirelo2") << QStringLiteral("Mirelo2.1");
}

void tst_ManualPages::groffReadsThePages()
{
    QFETCH(QString, page);
    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (groff.isEmpty())
        QSKIP("groff (Debian package groff-base) is not installed");
    QProcess p;
    p.start(groff, {QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-ww"),
                    QStringLiteral("-z"), manDir() + QLatin1Char('/') + page});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString warnings = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
}

M2_TEST_GUILESS_MAIN(tst_ManualPages)
#include "tst_ManualPages.moc"
