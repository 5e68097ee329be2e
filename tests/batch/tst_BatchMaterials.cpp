#include <QDataStream>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "TestSupport.h"
#include "model/Material.h"
#include "persistence/MaterialStream.h"

/*  mirelo2-batch --materials: the material database listed without a window, in a temporary
    home so that the user's own data are never read or written. */
class tst_BatchMaterials : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void listsShippedAndUserMaterials();
    void textTable();
    void usageErrors();
    void languageOfTheRun_data();
    void languageOfTheRun();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QStringList &args);
    QString userDataDir() const { return m_home->filePath(QStringLiteral("data/HTL/Mirelo2")); }

    std::unique_ptr<QTemporaryDir> m_home;
};

void tst_BatchMaterials::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
}

tst_BatchMaterials::Run tst_BatchMaterials::run(const QStringList &args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home->filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(M2_BIN_DIR "/mirelo2-batch"), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

void tst_BatchMaterials::listsShippedAndUserMaterials()
{
    // One user material in the user file of the temporary home.
    QVERIFY(QDir().mkpath(userDataDir()));
    {
        QFile f(userDataDir() + QStringLiteral("/UserData.mmat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QDataStream out(&f);
        out << qint32(-4) << qint32(1);
        Material m(QStringLiteral("My plaster"), 1, QString(), QString(), QString(), QString(),
                   1500, 0.7, 12, 0.01, 0.3, 0.05, 0);
        m.setFlags(false, false, false, true);
        MaterialStream::write(out, m, 4);
    }
    const Run r = run({QStringLiteral("--materials"), QStringLiteral("--json"),
                       QStringLiteral("--set"), QStringLiteral("LanguageID=en")});
    QCOMPARE(r.exitCode, 0);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonArray list = doc.array();
    // The shipped catalogue (at least 250 materials in every category), the air material and
    // the user material.
    QVERIFY(list.size() >= 250 + 2);
    QSet<int> categories;
    for (const QJsonValue &v : list)
        if (!v.toObject().value(QStringLiteral("user")).toBool())
            categories.insert(v.toObject().value(QStringLiteral("category")).toInt());
    QCOMPARE(categories.size(), 13);

    QJsonObject brick, air, user, retarder;
    for (const QJsonValue &v : list) {
        const QJsonObject o = v.toObject();
        if (o.value(QStringLiteral("id")).toInt() == 493)
            brick = o;
        if (o.value(QStringLiteral("id")).toInt() == 1639)
            retarder = o;
        if (o.value(QStringLiteral("id")).toInt() == 0)
            air = o;
        if (o.value(QStringLiteral("user")).toBool())
            user = o;
    }
    QCOMPARE(brick.value(QStringLiteral("name")).toString(),
             QStringLiteral("Solid clay brick masonry 1800"));
    QCOMPARE(brick.value(QStringLiteral("category")).toInt(), 2);
    QCOMPARE(brick.value(QStringLiteral("rho")).toDouble(), 1800.0);
    QCOMPARE(brick.value(QStringLiteral("lambda")).toDouble(), 0.81);
    QCOMPARE(brick.value(QStringLiteral("user")).toBool(), false);
    // The summer sd-value where a humidity-variable retarder gives one, null elsewhere.
    QVERIFY(brick.value(QStringLiteral("sd_summer")).isNull());
    QCOMPARE(retarder.value(QStringLiteral("sd")).toDouble(), 4.0);
    QCOMPARE(retarder.value(QStringLiteral("sd_summer")).toDouble(), 0.5);
    QCOMPARE(air.value(QStringLiteral("flags")).toArray(), QJsonArray{QStringLiteral("air")});
    QCOMPARE(user.value(QStringLiteral("name")).toString(), QStringLiteral("My plaster"));
    QCOMPARE(user.value(QStringLiteral("id")).toInt(), 0x8000);
    QCOMPARE(user.value(QStringLiteral("mu")).toDouble(), 12.0);
    QCOMPARE(user.value(QStringLiteral("A_w")).toDouble(), 0.05);
    QCOMPARE(user.value(QStringLiteral("flags")).toArray(), QJsonArray{QStringLiteral("foil")});
    QCOMPARE(list.last().toObject(), user); // user materials come last

    // Listing changes nothing in the user's data.
    QCOMPARE(QDir(userDataDir()).entryList(QDir::Files),
             QStringList{QStringLiteral("UserData.mmat")});
}

void tst_BatchMaterials::textTable()
{
    const Run r = run(
        {QStringLiteral("--materials"), QStringLiteral("--set"), QStringLiteral("LanguageID=pl")});
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = QString::fromUtf8(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("id\tname\tcategory\trho\tlambda\tmu\tsd\tsd_summer\t"
                                           "w_80\tw_sat\tA_w\tflags\tuser"));
    bool found = false, foundRetarder = false;
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char('\t'));
        QCOMPARE(f.size(), 13);
        if (f[0] == QLatin1String("1640")) {
            foundRetarder = true;
            QCOMPARE(f[6], QStringLiteral("10"));
            QCOMPARE(f[7], QStringLiteral("0.5"));
        }
        if (f[0] == QLatin1String("282")) {
            found = true;
            QCOMPARE(f[1], QString::fromUtf8("P\u0142yta z we\u0142ny skalnej \u03bb 0,035"));
            QCOMPARE(f[4], QStringLiteral("0.035"));
            QCOMPARE(f[7], QString()); // one sd-value
            QCOMPARE(f[12], QStringLiteral("no"));
        }
    }
    QVERIFY(found);
    QVERIFY(foundRetarder);
}

void tst_BatchMaterials::usageErrors()
{
    const Run r = run({QStringLiteral("--materials"), QStringLiteral("some.m2p")});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.contains("--materials takes no project file"));
}

