#include "qtext/ConstructionView.h"

#include "qtext/ConstructionGraphicsSceneHorizontal.h"
#include "qtext/ConstructionGraphicsSceneVertical.h"

#include <QGraphicsItem>
#include <QResizeEvent>

namespace QtExt {

ConstructionView::ConstructionView(QWidget *parent)
    : QGraphicsView(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setRenderHint(QPainter::Antialiasing, true);
    setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
}

ConstructionView::~ConstructionView()
{
    // A scene being destroyed announces the loss of its selection; the view must not hear it
    // while it is being destroyed itself.
    if (m_scene != nullptr) {
        m_scene->disconnect(this);
        delete m_scene;
    }
}

void ConstructionView::setData(QPaintDevice *device, const ConstructionLayers &layers, double scale,
                               int displayFlags, bool horizontal)
{
    m_device = device;
    m_layers = layers;
    m_scale = scale;
    m_displayFlags = displayFlags;
    const bool selectionLost = m_selectedLayer >= m_layers.size();
    if (selectionLost)
        m_selectedLayer = -1;

    ConstructionGraphicsSceneBase *old = m_scene;
    if (horizontal)
        m_scene = new ConstructionGraphicsSceneHorizontal(true, device, this);
    else
        m_scene = new ConstructionGraphicsSceneVertical(true, device, this);
    connect(m_scene, &QGraphicsScene::selectionChanged, this,
            &ConstructionView::sceneSelectionChanged);
    connect(m_scene, &ConstructionGraphicsSceneBase::doubleClicked, this,
            &ConstructionView::sceneDoubleClicked);
    setScene(m_scene);
    if (old != nullptr) {
        old->disconnect(this);
        delete old;
    }
    redraw();
    if (selectionLost)
        emit layerSelected(-1);
}

void ConstructionView::setSideTexts(const QString &leftText, const QString &rightText)
{
    m_leftText = leftText;
    m_rightText = rightText;
    redraw();
}

void ConstructionView::redraw()
{
    if (m_scene == nullptr)
        return;
    const QRect frame = rect().adjusted(Margin, Margin, -Margin, -Margin);
    m_ignoreSceneSelection = true;
    m_scene->setup(frame, m_device, m_scale, m_layers, m_leftText, m_rightText, m_displayFlags);
    applySelection(m_selectedLayer);
    m_ignoreSceneSelection = false;
}

void ConstructionView::applySelection(int index)
{
    if (m_scene == nullptr)
        return;
    const QList<QGraphicsItem *> items = m_scene->items();
    for (QGraphicsItem *item : items) {
        const QVariant data = item->data(0);
        if (data.isValid() && (item->flags() & QGraphicsItem::ItemIsSelectable))
            item->setSelected(data.toInt() == index);
    }
}

void ConstructionView::selectLayer(int index)
{
    if (index < 0 || index >= m_layers.size())
        index = -1;
    m_ignoreSceneSelection = true;
    applySelection(index);
    m_ignoreSceneSelection = false;
    // one announcement, also when the selection stays (the owner may have changed the layers)
    m_selectedLayer = index;
    emit layerSelected(index);
}

void ConstructionView::sceneSelectionChanged()
{
    if (m_ignoreSceneSelection || m_scene == nullptr)
        return;
    int index = -1;
    const QList<QGraphicsItem *> selected = m_scene->selectedItems();
    for (QGraphicsItem *item : selected) {
        const QVariant data = item->data(0);
        if (data.isValid()) {
            index = data.toInt();
            break;
        }
    }
    if (index == m_selectedLayer)
        return;
    m_selectedLayer = index;
    emit layerSelected(index);
}

void ConstructionView::sceneDoubleClicked()
{
    if (m_selectedLayer >= 0)
        emit layerDoubleClicked(m_selectedLayer);
}

void ConstructionView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    redraw();
    emit resized(rect());
}

} // namespace QtExt
