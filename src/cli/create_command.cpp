// create: the Auto command's batch creation from a shell.
#include "cli/command.h"
#include "create/batch_create.h"
#include "create/classic_batch.h"
#include "create/classic_fill.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace vextor::cli {

namespace {

// A progress bar on standard error, when that is a terminal. It shares the
// screen with the record lines and messages: clear() takes it off its line
// before another line is written there.
class ProgressBar {
public:
    ProgressBar(std::ostream& err, int total)
        : err_(err), total_(total), on_(total > 1 && &err == &std::cerr && isatty(2)) {}
    ~ProgressBar() { clear(); }
    void step(int done) {
        if (!on_)
            return;
        constexpr int kWidth = 40;
        const int filled = static_cast<int>(static_cast<long long>(done) * kWidth / total_);
        std::string bar = "[" + std::string(static_cast<std::size_t>(filled), '#') +
                          std::string(static_cast<std::size_t>(kWidth - filled), '.') + "] " +
                          std::to_string(done) + "/" + std::to_string(total_);
        err_ << "\r" << bar << std::flush;
        shown_ = bar.size();
    }
    void clear() {
        if (shown_ > 0)
            err_ << "\r" << std::string(shown_, ' ') << "\r" << std::flush;
        shown_ = 0;
    }

private:
    std::ostream& err_;
    int total_;
    bool on_;
    std::size_t shown_ = 0; // width of the bar on the screen
};

// ---- create --classic: classic layouts of a chosen difficulty ----
int runClassicCreate(const Command& self, const Arguments& args, Context& ctx) {
    if (args.has("--random-size"))
        return usageError(self, "--classic needs one of --size and --template", ctx);
    const int count = *args.number("--count");
    ClassicBatchOptions o;
    o.output = args.text("OUTFILE");
    o.count = count;
    o.storeSolution = args.has("--solution");
    if (args.has("--title"))
        o.title = args.text("--title");
    if (args.has("--difficulty"))
        o.tier = ClassicTierOf(args.text("--difficulty"));
    if (args.has("--symmetry")) {
        if (args.has("--template"))
            return usageError(self, "--symmetry applies to drawn layouts, not to --template", ctx);
        o.symmetry = *ParseSymmetry(args.text("--symmetry"));
    }
    if (args.has("--size")) {
        const int rows = *args.number("--size");
        const int cols = args.columns("--size");
        if (const std::string problem = ClassicSizeProblem(rows, cols); !problem.empty())
            return usageError(self, problem, ctx);
        o.rows = rows;
        o.cols = cols;
    }
    const auto seed = args.seed();
    AppState st = seed ? AppState(*seed) : AppState();
    if (args.has("--template")) {
        if (!loadPuzzle(st, ctx, args.text("--template"), *args.number("--template")))
            return kFailed;
        o.fromTemplate = true;
    }
    ProgressBar bar(ctx.err, count);
    ctx.ui.beforeLine = [&bar] { bar.clear(); };
    int done = 0;
    const BatchSummary sum = RunClassicBatch(st, ctx.ui, o, [&](const ClassicMade& p) {
        bar.clear();
        ctx.out << p.record << "\t" << p.rows << "x" << p.cols << "\t" << p.layouts << "\t"
                << p.micros << "\t" << p.word << "\t" << p.number << "\n"
                << std::flush;
        bar.step(++done);
    });
    ctx.ui.beforeLine = nullptr;
    const int wanted = count > 0 ? count : 1;
    return !sum.failed && !sum.cancelled && sum.made == wanted ? kOk : kFailed;
}
// ---- end of create --classic ----

int runCreate(const Command& self, const Arguments& args, Context& ctx) {
    if (args.has("--classic"))
        return runClassicCreate(self, args, ctx);
    if (args.has("--difficulty") || args.has("--symmetry"))
        return usageError(self, "--difficulty and --symmetry need --classic", ctx);
    const int count = *args.number("--count");
    CreateDialogForm form;
    form.fileNow = args.text("OUTFILE");
    form.count = std::to_string(count);
    form.storeSolution = args.has("--solution");
    form.unique = args.has("--unique");
    if (args.has("--title"))
        form.title = args.text("--title");
    if (args.has("--size")) {
        SelectRandomTemplate(form);
        form.fixedSize = true;
        FixedSizeReleased(form);
        form.rows = std::to_string(*args.number("--size"));
        form.cols = std::to_string(args.columns("--size"));
    } else if (args.has("--random-size")) {
        SelectRandomTemplate(form);
        form.randomSize = true;
        RandomSizeReleased(form);
    }
    if (const std::string problem = CreateDialogProblem(form); !problem.empty()) {
        ctx.ui.message(problem);
        return kUsage;
    }

    const auto seed = args.seed();
    AppState st = seed ? AppState(*seed) : AppState();
    if (args.has("--template") &&
        !loadPuzzle(st, ctx, args.text("--template"), *args.number("--template")))
        return kFailed;
    ProgressBar bar(ctx.err, count);
    ctx.ui.beforeLine = [&bar] { bar.clear(); };
    int done = 0;
    const BatchSummary sum = RunBatch(st, ctx.ui, form, [&](const CreatedPuzzle& p) {
        bar.clear();
        ctx.out << p.record << "\t" << p.rows << "x" << p.cols << "\t" << p.layouts << "\t"
                << p.micros;
        if (form.unique)
            ctx.out << "\t" << p.uniqueness;
        ctx.out << "\n" << std::flush;
        bar.step(++done);
    });
    ctx.ui.beforeLine = nullptr;
    const int wanted = count > 0 ? count : 1;
    return !sum.failed && !sum.cancelled && sum.made == wanted ? kOk : kFailed;
}

} // namespace

