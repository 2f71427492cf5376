// Solving by hand: entries, checks, undo and redo, keys, pencil marks, hints; games kept
// between sessions, and the clock.
#include "create/random_layout.h"
#include "edit/grid_events.h"
#include "edit/layout_edit.h"
#include "files/file_commands.h"
#include "files/puzzle_file.h"
#include "manual/game_clock.h"
#include "manual/hint.h"
#include "manual/manual_solve.h"
#include "manual/play_aids.h"
#include "manual/saved_game.h"
#include "model/grid_checks.h"
#include "state/grid_commands.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

using namespace vextor;
using namespace vextor::test;
using Cells = std::vector<int>;
using Texts = std::vector<std::string>;

namespace {

// A 3 x 3 puzzle, X 0,3 0,7 / 4,0 . . / 6,0 . ., solved by 1 3 / 2 4.
struct SmallPuzzle : ::testing::Test {
    TempDir dir;
    AppState st{1};
    ScriptedUserInterface ui;

    void SetUp() override { // also afresh for each case of a table
        st = AppState(1);
        st.apppath = dir.folder();
        st.setWorkingFiles();
        makeGrid(st, {"X 0,3 0,7", "4,0 . .", "6,0 . ."});
        ui.defaultYesNo = true; // Discard your entries? when starting again
    }
    void start() { StartManualSolve(st, ui); }
    void menu(int cell, int item) {
        st.mnucnxTag = std::to_string(cell);
        DigitMenuClick(st, ui, item);
    }
    void put(int cell, int digit) { menu(cell, digit - 1); }
    Cells ticked(Colour c) const {
        Cells out;
        for (int i = 1; i <= st.grid.ncells; ++i)
            if (c ? st.grid[i].tick == c : st.grid[i].tick != 0)
                out.push_back(i);
        return out;
    }
    // The clue colours of across 4, across 6, down 3 and down 7: G, R or B.
    std::string clueColours() const {
        std::string out;
        for (Colour c :
             {st.grid[4].acrosscol, st.grid[7].acrosscol, st.grid[2].downcol, st.grid[3].downcol})
            out += c == st.greencol ? 'G' : c == st.redcol ? 'R' : c == st.blackcol ? 'B' : '?';
        return out;
    }
    // What the open cells 5, 6, 8 and 9 show.
    std::string shown() const {
        std::string out;
        for (int i : {5, 6, 8, 9})
            out += "[" + describeCell(st, i).line1 + "]";
        return out;
    }
    void key(KeyCode code) { GridKeyUp(st, ui, KeyEvent::of(code)); }
    void digitKey(int d) { GridKeyUp(st, ui, KeyEvent::mainDigit(d)); }
    // Takes each step in turn and compares what `seen` gives after it.
    using Steps = std::vector<std::pair<std::function<void()>, std::string>>;
    void walk(const Steps& steps, const std::function<std::string()>& seen) {
        for (std::size_t k = 0; k < steps.size(); ++k) {
            steps[k].first();
            EXPECT_EQ(seen(), steps[k].second) << "step " << k;
        }
    }
};

// Solving by hand already.
struct HintPuzzle : SmallPuzzle {
    void SetUp() override {
        SmallPuzzle::SetUp();
        start();
    }
    std::string hint() {
        HintCommand(st, ui);
        return HintText(st);
    }
};

// Solving by hand never follows run lists of cells that are gone. Records: 5 x 5;
// 3 x 3 solved by 2 1 / 1 3; 3 x 3 with one row line missing.
struct StaleRuns : SmallPuzzle {
    const std::string path = dir.file("p.vxt");
    void SetUp() override {
        SmallPuzzle::SetUp();
        writeFile(path, "#1\r\nFive\r\n 5, 5\r\nX 0,3 0,4 X X\r\n3,0 2 X X\r\n"
                        "4,0 2 X X\r\nX X X X X\r\nX X X X X\r\n"
                        "#2\r\nTiny\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n"
                        "#3\r\nCut\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n");
        st.puzfile = path;
    }
    std::function<void()> loadFirstOnPump = [this] {
        ui.onPump = nullptr;
        ReadPuzzle(st, ui, path, 1);
    };
};

// Record 1: X 0,3 0,7 / 4,0 . . / 6,0 . ., solved by 1 3 / 2 4.
const std::string kRecord1 = "#1\r\nSmall\r\n 3, 3\r\nX 0,3 0,7\r\n4,0 2\r\n6,0 2\r\n";
const std::string kRecord2 = "#2\r\nOther\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n";

struct SavedGames : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    std::string puz = dir.file("p.vxt");

