#include "edit/cell_pad.h"
#include "state/grid_commands.h"
#include "support/scripted_ui.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

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
}

TEST_F(Pad, TagCarriesTheAnchorPosition) {
    EXPECT_EQ(PadTag(1234, 567), "0123400567");
    const PadPosition p = PadPositionFromTag("0123400567");
    EXPECT_EQ(std::pair(p.left, p.top), std::pair(1234, 567 + 380));
    EXPECT_EQ(PadTag(-30, 123456), "0000099999");
}

TEST_F(Pad, LeftNumberSetsTheClueOfTheTagSide) {
    EXPECT_TRUE(press(17, MouseButton::Left).hide && st.pendingaction.empty());
    EXPECT_EQ(clues(), std::pair(17, 0));
    st.mnumainTag = "D10";
    press(4, MouseButton::Left);
    EXPECT_EQ(clues(), std::pair(17, 4));
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
