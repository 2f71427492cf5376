// Batch creation: the dialog's rules and the Auto command.
#include "create/batch_create.h"
#include "files/puzzle_file.h"
#include "puzzle_checks.h"
#include "state/grid_commands.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::makeGrid;
using vextor::test::puzzleFault;
using vextor::test::ScriptedUserInterface;
using vextor::test::TempDir;

namespace {

const std::vector<std::string> kSquare = {"X    0,-1 0,-1 0,-1", //
                                          "-1,0 .    .    .",    //
                                          "-1,0 .    .    .",    //
                                          "-1,0 .    .    ."};

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

} // namespace

TEST(CreateDialog, EnablingRules) {
    CreateDialogForm f;
    EXPECT_FALSE(f.sizeBoxesEnabled || f.sizeChecksEnabled || f.randomTemplate);
    SelectRandomTemplate(f);
    EXPECT_TRUE(f.sizeChecksEnabled);
    EXPECT_FALSE(f.sizeBoxesEnabled || f.fixedSize || f.randomSize);
    f.fixedSize = true; // the click ticked Fixed
    FixedSizeReleased(f);
    EXPECT_TRUE(f.sizeBoxesEnabled);
    f.randomSize = true; // the click ticked Random between 7x7 and 10x10
    RandomSizeReleased(f);
    EXPECT_FALSE(f.fixedSize || f.sizeBoxesEnabled);
    f.randomSize = false; // cleared: nothing else changes
    RandomSizeReleased(f);
    EXPECT_FALSE(f.fixedSize || f.randomSize || f.sizeBoxesEnabled);
    f.fixedSize = false; // Fixed cleared by its click: Random ticked
    FixedSizeReleased(f);
    EXPECT_TRUE(f.randomSize);
    EXPECT_FALSE(f.sizeBoxesEnabled);
    SelectCurrentTemplate(f);
    EXPECT_FALSE(f.sizeChecksEnabled || f.sizeBoxesEnabled || f.randomSize || f.fixedSize);
}

TEST(CreateDialog, Validation) {
    const std::string limited = "Maximum rows or columns are limted to 10 for this option";
    const struct {
        bool random, fixed, randomSize;
        const char* rows;
        const char* cols;
        std::string problem;
    } cases[] = {
        {false, false, false, "11", "0", ""}, // ignored for the current layout
        {true, true, false, "11", "10", limited},
        {true, true, false, "10", "0", limited},
        {true, false, true, "10.5", "7", limited},
        {true, false, false, "10", "10", "Select Grid Size"},
        {true, true, false, "3", "10", "Random layouts need at least 4 rows and 4 columns"},
        {true, false, true, "3", "10", ""}, // the size boxes are not used
        {true, true, false, "4", "10", ""},
    };
    for (const auto& c : cases) {
        CreateDialogForm f;
        f.randomTemplate = c.random;
        f.fixedSize = c.fixed;
        f.randomSize = c.randomSize;
        f.rows = c.rows;
        f.cols = c.cols;
        EXPECT_EQ(CreateDialogProblem(f), c.problem) << c.rows << "x" << c.cols;
    }
}

TEST(AutoCreate, AppendsAfterTheRecordsThereAndRestoresTheWindow) {
    TempDir dir;
    const std::string file = dir.file("out.vxt");
    AppState st(5);
    ScriptedUserInterface ui;
    makeGrid(st, kSquare);
    for (int n = 1; n <= 12; ++n)
        ASSERT_TRUE(AppendPuzzle(st, "Old", n, false, file));
    st.puzfile = dir.file("current.vxt");
    CreateDialogForm form;
    form.count = "5";
    form.title = "Sq";
    bool shown = false;
    AutoCreateCommand(st, ui, form, [&](CreateDialogForm& f) {
        shown = true;
        EXPECT_EQ(f.caption, "Creat Puzzles");
        EXPECT_EQ(f.fileNow, st.puzfile);
        EXPECT_EQ(f.tag, "X");
        f.fileNow = file;
        f.tag = "Y";
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(CountPuzzles(file, ui), 17);
    for (int n = 13; n <= 17; ++n) {
        const auto rec = readRecord(file, n);
        ASSERT_TRUE(rec);
        EXPECT_EQ(rec->number, n);
        EXPECT_EQ(rec->title, "Sq");
    }
    EXPECT_EQ(ui.messages, std::vector<std::string>{" 5 Puzzles added to file: " + file});
    EXPECT_EQ(st.texts.caption, st.puzfile);
    EXPECT_FALSE(st.texts.overlayVisible);
    EXPECT_FALSE(st.autosolving);
    EXPECT_EQ(puzzleFault(st), "");

    // Cancel in the dialog changes nothing.
    ui.messages.clear();
    AutoCreateCommand(st, ui, form, [](CreateDialogForm& f) { f.tag = "X"; });
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(CountPuzzles(file, ui), 17);
    st.autosolving = true;
    AutoCreateCommand(st, ui, form, [](CreateDialogForm&) { FAIL() << "dialog shown"; });
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancel AutoSolve first"});
}

TEST(AutoCreate, ProgressOverlayAndCancel) {
    TempDir dir;
    const std::string file = dir.file("out.vxt");
    AppState st(6);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 9, 9);
    std::vector<std::string> captions;
    int made = 0;
    ui.onPump = [&] {
        captions.push_back(st.texts.caption);
        EXPECT_TRUE(st.autosolving);
        EXPECT_TRUE(st.texts.overlayVisible);
        EXPECT_EQ(st.texts.overlay, "\r\n\r\nRandom Puzzle output file: " + file);
    };
    const BatchSummary sum =
        RunBatch(st, ui, randomForm("8", "9", 4, file), [&](const CreatedPuzzle& p) {
            if (++made == 2)
                st.cancelsolve = true; // Cancel Auto Solve pressed during the second
            EXPECT_EQ(p.rows, 8);
        });
    EXPECT_TRUE(sum.cancelled);
    EXPECT_EQ(sum.made, 2);
    EXPECT_NE(std::find(captions.begin(), captions.end(), "Generating Puzzle 2 of 4"),
              captions.end());
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"Cancelled", " 2 Puzzles added to file: " + file}));
    EXPECT_EQ(CountPuzzles(file, ui), 2);
    EXPECT_FALSE(st.cancelsolve);
    EXPECT_EQ(st.grid.rows, 8);
    EXPECT_EQ(readRecord(file, 1)->title.size(),
              std::string("New Puzzle mm-dd-yyyy hh:mm:ss").size());
}

