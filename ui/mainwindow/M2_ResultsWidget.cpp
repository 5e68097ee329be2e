#include "ui/mainwindow/M2_ResultsWidget.h"

#include "calculation/CondensateMass.h"
#include "calculation/ResultType.h"
#include "qtext/LaidOutText.h"
#include "qtext/Table.h"
#include "qtext/TextFrame.h"
#include "report/ReportTextFrames.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {

// Left edge of the drawing area and indent of the label column, in pixels.
constexpr int AreaLeft = 10;
constexpr qreal LabelIndent = 10;
// Space between the figures and the verdict block, in pixels.
constexpr qreal VerdictGap = 8;

QString red(const QString &text)
{
    return QStringLiteral("<font color=\"#FF0000\">%1</font>").arg(text);
}

QString blue(const QString &text)
{
    return QStringLiteral("<font color=\"#0000FF\">%1</font>").arg(text);
}

QString fixed(double value, int decimals)
{
    return QStringLiteral("%L1").arg(value, 0, 'f', decimals);
}

// The marks of the verdict block: green, red, and amber for "no verdict", so that a missing
// verdict never reads as a pass at a glance.
const char *const FulfilledColor = "#007A00";
const char *const FailedColor = "#D00000";
const char *const NotEvaluatedColor = "#B45F00";

QString colored(const QString &text, const char *color)
{
    return QStringLiteral("<font color=\"%1\">%2</font>").arg(QLatin1String(color), text);
}

// Longest layer name the Glaser text quotes: the panel is a third of the window wide.
constexpr int MaxLayerName = 32;

QString noWrap(const QString &html)
{
    return QStringLiteral("<span style=\"white-space:nowrap\">%1</span>").arg(html);
}

} // namespace

M2_ResultsWidget::M2_ResultsWidget(QWidget *parent)
    : QWidget(parent)
    , m_table(new QtExt::Table(&m_document, this))
    , m_invalidText(new QtExt::TextFrame(&m_document, this))
    , m_verdicts(new QtExt::Table(&m_document, this))
    , m_scrollBar(new QScrollBar(Qt::Vertical, this))
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
    setMinimumHeight(300);
    setMouseTracking(true); // a pointing hand over links
    // paintEvent() fills the whole widget: what lies behind it need not be painted first
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_document.setDefaultFont(font());
    m_invalidText->setBackgroundColor(Qt::transparent);
    m_scrollBar->hide();
    m_scrollBar->setSingleStep(20);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this]() { update(); });
    rebuild();
}

M2_ResultsWidget::~M2_ResultsWidget() = default;

void M2_ResultsWidget::updateResults(const InputData &input, const CalculationOutcome &outcome,
                                     HeatFlowDirection heatFlowDirection,
                                     const AssessmentOptions &options)
{
    ++m_rebuildCount;
    m_layers.clear();
    for (int i = 0; i < input.layerCount(); ++i)
        m_layers.push_back(input.layer(i));
    m_climate = input.climate();
    m_status = input.status();
    m_inputFault = input.faultText();
    m_outcome = outcome;
    m_heatFlowDirection = heatFlowDirection;
    m_options = options;
    // the verdicts of the window are those the report prints: one evaluation, one rule
    m_assessment = Assessment::evaluate(input, outcome.results, heatFlowDirection, options);
    rebuild();
    updateScrollRange();
    // the scroll bar repaints itself when its range or position changed
    update(m_scrollBar->isVisible() ? QRect(0, 0, m_scrollBar->x(), height()) : rect());
}

bool M2_ResultsWidget::showsInvalidInput() const
{
    return m_outcome.results.type == ResultType::InvalidInput;
}

QString M2_ResultsWidget::invalidInputText() const
{
    return showsInvalidInput() ? m_invalidText->text() : QString();
}

