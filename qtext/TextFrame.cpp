#include "qtext/TextFrame.h"

#include "qtext/LayoutDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace QtExt {

TextFrame::TextFrame(QTextDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    Q_ASSERT(document != nullptr);
}

void TextFrame::setText(const QString &html)
{
    if (html == m_text)
        return;
    m_text = html;
    emit changed();
}

void TextFrame::setDefaultFont(const QFont &font)
{
    m_document->setDefaultFont(font);
}

QTextDocument *TextFrame::setUp(QPaintDevice *device, qreal width)
{
    Q_ASSERT(device != nullptr);
    if (m_text.isEmpty())
        return nullptr;
    // Fonts are measured in the device's resolution, so that a report laid out for a printer
    // breaks its lines where the printed page does. The shared document measures for the
    // device too, as its owner may expect. Both keep the device's stand-in, which outlives it.
    QPaintDevice *const standIn = LayoutDevice::of(device);
    m_document->documentLayout()->setPaintDevice(standIn);
    return m_laidOut.document(m_document, m_text, standIn, width > 0 ? width : device->width());
}

QRectF TextFrame::frameRect(QPaintDevice *device, qreal width)
{
    const QTextDocument *doc = setUp(device, width);
    if (!doc)
        return QRectF();
    return QRectF(0, 0, doc->idealWidth(), doc->size().height());
}

void TextFrame::paint(QPainter *painter, const QPointF &topLeft, qreal width)
{
    Q_ASSERT(painter != nullptr);
    QTextDocument *doc = setUp(painter->device(), width);
    if (!doc)
        return;
    painter->save();
    painter->translate(topLeft);
    const QRectF area(QPointF(0, 0), doc->size());
    if (m_backgroundColor.alpha() > 0)
        painter->fillRect(area, m_backgroundColor);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, m_textColor);
    context.clip = area;
    doc->documentLayout()->draw(painter, context);
    painter->restore();
}

QString TextFrame::anchorAt(QPaintDevice *device, qreal width, const QPointF &pos)
{
    const QTextDocument *doc = setUp(device, width);
    if (!doc)
        return QString();
    return doc->documentLayout()->anchorAt(pos);
}

} // namespace QtExt
