// The construction sketch: hatch patterns, the insulation wave, the layout of the horizontal and
// the vertical scene read back from their items, empty drawings, hidden names, and painting
// without complaint.

#include "TestSupport.h"

#include "qtext/ConstructionGraphicsSceneHorizontal.h"
#include "qtext/ConstructionGraphicsSceneVertical.h"
#include "qtext/GraphicsRectItemWithHatch.h"
#include "qtext/GraphicsTextItemInRect.h"

#include <QGraphicsLineItem>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>

using QtExt::ConstructionGraphicsSceneBase;
using QtExt::ConstructionLayer;
using QtExt::ConstructionLayers;
using QtExt::GraphicsRectItemWithHatch;
using QtExt::GraphicsTextItemInRect;

class tst_ConstructionSketch : public QObject
{
    Q_OBJECT
private slots:
    void layerEquality();
    void hatchLineCount_data();
    void hatchLineCount();
    void hatchLineGeometry_data();
    void hatchLineGeometry();
    void insulationLoops_data();
    void insulationLoops();
    void sceneGeometry_data();
    void sceneGeometry();
    void equalRequestKeepsItems();
    void emptyScene_data();
    void emptyScene();
    void tooWideNameHidden_data();
    void tooWideNameHidden();
    void render_data();
    void render();
    void deviceMadeWhereAGoneOneWas();
};