QString M2_ResultsWidget::resultText(int type,
                                     const std::vector<CalculationResults::PlaneRange> &kPlanes,
                                     const QStringList &messages)
{
    switch (type) {
    case ResultType::CalculationError: {
        // Each reason in red on a line of its own.
        QStringList lines;
        for (const QString &m : messages)
            lines << red(m);
        return lines.join(QStringLiteral("<br/>"));
    }
    case ResultType::OnlyOneLayer:
    case ResultType::NoCondensation:
        return blue(ResultType::displayText(type, kPlanes, messages));
    case ResultType::CondensationPlane:
    case ResultType::CondensationZone:
    case ResultType::SeveralPlanes:
        if (!kPlanes.empty())
            return blue(ResultType::displayText(type, kPlanes, messages));
        break;
    case ResultType::NoLayers:
    case ResultType::InvalidInput:
    case ResultType::NoAlgorithm:
    case ResultType::SurfaceCondensationInside:
    case ResultType::SurfaceCondensationOutside:
    case ResultType::HygroscopicLoadingTooLong:
        return red(ResultType::displayText(type, kPlanes, messages));
    default:
        break;
    }
    return red(tr("Unknown result!"));
}

QString
M2_ResultsWidget::glaserText(int typeGlaser,
                             const std::vector<CalculationResults::PlaneRange> &kPlanesGlaser,
                             const std::vector<MaterialLayer> &layers, const QString &reason)
{
    const int n = int(layers.size());
    // "layer 3 (Solid brick)": number and name, so that the place is found in the table
    const auto layer = [&layers](int index) {
        QString name = layers[std::size_t(index)].m_name.simplified();
        if (name.size() > MaxLayerName)
            name = name.left(MaxLayerName - 1) + QChar(0x2026);
        return tr("layer %1 (%2)").arg(index + 1).arg(name.toHtmlEscaped());
    };
    switch (typeGlaser) {
    case ResultType::OnlyOneLayer:
    case ResultType::NoCondensation:
        return blue(ResultType::displayText(typeGlaser, kPlanesGlaser, QStringList()));
    case ResultType::CondensationPlane:
    case ResultType::CondensationZone:
    case ResultType::SeveralPlanes: {
        // Interface k lies between layers k and k + 1 (1-based); a zone from interface a to b
        // takes in the layers a + 1 to b.
        QStringList parts;
        for (const CalculationResults::PlaneRange &run : kPlanesGlaser) {
            const int a = int(run.first), b = int(run.second);
            if (a < 1 || b >= n || b < a)
                continue;
            if (a == b)
                parts << tr("Condensation plane between %1 and %2").arg(layer(a - 1), layer(a));
            else if (b == a + 1)
                parts << tr("Condensation zone in %1").arg(layer(a));
            else
                parts << tr("Condensation zone from %1 to %2").arg(layer(a), layer(b - 1));
        }
        if (!parts.isEmpty())
            return blue(parts.join(QStringLiteral("<br/>")));
        break;
    }
    case ResultType::NoAlgorithm:
    case ResultType::SurfaceCondensationInside:
    case ResultType::SurfaceCondensationOutside:
        return red(ResultType::displayText(typeGlaser, kPlanesGlaser, QStringList()));
    default:
        if (!reason.isEmpty())
            return red(reason.toHtmlEscaped());
        break;
    }
    return red(tr("Unknown result!"));
}

