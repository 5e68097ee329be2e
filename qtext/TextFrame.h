#pragma once

#include "qtext/LaidOutText.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;
class QPaintDevice;
class QTextDocument;

namespace QtExt {

/*! One block of rich text (HTML) that measures and paints itself at a given width: a paragraph
    of a report frame, an error block of the results panel, the tagline of the splash screen.

    The text takes its default font, style sheet and resources from a QTextDocument supplied by
    the owner (the report shares one document among all its frames) and keeps its layout (a
    LaidOutText) between its measurement and its paints, which parse nothing again. Widths are
    in device pixels of the paint device given.
*/
class TextFrame : public QObject
{
    Q_OBJECT
public:
    /*! The document must outlive the frame. */
    explicit TextFrame(QTextDocument *document, QObject *parent = nullptr);

    /*! Sets the HTML text; emits changed() when it differs. */
    void setText(const QString &html);
    const QString &text() const { return m_text; }
    /*! Background of the painted block (default white; Qt::transparent paints none). */
    void setBackgroundColor(const QColor &color) { m_backgroundColor = color; }
    /*! Colour of text without a colour of its own (default black). */
    void setTextColor(const QColor &color) { m_textColor = color; }
    /*! Default font of the document. */
    void setDefaultFont(const QFont &font);

    /*! The rectangle the text takes at the given width on the device (its width when width is
        not positive): (0, 0, ideal width, height); empty for an empty text. */
    QRectF frameRect(QPaintDevice *device, qreal width);
    /*! Paints the text with its top left corner at topLeft, laid out at the given width (the
        device's width when not positive). An empty text paints nothing. */
    void paint(QPainter *painter, const QPointF &topLeft, qreal width);
    /*! The link target under pos (relative to the frame's top left corner) when laid out for
        the device at the width; empty when there is none. */
    QString anchorAt(QPaintDevice *device, qreal width, const QPointF &pos);

signals:
    void changed();

private:
    /*! The text laid out for the device at the width; nullptr for an empty text. */
    QTextDocument *setUp(QPaintDevice *device, qreal width);

    QTextDocument *m_document;
    QString m_text;
    LaidOutText m_laidOut;
    QColor m_backgroundColor = Qt::white;
    QColor m_textColor = Qt::black;
};

} // namespace QtExt
