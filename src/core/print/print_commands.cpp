#include "print/print_commands.h"

#include "base/text.h"
#include "files/puzzle_file.h"
#include "files/safe_file.h"

#include <filesystem>

namespace vextor::print {

std::optional<PrintRequest> CheckPrintRequest(UserInterface& ui, const std::string& file,
                                              std::string_view fromText, std::string_view toText,
                                              bool withSolution) {
    const int count = CountPuzzles(file, ui);
    if (count < 1) {
        ui.message("No puzzles in this file: " + file);
        return std::nullopt;
    }
    PrintRequest request{file, leadingInt(fromText), leadingInt(toText), withSolution};
    if (request.from < 1 || request.to > count) {
        ui.message("Invalid from or to puzzle number");
        return std::nullopt;
    }
    return request;
}

std::string requestTag(const PrintRequest& r) {
    return r.file + "," + plainNumber(r.from) + "," + plainNumber(r.to) + "," +
           (r.book           ? "2"
            : r.withSolution ? "1"
                             : "0");
}

std::optional<PrintRequest> parseRequestTag(std::string_view tag) {
    // The file name may itself hold commas: the last three fields are the numbers.
    const auto fields = split(tag, ',');
    if (fields.size() < 4)
        return std::nullopt;
    const std::size_t k = fields.size() - 3;
    std::string file;
    for (std::size_t i = 0; i < k; ++i)
        file += (i ? "," : "") + fields[i];
    if (file.empty())
        return std::nullopt;
    const int solution = leadingInt(fields[k + 2]);
    return PrintRequest{file, leadingInt(fields[k]), leadingInt(fields[k + 1]),
                        solution == 1 || solution == 2, solution == 2};
}

int PrintPuzzlesFromFile(const AppState& st, UserInterface& ui, const PrintRequest& r,
                         PageSink& sink, const std::string& footer, int* drawn) {
    BusyPointer busy(ui);
    int counted = 0;
    if (!drawn)
        drawn = &counted;
    *drawn = 0;
    RecordsByNumber records(r.file);
    if (!records.ok()) {
        ui.message("Cannot read the file " + r.file);
        return 0;
    }
    int pages = 0;
    if (r.book) {
        for (const bool solutions : {false, true})
            for (int n = r.from; n <= r.to; n += 2) {
                Page page;
                // The records drawn are counted once, on the puzzle pages.
                if (records.draw(page, Half::Top, n, solutions, st.blackcol, footer, ui) &&
                    !solutions)
                    ++*drawn;
                if (n + 1 <= r.to &&
                    records.draw(page, Half::Bottom, n + 1, solutions, st.blackcol, footer, ui) &&
                    !solutions)
                    ++*drawn;
                if (!sink.page(page))
                    return pages;
                ++pages;
            }
        return pages;
    }
    for (int n = r.from; n <= r.to; ++n) {
        Page page;
        if (records.draw(page, Half::Top, n, false, st.blackcol, footer, ui))
            ++*drawn;
        if (r.withSolution) {
            records.draw(page, Half::Bottom, n, true, st.blackcol, footer, ui);
        } else if (n + 1 <= r.to) {
            ++n;
            if (records.draw(page, Half::Bottom, n, false, st.blackcol, footer, ui))
                ++*drawn;
        }
        if (!sink.page(page))
            return pages;
        ++pages;
    }
    return pages;
}

bool RefusedPrintTarget(UserInterface& ui, const std::string& output,
                        const std::string& puzzleFile) {
    if (!SameFile(output, puzzleFile))
        return false;
    ui.message("A puzzle file cannot be printed into itself:\r\n" + output);
    return true;
}

int PrintCurrentPuzzle(const AppState& st, UserInterface& ui, PageSink& sink,
                       const std::string& footer) {
    BusyPointer busy(ui);
    std::error_code ec;
    std::filesystem::remove(st.currentpuzfile, ec);
    if (!AppendPuzzle(st, st.texts.title, 1, true, st.currentpuzfile)) {
        ui.message("Cannot write the file " + st.currentpuzfile);
        return 0;
    }
    RecordsByNumber records(st.currentpuzfile);
    Page page;
    records.draw(page, Half::Top, 1, false, st.blackcol, footer, ui);
    records.draw(page, Half::Bottom, 1, true, st.blackcol, footer, ui);
    return sink.page(page) ? 1 : 0;
}

} // namespace vextor::print
