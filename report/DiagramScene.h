#pragma once

#include "calculation/CalculationResults.h"
#include "model/InputData.h"

#include <QFont>
#include <QGraphicsScene>
#include <QPen>
#include <QRectF>
#include <QVector>

class QGraphicsItem;
class QGraphicsTextItem;
class QPaintDevice;

/*  The profile diagram: the construction drawn to scale on the horizontal axis, with the
    temperature profile and either the vapour-pressure profile of the Glaser scheme or the
    moisture-content profile of the moisture-storage method. The same scene draws the
    construction sketch (profile mode 1), on screen, into exported pictures and into the report.

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
        MoistureContentProfile = 3
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
        BridgeMember
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

    /*! The plot area of the last layout. */
    const QRectF &diagramRect() const { return m_diagramRect; }
    /*! Left and right end of the plotted construction including the air zones. */
    double x0() const { return m_x0; }
    double x1() const { return m_x1; }
    /*! Pixel positions of the n + 1 interfaces (empty when nothing was drawn). */
    const QVector<double> &interfaceX() const { return m_interfaceX; }

private:
    struct Pens
    {
        QPen saturation, vapour, calculatedVapour, layerLine, axis, surface, edge, temperature,
            temperatureAxis, vapourAxis, moistureAxis, moistureGrid, moistureProfile, moistureMark;
    };

    void makePens();
    void makeAxisTitles();
    QGraphicsTextItem *makeText(const QString &html, const QFont &font,
                                const QColor &color = Qt::black);
    QGraphicsItem *tag(QGraphicsItem *item, ItemKind kind, int index = -1);
    void layOutPlotArea();
    void drawWidthAxis();
    void drawVapourPressure();
    void drawMoistureContent();
    void drawTemperature();
    void drawLegend();
    void drawConstruction();
    void drawArrowAxis(double x, const QPen &pen, ItemKind kind);
    double widthOf(int layer) const { return m_input.layer(layer).width(); }

    bool m_screen;
    double m_scale = 1;
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

    QGraphicsTextItem *m_temperatureTitle = nullptr;
    QGraphicsTextItem *m_vapourTitle = nullptr;
    QGraphicsTextItem *m_moistureTitle = nullptr;
    QGraphicsTextItem *m_widthTitle = nullptr;
};
