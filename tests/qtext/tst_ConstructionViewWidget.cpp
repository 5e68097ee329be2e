// The construction sketch with its editing tool bar: the actions and their state, the requests
// they send, the selection that follows a move, and selecting and double-clicking with the mouse.

#include "TestSupport.h"

#include "qtext/ConstructionGraphicsSceneBase.h"
#include "qtext/ConstructionView.h"
#include "qtext/ConstructionViewWidget.h"
#include "qtext/GraphicsRectItemWithHatch.h"

#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QToolBar>

using QtExt::ConstructionLayer;
using QtExt::ConstructionLayers;
using QtExt::ConstructionViewWidget;

class tst_ConstructionViewWidget : public QObject
{
    Q_OBJECT
private slots:
    void actions_data();
    void actions();
    void toolBarSize();
    void disabledWithoutSelection();
    void requests_data();
    void requests();
    void selectionAfterMove_data();
    void selectionAfterMove();
    void selectionSurvivesResize();
    void selectionDroppedWithItsLayer();
    void mouseSelection_data();
    void mouseSelection();
};

namespace {

const char *const ActionNames[6] = {"actionAssign_material",    "actionInsert_layer_left",
                                    "actionInsert_layer_right", "actionRemove_layer",
                                    "actionMove_layer_left",    "actionMove_layer_right"};

ConstructionLayers threeLayers()
{
    ConstructionLayers layers;
    const double widths[3] = {0.02, 0.2, 0.1};
    for (int i = 0; i < 3; ++i) {
        ConstructionLayer l;
        l.m_width = widths[i];
        l.m_color = QColor(100 + 40 * i, 120, 140);
        l.m_hatchingType = i;
        l.m_name = QString("Layer %1").arg(i);
        layers.append(l);
    }
    return layers;
}

const int AllFlags = QtExt::ConstructionGraphicsSceneBase::ShowWidths |
                     QtExt::ConstructionGraphicsSceneBase::ShowNames |
                     QtExt::ConstructionGraphicsSceneBase::ShowSideTexts;

// A widget with three layers, shown, with editing enabled.
struct Fixture
{
    ConstructionViewWidget widget;
    Fixture(bool horizontal = true)
    {
        widget.resize(500, 300);
        widget.show();
        widget.setData(&widget, threeLayers(), 1.0, AllFlags, horizontal);
        widget.setEditingEnabled(true);
    }
    QAction *action(const char *name) { return widget.findChild<QAction *>(name); }
};

} // namespace

void tst_ConstructionViewWidget::actions_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("icon");
    QTest::newRow("assign") << "actionAssign_material"
                            << "Assign material"
                            << "Assign material to the selected layer"
                            << ":/gfx/constructionEditor/Construction_assign_material_32x32.png";
    QTest::newRow("insert left")
        << "actionInsert_layer_left"
        << "Insert layer left"
        << "Insert a new layer left from selected one"
        << ":/gfx/constructionEditor/Construction_insert_layer_left_32x32.png";
    QTest::newRow("insert right")
        << "actionInsert_layer_right"
        << "Insert layer right"
        << "Insert a new layer right from selected one"
        << ":/gfx/constructionEditor/Construction_insert_layer_right_32x32.png";
    QTest::newRow("remove") << "actionRemove_layer"
                            << "Remove layer"
                            << "Remove selected layer"
                            << ":/gfx/constructionEditor/Construction_remove_layer_32x32.png";
    QTest::newRow("move left")
        << "actionMove_layer_left"
        << "Move layer left"
        << "Move selected layer to left"
        << ":/gfx/constructionEditor/Construction_move_layer_to_left_32x32.png";
    QTest::newRow("move right")
        << "actionMove_layer_right"
        << "Move layer right"
        << "Move selected layer to right"
        << ":/gfx/constructionEditor/Construction_move_layer_to_right_32x32.png";
}

