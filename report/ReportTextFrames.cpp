#include "report/ReportTextFrames.h"

#include "calculation/ResultType.h"
#include "qtext/Table.h"
#include "report/ReportContent.h"
#include "settings/Constants.h"

#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

using namespace ReportFormat;

namespace {

/*! A verdict that cannot be given is amber, so that it does not read as a pass at a glance. */
const char *const NoVerdictColor = "#B45F00";

QString verdictText(bool met)
{
    return noWrap(met ? bold(ReportFrameBase::tr("Requirement fulfilled"))
                      : bold(colored(ReportFrameBase::tr("Requirement not fulfilled"), FailColor)));
}

QString notEvaluatedText(const QString &reason)
{
    return bold(colored(ReportFrameBase::tr("not evaluated (%1)").arg(reason.toHtmlEscaped()),
                        NoVerdictColor));
}

/*! The device resolution over the image's, so that a logo keeps its size in inches. */
double logoScale(const QImage &image, QPaintDevice *device)
{
    const double imageDpi = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96.0;
    return device->logicalDpiX() / imageDpi;
}

} // namespace

// --- header

void HeaderFrame::build(QPaintDevice *device, double)
{
    const QImage &logo = m_content.logoImage;
    const bool withLogo =
        m_content.userLogo.m_position == UserLogoSettings::LogoInPageHeader && !logo.isNull();
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    if (withLogo) {
        // the logo at the top right corner; the date moves below the program name, into a row
        // as high as the logo
        const double scale = logoScale(logo, device);
        const QSizeF size(logo.width() * scale, logo.height() * scale);
        addImageAtRight(logo, size);
    }
    QtExt::Table *table = addTable();
    table->setColsAndRows(2, withLogo ? 2 : 1);
    table->setCellText(0, 0, bold(programText()));
    if (withLogo) {
        const double scale = logoScale(logo, device);
        table->setRowHeight(1, QtExt::Table::Fixed, logo.height() * scale);
        table->setCellText(0, 1, date, Qt::AlignLeft | Qt::AlignBottom);
        table->cell(0, 1).setMargin(QtExt::TableCell::Bottom, m_content.defaultCellMargin);
    } else {
        table->setCellText(1, 0, date, Qt::AlignRight);
    }
    // a hairline under the header, a line's height above the first frame
    const double gap = lineHeight();
    const double mm = m_content.pixelsPerMillimetre;
    addPicture(gap, [mm](QPainter *painter, const QRectF &rect) {
        painter->save();
        painter->setPen(QPen(Qt::darkGray, std::max(1.0, 0.2 * mm)));
        const double y = rect.top() + rect.height() / 3;
        painter->drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
        painter->restore();
    });
}

// --- footer

void FooterFrame::build(QPaintDevice *, double)
{
    const double mm = m_content.pixelsPerMillimetre;
    // the line 4 mm below the top, the text from 5 mm
    addPicture(5 * mm, [mm](QPainter *painter, const QRectF &rect) {
        painter->save();
        painter->setPen(QPen(Qt::black, std::max(1.0, 0.25 * mm)));
        const double y = rect.top() + 4 * mm;
        painter->drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
        painter->restore();
    });
    m_table = addTable();
    m_table->setColsAndRows(2, 1);
    m_table->setCellText(0, 0, QStringLiteral("<small>%1</small>").arg(m_content.footerText));
    m_table->setCellText(1, 0, pageText(1), Qt::AlignRight);
}

QString FooterFrame::pageText(int page) const
{
    if (!m_content.pageNumbersVisible)
        return QString();
    return QStringLiteral("<small>%1</small>")
        .arg(tr("Page %1 of %2").arg(page).arg(std::max(1, m_pageCount)));
}

void FooterFrame::print(QPainter *painter, const QRectF &rect)
{
    // a footer switched off has no size and paints nothing
    if (rect.width() <= 0 || rect.height() <= 0 || !m_table)
        return;
    m_table->setCellText(1, 0, pageText(m_page), Qt::AlignRight);
    ReportFrameBase::print(painter, rect);
}

// --- project information

