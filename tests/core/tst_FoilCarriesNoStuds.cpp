// A layer given by its sd-value (a foil, a membrane) carries no second material: the edit that
// gives such a layer a foil takes its studs away in the same step, the project refuses a foil
// with studs in every edit, and a project file that holds one loads without them, saying so.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "persistence/ProjectFile.h"

#include <QBuffer>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Material)
Q_DECLARE_METATYPE(InputStatus)

namespace {

LayerBridge studs()
{
    return LayerBridge::fromWidthAndSpacing(TestMaterials::softwood(), 0.06, 0.625);
}

/*! Gypsum board, 160 mm wool with studs, 60 mm wool; warm side first. */
InputData timberFrame()
{
    InputData in;
    in.insertLayer(0, MaterialLayer(TestMaterials::gypsumBoard(), 0.0125));
    MaterialLayer field(TestMaterials::frameWool(), 0.16);
    field.m_bridge = studs();
    in.insertLayer(1, field);
    in.insertLayer(2, MaterialLayer(TestMaterials::frameWool(), 0.06));
    return in;
}

QByteArray written(const InputData &in)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!ProjectFile::write(buffer, in, ProjectInformation()))
        return QByteArray();
    return buffer.data();
}

} // namespace

class tst_FoilCarriesNoStuds : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layerModel();
    void materialChange_data();
    void materialChange();
    void editsRefuseAFoilWithStuds();
    void fileWithAFoilWithStuds_data();
    void fileWithAFoilWithStuds();
};

void tst_FoilCarriesNoStuds::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_FoilCarriesNoStuds::layerModel()
{
    QVERIFY(MaterialLayer::canCarryBridge(TestMaterials::frameWool()));
    QVERIFY(!MaterialLayer::canCarryBridge(TestMaterials::retarder()));
    MaterialLayer layer(TestMaterials::frameWool(), 0.16);
    layer.m_bridge = studs();
    layer.changeMaterial(TestMaterials::gypsumBoard());
    QCOMPARE(*layer.m_bridge, studs());
    layer.changeMaterial(TestMaterials::retarder());
    QVERIFY(!layer.hasBridge());
    QCOMPARE(layer.m_width, 0.0001);
}

void tst_FoilCarriesNoStuds::materialChange_data()
{
    QTest::addColumn<Material>("material");
    QTest::addColumn<bool>("removes");
    QTest::newRow("a foil") << TestMaterials::retarder() << true;
    QTest::newRow("another insulation")
        << TestMaterials::coloured(TestMaterials::frameWool(), QColor(255, 255, 0)) << false;
}

void tst_FoilCarriesNoStuds::materialChange()
{
    QFETCH(Material, material);
    QFETCH(bool, removes);
    Project project;
    project.createNew(timberFrame(), ProjectInformation());
    QVERIFY(project.results().inhomogeneous.present);
    QCOMPARE(project.changeMaterialRemovesBridge(1, material), removes);
    QVERIFY(!project.changeMaterialRemovesBridge(0, TestMaterials::retarder())); // no studs there
    QVERIFY(!project.changeMaterialRemovesBridge(7, TestMaterials::retarder()));

    QSignalSpy spy(&project, &Project::changed);
    QVERIFY(project.changeMaterial(1, material));
    QCOMPARE(spy.count(), 1);
    const MaterialLayer &layer = project.inputData().layer(1);
    QCOMPARE(layer.hasBridge(), !removes);
    QCOMPARE(project.results().inhomogeneous.present, !removes);
    QCOMPARE(project.inputData().status(), InputStatus::Valid);
    QCOMPARE(written(project.inputData()).contains("<Bridge"), !removes);
}

