#include "qtext/TextFrame.h"

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

bool TextFrame::setUp(QPaintDevice *device, qreal width)
{
    Q_ASSERT(device != nullptr);
    if (m_text.isEmpty())
        return false;
    // Fonts are measured in the device's resolution, so that a report laid out for a printer
    // breaks its lines where the printed page does.
    m_document->documentLayout()->setPaintDevice(device);
    m_document->setDocumentMargin(0);
    m_document->setTextWidth(width > 0 ? width : device->width());
    m_document->setHtml(m_text);
    return true;
}

QRectF TextFrame::frameRect(QPaintDevice *device, qreal width)
{
    if (!setUp(device, width))
        return QRectF();
    return QRectF(0, 0, m_document->idealWidth(), m_document->size().height());
}

void TextFrame::paint(QPainter *painter, const QPointF &topLeft, qreal width)
{
    Q_ASSERT(painter != nullptr);
    if (!setUp(painter->device(), width))
        return;
    painter->save();
    painter->translate(topLeft);
    const QRectF area(QPointF(0, 0), m_document->size());
    if (m_backgroundColor.alpha() > 0)
        painter->fillRect(area, m_backgroundColor);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, m_textColor);
    context.clip = area;
    m_document->documentLayout()->draw(painter, context);
    painter->restore();
}

QString TextFrame::anchorAt(QPaintDevice *device, qreal width, const QPointF &pos)
{
    if (!setUp(device, width))
        return QString();
    return m_document->documentLayout()->anchorAt(pos);
}

} // namespace QtExt
