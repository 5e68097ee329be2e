// mkmanual: renders the user manual of one language from its Markdown chapters into an A4 PDF
// with a title page, a table of contents with page numbers, running headers and page numbers,
// and writes beside it a JSON index of the page on which every chapter anchor starts, so that the
// program can open the manual at the chapter of a help topic. Qt Gui only, no other toolchain.
//
//   mkmanual --source DIR --topics FILE --output FILE.pdf [--index FILE.json]
//            [--version TEXT] [--png DIR [--png-dpi N] [--png-pages 1,3-5]]
//
// DIR holds the chapters (*.md, taken in file-name order) and manual.ini (the texts of the title
// page, headers and footers in that language). Pictures are referenced as
// ![caption](images/name.png) relative to the parent of DIR; a picture that does not exist yet
// is left out, so the manual builds before the screenshots are made. A heading carries its
// stable anchor as a trailing {#name}. A name of the program's interface is written [[Name]]
// and set in italics.

#include <QAbstractTextDocumentLayout>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

// Geometry of the A4 page in millimetres.
constexpr double PageWidthMm = 210.0;
constexpr double PageHeightMm = 297.0;
constexpr double MarginLeftMm = 22.0;
constexpr double MarginRightMm = 20.0;
constexpr double MarginTopMm = 24.0; // body starts below the running header
constexpr double MarginBottomMm = 22.0;
constexpr int Resolution = 300; // dots per inch of the layout and of the PDF

const QColor HeadingColour(0x1f, 0x3a, 0x5f);
const QColor RuleColour(0x7f, 0x8c, 0x9d);
const QColor TableHeadColour(0xe4, 0xea, 0xf1);
const QColor CodeBackground(0xf2, 0xf2, 0xf2);

const char *SansFamily = "DejaVu Sans";
const char *SerifFamily = "DejaVu Serif";
const char *MonoFamily = "DejaVu Sans Mono";

/*! Millimetres in device pixels of the layout resolution: page geometry and painting. */
double mm(double millimetres)
{
    return millimetres * Resolution / 25.4;
}

/*! Millimetres in the CSS pixels (1/96 inch) of text formats: the document layout scales
    margins, paddings, borders and image sizes from 96 dpi to the device itself. */
double px(double millimetres)
{
    return millimetres * 96.0 / 25.4;
}

void fail(const QString &message)
{
    std::fprintf(stderr, "mkmanual: %s\n", qPrintable(message));
    std::exit(1);
}

QString readText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(f.readAll());
}

/*! Texts of one language that are not part of a chapter. */
struct LanguageTexts
{
    QString title;
    QString subtitle;
    QString tagline;
    QString versionLabel; // "%1" is the version
    QString contents;
    QString pageLabel; // "%1" is the page number
    QString footer;
};

LanguageTexts readLanguageTexts(const QString &sourceDir)
{
    // key=value lines; read by hand because QSettings would split values at commas.
    std::map<QString, QString> v;
    const QStringList lines = readText(sourceDir + QStringLiteral("/manual.ini")).split('\n');
    for (const QString &line : lines) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && !line.startsWith(QLatin1Char('#')))
            v[line.left(eq).trimmed()] = line.mid(eq + 1).trimmed();
    }
    const auto value = [&v](const char *key, const char *fallback) {
        const auto it = v.find(QLatin1String(key));
        return it != v.end() ? it->second : QString::fromLatin1(fallback);
    };
    LanguageTexts t;
    t.title = value("title", "Mirelo 2");
    t.subtitle = value("subtitle", "");
    t.tagline = value("tagline", "");
    t.versionLabel = value("version", "%1");
    t.contents = value("contents", "Contents");
    t.pageLabel = value("page", "%1");
    t.footer = value("footer", "");
    return t;
}

/*! One heading of the body: its level, its text, its anchor (may be empty) and the block. */
struct Heading
{
    int level = 0;
    QString text;
    QString anchor;
    QTextBlock block;
    int bodyPage = 0; // 0-based page of the body document
};

/*! A picture referenced from the Markdown; replaced by a marker paragraph before parsing. */
struct Picture
{
    QString caption;
    QImage image;
};

/*! Joins the chapters, takes the pictures out (a marker paragraph stays in their place) and
    leaves the text ready for QTextDocument::setMarkdown. */
