#include "report/DiagramScene.h"

#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>

#include "model/PhysicsFunctions.h"
#include "qtext/LabelPlacement.h"
#include "qtext/LayoutDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBrush>
#include <QFontMetricsF>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

const QColor DarkRed(139, 0, 0);

/*! A straight line of the diagram. QGraphicsLineItem finds its bounding rectangle by stroking
    its outline with the pen, anew at every call, and the view asks for it for every item at
    every paint; here it is the line's extent widened by the pen width. A line parallel to an
    axis (layer boundaries, surfaces, axes, ticks, grid lines) is drawn without antialiasing,
    which would only smear its edges over a neighbouring row or column of pixels at the price of
    a polygon fill; a wide solid one is filled as the rectangle its pen covers. */
class DiagramLineItem : public QGraphicsLineItem
{
public:
    DiagramLineItem(const QLineF &line, const QPen &pen)
        : QGraphicsLineItem(line)
    {
        setPen(pen);
    }

    QRectF boundingRect() const override
    {
        // Half the width on either side and, with square caps, beyond the ends; the full width
        // also covers the corners of a slanted line's caps.
        const double w = pen().widthF();
        return QRectF(line().p1(), line().p2()).normalized().adjusted(-w, -w, w, w);
    }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        const QLineF l = line();
        const QPen &p = pen();
        const bool vertical = l.x1() == l.x2();
        if ((!vertical && l.y1() != l.y2()) || !painter->testRenderHint(QPainter::Antialiasing)) {
            painter->setPen(p);
            painter->drawLine(l);
            return;
        }
        painter->setRenderHint(QPainter::Antialiasing, false);
        const double w = p.widthF();
        if (w > 1 && !p.isCosmetic() && p.style() == Qt::SolidLine &&
            p.brush().style() == Qt::SolidPattern && p.capStyle() != Qt::RoundCap) {
            // A wide solid line is the rectangle its pen covers: filled as one, without the
            // stroker (the layer boundaries and surfaces over the full plot height).
            const double cap = p.capStyle() == Qt::SquareCap ? w / 2 : 0;
            const QRectF extent = QRectF(l.p1(), l.p2()).normalized();
            painter->fillRect(vertical ? extent.adjusted(-w / 2, -cap, w / 2, cap)
                                       : extent.adjusted(-cap, -w / 2, cap, w / 2),
                              p.brush());
        } else {
            painter->setPen(p);
            painter->drawLine(l);
        }
        painter->setRenderHint(QPainter::Antialiasing, true);
    }
};

QPen makePen(double width, const QColor &color, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(color, width, style);
    pen.setCosmetic(false);
    return pen;
}

/*! Width of a layer in millimetres as the width axis writes it: whole millimetres without
    decimals, otherwise as many decimals as the value needs (at most two). */
QString millimetres(double width_m)
{
    const double mm = width_m * 1000;
    int decimals = 2;
    if (std::fabs(mm - std::round(mm)) < 1e-6)
        decimals = 0;
    else if (std::fabs(mm * 10 - std::round(mm * 10)) < 1e-6)
        decimals = 1;
    return QLocale().toString(mm, 'f', decimals);
}

/*! A boundary-layer curve from an air state to a surface: flat over most of the air zone, then
    falling steeply to the surface, as the air temperature does in front of a wall. Control points
    at 80 % of the distance and 1 % and 2 % of the height difference, measured from the air. */
void airZoneCurve(QPainterPath &path, QPointF air, QPointF surface, bool airFirst)
{
    const double dx = surface.x() - air.x();
    const double dy = surface.y() - air.y();
    const QPointF c1(air.x() + 0.8 * dx, air.y() + 0.01 * dy);
    const QPointF c2(air.x() + 0.8 * dx, air.y() + 0.02 * dy);
    if (airFirst)
        path.cubicTo(c1, c2, surface);
    else
        path.cubicTo(c2, c1, air);
}

/*! Vapour pressure at each interface as the Glaser scheme has it once condensate forms: the
    saturated interfaces of the tangent construction (the condensation planes) hold the
    saturation pressure, and between two neighbouring anchors (inside air, planes, outside air)
    the pressure falls linearly with the cumulated vapour resistance. Without planes it is the
    straight line of the scheme. */
QVector<double> realVapourPressures(const CalculationResults &r, double pInside, double pOutside)
{
    const int n = int(r.Z_Glaser.size());
    QVector<double> real(n + 1);
    for (int k = 0; k <= n; ++k)
        real[k] = r.pv_Glaser[k];
    if (r.kPlanesGlaser.empty())
        return real;
    QVector<double> Zc(n + 1, 0.0);
    for (int k = 0; k < n; ++k)
        Zc[k + 1] = Zc[k] + r.Z_Glaser[k];
    // anchors: (cumulated resistance, pressure), ascending
    QVector<QPointF> anchors{QPointF(0, pInside)};
    QVector<bool> saturated(n + 1, false);
    for (const CalculationResults::PlaneRange &run : r.kPlanesGlaser)
        for (unsigned k = run.first; k <= run.second && int(k) <= n; ++k) {
            saturated[int(k)] = true;
            anchors << QPointF(Zc[int(k)], r.psat_Glaser[int(k)]);
        }
    anchors << QPointF(Zc[n], pOutside);
    int next = 1;
    for (int k = 0; k <= n; ++k) {
        if (saturated[k]) {
            real[k] = r.psat_Glaser[k];
            continue;
        }
        while (next < anchors.size() - 1 && anchors[next].x() < Zc[k])
            ++next;
        const QPointF &a = anchors[next - 1];
        const QPointF &b = anchors[next];
        const double span = b.x() - a.x();
        real[k] = span > 0 ? a.y() + (Zc[k] - a.x()) / span * (b.y() - a.y()) : a.y();
    }
    return real;
}

/*! Vapour permeability of still air with which the calculation turns s_d = μ·d into the vapour
    diffusion resistance Z = s_d / δ, kg/(m·s·Pa): the Glaser diagram turns it back. */
constexpr double AirVapourPermeability = 2e-10;

/*! A round grid step for a scale from 0 to range with at most maxSteps steps: 1, 2, 2.5 or 5
    times a power of ten, the smallest that keeps within maxSteps. */
double roundStep(double range, int maxSteps)
{
    if (!(range > 0) || !std::isfinite(range))
        return 1;
    const double raw = range / std::max(1, maxSteps);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * magnitude >= raw * (1 - 1e-12))
            return m * magnitude;
    return 10 * magnitude;
}

/*! The decimals a multiple of step needs to be written exactly (at most 6). */
int decimalsOf(double step)
{
    for (int d = 0; d < 6; ++d) {
        const double scaled = step * std::pow(10.0, d);
        if (std::fabs(scaled - std::round(scaled)) < 1e-9 * std::max(1.0, scaled))
            return d;
    }
    return 6;
}

/*! The resolution at which Qt lays out text that has no paint device of its own. */
int defaultDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : 96;
}

/*! A filled area with an outline (the moisture profile of a layer). Its fill is drawn without
    antialiasing and only its outline smoothed: the outline covers the fill's edges, so the
    picture is the same, without a second antialiased pass over the whole area. */
