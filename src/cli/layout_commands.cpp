// check and candidates: the layout of a record and its first candidates.
#include "cli/command.h"
#include "model/runs.h"
#include "solver/sum_combos.h"
#include "state/layout_check.h"

namespace vextor::cli {

namespace {

// Loads the record named by FILE N.
bool loadFromArgs(const Arguments& args, AppState& st, Context& ctx) {
    return loadPuzzle(st, ctx, args.text("FILE"), *args.number("N"));
}

int runCheck(const Command&, const Arguments& args, Context& ctx) {
    AppState st;
    if (!loadFromArgs(args, st, ctx))
        return kFailed;
    FindRuns(st.grid);
    return CheckLayout(st, ctx.ui, true) ? kFailed : kOk;
}

int runCandidates(const Command&, const Arguments& args, Context& ctx) {
    AppState st;
    if (!loadFromArgs(args, st, ctx))
        return kFailed;
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i)
        g[i].Choices.clear();
    InitCandidates(st);
    for (int r = 1; r <= g.rows; ++r) {
        std::string line;
        for (int c = 1; c <= g.cols; ++c) {
            const Square& s = g[g.CellIndex(r, c)];
            if (c > 1)
                line += ' ';
            if (s.Black)
                line += "X";
            else if (s.BackColor != st.whitecol)
                line += std::to_string(s.across) + "," + std::to_string(s.down);
            else
                line += s.Choices.empty() ? "-" : s.Choices;
        }
        ctx.out << line << "\n";
    }
    return kOk;
}

} // namespace

extern const Command checkCommand;
const Command checkCommand{
    "check",
    {arg::text("FILE"), arg::record("N").orEmptyGrid()},
    "Check the layout of record N of FILE.",
    "Finds the runs and checks the layout, showing every error and warning\n"
    "(the check stops at the first error). Exit status 0 when the layout has\n"
    "no error, 1 when it has one or the record cannot be read.",
    runCheck};

extern const Command candidatesCommand;
const Command candidatesCommand{
    "candidates",
    {arg::text("FILE"), arg::record("N").orEmptyGrid()},
    "Print the first candidates of record N of FILE.",
    "Empties every cell's candidates and gives each white cell the digits the\n"
    "sum-combination table allows for its runs. Prints one line per grid row:\n"
    "X for a black cell, a,d for a sum cell, the candidate digits of a white\n"
    "cell or - when it has none, separated by single spaces.",
    runCandidates};

} // namespace vextor::cli
