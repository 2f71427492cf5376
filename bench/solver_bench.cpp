// AutoSolve on published puzzles (from the shared corpus, when present) and
// on generated ones, deduction-only and guessing, by grid size.
#include "base/silent_user_interface.h"
#include "files/puzzle_file.h"
#include "solver/autosolve.h"
#include "support/random_puzzle.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <map>
#include <optional>

using namespace vextor;

namespace {

std::string corpusFile() {
    const auto p = std::filesystem::path(VEXTOR_SOURCE_DIR) / ".." / "shared" / "corpus" /
                   "published-nosol.vxt";
    return std::filesystem::exists(p) ? p.string() : std::string();
}

struct Puzzle {
    std::string name;
    Grid grid;
    SolveOutcome outcome = SolveOutcome::Invalid;
    int guesses = 0;
};

SolveOutcome solveOnce(AppState& st, const Grid& grid, std::uint64_t seed) {
    SilentUserInterface ui(false, Answer::Yes);
    st.grid = grid;
    st.rng.reseed(seed);
    st.maxtries = 2 * grid.rows * grid.cols;
    return RunAutoSolve(st, ui, false);
}

Puzzle probe(const std::string& name, const Grid& grid) {
    AppState st(1);
    Puzzle p{name, grid};
    p.outcome = solveOnce(st, grid, 1);
    p.guesses = st.solver.guessesApplied;
    return p;
}

// The first corpus record of the size that deduction alone solves (or that
// needs guessing).
std::optional<Puzzle> fromCorpus(int rows, int cols, bool guessing) {
    const std::string file = corpusFile();
    if (file.empty())
        return std::nullopt;
    SilentUserInterface ui(false, Answer::Yes);
    AppState st(1);
    const int n = CountPuzzles(file, ui);
    for (int k = 1; k <= n; ++k) {
        if (!ReadPuzzle(st, ui, file, k) || st.grid.rows != rows || st.grid.cols != cols)
            continue;
        Puzzle p = probe("corpus#" + std::to_string(k), st.grid);
        if ((p.outcome == SolveOutcome::Guessed) == guessing &&
            (p.outcome == SolveOutcome::Solved || p.outcome == SolveOutcome::Guessed))
            return p;
    }
    return std::nullopt;
}

// The first corpus record of srcRows x srcCols (deduction-only or guessing)
// placed in the top-left corner of a rows x cols grid whose other cells are
// black: the same runs in a larger grid.
std::optional<Puzzle> paddedCorpus(int srcRows, int srcCols, int rows, int cols, bool guessing) {
    const auto p = fromCorpus(srcRows, srcCols, guessing);
    if (!p)
        return std::nullopt;
    AppState st(1);
    Grid& g = st.grid;
    g.resize(rows, cols, st.whitecol);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            Square& s = g[g.CellIndex(r, c)];
            if (r <= srcRows && c <= srcCols) {
                s = p->grid[p->grid.CellIndex(r, c)];
            } else {
                s = Square();
                s.Black = true;
                s.known = true;
                s.BackColor = st.blackcol;
            }
        }
    }
    g.place();
    Puzzle padded = probe(p->name + " padded", g);
    return padded;
}

// The first generated puzzle of the size that deduction alone solves (or
// that needs guessing); white cells emptied, as a loaded puzzle has them.
std::optional<Puzzle> generated(int rows, int cols, bool guessing) {
    for (std::uint64_t seed = 1; seed <= 400; ++seed) {
        AppState st(1);
        vextor::test::makeRandomPuzzle(st, rows, cols, seed, guessing ? 0.62 : 0.55);
        for (int i = 1; i <= st.grid.ncells; ++i)
            st.grid[i].Choices.clear();
        Puzzle p = probe("generated#" + std::to_string(seed), st.grid);
        if (guessing ? p.outcome == SolveOutcome::Guessed && p.guesses <= 20
                     : p.outcome == SolveOutcome::Solved)
            return p;
    }
    return std::nullopt;
}

void runSolve(benchmark::State& state, const std::optional<Puzzle>& puzzle) {
    if (!puzzle) {
        state.SkipWithError("no such puzzle (corpus absent?)");
        return;
    }
    AppState st(1);
    std::uint64_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        st.grid = puzzle->grid;
        state.ResumeTiming();
        benchmark::DoNotOptimize(solveOnce(st, puzzle->grid, seed++));
    }
    state.SetLabel(puzzle->name + " " + std::to_string(puzzle->grid.rows) + "x" +
                   std::to_string(puzzle->grid.cols) +
                   " guesses(seed 1)=" + std::to_string(puzzle->guesses));
}

template <typename Make> void registerSolve(const char* name, Make make) {
    benchmark::RegisterBenchmark(name, [make](benchmark::State& s) {
        static const std::optional<Puzzle> puzzle = make();
        runSolve(s, puzzle);
    })->Unit(benchmark::kMicrosecond);
}

const bool registered = [] {
    registerSolve("AutoSolve/9x9/deduction", [] { return fromCorpus(9, 9, false); });
    registerSolve("AutoSolve/9x9/guessing", [] { return fromCorpus(9, 9, true); });
    registerSolve("AutoSolve/12x12/deduction", [] { return paddedCorpus(11, 11, 12, 12, false); });
    registerSolve("AutoSolve/12x12/guessing", [] { return paddedCorpus(11, 11, 12, 12, true); });
    registerSolve("AutoSolve/15x15/deduction", [] { return fromCorpus(15, 15, false); });
    registerSolve("AutoSolve/15x15/guessing", [] { return fromCorpus(15, 15, true); });
    registerSolve("AutoSolve/15x18/deduction", [] { return paddedCorpus(15, 15, 15, 18, false); });
    registerSolve("AutoSolve/15x18/guessing", [] { return paddedCorpus(15, 15, 15, 18, true); });
    // Loosely clued random layouts (many solutions, long runs) need many
    // more guesses than published puzzles.
    registerSolve("AutoSolve/12x12/random-layout", [] { return generated(12, 12, true); });
    return true;
}();

} // namespace
