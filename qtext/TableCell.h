#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

namespace QtExt {

/*! One cell of a Table: rich text with its alignment, four margins, a background, and the
    rectangle the table's layout gave it. Lengths are in the table's millimetre-like units
    (scaled to the device when laid out). */
class TableCell
{
public:
    /*! Bits of the margin mask of setMargin(). */
    enum MarginSide
    {
        Left = 1,
        Right = 2,
        Top = 4,
        Bottom = 8,
        AllSides = 15
    };

    /*! The HTML text and its horizontal alignment (Qt::AlignLeft or Qt::AlignRight, optionally
        with a vertical flag, Qt::AlignVCenter or Qt::AlignBottom; top otherwise). */
    void setText(const QString &html, Qt::Alignment alignment = Qt::AlignLeft);
    const QString &text() const { return m_text; }
    Qt::Alignment alignment() const { return m_alignment; }

    /*! Sets the margins of the sides in the mask (see MarginSide); negative values count as 0. */
    void setMargin(int sides, qreal value);
    qreal margin(MarginSide side) const;

    void setBackgroundColor(const QColor &color) { m_backgroundColor = color; }
    const QColor &backgroundColor() const { return m_backgroundColor; }

    /*! Text laid out along the height, read from bottom to top (narrow column heads). */
    void setVerticalText(bool vertical) { m_verticalText = vertical; }
    bool verticalText() const { return m_verticalText; }

    /*! Covered by a merged range; laid out with the range, not on its own. */
    bool isMerged() const { return m_merged; }
    /*! The rectangle of the text after the last layout, in device pixels relative to the
        table's top left corner (for vertical text: before the rotation). */
    const QRectF &rect() const { return m_rect; }

private:
    friend class Table;

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    qreal m_margins[4] = {0, 0, 0, 0}; ///< left, right, top, bottom
    QColor m_backgroundColor = Qt::transparent;
    bool m_verticalText = false;
    bool m_merged = false;
    QRectF m_rect;
};

} // namespace QtExt
