// One line per random construction with a digest of everything its calculation produced (every
// bit of the results, the messages, what each pass accepted), for comparing two builds of the
// program bit for bit:
//
//   build/bin/bench_OutcomeDigest [COUNT [reuse]] > new.txt
//   other/bin/bench_OutcomeDigest > old.txt;  diff old.txt new.txt
//
// The constructions are those of bench_PlaneComparison (COUNT per climate, default 20000), with
// the moisture-dependent conductivity on and off. Each calculation starts afresh; with "reuse"
// all of them share one outcome and one workspace, as the program's recalculations do, so that
// the digests also tell whether anything kept in the workspace changes a result.

#include "BenchSupport.h"
#include "calculation/Calculation.h"
#include "model/Climate.h"
#include "model/InputData.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

struct Digest
{
    std::uint64_t h = 1469598103934665603ull;
    void bytes(const void *p, std::size_t n)
    {
        const unsigned char *c = static_cast<const unsigned char *>(p);
        for (std::size_t i = 0; i < n; ++i)
            h = (h ^ c[i]) * 1099511628211ull;
    }
    void add(double v) { bytes(&v, sizeof v); }
    void add(int v) { bytes(&v, sizeof v); }
    void add(const std::vector<double> &v)
    {
        add(int(v.size()));
        for (double x : v)
            add(x);
    }
};

std::uint64_t digest(const CalculationOutcome &o)
{
    const CalculationResults &r = o.results;
    Digest d;
    d.add(int(r.type));
    d.add(int(r.typeGlaser));
    for (double v :
         {r.d_total, r.m_c_Glaser, r.m_ev_Glaser, r.t_ev_Glaser, r.U_moist, r.R_T, r.R_T_moist,
          r.R_layers, r.R_layers_moist, r.m_condStat, r.m_cond, r.tau, r.t_hyg, r.t_ev, r.m_ev})
        d.add(v);
    d.add(r.kFirst);
    d.add(r.kLast);
    for (const auto *v :
         {&r.T_Glaser, &r.pv_Glaser, &r.psat_Glaser, &r.R_Glaser, &r.Z_Glaser, &r.R, &r.Z, &r.R_liq,
          &r.T, &r.psat, &r.pv, &r.w_left, &r.w_right, &r.sk_Cond, &r.m_condLayer})
        d.add(*v);
    for (const auto *planes : {&r.kPlanes, &r.kPlanesGlaser})
        for (const auto &p : *planes) {
            d.add(int(p.first));
            d.add(int(p.second));
        }
    for (const QString &m : o.messages)
        d.bytes(m.constData(), std::size_t(m.size()) * sizeof(QChar));
    for (const CalculationPassTrace &t : o.trace) {
        d.add(int(t.accepted));
        d.add(t.g);
        d.add(t.dw);
    }
    return d.h;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    const bool reuse = argc > 2 && std::strcmp(argv[2], "reuse") == 0;
    CalculationOutcome shared;
    CalculationWorkspace workspace;
    const double climates[2][4] = {{20, 50, -5, 80}, {22, 65, -15, 85}};
    for (int cl = 0; cl < 2; ++cl) {
        std::mt19937 rng(3108);
        std::uniform_int_distribution<int> layerCount(2, 31);
        for (int c = 0; c < count; ++c) {
            InputData input = randomConstruction(rng, layerCount(rng), false);
            Climate &climate = input.climate();
            climate.setValue(Climate::Inside, Climate::Winter, Climate::Q_T, climates[cl][0]);
            climate.setValue(Climate::Inside, Climate::Winter, Climate::Q_rh, climates[cl][1]);
            climate.setValue(Climate::Outside, Climate::Winter, Climate::Q_T, climates[cl][2]);
            climate.setValue(Climate::Outside, Climate::Winter, Climate::Q_rh, climates[cl][3]);
            input.validate();
            for (bool moist : {false, true}) {
                CalculationOptions options;
                options.moistureDependentLambda = moist;
                if (reuse)
                    Calculation::calculate(input, options, shared, workspace);
                else
                    shared = Calculation::calculate(input, options);
                const CalculationOutcome &o = shared;
                const bool stopped =
                    !o.messages.isEmpty() &&
                    o.messages.front().startsWith(QLatin1String("The search for condensation"));
                std::printf("%d %d %d type %d %016llx%s\n", cl, c, int(moist), int(o.results.type),
                            static_cast<unsigned long long>(digest(o)), stopped ? " stopped" : "");
            }
        }
    }
    return 0;
}
