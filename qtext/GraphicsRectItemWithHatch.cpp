#include "qtext/GraphicsRectItemWithHatch.h"

#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace QtExt {

GraphicsRectItemWithHatch::GraphicsRectItemWithHatch(const QRectF &rect, int hatchingType,
                                                     double hatchSpacing, QGraphicsItem *parent)
    : QGraphicsRectItem(rect, parent)
    , m_hatchingType(hatchingType)
    , m_hatchSpacing(hatchSpacing)
{
}

void GraphicsRectItemWithHatch::setHatchingType(int type)
{
    if (type == m_hatchingType)
        return;
    m_hatchingType = type;
    update();
}

void GraphicsRectItemWithHatch::setHatchSpacing(double spacing)
{
    if (spacing == m_hatchSpacing)
        return;
    m_hatchSpacing = spacing;
    update();
}

void GraphicsRectItemWithHatch::setSelectionOutlineWidth(double width)
{
    if (width == m_selectionOutlineWidth)
        return;
    m_selectionOutlineWidth = width;
    update();
}

void GraphicsRectItemWithHatch::paint(QPainter *painter, const QStyleOptionGraphicsItem *,
                                      QWidget *)
{
    const QRectF r = rect();
    painter->save();
    painter->setPen(pen());
    painter->setBrush(brush());
    painter->drawRect(r);

    if (m_hatchingType != HT_None && !r.isEmpty()) {
        painter->save();
        painter->setClipRect(r, painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        painter->setPen(QPen(Qt::black, 1, Qt::SolidLine));
        painter->setBrush(Qt::NoBrush);
        // The wave's density is a shape, not a spacing: its factor is the drawing's scale (the
        // spacing over the screen spacing), so that a printed layer is not filled black.
        if (m_hatchingType == HT_Insulation)
            painter->drawPath(insulationPath(r, m_hatchSpacing / DefaultHatchSpacing));
        else
            painter->drawLines(hatchLines(r, m_hatchingType, m_hatchSpacing));
        painter->restore();
    }

    if (isSelected()) {
        const double penWidth = pen().widthF() > 0 ? pen().widthF() : 1.0;
        const double w = m_selectionOutlineWidth > 0 ? m_selectionOutlineWidth : 3 * penWidth;
        QPen outline(Qt::black, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        painter->setPen(outline);
        painter->setBrush(Qt::NoBrush);
        // Drawn inside the rectangle, so that the outline covers no neighbour and stays within
        // the item's bounds.
        if (r.width() > w && r.height() > w)
            painter->drawRect(r.adjusted(w / 2, w / 2, -w / 2, -w / 2));
        else
            painter->drawRect(r);
    }
    painter->restore();
}

QVector<QLineF> GraphicsRectItemWithHatch::hatchLines(const QRectF &rect, int hatchingType,
                                                      double spacing)
{
    QVector<QLineF> lines;
    if (rect.isEmpty() || !(spacing > 0))
        return lines;
    const double w = rect.width();
    const double h = rect.height();
    const bool horizontal = hatchingType == HT_LinesHorizontal || hatchingType == HT_Grid;
    const bool vertical = hatchingType == HT_LinesVertical || hatchingType == HT_Grid;
    const bool falling = hatchingType == HT_LinesFallingRight || hatchingType == HT_LinesCrossed;
    const bool rising = hatchingType == HT_LinesRisingRight || hatchingType == HT_LinesCrossed;

    if (horizontal) {
        const int n = static_cast<int>(std::floor(h / spacing));
        for (int k = 1; k <= n; ++k) {
            const double y = rect.top() + k * spacing;
            lines.append(QLineF(rect.left(), y, rect.right(), y));
        }
    }
    if (vertical) {
        const int n = static_cast<int>(std::floor(w / spacing));
        for (int k = 1; k <= n; ++k) {
            const double x = rect.left() + k * spacing;
            lines.append(QLineF(x, rect.top(), x, rect.bottom()));
        }
    }
    if (falling || rising) {
        // A 45° line crosses the edges at intervals of s·√2 when the lines are s apart. Each
        // line is identified by c, the sum (rising) or difference (falling) of its coordinates
        // relative to the top left corner; c runs once along two edges of the rectangle.
        const double d = spacing * std::sqrt(2.0);
        const int n = static_cast<int>(std::floor((w + h) / d));
        for (int k = 1; k <= n; ++k) {
            const double c = k * d;
            if (falling) {
                // x - y = c - h, from upper left to lower right
                const double off = c - h;
                const double x0 = std::max(0.0, off);
                const double x1 = std::min(w, h + off);
                if (x1 > x0)
                    lines.append(QLineF(rect.left() + x0, rect.top() + x0 - off, rect.left() + x1,
                                        rect.top() + x1 - off));
            }
            if (rising) {
                // x + y = c, from lower left to upper right
                const double x0 = std::max(0.0, c - h);
                const double x1 = std::min(w, c);
                if (x1 > x0)
                    lines.append(QLineF(rect.left() + x0, rect.top() + c - x0, rect.left() + x1,
                                        rect.top() + c - x1));
            }
        }
    }
    return lines;
}

int GraphicsRectItemWithHatch::insulationLoopCount(const QRectF &rect, double spacing)
{
    if (rect.isEmpty() || !(spacing > 0))
        return 0;
    const double longer = std::max(rect.width(), rect.height());
    const double shorter = std::min(rect.width(), rect.height());
    // In a layer thinner than two screen pixels the wave would only fill it black, with loops
    // that grow in number as the layer gets thinner: a thousand thin layers would take the
    // drawing minutes. Such a sliver stays plain.
    if (shorter < MinimumWaveThickness * std::max(1.0, spacing))
        return 0;
    const double loops = std::floor(longer / shorter * std::max(3.0, spacing));
    return static_cast<int>(std::min(loops, 100000.0));
}

QPainterPath GraphicsRectItemWithHatch::insulationPath(const QRectF &rect, double spacing)
{
    QPainterPath path;
    const int n = insulationLoopCount(rect, spacing);
    if (n == 0)
        return path;
    // Built with x along the longer side and y across (side A at y = 0, side B at y = across),
    // then mapped onto the rectangle.
    const bool alongX = rect.width() >= rect.height();
    const double along = alongX ? rect.width() : rect.height();
    const double across = alongX ? rect.height() : rect.width();
    const double loop = along / n;
    // A quarter of the loop length lets the two lines of neighbouring loops cross half-way
    // across the layer, which gives the familiar coil of soft insulation.
    const double r = loop / 4;

    path.moveTo(0, across);
    for (int i = 0; i < n; ++i) {
        const double start = i * loop;
        const double middle = start + loop / 2;
        const double end = start + loop;
        // second half of the arc at side B that this loop shares with the previous one
        path.arcTo(QRectF(start - r, across - 2 * r, 2 * r, 2 * r), 270, -90);
        // line across, arc over side A, line back across
        path.arcTo(QRectF(middle - r, 0, 2 * r, 2 * r), 180, -180);
        // first half of the arc at side B shared with the next loop
        path.arcTo(QRectF(end - r, across - 2 * r, 2 * r, 2 * r), 0, -90);
    }

    const QTransform toRect = alongX ? QTransform::fromTranslate(rect.left(), rect.top())
                                     : QTransform(0, 1, 1, 0, rect.left(), rect.top());
    return toRect.map(path);
}

} // namespace QtExt
