#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "CatalogueCsv.h"

#include <cerrno>
#include <cstring>

#include "TestSupport.h"
#include "htl/HTL_Exception.h"
#include "persistence/MaterialDatabaseFile.h"
#include "persistence/MaterialDatabaseFileCipher.h"
#include "persistence/MaterialList.h"
#include "persistence/MaterialStream.h"

/*  The material database: database files (header, enciphered payload, records, languages),
    the built-in air material, the user file with its ids, backup and damage handling, and the
    shipped catalogue compiled from its CSV source. */
class tst_MaterialList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void emptyDatabaseOnlyAir();
    void databaseFileRecords();
    void englishNameFallback_data();
    void englishNameFallback();
    void version5WithoutDates();
    void versionChecks_data();
    void versionChecks();
    void wrongMarker();
    void foreignPayloadRejected();
    void truncatedDatabaseFile();
    void flippedBytesDatabaseFile();
    void hostileDatabaseHeader_data();
    void hostileDatabaseHeader();
    void recordsBeforeDamageStay();

    void userFileVersion1Count3();
    void userFileRoundTripAndIds();
    void userFileToAnotherDirectory();
    void userFileNewerVersionIgnored();
    void fullDiskKeepsUserFile_data();
    void fullDiskKeepsUserFile();
    void deleteLastUserMaterialLeavesBackup();
    void userFileDamaged();
    void userFileTruncatedKeepsIntactMaterials_data();
    void userFileTruncatedKeepsIntactMaterials();
    void userFileHostileCounts_data();
    void userFileHostileCounts();
    void findAndIndex();
    void version1List();
    void version1ListErrors_data();
    void version1ListErrors();

    void shippedCatalogueMatchesSource();

private:
    static MaterialDatabaseFile::Record record(int id, const QString &name);
    static QByteArray sampleDatabase(int version = 6);
    void writeFile(const QString &path, const QByteArray &data);
    QString dbDir() const { return m_dir->path() + QStringLiteral("/db"); }
    QString userDir() const { return m_dir->path() + QStringLiteral("/user"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_MaterialList::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_MaterialList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(dbDir()));
    QVERIFY(QDir().mkpath(userDir()));
}

void tst_MaterialList::cleanup()
{
    m_dir.reset();
}

MaterialDatabaseFile::Record tst_MaterialList::record(int id, const QString &name)
{
    MaterialDatabaseFile::Record r;
    r.m_id = id;
    MaterialDatabaseFile::LanguageTexts t;
    t.m_name = name;
    t.m_dataSource = QStringLiteral("source ") + name;
    t.m_producer = QStringLiteral("producer");
    t.m_productName = QStringLiteral("product");
    t.m_notes = QStringLiteral("notes");
    r.m_texts = {t};
    r.m_category = 2;
    r.m_rho = 1800;
    r.m_lambda = 0.81;
    r.m_mu = 10;
    r.m_A_w = 0.18;
    r.m_w_80 = 0.0031;
    r.m_w_sat = 0.188;
    r.m_applicationCodes = {1};
    r.m_mu_min = 5;
    r.m_mu_max = 10;
    r.m_additionalInteger = 7;
    return r;
}

QByteArray tst_MaterialList::sampleDatabase(int version)
{
    MaterialDatabaseFile::Content c;
    c.m_version = version;
    c.m_languages = QStringList{QStringLiteral("en")};
    c.m_records = {record(11, QStringLiteral("Brick")), record(12, QStringLiteral("Stone"))};
    return MaterialDatabaseFile::toBytes(c);
}

void tst_MaterialList::writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(data), qint64(data.size()));
}

void tst_MaterialList::emptyDatabaseOnlyAir()
{
    TestSupport::MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    QVERIFY(list.read());
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.databaseMaterialCount(), 1);
    QCOMPARE(list.userMaterialCount(), 0);
    const Material *air = list.material(0);
    QVERIFY(air);
    QVERIFY(air->isAir());
    QVERIFY(!air->isWood() && !air->isWoodBased() && !air->isFoil());
    QCOMPARE(air->m_materialId, 0);
    QCOMPARE(air->m_name, QStringLiteral("Air space (not ventilated)"));
    QCOMPARE(air->m_category, 12);
    QCOMPARE(air->m_notes,
             QStringLiteral("Thermal conductivity will be calculated from construction and heat "
                            "flow according DIN EN ISO 6946 5.3.Vapor diffusion resistance "
                            "factor will be calculated from construction according DIN EN ISO "
                            "13788 4.1."));
    QCOMPARE(air->m_rho, 1.23);
    QCOMPARE(air->m_lambda, 0.025);
    QCOMPARE(air->m_mu, 1.0);
    QCOMPARE(air->m_mu_min, 1.0);
    QCOMPARE(air->m_mu_max, 1.0);
    QCOMPARE(air->m_w_80, 0.00001);
    QCOMPARE(air->m_w_sat, 1.0);
    QCOMPARE(air->m_A_w, 0.0);
    QCOMPARE(air->m_applicationCodes, (std::vector<int>{0, 1, 2, 6, 7, 8}));
    QVERIFY(air->isValid());
    QVERIFY(list.material(1) == nullptr);
    QVERIFY(list.material(-1) == nullptr);

    bool pathLogged = false;
    for (const QString &t : capture.texts(HTL::MSG_PROGRESS))
        pathLogged = pathLogged || t.startsWith(QStringLiteral("Path for material database: ") +
                                                QDir(dbDir()).absolutePath());
    QVERIFY(pathLogged);
}