class DiagramAreaItem : public QGraphicsPolygonItem
{
public:
    DiagramAreaItem(const QPolygonF &polygon, const QPen &pen, const QBrush &brush)
        : QGraphicsPolygonItem(polygon)
    {
        setPen(pen);
        setBrush(brush);
    }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override
    {
        if (pen().style() == Qt::NoPen || !painter->testRenderHint(QPainter::Antialiasing)) {
            QGraphicsPolygonItem::paint(painter, option, widget);
            return;
        }
        painter->setPen(Qt::NoPen);
        painter->setBrush(brush());
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->drawPolygon(polygon(), fillRule());
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(pen());
        painter->setBrush(Qt::NoBrush);
        painter->drawPolygon(polygon(), fillRule());
    }
};

} // namespace

DiagramScene::DiagramScene(bool screen, QObject *parent)
    : QGraphicsScene(parent)
    , m_screen(screen)
{
}

QGraphicsItem *DiagramScene::tag(QGraphicsItem *item, ItemKind kind, int index)
{
    item->setData(KindKey, int(kind));
    if (index >= 0)
        item->setData(IndexKey, index);
    return item;
}

QStringList DiagramScene::texts() const
{
    QStringList found;
    const QList<QGraphicsItem *> all = items(Qt::AscendingOrder);
    for (const QGraphicsItem *item : all) {
        if (!item->isVisible())
            continue;
        if (const auto *text = qgraphicsitem_cast<const QGraphicsTextItem *>(item))
            found << text->toHtml();
        else if (const auto *simple = qgraphicsitem_cast<const QGraphicsSimpleTextItem *>(item))
            found << simple->text().toHtmlEscaped();
    }
    return found;
}

QList<QGraphicsItem *> DiagramScene::itemsOfKind(ItemKind kind) const
{
    QList<QGraphicsItem *> found;
    const QList<QGraphicsItem *> all = items(Qt::AscendingOrder);
    for (QGraphicsItem *item : all)
        if (item->data(KindKey).toInt() == int(kind))
            found << item;
    return found;
}

QString DiagramScene::textOf(const QGraphicsItem *item)
{
    if (const auto *plain = qgraphicsitem_cast<const QGraphicsSimpleTextItem *>(item))
        return plain->text();
    if (const auto *rich = qgraphicsitem_cast<const QGraphicsTextItem *>(item))
        return rich->toPlainText();
    return QString();
}

QFont DiagramScene::deviceFont(double pointSize) const
{
    // Plain text items lay their text out at the screen's resolution. On a device of another
    // resolution (the report's printer), the size is given in the device's pixels instead, so
    // that the text measured is the text painted.
    QFont font = QApplication::font();
    const int dpi = m_device ? m_device->logicalDpiY() : 0;
    if (dpi > 0 && dpi != defaultDpi())
        font.setPixelSize(std::max(1, int(std::lround(pointSize * dpi / 72.0))));
    else
        font.setPointSizeF(pointSize);
    return font;
}

QGraphicsSimpleTextItem *DiagramScene::makeText(const QString &text, const QFont &font,
                                                const QColor &color)
{
    // the font before the text: each of the two lays the text out again
    auto *item = new QGraphicsSimpleTextItem;
    item->setFont(font);
    item->setText(text);
    item->setBrush(color);
    addItem(item);
    return item;
}

QGraphicsLineItem *DiagramScene::line(const QLineF &line, const QPen &pen)
{
    auto *item = new DiagramLineItem(line, pen);
    addItem(item);
    return item;
}

QGraphicsPolygonItem *DiagramScene::area(const QPolygonF &polygon, const QPen &pen,
                                         const QBrush &brush)
{
    auto *item = new DiagramAreaItem(polygon, pen, brush);
    addItem(item);
    return item;
}

QGraphicsTextItem *DiagramScene::makeRichText(const QString &html, const QFont &font,
                                              const QColor &color)
{
    auto *item = new QGraphicsTextItem;
    item->document()->setDocumentMargin(0);
    if (m_device)
        item->document()->documentLayout()->setPaintDevice(m_device);
    item->setFont(font);
    item->setDefaultTextColor(color);
    item->setHtml(html);
    addItem(item);
    return item;
}

void DiagramScene::removeDrawing()
{
    // Everything but the axis titles, which are kept for the next layout.
    const QList<QGraphicsItem *> all = items();
    for (QGraphicsItem *item : all)
        if (!item->parentItem() && item != m_temperatureTitle && item != m_vapourTitle &&
            item != m_moistureTitle && item != m_widthTitle && item != m_sdTitle)
            delete item;
}

void DiagramScene::makePens()
{
    const double s = m_scale;
    auto w = [s](double minimum, double factor) { return std::max(minimum, s * factor); };
    const QColor darkBlue(QStringLiteral("darkblue"));
    const QColor dodgerBlue(QStringLiteral("dodgerblue"));
    const QColor blue(QStringLiteral("blue"));
    m_pens.saturation = makePen(std::max(1, int(s * 0.25)), darkBlue);
    m_pens.vapour = makePen(w(1.8, 0.45), darkBlue);
    const double calcWidth = s <= 1 ? 1 : std::max(1.0, 0.2 * s);
    m_pens.calculatedVapour = makePen(calcWidth, Qt::black, Qt::CustomDashLine);
    // dash and gap of one pen width (dash patterns are given in pen widths)
    m_pens.calculatedVapour.setDashPattern({1, 1});
    m_pens.layerLine = makePen(w(2, 0.6), m_screen ? Qt::darkGray : Qt::black);
    m_pens.layerLine.setCapStyle(Qt::FlatCap);
    m_pens.axis = makePen(w(1, 0.2), m_screen ? Qt::gray : Qt::black);
    m_pens.surface = makePen(m_screen ? 2 : 0.8 * s, Qt::black);
    m_pens.edge = makePen(m_screen ? 1 : 0.2 * s, Qt::darkGray, Qt::DashLine);
    m_pens.temperature = makePen(w(1.5, 0.4), DarkRed);
    m_pens.temperatureAxis = makePen(w(1, 0.4), DarkRed);
    m_pens.vapourAxis = makePen(w(1, 0.4), darkBlue);
    m_pens.moistureAxis = makePen(w(1, 0.4), blue);
    m_pens.moistureGrid = makePen(w(0.5, 0.2), dodgerBlue);
    m_pens.moistureProfile = makePen(w(0.7, 0.4), blue);
    m_pens.moistureMark = makePen(w(2, 0.8), dodgerBlue, Qt::DotLine);
}

