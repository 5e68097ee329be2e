#pragma once

#include "calculation/CalculationResults.h"
#include "model/InputData.h"

#include <QFont>
#include <QGraphicsScene>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QVector>

class QGraphicsItem;
class QGraphicsLineItem;
class QGraphicsPolygonItem;
class QGraphicsSimpleTextItem;
class QGraphicsTextItem;
class QPaintDevice;

/*  The profile diagram: the construction drawn to scale on the horizontal axis, with the
    temperature profile and either the vapour-pressure profile of the Glaser scheme or the
    moisture-content profile of the moisture-storage method. The same scene draws the
    construction sketch (profile mode 1), on screen, into exported pictures and into the report.

    The Glaser diagram (profile mode 4) is the vapour-pressure profile as DIN 4108-3 reads it:
    over the diffusion-equivalent air layer thickness s_d instead of the geometric thickness,
    so that the vapour-pressure line of the scheme is straight between the anchors of the
    tangent construction. The layers are bands as wide as their s_d, with their names; the
    saturation curve, the vapour-pressure lines, the condensation planes or zones and the
    pressures at every interface are drawn from the calculation results, over a pressure grid
    of round steps, with the legend above the plot.

    Numbers, width labels, legend texts and layer names are plain text items (cheap to lay
    out); only the axis titles, which need sub- and superscripts, are rich text, made once per
    font and device and kept across updates.

    Every item carries its kind (ItemKind) as item data KindKey, and layer-bound items their
    0-based layer index as IndexKey, so that the geometry can be checked from the items.

    On screen (screen flag set) the pens and margins are in pixels of scale 1; the report passes
    its own scale factor s and the paint device whose metrics lay out the texts.
*/
class DiagramScene : public QGraphicsScene
{
    Q_OBJECT

public:
    enum ProfileMode
    {
        NoProfile = 0,
        ConstructionOnly = 1,
        VapourPressureProfile = 2,
        MoistureContentProfile = 3,
        GlaserDiagram = 4
    };

    enum ItemKind
    {
        LayerRect = 1,
        LayerLine,
        SurfaceLine,
        EdgeLine,
        WidthAxis,
        WidthTick,
        WidthLabel,
        AxisTitle,
        TemperatureAxis,
        TemperatureTick,
        TemperatureLabel,
        TemperatureCurve,
        VapourAxis,
        VapourTick,
        VapourLabel,
        SaturationCurve,
        VapourCurve,
        CalculatedVapourCurve,
        MoistureAxis,
        MoistureTick,
        MoistureLabel,
        MoistureReference,
        MoisturePolygon,
        CondensatePolygon,
        MoistureMark,
        Legend,
        /*! A member (stud, rafter) of a layer's second material in the construction sketch. */
        BridgeMember,
        LayerBand,
        LayerName,
        VapourGrid,
        SdTick,
        SdLabel,
        CondensationMark,
        SaturationValue,
        VapourValue
    };
    static constexpr int KindKey = 0;
    static constexpr int IndexKey = 1;

    explicit DiagramScene(bool screen, QObject *parent = nullptr);

    /*! Lays out the diagram anew in rect for the paint device (text metrics) and scale factor.
        A request equal to the last one is ignored; mode NoProfile draws nothing. */
    void update(const QRectF &rect, QPaintDevice *device, double scale,
                const CalculationResults &results, const InputData &input, int mode);

    /*! The items of one kind, in the order they were made. */
    QList<QGraphicsItem *> itemsOfKind(ItemKind kind) const;
    /*! The texts of the visible text items (titles, legend, labels) as rich text, in the order
        they were made: what a reader of the drawing reads (tests, accessibility). */
    QStringList texts() const;
    /*! The text of a text item of the scene (plain or rich), as plain text; empty for other
        items. */
    static QString textOf(const QGraphicsItem *item);

    /*! The plot area of the last layout. */
    const QRectF &diagramRect() const { return m_diagramRect; }
    /*! Left and right end of the plotted construction including the air zones. */
    double x0() const { return m_x0; }
    double x1() const { return m_x1; }
    /*! Pixel positions of the n + 1 interfaces (empty when nothing was drawn); in the Glaser
        diagram at the cumulated s_d of the layers in front of them. */
    const QVector<double> &interfaceX() const { return m_interfaceX; }
    /*! Diffusion-equivalent air layer thickness of the layers in front of each interface, m
        (the Glaser diagram's horizontal axis; empty in the other modes). */
    const QVector<double> &interfaceSd() const { return m_interfaceSd; }

private:
    struct Pens
    {
        QPen saturation, vapour, calculatedVapour, layerLine, axis, surface, edge, temperature,
            temperatureAxis, vapourAxis, moistureAxis, moistureGrid, moistureProfile, moistureMark;
    };

    void makePens();
    void makeAxisTitles();
    void removeDrawing();
    QGraphicsSimpleTextItem *makeText(const QString &text, const QFont &font,
                                      const QColor &color = Qt::black);
    /*! Adds a line item that is cheap to index and to paint (see DiagramLineItem). */
    QGraphicsLineItem *line(const QLineF &line, const QPen &pen);
    /*! Adds a filled area whose outline alone is antialiased (see DiagramAreaItem). */
    QGraphicsPolygonItem *area(const QPolygonF &polygon, const QPen &pen, const QBrush &brush);
    QGraphicsTextItem *makeRichText(const QString &html, const QFont &font, const QColor &color);
    QFont deviceFont(double pointSize) const;
    QGraphicsItem *tag(QGraphicsItem *item, ItemKind kind, int index = -1);
    void layOutPlotArea();
    void drawWidthAxis();
    void drawVapourPressure();
    void drawMoistureContent();
    void drawTemperature();
    void drawLegend();
    void drawConstruction();
    void drawArrowAxis(double x, const QPen &pen, ItemKind kind);
    void layOutGlaserDiagram();
    void drawGlaserDiagram();
    void drawSdAxis();
    void drawLayerBands();
    double widthOf(int layer) const { return m_input.layer(layer).width(); }

    bool m_screen;
    double m_scale = 1;
    /*! The address of the device of the last update: compared, never used, as the device may
        be gone. */
    const void *m_target = nullptr;
    /*! Its stand-in (QtExt::LayoutDevice), for which the texts are measured. */
    QPaintDevice *m_device = nullptr;
    int m_mode = NoProfile;
    CalculationResults m_results;
    InputData m_input;
    bool m_hasData = false;

    QFont m_font;
    QFont m_titleFont;
    double m_charWidth = 15;
    double m_charHeight = 10;
    Pens m_pens;

    QRectF m_totalRect;
    QRectF m_diagramRect;
    double m_x0 = 0;
    double m_x1 = 0;
    QVector<double> m_interfaceX;
    QVector<double> m_interfaceSd;
    double m_legendBottom = 0;

    QGraphicsTextItem *m_temperatureTitle = nullptr;
    QGraphicsTextItem *m_vapourTitle = nullptr;
    QGraphicsTextItem *m_moistureTitle = nullptr;
    QGraphicsTextItem *m_widthTitle = nullptr;
    QGraphicsTextItem *m_sdTitle = nullptr;
    /*! What the titles were made for: a new font, device or language makes them anew. */
    QString m_titleKey;
};
