#pragma once

#include <QSizeF>
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

    A document let go of (a new text, the end of the object) is kept by the source, up to a
    few hundred texts, for the next LaidOutText that asks for the same text: the report of the
    next project of a --report-dir run, or a panel rebuilt after an edit, finds most of its
    labels parsed and laid out. Its natural size (laid out at no width) is kept with it.
*/
class LaidOutText
{
public:
    LaidOutText();
    ~LaidOutText();
    LaidOutText(LaidOutText &&other) noexcept;
    LaidOutText &operator=(LaidOutText &&other) noexcept;

    /*! The document of html laid out at width (-1: unconstrained) for device, set up like
        source; nullptr for an empty text. Valid until the next call or the object's end. */
    QTextDocument *document(QTextDocument *source, const QString &html, QPaintDevice *device,
                            qreal width);
    /*! Ideal width and height of html laid out at width for device, as document() would give
        them; (0, 0) for an empty text. At no width (-1) a size measured before is reused
        without laying the text out again. */
    QSizeF size(QTextDocument *source, const QString &html, QPaintDevice *device, qreal width);

private:
    class Document;
    /*! The document of html for the source and the device's resolution, from this object or
        from the source's keep; nullptr when there is none yet. */
    Document *find(QTextDocument *source, const QString &html, QPaintDevice *device);
    /*! Gives the document to its source's keep, or deletes it when the source is gone. */
    void release();

    std::unique_ptr<Document> m_document;
};

} // namespace QtExt
