// Solving by hand and drawing layouts through the real widgets.
#include "app/cell_pad.h"
#include "app/grid_interaction.h"
#include "app/help_viewer.h"
#include "app/keyboard.h"
#include "app/main_window.h"
#include "app/qt_support.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;
using namespace vextor::test;

namespace {

struct GridGui : ::testing::Test {
    vextor::test::TempDir dir;
    ScriptedUserInterface ui;
    MainWindow w{&ui};
    QStringList menusShown;
    QString pick; // the item the next pop-up menu chooses

    void SetUp() override {
        AppState& st = w.state();
        st.apppath = dir.folder();
        st.setWorkingFiles();
        w.showMenu = [this](QMenu* m, const QPoint&) {
            menusShown << m->objectName();
            for (QAction* a : m->actions())
                if (!pick.isEmpty() && a->objectName() == pick)
                    a->trigger();
        };
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    GridView* grid() { return w.gridView(); }
    AppState& st() { return w.state(); }
    CellPad* pad() { return w.findChild<CellPad*>("Form2"); }
    QPoint at(int cell, int xTwips, int yTwips) {
        return grid()->cellRect(cell).topLeft() + QPoint(px(xTwips), px(yTwips));
    }
    void puzzle() {
        // Solved by 1 3 / 2 4.
        makeGrid(st(), {"X 0,3 0,7 X X", "4,0 . . X X", "6,0 . . X X", "X X X X X", "X X X X X"});
        w.refresh();
    }
    void trigger(const char* name) {
        QAction* a = w.action(name);
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }
};

} // namespace

TEST_F(GridGui, RightClickOpensTheDigitMenuAndTheDigitLands) {
    puzzle();
    trigger("mnusolvemanually");
    ASSERT_TRUE(st().manualmode);
    EXPECT_EQ(st().curcell, 7);
    ASSERT_NE(w.menu("mnucnx")->findChild<QAction*>("xx8"), nullptr);
    pick = "xx2"; // "3"
    QTest::mouseClick(grid(), Qt::RightButton, {}, at(8, 300, 300));
    EXPECT_EQ(menusShown, QStringList{"mnucnx"});
    EXPECT_EQ(st().grid[8].Choices, "3");
    EXPECT_EQ(st().undolist.front(), "8,13");
    EXPECT_EQ(st().curcell, 7); // the cursor stays
    pick = "xx10";              // Reset
    QTest::mouseClick(grid(), Qt::RightButton, {}, at(8, 300, 300));
    EXPECT_EQ(st().grid[8].Choices, "13");
    EXPECT_FALSE(pad()->isVisible());
}

TEST_F(GridGui, ArrowKeysMoveTheGreenTickAndDigitsSolve) {
    puzzle();
    trigger("mnusolvemanually");
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Right);
    EXPECT_TRUE(st().grid[8].tick == st().greencol && st().grid[7].tick == 0u);
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_4, Qt::KeypadModifier); // keypad digits enter too
    EXPECT_EQ(st().grid[13].Choices, "4");
    for (Qt::Key k : {Qt::Key_4, Qt::Key_Left, Qt::Key_2, Qt::Key_Up, Qt::Key_1, Qt::Key_Right})
        QTest::keyClick(grid(), k);
    EXPECT_TRUE(ui.messages.empty());
    QTest::keyClick(grid(), Qt::Key_3);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Well done..."});
    trigger("mnuverifymanualentry");
    EXPECT_EQ(st().grid[6].acrosscol, st().greencol);
    trigger("mnuundo");
    EXPECT_EQ(st().grid[8].Choices, "13");
}

