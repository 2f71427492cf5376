// Classic creation: puzzles of a size and word per second, and how many
// layouts of a batch repeat.
#include "create/classic_fill.h"

#include <benchmark/benchmark.h>
#include <set>

using namespace vextor;

namespace {

// One classic puzzle per iteration: rows x cols, tier (0 any), half-turn.
void BM_ClassicPuzzle(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int cols = static_cast<int>(state.range(1));
    const int tier = static_cast<int>(state.range(2));
    Random rng(1);
    long long layouts = 0, rounds = 0, failed = 0;
    for (auto _ : state) {
        ClassicSearchCounts counts;
        const auto p = MakeClassicPuzzle(rng, rows, cols, ClassicSymmetry::HalfTurn, tier, &counts);
        failed += p ? 0 : 1;
        layouts += counts.layouts;
        rounds += counts.rounds;
        benchmark::DoNotOptimize(p);
    }
    using C = benchmark::Counter;
    state.counters["puzzles/s"] = C(static_cast<double>(state.iterations()), C::kIsRate);
    state.counters["layouts"] = C(static_cast<double>(layouts), C::kAvgIterations);
    state.counters["rounds"] = C(static_cast<double>(rounds), C::kAvgIterations);
    state.counters["failed"] = C(static_cast<double>(failed));
}
BENCHMARK(BM_ClassicPuzzle)
    ->Args({10, 10, 1})
    ->Args({10, 10, 2})
    ->Args({15, 15, 3})
    ->Args({12, 12, 4})
    ->Args({15, 18, 0})
    ->Unit(benchmark::kMillisecond);

// A batch of 50 puzzles as create --classic makes it: the layouts that
// repeat one made before (the counter "repeats" must stay 0 from 9 x 9 up,
// where the batch draws again; "drawn" counts layouts filled per puzzle).
void BM_ClassicVariety(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    long long repeats = 0;
    for (auto _ : state) {
        Random rng(7);
        ClassicLayoutsSeen batch;
        std::set<std::vector<char>> made;
        for (int k = 0; k < 50; ++k)
            if (const auto p = MakeClassicPuzzle(rng, side, side, ClassicSymmetry::HalfTurn, 2,
                                                 nullptr, &batch))
                repeats += made.insert(p->layout.white).second ? 0 : 1;
    }
    state.counters["repeats"] =
        benchmark::Counter(static_cast<double>(repeats), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ClassicVariety)->Arg(7)->Arg(9)->Arg(12)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