void tst_MaterialList::databaseFileRecords()
{
    MaterialDatabaseFile::Content c;
    c.m_version = 6;
    c.m_languages = QStringList{QStringLiteral("en")};
    MaterialDatabaseFile::Record r = record(493, QStringLiteral("Brick"));
    r.m_wood = true;
    r.m_foil = true;
    r.m_sd_value = 0.5;
    r.m_category = 20; // out of range: clamped to 13
    r.m_measuringDate = QDate(2019, 3, 4);
    r.m_productionDate = QDate(2001, 12, 31);
    MaterialDatabaseFile::Record air = record(5, QStringLiteral("Their air"));
    air.m_air = true; // the list has its own air material
    MaterialDatabaseFile::Record other = record(6, QStringLiteral("Other program"));
    other.m_applicationCodes = {0, 2, 3};
    MaterialDatabaseFile::Record noCodes = record(8, QStringLiteral("No codes"));
    noCodes.m_applicationCodes.clear();
    MaterialDatabaseFile::Record second = record(282, QStringLiteral("Wool"));
    second.m_applicationCodes = {4, 1};
    c.m_records = {r, air, other, noCodes, second};
    writeFile(dbDir() + QStringLiteral("/a.m2m"), MaterialDatabaseFile::toBytes(c));
    // Files of other extensions are not database files.
    writeFile(dbDir() + QStringLiteral("/b.txt"), MaterialDatabaseFile::toBytes(c));

    TestSupport::MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    QVERIFY(list.read());
    QCOMPARE(list.databaseMaterialCount(), 3); // Brick, Wool, air
    const Material *m = list.material(0);
    QCOMPARE(m->m_name, QStringLiteral("Brick"));
    QCOMPARE(m->m_materialId, 493);
    QCOMPARE(m->m_category, 13);
    QCOMPARE(m->m_dataSource, QStringLiteral("source Brick"));
    QCOMPARE(m->m_producer, QStringLiteral("producer"));
    QCOMPARE(m->m_productName, QStringLiteral("product"));
    QCOMPARE(m->m_notes, QStringLiteral("notes"));
    QCOMPARE(m->m_rho, 1800.0);
    QCOMPARE(m->m_lambda, 0.81);
    QCOMPARE(m->m_mu, 10.0);
    QCOMPARE(m->m_A_w, 0.18);
    QCOMPARE(m->m_w_80, 0.0031);
    QCOMPARE(m->m_w_sat, 0.188);
    QCOMPARE(m->m_mu_min, 5.0);
    QCOMPARE(m->m_mu_max, 10.0);
    QCOMPARE(m->m_sd_value, 0.5);
    QVERIFY(m->isWood() && m->isFoil() && !m->isWoodBased() && !m->isAir());
    QCOMPARE(m->m_applicationCodes, std::vector<int>{1});
    QVERIFY(m->m_databaseInteger.has_value());
    QCOMPARE(*m->m_databaseInteger, 7);
    QCOMPARE(m->m_measuringDate, QDate(2019, 3, 4));
    QVERIFY(m->m_samplingDate.isNull());
    QCOMPARE(m->m_productionDate, QDate(2001, 12, 31));
    QVERIFY(m->m_color.isValid());
    QCOMPARE(list.material(1)->m_materialId, 282);
    QVERIFY(list.material(2)->isAir());
    QCOMPARE(list.material(2)->m_materialId, 0);

    // "Read file: <path> with version: 6 finished. 3 materials read."
    bool finished = false;
    for (const QString &t : capture.texts(HTL::MSG_PROGRESS))
        finished = finished || (t.startsWith(QStringLiteral("Read file: ")) &&
                                t.contains(QStringLiteral(" with version: 6")) &&
                                t.contains(QStringLiteral(" finished. 2 materials read.")));
    QVERIFY(finished);
}

void tst_MaterialList::englishNameFallback_data()
{
    QTest::addColumn<QString>("langId");
    QTest::addColumn<QString>("deName");
    QTest::addColumn<QString>("enName");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("expectedSource");
    QTest::newRow("de chosen") << "de"
                               << "Ziegel"
                               << "Brick"
                               << "Ziegel"
                               << "Quelle";
    QTest::newRow("de empty, en name") << "de"
                                       << ""
                                       << "Brick"
                                       << "Brick"
                                       << "Quelle";
    QTest::newRow("pl absent: first language") << "pl"
                                               << "Ziegel"
                                               << "Brick"
                                               << "Ziegel"
                                               << "Quelle";
    QTest::newRow("en chosen") << "en"
                               << "Ziegel"
                               << "Brick"
                               << "Brick"
                               << "Source";
    QTest::newRow("no name at all") << "de"
                                    << ""
                                    << ""
                                    << "Unknown"
                                    << "Quelle";
}

void tst_MaterialList::englishNameFallback()
{
    QFETCH(QString, langId);
    QFETCH(QString, deName);
    QFETCH(QString, enName);
    QFETCH(QString, expected);
    QFETCH(QString, expectedSource);
    MaterialDatabaseFile::Content c;
    c.m_languages = QStringList{QStringLiteral("de"), QStringLiteral("en")};
    MaterialDatabaseFile::Record r = record(3, QString());
    r.m_texts.resize(2);
    r.m_texts[0].m_name = deName;
    r.m_texts[0].m_dataSource = QStringLiteral("Quelle");
    r.m_texts[1].m_name = enName;
    r.m_texts[1].m_dataSource = QStringLiteral("Source");
    c.m_records = {r};
    writeFile(dbDir() + QStringLiteral("/x.m2m"), MaterialDatabaseFile::toBytes(c));
    MaterialList list(langId, dbDir(), userDir());
    QVERIFY(list.read());
    QCOMPARE(list.databaseMaterialCount(), 2);
    QCOMPARE(list.material(0)->m_name, expected);
    // Other texts come from the chosen language only.
    QCOMPARE(list.material(0)->m_dataSource, expectedSource);
}

