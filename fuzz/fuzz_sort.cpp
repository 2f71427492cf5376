// The sort reader and the converter: every key, both orders, renumbering.
#include "files/sort_file.h"
#include "fuzz_support.h"

#include <filesystem>

using namespace vextor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentUserInterface ui(true, Answer::Yes);
    const std::string in = fuzz::writeInput("sort-in.vxt", data, size);
    const std::string out = fuzz::scratchFolder() + "sort-out.vxt";
    for (SortKey key : {SortKey::Number, SortKey::Rows, SortKey::Header}) {
        SortOptions o;
        o.input = in;
        o.output = out;
        o.key = key;
        o.descending = key == SortKey::Rows;
        o.resequence = key != SortKey::Number;
        o.start = size > 0 ? std::string(1, static_cast<char>(data[0])) : "";
        const auto written = SortPuzzleFile(ui, o);
        // Sorting the sorted output again keeps every record.
        if (written) {
            SortOptions again = o;
            again.input = out;
            again.output = out + "2";
            if (SortPuzzleFile(ui, again) != written)
                __builtin_trap();
        }
    }
    ConvertPuzzleFile(ui, in, out);
    return 0;
}
