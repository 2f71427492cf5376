// Work over every record of a puzzle file: the time per record must not grow
// with the number of records. Files of small records are written into a
// temporary folder when the benchmarks start.
#include "base/silent_user_interface.h"
#include "cli/cli.h"
#include "files/puzzle_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

using namespace vextor;

namespace {

// The files of 1,000 and 10,000 records of a 3 x 3 puzzle (each with its
// own title), removed when the program ends.
class RecordFiles {
public:
    RecordFiles()
        : folder_(std::filesystem::temp_directory_path() /
                  ("vextor_bench_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
    }
    ~RecordFiles() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string& file(int records) {
        auto it = files_.find(records);
        if (it != files_.end())
            return it->second;
        const std::string path = (folder_ / (std::to_string(records) + ".vxt")).string();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (int n = 1; n <= records; ++n)
            out << "#" << n << "\r\nSmall " << n << "\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n";
        return files_.emplace(records, path).first->second;
    }

private:
    std::filesystem::path folder_;
    std::map<int, std::string> files_;
};

RecordFiles& recordFiles() {
    static RecordFiles files;
    return files;
}

void perRecord(benchmark::State& state, int records) {
    state.counters["per_record"] = benchmark::Counter(
        records, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// What commands over all records do: one pass, then each record loaded.
void BM_LoadAllRecords(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const std::string& file = recordFiles().file(records);
    SilentUserInterface ui(false, Answer::Cancel);
    AppState st(1);
    for (auto _ : state) {
        PuzzleFileReader reader(file);
        for (int n = 1; n <= reader.count(); ++n)
            if (!ReadPuzzle(st, ui, reader, n))
                state.SkipWithError("record not read");
    }
    perRecord(state, records);
}
BENCHMARK(BM_LoadAllRecords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// vextor-cli solve FILE all: loading and solving every record.
void BM_SolveAllRecords(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const std::string& file = recordFiles().file(records);
    for (auto _ : state) {
        std::ostringstream out, err;
        if (cli::run({"solve", file, "all", "--seed", "1"}, out, err) != 0)
            state.SkipWithError("solve failed");
    }
    perRecord(state, records);
}
BENCHMARK(BM_SolveAllRecords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// For comparison: the program's navigation, which loads one record by file
// name and so counts and searches the whole file each time.
void BM_LoadEachRecordByName(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const std::string& file = recordFiles().file(records);
    SilentUserInterface ui(false, Answer::Cancel);
    AppState st(1);
    for (auto _ : state)
        for (int n = 1; n <= records; ++n)
            if (!ReadPuzzle(st, ui, file, n))
                state.SkipWithError("record not read");
    perRecord(state, records);
}
BENCHMARK(BM_LoadEachRecordByName)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