void tst_MaterialList::version5WithoutDates()
{
    const QByteArray v5 = sampleDatabase(5);
    const QByteArray v6 = sampleDatabase(6);
    // Two records with three dates of 4 bytes each less.
    QCOMPARE(v6.size() - v5.size(), 2 * 3 * 4);
    writeFile(dbDir() + QStringLiteral("/v5.m2m"), v5);
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    QVERIFY(list.read());
    QCOMPARE(list.databaseMaterialCount(), 3);
    QCOMPARE(list.material(1)->m_name, QStringLiteral("Stone"));
    QVERIFY(list.material(1)->m_measuringDate.isNull());
}

void tst_MaterialList::versionChecks_data()
{
    QTest::addColumn<int>("storedVersion");
    QTest::addColumn<QString>("message");
    QTest::newRow("4 too old") << 4 + 32 << "Material file version too old.";
    QTest::newRow("0 too old") << 0 + 32 << "Material file version too old.";
    QTest::newRow("8 not valid") << 8 + 32 << "Material file version not valid.";
    QTest::newRow("-1 not valid") << 31 << "Material file version not valid.";
    QTest::newRow("raw 6 not valid") << 6 << "Material file version not valid.";
}

void tst_MaterialList::versionChecks()
{
    QFETCH(int, storedVersion);
    QFETCH(QString, message);
    QByteArray data = sampleDatabase(6);
    QDataStream patch(&data, QIODevice::ReadWrite);
    patch << qint32(storedVersion);
    writeFile(dbDir() + QStringLiteral("/v.m2m"), data);

    TestSupport::MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    QVERIFY(list.read()); // the air material is always there
    QCOMPARE(list.databaseMaterialCount(), 1);
    QVERIFY(capture.texts(HTL::MSG_WARNING).contains(message));
}

void tst_MaterialList::wrongMarker()
{
    QByteArray data = sampleDatabase(6);
    const int at = data.indexOf(QByteArray("\0M\0I\0R", 6));
    QVERIFY(at > 0);
    data[at + 1] = 'N';
    TestSupport::MessageCapture capture;
    MaterialDatabaseFile::Content c;
    QVERIFY(!MaterialDatabaseFile::readBytes(data, QStringLiteral("x"), c));
    const QStringList w = capture.texts(HTL::MSG_WARNING);
    QVERIFY(w.contains(QStringLiteral("Material file not valid for this software.")));
    QVERIFY(w.contains(QStringLiteral(" Material file version is: 'NIRELO2'")));
    QVERIFY(w.contains(QStringLiteral(" Program version is: 'MIRELO2'")));
}

void tst_MaterialList::foreignPayloadRejected()
{
    // A payload enciphered for another header (here: other languages) does not authenticate,
    // just as one under another key would not.
    MaterialDatabaseFile::Content a;
    a.m_languages = QStringList{QStringLiteral("en")};
    a.m_records = {record(1, QStringLiteral("A"))};
    MaterialDatabaseFile::Content b = a;
    b.m_languages = QStringList{QStringLiteral("de")};
    const QByteArray fa = MaterialDatabaseFile::toBytes(a);
    const QByteArray fb = MaterialDatabaseFile::toBytes(b);
    QCOMPARE(fa.size(), fb.size());
    const int headerSize = 4 + 4 + (4 + 4) + (4 + 14);
    const QByteArray mixed = fa.left(headerSize) + fb.mid(headerSize);

    TestSupport::MessageCapture capture;
    MaterialDatabaseFile::Content c;
    QVERIFY(MaterialDatabaseFile::readBytes(fa, QStringLiteral("a"), c));
    QVERIFY(!MaterialDatabaseFile::readBytes(mixed, QStringLiteral("mixed"), c));
    QVERIFY(c.m_records.empty());
    QVERIFY(capture.texts(HTL::MSG_WARNING)
                .contains(QStringLiteral("Material data not valid (ECR 1)")));

    // The cipher itself: wrong associated data or a short block fail, the right one succeeds.
    const QByteArray block = MaterialDatabaseFileCipher::encipher("payload", "header");
    QCOMPARE(block.size(), 7 + MaterialDatabaseFileCipher::Overhead);
    QByteArray plain;
    QVERIFY(MaterialDatabaseFileCipher::decipher(block, "header", plain));
    QCOMPARE(plain, QByteArray("payload"));
    QVERIFY(!MaterialDatabaseFileCipher::decipher(block, "headex", plain));
    QVERIFY(plain.isEmpty());
    QVERIFY(!MaterialDatabaseFileCipher::decipher(block.left(20), "header", plain));
    // Same content, same bytes: the build output is reproducible.
    QCOMPARE(MaterialDatabaseFileCipher::encipher("payload", "header"), block);
}

