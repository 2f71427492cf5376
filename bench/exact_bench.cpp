// The exact solver: proving each published puzzle unique (count to 2), and
// the median of those times over the whole corpus.
#include "base/silent_user_interface.h"
#include "exact/exact_solver.h"
#include "files/puzzle_file.h"
#include "files/puzzle_reader.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <vector>

using namespace vextor;

namespace {

const std::vector<Grid>& published() {
    static const std::vector<Grid> grids = [] {
        std::vector<Grid> out;
        const auto p =
            std::filesystem::path(VEXTOR_SOURCE_DIR) / ".." / "shared" / "corpus" / "published.vxt";
        if (!std::filesystem::exists(p))
            return out;
        PuzzleFileReader reader(p.string());
        SilentUserInterface ui(false, Answer::Yes);
        for (int k = 1; k <= reader.count(); ++k) {
            AppState st(1);
            if (ReadPuzzle(st, ui, reader, k))
                out.push_back(st.grid);
        }
        return out;
    }();
    return grids;
}

// Each iteration proves every published puzzle unique once, timing each; the
// counter "median_us" is the median of the per-puzzle times.
void BM_ExactPublishedUnique(benchmark::State& state) {
    const auto& grids = published();
    if (grids.empty()) {
        state.SkipWithError("corpus not present");
        return;
    }
    std::vector<double> micros;
    int unique = 0;
    for (auto _ : state) {
        unique = 0;
        for (const Grid& g : grids) {
            const auto start = std::chrono::steady_clock::now();
            const ExactResult r = CountSolutions(g, 2);
            micros.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
            unique += r.count == 1 && !r.unknown;
            benchmark::DoNotOptimize(r.count);
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["max_us"] = micros.back();
    state.counters["unique"] = unique;
    state.counters["puzzles"] = static_cast<double>(grids.size());
}
BENCHMARK(BM_ExactPublishedUnique)->Unit(benchmark::kMillisecond);

} // namespace