void ReportFrameProjectInfo::build(QPaintDevice *device, double width)
{
    const ProjectInformation &info = m_content.info;
    QList<QPair<QString, QString>> rows;
    const QList<QPair<QString, QString>> all = {{tr("Project:"), info.m_projectName},
                                                {tr("Construction:"), info.m_constructionID},
                                                {tr("User:"), info.m_userName},
                                                {tr("Company:"), info.m_company}};
    for (const auto &row : all)
        if (!row.second.isEmpty())
            rows << qMakePair(bold(row.first), userText(row.second));

    const QImage &logo = m_content.logoImage;
    const bool withLogo =
        m_content.userLogo.m_position == UserLogoSettings::LogoRightOfProjectInfo && !logo.isNull();
    double logoWidth = 0;
    if (withLogo) {
        const double scale = logoScale(logo, device);
        // never more than half the page: the project's name needs the room
        logoWidth = std::min(logo.width() * scale, width / 2);
        const QSizeF size(logoWidth, logo.height() * scale * logoWidth / (logo.width() * scale));
        addImageAtRight(logo, size);
    }
    if (!rows.isEmpty()) {
        // the table gives up the logo's width; the logo stands to its right
        QtExt::Table *table = addTable();
        labelValueRows(table, rows);
        for (int r = 0; r < rows.size(); ++r)
            table->cell(0, r).setMargin(QtExt::TableCell::Left, 0);
        if (withLogo)
            setRightInset(logoWidth);
    }
    if (m_content.settings.m_printRemarkProjectInformation && !info.m_description.isEmpty()) {
        addGap(lineHeight() / 2);
        // the description is edited as plain text: printed as typed, with its line breaks, and
        // wrapped between words (the default "pre" mode would make every space unbreakable)
        addText(Qt::convertFromPlainText(info.m_description, Qt::WhiteSpaceNormal));
    }
    addGap(lineHeight());
}

// --- summary of results

