// The language choice and the help file of the program-wide helpers.

#include "TestSupport.h"

#include "settings/Settings.h"
#include "ui/Globals.h"

class tst_Globals : public QObject
{
    Q_OBJECT

private slots:
    void determineLangId_data();
    void determineLangId();
    void langIdIsCached();
};

void tst_Globals::determineLangId_data()
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

void tst_Globals::determineLangId()
{
    QFETCH(QString, stored);
    QFETCH(QString, commandLine);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(Globals::determineLangId(stored, commandLine, locale), expected);
}

void tst_Globals::langIdIsCached()
{
    Settings &s = Settings::instance();
    s.m_langId = QStringLiteral("pl");
    s.m_commandLineLangId.clear();
    QCOMPARE(Globals::langId(), QStringLiteral("pl"));
    s.m_langId = QStringLiteral("de");
    QCOMPARE(Globals::langId(), QStringLiteral("pl"));
}

QTEST_GUILESS_MAIN(tst_Globals)
#include "tst_Globals.moc"