void M2_ResultsWidget::rebuild()
{
    const CalculationResults &r = m_outcome.results;
    if (r.type == ResultType::InvalidInput) {
        // The reasons: the engine's messages, and the first fault of the input when the engine
        // had none to give (a material or climate value out of range).
        QString text = red(tr("Invalid input!"));
        if (m_outcome.messages.isEmpty() && !m_inputFault.isEmpty())
            text += QStringLiteral("<br/>%1").arg(m_inputFault.toHtmlEscaped());
        for (const QString &m : m_outcome.messages)
            text += QStringLiteral("<br/>%1").arg(m);
        m_invalidText->setText(text);
        m_verdicts->clear();
        return;
    }
    m_invalidText->setText(QString());

    double thickness = 0;
    for (const MaterialLayer &layer : m_layers)
        thickness += layer.m_width;

    // The Glaser figures only where the scheme finds condensate; otherwise its text says why.
    const bool glaserCondensate = ResultType::isCondensation(r.typeGlaser);
    // A construction with studs or rafters shows the U-value of the whole component with its
    // two limits, then the field section, on which the condensation assessments run.
    const InhomogeneousResistance &inh = r.inhomogeneous;
    const int rows = (inh.present ? 16 : 11) + (glaserCondensate ? 3 : 0);
    QtExt::Table &t = *m_table;
    t.clear();
    t.setColsAndRows(3, rows);
    t.setInnerFrameWidth(0);
    t.setOuterFrameWidth(0);
    t.setTableMargin(0);
    t.setBackgroundColor(Qt::transparent);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < 3; ++col)
            t.cell(col, row).setMargin(QtExt::TableCell::Top | QtExt::TableCell::Bottom, 2);
        t.cell(0, row).setMargin(QtExt::TableCell::Left, LabelIndent);
        t.cell(1, row).setMargin(QtExt::TableCell::Left | QtExt::TableCell::Right, 4);
        t.cell(2, row).setMargin(QtExt::TableCell::Right, 4);
    }
    const Qt::Alignment value = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment unit = Qt::AlignLeft | Qt::AlignVCenter;
    const QString m2K_W = QStringLiteral("m<sup>2</sup>K/W");
    const QString W_m2K = QStringLiteral("W/(m<sup>2</sup>K)");
    const auto heading = [&t](int row, const QString &text) {
        t.setCellText(0, row, QStringLiteral("<b>%1</b>").arg(text));
        t.mergeCells(0, row, 3, 1);
    };
    const auto mass = [&](int row, const QString &label, double kg) {
        const CondensateMass m = CondensateMass::of(kg, 3);
        t.setCellText(0, row, label);
        t.setCellText(1, row, m.number(), value);
        t.setCellText(2, row, m.unitHtml(), unit);
    };
    const auto days = [&](int row, double seconds) {
        t.setCellText(0, row, tr("Drying time"));
        t.setCellText(1, row, fixed(seconds / 3600 / 24, 2), value);
        t.setCellText(2, row, QStringLiteral("d"), unit);
    };

    int row = 0;
    const auto valueRow = [&](const QString &label, const QString &number, const QString &u) {
        t.setCellText(0, row, label);
        t.setCellText(1, row, number, value);
        t.setCellText(2, row, u, unit);
        ++row;
    };
    const auto spanningRow = [&](const QString &text) {
        t.setCellText(0, row, text);
        t.mergeCells(0, row, 3, 1);
        ++row;
    };

    valueRow(tr("Construction thickness"), fixed(thickness, 3), QStringLiteral("m"));
    valueRow(inh.present ? tr("Thermal transfer resistance of the field section (dry)")
                         : tr("Thermal transfer resistance of the construction (dry)"),
             fixed(r.R_layers, 3), m2K_W);
    heading(row++, tr("Thermal transmission coefficient of the construction"));
    if (inh.present) {
        if (inh.valid())
            valueRow(tr("U-value (ISO 6946, inhomogeneous layers)"),
                     fixed(r.U_ISO(m_heatFlowDirection), 3), W_m2K);
        else
            spanningRow(red(ReportFrameConclusions::limitsOutOfRangeText(inh)));
        valueRow(tr("Upper limit R'<sub>T</sub>"), fixed(inh.R_upper, 3), m2K_W);
        valueRow(tr("Lower limit R''<sub>T</sub>"), fixed(inh.R_lower, 3), m2K_W);
        valueRow(tr("Relative error e"), fixed(inh.e * 100, 1), QStringLiteral("%"));
        valueRow(tr("U-value of the field section (ISO 6946)"),
                 fixed(r.U_field(m_heatFlowDirection), 3), W_m2K);
    } else {
        valueRow(tr("U-value (ISO 6946)"), fixed(r.U_ISO(m_heatFlowDirection), 3), W_m2K);
    }
    valueRow(inh.present ? tr("U-value of the field section (moisture dependent)")
                         : tr("U-value (moisture dependend)"),
             fixed(r.U_moist, 3), W_m2K);
    if (inh.present)
        spanningRow(QStringLiteral("<i>%1</i>").arg(ReportFrameConclusions::fieldSectionNote()));

    heading(row++, tr("Moisture storage method"));
    spanningRow(resultText(r.type, r.kPlanes, m_outcome.messages));
    mass(row++, tr("Condensation mass after condensation period"), r.m_cond);
    days(row++, r.t_ev);

    heading(row++, tr("Glaser scheme (DIN 4108-3)"));
    spanningRow(
        glaserText(r.typeGlaser, r.kPlanesGlaser, m_layers, m_assessment.glaserNotEvaluatedReason));
    if (glaserCondensate) {
        mass(row++, tr("Condensation mass after condensation period"), r.m_c_Glaser);
        mass(row++, tr("Evaporable mass in the drying period"), r.m_ev_Glaser);
        days(row++, r.t_ev_Glaser);
    }
    Q_ASSERT(row == rows);
    fitColumns(t, {1, 2});
    rebuildVerdicts();
}

