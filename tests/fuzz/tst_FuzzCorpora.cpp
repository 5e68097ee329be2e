// Replays every committed fuzz corpus through the entry points of the fuzz targets, so that an
// input that once crashed a reader, or reached a new corner of it, is checked by every ordinary
// build, without clang and libFuzzer.
#include "TestMain.h"
#include "fuzz/FuzzEntryPoints.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

#include <functional>
#include <map>

namespace {

using EntryPoint = std::function<FuzzEntryPoints::Outcome(const QByteArray &)>;

struct Target
{
    EntryPoint entry;
    bool reportsMessage;   ///< the reader explains a refusal in words
    bool acceptedHasItems; ///< an accepted input always yields at least one item
};

const std::map<QString, Target> &targets()
{
    using namespace FuzzEntryPoints;
    static const std::map<QString, Target> t = {
        {QStringLiteral("project_xml"), {projectXml, true, true}},
        {QStringLiteral("legacy_project"), {legacyProject, true, false}},
        {QStringLiteral("legacy_material"), {legacyMaterial, true, true}},
        {QStringLiteral("legacy_layer"), {legacyLayer, true, true}},
        {QStringLiteral("legacy_climate"), {legacyClimate, true, false}},
        {QStringLiteral("legacy_construction"), {legacyConstruction, true, false}},
        {QStringLiteral("material_list_v1"), {materialListVersion1, true, false}},
        {QStringLiteral("material_database"), {materialDatabase, false, false}},
        {QStringLiteral("user_materials"), {userMaterials, false, false}},
        {QStringLiteral("construction_list"), {constructionList, false, true}},
        {QStringLiteral("round_trip"), {roundTrip, true, true}},
    };
    return t;
}

QDir corpusRoot()
{
    return QDir(QStringLiteral(M2_FUZZ_CORPUS_DIR));
}

QStringList corpusFiles(const QString &target)
{
    QDir dir(corpusRoot().filePath(target));
    return dir.entryList(QDir::Files, QDir::Name);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace

class tst_FuzzCorpora : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTargetHasACorpus();
    void replay_data();
    void replay();
    void everyCorpusReachesAnAcceptedInput_data();
    void everyCorpusReachesAnAcceptedInput();
};

void tst_FuzzCorpora::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    FuzzEntryPoints::silenceMessages();
    QVERIFY2(corpusRoot().exists(), qPrintable(corpusRoot().path()));
}

void tst_FuzzCorpora::everyTargetHasACorpus()
{
    // A corpus folder without an entry point here would never be replayed, and a target without
    // a corpus starts every fuzzer run from nothing.
    const QStringList dirs = corpusRoot().entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &d : dirs)
        QVERIFY2(targets().count(d) == 1, qPrintable(QStringLiteral("no entry point: ") + d));
    for (const auto &t : targets()) {
        QVERIFY2(dirs.contains(t.first), qPrintable(QStringLiteral("no corpus: ") + t.first));
        QVERIFY2(!corpusFiles(t.first).isEmpty(),
                 qPrintable(QStringLiteral("empty corpus: ") + t.first));
        QVERIFY2(QFile::exists(QStringLiteral(M2_FUZZ_SOURCE_DIR "/fuzz_") + t.first +
                               QStringLiteral(".cpp")),
                 qPrintable(QStringLiteral("no fuzz target: ") + t.first));
    }
}

void tst_FuzzCorpora::replay_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("input");
    for (const auto &t : targets()) {
        for (const QString &name : corpusFiles(t.first)) {
            const QString path = corpusRoot().filePath(t.first + QLatin1Char('/') + name);
            QTest::newRow(qPrintable(t.first + QLatin1Char('/') + name))
                << t.first << readAll(path);
        }
    }
}

void tst_FuzzCorpora::replay()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, input);
    const Target &t = targets().at(target);

    // A crash or an escaping exception ends the test run here.
    const FuzzEntryPoints::Outcome first = t.entry(input);
    if (!first.accepted && t.reportsMessage)
        QVERIFY2(!first.message.trimmed().isEmpty(), "a refused input must be explained");
    if (first.accepted && t.acceptedHasItems)
        QVERIFY(first.items > 0);
    QVERIFY(first.items >= 0);

    // The readers keep no state between files: the same bytes give the same answer.
    const FuzzEntryPoints::Outcome second = t.entry(input);
    QCOMPARE(second.accepted, first.accepted);
    QCOMPARE(second.message, first.message);
    QCOMPARE(second.items, first.items);
}

void tst_FuzzCorpora::everyCorpusReachesAnAcceptedInput_data()
{
    QTest::addColumn<QString>("target");
    for (const auto &t : targets())
        QTest::newRow(qPrintable(t.first)) << t.first;
}

void tst_FuzzCorpora::everyCorpusReachesAnAcceptedInput()
{
    // A corpus of refusals only would stop the fuzzer at the readers' first checks.
    QFETCH(QString, target);
    const Target &t = targets().at(target);
    int accepted = 0;
    for (const QString &name : corpusFiles(target)) {
        const QString path = corpusRoot().filePath(target + QLatin1Char('/') + name);
        if (t.entry(readAll(path)).accepted)
            ++accepted;
    }
    QVERIFY(accepted > 0);
}

M2_TEST_GUILESS_MAIN(tst_FuzzCorpora)
#include "tst_FuzzCorpora.moc"