namespace {

const int AllFlags = ConstructionGraphicsSceneBase::ShowWidths |
                     ConstructionGraphicsSceneBase::ShowNames |
                     ConstructionGraphicsSceneBase::ShowSideTexts;

ConstructionLayer layer(double width, const QString &name = QString(), int hatch = 0,
                        const QColor &color = QColor(200, 160, 100))
{
    ConstructionLayer l;
    l.m_width = width;
    l.m_color = color;
    l.m_hatchingType = hatch;
    l.m_name = name;
    return l;
}

std::unique_ptr<ConstructionGraphicsSceneBase> makeScene(bool horizontal, QPaintDevice *device)
{
    if (horizontal)
        return std::make_unique<QtExt::ConstructionGraphicsSceneHorizontal>(true, device);
    return std::make_unique<QtExt::ConstructionGraphicsSceneVertical>(true, device);
}

// The layer items of a scene, in the order of their index (item data 0).
QList<GraphicsRectItemWithHatch *> layerItems(QGraphicsScene &scene)
{
    QList<GraphicsRectItemWithHatch *> result;
    const QList<QGraphicsItem *> items = scene.items();
    for (QGraphicsItem *item : items) {
        if (auto *rect = dynamic_cast<GraphicsRectItemWithHatch *>(item))
            result.append(rect);
    }
    std::sort(result.begin(), result.end(), [](QGraphicsItem *a, QGraphicsItem *b) {
        return a->data(0).toInt() < b->data(0).toInt();
    });
    return result;
}

GraphicsTextItemInRect *textItem(QGraphicsScene &scene, const QString &text)
{
    const QList<QGraphicsItem *> items = scene.items();
    for (QGraphicsItem *item : items) {
        auto *t = dynamic_cast<GraphicsTextItemInRect *>(item);
        if (t != nullptr && t->toPlainText() == text)
            return t;
    }
    return nullptr;
}

QImage device(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

void tst_ConstructionSketch::layerEquality()
{
    const ConstructionLayer a = layer(0.2, "Brick", 3);
    QVERIFY(a == layer(0.2 + 0.9e-4, "Brick", 3));
    QVERIFY(a != layer(0.2 + 1.1e-4, "Brick", 3));
    QVERIFY(a != layer(0.2, "Brick ", 3));
    QVERIFY(a != layer(0.2, "Brick", 4));
    QVERIFY(a != layer(0.2, "Brick", 3, Qt::red));
    QVERIFY(ConstructionLayers({a, a}) != ConstructionLayers({a}));
}

void tst_ConstructionSketch::hatchLineCount_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<int>("count");
    // 50 × 80 with spacing 7: ⌊80 / 7⌋ = 11 horizontal, ⌊50 / 7⌋ = 7 vertical,
    // ⌊130 / (7·√2)⌋ = ⌊13.13⌋ = 13 diagonals in each direction
    const QRectF r(10, 20, 50, 80);
    QTest::newRow("none") << r << 0 << 7.0 << 0;
    QTest::newRow("horizontal") << r << 1 << 7.0 << 11;
    QTest::newRow("vertical") << r << 2 << 7.0 << 7;
    QTest::newRow("falling") << r << 3 << 7.0 << 13;
    QTest::newRow("rising") << r << 4 << 7.0 << 13;
    QTest::newRow("crossed") << r << 5 << 7.0 << 26;
    QTest::newRow("grid") << r << 6 << 7.0 << 18;
    QTest::newRow("insulation has no straight pattern") << r << 7 << 7.0 << 0;
    QTest::newRow("unknown type") << r << 8 << 7.0 << 0;
    // spacing scaled for print: ⌊80 / 28⌋ = 2
    QTest::newRow("horizontal, print") << r << 1 << 28.0 << 2;
    // a line on the lower edge when the height is a multiple of the spacing: ⌊70 / 7⌋ = 10
    QTest::newRow("horizontal, multiple") << QRectF(0, 0, 30, 70) << 1 << 7.0 << 10;
    // 20 + 20 = 40 = 4 × 10·√2 / √2 ... diagonals spaced 10·√2 ≈ 14.14: ⌊40 / 14.14⌋ = 2
    QTest::newRow("rising, square") << QRectF(0, 0, 20, 20) << 4 << 10.0 << 2;
    QTest::newRow("thinner than spacing") << QRectF(0, 0, 5, 5) << 6 << 7.0 << 0;
    QTest::newRow("empty rect") << QRectF(0, 0, 0, 80) << 1 << 7.0 << 0;
    QTest::newRow("zero spacing") << r << 1 << 0.0 << 0;
}

void tst_ConstructionSketch::hatchLineCount()
{
    QFETCH(QRectF, rect);
    QFETCH(int, type);
    QFETCH(double, spacing);
    QFETCH(int, count);
    QCOMPARE(GraphicsRectItemWithHatch::hatchLines(rect, type, spacing).size(), count);
}

void tst_ConstructionSketch::hatchLineGeometry_data()
{
    QTest::addColumn<int>("type");
    for (int type = 1; type <= 6; ++type)
        QTest::newRow(qPrintable(QString("type %1").arg(type))) << type;
}

void tst_ConstructionSketch::hatchLineGeometry()
{
    QFETCH(int, type);
    const QRectF r(-15, 7, 63, 41);
    const double s = 6.5;
    const QVector<QLineF> lines = GraphicsRectItemWithHatch::hatchLines(r, type, s);
    QVERIFY(!lines.isEmpty());
    const QRectF inside = r.adjusted(-1e-9, -1e-9, 1e-9, 1e-9);
    QVector<double> offsets[4]; // horizontal, vertical, falling, rising
    for (const QLineF &l : lines) {
        QVERIFY(inside.contains(l.p1()));
        QVERIFY(inside.contains(l.p2()));
        QVERIFY(l.length() > 0);
        const double dx = l.dx();
        const double dy = l.dy();
        if (dy == 0) {
            M2_COMPARE_ABS(l.length(), r.width(), 1e-9);
            offsets[0].append(l.y1() - r.top());
        } else if (dx == 0) {
            M2_COMPARE_ABS(l.length(), r.height(), 1e-9);
            offsets[1].append(l.x1() - r.left());
        } else {
            M2_COMPARE_ABS(std::fabs(dx), std::fabs(dy), 1e-9);
            QVERIFY(dx > 0); // drawn from left to right
            if (dy > 0)
                offsets[2].append((l.x1() - r.left()) - (l.y1() - r.top()));
            else
                offsets[3].append((l.x1() - r.left()) + (l.y1() - r.top()));
        }
    }
    const bool wanted[4] = {type == 1 || type == 6, type == 2 || type == 6, type == 3 || type == 5,
                            type == 4 || type == 5};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(!offsets[k].isEmpty(), wanted[k]);
        // neighbouring lines s apart (s·√2 along an edge for the diagonals)
        const double step = k < 2 ? s : s * std::sqrt(2.0);
        for (int i = 1; i < offsets[k].size(); ++i)
            M2_COMPARE_ABS(offsets[k][i] - offsets[k][i - 1], step, 1e-9);
    }
}