void M2_ResultsWidget::fitColumns(QtExt::Table &table, std::initializer_list<int> columns)
{
    // A long merged heading or result text widens every column it spans that is not fixed;
    // figures and marks keep the width of their own texts, the label column takes the rest.
    m_document.setDocumentMargin(0);
    // Measured as the table measures its cells, for this widget: most of these texts (units,
    // marks, many figures) are the same after an edit, and their natural widths are kept with
    // the texts the table keeps.
    QtExt::LaidOutText probe;
    for (int col : columns) {
        qreal text = 0, margins = 0;
        for (int row = 0; row < table.rowCount(); ++row) {
            const QtExt::TableCell &cell = table.cell(col, row);
            if (cell.isMerged() || cell.text().isEmpty())
                continue;
            text = qMax(text, probe.size(&m_document, cell.text(), this, -1).width());
            margins = qMax(margins, cell.margin(QtExt::TableCell::Left) +
                                        cell.margin(QtExt::TableCell::Right));
        }
        // whole pixels plus one, as a natural column: a number never breaks at its comma
        table.setColumnWidth(col, QtExt::Table::Fixed, std::ceil(text) + 1 + margins);
    }
}

void M2_ResultsWidget::rebuildVerdicts()
{
    const Assessment &a = m_assessment;
    enum Kind
    {
        Heading,
        Basis,
        Check,
        Note
    };
    struct Row
    {
        QString criterion, value, mark;
        Kind kind;
    };
    QList<Row> rows;
    const auto mark = [](bool met) {
        return met ? colored(tr("fulfilled"), FulfilledColor)
                   : colored(tr("not fulfilled"), FailedColor);
    };
    const QString notEvaluated = colored(tr("not evaluated"), NotEvaluatedColor);
    const auto why = [](const QString &reason) {
        return colored(reason.toHtmlEscaped(), NotEvaluatedColor);
    };
    // "5.033 ≥ 0.5 kg/m²": the figure, the relation the check found, the limit; the unit once
    // when both share it
    struct Figure
    {
        QString number, unit;
    };
    const auto against = [](const Figure &figure, const QString &relation, const Figure &limit) {
        const QString nbsp = QStringLiteral("&nbsp;");
        if (figure.unit == limit.unit)
            return noWrap(figure.number + nbsp + relation + nbsp + limit.number + nbsp +
                          limit.unit);
        return noWrap(figure.number + nbsp + figure.unit) + QLatin1Char(' ') +
               noWrap(relation + nbsp + limit.number + nbsp + limit.unit);
    };
    const auto mass = [](double kg) {
        const CondensateMass m = CondensateMass::of(kg, 3);
        return Figure{m.number(), m.unitHtml()};
    };
    const QString kg_m2 = QStringLiteral("kg/m<sup>2</sup>");
    const QString lessText = QStringLiteral("&lt;");
    const QString notLessText = QStringLiteral("&ge;");
    const QString atLeastText = QStringLiteral("&ge;");

    rows << Row{DINCriteriaResult::headingText(a.din.m_options.m_edition), QString(), QString(),
                Heading};
    for (CriteriaBasis basis : {CriteriaBasis::Glaser, CriteriaBasis::MoistureStorage}) {
        const DINCriteriaResult &din = a.criteria(basis);
        const QString &reason = a.reasonNotEvaluated(basis);
        const DINCriteriaFigures &f = din.m_figures;
        rows << Row{DINCriteriaResult::basisText(basis), QString(), QString(), Basis};
        const auto check = [&](const QString &criterion, const Figure &figure, bool met,
                               const Figure &limit) {
            if (din.m_evaluated)
                rows << Row{criterion, against(figure, met ? lessText : notLessText, limit),
                            mark(met), Check};
            else
                rows << Row{criterion, why(reason), notEvaluated, Check};
        };
        const double massLimit = DINCriteriaResult::massLimit(din.m_nonCapillaryApplies);
        check(din.m_nonCapillaryApplies ? tr("Condensate mass (layer without capillary suction)")
                                        : tr("Condensate mass"),
              mass(f.M_c), din.m_massMet, Figure{fixed(massLimit, 1), kg_m2});
        if (din.woodRow() == DINCriteriaResult::TimberRow)
            check(tr("Condensate in timber (%1u<sub>m</sub> &lt; 5 %)").arg(QChar(0x0394)),
                  mass(f.M_c), din.m_woodMet, Figure{fixed(din.m_massLimitTimber, 3), kg_m2});
        else if (din.woodRow() == DINCriteriaResult::WoodBasedRow)
            check(tr("Condensate in wood-based material (%1u<sub>m</sub> &lt; 3 %)")
                      .arg(QChar(0x0394)),
                  mass(f.M_c), din.m_woodMet, Figure{fixed(din.m_massLimitWoodBased, 3), kg_m2});
        // a negative drying time: the summer flux feeds the condensate, it never dries
        const QString days = QStringLiteral("d");
        check(tr("Drying time"),
              f.t_ev < 0 ? Figure{tr("no drying"), QString()}
                         : Figure{fixed(f.t_ev / 86400, 1), days},
              din.m_dryingTimeMet, Figure{QStringLiteral("90"), days});
        if (basis != CriteriaBasis::MoistureStorage)
            continue;
        // DIN 68800-2 on the moisture-storage figures, when a reserve is demanded:
        // M_ev > M_c + reserve
        const double reserve = din.m_options.m_dryingReserve;
        if (!DINCriteriaResult::dryingReserveEvaluated(1, reserve))
            continue;
        const QString criterion =
            tr("Drying reserve %1 g/(m<sup>2</sup>a) (DIN 68800-2)")
                .arg(QStringLiteral("%L1").arg(DINCriteriaResult::dryingReserveInGrams(reserve)));
        if (din.m_dryingReserveEvaluated)
            rows << Row{
                criterion,
                against(
                    mass(f.m_ev),
                    din.m_dryingReserveMet ? QStringLiteral("&gt;") : QStringLiteral("&le;"),
                    Figure{fixed(f.M_c, 3) + QStringLiteral("&nbsp;+&nbsp;") + fixed(reserve, 3),
                           kg_m2}),
                mark(din.m_dryingReserveMet), Check};
        else
            rows << Row{criterion, why(din.m_evaluated ? tr("no condensate") : reason),
                        notEvaluated, Check};
    }
    if (!a.din.m_note.isEmpty())
        rows << Row{QStringLiteral("<small>%1</small>").arg(a.din.m_note), QString(), QString(),
                    Note};

    // DIN 4108-2: the dry thermal resistance of the layers
    const MinimumHeatResistance::Result &minimum = a.minimum;
    rows << Row{tr("Minimum thermal protection (%1)").arg(minimum.m_editionName.toHtmlEscaped()),
                QString(), QString(), Heading};
    const QString m2K_W = QStringLiteral("m<sup>2</sup>K/W");
    const QString resistance = tr("Thermal resistance R");
    if (a.thermalEvaluated)
        rows << Row{resistance,
                    against(Figure{fixed(a.R_layers, 2), m2K_W},
                            minimum.m_fulfilled ? atLeastText : lessText,
                            Figure{fixed(minimum.m_R_min, 2), m2K_W}),
                    mark(minimum.m_fulfilled), Check};
    else
        rows << Row{resistance, why(a.notEvaluatedReason), notEvaluated, Check};
    if (minimum.m_frsiChecked) {
        const QString factor = tr("Temperature factor f<sub>Rsi</sub>");
        if (a.thermalEvaluated)
            rows << Row{factor,
                        against(Figure{fixed(minimum.m_f_Rsi, 2), QString()},
                                minimum.m_frsiFulfilled ? atLeastText : lessText,
                                Figure{fixed(minimum.m_f_min, 2), QString()}),
                        mark(minimum.m_frsiFulfilled), Check};
        else
            rows << Row{factor, why(a.notEvaluatedReason), notEvaluated, Check};
    }

    QtExt::Table &t = *m_verdicts;
    t.clear();
    t.setColsAndRows(3, rows.size());
    t.setInnerFrameWidth(0);
    t.setOuterFrameWidth(0);
    t.setTableMargin(0);
    t.setBackgroundColor(Qt::transparent);
    for (int i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        for (int col = 0; col < 3; ++col) {
            t.cell(col, i).setMargin(QtExt::TableCell::Top | QtExt::TableCell::Bottom, 2);
            t.cell(col, i).setMargin(QtExt::TableCell::Left | QtExt::TableCell::Right, 4);
        }
        // the checks indented under the name of their basis
        t.cell(0, i).setMargin(QtExt::TableCell::Left, row.kind == Check || row.kind == Note
                                                           ? 3 * LabelIndent
                                                       : row.kind == Basis ? 2 * LabelIndent
                                                                           : LabelIndent);
        const Qt::Alignment middle = Qt::AlignVCenter;
        switch (row.kind) {
        case Heading:
            // a standard's block set off from the one above
            if (i > 0)
                t.cell(0, i).setMargin(QtExt::TableCell::Top, 8);
            t.setCellText(0, i, QStringLiteral("<b>%1</b>").arg(row.criterion));
            t.mergeCells(0, i, 3, 1);
            break;
        case Basis:
            t.setCellText(0, i, QStringLiteral("<i>%1</i>").arg(row.criterion));
            t.mergeCells(0, i, 3, 1);
            break;
        case Note:
            t.setCellText(0, i, row.criterion);
            t.mergeCells(0, i, 3, 1);
            break;
        case Check:
            t.setCellText(0, i, row.criterion, Qt::AlignLeft | middle);
            t.setCellText(1, i, row.value, Qt::AlignRight | middle);
            t.setCellText(2, i, QStringLiteral("<b>%1</b>").arg(row.mark), Qt::AlignLeft | middle);
            break;
        }
    }
    t.setColumnWidth(1, QtExt::Table::Natural);
    fitColumns(t, {2});
}

