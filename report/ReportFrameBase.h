#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QImage;
class QPainter;
class QPaintDevice;
class QSizeF;
class QTextDocument;
struct ReportContent;

namespace QtExt {
class Table;
} // namespace QtExt

/*  One frame of the report: a block that lays itself out for a width (its height decides where
    the report breaks the page) and paints itself at a rectangle's top left corner.

    A frame is a vertical stack of parts (rich-text blocks, tables, pictures and gaps) that
    build() composes afresh for every layout from the report's content record; update() stacks
    them and print() paints them in the same order. The texts of every part are kept, so that the
    content of a frame can be read back as plain text (tests, accessibility).

    Every frame class declares its own translation context (its class name), so that its texts
    are found in the catalogues under the class that uses them.
*/
class ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(ReportFrameBase)

public:
    ReportFrameBase(const ReportContent &content, QTextDocument *document);
    virtual ~ReportFrameBase();

    /*! Lays the frame out for the width (device pixels) and stores its bounding rectangle. */
    virtual void update(QPaintDevice *device, double width);
    /*! Paints the frame with its top left corner at the rectangle's top left corner. */
    virtual void print(QPainter *painter, const QRectF &rect);

    const QRectF &boundingRect() const { return m_rect; }
    /*! The texts of the last layout, as plain text, one part per line. */
    QString plainText() const;

protected:
    /*! Appends the parts of the frame for the device and the width. */
    virtual void build(QPaintDevice *device, double width) = 0;

    /*! A block of rich text across the width (minus the indent). */
    void addText(const QString &html, double indent = 0);
    /*! A heading "<h2>...</h2>" followed by a small gap. */
    void addHeading(const QString &text);
    void addSubHeading(const QString &text);
    /*! A note in small print. */
    void addNote(const QString &html);
    /*! A table laid out across the width minus the indent; the frame owns it. */
    QtExt::Table *addTable(double indent = 0);
    /*! A picture of the given height painted by the function into its rectangle. */
    void addPicture(double height, std::function<void(QPainter *, const QRectF &)> paint,
                    const QStringList &texts = QStringList(), double extent = 0);
    /*! The image in the size at the right edge, taking no height of its own: it stands beside
        the parts that follow (a logo beside a table). */
    void addImageAtRight(const QImage &image, const QSizeF &size);
    /*! Narrows the last part by inset from the right (room for a picture beside it). */
    void setRightInset(double inset);
    void addGap(double height);
    /*! The height of a line of plain text, the unit of the gaps between parts. */
    double lineHeight() const;

    /*! A new table with the report's border settings (bordered: outer frame and grid) or
        without any lines. */
    QtExt::Table *makeTable(bool bordered);

    const ReportContent &m_content;
    QTextDocument *m_document;
    QRectF m_rect;
    double m_width = 0;

private:
    struct Part;
    std::vector<std::unique_ptr<Part>> m_parts;
};

/*  The small pieces of rich text that the frames share. */
namespace ReportFormat {

/*! The shade of the head rows of bordered tables and of the sub-headings of the summary. */
extern const QColor HeadShade;
/*! A verdict that fails is red. */
extern const char *const FailColor;

/*! "Mirelo 2 version 2.4.5" (context Report): the program and its one version, as header,
    footer and the PDF's creator name it. */
QString programText();
/*! "%L1" in fixed notation without group separators; a dash for a number that is not finite. */
QString number(double value, int decimals);
/*! A number in the locale's notation without group separators, as everywhere in the program. */
QString localNumber(double value, char format, int precision);
QString colored(const QString &text, const char *color);
QString bold(const QString &text);
/*! Text kept on one line: a table cell laid out at exactly its ideal width must not wrap. */
QString noWrap(const QString &html);
QString degreeC();
/*! A text the user typed, for a rich-text cell: never markup (every "<", ">" and "&" printed as
    typed), line breaks kept. */
QString userText(const QString &text);
/*! A two-column label/value table without lines, labels indented. */
QtExt::Table *labelValueRows(QtExt::Table *table, const QList<QPair<QString, QString>> &rows);

} // namespace ReportFormat
