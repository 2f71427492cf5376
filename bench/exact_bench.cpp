// The exact solver: proving each published puzzle unique, counting to 2 on
// every layout of the corpus compiled again (largest digit first and random
// digits), and on random 10 x 10 created puzzles. Corpus benchmarks skip when
// the corpus is absent.
#include "base/silent_user_interface.h"
#include "create/compile.h"
#include "create/random_layout.h"
#include "exact/exact_solver.h"
#include "files/puzzle_file.h"
#include "files/puzzle_reader.h"
#include "state/grid_commands.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <time.h>
#include <vector>

using namespace vextor;

namespace {

struct Puzzle {
    int record = 0;
    Grid grid;
};

std::vector<Puzzle> readCorpus() {
    std::vector<Puzzle> out;
    const auto p =
        std::filesystem::path(VEXTOR_SOURCE_DIR) / ".." / "shared" / "corpus" / "published.vxt";
    if (!std::filesystem::exists(p))
        return out;
    PuzzleFileReader reader(p.string());
    SilentUserInterface ui(false, Answer::Yes);
    for (int k = 1; k <= reader.count(); ++k) {
        AppState st(1);
        if (ReadPuzzle(st, ui, reader, k))
            out.push_back({k, st.grid});
    }
    return out;
}

const std::vector<Puzzle>& published() {
    static const std::vector<Puzzle> puzzles = readCorpus();
    return puzzles;
}

// Every published layout compiled as `vextor-cli compile` does: seed 0 means
// the largest free digit first, any other seed random digits.
std::vector<Puzzle> compiled(std::uint64_t seed) {
    std::vector<Puzzle> out;
    SilentUserInterface ui(false, Answer::Yes);
    for (const Puzzle& p : published()) {
        AppState st(seed == 0 ? 1 : seed);
        st.grid = p.grid;
        std::vector<int> region;
        if (PrepareCompile(st, region))
            continue;
        if (CompileGrid(st, ui, false, seed != 0) == CompileResult::Compiled)
            out.push_back({p.record, st.grid});
    }
    return out;
}

// The thread's processor time: the machine may be busy with other work.
double cpuMicros() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

struct Timings {
    std::vector<double> micros;
    int worstRecord = 0;
    int unknown = 0;
    int counts[3] = {0, 0, 0};
};

Timings timeAll(const std::vector<Puzzle>& puzzles, bool reportSlow) {
    Timings t;
    double worst = -1;
    for (const Puzzle& p : puzzles) {
        const double start = cpuMicros();
        const ExactResult r = CountSolutions(p.grid, 2);
        const double us = cpuMicros() - start;
        t.micros.push_back(us);
        if (us > worst)
            worst = us, t.worstRecord = p.record;
        if (r.unknown)
            ++t.unknown;
        else
            ++t.counts[std::min(r.count, 2)];
        if (reportSlow && (us > 1e6 || r.unknown))
            std::fprintf(stderr, "  record #%d: %.0f ms%s\n", p.record, us / 1000,
                         r.unknown ? " (unknown)" : "");
    }
    std::sort(t.micros.begin(), t.micros.end());
    return t;
}

// Each iteration proves every published puzzle unique once, timing each
// (processor time); "median_us" is the median of the per-puzzle times.
void BM_ExactPublishedUnique(benchmark::State& state) {
    if (published().empty()) {
        state.SkipWithError("corpus not present");
        return;
    }
    Timings t;
    for (auto _ : state)
        t = timeAll(published(), false);
    state.counters["median_us"] = t.micros[t.micros.size() / 2];
    state.counters["max_us"] = t.micros.back();
    state.counters["unique"] = t.counts[1];
    state.counters["puzzles"] = static_cast<double>(published().size());
}
BENCHMARK(BM_ExactPublishedUnique)->Unit(benchmark::kMillisecond);

// Count to 2 on every compiled corpus layout (argument: the seed, 0 for
// largest-first), once; layouts over a second are listed on stderr.
void BM_ExactCompiledCountTo2(benchmark::State& state) {
    if (published().empty()) {
        state.SkipWithError("corpus not present");
        return;
    }
    const std::vector<Puzzle> puzzles = compiled(static_cast<std::uint64_t>(state.range(0)));
    Timings t;
    for (auto _ : state)
        t = timeAll(puzzles, true);
    state.counters["median_us"] = t.micros[t.micros.size() / 2];
    state.counters["worst_ms"] = t.micros.back() / 1000;
    state.counters["worst_record"] = t.worstRecord;
    state.counters["over_1s"] = static_cast<double>(
        t.micros.end() - std::upper_bound(t.micros.begin(), t.micros.end(), 1e6));
    state.counters["unknown"] = t.unknown;
    state.counters["unique"] = t.counts[1];
    state.counters["layouts"] = static_cast<double>(puzzles.size());
}
BENCHMARK(BM_ExactCompiledCountTo2)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Count to 2 on random 10 x 10 puzzles as creation makes them.
void BM_ExactRandom10x10CountTo2(benchmark::State& state) {
    std::vector<Puzzle> puzzles;
    AppState st(7);
    SilentUserInterface ui(false, Answer::Yes);
    for (int k = 0; k < 200; ++k) {
        BuildGrid(st, ui, 10, 10);
        if (CreateRandomPuzzle(st, ui) == RandomPuzzleResult::Made)
            puzzles.push_back({k, st.grid});
    }
    Timings t;
    for (auto _ : state)
        t = timeAll(puzzles, false);
    state.counters["median_us"] = t.micros[t.micros.size() / 2];
    state.counters["max_us"] = t.micros.back();
    state.counters["unique"] = t.counts[1];
    state.counters["puzzles"] = static_cast<double>(puzzles.size());
}
BENCHMARK(BM_ExactRandom10x10CountTo2)->Unit(benchmark::kMillisecond);

} // namespace
