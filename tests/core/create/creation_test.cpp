// Creating puzzles: compiling, random layouts, batch creation (dialog rules, Auto, Add Puzzle).
#include "base/text.h"
#include "create/batch_create.h"
#include "create/compile.h"
#include "create/digit_fill.h"
#include "create/random_layout.h"
#include "files/puzzle_file.h"
#include "model/runs.h"
#include "state/grid_commands.h"
#include "support/grid_builder.h"
#include "support/puzzle_checks.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

using namespace vextor;
using namespace vextor::test;
using Msgs = std::vector<std::string>;

namespace {

const Msgs kSquare = {"X 0,-1 0,-1 0,-1", "-1,0 . . .", "-1,0 . . .", "-1,0 . . ."};
// The across run of cell 1 has ten cells: no digits for all of them.
const Msgs kUnfit = {"-1,0 . . . . . . . . . .", "X 0,-1 0,-1 X X X X X X X X",
                     "-1,0 . . X X X X X X X X", "-1,0 . . X X X X X X X X"};

CreateDialogForm randomForm(const std::string& rows, const std::string& cols, int count,
                            const std::string& file) {
    CreateDialogForm f;
    SelectRandomTemplate(f);
    f.fixedSize = true;
    FixedSizeReleased(f);
    f.rows = rows;
    f.cols = cols;
    f.count = std::to_string(count);
    f.fileNow = file;
    return f;
}

struct Compile : ::testing::Test {
    AppState st{1};
    ScriptedUserInterface ui;
};

struct Batch : ::testing::Test {
    TempDir dir;
    std::string file = dir.file("out.vxt");
    ScriptedUserInterface ui;
};

} // namespace

TEST(CreateDialog, Validation) {
    const std::string limited = "Maximum rows or columns are limted to 10 for this option";
    const struct {
        bool random, fixed, randomSize;
        const char *rows, *cols;
        std::string problem;
        bool classic = false; // the larger classic sizes, fixed only
    } cases[] = {
        {false, false, false, "11", "0", ""}, // ignored for the current layout
        {true, true, false, "11", "10", limited},
        {true, true, false, "10", "0", limited},
        {true, false, true, "10.5", "7", limited},
        {true, false, false, "10", "10", "Select Grid Size"},
        {true, true, false, "3", "10", "Random layouts need at least 4 rows and 4 columns"},
        {true, false, true, "3", "10", ""}, // the size boxes are not used
        {true, true, false, "4", "10", ""},
        {true, true, false, "15", "18", "", true},
        {true, true, false, "4", "10",
         "Classic puzzles have 5 to 15 rows and 5 to 18 columns, not 4x10", true},
        {true, false, true, "10", "10", "Classic layouts need a fixed grid size", true},
        {false, false, false, "99", "0", "", true}, // the drawn layout is filled
    };
    for (const auto& c : cases) {
        CreateDialogForm f;
        f.randomTemplate = c.random;
        f.fixedSize = c.fixed;
        f.randomSize = c.randomSize;
        f.rows = c.rows;
        f.cols = c.cols;
        f.classic = c.classic;
        EXPECT_EQ(CreateDialogProblem(f), c.problem) << c.rows << "x" << c.cols;
    }
}

TEST_F(Batch, AutoAppendsAfterTheRecordsThereAndRestoresTheWindow) {
    AppState st(5);
    makeGrid(st, kSquare);
    for (int n = 1; n <= 12; ++n)
        ASSERT_TRUE(AppendPuzzle(st, "Old", n, false, file));
    st.puzfile = dir.file("current.vxt");
    CreateDialogForm form;
    form.count = "5";
    form.title = "Sq";
    AutoCreateCommand(st, ui, form, [&](CreateDialogForm& f) {
        EXPECT_EQ(f.caption, "Creat Puzzles");
        EXPECT_EQ(f.fileNow, st.puzfile);
        EXPECT_EQ(f.tag, "X");
        f.fileNow = file;
        f.tag = "Y";
    });
    EXPECT_EQ(CountPuzzles(file, ui), 17);
    for (int n = 13; n <= 17; ++n) {
        const auto rec = readRecord(file, n);
        EXPECT_TRUE(rec && rec->number == n && rec->title == "Sq") << n;
    }
    EXPECT_EQ(ui.messages, Msgs{" 5 Puzzles added to file: " + file});
    EXPECT_FALSE(st.texts.caption != st.puzfile || st.texts.overlayVisible || st.autosolving);
    // Cancel in the dialog changes nothing.
    AutoCreateCommand(st, ui, form, [](CreateDialogForm& f) { f.tag = "X"; });
    EXPECT_EQ(CountPuzzles(file, ui), 17);
}