void DiagramScene::makeAxisTitles()
{
    const QString degree = QString(QChar(0x00B0));
    const QString temperature = tr("Temperature %1 in [%2C]").arg(QString(QChar(0x03B8)), degree);
    const QString vapour = tr("Vapor pressure p in [Pa]");
    const QString moisture =
        tr("Moisture content w in [%1]").arg(QStringLiteral("m<sup>3</sup>/m<sup>3</sup>"));
    const QString widths = tr("Layer widths in [mm]");
    const QString sd = tr("Diffusion-equivalent air layer thickness %1 in [m]")
                           .arg(QStringLiteral("s<sub>d</sub>"));
    // The rich-text layout is the dear part of a rebuild: the titles are made again only when
    // their font, device or language changed. The device is its address and its stand-in,
    // which tells a device made where a gone one was from that one when it measures otherwise.
    const QString key = QStringList{m_titleFont.toString(),
                                    QString::number(m_device ? m_device->logicalDpiY() : 0),
                                    QString::number(quintptr(m_target)),
                                    QString::number(quintptr(m_device)),
                                    temperature,
                                    vapour,
                                    moisture,
                                    widths,
                                    sd}
                            .join(QLatin1Char('\n'));
    if (m_temperatureTitle && key == m_titleKey) {
        for (QGraphicsTextItem *t :
             {m_temperatureTitle, m_vapourTitle, m_moistureTitle, m_widthTitle, m_sdTitle})
            t->setVisible(false);
        return;
    }
    for (QGraphicsTextItem *t :
         {m_temperatureTitle, m_vapourTitle, m_moistureTitle, m_widthTitle, m_sdTitle})
        delete t;
    m_titleKey = key;
    m_temperatureTitle = makeRichText(temperature, m_titleFont, DarkRed);
    m_vapourTitle = makeRichText(vapour, m_titleFont, QColor("darkblue"));
    m_moistureTitle = makeRichText(moisture, m_titleFont, QColor("blue"));
    m_widthTitle = makeRichText(widths, m_titleFont, Qt::black);
    m_sdTitle = makeRichText(sd, m_titleFont, Qt::black);
    for (QGraphicsTextItem *t :
         {m_temperatureTitle, m_vapourTitle, m_moistureTitle, m_widthTitle, m_sdTitle}) {
        t->setVisible(false);
        tag(t, AxisTitle);
    }
    m_temperatureTitle->setRotation(-90);
    m_vapourTitle->setRotation(-90);
    m_moistureTitle->setRotation(-90);
}

void DiagramScene::update(const QRectF &rect, QPaintDevice *device, double scale,
                          const CalculationResults &results, const InputData &input, int mode)
{
    if (mode == NoProfile)
        return;
    QPaintDevice *const standIn = QtExt::LayoutDevice::of(device);
    if (m_hasData && rect == m_totalRect && device == m_target && standIn == m_device &&
        scale == m_scale && mode == m_mode && results == m_results && input == m_input)
        return;

    m_target = device;
    m_device = standIn;
    m_scale = scale;
    m_mode = mode;
    m_results = results;
    m_input = input;
    m_hasData = true;
    m_totalRect = rect;
    m_interfaceX.clear();
    m_interfaceSd.clear();
    m_diagramRect = QRectF();

    m_font = deviceFont(m_screen ? 8 : 6);
    m_titleFont = QApplication::font();
    m_titleFont.setPointSizeF(m_screen ? 10 : 8);
    const QFontMetricsF metrics(m_font);
    m_charWidth = metrics.horizontalAdvance(QStringLiteral("T"));
    m_charHeight = metrics.height();
    makePens();

    removeDrawing();
    makeAxisTitles();

    const int n = m_input.layerCount();
    bool drawable = m_results.type != ResultType::InvalidInput && n > 0;
    for (int i = 0; drawable && i < n; ++i)
        drawable = widthOf(i) > 0;
    if (drawable && m_mode == GlaserDiagram) {
        const CalculationResults &r = m_results;
        const bool glaser = r.typeGlaser != ResultType::NoLayers &&
                            r.typeGlaser != ResultType::InvalidInput &&
                            int(r.Z_Glaser.size()) == n && int(r.T_Glaser.size()) == n + 1 &&
                            int(r.psat_Glaser.size()) == n + 1 && int(r.pv_Glaser.size()) == n + 1;
        if (glaser) {
            layOutGlaserDiagram();
            drawGlaserDiagram();
            drawConstruction();
        }
    } else if (drawable) {
        layOutPlotArea();
        drawWidthAxis();
        const bool curves = m_mode != ConstructionOnly && m_results.type >= 4 &&
                            m_results.typeGlaser != ResultType::NoLayers &&
                            m_results.typeGlaser != ResultType::InvalidInput;
        if (curves && m_mode == VapourPressureProfile)
            drawVapourPressure();
        else if (curves && m_mode == MoistureContentProfile)
            drawMoistureContent();
        if (m_mode != ConstructionOnly && m_input.allLayersCalculable())
            drawTemperature();
        if (curves && m_mode == VapourPressureProfile)
            drawLegend();
        drawConstruction();
    }
    setSceneRect(m_totalRect);
}

void DiagramScene::layOutPlotArea()
{
    const double s = m_scale;
    const QRectF &total = m_totalRect;
    const double top = total.top() + (m_screen ? 5 : 5 * s);
    // The band below the plot holds the width labels and, under them, their title: two lines
    // of text (a single line of 15 pixels would leave the title outside the picture).
    const double band = 2 * m_charHeight + (m_screen ? 6 : 6 * s);
    const double bottom = total.bottom() - std::max(m_screen ? 15.0 : 15 * s, band);
    const double pad = m_screen ? 10 : 10 * s;

    double left = total.left();
    if (m_mode != ConstructionOnly)
        left += m_temperatureTitle->boundingRect().height() + pad;
    double right = total.right();
    QGraphicsTextItem *rightTitle = m_mode == VapourPressureProfile    ? m_vapourTitle
                                    : m_mode == MoistureContentProfile ? m_moistureTitle
                                                                       : nullptr;
    if (m_results.type > 2 && rightTitle)
        right -= rightTitle->boundingRect().height() + pad;
    else
        right -= m_charHeight;
    m_diagramRect = QRectF(QPointF(left, top), QPointF(right, bottom));

    const double plotWidth = m_diagramRect.width();
    const double v = std::max(m_screen ? 10.0 : 10 * s, 0.03 * plotWidth);
    m_x0 = m_diagramRect.left() + (m_screen ? 40 : 5 * s);
    m_x1 = m_diagramRect.right() - (m_screen ? 50 : 5 * s);

    const int n = m_input.layerCount();
    double total_m = 0;
    for (int i = 0; i < n; ++i)
        total_m += widthOf(i);
    m_interfaceX.resize(n + 1);
    m_interfaceX[0] = m_x0 + v;
    // Whole pixels per layer, so that the layer lines fall on the pixel grid.
    for (int k = 0; k < n; ++k)
        m_interfaceX[k + 1] =
            m_interfaceX[k] + std::floor((m_x1 - 2 * v - m_x0) / total_m * widthOf(k));
}

