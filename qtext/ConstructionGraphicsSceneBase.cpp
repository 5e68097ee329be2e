#include "qtext/ConstructionGraphicsSceneBase.h"

#include "qtext/GraphicsRectItemWithHatch.h"
#include "qtext/GraphicsTextItemInRect.h"
#include "qtext/LayoutDevice.h"

#include <QFontMetricsF>
#include <QGraphicsLineItem>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace QtExt {

ConstructionGraphicsSceneBase::ConstructionGraphicsSceneBase(bool onScreen, QPaintDevice *device,
                                                             QObject *parent)
    : QGraphicsScene(parent)
    , m_onScreen(onScreen)
    , m_device(LayoutDevice::of(device))
{
    // The sketch is a drawing on paper: white under any colour theme.
    setBackgroundBrush(Qt::white);
}

QRectF ConstructionGraphicsSceneBase::sketchRect() const
{
    if (m_boundaries.isEmpty())
        return QRectF();
    return alongAcrossRect(m_boundaries.first(), m_boundaries.last(), m_acrossStart, m_acrossEnd);
}

double ConstructionGraphicsSceneBase::hatchSpacing() const
{
    return px(GraphicsRectItemWithHatch::DefaultHatchSpacing);
}

void ConstructionGraphicsSceneBase::setup(const QRectF &frame, QPaintDevice *device, double scale,
                                          const ConstructionLayers &layers, const QString &leftText,
                                          const QString &rightText, int displayFlags)
{
    // Texts are measured for the device's stand-in: the same for every device that measures
    // alike, and never for a device that is gone (or another one made where it was).
    device = LayoutDevice::of(device);
    if (m_hasRequest && frame == m_frame && device == m_device && scale == m_scale &&
        layers == m_layers && leftText == m_leftText && rightText == m_rightText &&
        displayFlags == m_displayFlags)
        return;
    m_hasRequest = true;
    m_frame = frame;
    m_device = device;
    m_scale = scale;
    m_layers = layers;
    m_leftText = leftText;
    m_rightText = rightText;
    m_displayFlags = displayFlags;

    m_font = QGuiApplication::font();
    m_font.setPointSizeF(m_onScreen ? 8 : 6);
    const QFontMetricsF metrics =
        m_device ? QFontMetricsF(m_font, m_device) : QFontMetricsF(m_font);
    m_charSize = QSizeF(metrics.horizontalAdvance(QStringLiteral("T")), metrics.height());

    m_framePen = QPen(Qt::black, m_onScreen ? 2.0 : 0.8 * m_scale, Qt::SolidLine, Qt::FlatCap);
    m_edgePen = QPen(Qt::darkGray, m_onScreen ? 1.0 : 0.2 * m_scale, Qt::DashLine);
    m_axisPen = QPen(m_onScreen ? Qt::gray : Qt::black, std::max(1.0, 0.2 * m_scale));

    clear();
    m_boundaries.clear();
    setSceneRect(m_frame);

    if (m_layers.isEmpty())
        return;
    for (const ConstructionLayer &layer : qAsConst(m_layers)) {
        if (!(layer.m_width > 0))
            return;
    }

    calculatePositions();
    // a view too small for the air zones and a sketch shows nothing rather than a tangle
    if (m_boundaries.size() != m_layers.size() + 1 || !(m_acrossEnd > m_acrossStart)) {
        m_boundaries.clear();
        return;
    }
    if (m_displayFlags & ShowWidths)
        drawWidthLabels();
    drawLayers();
    if (m_displayFlags & ShowNames)
        drawNames();
    if (m_displayFlags & ShowSideTexts)
        drawSideTexts();
    drawFrame();
    setSceneRect(m_frame);
}

