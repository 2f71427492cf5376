// Layout editing: cell kinds, typed clues, clicks and keys, and the cell pad.
#include "edit/cell_pad.h"
#include "edit/grid_events.h"
#include "edit/layout_edit.h"
#include "state/grid_commands.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <tuple>

using namespace vextor;
using namespace vextor::test;

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
    CellMouseResult click(int cell, int x, int y, MouseButton b = MouseButton::Left) {
        return GridMouseUp(st, MouseEvent{b, false, cell, x, y});
    }
    // The clues of a sum cell; "white" for a plain white cell, "black", or "?".
    std::string kind(int i) const {
        const Square& s = st.grid[i];
        if (s.Black && s.known && s.BackColor == st.blackcol)
            return "black";
        if (!s.Black && !s.known && s.BackColor == st.whitecol && s.across == 0 && s.down == 0)
            return "white";
        if (!s.Black && s.known && s.BackColor == st.greycol)
            return std::to_string(s.across) + "," + std::to_string(s.down);
        return "?";
    }
};

} // namespace

TEST_F(Editing, CellKindsKeepTheirDigits) {
    st.grid[8].Choices = "5";
    st.mnumainTag = "D8";
    MakeBlack(st);
    EXPECT_EQ(kind(8), "black");
    MakeSum(st);
    EXPECT_EQ(kind(8), "-1,-1");
    MakeWhite(st);
    EXPECT_EQ(kind(8), "white");
    EXPECT_EQ(st.grid[8].Choices, "5");
    st.mnumainTag = "1"; // the first cell is a cell like any other
    MakeWhite(st);
    MakeBlack(st);
    EXPECT_EQ(kind(1), "black");
    st.mnumainTag = "A999"; // no such cell: nothing happens
    MakeBlack(st);
    st.mnumainTag = "";
    MakeSum(st);
    EXPECT_EQ(EditRightClick(st, 0, 0), 0);
}

TEST_F(Editing, ClearGridTurnsEveryClueIntoNotGiven) {
    makeGrid(st, {"X 0,3 0,7", "4,0 1 3", "6,0 2 4"});
    st.grid[5].tick = st.redcol;
    ui.yesNoAnswers = {false};
    EXPECT_FALSE(ClearGridCommand(st, ui));
    EXPECT_EQ(st.grid[5].Choices, "1");
    ui.yesNoAnswers = {true};
    EXPECT_TRUE(ClearGridCommand(st, ui));
    EXPECT_EQ(ui.log, (std::vector<std::string>(2, "yesno, default No: Clear grid?")));
    EXPECT_EQ(ui.busyDepth * 10 + ui.maxBusyDepth, 1);
    EXPECT_EQ(kind(1) + " " + kind(2) + " " + kind(5), "black -1,-1 white");
    EXPECT_EQ(st.grid[1].across, -1); // black cells too
    EXPECT_EQ(st.grid[5].Choices + std::to_string(st.grid[5].tick), "0");
}

TEST_F(Editing, TypedCluesAndTheirRefusals) {
    st.curcell = 8;
    const struct {
        const char* typed;
        KeyCode then;
        int cell, next;
        const char* clues;
    } good[] = {{"12", KeyCode::Enter, 8, 9, "12,0"},
                {",7", KeyCode::Down, 9, 15, "0,7"},
                {"23,45", KeyCode::Right, 15, 16, "23,45"}};
    for (const auto& g : good) {
        type(g.typed);
        key(g.then);
        EXPECT_EQ(kind(g.cell), g.clues) << g.typed;
        EXPECT_EQ(st.curcell, g.next) << g.typed;
    }
    // Refused: a clue of 1 or 2, above 45, or both 0. Cell and cursor stay.
    for (const char* bad : {"1", "2,10", "10,1", ",2", "46", ",46", "0", ",0", "0,0", ","}) {
        type(bad);
        key(KeyCode::Right);
        EXPECT_TRUE(st.curcell == 16 && kind(16) == "white" && st.typedsums.empty()) << bad;
    }
    // Keypad keys, the comma too, are not typed and, like any other key, discard the text.
    for (KeyEvent k : {KeyEvent::keypadDigit(5), KeyEvent::of(KeyCode::Other),
                       KeyEvent{KeyCode::Comma, 0, true, false}}) {
        type("17");
        GridKeyUp(st, ui, k);
        EXPECT_TRUE(st.typedsums.empty()) << static_cast<int>(k.code);
    }
    type("1");
    GridKeyUp(st, ui, KeyEvent{KeyCode::Comma, 0, true, false});
    type("7");
    key(KeyCode::Right);
    EXPECT_EQ(kind(16), "7,0");
}

