// The second material of a layer (studs, rafters, battens) in the construction database: the
// entry form with and without it, the bytes of entries without one, damaged and contradictory
// entries, equality, and the database file around it.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "persistence/ConstructionList.h"
#include "persistence/MaterialStream.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>

Q_DECLARE_METATYPE(Construction)

namespace {

/*! Warm side first: gypsum board, a retarder, 160 mm wool, 60 mm wool. */
Construction wall()
{
    Construction c;
    c.m_name = QStringLiteral("Timber frame");
    c.m_notes = QStringLiteral("Studs 60/160 at 625 mm");
    c.m_layers.emplace_back(TestMaterials::gypsumBoard(), 0.0125);
    c.m_layers.emplace_back(TestMaterials::retarder(), 0.05);
    c.m_layers.emplace_back(TestMaterials::frameWool(), 0.16);
    c.m_layers.emplace_back(TestMaterials::frameWool(), 0.06);
    return c;
}

Construction withBridge(Construction c, int layer, const LayerBridge &bridge)
{
    c.m_layers[std::size_t(layer)].m_bridge = bridge;
    return c;
}

QByteArray entryBytes(const Construction &c)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    c.write(out);
    return data;
}

/*! Reads one entry from the bytes; remaining (if given) gets the bytes left unread. */
bool readEntry(const QByteArray &data, Construction &c, QString *error = nullptr,
               qint64 *remaining = nullptr)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    const bool ok = c.read(in, error);
    if (remaining)
        *remaining = buffer.bytesAvailable();
    return ok;
}

/*! The bytes of a bridged entry, with the bridge written by hand: flag, fraction, width,
    spacing, material version and material in front of layer 2 (the 160 mm wool). The
    construction is the wall with layerMaterial in place of its layer 2. edit may change the
    numbers before they are written. */
QByteArray handWritten(const Material &layerMaterial,
                       std::function<void(LayerBridge &, int &)> edit, quint8 flag = 1,
                       int version = 2)
{
    Construction c = wall();
    c.m_layers[2] = MaterialLayer(layerMaterial, 0.16);
    LayerBridge b = LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.06, 0.625);
    int materialVersion = MaterialStream::versionFor(b.material);
    edit(b, materialVersion);
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out << qint32(version) << qint32(c.m_layers.size()) << c.m_name << c.m_notes;
    for (std::size_t i = 0; i < c.m_layers.size(); ++i) {
        if (i == 2) {
            out << flag << b.fraction << b.width << b.spacing << qint32(materialVersion);
            MaterialStream::write(out, b.material, qBound(1, materialVersion, 5));
        } else {
            out << false;
        }
        MaterialStream::write(out, c.m_layers[i]);
    }
    return data;
}

} // namespace

class tst_ConstructionBridges : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void withoutBridgeTheBytesOfVersion1();
    void handWrittenEntryReads();
    void truncatedEverywhere();
    void malformed_data();
    void malformed();
    void olderReaderRefusesVersion2();
    void equality_data();
    void equality();
    void databaseFile();
    void differentStudsAreAnotherConstruction();
};

void tst_ConstructionBridges::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_ConstructionBridges::roundTrip_data()
{
    QTest::addColumn<Construction>("construction");
    QTest::addColumn<int>("version");
    const LayerBridge studs =
        LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.06, 0.625);
    QTest::newRow("no second material") << wall() << 1;
    QTest::newRow("fraction typed")
        << withBridge(wall(), 2, LayerBridge(TestMaterials::softwood(), 0.12)) << 2;
    QTest::newRow("width and spacing typed") << withBridge(wall(), 2, studs) << 2;
    QTest::newRow("two layers, crossing battens")
        << withBridge(withBridge(wall(), 2, studs), 3,
                      LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.04, 0.5))
        << 2;
    QTest::newRow("first and last layer")
        << withBridge(withBridge(wall(), 0, LayerBridge(TestMaterials::frameWool(), 0.3)), 3, studs)
        << 2;
    // a retarder with a summer sd-value beside the studs: material version 5 in a bridged entry
    Construction humid = withBridge(wall(), 2, studs);
    humid.m_layers[1] = MaterialLayer(TestMaterials::retarder(0.5), 0.05);
    QTest::newRow("beside a humidity-variable retarder") << humid << 2;
}

