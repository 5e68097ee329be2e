#pragma once

#include "qtext/ConstructionLayer.h"

#include <QGraphicsView>
#include <QRect>
#include <QString>

class QPaintDevice;

namespace QtExt {

class ConstructionGraphicsSceneBase;

/*! Shows a construction as a to-scale sketch (ConstructionGraphicsSceneHorizontal for walls,
    ConstructionGraphicsSceneVertical for floors and roofs) and lets the user select a layer with
    the mouse. The scene fills the view less a small margin and is redrawn whenever the view is
    resized; the selection survives the redraw. */
class ConstructionView : public QGraphicsView
{
    Q_OBJECT
public:
    /*! Space in pixels between the view's edge and the scene rectangle. */
    static constexpr int Margin = 5;

    explicit ConstructionView(QWidget *parent = nullptr);
    ~ConstructionView() override;

    /*! Replaces the scene by a new horizontal or vertical one laid out for the device, stores
        the data and redraws. displayFlags combines ConstructionGraphicsSceneBase::DisplayFlag
        (bit 0 widths, bit 1 names, bit 2 side texts). The selection is kept when its index is
        still a layer. */
    void setData(QPaintDevice *device, const ConstructionLayers &layers, double scale,
                 int displayFlags, bool horizontal);
    /*! The texts of the two sides (left and right, or top and bottom); redraws. */
    void setSideTexts(const QString &leftText, const QString &rightText);

    const ConstructionLayers &layers() const { return m_layers; }
    /*! Index of the selected layer, -1 for none. */
    int selectedLayer() const { return m_selectedLayer; }
    /*! The current scene, nullptr before the first setData(). */
    ConstructionGraphicsSceneBase *constructionScene() const { return m_scene; }

public slots:
    /*! Selects the layer with that index (-1 or an index out of range clears the selection) and
        announces it with layerSelected(), also when it was selected before. */
    void selectLayer(int index);
    /*! Follows the scene's selection and announces it with layerSelected(). */
    void sceneSelectionChanged();
    /*! Announces a double click on the selected layer with layerDoubleClicked(). */
    void sceneDoubleClicked();

signals:
    /*! A layer was selected (-1: the selection was cleared). */
    void layerSelected(int index);
    void layerDoubleClicked(int index);
    /*! The view got a new size; the rectangle is the view's rectangle. */
    void resized(QRect rect);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void redraw();
    /*! Selects the item of the layer in the scene (none for -1). */
    void applySelection(int index);

    ConstructionGraphicsSceneBase *m_scene = nullptr;
    QPaintDevice *m_device = nullptr;
    ConstructionLayers m_layers;
    double m_scale = 1.0;
    int m_displayFlags = 0;
    QString m_leftText;
    QString m_rightText;
    int m_selectedLayer = -1;
    /*! Set while the scene is rebuilt or selected from here: its selection changes are not the
        user's. */
    bool m_ignoreSceneSelection = false;
};

} // namespace QtExt