void DiagramScene::drawWidthAxis()
{
    const double s = m_screen ? 1 : m_scale;
    const int n = m_input.layerCount();
    const double y = m_diagramRect.bottom();
    const double tick = 3 * s;

    tag(line(QLineF(m_x0, y, m_x1, y), m_pens.axis), WidthAxis);
    for (int k = 0; k <= n; ++k)
        tag(line(QLineF(m_interfaceX[k], y, m_interfaceX[k], y + tick), m_pens.axis), WidthTick, k);

    QVector<QGraphicsSimpleTextItem *> labels;
    QVector<double> centres;
    QVector<double> widths;
    for (int i = 0; i < n; ++i) {
        QGraphicsSimpleTextItem *label = makeText(millimetres(widthOf(i)), m_font);
        tag(label, WidthLabel, i);
        labels << label;
        centres << 0.5 * (m_interfaceX[i] + m_interfaceX[i + 1]);
        widths << label->boundingRect().width();
    }
    // Labels of thin layers would overlap: they move apart, in order, as little as possible.
    const QVector<double> placed =
        QtExt::spreadLabels(centres, widths, m_diagramRect.left(), m_diagramRect.right(), 3 * s);
    for (int i = 0; i < n; ++i)
        labels[i]->setPos(placed[i] - widths[i] / 2, y + tick);

    const QRectF titleRect = m_widthTitle->boundingRect();
    m_widthTitle->setPos(0.5 * (m_interfaceX[0] + m_interfaceX[n]) - titleRect.width() / 2,
                         y + tick + m_charHeight + s);
    m_widthTitle->setVisible(true);
}

void DiagramScene::drawArrowAxis(double x, const QPen &pen, ItemKind kind)
{
    const double s = m_screen ? 1 : m_scale;
    const double top = m_diagramRect.top();
    const double halfWidth = std::max(2.0, 0.4 * s);
    const double height = std::max(5.0, s);
    tag(line(QLineF(x, m_diagramRect.bottom(), x, top + height), pen), kind);
    QPolygonF head;
    head << QPointF(x, top) << QPointF(x - halfWidth, top + height)
         << QPointF(x + halfWidth, top + height);
    QPen headPen = pen;
    headPen.setJoinStyle(Qt::MiterJoin);
    tag(addPolygon(head, headPen, QBrush(pen.color())), kind);
}

void DiagramScene::drawVapourPressure()
{
    const CalculationResults &r = m_results;
    const int n = m_input.layerCount();
    if (int(r.pv_Glaser.size()) != n + 1 || int(r.psat_Glaser.size()) != n + 1)
        return;
    const double s = m_screen ? 1 : m_scale;
    const ClimateCondition &inside = m_input.climate().insideWinter();
    const ClimateCondition &outside = m_input.climate().outsideWinter();
    // The Glaser scheme's own pressures: exponential form, at the air temperatures.
    const double psatInside = p_sat_exp(inside.m_T);
    const double psatOutside = p_sat_exp(outside.m_T);
    const double pInside = psatInside * inside.m_rh / 100;
    const double pOutside = psatOutside * outside.m_rh / 100;

    const double H = m_diagramRect.height();
    const double pMax = std::max(psatInside, psatOutside);
    const double pMin = std::min(psatInside, psatOutside);
    const double yMax = m_diagramRect.top() + 0.25 * H;
    const double yMin = m_diagramRect.bottom() - 0.05 * H;
    const double range = pMax > pMin ? pMax - pMin : pMax;
    auto y = [&](double p) { return yMax + (pMax - p) * (yMin - yMax) / range; };

    // The saturation curve, with the air zones as boundary-layer curves.
    const QVector<double> &X = m_interfaceX;
    QPainterPath saturation(QPointF(m_x0, y(psatInside)));
    airZoneCurve(saturation, QPointF(m_x0, y(psatInside)), QPointF(X[0], y(r.psat_Glaser[0])),
                 true);
    for (int k = 1; k <= n; ++k)
        saturation.lineTo(X[k], y(r.psat_Glaser[k]));
    airZoneCurve(saturation, QPointF(m_x1, y(psatOutside)), QPointF(X[n], y(r.psat_Glaser[n])),
                 false);
    tag(addPath(saturation, m_pens.saturation), SaturationCurve);

    // The straight vapour-pressure line of the scheme, dashed where it rises above saturation
    // (split where it crosses the saturation curve).
    struct Point
    {
        double x, pv, ps;
    };
    QVector<Point> points;
    points.push_back({m_x0, pInside, psatInside});
    for (int k = 0; k <= n; ++k)
        points.push_back({X[k], r.pv_Glaser[k], r.psat_Glaser[k]});
    points.push_back({m_x1, pOutside, psatOutside});
    QPainterPath calculated;
    for (int k = 0; k + 1 < points.size(); ++k) {
        const Point &a = points[k];
        const Point &b = points[k + 1];
        const double da = a.pv - a.ps;
        const double db = b.pv - b.ps;
        if (da < 0 && db < 0)
            continue;
        QPointF from(a.x, y(a.pv));
        QPointF to(b.x, y(b.pv));
        if ((da < 0) != (db < 0)) {
            const double t = da / (da - db);
            const QPointF crossing(a.x + t * (b.x - a.x), y(a.pv + t * (b.pv - a.pv)));
            (da < 0 ? from : to) = crossing;
        }
        calculated.moveTo(from);
        calculated.lineTo(to);
    }

    // The real vapour pressure: the tangent construction that found the condensation planes,
    // straight over the vapour resistance from the inside air to the first plane, along
    // saturation between planes, and straight again to the outside air.
    const QVector<double> real = realVapourPressures(r, pInside, pOutside);
    QPainterPath realPath(QPointF(m_x0, y(pInside)));
    for (int k = 0; k <= n; ++k)
        realPath.lineTo(X[k], y(real[k]));
    realPath.lineTo(m_x1, y(pOutside));
    tag(addPath(realPath, m_pens.vapour), VapourCurve);
    if (!calculated.isEmpty())
        tag(addPath(calculated, m_pens.calculatedVapour), CalculatedVapourCurve);

    // Pressure axis at the cold side, with the two saturation pressures of the air marked.
    const double axisX = m_x1 - std::max(3.0, 3 * s);
    const double J = std::max(2.0, 0.4 * s);
    drawArrowAxis(axisX, m_pens.vapourAxis, VapourAxis);
    double labelRight = axisX;
    const QVector<double> marks = pMax > pMin ? QVector<double>{pMax, pMin} : QVector<double>{pMax};
    for (double p : marks) {
        tag(line(QLineF(axisX - J, y(p), axisX + J, y(p)), m_pens.vapourAxis), VapourTick);
        QGraphicsSimpleTextItem *label =
            makeText(QStringLiteral("%L1").arg(p, 0, 'f', 0), m_font, QColor("darkblue"));
        tag(label, VapourLabel);
        const QRectF br = label->boundingRect();
        label->setPos(axisX + J + 2 * s, y(p) - br.height() / 2);
        labelRight = std::max(labelRight, axisX + J + 2 * s + br.width());
    }
    m_vapourTitle->setPos(std::max(labelRight + 2 * s, m_diagramRect.right() + 5 * s),
                          m_diagramRect.center().y() + m_vapourTitle->boundingRect().width() / 2);
    m_vapourTitle->setVisible(true);
}

