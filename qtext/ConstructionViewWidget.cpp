#include "qtext/ConstructionViewWidget.h"

#include "qtext/ConstructionView.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <QVBoxLayout>

// The resources of a static library must be registered by hand; outside any namespace.
static void initQtExtResources()
{
    Q_INIT_RESOURCE(qtext);
}

namespace QtExt {

ConstructionViewWidget::ConstructionViewWidget(QWidget *parent)
    : QWidget(parent)
    , m_view(new ConstructionView(this))
    , m_toolBar(new QToolBar(this))
{
    initQtExtResources();

    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    // icons of 32 pixels are too small to read on screens of high resolution
    const bool normalDpi = logicalDpiX() <= 100;
    const int iconSize = normalDpi ? 32 : 48;
    m_toolBar->setIconSize(QSize(iconSize, iconSize));
    m_toolBar->setFixedHeight(normalDpi ? 34 : 50);

    addEditAction(QStringLiteral("actionAssign_material"), tr("Assign material"),
                  tr("Assign material to the selected layer"),
                  QStringLiteral("Construction_assign_material_32x32.png"));
    addEditAction(QStringLiteral("actionInsert_layer_left"), tr("Insert layer left"),
                  tr("Insert a new layer left from selected one"),
                  QStringLiteral("Construction_insert_layer_left_32x32.png"));
    addEditAction(QStringLiteral("actionInsert_layer_right"), tr("Insert layer right"),
                  tr("Insert a new layer right from selected one"),
                  QStringLiteral("Construction_insert_layer_right_32x32.png"));
    addEditAction(QStringLiteral("actionRemove_layer"), tr("Remove layer"),
                  tr("Remove selected layer"),
                  QStringLiteral("Construction_remove_layer_32x32.png"));
    addEditAction(QStringLiteral("actionMove_layer_left"), tr("Move layer left"),
                  tr("Move selected layer to left"),
                  QStringLiteral("Construction_move_layer_to_left_32x32.png"));
    addEditAction(QStringLiteral("actionMove_layer_right"), tr("Move layer right"),
                  tr("Move selected layer to right"),
                  QStringLiteral("Construction_move_layer_to_right_32x32.png"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view, 1);

    connect(m_view, &ConstructionView::layerSelected, this,
            &ConstructionViewWidget::onLayerSelected);
    connect(m_view, &ConstructionView::layerDoubleClicked, this,
            &ConstructionViewWidget::onLayerDoubleClicked);
    QMetaObject::connectSlotsByName(this);

    // the actions also make the context menu of the sketch
    setContextMenuPolicy(Qt::ActionsContextMenu);
    m_toolBar->setEnabled(false);
    updateActions();
}

QAction *ConstructionViewWidget::addEditAction(const QString &objectName, const QString &text,
                                               const QString &toolTip, const QString &iconName)
{
    auto *action =
        new QAction(QIcon(QStringLiteral(":/gfx/constructionEditor/") + iconName), text, this);
    action->setObjectName(objectName);
    action->setToolTip(toolTip);
    m_toolBar->addAction(action);
    addAction(action);
    m_actions.append(action);
    return action;
}

void ConstructionViewWidget::updateActions()
{
    const bool enabled = m_editingEnabled && m_view->selectedLayer() != -1;
    for (QAction *action : qAsConst(m_actions))
        action->setEnabled(enabled);
}

void ConstructionViewWidget::setData(QPaintDevice *device, const ConstructionLayers &layers,
                                     double scale, int displayFlags, bool horizontal)
{
    m_view->setData(device, layers, scale, displayFlags, horizontal);
    updateActions();
}

void ConstructionViewWidget::setSideTexts(const QString &leftText, const QString &rightText)
{
    m_view->setSideTexts(leftText, rightText);
}

void ConstructionViewWidget::setEditingEnabled(bool enabled)
{
    m_editingEnabled = enabled;
    m_toolBar->setEnabled(enabled);
    updateActions();
}

void ConstructionViewWidget::selectLayer(int index)
{
    m_view->selectLayer(index);
}

void ConstructionViewWidget::on_actionAssign_material_triggered()
{
    const int i = m_view->selectedLayer();
    if (i >= 0)
        emit assignMaterial(i);
}

void ConstructionViewWidget::on_actionInsert_layer_left_triggered()
{
    const int i = m_view->selectedLayer();
    if (i >= 0)
        emit insertLayer(i, true);
}

void ConstructionViewWidget::on_actionInsert_layer_right_triggered()
{
    const int i = m_view->selectedLayer();
    if (i >= 0)
        emit insertLayer(i, false);
}

void ConstructionViewWidget::on_actionRemove_layer_triggered()
{
    const int i = m_view->selectedLayer();
    if (i >= 0)
        emit removelayer(i);
}

void ConstructionViewWidget::on_actionMove_layer_left_triggered()
{
    const int i = m_view->selectedLayer();
    if (i < 0)
        return;
    emit moveLayer(i, true);
    // the moved layer stays selected at its new place
    selectLayer(i > 0 ? i - 1 : i);
}

void ConstructionViewWidget::on_actionMove_layer_right_triggered()
{
    const int i = m_view->selectedLayer();
    if (i < 0)
        return;
    emit moveLayer(i, false);
    selectLayer(i + 1 < m_view->layers().size() ? i + 1 : i);
}

void ConstructionViewWidget::onLayerSelected(int index)
{
    updateActions();
    emit layerSelected(index);
}

void ConstructionViewWidget::onLayerDoubleClicked(int index)
{
    if (index >= 0)
        emit assignMaterial(index);
}

} // namespace QtExt