void tst_BatchMaterials::languageOfTheRun_data()
{
    // --lang chooses the language of this run over the stored one (LanguageID); a material
    // without a text in that language keeps its English name.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("name282");
    QTest::addColumn<QString>("name493");
    QTest::newRow("en over pl") << "pl"
                                << "--lang=en" << QString() << "Solid clay brick masonry 1800";
    QTest::newRow("pl over en") << "en"
                                << "--lang=pl"
                                << QString::fromUtf8("P\u0142yta z we\u0142ny skalnej \u03bb 0,035")
                                << QString();
    QTest::newRow("upper case") << "en"
                                << "--lang=PL"
                                << QString::fromUtf8("P\u0142yta z we\u0142ny skalnej \u03bb 0,035")
                                << QString();
}

void tst_BatchMaterials::languageOfTheRun()
{
    QFETCH(QString, stored);
    QFETCH(QString, lang);
    QFETCH(QString, name282);
    QFETCH(QString, name493);
    const Run r = run({QStringLiteral("--materials"), QStringLiteral("--json"), lang,
                       QStringLiteral("--set"), QStringLiteral("LanguageID=") + stored});
    QCOMPARE(r.exitCode, 0);
    QMap<int, QString> names;
    for (const QJsonValue &v : QJsonDocument::fromJson(r.out).array())
        names[v.toObject().value("id").toInt()] = v.toObject().value("name").toString();
    QVERIFY(names.size() > 60);
    if (!name282.isEmpty())
        QCOMPARE(names.value(282), name282);
    if (!name493.isEmpty())
        QCOMPARE(names.value(493), name493);

    // Reading the database is no news: nothing on standard error but a missing catalogue.
    const QString err = QString::fromUtf8(r.err);
    if (lang.endsWith(QLatin1String("en")))
        QVERIFY2(err.isEmpty(), qPrintable(err));
    else
        QVERIFY2(err.isEmpty() || err.startsWith("mirelo2-batch: no translation for language 'pl'"),
                 qPrintable(err));
    QVERIFY(!err.contains(QLatin1String("material database")));
}

M2_TEST_GUILESS_MAIN(tst_BatchMaterials)
#include "tst_BatchMaterials.moc"
