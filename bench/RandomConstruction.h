#pragma once

// Random but plausible constructions for the benchmarks of the plane search: log-uniform
// material data, liquid transport in every layer for half of them.

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
