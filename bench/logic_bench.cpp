// The logic engine: `vextor-cli rate FILE all` over the published corpus,
// `vextor-cli explain` of one 15 x 18 puzzle, and one hint-sized next step
// (a fresh engine on a grid half solved, up to its hardest step).
#include "base/silent_user_interface.h"
#include "cli/cli.h"
#include "files/puzzle_file.h"
#include "logic/logic_engine.h"
#include "state/app_state.h"
#include "support/random_puzzle.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <sstream>

using namespace vextor;

namespace {

std::filesystem::path corpusFile() {
    return std::filesystem::path(VEXTOR_SOURCE_DIR) / ".." / "shared" / "corpus" / "published.vxt";
}

// A 15 x 18 record: the largest published puzzle (15 x 15, one solution)
// widened by three columns of black cells, or a random 15 x 18 puzzle
// (several solutions: the engine gets stuck after trying every chain),
// written to a file of its own as record 1.
struct LargePuzzle {
    Grid grid;
    std::string file;
    explicit LargePuzzle(bool published) {
        AppState st(1);
        if (published) {
            const std::string corpus = corpusFile().string();
            SilentUserInterface ui(false, Answer::Yes);
            if (!std::filesystem::exists(corpus) || !ReadPuzzle(st, ui, corpus, 2) ||
                st.grid.rows != kMaxRows)
                return;
            const Grid small = st.grid;
            st.grid = Grid();
            st.grid.resize(kMaxRows, kMaxCols, st.whitecol);
            for (int r = 1; r <= kMaxRows; ++r)
                for (int c = 1; c <= kMaxCols; ++c) {
                    Square& s = st.grid[st.grid.CellIndex(r, c)];
                    if (c <= small.cols) {
                        s = small[small.CellIndex(r, c)];
                    } else {
                        s = Square();
                        s.Black = s.known = true;
                        s.BackColor = st.blackcol;
                    }
                }
            st.grid.place();
        } else {
            test::makeRandomPuzzle(st, kMaxRows, kMaxCols, 1, 0.75);
            for (int i = 1; i <= st.grid.ncells; ++i)
                if (!st.grid[i].known)
                    st.grid[i].Choices.clear();
        }
        grid = st.grid;
        file = (std::filesystem::temp_directory_path() /
                (published ? "vextor_logic_bench_a.vxt" : "vextor_logic_bench_b.vxt"))
                   .string();
        std::filesystem::remove(file);
        AppendPuzzle(st, "15 x 18", 1, false, file);
    }
    ~LargePuzzle() {
        if (!file.empty())
            std::filesystem::remove(file);
    }
};

const LargePuzzle& large(bool published) {
    static const LargePuzzle a(true), b(false);
    return published ? a : b;
}

int runCli(const std::vector<std::string>& args, std::size_t& bytes) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    bytes = out.str().size();
    return status;
}

void BM_LogicRatePublished(benchmark::State& state) {
    const std::string file = corpusFile().string();
    if (!std::filesystem::exists(file)) {
        state.SkipWithError("corpus not present");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(runCli({"rate", file, "all"}, bytes));
    state.counters["records"] = 225;
}
BENCHMARK(BM_LogicRatePublished)->Unit(benchmark::kMillisecond);

// Arg 1: the published puzzle widened; arg 0: the random puzzle.
void BM_LogicExplain15x18(benchmark::State& state) {
    const LargePuzzle& p = large(state.range(0) == 1);
    if (p.file.empty()) {
        state.SkipWithError("no 15 x 18 puzzle made");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(runCli({"explain", p.file, "1", "--tsv"}, bytes));
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_LogicExplain15x18)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_LogicHintStep(benchmark::State& state) {
    const LargePuzzle& p = large(state.range(0) == 1);
    if (p.file.empty()) {
        state.SkipWithError("no 15 x 18 puzzle made");
        return;
    }
    // The state just before the first step of the hardest tier; for a
    // stuck solve its end, where every step is searched for in vain.
    const LogicSolve s = SolveLogically(p.grid, false);
    LogicEngine walk(p.grid);
    LogicState at = walk.startState();
    for (const LogicStep& step : s.steps) {
        if (step.tier == s.highestTier)
            break;
        walk.applyStep(at, step);
    }
    if (s.outcome != LogicOutcome::Solved)
        at = s.state;
    for (auto _ : state) {
        LogicEngine engine(p.grid);
        LogicStep step;
        benchmark::DoNotOptimize(engine.nextStep(at, step));
    }
    state.counters["tier"] = s.highestTier;
}
BENCHMARK(BM_LogicHintStep)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