void tst_MaterialList::truncatedDatabaseFile()
{
    const QByteArray data = sampleDatabase(6);
    for (int n = 0; n < data.size(); ++n) {
        MaterialDatabaseFile::Content c;
        if (MaterialDatabaseFile::readBytes(data.left(n), QStringLiteral("t"), c))
            QFAIL(qPrintable(QStringLiteral("truncated at %1 read as valid").arg(n)));
        QVERIFY(c.m_records.empty());
    }
    MaterialDatabaseFile::Content c;
    QVERIFY(MaterialDatabaseFile::readBytes(data, QStringLiteral("t"), c));
    QCOMPARE(int(c.m_records.size()), 2);
}

void tst_MaterialList::flippedBytesDatabaseFile()
{
    // Header and payload are authenticated together: any single changed byte fails the file.
    const QByteArray data = sampleDatabase(6);
    for (int i = 0; i < data.size(); ++i) {
        for (char mask : {char(0x01), char(0x80), char(0xff)}) {
            QByteArray d = data;
            d[i] = char(d[i] ^ mask);
            MaterialDatabaseFile::Content c;
            if (MaterialDatabaseFile::readBytes(d, QStringLiteral("f"), c))
                QFAIL(qPrintable(QStringLiteral("byte %1 changed, read as valid").arg(i)));
            QVERIFY(c.m_records.empty());
        }
    }
}

void tst_MaterialList::hostileDatabaseHeader_data()
{
    QTest::addColumn<QByteArray>("data");
    auto make = [](qint32 version, qint32 languages, quint32 firstLength) {
        QByteArray d;
        QDataStream out(&d, QIODevice::WriteOnly);
        out << version << languages << firstLength;
        out.writeRawData("\0e\0n", 4);
        return d;
    };
    QTest::newRow("language count huge") << make(38, 0x7fffffff, 4);
    QTest::newRow("language count negative") << make(38, -5, 4);
    QTest::newRow("string length huge") << make(38, 1, 0x7ffffff0u);
    QTest::newRow("string length odd") << make(38, 1, 3);
    QByteArray payloadHuge;
    {
        QDataStream out(&payloadHuge, QIODevice::WriteOnly);
        out << qint32(38) << qint32(0) << QStringLiteral("MIRELO2") << quint32(0xfffffff0u);
    }
    QTest::newRow("payload length huge") << payloadHuge;
}

void tst_MaterialList::hostileDatabaseHeader()
{
    QFETCH(QByteArray, data);
    MaterialDatabaseFile::Content c;
    QVERIFY(!MaterialDatabaseFile::readBytes(data, QStringLiteral("h"), c));
    QVERIFY(c.m_records.empty());
}

void tst_MaterialList::recordsBeforeDamageStay()
{
    // A payload that authenticates but whose second record is cut off: only a file of this
    // program's own making can look like this. The first record stays.
    MaterialDatabaseFile::Content c;
    c.m_languages = QStringList{QStringLiteral("en")};
    c.m_records = {record(1, QStringLiteral("One")), record(2, QStringLiteral("Two"))};
    const QByteArray complete = MaterialDatabaseFile::toBytes(c);
    QByteArray header = complete.left(4 + 4 + 8 + 18);
    QByteArray plain;
    {
        QDataStream out(&plain, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_6);
        out << QStringLiteral("MIRELO2");
    }
    // Take the record bytes from a one-record file of the same header.
    MaterialDatabaseFile::Content one = c;
    one.m_records.resize(1);
    QByteArray oneFile = MaterialDatabaseFile::toBytes(one);
    QByteArray onePlain;
    QVERIFY(MaterialDatabaseFileCipher::decipher(oneFile.mid(header.size() + 4), header, onePlain));
    const QByteArray recordBytes = onePlain.mid(plain.size());
    plain += recordBytes + recordBytes.left(recordBytes.size() / 2);
    const QByteArray block = MaterialDatabaseFileCipher::encipher(plain, header);
    QByteArray file = header;
    {
        QDataStream out(&file, QIODevice::WriteOnly | QIODevice::Append);
        out << quint32(block.size());
        out.writeRawData(block.constData(), block.size());
    }
    writeFile(dbDir() + QStringLiteral("/cut.m2m"), file);
    TestSupport::MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    QVERIFY(list.read());
    QCOMPARE(list.databaseMaterialCount(), 2);
    QCOMPARE(list.material(0)->m_name, QStringLiteral("One"));
    QVERIFY(capture.texts(HTL::MSG_WARNING).contains(QStringLiteral("Material record 2 damaged.")));
}

void tst_MaterialList::userFileVersion1Count3()
{
    QByteArray data;
    {
        QDataStream out(&data, QIODevice::WriteOnly);
        out << qint32(3);
        for (int i = 0; i < 3; ++i) {
            Material m(QStringLiteral("User %1").arg(i), 5, QString(), QString(), QString(),
                       QString(), 30 + i, 0.04, 1, 0.001, 0.9, 0, 0);
            m.m_mu_min = 99; // not in a version-1 stream
            MaterialStream::write(out, m, 1);
        }
    }
    writeFile(userDir() + QStringLiteral("/UserData.mmat"), data);
    const int firstId = MaterialList::nextUserMaterialId();
    QVERIFY(firstId >= MaterialList::FirstUserMaterialId);
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    QVERIFY(list.read());
    QCOMPARE(list.userMaterialCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const Material *m = list.material(1 + i);
        QCOMPARE(m->m_name, QStringLiteral("User %1").arg(i));
        QCOMPARE(m->m_rho, 30.0 + i);
        QCOMPARE(m->m_mu_min, 0.0);
        QCOMPARE(m->m_materialId, firstId + i);
        QVERIFY(list.isUserMaterial(firstId + i));
    }
    QCOMPARE(MaterialList::nextUserMaterialId(), firstId + 3);
}