void tst_ConstructionSketch::insulationLoops_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<int>("loops");
    // ⌊longer ÷ shorter × max(3, s)⌋
    QTest::newRow("tall, s 7") << QRectF(5, 5, 20, 100) << 7.0 << 35;
    QTest::newRow("tall, s 2 counts as 3") << QRectF(0, 0, 20, 100) << 2.0 << 15;
    QTest::newRow("wide, s 1 counts as 3") << QRectF(0, 10, 90, 30) << 1.0 << 9;
    QTest::newRow("wide, s 7, fraction dropped") << QRectF(0, 0, 100, 30) << 7.0 << 23;
    QTest::newRow("square") << QRectF(0, 0, 40, 40) << 4.5 << 4;
    QTest::newRow("empty") << QRectF(0, 0, 0, 40) << 7.0 << 0;
    QTest::newRow("no spacing") << QRectF(0, 0, 20, 40) << 0.0 << 0;
    // thinner than two screen pixels at the scale: plain
    QTest::newRow("sliver on screen") << QRectF(0, 0, 1.9, 200) << 1.0 << 0;
    QTest::newRow("sliver in print") << QRectF(0, 0, 13, 1400) << 7.0 << 0;
    QTest::newRow("thinnest wave in print") << QRectF(0, 0, 14, 1400) << 7.0 << 700;
}

void tst_ConstructionSketch::insulationLoops()
{
    QFETCH(QRectF, rect);
    QFETCH(double, spacing);
    QFETCH(int, loops);
    QCOMPARE(GraphicsRectItemWithHatch::insulationLoopCount(rect, spacing), loops);
    const QPainterPath path = GraphicsRectItemWithHatch::insulationPath(rect, spacing);
    if (loops == 0) {
        QVERIFY(path.isEmpty());
        return;
    }
    // Each loop has one arc at the first side whose crest touches that side; across the layer
    // the wave stays inside, along it it may run half a loop beyond the ends.
    const bool tall = rect.height() > rect.width();
    int crests = 0;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::CurveToDataElement)
            continue;
        const double across = tall ? e.x - rect.left() : e.y - rect.top();
        if (std::fabs(across) < 1e-9)
            ++crests;
    }
    QCOMPARE(crests, loops);
    const QRectF bounds = path.boundingRect();
    const double loop = (tall ? rect.height() : rect.width()) / loops;
    if (tall) {
        QVERIFY(bounds.left() >= rect.left() - 1e-9 && bounds.right() <= rect.right() + 1e-9);
        QVERIFY(bounds.top() >= rect.top() - loop / 2 &&
                bounds.bottom() <= rect.bottom() + loop / 2);
    } else {
        QVERIFY(bounds.top() >= rect.top() - 1e-9 && bounds.bottom() <= rect.bottom() + 1e-9);
        QVERIFY(bounds.left() >= rect.left() - loop / 2 &&
                bounds.right() <= rect.right() + loop / 2);
    }
}

void tst_ConstructionSketch::sceneGeometry_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QRectF>("frame");
    QTest::newRow("horizontal") << true << QRectF(5, 5, 590, 290);
    QTest::newRow("vertical") << false << QRectF(5, 5, 390, 590);
    QTest::newRow("horizontal, small") << true << QRectF(0, 0, 250, 120);
}

