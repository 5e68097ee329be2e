#pragma once

#include "qtext/ConstructionLayer.h"

#include <QWidget>

class QAction;
class QPaintDevice;
class QToolBar;

namespace QtExt {

class ConstructionView;

/*! The construction sketch with a tool bar to edit the layer sequence: assign a material to the
    selected layer, insert a layer left or right of it, remove it, move it left or right. The
    widget edits nothing itself; it announces the requests with signals, and the owner changes
    the construction and sets the new data. The actions stay disabled until the owner enables
    editing and a layer is selected. */
class ConstructionViewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ConstructionViewWidget(QWidget *parent = nullptr);

    ConstructionView *view() const { return m_view; }
    QToolBar *toolBar() const { return m_toolBar; }

    /*! Shows the layers (see ConstructionView::setData). */
    void setData(QPaintDevice *device, const ConstructionLayers &layers, double scale,
                 int displayFlags, bool horizontal);
    /*! The texts of the two sides of the sketch. */
    void setSideTexts(const QString &leftText, const QString &rightText);

    /*! Enables the tool bar; its actions are enabled while a layer is selected as well. */
    void setEditingEnabled(bool enabled);
    bool editingEnabled() const { return m_editingEnabled; }

public slots:
    /*! Selects the layer in the view. */
    void selectLayer(int index);

    void on_actionAssign_material_triggered();
    void on_actionInsert_layer_left_triggered();
    void on_actionInsert_layer_right_triggered();
    void on_actionRemove_layer_triggered();
    void on_actionMove_layer_left_triggered();
    void on_actionMove_layer_right_triggered();

    /*! Follows the view's selection: enables the actions for a layer and passes the selection
        on with layerSelected(). */
    void onLayerSelected(int index);
    /*! A double click on a layer asks for a material for it. */
    void onLayerDoubleClicked(int index);

signals:
    void layerSelected(int index);
    void assignMaterial(int index);
    /*! A new layer is wanted left (or right) of the layer with the index. */
    void insertLayer(int index, bool left);
    /*! The layer with the index should change places with its left (or right) neighbour. */
    void moveLayer(int index, bool left);
    void removelayer(int index);

private:
    QAction *addEditAction(const QString &objectName, const QString &text, const QString &toolTip,
                           const QString &iconName);
    void updateActions();

    ConstructionView *m_view;
    QToolBar *m_toolBar;
    QList<QAction *> m_actions;
    bool m_editingEnabled = false;
};

} // namespace QtExt
