#include "calculation/InhomogeneousLayers.h"

#include "model/InputData.h"

#include <cmath>
#include <limits>

namespace InhomogeneousLayers {

InhomogeneousResistance limits(const std::vector<Section> &sections, double R_si, double R_se)
{
    InhomogeneousResistance r;
    r.present = true;
    if (sections.empty()) {
        r.R_upper = r.R_lower = r.R_T = r.e = std::numeric_limits<double>::quiet_NaN();
        return r;
    }
    const std::size_t n = sections.front().R.size();

    // Upper limit: the sections in parallel, each from surface to surface.
    double conductanceUpper = 0;
    for (const Section &s : sections) {
        if (!(s.fraction > 0))
            continue;
        ++r.sections;
        double R_Tm = R_si;
        for (double R : s.R)
            R_Tm += R;
        R_Tm += R_se;
        conductanceUpper += s.fraction / R_Tm;
    }
    r.R_upper = 1 / conductanceUpper;

    // Lower limit: each layer replaced by the parallel resistance of its parts.
    double R_lower = R_si;
    for (std::size_t j = 0; j < n; ++j) {
        double conductance = 0;
        for (const Section &s : sections)
            if (s.fraction > 0)
                conductance += s.fraction / s.R[j];
        R_lower += 1 / conductance;
    }
    r.R_lower = R_lower + R_se;

    r.R_T = (r.R_upper + r.R_lower) / 2;
    r.e = (r.R_upper - r.R_lower) / (2 * r.R_T);
    return r;
}

std::vector<Section> sections(const InputData &input, HeatFlowDirection direction)
{
    const int n = input.layerCount();
    std::vector<double> fieldR(std::size_t(n), 0.0), bridgeR(std::size_t(n), 0.0);
    std::vector<int> bridged;
    std::vector<double> fraction;
    for (int j = 0; j < n; ++j) {
        const MaterialLayer &l = input.layer(j);
        const double d = l.m_width;
        const double lambda = l.lambda(direction);
        if (!(d > 0) || !(lambda > 0))
            return {};
        fieldR[std::size_t(j)] = d / lambda;
        if (!l.m_bridge)
            continue;
        const double f = l.m_bridge->fraction;
        const double lambdaBridge = l.m_bridge->material.lambda(d, direction);
        if (!(f > 0 && f < 1) || !(lambdaBridge > 0))
            return {};
        bridgeR[std::size_t(j)] = d / lambdaBridge;
        bridged.push_back(j);
        fraction.push_back(f);
    }
    const int k = static_cast<int>(bridged.size());
    if (k == 0 || k > MaxBridgedLayers)
        return {};

    // Bit b of a combination set: the section runs through the bridge of bridged layer b.
    std::vector<Section> result;
    result.reserve(std::size_t(1) << k);
    for (unsigned combination = 0; combination < (1u << k); ++combination) {
        Section s;
        s.fraction = 1;
        s.R = fieldR;
        for (int b = 0; b < k; ++b) {
            const std::size_t j = std::size_t(bridged[std::size_t(b)]);
            const double f = fraction[std::size_t(b)];
            if (combination & (1u << b)) {
                s.fraction *= f;
                s.R[j] = bridgeR[j];
            } else {
                s.fraction *= 1 - f;
            }
        }
        result.push_back(std::move(s));
    }
    return result;
}

InhomogeneousResistance calculate(const InputData &input, HeatFlowDirection direction)
{
    if (!input.hasBridges())
        return InhomogeneousResistance();
    return limits(sections(input, direction),
                  CalculationResults::isoSurfaceResistanceInside(direction),
                  CalculationResults::IsoSurfaceResistanceOutside);
}

} // namespace InhomogeneousLayers