QString prepareMarkdown(const QString &sourceDir, std::vector<Picture> &pictures)
{
    const QDir dir(sourceDir);
    const QStringList files = dir.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        fail(QStringLiteral("no chapters in %1").arg(sourceDir));
    const QString baseDir = QFileInfo(sourceDir).absolutePath(); // pictures are relative to it
    static const QRegularExpression imageLine(QStringLiteral(R"(^\s*!\[(.*)\]\((.+)\)\s*$)"));
    // [[Name]] marks a name of the interface (a menu, a button, a field; a menu path as
    // [[File › Open project…]]); the catalogue test checks each against the program's texts.
    // It reads in italics.
    static const QRegularExpression interfaceName(QStringLiteral(R"(\[\[([^\[\]]+)\]\])"));
    QString all;
    for (const QString &file : files) {
        const QStringList lines = readText(dir.filePath(file)).split(QLatin1Char('\n'));
        for (QString line : lines) {
            const QRegularExpressionMatch m = imageLine.match(line);
            if (!m.hasMatch()) {
                line.replace(interfaceName, QStringLiteral("*\\1*"));
                all += line + QLatin1Char('\n');
                continue;
            }
            const QString path = QDir(baseDir).filePath(m.captured(2));
            QImage image(path);
            if (image.isNull())
                continue; // not made yet: the chapter reads on without it
            pictures.push_back({m.captured(1), image});
            all += QStringLiteral("\nMKMANUALPICTURE%1\n\n").arg(pictures.size() - 1);
        }
        all += QLatin1Char('\n');
    }
    return all;
}

/*! Merges 'format' into every fragment of the block and into the block's own character format.
    The Markdown importer sizes headings by a relative size adjustment, which a merge cannot
    remove and which would override any point size, so it is cleared first. */
void setBlockCharFormat(QTextDocument &doc, QTextBlock block, const QTextCharFormat &format)
{
    std::vector<std::pair<int, int>> ranges;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
        ranges.emplace_back(it.fragment().position(), it.fragment().length());
    for (const auto &r : ranges) {
        QTextCursor c(&doc);
        c.setPosition(r.first);
        c.setPosition(r.first + r.second, QTextCursor::KeepAnchor);
        QTextCharFormat f = c.charFormat();
        f.clearProperty(QTextFormat::FontSizeAdjustment);
        f.merge(format);
        c.setCharFormat(f);
    }
    QTextCursor start(block);
    QTextCharFormat bf = block.charFormat();
    bf.clearProperty(QTextFormat::FontSizeAdjustment);
    bf.merge(format);
    start.setBlockCharFormat(bf);
}

/*! Gives the parsed Markdown the look of the manual and collects the headings with their
    anchors. */
