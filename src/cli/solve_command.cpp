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

struct SolveOptions {
    std::string file;
    std::optional<int> record; // nullopt: all
    std::optional<std::uint64_t> seed;
    std::optional<int> tries;
    int rounds = 50;
    std::string out;
};

// Reads the value after an option; false (after a usage error) when missing
// or not a whole number within [low, high].
bool numberOption(const Command& self, const std::vector<std::string>& args, std::size_t& i,
                  long long low, long long high, long long& value, Context& ctx) {
    if (i + 1 >= args.size()) {
        usageError(self, args[i] + " needs a value", ctx);
        return false;
    }
    const std::string& text = args[++i];
    long long v = 0;
    std::size_t pos = 0;
    try {
        v = std::stoll(text, &pos);
    } catch (...) {
        pos = 0;
    }
    if (pos == 0 || pos != text.size() || v < low || v > high) {
        usageError(self, "bad value '" + text + "' for " + args[i - 1], ctx);
        return false;
    }
    value = v;
    return true;
}

std::optional<SolveOptions> parseOptions(const Command& self, const std::vector<std::string>& args,
                                         Context& ctx) {
    SolveOptions o;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        long long v = 0;
        if (a == "--seed") {
            if (!numberOption(self, args, i, 0, 0x7fffffffffffffffLL, v, ctx))
                return std::nullopt;
            o.seed = static_cast<std::uint64_t>(v);
        } else if (a == "--tries") {
            if (!numberOption(self, args, i, 1, 1000000000, v, ctx))
                return std::nullopt;
            o.tries = static_cast<int>(v);
        } else if (a == "--rounds") {
            if (!numberOption(self, args, i, 0, 1000000, v, ctx))
                return std::nullopt;
            o.rounds = static_cast<int>(v);
        } else if (a == "--out") {
            if (i + 1 >= args.size()) {
                usageError(self, "--out needs a file name", ctx);
                return std::nullopt;
            }
            o.out = args[++i];
        } else if (isOptionWord(a)) {
            usageError(self, "unknown option '" + a + "'", ctx);
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.empty() || positional.size() > 2) {
        usageError(self, positional.empty() ? "missing arguments" : "too many arguments", ctx);
        return std::nullopt;
    }
    o.file = positional[0];
    if (positional.size() == 2 && positional[1] != "all") {
        const auto n = parseRecordNumber(self, positional[1], ctx);
        if (!n)
            return std::nullopt;
        o.record = *n;
    }
    return o;
}

int runSolve(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    const auto opt = parseOptions(self, args, ctx);
    if (!opt)
        return kUsage;
    RoundsUserInterface ui(ctx.ui, opt->rounds);
    // One pass over the file finds every record; each is then read from its
    // place instead of counting and searching the file again.
    PuzzleFileReader reader(opt->file);
    const int count = reader.count();
    int first = 1, last = count;
    if (opt->record) {
        first = last = *opt->record;
    } else if (count == 0) {
        ctx.err << "vextor-cli solve: no puzzle records in " << opt->file << "\n";
        return kFailed;
    }

    AppState st = opt->seed ? AppState(*opt->seed) : AppState();
    bool allSolved = true;
    // Counted wide: a last record of INT_MAX must not overflow the counter.
    for (long long k = first; k <= last; ++k) {
        const int n = static_cast<int>(k);
        if (opt->seed)
            st.rng.reseed(*opt->seed);
        ui.resetRounds();
        st.puzfile = opt->file;
        if (!ReadPuzzle(st, ui, reader, n)) {
            ctx.out << "#" << n << "\tinvalid\t0\t0\t0\n";
            allSolved = false;
            continue;
        }
        // As the Auto Solve button does, with the limit of --tries when given.
        st.maxtries = opt->tries ? *opt->tries : 2 * st.grid.rows * st.grid.cols;
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
        if (outcome != SolveOutcome::Solved && outcome != SolveOutcome::Guessed)
            allSolved = false;
        if (!opt->out.empty() && !AppendPuzzle(st, st.texts.title, n, true, opt->out)) {
            ctx.err << "vextor-cli solve: cannot write " << opt->out << "\n";
            return kFailed;
        }
    }
    return allSolved ? kOk : kFailed;
}

} // namespace

extern const Command solveCommand;
const Command solveCommand{
    "solve", "FILE [N|all] [--seed S] [--tries N] [--rounds R] [--out OUTFILE]",
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
    "\n"
    "Exit status 0 when every record was solved or guessed, 1 otherwise.",
    runSolve};

} // namespace vextor::cli