void DiagramScene::drawMoistureContent()
{
    const CalculationResults &r = m_results;
    const int n = m_input.layerCount();
    const double s = m_screen ? 1 : m_scale;
    const bool haveProfile = int(r.w_left.size()) == n && int(r.w_right.size()) == n;

    auto w95 = [this](int i) { return moistureContent95(m_input.layer(i).m_w_80); };
    double wMax = 0;
    if (haveProfile)
        for (int i = 0; i < n; ++i)
            wMax = std::max({wMax, r.w_left[i], r.w_right[i]});
    if (!(wMax > 0)) {
        wMax = 0;
        for (int i = 0; i < n; ++i)
            wMax = std::max(wMax, w95(i));
    }
    if (!(wMax > 0) || !std::isfinite(wMax))
        return;

    const double H = m_diagramRect.height();
    const double bottom = m_diagramRect.bottom();
    const double yMax = m_diagramRect.top() + 0.05 * H;
    const double M = (bottom - yMax) / wMax;
    auto y = [&](double w) { return bottom - w * M; };

    // Axis with the scale maximum marked.
    const double axisX = m_x1 - std::max(3.0, 3 * s);
    const double J = std::max(2.0, 0.4 * s);
    drawArrowAxis(axisX, m_pens.moistureAxis, MoistureAxis);
    double labelRight = axisX;
    auto tick = [&](double w) {
        tag(line(QLineF(axisX - J, y(w), axisX + J, y(w)), m_pens.moistureAxis), MoistureTick);
    };
    auto mark = [&](double w) {
        QGraphicsSimpleTextItem *label =
            makeText(QStringLiteral("%L1").arg(w, 5, 'f', 3), m_font, QColor("blue"));
        tag(label, MoistureLabel);
        const QRectF br = label->boundingRect();
        label->setPos(axisX + J + 2 * s, y(w) - br.height() / 2);
        labelRight = std::max(labelRight, axisX + J + 2 * s + br.width());
        return label;
    };
    tick(wMax);
    QGraphicsSimpleTextItem *previous = mark(wMax);

    // Ticks at least 25 s pixels apart, in steps of 0.005 m³/m³. A plot lower than 25 s pixels
    // has room for no tick between 0 and the maximum.
    const double tickSlots = std::floor(std::floor(wMax * M) / 25 / s);
    if (tickSlots >= 1) {
        double N = 0.005;
        while (wMax / tickSlots > N)
            N += 0.005;
        long k = long(std::floor((wMax - 1e-5) / N));
        if (y(k * N) - y(wMax) < 3 * s)
            --k;
        for (; k * N > -1e-5; --k) {
            const double w = k * N;
            tick(w);
            const double labelTop = y(w) - previous->boundingRect().height() / 2;
            const double previousBottom = previous->pos().y() + previous->boundingRect().height();
            if (labelTop > previousBottom + 3)
                previous = mark(w);
        }
    }
    m_moistureTitle->setPos(std::max(labelRight + 2 * s, m_diagramRect.right() + 5 * s),
                            m_diagramRect.center().y() +
                                m_moistureTitle->boundingRect().width() / 2);
    m_moistureTitle->setVisible(true);

    // The moisture content at 95 % relative humidity of each layer: above it the pores hold
    // condensate.
    const QVector<double> &X = m_interfaceX;
    for (int i = 0; i < n; ++i)
        if (w95(i) < wMax)
            tag(line(QLineF(X[i], y(w95(i)), X[i + 1], y(w95(i))), m_pens.moistureGrid),
                MoistureReference, i);
    if (!haveProfile)
        return;

    // The condensation planes of the moisture-storage method, marked over the plot height: the
    // condensate of a layer with little pore space can be too thin a sliver to see.
    for (const CalculationResults::PlaneRange &group : r.kPlanes)
        for (unsigned k = group.first + 1; k <= group.second && int(k) < n; ++k) {
            QGraphicsItem *mark =
                line(QLineF(X[int(k)], bottom, X[int(k)], yMax), m_pens.moistureMark);
            mark->setZValue(1); // above the profile polygons drawn next
            tag(mark, MoistureMark, int(k));
        }

    // Each layer: the hygroscopic moisture between its two faces (light), and where the layer
    // holds condensate, the moisture above the 95 % value over the width of the condensate
    // region (dark). The region lies at the condensation plane, the face where the content
    // exceeds the reference value; a layer wholly inside a condensation zone is wet throughout.
    const QBrush hygroscopic(QColor(QStringLiteral("lightskyblue")));
    const QBrush condensate(QColor(QStringLiteral("mediumslateblue")));
    const bool haveCondensate = int(r.sk_Cond.size()) == n;
    for (int i = 0; i < n; ++i) {
        const double xl = X[i];
        const double xr = X[i + 1];
        const double wl = r.w_left[i];
        const double wr = r.w_right[i];
        const double wref = w95(i);
        const double sk = haveCondensate ? std::clamp(r.sk_Cond[i], 0.0, widthOf(i)) : 0;
        QPolygonF dry;
        QPolygonF wet;
        if (sk <= 0 || (wl <= wref && wr <= wref)) {
            dry << QPointF(xl, bottom) << QPointF(xl, y(wl)) << QPointF(xr, y(wr))
                << QPointF(xr, bottom);
        } else if (sk >= widthOf(i) || (wl > wref && wr > wref)) {
            dry << QPointF(xl, bottom) << QPointF(xl, y(wref)) << QPointF(xr, y(wref))
                << QPointF(xr, bottom);
            wet << QPointF(xl, y(wref)) << QPointF(xl, y(wl)) << QPointF(xr, y(wr))
                << QPointF(xr, y(wref));
        } else {
            const double zone = (xr - xl) * sk / widthOf(i);
            if (wr > wref) { // condensation plane at the cold-side face
                const double xc = xr - zone;
                dry << QPointF(xl, bottom) << QPointF(xl, y(wl)) << QPointF(xc, y(wref))
                    << QPointF(xr, y(wref)) << QPointF(xr, bottom);
                wet << QPointF(xc, y(wref)) << QPointF(xr, y(wr)) << QPointF(xr, y(wref));
            } else { // at the warm-side face
                const double xc = xl + zone;
                dry << QPointF(xl, bottom) << QPointF(xl, y(wref)) << QPointF(xc, y(wref))
                    << QPointF(xr, y(wr)) << QPointF(xr, bottom);
                wet << QPointF(xl, y(wref)) << QPointF(xl, y(wl)) << QPointF(xc, y(wref));
            }
        }
        tag(area(dry, m_pens.moistureProfile, hygroscopic), MoisturePolygon, i);
        if (!wet.isEmpty())
            tag(area(wet, m_pens.moistureProfile, condensate), CondensatePolygon, i);
    }
}

