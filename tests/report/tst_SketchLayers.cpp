// The sketch layers of a construction: the hatch pattern follows the kind of material.

#include "TestMain.h"
#include "TestMaterials.h"

#include "qtext/GraphicsRectItemWithHatch.h"
#include "report/SketchLayers.h"

#include <QTest>

using H = QtExt::GraphicsRectItemWithHatch;

class tst_SketchLayers : public QObject
{
    Q_OBJECT

private slots:
    void patternByCategory_data();
    void patternByCategory();
    void layersKeepOrderWidthColourAndName();
    void secondMaterialIsHatched();
};

void tst_SketchLayers::patternByCategory_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("pattern");
    QTest::newRow("insulation: wave") << 5 << -1 << int(H::HT_Insulation);
    QTest::newRow("brick: diagonals") << 2 << -1 << int(H::HT_LinesFallingRight);
    QTest::newRow("concrete: crossed") << 4 << -1 << int(H::HT_LinesCrossed);
    QTest::newRow("timber: along the grain") << 7 << -1 << int(H::HT_LinesVertical);
    QTest::newRow("coating: plain") << 0 << -1 << int(H::HT_None);
    QTest::newRow("unknown: plain") << 13 << -1 << int(H::HT_None);
    QTest::newRow("air layer: plain") << 12 << int(Material::F_Air) << int(H::HT_None);
    QTest::newRow("insulating foil: plain") << 5 << int(Material::F_Foil) << int(H::HT_None);
}

void tst_SketchLayers::patternByCategory()
{
    QFETCH(int, category);
    QFETCH(int, flag);
    QFETCH(int, pattern);
    Material m = TestMaterials::material("M", 0.5, 10, 0.01, 0.2, 0.01, category);
    if (flag >= 0)
        m.m_flags.insert(flag);
    m.m_materialId = 3; // the database id plays no part
    QCOMPARE(SketchLayers::hatchingType(m), pattern);
}

void tst_SketchLayers::layersKeepOrderWidthColourAndName()
{
    Material inner = TestMaterials::material("Gypsum board", 0.25, 8, 0.01, 0.5, 0.2, 6);
    inner.m_color = QColor(200, 180, 150);
    Material outer = TestMaterials::material("Mineral wool", 0.035, 1, 0.001, 0.9, 0, 5);
    outer.m_color = QColor(250, 230, 100);
    const QtExt::ConstructionLayers sketch =
        SketchLayers::fromLayers({MaterialLayer(inner, 0.0125), MaterialLayer(outer, 0.16)});
    QCOMPARE(sketch.size(), 2);
    QCOMPARE(sketch[0].m_name, QStringLiteral("Gypsum board"));
    QCOMPARE(sketch[0].m_width, 0.0125);
    QCOMPARE(sketch[0].m_color, QColor(200, 180, 150));
    QCOMPARE(sketch[0].m_hatchingType, int(H::HT_LinesHorizontal));
    QCOMPARE(sketch[1].m_width, 0.16);
    QCOMPARE(sketch[1].m_hatchingType, int(H::HT_Insulation));
}

void tst_SketchLayers::secondMaterialIsHatched()
{
    Material wool = TestMaterials::material("Mineral wool", 0.035, 1, 0.001, 0.9, 0, 5);
    Material timber = TestMaterials::material("Softwood", 0.13, 40, 0.07, 0.6, 0.005, 7);
    timber.m_color = QColor(160, 82, 45);
    Material unknown = TestMaterials::material("Steel", 50, 1e5, 0.0001, 0.001, 0, 12);
    MaterialLayer studs(wool, 0.16), steel(wool, 0.1);
    studs.m_bridge = LayerBridge(timber, 0.15);
    steel.m_bridge = LayerBridge(unknown, 0.01);
    const QtExt::ConstructionLayers sketch =
        SketchLayers::fromLayers({MaterialLayer(wool, 0.05), studs, steel});
    QCOMPARE(sketch[0].m_bridgeFraction, 0.0);
    QCOMPARE(sketch[1].m_bridgeFraction, 0.15);
    QCOMPARE(sketch[1].m_bridgeColor, QColor(160, 82, 45));
    QCOMPARE(sketch[1].m_bridgeHatchingType, int(H::HT_LinesCrossed)); // timber cut across
    // a member without a pattern of its own is cross-hatched, never plain
    QCOMPARE(sketch[2].m_bridgeHatchingType, int(H::HT_LinesCrossed));
    // a sketch with a second material is not the same sketch as one without
    QtExt::ConstructionLayers plain = sketch;
    plain[1].m_bridgeFraction = 0;
    QVERIFY(plain != sketch);
}

M2_TEST_MAIN(tst_SketchLayers)
#include "tst_SketchLayers.moc"