void tst_MaterialList::userFileRoundTripAndIds()
{
    Material m(QStringLiteral("Mine"), 6, QStringLiteral("n"), QStringLiteral("p"),
               QStringLiteral("pr"), QStringLiteral("s"), 700, 0.13, 50, 0.08, 0.4, 0.002, 0);
    m.m_color = QColor(1, 2, 3);
    m.m_sd_value = 0.2;
    m.setFlags(false, false, true, true);
    int id = 0;
    {
        MaterialList list(QStringLiteral("en"), dbDir(), userDir() + QStringLiteral("/new"));
        QVERIFY(list.read());
        QList<Material *> added;
        connect(&list, &MaterialList::materialAdded, [&added](Material *m) { added << m; });
        const int expected = MaterialList::nextUserMaterialId();
        id = list.addUserMaterial(m);
        QCOMPARE(id, expected);
        QCOMPARE(added.size(), 1);
        QCOMPARE(added.first(), list.material(1));
        QCOMPARE(list.findMaterial(id)->m_name, QStringLiteral("Mine"));
        // Written at once, not only at exit: a crash does not lose the material.
        QVERIFY(QFile::exists(list.userFilePath()));
        QVERIFY(list.addUserMaterial(m) == id + 1);
        QVERIFY(list.removeUserMaterial(id + 1));
        QVERIFY(!list.removeUserMaterial(id + 1));
    }
    MaterialList again(QStringLiteral("en"), dbDir(), userDir() + QStringLiteral("/new"));
    QVERIFY(again.read());
    QCOMPARE(again.userMaterialCount(), 1);
    const Material *r = again.material(1);
    QVERIFY(*r == m); // equality ignores the id
    QCOMPARE(r->m_sd_value, 0.2);
    QVERIFY(r->isWoodBased() && r->isFoil());
    QVERIFY(r->m_materialId >= MaterialList::FirstUserMaterialId);
    QVERIFY(r->m_materialId > id); // the counter is application-wide
}

void tst_MaterialList::userFileToAnotherDirectory()
{
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    list.read();
    Material m(QStringLiteral("Clay"), 2, QString(), QString(), QString(), QString(), 1500, 0.6, 8,
               0.01, 0.3, 0.1, 0);
    list.addUserMaterial(m);
    const QString other = m_dir->path() + QStringLiteral("/other");
    QVERIFY(list.writeUserMaterialsTo(other));
    QCOMPARE(list.userDirectory(), userDir());
    QCOMPARE(int(MaterialList::readUserFile(other + QStringLiteral("/UserData.mmat")).size()), 1);
    list.setUserDirectory(other);
    QCOMPARE(list.userFilePath(), other + QStringLiteral("/UserData.mmat"));
    list.addUserMaterial(m);
    QCOMPARE(int(MaterialList::readUserFile(list.userFilePath()).size()), 2);
    QCOMPARE(int(MaterialList::readUserFile(userDir() + QStringLiteral("/UserData.mmat")).size()),
             1);
    QVERIFY(!list.writeUserMaterialsTo(list.userFilePath() + QStringLiteral("/below-a-file")));
}

void tst_MaterialList::fullDiskKeepsUserFile_data()
{
    QTest::addColumn<int>("notesLength");
    // a file that fits the device's write buffer and is written only when the file is closed,
    // and one larger than that buffer
    QTest::newRow("small file") << 100;
    QTest::newRow("large file") << 40000;
}

void tst_MaterialList::fullDiskKeepsUserFile()
{
    QFETCH(int, notesLength);
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    list.read();
    Material m(QStringLiteral("Clay"), 2, QString(notesLength, QLatin1Char('n')), QString(),
               QString(), QString(), 1500, 0.6, 8, 0.01, 0.3, 0.1, 0);
    list.addUserMaterial(m);
    QFile file(list.userFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QStringList failures;
    connect(&list, &MaterialList::writeFailed,
            [&failures](const QString &message) { failures << message; });
    {
        // room for the old file and a little more, not for a second material
        TestSupport::FileSizeLimit full(quint64(before.size()) + 64);
        QVERIFY(full.active());
        list.addUserMaterial(m);
    }
    QCOMPARE(list.userMaterialCount(), 2);
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures.first().contains(list.userFilePath()), qPrintable(failures.first()));
    QVERIFY2(failures.first().endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))),
             qPrintable(failures.first()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(QDir(userDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("UserData.mmat")});
}

void tst_MaterialList::userFileNewerVersionIgnored()
{
    QByteArray data;
    {
        QDataStream out(&data, QIODevice::WriteOnly);
        out << qint32(-5) << qint32(1);
        MaterialStream::write(out, Material(), 4);
    }
    const QString path = userDir() + QStringLiteral("/UserData.mmat");
    writeFile(path, data);
    bool complete = true;
    QVERIFY(MaterialList::readUserFile(path, &complete).empty());
    QVERIFY(!complete);
    {
        MaterialList list(QStringLiteral("en"), dbDir(), userDir());
        QVERIFY(list.read());
        QCOMPARE(list.userMaterialCount(), 0);
        // The file of the newer program is kept before anything could replace it.
        QVERIFY(QFile::exists(path + QStringLiteral(".damaged")));
        Material m(QStringLiteral("x"), 1, QString(), QString(), QString(), QString(), 1, 1, 1, 0.1,
                   0.2, 0, 0);
        list.addUserMaterial(m);
    }
    QFile kept(path + QStringLiteral(".damaged"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), data);
    // A missing file is no damage.
    QVERIFY(
        MaterialList::readUserFile(userDir() + QStringLiteral("/none.mmat"), &complete).empty());
    QVERIFY(complete);
}

