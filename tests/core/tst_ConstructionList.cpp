#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

#include "TestSupport.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialDatabaseFile.h"
#include "persistence/MaterialList.h"

/*  The construction database: equality, the file (read, write, backup, damage), and the
    typical constructions a new database starts with. */
class tst_ConstructionList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void defaults();
    void equalityIgnoresWidths();
    void missingFileLeavesListUnchanged();
    void roundTrip();
    void writeToAnotherDirectory();
    void addEqualButForWidthDoesNothing();
    void removeConstruction();
    void replaceConstruction_data();
    void replaceConstruction();
    void writtenRightAfterChanges();
    void fullDiskKeepsFile_data();
    void fullDiskKeepsFile();
    void secondConstructionTruncated();
    void truncatedEverywhere();
    void flippedBytes();
    void hostileCounts_data();
    void hostileCounts();
    void emptyListLeavesBackupThenTypical();
    void typicalInTheLanguage_data();
    void typicalInTheLanguage();
    void existingDatabaseNeverChanged_data();
    void existingDatabaseNeverChanged();

private:
    static Material material(const QString &name, double mu = 10, double sd = 0);
    static Construction construction(const QString &name, std::initializer_list<double> widths);
    QByteArray fileBytes(const std::vector<Construction> &list);
    QString dir() const { return m_dir->path() + QStringLiteral("/user"); }
    QString file() const { return dir() + QStringLiteral("/ConstructionData.constr"); }
    void writeFile(const QByteArray &data);
    /*! Shipped typical-construction files for the languages, two constructions each. */
    void writeTypical(const QStringList &languages);
    QString typicalDir() const { return m_dir->path() + QStringLiteral("/typical"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_ConstructionList::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_ConstructionList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(dir()));
}

void tst_ConstructionList::cleanup()
{
    m_dir.reset();
}

Material tst_ConstructionList::material(const QString &name, double mu, double sd)
{
    Material m(name, 2, QStringLiteral("notes"), QString(), QString(), QString(), 1800, 0.81, mu,
               0.003, 0.19, 0.18, 493);
    m.m_color = QColor(200, 100, 50);
    m.m_sd_value = sd;
    return m;
}

Construction tst_ConstructionList::construction(const QString &name,
                                                std::initializer_list<double> widths)
{
    Construction c;
    c.m_name = name;
    c.m_notes = QStringLiteral("notes of ") + name;
    int i = 0;
    for (double w : widths)
        c.m_layers.emplace_back(material(QStringLiteral("Layer %1").arg(i++)), w);
    return c;
}

QByteArray tst_ConstructionList::fileBytes(const std::vector<Construction> &list)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out << qint32(1) << qint32(list.size());
    for (const Construction &c : list)
        c.write(out);
    return data;
}

void tst_ConstructionList::writeFile(const QByteArray &data)
{
    QFile f(file());
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(data), qint64(data.size()));
}

void tst_ConstructionList::defaults()
{
    const Construction c;
    QCOMPARE(c.m_name, QStringLiteral("Unknown"));
    QVERIFY(c.m_layers.empty());
    QVERIFY(c.m_notes.isEmpty());
    ConstructionList list(QStringLiteral("en"), dir());
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.maxLayerCount(), 0);
    QCOMPARE(list.filePath(), file());
}

void tst_ConstructionList::equalityIgnoresWidths()
{
    const Construction a = construction(QStringLiteral("A"), {0.1, 0.2});
    Construction b = construction(QStringLiteral("A"), {0.3, 0.4});
    QVERIFY(a == b);
    b.m_notes = QStringLiteral("other");
    QVERIFY(a != b);
    b = a;
    b.m_layers[1].m_lambda = 0.5; // material differs
    QVERIFY(a != b);
    b = a;
    b.m_layers.pop_back();
    QVERIFY(a != b);
    b = a;
    b.m_name = QStringLiteral("B");
    QVERIFY(a != b);
}

void tst_ConstructionList::missingFileLeavesListUnchanged()
{
    ConstructionList list(QStringLiteral("en"), dir());
    list.addConstruction(construction(QStringLiteral("kept"), {0.1}));
    QFile::remove(file());
    TestSupport::MessageCapture capture;
    QVERIFY(!list.read());
    QCOMPARE(list.count(), 1);
    QVERIFY(capture.texts(HTL::MSG_PROGRESS)
                .contains(QStringLiteral("Construction directory: ") + QDir(dir()).absolutePath() +
                          QLatin1Char('\n')));
}