std::vector<Heading> styleBody(QTextDocument &doc, const std::vector<Picture> &pictures,
                               double textWidth)
{
    static const QRegularExpression anchorTail(QStringLiteral(R"(\s*\{#([A-Za-z0-9_-]+)\}\s*$)"));
    static const QRegularExpression pictureMarker(QStringLiteral(R"(^MKMANUALPICTURE(\d+)$)"));
    std::vector<Heading> headings;
    bool first = true;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat bf = b.blockFormat();
        const int level = bf.headingLevel();
        const QRegularExpressionMatch pm = pictureMarker.match(b.text());
        if (pm.hasMatch()) {
            const Picture &pic = pictures.at(pm.captured(1).toInt());
            QTextCursor c(b);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            c.removeSelectedText();
            const QString name = QStringLiteral("picture%1").arg(pm.captured(1));
            doc.addResource(QTextDocument::ImageResource, QUrl(name), pic.image);
            // Screenshots are taken at about 96 dpi; never wider than the text.
            double w = pic.image.width();
            if (w > textWidth * 96.0 / Resolution)
                w = textWidth * 96.0 / Resolution;
            QTextImageFormat img;
            img.setName(name);
            img.setWidth(w);
            img.setHeight(w * pic.image.height() / pic.image.width());
            bf.setAlignment(Qt::AlignHCenter);
            bf.setTopMargin(px(2));
            bf.setBottomMargin(px(1));
            bf.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
            c.setBlockFormat(bf);
            c.insertImage(img);
            if (!pic.caption.isEmpty()) {
                QTextBlockFormat cf;
                cf.setAlignment(Qt::AlignHCenter);
                cf.setBottomMargin(px(3));
                QTextCharFormat cc;
                cc.setFontItalic(true);
                cc.setFontPointSize(8.5);
                c.insertBlock(cf, cc);
                c.insertText(pic.caption, cc);
                b = c.block();
            }
            continue;
        }
        if (level > 0) {
            Heading h;
            h.level = level;
            QString text = b.text();
            const QRegularExpressionMatch am = anchorTail.match(text);
            if (am.hasMatch()) {
                h.anchor = am.captured(1);
                QTextCursor c(b);
                c.setPosition(b.position() + am.capturedStart());
                c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
                c.removeSelectedText();
                text = b.text();
            }
            h.text = text;
            h.block = b;
            QTextCharFormat cf;
            cf.setFontFamily(QString::fromLatin1(SansFamily));
            cf.setFontWeight(QFont::Bold);
            cf.setForeground(HeadingColour);
            const double sizes[] = {0, 19, 13.5, 11, 10, 10, 10};
            cf.setFontPointSize(sizes[qBound(1, level, 6)]);
            setBlockCharFormat(doc, b, cf);
            bf.setTopMargin(level == 1 ? 0 : px(level == 2 ? 5 : 3.5));
            bf.setBottomMargin(px(level == 1 ? 6 : 2));
            if (level == 1 && !first)
                bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(b).setBlockFormat(bf);
            headings.push_back(h);
            first = false;
            continue;
        }
        const bool code = bf.nonBreakableLines() || b.charFormat().fontFixedPitch();
        const int quote = bf.property(QTextFormat::BlockQuoteLevel).toInt();
        if (quote > 0) {
            // Block quotes carry the equations: set off, centred, in the serif italic of
            // formula letters.
            bf.setLeftMargin(0);
            bf.setIndent(0);
            bf.setAlignment(Qt::AlignHCenter);
            bf.setTopMargin(px(1.5));
            bf.setBottomMargin(px(1.5));
            QTextCursor(b).setBlockFormat(bf);
        } else if (code) {
            bf.setBackground(CodeBackground);
            bf.setLeftMargin(px(3));
            bf.setTopMargin(0);
            bf.setBottomMargin(0);
            QTextCursor(b).setBlockFormat(bf);
            QTextCharFormat cf;
            cf.setFontFamily(QString::fromLatin1(MonoFamily));
            cf.setFontPointSize(8.5);
            setBlockCharFormat(doc, b, cf);
        } else {
            bf.setTopMargin(bf.topMargin() > 0 ? px(1.2) : 0);
            bf.setBottomMargin(bf.bottomMargin() > 0 ? px(1.8) : 0);
            QTextCursor(b).setBlockFormat(bf);
        }
    }
    // Cross references ([text](#anchor)) would become link annotations without a target in the
    // PDF; they stay as coloured text that names the chapter.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().anchorHref().startsWith(QLatin1Char('#')))
                continue;
            QTextCursor c(&doc);
            c.setPosition(fragment.position());
            c.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat f = fragment.charFormat();
            f.setAnchor(false);
            f.clearProperty(QTextFormat::AnchorHref);
            f.setForeground(HeadingColour);
            f.setFontUnderline(false);
            c.setCharFormat(f);
        }
    }
    // Tables: thin collapsed rules, shaded head row, full text width.
    const QList<QTextFrame *> frames = doc.rootFrame()->childFrames();
    for (QTextFrame *frame : frames) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat tf = table->format();
        tf.setBorder(px(0.15));
        tf.setBorderBrush(RuleColour);
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setBorderCollapse(true);
        tf.setCellSpacing(0);
        tf.setCellPadding(px(1.0));
        tf.setTopMargin(px(1.5));
        tf.setBottomMargin(px(3));
        tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        tf.setHeaderRowCount(1);
        table->setFormat(tf);
        for (int col = 0; col < table->columns(); ++col) {
            QTextTableCell cell = table->cellAt(0, col);
            QTextCharFormat cf = cell.format();
            cf.setBackground(TableHeadColour);
            cell.setFormat(cf);
        }
        QTextBlockFormat cellBlock;
        cellBlock.setTopMargin(0);
        cellBlock.setBottomMargin(0);
        for (int row = 0; row < table->rows(); ++row) {
            for (int col = 0; col < table->columns(); ++col) {
                QTextTableCell cell = table->cellAt(row, col);
                QTextCursor c = cell.firstCursorPosition();
                c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                c.setBlockFormat(cellBlock); // the first cell inherits the block before
                QTextCharFormat small;
                small.setFontPointSize(8.5);
                if (row == 0)
                    small.setFontWeight(QFont::Bold);
                c.mergeCharFormat(small);
            }
        }
    }
    return headings;
}

