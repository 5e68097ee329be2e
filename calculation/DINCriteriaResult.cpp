#include "calculation/DINCriteriaResult.h"

#include <QLocale>

#include "calculation/ResultType.h"
#include "model/InputData.h"

#include <QChar>
#include <QJsonArray>
#include <QJsonValue>

#include <algorithm>
#include <cmath>

namespace {

// 90 days, the longest drying time DIN 4108-3 admits.
constexpr double MaxDryingDays = 90;
constexpr double SecondsPerDay = 86400;

// Below this a demanded reserve (kg/(m²·a)) or a user limit (kg/(m²·h^0.5)) counts as zero.
constexpr double ZeroTolerance = 1e-10;

QJsonArray toJsonArray(const std::vector<int> &list)
{
    QJsonArray a;
    for (int i : list)
        a.append(i);
    return a;
}

} // namespace

double DINCriteriaResult::editionAwLimit(DINEdition edition)
{
    switch (edition) {
    case DINEdition::DIN4108_3_2001:
        return 0.2;
    case DINEdition::DIN4108_3_2014:
        return 0.5;
    case DINEdition::DIN4108_3_2018:
        return 0.1;
    case DINEdition::UserDefined:
        break;
    }
    return 0;
}

double DINCriteriaResult::awLimit(DINEdition edition, double userAwLimit)
{
    if (edition == DINEdition::UserDefined)
        return userAwLimit;
    return editionAwLimit(edition) / 60;
}

void DINCriteriaResult::build(const InputData &input, const PlaneList &planes, DINEdition edition,
                              double userAwLimit)
{
    m_nonCapillaryLayers.clear();
    m_timberLayers.clear();
    m_woodBasedLayers.clear();
    m_massLimitTimber = NoMassLimit;
    m_massLimitWoodBased = NoMassLimit;
    m_awLimit = awLimit(edition, userAwLimit);

    m_options = DINCriteriaOptions();
    m_figures = DINCriteriaFigures();
    m_options.m_edition = edition;
    m_options.m_nonCapillarAw = userAwLimit;
    m_evaluated = false;
    m_nonCapillaryApplies = false;
    m_massMet = false;
    m_woodMet = false;
    m_dryingTimeMet = false;
    m_dryingReserveEvaluated = false;
    m_dryingReserveMet = false;
    m_note.clear();

    const int n = input.layerCount();
    for (const auto &group : planes) {
        for (unsigned int j = group.first; j <= group.second && j < unsigned(n); ++j) {
            const MaterialLayer &layer = input.layer(int(j));
            if (m_awLimit >= layer.m_A_w)
                m_nonCapillaryLayers.push_back(int(j));
            // Admissible condensate: the mass that raises the mass-related moisture content of
            // the layer by 5 % (timber) or 3 % (wood-based material), kg/m².
            if (layer.isWood()) {
                m_timberLayers.push_back(int(j));
                const double limit = layer.m_width * layer.m_rho * 0.05;
                m_massLimitTimber = std::min(limit, m_massLimitTimber);
            }
            if (layer.isWoodBased()) {
                m_woodBasedLayers.push_back(int(j));
                const double limit = layer.m_width * layer.m_rho * 0.03;
                m_massLimitWoodBased = std::min(limit, m_massLimitWoodBased);
            }
        }
    }
}

DINCriteriaFigures DINCriteriaFigures::moistureStorage(const CalculationResults &results)
{
    DINCriteriaFigures f;
    f.basis = CriteriaBasis::MoistureStorage;
    f.resultType = results.type;
    f.planes = results.kPlanes;
    f.M_c = results.m_cond;
    f.m_condStat = results.m_condStat;
    f.m_ev = results.m_ev;
    f.t_ev = results.t_ev;
    f.dryingReserveApplies = true;
    return f;
}

DINCriteriaFigures DINCriteriaFigures::glaser(const CalculationResults &results)
{
    DINCriteriaFigures f;
    f.basis = CriteriaBasis::Glaser;
    f.resultType = results.typeGlaser;
    // A plane at interface k wets the layers on both of its sides, k - 1 and k; a zone from
    // interface a to b the layers a..b-1 inside it and the two that bound it. A run at the
    // inner surface (interface 0) has no layer in front of it.
    for (const CalculationResults::PlaneRange &run : results.kPlanesGlaser)
        f.planes.emplace_back(run.first > 0 ? run.first - 1 : 0, run.second);
    // Without condensate (no condensation, a single layer) the scheme leaves its figures at 0:
    // nothing to dry.
    f.M_c = results.m_c_Glaser;
    f.m_condStat = results.m_c_Glaser;
    f.m_ev = results.m_ev_Glaser;
    f.t_ev = results.t_ev_Glaser;
    f.dryingReserveApplies = false;
    return f;
}

void DINCriteriaResult::evaluate(const DINCriteriaOptions &options, const InputData &input,
                                 const CalculationResults &results)
{
    evaluate(options, input, DINCriteriaFigures::moistureStorage(results));
}

