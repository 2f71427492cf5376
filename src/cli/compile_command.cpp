// compile: the Compile command's logic on a record, without messages.
#include "cli/option_values.h"
#include "create/compile.h"
#include "files/puzzle_file.h"

namespace vextor::cli {

namespace {

int runCompile(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    const auto opt = parseOptionValues(self, args, 2, {"--largest-first"}, {"--seed"}, ctx);
    if (!opt)
        return kUsage;
    const auto n = parseInteger(opt->positional[1]);
    if (!n || *n < 1)
        return usageError(self, "N must be a record number, not '" + opt->positional[1] + "'", ctx);
    std::optional<std::uint64_t> seed;
    if (const auto it = opt->values.find("--seed"); it != opt->values.end()) {
        seed = seedValue(self, it->second, ctx);
        if (!seed)
            return kUsage;
    }
    AppState st = seed ? AppState(*seed) : AppState();
    if (!loadPuzzle(st, ctx, opt->positional[0], *n))
        return kFailed;
    std::vector<int> region;
    if (PrepareCompile(st, region)) {
        ctx.ui.message("Cells are blocked");
        return kFailed;
    }
    switch (CompileGrid(st, ctx.ui, false, !opt->has("--largest-first"))) {
    case CompileResult::Compiled:
        ctx.out << recordText(st.grid, st.whitecol, st.texts.title, *n, true);
        return kOk;
    case CompileResult::Unable:
        ctx.ui.message("Unable to compile");
        return kFailed;
    case CompileResult::Invalid:
        break; // its message is shown
    }
    return kFailed;
}

} // namespace

extern const Command compileCommand;
const Command compileCommand{
    "compile", "FILE N [--largest-first] [--seed S]",
    "Compile the layout of record N of FILE into a puzzle.",
    "Loads record N and runs the Compile command silently: checks that the\n"
    "white cells are connected and the layout is valid, fills distinct digits\n"
    "into every run (random ones, or the largest free digit first with\n"
    "--largest-first) and computes the clues. Writes the compiled record with\n"
    "its solution to standard output, numbered N and with the title read.\n"
    "\n"
    "  --largest-first  fill the largest free digit first: the output then\n"
    "                   depends only on the layout\n"
    "  --seed S         seed the random digits (the same seed gives the same\n"
    "                   puzzle)\n"
    "\n"
    "Exit status 1, with \"Cells are blocked\", \"Invalid puzzle, cannot\n"
    "compile\" or \"Unable to compile\" on standard error and nothing on\n"
    "standard output, when the layout does not compile.",
    runCompile};

} // namespace vextor::cli
