// Batches of classic puzzles: drawn classic layouts (or the layout of the
// grid in the window) filled to one-solution puzzles of a chosen difficulty
// and appended to a puzzle file.
#pragma once

#include "base/user_interface.h"
#include "create/batch_create.h"
#include "create/classic_layout.h"
#include "state/app_state.h"

#include <functional>
#include <string>

namespace vextor {

struct ClassicBatchOptions {
    std::string output; // the puzzle file the records are appended to
    int count = 1;      // 0: one puzzle is made and nothing written
    int rows = 10;      // drawn layouts: the size, clue row and column included
    int cols = 10;
    bool fromTemplate = false; // keep the layout of the grid in st
    ClassicSymmetry symmetry = ClassicSymmetry::HalfTurn;
    int tier = 0; // 1..4 (easy .. expert), 0 any of them
    bool storeSolution = false;
    std::string title; // empty: "Classic RxC word K"
};

struct ClassicMade {
    int record = 0;
    int rows = 0;
    int cols = 0;
    int layouts = 0; // layouts filled (1 for a template)
    long long micros = 0;
    std::string word;
    int number = 0;
};

// "Not a classic layout: ..." with the first cell at fault, or empty when
// the grid's layout passes the run rules and the connection test.
std::string ClassicTemplateProblem(const Grid& grid);

// The message of a search that ran out of its budget, naming what was asked.
std::string ClassicGiveUpText(const ClassicBatchOptions& o);

// A size box of the creation dialog as a side (0 for what is no size).
int ClassicSideOf(const std::string& text);

// The batch the creation dialog's form asks for with "Classic layout" ticked:
// its output file, count, size (or "Current": the drawn layout), difficulty,
// symmetry, solution and title (the box as it opens: the classic titles).
ClassicBatchOptions ClassicOptionsOf(const CreateDialogForm& form);

// Makes the puzzles: progress in the window caption, events let run and
// Cancel Auto Solve honoured between puzzles, the closing message as the Auto
// command's batch gives it. A template that breaks the rules or a search
// that runs out of its budget stops the batch (failed) with its message.
// The last puzzle made stays in the grid.
BatchSummary RunClassicBatch(AppState& st, UserInterface& ui, const ClassicBatchOptions& o,
                             const std::function<void(const ClassicMade&)>& onPuzzle = {});

} // namespace vextor