QString M2_ResultsWidget::basisOfVerdictRow(int row) const
{
    const QtExt::Table &t = *m_verdicts;
    for (int r = qMin(row, t.rowCount() - 1); r >= 0; --r) {
        const QString text = t.cell(0, r).text();
        if (text.startsWith(QLatin1String("<i>")))
            return text.mid(3, text.size() - 7);
        if (text.startsWith(QLatin1String("<b>")))
            break;
    }
    return QString();
}

qreal M2_ResultsWidget::areaWidth() const
{
    const int bar = m_scrollBar->isVisible() ? m_scrollBar->sizeHint().width() : 0;
    return qMax(1, width() - AreaLeft - bar);
}

void M2_ResultsWidget::updateScrollRange()
{
    qreal contentHeight = 0;
    if (!showsInvalidInput()) {
        // Lay both tables out as they are painted; a scroll bar that appears narrows them.
        for (int pass = 0; pass < 2; ++pass) {
            const qreal w = areaWidth();
            m_table->setSize(QSizeF(w, 0));
            m_verdicts->setSize(QSizeF(w, 0));
            contentHeight =
                m_table->boundingRect(this, w).height() + VerdictGap +
                (m_verdicts->rowCount() > 0 ? m_verdicts->boundingRect(this, w).height() : 0);
            const bool needed = contentHeight > height();
            if (needed == m_scrollBar->isVisible())
                break;
            m_scrollBar->setVisible(needed);
        }
    } else {
        m_scrollBar->hide();
    }
    m_contentHeight = int(std::ceil(contentHeight));
    const int bar = m_scrollBar->sizeHint().width();
    m_scrollBar->setGeometry(width() - bar, 0, bar, height());
    m_scrollBar->setPageStep(qMax(1, height()));
    m_scrollBar->setRange(0, qMax(0, int(std::ceil(contentHeight)) - height()));
}