void tst_ConstructionSketch::sceneGeometry()
{
    QFETCH(bool, horizontal);
    QFETCH(QRectF, frame);
    QImage image = device(600, 600);
    const QVector<double> widths{0.015, 0.24, 0.1, 0.02};
    ConstructionLayers layers;
    for (int i = 0; i < widths.size(); ++i)
        layers.append(layer(widths[i], QString("Layer %1").arg(i), i + 1));
    auto scene = makeScene(horizontal, &image);
    QCOMPARE(scene->isHorizontal(), horizontal);
    scene->setup(frame, &image, 1.0, layers, "Inside", "Outside", AllFlags);

    const QList<GraphicsRectItemWithHatch *> items = layerItems(*scene);
    QCOMPARE(items.size(), widths.size());
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    double drawn = 0;
    for (auto *item : items)
        drawn += horizontal ? item->rect().width() : item->rect().height();
    const QRectF sketch = scene->sketchRect();
    QVERIFY(frame.contains(sketch));
    for (int i = 0; i < items.size(); ++i) {
        const GraphicsRectItemWithHatch *item = items[i];
        QCOMPARE(item->data(0).toInt(), i);
        QCOMPARE(item->hatchingType(), i + 1);
        QCOMPARE(item->hatchSpacing(), GraphicsRectItemWithHatch::DefaultHatchSpacing);
        QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
        QCOMPARE(item->brush().color(), layers[i].m_color);
        const QRectF r = item->rect();
        const double length = horizontal ? r.width() : r.height();
        // whole pixels, proportional to the widths (each rounded down by less than a pixel)
        QCOMPARE(length, std::floor(length));
        M2_COMPARE_ABS(length, drawn * widths[i] / total, 1.0 + widths.size() * widths[i] / total);
        // layers side by side over the whole sketch
        if (horizontal) {
            QCOMPARE(r.top(), sketch.top());
            QCOMPARE(r.bottom(), sketch.bottom());
            if (i > 0)
                QCOMPARE(r.left(), items[i - 1]->rect().right());
        } else {
            QCOMPARE(r.left(), sketch.left());
            QCOMPARE(r.right(), sketch.right());
            if (i > 0)
                QCOMPARE(r.top(), items[i - 1]->rect().bottom());
        }
    }
    // air zones on both sides of the construction, the warm side at least 40 pixels wide
    if (horizontal) {
        QVERIFY(sketch.left() >= frame.left() + 40 + 10);
        QVERIFY(sketch.right() <= frame.right() - 50 - 10);
    } else {
        QVERIFY(sketch.top() >= frame.top() + 40 + 10);
        QVERIFY(sketch.bottom() <= frame.bottom() - 50 - 10);
    }
    QCOMPARE(scene->sceneRect(), frame);

    // width labels in mm, inside the frame, beyond the sketch and not overlapping
    QVector<QRectF> labels;
    for (const char *text : {"15", "240", "100", "20"}) {
        GraphicsTextItemInRect *t = textItem(*scene, text);
        QVERIFY2(t != nullptr, qPrintable(text));
        const QRectF r = t->mapRectToScene(t->boundingRect());
        QVERIFY2(frame.adjusted(-0.5, -0.5, 0.5, 0.5).contains(r), qPrintable(text));
        if (horizontal)
            QVERIFY(r.top() >= sketch.bottom());
        else
            QVERIFY(r.left() >= sketch.right());
        labels.append(r);
    }
    for (int i = 1; i < labels.size(); ++i) {
        if (horizontal)
            QVERIFY(labels[i].left() > labels[i - 1].right());
        else
            QVERIFY(labels[i].top() > labels[i - 1].bottom());
    }
    // side texts present
    QVERIFY(textItem(*scene, "Inside") != nullptr);
    QVERIFY(textItem(*scene, "Outside") != nullptr);
}

