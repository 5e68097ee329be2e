#pragma once

// What the benchmarks share: random but plausible constructions for the plane search
// (log-uniform material data, liquid transport in every layer for half of them), the
// construction whose only plane lies in front of the last layer, and outcome comparisons.

#include "calculation/Calculation.h"
#include "calculation/ResultType.h"
#include "model/InputData.h"

#include <cmath>
#include <random>

inline Material randomMaterial(std::mt19937 &rng, bool liquid)
{
    std::uniform_real_distribution<double> unit(0, 1);
    auto logUniform = [&](double lo, double hi) {
        return std::exp(std::log(lo) + unit(rng) * (std::log(hi) - std::log(lo)));
    };
    Material m;
    m.m_name = QStringLiteral("Random");
    m.m_category = 12;
    m.m_rho = 1000;
    m.m_lambda = logUniform(0.03, 2.5);
    m.m_mu = m.m_mu_min = m.m_mu_max = logUniform(1, 3000);
    m.m_w_80 = logUniform(0.0001, 0.08);
    m.m_w_sat = m.m_w_80 * 95 / 80 + logUniform(0.02, 0.9);
    m.m_A_w = liquid ? logUniform(0.0005, 0.5) : 0;
    return m;
}

/*! randomClimate: a random winter climate in 70 % of the constructions (otherwise DIN 4108-3). */
inline InputData randomConstruction(std::mt19937 &rng, int layers, bool randomClimate = true)
{
    std::uniform_real_distribution<double> unit(0, 1);
    InputData input; // DIN 4108-3 climate unless changed below
    const bool allLiquid = unit(rng) < 0.5;
    for (int i = 0; i < layers; ++i)
        input.insertLayer(i, MaterialLayer(randomMaterial(rng, allLiquid || unit(rng) < 0.6),
                                           0.005 + 0.2 * unit(rng)));
    if (unit(rng) < 0.7 && randomClimate) {
        input.climate().setValue(Climate::Inside, Climate::Winter, Climate::Q_T,
                                 15 + 10 * unit(rng));
        input.climate().setValue(Climate::Inside, Climate::Winter, Climate::Q_rh,
                                 30 + 40 * unit(rng));
        input.climate().setValue(Climate::Outside, Climate::Winter, Climate::Q_T,
                                 -31 + 31 * unit(rng));
    }
    input.validate();
    return input;
}

inline Material material(const char *name, int category, double rho, double lambda, double mu,
                         double w_80, double w_sat, double A_w)
{
    Material m;
    m.m_name = QString::fromLatin1(name);
    m.m_category = category;
    m.m_rho = rho;
    m.m_lambda = lambda;
    m.m_mu = m.m_mu_min = m.m_mu_max = mu;
    m.m_w_80 = w_80;
    m.m_w_sat = w_sat;
    m.m_A_w = A_w;
    return m;
}

// Interior plaster and masonry (warm, vapour-open), an insulation layer, then a vapour-tight
// exterior board: only the interface in front of the last layer is cold enough for condensate.
inline InputData planeAtLastInterface(int layers)
{
    InputData input;
    const Material plaster = material("Gypsum plaster", 1, 1200, 0.51, 10, 0.006, 0.45, 0.25);
    const Material brick = material("Solid clay brick", 2, 1800, 0.81, 10, 0.006, 0.3, 0.25);
    const Material insulation = material("Mineral wool", 5, 60, 0.035, 1, 0.0005, 0.9, 0);
    const Material outer = material("Bitumen-coated board", 6, 1000, 0.17, 2000, 0.02, 0.3, 0.001);
    if (layers > 2)
        input.insertLayer(0, MaterialLayer(plaster, 0.015));
    for (int i = 1; i < layers - 2; ++i)
        input.insertLayer(i, MaterialLayer(brick, 0.24 / (layers - 3)));
    input.insertLayer(input.layerCount(), MaterialLayer(insulation, 0.12));
    input.insertLayer(input.layerCount(), MaterialLayer(outer, 0.02));
    input.validate();
    return input;
}

// Bit for bit, also the fields the results' equality leaves out, and what each pass accepted.
inline bool sameOutcome(const CalculationOutcome &a, const CalculationOutcome &b)
{
    if (!(a.results == b.results && a.messages == b.messages && a.results.m_ev == b.results.m_ev &&
          a.results.R_T_moist == b.results.R_T_moist && a.trace.size() == b.trace.size()))
        return false;
    for (std::size_t i = 0; i < a.trace.size(); ++i)
        if (a.trace[i].accepted != b.trace[i].accepted || a.trace[i].g != b.trace[i].g ||
            a.trace[i].dw != b.trace[i].dw)
            return false;
    return true;
}

inline bool stopped(const CalculationOutcome &o)
{
    return o.results.type == ResultType::CalculationError && o.messages.size() == 1 &&
           o.messages.front().startsWith(QLatin1String("The search for condensation planes"));
}