void DiagramScene::drawTemperature()
{
    const CalculationResults &r = m_results;
    const int n = m_input.layerCount();
    if (int(r.T_Glaser.size()) != n + 1)
        return;
    const double s = m_screen ? 1 : m_scale;
    const double Ti = m_input.climate().insideWinter().m_T;
    const double Te = m_input.climate().outsideWinter().m_T;
    const double H = m_diagramRect.height();
    const double yHigh = m_diagramRect.top() + 0.05 * H;
    const double yLow = m_diagramRect.bottom() - 0.25 * H;
    const double tHigh = std::max(Ti, Te);
    const double tLow = std::min(Ti, Te);
    // equal air temperatures: a flat profile in the middle of the scale, no division by zero
    const double diff = tHigh - tLow > 0 ? tHigh - tLow : 1e-8;
    auto y = [&](double T) { return yLow - (T - tLow) * (yLow - yHigh) / diff; };

    const double axisX = m_x0 - std::max(3.0, 3 * s);
    const double J = std::max(2.0, 0.4 * s);
    drawArrowAxis(axisX, m_pens.temperatureAxis, TemperatureAxis);

    const QVector<double> &X = m_interfaceX;
    QPainterPath curve(QPointF(m_x0, y(Ti)));
    airZoneCurve(curve, QPointF(m_x0, y(Ti)), QPointF(X[0], y(r.T_Glaser[0])), true);
    for (int k = 1; k <= n; ++k)
        curve.lineTo(X[k], y(r.T_Glaser[k]));
    airZoneCurve(curve, QPointF(m_x1, y(Te)), QPointF(X[n], y(r.T_Glaser[n])), false);
    tag(addPath(curve, m_pens.temperature), TemperatureCurve);

    auto label = [&](double T) {
        tag(line(QLineF(axisX - J, y(T), axisX + J, y(T)), m_pens.temperatureAxis),
            TemperatureTick);
        QGraphicsSimpleTextItem *text =
            makeText(QStringLiteral("%L1").arg(T, 5, 'f', 1), m_font, DarkRed);
        tag(text, TemperatureLabel);
        const QRectF br = text->boundingRect();
        text->setPos(axisX - J - s - br.width(), y(T) - br.height() / 2);
    };
    label(Ti);
    if (Te != Ti)
        label(Te);
    for (double T = std::ceil(tHigh / 5) * 5 - 5; T >= std::floor(tLow / 5) * 5 + 5; T -= 5)
        if (T < tHigh - 0.1 && T > tLow + 0.1)
            label(T);

    m_temperatureTitle->setPos(m_totalRect.left(),
                               m_diagramRect.center().y() +
                                   m_temperatureTitle->boundingRect().width() / 2);
    m_temperatureTitle->setVisible(true);
}

void DiagramScene::drawLegend()
{
    const double s = m_screen ? 1 : m_scale;
    const double g = 5 * s;
    QFont font = m_font;
    if (m_font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(m_font.pixelSize() * 0.65))));
    else
        font.setPointSizeF(m_font.pointSizeF() * 0.65);
    const QStringList texts = {tr("Temperature"), tr("Sat. vapour pressure"),
                               tr("Vapour pressure (real)"), tr("Vapour pressure (calc.)")};
    const QVector<QPen> pens = {m_pens.temperature, m_pens.saturation, m_pens.vapour,
                                m_pens.calculatedVapour};
    QVector<QGraphicsSimpleTextItem *> items;
    double W = 0;
    double height = 0;
    for (const QString &t : texts) {
        QGraphicsSimpleTextItem *item = makeText(t, font);
        items << item;
        W = std::max(W, item->boundingRect().width());
        height += item->boundingRect().height();
    }
    const double E = (W + g) * 0.25;
    const double boxWidth = W + g + 2 * g + E;
    const double right = m_interfaceX.last() - 2 * g;
    const QRectF box(right - boxWidth, m_diagramRect.top() + g, boxWidth, height);
    QGraphicsRectItem *frame = addRect(box, QPen(), QBrush(Qt::white));
    tag(frame, Legend);
    double yText = box.top();
    for (int i = 0; i < items.size(); ++i) {
        QGraphicsSimpleTextItem *item = items[i];
        const double h = item->boundingRect().height();
        item->setPos(box.left() + g, yText);
        item->setZValue(frame->zValue() + 1);
        tag(item, Legend);
        const double ys = yText + h / 2;
        QGraphicsLineItem *sample =
            line(QLineF(box.left() + 2 * g + W, ys, box.left() + 2 * g + W + E, ys), pens[i]);
        sample->setZValue(frame->zValue() + 1);
        tag(sample, Legend);
        yText += h;
    }
}

void DiagramScene::drawConstruction()
{
    const int n = m_input.layerCount();
    const QVector<double> &X = m_interfaceX;
    const double top = m_diagramRect.top();
    const double bottom = m_diagramRect.bottom();
    if (m_mode == ConstructionOnly) {
        for (int i = 0; i < n; ++i) {
            const QColor color = m_input.layer(i).m_color;
            tag(addRect(QRectF(QPointF(X[i], top), QPointF(X[i + 1], bottom)), QPen(color),
                        QBrush(color)),
                LayerRect, i);
        }
        // The studs or rafters of a layer with a second material: two members across the
        // layer, each taking the area fraction of its half of the height, cross-hatched.
        for (int i = 0; i < n; ++i) {
            const MaterialLayer &layer = m_input.layer(i);
            if (!layer.m_bridge)
                continue;
            const QColor color = layer.m_bridge->material.m_color.isValid()
                                     ? layer.m_bridge->material.m_color
                                     : Material::defaultColor();
            const double period = (bottom - top) / 2;
            const double member = period * layer.m_bridge->fraction;
            for (int k = 0; k < 2; ++k) {
                const double centre = top + (k + 0.5) * period;
                const QRectF band(QPointF(X[i], centre - member / 2),
                                  QPointF(X[i + 1], centre + member / 2));
                tag(addRect(band, QPen(Qt::black, 0), QBrush(color)), BridgeMember, i);
                tag(addRect(band, Qt::NoPen, QBrush(Qt::black, Qt::DiagCrossPattern)), BridgeMember,
                    i);
            }
        }
    }
    tag(line(QLineF(X[0], top, X[0], bottom), m_pens.surface), SurfaceLine, 0);
    tag(line(QLineF(X[n], top, X[n], bottom), m_pens.surface), SurfaceLine, n);
    const double upper = top + m_pens.edge.widthF();
    tag(line(QLineF(X[0], upper, X[n], upper), m_pens.edge), EdgeLine);
    tag(line(QLineF(X[0], bottom, X[n], bottom), m_pens.edge), EdgeLine);
    for (int k = 1; k < n; ++k)
        tag(line(QLineF(X[k], top, X[k], bottom), m_pens.layerLine), LayerLine, k);
}

// --- the Glaser diagram over s_d