TEST_F(Batch, ProgressOverlayAndCancel) {
    AppState st(6);
    BuildGrid(st, ui, 9, 9);
    Msgs captions;
    int made = 0;
    ui.onPump = [&] {
        captions.push_back(st.texts.caption);
        EXPECT_TRUE(st.autosolving && st.texts.overlayVisible);
        EXPECT_EQ(st.texts.overlay, "\r\n\r\nRandom Puzzle output file: " + file);
    };
    const BatchSummary sum =
        RunBatch(st, ui, randomForm("8", "9", 4, file), [&](const CreatedPuzzle& p) {
            if (++made == 2)
                st.cancelsolve = true; // Cancel Auto Solve pressed during the second
            EXPECT_EQ(p.rows, 8);
        });
    EXPECT_TRUE(sum.cancelled && sum.made == 2);
    EXPECT_NE(std::find(captions.begin(), captions.end(), "Generating Puzzle 2 of 4"),
              captions.end());
    EXPECT_EQ(ui.messages, (Msgs{"Cancelled", " 2 Puzzles added to file: " + file}));
    EXPECT_TRUE(CountPuzzles(file, ui) == 2 && !st.cancelsolve);
    EXPECT_EQ(readRecord(file, 1)->title.size(),
              std::string("New Puzzle mm-dd-yyyy hh:mm:ss").size());
}

TEST_F(Batch, NothingSavedForZeroAndTheCurrentLoopEnds) {
    AppState st(7);
    RunBatch(st, ui, randomForm("5", "5", 0, file)); // 0 puzzles: one made, nothing written
    EXPECT_EQ(ui.messages, Msgs{"Puzzle created"});
    // Bad layouts: reported once, loop ends; digits that never fit (also on a
    // single cell, where no attempt is made); a missing folder.
    const Msgs invalid = {"X 0,-1 X", "-1,0 . X", "X X X"};
    const std::string missing = dir.file("missing/out.vxt");
    const struct {
        Msgs layout;
        int count;
        std::string out;
        Msgs messages;
    } cases[] = {
        {invalid, 3, file, {"Invalid puzzle, cannot compile", " 0 Puzzles added to file: " + file}},
        {invalid, 0, file, {"Invalid puzzle, cannot compile"}},
        {kUnfit, 0, file, {"Unable to compile"}},
        {{"X"}, 1, file, {"Unable to compile", " 0 Puzzles added to file: " + file}},
        {{"."}, 2, file, {"Unable to compile", " 0 Puzzles added to file: " + file}},
        {kSquare,
         3,
         missing,
         {"Cannot write to file:\r\n" + missing, " 0 Puzzles added to file: " + missing}},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        makeGrid(st, c.layout);
        CreateDialogForm f;
        f.count = std::to_string(c.count);
        f.fileNow = c.out;
        EXPECT_EQ(RunBatch(st, ui, f).failed, c.layout != kUnfit || c.count > 0);
        EXPECT_EQ(ui.messages, c.messages);
    }
    EXPECT_EQ(CountPuzzles(file, ui), 0);
}

TEST_F(Batch, AddPuzzleSaveFormCancelAndAppend) {
    AppState st(3);
    makeGrid(st, kSquare);
    st.puzfile = file;
    st.texts.title = "Mine";
    // A random template left without a size by Auto cannot be fixed here: no stop.
    CreateDialogForm f = randomForm("10", "10", 5, "elsewhere.vxt");
    f.fixedSize = false;
    const struct {
        std::string answerTag, fileNow;
        bool added;
    } cases[] = {{"X", file, false}, {"Y", "", false}, {"Y", file, true}};
    for (const auto& c : cases) {
        const bool added = AddPuzzleCommand(st, ui, f, [&](CreateDialogForm& shown) {
            EXPECT_EQ(shown.caption + "|" + shown.acceptCaption + "|" + shown.fileNow + "|" +
                          shown.tag + "|" + shown.title + "|" + CreateDialogProblem(shown),
                      "Save Puzzle|Save|" + file + "||Mine|");
            EXPECT_FALSE(shown.templateVisible || shown.countVisible);
            shown.title = "Renamed";
            shown.tag = c.answerTag;
            shown.fileNow = c.fileNow;
        });
        EXPECT_EQ(added, c.added) << c.answerTag << " " << c.fileNow;
    }
    EXPECT_TRUE(CountPuzzles(file, ui) == 1 && st.puznum == 1);
    EXPECT_EQ(st.texts.title, "Renamed"); // the new record, loaded
    EXPECT_EQ(f.title, "New Puzzle");     // Auto's title stays
    EXPECT_EQ(ui.messages.back(), "Puzzle# 1 added to file " + file);
}

