// compile: the Compile command's logic on a record, without messages.
#include "cli/command.h"
#include "create/compile.h"
#include "files/puzzle_file.h"

namespace vextor::cli {

namespace {

int runCompile(const Command&, const Arguments& args, Context& ctx) {
    const int n = *args.number("N");
    const auto seed = args.seed();
    AppState st = seed ? AppState(*seed) : AppState();
    if (!loadPuzzle(st, ctx, args.text("FILE"), n))
        return kFailed;
    std::vector<int> region;
    if (PrepareCompile(st, region)) {
        ctx.ui.message("Cells are blocked");
        return kFailed;
    }
    switch (CompileGrid(st, ctx.ui, false, !args.has("--largest-first"))) {
    case CompileResult::Compiled:
        ctx.out << recordText(st.grid, st.whitecol, st.texts.title, n, true);
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
    "compile",
    {arg::text("FILE"), arg::record("N"), arg::flag("--largest-first"), arg::seed()},
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
