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

    QtExt::Table &t = *m_table;
    t.setColsAndRows(3, 8);
    t.setInnerFrameWidth(0);
    t.setOuterFrameWidth(0);
    t.setTableMargin(0);
    t.setBackgroundColor(Qt::transparent);
    t.setColumnWidth(1, QtExt::Table::Natural);
    t.setColumnWidth(2, QtExt::Table::Natural);
    for (int row = 0; row < 8; ++row) {
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

    t.setCellText(0, 0, tr("Construction thickness"));
    t.setCellText(1, 0, fixed(thickness, 3), value);
    t.setCellText(2, 0, QStringLiteral("m"), unit);
    t.setCellText(0, 1, tr("Thermal transfer resistance of the construction (dry)"));
    t.setCellText(1, 1, fixed(r.R_layers, 3), value);
    t.setCellText(2, 1, m2K_W, unit);
    t.setCellText(0, 2,
                  QStringLiteral("<b>%1</b>")
                      .arg(tr("Thermal transmission coefficient of the construction")));
    t.mergeCells(0, 2, 3, 1);
    t.setCellText(0, 3, tr("U-value (ISO 6946)"));
    t.setCellText(1, 3, fixed(r.U_ISO(m_heatFlowDirection), 3), value);
    t.setCellText(2, 3, W_m2K, unit);
    t.setCellText(0, 4, tr("U-value (moisture dependend)"));
    t.setCellText(1, 4, fixed(r.U_moist, 3), value);
    t.setCellText(2, 4, W_m2K, unit);
    t.setCellText(0, 5, resultText(r.type, r.kPlanes, m_outcome.messages));
    t.mergeCells(0, 5, 3, 1);
    t.setCellText(0, 6, tr("Condensation mass after condensation period"));
    t.setCellText(1, 6, fixed(r.m_cond, 3), value);
    t.setCellText(2, 6, QStringLiteral("kg/m<sup>2</sup>"), unit);
    t.setCellText(0, 7, tr("Drying time"));
    t.setCellText(1, 7, fixed(r.t_ev / 3600 / 24, 2), value);
    t.setCellText(2, 7, QStringLiteral("d"), unit);
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