TEST_F(Editing, SingleNumberGoesToTheQuarterClicked) {
    const int half = AppState::cellwidth / 2; // 312, also used vertically
    st.pendingaction = "17";
    click(8, half + 1, half - 1); // upper right: across
    EXPECT_EQ(kind(8), "17,0");
    EXPECT_TRUE(st.pendingaction.empty() && st.curcell == 8);
    st.pendingaction = "9";
    click(8, half - 1, half + 1); // lower left: down
    EXPECT_EQ(kind(8), "17,9");
    for (auto [x, y] : {std::pair{10, 10}, {600, 500}, {half, 10}, {10, half}}) {
        st.pendingaction = "30";
        click(9, x, y);
        EXPECT_EQ(kind(9), "white") << x << "," << y;
        EXPECT_TRUE(st.pendingaction.empty() && st.curcell == 9);
    }
}

TEST_F(Editing, PairsKindsAndPlainClicks) {
    // 0 keeps a side, 99 removes it; no clue left: white.
    const std::pair<const char*, const char*> steps[] = {
        {"12,0", "12,0"},     {"0,8", "12,8"},  {"99,0", "0,8"},    {"0,99", "white"},
        {" Black ", "black"}, {"Sum", "-1,-1"}, {"Clear", "white"}, {"", "white"}};
    for (auto [action, result] : steps) {
        st.pendingaction = action;
        click(8, 400, 100);
        EXPECT_EQ(kind(8), result) << action;
        EXPECT_TRUE(st.pendingaction.empty() && st.curcell == 8);
    }
    st.grid[11].Enabled = false;
    st.pendingaction = "Black";
    click(11, 0, 0);
    EXPECT_EQ(kind(11) + st.pendingaction, "whiteBlack");
    BackgroundClick(st);
    EXPECT_TRUE(st.pendingaction.empty());
}

TEST_F(Editing, Command10SendsAnUnpairedNumberToTheSideOfTheTag) {
    // "C" over the lower half of a sum cell with only a down clue: white again.
    const std::array<const char*, 3> steps[] = {
        {"A8", "12", "12,0"}, {"D8", "6", "12,6"}, {"A8", "99", "0,6"}, {"D8", "99", "white"}};
    for (auto [tag, action, result] : steps) {
        st.mnumainTag = tag;
        st.pendingaction = action;
        Command10Click(st);
        EXPECT_EQ(kind(8), result) << tag << action;
        EXPECT_EQ(st.curcell, 8);
    }
    st.pendingaction = "  ";
    st.mnumainTag = "A9";
    Command10Click(st); // nothing pending
    EXPECT_EQ(st.curcell, 8);
    // A Tag from a larger grid names no cell: nothing stays armed.
    st.mnumainTag = "D31";
    st.pendingaction = "Black";
    Command10Click(st);
    EXPECT_TRUE(st.pendingaction.empty());
    click(9, 0, 0);
    EXPECT_EQ(kind(9), "white");
}

TEST_F(Editing, RightClickOutsideManualModeOpensThePad) {
    st.editmode = false; // the pad does not need edit mode
    CellMouseResult r = click(8, 500, 350, MouseButton::Right);
    EXPECT_EQ(r.popup, CellPopup::CellPad);
    EXPECT_EQ(std::tuple(st.mnumainTag, st.curcell, r.anchor), std::tuple(std::string("A8"), 8, 8));
    r = click(30, 0, 351, MouseButton::Right);
    EXPECT_EQ(std::pair(st.mnumainTag, r.anchor),
              std::pair(std::string("D30"), 16)); // row 3, column 4
}

namespace {

const PadButton& find(const std::vector<PadButton>& buttons, PadButtonKind kind, int n = 0) {
    auto it = std::find_if(buttons.begin(), buttons.end(),
                           [&](const PadButton& b) { return b.kind == kind && b.number == n; });
    EXPECT_NE(it, buttons.end());
    return *it;
}

struct Pad : ::testing::Test {
    AppState st{1};
    ScriptedUserInterface ui;
    std::vector<PadButton> buttons = padButtons();