void DINCriteriaResult::evaluate(const DINCriteriaOptions &options, const InputData &input,
                                 const DINCriteriaFigures &figures)
{
    const DINCriteriaOptions &o = options;
    build(input, figures.planes, o.m_edition, o.m_nonCapillarAw);
    m_options = o;
    m_figures = figures;
    m_nonCapillaryApplies = nonCapillaryCriterionApplies(figures.planes);
    m_note = noteText(o.m_edition, o.m_nonCapillarAw);
    if (!resultAssessable(figures.resultType) || !figureFault(figures).isEmpty())
        return;

    m_evaluated = true;
    const double M_c = figures.M_c;
    m_massMet = massCriterionMet(M_c, m_nonCapillaryApplies);
    switch (woodRow()) {
    case TimberRow:
        m_woodMet = timberCriterionMet(M_c);
        break;
    case WoodBasedRow:
        m_woodMet = woodBasedCriterionMet(M_c);
        break;
    case NoWoodRow:
        m_woodMet = true;
        break;
    }
    m_dryingTimeMet = dryingTimeMet(figures.t_ev);
    m_dryingReserveEvaluated = figures.dryingReserveApplies &&
                               dryingReserveEvaluated(figures.m_condStat, o.m_dryingReserve);
    m_dryingReserveMet =
        m_dryingReserveEvaluated ? dryingReserveMet(figures.m_ev, M_c, o.m_dryingReserve) : true;
}

QString DINCriteriaResult::figureFault(const CalculationResults &results)
{
    return figureFault(DINCriteriaFigures::moistureStorage(results));
}

QString DINCriteriaResult::figureFault(const DINCriteriaFigures &results)
{
    // A verdict on an infinite or NaN figure judges nothing ("NaN < 0.5" is false, "-inf < 0.5"
    // true), and a negative condensate mass has no physical meaning. A negative drying time
    // does: with condensate, the summer flux runs towards the plane and it never dries (the
    // drying-time check then fails); with a negative mass it is the same nonsense.
    for (double x : {results.M_c, results.m_condStat, results.m_ev, results.t_ev})
        if (!std::isfinite(x))
            return tr("the calculation gave a figure that is not a finite number");
    if (results.M_c < 0 || results.m_condStat < 0)
        return tr("the calculation gave a negative condensate mass");
    return QString();
}

bool DINCriteriaResult::resultAssessable(int resultType)
{
    return resultType >= ResultType::OnlyOneLayer;
}

bool DINCriteriaResult::nonCapillaryCriterionApplies(const PlaneList &planes) const
{
    for (const auto &group : planes) {
        for (int k : m_nonCapillaryLayers) {
            if (k >= 0 && group.first <= unsigned(k) && unsigned(k) <= group.second)
                return true;
        }
    }
    return false;
}

bool DINCriteriaResult::massCriterionMet(double M_c, bool nonCapillaryApplies)
{
    return M_c < massLimit(nonCapillaryApplies);
}

bool DINCriteriaResult::timberCriterionMet(double M_c) const
{
    return m_timberLayers.empty() || M_c < m_massLimitTimber;
}

bool DINCriteriaResult::woodBasedCriterionMet(double M_c) const
{
    return m_woodBasedLayers.empty() || M_c < m_massLimitWoodBased;
}

DINCriteriaResult::WoodRow DINCriteriaResult::woodRow() const
{
    if (!m_woodBasedLayers.empty())
        return WoodBasedRow;
    if (!m_timberLayers.empty())
        return TimberRow;
    return NoWoodRow;
}

bool DINCriteriaResult::dryingTimeMet(double t_ev)
{
    // A negative drying time means the summer vapour flux runs towards the condensation plane:
    // the condensate never dries out (the report says "No drying"), so the limit is missed.
    // -0 (no condensate and such a flux) leaves nothing to dry and passes.
    return t_ev >= 0 && t_ev / SecondsPerDay < MaxDryingDays;
}

bool DINCriteriaResult::dryingReserveEvaluated(double m_condStat, double dryingReserve)
{
    return m_condStat > 0 && std::fabs(dryingReserve) > ZeroTolerance;
}

bool DINCriteriaResult::dryingReserveMet(double m_ev, double m_cond, double dryingReserve)
{
    return m_ev > m_cond + dryingReserve;
}

QString DINCriteriaResult::headingText(DINEdition edition)
{
    switch (edition) {
    case DINEdition::DIN4108_3_2001:
        return tr("Check according DIN 4108-3 2001");
    case DINEdition::DIN4108_3_2014:
        return tr("Check according DIN 4108-3 2014");
    case DINEdition::DIN4108_3_2018:
        return tr("Check according DIN 4108-3 2018 and 2024");
    case DINEdition::UserDefined:
        return tr("Check accordinguser defined data");
    }
    return QString();
}

