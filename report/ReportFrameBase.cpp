#include "report/ReportFrameBase.h"

#include "qtext/Table.h"
#include "qtext/TextFrame.h"
#include "report/ReportContent.h"
#include "settings/Constants.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>

// --- the frame base

struct ReportFrameBase::Part
{
    std::unique_ptr<QtExt::TextFrame> text;
    std::unique_ptr<QtExt::Table> table;
    std::function<void(QPainter *, const QRectF &)> paint;
    QStringList texts;
    double indent = 0;
    double rightInset = 0;
    double y = 0;
    double height = 0;
    /*! How far a picture reaches below its top (a logo beside a table), when more than its
        height. */
    double extent = 0;
};

ReportFrameBase::ReportFrameBase(const ReportContent &content, QTextDocument *document)
    : m_content(content)
    , m_document(document)
{
}

ReportFrameBase::~ReportFrameBase() = default;

void ReportFrameBase::update(QPaintDevice *device, double width)
{
    m_width = width;
    m_parts.clear();
    build(device, width);
    double y = 0;
    double bottom = 0;
    for (const std::unique_ptr<Part> &part : m_parts) {
        part->y = y;
        const double w = width - part->indent - part->rightInset;
        if (part->text)
            part->height = part->text->frameRect(device, w).height();
        else if (part->table) {
            part->table->setSize(QSizeF(w, 0));
            part->height = part->table->boundingRect(device, w).height();
        }
        y += part->height;
        bottom = std::max({bottom, y, part->y + part->extent});
    }
    m_rect = QRectF(0, 0, width, std::ceil(bottom));
}

void ReportFrameBase::print(QPainter *painter, const QRectF &rect)
{
    for (const std::unique_ptr<Part> &part : m_parts) {
        const QPointF topLeft = rect.topLeft() + QPointF(part->indent, part->y);
        if (part->text)
            part->text->paint(painter, topLeft, m_width - part->indent - part->rightInset);
        else if (part->table)
            part->table->paint(painter, topLeft);
        else if (part->paint)
            part->paint(painter, QRectF(topLeft, QSizeF(m_width - part->indent, part->height)));
    }
}

QString ReportFrameBase::plainText() const
{
    QStringList lines;
    for (const std::unique_ptr<Part> &part : m_parts) {
        QStringList texts = part->texts;
        if (part->text)
            texts << part->text->text();
        if (part->table)
            for (int r = 0; r < part->table->rowCount(); ++r) {
                QStringList row;
                for (int c = 0; c < part->table->columnCount(); ++c)
                    row << part->table->cell(c, r).text();
                texts << row.join(QLatin1Char(' '));
            }
        for (const QString &html : qAsConst(texts))
            lines << QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
    }
    return lines.join(QLatin1Char('\n'));
}

void ReportFrameBase::addText(const QString &html, double indent)
{
    auto part = std::make_unique<Part>();
    part->text.reset(new QtExt::TextFrame(m_document));
    part->text->setBackgroundColor(Qt::transparent);
    part->text->setText(html);
    part->indent = indent;
    m_parts.push_back(std::move(part));
}

void ReportFrameBase::addHeading(const QString &text)
{
    addText(QStringLiteral("<h2>%1</h2>").arg(text));
}

void ReportFrameBase::addSubHeading(const QString &text)
{
    if (!m_parts.empty())
        addGap(lineHeight() / 2);
    addText(QStringLiteral("<h3>%1</h3>").arg(text));
}

void ReportFrameBase::addNote(const QString &html)
{
    addText(QStringLiteral("<small>%1</small>").arg(html));
}

QtExt::Table *ReportFrameBase::addTable(double indent)
{
    auto part = std::make_unique<Part>();
    part->table.reset(makeTable(false));
    part->indent = indent;
    QtExt::Table *table = part->table.get();
    m_parts.push_back(std::move(part));
    return table;
}

void ReportFrameBase::setRightInset(double inset)
{
    if (!m_parts.empty())
        m_parts.back()->rightInset = inset;
}

void ReportFrameBase::addPicture(double height,
                                 std::function<void(QPainter *, const QRectF &)> paint,
                                 const QStringList &texts, double extent)
{
    auto part = std::make_unique<Part>();
    part->paint = std::move(paint);
    part->height = height;
    part->texts = texts;
    part->extent = extent;
    m_parts.push_back(std::move(part));
}

void ReportFrameBase::addImageAtRight(const QImage &image, const QSizeF &size)
{
    addPicture(
        0,
        [image, size](QPainter *painter, const QRectF &rect) {
            painter->drawImage(QRectF(QPointF(rect.right() - size.width(), rect.top()), size),
                               image);
        },
        QStringList(), size.height());
}

void ReportFrameBase::addGap(double height)
{
    auto part = std::make_unique<Part>();
    part->height = height;
    m_parts.push_back(std::move(part));
}

QtExt::Table *ReportFrameBase::makeTable(bool bordered)
{
    auto *table = new QtExt::Table(m_document);
    table->setDefaultCellMargin(m_content.defaultCellMargin);
    table->setTableMargin(0);
    table->setBackgroundColor(Qt::white);
    table->setInnerFrameWidth(bordered ? 0.25 : 0);
    table->setOuterFrameWidth(bordered ? m_content.defaultFrameWidth : 0);
    return table;
}

double ReportFrameBase::lineHeight() const
{
    return m_content.metrics.height(ReportTextMetrics::Plain);
}

// --- shared formatting

namespace ReportFormat {

const QColor HeadShade(0xE6, 0xEA, 0xF0);
const char *const FailColor = "#FF0000";

QString programText()
{
    return QCoreApplication::translate("Report", "%1 version %2")
        .arg(QLatin1String(Constants::ProgramName), QLatin1String(Constants::ProgramVersionLong));
}

QString localNumber(double value, char format, int precision)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

QString number(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("&ndash;");
    return localNumber(value, 'f', decimals);
}

QString colored(const QString &text, const char *color)
{
    return QStringLiteral("<font color=\"%1\">%2</font>").arg(QLatin1String(color), text);
}

QString bold(const QString &text)
{
    return QStringLiteral("<b>%1</b>").arg(text);
}

QString noWrap(const QString &html)
{
    return QStringLiteral("<div style=\"white-space:nowrap\">%1</div>").arg(html);
}

QString degreeC()
{
    return QString(QChar(0x00B0)) + QLatin1Char('C');
}

QString userText(const QString &text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    return html;
}

/*! A two-column label/value table without lines, labels indented. */
QtExt::Table *labelValueRows(QtExt::Table *table, const QList<QPair<QString, QString>> &rows)
{
    table->setColsAndRows(2, rows.size());
    table->setColumnWidth(0, QtExt::Table::Natural);
    for (int r = 0; r < rows.size(); ++r) {
        table->setCellText(0, r, noWrap(rows[r].first));
        table->setCellText(1, r, rows[r].second);
        table->cell(0, r).setMargin(QtExt::TableCell::Left, 10);
        table->cell(0, r).setMargin(QtExt::TableCell::Right, 12);
        for (int c = 0; c < 2; ++c)
            table->cell(c, r).setMargin(QtExt::TableCell::Top | QtExt::TableCell::Bottom, 1);
    }
    return table;
}

} // namespace ReportFormat
