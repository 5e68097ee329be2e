// Worst-case measurement of the search for condensation planes: the constructions that make it
// slow (tests/data/slow-constructions) and random plausible constructions (fixed seed), by
// default of 20, 25 and 31 layers. For each: the calculation time (minimum of a few runs),
// whether the candidate budget was reached, and, where the exhaustive search finishes within a
// cap of candidates, whether the screened result equals it bit for bit.
//
//   build/bin/bench_PlaneSearch [COUNT [FIRST LAST [CAP]]]
//
// COUNT constructions per layer count (default 2000); FIRST..LAST: every layer count of that
// range instead of 20, 25 and 31; CAP: most candidates of the exhaustive search (default
// 20000). Construction c of a layer count is the same for every COUNT above c when the layer
// counts are the same.

#include "BenchSupport.h"
#include "calculation/Calculation.h"
#include "calculation/MoistureStorage.h"
#include "calculation/ResultType.h"
#include "document/Project.h"
#include "model/InputData.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// Exhaustive searches longer than this many candidates are not compared.
constexpr int DefaultExhaustiveCap = 20000;

double timeCalculation(const InputData &input, const CalculationOptions &options,
                       CalculationOutcome &outcome, int repeats)
{
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        outcome = Calculation::calculate(input, options);
        best = std::min(best, timer.nsecsElapsed() * 1e-6);
    }
    return best;
}

int candidates(const CalculationOutcome &o)
{
    int sum = 0;
    for (const CalculationPassTrace &t : o.trace)
        sum += t.candidatesTried;
    return sum;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    std::vector<int> layerCounts{20, 25, 31};
    if (argc > 3) {
        layerCounts.clear();
        const int first = std::max(2, std::atoi(argv[2]));
        const int last = std::min(MoistureStorage::MaxLayers, std::atoi(argv[3]));
        for (int n = first; n <= last; ++n)
            layerCounts.push_back(n);
    }
    const int cap = argc > 4 ? std::max(1, std::atoi(argv[4])) : DefaultExhaustiveCap;

    std::printf("Slow constructions (ms, minimum of 3 runs):\n");
    const QDir dir(QStringLiteral(M2_SOURCE_DIR "/tests/data/slow-constructions"));
    for (const QString &name : dir.entryList({QStringLiteral("*.m2p")}, QDir::Files, QDir::Name)) {
        Project project;
        if (!project.load(dir.filePath(name))) {
            std::printf("  %s: not loaded\n", qPrintable(name));
            continue;
        }
        CalculationOutcome o;
        const double ms = timeCalculation(project.inputData(), project.calculationOptions(), o, 3);
        std::printf("  %-42s %8.3f ms  type %d  %d candidates  %s\n", qPrintable(name), ms,
                    int(o.results.type), candidates(o), qPrintable(o.messages.join(' ')));
    }

    std::mt19937 rng(4108);
    std::uniform_real_distribution<double> unit(0, 1);
    std::printf("Random constructions (ms, minimum of 3 runs; exhaustive cap %d candidates):\n",
                cap);
    for (int layers : layerCounts) {
        double worst = 0, worstCondensing = 0;
        int budgetHits = 0, compared = 0, equal = 0, condensing = 0, searched = 0, stoppedShort = 0,
            mostSolved = 0;
        for (int c = 0; c < count; ++c) {
            const InputData input = randomConstruction(rng, layers);
            CalculationOptions screened;
            screened.moistureDependentLambda = unit(rng) < 0.5;
            CalculationOutcome a;
            const double ms = timeCalculation(input, screened, a, 3);
            worst = std::max(worst, ms);
            if (!a.trace.empty())
                ++searched;
            if (ResultType::isCondensation(a.results.type)) {
                ++condensing;
                worstCondensing = std::max(worstCondensing, ms);
            }
            if (stopped(a))
                ++budgetHits;
            else
                mostSolved = std::max(mostSolved, candidates(a));
            if (a.trace.empty())
                continue;
            CalculationOptions exhaustive = screened;
            exhaustive.exhaustiveSearch = true;
            exhaustive.candidateBudget = cap;
            const CalculationOutcome b = Calculation::calculate(input, exhaustive);
            if (stopped(b))
                continue;
            ++compared;
            if (sameOutcome(a, b))
                ++equal;
            else if (stopped(a))
                ++stoppedShort;
            else
                std::printf("  MISMATCH: %d layers, construction %d\n", layers, c);
        }
        std::printf("%d layers: %d constructions, %d searched, %d condensing; worst %.3f ms "
                    "(condensing %.3f ms); budget reached %d; most solves without reaching it "
                    "%d; exhaustive finished %d, equal %d, budget reached before its answer %d\n",
                    layers, count, searched, condensing, worst, worstCondensing, budgetHits,
                    mostSolved, compared, equal, stoppedShort);
        std::fflush(stdout);
    }
    return 0;
}
