// rate: the difficulty of the records of a puzzle file.
#include "cli/command.h"
#include "create/difficulty.h"

namespace vextor::cli {

namespace {

int runRate(const Command& self, const Arguments& args, Context& ctx) {
    AppState st(1);
    return forEachChosenRecord(self, args, ctx, st, [&](int, bool loaded) {
        if (!loaded) {
            ctx.out << "unknown\t0\n";
            return;
        }
        const Difficulty d = RatePuzzle(st);
        ctx.out << (d.rated ? d.word : "unsolved") << "\t" << d.number << "\n";
    });
}

} // namespace

extern const Command rateCommand;
const Command rateCommand{
    "rate",
    {arg::text("FILE"), arg::recordOrAll()},
    "Rate the difficulty of records of FILE.",
    "Rates each chosen record (default: all; N = -1 is the empty 9 x 9 grid)\n"
    "by what the logic engine needs to solve it the way a person does (see\n"
    "explain): easy (single cells, last cells, placed digits, the combinations\n"
    "of a run), medium (one run reasoned exactly: pairs, triples, a digit only\n"
    "one cell takes), hard (sums over areas, the one-step test), expert (a\n"
    "chain of steps from an assumed digit), trial (stuck: needs trial and\n"
    "error; also a puzzle with several solutions). Prints one tab-separated\n"
    "line per record: #N, the word and a number from 1 to 100 (easy 1-20,\n"
    "medium 21-40, hard 41-60, expert 61-80, trial 81-100); \"unsolved\" and 0\n"
    "when the grid has no clue or the clues have no solution, \"unknown\" and 0\n"
    "when the record cannot be read.\n"
    "\n"
    "Exit status 0; 1 when FILE holds no puzzle records.",
    runRate};

} // namespace vextor::cli
