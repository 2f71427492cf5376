// solve: AutoSolve on the records of a puzzle file.
#include "cli/command.h"
#include "files/puzzle_file.h"
#include "solver/autosolve.h"

#include <chrono>

namespace vextor::cli {

namespace {

// Forwards everything to the console, but answers the try-limit question
// No for a given number of times and Cancel after that, so that every solve
// ends.
class RoundsUserInterface : public ForwardingUserInterface {
public:
    RoundsUserInterface(ConsoleUserInterface& inner, int rounds)
        : ForwardingUserInterface(inner), rounds_(rounds) {}

    Answer askYesNoCancel(const std::string& text) override {
        const bool goOn = asked_ < rounds_;
        ++asked_;
        inner().message(text + (goOn ? " [No]" : " [Cancel]"));
        return goOn ? Answer::No : Answer::Cancel;
    }

    void resetRounds() { asked_ = 0; }

private:
    int rounds_;
    int asked_ = 0;
};

const char* outcomeWord(SolveOutcome o) {
    switch (o) {
    case SolveOutcome::Solved:
        return "solved";
    case SolveOutcome::Guessed:
        return "guessed";
    case SolveOutcome::NoSolution:
        return "no-solution";
    case SolveOutcome::Invalid:
        return "invalid";
    case SolveOutcome::Cancelled:
        return "cancelled";
    case SolveOutcome::GaveUp:
        break;
    }
    return "gave-up";
}

int runSolve(const Command&, const Arguments& args, Context& ctx) {
    const std::string& file = args.text("FILE");
    const std::string& out = args.text("--out");
    const std::optional<int> record = args.number("N");
    const std::optional<int> tries = args.number("--tries");
    const std::optional<std::uint64_t> seed = args.seed();
    RoundsUserInterface ui(ctx.ui, args.number("--rounds").value_or(50));
    // One pass over the file finds every record; each is then read from its
    // place instead of counting and searching the file again.
    PuzzleFileReader reader(file);
    const int count = reader.count();
    int first = 1, last = count;
    if (record) {
        first = last = *record;
    } else if (count == 0) {
        ctx.err << "vextor-cli solve: no puzzle records in " << file << "\n";
        return kFailed;
    }

    AppState st = seed ? AppState(*seed) : AppState();
    bool allSolved = true;
    const auto leftOut = [&](int n) {
        if (!out.empty())
            ctx.err << "vextor-cli solve: #" << n << " was not solved and is not written to " << out
                    << "\n";
    };
    // Counted wide: a last record of INT_MAX must not overflow the counter.
    for (long long k = first; k <= last; ++k) {
        const int n = static_cast<int>(k);
        if (seed)
            st.rng.reseed(*seed);
        ui.resetRounds();
        st.puzfile = file;
        if (!ReadPuzzle(st, ui, reader, n)) {
            ctx.out << "#" << n << "\tinvalid\t0\t0\t0\n";
            allSolved = false;
            leftOut(n);
            continue;
        }
        // As the Auto Solve button does, with the limit of --tries when given.
        st.maxtries = tries ? *tries : 2 * st.grid.rows * st.grid.cols;
        const auto start = std::chrono::steady_clock::now();
        SolveOutcome outcome;
        {
            BusyPointer busy(ui);
            outcome = RunAutoSolve(st, ui, true);
        }
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                                std::chrono::steady_clock::now() - start)
                                .count();
        ctx.out << "#" << n << "\t" << outcomeWord(outcome) << "\t" << st.solver.guessesApplied
                << "\t" << st.solver.restarts << "\t" << micros << "\n";
        const bool solved = outcome == SolveOutcome::Solved || outcome == SolveOutcome::Guessed;
        allSolved = allSolved && solved;
        // An unsolved grid holds candidate lists, not a solution.
        if (!solved) {
            leftOut(n);
        } else if (!out.empty() && !AppendPuzzle(st, st.texts.title, n, true, out)) {
            ctx.err << "vextor-cli solve: cannot write " << out << "\n";
            return kFailed;
        }
    }
    return allSolved ? kOk : kFailed;
}

} // namespace

extern const Command solveCommand;
const Command solveCommand{
    "solve",
    {arg::text("FILE"), arg::recordOrAll(), arg::seed(), arg::number("--tries", "N", 1, 1000000000),
     arg::number("--rounds", "R", 0, 1000000), arg::text("--out", "OUTFILE")},
    "Solve records of FILE with AutoSolve.",
    "Loads each chosen record (default: all; N = -1 is the empty 9 x 9 grid)\n"
    "and runs AutoSolve with its messages shown on standard error. Prints one\n"
    "tab-separated line per record: #N, the outcome (solved, guessed,\n"
    "no-solution, invalid, cancelled, gave-up), the guesses applied, the\n"
    "restarts and the solving time in microseconds.\n"
    "\n"
    "  --seed S     seed the random guessing order (the same seed gives the\n"
    "               same results)\n"
    "  --tries N    guesses before the try-limit question (default 2 x rows\n"
    "               x cols)\n"
    "  --rounds R   answer the try-limit question No R times, then Cancel\n"
    "               (default 50)\n"
    "  --out FILE   append each solved record, with its solution, to FILE\n"
    "               (records not solved are named and left out)\n"
    "\n"
    "Exit status 0 when every record was solved or guessed, 1 otherwise.",
    runSolve};

} // namespace vextor::cli
