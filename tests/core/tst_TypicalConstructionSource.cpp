// The readable source of the typical constructions with a second material in a layer: the
// "+" form read into the layer's bridge, the contradictions refused with the line, and the
// shipped file format keeping what was read.

#include "TestSupport.h"

#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "tools/mkmaterialdb/TypicalConstructionSource.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class tst_TypicalConstructionSource : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secondMaterial_data();
    void secondMaterial();
    void refused_data();
    void refused();

private:
    /*! Reads a source file of one construction with the given layers. */
    bool readLayers(const QString &layers, std::vector<Construction> &constructions,
                    QString *error);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MaterialList> m_materials;
};

void tst_TypicalConstructionSource::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // the shipped catalogue, as mkconstructiondb reads it
    m_materials = std::make_unique<MaterialList>(
        QStringLiteral("en"),
        QStringLiteral(M2_BIN_DIR) + QStringLiteral("/resources/DB_materials"), m_dir->path());
    m_materials->read();
    for (int id : {1041, 1070, 1091})
        QVERIFY2(m_materials->findMaterial(id), qPrintable(QString::number(id)));
    QVERIFY(m_materials->findMaterial(1091)->m_sd_value != 0);
    QCOMPARE(m_materials->findMaterial(1070)->m_sd_value, 0.0);
}

bool tst_TypicalConstructionSource::readLayers(const QString &layers,
                                               std::vector<Construction> &constructions,
                                               QString *error)
{
    const QString fileName = m_dir->path() + QStringLiteral("/typical.csv");
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write("key,name_en,name_de,name_pl,notes_en,notes_de,notes_pl,layers\n");
    f.write("wall,Wall,Wand,Ściana,Notes,Notiz,Uwagi,");
    f.write(layers.toUtf8());
    f.write("\n");
    f.close();
    return TypicalConstructionSource::read(fileName, QStringLiteral("en"), *m_materials,
                                           constructions, error);
}

void tst_TypicalConstructionSource::secondMaterial_data()
{
    QTest::addColumn<QString>("layers");
    QTest::addColumn<int>("layer");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("spacing");
    QTest::newRow("width and spacing")
        << "1091:1 1041:160+1070:60/625 1041:60" << 1 << 0.06 / 0.625 << 0.06 << 0.625;
    QTest::newRow("fraction") << "1041:160+1070:9.6%" << 0 << 0.096 << 0.0 << 0.0;
}

void tst_TypicalConstructionSource::secondMaterial()
{
    QFETCH(QString, layers);
    QFETCH(int, layer);
    QFETCH(double, fraction);
    QFETCH(double, width);
    QFETCH(double, spacing);
    std::vector<Construction> constructions;
    QString error;
    QVERIFY2(readLayers(layers, constructions, &error), qPrintable(error));
    QCOMPARE(int(constructions.size()), 1);
    const Construction &c = constructions.front();
    for (std::size_t i = 0; i < c.m_layers.size(); ++i)
        QCOMPARE(c.m_layers[i].hasBridge(), int(i) == layer);
    const LayerBridge &b = *c.m_layers[std::size_t(layer)].m_bridge;
    QCOMPARE(b.fraction, fraction);
    QCOMPARE(b.width, width);
    QCOMPARE(b.spacing, spacing);
    QCOMPARE(b.material.m_name, m_materials->findMaterial(1070)->m_name);
    QCOMPARE(b.material.m_lambda, m_materials->findMaterial(1070)->m_lambda);

    // what mkconstructiondb writes, the program reads back with the studs
    const QString shipped = m_dir->path() + QStringLiteral("/TypicalConstructions_en.constr");
    QVERIFY(ConstructionList::writeFile(shipped, constructions));
    bool complete = false;
    const std::vector<Construction> back = ConstructionList::readFile(shipped, &complete);
    QVERIFY(complete);
    QCOMPARE(int(back.size()), 1);
    QCOMPARE(back.front().m_layers.size(), c.m_layers.size());
    // the stored copy has the database's material id; the numbers and names are the source's
    const LayerBridge &stored = *back.front().m_layers[std::size_t(layer)].m_bridge;
    QCOMPARE(stored.fraction, b.fraction);
    QCOMPARE(stored.width, b.width);
    QCOMPARE(stored.spacing, b.spacing);
    QCOMPARE(stored.material.m_name, b.material.m_name);
    QCOMPARE(stored.material.m_lambda, b.material.m_lambda);
    QCOMPARE(stored.material.m_color.rgb(), b.material.m_color.rgb());
}

void tst_TypicalConstructionSource::refused_data()
{
    QTest::addColumn<QString>("layers");
    QTest::addColumn<QString>("reason");
    QTest::newRow("studs in a foil") << "1091:1+1070:60/625 1041:160"
                                     << "given by its sd-value";
    QTest::newRow("wider than the spacing") << "1041:160+1070:700/625"
                                            << "smaller than the spacing";
    QTest::newRow("fraction 100 %") << "1041:160+1070:100%"
                                    << "above 0 and below 1";
    QTest::newRow("unknown stud material") << "1041:160+999999:60/625"
                                           << "no material";
    QTest::newRow("no numbers") << "1041:160+1070:abc"
                                << "not a number";
    QTest::newRow("no id") << "1041:160+60/625"
                           << "is not id:width/spacing";
}

void tst_TypicalConstructionSource::refused()
{
    QFETCH(QString, layers);
    QFETCH(QString, reason);
    std::vector<Construction> constructions;
    QString error;
    QVERIFY(!readLayers(layers, constructions, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Row 2: ")), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

M2_TEST_GUILESS_MAIN(tst_TypicalConstructionSource)
#include "tst_TypicalConstructionSource.moc"
