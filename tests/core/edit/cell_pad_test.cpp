#include "edit/cell_pad.h"
#include "model/grid_commands.h"
#include "support/scripted_ui.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::ScriptedUserInterface;

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
    PadOutcome press(int n, MouseButton b) {
        return PadButtonUp(st, find(buttons, PadButtonKind::Number, n), b);
    }
};

} // namespace

TEST_F(Pad, ButtonsFillTenColumnsAndFiveRows) {
    ASSERT_EQ(buttons.size(), 48u);
    const PadButton& exit = find(buttons, PadButtonKind::Exit);
    EXPECT_EQ(exit.caption, "Exit");
    EXPECT_EQ(exit.left, 24);
    EXPECT_EQ(exit.width, 648);
    const PadButton& three = find(buttons, PadButtonKind::Number, 3);
    EXPECT_EQ(three.left, 672);
    EXPECT_EQ(three.top, 24);
    EXPECT_EQ(find(buttons, PadButtonKind::Number, 10).left, 24 + 9 * 324);
    EXPECT_EQ(find(buttons, PadButtonKind::Number, 11).left, 24);
    EXPECT_EQ(find(buttons, PadButtonKind::Number, 11).top, 336);
    EXPECT_EQ(find(buttons, PadButtonKind::Number, 40).top, 960);
    const PadButton& last = find(buttons, PadButtonKind::Number, 45);
    EXPECT_EQ(last.left, 24 + 4 * 324);
    EXPECT_EQ(last.top, 1272);
    EXPECT_EQ(find(buttons, PadButtonKind::C).caption, "C");
    EXPECT_EQ(find(buttons, PadButtonKind::C).left, 24 + 5 * 324);
    EXPECT_EQ(find(buttons, PadButtonKind::White).left, 24 + 8 * 324);
    for (const PadButton& b : buttons) {
        EXPECT_LE(b.left + b.width, kPadWidth);
        EXPECT_LE(b.top + b.height, kPadHeight);
        EXPECT_EQ(b.height, 300);
    }
}

TEST_F(Pad, AnchorShiftsInTheLastRowsAndColumns) {
    const Grid& g = st.grid; // 6 x 7
    EXPECT_EQ(PadAnchorCell(g, g.CellIndex(2, 3)), g.CellIndex(2, 3));
    EXPECT_EQ(PadAnchorCell(g, g.CellIndex(6, 7)), g.CellIndex(4, 5));
    EXPECT_EQ(PadAnchorCell(g, g.CellIndex(5, 6)), g.CellIndex(4, 5));
    EXPECT_EQ(PadAnchorCell(g, g.CellIndex(6, 1)), g.CellIndex(4, 1));
    EXPECT_EQ(PadAnchorCell(g, g.CellIndex(1, 7)), g.CellIndex(1, 5));
    EXPECT_EQ(PadAnchorCell(g, 0), 0);
}

TEST_F(Pad, TagCarriesTheAnchorPosition) {
    EXPECT_EQ(PadTag(1234, 567), "0123400567");
    const PadPosition p = PadPositionFromTag("0123400567");
    EXPECT_EQ(p.left, 1234);
    EXPECT_EQ(p.top, 567 + 380);
    EXPECT_EQ(PadTag(-30, 123456), "0000099999");
}

TEST_F(Pad, LeftNumberSetsTheClueOfTheTagSide) {
    PadOutcome out = press(17, MouseButton::Left);
    EXPECT_TRUE(out.hide);
    EXPECT_EQ(st.grid[10].across, 17);
    EXPECT_EQ(st.grid[10].down, 0);
    EXPECT_TRUE(st.pendingaction.empty());
    st.mnumainTag = "D10";
    press(4, MouseButton::Left);
    EXPECT_EQ(st.grid[10].down, 4);
    EXPECT_EQ(st.grid[10].across, 17);
}

TEST_F(Pad, RightButtonsPickAPair) {
    PadOutcome out = press(12, MouseButton::Right);
    EXPECT_FALSE(out.hide);
    EXPECT_EQ(out.paintRed, 12);
    EXPECT_EQ(st.pendingaction, "12");
    EXPECT_TRUE(st.grid[10].BackColor == st.whitecol);
    out = press(7, MouseButton::Right);
    EXPECT_TRUE(out.hide);
    EXPECT_EQ(out.paintWhite, 12);
    EXPECT_EQ(out.paintRed, 0);
    EXPECT_EQ(st.grid[10].across, 12);
    EXPECT_EQ(st.grid[10].down, 7);
    EXPECT_TRUE(st.pendingaction.empty());
    // A pair still pending starts over with the new number.
    st.pendingaction = "20,5";
    out = press(9, MouseButton::Right);
    EXPECT_FALSE(out.hide);
    EXPECT_EQ(out.paintWhite, 20);
    EXPECT_EQ(out.paintRed, 9);
    EXPECT_EQ(st.pendingaction, "9");
    // Words read as no number.
    st.pendingaction = "Black";
    out = press(30, MouseButton::Right);
    EXPECT_EQ(st.pendingaction, "30");
    EXPECT_EQ(out.paintRed, 30);
}

TEST_F(Pad, KindButtonsAndExit) {
    PadOutcome out = PadButtonUp(st, find(buttons, PadButtonKind::Black), MouseButton::Right);
    EXPECT_TRUE(out.hide);
    EXPECT_TRUE(st.grid[10].Black);
    PadButtonUp(st, find(buttons, PadButtonKind::Grey), MouseButton::Left);
    EXPECT_EQ(st.grid[10].BackColor, st.greycol);
    EXPECT_EQ(st.grid[10].across, -1);
    EXPECT_EQ(st.mnumainTag, "10"); // applying puts the plain index in the Tag...
    st.mnumainTag = "A10";          // ...and every opening of the pad sets it again
    PadButtonUp(st, find(buttons, PadButtonKind::C), MouseButton::Left);
    EXPECT_EQ(st.grid[10].across, 0);
    EXPECT_EQ(st.grid[10].down, -1);
    PadButtonUp(st, find(buttons, PadButtonKind::White), MouseButton::Left);
    EXPECT_EQ(st.grid[10].BackColor, st.whitecol);
    EXPECT_FALSE(st.grid[10].known);
    st.pendingaction = "12";
    out = PadButtonUp(st, find(buttons, PadButtonKind::Exit), MouseButton::Left);
    EXPECT_TRUE(out.hide);
    EXPECT_TRUE(st.pendingaction.empty());
    EXPECT_TRUE(st.grid[10].BackColor == st.whitecol);
}
