#include "edit/grid_events.h"
#include "edit/layout_edit.h"
#include "model/grid_commands.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::makeGrid;
using vextor::test::ScriptedUserInterface;

namespace {

struct Editing : ::testing::Test {
    AppState st{1};
    ScriptedUserInterface ui;

    void SetUp() override {
        BuildGrid(st, ui, 5, 6);
        ASSERT_TRUE(EditCommand(st, ui));
    }
    void key(KeyCode code) { GridKeyUp(st, ui, KeyEvent::of(code)); }
    void type(const std::string& keys) {
        for (char ch : keys)
            GridKeyUp(st, ui,
                      ch == ',' ? KeyEvent::of(KeyCode::Comma) : KeyEvent::mainDigit(ch - '0'));
    }
    void click(int cell, int x, int y, MouseButton b = MouseButton::Left) {
        GridMouseUp(st, MouseEvent{b, false, cell, x, y});
    }
    bool isSum(int i) const {
        const Square& s = st.grid[i];
        return !s.Black && s.known && s.BackColor == st.greycol;
    }
    bool isWhite(int i) const {
        const Square& s = st.grid[i];
        return !s.Black && !s.known && s.BackColor == st.whitecol && s.across == 0 && s.down == 0;
    }
};

} // namespace

TEST_F(Editing, CellKindsKeepTheirDigits) {
    st.grid[8].Choices = "5";
    st.mnumainTag = "D8";
    MakeBlack(st);
    EXPECT_TRUE(st.grid[8].Black);
    EXPECT_TRUE(st.grid[8].known);
    EXPECT_EQ(st.grid[8].BackColor, st.blackcol);
    MakeSum(st);
    EXPECT_TRUE(isSum(8));
    EXPECT_EQ(st.grid[8].across, -1);
    EXPECT_EQ(st.grid[8].down, -1);
    MakeWhite(st);
    EXPECT_TRUE(isWhite(8));
    EXPECT_EQ(st.grid[8].Choices, "5");
    st.mnumainTag = "A999"; // no such cell: nothing happens
    MakeBlack(st);
    st.mnumainTag = "";
    MakeSum(st);
}

TEST_F(Editing, EditIsRefusedWhileSolvingAndSetsUpTheGrid) {
    st.manualmode = true;
    EXPECT_FALSE(EditCommand(st, ui));
    st.manualmode = false;
    st.autosolving = true;
    st.manualmode = true;
    EXPECT_FALSE(EditCommand(st, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Cannot edit in ManualSolve mode",
                                                     "Cancel AutoSolve first"}));
    st.autosolving = false;
    st.manualmode = false;
    st.editmode = false;
    st.grid[7].Enabled = false;
    st.grid[7].tick = st.redcol;
    st.grid[7].acrosscol = st.greencol;
    st.pendingaction = "12";
    st.typedsums = "3";
    st.curcell = 7;
    EXPECT_TRUE(EditCommand(st, ui));
    EXPECT_TRUE(st.editmode);
    EXPECT_TRUE(st.grid[7].Enabled);
    EXPECT_EQ(st.grid[7].tick, 0u);
    EXPECT_EQ(st.grid[7].acrosscol, st.blackcol);
    EXPECT_TRUE(st.pendingaction.empty());
    EXPECT_TRUE(st.typedsums.empty());
    EXPECT_EQ(st.curcell, 1);
    EXPECT_EQ(st.grid[1].tick, st.greencol);
}

TEST_F(Editing, ClearGridTurnsEveryClueIntoNotGiven) {
    makeGrid(st, {"X 0,3 0,7", "4,0 1 3", "6,0 2 4"});
    st.grid[5].tick = st.redcol;
    ui.yesNoAnswers = {false};
    EXPECT_FALSE(ClearGridCommand(st, ui));
    EXPECT_EQ(st.grid[5].Choices, "1");
    ui.yesNoAnswers = {true};
    EXPECT_TRUE(ClearGridCommand(st, ui));
    EXPECT_EQ(ui.log, (std::vector<std::string>{"yesno: Clear grid?", "yesno: Clear grid?"}));
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_EQ(ui.maxBusyDepth, 1);
    EXPECT_TRUE(st.grid[1].Black);
    EXPECT_EQ(st.grid[1].BackColor, st.blackcol);
    EXPECT_EQ(st.grid[1].across, -1); // black cells too
    EXPECT_EQ(st.grid[2].across, -1);
    EXPECT_EQ(st.grid[2].down, -1);
    EXPECT_TRUE(st.grid[2].known);
    EXPECT_FALSE(st.grid[5].known);
    EXPECT_EQ(st.grid[5].Choices, "");
    EXPECT_EQ(st.grid[5].tick, 0u);
    EXPECT_EQ(st.grid[5].across, 0);
}