    void SetUp() override { writeFile(puz, kRecord1 + kRecord2); }
    // The state of a new start of the program with record n loaded.
    void load(AppState& st, int n = 1) {
        st.apppath = dir.folder();
        st.setWorkingFiles();
        st.savefolder = dir.file("saved");
        st.puzfile = puz;
        ASSERT_TRUE(ReadPuzzle(st, ui, puz, n));
    }
    void put(AppState& st, int cell, int digit, bool shift = false) {
        st.mnucnxTag = std::to_string(cell);
        DigitMenuClick(st, ui, digit - 1, shift);
    }
    // Entries, marks, an undo and a redo to come, 42 seconds: saved.
    void play(AppState& st) {
        load(st);
        StartManualSolve(st, ui);
        st.aids.editPencilMarks = true;
        put(st, 9, 2, true);
        put(st, 5, 1);
        put(st, 8, 2);
        UndoLastEntry(st, ui);
        st.curcell = 8;
        st.game.seconds = 42;
        AutoSaveGame(st);
    }
};

// The text with its check sum made right again (64-bit FNV-1a, as written).
std::string resummed(std::string text) {
    text.erase(text.rfind("end "));
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const unsigned char c : text)
        h = (h ^ c) * 0x100000001b3ull;
    char sum[17];
    std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(h));
    return text + "end " + sum + "\n";
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

TEST_F(SmallPuzzle, StartClearsEntriesAndPreparesSortedCandidates) {
    st.grid[5].Choices = "7";
    st.grid[5].Enabled = st.grid[1].Enabled = false;
    st.grid[9].tick = st.redcol;
    st.pendingaction = "Black";
    st.undolist.push_front("5,12");
    st.curcell = 1;
    st.grid[1].tick = st.greencol;
    start();
    // Cell 5: down (3) is reached before across (4) and a tie keeps it.
    EXPECT_EQ(gridRows(st), (Texts{"X 0,3 0,7", "4,0 12 13", "6,0 12 1245"}));
    EXPECT_TRUE(st.grid[9].Choices0 == "1245" && st.grid[5].Enabled && !st.grid[1].Enabled);
    EXPECT_TRUE(st.manualmode && st.undolist.empty() && st.pendingaction.empty());
    EXPECT_EQ(st.curcell, 5);
    EXPECT_TRUE(ticked(0) == Cells{5} && ticked(st.greencol) == Cells{5}); // the cursor only
    EXPECT_TRUE(clueColours() == "RRRR" && st.grid[1].acrosscol == st.blackcol);
    EXPECT_EQ(readFile(st.undofile), ",,,,12,13,,12,1245,\r\n");
    EXPECT_TRUE(ui.messages.empty());
    makeGrid(st, {"7 X", "X X"}); // a white first cell in no run loses its entry
    start();
    EXPECT_EQ(st.grid[1].Choices, "");
    // A clue not given empties its run; a black cell loses its clues.
    makeGrid(st, {"X 0,3 0,7", "-1,0 . .", "6,0 . ."});
    std::tie(st.grid[1].across, st.grid[1].down) = std::pair(5, -1);
    start();
    EXPECT_EQ(gridRows(st)[1] + "|" + st.grid[9].Choices, "-1,0 - -|1245");
    EXPECT_TRUE(st.grid[1].across == 0 && st.grid[1].down == 0 &&
                st.grid[4].acrosscol == st.redcol);
}

TEST_F(SmallPuzzle, EntriesAndVerifyTickConflictsAndColourClues) {
    const struct {
        std::vector<std::pair<int, int>> entries; // cell, digit
        bool verify;
        Cells red;
        const char* colours;
        Texts messages;
    } cases[] = {
        {{{5, 1}}, false, {}, "RRRR", {}},
        // A duplicate, which also leaves 6 for cell 9, not among its candidates.
        {{{5, 1}, {6, 1}}, false, {5, 6, 9}, "RRRR", {}},
        // 9 leaves -5 for cell 6 and -6 for cell 8: only the open cells.
        {{{5, 9}}, false, {6, 8}, "RRRR", {}},
        // 2 leaves 2 for cell 6, which cell 5 already holds: the whole run.
        {{{5, 9}, {5, 2}}, false, {5, 6}, "RRRR", {}},
        // 1 in cell 6 leaves 3 for cell 5 ("12") and 6 for cell 9 ("1245").
        {{{6, 1}}, false, {5, 9}, "RRRR", {}},
        // A full grid: across 4 and down 7 add up wrong, each run ticked whole.
        {{{5, 1}, {6, 2}, {8, 2}, {9, 4}}, false, {5, 6, 9}, "RRRR", {}},
        // Entries praise a solved grid but do not recolour; Verify does.
        {{{5, 1}, {6, 3}, {8, 2}, {9, 4}}, false, {}, "RRRR", {"Well done..."}},
        {{{5, 1}, {6, 3}, {8, 2}, {9, 4}}, true, {}, "GGGG", {"Well done...", "Well done..."}},
        // Down 3 complete with a duplicate and a wrong total; across 6 open.
        {{{5, 1}, {6, 3}, {8, 1}}, true, {5, 8}, "GRRR", {}},
        {{{5, 1}, {6, 3}, {8, 2}}, true, {}, "GRGR", {}},
        // Every run adds up, one with a duplicate: ticked whole and not praised.
        {{{5, 2}, {6, 2}, {8, 1}, {9, 5}}, true, {5, 6}, "GGGG", {}},
    };
    for (const auto& c : cases) {
        SetUp();
        ui.messages.clear();
        start();
        for (auto [cell, digit] : c.entries) {
            for (int i = 1; i <= st.grid.ncells; ++i)
                st.grid[i].tick = st.yellowcol; // stale marks all go
            put(cell, digit);
        }
        if (c.verify) {
            st.grid[st.grid.ncells].tick = st.grid[1].tick = st.yellowcol;
            VerifyManualSolve(st, ui);
        }
        const std::string name = std::to_string(c.entries.size()) + (c.verify ? "v" : "");
        EXPECT_EQ(ticked(0), c.red) << name;
        EXPECT_EQ(ticked(st.redcol), c.red) << name;
        EXPECT_EQ(clueColours(), c.colours) << name;
        EXPECT_EQ(ui.messages, c.messages) << name;
    }
}

