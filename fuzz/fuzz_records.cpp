// The record reader: counting, finding and loading records, the stored
// solution, appending the loaded grid and deleting records.
#include "files/file_management.h"
#include "files/puzzle_file.h"
#include "fuzz_support.h"

#include <sstream>

using namespace vextor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentUserInterface ui(true, Answer::Yes);
    const std::string file = fuzz::writeInput("records.vxt", data, size);
    AppState st(1);
    st.puzfile = file;
    const int count = CountPuzzles(file, ui);
    for (int n : {1, 2, count, -1}) {
        if (!ReadPuzzle(st, ui, file, n))
            continue;
        st.texts.puzNumNow = std::to_string(n);
        ShowStoredSolution(st, ui, n, file);
        if (const auto record = readRecord(file, n))
            applySolution(st.grid, st.whitecol, record->lines);
        // What is written reads back as the same grid.
        const std::string text = recordText(st.grid, st.whitecol, st.texts.title, 1, true);
        const std::string copy = fuzz::writeInput(
            "copy.vxt", reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        AppState again(1);
        if (!ReadPuzzle(again, ui, copy, 1) || again.grid.ncells != st.grid.ncells)
            __builtin_trap();
    }
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    (void)FindPuzzle(in, 2);
    DeletePuzzleRecord(ui, file, 2);
    return 0;
}
