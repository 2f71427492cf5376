// Puzzle creation: random puzzles by size, and compiling a large layout.
#include "base/silent_user_interface.h"
#include "create/compile.h"
#include "create/random_layout.h"
#include "create/unique.h"
#include "state/grid_commands.h"
#include "support/random_puzzle.h"

#include <benchmark/benchmark.h>

using namespace vextor;

namespace {

void BM_CreateRandomPuzzle(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    AppState st(1);
    SilentUserInterface ui;
    long long layouts = 0;
    for (auto _ : state) {
        BuildGrid(st, ui, size, size);
        int n = 0;
        benchmark::DoNotOptimize(CreateRandomPuzzle(st, ui, &n));
        layouts += n;
    }
    state.counters["layouts"] =
        benchmark::Counter(static_cast<double>(layouts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CreateRandomPuzzle)->Arg(7)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_CompileGrid15x18(benchmark::State& state) {
    AppState st(1);
    SilentUserInterface ui;
    test::makeRandomPuzzle(st, 15, 18, 3);
    const Grid layout = st.grid;
    const bool randomDigits = state.range(0) != 0;
    for (auto _ : state) {
        st.grid = layout;
        benchmark::DoNotOptimize(CompileGrid(st, ui, false, randomDigits));
    }
}
BENCHMARK(BM_CompileGrid15x18)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A random puzzle with exactly one solution, as create --unique makes it:
// puzzles dropped by the repair are made again.
void BM_CreateUniquePuzzle(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    AppState st(1);
    SilentUserInterface ui;
    long long tries = 0;
    for (auto _ : state) {
        do {
            BuildGrid(st, ui, size, size);
            CreateRandomPuzzle(st, ui);
            ++tries;
        } while (MakeUnique(st, true) == Uniqueness::Failed);
    }
    state.counters["puzzles"] =
        benchmark::Counter(static_cast<double>(tries), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CreateUniquePuzzle)->Arg(7)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