TEST_F(SmallPuzzle, UndoTakesBackEntriesThenRestarts) {
    start();
    for (auto [cell, digit] : {std::pair{5, 1}, {6, 3}, {8, 2}, {9, 4}})
        put(cell, digit);
    VerifyManualSolve(st, ui);
    UndoLastEntry(st, ui); // back to the value before the entry; no check, no recolouring
    EXPECT_EQ(st.grid[9].Choices + clueColours(), "1245GGGG");
    while (!st.undolist.empty())
        UndoLastEntry(st, ui);
    st.grid[6].Choices = "3";
    st.grid[9].tick = st.redcol;
    st.curcell = 9;
    UndoLastEntry(st, ui); // empty list: restart
    EXPECT_EQ(st.grid[6].Choices + clueColours(), "13RRRR");
    EXPECT_TRUE(st.curcell == 5 && ticked(0) == Cells{5});
}

TEST_F(SmallPuzzle, CursorKeys) {
    makeGrid(st, {"X 0,3 0,7 0,3", "4,0 . . X", "6,0 . . X", "X 0,3 0,7 X"});
    start();
    ASSERT_EQ(st.curcell, 6);
    // Left/Right wrap; Up at the top and Down over only sum cells stay; End is no manual key.
    const std::pair<KeyCode, int> steps[] = {
        {KeyCode::Left, 11}, {KeyCode::Left, 10}, {KeyCode::Right, 11},
        {KeyCode::Right, 6}, {KeyCode::Up, 6},    {KeyCode::Down, 10},
        {KeyCode::Down, 10}, {KeyCode::Home, 1},  {KeyCode::End, 1}};
    for (auto [code, cell] : steps) {
        key(code);
        EXPECT_EQ(st.curcell, cell) << static_cast<int>(code);
        EXPECT_EQ(ticked(0), Cells{cell});
    }
}

TEST_F(SmallPuzzle, DigitKeysEnterAndDeleteResets) {
    start();
    digitKey(0);
    digitKey(10);
    menu(5, -1); // Cancel
    menu(5, 9);  // no item
    EXPECT_TRUE(st.grid[5].Choices == "12" && st.undolist.empty());
    digitKey(1);
    EXPECT_TRUE(st.grid[5].Choices == "1" && st.grid[5].tick == st.greencol); // cursor re-marked
    key(KeyCode::Right);
    digitKey(1); // duplicate: run ticked, cursor re-marked
    EXPECT_TRUE(st.grid[5].tick == st.redcol && st.grid[6].tick == st.greencol);
    digitKey(9);
    EXPECT_EQ(st.grid[6].Choices, "9");
    key(KeyCode::Delete);
    EXPECT_TRUE(st.grid[6].Choices == "13" && st.undolist.size() == 3u);
    // The Help button's menu takes the cursor mark away; it comes back.
    st.grid[6].tick = 0;
    EXPECT_TRUE(RemarkCursor(st) && st.grid[6].tick == st.greencol);
    st.manualmode = false;
    EXPECT_FALSE(RemarkCursor(st));
}

