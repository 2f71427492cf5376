// AutoSolve against the exact solver (CountSolutions with a limit of 2, which
// proves a puzzle unique or finds a second solution) on the same puzzles, in
// the same run: the published corpus, and a search-heavy set of puzzles made
// by the program's own creation where AutoSolve must guess. The counters give
// the CPU time per pass of each solver over the set, their ratio and the
// median of the per-puzzle ratios.
#include "base/silent_user_interface.h"
#include "create/compile.h"
#include "create/random_layout.h"
#include "exact/exact_solver.h"
#include "files/puzzle_file.h"
#include "files/puzzle_reader.h"
#include "solver/autosolve.h"
#include "support/random_puzzle.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <filesystem>
#include <vector>

using namespace vextor;

namespace {

// The thread's CPU time in microseconds: steadier than the wall clock on a
// machine shared with other work.
double cpuMicros() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

// AutoSolve as `vextor-cli solve --seed 1` runs it, without messages.
SolveOutcome autoSolve(AppState& st, const Grid& grid) {
    SilentUserInterface ui(false, Answer::No);
    st.grid = grid;
    st.rng.reseed(1);
    st.maxtries = 2 * grid.rows * grid.cols;
    return RunAutoSolve(st, ui, false);
}

std::vector<Grid> publishedPuzzles() {
    std::vector<Grid> out;
    const auto p = std::filesystem::path(VEXTOR_SOURCE_DIR) / ".." / "shared" / "corpus" /
                   "published-nosol.vxt";
    if (!std::filesystem::exists(p))
        return out;
    PuzzleFileReader reader(p.string());
    SilentUserInterface ui(false, Answer::No);
    AppState st(1);
    for (int k = 1; k <= reader.count(); ++k)
        if (ReadPuzzle(st, ui, reader, k))
            out.push_back(st.grid);
    return out;
}

// Puzzles made by the program from fixed seeds, in turn: random layouts of
// 10 x 10 and 9 x 12 (the Auto command's creation), and layouts of 12 x 12,
// 15 x 15 and 15 x 18 compiled with random digits (creation on a template).
// Kept when AutoSolve with seed 1 guesses its way to a solution and the exact
// solver settles the count within 100,000 nodes (a few puzzles take it
// seconds; they would only measure the yardstick).
std::vector<Grid> searchHeavyPuzzles(std::size_t wanted) {
    struct Kind {
        int rows, cols;
        bool compiled;
    };
    const Kind kinds[] = {
        {10, 10, false}, {9, 12, false}, {12, 12, true}, {15, 15, true}, {15, 18, true}};
    std::vector<Grid> out;
    for (std::uint64_t seed = 1; out.size() < wanted && seed < 1000; ++seed) {
        for (const Kind& k : kinds) {
            AppState st(seed);
            SilentUserInterface ui(false, Answer::No);
            if (k.compiled) {
                test::makeRandomPuzzle(st, k.rows, k.cols, seed, 0.62);
                if (CompileGrid(st, ui, false, true) != CompileResult::Compiled)
                    continue;
            } else {
                BuildCreationGrid(st, ui, k.rows, k.cols);
                if (CreateRandomPuzzle(st, ui) != RandomPuzzleResult::Made)
                    continue;
            }
            for (int i = 1; i <= st.grid.ncells; ++i)
                st.grid[i].Choices.clear();
            const Grid puzzle = st.grid;
            if (autoSolve(st, puzzle) == SolveOutcome::Guessed && st.solver.guessesApplied > 0 &&
                CountSolutions(puzzle, 2, 100000).nodes < 100000)
                out.push_back(puzzle);
            if (out.size() == wanted)
                break;
        }
    }
    return out;
}

// One pass over the set per iteration, every puzzle timed with both solvers.
void compareSolvers(benchmark::State& state, const std::vector<Grid>& puzzles) {
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles (corpus absent?)");
        return;
    }
    AppState st(1);
    double autoTotal = 0, exactTotal = 0, worstAuto = 0, worstExact = 0;
    std::vector<double> ratios;
    long long guesses = 0;
    for (auto _ : state) {
        ratios.clear();
        guesses = 0;
        for (const Grid& g : puzzles) {
            const double t0 = cpuMicros();
            benchmark::DoNotOptimize(autoSolve(st, g));
            const double t1 = cpuMicros();
            const ExactResult r = CountSolutions(g, 2);
            const double t2 = cpuMicros();
            benchmark::DoNotOptimize(r.count);
            guesses += st.solver.guessesApplied;
            const double a = t1 - t0, e = t2 - t1;
            autoTotal += a;
            exactTotal += e;
            worstAuto = std::max(worstAuto, a);
            worstExact = std::max(worstExact, e);
            ratios.push_back(a / std::max(e, 0.001));
        }
    }
    std::sort(ratios.begin(), ratios.end());
    const double n = static_cast<double>(state.iterations());
    state.counters["puzzles"] = static_cast<double>(puzzles.size());
    state.counters["guesses"] = static_cast<double>(guesses);
    state.counters["autosolve_ms"] = autoTotal / n / 1000;
    state.counters["exact_ms"] = exactTotal / n / 1000;
    state.counters["ratio"] = autoTotal / exactTotal;
    state.counters["median_ratio"] = ratios[ratios.size() / 2];
    state.counters["worst_auto_us"] = worstAuto;
    state.counters["worst_exact_us"] = worstExact;
}

void BM_RatioPublished(benchmark::State& state) {
    static const std::vector<Grid> puzzles = publishedPuzzles();
    compareSolvers(state, puzzles);
}
BENCHMARK(BM_RatioPublished)->Unit(benchmark::kMillisecond);

void BM_RatioSearchHeavy(benchmark::State& state) {
    static const std::vector<Grid> puzzles = searchHeavyPuzzles(60);
    compareSolvers(state, puzzles);
}
BENCHMARK(BM_RatioSearchHeavy)->Unit(benchmark::kMillisecond);

} // namespace