TEST_F(GridGui, ThePadOpensOverTheClickedCellAndSetsClues) {
    trigger("mnuedit");
    ASSERT_TRUE(st().editmode);
    const int cell = st().grid.CellIndex(2, 3);
    QTest::mouseClick(grid(), Qt::RightButton, {}, at(cell, 400, 100));
    ASSERT_TRUE(pad()->isVisible());
    const QPoint corner = grid()->mapToGlobal(grid()->cellRect(cell).topLeft());
    EXPECT_LE((pad()->pos() - corner).manhattanLength(), 2);
    QTest::mouseClick(pad()->numberButton(17), Qt::LeftButton);
    EXPECT_FALSE(pad()->isVisible());
    EXPECT_EQ(st().grid[cell].across, 17);

    // A right-button pair: the first number turns red and the pad stays.
    QTest::mouseClick(grid(), Qt::RightButton, {}, at(cell, 100, 450));
    ASSERT_TRUE(pad()->isVisible());
    EXPECT_EQ(pad()->numberButton(12)->face(), toQColor(st().whitecol));
    QTest::mouseClick(pad()->numberButton(12), Qt::RightButton);
    EXPECT_TRUE(pad()->isVisible());
    EXPECT_EQ(pad()->numberButton(12)->face(), toQColor(st().redcol));
    QTest::mouseClick(pad()->numberButton(7), Qt::RightButton);
    EXPECT_FALSE(pad()->isVisible()); // and the red goes
    EXPECT_EQ(st().grid[cell].across * 100 + st().grid[cell].down, 1207);
    EXPECT_EQ(pad()->numberButton(12)->face(), toQColor(st().whitecol));

    // In the last row and column the pad is placed from two cells up and left.
    const int corner2 = st().grid.ncells;
    QTest::mouseClick(grid(), Qt::RightButton, {}, at(corner2, 300, 300));
    const int anchor = st().grid.CellIndex(st().grid.rows - 2, st().grid.cols - 2);
    EXPECT_LE(
        (pad()->pos() - grid()->mapToGlobal(grid()->cellRect(anchor).topLeft())).manhattanLength(),
        2);
    QTest::mouseClick(pad()->button(PadButtonKind::Black), Qt::LeftButton);
    EXPECT_TRUE(st().grid[corner2].Black);
}

TEST_F(GridGui, MovingOverTheGridHidesThePadAndTypedCluesApply) {
    trigger("mnuedit");
    QTest::mouseClick(grid(), Qt::RightButton, {}, at(1, 300, 300));
    ASSERT_TRUE(pad()->isVisible());
    QTest::mouseMove(grid(), at(40, 300, 300));
    QTest::mouseMove(grid(), at(41, 300, 300));
    EXPECT_FALSE(pad()->isVisible());

    st().typedsums.clear();
    grid()->setFocus();
    QTest::mouseClick(grid(), Qt::LeftButton, {}, at(11, 300, 300));
    EXPECT_EQ(st().curcell, 11);
    QTest::keyClicks(grid(), "23,9");
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(st().grid[11].across * 100 + st().grid[11].down, 2309);
    EXPECT_EQ(st().curcell, 12);
    QTest::keyClick(grid(), Qt::Key_X);
    EXPECT_TRUE(st().grid[12].Black);
    EXPECT_EQ(st().curcell, 13);
    // The keypad's comma throws the typed clue away like any other keypad key.
    for (int k : {Qt::Key_1, Qt::Key_Comma, Qt::Key_7, Qt::Key_Return})
        QTest::keyClick(grid(), Qt::Key(k),
                        k == Qt::Key_Comma ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_EQ(st().grid[13].across, 7);
}

TEST_F(GridGui, ThePadGoesAwayWhenItsTargetGoesStale) {
    trigger("mnuedit");
    ui.defaultYesNo = true; // Clear grid?
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"mnunewgrid",
         [&] {
             ui.inputAnswers = {"5,5"};
             trigger("mnunewgrid");
         }},
        {"mnuedit", [&] { trigger("mnuedit"); }},
        {"mnucleargrid", [&] { trigger("mnucleargrid"); }},
        {"Command13", [&] { QTest::mouseClick(w.button("Command13"), Qt::LeftButton); }},
        {"AutoSolve", [&] { QTest::mouseClick(w.button("AutoSolve"), Qt::LeftButton); }}};
    for (const auto& [name, command] : ways) {
        QTest::mouseClick(grid(), Qt::RightButton, {}, at(1, 300, 300));
        ASSERT_TRUE(pad()->isVisible()) << name;
        command();
        EXPECT_FALSE(pad()->isVisible()) << name;
    }
}

TEST_F(GridGui, OnlyTheWindowBackgroundDisarmsThePadChoice) {
    trigger("mnuedit");
    st().pendingaction = "Black";
    QTest::mouseClick(grid(), Qt::LeftButton, {}, QPoint(grid()->width() - 3, 3)); // no cell
    QTest::mouseClick(w.label("Title"), Qt::LeftButton);
    EXPECT_EQ(st().pendingaction, "Black");
    const QPoint background(2, w.height() - 2);
    ASSERT_EQ(w.childAt(background), nullptr);
    QTest::mouseClick(&w, Qt::LeftButton, {}, background);
    EXPECT_TRUE(st().pendingaction.empty());
}

