#include "qtext/GraphicsTextItemInRect.h"

#include "qtext/LayoutDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextOption>

namespace QtExt {

GraphicsTextItemInRect::GraphicsTextItemInRect(const QString &text, QGraphicsItem *parent)
    : QGraphicsTextItem(parent)
{
    document()->setDocumentMargin(0);
    setPlainText(text);
}

void GraphicsTextItemInRect::setPaintDevice(QPaintDevice *device)
{
    // the stand-in, which outlives the device (an export's printer) that the item outlives
    document()->documentLayout()->setPaintDevice(LayoutDevice::of(device));
}

void GraphicsTextItemInRect::setAlignment(Qt::Alignment alignment)
{
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    document()->setDefaultTextOption(option);
}

void GraphicsTextItemInRect::setRect(const QRectF &rect)
{
    m_rect = rect;
    setTextWidth(rect.width());
    setPos(rect.topLeft());
}

QSizeF GraphicsTextItemInRect::textSize() const
{
    return document()->size();
}

} // namespace QtExt
