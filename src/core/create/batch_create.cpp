#include "create/batch_create.h"

#include "base/text.h"
#include "create/classic_batch.h"
#include "create/compile.h"
#include "create/random_layout.h"
#include "create/unique.h"
#include "files/file_management.h"
#include "files/puzzle_file.h"
#include "state/grid_commands.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace vextor {

void SelectCurrentTemplate(CreateDialogForm& f) {
    f.randomTemplate = false;
    f.sizeBoxesEnabled = false;
    f.sizeChecksEnabled = false;
    f.fixedSize = false;
    f.randomSize = false;
}

void SelectRandomTemplate(CreateDialogForm& f) {
    f.randomTemplate = true;
    f.sizeChecksEnabled = true;
    f.fixedSize = false;
    f.randomSize = false;
    f.sizeBoxesEnabled = false;
}

void FixedSizeReleased(CreateDialogForm& f) {
    if (f.fixedSize) {
        f.sizeBoxesEnabled = true;
        f.randomSize = false;
    } else {
        f.randomSize = true;
        f.sizeBoxesEnabled = false;
    }
}

void RandomSizeReleased(CreateDialogForm& f) {
    if (f.randomSize) {
        f.fixedSize = false;
        f.sizeBoxesEnabled = false;
    }
}

std::string CreateDialogProblem(const CreateDialogForm& f) {
    // A hidden Template frame (the save form) has nothing to check: its
    // choice could not be corrected there.
    if (!f.randomTemplate || !f.templateVisible)
        return {};
    const double rows = leadingNumber(f.rows);
    const double cols = leadingNumber(f.cols);
    if (f.classic) {
        if (f.randomSize)
            return "Classic layouts need a fixed grid size";
        if (!f.fixedSize)
            return "Select Grid Size";
        return ClassicSizeProblem(ClassicSideOf(f.rows), ClassicSideOf(f.cols));
    }
    if (rows > 10 || rows < 1 || cols > 10 || cols < 1)
        return "Maximum rows or columns are limted to 10 for this option";
    if (!f.fixedSize && !f.randomSize)
        return "Select Grid Size";
    if (f.fixedSize && !f.randomSize &&
        (roundHalfEven(rows) < kMinRandomSide || roundHalfEven(cols) < kMinRandomSide))
        return "Random layouts need at least" + spacedNumber(kMinRandomSide) + " rows and" +
               spacedNumber(kMinRandomSide) + " columns";
    return {};
}

namespace {

using Clock = std::chrono::steady_clock;

long long microsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

} // namespace

BatchSummary RunBatch(AppState& st, UserInterface& ui, const CreateDialogForm& form,
                      const std::function<void(const CreatedPuzzle&)>& onPuzzle) {
    BatchSummary sum;
    Grid& g = st.grid;
    st.cancelsolve = false;
    const int ncreate = leadingInt(form.count);
    st.creator.ncreate = ncreate;
    const std::string output = form.fileNow;
    int record = CountPuzzles(output, ui);
    st.texts.title = form.title;
    bool compileUnable = false;
    std::string failure; // a message shown after the finish
    {
        CreationRunning running(st);
        BusyPointer busy(ui);
        const auto append = [&](const std::string& title) {
            if (ncreate > 0 && !AppendPuzzle(st, title, record, form.storeSolution, output)) {
                failure = "Cannot write to file:\r\n" + output;
                --sum.made; // not added after all
                --record;
                return false;
            }
            return true;
        };
        std::string uniqueness; // of the puzzle just made
        int dropped = 0;        // puzzles in a row without a unique solution
        // A compiled puzzle with several solutions is repaired or dropped.
        const auto keep = [&] {
            if (!form.unique)
                return true;
            const Uniqueness u = MakeUnique(st, form.randomTemplate);
            if (u != Uniqueness::Failed) {
                uniqueness = UniquenessWord(u);
                dropped = 0;
                return true;
            }
            if (++dropped >= kMaxDroppedPuzzles)
                failure = "Unable to make a puzzle with exactly one solution";
            return false;
        };
        const auto report = [&](int layouts, Clock::time_point start) {
            if (onPuzzle)
                onPuzzle({record, g.rows, g.cols, layouts, microsSince(start), uniqueness});
        };
        const std::string overlayHead = form.randomTemplate ? "\r\n\r\nRandom Puzzle output file: "
                                                            : "\r\n\r\nFixed Puzzle output file: ";
        st.texts.overlay = overlayHead + output;
        st.texts.overlayVisible = ncreate >= 1;
        if (!form.randomTemplate) {
            int attempts = 0;
            Clock::time_point start = Clock::now();
            for (;;) {
                const CompileResult result = CompileGrid(st, ui, false, true);
                compileUnable = result == CompileResult::Unable;
                const bool made = result == CompileResult::Compiled && keep();
                if (!failure.empty())
                    break;
                if (result == CompileResult::Invalid)
                    sum.failed = true;
                ++attempts;
                if (ncreate > 0)
                    st.texts.caption = batchProgress(sum.made + 1, ncreate);
                if (made) {
                    ++sum.made;
                    ++record;
                    if (!append(st.texts.title))
                        break;
                    report(attempts, start);
                    attempts = 0;
                    start = Clock::now();
                }
                // A dropped puzzle is made again, also when only one is asked for.
                if (sum.made >= ncreate && (made || result != CompileResult::Compiled))
                    break;
                // Every later attempt on a layout found invalid fails the same
                // way, and a layout that could not be filled has had all its
                // attempts (none on a single cell): the batch ends.
                if (result == CompileResult::Unable)
                    failure = "Unable to compile";
                if (result != CompileResult::Compiled)
                    break;
                ui.pumpEvents();
                if (st.cancelsolve) {
                    sum.cancelled = true;
                    break;
                }
            }
        } else {
            HiddenGrid hidden(ui);
            BuildCreationGrid(st, ui, leadingInt(form.rows), leadingInt(form.cols));
            ui.pumpEvents();
            Clock::time_point start = Clock::now();
            int layouts = 0; // of this puzzle, dropped ones included
            do {
                ui.pumpEvents();
                if (form.randomSize) {
                    const int size = st.rng.draw(4) + 6;
                    BuildCreationGrid(st, ui, size, size);
                }
                if (ncreate > 0)
                    st.texts.caption = batchProgress(sum.made + 1, ncreate);
                if (st.cancelsolve) {
                    sum.cancelled = true;
                    break;
                }
                int drawn = 0;
                const RandomPuzzleResult made = CreateRandomPuzzle(st, ui, &drawn);
                layouts += drawn;
                if (made == RandomPuzzleResult::Cancelled) {
                    sum.cancelled = true;
                    break;
                }
                if (made == RandomPuzzleResult::GaveUp) {
                    sum.failed = true;
                    break;
                }
                if (!keep()) {
                    if (!failure.empty())
                        break;
                    continue;
                }
                ++sum.made;
                ++record;
                if (!append(st.texts.title + " " + dateTimeNow()))
                    break;
                report(layouts, start);
                layouts = 0;
                start = Clock::now();
            } while (sum.made < std::max(ncreate, 1));
        }
        restoreAfterBatch(st);
    }
    reportBatch(ui, sum, failure, ncreate, output, compileUnable && !form.randomTemplate);
    return sum;
}