void tst_ConstructionBridges::roundTrip()
{
    QFETCH(Construction, construction);
    QFETCH(int, version);
    QCOMPARE(construction.streamVersion(), version);
    const QByteArray bytes = entryBytes(construction);
    QDataStream peek(bytes);
    qint32 written = 0;
    peek >> written;
    QCOMPARE(int(written), version);

    Construction back;
    QString error;
    qint64 left = -1;
    QVERIFY2(readEntry(bytes, back, &error, &left), qPrintable(error));
    QCOMPARE(left, qint64(0)); // the reader took exactly what the writer wrote
    QVERIFY(back == construction);
    QCOMPARE(back.m_layers.size(), construction.m_layers.size());
    for (std::size_t i = 0; i < back.m_layers.size(); ++i) {
        const MaterialLayer &a = construction.m_layers[i];
        const MaterialLayer &b = back.m_layers[i];
        QCOMPARE(b.m_width, a.m_width);
        QCOMPARE(b.hasBridge(), a.hasBridge());
        if (!a.m_bridge)
            continue;
        // the numbers as typed, bit for bit, and the material with the database's id
        QCOMPARE(b.m_bridge->fraction, a.m_bridge->fraction);
        QCOMPARE(b.m_bridge->width, a.m_bridge->width);
        QCOMPARE(b.m_bridge->spacing, a.m_bridge->spacing);
        QCOMPARE(b.m_bridge->byWidthAndSpacing(), a.m_bridge->byWidthAndSpacing());
        QCOMPARE(b.m_bridge->material.m_name, a.m_bridge->material.m_name);
        QCOMPARE(b.m_bridge->material.m_lambda, a.m_bridge->material.m_lambda);
        QCOMPARE(b.m_bridge->material.m_color, a.m_bridge->material.m_color);
        QCOMPARE(b.m_bridge->material.m_materialId, MaterialStream::ConstructionDatabaseMaterialId);
    }
    // and written again, the same bytes
    QCOMPARE(entryBytes(back), bytes);
}

void tst_ConstructionBridges::withoutBridgeTheBytesOfVersion1()
{
    // Version 1 as the program has always written it, assembled here field by field.
    const Construction c = wall();
    QByteArray expected;
    {
        QDataStream out(&expected, QIODevice::WriteOnly);
        out << qint32(1) << qint32(4) << c.m_name << c.m_notes;
        for (const MaterialLayer &layer : c.m_layers)
            MaterialStream::write(out, layer);
    }
    QCOMPARE(entryBytes(c), expected);
    // a construction whose studs were taken away is version 1 again
    Construction removed = withBridge(wall(), 2, LayerBridge(TestMaterials::softwood(), 0.1));
    QVERIFY(entryBytes(removed) != expected);
    removed.m_layers[2].m_bridge.reset();
    QCOMPARE(entryBytes(removed), expected);
    // and a version-1 entry reads as before
    Construction back;
    QVERIFY(readEntry(expected, back));
    QVERIFY(back == c);
    QVERIFY(!back.hasBridges());
}

void tst_ConstructionBridges::handWrittenEntryReads()
{
    // The form as documented, written without Construction::write.
    const QByteArray bytes = handWritten(TestMaterials::frameWool(), [](LayerBridge &, int &) {});
    Construction back;
    QString error;
    QVERIFY2(readEntry(bytes, back, &error), qPrintable(error));
    QVERIFY(back.m_layers[2].m_bridge.has_value());
    QCOMPARE(back.m_layers[2].m_bridge->fraction, 0.06 / 0.625);
    QCOMPARE(back.m_layers[2].m_bridge->width, 0.06);
    QCOMPARE(back.m_layers[2].m_bridge->spacing, 0.625);
    QCOMPARE(back.m_layers[2].m_bridge->material.m_name, QStringLiteral("Softwood"));
    for (int i : {0, 1, 3})
        QVERIFY(!back.m_layers[std::size_t(i)].hasBridge());
    QCOMPARE(entryBytes(back), bytes);
}

void tst_ConstructionBridges::truncatedEverywhere()
{
    const Construction full = withBridge(
        withBridge(wall(), 2,
                   LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.06, 0.625)),
        3, LayerBridge(TestMaterials::softwood(), 0.1));
    const QByteArray bytes = entryBytes(full);
    const Construction untouched = wall();
    for (int n = 0; n < bytes.size(); ++n) {
        Construction c = untouched;
        QString error;
        if (readEntry(bytes.left(n), c, &error))
            QFAIL(
                qPrintable(QStringLiteral("cut at %1 of %2 bytes read").arg(n).arg(bytes.size())));
        QVERIFY2(!error.isEmpty(), qPrintable(QString::number(n)));
        QVERIFY(c == untouched);
        QCOMPARE(c.m_layers[2].m_width, 0.16);
    }
}

