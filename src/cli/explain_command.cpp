// explain: the logic engine's steps for one record, in sentences.
#include "cli/command.h"
#include "logic/logic_rating.h"

namespace vextor::cli {

namespace {

// Tabs and line ends never reach a field of the tab-separated lines.
std::string field(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

int runExplain(const Command&, const Arguments& args, Context& ctx) {
    AppState st;
    if (!loadPuzzle(st, ctx, args.text("FILE"), *args.number("N")))
        return kFailed;
    const Grid& g = st.grid;
    const LogicSolve solve = SolveLogically(g, true);
    const LogicRating rating = RateSolve(solve);
    const bool tsv = args.has("--tsv");
    int k = 0;
    for (const LogicStep& step : solve.steps) {
        ++k;
        if (tsv)
            ctx.out << k << "\t" << techniqueId(step.technique) << "\t" << step.tier << "\t"
                    << changesCode(g, step.changes) << "\t" << field(step.sentence) << "\n";
        else
            ctx.out << k << ". " << techniqueName(step.technique) << " (" << tierWord(step.tier)
                    << "): " << step.sentence << "\n";
    }
    const bool solved = solve.outcome == LogicOutcome::Solved;
    const std::string word = rating.rated ? rating.word : "unsolved";
    if (tsv) {
        ctx.out << "result\t" << (solved ? "solved" : "stuck") << "\t" << word << "\t"
                << rating.number << "\n";
    } else if (solved) {
        ctx.out << "Solved in " << k << (k == 1 ? " step" : " steps") << ": " << word << " "
                << rating.number << ".\n";
    } else if (rating.rated) {
        ctx.out << "Stuck after " << k << (k == 1 ? " step" : " steps") << ", "
                << solve.openCellsLeft << " of " << solve.whiteCells
                << " cells open: needs trial and error (" << word << " " << rating.number << ").\n";
    } else {
        ctx.out << "Stuck after " << k << (k == 1 ? " step" : " steps")
                << ": a run or a cell has no possibility left, the clues have no solution.\n";
    }
    return kOk;
}

} // namespace

extern const Command explainCommand;
const Command explainCommand{
    "explain",
    {arg::text("FILE"), arg::record("N"), arg::flag("--tsv")},
    "Explain record N of FILE step by step, the way a person solves it.",
    "Prints every step of the logic engine from all nine digits in every white\n"
    "cell to the end, numbered, each with its technique, its difficulty and a\n"
    "sentence; the simplest step is always taken, and the engine never guesses:\n"
    "it stops when no step is left (\"needs trial and error\"). Cells are named\n"
    "by row and column, counted over the whole grid from 1.\n"
    "\n"
    "With --tsv one tab-separated line per step: the step number, the technique,\n"
    "its tier (1 easy, 2 medium, 3 hard, 4 expert), the changes (rRcC=D: digit D\n"
    "placed in row R, column C; rRcC-D: candidate D removed) and the sentence;\n"
    "then a last line: result, solved or stuck, the difficulty word and number\n"
    "as rate prints them.\n"
    "\n"
    "Exit status 0 (solved or stuck); 1 when the record cannot be read.",
    runExplain};

} // namespace vextor::cli
