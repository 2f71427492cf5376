// Classic creation: puzzles of a size and word per second, and how many
// layouts of a batch repeat.
#include "base/silent_user_interface.h"
#include "create/classic_fill.h"
#include "create/classic_layout.h"
#include "files/puzzle_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>
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

// A drawn layout filled as create --template FILE:25 --classic fills it: the
// published 13 x 13 record 25, seeds 1 to 5 (goal: each within 30 s).
void BM_ClassicTemplateRecord25(benchmark::State& state) {
    const auto file =
        std::filesystem::path(VEXTOR_SOURCE_DIR) / ".." / "shared" / "corpus" / "published.vxt";
    AppState st(1);
    SilentUserInterface ui(false, Answer::No);
    if (!std::filesystem::exists(file) || !ReadPuzzle(st, ui, file.string(), 25)) {
        state.SkipWithError("no corpus");
        return;
    }
    const ClassicLayout layout = LayoutOfGrid(st.grid);
    bool filled = true;
    for (auto _ : state) {
        Random rng(static_cast<std::uint64_t>(state.range(0)));
        filled = FillClassicLayout(rng, layout, 0, kClassicTemplateFills).has_value() && filled;
    }
    state.counters["filled"] = filled ? 1 : 0;
}
BENCHMARK(BM_ClassicTemplateRecord25)->DenseRange(1, 5)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
