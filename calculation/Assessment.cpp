#include "calculation/Assessment.h"

#include "calculation/CalculationResults.h"
#include "calculation/ResultType.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "settings/ReportSettings.h"

#include <cmath>

AssessmentOptions AssessmentOptions::fromReportSettings(const ReportSettings &settings)
{
    AssessmentOptions o;
    o.dinEdition = dinEditionFromCode(settings.m_din4108_3AccordanceType);
    o.userAwLimit = settings.m_nonCapillarAw;
    o.dryingReserve = settings.m_dryingReserve;
    o.minimumHeatResEdition = settings.m_minimumHeatResVersion;
    o.minimumHeatResType = settings.m_minimumHeatResConstruction;
    o.frsiCheck = settings.m_frsiCheck;
    return o;
}

AssessmentOptions AssessmentOptions::forProject(const ReportSettings &settings,
                                                const ProjectInformation &project)
{
    AssessmentOptions o = fromReportSettings(settings);
    if (project.m_minimumResistanceType == ProjectInformation::NoMinimumResistanceType)
        return o;
    o.minimumHeatResType = project.m_minimumResistanceType;
    if (MinimumHeatResistance::row(o.minimumHeatResEdition, o.minimumHeatResType).isEmpty())
        o.minimumHeatResType = ConstructionKinds::minimumResistanceType(project.m_constructionKind,
                                                                        o.minimumHeatResEdition);
    return o;
}

namespace {

// Why a result type carries no figures to judge; the invalid input names its first fault.
QString reason(int resultType, const InputData &input)
{
    switch (resultType) {
    case ResultType::NoLayers:
        return Assessment::tr("no construction");
    case ResultType::InvalidInput: {
        const QString fault = input.faultText();
        return fault.isEmpty() ? Assessment::tr("invalid input")
                               : Assessment::tr("invalid input: %1").arg(fault);
    }
    case ResultType::CalculationError:
        return Assessment::tr("the moisture calculation failed");
    case ResultType::NoAlgorithm:
        return Assessment::tr("there is no algorithm for this problem");
    case ResultType::SurfaceCondensationInside:
        return Assessment::tr("condensation on the inside surface");
    case ResultType::SurfaceCondensationOutside:
        return Assessment::tr("condensation on the outside surface");
    default:
        return QString();
    }
}

} // namespace

QString Assessment::reasonFor(int resultType, const InputData &input)
{
    return reason(resultType, input);
}

Assessment Assessment::evaluate(const InputData &input, const CalculationResults &results,
                                HeatFlowDirection heatFlowDirection,
                                const AssessmentOptions &options)
{
    Assessment a;
    a.options = options;
    a.resultType = results.type;
    a.M_c = results.m_cond;
    a.m_ev = results.m_ev;
    a.t_ev = results.t_ev;
    a.R_layers = results.R_layers;

    DINCriteriaOptions din;
    din.m_edition = options.dinEdition;
    din.m_nonCapillarAw = options.userAwLimit;
    din.m_dryingReserve = options.dryingReserve;
    a.din.evaluate(din, input, results);
    // One rule, two inputs: the Glaser scheme's figures are judged by the same criteria.
    a.dinGlaser.evaluate(din, input, DINCriteriaFigures::glaser(results));
    if (!a.glaserCriteriaEvaluated()) {
        a.glaserNotEvaluatedReason = reason(results.typeGlaser, input);
        if (a.glaserNotEvaluatedReason.isEmpty())
            a.glaserNotEvaluatedReason = DINCriteriaResult::figureFault(a.dinGlaser.m_figures);
    }

    // The temperature factor is summed from the layers themselves: it exists even where the
    // calculation stopped before its thermal field.
    double sumR = 0;
    for (int i = 0; i < input.layerCount(); ++i)
        sumR += input.layer(i).m_width / input.layer(i).lambda(heatFlowDirection);
    const ClimateCondition &inside = input.climate().insideWinter();
    a.minimum = MinimumHeatResistance::evaluate(
        options.minimumHeatResEdition, options.minimumHeatResType, results.R_layers, sumR,
        options.frsiCheck, inside.m_T, inside.m_rh, input.climate().outsideWinter().m_Rs);
    // "R inf >= R_min" would pass: a resistance that is not finite gets no verdict.
    const bool thermalFigures = std::isfinite(results.R_layers) && std::isfinite(sumR);
    a.thermalEvaluated = results.type > ResultType::InvalidInput && thermalFigures;
    if (!a.thermalEvaluated) {
        a.minimum.m_fulfilled = false;
        a.minimum.m_frsiFulfilled = false;
    }
    if (!a.criteriaEvaluated() || !a.thermalEvaluated) {
        a.notEvaluatedReason = reason(results.type, input);
        if (a.notEvaluatedReason.isEmpty())
            a.notEvaluatedReason = DINCriteriaResult::figureFault(results);
        if (a.notEvaluatedReason.isEmpty() && !thermalFigures)
            a.notEvaluatedReason =
                tr("the thermal resistance of the construction is not a finite number");
    }
    return a;
}