TEST(RandomLayout, CreatedPuzzlesAreSoundAndRepeatable) {
    for (const int size : {7, 8, 9, 10}) {
        for (std::uint64_t seed = 1; seed <= 12; ++seed) {
            AppState st(seed);
            ScriptedUserInterface ui;
            BuildGrid(st, ui, size, size);
            int layouts = 0;
            ASSERT_EQ(CreateRandomPuzzle(st, ui, &layouts), RandomPuzzleResult::Made);
            EXPECT_TRUE(st.maxtries == static_cast<int>(size * size / 2.0 + 0.25) &&
                        ui.pumpCount >= 1);
            const auto made = gridRows(st);
            // The allocation-free run finder agrees with FindRuns.
            Grid copy = st.grid;
            FindRuns(copy);
            FindCreationRuns(st.grid);
            for (int i = 1; i <= copy.ncells; ++i)
                ASSERT_TRUE(copy[i].cellsacross == st.grid[i].cellsacross &&
                            copy[i].cellsdown == st.grid[i].cellsdown &&
                            copy[i].lenacross == st.grid[i].lenacross &&
                            copy[i].lendown == st.grid[i].lendown)
                    << i;
            EXPECT_EQ(puzzleFault(st), "") << size << "x" << size << " seed " << seed;
            // Again, repairing on the cell records step by step: the same.
            AppState again(seed);
            again.creator.literalRepairs = true;
            BuildGrid(again, ui, size, size);
            int layoutsAgain = 0;
            CreateRandomPuzzle(again, ui, &layoutsAgain);
            EXPECT_TRUE(gridRows(again) == made && layoutsAgain == layouts);
            EXPECT_TRUE(ui.messages.empty());
        }
    }
}

TEST(RandomLayout, CreationStopsOnCancelAndGivesUpOnHopelessSizes) {
    AppState st(3);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 10, 10);
    int pumps = 0;
    ui.onPump = [&] {
        if (++pumps == 3)
            st.cancelsolve = true;
    };
    int layouts = 0;
    EXPECT_TRUE(CreateRandomPuzzle(st, ui, &layouts) == RandomPuzzleResult::Cancelled &&
                layouts <= 3);
    ui.onPump = nullptr; // grids too small for a run give up
    st.cancelsolve = false;
    for (const int size : {1, 2, 3}) {
        BuildGrid(st, ui, size, size);
        EXPECT_TRUE(CreateRandomPuzzle(st, ui, &layouts) == RandomPuzzleResult::GaveUp &&
                    layouts == kMaxRandomLayouts)
            << size;
        EXPECT_EQ(ui.messages.back(), "Unable to create a random puzzle of " +
                                          std::to_string(size) + "x" + std::to_string(size) +
                                          " after 20000 layouts");
    }
}

TEST(RandomLayout, CreateNewRandomMakesATenByTenPuzzle) {
    AppState st(4);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 5, 7);
    st.cancelsolve = true; // a press of Cancel Auto Solve while idle
    st.manualmode = true;
    CreateNewRandomCommand(st, ui);
    EXPECT_TRUE(st.grid.rows == 10 && st.grid.cols == 10 && st.texts.gridSize == "10x10");
    EXPECT_FALSE(st.manualmode || st.autosolving || st.cancelsolve || !ui.messages.empty());
    EXPECT_EQ(puzzleFault(st), "");
}