double blockTop(const QTextDocument &doc, const QTextBlock &block)
{
    const QRectF r = doc.documentLayout()->blockBoundingRect(block);
    const QTextLayout *layout = block.layout();
    if (layout && layout->lineCount() > 0)
        return r.top() + layout->lineAt(0).y();
    return r.top();
}

QString htmlEscaped(const QString &s)
{
    return s.toHtmlEscaped();
}

/*! Renders the pages of the manual; the same painting serves the PDF and the PNG previews. */
class Manual
{
public:
    Manual(const LanguageTexts &texts, QString version)
        : m_texts(texts)
        , m_version(version)
    {
    }

    void build(const QString &markdown, const std::vector<Picture> &pictures, QPaintDevice *device)
    {
        m_pageRect = QRectF(0, 0, mm(PageWidthMm), mm(PageHeightMm));
        m_body = QRectF(mm(MarginLeftMm), mm(MarginTopMm),
                        mm(PageWidthMm - MarginLeftMm - MarginRightMm),
                        mm(PageHeightMm - MarginTopMm - MarginBottomMm));
        setUpDocument(m_bodyDoc, device);
        m_bodyDoc.setMarkdown(markdown);
        m_headings = styleBody(m_bodyDoc, pictures, m_body.width());
        if (qEnvironmentVariableIsSet("MKMANUAL_DUMP")) {
            QFile dump(qEnvironmentVariable("MKMANUAL_DUMP"));
            if (dump.open(QIODevice::WriteOnly))
                dump.write(m_bodyDoc.toHtml().toUtf8());
        }
        m_bodyDoc.setPageSize(m_body.size());
        for (Heading &h : m_headings)
            h.bodyPage = int(blockTop(m_bodyDoc, h.block) / m_body.height());
        buildContents(device);
    }

    int pageCount() const { return 1 + m_contentsDoc.pageCount() + m_bodyDoc.pageCount(); }
    int firstBodyPage() const { return 2 + m_contentsDoc.pageCount(); } // 1-based

    /*! 1-based physical page of each anchor, the title page being page 1. */
    std::map<QString, int> anchorPages() const
    {
        std::map<QString, int> pages;
        pages[QStringLiteral("contents")] = 2;
        for (const Heading &h : m_headings)
            if (!h.anchor.isEmpty())
                pages[h.anchor] = firstBodyPage() + h.bodyPage;
        return pages;
    }

    std::vector<std::pair<QString, QString>> chapterTitles() const
    {
        std::vector<std::pair<QString, QString>> titles;
        for (const Heading &h : m_headings)
            if (h.level == 1)
                titles.emplace_back(h.anchor, h.text);
        return titles;
    }

    /*! Paints page 'page' (1-based) in device pixels of the layout resolution. */
    void paintPage(QPainter &p, int page) const
    {
        p.fillRect(m_pageRect, Qt::white);
        if (page == 1) {
            paintTitlePage(p);
            return;
        }
        const int contentsPages = m_contentsDoc.pageCount();
        QString running;
        const QTextDocument *doc = nullptr;
        int docPage = 0;
        if (page - 2 < contentsPages) {
            doc = &m_contentsDoc;
            docPage = page - 2;
            running = m_texts.contents;
        } else {
            doc = &m_bodyDoc;
            docPage = page - firstBodyPage();
            for (const Heading &h : m_headings)
                if (h.level == 1 && h.bodyPage <= docPage)
                    running = h.text;
        }
        paintFrame(p, page, running);
        p.save();
        p.translate(m_body.left(), m_body.top() - docPage * m_body.height());
        const QRectF clip(0, docPage * m_body.height(), m_body.width(), m_body.height());
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = clip;
        p.setClipRect(clip);
        doc->documentLayout()->draw(&p, ctx);
        p.restore();
    }

private:
    void setUpDocument(QTextDocument &doc, QPaintDevice *device) const
    {
        doc.documentLayout()->setPaintDevice(device);
        doc.setDocumentMargin(0);
        QFont body(QString::fromLatin1(SerifFamily));
        body.setPointSizeF(9.5);
        doc.setDefaultFont(body);
        doc.setUseDesignMetrics(true);
    }

