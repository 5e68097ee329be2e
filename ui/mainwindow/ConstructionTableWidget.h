#pragma once

#include "calculation/CalculationResults.h"
#include "model/InputData.h"

#include <QColor>
#include <QFontMetrics>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <vector>

class Construction;
class QIODevice;
class QPagedPaintDevice;

/*  The construction as a one-row table: column 0 the warm-side climate, one column per layer
    with its width to scale and its colour, the last column the cold-side climate. Selecting a
    column selects the layer or climate side to edit. The table shows the layers of the open
    project or, for previews, those of a stored construction.

    It also renders the construction sketch for copy and export.
*/
class ConstructionTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    /*! What a layer column shows. */
    struct Layer
    {
        double width_m = 0;
        QColor color;
        QString name;
        /*! The second material (studs, rafters) and its area fraction; 0 for none. */
        double bridgeFraction = 0;
        QColor bridgeColor;
        QString bridgeName;
    };
    /*! The column record of a layer. */
    static Layer layerRecord(const MaterialLayer &layer);

    explicit ConstructionTableWidget(QWidget *parent = nullptr);

    /*! Shows the layers of the project's input (its results for the sketch); null input: no
        project is open, nothing is drawn. Rebuild the columns afterwards. */
    void setProjectData(const InputData *input, const CalculationResults *results = nullptr);
    /*! Shows the layers of a stored construction instead of a project. */
    void setConstruction(const Construction &construction);

    /*! Whether there is anything to draw (an open project or a construction). */
    bool hasData() const { return m_hasData; }
    const std::vector<Layer> &layers() const { return m_layers; }

    /*! One row, max(n + 2, 3) columns of selectable items; keeps the current column when it
        still exists, else selects the last layer (or the first). Returns the current column.
        Emits no currentCellChanged while it rebuilds. */
    int rebuildColumns();
    /*! Column widths to scale: every layer gets its share of 80 % of the table width (at
        least 5 pixels), the cold-side column half of the rest; the warm-side column
        stretches. */
    void adjustColumnWidths();

    /*! The construction sketch: white background, the width of an A4 page at screen
        resolution, 0.4 times as high. */
    QPixmap renderPixmap() const;
    bool writeSvg(QIODevice *device, const QString &description) const;
    void print(QPagedPaintDevice *printer) const;
    bool exportToFile(const QString &fileName, const QString &description, QString *error) const;

    /*! The column widths of the rule for a table of width W (for the layers 1..n, then the
        cold-side column; column 0 takes the rest). */
    static std::vector<int> columnWidths(const std::vector<double> &layerWidths_m, int W);

    /*! How often the content was rebuilt (a seam for tests that check which announcements a
        view follows). */
    int rebuildCount() const { return m_rebuildCount; }

signals:
    /*! Enter, Return or F2 on a column: the user wants to edit what it shows (the window puts
        the cursor into the editor of the column). */
    void editRequested(int column);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::vector<Layer> m_layers;
    bool m_hasData = false;
    InputData m_input;
    CalculationResults m_results;
    int m_rebuildCount = 0;
};

/*! Paints the cells of the construction table: the climate columns with their red and blue
    corner marks and the rotated words "warm" and "cold", the layer columns in the layer's
    colour with the material name where it fits. */
class HatchedItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit HatchedItemDelegate(ConstructionTableWidget *table);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    /*! White text on dark layer colours (HSV value below 200), black otherwise. */
    static QColor textColor(const QColor &layerColor);
    /*! The layer name as a vertical column label of the given length in pixels shows it:
        whole, or cut with an ellipsis. */
    static QString elidedName(const QFontMetrics &metrics, const QString &name, int length);

private:
    void paintClimateColumn(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index, bool warm) const;

    ConstructionTableWidget *m_table;
};
