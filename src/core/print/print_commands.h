// The two print commands over a PageSink: Print Puzzles from File (a range of
// records, each with its solution or two puzzles to a page) and Print Current
// Puzzle (the grid on screen above, its cell contents as the solution below),
// and the checks of the print dialog's Print button.
#pragma once

#include "base/user_interface.h"
#include "print/page_layout.h"
#include "state/app_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace vextor::print {

struct PrintRequest {
    std::string file;
    int from = 1;
    int to = 0;
    bool withSolution = true;
    // A booklet: every puzzle first, two to a page, then all their
    // solutions, two to a page, in the same order (withSolution is ignored).
    bool book = false;
};

// The print dialog's checks: the file must hold records ("No puzzles in this
// file: NAME", also for a missing file), From must be 1 or more and To at most
// the record count ("Invalid from or to puzzle number"). nullopt after such a
// message. From greater than To passes and prints nothing.
std::optional<PrintRequest> CheckPrintRequest(UserInterface& ui, const std::string& file,
                                              std::string_view fromText, std::string_view toText,
                                              bool withSolution);

// The dialog's result handed back in its Tag: "X" when cancelled, otherwise
// file, from, to and the solution flag (0 or 1, 2 for a booklet) joined by
// commas. A Tag that
// does not hold these fields (the dialog closed by its close box) reads as
// cancelled.
std::string requestTag(const PrintRequest& request);
std::optional<PrintRequest> parseRequestTag(std::string_view tag);

// Prints records from..to of the file, found by their header numbers: each
// puzzle above its solution, or without solutions two puzzles to a page (an
// odd range ends with a page holding only a top half); a booklet prints the
// puzzles two to a page and then their solutions two to a page. One page per step,
// also when its records were not found. A file that cannot be read prints
// nothing: "Cannot read the file PATH". Returns the number of pages handed
// to the sink; drawn, when given, receives the number of records drawn on them.
int PrintPuzzlesFromFile(const AppState& st, UserInterface& ui, const PrintRequest& request,
                         PageSink& sink, const std::string& footer, int* drawn = nullptr);

// Refuses an output file (a PDF) that is the puzzle file printed, compared
// by resolved paths: "A puzzle file cannot be printed into itself:" and the
// output path. True when refused.
bool RefusedPrintTarget(UserInterface& ui, const std::string& output,
                        const std::string& puzzleFile);

// Writes the current grid with its cell contents as the solution into
// currentpuzfile (replacing it) and prints its one page. Returns the number
// of pages (0 when the working file could not be written: the message names it).
int PrintCurrentPuzzle(const AppState& st, UserInterface& ui, PageSink& sink,
                       const std::string& footer);

} // namespace vextor::print
