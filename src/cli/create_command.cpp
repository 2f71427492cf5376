// create: the Auto command's batch creation from a shell.
#include "cli/option_values.h"
#include "create/batch_create.h"
#include "create/classic_batch.h"
#include "create/classic_fill.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace vextor::cli {

namespace {

// A progress bar on standard error, when that is a terminal.
class ProgressBar {
public:
    ProgressBar(std::ostream& err, int total)
        : err_(err), total_(total), on_(total > 1 && &err == &std::cerr && isatty(2)) {}
    ~ProgressBar() {
        if (on_ && shown_)
            err_ << "\n";
    }
    void step(int done) {
        if (!on_)
            return;
        constexpr int kWidth = 40;
        const int filled = static_cast<int>(static_cast<long long>(done) * kWidth / total_);
        err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
             << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << done << "/"
             << total_ << std::flush;
        shown_ = true;
    }

private:
    std::ostream& err_;
    int total_;
    bool on_;
    bool shown_ = false;
};

// ---- create --classic: classic layouts of a chosen difficulty ----
// Its own options, read apart from the plain creation's.
int runClassicCreate(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    const auto opt = parseOptionValues(
        self, args, 1, {"--classic", "--solution"},
        {"--count", "--size", "--template", "--difficulty", "--symmetry", "--title", "--seed"},
        ctx);
    if (!opt)
        return kUsage;
    const auto value = [&](const char* name) -> const std::string* {
        const auto it = opt->values.find(name);
        return it == opt->values.end() ? nullptr : &it->second;
    };
    const std::string* countText = value("--count");
    if (!countText)
        return usageError(self, "--count is required", ctx);
    const auto count = parseInteger(*countText);
    if (!count || *count < 0)
        return usageError(self, "--count needs a whole number from 0 up, not '" + *countText + "'",
                          ctx);
    const std::string* size = value("--size");
    const std::string* tmpl = value("--template");
    if ((size != nullptr) == (tmpl != nullptr))
        return usageError(self, "--classic needs one of --size and --template", ctx);
    ClassicBatchOptions o;
    o.output = opt->positional[0];
    o.count = *count;
    o.storeSolution = opt->has("--solution");
    if (const std::string* t = value("--title"))
        o.title = *t;
    if (const std::string* d = value("--difficulty")) {
        o.tier = ClassicTierOf(*d);
        if (o.tier == 0)
            return usageError(
                self, "--difficulty needs easy, medium, hard or expert, not '" + *d + "'", ctx);
    }
    if (const std::string* s = value("--symmetry")) {
        const auto sym = ParseSymmetry(*s);
        if (!sym)
            return usageError(self, "--symmetry needs half-turn, mirror or none, not '" + *s + "'",
                              ctx);
        if (tmpl)
            return usageError(self, "--symmetry applies to drawn layouts, not to --template", ctx);
        o.symmetry = *sym;
    }
    std::optional<std::uint64_t> seed;
    if (const std::string* s = value("--seed")) {
        seed = seedValue(self, *s, ctx);
        if (!seed)
            return kUsage;
    }
    if (size) {
        const std::size_t x = size->find_first_of("xX");
        const auto rows = x == std::string::npos ? std::nullopt : parseInteger(size->substr(0, x));
        const auto cols = x == std::string::npos ? std::nullopt : parseInteger(size->substr(x + 1));
        if (!rows || !cols)
            return usageError(self, "--size needs RxC, not '" + *size + "'", ctx);
        if (const std::string problem = ClassicSizeProblem(*rows, *cols); !problem.empty())
            return usageError(self, problem, ctx);
        o.rows = *rows;
        o.cols = *cols;
    }
    AppState st = seed ? AppState(*seed) : AppState();
    if (tmpl) {
        const std::size_t colon = tmpl->rfind(':');
        const auto m =
            colon == std::string::npos ? std::nullopt : parseInteger(tmpl->substr(colon + 1));
        if (!m || *m < 1)
            return usageError(self, "--template needs FILE:M, not '" + *tmpl + "'", ctx);
        if (!loadPuzzle(st, ctx, tmpl->substr(0, colon), *m))
            return kFailed;
        o.fromTemplate = true;
    }
    ProgressBar bar(ctx.err, *count);
    int done = 0;
    const BatchSummary sum = RunClassicBatch(st, ctx.ui, o, [&](const ClassicMade& p) {
        ctx.out << p.record << "\t" << p.rows << "x" << p.cols << "\t" << p.layouts << "\t"
                << p.micros << "\t" << p.word << "\t" << p.number << "\n";
        bar.step(++done);
    });
    const int wanted = *count > 0 ? *count : 1;
    return !sum.failed && !sum.cancelled && sum.made == wanted ? kOk : kFailed;
}
// ---- end of create --classic ----

int runCreate(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    if (std::find(args.begin(), args.end(), "--classic") != args.end())
        return runClassicCreate(self, args, ctx);
    const auto opt =
        parseOptionValues(self, args, 1, {"--random-size", "--solution", "--unique"},
                          {"--count", "--size", "--template", "--title", "--seed"}, ctx);
    if (!opt)
        return kUsage;
    const auto value = [&](const char* name) -> const std::string* {
        const auto it = opt->values.find(name);
        return it == opt->values.end() ? nullptr : &it->second;
    };
    const std::string* countText = value("--count");
    if (!countText)
        return usageError(self, "--count is required", ctx);
    const auto count = parseInteger(*countText);
    if (!count || *count < 0)
        return usageError(self, "--count needs a whole number from 0 up, not '" + *countText + "'",
                          ctx);
    const int templates = (value("--size") ? 1 : 0) + (opt->has("--random-size") ? 1 : 0) +
                          (value("--template") ? 1 : 0);
    if (templates != 1)
        return usageError(self, "give one of --size, --random-size and --template", ctx);
    std::optional<std::uint64_t> seed;
    if (const std::string* s = value("--seed")) {
        seed = seedValue(self, *s, ctx);
        if (!seed)
            return kUsage;
    }

    CreateDialogForm form;
    form.fileNow = opt->positional[0];
    form.count = std::to_string(*count);
    form.storeSolution = opt->has("--solution");
    form.unique = opt->has("--unique");
    if (const std::string* t = value("--title"))
        form.title = *t;
    if (const std::string* size = value("--size")) {
        const std::size_t x = size->find_first_of("xX");
        if (x == std::string::npos)
            return usageError(self, "--size needs RxC, not '" + *size + "'", ctx);
        SelectRandomTemplate(form);
        form.fixedSize = true;
        FixedSizeReleased(form);
        form.rows = size->substr(0, x);
        form.cols = size->substr(x + 1);
    } else if (opt->has("--random-size")) {
        SelectRandomTemplate(form);
        form.randomSize = true;
        RandomSizeReleased(form);
    }
    if (const std::string problem = CreateDialogProblem(form); !problem.empty()) {
        ctx.ui.message(problem);
        return kUsage;
    }

    AppState st = seed ? AppState(*seed) : AppState();
    if (const std::string* t = value("--template")) {
        const std::size_t colon = t->rfind(':');
        const auto m =
            colon == std::string::npos ? std::nullopt : parseInteger(t->substr(colon + 1));
        if (!m || *m < 1)
            return usageError(self, "--template needs FILE:M, not '" + *t + "'", ctx);
        if (!loadPuzzle(st, ctx, t->substr(0, colon), *m))
            return kFailed;
    }
    ProgressBar bar(ctx.err, *count);
    int done = 0;
    const BatchSummary sum = RunBatch(st, ctx.ui, form, [&](const CreatedPuzzle& p) {
        ctx.out << p.record << "\t" << p.rows << "x" << p.cols << "\t" << p.layouts << "\t"
                << p.micros;
        if (form.unique)
            ctx.out << "\t" << p.uniqueness;
        ctx.out << "\n";
        bar.step(++done);
    });
    const int wanted = *count > 0 ? *count : 1;
    return !sum.failed && !sum.cancelled && sum.made == wanted ? kOk : kFailed;
}

} // namespace

extern const Command createCommand;
const Command createCommand{
    "create",
    "OUTFILE --count N (--size RxC | --random-size | --template FILE:M) [--solution] "
    "[--unique] [--title T] [--seed S]\n"
    "       vextor-cli create OUTFILE --count N --classic (--size RxC | --template FILE:M) "
    "[--difficulty easy|medium|hard|expert] [--symmetry half-turn|mirror|none] [--solution] "
    "[--title T] [--seed S]",
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
