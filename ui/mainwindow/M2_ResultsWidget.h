#pragma once

#include "calculation/Assessment.h"
#include "calculation/Calculation.h"
#include "model/InputData.h"

#include <QTextDocument>
#include <QUrl>
#include <QWidget>

class QScrollBar;

namespace QtExt {
class Table;
class TextFrame;
} // namespace QtExt

/*! The results panel of the main window: the key figures of the construction (thickness, dry
    thermal resistance, the two U-values), the result of the moisture-storage method with its
    condensate mass and drying time, beside it the result of the Glaser scheme (where the
    condensate forms, its mass, the evaporable mass and the drying time), and under the figures
    the verdicts: each DIN 4108-3 criterion on both methods, the DIN 68800-2 drying reserve and
    the DIN 4108-2 minimum thermal protection, each with its basis, its value against its limit
    and a coloured mark. With invalid input it shows only a red "Invalid input!" and the reasons.

    It keeps copies of what it shows, refreshed by updateResults(), and builds its two tables (or
    its invalid-input text) there; painting only lays them out at the widget's width. When they
    are taller than the widget, a scroll bar at the right edge (and the mouse wheel) moves them. */
class M2_ResultsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit M2_ResultsWidget(QWidget *parent = nullptr);
    ~M2_ResultsWidget() override;

    /*! Copies the input (layers, climate, status) and the outcome of its calculation, rebuilds
        the content and schedules a repaint. The heat-flow direction chooses the inside surface
        resistance of the ISO 6946 U-value. */
    void updateResults(const InputData &input, const CalculationOutcome &outcome,
                       HeatFlowDirection heatFlowDirection,
                       const AssessmentOptions &options = AssessmentOptions());

    /*! The assessment the verdict block shows, as evaluated by the last update. */
    const Assessment &assessment() const { return m_assessment; }

    /*! How often the content was rebuilt (a seam for tests that check which announcements a
        view follows). */
    int rebuildCount() const { return m_rebuildCount; }

    /*! True while the panel shows the invalid-input text instead of the table. */
    bool showsInvalidInput() const;
    /*! The invalid-input text (HTML) or, with a table, an empty string. */
    QString invalidInputText() const;
    /*! The table of figures as built by the last update (3 columns): the key figures (with the
        limits of ISO 6946 and the field section for a construction with a second material in
        a layer), the moisture-storage result, then the Glaser result. */
    const QtExt::Table &table() const { return *m_table; }
    /*! The verdict block as built by the last update (3 columns: criterion, value against
        limit, mark): a bold heading per standard, under the DIN 4108-3 heading an italic row
        naming each basis with the checks of that basis below it. */
    const QtExt::Table &verdictTable() const { return *m_verdicts; }
    /*! The basis (plain name) under which row of the verdict block stands; empty for the
        headings and the DIN 4108-2 rows. */
    QString basisOfVerdictRow(int row) const;

    /*! Where the Glaser scheme finds condensate, or why it finds none (HTML with its colour):
        the planes or zones between named layers. */
    static QString glaserText(int typeGlaser,
                              const std::vector<CalculationResults::PlaneRange> &kPlanesGlaser,
                              const std::vector<MaterialLayer> &layers, const QString &reason);

    /*! The result text of row 5 (HTML with its colour) for a moisture-storage result. */
    static QString resultText(int type, const std::vector<CalculationResults::PlaneRange> &kPlanes,
                              const QStringList &messages);

    /*! Height of the figures and the verdict block at the current width, in pixels. */
    int contentHeight() const { return m_contentHeight; }

    /*! The link target under pos (widget coordinates) as last painted; empty when none. */
    QString anchorAt(const QPoint &pos);

signals:
    /*! A link of the text was clicked ("layer-N" names table column N). */
    void linkActivated(const QUrl &link);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void rebuild();
    void rebuildVerdicts();
    /*! Fixes the columns to the widths of their own (not merged) texts. */
    void fitColumns(QtExt::Table &table, std::initializer_list<int> columns);
    /*! Lays the tables out at the current width and sets the scroll range. */
    void updateScrollRange();
    qreal areaWidth() const;

    std::vector<MaterialLayer> m_layers;
    Climate m_climate;
    InputStatus m_status = InputStatus::Valid;
    QString m_inputFault;
    CalculationOutcome m_outcome;
    HeatFlowDirection m_heatFlowDirection = HeatFlowDirection::Horizontal;

    QTextDocument m_document;
    QtExt::Table *m_table;
    QtExt::TextFrame *m_invalidText;
    QtExt::Table *m_verdicts;
    QScrollBar *m_scrollBar;
    AssessmentOptions m_options;
    Assessment m_assessment;
    int m_rebuildCount = 0;
    int m_contentHeight = 0;
};