void DiagramScene::layOutGlaserDiagram()
{
    const double s = m_screen ? 1 : m_scale;
    const CalculationResults &r = m_results;
    const int n = m_input.layerCount();
    m_interfaceSd.resize(n + 1);
    m_interfaceSd[0] = 0;
    for (int k = 0; k < n; ++k)
        m_interfaceSd[k + 1] =
            m_interfaceSd[k] + r.Z_Glaser[std::size_t(k)] * AirVapourPermeability;

    // The legend is drawn in drawGlaserDiagram() over the top of the picture; here only its
    // height is needed: one or two rows of the normal font.
    const double gap = m_screen ? 4 : s; // 1 mm in the report
    const QRectF &total = m_totalRect;
    m_legendBottom = total.top() + gap; // finished by the legend itself
    const double pad = m_screen ? 10 : 2 * s;
    // Below the plot: the ticks (3 s), the s_d labels, a space of s and the axis title, as
    // drawSdAxis() places them, and a gap under the title, so that the text printed under the
    // picture stays clear of it.
    const double band = std::max(3 * gap, 3 * s + s + gap);
    const double bottom =
        total.bottom() - (m_charHeight + m_sdTitle->boundingRect().height() + band);
    const double titleWidth = m_vapourTitle->boundingRect().height();
    // Room on the left for the pressure labels: up to five digits.
    const QFontMetricsF metrics(m_font);
    const double labelWidth = metrics.horizontalAdvance(QLocale().toString(88888.0, 'f', 0));
    const double left = total.left() + titleWidth + pad + labelWidth + 2 * gap;
    const double right = total.right() - metrics.horizontalAdvance(QStringLiteral("88,88"));
    m_diagramRect = QRectF(QPointF(left, total.top()), QPointF(right, bottom));
    m_x0 = left;
    m_x1 = right;
    const double sdTotal = m_interfaceSd[n];
    m_interfaceX.resize(n + 1);
    for (int k = 0; k <= n; ++k)
        m_interfaceX[k] = sdTotal > 0 ? left + m_interfaceSd[k] / sdTotal * (right - left) : left;
}

void DiagramScene::drawGlaserDiagram()
{
    const double s = m_screen ? 1 : m_scale;
    const double gap = m_screen ? 4 : s; // 1 mm in the report
    const CalculationResults &r = m_results;
    const int n = m_input.layerCount();
    const ClimateCondition &inside = m_input.climate().insideWinter();
    const ClimateCondition &outside = m_input.climate().outsideWinter();
    // The scheme's own air pressures, exponential form as in the calculation.
    const double pInside = p_sat_exp(inside.m_T) * inside.m_rh / 100;
    const double pOutside = p_sat_exp(outside.m_T) * outside.m_rh / 100;
    const QVector<double> real = realVapourPressures(r, pInside, pOutside);
    const bool condensation = !r.kPlanesGlaser.empty();
    const QColor darkBlue(QStringLiteral("darkblue"));
    const QColor condensateColor(QStringLiteral("crimson"));
    QPen condensatePen = makePen(std::max(1.5, 0.5 * s), condensateColor, Qt::DashLine);

    // --- the legend, in rows above the plot, never over a curve
    struct Entry
    {
        QString text;
        QPen pen;
        bool area;
    };
    QVector<Entry> entries = {{tr("Sat. vapour pressure"), m_pens.saturation, false},
                              {tr("Vapour pressure (real)"), m_pens.vapour, false}};
    if (condensation) {
        entries.push_back({tr("Vapour pressure (calc.)"), m_pens.calculatedVapour, false});
        bool zone = false;
        for (const CalculationResults::PlaneRange &run : r.kPlanesGlaser)
            zone = zone || run.second > run.first;
        entries.push_back(
            {zone ? tr("Condensation zone") : tr("Condensation plane"), condensatePen, zone});
    }
    const double sample = 3 * m_charWidth;
    double xLegend = m_totalRect.left() + gap;
    double yLegend = m_totalRect.top() + gap;
    for (const Entry &e : entries) {
        QGraphicsSimpleTextItem *text = makeText(e.text, m_font);
        const double w = sample + gap + text->boundingRect().width();
        if (xLegend + w > m_totalRect.right() && xLegend > m_totalRect.left() + gap) {
            xLegend = m_totalRect.left() + gap;
            yLegend += m_charHeight + gap;
        }
        const double yc = yLegend + m_charHeight / 2;
        QGraphicsItem *mark;
        if (e.area) {
            QColor fill = condensateColor;
            fill.setAlpha(50);
            mark = addRect(QRectF(xLegend, yLegend + 1, sample, m_charHeight - 2), e.pen,
                           QBrush(fill));
        } else {
            mark = line(QLineF(xLegend, yc, xLegend + sample, yc), e.pen);
        }
        tag(mark, Legend);
        text->setPos(xLegend + sample + gap, yLegend);
        tag(text, Legend);
        xLegend += w + 2.5 * gap;
    }
    m_legendBottom = yLegend + m_charHeight + gap;
    m_diagramRect.setTop(m_legendBottom + m_charHeight); // room for the values on top
    const QRectF plot = m_diagramRect;

    // --- pressure scale from 0 to a round value above everything drawn
    double pTop = std::max(pInside, pOutside);
    for (int k = 0; k <= n; ++k)
        pTop = std::max({pTop, r.psat_Glaser[std::size_t(k)], real[k]});
    const int maxSteps = std::max(1, int(plot.height() / (2.5 * m_charHeight)));
    const double step = roundStep(pTop, maxSteps);
    const int steps = std::max(1, int(std::ceil(pTop / step - 1e-9)));
    const double pScale = steps * step;
    auto y = [&](double p) { return plot.bottom() - p / pScale * plot.height(); };
    const int decimals = decimalsOf(step);
    QPen gridPen = makePen(m_screen ? 1 : 0.2 * s, QColor(210, 210, 210));
    tag(line(QLineF(plot.left(), plot.bottom(), plot.left(), plot.top()), m_pens.vapourAxis),
        VapourAxis);
    const double J = std::max(2.0, 0.4 * s);
    for (int i = 0; i <= steps; ++i) {
        const double p = i * step;
        const double yp = y(p);
        if (i > 0) {
            QGraphicsItem *grid = line(QLineF(plot.left(), yp, plot.right(), yp), gridPen);
            grid->setZValue(-1);
            tag(grid, VapourGrid);
        }
        tag(line(QLineF(plot.left() - J, yp, plot.left(), yp), m_pens.vapourAxis), VapourTick);
        QGraphicsSimpleTextItem *label =
            makeText(QStringLiteral("%L1").arg(p, 0, 'f', decimals), m_font, darkBlue);
        const QRectF br = label->boundingRect();
        label->setPos(plot.left() - J - gap - br.width(), yp - br.height() / 2);
        tag(label, VapourLabel);
    }
    m_vapourTitle->setPos(m_totalRect.left(),
                          plot.center().y() + m_vapourTitle->boundingRect().width() / 2);
    m_vapourTitle->setVisible(true);

    drawLayerBands();
    drawSdAxis();

    // --- condensation planes and zones where the calculation found them
    const QVector<double> &X = m_interfaceX;
    for (const CalculationResults::PlaneRange &run : r.kPlanesGlaser) {
        const int first = int(run.first);
        const int last = std::min(int(run.second), n);
        if (first > n)
            continue;
        QGraphicsItem *mark;
        if (last > first) {
            QColor fill = condensateColor;
            fill.setAlpha(50);
            mark = addRect(QRectF(QPointF(X[first], plot.top()), QPointF(X[last], plot.bottom())),
                           condensatePen, QBrush(fill));
        } else {
            mark = line(QLineF(X[first], plot.top(), X[first], plot.bottom()), condensatePen);
        }
        mark->setZValue(1);
        tag(mark, CondensationMark, first);
    }

    // --- the saturation curve: within a layer the temperature is linear in its thickness and
    // so in its s_d, and the saturation pressure follows the temperature (exponential form, as
    // in the calculation); sampled per layer, exact at the interfaces.
    constexpr int Samples = 16;
    QPainterPath saturation(QPointF(X[0], y(r.psat_Glaser[0])));
    for (int k = 0; k < n; ++k) {
        const double T0 = r.T_Glaser[std::size_t(k)];
        const double T1 = r.T_Glaser[std::size_t(k) + 1];
        for (int j = 1; j <= Samples; ++j) {
            const double t = double(j) / Samples;
            const double p =
                j == Samples ? r.psat_Glaser[std::size_t(k) + 1] : p_sat_exp(T0 + t * (T1 - T0));
            saturation.lineTo(X[k] + t * (X[k + 1] - X[k]), y(p));
        }
    }
    QGraphicsItem *satItem = addPath(saturation, m_pens.saturation);
    satItem->setZValue(2);
    tag(satItem, SaturationCurve);

    // --- the straight line of the scheme (dashed, where condensate forms) and the real line of
    // the tangent construction; both are straight in s_d between their anchors.
    if (condensation) {
        QPainterPath calculated(QPointF(X[0], y(r.pv_Glaser[0])));
        for (int k = 1; k <= n; ++k)
            calculated.lineTo(X[k], y(r.pv_Glaser[std::size_t(k)]));
        QGraphicsItem *calc = addPath(calculated, m_pens.calculatedVapour);
        calc->setZValue(2);
        tag(calc, CalculatedVapourCurve);
    }
    QPainterPath realPath(QPointF(X[0], y(real[0])));
    for (int k = 1; k <= n; ++k)
        realPath.lineTo(X[k], y(real[k]));
    QGraphicsItem *realItem = addPath(realPath, m_pens.vapour);
    realItem->setZValue(3);
    tag(realItem, VapourCurve);

    // --- p_sat above the saturation curve and p below the vapour-pressure line at every
    // interface; a value that would cover one already written moves one line further out, and
    // is left out only when that too is taken (the results table lists them all).
    QVector<QRectF> taken;
    QFont valueFont = m_font;
    if (m_font.pixelSize() > 0)
        valueFont.setPixelSize(std::max(1, int(std::lround(m_font.pixelSize() * 0.85))));
    else
        valueFont.setPointSizeF(m_font.pointSizeF() * 0.85);
    auto place = [&](double x, double yAnchor, double value, bool above, const QColor &color,
                     ItemKind kind, int k) {
        QGraphicsSimpleTextItem *label =
            makeText(QStringLiteral("%L1").arg(value, 0, 'f', 0), valueFont, color);
        const QSizeF size = label->boundingRect().size();
        const double xl =
            std::clamp(x - size.width() / 2, plot.left() + 1, plot.right() - size.width() - 1);
        for (int attempt = 0; attempt < 2; ++attempt) {
            const double shift = 1 + attempt * size.height();
            const double yl = above ? yAnchor - shift - size.height() : yAnchor + shift;
            const QRectF rect(QPointF(xl, yl), size);
            bool free = rect.top() >= m_legendBottom && rect.bottom() <= plot.bottom();
            for (const QRectF &t : qAsConst(taken))
                free = free && !t.intersects(rect);
            if (free) {
                taken << rect;
                label->setPos(rect.topLeft());
                label->setZValue(4);
                tag(label, kind, k);
                return;
            }
        }
        delete label;
    };
    for (int k = 0; k <= n; ++k)
        place(X[k], y(r.psat_Glaser[std::size_t(k)]), r.psat_Glaser[std::size_t(k)], true, darkBlue,
              SaturationValue, k);
    for (int k = 0; k <= n; ++k) {
        // on a plane the real pressure is the saturation pressure, written once above
        if (real[k] == r.psat_Glaser[std::size_t(k)])
            continue;
        place(X[k], y(real[k]), real[k], false, Qt::black, VapourValue, k);
    }
}

