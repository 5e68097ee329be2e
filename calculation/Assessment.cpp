#include "calculation/Assessment.h"

#include "calculation/CalculationResults.h"
#include "model/InputData.h"
#include "settings/ReportSettings.h"

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

Assessment Assessment::evaluate(const InputData &input, const CalculationResults &results,
                                int heatFlowDirection, const AssessmentOptions &options)
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

    // The temperature factor is summed from the layers themselves: it exists even where the
    // calculation stopped before its thermal field.
    double sumR = 0;
    for (int i = 0; i < input.layerCount(); ++i)
        sumR += input.layer(i).m_width / input.layer(i).lambda(heatFlowDirection);
    const ClimateCondition &inside = input.climate().insideWinter();
    a.minimum = MinimumHeatResistance::evaluate(
        options.minimumHeatResEdition, options.minimumHeatResType, results.R_layers, sumR,
        options.frsiCheck, inside.m_T, inside.m_rh, input.climate().outsideWinter().m_Rs);
    return a;
}
