#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "TestSupport.h"
#include "document/Project.h"

/*  mirelo2-batch names both sd-values of a humidity-variable vapour retarder in the layer list
    of a project, and nothing more for a layer with one sd-value. */
class tst_BatchRetarder : public QObject
{
    Q_OBJECT

private slots:
    void layerListNamesBothValues_data();
    void layerListNamesBothValues();
};

void tst_BatchRetarder::layerListNamesBothValues_data()
{
    QTest::addColumn<double>("sdSummer");
    QTest::newRow("one sd-value") << 0.0;
    QTest::newRow("humidity-variable") << 0.5;
}

void tst_BatchRetarder::layerListNamesBothValues()
{
    QFETCH(double, sdSummer);
    QTemporaryDir home;
    Material board(QStringLiteral("Gypsum board"), 6, QString(), QString(), QString(), QString(),
                   900, 0.25, 8, 0.006, 0.4, 0.01, 1);
    Material retarder(QStringLiteral("PA retarder"), 11, QString(), QString(), QString(), QString(),
                      1150, 0.25, 13333.3, 0.0001, 0.001, 0.00001, 2);
    retarder.m_sd_value = 4;
    retarder.m_sd_summer = sdSummer;
    Material wool(QStringLiteral("Mineral wool"), 5, QString(), QString(), QString(), QString(), 30,
                  0.035, 1, 0.0001, 0.9, 0.00001, 3);
    InputData input;
    input.insertLayer(0, MaterialLayer(board, 0.0125));
    input.insertLayer(1, MaterialLayer(retarder, 0.0003));
    input.insertLayer(2, MaterialLayer(wool, 0.2));
    Project project;
    project.createNew(input, ProjectInformation());
    const QString file = home.filePath(QStringLiteral("retarder.m2p"));
    QString message;
    QVERIFY2(project.save(file, &message), qPrintable(message));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(M2_BIN_DIR "/mirelo2-batch"), {file});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY(out.contains(QStringLiteral("PA retarder")));
    QCOMPARE(out.contains(QStringLiteral("[sd 4 m condensation period, 0.5 m evaporation period]")),
             sdSummer != 0);
    QVERIFY(!out.contains(QStringLiteral("Gypsum board  [sd")));
}

M2_TEST_GUILESS_MAIN(tst_BatchRetarder)
#include "tst_BatchRetarder.moc"
