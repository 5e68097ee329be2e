#include "qtext/ConstructionGraphicsSceneHorizontal.h"

#include "qtext/GraphicsTextItemInRect.h"
#include "qtext/LabelPlacement.h"

#include <algorithm>

namespace QtExt {

ConstructionGraphicsSceneHorizontal::ConstructionGraphicsSceneHorizontal(bool onScreen,
                                                                         QPaintDevice *device,
                                                                         QObject *parent)
    : ConstructionGraphicsSceneBase(onScreen, device, parent)
{
}

void ConstructionGraphicsSceneHorizontal::calculatePositions()
{
    m_acrossStart = m_frame.top() + px(5);
    // room for one line of width labels below the construction
    m_acrossEnd = m_frame.bottom() - std::max(px(15), m_charSize.height() + px(4));
    calculateBoundaries(m_frame.left(), m_frame.right() - m_charSize.height());
}

void ConstructionGraphicsSceneHorizontal::drawWidthLabels()
{
    const int n = m_layers.size();
    QVector<GraphicsTextItemInRect *> items(n);
    QVector<double> centres(n);
    QVector<double> widths(n);
    for (int i = 0; i < n; ++i) {
        items[i] = createText(widthText(m_layers[i].m_width));
        centres[i] = (m_boundaries[i] + m_boundaries[i + 1]) / 2;
        widths[i] = items[i]->textSize().width();
    }
    const QVector<double> positions =
        spreadLabels(centres, widths, m_frame.left(), m_frame.right(), labelGap());
    const double tick = px(3);
    for (int i = 0; i < n; ++i)
        items[i]->setPos(positions[i] - widths[i] / 2, m_acrossEnd + tick);
    for (double b : qAsConst(m_boundaries))
        addLine(b, m_acrossEnd, b, m_acrossEnd + tick, m_axisPen);
}

void ConstructionGraphicsSceneHorizontal::drawNames()
{
    const double height = m_acrossEnd - m_acrossStart;
    for (int i = 0; i < m_layers.size(); ++i) {
        if (m_layers[i].m_name.isEmpty())
            continue;
        GraphicsTextItemInRect *item = createText(m_layers[i].m_name);
        item->setAlignment(Qt::AlignHCenter);
        item->setTextWidth(height);
        // Turned by -90°, the text runs upwards and its line height becomes its width.
        const double width = item->textSize().height();
        const double layerWidth = m_boundaries[i + 1] - m_boundaries[i];
        item->setRotation(-90);
        item->setPos((m_boundaries[i] + m_boundaries[i + 1]) / 2 - width / 2, m_acrossEnd);
        item->setZValue(2);
        item->setVisible(width < layerWidth - 2);
    }
}

void ConstructionGraphicsSceneHorizontal::drawSideTexts()
{
    const double y = m_acrossStart - px(2);
    const double first = m_boundaries.first();
    const double last = m_boundaries.last();
    if (!m_leftText.isEmpty()) {
        GraphicsTextItemInRect *item = createText(m_leftText);
        item->setAlignment(Qt::AlignHCenter);
        item->setRect(QRectF(m_frame.left(), y, first - m_frame.left(), 0));
    }
    if (!m_rightText.isEmpty()) {
        GraphicsTextItemInRect *item = createText(m_rightText);
        item->setAlignment(Qt::AlignHCenter);
        item->setRect(QRectF(last, y, m_frame.right() - last, 0));
    }
}

QRectF ConstructionGraphicsSceneHorizontal::alongAcrossRect(double alongStart, double alongEnd,
                                                            double acrossStart,
                                                            double acrossEnd) const
{
    return QRectF(QPointF(alongStart, acrossStart), QPointF(alongEnd, acrossEnd));
}

} // namespace QtExt
