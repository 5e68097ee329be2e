#pragma once

#include "qtext/ConstructionLayer.h"

#include <QFont>
#include <QGraphicsScene>
#include <QPen>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>

class QPaintDevice;

namespace QtExt {

class GraphicsTextItemInRect;

/*! The construction drawn to scale as scene items: one hatched rectangle per layer, the layer
    names, the layer widths in mm, the texts of the two sides and a frame. The concrete scenes
    choose the direction: ConstructionGraphicsSceneHorizontal lays the layers side by side (a
    wall), ConstructionGraphicsSceneVertical stacks them (a floor or a roof).

    Along the construction, the drawing follows the profile diagram: a zone of air on either
    side (40 and 50 pixels, 5·s in a report, plus an inner offset v = max(10, 0.03 × length)),
    and between them the layers with whole-pixel lengths proportional to their widths.

    Layer items carry their index in the layer list as item data 0. Lengths are in pixels of the
    paint device. */
class ConstructionGraphicsSceneBase : public QGraphicsScene
{
    Q_OBJECT
public:
    /*! What update() draws besides the layers (display flags). */
    enum DisplayFlag
    {
        ShowWidths = 0x1,   ///< the layer widths in mm
        ShowNames = 0x2,    ///< the layer names inside the layers
        ShowSideTexts = 0x4 ///< the texts of the two sides
    };

    /*! onScreen selects the screen font set and pens (true for the view and pictures, false for
        the report); device is used for all text layout. */
    ConstructionGraphicsSceneBase(bool onScreen, QPaintDevice *device, QObject *parent = nullptr);

    /*! Rebuilds all items for the frame rectangle. A request equal to the last one (same frame,
        device, scale, layers, side texts and flags) changes nothing. With an empty list or a
        layer of width ≤ 0 the scene stays empty. */
    void setup(const QRectF &frame, QPaintDevice *device, double scale,
               const ConstructionLayers &layers, const QString &leftText, const QString &rightText,
               int displayFlags);

    virtual bool isHorizontal() const = 0;
    bool onScreen() const { return m_onScreen; }
    double scale() const { return m_scale; }
    const ConstructionLayers &layers() const { return m_layers; }
    /*! Positions of the n + 1 layer boundaries along the construction (x for the horizontal
        scene, y for the vertical one); empty when nothing is drawn. */
    const QVector<double> &boundaries() const { return m_boundaries; }
    /*! The area of the layers: between the first and the last boundary and over the sketch
        height (horizontal) or width (vertical); null when nothing is drawn. */
    QRectF sketchRect() const;
    /*! The hatch spacing given to the layer items: 7 pixels on screen, scaled with s in a report.
     */
    double hatchSpacing() const;
    /*! The font of names and width labels. */
    const QFont &font() const { return m_font; }

signals:
    /*! A double click anywhere in the scene (the item under the mouse is selected by then). */
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

    /*! Computes m_boundaries and the extent of the sketch across the construction (m_acrossStart,
        m_acrossEnd) for m_frame. */
    virtual void calculatePositions() = 0;
    /*! The layer widths in mm with their ticks. */
    virtual void drawWidthLabels() = 0;
    /*! The layer names inside the layers. */
    virtual void drawNames() = 0;
    /*! The texts of the two sides. */
    virtual void drawSideTexts() = 0;
    /*! The members of the second material of layer i (m_bridgeFraction > 0). */
    void drawBridge(const ConstructionLayer &layer, int i, double penWidth);
    /*! The rectangle between two positions along the construction and two across it. */
    virtual QRectF alongAcrossRect(double alongStart, double alongEnd, double acrossStart,
                                   double acrossEnd) const = 0;

    /*! A text item laid out for the paint device with the scene's font, black, no margin. */
    GraphicsTextItemInRect *createText(const QString &text);
    /*! A length given in pixels for the screen: itself on screen, times s in the report. */
    double px(double screenPixels) const
    {
        return m_onScreen ? screenPixels : screenPixels * m_scale;
    }
    /*! The inner offset and the boundary positions from the start and the end of the drawing
        along the construction (the construction of the profile diagram). */
    void calculateBoundaries(double plotStart, double plotEnd);
    /*! The layer width as a label: mm, one decimal when it has a fraction of a millimetre. */
    QString widthText(double widthM) const;
    /*! Space between neighbouring width labels. */
    double labelGap() const { return m_charSize.width() / 2; }

    bool m_onScreen;
    /*! The stand-in (LayoutDevice) of the device the texts are laid out for. */
    QPaintDevice *m_device;
    double m_scale = 1.0;
    QFont m_font;
    /*! Width and height of "T" in the font. */
    QSizeF m_charSize = QSizeF(15, 10);

    // the last request
    QRectF m_frame;
    ConstructionLayers m_layers;
    QString m_leftText;
    QString m_rightText;
    int m_displayFlags = 0;
    bool m_hasRequest = false;

    // geometry of the drawing
    QVector<double> m_boundaries;
    double m_acrossStart = 0;
    double m_acrossEnd = 0;
    /*! Pen of the two outer surfaces and of the outline of the construction. */
    QPen m_framePen;
    /*! Pen of the upper and lower (left and right) edge where the construction is cut off. */
    QPen m_edgePen;
    /*! Pen of the width ticks. */
    QPen m_axisPen;

private:
    void drawLayers();
    void drawFrame();
};

} // namespace QtExt