TEST_F(SmallPuzzle, CommandsThatReplaceEntriesAskFirstWithNoTheDefault) {
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Load", [&] { LoadPuzzleFileCommand(st, ui); }},
        {"Next", [&] { NavigateCommand(st, ui, Navigate::Next); }},
        {"Number", [&] { PuzNumEnterCommand(st, ui); }},
        {"New", [&] { NewGridCommand(st, ui); }},
        {"Manual", [&] { start(); }},
        {"Random", [&] { CreateNewRandomCommand(st, ui); }},
        {"Clear", [&] { ClearGridCommand(st, ui); }},
    };
    for (const auto& [name, command] : commands) {
        for (bool yes : {false, true}) {
            SetUp();
            start();
            put(5, 1);
            std::tie(st.puznum, st.npuzzles, st.texts.puzNumNow) = std::tuple(2, 5, "3");
            const std::string before = snapshotLine(st.grid);
            ui.log.clear();
            ui.yesNoAnswers = {yes};
            ui.defaultYesNo = false;
            command();
            ASSERT_FALSE(ui.log.empty()) << name;
            EXPECT_EQ(ui.log[0], "yesno, default No: Discard your entries?") << name;
            // No: nothing else happens. Yes: the command goes on (its picker, input
            // box, next question or read error; Manual starts afresh).
            const bool wentOn =
                ui.log.size() > 1 || st.grid[5].Choices == "12" || st.grid.ncells != 9;
            EXPECT_EQ(wentOn, yes) << name;
            const bool kept = snapshotLine(st.grid) == before && st.manualmode && st.puznum == 2;
            EXPECT_TRUE(yes || kept) << name;
            // After No the number box shows the record on screen again.
            EXPECT_TRUE(yes || name != std::string("Number") || st.texts.puzNumNow == "2");
        }
    }
    EXPECT_EQ(ui.log[1], "yesno, default No: Clear grid?"); // after the last Clear: Yes
    UndoLastEntry(st, ui);
    put(9, 4); // an entry in the last cell counts too
    EXPECT_TRUE(HasManualEntries(st));
    UndoLastEntry(st, ui); // nothing entered any more: no question
    ui.log.clear();
    NavigateCommand(st, ui, Navigate::Next);
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0].substr(0, 22), "message: Error reading");
}

TEST_F(SmallPuzzle, PencilMarksKeysAndUndo) {
    start();
    st.aids.editPencilMarks = true;
    auto shift = [&](int d) { GridKeyUp(st, ui, KeyEvent{KeyCode::Digit, d, false, true}); };
    auto undo = [&] { UndoLastEntry(st, ui); };
    // The shown candidates after each step.
    const Steps steps = {
        {[&] { st.curcell = 9; }, "[12][13][12][1245]"},
        {[&] { shift(2); }, "[12][13][12][145]"},
        {[&] { shift(2); }, "[12][13][12][1245]"},
        {[&] { shift(2); }, "[12][13][12][145]"},
        {[&] { st.curcell = 5, digitKey(1); }, "[1][3][2][145]"}, // 1 leaves both runs' marks
        {undo, "[12][13][12][145]"},
        {undo, "[12][13][12][1245]"},
        {[&] { digitKey(1); }, "[1][3][2][1245]"},
        {[&] { key(KeyCode::Backspace); }, "[12][3][2][1245]"},
        {[&] { GridKeyUp(st, ui, KeyEvent::keypadDigit(2)); }, "[2][3][][1245]"},
        {[&] { shift(2), undo(); }, "[12][3][2][1245]"}, // no marks on a digit: undo takes the 2
        {[&] { st.curcell = 9, shift(1); }, "[12][3][2][245]"},
        {[&] { shift(3); }, "[12][3][2][245]"}, // no candidate of the cell
        {[&] { st.aids.editPencilMarks = false, shift(4); }, "[12][13][12][1245]"}, // Choices kept
    };
    walk(steps, [&] { return shown(); });
    st.aids.editPencilMarks = true;
    EXPECT_FALSE(describeCell(st, 6).bold); // a lone pencil mark is no entry
}

TEST_F(SmallPuzzle, CheckAsYouGoColoursAfterEntriesAndUndo) {
    start();
    SetCheckAsYouGo(st, ui, true);
    // Incomplete runs keep the plain clue colour (B); complete ones are G or R.
    const struct {
        int cell, digit; // digit 0: Undo
        const char* colours;
        Cells errors;
    } steps[] = {
        {5, 1, "BBBB", {}},     {6, 1, "RBBB", {5, 6}}, {0, 0, "BBBB", {}}, {6, 3, "GBBB", {}},
        {8, 1, "GBRB", {5, 8}}, {0, 0, "GBBB", {}},     {0, 0, "BBBB", {}},
    };
    for (const auto& s : steps) {
        s.digit ? put(s.cell, s.digit) : UndoLastEntry(st, ui);
        Cells errors;
        for (int i = 1; i <= st.grid.ncells; ++i)
            if (describeCell(st, i).errorDigit)
                errors.push_back(i);
        EXPECT_EQ(clueColours(), s.colours);
        EXPECT_EQ(errors, s.errors);
    }
    StopManualSolve(st, ui); // leaves the mode and its marks, keeps the entries
    EXPECT_TRUE(!st.manualmode && clueColours() == "BBBB" && ticked(0).empty() &&
                st.grid[5].Choices == "1" && st.undolist.empty());
}