void tst_ConstructionBridges::malformed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QString damaged = QStringLiteral("incomplete or damaged");
    QTest::newRow("flag 2") << handWritten(
                                   TestMaterials::frameWool(), [](LayerBridge &, int &) {}, 2)
                            << damaged;
    QTest::newRow("flag 255") << handWritten(
                                     TestMaterials::frameWool(), [](LayerBridge &, int &) {}, 255)
                              << damaged;
    QTest::newRow("fraction 0") << handWritten(TestMaterials::frameWool(), [](LayerBridge &b,
                                                                              int &) {
        b = LayerBridge(TestMaterials::softwood(), 0);
    }) << QStringLiteral("must lie above 0 and below 1");
    QTest::newRow("fraction 1") << handWritten(TestMaterials::frameWool(), [](LayerBridge &b,
                                                                              int &) {
        b = LayerBridge(TestMaterials::softwood(), 1);
    }) << QStringLiteral("must lie above 0 and below 1");
    QTest::newRow("fraction not a number")
        << handWritten(TestMaterials::frameWool(),
                       [](LayerBridge &b, int &) {
                           b = LayerBridge(TestMaterials::softwood(),
                                           std::numeric_limits<double>::quiet_NaN());
                       })
        << QStringLiteral("must lie above 0 and below 1");
    QTest::newRow("fraction not width / spacing")
        << handWritten(TestMaterials::frameWool(), [](LayerBridge &b, int &) { b.fraction = 0.2; })
        << QStringLiteral("does not follow from width and spacing");
    QTest::newRow("width without spacing")
        << handWritten(TestMaterials::frameWool(), [](LayerBridge &b, int &) { b.spacing = 0; })
        << QStringLiteral("both must be finite");
    QTest::newRow("width not below spacing")
        << handWritten(TestMaterials::frameWool(),
                       [](LayerBridge &b, int &) {
                           b = LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.7,
                                                                0.625);
                       })
        << QStringLiteral("must be smaller than the spacing");
    QTest::newRow("negative width") << handWritten(TestMaterials::frameWool(), [](LayerBridge &b,
                                                                                  int &) {
        b = LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), -0.06, 0.625);
    }) << QStringLiteral("both must be finite");
    QTest::newRow("material version 0")
        << handWritten(TestMaterials::frameWool(), [](LayerBridge &, int &v) { v = 0; }) << damaged;
    QTest::newRow("material version 99")
        << handWritten(TestMaterials::frameWool(), [](LayerBridge &, int &v) { v = 99; })
        << damaged;
    QTest::newRow("material not finite")
        << handWritten(TestMaterials::frameWool(),
                       [](LayerBridge &b, int &) {
                           b.material.m_lambda = std::numeric_limits<double>::infinity();
                       })
        << damaged;
    QTest::newRow("studs in a foil")
        << handWritten(TestMaterials::retarder(), [](LayerBridge &, int &) {})
        << QStringLiteral("is given by its sd-value and cannot carry a second material");
    QTest::newRow("version 3") << handWritten(
                                      TestMaterials::frameWool(), [](LayerBridge &, int &) {}, 1, 3)
                               << QStringLiteral("Unknown version 3");
    QTest::newRow("version 0") << handWritten(
                                      TestMaterials::frameWool(), [](LayerBridge &, int &) {}, 1, 0)
                               << QStringLiteral("Unknown version 0");

    // a bridge material name that announces more bytes than there are
    QByteArray hugeName = handWritten(TestMaterials::frameWool(), [](LayerBridge &, int &) {});
    {
        // version, count, name, notes, flag of layer 1 and layer 1, flag of layer 2 and layer 2,
        // then the flag and the three doubles and the version of the bridge: its name follows
        QByteArray prefix;
        QDataStream out(&prefix, QIODevice::WriteOnly);
        const Construction c = wall();
        out << qint32(2) << qint32(4) << c.m_name << c.m_notes;
        for (int i = 0; i < 2; ++i) {
            out << false;
            MaterialStream::write(out, c.m_layers[std::size_t(i)]);
        }
        out << true << 0.0 << 0.0 << 0.0 << qint32(0);
        const int at = prefix.size();
        QByteArray length;
        QDataStream(&length, QIODevice::WriteOnly) << quint32(0x7ffffffe);
        hugeName.replace(at, 4, length);
    }
    QTest::newRow("material name length huge") << hugeName << damaged;

    QByteArray hugeCount;
    QDataStream(&hugeCount, QIODevice::WriteOnly)
        << qint32(2) << qint32(0x10000000) << QString() << QString() << false;
    QTest::newRow("layer count huge") << hugeCount << damaged;
}