void tst_ConstructionList::writeToAnotherDirectory()
{
    ConstructionList list(QStringLiteral("en"), dir());
    list.addConstruction(construction(QStringLiteral("Wall"), {0.12, 0.08}));
    const QByteArray before = [this]() {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QVERIFY(!before.isEmpty());
    const QString other = m_dir->path() + QStringLiteral("/other/place");
    QVERIFY(list.writeTo(other));
    // written there, but the list stays where it is until told
    QCOMPARE(list.directory(), dir());
    QCOMPARE(
        int(ConstructionList::readFile(other + QStringLiteral("/ConstructionData.constr")).size()),
        1);
    list.setDirectory(other);
    list.addConstruction(construction(QStringLiteral("Roof"), {0.2}));
    QCOMPARE(int(ConstructionList::readFile(list.filePath()).size()), 2);
    QFile old(file());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), before);
    // a place that cannot be a directory
    QVERIFY(!list.writeTo(file() + QStringLiteral("/below-a-file")));
}

void tst_ConstructionList::roundTrip()
{
    Construction a = construction(QStringLiteral("Wall"), {0.12, 0.08, 0.12});
    // A foil layer: its width follows from sd / mu = 2 m / 20000 = 0.0001 m.
    a.m_layers.emplace_back(material(QStringLiteral("Foil"), 20000, 2), 0.05);
    QCOMPARE(a.m_layers.back().m_width, 0.0001);
    const Construction b = construction(QStringLiteral("Roof"), {0.2});
    writeFile(fileBytes({a, b}));

    TestSupport::MessageCapture capture;
    ConstructionList list(QStringLiteral("en"), dir());
    QVERIFY(list.read());
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.maxLayerCount(), 4);
    const Construction &r = list.construction(0);
    QVERIFY(r == a);
    QCOMPARE(r.m_notes, QStringLiteral("notes of Wall"));
    QCOMPARE(int(r.m_layers.size()), 4);
    QCOMPARE(r.m_layers[0].m_width, 0.12);
    QCOMPARE(r.m_layers[1].m_width, 0.08);
    QCOMPARE(r.m_layers[3].m_width, 0.0001);
    QCOMPARE(r.m_layers[3].m_sd_value, 2.0);
    for (const MaterialLayer &l : r.m_layers)
        QCOMPARE(l.m_materialId, 65536);
    QVERIFY(list.construction(1) == b);
    QVERIFY(capture.texts(HTL::MSG_PROGRESS)
                .contains(QStringLiteral("Read construction file: ") + file() +
                          QStringLiteral(" with version: 1\n")));

    // Written by the list, read by another one: the same bytes as the reference form above.
    QVERIFY(list.write());
    QFile f(file());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), fileBytes({a, b}));
}

void tst_ConstructionList::addEqualButForWidthDoesNothing()
{
    ConstructionList list(QStringLiteral("en"), dir());
    QSignalSpy added(&list, &ConstructionList::constructionAdded);
    list.addConstruction(construction(QStringLiteral("Wall"), {0.12, 0.08}));
    QCOMPARE(added.count(), 1);
    list.addConstruction(construction(QStringLiteral("Wall"), {0.24, 0.16}));
    QCOMPARE(added.count(), 1);
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.construction(0).m_layers[0].m_width, 0.12);
    list.addConstruction(construction(QStringLiteral("Wall 2"), {0.24, 0.16}));
    QCOMPARE(added.count(), 2);
    QCOMPARE(list.count(), 2);
}

void tst_ConstructionList::removeConstruction()
{
    ConstructionList list(QStringLiteral("en"), dir());
    list.addConstruction(construction(QStringLiteral("A"), {0.1}));
    list.addConstruction(construction(QStringLiteral("B"), {0.1}));
    QSignalSpy removed(&list, &ConstructionList::constructionRemoved);
    QVERIFY(!list.removeConstruction(construction(QStringLiteral("C"), {0.1})));
    QCOMPARE(removed.count(), 0);
    QVERIFY(list.removeConstruction(construction(QStringLiteral("A"), {0.3}))); // widths ignored
    QCOMPARE(removed.count(), 1);
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.construction(0).m_name, QStringLiteral("B"));
}