QString DINCriteriaResult::basisText(CriteriaBasis basis)
{
    switch (basis) {
    case CriteriaBasis::Glaser:
        return tr("Glaser scheme");
    case CriteriaBasis::MoistureStorage:
        break;
    }
    return tr("Moisture storage method");
}

QString DINCriteriaResult::massRowText(bool nonCapillaryApplies)
{
    if (nonCapillaryApplies)
        return tr("DIN 4108-3 (no capillary suction) M<sub>c</sub> &lt;= 0.5kg/m<sup>2</sup>");
    return tr("DIN 4108-3 (with capillary suction) M<sub>c</sub> &lt;= 1.0kg/m<sup>2</sup>");
}

QString DINCriteriaResult::timberRowText()
{
    return tr("DIN 4108-3 (Wood) %1u<sub>m</sub> &lt; 5%").arg(QChar(0x0394));
}

QString DINCriteriaResult::woodBasedRowText()
{
    return tr("DIN 4108-3 (Wood based material) %1u<sub>m</sub> &lt; 3%").arg(QChar(0x0394));
}

QString DINCriteriaResult::dryingTimeRowText()
{
    return tr("Drying time in summer t<sub>ev</sub> &lt; 90d");
}

QString DINCriteriaResult::dryingReserveRowText(double dryingReserve)
{
    return tr("Check for drying reserve of %1 g/m<sup>2</sup>a according DIN 68800-2")
        .arg(QLocale().toString(dryingReserveInGrams(dryingReserve), 'f', 6));
}

QString DINCriteriaResult::noteText(DINEdition edition, double userAwLimit)
{
    if (edition != DINEdition::UserDefined)
        return QString();
    const double perHour = userAwLimit * 60;
    if (!(std::fabs(perHour - editionAwLimit(DINEdition::UserDefined)) > ZeroTolerance))
        return QString();
    const QString unit = QStringLiteral("kg/m%1h%2").arg(QChar(0x00B2)).arg(QChar(0x00BD));
    return tr("The current calculation don't use the same water uptake value as check for "
              "non-capillar material ") +
           tr("as the standard DIN 4108-3 from 2014, 2018 or 2024.<br/>") +
           tr("Used value: %1 %2.<br/>").arg(QLocale().toString(perHour, 'g'), unit) +
           tr("This is admissible because MIRELO is a advanced software as per appendix D DIN "
              "4108-3.");
}

QJsonObject DINCriteriaResult::toJson() const
{
    QJsonObject o;
    const QJsonValue null(QJsonValue::Null);
    // Without a result every verdict is null: "not evaluated" is neither fulfilled nor failed.
    const auto verdict = [this, &null](bool met) { return m_evaluated ? QJsonValue(met) : null; };
    o.insert(QStringLiteral("standard"), dinEditionCode(m_options.m_edition));
    o.insert(QStringLiteral("heading"), headingText(m_options.m_edition));
    o.insert(QStringLiteral("aw_limit"), m_awLimit);
    o.insert(QStringLiteral("non_capillary_layers"), toJsonArray(m_nonCapillaryLayers));
    o.insert(QStringLiteral("timber_layers"), toJsonArray(m_timberLayers));
    o.insert(QStringLiteral("woodbased_layers"), toJsonArray(m_woodBasedLayers));
    o.insert(QStringLiteral("timber_limit"), m_massLimitTimber);
    o.insert(QStringLiteral("woodbased_limit"), m_massLimitWoodBased);
    o.insert(QStringLiteral("classification"), classification());
    o.insert(QStringLiteral("non_capillary_applies"), m_nonCapillaryApplies);
    o.insert(QStringLiteral("mass_limit"), massLimit(m_nonCapillaryApplies));
    o.insert(QStringLiteral("mass_met"), verdict(m_massMet));
    switch (woodRow()) {
    case TimberRow:
        o.insert(QStringLiteral("wood_row"), QStringLiteral("timber"));
        o.insert(QStringLiteral("wood_met"), verdict(m_woodMet));
        break;
    case WoodBasedRow:
        o.insert(QStringLiteral("wood_row"), QStringLiteral("woodbased"));
        o.insert(QStringLiteral("wood_met"), verdict(m_woodMet));
        break;
    case NoWoodRow:
        o.insert(QStringLiteral("wood_row"), null);
        o.insert(QStringLiteral("wood_met"), null);
        break;
    }
    o.insert(QStringLiteral("drying_time_met"), verdict(m_dryingTimeMet));
    o.insert(QStringLiteral("drying_reserve_evaluated"), m_dryingReserveEvaluated);
    o.insert(QStringLiteral("drying_reserve_met"),
             m_dryingReserveEvaluated ? QJsonValue(m_dryingReserveMet) : null);
    o.insert(QStringLiteral("evaluated"), m_evaluated);
    o.insert(QStringLiteral("drying_reserve_text"),
             dryingReserveRowText(m_options.m_dryingReserve));
    o.insert(QStringLiteral("note"), m_note);
    return o;
}
