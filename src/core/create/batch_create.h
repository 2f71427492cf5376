// Batch creation: the creation dialog's form and rules, and the Auto command
// that makes puzzles unattended and appends them to a puzzle file.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <functional>
#include <string>

namespace vextor {

// The creation dialog (Form3) as its controls stand. The Auto command opens
// it with both frames shown; Add Puzzle opens it in its save form (caption,
// accept caption and hidden frames of its own).
struct CreateDialogForm {
    std::string caption = "Create New Puzzles";
    std::string acceptCaption = "Create"; // Command1
    bool templateVisible = true;          // Frame3
    bool countVisible = true;             // Frame1
    std::string title = "New Puzzle";     // Text4
    bool randomTemplate = false;          // Option1(1); Option1(0) "Current" otherwise
    bool fixedSize = false;               // Check2 "Fixed"
    bool randomSize = false;              // Check3 "Random between 7x7 and 10x10"
    bool sizeChecksEnabled = false;       // Check2, Check3
    bool sizeBoxesEnabled = false;        // Text2, Text3
    std::string rows = "10";              // Text2
    std::string cols = "10";              // Text3
    bool storeSolution = false;           // Check1
    bool unique = true;                   // CheckUnique "Unique solution"
    // "Classic layout" (CheckClassic): classic puzzles of a difficulty
    // (ComboDifficulty: "any", "easy" .. "expert") with a symmetry
    // (ComboSymmetry: "half-turn", "mirror", "none"), the larger classic
    // sizes allowed; with "Current" the drawn layout is filled.
    bool classic = false;
    std::string difficulty = "any";
    std::string symmetry = "half-turn";
    std::string count = "0"; // Text1
    std::string fileNow;     // FileNow
    std::string tag;         // "Y" accepted, "X" cancelled
};

// The dialog's rules: selecting a template, releasing the mouse on a size
// check box (after it toggled).
void SelectCurrentTemplate(CreateDialogForm& form);
void SelectRandomTemplate(CreateDialogForm& form);
void FixedSizeReleased(CreateDialogForm& form);
void RandomSizeReleased(CreateDialogForm& form);

// Smallest fixed size offered for random layouts: smaller grids cannot carry
// a random puzzle.
inline constexpr int kMinRandomSide = 4;

// What Create says about the form: empty when it may close with "Y",
// otherwise the message to show while the dialog stays open. Classic random
// layouts take a fixed size of the classic sizes.
std::string CreateDialogProblem(const CreateDialogForm& form);

// One puzzle made by a batch.
struct CreatedPuzzle {
    int record = 0; // its record number (counted on when nothing is saved)
    int rows = 0;
    int cols = 0;
    int layouts = 0; // layouts drawn (random) or compile attempts (current layout)
    long long micros = 0;
    // With a unique solution asked for: "unique" (so as compiled) or
    // "repaired"; empty otherwise.
    std::string uniqueness;
};

// Puzzles in a row that a batch asking for a unique solution may drop
// (repair failed) before it gives up.
inline constexpr int kMaxDroppedPuzzles = 1000;

struct BatchSummary {
    int made = 0;
    bool cancelled = false;
    bool failed = false; // gave up, could not write, or the layout did not compile
};

// The shared end of a batch. batchProgress: the caption while puzzle `next`
// of ncreate is made. restoreAfterBatch: the window's caption and overlay as
// before, Cancel answered, the window fitted to the grid. reportBatch: the
// failure, "Cancelled", and what was made ("Puzzle created" for a single
// puzzle not written; with unableToCompile "Unable to compile" when none was).
std::string batchProgress(int next, int ncreate);
void restoreAfterBatch(AppState& st);
void reportBatch(UserInterface& ui, BatchSummary& sum, const std::string& failure, int ncreate,
                 const std::string& output, bool unableToCompile = false);

// Makes the puzzles the accepted form asks for (the Auto command after its
// dialog): from the current layout or random layouts, appended to the form's
// output file, progress in the window caption, Cancel Auto Solve honoured,
// closing messages shown. With form.unique every puzzle made has exactly one
// solution: a compiled puzzle with several is repaired (MakeUnique) or
// dropped and another made. onPuzzle sees every puzzle made.
BatchSummary RunBatch(AppState& st, UserInterface& ui, const CreateDialogForm& form,
                      const std::function<void(const CreatedPuzzle&)>& onPuzzle = {});

// The Auto command: refuses while AutoSolve runs; prepares the form (output
// file = puzfile, caption "Creat Puzzles", both frames shown, tag "X"), lets
// showDialog show it modally, and runs the batch when it was accepted
// (RunClassicBatch when the form is classic).
void AutoCreateCommand(AppState& st, UserInterface& ui, CreateDialogForm& form,
                       const std::function<void(CreateDialogForm&)>& showDialog);

// The Add Puzzle command: refuses while AutoSolve runs; prepares the form in
// its save form (caption "Save Puzzle", accept caption "Save", the Template
// and "# of Puzzles" frames hidden, output file = puzfile, tag empty, the
// title box holding the puzzle's title), lets showDialog show it modally and,
// unless it was cancelled or names no file, appends the grid with the title
// from the box to the output file as its next record and loads that record
// number of the current file. Returns true when the record was added.
bool AddPuzzleCommand(AppState& st, UserInterface& ui, CreateDialogForm& form,
                      const std::function<void(CreateDialogForm&)>& showDialog);

} // namespace vextor
