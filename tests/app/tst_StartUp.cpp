// The built Mirelo2 program: help text and exit code, and the log file of a start.

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString Program = QStringLiteral(M2_BIN_DIR "/Mirelo2");

// An environment in which the program finds no display and keeps all its files (settings, log,
// user data) below home.
QProcessEnvironment isolatedEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + "/.config");
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + "/.local/share");
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.remove(QStringLiteral("LC_ALL"));
    return env;
}

QString readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

} // namespace

class tst_StartUp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void help_data();
    void help();
    void logFileOfAStart_data();
    void logFileOfAStart();

private:
    QString logPath(const QString &home) const
    {
        return home + "/.local/share/HTL/Mirelo2/Mirelo2.log";
    }
};

void tst_StartUp::initTestCase()
{
    QVERIFY2(QFileInfo(Program).isExecutable(), qPrintable(Program));
}

void tst_StartUp::help_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("help") << QStringList{"--help"};
    QTest::newRow("help before lang") << QStringList{"--help", "--lang=de"};
    QTest::newRow("help after file") << QStringList{"wall.m2p", "--help"};
}

void tst_StartUp::help()
{
    QFETCH(QStringList, args);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcess p;
    p.setProcessEnvironment(isolatedEnvironment(home.path()));
    p.start(Program, args);
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()),
             QStringLiteral("Mirelo 2 Command Line Syntax:\n"
                            "\n"
                            "  --help  \n"
                            "  --no-splash  \n"
                            "  --lang=<language ID>  \n"));
    // Settings are not written after --help.
    QVERIFY(!QFileInfo::exists(home.path() + "/.config/HTL/Mirelo 2.4.conf"));
    // The start line is logged before the command line is looked at.
    QVERIFY(readAll(logPath(home.path())).contains(QStringLiteral("Mirelo 2 started ")));
}

void tst_StartUp::logFileOfAStart_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("expectedLines");

    QTest::newRow("stored default language de")
        << QStringList{"--no-splash"}
        << QStringList{"Installing translator for language: de",
                       "Translation required for locale: de", "%1/qt_de.qm loaded",
                       "%1/Mirelo2_de.qm loaded"};
    QTest::newRow("upper-case language")
        << QStringList{"--lang=PL"}
        << QStringList{"Installing translator for language: PL",
                       "Translation required for locale: pl", "%1/qt_pl.qm loaded",
                       "%1/Mirelo2_pl.qm loaded"};
    QTest::newRow("english") << QStringList{"--no-splash", "--lang=en"}
                             << QStringList{"Installing translator for language: en",
                                            "%1/Mirelo2_en.qm loaded"};
}

void tst_StartUp::logFileOfAStart()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, expectedLines);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString log = logPath(home.path());
    // A log of an earlier run, which must be gone.
    QVERIFY(QDir().mkpath(QFileInfo(log).path()));
    {
        QFile old(log);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("line of an earlier run\n");
    }

    QProcess p;
    p.setProcessEnvironment(isolatedEnvironment(home.path()));
    p.start(Program, args);
    QVERIFY(p.waitForStarted(30000));
    const QString last = expectedLines.last().arg(QString());
    QTRY_VERIFY_WITH_TIMEOUT(readAll(log).contains(last), 30000);
    p.kill();
    p.waitForFinished(30000);

    // The start-up's own lines (context "main"); the databases, read at start-up, log theirs
    // in between.
    QStringList lines;
    for (const QString &line : readAll(log).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (line.contains(QStringLiteral("\tmain ")))
            lines << line;
    QVERIFY(!lines.isEmpty());
    const QRegularExpression startLine(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\t\\[Progress\\]\\tmain {36}\\t"
                       "Mirelo 2 started \\w{3} \\w{3} +\\d+ \\d\\d:\\d\\d:\\d\\d \\d{4}$"));
    QVERIFY2(startLine.match(lines.first()).hasMatch(), qPrintable(lines.first()));
    QCOMPARE(lines.size(), 1 + expectedLines.size());
    const QString translations = QFileInfo(Program).absolutePath() + "/resources/translations";
    for (int i = 0; i < expectedLines.size(); ++i) {
        const QString expected = expectedLines[i].contains(QLatin1String("%1"))
                                     ? expectedLines[i].arg(translations)
                                     : expectedLines[i];
        QVERIFY2(lines[i + 1].endsWith(QStringLiteral("\t[Progress]\tmain") + QString(36, ' ') +
                                       "\t" + expected),
                 qPrintable(lines[i + 1]));
    }
}

M2_TEST_GUILESS_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