TEST_F(Editing, TypedCluesAndTheirRefusals) {
    st.curcell = 8;
    type("12");
    key(KeyCode::Enter);
    EXPECT_TRUE(isSum(8));
    EXPECT_EQ(st.grid[8].across, 12);
    EXPECT_EQ(st.grid[8].down, 0);
    EXPECT_EQ(st.curcell, 9);
    type(",7");
    key(KeyCode::Down);
    EXPECT_EQ(st.grid[9].across, 0);
    EXPECT_EQ(st.grid[9].down, 7);
    EXPECT_EQ(st.curcell, 15);
    type("23,45");
    key(KeyCode::Right);
    EXPECT_EQ(st.grid[15].across, 23);
    EXPECT_EQ(st.grid[15].down, 45);
    // Refused: a clue of 1 or 2, above 45, or both 0. Cell and cursor stay.
    for (const char* bad : {"2,10", "10,1", "46", ",46", "0", ",0", "0,0", ","}) {
        type(bad);
        key(KeyCode::Right);
        EXPECT_EQ(st.curcell, 16) << bad;
        EXPECT_TRUE(isWhite(16)) << bad;
        EXPECT_TRUE(st.typedsums.empty()) << bad;
    }
    // Keypad digits are not typed and, like any other key, discard the text.
    type("1");
    GridKeyUp(st, ui, KeyEvent::keypadDigit(5));
    EXPECT_TRUE(st.typedsums.empty());
    type("17");
    key(KeyCode::Other);
    key(KeyCode::Right);
    EXPECT_TRUE(isWhite(16));
    EXPECT_EQ(st.curcell, 17);
}

TEST_F(Editing, NavigationWraps) {
    // 5 rows of 6 columns: 30 cells.
    st.curcell = 30;
    key(KeyCode::Enter);
    EXPECT_EQ(st.curcell, 1);
    key(KeyCode::Left);
    EXPECT_EQ(st.curcell, 30);
    key(KeyCode::Down); // same column, top row
    EXPECT_EQ(st.curcell, 6);
    key(KeyCode::Up); // same column, bottom row
    EXPECT_EQ(st.curcell, 30);
    key(KeyCode::Up);
    EXPECT_EQ(st.curcell, 24);
    key(KeyCode::Home);
    EXPECT_EQ(st.curcell, 1);
    key(KeyCode::End);
    EXPECT_EQ(st.curcell, 30);
    EXPECT_EQ(st.grid[30].tick, st.greencol);
    EXPECT_EQ(st.grid[1].tick, 0u);
}

TEST_F(Editing, XAndCKeys) {
    st.curcell = 30;
    st.pendingaction = "12";
    type("3");
    key(KeyCode::X);
    EXPECT_TRUE(st.grid[30].Black);
    EXPECT_EQ(st.curcell, 1);
    EXPECT_TRUE(st.pendingaction.empty());
    EXPECT_TRUE(st.typedsums.empty());
    st.curcell = 30;
    key(KeyCode::C);
    EXPECT_TRUE(isWhite(30));
    EXPECT_EQ(st.curcell, 1);
}

TEST_F(Editing, KeysNeedEditModeAndManualModeWins) {
    st.editmode = false;
    st.curcell = 5;
    key(KeyCode::X);
    type("12");
    EXPECT_FALSE(st.grid[5].Black);
    EXPECT_TRUE(st.typedsums.empty());
    st.editmode = true;
    st.manualmode = true;
    key(KeyCode::X);
    EXPECT_FALSE(st.grid[5].Black);
}