    void buildContents(QPaintDevice *device)
    {
        // Page numbers of the body do not depend on the length of the contents, so the
        // contents are laid out once the body is.
        QString html = QStringLiteral("<h1 style=\"color:%1; font-family:'%2'; font-size:19pt\">%3"
                                      "</h1><table width=\"100%\" cellspacing=\"0\" "
                                      "cellpadding=\"3\">")
                           .arg(HeadingColour.name(), QString::fromLatin1(SansFamily),
                                htmlEscaped(m_texts.contents));
        setUpDocument(m_contentsDoc, device);
        m_contentsDoc.setPageSize(m_body.size());
        // The contents follow the title page, so the first body page is known only after the
        // contents are laid out; start from one page of contents and repeat if they grow.
        for (int contentsPages = 1;; ++contentsPages) {
            QString rows;
            const int first = 2 + contentsPages;
            int chapter = 0;
            for (const Heading &h : m_headings) {
                if (h.level > 2)
                    continue;
                const int page = first + h.bodyPage;
                if (h.level == 1) {
                    ++chapter;
                    rows += QStringLiteral("<tr><td style=\"padding-top:8px\"><b>%1&nbsp;&nbsp;"
                                           "%2</b></td><td align=\"right\" "
                                           "style=\"padding-top:8px\"><b>%3</b></td></tr>")
                                .arg(chapter)
                                .arg(htmlEscaped(h.text))
                                .arg(page);
                } else {
                    rows += QStringLiteral("<tr><td style=\"padding-left:22px\">%1</td>"
                                           "<td align=\"right\">%2</td></tr>")
                                .arg(htmlEscaped(h.text))
                                .arg(page);
                }
            }
            m_contentsDoc.setHtml(html + rows + QStringLiteral("</table>"));
            if (m_contentsDoc.pageCount() <= contentsPages)
                break;
        }
    }

    void paintFrame(QPainter &p, int page, const QString &running) const
    {
        p.save();
        QFont f(QString::fromLatin1(SansFamily));
        f.setPointSizeF(7.5);
        p.setFont(f);
        p.setPen(RuleColour);
        const double headerBase = mm(MarginTopMm - 9);
        const double footerTop = mm(PageHeightMm - MarginBottomMm + 8);
        const double l = m_body.left();
        const double r = m_body.right();
        p.drawLine(QPointF(l, headerBase), QPointF(r, headerBase));
        p.drawLine(QPointF(l, footerTop), QPointF(r, footerTop));
        const double lineH = mm(5);
        p.setPen(QColor(0x44, 0x44, 0x44));
        p.drawText(QRectF(l, headerBase - lineH, m_body.width(), lineH),
                   Qt::AlignLeft | Qt::AlignBottom,
                   m_texts.title + QStringLiteral(" – ") + m_texts.subtitle);
        p.drawText(QRectF(l, headerBase - lineH, m_body.width(), lineH),
                   Qt::AlignRight | Qt::AlignBottom, running);
        p.drawText(QRectF(l, footerTop, m_body.width(), lineH), Qt::AlignLeft | Qt::AlignVCenter,
                   m_texts.footer);
        p.drawText(QRectF(l, footerTop, m_body.width(), lineH), Qt::AlignRight | Qt::AlignVCenter,
                   m_texts.pageLabel.arg(page));
        p.restore();
    }