TEST_F(Compile, BlockedLayoutPaintsTheLaterArea) {
    makeGrid(st, {"X 0,-1 0,-1 X X", "-1,0 . . X X", "-1,0 . . 0,-1 0,-1", "X X -1,0 . .",
                  "X X -1,0 . ."});
    CompileCommand(st, ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cells are blocked"});
    std::vector<int> red;
    for (int i = 1; i <= st.grid.ncells; ++i)
        if (st.grid[i].BackColor == st.redcol)
            red.push_back(i);
    EXPECT_EQ(red, (std::vector<int>{19, 20, 24, 25}));
    EXPECT_TRUE(st.grid[7].Choices.empty());
}

TEST_F(Compile, AllBlackGridsCompileWithAnAttemptLimitOfHalfTheCells) {
    for (const auto& [rows, cols, tries] :
         {std::tuple{7, 7, 24}, {9, 9, 40}, {10, 10, 50}, {5, 5, 12}, {7, 9, 32}}) {
        ui.messages.clear();
        std::string row = "X";
        for (int k = 1; k < cols; ++k)
            row += " X";
        makeGrid(st, std::vector<std::string>(static_cast<std::size_t>(rows), row));
        EXPECT_EQ(CompileGrid(st, ui, false, true), CompileResult::Compiled);
        EXPECT_EQ(st.maxtries, tries) << rows << "x" << cols;
        CompileCommand(st, ui); // no white cell is not blocked
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Done"});
    }
}

TEST_F(Compile, PruneCluesDropsPositiveCluesOnlyAndClearsRuns) {
    makeGrid(st, {"X 0,5 X", "8,-1 X .", "-1,0 X X"});
    st.grid[2].cellsacross = {9};
    st.grid[2].lenacross = 1;
    PruneClues(st.grid);
    // Black below / to the right: dropped; marks are left for the layout check.
    EXPECT_EQ(gridRows(st), (std::vector<std::string>{"X 0,0 X", "0,-1 X -", "-1,0 X X"}));
    EXPECT_TRUE(st.grid[2].cellsacross.empty() && st.grid[2].lenacross == 0);
    makeGrid(st, {"X 0,4 0,3", "5,0 . .", "X . X"}); // run lengths up to the next sum cell
    PruneClues(st.grid);
    EXPECT_EQ(std::tuple(st.grid[4].lenacross, st.grid[2].lendown, st.grid[3].lendown),
              std::tuple(2, 2, 1));
}

TEST_F(Compile, RunListSortsAsTextAndSingleRunCellsTakeTheSmallestDigit) {
    // Runs headed by cells 7 (across 8, 9), 11 (down 22, 33), 105 (across 106, 107).
    std::vector<std::string> rows(10, "X X X X X X X X X X X");
    rows[0] = "X X X X X X -1,0 . . X 0,-1";
    rows[1] = rows[2] = "X X X X X X X X X X .";
    rows[9] = "X X X X X -1,0 . . X X X";
    makeGrid(st, rows);
    ASSERT_EQ(CompileGrid(st, ui, false, false), CompileResult::Compiled);
    std::vector<std::string> texts;
    for (const auto& e : st.creator.runList)
        texts.push_back(e.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"07,A, 8, 9,", "105,A, 106, 107,", "11,D, 22, 33,"}));
    // Cells of one, two and three digits in one run each: 1 then 2.
    for (const int cell : {8, 22, 106})
        EXPECT_EQ(st.grid[cell].Choices + st.grid[cell + (cell == 22 ? 11 : 1)].Choices, "12");
    EXPECT_EQ(std::pair(st.grid[7].across, st.grid[11].down), std::pair(3, 3));
}

TEST_F(Compile, LargestFirstFillsInListOrderAndRepeats) {
    makeGrid(st, kSquare);
    ASSERT_EQ(CompileGrid(st, ui, false, false), CompileResult::Compiled);
    const auto first = gridRows(st);
    // "02,D, 6, 10, 14," takes 9, 8, 7; the double cross 9 8 over 8 9 loses its 9s.
    EXPECT_EQ(first, (std::vector<std::string>{"X 0,16 0,16 0,22", "16,0 1 8 7", "16,0 8 2 6",
                                               "22,0 7 6 9"}));
    makeGrid(st, kSquare);
    ASSERT_EQ(CompileGrid(st, ui, false, false), CompileResult::Compiled);
    EXPECT_EQ(gridRows(st), first);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Compile, DoubleCrossIsRepaired) {
    const struct {
        const char *upper, *lower, *upperAfter, *lowerAfter;
    } cases[] = {
        {"3 4", "4 3", "1 4", "4 2"}, // a gets the smallest free digit
        {"1 2", "2 1", "3 2", "2 1"}, // a had it: the second smallest
        {"3 4", "5 3", "3 4", "5 3"}, // no cross
    };
    for (const auto& c : cases) {
        makeGrid(st, {"X 0,0 0,0", std::string("0,0 ") + c.upper, std::string("0,0 ") + c.lower});
        FindDoubleCross(st);
        EXPECT_EQ(gridRows(st)[1], std::string("0,0 ") + c.upperAfter) << c.upper;
        EXPECT_EQ(gridRows(st)[2], std::string("0,0 ") + c.lowerAfter) << c.lower;
    }
}

TEST_F(Compile, FailedFillingWritesNoClueAndUnableClearsEveryClue) {
    makeGrid(st, kUnfit);
    PruneClues(st.grid);
    FindRuns(st.grid);
    BuildRunList(st);
    EXPECT_FALSE(FillDigits(st, false));
    EXPECT_EQ(std::pair(st.grid[23].across, st.grid[13].down), std::pair(-1, -1));
    makeGrid(st, kUnfit);
    EXPECT_TRUE(CompileGrid(st, ui, true, true) == CompileResult::Unable &&
                ui.messages.back() == "Unable to compile");
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_TRUE(!st.grid[i].across && !st.grid[i].down && st.grid[i].Choices.empty()) << i;
    // Compiling again finds no runs: the layout is now invalid.
    ui.messages.clear();
    EXPECT_EQ(CompileGrid(st, ui, false, true), CompileResult::Invalid);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Invalid puzzle, cannot compile"});
}
