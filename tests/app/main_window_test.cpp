#include "app/command_table.h"
#include "app/grid_view.h"
#include "app/main_window.h"
#include "app/qt_support.h"
#include "base/text.h"
#include "files/puzzle_file.h"
#include "program_folder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace vextor;
using namespace vextor::app;
using namespace vextor::test;

namespace {

const std::string kThree = "#1\r\nFirst one\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n"
                           "#2\r\nSecond\r\n 3, 4\r\nX 0,3 0,4 X\r\n3,0 2 X\r\n4,0 2 X\r\n"
                           "#3\r\nThird\r\n 5, 5\r\nX X X X X\r\nX X X X X\r\nX 0,3 0,4 X X\r\n"
                           "3,0 2 X X\r\n4,0 2 X X\r\n";

struct WindowFixture : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    std::unique_ptr<MainWindow> w;
    std::vector<QString> shownMenus;
    void start(bool withPuzzles = false) {
        if (withPuzzles)
            writeFile(dir.file("puzzles.vxt"), kThree);
        test::fillProgramFolder(dir, "default.sch", withPuzzles ? dir.file("puzzles.vxt") : "");
        w = test::startProgram(
            dir, &ui, [this](QMenu* m, const QPoint&) { shownMenus.push_back(m->objectName()); });
    }
    AppState& st() { return w->state(); }
    void click(const QString& name) {
        QPushButton* b = w->button(name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QString text(const QString& label) { return w->label(label)->text(); }
    // The painted colour inside cell i, away from its texts and border.
    QColor paintedColour(int i) {
        const QImage img = w->gridView()->grab().toImage();
        const QRect r = w->gridView()->cellRect(i);
        return img.pixelColor(r.left() + r.width() / 2, r.bottom() - 3);
    }
};

} // namespace

TEST_F(WindowFixture, FreshStartWritesTheConfigurationAndShowsAnEmptyGrid) {
    start();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Configuration file:\r\n" + dir.folder() +
                                  "vextor.cfg\r\ncould not be accessed, new file will be created");
    const std::string cfg = readFile(dir.file("vextor.cfg"));
    EXPECT_NE(cfg.find("\r\ndefault.sch\r\n" + dir.folder() + "puzzles.vxt\r\n"),
              std::string::npos);
    EXPECT_TRUE(st().grid.rows == 9 && st().grid.cols == 9);
    EXPECT_EQ(text("Title") + text("puznumber") + w->numberBox()->text() + w->windowTitle(), "");
    // The grid area takes the width of ten columns and the height of nine rows.
    EXPECT_EQ(w->gridView()->width(), px(6450));
    EXPECT_EQ(w->gridView()->height(), px(9 * 564 + 120));
    EXPECT_EQ(paintedColour(40), QColor(255, 255, 255));
}

TEST_F(WindowFixture, StartWithThePuzzleFileShowsRecordOneAndNavigates) {
    start(true);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(text("Title") + text("GridSize") + text("puznumber"), "First one3x3 of 3");
    EXPECT_EQ(w->windowTitle(), QString::fromStdString(dir.file("puzzles.vxt")));
    EXPECT_EQ(paintedColour(1), QColor(0, 0, 0));
    EXPECT_EQ(paintedColour(5), QColor(255, 255, 255));
    // Next, Previous twice (wrapping), First, Last.
    const std::pair<const char*, const char*> steps[] = {{"Command8_2", "Second"},
                                                         {"Command8_0", "First one"},
                                                         {"Command8_0", "Third"},
                                                         {"Command8_1", "First one"},
                                                         {"Command8_3", "Third"}};
    for (auto [button, title] : steps) {
        click(button);
        EXPECT_EQ(text("Title"), title) << button;
    }
    EXPECT_EQ(w->numberBox()->text(), "3");
    // A number typed into the box, then Enter.
    w->numberBox()->setFocus();
    w->numberBox()->selectAll();
    QTest::keyClicks(w->numberBox(), "2");
    QTest::keyClick(w->numberBox(), Qt::Key_Return);
    EXPECT_EQ(text("Title"), "Second");
    // With entries made by hand, No to "Discard your entries?" shows 2 again.
    st().manualmode = true;
    for (int i = 1; i <= st().grid.ncells; ++i)
        if (!st().grid[i].known)
            st().grid[i].Choices = "x";
    w->numberBox()->selectAll();
    QTest::keyClicks(w->numberBox(), "3");
    QTest::keyClick(w->numberBox(), Qt::Key_Return);
    EXPECT_EQ(ui.log.back(), "yesno, default No: Discard your entries?");
    EXPECT_EQ((text("Title") + w->numberBox()->text()).toStdString(), "Second2");
}