void tst_ConstructionList::replaceConstruction_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("in place") << 1 << "B2" << true << QStringList{"A", "B2", "C"};
    QTest::newRow("first") << 0 << "A2" << true << QStringList{"A2", "B", "C"};
    // an edit that makes it equal to another stored one leaves only that one
    QTest::newRow("now equal to another") << 0 << "C" << true << QStringList{"B", "C"};
    QTest::newRow("unchanged") << 2 << "C" << true << QStringList{"A", "B", "C"};
    QTest::newRow("outside") << 3 << "D" << false << QStringList{"A", "B", "C"};
    QTest::newRow("negative") << -1 << "D" << false << QStringList{"A", "B", "C"};
}

void tst_ConstructionList::replaceConstruction()
{
    QFETCH(int, index);
    QFETCH(QString, newName);
    QFETCH(bool, replaced);
    QFETCH(QStringList, after);
    ConstructionList list(QStringLiteral("en"), dir());
    for (const char *name : {"A", "B", "C"})
        list.addConstruction(construction(QLatin1String(name), {0.1}));
    QSignalSpy changed(&list, &ConstructionList::constructionChanged);
    QCOMPARE(list.replaceConstruction(index, construction(newName, {0.25})), replaced);
    QCOMPARE(changed.count(), replaced ? 1 : 0);
    ConstructionList onDisk(QStringLiteral("en"), dir());
    QVERIFY(onDisk.read());
    for (const ConstructionList *l : {&list, &onDisk}) {
        QStringList names;
        for (int i = 0; i < l->count(); ++i)
            names << l->construction(i).m_name;
        QCOMPARE(names, after);
    }
    if (replaced && after.size() == 3)
        QCOMPARE(onDisk.construction(index).m_layers[0].m_width, 0.25);
}

void tst_ConstructionList::writtenRightAfterChanges()
{
    // The file follows every change at once; nothing waits for the end of the program.
    ConstructionList list(QStringLiteral("en"), dir());
    list.addConstruction(construction(QStringLiteral("A"), {0.1}));
    list.addConstruction(construction(QStringLiteral("B"), {0.2}));
    {
        ConstructionList other(QStringLiteral("en"), dir());
        QVERIFY(other.read());
        QCOMPARE(other.count(), 2);
    }
    list.removeConstruction(construction(QStringLiteral("A"), {0.1}));
    ConstructionList other(QStringLiteral("en"), dir());
    QVERIFY(other.read());
    QCOMPARE(other.count(), 1);
    QCOMPARE(other.construction(0).m_name, QStringLiteral("B"));
}

void tst_ConstructionList::fullDiskKeepsFile_data()
{
    QTest::addColumn<int>("layers");
    // a file that fits the device's write buffer and is written only when the file is closed,
    // and one larger than that buffer
    QTest::newRow("small file") << 1;
    QTest::newRow("large file") << 200;
}

void tst_ConstructionList::fullDiskKeepsFile()
{
    QFETCH(int, layers);
    Construction big = construction(QStringLiteral("A"), {});
    for (int i = 0; i < layers; ++i)
        big.m_layers.emplace_back(material(QStringLiteral("Layer %1").arg(i)), 0.01 * (i + 1));
    ConstructionList list(QStringLiteral("en"), dir());
    list.addConstruction(big);
    QFile f(file());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    big.m_name = QStringLiteral("B");
    QSignalSpy failures(&list, &ConstructionList::writeFailed);
    {
        // room for the old file and a little more, not for a second construction
        TestSupport::FileSizeLimit full(quint64(before.size()) + 64);
        QVERIFY(full.active());
        list.addConstruction(big);
    }
    QCOMPARE(list.count(), 2);
    QCOMPARE(failures.size(), 1);
    const QString message = failures.first().first().toString();
    QVERIFY2(message.contains(file()), qPrintable(message));
    QVERIFY2(message.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(message));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QCOMPARE(QDir(dir()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("ConstructionData.constr")});
}

