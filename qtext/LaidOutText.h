#pragma once

#include <QFont>
#include <QString>

#include <memory>

class QPaintDevice;
class QTextDocument;

namespace QtExt {

/*! One HTML text parsed into a text document of its own and laid out for a device at a width:
    the text of a table cell or a text frame, kept between its measurement and its paints.

    The document is set up like a source document that the owner supplies (the report shares
    one among all its frames): its default font, style sheet and text options, and images or
    style sheets named in the text are asked of the source, whose own resources and loading
    rules (the report's refuses everything) stay in force. The text is parsed again only when
    it, the source's default font or style sheet, or the device's resolution changes, and laid
    out again only at a new width; a device of the same resolution measures the same.
*/
class LaidOutText
{
public:
    LaidOutText();
    ~LaidOutText();
    LaidOutText(LaidOutText &&) noexcept;
    LaidOutText &operator=(LaidOutText &&) noexcept;

    /*! The document of html laid out at width (-1: unconstrained) for device, set up like
        source; nullptr for an empty text. Valid until the next call or the object's end. */
    QTextDocument *document(QTextDocument *source, const QString &html, QPaintDevice *device,
                            qreal width);

private:
    std::unique_ptr<QTextDocument> m_document;
    QString m_html;
    QFont m_font;
    QString m_styleSheet;
    int m_dpiX = 0;
    int m_dpiY = 0;
    qreal m_width = -1;
};

} // namespace QtExt