    void SetUp() override {
        BuildGrid(st, ui, 6, 7);
        st.mnumainTag = "A10";
    }
    PadOutcome press(PadButtonKind kind, MouseButton b = MouseButton::Left) {
        return PadButtonUp(st, find(buttons, kind), b);
    }
    PadOutcome press(int n, MouseButton b) {
        return PadButtonUp(st, find(buttons, PadButtonKind::Number, n), b);
    }
    std::pair<int, int> clues() const { return {st.grid[10].across, st.grid[10].down}; }
};

} // namespace

TEST_F(Pad, AnchorShiftsInTheLastRowsAndColumns) {
    const Grid& g = st.grid; // 6 x 7
    const std::pair<std::pair<int, int>, std::pair<int, int>> cases[] = {
        {{2, 3}, {2, 3}}, {{6, 7}, {4, 5}}, {{5, 6}, {4, 5}}, {{6, 1}, {4, 1}}, {{1, 7}, {1, 5}}};
    for (auto [from, to] : cases)
        EXPECT_EQ(PadAnchorCell(g, g.CellIndex(from.first, from.second)),
                  g.CellIndex(to.first, to.second));
    EXPECT_EQ(PadAnchorCell(g, 0), 0);
    EXPECT_EQ(PadAnchorCell(makeGrid({"X X", "X X"}), 4), 1); // no row or column before the first
}

TEST_F(Pad, RightButtonsPickAPair) {
    // Outcome as hide, paintWhite, paintRed; then the pending action.
    auto right = [&](int n) {
        const PadOutcome o = press(n, MouseButton::Right);
        return std::tuple(o.hide, o.paintWhite, o.paintRed, st.pendingaction);
    };
    EXPECT_EQ(right(12), std::tuple(false, 0, 12, std::string("12")));
    EXPECT_EQ(st.grid[10].BackColor, st.whitecol);
    EXPECT_EQ(right(7), std::tuple(true, 12, 0, std::string()));
    EXPECT_EQ(clues(), std::pair(12, 7));
    // A pair still pending starts over with the new number; words read as no number.
    for (auto [pending, white] : {std::pair{"20,5", 20}, {"Black", 0}}) {
        st.pendingaction = pending;
        EXPECT_EQ(right(9), std::tuple(false, white, 9, std::string("9")));
    }
    st.mnumainTag = "D10"; // a left number sets the clue of the Tag's side at once
    EXPECT_TRUE(press(4, MouseButton::Left).hide && st.pendingaction.empty());
    EXPECT_EQ(clues(), std::pair(12, 4));
}

TEST_F(Pad, KindButtonsAndExit) {
    EXPECT_TRUE(press(PadButtonKind::Black, MouseButton::Right).hide && st.grid[10].Black);
    press(PadButtonKind::Grey);
    EXPECT_EQ(st.grid[10].BackColor, st.greycol);
    EXPECT_EQ(clues(), std::pair(-1, -1));
    EXPECT_EQ(st.mnumainTag, "10"); // applying puts the plain index in the Tag...
    st.mnumainTag = "A10";          // ...and every opening of the pad sets it again
    press(PadButtonKind::C);
    EXPECT_EQ(clues(), std::pair(0, -1));
    press(PadButtonKind::White);
    EXPECT_TRUE(st.grid[10].BackColor == st.whitecol && !st.grid[10].known);
    st.pendingaction = "12";
    EXPECT_TRUE(press(PadButtonKind::Exit).hide && st.pendingaction.empty());
    EXPECT_TRUE(st.grid[10].BackColor == st.whitecol);
}

TEST_F(Pad, ButtonsOnlyHideThePadWhileAutoSolveRuns) {
    st.autosolving = true;
    st.pendingaction = "12";
    for (PadButtonKind k : {PadButtonKind::Black, PadButtonKind::Grey, PadButtonKind::C}) {
        const PadOutcome out = press(k);
        EXPECT_TRUE(out.hide && out.paintRed == 0 && out.paintWhite == 0);
    }
    press(17, MouseButton::Left);
    press(5, MouseButton::Right);
    EXPECT_TRUE(st.pendingaction == "12" && st.grid[10].BackColor == st.whitecol);
    EXPECT_EQ(clues(), std::pair(0, 0));
}