void tst_ConstructionList::secondConstructionTruncated()
{
    const Construction a = construction(QStringLiteral("First"), {0.1, 0.2});
    const Construction b = construction(QStringLiteral("Second"), {0.3, 0.4});
    const QByteArray full = fileBytes({a, b});
    const int firstEnd = fileBytes({a}).size();
    writeFile(full.left(firstEnd + (full.size() - firstEnd) / 2));
    ConstructionList list(QStringLiteral("en"), dir());
    QVERIFY(!list.read());
    QCOMPARE(list.count(), 1);
    QVERIFY(list.construction(0) == a);
    // The damaged file is kept before a later write replaces it.
    QVERIFY(QFile::exists(file() + QStringLiteral(".damaged")));
}

void tst_ConstructionList::truncatedEverywhere()
{
    const QByteArray full = fileBytes({construction(QStringLiteral("First"), {0.1, 0.2}),
                                       construction(QStringLiteral("Second"), {0.3})});
    for (int n = 0; n < full.size(); ++n) {
        writeFile(full.left(n));
        ConstructionList list(QStringLiteral("en"), dir());
        if (list.read())
            QFAIL(qPrintable(QStringLiteral("truncated at %1 read as complete").arg(n)));
        QVERIFY(list.count() <= 1);
        bool complete = true;
        QVERIFY(ConstructionList::readFile(file(), &complete).size() <= 1);
        QVERIFY(!complete);
    }
    writeFile(full);
    ConstructionList list(QStringLiteral("en"), dir());
    QVERIFY(list.read());
    QCOMPARE(list.count(), 2);
}

void tst_ConstructionList::flippedBytes()
{
    const QByteArray full = fileBytes({construction(QStringLiteral("First"), {0.1, 0.2}),
                                       construction(QStringLiteral("Second"), {0.3})});
    for (int i = 0; i < full.size(); ++i) {
        for (char mask : {char(0x01), char(0x40), char(0xff)}) {
            QByteArray d = full;
            d[i] = char(d[i] ^ mask);
            writeFile(d);
            bool complete = false;
            const std::vector<Construction> r = ConstructionList::readFile(file(), &complete);
            QVERIFY(r.size() <= 2);
            for (const Construction &c : r)
                QVERIFY(c.m_layers.size() <= 2);
        }
    }
}

void tst_ConstructionList::hostileCounts_data()
{
    QTest::addColumn<QByteArray>("data");
    auto make = [](std::initializer_list<quint32> words) {
        QByteArray d;
        QDataStream out(&d, QIODevice::WriteOnly);
        for (quint32 w : words)
            out << w;
        return d;
    };
    QTest::newRow("construction count huge") << make({1, 0x7fffffffu, 1, 0, 0, 0});
    QTest::newRow("construction count negative") << make({1, quint32(-1), 1, 0, 0, 0});
    QTest::newRow("layer count huge") << make({1, 1, 1, 0x10000000u, 0, 0});
    QTest::newRow("layer count negative") << make({1, 1, 1, quint32(-3), 0, 0});
    QTest::newRow("name length huge") << make({1, 1, 1, 0, 0x7ffffffeu, 0});
    QTest::newRow("notes length huge") << make({1, 1, 1, 0, 0, 0x7ffffffeu});
    QByteArray layerName = make({1, 1, 1, 1, 0, 0, 4});
    {
        QDataStream out(&layerName, QIODevice::WriteOnly | QIODevice::Append);
        out << 0.1 << quint32(0x7ffffffeu);
        for (int i = 0; i < 40; ++i)
            out << quint32(0);
    }
    QTest::newRow("material name length huge") << layerName;
    QByteArray layerVersion = make({1, 1, 1, 1, 0, 0, 99});
    {
        QDataStream out(&layerVersion, QIODevice::WriteOnly | QIODevice::Append);
        out << 0.1;
        for (int i = 0; i < 40; ++i)
            out << quint32(0);
    }
    QTest::newRow("material version unknown") << layerVersion;
}

void tst_ConstructionList::hostileCounts()
{
    QFETCH(QByteArray, data);
    writeFile(data);
    ConstructionList list(QStringLiteral("en"), dir());
    QVERIFY(!list.read());
    QCOMPARE(list.count(), 0);
}

