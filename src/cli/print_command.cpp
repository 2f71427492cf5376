// print: the pages of Print Puzzles from File, or of Print Current Puzzle for
// one record, as a PDF file.
#include "base/text.h"
#include "cli/command.h"
#include "files/puzzle_file.h"
#include "print/print_commands.h"

#ifdef VEXTOR_PRINT_BACKEND
#include "app/print_backend/painter_pages.h"
#endif

#include <filesystem>
#include <map>
#include <random>

namespace vextor::cli {

namespace {

int runPrint(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    std::map<std::string, std::string> values; // --pdf, --from, --to, --current
    bool noSolution = false;
    bool book = false; // --book: all puzzles first, their solutions after
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--pdf" || arg == "--from" || arg == "--to" || arg == "--current") {
            if (i + 1 == args.size())
                return usageError(self, arg + " needs a value", ctx);
            values[arg] = args[++i];
        } else if (arg == "--no-solution") {
            noSolution = true;
        } else if (arg == "--book") {
            book = true;
        } else if (isOptionWord(arg)) {
            return usageError(self, "unknown option '" + arg + "'", ctx);
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 1)
        return usageError(self, files.empty() ? "missing arguments" : "too many arguments", ctx);
    if (!values.count("--pdf"))
        return usageError(self, "--pdf OUT.pdf is required", ctx);
    const bool current = values.count("--current") != 0;
    if (current && (noSolution || book || values.count("--from") || values.count("--to")))
        return usageError(
            self, "--current prints one record: no --from, --to, --no-solution or --book", ctx);
    if (book && noSolution)
        return usageError(self, "--book prints the solutions after the puzzles: no --no-solution",
                          ctx);
    for (const char* key : {"--from", "--to"})
        if (values.count(key) && !parseInteger(values[key]))
            return usageError(
                self, std::string(key) + " takes a whole number, not '" + values[key] + "'", ctx);
    std::optional<int> record;
    if (current && !(record = parseRecordNumber(self, values["--current"], ctx)))
        return kUsage;

    const std::string& file = files[0];
    AppState st;
    std::optional<print::PrintRequest> request;
    if (!current) {
        const std::string to =
            values.count("--to") ? values["--to"] : plainNumber(CountPuzzles(file, ctx.ui));
        request = print::CheckPrintRequest(
            ctx.ui, file, values.count("--from") ? values["--from"] : "1", to, !noSolution);
        if (!request)
            return kFailed;
        request->book = book;
    }
#ifndef VEXTOR_PRINT_BACKEND
    ctx.err << "vextor-cli print: this build has no PDF output (built without Qt)\n";
    return kFailed;
#else
    const std::string footer = print::footerText(dateTimeNow().substr(0, 10));
    printing::OffscreenGui gui;
    printing::PdfSink pdf(QString::fromStdString(values["--pdf"]),
                          QString::fromStdString(std::filesystem::path(file).filename().string()));
    int pages = 0;
    if (current) {
        // The grid of record N stands for the grid on screen; its working
        // file goes to the temporary folder.
        std::error_code ec;
        st.currentpuzfile = (std::filesystem::temp_directory_path(ec) /
                             ("vextor-current-" + std::to_string(std::random_device{}()) + ".vxt"))
                                .string();
        if (!loadPuzzle(st, ctx, file, *record))
            return kFailed;
        pages = print::PrintCurrentPuzzle(st, ctx.ui, pdf, footer);
        std::filesystem::remove(st.currentpuzfile, ec);
    } else {
        pages = print::PrintPuzzlesFromFile(st, ctx.ui, *request, pdf, footer);
    }
    if (!pdf.finish() || (pages == 0 && current)) {
        ctx.err << "vextor-cli print: cannot write " << values["--pdf"] << "\n";
        return kFailed;
    }
    ctx.out << pages << "\n";
    return kOk;
#endif
}

} // namespace

extern const Command printCommand;
const Command printCommand{
    "print", "FILE --pdf OUT.pdf [--from A] [--to B] [--no-solution | --book] [--current N]",
    "print puzzles of FILE, two grids to a page, into a PDF file",
    "Each record from A (default 1) to B (default the last) is printed above its\n"
    "solution, or with --no-solution two puzzles to a page; with --book every\n"
    "puzzle first, two to a page, then all their solutions, two to a page.\n"
    "Records are found by the number in their header line. --current N prints\n"
    "record N as the program\n"
    "prints its current puzzle: the puzzle above, the grid's cell contents below.\n"
    "Prints the number of pages. A range of no records (A above B) writes no file.",
    runPrint};

} // namespace vextor::cli