std::string batchProgress(int next, int ncreate) {
    return "Generating Puzzle" + spacedNumber(next) + " of" + spacedNumber(ncreate);
}

void restoreAfterBatch(AppState& st) {
    st.texts.caption = st.puzfile;
    st.texts.overlayVisible = false;
    st.cancelsolve = false;
    FitGridWindow(st);
}

void reportBatch(UserInterface& ui, BatchSummary& sum, const std::string& failure, int ncreate,
                 const std::string& output, bool unableToCompile) {
    if (!failure.empty()) {
        sum.failed = true;
        ui.message(failure);
    }
    if (sum.cancelled)
        ui.message("Cancelled");
    if (ncreate < 1) {
        if (sum.made >= 1)
            ui.message("Puzzle created");
        else if (unableToCompile)
            ui.message("Unable to compile");
    } else {
        ui.message(spacedNumber(sum.made) + " Puzzles added to file: " + output);
    }
}

void AutoCreateCommand(AppState& st, UserInterface& ui, CreateDialogForm& form,
                       const std::function<void(CreateDialogForm&)>& showDialog) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return;
    }
    form.fileNow = st.puzfile;
    form.caption = "Creat Puzzles";
    form.acceptCaption = "Create";
    form.templateVisible = true;
    form.countVisible = true;
    form.tag = "X";
    if (showDialog)
        showDialog(form);
    ui.pumpEvents();
    if (form.tag != "Y")
        return;
    if (form.classic)
        RunClassicBatch(st, ui, ClassicOptionsOf(form));
    else
        RunBatch(st, ui, form);
}

bool AddPuzzleCommand(AppState& st, UserInterface& ui, CreateDialogForm& form,
                      const std::function<void(CreateDialogForm&)>& showDialog) {
    if (RefusedWhileSolving(st, ui))
        return false;
    form.caption = "Save Puzzle";
    form.acceptCaption = "Save";
    form.templateVisible = false;
    form.countVisible = false;
    form.fileNow = st.puzfile;
    form.tag.clear();
    // The title box offers the puzzle's own title, and what it holds when the
    // dialog closes is the title saved; Auto keeps its own title text.
    const std::string autoTitle = std::exchange(form.title, st.texts.title);
    if (showDialog)
        showDialog(form);
    const std::string title = std::exchange(form.title, autoTitle);
    if (form.tag == "X" || form.fileNow.empty())
        return false;
    st.texts.title = title;
    return AddPuzzleToFile(st, ui, form.fileNow, form.storeSolution);
}

} // namespace vextor