void DiagramScene::drawLayerBands()
{
    const double s = m_screen ? 1 : m_scale;
    const QRectF plot = m_diagramRect;
    const QVector<double> &X = m_interfaceX;
    const int n = m_input.layerCount();
    const QFontMetricsF metrics(m_font);
    const double pad = m_screen ? 3 : s;
    for (int i = 0; i < n; ++i) {
        QColor color = m_input.layer(i).m_color;
        color.setAlpha(70);
        QGraphicsItem *band =
            addRect(QRectF(QPointF(X[i], plot.top()), QPointF(X[i + 1], plot.bottom())), Qt::NoPen,
                    QBrush(color));
        band->setZValue(-2);
        tag(band, LayerBand, i);

        // The name reads upwards from the bottom of its band, cut with an ellipsis where it is
        // longer than the band is high; the whole name is the tool tip of band and name.
        const QString name = m_input.layer(i).m_name;
        band->setToolTip(name);
        if (name.isEmpty())
            continue;
        const double bandWidth = X[i + 1] - X[i];
        if (bandWidth < metrics.height() + 2)
            continue;
        const QString shown = metrics.elidedText(name, Qt::ElideRight, plot.height() - 2 * pad);
        if (shown.isEmpty())
            continue;
        QGraphicsSimpleTextItem *text = makeText(shown, m_font, QColor(60, 60, 60));
        text->setToolTip(name);
        text->setRotation(-90);
        const double h = text->boundingRect().height();
        text->setPos(0.5 * (X[i] + X[i + 1]) - h / 2, plot.bottom() - pad);
        text->setZValue(-1);
        tag(text, LayerName, i);
    }
}

void DiagramScene::drawSdAxis()
{
    const double s = m_screen ? 1 : m_scale;
    const QRectF plot = m_diagramRect;
    const double sdTotal = m_interfaceSd.isEmpty() ? 0 : m_interfaceSd.last();
    const double yAxis = plot.bottom();
    const double tick = 3 * s;
    tag(line(QLineF(plot.left(), yAxis, plot.right(), yAxis), m_pens.axis), WidthAxis);
    if (sdTotal > 0) {
        // Round steps, as many as fit with a label of the longest kind between them.
        const QFontMetricsF metrics(m_font);
        const double labelWidth =
            metrics.horizontalAdvance(QLocale().toString(sdTotal, 'f', 2)) + 3 * m_charWidth;
        const int maxSteps = std::max(1, int(plot.width() / labelWidth));
        const double step = roundStep(sdTotal, maxSteps);
        const int decimals = decimalsOf(step);
        for (int i = 0; i * step <= sdTotal * (1 + 1e-9); ++i) {
            const double sd = i * step;
            const double x = plot.left() + sd / sdTotal * plot.width();
            tag(line(QLineF(x, yAxis, x, yAxis + tick), m_pens.axis), SdTick);
            QGraphicsSimpleTextItem *label =
                makeText(QStringLiteral("%L1").arg(sd, 0, 'f', decimals), m_font);
            label->setPos(x - label->boundingRect().width() / 2, yAxis + tick);
            tag(label, SdLabel);
        }
    }
    const QRectF titleRect = m_sdTitle->boundingRect();
    m_sdTitle->setPos(plot.center().x() - titleRect.width() / 2, yAxis + tick + m_charHeight + s);
    m_sdTitle->setVisible(true);
}
