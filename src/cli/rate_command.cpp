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