void M2_ResultsWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    m_document.setDefaultFont(font());
    const qreal width = areaWidth();
    if (showsInvalidInput()) {
        m_invalidText->paint(&painter, QPointF(AreaLeft, 0), width);
    } else {
        const qreal top = m_scrollBar->isVisible() ? -m_scrollBar->value() : 0;
        m_table->setSize(QSizeF(width, 0));
        m_verdicts->setSize(QSizeF(width, 0));
        // A table lays out and draws every cell, also those outside the widget: one that is
        // scrolled out of the exposed area (the verdicts below a short panel) is left out.
        const QRect exposed = event->rect();
        auto shown = [&](qreal y, qreal height) {
            return y < exposed.bottom() + 1 && y + height > exposed.top();
        };
        const qreal tableHeight = m_table->boundingRect(this, width).height();
        if (shown(top, tableHeight))
            m_table->paint(&painter, QPointF(AreaLeft, top));
        if (m_verdicts->rowCount() > 0) {
            const qreal verdictsTop = top + tableHeight + VerdictGap;
            if (shown(verdictsTop, m_verdicts->boundingRect(this, width).height()))
                m_verdicts->paint(&painter, QPointF(AreaLeft, verdictsTop));
        }
    }
    event->accept();
}

void M2_ResultsWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateScrollRange();
}