void ReportFrameConclusions::build(QPaintDevice *, double)
{
    addHeading(tr("Print Summary of Results"));
    const Assessment &a = m_content.assessment;
    const CalculationResults &r = m_content.results;
    const Climate &climate = m_content.input.climate();
    const HeatFlowDirection direction = m_content.info.m_heatFlowDirection;
    const bool valid = a.thermalEvaluated;

    struct Row
    {
        QString label, symbol, value, unit;
        enum Kind
        {
            Values,
            Spanning,
            Heading,
            Check
        } kind;
    };
    QList<Row> rows;
    auto values = [&](const QString &label, const QString &symbol, const QString &value,
                      const QString &unit) {
        rows << Row{label, symbol, value, unit, Row::Values};
    };
    const QString wm2k = QStringLiteral("W/(m<sup>2</sup>K)");
    const QString none = QStringLiteral("&ndash;");
    values(tr("Thermal transmission coefficient of the construction (moisture dependent)"),
           QStringLiteral("U ="), valid ? number(r.U_moist, 3) : none, wm2k);
    values(tr("Thermal transmission coefficient of the construction according ISO 6946 (dry)"),
           QStringLiteral("U ="), valid ? number(r.U_ISO(direction), 3) : none, wm2k);
    values(tr("Thermal transfer resistance of the construction (dry)"), QStringLiteral("R ="),
           valid ? number(r.R_layers, 3) : none, QStringLiteral("m<sup>2</sup>K/W"));
    if (r.type < ResultType::CondensationPlane) {
        const QString text = r.type < ResultType::NoAlgorithm ? tr("Unspecific error.")
                                                              : ResultType::reportText(r.type);
        const bool fault =
            r.type != ResultType::OnlyOneLayer && r.type != ResultType::NoCondensation;
        rows << Row{fault ? bold(colored(text, FailColor)) : bold(text), QString(), QString(),
                    QString(), Row::Spanning};
    } else {
        values(tr("Condensation mass after condensation period (based on MIRELO)"),
               QStringLiteral("M<sub>c</sub> ="), number(r.m_cond, 3),
               QStringLiteral("kg/m<sup>2</sup>"));
        if (r.t_hyg == climate.tT(true))
            rows << Row{tr("Drying time"), QString(), tr("Not applicable"), QString(), Row::Values};
        else if (r.t_ev < 0)
            rows << Row{tr("Drying time"), QString(), tr("No drying"), QString(), Row::Values};
        else
            values(tr("Drying time"), QStringLiteral("t<sub>ev</sub> ="), number(r.t_ev / 86400, 2),
                   QStringLiteral("d"));
    }

    // the checks, each with its verdict from the assessment
    const QString reason = a.notEvaluatedReason;
    auto check = [&](const QString &label, bool evaluated, bool met) {
        rows << Row{label, QString(), evaluated ? verdictText(met) : notEvaluatedText(reason),
                    QString(), Row::Check};
    };
    rows << Row{tr("Minimum thermal protection"), QString(), QString(), QString(), Row::Heading};
    const MinimumHeatResistance::Result &minimum = a.minimum;
    check(MinimumHeatResistance::requirementText(minimum.m_edition, minimum.m_type),
          a.thermalEvaluated, minimum.m_fulfilled);
    if (minimum.m_frsiChecked)
        check(MinimumHeatResistance::temperatureFactorRequirementText(minimum.m_f_min) +
                  (a.thermalEvaluated ? QStringLiteral(", <i>f</i><sub>Rsi</sub> = ") +
                                            MinimumHeatResistance::temperatureFactorResultText(
                                                minimum.m_f_Rsi, minimum.m_frsiFulfilled)
                                      : QString()),
              a.thermalEvaluated, minimum.m_frsiFulfilled);

    const DINCriteriaResult &din = a.din;
    const bool evaluated = a.criteriaEvaluated();
    rows << Row{DINCriteriaResult::headingText(din.m_options.m_edition), QString(), QString(),
                QString(), Row::Heading};
    check(DINCriteriaResult::massRowText(din.m_nonCapillaryApplies), evaluated, din.m_massMet);
    if (din.woodRow() == DINCriteriaResult::TimberRow)
        check(DINCriteriaResult::timberRowText(), evaluated, din.m_woodMet);
    else if (din.woodRow() == DINCriteriaResult::WoodBasedRow)
        check(DINCriteriaResult::woodBasedRowText(), evaluated, din.m_woodMet);
    check(DINCriteriaResult::dryingTimeRowText(), evaluated, din.m_dryingTimeMet);
    const double reserve = din.m_options.m_dryingReserve;
    if (din.m_dryingReserveEvaluated)
        check(DINCriteriaResult::dryingReserveRowText(reserve), true, din.m_dryingReserveMet);
    else if (DINCriteriaResult::dryingReserveEvaluated(1, reserve))
        rows << Row{DINCriteriaResult::dryingReserveRowText(reserve), QString(),
                    evaluated ? tr("No condensate: no drying reserve to check")
                              : notEvaluatedText(reason),
                    QString(), Row::Check};
    if (!din.m_note.isEmpty())
        rows << Row{QStringLiteral("<small>%1</small>").arg(din.m_note), QString(), QString(),
                    QString(), Row::Spanning};

    QtExt::Table *t = addTable();
    t->setColsAndRows(4, rows.size());
    t->setColumnWidth(1, QtExt::Table::Natural);
    t->setColumnWidth(2, QtExt::Table::Natural);
    t->setColumnWidth(3, QtExt::Table::Natural);
    for (int i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        for (int c = 0; c < 4; ++c)
            t->cell(c, i).setMargin(QtExt::TableCell::AllSides, 4);
        t->cell(0, i).setMargin(QtExt::TableCell::Left, 10);
        t->cell(3, i).setMargin(QtExt::TableCell::Right, 10);
        switch (row.kind) {
        case Row::Values:
            t->setCellText(0, i, row.label, Qt::AlignLeft | Qt::AlignVCenter);
            t->setCellText(1, i, noWrap(row.symbol), Qt::AlignRight | Qt::AlignVCenter);
            t->setCellText(2, i, noWrap(row.value), Qt::AlignRight | Qt::AlignVCenter);
            t->setCellText(3, i, noWrap(row.unit), Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case Row::Spanning:
            t->setCellText(0, i, row.label);
            t->mergeCells(0, i, 4, 1);
            break;
        case Row::Heading:
            t->setCellText(0, i, bold(row.label));
            t->mergeCells(0, i, 4, 1);
            t->cell(0, i).setBackgroundColor(HeadShade);
            break;
        case Row::Check:
            t->setCellText(0, i, row.label, Qt::AlignLeft | Qt::AlignVCenter);
            t->setCellText(1, i, row.value, Qt::AlignRight | Qt::AlignVCenter);
            t->mergeCells(1, i, 3, 1);
            break;
        }
    }
    addGap(lineHeight());
}

// --- Glaser

namespace {

/*! Where the Glaser scheme finds condensate: interface k lies between layers k and k + 1
    (1-based); interface 0 is the inner, interface n the outer surface. */
QString glaserZoneText(const std::vector<CalculationResults::PlaneRange> &runs, int n)
{
    QStringList parts;
    for (const CalculationResults::PlaneRange &run : runs) {
        const int a = int(run.first), b = int(run.second);
        if (a == b) {
            if (a == 0)
                parts << ReportFrameBase::tr("plane at the inner surface");
            else if (a == n)
                parts << ReportFrameBase::tr("plane at the outer surface");
            else
                parts << ReportFrameBase::tr("plane between layer %1 and %2").arg(a).arg(a + 1);
        } else {
            parts << ReportFrameBase::tr("zone from interface %1 to %2 (layers %3 to %4)")
                         .arg(a)
                         .arg(b)
                         .arg(a + 1)
                         .arg(b);
        }
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

void GlaserFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Results according DIN 4108-3 (Glaser Scheme)"));
    const InputData &input = m_content.input;
    const CalculationResults &r = m_content.results;
    const Climate &climate = input.climate();
    auto climateValue = [&](const ClimateCondition &c) {
        return QStringLiteral("%1 %3 / %2 %").arg(number(c.m_T, 1), number(c.m_rh, 1), degreeC());
    };
    auto period = [&](const QString &title, double days, const ClimateCondition &inside,
                      const ClimateCondition &outside) {
        addSubHeading(title);
        labelValueRows(addTable(),
                       {{tr("Period"), QStringLiteral("%1 %2").arg(number(days, 0), tr("days"))},
                        {tr("Interior climate (left)"), climateValue(inside)},
                        {tr("Outdoor climate (right)"), climateValue(outside)}});
    };
    period(tr("Condensation Period (Winter)"), climate.tT(), climate.insideWinter(),
           climate.outsideWinter());
    period(tr("Drying Period (Summer)"), climate.tT_summer(), climate.insideSummer(),
           climate.outsideSummer());

    addSubHeading(tr("Results"));
    QList<QPair<QString, QString>> rows;
    const int type = r.typeGlaser;
    if (!DINCriteriaResult::resultAssessable(type)) {
        // no figures: the same reasons as the assessment gives for the moisture calculation
        rows << qMakePair(tr("Condensation zone"),
                          notEvaluatedText(Assessment::reasonFor(type, input)));
    } else {
        const bool condensate = ResultType::isCondensation(type);
        rows << qMakePair(tr("Condensation zone"),
                          condensate ? glaserZoneText(r.kPlanesGlaser, input.layerCount())
                                     : ResultType::reportText(type));
        rows << qMakePair(tr("Condensation mass (according to Glaser)"),
                          QStringLiteral("w<sub>T</sub> = %1 kg/m<sup>2</sup>")
                              .arg(number(condensate ? r.m_c_Glaser : 0.0, 3)));
        if (condensate) {
            rows << qMakePair(tr("Potential drying mass"),
                              QStringLiteral("w<sub>V</sub> = %1 kg/m<sup>2</sup>")
                                  .arg(number(r.m_ev_Glaser, 3)));
            rows << qMakePair(tr("Duration of drying (according to Glaser)"),
                              QStringLiteral("t<sub>ev</sub> = %1 %2")
                                  .arg(number(r.t_ev_Glaser / 86400, 1), tr("days")));
        }
    }
    labelValueRows(addTable(), rows);
    addGap(lineHeight());
}

// --- final remarks

void DisclaimerFrame::build(QPaintDevice *, double)
{
    const QString &text = m_content.info.m_disclaimerText;
    if (text.trimmed().isEmpty())
        return;
    addSubHeading(tr("Final Remarks"));
    // edited as plain text: printed as typed, with its line breaks, whatever it looks like
    addText(QStringLiteral("<small>%1</small>")
                .arg(Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal)));
    addGap(lineHeight());
}
