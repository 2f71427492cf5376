// solutions: the exact solution count of the records of a puzzle file.
#include "cli/command.h"
#include "exact/exact_solver.h"
#include "model/grid_checks.h"

namespace vextor::cli {

namespace {

int runSolutions(const Command& self, const Arguments& args, Context& ctx) {
    AppState st;
    return forEachChosenRecord(self, args, ctx, st, [&](int, bool loaded) {
        if (!loaded) {
            ctx.out << "unknown\t\n";
            return;
        }
        if (!HasWhiteCell(st.grid)) {
            ctx.out << "none\t\n";
            return;
        }
        const ExactResult r = CountSolutions(st.grid, 2);
        ctx.out << (r.unknown ? "unknown" : r.count == 0 ? "0" : r.count == 1 ? "1" : "2+") << "\t";
        for (std::size_t i = 0; i < r.differing.size(); ++i)
            ctx.out << (i ? "," : "") << r.differing[i];
        ctx.out << "\n";
    });
}

} // namespace

extern const Command solutionsCommand;
const Command solutionsCommand{
    "solutions",
    {arg::text("FILE"), arg::recordOrAll()},
    "Count the solutions of records of FILE.",
    "Counts the solutions of each chosen record (default: all; N = -1 is the\n"
    "empty 9 x 9 grid) exactly, up to two, from the clues alone. Prints one\n"
    "tab-separated line per record: #N, the count (0, 1, 2+, none when the\n"
    "record has no white cell to count, or unknown when the search ran out of\n"
    "its budget or the record cannot be read), then the\n"
    "cell numbers where two solutions differ, comma-separated (empty unless\n"
    "2+).\n"
    "\n"
    "Exit status 0; 1 when FILE holds no puzzle records.",
    runSolutions};

} // namespace vextor::cli