void tst_MaterialList::deleteLastUserMaterialLeavesBackup()
{
    const QString path = userDir() + QStringLiteral("/UserData.mmat");
    writeFile(path + QStringLiteral(".backup"), "older backup");
    {
        MaterialList list(QStringLiteral("en"), dbDir(), userDir());
        QVERIFY(list.read());
        Material m(QStringLiteral("Only"), 1, QString(), QString(), QString(), QString(), 1, 1, 1,
                   0.1, 0.2, 0, 0);
        list.addUserMaterial(m);
    }
    QVERIFY(QFile::exists(path));
    QFile userFile(path);
    QVERIFY(userFile.open(QIODevice::ReadOnly));
    const QByteArray written = userFile.readAll();
    userFile.close();
    {
        MaterialList list(QStringLiteral("en"), dbDir(), userDir());
        QVERIFY(list.read());
        QCOMPARE(list.userMaterialCount(), 1);
        QVERIFY(list.removeUserMaterial(list.material(1)->m_materialId));
    } // exit
    QVERIFY(!QFile::exists(path));
    QFile backup(path + QStringLiteral(".backup"));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), written);
    const QStringList files = QDir(userDir()).entryList(QDir::Files);
    QCOMPARE(files, QStringList{QStringLiteral("UserData.mmat.backup")});

    // The next exit without user materials keeps that backup.
    {
        MaterialList list(QStringLiteral("en"), dbDir(), userDir());
        QVERIFY(list.read());
        QVERIFY(list.writeUserMaterials());
    }
    QVERIFY(QFile::exists(path + QStringLiteral(".backup")));
}

void tst_MaterialList::userFileDamaged()
{
    QByteArray data;
    {
        QDataStream out(&data, QIODevice::WriteOnly);
        out << qint32(-4) << qint32(2);
        for (int i = 0; i < 2; ++i) {
            Material m(QStringLiteral("M%1").arg(i), 5, QStringLiteral("notes"), QString(),
                       QString(), QString(), 30, 0.04, 1, 0.001, 0.9, 0, 0);
            MaterialStream::write(out, m, 4);
        }
    }
    const QString path = userDir() + QStringLiteral("/UserData.mmat");
    for (int n = 0; n < data.size(); ++n) {
        writeFile(path, data.left(n));
        bool complete = true;
        const std::vector<Material> r = MaterialList::readUserFile(path, &complete);
        QVERIFY(!complete);
        QVERIFY(r.size() <= 1);
    }
    for (int i = 0; i < data.size(); ++i) {
        QByteArray d = data;
        d[i] = char(d[i] ^ 0xff);
        writeFile(path, d);
        bool complete = true;
        const std::vector<Material> r = MaterialList::readUserFile(path, &complete);
        QVERIFY(r.size() <= 2);
    }
    writeFile(path, data);
    bool complete = false;
    QCOMPARE(int(MaterialList::readUserFile(path, &complete).size()), 2);
    QVERIFY(complete);
}

void tst_MaterialList::userFileTruncatedKeepsIntactMaterials_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("version 1") << 1;
    QTest::newRow("version 3") << 3;
    QTest::newRow("version 4") << 4;
}

void tst_MaterialList::userFileTruncatedKeepsIntactMaterials()
{
    QFETCH(int, version);
    // Five materials; the file breaks off in the middle of the third.
    QByteArray data;
    int thirdStart = 0, thirdEnd = 0;
    {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QDataStream out(&buffer);
        if (version == 1)
            out << qint32(5);
        else
            out << qint32(-version) << qint32(5);
        for (int i = 0; i < 5; ++i) {
            if (i == 2)
                thirdStart = int(buffer.pos());
            Material m(QStringLiteral("Mine %1").arg(i), 5, QStringLiteral("notes"), QString(),
                       QString(), QString(), 30 + i, 0.04, 1, 0.001, 0.9, 0, 0);
            MaterialStream::write(out, m, version);
            if (i == 2)
                thirdEnd = int(buffer.pos());
        }
    }
    const QByteArray cut = data.left((thirdStart + thirdEnd) / 2);
    const QString path = userDir() + QStringLiteral("/UserData.mmat");
    writeFile(path, cut);

    bool complete = true;
    const int firstId = MaterialList::nextUserMaterialId();
    const std::vector<Material> read = MaterialList::readUserFile(path, &complete);
    QVERIFY(!complete);
    QCOMPARE(int(read.size()), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(read[std::size_t(i)].m_name, QStringLiteral("Mine %1").arg(i));
        QCOMPARE(read[std::size_t(i)].m_rho, 30.0 + i);
        QCOMPARE(read[std::size_t(i)].m_materialId, firstId + i);
    }

    // At start-up the list offers the intact materials and keeps the damaged file aside.
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    QVERIFY(list.read());
    QCOMPARE(list.userMaterialCount(), 2);
    const int base = list.databaseMaterialCount();
    QCOMPARE(list.material(base)->m_name, QStringLiteral("Mine 0"));
    QCOMPARE(list.material(base + 1)->m_name, QStringLiteral("Mine 1"));
    QFile kept(path + QStringLiteral(".damaged"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), cut);
}

