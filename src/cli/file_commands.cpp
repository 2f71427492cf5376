// count and show: reading records of a puzzle file.
#include "base/text.h"
#include "cli/command.h"
#include "files/puzzle_file.h"

namespace vextor::cli {

namespace {

int runCount(const Command&, const Arguments& args, Context& ctx) {
    ctx.out << CountPuzzles(args.text("FILE"), ctx.ui) << "\n";
    return kOk;
}

int runShow(const Command&, const Arguments& args, Context& ctx) {
    const int n = *args.number("N");
    AppState st;
    const std::string& file = args.text("FILE");
    if (!loadPuzzle(st, ctx, file, n))
        return kFailed;
    const bool withSolution = args.has("--solution");
    if (withSolution && n != -1) {
        // The grid holds no digits after loading: they come from the record.
        if (const auto record = readRecord(file, n))
            applySolution(st.grid, st.whitecol, record->lines);
    }
    ctx.out << recordText(st.grid, st.whitecol, st.texts.title, n, withSolution);
    return kOk;
}

} // namespace

extern const Command countCommand;
const Command countCommand{
    "count",
    {arg::text("FILE")},
    "Print the number of puzzle records in FILE.",
    "Counts the header lines (\"#\" and a number above 0). A missing or empty\n"
    "file has 0 records.",
    runCount};

extern const Command showCommand;
const Command showCommand{
    "show",
    {arg::text("FILE"), arg::record("N").orEmptyGrid(), arg::flag("--solution")},
    "Load record N of FILE and print it as the program would append it.",
    "The record is printed with the number N, the title read and CRLF line\n"
    "ends; --solution adds the solution part after \"|\", taken from the\n"
    "record. N = -1 prints an empty 9 x 9 grid. Fails with status 1 when the\n"
    "record cannot be read.",
    runShow};

} // namespace vextor::cli
