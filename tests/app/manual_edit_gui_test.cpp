// Solving by hand, Auto Solve and drawing layouts through the real widgets.
#include "app/cell_pad.h"
#include "app/grid_interaction.h"
#include "app/help_viewer.h"
#include "app/keyboard.h"
#include "app/qt_support.h"
#include "model/grid_checks.h"
#include "program_folder.h"
#include "solver/rules.h"
#include "support/grid_builder.h"
#include "support/random_puzzle.h"

#include <QImage>

using namespace vextor;
using namespace vextor::app;
using namespace vextor::test;

namespace {

struct GridGui : ProgramWindow {
    void SetUp() override {
        start();
        ui.messages.clear();
    }
    GridView* grid() { return w->gridView(); }
    CellPad* pad() { return w->findChild<CellPad*>("Form2"); }
    QPoint at(int cell, int xTwips = 300, int yTwips = 300) {
        return grid()->cellRect(cell).topLeft() + QPoint(px(xTwips), px(yTwips));
    }
    void rightClick(int cell, int xTwips = 300, int yTwips = 300) {
        QTest::mouseClick(grid(), Qt::RightButton, {}, at(cell, xTwips, yTwips));
    }
    // Solved by 1 3 / 2 4; solving by hand starts on cell 7.
    void solveByHand() {
        makeGrid(st(), {"X 0,3 0,7 X X", "4,0 . . X X", "6,0 . . X X", "X X X X X", "X X X X X"});
        w->refresh();
        run("mnusolvemanually");
        grid()->setFocus();
    }
};

struct SolverWindow : GridGui {
    // A loosely clued 9 x 9 puzzle that needs many guesses.
    void SetUp() override {
        GridGui::SetUp();
        makeRandomPuzzle(st(), 9, 9, 1, 0.85);
        w->refresh();
    }
};

} // namespace

TEST_F(GridGui, DigitMenuKeysAndItemsOfSolvingByHand) {
    solveByHand();
    ASSERT_TRUE(st().manualmode && st().curcell == 7);
    const QRect cursor = grid()->cellRect(7); // outlined along its right edge
    EXPECT_EQ(grid()->grab().toImage().pixelColor(cursor.right() - 1, cursor.center().y()),
              toQColor(describeCell(st(), 7).cursorColour));
    pick = "xx2"; // "3"
    rightClick(8);
    EXPECT_EQ(shownMenus, std::vector<QString>{"mnucnx"});
    EXPECT_EQ(st().grid[8].Choices + st().undolist.front(), "38,13");
    pick = "xx10"; // Reset
    rightClick(8);
    EXPECT_EQ(st().grid[8].Choices, "13");
    EXPECT_EQ(st().curcell, 7); // the cursor stays
    // Arrow keys move the green tick; keypad digits enter too.
    QTest::keyClick(grid(), Qt::Key_Right);
    EXPECT_TRUE(st().grid[8].tick == st().greencol && st().grid[7].tick == 0u);
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(st().grid[13].Choices, "4");
    EXPECT_FALSE(pad()->isVisible());
}

TEST_F(GridGui, ThePadOpensOverTheClickedCellAndSetsClues) {
    run("mnuedit");
    ASSERT_TRUE(st().editmode);
    const int cell = st().grid.CellIndex(2, 3);
    rightClick(cell, 400, 100);
    ASSERT_TRUE(pad()->isVisible());
    const QPoint corner = grid()->mapToGlobal(grid()->cellRect(cell).topLeft());
    EXPECT_LE((pad()->pos() - corner).manhattanLength(), 2);
    QTest::mouseClick(pad()->numberButton(17), Qt::LeftButton);
    EXPECT_FALSE(pad()->isVisible());
    EXPECT_EQ(st().grid[cell].across, 17);
    // A right-button pair: the first number turns red and the pad stays.
    rightClick(cell, 100, 450);
    QTest::mouseClick(pad()->numberButton(12), Qt::RightButton);
    EXPECT_TRUE(pad()->isVisible() && pad()->numberButton(12)->face() == toQColor(st().redcol));
    QTest::mouseClick(pad()->numberButton(7), Qt::RightButton);
    EXPECT_FALSE(pad()->isVisible()); // and the red goes
    EXPECT_EQ(st().grid[cell].across * 100 + st().grid[cell].down, 1207);
    EXPECT_EQ(pad()->numberButton(12)->face(), toQColor(st().whitecol));
    rightClick(st().grid.ncells);
    QTest::mouseClick(pad()->button(PadButtonKind::Black), Qt::LeftButton);
    EXPECT_TRUE(st().grid[st().grid.ncells].Black);
    // A clue typed on the cell the left button chose.
    QTest::mouseClick(grid(), Qt::LeftButton, {}, at(11));
    QTest::keyClicks(grid(), "23,9");
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(st().grid[11].across * 100 + st().grid[11].down, 2309);
}

