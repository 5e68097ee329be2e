// Cost of one calculation in steady state: heap allocations per calculation (counted by a
// replaced global operator new) and, under callgrind, instructions per calculation.
//
//   build/bin/bench_CalculationCost [REPEATS [CASE]]
//   valgrind --tool=callgrind --toggle-collect='*measure*' build/bin/bench_CalculationCost 100 1
//
// CASE 0, 1 or 2 runs only that construction (callgrind then collects REPEATS + 3 calculations),
// -1 all of them. With "fresh" every calculation returns a new outcome and uses a new workspace,
// as Calculation::calculate(input, options) does.
//
// The constructions are those of bench_Calculation (one condensation plane in front of the
// last layer): 10 layers with moisture-dependent conductivity off and on, 31 layers on. Each is
// calculated REPEATS times (default 1000) after a warm-up with the same caller-held storage.

#include "BenchSupport.h"
#include "calculation/Calculation.h"
#include "calculation/ResultType.h"
#include "model/InputData.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void *operator new(std::size_t size)
{
    ++allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

// The measured loop, kept out of line so that callgrind can collect just it.
bool fresh = false;

__attribute__((noinline)) int measure(const InputData &input, const CalculationOptions &options,
                                      int repeats, CalculationOutcome &outcome,
                                      CalculationWorkspace &workspace)
{
    int sum = 0;
    for (int r = 0; r < repeats; ++r) {
        if (fresh)
            outcome = Calculation::calculate(input, options);
        else
            Calculation::calculate(input, options, outcome, workspace);
        sum += int(outcome.results.type);
    }
    return sum;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int only = argc > 2 ? std::atoi(argv[2]) : -1;
    fresh = argc > 3 && std::strcmp(argv[3], "fresh") == 0;
    int index = -1;
    struct Case
    {
        int layers;
        bool moist;
    };
    for (const Case c : {Case{10, false}, Case{10, true}, Case{31, true}}) {
        if (++index != only && only >= 0)
            continue;
        const InputData input = planeAtLastInterface(c.layers);
        CalculationOptions options;
        options.moistureDependentLambda = c.moist;
        CalculationOutcome outcome;
        CalculationWorkspace workspace;
        measure(input, options, 3, outcome, workspace); // warm-up: storage grows to its size
        const long before = allocations;
        QElapsedTimer timer;
        timer.start();
        const int sum = measure(input, options, repeats, outcome, workspace);
        const double us = timer.nsecsElapsed() * 1e-3 / repeats;
        const long allocs = allocations - before;
        std::printf("%2d layers, moisture-dependent lambda %-3s: type %d, %.2f allocations and "
                    "%.2f us per calculation\n",
                    c.layers, c.moist ? "on" : "off", sum / repeats, double(allocs) / repeats, us);
    }
    return 0;
}
