// The rule that chooses the language of the user interface.

#include "TestSupport.h"

#include "settings/Settings.h"

#include <QLocale>

class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void determineLangId_data();
    void determineLangId();
    void languageIdFollowsTheSettings();
};

void tst_Language::determineLangId_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("stored") << "de"
                            << ""
                            << "pl_PL"
                            << "de";
    QTest::newRow("command line wins") << "de"
                                       << "en"
                                       << "pl_PL"
                                       << "en";
    QTest::newRow("empty everywhere: system locale") << ""
                                                     << ""
                                                     << "pl_PL"
                                                     << "pl";
    QTest::newRow("locale without country") << ""
                                            << ""
                                            << "C"
                                            << "C";
    QTest::newRow("command line over empty stored") << ""
                                                    << "DE"
                                                    << "en_US"
                                                    << "DE";
}

void tst_Language::determineLangId()
{
    QFETCH(QString, stored);
    QFETCH(QString, commandLine);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(Settings::determineLangId(stored, commandLine, locale), expected);
}

void tst_Language::languageIdFollowsTheSettings()
{
    Settings s;
    s.m_langId = QStringLiteral("pl");
    QCOMPARE(s.languageId(), QStringLiteral("pl"));
    s.m_commandLineLangId = QStringLiteral("de");
    QCOMPARE(s.languageId(), QStringLiteral("de"));
    s.m_langId.clear();
    s.m_commandLineLangId.clear();
    QCOMPARE(s.languageId(), QLocale::system().name().section(QLatin1Char('_'), 0, 0));
}

M2_TEST_GUILESS_MAIN(tst_Language)
#include "tst_Language.moc"