TEST_F(GridGui, ThePadGoesAwayWhenItsTargetGoesStale) {
    run("mnuedit");
    ui.defaultYesNo = true; // Clear grid?
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"moving over the grid",
         [&] {
             QTest::mouseMove(grid(), at(40));
             QTest::mouseMove(grid(), at(41));
         }},
        {"mnunewgrid",
         [&] {
             ui.inputAnswers = {"5,5"};
             run("mnunewgrid");
         }},
        {"mnuedit", [&] { run("mnuedit"); }},
        {"mnucleargrid", [&] { run("mnucleargrid"); }},
        {"Command13", [&] { run("Command13"); }},
        {"AutoSolve", [&] { run("AutoSolve"); }}};
    for (const auto& [name, command] : ways) {
        rightClick(1);
        ASSERT_TRUE(pad()->isVisible()) << name;
        command();
        EXPECT_FALSE(pad()->isVisible()) << name;
    }
}

TEST_F(GridGui, OnlyTheWindowBackgroundDisarmsThePadChoice) {
    run("mnuedit");
    st().pendingaction = "Black";
    QTest::mouseClick(grid(), Qt::LeftButton, {}, QPoint(grid()->width() - 3, 3)); // no cell
    QTest::mouseClick(w->label("Title"), Qt::LeftButton);
    EXPECT_EQ(st().pendingaction, "Black");
    const QPoint background(2, w->height() - 2);
    ASSERT_EQ(w->childAt(background), nullptr);
    QTest::mouseClick(w.get(), Qt::LeftButton, {}, background);
    EXPECT_TRUE(st().pendingaction.empty());
}