void tst_FoilCarriesNoStuds::editsRefuseAFoilWithStuds()
{
    Project project;
    InputData in = timberFrame();
    in.insertLayer(1, MaterialLayer(TestMaterials::retarder(), 0));
    project.createNew(in, ProjectInformation());
    const InputData before = project.inputData();
    QSignalSpy spy(&project, &Project::changed);

    QString reason;
    QVERIFY(!project.acceptsLayerBridge(1, studs(), &reason));
    QVERIFY2(reason.contains(QStringLiteral("sd-value")), qPrintable(reason));
    QVERIFY(!project.setLayerBridge(1, studs()));

    MaterialLayer foilWithStuds = project.inputData().layer(1);
    foilWithStuds.m_bridge = studs();
    QVERIFY(!project.replaceLayer(1, foilWithStuds));
    QVERIFY(!project.insertLayer(0, foilWithStuds));
    // refused as a whole, also beside a layer that may carry studs
    QVERIFY(!project.insertLayers(0, {project.inputData().layer(2), foilWithStuds}));
    QCOMPARE(spy.count(), 0);
    QVERIFY(project.inputData() == before);

    // the studs of the wool may still change and go
    QVERIFY(project.setLayerBridge(2, LayerBridge(TestMaterials::softwood(), 0.1)));
    QVERIFY(project.replaceLayer(2, before.layer(2)));
}

void tst_FoilCarriesNoStuds::fileWithAFoilWithStuds_data()
{
    QTest::addColumn<QByteArray>("bridgeElement");
    QTest::addColumn<InputStatus>("status");
    const QByteArray material = "<Material name=\"Softwood\" cat=\"7\" rho=\"1000\" "
                                "lambda=\"0.13\" mu=\"40\" w_80=\"0.07\" w_sat=\"0.6\" "
                                "m_Aw=\"0.005\" color=\"160 82 45\"/>";
    QTest::newRow("width and spacing") << QByteArray("<Bridge fraction=\"0.096\" width=\"0.06\" "
                                                     "spacing=\"0.625\">") +
                                              material + "</Bridge>"
                                       << InputStatus::Valid;
    // a bridge that could not be used anyway goes too, and leaves no finding behind
    QTest::newRow("fraction out of range")
        << QByteArray("<Bridge fraction=\"1.5\">") + material + "</Bridge>" << InputStatus::Valid;
    QTest::newRow("no material") << QByteArray("<Bridge fraction=\"0.1\"/>") << InputStatus::Valid;
}

void tst_FoilCarriesNoStuds::fileWithAFoilWithStuds()
{
    QFETCH(QByteArray, bridgeElement);
    QFETCH(InputStatus, status);
    // The file of an older version: the retarder layer (the second in the file) with studs.
    InputData in = timberFrame();
    in.insertLayer(1, MaterialLayer(TestMaterials::retarder(), 0));
    QByteArray text = written(in);
    const int foilStart = text.indexOf("name=\"Vapour retarder\"");
    QVERIFY(foilStart > 0);
    const int foilEnd = text.indexOf("/>", foilStart) + 2;
    text.insert(foilEnd, bridgeElement);
    QVERIFY(text.count("<Bridge") == 2);

    QTemporaryDir dir;
    const QString fileName = dir.path() + QStringLiteral("/old.m2p");
    {
        QFile f(fileName);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    InputData read;
    ProjectInformation info;
    QString message;
    QStringList notes;
    QVERIFY2(ProjectFile::load(fileName, read, info, &message, &notes), qPrintable(message));
    QCOMPARE(read.layerCount(), 4);
    QVERIFY(!read.layer(1).hasBridge());
    QCOMPARE(read.layer(1).m_sd_value, 2.0);
    QCOMPARE(*read.layer(2).m_bridge, studs()); // the studs of the wool stay
    QCOMPARE(read.status(), status);
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.first().contains(QStringLiteral("Layer 2 (Vapour retarder) is given by its "
                                                   "sd-value and cannot carry a second material")),
             qPrintable(notes.first()));
    // the reader alone says the same
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    InputData direct;
    QStringList directNotes;
    QVERIFY(ProjectFile::readXML(buffer, direct, info, &message, &directNotes));
    QVERIFY(direct == read);
    QCOMPARE(directNotes, notes);

    // the project: loaded, calculated, not modified until the user saves the repaired file
    Project project;
    QStringList projectNotes;
    QVERIFY(project.load(fileName, &message, &projectNotes));
    QCOMPARE(projectNotes, notes);
    QVERIFY(!project.isModified());
    QVERIFY(project.results().inhomogeneous.present); // the wool's studs
    QVERIFY(project.save(fileName, &message));
    QFile saved(fileName);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count("<Bridge"), 1);
}

M2_TEST_GUILESS_MAIN(tst_FoilCarriesNoStuds)
#include "tst_FoilCarriesNoStuds.moc"