TEST_F(SmallPuzzle, VerifyTellsTheConflictsInTheStatusLineUntilTheNextEntry) {
    start();
    auto verify = [&] { VerifyManualSolve(st, ui); };
    const Steps steps = {
        {[&] { put(9, 5), verify(); }, "Verify: 1 cell in conflict"}, // 6 cannot make 2
        {[&] { put(5, 2), verify(); }, "Verify: 2 cells in conflict"},
        {[&] { put(5, 1); }, ""},
        {[&] { verify(), start(); }, ""},
        {[&] { put(5, 1), put(6, 1), verify(); }, "Verify: 3 cells in conflict"},
        {[&] { UndoLastEntry(st, ui), verify(); }, "Verify: no conflicts"},
        {[&] { RedoLastEntry(st, ui); }, ""},
        {[&] { st.texts.status = "Solved", put(6, 3); }, "Solved"}, // not ours: left alone
    };
    walk(steps, [&] { return st.texts.status; });
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SmallPuzzle, CursorCellIsOutlinedAndItsRunsTintedAfterEntriesToo) {
    auto outlined = [&] {
        std::string out;
        for (int i = 1; i <= st.grid.ncells; ++i) {
            const CellDisplay d = describeCell(st, i);
            out += d.cursor ? 'C' : d.runTinted ? 't' : '.';
        }
        return out;
    };
    st.curcell = 5;
    EXPECT_EQ(outlined(), "........."); // only in solving by hand
    start();
    EXPECT_NE(describeCell(st, 5).background, st.whitecol);
    const Steps steps = {
        {[] {}, "....Ct.t."},
        {[&] { digitKey(1), put(6, 1); }, "....Ct.t."}, // red ticks; the outline stays
        {[&] { key(KeyCode::Right); }, "....tC..t"},
        {[&] { key(KeyCode::Home); }, "C........"},
    };
    walk(steps, [&] { return outlined(); });
}

TEST_F(StaleRuns, AFailedLoadEndsManualSolvingAndLeavesNoStaleRuns) {
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 1));
    StartManualSolve(st, ui);
    put(7, 2);
    ui.messages.clear();
    EXPECT_TRUE(!ReadPuzzle(st, ui, path, 3) && st.grid.ncells == 9);
    for (int i = 1; i <= st.grid.ncells; ++i) // every run list names cells of the grid only
        for (const auto* run : {&st.grid[i].cellsacross, &st.grid[i].cellsdown})
            for (int j : *run)
                EXPECT_TRUE(st.grid.valid(j)) << "cell " << i << " names " << j;
    EXPECT_FALSE(st.manualmode);
    VerifyManualSolve(st, ui);
    UndoLastEntry(st, ui);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error reading puzzle# 3 from file " + path,
                                                     "Verify in Manual Solve mode only",
                                                     "Undo in Manual Solve mode only"}));
    // The empty grid drops the run lists as well.
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 1));
    StartManualSolve(st, ui);
    ASSERT_TRUE(ReadPuzzle(st, ui, path, -1));
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_TRUE(st.grid[i].cellsacross.empty() && st.grid[i].cellsdown.empty()) << i;
}

TEST_F(StaleRuns, ALoadWhileVerifyingStopsTheCheck) {
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 2));
    StartManualSolve(st, ui);
    for (const auto& [cell, digit] : {std::pair{5, 2}, {6, 1}, {8, 1}})
        put(cell, digit);
    // The last digit fills the grid; while its check lets events run, record 1 is loaded.
    ui.onPump = loadFirstOnPump;
    ui.messages.clear();
    put(9, 3);
    // No "Well done..." and no ticks.
    EXPECT_TRUE(st.grid.ncells == 25 && ui.messages.empty() && ticked(0).empty());
    // The same through Verify Manual Solve: nothing is coloured on the new cells.
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 2));
    StartManualSolve(st, ui);
    ui.onPump = loadFirstOnPump;
    VerifyManualSolve(st, ui);
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_TRUE(st.grid[i].acrosscol == st.blackcol && st.grid[i].downcol == st.blackcol) << i;
}