void tst_MaterialList::userFileHostileCounts_data()
{
    QTest::addColumn<QByteArray>("data");
    auto make = [](std::initializer_list<quint32> words) {
        QByteArray d;
        QDataStream out(&d, QIODevice::WriteOnly);
        for (quint32 w : words)
            out << w;
        return d;
    };
    QTest::newRow("count huge") << make({quint32(-4), 0x7fffffffu, 0, 0});
    QTest::newRow("count negative") << make({quint32(-4), quint32(-7), 0});
    QTest::newRow("version 1 count huge") << make({0x7fffffffu, 0, 0});
    QTest::newRow("name length huge")
        << make({quint32(-4), 1, 0x7ffffffeu, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                 0,           0, 0,           0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    QTest::newRow("notes length huge")
        << make({quint32(-4), 1, 0, 0, 0x7ffffffeu, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                 0,           0, 0, 0, 0,           0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

void tst_MaterialList::userFileHostileCounts()
{
    QFETCH(QByteArray, data);
    const QString path = userDir() + QStringLiteral("/UserData.mmat");
    writeFile(path, data);
    bool complete = true;
    QVERIFY(MaterialList::readUserFile(path, &complete).empty());
    QVERIFY(!complete);
}

void tst_MaterialList::findAndIndex()
{
    writeFile(dbDir() + QStringLiteral("/a.m2m"), sampleDatabase(6));
    MaterialList list(QStringLiteral("en"), dbDir(), userDir());
    QVERIFY(list.read());
    Material m(QStringLiteral("Mine"), 1, QString(), QString(), QString(), QString(), 1, 1, 1, 0.1,
               0.2, 0, 0);
    const int id = list.addUserMaterial(m);
    QCOMPARE(list.count(), 4);
    QCOMPARE(list.material(3)->m_materialId, id);
    QCOMPARE(list.findMaterial(12)->m_name, QStringLiteral("Stone"));
    QCOMPARE(list.findMaterial(0)->m_name, QStringLiteral("Air space (not ventilated)"));
    QVERIFY(list.findMaterial(4711) == nullptr);
    QVERIFY(!list.isUserMaterial(12));
    QVERIFY(list.isUserMaterial(id));
    Material changed = m;
    changed.m_name = QStringLiteral("Changed");
    QVERIFY(list.replaceUserMaterial(id, changed));
    QCOMPARE(list.findMaterial(id)->m_name, QStringLiteral("Changed"));
    QVERIFY(!list.replaceUserMaterial(12, changed)); // database materials are read-only
}

void tst_MaterialList::version1List()
{
    const int firstId = MaterialList::nextUserMaterialId();
    const std::vector<Material> list = MaterialList::readVersion1List(
        TestSupport::dataFile(QStringLiteral("materialdb/version1_list.txt")));
    QCOMPARE(int(list.size()), 3);
    const Material &wool = list[0];
    QCOMPARE(wool.m_name, QStringLiteral("Mineralwolle 035"));
    QCOMPARE(wool.m_category, 5); // "W\u00e4rmed\u00e4mmstoffe" in Latin-1
    QCOMPARE(wool.m_producer, QString::fromUtf8("D\u00e4mmwerk S\u00fcd"));
    QCOMPARE(wool.m_dataSource, QString::fromUtf8("Pr\u00fcfbericht 17"));
    QCOMPARE(wool.m_rho, 30.0);
    QCOMPARE(wool.m_lambda, 0.035);
    QCOMPARE(wool.m_mu, 1.0);
    // A "1.3" file gives W_hyg at 95 % RH: w_80 = 0.0019 * 0.8 / 0.95 = 0.0016
    M2_COMPARE_REL(wool.m_w_80, 0.0016, 1e-12);
    QCOMPARE(wool.m_w_sat, 0.9);
    QCOMPARE(wool.m_A_w, 0.0);
    QVERIFY(wool.m_color.isValid());
    QCOMPARE(wool.m_materialId, firstId);
    const Material &brick = list[1];
    QCOMPARE(brick.m_category, 2); // "Mauerwerk"
    QCOMPARE(brick.m_w_80, 0.0031);
    QCOMPARE(brick.m_A_w, 0.18);
    QCOMPARE(brick.m_materialId, firstId + 1);
    const Material &spruce = list[2];
    QCOMPARE(spruce.m_category, 7); // translated name "Timber"
    QVERIFY(spruce.isWood() && !spruce.isAir());
    QCOMPARE(spruce.m_materialId, firstId + 2);
    QCOMPARE(MaterialList::nextUserMaterialId(), firstId + 3);
    for (const Material &m : list)
        QVERIFY2(m.isValid(), qPrintable(m.m_name));
}

void tst_MaterialList::version1ListErrors_data()
{
    // message: the list's own failure, or the failure of the material block (then also the
    // last part of the list's "Error reading material list ..." text).
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("inBlock");
    QTest::newRow("no FileVersion") << "v1_no_fileversion.txt"
                                    << "Keyword 'FileVersion' missing!" << false;
    QTest::newRow("no MATERIAL_LIST") << "v1_no_list.txt"
                                      << "Keyword 'MATERIAL_LIST' missing!" << false;
    QTest::newRow("no block start") << "v1_no_block_start.txt"
                                    << "Missing block start!" << false;
    QTest::newRow("no material block start")
        << "v1_no_material_block_start.txt"
        << "Block start '{' of material definition missing!" << false;
    QTest::newRow("invalid keyword") << "v1_invalid_keyword.txt"
                                     << "Invalid keyword!" << false;
    QTest::newRow("empty name") << "v1_empty_name.txt"
                                << "Error reading material name!" << true;
    QTest::newRow("bad material keyword") << "v1_bad_material_keyword.txt"
                                          << "Invalid keyword!" << true;
    QTest::newRow("value without unit") << "v1_value_without_unit.txt"
                                        << "Missing data!" << true;
    QTest::newRow("material block not closed") << "v1_material_not_closed.txt"
                                               << "Missing data!" << true;
    QTest::newRow("missing file") << "none.txt"
                                  << "Error reading material list from file '%1'!\nCannot open "
                                     "file."
                                  << false;
}

void tst_MaterialList::version1ListErrors()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    QFETCH(bool, inBlock);
    const QString path = TestSupport::dataFile(QStringLiteral("materialdb/") + file);
    const int nextId = MaterialList::nextUserMaterialId();
    try {
        MaterialList::readVersion1List(path);
        QFAIL("no exception");
    } catch (const HTL::Exception &ex) {
        const QString what = QString::fromStdString(ex.what());
        const auto &entries = ex.entries();
        QCOMPARE(QString::fromStdString(entries.back().m_context),
                 QStringLiteral("[M2_MaterialList read_1_9_list]"));
        if (!inBlock) {
            QCOMPARE(what, message.contains(QLatin1String("%1")) ? message.arg(path) : message);
        } else {
            // innermost the block reader's own text, then the block, then the list
            QCOMPARE(int(entries.size()), 3);
            QCOMPARE(QString::fromStdString(entries[0].m_context),
                     QStringLiteral("[Material::readOld]"));
            QVERIFY(!entries[0].m_message.empty());
            QCOMPARE(QString::fromStdString(entries[1].m_context),
                     QStringLiteral("[M2_MaterialList read_1_9_material]"));
            QCOMPARE(QString::fromStdString(entries[1].m_message), message);
            QCOMPARE(what, QStringLiteral("Error reading material list from file '") + path +
                               QStringLiteral("'!\n") + message);
        }
    }
    // A failing list hands out no ids.
    QCOMPARE(MaterialList::nextUserMaterialId(), nextId);
}

void tst_MaterialList::shippedCatalogueMatchesSource()
{
    const QString dbPath = QStringLiteral(M2_BIN_DIR) + QStringLiteral("/resources/DB_materials");
    QVERIFY2(QFile::exists(dbPath + QStringLiteral("/materials.m2m")),
             "the build did not compile the catalogue");
    const QList<QStringList> rows = CatalogueCsv::read(CatalogueCsv::sourcePath());
    QVERIFY(rows.size() > 60);
    const QStringList header = rows.first();
    auto col = [&](const QStringList &row, const char *name) {
        return row.value(header.indexOf(QLatin1String(name)));
    };
    auto num = [&](const QStringList &row, const char *name) {
        return col(row, name).isEmpty() ? 0.0 : col(row, name).toDouble();
    };

    for (const char *lang : {"en", "de", "pl"}) {
        MaterialList list(QLatin1String(lang), dbPath, userDir());
        QVERIFY(list.read());
        QCOMPARE(list.databaseMaterialCount(), rows.size() - 1 + 1); // + the air material
        for (int r = 1; r < rows.size(); ++r) {
            const QStringList &row = rows[r];
            const Material *m = list.material(r - 1);
            QVERIFY(m);
            QCOMPARE(m->m_materialId, col(row, "id").toInt());
            QCOMPARE(m->m_name, col(row, (QByteArray("name_") + lang).constData()));
            QCOMPARE(m->m_category, col(row, "category").toInt());
            QCOMPARE(m->m_rho, num(row, "rho"));
            QCOMPARE(m->m_lambda, num(row, "lambda"));
            QCOMPARE(m->m_mu, num(row, "mu"));
            QCOMPARE(m->m_mu_min, num(row, "mu"));
            QCOMPARE(m->m_mu_max, num(row, "mu"));
            QCOMPARE(m->m_sd_value, num(row, "sd_value"));
            QCOMPARE(m->m_w_80, num(row, "w_80"));
            QCOMPARE(m->m_w_sat, num(row, "w_sat"));
            QCOMPARE(m->m_A_w, num(row, "A_w"));
            QCOMPARE(m->m_dataSource, col(row, "source"));
            QCOMPARE(m->m_notes, col(row, "notes"));
            const QString flags = col(row, "flags");
            QCOMPARE(m->isWood(), flags.split(' ').contains(QStringLiteral("wood")));
            QCOMPARE(m->isWoodBased(), flags.split(' ').contains(QStringLiteral("woodbased")));
            QCOMPARE(m->isFoil(), flags.split(' ').contains(QStringLiteral("foil")));
            QVERIFY(!m->isAir());
            QVERIFY2(m->isValid(), qPrintable(m->m_name));
            // The names of the other languages, for the search of the database dialog.
            const QStringList others = list.otherLanguageNames(m->m_materialId);
            for (const char *other : {"en", "de", "pl"}) {
                const QString n = col(row, (QByteArray("name_") + other).constData());
                QCOMPARE(others.contains(n), qstrcmp(other, lang) != 0 && n != m->m_name);
            }
        }
        // The default construction needs a masonry material 493 and an insulation 282.
        QVERIFY(list.findMaterial(493));
        QCOMPARE(list.findMaterial(493)->m_category, 2);
        QVERIFY(list.findMaterial(282));
        QCOMPARE(list.findMaterial(282)->m_category, 5);
    }
}

M2_TEST_GUILESS_MAIN(tst_MaterialList)
#include "tst_MaterialList.moc"