extern const Command createCommand;
const Command createCommand{
    "create",
    {arg::text("OUTFILE"), arg::number("--count", "N", 0).required(), arg::size("--size").oneOf(),
     arg::flag("--random-size").oneOf(), arg::fileRecord("--template").oneOf(),
     arg::flag("--solution"), arg::flag("--unique"), arg::text("--title", "T"), arg::seed(),
     arg::flag("--classic"), arg::word("--difficulty", "easy|medium|hard|expert"),
     arg::word("--symmetry", "half-turn|mirror|none")},
    "Create N puzzles unattended and append them to OUTFILE.",
    "Runs the Auto command's generation and appends N records to OUTFILE\n"
    "(created when missing), numbered after the records already there. With\n"
    "--count 0 one puzzle is made and nothing is written.\n"
    "\n"
    "  --size RxC       random layouts of R rows and C columns (4 to 10)\n"
    "  --random-size    random layouts of a random square size, 7 to 10\n"
    "  --template FILE:M  new digits and clues on the layout of record M of\n"
    "                   FILE\n"
    "  --solution       store each puzzle's solution\n"
    "  --unique         every puzzle has exactly one solution: one with more\n"
    "                   gets new digits where two solutions differ (random\n"
    "                   layouts also sum cells there and shorter runs), or\n"
    "                   is dropped and another made\n"
    "  --title T        the title (default \"New Puzzle\"; random puzzles add\n"
    "                   the date and time)\n"
    "  --seed S         seed the random layouts and digits (the same seed and\n"
    "                   arguments give the same puzzles)\n"
    "\n"
    "Prints one tab-separated line per puzzle: record number, RxC, layouts\n"
    "tried (compile attempts for a template) and the creation time in\n"
    "microseconds; with --unique also \"unique\" (so as compiled) or\n"
    "\"repaired\". Exit status 0 when all N were made, 1 when creation\n"
    "stopped early, 2 for wrong usage or a size the creation dialog refuses.\n"
    "\n"
    "With --classic the puzzles are classic: every white cell lies in an across\n"
    "and a down run of 2 to 9 cells headed by a clue, the white cells are\n"
    "connected, the clues have exactly one solution and the logic engine\n"
    "solves them without trial.\n"
    "\n"
    "  --size RxC       drawn layouts, 5 to 15 rows and 5 to 18 columns (the\n"
    "                   clue row and column included), 55-75 % white cells\n"
    "  --template FILE:M  the layout of record M of FILE, kept as drawn\n"
    "  --difficulty W   the logic rating's word: easy, medium, hard or expert\n"
    "                   (default: any of them)\n"
    "  --symmetry S     half-turn (default), mirror (left-right) or none\n"
    "  --title T        default \"Classic RxC word K\", K counting the batch\n"
    "\n"
    "The line per puzzle adds the word and the number of the rating. A word\n"
    "or size the search cannot reach within its budget stops with exit 1.",
    runCreate};

} // namespace vextor::cli