TEST_F(StaleRuns, RunListsBeyondTheGridAreNotFollowed) {
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 2));
    StartManualSolve(st, ui);
    // Run lists as a replaced, larger grid left them.
    st.grid[4].cellsacross = {5, 6, 4000};
    st.grid[2].cellsdown = {5, 8, 5000};
    put(5, 2);
    put(6, 1);
    VerifyManualSolve(st, ui);
    UndoLastEntry(st, ui);
    UndoLastEntry(st, ui);
    UndoLastEntry(st, ui); // the restart
    EXPECT_EQ(st.grid[5].Choices, st.grid[5].Choices0);
}

TEST_F(SmallPuzzle, RedoFillInCandidatesAndEmptyNotes) {
    SetStartWithEmptyNotes(st, true); // Edit Pencil Marks goes on with it
    start();
    EXPECT_TRUE(st.aids.editPencilMarks && !HasManualEntries(st));
    EXPECT_EQ(PlayerCandidates(st)[9], 0b11011); // no notes yet: the candidates 1245
    auto shift = [&](int cell, int d) {
        st.mnucnxTag = std::to_string(cell);
        DigitMenuClick(st, ui, d - 1, true);
    };
    auto undo = [&] { UndoLastEntry(st, ui); };
    auto redo = [&] { RedoLastEntry(st, ui); };
    auto fill = [&] { FillInCandidates(st, ui); };
    // What the open cells show, and how many entries can be redone.
    const Steps steps = {
        {[&] { shift(9, 4); }, "[][][][4]0"},
        {fill, "[12][13][12][4]0"}, // cell 9 keeps its own note
        {undo, "[][][][4]1"},
        {redo, "[12][13][12][4]0"},
        {[&] { put(5, 1); }, "[1][3][2][4]0"},
        {undo, "[12][13][12][4]1"},
        {undo, "[][][][4]2"},
        {redo, "[12][13][12][4]1"},
        {[&] { shift(6, 1); }, "[12][3][12][4]0"}, // a new entry: nothing to redo
        {redo, "[12][3][12][4]0"},
        {[&] { undo(), undo(), undo(); }, "[][][][]3"},
        {undo, "[][][][]0"},                              // the restart
        {[&] { put(5, 1), fill(); }, "[1][3][2][1245]0"}, // less the digits in its runs
        {[&] { undo(), undo(); }, "[][][][]2"},
        {[&] { SetStartWithEmptyNotes(st, false); }, "[12][13][12][1245]0"},
    };
    walk(steps, [&] { return shown() + std::to_string(st.aids.redo.size()); });
    st.autosolving = true;
    redo();
    st.autosolving = st.manualmode = false;
    redo();
    fill();
    EXPECT_EQ(ui.messages, (Texts{"Cancel AutoSolve first", "Redo in Manual Solve mode only",
                                  "Fill In Candidates in Manual Solve mode only"}));
}