TEST_F(GridGui, TheHelpButtonGivesTheCursorItsTickBack) {
    puzzle();
    trigger("mnusolvemanually");
    st().grid[7].tick = 0;
    QTest::mouseClick(w.button("help"), Qt::LeftButton);
    EXPECT_EQ(menusShown, QStringList{"mnuhelpabout"});
    EXPECT_EQ(st().grid[7].tick, st().greencol);
    EXPECT_TRUE(grid()->hasFocus());
}

TEST_F(GridGui, ShortcutsReachTheButtonsAndItems) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    grid()->setFocus();
    // Each key: the menu it opens, or the start of what it says or asks.
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*> keys[] = {
        {Qt::Key_F, Qt::AltModifier, "mnupuzfile"},
        {Qt::Key_P, Qt::AltModifier, "mnupuzzle"},
        {Qt::Key_R, Qt::AltModifier, "mnuprint"},
        {Qt::Key_C, Qt::AltModifier, "mnucreate"},
        {Qt::Key_M, Qt::AltModifier, "mnumanualsolve"},
        {Qt::Key_S, Qt::AltModifier, "mnuColScheme"},
        {Qt::Key_H, Qt::AltModifier, "mnuhelpabout"},
        {Qt::Key_O, Qt::ControlModifier, "pick: Vextor"},
        {Qt::Key_Q, Qt::ControlModifier, "yesno: Exit?"},
        {Qt::Key_Z, Qt::ControlModifier, "message: Undo in Manual Solve mode only"},
        {Qt::Key_PageDown, Qt::NoModifier, "message: Error reading puzzle# 2"},
        {Qt::Key_End, Qt::ControlModifier, "message: Error reading puzzle# 3"},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "message: Invalid puzzle"},
    };
    for (const auto& [key, modifiers, expected] : keys) {
        menusShown.clear();
        ui.log.clear();
        std::tie(st().puznum, st().npuzzles) = std::pair(1, 3); // a failed read forgets them
        QTest::keyClick(grid(), key, modifiers);
        const QString seen = menusShown.isEmpty()
                                 ? QString::fromStdString(ui.log.empty() ? "" : ui.log[0])
                                 : menusShown[0];
        EXPECT_TRUE(seen.startsWith(expected)) << seen.toStdString();
    }
    st().autosolving = true; // Ctrl+P is refused as the Print button is
    QTest::keyClick(grid(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_TRUE(ui.log.back() == "message: Cancel AutoSolve first" && st().cancelsolve);
    st().autosolving = false;
    bool helpShown = false;
    QTimer::singleShot(0, [&] {
        helpShown = qobject_cast<HelpViewer*>(QApplication::activeModalWidget());
        if (helpShown)
            QApplication::activeModalWidget()->close();
    });
    QTest::keyClick(grid(), Qt::Key_F1);
    EXPECT_TRUE(helpShown);
    EXPECT_EQ(toolTipWithKey(*w.button("Exitcmd")), "Exit (Ctrl+Q)");
    const KeyEvent shifted = toKeyEvent(CellKey{0, Qt::Key_At, Qt::ShiftModifier, false}, 0);
    EXPECT_TRUE(shifted.code == KeyCode::Digit && shifted.digit == 2 && shifted.shift);
    EXPECT_EQ(w.action("mnuundo")->shortcut(), QKeySequence("Ctrl+Z"));
}

TEST_F(GridGui, HintFromTheMenuAndKeyHShowsInTheHintLineBelowTheGrid) {
    puzzle();
    trigger("mnusolvemanually");
    QLabel* line = w.label("HintLine");
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->isVisible());
    const int height = w.height();
    trigger("mnuhint");
    EXPECT_EQ(line->text(), "Hint 1 of 3: Combinations (easy): look at the marked cells.");
    EXPECT_TRUE(line->isVisible() && line->y() > w.gridView()->geometry().bottom());
    EXPECT_GT(w.height(), height);
    EXPECT_EQ(w.action("mnuhint")->shortcut(), QKeySequence(Qt::Key_H));
    QTest::keyClick(grid(), Qt::Key_H);
    EXPECT_TRUE(line->text().startsWith("Hint 2 of 3: 4 across")) << line->text().toStdString();
    QTest::keyClick(grid(), Qt::Key_H);
    EXPECT_EQ(st().grid[7].Choices, "1");
    trigger("mnuundo"); // the whole hint at once
    EXPECT_EQ(st().grid[7].Choices, "12");
    trigger("mnustopmanual");
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(w.height(), height);
    EXPECT_TRUE(ui.messages.empty());
}