void tst_ConstructionViewWidget::actions()
{
    QFETCH(QString, objectName);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QString, icon);
    ConstructionViewWidget widget;
    auto *action = widget.findChild<QAction *>(objectName);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->toolTip(), toolTip);
    QVERIFY(!action->isEnabled());
    QVERIFY(!widget.toolBar()->isEnabled());
    QVERIFY(widget.actions().contains(action));
    QCOMPARE(widget.contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(widget.toolBar()->actions().contains(action));
    // the icon is the compiled-in picture of 32 × 32 pixels
    QVERIFY(QFile::exists(icon));
    const QImage image(icon);
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(!action->icon().isNull());
    QCOMPARE(action->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
             image.convertToFormat(QImage::Format_ARGB32));
}

void tst_ConstructionViewWidget::toolBarSize()
{
    ConstructionViewWidget widget;
    const bool normal = widget.logicalDpiX() <= 100;
    QCOMPARE(widget.toolBar()->iconSize(), normal ? QSize(32, 32) : QSize(48, 48));
    QCOMPARE(widget.toolBar()->height(), normal ? 34 : 50);
}

void tst_ConstructionViewWidget::disabledWithoutSelection()
{
    Fixture f;
    QVERIFY(f.widget.toolBar()->isEnabled());
    QCOMPARE(f.widget.view()->selectedLayer(), -1);
    for (const char *name : ActionNames)
        QVERIFY2(!f.action(name)->isEnabled(), name);
    f.widget.selectLayer(1);
    for (const char *name : ActionNames)
        QVERIFY2(f.action(name)->isEnabled(), name);
    f.widget.selectLayer(-1);
    for (const char *name : ActionNames)
        QVERIFY2(!f.action(name)->isEnabled(), name);
    // selected, but editing switched off
    f.widget.selectLayer(2);
    f.widget.setEditingEnabled(false);
    QVERIFY(!f.widget.toolBar()->isEnabled());
    for (const char *name : ActionNames)
        QVERIFY2(!f.action(name)->isEnabled(), name);
}

void tst_ConstructionViewWidget::requests_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QVariantList>("arguments");
    QTest::newRow("assign") << "actionAssign_material" << SIGNAL(assignMaterial(int)) << 1
                            << QVariantList{1};
    QTest::newRow("insert left") << "actionInsert_layer_left" << SIGNAL(insertLayer(int, bool)) << 2
                                 << QVariantList{2, true};
    QTest::newRow("insert right") << "actionInsert_layer_right" << SIGNAL(insertLayer(int, bool))
                                  << 0 << QVariantList{0, false};
    QTest::newRow("remove") << "actionRemove_layer" << SIGNAL(removelayer(int)) << 2
                            << QVariantList{2};
    QTest::newRow("move left") << "actionMove_layer_left" << SIGNAL(moveLayer(int, bool)) << 1
                               << QVariantList{1, true};
    QTest::newRow("move right") << "actionMove_layer_right" << SIGNAL(moveLayer(int, bool)) << 1
                                << QVariantList{1, false};
}

void tst_ConstructionViewWidget::requests()
{
    QFETCH(QString, action);
    QFETCH(QString, signal);
    QFETCH(int, selected);
    QFETCH(QVariantList, arguments);
    Fixture f;
    QSignalSpy selection(&f.widget, &ConstructionViewWidget::layerSelected);
    f.widget.selectLayer(selected);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.at(0).at(0).toInt(), selected);

    QSignalSpy spy(&f.widget, signal.toLatin1().constData());
    // every other request stays silent
    QSignalSpy assign(&f.widget, &ConstructionViewWidget::assignMaterial);
    QSignalSpy insert(&f.widget, &ConstructionViewWidget::insertLayer);
    QSignalSpy move(&f.widget, &ConstructionViewWidget::moveLayer);
    QSignalSpy remove(&f.widget, &ConstructionViewWidget::removelayer);
    f.action(action.toLatin1().constData())->trigger();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), arguments);
    QCOMPARE(assign.count() + insert.count() + move.count() + remove.count(), 1);
}

void tst_ConstructionViewWidget::selectionAfterMove_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("expected");
    QTest::newRow("left from the first layer stays") << true << 0 << 0;
    QTest::newRow("left from the middle") << true << 1 << 0;
    QTest::newRow("left from the last") << true << 2 << 1;
    QTest::newRow("right from the first") << false << 0 << 1;
    QTest::newRow("right from the middle") << false << 1 << 2;
    QTest::newRow("right from the last layer stays") << false << 2 << 2;
}