    void paintTitlePage(QPainter &p) const
    {
        p.save();
        const double l = m_body.left();
        const double w = m_body.width();
        p.fillRect(QRectF(0, mm(70), m_pageRect.width(), mm(3)), HeadingColour);
        QFont big(QString::fromLatin1(SansFamily));
        big.setBold(true);
        big.setPointSizeF(40);
        p.setFont(big);
        p.setPen(HeadingColour);
        p.drawText(QRectF(l, mm(85), w, mm(20)), Qt::AlignLeft | Qt::AlignVCenter, m_texts.title);
        QFont sub(QString::fromLatin1(SansFamily));
        sub.setPointSizeF(20);
        p.setFont(sub);
        p.drawText(QRectF(l, mm(106), w, mm(12)), Qt::AlignLeft | Qt::AlignVCenter,
                   m_texts.subtitle);
        QFont tag(QString::fromLatin1(SerifFamily));
        tag.setPointSizeF(12);
        tag.setItalic(true);
        p.setFont(tag);
        p.setPen(QColor(0x33, 0x33, 0x33));
        p.drawText(QRectF(l, mm(124), w, mm(20)), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   m_texts.tagline);
        QFont ver(QString::fromLatin1(SansFamily));
        ver.setPointSizeF(11);
        p.setFont(ver);
        p.drawText(QRectF(l, mm(250), w, mm(8)), Qt::AlignLeft | Qt::AlignVCenter,
                   m_texts.versionLabel.arg(m_version));
        p.fillRect(QRectF(0, mm(262), m_pageRect.width(), mm(1)), HeadingColour);
        p.restore();
    }

    LanguageTexts m_texts;
    QString m_version;
    QRectF m_pageRect;
    QRectF m_body;
    QTextDocument m_bodyDoc;
    QTextDocument m_contentsDoc;
    std::vector<Heading> m_headings;
};

/*! Help topics: "topic=anchor" lines (# starts a comment). */
std::map<int, QString> readTopics(const QString &path)
{
    std::map<int, QString> topics;
    const QStringList lines = readText(path).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        bool ok = false;
        const int topic = line.section(QLatin1Char('='), 0, 0).trimmed().toInt(&ok);
        const QString anchor = line.section(QLatin1Char('='), 1).trimmed();
        if (!ok || anchor.isEmpty())
            fail(QStringLiteral("%1: cannot read the line '%2'").arg(path, line));
        topics[topic] = anchor;
    }
    return topics;
}

std::vector<int> parsePageList(const QString &spec, int pageCount)
{
    std::vector<int> pages;
    if (spec.isEmpty()) {
        for (int i = 1; i <= pageCount; ++i)
            pages.push_back(i);
        return pages;
    }
    for (const QString &part : spec.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int from = part.section(QLatin1Char('-'), 0, 0).toInt();
        const int to =
            part.contains(QLatin1Char('-')) ? part.section(QLatin1Char('-'), 1).toInt() : from;
        for (int i = from; i <= to; ++i)
            if (i >= 1 && i <= pageCount)
                pages.push_back(i);
    }
    return pages;
}

void writeAtomically(const QString &path, const QByteArray &data)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

} // namespace

