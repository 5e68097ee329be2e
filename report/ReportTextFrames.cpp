#include "report/ReportTextFrames.h"

#include "calculation/CondensateMass.h"
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

/*! A mass per area with three decimals in kg/m², or in g/m² where it would read 0.000 kg/m²:
    the number and the unit. */
QPair<QString, QString> massTexts(double kg)
{
    const CondensateMass m = CondensateMass::of(kg, 3);
    return qMakePair(number(m.value, m.decimals), m.unitHtml());
}

/*! The DIN 4108-3 rows of one basis: label and verdict (or why there is none). The
    DIN 68800-2 reserve is not among them; it stays with the moisture-storage method. */
QList<QPair<QString, QString>> dinCheckRows(const Assessment &a, CriteriaBasis basis)
{
    const DINCriteriaResult &din = a.criteria(basis);
    const bool evaluated = din.m_evaluated;
    const QString &reason = a.reasonNotEvaluated(basis);
    QList<QPair<QString, QString>> rows;
    auto check = [&](const QString &label, bool met) {
        rows << qMakePair(label, evaluated ? verdictText(met) : notEvaluatedText(reason));
    };
    check(DINCriteriaResult::massRowText(din.m_nonCapillaryApplies), din.m_massMet);
    if (din.woodRow() == DINCriteriaResult::TimberRow)
        check(DINCriteriaResult::timberRowText(), din.m_woodMet);
    else if (din.woodRow() == DINCriteriaResult::WoodBasedRow)
        check(DINCriteriaResult::woodBasedRowText(), din.m_woodMet);
    check(DINCriteriaResult::dryingTimeRowText(), din.m_dryingTimeMet);
    return rows;
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
    const QList<QPair<QString, QString>> all = {
        {tr("Project:"), info.m_projectName},
        {tr("Construction:"), info.m_constructionID},
        {tr("Construction kind:"), ConstructionKinds::name(info.m_constructionKind)},
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

QString ReportFrameConclusions::limitsOutOfRangeText(const InhomogeneousResistance &inh)
{
    return tr("No U-value: the upper limit of the thermal resistance exceeds the lower limit "
              "%L1 times, more than the %L2 up to which ISO 6946 applies to inhomogeneous "
              "layers. A numerical calculation of the thermal bridges is needed.")
        .arg(inh.ratio(), 0, 'f', 2)
        .arg(InhomogeneousResistance::MaxLimitRatio, 0, 'f', 1);
}

QString ReportFrameConclusions::fieldSectionNote()
{
    return tr("The temperatures and the condensation assessments (MIRELO and Glaser) are those "
              "of the field section between the studs or rafters, as DIN 4108-3 assesses it.");
}

void ReportFrameConclusions::build(QPaintDevice *, double)
{
    addHeading(tr("Print Summary of Results"));
    const Assessment &a = m_content.assessment;
    const CalculationResults &r = m_content.results;
    const Climate &climate = m_content.input.climate();
    const HeatFlowDirection direction = m_content.info.m_heatFlowDirection;
    const bool valid = a.thermalEvaluated;

    // A check row names its basis in the symbol column: the method whose figures it judges.
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
    const InhomogeneousResistance &inh = r.inhomogeneous;
    if (inh.present) {
        // The component with its studs or rafters after ISO 6946 (upper and lower limit), then
        // the field section, on which the condensation assessments below run.
        const QString m2kw = QStringLiteral("m<sup>2</sup>K/W");
        if (!valid || inh.valid())
            values(tr("Thermal transmission coefficient according ISO 6946, inhomogeneous "
                      "layers (dry)"),
                   QStringLiteral("U ="), valid ? number(r.U_ISO(direction), 3) : none, wm2k);
        else
            rows << Row{bold(colored(limitsOutOfRangeText(inh), FailColor)), QString(), QString(),
                        QString(), Row::Spanning};
        values(tr("Upper limit of the thermal resistance"), QStringLiteral("R'<sub>T</sub> ="),
               valid ? number(inh.R_upper, 3) : none, m2kw);
        values(tr("Lower limit of the thermal resistance"), QStringLiteral("R''<sub>T</sub> ="),
               valid ? number(inh.R_lower, 3) : none, m2kw);
        values(tr("Relative error of the limits"), QStringLiteral("e ="),
               valid ? number(inh.e * 100, 1) : none, QStringLiteral("%"));
        values(tr("Thermal transmission coefficient of the field section according ISO 6946 "
                  "(dry)"),
               QStringLiteral("U ="), valid ? number(r.U_field(direction), 3) : none, wm2k);
        values(tr("Thermal transmission coefficient of the field section (moisture dependent)"),
               QStringLiteral("U ="), valid ? number(r.U_moist, 3) : none, wm2k);
        values(tr("Thermal transfer resistance of the field section (dry)"), QStringLiteral("R ="),
               valid ? number(r.R_layers, 3) : none, m2kw);
        rows << Row{QStringLiteral("<i>%1</i>").arg(fieldSectionNote()), QString(), QString(),
                    QString(), Row::Spanning};
    } else {
        values(tr("Thermal transmission coefficient of the construction (moisture dependent)"),
               QStringLiteral("U ="), valid ? number(r.U_moist, 3) : none, wm2k);
        values(tr("Thermal transmission coefficient of the construction according ISO 6946 (dry)"),
               QStringLiteral("U ="), valid ? number(r.U_ISO(direction), 3) : none, wm2k);
        values(tr("Thermal transfer resistance of the construction (dry)"), QStringLiteral("R ="),
               valid ? number(r.R_layers, 3) : none, QStringLiteral("m<sup>2</sup>K/W"));
    }
    if (r.type < ResultType::CondensationPlane) {
        const QString text = r.type < ResultType::NoAlgorithm ? tr("Unspecific error.")
                                                              : ResultType::reportText(r.type);
        const bool fault =
            r.type != ResultType::OnlyOneLayer && r.type != ResultType::NoCondensation;
        rows << Row{fault ? bold(colored(text, FailColor)) : bold(text), QString(), QString(),
                    QString(), Row::Spanning};
    } else {
        const QPair<QString, QString> mass = massTexts(r.m_cond);
        values(tr("Condensation mass after condensation period (based on MIRELO)"),
               QStringLiteral("M<sub>c</sub> ="), mass.first, mass.second);
        if (r.t_hyg == climate.tT(true))
            rows << Row{tr("Drying time"), QString(), tr("Not applicable"), QString(), Row::Values};
        else if (r.t_ev < 0)
            rows << Row{tr("Drying time"), QString(), tr("No drying"), QString(), Row::Values};
        else
            values(tr("Drying time"), QStringLiteral("t<sub>ev</sub> ="), number(r.t_ev / 86400, 2),
                   QStringLiteral("d"));
    }
    if (ResultType::isCondensation(r.typeGlaser)) {
        const QPair<QString, QString> mass = massTexts(r.m_c_Glaser);
        values(tr("Condensation mass after condensation period (Glaser scheme)"),
               QStringLiteral("M<sub>c</sub> ="), mass.first, mass.second);
    }

    // the checks, each with its verdict from the assessment
    const QString reason = a.notEvaluatedReason;
    const QString dryBasis = tr("Dry thermal resistance");
    auto check = [&](const QString &label, bool evaluated, bool met) {
        rows << Row{label, dryBasis, evaluated ? verdictText(met) : notEvaluatedText(reason),
                    QString(), Row::Check};
    };
    rows << Row{tr("Minimum thermal protection"), QString(), QString(), QString(), Row::Heading};
    const MinimumHeatResistance::Result &minimum = a.minimum;
    check(MinimumHeatResistance::requirementText(minimum.m_edition, minimum.m_type),
          a.thermalEvaluated, minimum.m_fulfilled);
    if (minimum.m_frsiChecked)
        check(MinimumHeatResistance::temperatureFactorRequirementText(minimum.m_f_min) +
                  // the result text names f_Rsi itself: "…, f_Rsi = 0.89"
                  (a.thermalEvaluated
                       ? QStringLiteral(", ") + MinimumHeatResistance::temperatureFactorResultText(
                                                    minimum.m_f_Rsi, minimum.m_frsiFulfilled)
                       : QString()),
              a.thermalEvaluated, minimum.m_frsiFulfilled);

    const DINCriteriaResult &din = a.din;
    const bool evaluated = a.criteriaEvaluated();
    rows << Row{DINCriteriaResult::headingText(din.m_options.m_edition), QString(), QString(),
                QString(), Row::Heading};
    // both methods judged by the same rules, the Glaser scheme of the standard first
    for (CriteriaBasis basis : {CriteriaBasis::Glaser, CriteriaBasis::MoistureStorage})
        for (const auto &row : dinCheckRows(a, basis))
            rows << Row{row.first, DINCriteriaResult::basisText(basis), row.second, QString(),
                        Row::Check};
    const QString storageBasis = DINCriteriaResult::basisText(CriteriaBasis::MoistureStorage);
    const double reserve = din.m_options.m_dryingReserve;
    if (din.m_dryingReserveEvaluated)
        rows << Row{DINCriteriaResult::dryingReserveRowText(reserve), storageBasis,
                    verdictText(din.m_dryingReserveMet), QString(), Row::Check};
    else if (DINCriteriaResult::dryingReserveEvaluated(1, reserve))
        rows << Row{DINCriteriaResult::dryingReserveRowText(reserve), storageBasis,
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
            t->setCellText(1, i, noWrap(QStringLiteral("<i>%1</i>").arg(row.symbol)),
                           Qt::AlignLeft | Qt::AlignVCenter);
            t->setCellText(2, i, row.value, Qt::AlignRight | Qt::AlignVCenter);
            t->mergeCells(2, i, 2, 1);
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
        const QPair<QString, QString> mass = massTexts(condensate ? r.m_c_Glaser : 0.0);
        rows << qMakePair(tr("Condensation mass (according to Glaser)"),
                          QStringLiteral("w<sub>T</sub> = %1 %2").arg(mass.first, mass.second));
        if (condensate) {
            const QPair<QString, QString> drying = massTexts(r.m_ev_Glaser);
            rows << qMakePair(
                tr("Potential drying mass"),
                QStringLiteral("w<sub>V</sub> = %1 %2").arg(drying.first, drying.second));
            rows << qMakePair(tr("Duration of drying (according to Glaser)"),
                              QStringLiteral("t<sub>ev</sub> = %1 %2")
                                  .arg(number(r.t_ev_Glaser / 86400, 1), tr("days")));
        }
    }
    labelValueRows(addTable(), rows);

    // the criteria of DIN 4108-3 on these figures, with the rules and edition of the summary
    const Assessment &a = m_content.assessment;
    addSubHeading(DINCriteriaResult::headingText(a.dinGlaser.m_options.m_edition) +
                  QStringLiteral(" &ndash; ") +
                  DINCriteriaResult::basisText(CriteriaBasis::Glaser));
    labelValueRows(addTable(), dinCheckRows(a, CriteriaBasis::Glaser));
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