void tst_ConstructionBridges::malformed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TestSupport::MessageCapture capture; // the material reader warns of values not finite
    const Construction untouched = wall();
    Construction c = untouched;
    QString error;
    QVERIFY(!readEntry(bytes, c, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(c == untouched);
}

void tst_ConstructionBridges::olderReaderRefusesVersion2()
{
    // A reader of version 1 took every entry for version 1. Read the bridged entry that way
    // (its version word set to 1): the flags in front of the layers are no material version,
    // so it is refused rather than read with the second material taken for a layer.
    for (int layer = 0; layer < 4; ++layer) {
        QByteArray bytes =
            entryBytes(withBridge(wall(), layer, LayerBridge(TestMaterials::softwood(), 0.1)));
        QByteArray one;
        QDataStream(&one, QIODevice::WriteOnly) << qint32(1);
        bytes.replace(0, 4, one);
        Construction c;
        QString error;
        QVERIFY2(!readEntry(bytes, c, &error), qPrintable(QString::number(layer)));
        QVERIFY(!error.isEmpty());
    }
}

void tst_ConstructionBridges::equality_data()
{
    QTest::addColumn<Construction>("other");
    QTest::addColumn<bool>("equal");
    const LayerBridge studs =
        LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.06, 0.625);
    const Construction base = withBridge(wall(), 2, studs);
    QTest::newRow("same") << base << true;
    Construction wider = base;
    wider.m_layers[2].m_width = 0.2;
    QTest::newRow("only a width differs") << wider << true;
    QTest::newRow("no second material") << wall() << false;
    QTest::newRow("another spacing")
        << withBridge(wall(), 2,
                      LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.06, 0.6))
        << false;
    QTest::newRow("same fraction, typed directly")
        << withBridge(wall(), 2, LayerBridge(TestMaterials::softwood(), studs.fraction)) << false;
    LayerBridge steel = studs;
    steel.material.m_lambda = 50;
    QTest::newRow("another stud material") << withBridge(wall(), 2, steel) << false;
    QTest::newRow("studs in another layer") << withBridge(wall(), 3, studs) << false;
}

void tst_ConstructionBridges::equality()
{
    QFETCH(Construction, other);
    QFETCH(bool, equal);
    const Construction base = withBridge(
        wall(), 2, LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.06, 0.625));
    QCOMPARE(base == other, equal);
    QCOMPARE(other == base, equal);
    QCOMPARE(base != other, !equal);
}

void tst_ConstructionBridges::databaseFile()
{
    // Bridged and homogeneous entries in one file, read back by the list and by an import.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Construction plain = wall();
    Construction framed = withBridge(
        wall(), 2, LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.06, 0.625));
    framed.m_name = QStringLiteral("Timber frame with studs");
    {
        ConstructionList list(QStringLiteral("en"), dir.path());
        list.addConstruction(framed);
        list.addConstruction(plain);
    }
    ConstructionList list(QStringLiteral("en"), dir.path());
    QVERIFY(list.read());
    QCOMPARE(list.count(), 2);
    QVERIFY(list.construction(0) == framed);
    QVERIFY(list.construction(1) == plain);
    QCOMPARE(*list.construction(0).m_layers[2].m_bridge, *framed.m_layers[2].m_bridge);

    // the second entry of the file cut: the first one stays, and the reason is told
    QFile f(list.filePath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    f.close();
    const QString cut = dir.path() + QStringLiteral("/cut.constr");
    QFile out(cut);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(data.left(8 + entryBytes(framed).size() + 10));
    out.close();
    TestSupport::MessageCapture capture;
    bool complete = true;
    QString error;
    const std::vector<Construction> read = ConstructionList::readFile(cut, &complete, &error);
    QVERIFY(!complete);
    QCOMPARE(int(read.size()), 1);
    QVERIFY(read[0] == framed);
    QVERIFY2(error.startsWith(QStringLiteral("Construction 2 of 2: ")), qPrintable(error));
    QVERIFY(capture.texts(HTL::MSG_WARNING).join(QLatin1Char('\n')).contains(error));

    // a whole file read reports no reason
    QVERIFY(ConstructionList::readFile(list.filePath(), &complete, &error).size() == 2);
    QVERIFY(complete);
    QVERIFY(error.isEmpty());
}

void tst_ConstructionBridges::differentStudsAreAnotherConstruction()
{
    QTemporaryDir dir;
    ConstructionList list(QStringLiteral("en"), dir.path());
    list.addConstruction(wall());
    list.addConstruction(wall()); // the same: not stored twice
    QCOMPARE(list.count(), 1);
    list.addConstruction(withBridge(wall(), 2, LayerBridge(TestMaterials::softwood(), 0.1)));
    QCOMPARE(list.count(), 2);
    list.addConstruction(withBridge(wall(), 2, LayerBridge(TestMaterials::softwood(), 0.15)));
    QCOMPARE(list.count(), 3);
    QVERIFY(list.removeConstruction(
        withBridge(wall(), 2, LayerBridge(TestMaterials::softwood(), 0.1))));
    QCOMPARE(list.count(), 2);
    QVERIFY(!list.construction(0).hasBridges());
    QCOMPARE(list.construction(1).m_layers[2].m_bridge->fraction, 0.15);
}

M2_TEST_GUILESS_MAIN(tst_ConstructionBridges)
#include "tst_ConstructionBridges.moc"
