#include "ui/mainwindow/M2_ResultsWidget.h"

#include "calculation/ResultType.h"
#include "qtext/Table.h"
#include "qtext/TextFrame.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Left edge of the drawing area and indent of the label column, in pixels.
constexpr int AreaLeft = 10;
constexpr qreal LabelIndent = 10;

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

} // namespace

M2_ResultsWidget::M2_ResultsWidget(QWidget *parent)
    : QWidget(parent)
    , m_table(new QtExt::Table(&m_document, this))
    , m_invalidText(new QtExt::TextFrame(&m_document, this))
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
    setMinimumHeight(300);
    setMouseTracking(true); // a pointing hand over links
    m_document.setDefaultFont(font());
    m_invalidText->setBackgroundColor(Qt::transparent);
    rebuild();
}

M2_ResultsWidget::~M2_ResultsWidget() = default;

void M2_ResultsWidget::updateResults(const InputData &input, const CalculationOutcome &outcome,
                                     HeatFlowDirection heatFlowDirection)
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
    rebuild();
    update();
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
        return;
    }
    m_invalidText->setText(QString());

    double thickness = 0;
    for (const MaterialLayer &layer : m_layers)
        thickness += layer.m_width;

    // A construction with studs or rafters shows the U-value of the whole component with its
    // two limits, then the field section, on which the condensation assessments run.
    const InhomogeneousResistance &inh = r.inhomogeneous;
    const int rows = inh.present ? 13 : 8;
    QtExt::Table &t = *m_table;
    t.setColsAndRows(3, rows);
    t.setInnerFrameWidth(0);
    t.setOuterFrameWidth(0);
    t.setTableMargin(0);
    t.setBackgroundColor(Qt::transparent);
    t.setColumnWidth(1, QtExt::Table::Natural);
    t.setColumnWidth(2, QtExt::Table::Natural);
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
    int row = 0;
    auto valueRow = [&](const QString &label, const QString &number, const QString &u) {
        t.setCellText(0, row, label);
        t.setCellText(1, row, number, value);
        t.setCellText(2, row, u, unit);
        ++row;
    };
    auto spanningRow = [&](const QString &text) {
        t.setCellText(0, row, text);
        t.mergeCells(0, row, 3, 1);
        ++row;
    };

    valueRow(tr("Construction thickness"), fixed(thickness, 3), QStringLiteral("m"));
    valueRow(inh.present ? tr("Thermal transfer resistance of the field section (dry)")
                         : tr("Thermal transfer resistance of the construction (dry)"),
             fixed(r.R_layers, 3), m2K_W);
    spanningRow(QStringLiteral("<b>%1</b>")
                    .arg(tr("Thermal transmission coefficient of the construction")));
    if (inh.present) {
        if (inh.valid())
            valueRow(tr("U-value (ISO 6946, inhomogeneous layers)"),
                     fixed(r.U_ISO(m_heatFlowDirection), 3), W_m2K);
        else
            spanningRow(red(limitsOutOfRangeText(inh)));
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
        spanningRow(QStringLiteral("<i>%1</i>").arg(fieldSectionNote()));
    spanningRow(resultText(r.type, r.kPlanes, m_outcome.messages));
    valueRow(tr("Condensation mass after condensation period"), fixed(r.m_cond, 3),
             QStringLiteral("kg/m<sup>2</sup>"));
    valueRow(tr("Drying time"), fixed(r.t_ev / 3600 / 24, 2), QStringLiteral("d"));
}

QString M2_ResultsWidget::limitsOutOfRangeText(const InhomogeneousResistance &inh)
{
    return tr("No U-value: the upper limit exceeds the lower limit %L1 times, more than the "
              "%L2 up to which ISO 6946 applies to inhomogeneous layers. A numerical "
              "calculation of the thermal bridges is needed.")
        .arg(inh.ratio(), 0, 'f', 2)
        .arg(InhomogeneousResistance::MaxLimitRatio, 0, 'f', 1);
}

QString M2_ResultsWidget::fieldSectionNote()
{
    return tr("Temperatures and condensation (Glaser, moisture storage) for the field section "
              "between the studs or rafters, as DIN 4108-3 assesses it.");
}

void M2_ResultsWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    m_document.setDefaultFont(font());
    const qreal width = qMax(1, this->width() - AreaLeft);
    if (showsInvalidInput()) {
        m_invalidText->paint(&painter, QPointF(AreaLeft, 0), width);
    } else {
        m_table->setSize(QSizeF(width, 0));
        m_table->paint(&painter, QPointF(AreaLeft, 0));
    }
    event->accept();
}

QString M2_ResultsWidget::anchorAt(const QPoint &pos)
{
    const QPointF local(pos.x() - AreaLeft, pos.y());
    if (showsInvalidInput())
        return m_invalidText->anchorAt(this, qMax(1, width() - AreaLeft), local);
    return m_table->anchorAt(local);
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