void tst_ConstructionViewWidget::selectionAfterMove()
{
    QFETCH(bool, left);
    QFETCH(int, selected);
    QFETCH(int, expected);
    Fixture f;
    f.widget.selectLayer(selected);
    QSignalSpy move(&f.widget, &ConstructionViewWidget::moveLayer);
    QSignalSpy selection(&f.widget, &ConstructionViewWidget::layerSelected);
    f.action(left ? "actionMove_layer_left" : "actionMove_layer_right")->trigger();
    QCOMPARE(move.count(), 1);
    QCOMPARE(move.at(0), (QVariantList{selected, left}));
    QCOMPARE(f.widget.view()->selectedLayer(), expected);
    QVERIFY(!selection.isEmpty());
    QCOMPARE(selection.last().at(0).toInt(), expected);
    // the scene shows the same selection
    const QList<QGraphicsItem *> items = f.widget.view()->scene()->selectedItems();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first()->data(0).toInt(), expected);
}

void tst_ConstructionViewWidget::selectionSurvivesResize()
{
    Fixture f;
    f.widget.selectLayer(2);
    QSignalSpy resized(f.widget.view(), &QtExt::ConstructionView::resized);
    QSignalSpy selection(f.widget.view(), &QtExt::ConstructionView::layerSelected);
    const QRectF before = f.widget.view()->scene()->selectedItems().value(0)->boundingRect();
    f.widget.resize(700, 400);
    QTRY_VERIFY(!resized.isEmpty());
    QCOMPARE(resized.last().at(0).toRect(), f.widget.view()->rect());
    QCOMPARE(f.widget.view()->selectedLayer(), 2);
    const QList<QGraphicsItem *> items = f.widget.view()->scene()->selectedItems();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first()->data(0).toInt(), 2);
    QVERIFY(items.first()->boundingRect() != before); // redrawn for the new size
    QCOMPARE(selection.count(), 0);
}

void tst_ConstructionViewWidget::selectionDroppedWithItsLayer()
{
    Fixture f;
    f.widget.selectLayer(2);
    QSignalSpy selection(&f.widget, &ConstructionViewWidget::layerSelected);
    ConstructionLayers two = threeLayers();
    two.removeLast();
    f.widget.setData(&f.widget, two, 1.0, AllFlags, true);
    QCOMPARE(f.widget.view()->selectedLayer(), -1);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.at(0).at(0).toInt(), -1);
    QVERIFY(!f.action("actionRemove_layer")->isEnabled());
}

void tst_ConstructionViewWidget::mouseSelection_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void tst_ConstructionViewWidget::mouseSelection()
{
    QFETCH(bool, horizontal);
    Fixture f(horizontal);
    QVERIFY(QTest::qWaitForWindowExposed(&f.widget));
    QtExt::ConstructionView *view = f.widget.view();
    QtExt::GraphicsRectItemWithHatch *target = nullptr;
    const QList<QGraphicsItem *> items = view->scene()->items();
    for (QGraphicsItem *item : items) {
        if (item->data(0).toInt() == 1)
            target = dynamic_cast<QtExt::GraphicsRectItemWithHatch *>(item);
    }
    QVERIFY(target != nullptr);
    // a point of the layer away from its centred name
    const QRectF r = target->rect();
    const QPointF inLayer = horizontal ? QPointF(r.center().x(), r.top() + 0.1 * r.height())
                                       : QPointF(r.left() + 0.1 * r.width(), r.center().y());
    const QPoint pos = view->mapFromScene(inLayer);

    QSignalSpy selection(&f.widget, &ConstructionViewWidget::layerSelected);
    QSignalSpy assign(&f.widget, &ConstructionViewWidget::assignMaterial);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.at(0).at(0).toInt(), 1);
    QCOMPARE(view->selectedLayer(), 1);
    QVERIFY(f.action("actionAssign_material")->isEnabled());
    QCOMPARE(assign.count(), 0);

    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(assign.count(), 1);
    QCOMPARE(assign.at(0).at(0).toInt(), 1);
}

M2_TEST_MAIN(tst_ConstructionViewWidget)
#include "tst_ConstructionViewWidget.moc"