TEST_F(Editing, SingleNumberGoesToTheQuarterClicked) {
    const int half = AppState::cellwidth / 2; // 312, also used vertically
    st.pendingaction = "17";
    click(8, half + 1, half - 1); // upper right: across
    EXPECT_TRUE(isSum(8));
    EXPECT_EQ(st.grid[8].across, 17);
    EXPECT_EQ(st.grid[8].down, 0);
    EXPECT_TRUE(st.pendingaction.empty());
    EXPECT_EQ(st.curcell, 8);
    st.pendingaction = "9";
    click(8, half - 1, half + 1); // lower left: down
    EXPECT_EQ(st.grid[8].across, 17);
    EXPECT_EQ(st.grid[8].down, 9);
    for (auto [x, y] : {std::pair{10, 10}, {600, 500}, {half, 10}, {10, half}}) {
        st.pendingaction = "30";
        click(9, x, y);
        EXPECT_TRUE(isWhite(9)) << x << "," << y;
        EXPECT_TRUE(st.pendingaction.empty());
        EXPECT_EQ(st.curcell, 9);
    }
}

TEST_F(Editing, PairsKindsAndPlainClicks) {
    st.pendingaction = "12,0";
    click(8, 0, 0);
    EXPECT_EQ(st.grid[8].across, 12);
    EXPECT_EQ(st.grid[8].down, 0);
    st.pendingaction = "0,8";
    click(8, 0, 0); // 0 keeps the other side
    EXPECT_EQ(st.grid[8].across, 12);
    EXPECT_EQ(st.grid[8].down, 8);
    st.pendingaction = "99,0";
    click(8, 0, 0);
    EXPECT_EQ(st.grid[8].across, 0);
    EXPECT_TRUE(isSum(8));
    st.pendingaction = "0,99"; // no clue left: white
    click(8, 0, 0);
    EXPECT_TRUE(isWhite(8));
    st.pendingaction = " Black ";
    click(9, 0, 0);
    EXPECT_TRUE(st.grid[9].Black);
    st.pendingaction = "Sum";
    click(9, 0, 0);
    EXPECT_TRUE(isSum(9));
    EXPECT_EQ(st.grid[9].across, -1);
    st.pendingaction = "Clear";
    click(9, 0, 0);
    EXPECT_TRUE(isWhite(9));
    click(10, 400, 100); // nothing pending: only the cursor moves
    EXPECT_TRUE(isWhite(10));
    EXPECT_EQ(st.curcell, 10);
    st.grid[11].Enabled = false;
    st.pendingaction = "Black";
    click(11, 0, 0);
    EXPECT_FALSE(st.grid[11].Black);
    EXPECT_EQ(st.pendingaction, "Black");
    BackgroundClick(st);
    EXPECT_TRUE(st.pendingaction.empty());
}

TEST_F(Editing, Command10SendsAnUnpairedNumberToTheSideOfTheTag) {
    st.mnumainTag = "A8";
    st.pendingaction = "12";
    Command10Click(st);
    EXPECT_EQ(st.grid[8].across, 12);
    EXPECT_EQ(st.grid[8].down, 0);
    st.mnumainTag = "D8";
    st.pendingaction = "6";
    Command10Click(st);
    EXPECT_EQ(st.grid[8].down, 6);
    // "C" over the lower half of a sum cell with only a down clue: white again.
    st.pendingaction = "99";
    st.mnumainTag = "A8";
    Command10Click(st);
    EXPECT_EQ(st.grid[8].across, 0);
    st.mnumainTag = "D8";
    st.pendingaction = "99";
    Command10Click(st);
    EXPECT_TRUE(isWhite(8));
    EXPECT_EQ(st.curcell, 8);
    st.pendingaction = "  ";
    st.mnumainTag = "A9";
    Command10Click(st); // nothing pending
    EXPECT_EQ(st.curcell, 8);
}

TEST_F(Editing, RightClickOutsideManualModeOpensThePad) {
    st.editmode = false; // the pad does not need edit mode
    CellMouseResult r = GridMouseUp(st, MouseEvent{MouseButton::Right, false, 8, 500, 350});
    EXPECT_EQ(r.popup, CellPopup::CellPad);
    EXPECT_EQ(st.mnumainTag, "A8");
    EXPECT_EQ(st.curcell, 8);
    EXPECT_EQ(r.anchor, 8);
    r = GridMouseUp(st, MouseEvent{MouseButton::Right, false, 30, 0, 351});
    EXPECT_EQ(st.mnumainTag, "D30");
    EXPECT_EQ(r.anchor, 16); // row 5 of 5 -> 3, column 6 of 6 -> 4
}
