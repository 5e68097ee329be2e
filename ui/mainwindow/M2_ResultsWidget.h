#pragma once

#include "calculation/Calculation.h"
#include "model/InputData.h"

#include <QTextDocument>
#include <QUrl>
#include <QWidget>

namespace QtExt {
class Table;
class TextFrame;
} // namespace QtExt

/*! The results panel of the main window: the key figures of the construction (thickness, dry
    thermal resistance, the two U-values) and the verdict of the moisture-storage calculation
    with its condensate mass and drying time, painted as a borderless rich-text table. With
    invalid input it shows only a red "Invalid input!" and the reasons.

    It keeps copies of what it shows, refreshed by updateResults(), and builds its table (or its
    invalid-input text) there; painting only lays it out at the widget's width. */
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
                       HeatFlowDirection heatFlowDirection);

    /*! How often the content was rebuilt (a seam for tests that check which announcements a
        view follows). */
    int rebuildCount() const { return m_rebuildCount; }

    /*! True while the panel shows the invalid-input text instead of the table. */
    bool showsInvalidInput() const;
    /*! The invalid-input text (HTML) or, with a table, an empty string. */
    QString invalidInputText() const;
    /*! The table of figures as built by the last update (3 columns; 8 rows, 13 for a
        construction with a second material in a layer). */
    const QtExt::Table &table() const { return *m_table; }

    /*! The result text of row 5 (HTML with its colour) for a moisture-storage result. */
    static QString resultText(int type, const std::vector<CalculationResults::PlaneRange> &kPlanes,
                              const QStringList &messages);

    /*! The text shown instead of the U-value when the limits of a construction with bridged
        layers lie outside the range of validity of ISO 6946 (HTML, without colour). */
    static QString limitsOutOfRangeText(const InhomogeneousResistance &inh);
    /*! The note that the condensation assessments run on the field section (plain text). */
    static QString fieldSectionNote();

    /*! The link target under pos (widget coordinates) as last painted; empty when none. */
    QString anchorAt(const QPoint &pos);

signals:
    /*! A link of the text was clicked ("layer-N" names table column N). */
    void linkActivated(const QUrl &link);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void rebuild();

    std::vector<MaterialLayer> m_layers;
    Climate m_climate;
    InputStatus m_status = InputStatus::Valid;
    QString m_inputFault;
    CalculationOutcome m_outcome;
    HeatFlowDirection m_heatFlowDirection = HeatFlowDirection::Horizontal;

    QTextDocument m_document;
    QtExt::Table *m_table;
    QtExt::TextFrame *m_invalidText;
    int m_rebuildCount = 0;
};
