// solutions: the exact solution count of the records of a puzzle file.
#include "cli/command.h"
#include "exact/exact_solver.h"
#include "files/puzzle_file.h"
#include "files/puzzle_reader.h"

namespace vextor::cli {

namespace {

int runSolutions(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    if (args.empty() || args.size() > 2)
        return usageError(self, args.empty() ? "missing arguments" : "too many arguments", ctx);
    for (const std::string& a : args)
        if (isOptionWord(a))
            return usageError(self, "unknown option '" + a + "'", ctx);
    std::optional<int> record;
    if (args.size() == 2 && args[1] != "all") {
        record = parseRecordNumber(self, args[1], ctx);
        if (!record)
            return kUsage;
    }
    const std::string& file = args[0];
    // One pass over the file finds every record.
    PuzzleFileReader reader(file);
    const int first = record ? *record : 1;
    const int last = record ? *record : reader.count();
    if (!record && reader.count() == 0) {
        ctx.err << "vextor-cli solutions: no puzzle records in " << file << "\n";
        return kFailed;
    }
    AppState st;
    // Counted wide: a last record of INT_MAX must not overflow the counter.
    for (long long k = first; k <= last; ++k) {
        const int n = static_cast<int>(k);
        st.puzfile = file;
        ctx.out << "#" << n << "\t";
        if (!ReadPuzzle(st, ctx.ui, reader, n)) {
            ctx.out << "unknown\t\n";
            continue;
        }
        const ExactResult r = CountSolutions(st.grid, 2);
        ctx.out << (r.unknown ? "unknown" : r.count == 0 ? "0" : r.count == 1 ? "1" : "2+") << "\t";
        for (std::size_t i = 0; i < r.differing.size(); ++i)
            ctx.out << (i ? "," : "") << r.differing[i];
        ctx.out << "\n";
    }
    return kOk;
}

} // namespace

extern const Command solutionsCommand;
const Command solutionsCommand{
    "solutions", "FILE [N|all]", "Count the solutions of records of FILE.",
    "Counts the solutions of each chosen record (default: all; N = -1 is the\n"
    "empty 9 x 9 grid) exactly, up to two, from the clues alone. Prints one\n"
    "tab-separated line per record: #N, the count (0, 1, 2+, or unknown when\n"
    "the search ran out of its budget or the record cannot be read), then the\n"
    "cell numbers where two solutions differ, comma-separated (empty unless\n"
    "2+).\n"
    "\n"
    "Exit status 0; 1 when FILE holds no puzzle records.",
    runSolutions};

} // namespace vextor::cli
