#include "qtext/LaidOutText.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPointer>
#include <QTextDocument>
#include <QUrl>

namespace QtExt {

namespace {

/*  A document that asks its source for every resource, as if the source laid the text out. */
class SourcedDocument : public QTextDocument
{
public:
    explicit SourcedDocument(QTextDocument *source)
        : m_source(source)
    {
    }

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        return m_source ? m_source->resource(type, name) : QVariant();
    }

private:
    QPointer<QTextDocument> m_source;
};

} // namespace

LaidOutText::LaidOutText() = default;
LaidOutText::~LaidOutText() = default;
LaidOutText::LaidOutText(LaidOutText &&) noexcept = default;
LaidOutText &LaidOutText::operator=(LaidOutText &&) noexcept = default;

QTextDocument *LaidOutText::document(QTextDocument *source, const QString &html,
                                     QPaintDevice *device, qreal width)
{
    Q_ASSERT(source != nullptr && device != nullptr);
    if (html.isEmpty()) {
        m_document.reset();
        m_html.clear();
        return nullptr;
    }
    const int dpiX = device->logicalDpiX();
    const int dpiY = device->logicalDpiY();
    if (!m_document || html != m_html || dpiX != m_dpiX || dpiY != m_dpiY ||
        source->defaultFont() != m_font || source->defaultStyleSheet() != m_styleSheet) {
        m_html = html;
        m_font = source->defaultFont();
        m_styleSheet = source->defaultStyleSheet();
        m_dpiX = dpiX;
        m_dpiY = dpiY;
        m_document.reset(new SourcedDocument(source));
        QTextDocument &doc = *m_document;
        doc.setUndoRedoEnabled(false);
        doc.setDefaultFont(m_font);
        doc.setDefaultStyleSheet(m_styleSheet);
        doc.setDefaultTextOption(source->defaultTextOption());
        doc.setUseDesignMetrics(source->useDesignMetrics());
        doc.setIndentWidth(source->indentWidth());
        doc.setDocumentMargin(0);
        doc.documentLayout()->setPaintDevice(device);
        // the width first: parsing then lays the text out once, at that width
        doc.setTextWidth(width);
        doc.setHtml(html);
        m_width = width;
        return &doc;
    }
    QTextDocument &doc = *m_document;
    // a device of the same resolution (the next PDF writer) measures the same
    if (doc.documentLayout()->paintDevice() != device)
        doc.documentLayout()->setPaintDevice(device);
    if (width != m_width) {
        doc.setTextWidth(width);
        m_width = width;
    }
    return &doc;
}

} // namespace QtExt
