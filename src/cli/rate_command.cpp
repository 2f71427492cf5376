// rate: the difficulty of the records of a puzzle file.
#include "cli/command.h"
#include "create/difficulty.h"
#include "files/puzzle_file.h"
#include "files/puzzle_reader.h"

namespace vextor::cli {

namespace {

int runRate(const Command& self, const std::vector<std::string>& args, Context& ctx) {
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
    PuzzleFileReader reader(file);
    if (!record && reader.count() == 0) {
        ctx.err << "vextor-cli rate: no puzzle records in " << file << "\n";
        return kFailed;
    }
    const int first = record ? *record : 1;
    const int last = record ? *record : reader.count();
    AppState st(1);
    for (long long k = first; k <= last; ++k) {
        const int n = static_cast<int>(k);
        st.puzfile = file;
        ctx.out << "#" << n << "\t";
        if (!ReadPuzzle(st, ctx.ui, reader, n)) {
            ctx.out << "unknown\t0\n";
            continue;
        }
        const Difficulty d = RatePuzzle(st);
        ctx.out << (d.rated ? d.word : "unsolved") << "\t" << d.number << "\n";
    }
    return kOk;
}

} // namespace

extern const Command rateCommand;
const Command rateCommand{
    "rate", "FILE [N|all]", "Rate the difficulty of records of FILE.",
    "Rates each chosen record (default: all; N = -1 is the empty 9 x 9 grid)\n"
    "by what AutoSolve's deduction needs: easy (settled digits and last\n"
    "cells), medium (also pairs, triples and sum bounds), hard (also the\n"
    "remainder rules), very hard (guessing). Prints one tab-separated line\n"
    "per record: #N, the word and a number from 1 to 100 (easy 1-25, medium\n"
    "26-50, hard 51-75, very hard 76-100); \"unsolved\" and 0 when AutoSolve\n"
    "finds no solution, \"unknown\" and 0 when the record cannot be read.\n"
    "\n"
    "Exit status 0; 1 when FILE holds no puzzle records.",
    runRate};

} // namespace vextor::cli
