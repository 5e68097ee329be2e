#pragma once

#include "qtext/LaidOutText.h"
#include "qtext/TableCell.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

class QPainter;
class QPaintDevice;
class QTextDocument;

namespace QtExt {

/*! A grid of rich-text cells with margins, grid lines, merged cells and fixed or automatic
    column widths and row heights, which lays itself out for a width and paints itself at a
    point: the tables of the report and of the results panel.

    Lengths set by the caller (margins, frame widths, table margin) are in units of the screen's
    logical resolution and are scaled by the paint device's logical resolution over the
    screen's, so that a table looks the same on screen and on a 600 dpi printer. Widths and
    heights of the layout (column widths, row heights, rectangles) are in device pixels.

    Column widths: every column gets its natural width (the widest text of its cells plus their
    margins; the fixed value for a fixed column); a merged cell wider than its columns widens
    its non-fixed columns equally. If the columns fit, the surplus over the number of columns is
    added to every automatic column; if not, the widest columns are capped first. Row heights:
    the highest text of the row at its column width plus margins; a merged cell higher than its
    rows heightens its non-fixed rows equally; when the table has a height, the free height is
    shared equally by the automatic rows, but rows never shrink below their text.

    Each cell keeps its text parsed and laid out (a LaidOutText) from its first measurement on:
    painting a laid-out table parses nothing.
*/
class Table : public QObject
{
    Q_OBJECT
public:
    /*! Width or height types of setColumnWidth() and setRowHeight(). */
    enum SizeType
    {
        Automatic = 0,   ///< natural size plus a share of the surplus
        Natural = 1,     ///< natural size
        Fixed = 2,       ///< the given value
        AutomaticAlt = 3 ///< as Automatic (a second code of the same behaviour)
    };

    /*! The document gives the cell texts their default font, style sheet and resources, and
        must outlive the table. */
    explicit Table(QTextDocument *document, QObject *parent = nullptr);

    /*! Re-creates all cells as empty copies with the default cell margin; nothing happens when
        the size is unchanged. value is a number the owner keeps with the table (the report keeps
        the frame's identifier there). */
    void setColsAndRows(int cols, int rows, int value = 0);
    int columnCount() const { return m_cols; }
    int rowCount() const { return m_rows; }
    int value() const { return m_value; }
    /*! No cells, no merged ranges. */
    void clear();

    TableCell &cell(int col, int row);
    const TableCell &cell(int col, int row) const;
    void setCellText(int col, int row, const QString &html,
                     Qt::Alignment alignment = Qt::AlignLeft);

    /*! Merges colCount columns and rowCount rows from (col, row) into one cell that shows the
        text of the first. Needs more than one cell; false, with nothing changed, when the
        range leaves the table or touches a cell of another merged range. */
    bool mergeCells(int col, int row, int colCount, int rowCount);

    /*! Types Fixed (with the value, device pixels) and Natural; Automatic is the default and
        cannot be set back. */
    void setColumnWidth(int col, SizeType type, qreal value = 0);
    void setRowHeight(int row, SizeType type, qreal value = 0);

    void setDefaultCellMargin(qreal margin);
    void setTableMargin(qreal margin);
    void setInnerFrameWidth(qreal width);
    void setOuterFrameWidth(qreal width);
    void setBackgroundColor(const QColor &color, bool alsoCells = false);
    /*! Width and height of the table in device pixels; a width below 1 takes the device's
        width, a height below 1 the height of the rows. */
    void setSize(const QSizeF &size);

    /*! Lays the table out for the device at the width (the table's or the device's width when
        not positive) and returns its rectangle. */
    QRectF boundingRect(QPaintDevice *device, qreal width = 0);
    /*! Paints the table with its top left corner at topLeft, laid out for the painter's device. */
    void paint(QPainter *painter, const QPointF &topLeft);

    /*! The link target under pos (relative to the table's top left corner, in the device
        pixels of the last layout); empty when there is none. */
    QString anchorAt(const QPointF &pos) const;

    /*! Column widths and row heights of the last layout, in device pixels. */
    const std::vector<qreal> &columnWidths() const { return m_colWidths; }
    const std::vector<qreal> &rowHeights() const { return m_rowHeights; }
    /*! Device logical resolution over the screen's, of the last layout. */
    qreal scale() const { return m_scale; }

private:
    struct MergedRange
    {
        int col, row, lastCol, lastRow;
        QRectF rect;
    };

    /*! What the layout depends on besides the cells and the width. */
    struct TextEnvironment
    {
        QFont font;
        QString styleSheet;
        int dpiX = 0;
        int dpiY = 0;
        bool operator==(const TextEnvironment &other) const
        {
            return dpiX == other.dpiX && dpiY == other.dpiY && font == other.font &&
                   styleSheet == other.styleSheet;
        }
        bool operator!=(const TextEnvironment &other) const { return !(*this == other); }
    };

    /*! Lays the table out for the device and the width. */
    void layout(QPaintDevice *device, qreal width);
    void layoutColumns(qreal available);
    void layoutRows();
    /*! Ideal width and height of the text of the cell at index (in m_cells) laid out at the
        width (-1: unconstrained). */
    QSizeF textSize(std::size_t index, qreal width) const;
    /*! The text of the cell at index laid out at the width for the device of the layout;
        nullptr for an empty text. */
    QTextDocument *cellDocument(std::size_t index, qreal width) const;
    void paintCell(QPainter *painter, std::size_t index,
                   const QAbstractTextDocumentLayout::PaintContext &context) const;
    /*! Lays the cell's text out as paintCell draws it; returns its document (nullptr for an
        empty text) and in offset the offset of the text within the cell. */
    QTextDocument *layOutCellText(std::size_t index, QPointF &offset) const;
    void invalidate() { m_layoutValid = false; }
    std::size_t indexOf(int col, int row) const
    {
        return std::size_t(col) * std::size_t(m_rows) + std::size_t(row);
    }
    /*! Cell access for the layout itself, which must not invalidate it. */
    const TableCell &at(int col, int row) const { return m_cells[indexOf(col, row)]; }

    QTextDocument *m_document;
    /*! The stand-in (LayoutDevice) of the device of the last layout. */
    QPaintDevice *m_layoutDevice = nullptr;
    qreal m_layoutWidth = -1;

    int m_cols = 0;
    int m_rows = 0;
    int m_value = 0;
    std::vector<TableCell> m_cells; ///< column by column
    /*! The laid-out texts, by the index of their cell. */
    mutable std::vector<LaidOutText> m_texts;
    TextEnvironment m_textEnvironment;
    /*! The device the texts are laid out for: the stand-in of that of the last layout. */
    QPaintDevice *m_textDevice = nullptr;
    std::vector<SizeType> m_colTypes;
    std::vector<qreal> m_colValues;
    std::vector<SizeType> m_rowTypes;
    std::vector<qreal> m_rowValues;
    std::vector<MergedRange> m_merged;

    QSizeF m_size;
    qreal m_tableMargin = 0;
    qreal m_innerFrameWidth = 0;
    qreal m_outerFrameWidth = 0;
    qreal m_defaultCellMargin = 0;
    QColor m_backgroundColor = Qt::white;
    qreal m_scale = 1;
    bool m_layoutValid = false;

    std::vector<qreal> m_colWidths;
    std::vector<qreal> m_rowHeights;
    QRectF m_rect; ///< the table, relative to its top left corner
};

} // namespace QtExt