void ConstructionGraphicsSceneBase::calculateBoundaries(double plotStart, double plotEnd)
{
    double total = 0;
    for (const ConstructionLayer &layer : qAsConst(m_layers))
        total += layer.m_width;
    const double length = plotEnd - plotStart;
    const double v =
        m_onScreen ? std::max(10.0, 0.03 * length) : std::max(10 * m_scale, 0.03 * length);
    const double x0 = plotStart + (m_onScreen ? 40 : 5 * m_scale);
    const double x1 = plotEnd - (m_onScreen ? 50 : 5 * m_scale);
    const double available = x1 - 2 * v - x0;
    m_boundaries.clear();
    if (!(available > 0))
        return;
    m_boundaries.resize(m_layers.size() + 1);
    m_boundaries[0] = x0 + v;
    // whole pixels per layer, as in the profile diagram, so that the two drawings agree
    for (int k = 0; k < m_layers.size(); ++k)
        m_boundaries[k + 1] = m_boundaries[k] + std::floor(available / total * m_layers[k].m_width);
}

QString ConstructionGraphicsSceneBase::widthText(double widthM) const
{
    const double mm = std::round(widthM * 1e4) / 10;
    const bool whole = mm == std::floor(mm);
    return QLocale().toString(mm, 'f', whole ? 0 : 1);
}

GraphicsTextItemInRect *ConstructionGraphicsSceneBase::createText(const QString &text)
{
    auto *item = new GraphicsTextItemInRect(text);
    item->setPaintDevice(m_device);
    item->setFont(m_font);
    item->setDefaultTextColor(Qt::black);
    addItem(item);
    return item;
}

void ConstructionGraphicsSceneBase::drawLayers()
{
    const double layerPenWidth = m_onScreen ? 1.0 : std::max(1.0, 0.2 * m_scale);
    for (int i = 0; i < m_layers.size(); ++i) {
        const ConstructionLayer &layer = m_layers[i];
        const QRectF r =
            alongAcrossRect(m_boundaries[i], m_boundaries[i + 1], m_acrossStart, m_acrossEnd);
        auto *item = new GraphicsRectItemWithHatch(r, layer.m_hatchingType, hatchSpacing());
        item->setBrush(layer.m_color);
        item->setPen(QPen(layer.m_color, layerPenWidth));
        item->setFlag(QGraphicsItem::ItemIsSelectable, true);
        item->setData(0, i);
        const double length = m_boundaries[i + 1] - m_boundaries[i];
        item->setSelectionOutlineWidth(std::max(length / 20, 3 * m_framePen.widthF()));
        addItem(item);
        if (layer.m_bridgeFraction > 0)
            drawBridge(layer, i, layerPenWidth);
    }
}

void ConstructionGraphicsSceneBase::drawBridge(const ConstructionLayer &layer, int i,
                                               double penWidth)
{
    // Two members (studs, rafters) across the layer, each taking the area fraction of its half
    // of the sketch, hatched with their own pattern. They let clicks through to the layer.
    const double span = m_acrossEnd - m_acrossStart;
    const double period = span / 2;
    const double member = period * layer.m_bridgeFraction;
    const QColor color = layer.m_bridgeColor.isValid() ? layer.m_bridgeColor : layer.m_color;
    for (int k = 0; k < 2; ++k) {
        const double centre = m_acrossStart + (k + 0.5) * period;
        const QRectF r = alongAcrossRect(m_boundaries[i], m_boundaries[i + 1], centre - member / 2,
                                         centre + member / 2);
        auto *item = new GraphicsRectItemWithHatch(r, layer.m_bridgeHatchingType, hatchSpacing());
        item->setBrush(color);
        item->setPen(QPen(Qt::black, penWidth));
        item->setAcceptedMouseButtons(Qt::NoButton);
        item->setData(0, i);
        addItem(item);
    }
}

void ConstructionGraphicsSceneBase::drawFrame()
{
    const double first = m_boundaries.first();
    const double last = m_boundaries.last();
    // the two outer surfaces
    for (double b : {first, last}) {
        const QRectF r = alongAcrossRect(b, b, m_acrossStart, m_acrossEnd);
        addLine(QLineF(r.topLeft(), r.bottomRight()), m_framePen)->setZValue(1);
    }
    // where the construction is cut off; the upper (left) line lies one pen width inside, so
    // that it is not cut by the edge of the drawing
    const double w = m_edgePen.widthF();
    for (double a : {m_acrossStart + w, m_acrossEnd}) {
        const QRectF r = alongAcrossRect(first, last, a, a);
        addLine(QLineF(r.topLeft(), r.bottomRight()), m_edgePen)->setZValue(1);
    }
}

void ConstructionGraphicsSceneBase::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace QtExt
