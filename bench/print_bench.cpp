// Printing 200 puzzles with their solutions to a PDF file with vextor-cli
// print: the shipped sample puzzles, repeated and renumbered.
#include "cli/cli.h"
#include "files/puzzle_file.h"

#ifdef VEXTOR_PRINT_BACKEND
#include "app/print_backend/painter_pages.h"
#endif

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace vextor;

namespace {

#ifdef VEXTOR_PRINT_BACKEND
std::filesystem::path printFolder() {
    const auto dir =
        std::filesystem::temp_directory_path() / ("vextor-print-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    PuzzleFileReader samples(std::string(VEXTOR_SOURCE_DIR) + "/resources/puzzles.vxt");
    std::ofstream out(dir / "200.vxt", std::ios::binary);
    for (int n = 1; n <= 200; ++n) {
        const auto rec = samples.record((n - 1) % samples.headers() + 1);
        out << "#" << n << "\r\n";
        for (const std::string& line : rec->lines)
            out << line << "\r\n";
    }
    return dir;
}

void BM_Print200WithSolutions(benchmark::State& state) {
    static printing::OffscreenGui gui; // one application for every run
    static const std::filesystem::path dir = printFolder();
    const std::string file = (dir / "200.vxt").string(), pdf = (dir / "200.pdf").string();
    for (auto _ : state) {
        std::ostringstream out, err;
        if (cli::run({"print", file, "--pdf", pdf}, out, err) != 0 || out.str() != "200\n")
            state.SkipWithError(("print failed: " + err.str()).c_str());
    }
    state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
}
BENCHMARK(BM_Print200WithSolutions)->Unit(benchmark::kMillisecond);
#endif

} // namespace
