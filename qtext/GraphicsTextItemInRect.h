#pragma once

#include <QGraphicsTextItem>
#include <QRectF>

class QPaintDevice;

namespace QtExt {

/*! A text item that keeps its text inside a given rectangle: the text is laid out (and wrapped)
    to the rectangle's width, and the item is placed at the rectangle's top left corner. The
    rectangle is in the item's parent coordinates before any transformation of the item (a
    rotated name is laid out in an unrotated rectangle and then turned).

    Text is measured for a paint device when one is given, so that a sketch laid out for a printer
    breaks its lines where the printout does. The document has no margin. */
class GraphicsTextItemInRect : public QGraphicsTextItem
{
public:
    explicit GraphicsTextItemInRect(const QString &text, QGraphicsItem *parent = nullptr);

    /*! Lays the text out for the device (nullptr: the screen). */
    void setPaintDevice(QPaintDevice *device);
    /*! Aligns the text within the layout width (Qt::AlignLeft, AlignHCenter, AlignRight). */
    void setAlignment(Qt::Alignment alignment);
    /*! Sets the rectangle: text width = rectangle width, position = its top left corner. */
    void setRect(const QRectF &rect);
    const QRectF &rect() const { return m_rect; }
    /*! Size of the laid-out text (width of the layout, height of all lines). */
    QSizeF textSize() const;

private:
    QRectF m_rect;
};

} // namespace QtExt