TEST_F(GridGui, ShortcutsReachTheButtonsAndItems) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    grid()->setFocus();
    // Each key: the menu it opens, or the start of what it says or asks.
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*> keys[] = {
        {Qt::Key_F, Qt::AltModifier, "mnupuzfile"},
        {Qt::Key_M, Qt::AltModifier, "mnumanualsolve"},
        {Qt::Key_O, Qt::ControlModifier, "pick: Vextor"},
        {Qt::Key_Q, Qt::ControlModifier, "yesno: Exit?"},
        {Qt::Key_Z, Qt::ControlModifier, "message: Undo in Manual Solve mode only"},
        {Qt::Key_PageDown, Qt::NoModifier, "message: Error reading puzzle# 2"},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "message: Invalid puzzle"},
    };
    for (const auto& [key, modifiers, expected] : keys) {
        shownMenus.clear();
        ui.log.clear();
        std::tie(st().puznum, st().npuzzles) = std::pair(1, 3); // a failed read forgets them
        QTest::keyClick(grid(), key, modifiers);
        const QString seen = shownMenus.empty()
                                 ? QString::fromStdString(ui.log.empty() ? "" : ui.log[0])
                                 : shownMenus[0];
        EXPECT_TRUE(seen.startsWith(expected)) << seen.toStdString();
    }
    st().autosolving = true; // Ctrl+P is refused as the Print button is
    QTest::keyClick(grid(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_TRUE(ui.log.back() == "message: Cancel AutoSolve first" && st().cancelsolve);
    st().autosolving = false;
    bool helpShown = false;
    onModal([&](QWidget* m) {
        helpShown = qobject_cast<HelpViewer*>(m);
        m->close();
    });
    QTest::keyClick(grid(), Qt::Key_F1);
    EXPECT_TRUE(helpShown);
    EXPECT_EQ(toolTipWithKey(*w->button("Exitcmd")), "Exit (Ctrl+Q)");
    const KeyEvent shifted = toKeyEvent(CellKey{0, Qt::Key_At, Qt::ShiftModifier, false}, 0);
    EXPECT_TRUE(shifted.code == KeyCode::Digit && shifted.digit == 2 && shifted.shift);
}

TEST_F(GridGui, HelpButtonAndHintLineWhileSolvingByHand) {
    solveByHand();
    // The Help button's menu gives the cursor its tick back.
    st().grid[7].tick = 0;
    run("help");
    EXPECT_EQ(shownMenus, std::vector<QString>{"mnuhelpabout"});
    EXPECT_EQ(st().grid[7].tick, st().greencol);
    EXPECT_TRUE(grid()->hasFocus());
    QLabel* line = w->label("HintLine");
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->isVisible());
    const int height = w->height();
    run("mnuhint");
    EXPECT_EQ(line->text(), "Hint 1 of 3: Combinations (easy): look at the marked cells.");
    EXPECT_TRUE(line->isVisible() && line->y() > w->gridView()->geometry().bottom());
    EXPECT_GT(w->height(), height);
    QTest::keyClick(grid(), Qt::Key_H);
    EXPECT_TRUE(line->text().startsWith("Hint 2 of 3: 4 across")) << line->text().toStdString();
    run("mnustopmanual");
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(w->height(), height);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProgramWindow, AGameLeftOpenIsResumedAfterARestart) {
    start(tinyRecords(2));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    run("mnusolvemanually");
    GridView* grid = w->gridView();
    grid->setFocus();
    // Cell 5 gets 2; undo and redo by their keys, the second redo key too.
    const std::pair<QKeyCombination, const char*> keys[] = {
        {Qt::Key_2, "2"},
        {Qt::ControlModifier | Qt::Key_Z, "12"},
        {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z, "2"},
        {Qt::ControlModifier | Qt::Key_Z, "12"},
        {Qt::ControlModifier | Qt::Key_Y, "2"},
    };
    for (const auto& [key, cell5] : keys) {
        QTest::keyClick(grid, key.key(), key.keyboardModifiers());
        EXPECT_EQ(st().grid[5].Choices, cell5);
    }
    EXPECT_TRUE(w->label("Timer")->isVisible());
    const std::string entries = snapshotLine(st().grid);
    w.reset(); // the program ends
    ui.log.clear();
    ui.yesNoAnswers = {true};
    w = startProgram(dir, &ui);
    EXPECT_EQ(ui.log, std::vector<std::string>{"yesno: Resume where you left off?"});
    EXPECT_TRUE(st().manualmode && snapshotLine(st().grid) == entries);
    EXPECT_EQ(st().undolist.front(), "5,12");
}

TEST_F(SolverWindow, CancelAutoSolveStopsALongSolve) {
    int pumps = 0;
    ui.onPump = [&] {
        w->refresh(); // as the program's own interface does between cycles
        if (++pumps == 3) {
            EXPECT_EQ(w->button("AutoSolve")->toolTip(), "Cancel AutoSolve");
            run("AutoSolve"); // a click on Auto Solve while it runs is ignored
        }
        if (pumps == 4 || st().solver.guessesApplied >= 2)
            run("Command9");
    };
    run("AutoSolve");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancelled"});
    EXPECT_FALSE(st().autosolving);
    EXPECT_EQ(w->button("AutoSolve")->toolTip(), "Let computer solve this puzzle");
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(SolverWindow, ClosingWhileAutoSolveRunsEndsItWithoutAnOutcomeBox) {
    for (const bool exitButton : {false, true}) {
        SetUp();
        ui.yesNoAnswers = {true};
        int pumps = 0;
        ui.onPump = [&] {
            if (++pumps != 2)
                return;
            if (exitButton)
                run("Exitcmd");
            else
                w->close();
        };
        run("AutoSolve");
        EXPECT_FALSE(w->isVisible()) << exitButton;
        EXPECT_FALSE(st().autosolving);
        EXPECT_EQ(st().solver.solveresult, SolveResult::Cancelled) << exitButton;
        EXPECT_TRUE(ui.messages.empty()) << exitButton;
    }
    EXPECT_EQ(ui.log.back(), "yesno: Exit?");
}