TEST_F(HintPuzzle, ThreePressesMarkTellAndApplyOneUndoTakesItBack) {
    const auto before = gridRows(st);
    EXPECT_EQ(hint(), "Hint 1 of 3: Combinations (easy): look at the marked cells.");
    EXPECT_EQ(ticked(st.yellowcol), (Cells{5, 6}));
    EXPECT_EQ(gridRows(st), before);
    const std::string told = "4 across in 2 cells (row 2, columns 2\u20133): the only "
                             "combination is 1 + 3, so row 2, column 2 is 1.";
    EXPECT_EQ(hint(), "Hint 2 of 3: " + told);
    EXPECT_EQ(gridRows(st), before);
    st.texts.status = "Verify: no conflicts"; // goes with the entry the hint makes
    EXPECT_EQ(hint(), "Hint 3 of 3, applied: " + told);
    EXPECT_TRUE(st.grid[5].Choices == "1" && st.texts.status.empty());
    EXPECT_EQ(st.undolist.size(), 1u);
    // A change on the grid starts at the first press again.
    EXPECT_EQ(hint().rfind("Hint 1 of 3: ", 0), 0u);
    put(9, 4);
    EXPECT_EQ(hint().rfind("Hint 1 of 3: ", 0), 0u);
    UndoLastEntry(st, ui);
    UndoLastEntry(st, ui); // the applied hint, all at once
    EXPECT_EQ(gridRows(st), before);
    EXPECT_TRUE(st.undolist.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(HintPuzzle, WrongEntriesAndMarksAreNamedNeverTheirDigit) {
    const struct {
        std::function<void(HintPuzzle&)> setUp;
        std::string text;
        Cells red;
    } cases[] = {
        {[](HintPuzzle& p) { p.put(5, 2); },
         "Hint: Row 2, column 2 holds a wrong digit (marked in red).",
         {5}},
        {[](HintPuzzle& p) { p.st.grid[9].Choices = "125"; },
         "Hint: the candidates of row 3, column 3 no longer hold the digit it needs (marked in "
         "red).",
         {9}},
        {[](HintPuzzle& p) {
             p.st.aids.editPencilMarks = true;
             TogglePencilMark(p.st, 9, 4);
         },
         "Hint: the pencil marks of row 3, column 3 no longer hold the digit it needs (marked in "
         "red).",
         {9}},
        // A lone pencil mark is no entry: the hint places it.
        {[](HintPuzzle& p) {
             p.st.aids.editPencilMarks = true;
             for (const int d : {1, 2, 5})
                 TogglePencilMark(p.st, 9, d);
         },
         "Hint 1 of 3: One candidate left (easy): look at the marked cells.",
         {}},
        {[](HintPuzzle& p) { StopManualSolve(p.st, p.ui); },
         "Hints are given while solving by hand: choose Solve Manually first.",
         {}},
        {[](HintPuzzle& p) {
             makeGrid(p.st, {"X 0,4 0,4", "4,0 . .", "4,0 . ."});
             StartManualSolve(p.st, p.ui);
         },
         "This puzzle has more than one solution: no reasoning can choose between them, so there "
         "is no hint.",
         {}},
        {[](HintPuzzle& p) {
             makeGrid(p.st, {"X 0,3 0,3", "3,0 . .", "4,0 . ."});
             StartManualSolve(p.st, p.ui);
         },
         "This puzzle has no solution, so there is no hint.",
         {}},
    };
    for (const auto& c : cases) {
        SetUp();
        c.setUp(*this);
        EXPECT_EQ(hint(), c.text);
        EXPECT_EQ(ticked(st.redcol), c.red) << c.text;
    }
}

TEST_F(SavedGames, ANewStartResumesExactlyWhereThePlayerLeftOff) {
    AppState before{1}, after{2};
    play(before);
    ASSERT_TRUE(std::filesystem::exists(SavedGameFile(before)));
    load(after);
    ui.yesNoAnswers = {true};
    OfferResume(after, ui);
    EXPECT_EQ(ui.log, std::vector<std::string>{"yesno: Resume where you left off?"});
    // Entries, marks, history, cursor and time: all that the saved text holds.
    EXPECT_TRUE(after.manualmode);
    EXPECT_EQ(SavedGameText(after), SavedGameText(before));
    // The time alone is written once it moved on by kTimeSaveStep, or when asked.
    for (auto [seconds, now, kept] : {std::tuple{50, false, 42}, {57, false, 57}, {58, true, 58}}) {
        after.game.seconds = seconds;
        AutoSaveGame(after, now);
        EXPECT_NE(readFile(SavedGameFile(after)).find("time " + std::to_string(kept) + "\n"),
                  std::string::npos);
    }
    after.game.seconds = 42;
    // The history works on: redo, undo twice, redo twice.
    for (AppState* st : {&before, &after}) {
        RedoLastEntry(*st, ui);
        UndoLastEntry(*st, ui);
        UndoLastEntry(*st, ui);
        RedoLastEntry(*st, ui);
        RedoLastEntry(*st, ui);
    }
    EXPECT_EQ(SavedGameText(after), SavedGameText(before));
    EXPECT_EQ(after.grid[5].Choices + after.grid[8].Choices, "12");
}

TEST_F(SavedGames, AStartOffersTheNewestGameOfTheFileThoughAnotherRecordIsLoaded) {
    const struct {
        const char* name;
        std::vector<bool> answers;
        bool gameKept;
        int puznum;
    } cases[] = {
        {"Yes", {true}, true, 2},
        {"No", {false}, false, 1},
        {"game gone", {}, false, 1},
        {"game damaged", {}, false, 1},
    };
    for (const auto& c : cases) {
        AppState played{1}, st{1};
        load(played, 2);
        StartManualSolve(played, ui);
        put(played, 5, 1);
        AutoSaveGame(played);
        if (c.name == std::string("game gone"))
            std::filesystem::remove(SavedGameFile(played));
        else if (c.answers.empty())
            writeFile(SavedGameFile(played), "damaged");
        load(st); // the start loads record 1
        ui.log.clear();
        ui.yesNoAnswers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(ResumeLastGame(st, ui), c.gameKept) << c.name;
        EXPECT_EQ(st.puznum, c.puznum) << c.name;
        EXPECT_EQ(st.manualmode, c.gameKept) << c.name;
        EXPECT_EQ(ui.log.size(), c.answers.size()) << c.name;
        EXPECT_EQ(st.grid[5].Choices == "1", c.gameKept) << c.name;
        EXPECT_EQ(std::filesystem::exists(SavedGameFile(played)), c.gameKept) << c.name;
    }
}

TEST_F(SavedGames, DamagedOrMismatchingSavedGamesAreDroppedWithoutAWord) {
    AppState played{1};
    play(played);
    const std::string good = readFile(SavedGameFile(played));
    AppState other{1}; // the game of record 2, in record 1's place
    load(other, 2);
    StartManualSolve(other, ui);
    put(other, 5, 2);
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"cut short", good.substr(0, good.size() / 2)},
        {"no check sum", good.substr(0, good.rfind("end "))},
        {"a digit changed", replaced(good, "now ,,,,1,", "now ,,,,2,")},
        {"not text", std::string("\0\xff\x01game\n", 9)},
        {"another layout", resummed(replaced(good, "start ,,,,12,", "start ,,,,13,"))},
        {"another file", resummed(replaced(good, "path /", "path /x/"))},
        {"entry on a sum cell", resummed(replaced(good, "undo 5,12", "undo 4,12"))},
        {"entry of two cells", resummed(replaced(good, "undo 5,12", "undo 5,12;6,13"))},
        {"marks record too deep", resummed(replaced(good, "mark 2", "mark 3"))},
        {"odd mask", resummed(replaced(good, "marks ", "marks 5=3 "))},
        {"cursor off the grid", resummed(replaced(good, "cursor 8", "cursor 10"))},
        {"time negative", resummed(replaced(good, "time 42", "time -42"))},
        {"a line extra", resummed(replaced(good, "time", "notes 1\ntime"))},
        {"another puzzle's game", SavedGameText(other)},
    };
    for (const auto& [name, text] : cases) {
        ASSERT_NE(text, good) << name;
        AppState st{1};
        load(st);
        const std::string file = SavedGameFile(st);
        writeFile(file, text);
        const std::string loaded = snapshotLine(st.grid);
        ui.log.clear();
        OfferResume(st, ui);
        EXPECT_TRUE(ui.log.empty()) << name;
        EXPECT_FALSE(st.manualmode) << name;
        EXPECT_EQ(snapshotLine(st.grid), loaded) << name;
        EXPECT_FALSE(std::filesystem::exists(file)) << name;
    }
}