void tst_ConstructionList::writeTypical(const QStringList &languages)
{
    QVERIFY(QDir().mkpath(typicalDir()));
    for (const QString &lang : languages)
        QVERIFY(ConstructionList::writeFile(
            typicalDir() + QStringLiteral("/TypicalConstructions_%1.constr").arg(lang),
            {construction(QStringLiteral("Wall ") + lang, {0.2, 0.1}),
             construction(QStringLiteral("Roof ") + lang, {0.1})}));
}

void tst_ConstructionList::emptyListLeavesBackupThenTypical()
{
    writeTypical({QStringLiteral("en")});
    {
        ConstructionList list(QStringLiteral("en"), dir());
        list.addConstruction(construction(QStringLiteral("Only"), {0.1}));
    }
    QFile f(file());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray stored = f.readAll();
    f.close();
    {
        ConstructionList list(QStringLiteral("en"), dir());
        QVERIFY(list.read());
        QVERIFY(list.removeConstruction(list.construction(0)));
        QVERIFY(list.write());
    }
    QVERIFY(!QFile::exists(file()));
    QFile backup(file() + QStringLiteral(".backup"));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), stored);

    // The next start: no file, the list starts with the typical constructions and stores them.
    {
        ConstructionList list(QStringLiteral("en"), dir());
        list.readOrAddTypical(typicalDir());
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.construction(0).m_name, QStringLiteral("Wall en"));
        QCOMPARE(list.construction(0).m_notes, QStringLiteral("notes of Wall en"));
        QCOMPARE(int(list.construction(0).m_layers.size()), 2);
        QCOMPARE(list.construction(0).m_layers[1].m_width, 0.1);
        QCOMPARE(list.construction(1).m_name, QStringLiteral("Roof en"));
    }
    ConstructionList again(QStringLiteral("en"), dir());
    QVERIFY(again.read());
    QCOMPARE(again.count(), 2);
}

void tst_ConstructionList::typicalInTheLanguage_data()
{
    QTest::addColumn<QStringList>("shipped");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("firstName");
    const QStringList all{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("pl")};
    QTest::newRow("de") << all << QStringLiteral("de") << QStringLiteral("Wall de");
    QTest::newRow("pl") << all << QStringLiteral("pl") << QStringLiteral("Wall pl");
    QTest::newRow("no file for the language: English")
        << QStringList{QStringLiteral("en")} << QStringLiteral("pl") << QStringLiteral("Wall en");
    QTest::newRow("nothing shipped") << QStringList() << QStringLiteral("en") << QString();
}

void tst_ConstructionList::typicalInTheLanguage()
{
    QFETCH(QStringList, shipped);
    QFETCH(QString, lang);
    QFETCH(QString, firstName);
    writeTypical(shipped);
    TestSupport::MessageCapture capture;
    ConstructionList list(lang, dir());
    list.readOrAddTypical(typicalDir());
    if (firstName.isEmpty()) {
        // Nothing to start with: the list stays empty and no file is written.
        QCOMPARE(list.count(), 0);
        QVERIFY(!QFile::exists(file()));
    } else {
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.construction(0).m_name, firstName);
        QVERIFY(QFile::exists(file()));
    }
}

void tst_ConstructionList::existingDatabaseNeverChanged_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("count");
    const QByteArray two = fileBytes(
        {construction(QStringLiteral("A"), {0.1}), construction(QStringLiteral("B"), {0.2, 0.3})});
    QTest::newRow("readable") << two << 2;
    QTest::newRow("damaged") << two.left(two.size() - 5) << 1;
    QTest::newRow("empty list") << fileBytes({}) << 0;
}

void tst_ConstructionList::existingDatabaseNeverChanged()
{
    QFETCH(QByteArray, data);
    QFETCH(int, count);
    writeTypical({QStringLiteral("en")});
    writeFile(data);
    TestSupport::MessageCapture capture;
    {
        ConstructionList list(QStringLiteral("en"), dir());
        list.readOrAddTypical(typicalDir());
        QCOMPARE(list.count(), count);
    }
    QFile f(file());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), data);
}

M2_TEST_GUILESS_MAIN(tst_ConstructionList)
#include "tst_ConstructionList.moc"