int main(int argc, char *argv[])
{
    // A build step: it must run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the Mirelo 2 manual to PDF."));
    parser.addHelpOption();
    const QCommandLineOption sourceOpt(QStringLiteral("source"), QStringLiteral("Chapter folder."),
                                       QStringLiteral("dir"));
    const QCommandLineOption topicsOpt(QStringLiteral("topics"),
                                       QStringLiteral("Help topics (topic=anchor)."),
                                       QStringLiteral("file"));
    const QCommandLineOption outputOpt(QStringLiteral("output"), QStringLiteral("PDF to write."),
                                       QStringLiteral("file"));
    const QCommandLineOption indexOpt(QStringLiteral("index"),
                                      QStringLiteral("JSON index (default: beside the PDF)."),
                                      QStringLiteral("file"));
    const QCommandLineOption versionOpt(QStringLiteral("version"),
                                        QStringLiteral("Program version."), QStringLiteral("text"));
    const QCommandLineOption pngOpt(QStringLiteral("png"),
                                    QStringLiteral("Also render pages as PNG into this folder."),
                                    QStringLiteral("dir"));
    const QCommandLineOption pngDpiOpt(QStringLiteral("png-dpi"),
                                       QStringLiteral("Resolution of the PNG pages (default 90)."),
                                       QStringLiteral("dpi"), QStringLiteral("90"));
    const QCommandLineOption pngPagesOpt(QStringLiteral("png-pages"),
                                         QStringLiteral("Pages to render, e.g. 1,3-5."),
                                         QStringLiteral("list"));
    parser.addOptions(
        {sourceOpt, topicsOpt, outputOpt, indexOpt, versionOpt, pngOpt, pngDpiOpt, pngPagesOpt});
    parser.process(app);
    if (!parser.isSet(sourceOpt) || !parser.isSet(outputOpt) || !parser.isSet(topicsOpt))
        parser.showHelp(2);

    const QString sourceDir = QDir(parser.value(sourceOpt)).absolutePath();
    const QString output = parser.value(outputOpt);
    QString indexPath = parser.value(indexOpt);
    if (indexPath.isEmpty())
        indexPath = QFileInfo(output).path() + QLatin1Char('/') +
                    QFileInfo(output).completeBaseName() + QStringLiteral(".json");
    const LanguageTexts texts = readLanguageTexts(sourceDir);
    const std::map<int, QString> topics = readTopics(parser.value(topicsOpt));

    std::vector<Picture> pictures;
    const QString markdown = prepareMarkdown(sourceDir, pictures);

    QDir().mkpath(QFileInfo(output).absolutePath());
    const QString partial = output + QStringLiteral(".part");
    int pages = 0;
    std::map<QString, int> anchors;
    std::vector<std::pair<QString, QString>> chapters;
    {
        QPdfWriter pdf(partial);
        pdf.setResolution(Resolution);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(texts.title + QStringLiteral(" – ") + texts.subtitle);
        pdf.setCreator(QStringLiteral("mkmanual"));

        Manual manual(texts, parser.value(versionOpt));
        manual.build(markdown, pictures, &pdf);
        pages = manual.pageCount();
        anchors = manual.anchorPages();
        chapters = manual.chapterTitles();

        for (const auto &t : topics)
            if (anchors.find(t.second) == anchors.end())
                fail(QStringLiteral("help topic %1 names the anchor '%2', which no heading of %3 "
                                    "carries")
                         .arg(t.first)
                         .arg(t.second, sourceDir));

        QPainter painter;
        if (!painter.begin(&pdf))
            fail(QStringLiteral("cannot write %1").arg(output));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int page = 1; page <= pages; ++page) {
            if (page > 1)
                pdf.newPage();
            manual.paintPage(painter, page);
        }
        painter.end();

        if (parser.isSet(pngOpt)) {
            const QString pngDir = parser.value(pngOpt);
            QDir().mkpath(pngDir);
            const double scale = parser.value(pngDpiOpt).toDouble() / Resolution;
            for (int page : parsePageList(parser.value(pngPagesOpt), pages)) {
                QImage image(qRound(mm(PageWidthMm) * scale), qRound(mm(PageHeightMm) * scale),
                             QImage::Format_RGB32);
                image.fill(Qt::white);
                // Fonts are sized for the layout resolution; the scale does the rest.
                image.setDotsPerMeterX(qRound(Resolution / 0.0254));
                image.setDotsPerMeterY(qRound(Resolution / 0.0254));
                QPainter ip(&image);
                ip.setRenderHint(QPainter::Antialiasing);
                ip.setRenderHint(QPainter::TextAntialiasing);
                ip.setRenderHint(QPainter::SmoothPixmapTransform);
                ip.scale(scale, scale);
                manual.paintPage(ip, page);
                ip.end();
                image.save(QStringLiteral("%1/page-%2.png")
                               .arg(pngDir)
                               .arg(page, 3, 10, QLatin1Char('0')));
            }
        }
    }
    QFile::remove(output);
    if (!QFile::rename(partial, output))
        fail(QStringLiteral("cannot write %1").arg(output));

    QJsonObject anchorsJson;
    for (const auto &a : anchors)
        anchorsJson.insert(a.first, a.second);
    QJsonArray topicsJson;
    for (const auto &t : topics)
        topicsJson.append(QJsonObject{{QStringLiteral("topic"), t.first},
                                      {QStringLiteral("anchor"), t.second},
                                      {QStringLiteral("page"), anchors.at(t.second)}});
    QJsonArray chaptersJson;
    for (const auto &c : chapters)
        chaptersJson.append(QJsonObject{
            {QStringLiteral("anchor"), c.first},
            {QStringLiteral("title"), c.second},
            {QStringLiteral("page"), anchors.count(c.first) ? anchors.at(c.first) : 0}});
    const QJsonObject index{{QStringLiteral("document"), QFileInfo(output).fileName()},
                            {QStringLiteral("pages"), pages},
                            {QStringLiteral("anchors"), anchorsJson},
                            {QStringLiteral("chapters"), chaptersJson},
                            {QStringLiteral("topics"), topicsJson}};
    writeAtomically(indexPath, QJsonDocument(index).toJson(QJsonDocument::Indented));
    return 0;
}