TEST_F(WindowFixture, SchemeMenuRecoloursCellsAndPanels) {
    start(true);
    EXPECT_TRUE(w->action("mnucolx3")->isChecked()); // default, from the configuration

    w->action("mnucolx19")->trigger(); // teal
    EXPECT_EQ(st().schemefile, "teal.sch");
    EXPECT_NE(st().whitecol, packColour(255, 255, 255));
    EXPECT_EQ(paintedColour(5), toQColor(st().whitecol));
    const QRect sum = w->gridView()->cellRect(4);
    const QImage img = w->gridView()->grab().toImage();
    EXPECT_EQ(img.pixelColor(sum.right() - 4, sum.bottom() - 12), toQColor(st().greycol));
    EXPECT_EQ(w->palette().color(QPalette::Window), toQColor(st().schemecolours[2]));
    // Default: pure white cells again.
    w->action("mnucolx3")->trigger();
    EXPECT_EQ(paintedColour(5), QColor(255, 255, 255));
}

TEST_F(WindowFixture, ExitAsksAndOnYesSavesAndClosesEveryWindow) {
    start();
    w->action("mnucolx1")->trigger(); // blue, kept in memory only
    const std::string before = readFile(dir.file("vextor.cfg"));
    ui.yesNoAnswers = {false};
    click("Exitcmd");
    EXPECT_EQ(ui.log.back(), "yesno: Exit?");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(readFile(dir.file("vextor.cfg")), before);
    QWidget pad; // another window of the program, like the cell pad
    pad.show();
    ui.yesNoAnswers = {true};
    click("Exitcmd");
    EXPECT_FALSE(w->isVisible() || pad.isVisible());
    EXPECT_NE(readFile(dir.file("vextor.cfg")).find("\r\nblue.sch\r\n"), std::string::npos);
}

TEST_F(WindowFixture, AutoSolveRefusesTheCommandsTheTableMarks) {
    start(true);
    st().autosolving = true;
    std::size_t refused = 0;
    for (const AppCommand& c : appCommands()) {
        const QString name =
            QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size()));
        if (!c.refusedWhileSolving || c.shownDisabled)
            continue;
        if (c.menu.empty())
            w->findChild<QAbstractButton*>(name)->click();
        else
            w->action(name)->trigger();
        EXPECT_EQ(ui.messages.size(), ++refused) << name.toStdString();
    }
    EXPECT_EQ(ui.messages, std::vector<std::string>(refused, "Cancel AutoSolve first"));
    EXPECT_TRUE(shownMenus.empty());
    EXPECT_EQ(st().puznum, 1);
    // The menus that only lead on open while AutoSolve runs.
    for (const char* b : {"Save", "sortcmd", "ManualSolve", "setcol"})
        click(b);
    st().autosolving = false;
    click("Printcmd");
    click("Command11");
    EXPECT_EQ(shownMenus, (std::vector<QString>{"mnupuzfile", "mnupuzzle", "mnumanualsolve",
                                                "mnuColScheme", "mnuprint", "mnucreate"}));
    EXPECT_EQ(ui.messages.size(), refused);
}

TEST_F(WindowFixture, CommandRowsThatMatchNothingStopTheStart) {
    start();
    using Rows = std::vector<AppCommand>;
    const Rows bad[] = {
        {{"mnuextra", "Extra", "mnunomenu"}},
        {{"Command99", "No such button"}},
        {{"mnuextra", "Extra", "mnumanualsolve", "Ctrl+Bogus"}},
        {{"mnuundo", "Undo Last Entry", "mnumanualsolve"}},
        {{"mnuextra", "Extra", "mnumanualsolve", "J"},
         {"mnuextra2", "Extra", "mnumanualsolve", "J"}},
    };
    for (const Rows& rows : bad) {
        try {
            installCommands(*w, rows);
            ADD_FAILURE() << rows.back().name;
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find(rows.back().name), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(w->menu("mnumanualsolve")->actions().size(), 11); // nothing was added
}
