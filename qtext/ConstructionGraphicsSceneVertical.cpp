#include "qtext/ConstructionGraphicsSceneVertical.h"

#include "qtext/GraphicsTextItemInRect.h"
#include "qtext/LabelPlacement.h"

#include <QFontMetricsF>

#include <algorithm>

namespace QtExt {

ConstructionGraphicsSceneVertical::ConstructionGraphicsSceneVertical(bool onScreen,
                                                                     QPaintDevice *device,
                                                                     QObject *parent)
    : ConstructionGraphicsSceneBase(onScreen, device, parent)
{
}

void ConstructionGraphicsSceneVertical::calculatePositions()
{
    // room for the widest width label right of the construction
    double labelRoom = px(5);
    if (m_displayFlags & ShowWidths) {
        const QFontMetricsF metrics =
            m_device ? QFontMetricsF(m_font, m_device) : QFontMetricsF(m_font);
        double widest = 0;
        for (const ConstructionLayer &layer : qAsConst(m_layers))
            widest = std::max(widest, metrics.horizontalAdvance(widthText(layer.m_width)));
        labelRoom = widest + px(3) + px(4);
    }
    m_acrossStart = m_frame.left() + px(5);
    m_acrossEnd = m_frame.right() - labelRoom;
    calculateBoundaries(m_frame.top(), m_frame.bottom() - m_charSize.height());
}

void ConstructionGraphicsSceneVertical::drawWidthLabels()
{
    const int n = m_layers.size();
    QVector<GraphicsTextItemInRect *> items(n);
    QVector<double> centres(n);
    QVector<double> heights(n);
    for (int i = 0; i < n; ++i) {
        items[i] = createText(widthText(m_layers[i].m_width));
        centres[i] = (m_boundaries[i] + m_boundaries[i + 1]) / 2;
        heights[i] = items[i]->textSize().height();
    }
    const QVector<double> positions =
        spreadLabels(centres, heights, m_frame.top(), m_frame.bottom(), labelGap());
    const double tick = px(3);
    for (int i = 0; i < n; ++i)
        items[i]->setPos(m_acrossEnd + tick + px(1), positions[i] - heights[i] / 2);
    for (double b : qAsConst(m_boundaries))
        addLine(m_acrossEnd, b, m_acrossEnd + tick, b, m_axisPen);
}

void ConstructionGraphicsSceneVertical::drawNames()
{
    const double width = m_acrossEnd - m_acrossStart;
    for (int i = 0; i < m_layers.size(); ++i) {
        if (m_layers[i].m_name.isEmpty())
            continue;
        GraphicsTextItemInRect *item = createText(m_layers[i].m_name);
        item->setAlignment(Qt::AlignHCenter);
        item->setTextWidth(width);
        const double height = item->textSize().height();
        const double thickness = m_boundaries[i + 1] - m_boundaries[i];
        item->setRect(QRectF(m_acrossStart,
                             (m_boundaries[i] + m_boundaries[i + 1]) / 2 - height / 2, width,
                             height));
        item->setZValue(2);
        item->setVisible(height < thickness - 2);
    }
}

void ConstructionGraphicsSceneVertical::drawSideTexts()
{
    const double width = m_acrossEnd - m_acrossStart;
    const double gap = px(2);
    if (!m_leftText.isEmpty()) {
        GraphicsTextItemInRect *item = createText(m_leftText);
        item->setAlignment(Qt::AlignHCenter);
        item->setTextWidth(width);
        const double height = item->textSize().height();
        item->setRect(QRectF(m_acrossStart, m_boundaries.first() - gap - height, width, height));
    }
    if (!m_rightText.isEmpty()) {
        GraphicsTextItemInRect *item = createText(m_rightText);
        item->setAlignment(Qt::AlignHCenter);
        item->setRect(QRectF(m_acrossStart, m_boundaries.last() + gap, width, 0));
    }
}

QRectF ConstructionGraphicsSceneVertical::alongAcrossRect(double alongStart, double alongEnd,
                                                          double acrossStart,
                                                          double acrossEnd) const
{
    return QRectF(QPointF(acrossStart, alongStart), QPointF(acrossEnd, alongEnd));
}

} // namespace QtExt
