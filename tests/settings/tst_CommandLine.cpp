// Command-line parsing: options, language, project file, and the help text.

#include "TestSupport.h"

#include "settings/Settings.h"

#include <sstream>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void helpText();
    void defaultArgumentsAreQtArguments();
};

void tst_CommandLine::parse_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("projectToOpen");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("splash");

    const QString last = QStringLiteral("/home/u/last.m2p");
    QTest::newRow("no arguments") << QStringList{} << true << last << "" << true;
    QTest::newRow("help") << QStringList{"--help"} << false << last << "" << true;
    QTest::newRow("help stops before lang")
        << QStringList{"--help", "--lang=de"} << false << last << "" << true;
    QTest::newRow("help stops before no-splash")
        << QStringList{"--help", "--no-splash"} << false << last << "" << true;
    QTest::newRow("options before help count")
        << QStringList{"--no-splash", "a.m2p", "--help"} << false << "a.m2p"
        << "" << false;
    QTest::newRow("no-splash") << QStringList{"--no-splash"} << true << last << "" << false;
    QTest::newRow("lang") << QStringList{"--lang=pl"} << true << last << "pl" << true;
    QTest::newRow("lang upper case value kept")
        << QStringList{"--lang=DE"} << true << last << "DE" << true;
    QTest::newRow("lang empty value") << QStringList{"--lang="} << true << last << "" << true;
    QTest::newRow("lang without =") << QStringList{"--lang"} << true << last << "" << true;
    QTest::newRow("language=de") << QStringList{"--language=de"} << true << last << "de" << true;
    QTest::newRow("LANG is unknown") << QStringList{"--LANG=de"} << true << last << "" << true;
    QTest::newRow("value after first =")
        << QStringList{"--lang=de=x"} << true << last << "de=x" << true;
    QTest::newRow("last lang wins")
        << QStringList{"--lang=de", "--lang=en"} << true << last << "en" << true;
    QTest::newRow("Help is unknown") << QStringList{"--Help"} << true << last << "" << true;
    QTest::newRow("unknown option") << QStringList{"--verbose"} << true << last << "" << true;
    QTest::newRow("dash x is a file") << QStringList{"-x"} << true << "-x"
                                      << "" << true;
    QTest::newRow("single character is a file") << QStringList{"a"} << true << "a"
                                                << "" << true;
    QTest::newRow("single dash is a file") << QStringList{"-"} << true << "-"
                                           << "" << true;
    QTest::newRow("file trimmed") << QStringList{"  wall.m2p \t"} << true << "wall.m2p"
                                  << "" << true;
    QTest::newRow("last file wins") << QStringList{"a.m2p", "b.m2p"} << true << "b.m2p"
                                    << "" << true;
    QTest::newRow("empty argument ignored") << QStringList{""} << true << last << "" << true;
    QTest::newRow("blank argument ignored") << QStringList{"  "} << true << last << "" << true;
    QTest::newRow("mixed") << QStringList{"--no-splash", "x.m2p", "--lang=pl", "--foo"} << true
                           << "x.m2p"
                           << "pl" << false;
}

void tst_CommandLine::parse()
{
    QFETCH(QStringList, args);
    QFETCH(bool, result);
    QFETCH(QString, projectToOpen);
    QFETCH(QString, language);
    QFETCH(bool, splash);

    Settings s;
    s.m_lastProjectFile = QStringLiteral("/home/u/last.m2p");
    s.m_langId = QStringLiteral("de");
    std::ostringstream out;
    QCOMPARE(s.parseCommandLine(QStringList{"/usr/bin/Mirelo2"} + args, out), result);
    QCOMPARE(s.m_projectToOpen, projectToOpen);
    QCOMPARE(s.m_commandLineLangId, language);
    QCOMPARE(s.m_flags[Settings::ShowSplashScreen], splash);
    QCOMPARE(s.m_langId, QStringLiteral("de")); // the stored language is not touched
    QCOMPARE(out.str().empty(), result);
}

void tst_CommandLine::helpText()
{
    Settings s;
    std::ostringstream out;
    QVERIFY(!s.parseCommandLine(QStringList{"Mirelo2", "--help"}, out));
    QCOMPARE(QString::fromStdString(out.str()), QStringLiteral("Mirelo 2 Command Line Syntax:\n"
                                                               "\n"
                                                               "  --help  \n"
                                                               "  --no-splash  \n"
                                                               "  --lang=<language ID>  \n"));
}

void tst_CommandLine::defaultArgumentsAreQtArguments()
{
    // The test runner is started without a project file: the last project stays preset.
    Settings s;
    s.m_lastProjectFile = QStringLiteral("p.m2p");
    QVERIFY(s.parseCommandLine());
    QCOMPARE(s.m_projectToOpen, QStringLiteral("p.m2p"));
}

M2_TEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