void M2_ResultsWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // the widths fixed to the texts were measured in the old font
    if (event->type() == QEvent::FontChange) {
        m_document.setDefaultFont(font());
        rebuild();
        updateScrollRange();
        update();
    }
}

void M2_ResultsWidget::wheelEvent(QWheelEvent *event)
{
    if (m_scrollBar->isVisible()) {
        QCoreApplication::sendEvent(m_scrollBar, event);
        return;
    }
    QWidget::wheelEvent(event);
}

QString M2_ResultsWidget::anchorAt(const QPoint &pos)
{
    if (showsInvalidInput())
        return m_invalidText->anchorAt(this, areaWidth(), QPointF(pos.x() - AreaLeft, pos.y()));
    const qreal top = m_scrollBar->isVisible() ? -m_scrollBar->value() : 0;
    const QPointF local(pos.x() - AreaLeft, pos.y() - top);
    const QString anchor = m_table->anchorAt(local);
    if (!anchor.isEmpty() || m_verdicts->rowCount() == 0)
        return anchor;
    const qreal below = m_table->rowHeights().empty()
                            ? 0
                            : m_table->boundingRect(this, areaWidth()).height() + VerdictGap;
    return m_verdicts->anchorAt(local - QPointF(0, below));
}

void M2_ResultsWidget::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(anchorAt(event->pos()).isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    QWidget::mouseMoveEvent(event);
}

void M2_ResultsWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const QString anchor = event->button() == Qt::LeftButton ? anchorAt(event->pos()) : QString();
    if (!anchor.isEmpty())
        emit linkActivated(QUrl(anchor));
    QWidget::mouseReleaseEvent(event);
}
