// count and show: reading records of a puzzle file.
#include "base/text.h"
#include "cli/command.h"
#include "files/puzzle_file.h"

namespace vextor::cli {

namespace {

int runCount(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    const auto line = parseCommandLine(self, args, 1, {}, ctx);
    if (!line)
        return kUsage;
    ctx.out << CountPuzzles(line->positional[0], ctx.ui) << "\n";
    return kOk;
}

int runShow(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    const auto line = parseCommandLine(self, args, 2, {"--solution"}, ctx);
    if (!line)
        return kUsage;
    const auto n = parseRecordNumber(self, line->positional[1], ctx);
    if (!n)
        return kUsage;
    AppState st;
    const std::string& file = line->positional[0];
    if (!loadPuzzle(st, ctx, file, *n))
        return kFailed;
    const bool withSolution = line->has("--solution");
    if (withSolution && *n != -1) {
        // The grid holds no digits after loading: they come from the record.
        if (const auto record = readRecord(file, *n))
            applySolution(st.grid, st.whitecol, record->lines);
    }
    ctx.out << recordText(st.grid, st.whitecol, st.texts.title, *n, line->has("--solution"));
    return kOk;
}

} // namespace

extern const Command countCommand;
const Command countCommand{
    "count", "FILE", "Print the number of puzzle records in FILE.",
    "Counts the header lines (\"#\" and a number above 0). A missing or empty\n"
    "file has 0 records.",
    runCount};

extern const Command showCommand;
const Command showCommand{
    "show", "FILE N [--solution]",
    "Load record N of FILE and print it as the program would append it.",
    "The record is printed with the number N, the title read and CRLF line\n"
    "ends; --solution adds the solution part after \"|\", taken from the\n"
    "record. N = -1 prints an empty 9 x 9 grid. Fails with status 1 when the\n"
    "record cannot be read.",
    runShow};

} // namespace vextor::cli
