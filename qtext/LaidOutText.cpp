#include "qtext/LaidOutText.h"

#include "qtext/LayoutDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QHash>
#include <QPaintDevice>
#include <QPointer>
#include <QTextDocument>
#include <QUrl>

#include <list>

namespace QtExt {

/*  The document of one text, with what it was made for. It asks its source for every resource,
    as if the source laid the text out itself. */
class LaidOutText::Document : public QTextDocument
{
public:
    Document(QTextDocument *source, const QString &html, QPaintDevice *device)
        : m_source(source)
        , html(html)
        , font(source->defaultFont())
        , styleSheet(source->defaultStyleSheet())
        , dpiX(device->logicalDpiX())
        , dpiY(device->logicalDpiY())
    {
    }

    QTextDocument *source() const { return m_source; }
    bool isFor(const QTextDocument *source, const QString &text, const QPaintDevice *device) const
    {
        return m_source == source && text == html && device->logicalDpiX() == dpiX &&
               device->logicalDpiY() == dpiY && source->defaultFont() == font &&
               source->defaultStyleSheet() == styleSheet;
    }

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        return m_source ? m_source->resource(type, name) : QVariant();
    }

private:
    QPointer<QTextDocument> m_source;

public:
    const QString html;
    const QFont font;
    const QString styleSheet;
    const int dpiX;
    const int dpiY;
    qreal width = -1; ///< the width it is laid out at
    QSizeF natural;   ///< ideal width and height at no width; invalid until measured
};

namespace {

/*  The documents a source's texts let go of, the least recently given first; a child of the
    source, it ends with it. */
class TextKeep : public QObject
{
    Q_OBJECT

public:
    using Document = std::unique_ptr<QTextDocument>;

    explicit TextKeep(QTextDocument *source)
        : QObject(source)
    {
        setObjectName(QLatin1String(Name));
    }

    static TextKeep *of(QTextDocument *source, bool make)
    {
        auto *keep = source->findChild<TextKeep *>(QLatin1String(Name), Qt::FindDirectChildrenOnly);
        return keep || !make ? keep : new TextKeep(source);
    }

    /*! The kept document that matches, taken out of the keep; nullptr when there is none. */
    template <typename Match>
    Document take(const QString &html, Match matches)
    {
        for (auto it = m_byText.find(html); it != m_byText.end() && it.key() == html; ++it) {
            const auto entry = it.value();
            if (!matches(entry->get()))
                continue;
            Document doc = std::move(*entry);
            m_byText.erase(it);
            m_order.erase(entry);
            return doc;
        }
        return nullptr;
    }

    void give(const QString &html, Document doc)
    {
        m_order.push_back(std::move(doc));
        m_byText.insert(html, std::prev(m_order.end()));
        if (m_order.size() <= Capacity)
            return;
        // the least recently used goes
        const auto oldest = m_order.begin();
        for (auto it = m_byText.begin(); it != m_byText.end(); ++it)
            if (it.value() == oldest) {
                m_byText.erase(it);
                break;
            }
        m_order.pop_front();
    }

private:
    static constexpr const char *Name = "QtExt::TextKeep";
    /*! Some reports' worth of texts; a document of a short text is a few kilobytes. */
    static constexpr std::size_t Capacity = 600;
    std::list<Document> m_order;
    QMultiHash<QString, std::list<Document>::iterator> m_byText;
};

} // namespace

LaidOutText::LaidOutText() = default;

LaidOutText::~LaidOutText()
{
    release();
}

LaidOutText::LaidOutText(LaidOutText &&other) noexcept = default;

LaidOutText &LaidOutText::operator=(LaidOutText &&other) noexcept
{
    if (this != &other) {
        release();
        m_document = std::move(other.m_document);
    }
    return *this;
}

void LaidOutText::release()
{
    if (!m_document)
        return;
    if (QTextDocument *source = m_document->source()) {
        const QString html = m_document->html;
        TextKeep::of(source, true)->give(html, std::move(m_document));
    }
    m_document.reset();
}

LaidOutText::Document *LaidOutText::find(QTextDocument *source, const QString &html,
                                         QPaintDevice *device)
{
    if (m_document && m_document->isFor(source, html, device))
        return m_document.get();
    release();
    if (TextKeep *keep = TextKeep::of(source, false)) {
        std::unique_ptr<QTextDocument> kept = keep->take(html, [&](const QTextDocument *doc) {
            return static_cast<const Document *>(doc)->isFor(source, html, device);
        });
        m_document.reset(static_cast<Document *>(kept.release()));
    }
    return m_document.get();
}

QTextDocument *LaidOutText::document(QTextDocument *source, const QString &html,
                                     QPaintDevice *device, qreal width)
{
    Q_ASSERT(source != nullptr && device != nullptr);
    // the document keeps the device's stand-in, which outlives the device
    device = LayoutDevice::of(device);
    if (html.isEmpty()) {
        release();
        return nullptr;
    }
    Document *doc = find(source, html, device);
    if (!doc) {
        m_document.reset(new Document(source, html, device));
        doc = m_document.get();
        doc->setUndoRedoEnabled(false);
        doc->setDefaultFont(doc->font);
        doc->setDefaultStyleSheet(doc->styleSheet);
        doc->setDefaultTextOption(source->defaultTextOption());
        doc->setUseDesignMetrics(source->useDesignMetrics());
        doc->setIndentWidth(source->indentWidth());
        doc->setDocumentMargin(0);
        doc->documentLayout()->setPaintDevice(device);
        // the width first: parsing then lays the text out once, at that width
        doc->setTextWidth(width);
        doc->setHtml(html);
        doc->width = width;
    } else {
        // a device of the same resolution (the next PDF writer) measures the same: it has the
        // same stand-in
        if (doc->documentLayout()->paintDevice() != device)
            doc->documentLayout()->setPaintDevice(device);
        if (doc->width != width) {
            doc->setTextWidth(width);
            doc->width = width;
        }
    }
    if (width < 0 && !doc->natural.isValid())
        doc->natural = QSizeF(doc->idealWidth(), doc->size().height());
    return doc;
}

QSizeF LaidOutText::size(QTextDocument *source, const QString &html, QPaintDevice *device,
                         qreal width)
{
    if (html.isEmpty()) {
        release();
        return QSizeF(0, 0);
    }
    device = LayoutDevice::of(device);
    if (width < 0) {
        const Document *doc = find(source, html, device);
        if (doc && doc->natural.isValid())
            return doc->natural;
    }
    const QTextDocument *doc = document(source, html, device, width);
    return QSizeF(doc->idealWidth(), doc->size().height());
}

} // namespace QtExt

#include "LaidOutText.moc"
