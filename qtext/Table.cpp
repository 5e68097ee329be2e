#include "qtext/Table.h"

#include "qtext/LayoutDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace QtExt {

namespace {

bool automatic(Table::SizeType type)
{
    return type == Table::Automatic || type == Table::AutomaticAlt;
}

// Logical resolution of the screen the lengths are given for; 96 dpi without a screen.
qreal screenDpi()
{
    const QScreen *screen = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TableCell
// ---------------------------------------------------------------------------------------------

void TableCell::setText(const QString &html, Qt::Alignment alignment)
{
    m_text = html;
    m_alignment = alignment;
}

void TableCell::setMargin(int sides, qreal value)
{
    value = std::max<qreal>(value, 0);
    for (int side = 0; side < 4; ++side)
        if (sides & (1 << side))
            m_margins[side] = value;
}

qreal TableCell::margin(MarginSide side) const
{
    switch (side) {
    case Left:
        return m_margins[0];
    case Right:
        return m_margins[1];
    case Top:
        return m_margins[2];
    case Bottom:
        return m_margins[3];
    case AllSides:
        break;
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Table
// ---------------------------------------------------------------------------------------------

Table::Table(QTextDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    Q_ASSERT(document != nullptr);
}

void Table::setColsAndRows(int cols, int rows, int value)
{
    Q_ASSERT(cols >= 0 && rows >= 0);
    m_value = value;
    if (cols == m_cols && rows == m_rows)
        return;
    m_cols = cols;
    m_rows = rows;
    TableCell prototype;
    prototype.setMargin(TableCell::AllSides, m_defaultCellMargin);
    m_cells.assign(std::size_t(cols) * std::size_t(rows), prototype);
    m_texts.clear();
    m_colTypes.assign(std::size_t(cols), Automatic);
    m_colValues.assign(std::size_t(cols), 0);
    m_rowTypes.assign(std::size_t(rows), Automatic);
    m_rowValues.assign(std::size_t(rows), 0);
    m_merged.clear();
    invalidate();
}

void Table::clear()
{
    m_cols = m_rows = 0;
    m_cells.clear();
    m_texts.clear();
    m_colTypes.clear();
    m_colValues.clear();
    m_rowTypes.clear();
    m_rowValues.clear();
    m_merged.clear();
    invalidate();
}

TableCell &Table::cell(int col, int row)
{
    Q_ASSERT_X(col < m_cols, "Table::cell", "col < m_cols");
    Q_ASSERT_X(row < m_rows, "Table::cell", "row < m_rows");
    invalidate();
    return m_cells[std::size_t(col) * std::size_t(m_rows) + std::size_t(row)];
}

const TableCell &Table::cell(int col, int row) const
{
    Q_ASSERT_X(col < m_cols, "Table::cell", "col < m_cols");
    Q_ASSERT_X(row < m_rows, "Table::cell", "row < m_rows");
    return m_cells[std::size_t(col) * std::size_t(m_rows) + std::size_t(row)];
}

void Table::setCellText(int col, int row, const QString &html, Qt::Alignment alignment)
{
    cell(col, row).setText(html, alignment);
}

bool Table::mergeCells(int col, int row, int colCount, int rowCount)
{
    Q_ASSERT_X(colCount > 1 || rowCount > 1, "Table::mergeCells", "numCols > 1 || numRows > 1");
    if (col < 0 || row < 0 || colCount < 1 || rowCount < 1 || col + colCount > m_cols ||
        row + rowCount > m_rows || (colCount < 2 && rowCount < 2))
        return false;
    for (int c = col; c < col + colCount; ++c)
        for (int r = row; r < row + rowCount; ++r)
            if (cell(c, r).m_merged)
                return false;
    for (int c = col; c < col + colCount; ++c)
        for (int r = row; r < row + rowCount; ++r)
            cell(c, r).m_merged = true;
    m_merged.push_back({col, row, col + colCount - 1, row + rowCount - 1, QRectF()});
    invalidate();
    return true;
}

void Table::setColumnWidth(int col, SizeType type, qreal value)
{
    Q_ASSERT(col >= 0 && col < m_cols);
    if (automatic(type))
        return;
    m_colTypes[std::size_t(col)] = type;
    if (type == Fixed)
        m_colValues[std::size_t(col)] = value;
    invalidate();
}

void Table::setRowHeight(int row, SizeType type, qreal value)
{
    Q_ASSERT(row >= 0 && row < m_rows);
    if (automatic(type))
        return;
    m_rowTypes[std::size_t(row)] = type;
    if (type == Fixed)
        m_rowValues[std::size_t(row)] = value;
    invalidate();
}

void Table::setDefaultCellMargin(qreal margin)
{
    m_defaultCellMargin = std::max<qreal>(margin, 0);
    for (TableCell &c : m_cells)
        c.setMargin(TableCell::AllSides, m_defaultCellMargin);
    invalidate();
}

void Table::setTableMargin(qreal margin)
{
    m_tableMargin = std::max<qreal>(margin, 0);
    invalidate();
}

void Table::setInnerFrameWidth(qreal width)
{
    m_innerFrameWidth = std::max<qreal>(width, 0);
    invalidate();
}

void Table::setOuterFrameWidth(qreal width)
{
    m_outerFrameWidth = std::max<qreal>(width, 0);
    invalidate();
}

void Table::setBackgroundColor(const QColor &color, bool alsoCells)
{
    m_backgroundColor = color;
    if (alsoCells)
        for (TableCell &c : m_cells)
            c.setBackgroundColor(color);
}

void Table::setSize(const QSizeF &size)
{
    Q_ASSERT_X(size.width() >= 0, "Table::setSize", "width >= 0");
    // the same size again (a panel sizes its tables before each paint) keeps the layout
    if (size == m_size)
        return;
    m_size = size;
    invalidate();
}

QTextDocument *Table::cellDocument(std::size_t index, qreal width) const
{
    if (m_texts.size() != m_cells.size())
        m_texts.resize(m_cells.size());
    return m_texts[index].document(m_document, m_cells[index].m_text, m_textDevice, width);
}

QSizeF Table::textSize(std::size_t index, qreal width) const
{
    if (m_texts.size() != m_cells.size())
        m_texts.resize(m_cells.size());
    const QSizeF size = m_texts[index].size(m_document, m_cells[index].m_text, m_textDevice, width);
    // Vertical text runs along the height: its extent across is the line height.
    return m_cells[index].m_verticalText ? size.transposed() : size;
}

QRectF Table::boundingRect(QPaintDevice *device, qreal width)
{
    layout(device, width);
    return m_rect;
}

void Table::layout(QPaintDevice *device, qreal width)
{
    Q_ASSERT_X(device != nullptr, "Table::layout", "device != nullptr");
    if (width <= 0)
        width = m_size.width() >= 1 ? m_size.width() : device->width();
    // From here on the texts are measured for the device's stand-in, which outlives it.
    device = LayoutDevice::of(device);
    TextEnvironment environment{m_document->defaultFont(), m_document->defaultStyleSheet(),
                                device->logicalDpiX(), device->logicalDpiY()};
    if (environment != m_textEnvironment) {
        m_textEnvironment = std::move(environment);
        invalidate();
    }
    m_textDevice = device;
    if (m_layoutValid && device == m_layoutDevice && width == m_layoutWidth)
        return;
    m_scale = device->logicalDpiX() / screenDpi();
    // The shared document measures for the device, as the table's owner may expect.
    m_document->documentLayout()->setPaintDevice(device);

    qreal available = width - 2 * m_tableMargin * m_scale;
    Q_ASSERT_X(available > 0, "Table::layout", "tablewidth > 0");
    available = std::max<qreal>(available, 0);
    layoutColumns(available);
    layoutRows();

    // Rectangles: columns and rows inset by the cell margins and the grid line.
    const qreal origin = m_tableMargin * m_scale;
    std::vector<qreal> x(std::size_t(m_cols) + 1, origin), y(std::size_t(m_rows) + 1, origin);
    for (int c = 0; c < m_cols; ++c)
        x[std::size_t(c) + 1] = x[std::size_t(c)] + m_colWidths[std::size_t(c)];
    for (int r = 0; r < m_rows; ++r)
        y[std::size_t(r) + 1] = y[std::size_t(r)] + m_rowHeights[std::size_t(r)];
    const qreal inner = m_innerFrameWidth * m_scale;
    auto inset = [&](const TableCell &cell, const QRectF &area) {
        return area.adjusted(
            (cell.m_margins[0] * m_scale + inner), (cell.m_margins[2] * m_scale + inner),
            -(cell.m_margins[1] * m_scale + inner), -(cell.m_margins[3] * m_scale + inner));
    };
    for (int c = 0; c < m_cols; ++c)
        for (int r = 0; r < m_rows; ++r) {
            TableCell &tc = m_cells[std::size_t(c) * std::size_t(m_rows) + std::size_t(r)];
            const QRectF area(QPointF(x[std::size_t(c)], y[std::size_t(r)]),
                              QPointF(x[std::size_t(c) + 1], y[std::size_t(r) + 1]));
            tc.m_rect = inset(tc, area);
        }
    for (MergedRange &m : m_merged) {
        m.rect = QRectF(QPointF(x[std::size_t(m.col)], y[std::size_t(m.row)]),
                        QPointF(x[std::size_t(m.lastCol) + 1], y[std::size_t(m.lastRow) + 1]));
        TableCell &anchor = m_cells[std::size_t(m.col) * std::size_t(m_rows) + std::size_t(m.row)];
        anchor.m_rect = inset(anchor, m.rect);
    }
    m_rect = QRectF(0, 0, x.back() + origin, y.back() + origin);
    m_layoutDevice = device;
    m_layoutWidth = width;
    m_layoutValid = true;
}

void Table::layoutColumns(qreal available)
{
    const qreal s = m_scale;
    const qreal inner = m_innerFrameWidth;
    m_colWidths.assign(std::size_t(m_cols), 0);
    for (int c = 0; c < m_cols; ++c) {
        if (m_colTypes[std::size_t(c)] == Fixed) {
            m_colWidths[std::size_t(c)] = m_colValues[std::size_t(c)];
            continue;
        }
        qreal margins = 0, text = 0;
        for (int r = 0; r < m_rows; ++r) {
            const TableCell &tc = at(c, r);
            if (tc.m_merged)
                continue;
            margins = std::max(margins, tc.m_margins[0] + tc.m_margins[1]);
            text = std::max(text, textSize(indexOf(c, r), -1).width());
        }
        // The ideal width is fractional; laid out again at exactly that width, a text can
        // break at its last break opportunity (the decimal comma of "0,281") and lose the rest
        // under the row's height. Whole pixels plus one keep a natural column on one line.
        m_colWidths[std::size_t(c)] = std::ceil(text) + 1 + (2 * inner + margins) * s;
    }

    // A merged cell wider than its columns widens its non-fixed columns equally.
    for (const MergedRange &m : m_merged) {
        const TableCell &anchor = at(m.col, m.row);
        const qreal needed = std::ceil(textSize(indexOf(m.col, m.row), -1).width()) + 1 +
                             (anchor.m_margins[0] + anchor.m_margins[1] + 2 * inner) * s;
        qreal have = 0;
        int free = 0;
        for (int c = m.col; c <= m.lastCol; ++c) {
            have += m_colWidths[std::size_t(c)];
            if (m_colTypes[std::size_t(c)] != Fixed)
                ++free;
        }
        if (have < needed && free > 0)
            for (int c = m.col; c <= m.lastCol; ++c)
                if (m_colTypes[std::size_t(c)] != Fixed)
                    m_colWidths[std::size_t(c)] += (needed - have) / free;
    }

    if (m_cols == 0)
        return;
    const qreal sum = std::accumulate(m_colWidths.begin(), m_colWidths.end(), qreal(0));
    if (sum <= available) {
        // The surplus over the number of all columns goes to each automatic column, so a table
        // with fixed or natural columns ends up narrower than the space it was given.
        const qreal share = (available - sum) / m_cols;
        for (int c = 0; c < m_cols; ++c)
            if (automatic(m_colTypes[std::size_t(c)]))
                m_colWidths[std::size_t(c)] += share;
        return;
    }
    // Too wide: cap the widest columns first, so that narrow columns keep their natural width.
    std::vector<qreal> w = m_colWidths;
    std::sort(w.begin(), w.end(), std::greater<qreal>());
    qreal cap = available / m_cols;
    qreal s_acc = 0;
    for (std::size_t i = 1; i < w.size(); ++i) {
        s_acc += w[0] - w[i];
        if (sum - available <= s_acc) {
            const qreal rest = std::accumulate(w.begin() + std::ptrdiff_t(i), w.end(), qreal(0));
            cap = (available - rest) / qreal(i);
            break;
        }
    }
    for (qreal &width : m_colWidths)
        width = std::min(width, cap);
}

void Table::layoutRows()
{
    const qreal s = m_scale;
    const qreal inner = m_innerFrameWidth;
    auto textWidth = [&](const TableCell &tc, qreal columns) {
        return std::max<qreal>(columns - (tc.m_margins[0] + tc.m_margins[1] + 2 * inner) * s, 0);
    };
    m_rowHeights.assign(std::size_t(m_rows), 0);
    for (int r = 0; r < m_rows; ++r) {
        if (m_rowTypes[std::size_t(r)] == Fixed) {
            m_rowHeights[std::size_t(r)] = m_rowValues[std::size_t(r)];
            continue;
        }
        qreal height = 0;
        for (int c = 0; c < m_cols; ++c) {
            const TableCell &tc = at(c, r);
            if (tc.m_merged)
                continue;
            const std::size_t i = indexOf(c, r);
            const qreal h = tc.m_verticalText
                                ? textSize(i, -1).height()
                                : textSize(i, textWidth(tc, m_colWidths[std::size_t(c)])).height();
            height = std::max(height, h + (tc.m_margins[2] + tc.m_margins[3] + 2 * inner) * s);
        }
        m_rowHeights[std::size_t(r)] = height;
    }

    for (const MergedRange &m : m_merged) {
        const TableCell &anchor = at(m.col, m.row);
        qreal columns = 0;
        for (int c = m.col; c <= m.lastCol; ++c)
            columns += m_colWidths[std::size_t(c)];
        const qreal needed =
            (anchor.m_verticalText
                 ? textSize(indexOf(m.col, m.row), -1).height()
                 : textSize(indexOf(m.col, m.row), textWidth(anchor, columns)).height()) +
            (anchor.m_margins[2] + anchor.m_margins[3] + 2 * inner) * s;
        qreal have = 0;
        int free = 0;
        for (int r = m.row; r <= m.lastRow; ++r) {
            have += m_rowHeights[std::size_t(r)];
            if (m_rowTypes[std::size_t(r)] != Fixed)
                ++free;
        }
        if (have < needed && free > 0)
            for (int r = m.row; r <= m.lastRow; ++r)
                if (m_rowTypes[std::size_t(r)] != Fixed)
                    m_rowHeights[std::size_t(r)] += (needed - have) / free;
    }

    if (m_rows == 0 || m_size.height() < 1)
        return;
    const qreal freeHeight = std::max<qreal>(m_size.height() - 2 * m_tableMargin * s, 0);
    const qreal sum = std::accumulate(m_rowHeights.begin(), m_rowHeights.end(), qreal(0));
    if (sum < freeHeight) {
        const qreal share = (freeHeight - sum) / m_rows;
        for (int r = 0; r < m_rows; ++r)
            if (automatic(m_rowTypes[std::size_t(r)]))
                m_rowHeights[std::size_t(r)] += share;
    }
}

void Table::paint(QPainter *painter, const QPointF &topLeft)
{
    Q_ASSERT_X(painter != nullptr, "Table::paint", "painter != nullptr");
    layout(painter->device(), 0);
    painter->save();
    painter->translate(topLeft);
    if (m_backgroundColor.alpha() > 0)
        painter->fillRect(m_rect, m_backgroundColor);

    // The grid: the outline of every cell and merged range, drawn over the cell margins.
    const qreal origin = m_tableMargin * m_scale;
    auto area = [&](int c0, int r0, int c1, int r1) {
        const qreal x0 =
            origin + std::accumulate(m_colWidths.begin(), m_colWidths.begin() + c0, qreal(0));
        const qreal y0 =
            origin + std::accumulate(m_rowHeights.begin(), m_rowHeights.begin() + r0, qreal(0));
        const qreal w =
            std::accumulate(m_colWidths.begin() + c0, m_colWidths.begin() + c1 + 1, qreal(0));
        const qreal h =
            std::accumulate(m_rowHeights.begin() + r0, m_rowHeights.begin() + r1 + 1, qreal(0));
        return QRectF(x0, y0, w, h);
    };
    for (int c = 0; c < m_cols; ++c)
        for (int r = 0; r < m_rows; ++r) {
            const TableCell &tc = at(c, r);
            if (!tc.m_merged && tc.m_backgroundColor.alpha() > 0)
                painter->fillRect(area(c, r, c, r), tc.m_backgroundColor);
        }
    for (const MergedRange &m : m_merged) {
        const TableCell &anchor = at(m.col, m.row);
        if (anchor.m_backgroundColor.alpha() > 0)
            painter->fillRect(m.rect, anchor.m_backgroundColor);
    }
    if (m_innerFrameWidth > 0) {
        painter->setPen(QPen(Qt::black, m_innerFrameWidth * m_scale));
        painter->setBrush(Qt::NoBrush);
        for (int c = 0; c < m_cols; ++c)
            for (int r = 0; r < m_rows; ++r)
                if (!at(c, r).m_merged)
                    painter->drawRect(area(c, r, c, r));
        for (const MergedRange &m : m_merged)
            painter->drawRect(m.rect);
    }

    // Text without a colour of its own takes the pen's, the same for every cell: each cell
    // gives back the painter as it found it.
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, painter->pen().color());
    for (int c = 0; c < m_cols; ++c)
        for (int r = 0; r < m_rows; ++r) {
            const TableCell &tc = at(c, r);
            if (!tc.m_merged)
                paintCell(painter, indexOf(c, r), context);
        }
    for (const MergedRange &m : m_merged)
        paintCell(painter, indexOf(m.col, m.row), context);

    if (m_outerFrameWidth > 0) {
        painter->setPen(QPen(Qt::black, m_outerFrameWidth * m_scale));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(m_rect);
    }
    painter->restore();
}

void Table::paintCell(QPainter *painter, std::size_t index,
                      const QAbstractTextDocumentLayout::PaintContext &context) const
{
    const TableCell &cell = m_cells[index];
    const QRectF &rect = cell.m_rect;
    if (cell.m_text.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return;
    // Vertical text is laid out along the rectangle's height and turned to read upwards.
    QPointF offset;
    QTextDocument *doc = layOutCellText(index, offset);
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    if (cell.m_verticalText) {
        painter->translate(rect.bottomLeft());
        painter->rotate(-90);
    } else {
        painter->translate(rect.topLeft());
    }
    painter->translate(offset);
    doc->documentLayout()->draw(painter, context);
    painter->restore();
}

QTextDocument *Table::layOutCellText(std::size_t index, QPointF &offset) const
{
    const TableCell &cell = m_cells[index];
    // Vertical text is laid out along the rectangle's height and turned to read upwards.
    const QSizeF box = cell.m_verticalText ? cell.m_rect.size().transposed() : cell.m_rect.size();
    QTextDocument *doc = cellDocument(index, box.width());
    if (!doc)
        return nullptr;
    const QSizeF text(doc->idealWidth(), doc->size().height());
    qreal dx = 0, dy = 0;
    if (cell.m_alignment & Qt::AlignRight)
        dx = box.width() - text.width();
    else if (cell.m_alignment & Qt::AlignHCenter)
        dx = (box.width() - text.width()) / 2;
    if (cell.m_alignment & Qt::AlignVCenter)
        dy = (box.height() - text.height()) / 2;
    else if (cell.m_alignment & Qt::AlignBottom)
        dy = box.height() - text.height();
    offset = QPointF(std::max<qreal>(dx, 0), std::max<qreal>(dy, 0));
    return doc;
}

QString Table::anchorAt(const QPointF &pos) const
{
    if (!m_layoutValid)
        return QString();
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        const TableCell &cell = m_cells[i];
        if (cell.m_merged || cell.m_verticalText || cell.m_text.isEmpty() ||
            !cell.m_rect.contains(pos))
            continue;
        QPointF offset;
        const QTextDocument *doc = layOutCellText(i, offset);
        return doc->documentLayout()->anchorAt(pos - cell.m_rect.topLeft() - offset);
    }
    return QString();
}

} // namespace QtExt
