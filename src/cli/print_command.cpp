// print: the pages of Print Puzzles from File, or of Print Current Puzzle for
// one record, as a PDF file.
#include "base/text.h"
#include "cli/command.h"
#include "files/file_management.h"
#include "files/puzzle_file.h"
#include "print/print_commands.h"

#ifdef VEXTOR_PRINT_BACKEND
#include "app/print_backend/painter_pages.h"
#endif

#include <filesystem>
#include <random>

namespace vextor::cli {

namespace {

int runPrint(const Command& self, const Arguments& args, Context& ctx) {
    const bool noSolution = args.has("--no-solution");
    const bool book = args.has("--book"); // all puzzles first, their solutions after
    const std::optional<int> record = args.number("--current");
    const bool current = record.has_value();
    if (current && (noSolution || book || args.has("--from") || args.has("--to")))
        return usageError(
            self, "--current prints one record: no --from, --to, --no-solution or --book", ctx);
    if (book && noSolution)
        return usageError(self, "--book prints the solutions after the puzzles: no --no-solution",
                          ctx);

    const std::string& file = args.text("FILE");
    const std::string& output = args.text("--pdf");
    if (print::RefusedPrintTarget(ctx.ui, output, file))
        return kFailed;
    AppState st;
    std::optional<print::PrintRequest> request;
    if (!current) {
        const std::string to =
            args.has("--to") ? args.text("--to") : plainNumber(CountPuzzles(file, ctx.ui));
        request = print::CheckPrintRequest(
            ctx.ui, file, args.has("--from") ? args.text("--from") : "1", to, !noSolution);
        if (!request)
            return kFailed;
        request->book = book;
    }
    if (!ConfirmOverwrite(ctx.ui, output))
        return kFailed;
#ifndef VEXTOR_PRINT_BACKEND
    ctx.err << "vextor-cli print: this build has no PDF output (built without Qt)\n";
    return kFailed;
#else
    const std::string footer = print::footerText(dateTimeNow().substr(0, 10));
    printing::OffscreenGui gui;
    printing::PdfSink pdf(QString::fromStdString(output),
                          QString::fromStdString(std::filesystem::path(file).filename().string()));
    int pages = 0;
    int drawn = 0;
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
        pages = print::PrintPuzzlesFromFile(st, ctx.ui, *request, pdf, footer, &drawn);
    }
    if (!pdf.finish() || (pages == 0 && current)) {
        ctx.err << "vextor-cli print: cannot write " << output << "\n";
        return kFailed;
    }
    if (!current && pages > 0 && drawn == 0) {
        // Blank pages are no print-out.
        std::error_code ec;
        std::filesystem::remove(output, ec);
        ctx.err << "vextor-cli print: no record could be drawn; " << output << " is not written\n";
        return kFailed;
    }
    ctx.out << pages << "\n";
    return kOk;
#endif
}

} // namespace

extern const Command printCommand;
const Command printCommand{
    "print",
    {arg::text("FILE"), arg::text("--pdf", "OUT.pdf").required(), arg::number("--from", "A"),
     arg::number("--to", "B"), arg::flag("--no-solution"), arg::flag("--book"),
     arg::record("--current", "N").orEmptyGrid()},
    "print puzzles of FILE, two grids to a page, into a PDF file",
    "Each record from A (default 1) to B (default the last) is printed above its\n"
    "solution, or with --no-solution two puzzles to a page; with --book every\n"
    "puzzle first, two to a page, then all their solutions, two to a page.\n"
    "Records are found by the number in their header line. --current N prints\n"
    "record N as the program\n"
    "prints its current puzzle: the puzzle above, the grid's cell contents below.\n"
    "Prints the number of pages. A range of no records (A above B) writes no file;\n"
    "a range none of whose records can be read fails and leaves no file. OUT.pdf\n"
    "may not be FILE; an existing OUT.pdf is only replaced with --yes.",
    runPrint};

} // namespace vextor::cli
