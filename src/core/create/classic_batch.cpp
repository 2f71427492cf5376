#include "create/classic_batch.h"

#include "base/text.h"
#include "create/classic_fill.h"
#include "create/random_layout.h"
#include "files/puzzle_file.h"
#include "logic/logic_rating.h"
#include "model/runs.h"
#include "state/grid_commands.h"

#include <algorithm>
#include <chrono>

namespace vextor {

std::string ClassicTemplateProblem(const Grid& grid) {
    const std::string fault = ClassicLayoutFault(LayoutOfGrid(grid));
    return fault.empty() ? fault : "Not a classic layout: " + fault;
}

std::string ClassicGiveUpText(const ClassicBatchOptions& o) {
    const std::string word = o.tier == 0 ? std::string("easy to expert") : tierWord(o.tier);
    if (o.fromTemplate)
        return "Unable to fill the template's layout to a classic puzzle rated " + word +
               " within the search budget";
    return "Unable to make a classic " + plainNumber(o.rows) + "x" + plainNumber(o.cols) +
           " puzzle rated " + word + " (" + SymmetryWord(o.symmetry) +
           " symmetry) within the search budget";
}

namespace {

using Clock = std::chrono::steady_clock;

// Puts the puzzle into the grid as the program shows it: white cells holding
// their solution digit, sum cells with their clues, black cells.
void placePuzzle(AppState& st, const ClassicPuzzle& p) {
    Grid& g = st.grid;
    BuildClassicGrid(g, p.layout, p.digits);
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        s.BackColor = !s.known ? st.whitecol : s.Black ? st.blackcol : st.greycol;
        s.acrosscol = 0;
        s.downcol = 0;
        s.tick = 0;
        s.Choices0.clear();
    }
    FindRuns(g);
}

} // namespace

int ClassicSideOf(const std::string& text) {
    const double side = roundHalfEven(leadingNumber(text));
    return side >= 0 && side <= 1000 ? static_cast<int>(side) : 0;
}

ClassicBatchOptions ClassicOptionsOf(const CreateDialogForm& form) {
    ClassicBatchOptions o;
    o.output = form.fileNow;
    o.count = std::max(leadingInt(form.count), 0);
    o.fromTemplate = !form.randomTemplate;
    o.rows = ClassicSideOf(form.rows);
    o.cols = ClassicSideOf(form.cols);
    o.symmetry = ParseSymmetry(form.symmetry).value_or(ClassicSymmetry::HalfTurn);
    o.tier = ClassicTierOf(form.difficulty);
    o.storeSolution = form.storeSolution;
    // The title box left as it opens gives the classic titles ("Classic RxC
    // word K"); any other title is every puzzle's title.
    if (form.title != CreateDialogForm{}.title)
        o.title = form.title;
    return o;
}

BatchSummary RunClassicBatch(AppState& st, UserInterface& ui, const ClassicBatchOptions& o,
                             const std::function<void(const ClassicMade&)>& onPuzzle) {
    BatchSummary sum;
    st.cancelsolve = false;
    std::string failure;
    ClassicLayout tmpl;
    if (o.fromTemplate) {
        failure = ClassicTemplateProblem(st.grid);
        tmpl = LayoutOfGrid(st.grid);
    } else {
        failure = ClassicSizeProblem(o.rows, o.cols);
    }
    if (!failure.empty()) {
        ui.message(failure);
        sum.failed = true;
        return sum;
    }
    const int ncreate = o.count;
    st.creator.ncreate = ncreate;
    int record = ncreate > 0 ? CountPuzzles(o.output, ui) : 0;
    {
        CreationRunning running(st);
        BusyPointer busy(ui);
        HiddenGrid hidden(ui);
        const int rows = o.fromTemplate ? tmpl.rows : o.rows;
        const int cols = o.fromTemplate ? tmpl.cols : o.cols;
        if (!o.fromTemplate)
            BuildCreationGrid(st, ui, rows, cols);
        st.texts.overlay = "\r\n\r\nClassic Puzzle output file: " + o.output;
        st.texts.overlayVisible = ncreate >= 1;
        ClassicLayoutsSeen seen;
        do {
            if (ncreate > 0)
                st.texts.caption = batchProgress(sum.made + 1, ncreate);
            ui.pumpEvents();
            if (st.cancelsolve) {
                sum.cancelled = true;
                break;
            }
            const Clock::time_point start = Clock::now();
            ClassicSearchCounts counts;
            const auto p =
                o.fromTemplate
                    ? FillClassicLayout(st.rng, tmpl, o.tier, kClassicTemplateFills, &counts)
                    : MakeClassicPuzzle(st.rng, rows, cols, o.symmetry, o.tier, &counts, &seen);
            if (!p) {
                failure = ClassicGiveUpText(o);
                break;
            }
            placePuzzle(st, *p);
            ++sum.made;
            ++record;
            std::string title = o.title;
            if (title.empty())
                title = "Classic " + plainNumber(rows) + "x" + plainNumber(cols) + " " + p->word +
                        " " + plainNumber(sum.made);
            else if (!o.fromTemplate)
                title += " " + dateTimeNow();
            st.texts.title = title;
            if (ncreate > 0 && !AppendPuzzle(st, title, record, o.storeSolution, o.output)) {
                failure = "Cannot write to file:\r\n" + o.output;
                --sum.made;
                break;
            }
            if (onPuzzle)
                onPuzzle(
                    {record, rows, cols, o.fromTemplate ? 1 : counts.layouts,
                     std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start)
                         .count(),
                     p->word, p->number});
        } while (sum.made < std::max(ncreate, 1));
        restoreAfterBatch(st);
    }
    reportBatch(ui, sum, failure, ncreate, o.output);
    return sum;
}

} // namespace vextor