void tst_ConstructionSketch::equalRequestKeepsItems()
{
    QImage image = device(400, 300);
    QtExt::ConstructionGraphicsSceneHorizontal scene(true, &image);
    const ConstructionLayers layers{layer(0.1, "A"), layer(0.2, "B")};
    scene.setup(QRectF(0, 0, 400, 300), &image, 1.0, layers, "in", "out", AllFlags);
    QGraphicsItem *first = layerItems(scene).value(0);
    QVERIFY(first != nullptr);
    // a width differing by less than 0.1 mm is the same drawing
    ConstructionLayers nearly = layers;
    nearly[0].m_width += 0.5e-4;
    scene.setup(QRectF(0, 0, 400, 300), &image, 1.0, nearly, "in", "out", AllFlags);
    QCOMPARE(layerItems(scene).value(0), first);
    nearly[0].m_width += 1e-3;
    scene.setup(QRectF(0, 0, 400, 300), &image, 1.0, nearly, "in", "out", AllFlags);
    QCOMPARE(layerItems(scene).size(), 2);
    QVERIFY(layerItems(scene).value(0) != first);
}

void tst_ConstructionSketch::emptyScene_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<ConstructionLayers>("layers");
    for (bool horizontal : {true, false}) {
        const char *dir = horizontal ? "horizontal" : "vertical";
        QTest::newRow(qPrintable(QString("%1, no layer").arg(dir)))
            << horizontal << ConstructionLayers();
        QTest::newRow(qPrintable(QString("%1, zero width").arg(dir)))
            << horizontal << ConstructionLayers{layer(0.1, "A"), layer(0.0, "B"), layer(0.2, "C")};
        QTest::newRow(qPrintable(QString("%1, negative width").arg(dir)))
            << horizontal << ConstructionLayers{layer(-0.1, "A")};
    }
}

void tst_ConstructionSketch::emptyScene()
{
    QFETCH(bool, horizontal);
    QFETCH(ConstructionLayers, layers);
    QImage image = device(400, 400);
    auto scene = makeScene(horizontal, &image);
    // first a drawing, so that emptying it is seen
    scene->setup(QRectF(0, 0, 400, 400), &image, 1.0, {layer(0.1, "X")}, "in", "out", AllFlags);
    QVERIFY(!scene->items().isEmpty());
    scene->setup(QRectF(0, 0, 400, 400), &image, 1.0, layers, "in", "out", AllFlags);
    QVERIFY(scene->items().isEmpty());
    QVERIFY(scene->boundaries().isEmpty());
}

void tst_ConstructionSketch::tooWideNameHidden_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void tst_ConstructionSketch::tooWideNameHidden()
{
    QFETCH(bool, horizontal);
    QImage image = device(500, 500);
    auto scene = makeScene(horizontal, &image);
    // the foil gets 1 % of the length: a few pixels, less than a line of text
    const ConstructionLayers layers{layer(0.3, "Brick"), layer(0.003, "Vapour retarder foil"),
                                    layer(0.05, "Plaster")};
    scene->setup(QRectF(0, 0, 500, 500), &image, 1.0, layers, QString(), QString(),
                 ConstructionGraphicsSceneBase::ShowNames);
    GraphicsTextItemInRect *brick = textItem(*scene, "Brick");
    GraphicsTextItemInRect *foil = textItem(*scene, "Vapour retarder foil");
    QVERIFY(brick != nullptr && foil != nullptr);
    QVERIFY(brick->isVisible());
    QVERIFY(!foil->isVisible());
    // the visible name lies within its layer, centred across it
    const QRectF layerRect = layerItems(*scene).value(0)->rect();
    const QRectF nameRect = brick->mapRectToScene(brick->boundingRect());
    QVERIFY(layerRect.adjusted(-0.5, -0.5, 0.5, 0.5).contains(nameRect));
    if (horizontal)
        M2_COMPARE_ABS(nameRect.center().x(), layerRect.center().x(), 0.5);
    else
        M2_COMPARE_ABS(nameRect.center().y(), layerRect.center().y(), 0.5);
    // no width labels and no side texts without their flags
    QVERIFY(textItem(*scene, "300") == nullptr);
}

void tst_ConstructionSketch::render_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("onScreen");
    QTest::addColumn<double>("scale");
    QTest::newRow("horizontal") << true << true << 1.0;
    QTest::newRow("vertical") << false << true << 1.0;
    QTest::newRow("horizontal, report") << true << false << 4.0;
    QTest::newRow("vertical, report") << false << false << 4.0;
}

