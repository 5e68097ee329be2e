#include "ui/mainwindow/ConstructionTableWidget.h"

#include "persistence/Construction.h"
#include "report/DiagramPicture.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

ConstructionTableWidget::ConstructionTableWidget(QWidget *parent)
    : QTableWidget(1, 3, parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectColumns);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(2);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new HatchedItemDelegate(this));
    // Tab leaves the table for the editor of the selected column; the arrow keys walk the
    // columns.
    setTabKeyNavigation(false);
}

void ConstructionTableWidget::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && currentColumn() >= 0) {
        emit editRequested(currentColumn());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ConstructionTableWidget::setProjectData(const InputData *input,
                                             const CalculationResults *results)
{
    m_layers.clear();
    m_hasData = input != nullptr;
    m_input = input ? *input : InputData();
    m_results = results ? *results : CalculationResults();
    if (!input)
        return;
    for (int i = 0; i < input->layerCount(); ++i) {
        const MaterialLayer &layer = input->layer(i);
        m_layers.push_back(layerRecord(layer));
    }
}

ConstructionTableWidget::Layer ConstructionTableWidget::layerRecord(const MaterialLayer &layer)
{
    Layer record{layer.width(), layer.m_color, layer.m_name, 0, QColor(), QString()};
    if (layer.m_bridge) {
        record.bridgeFraction = layer.m_bridge->fraction;
        record.bridgeColor = layer.m_bridge->material.m_color.isValid()
                                 ? layer.m_bridge->material.m_color
                                 : Material::defaultColor();
        record.bridgeName = layer.m_bridge->material.m_name;
    }
    return record;
}

void ConstructionTableWidget::setConstruction(const Construction &construction)
{
    m_layers.clear();
    m_hasData = true;
    m_input = InputData();
    for (const MaterialLayer &layer : construction.m_layers) {
        m_layers.push_back(layerRecord(layer));
        m_input.insertLayer(m_input.layerCount(), layer);
    }
    m_input.validate();
    m_results = CalculationResults();
}

int ConstructionTableWidget::rebuildColumns()
{
    ++m_rebuildCount;
    const QSignalBlocker blocker(this);
    const int n = int(m_layers.size());
    int current = currentColumn();
    if (current < 0)
        current = 1;
    const int columns = std::max(n + 2, 3);
    setColumnCount(columns);
    for (int c = 0; c < columns; ++c) {
        auto *cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        // the whole name, for a column too narrow or too low for it
        if (c >= 1 && c <= n) {
            const Layer &layer = m_layers[std::size_t(c - 1)];
            cell->setToolTip(layer.bridgeFraction > 0
                                 ? tr("%1 with %2 (%L3 % of the area)")
                                       .arg(layer.name, layer.bridgeName)
                                       .arg(layer.bridgeFraction * 100, 0, 'f', 1)
                                 : layer.name);
        }
        setItem(0, c, cell);
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    if (current >= columns)
        current = n >= 2 ? n : 1;
    setCurrentCell(0, current);
    adjustColumnWidths();
    return current;
}

std::vector<int> ConstructionTableWidget::columnWidths(const std::vector<double> &layerWidths_m,
                                                       int W)
{
    const int n = int(layerWidths_m.size());
    const int f = int(std::floor(0.1 * W));
    double D = 0;
    for (double w : layerWidths_m)
        D += w;
    if (n == 0)
        return {W - 2 * f, f};
    if (D <= 0)
        D = 1;
    const double space = W - 2 * f;
    auto layOut = [&](double g, std::vector<int> &widths) {
        int sum = 0;
        for (int i = 0; i < n; ++i) {
            int w = int(std::floor(layerWidths_m[std::size_t(i)] * g));
            if (w < 6)
                w = 5;
            widths[std::size_t(i)] = w;
            sum += w;
        }
        return sum;
    };
    std::vector<int> widths(std::size_t(n) + 1, 0);
    int sum = layOut(space / D, widths);
    if (sum > 0.92 * W) {
        // Many thin layers at their 5-pixel minimum push the columns past the table: the
        // thicker layers share what the thin ones leave, so the cold-side column stays visible.
        int thin = 0;
        double thick_m = 0;
        for (int i = 0; i < n; ++i) {
            if (widths[std::size_t(i)] == 5)
                ++thin;
            else
                thick_m += layerWidths_m[std::size_t(i)];
        }
        const double room = space - 5.0 * thin;
        if (thick_m > 0 && room > 0) {
            sum = 5 * thin;
            for (int i = 0; i < n; ++i)
                if (widths[std::size_t(i)] != 5) {
                    widths[std::size_t(i)] = std::max(
                        5, int(std::floor(layerWidths_m[std::size_t(i)] * room / thick_m)));
                    sum += widths[std::size_t(i)];
                }
        }
    }
    widths[std::size_t(n)] = std::max(0, (W - sum) / 2);
    return widths;
}

void ConstructionTableWidget::adjustColumnWidths()
{
    const int W = viewport()->width();
    std::vector<double> widths_m;
    for (const Layer &layer : m_layers)
        widths_m.push_back(layer.width_m);
    const std::vector<int> widths = columnWidths(widths_m, W);
    const int columns = columnCount();
    for (std::size_t k = 0; k < widths.size() && int(k) + 1 < columns; ++k)
        setColumnWidth(int(k) + 1, widths[k]);
}

void ConstructionTableWidget::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    adjustColumnWidths();
}

QPixmap ConstructionTableWidget::renderPixmap() const
{
    return QPixmap::fromImage(DiagramPicture::sketch(m_input, m_results).renderImage());
}

bool ConstructionTableWidget::writeSvg(QIODevice *device, const QString &description) const
{
    return DiagramPicture::sketch(m_input, m_results).writeSvg(device, description);
}

void ConstructionTableWidget::print(QPagedPaintDevice *printer) const
{
    DiagramPicture::sketch(m_input, m_results).print(printer);
}

bool ConstructionTableWidget::exportToFile(const QString &fileName, const QString &description,
                                           QString *error) const
{
    return DiagramPicture::sketch(m_input, m_results).exportToFile(fileName, description, error);
}

// --- the delegate

HatchedItemDelegate::HatchedItemDelegate(ConstructionTableWidget *table)
    : QStyledItemDelegate(table)
    , m_table(table)
{
}

QString HatchedItemDelegate::elidedName(const QFontMetrics &metrics, const QString &name,
                                        int length)
{
    return metrics.elidedText(name, Qt::ElideRight, length);
}

QColor HatchedItemDelegate::textColor(const QColor &layerColor)
{
    return layerColor.value() < 200 ? QColor(Qt::white) : QColor(Qt::black);
}

void HatchedItemDelegate::paintClimateColumn(QPainter *painter, const QStyleOptionViewItem &option,
                                             const QModelIndex &index, bool warm) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QRect r = option.rect;
    const QSize mark(r.width() / 4, r.height() / 4);
    const QRect square = warm ? QRect(r.topLeft(), mark)
                              : QRect(QPoint(r.right() - mark.width() + 1, r.top()), mark);
    painter->fillRect(square, warm ? Qt::red : Qt::blue);

    // the side's name read upwards along the left edge
    painter->save();
    painter->setPen(Qt::black);
    const QRect box = r.adjusted(2, 0, -2, 0);
    painter->translate(box.left(), box.bottom());
    painter->rotate(-90);
    const QRect rotated(0, 0, box.height(), box.width());
    painter->drawText(rotated, Qt::AlignLeft | Qt::AlignVCenter, warm ? tr("warm") : tr("cold"));
    painter->restore();
}

void HatchedItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    if (!m_table->hasData())
        return;
    const int column = index.column();
    const int lastColumn = m_table->columnCount() - 1;
    if (column == 0) {
        paintClimateColumn(painter, option, index, true);
        return;
    }
    if (column == lastColumn) {
        paintClimateColumn(painter, option, index, false);
        return;
    }
    const std::vector<ConstructionTableWidget::Layer> &layers = m_table->layers();
    if (column - 1 >= int(layers.size()))
        return;
    const ConstructionTableWidget::Layer &layer = layers[std::size_t(column - 1)];
    const QRect r = option.rect;
    painter->fillRect(r, layer.color);
    if (layer.bridgeFraction > 0) {
        // the studs or rafters as a section through the layer, as the sketch draws them: two
        // members, each taking the area fraction of its half of the height, in their colour
        const double period = r.height() / 2.0;
        const double member = period * layer.bridgeFraction;
        for (int k = 0; k < 2; ++k) {
            const QRectF band(r.left(), r.top() + (k + 0.5) * period - member / 2, r.width(),
                              member);
            painter->fillRect(band, layer.bridgeColor);
            painter->fillRect(band, QBrush(textColor(layer.bridgeColor), Qt::DiagCrossPattern));
        }
    }
    QColor text = textColor(layer.color);
    if ((option.state & QStyle::State_Selected) && m_table->hasFocus()) {
        QStyledItemDelegate::paint(painter, option, index);
        text = Qt::white;
    }
    painter->save();
    painter->setPen(text);
    const QFontMetrics metrics(painter->font());
    const int textWidth = metrics.horizontalAdvance(layer.name);
    if (textWidth + 4 <= r.width()) {
        painter->drawText(r.adjusted(2, 5, -2, 0), Qt::AlignHCenter | Qt::AlignTop, layer.name);
    } else if (metrics.height() + 4 <= r.width()) {
        // read upwards; a name longer than the column is high ends in an ellipsis (the whole
        // name is the cell's tool tip)
        const int length = r.height() - 10;
        painter->translate(r.left(), r.bottom());
        painter->rotate(-90);
        painter->drawText(QRect(5, 2, length, r.width() - 4), Qt::AlignLeft | Qt::AlignVCenter,
                          elidedName(metrics, layer.name, length));
    }
    painter->restore();
}