TEST(AutoCreate, NothingSavedForZeroAndTheCurrentLoopEnds) {
    TempDir dir;
    const std::string file = dir.file("out.vxt");
    AppState st(7);
    ScriptedUserInterface ui;
    // 0 puzzles: one made, nothing written.
    RunBatch(st, ui, randomForm("5", "5", 0, file));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Puzzle created"});
    EXPECT_EQ(CountPuzzles(file, ui), 0);

    // A current layout that never compiles: reported once, then the loop
    // ends (every later attempt fails the same way).
    const struct {
        int count;
        std::vector<std::string> messages;
    } cases[] = {
        {3, {"Invalid puzzle, cannot compile", " 0 Puzzles added to file: " + file}},
        {0, {"Invalid puzzle, cannot compile"}},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        makeGrid(st, {"X 0,-1 X", "-1,0 . X", "X X X"});
        CreateDialogForm f;
        f.count = std::to_string(c.count);
        f.fileNow = file;
        const BatchSummary sum = RunBatch(st, ui, f);
        EXPECT_TRUE(sum.failed);
        EXPECT_EQ(ui.messages, c.messages);
    }
    // A layout whose digits never fit: "Unable to compile", not "Puzzle created".
    ui.messages.clear();
    makeGrid(st, {"-1,0 . . . . . . . . . .", "X 0,-1 0,-1 X X X X X X X X",
                  "-1,0 . . X X X X X X X X", "-1,0 . . X X X X X X X X"});
    CreateDialogForm f;
    f.fileNow = file;
    RunBatch(st, ui, f);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Unable to compile"});
    EXPECT_EQ(CountPuzzles(file, ui), 0);
}

TEST(AutoCreate, UnwritableOutputStopsWithAMessage) {
    TempDir dir;
    AppState st(8);
    ScriptedUserInterface ui;
    makeGrid(st, kSquare);
    CreateDialogForm f;
    f.count = "3";
    f.fileNow = dir.file("missing/out.vxt");
    const BatchSummary sum = RunBatch(st, ui, f);
    EXPECT_TRUE(sum.failed);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Cannot write to file:\r\n" + f.fileNow,
                                                     " 0 Puzzles added to file: " + f.fileNow}));
}

TEST(AddPuzzle, SaveFormCancelAndAppend) {
    TempDir dir;
    AppState st(3);
    ScriptedUserInterface ui;
    makeGrid(st, kSquare);
    st.puzfile = dir.file("out.vxt");
    st.texts.title = "Mine";
    // A random template left without a size by an earlier Auto use cannot be
    // corrected in the save form, so it does not stop the save.
    CreateDialogForm f = randomForm("10", "10", 5, "elsewhere.vxt");
    f.fixedSize = false;
    struct Case {
        std::string answerTag;
        std::string fileNow;
        bool added;
    } cases[] = {{"X", st.puzfile, false}, {"Y", "", false}, {"Y", st.puzfile, true}};
    for (const Case& c : cases) {
        const bool added = AddPuzzleCommand(st, ui, f, [&](CreateDialogForm& shown) {
            EXPECT_EQ(shown.caption, "Save Puzzle");
            EXPECT_EQ(shown.acceptCaption, "Save");
            EXPECT_FALSE(shown.templateVisible || shown.countVisible);
            EXPECT_EQ(shown.fileNow, st.puzfile);
            EXPECT_EQ(shown.tag, "");
            EXPECT_EQ(shown.title, "Mine");
            EXPECT_EQ(CreateDialogProblem(shown), "");
            shown.title = "Renamed";
            shown.tag = c.answerTag;
            shown.fileNow = c.fileNow;
        });
        EXPECT_EQ(added, c.added) << c.answerTag << " " << c.fileNow;
    }
    EXPECT_EQ(CountPuzzles(st.puzfile, ui), 1);
    EXPECT_EQ(st.puznum, 1);
    EXPECT_EQ(st.texts.title, "Renamed"); // the new record, loaded
    EXPECT_EQ(f.title, "New Puzzle");     // Auto's title stays
    EXPECT_EQ(ui.messages.back(), "Puzzle# 1 added to file " + st.puzfile);

    st.autosolving = true;
    EXPECT_FALSE(AddPuzzleCommand(st, ui, f, [](CreateDialogForm&) { FAIL(); }));
    EXPECT_EQ(ui.messages.back(), "Cancel AutoSolve first");
}