void tst_ConstructionSketch::render()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, onScreen);
    QFETCH(double, scale);
    const int size = static_cast<int>(500 * scale);
    QImage image = device(size, size);
    TestSupport::QtWarningCapture capture;
    std::unique_ptr<ConstructionGraphicsSceneBase> scene;
    if (horizontal)
        scene = std::make_unique<QtExt::ConstructionGraphicsSceneHorizontal>(onScreen, &image);
    else
        scene = std::make_unique<QtExt::ConstructionGraphicsSceneVertical>(onScreen, &image);
    ConstructionLayers layers;
    const QColor blue(60, 120, 200);
    for (int type = 0; type <= 7; ++type)
        layers.append(layer(0.02 + 0.01 * type, QString("Material %1").arg(type), type,
                            type == 0 ? blue : QColor(180, 180, 180)));
    scene->setup(QRectF(0, 0, size, size), &image, scale, layers, "Inside", "Outside", AllFlags);
    QCOMPARE(scene->hatchSpacing(),
             GraphicsRectItemWithHatch::DefaultHatchSpacing * (onScreen ? 1 : scale));
    const QList<GraphicsRectItemWithHatch *> items = layerItems(*scene);
    QCOMPARE(items.size(), 8);
    items[3]->setSelected(true);
    {
        QPainter painter(&image);
        scene->render(&painter);
    }
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));
    // the unhatched first layer shows its colour (away from its centred name)
    const QRectF first = items[0]->rect();
    const QPoint inFirst =
        horizontal ? QPointF(first.center().x(), first.top() + 0.1 * first.height()).toPoint()
                   : QPointF(first.left() + 0.1 * first.width(), first.center().y()).toPoint();
    QCOMPARE(image.pixelColor(inFirst), blue);
    // the selected layer has a black outline just inside its edge
    const QRectF sel = items[3]->rect();
    const QPoint edge = horizontal ? QPoint(int(sel.left()) + 1, int(sel.center().y()))
                                   : QPoint(int(sel.center().x()), int(sel.top()) + 1);
    QCOMPARE(image.pixelColor(edge), QColor(Qt::black));
}

void tst_ConstructionSketch::deviceMadeWhereAGoneOneWas()
{
    // A device made at the address of a destroyed one (the next report's printer in the same
    // place) is another device: the sketch set up for it lays its texts out at its resolution,
    // as a sketch that never saw the first one does.
    auto image = [](int dpi) {
        QImage printer = device(1, 1);
        printer.setDotsPerMeterX(qRound(dpi / 0.0254));
        printer.setDotsPerMeterY(qRound(dpi / 0.0254));
        return printer;
    };
    const ConstructionLayers layers{layer(0.1, "Gypsum board"), layer(0.2, "Mineral wool")};
    const QRectF frame(0, 0, 2000, 800);
    alignas(QImage) unsigned char place[sizeof(QImage)];
    QImage *first = new (place) QImage(image(300));
    QtExt::ConstructionGraphicsSceneHorizontal scene(false, first);
    scene.setup(frame, first, 4.0, layers, "inside", "outside", AllFlags);
    first->~QImage();
    QImage *second = new (place) QImage(image(600));
    scene.setup(frame, second, 4.0, layers, "inside", "outside", AllFlags);
    QtExt::ConstructionGraphicsSceneHorizontal fresh(false, second);
    fresh.setup(frame, second, 4.0, layers, "inside", "outside", AllFlags);
    for (const char *text : {"inside", "outside", "Gypsum board", "Mineral wool"}) {
        const GraphicsTextItemInRect *item = textItem(scene, text);
        const GraphicsTextItemInRect *expected = textItem(fresh, text);
        QVERIFY(item != nullptr && expected != nullptr);
        QCOMPARE(item->rect(), expected->rect());
        QCOMPARE(item->textSize(), expected->textSize());
    }
    second->~QImage();
}

M2_TEST_MAIN(tst_ConstructionSketch)
#include "tst_ConstructionSketch.moc"