TEST_F(SavedGames, NoFinishingAndStartingAfreshDeleteTheSavedGame) {
    const std::pair<const char*, std::function<void(AppState&)>> ends[] = {
        {"No", [&](AppState& st) { OfferResume(st, ui); }},
        {"Solve Manually",
         [&](AppState& st) {
             ui.yesNoAnswers = {true, true}; // resume, then discard the entries
             OfferResume(st, ui);
             StartManualSolve(st, ui);
         }},
        {"finished",
         [&](AppState& st) {
             ui.yesNoAnswers = {true};
             OfferResume(st, ui);
             put(st, 8, 2);
             put(st, 6, 3);
             put(st, 9, 4);
         }},
    };
    for (const auto& [name, end] : ends) {
        AppState played{1}, st{1};
        play(played);
        load(st);
        const std::string loaded = snapshotLine(st.grid);
        end(st);
        AutoSaveGame(st);
        EXPECT_FALSE(std::filesystem::exists(SavedGameFile(st))) << name;
        EXPECT_EQ(st.manualmode, name != std::string("No")) << name;
        EXPECT_TRUE(st.manualmode || snapshotLine(st.grid) == loaded) << name;
    }
    // The game finished last: its time is the best, and the status line tells it.
    AppState st{1};
    load(st);
    EXPECT_EQ(BestTime(st), 42);
    EXPECT_TRUE(st.texts.status.empty());
    StartManualSolve(st, ui);
    st.game.seconds = 50;
    HintCommand(st, ui); // a hint line gives way to the finishing time
    for (auto [cell, digit] : {std::pair{5, 1}, {6, 3}, {8, 2}, {9, 4}})
        put(st, cell, digit);
    EXPECT_EQ(st.texts.status, "Solved in 0:50 (best 0:42)");
    EXPECT_EQ(HintText(st), "");
    EXPECT_FALSE(TickGameClock(st)); // the clock stands
}

TEST(GameClock, CountsOnlyWhileSolvingByHandWithTheTimerOn) {
    AppState st{1};
    const struct {
        bool manual, timer, finished, solving, counts;
    } cases[] = {
        {true, true, false, false, true},   {false, true, false, false, false},
        {true, false, false, false, false}, {true, true, true, false, false},
        {true, true, false, true, false},
    };
    for (const auto& c : cases) {
        st.manualmode = c.manual;
        SetTimer(st, c.timer);
        st.game.finished = c.finished;
        st.autosolving = c.solving;
        st.game.seconds = 186;
        EXPECT_EQ(TickGameClock(st), c.counts);
        EXPECT_EQ(TimerText(st), !c.manual || !c.timer ? "" : c.counts ? "3:07" : "3:06");
    }
    EXPECT_EQ(ClockText(3723), "1:02:03");
    EXPECT_EQ(ClockText(5), "0:05");
}
