// The main window: start-up, navigation, schemes, Exit, and every command
// table row reaching the core.
#include "app/command_table.h"
#include "app/grid_view.h"
#include "app/qt_support.h"
#include "program_folder.h"

#include <QAbstractButton>
#include <QImage>
#include <stdexcept>

using namespace vextor;
using namespace vextor::app;
using namespace vextor::test;

namespace {

// #1 has two solutions (the digits of the square swap), the others one.
const std::string kThree = "#1\r\nFirst one\r\n 3, 3\r\nX 0,4 0,4\r\n4,0 2\r\n4,0 2\r\n"
                           "#2\r\nSecond\r\n 3, 4\r\nX 0,3 0,4 X\r\n3,0 2 X\r\n4,0 2 X\r\n"
                           "#3\r\nThird\r\n 5, 5\r\nX X X X X\r\nX X X X X\r\nX 0,3 0,4 X X\r\n"
                           "3,0 2 X X\r\n4,0 2 X X\r\n";

struct WindowFixture : ProgramWindow {
    // The painted colour inside cell i, away from its texts and border.
    QColor paintedColour(int i) {
        const QImage img = w->gridView()->grab().toImage();
        const QRect r = w->gridView()->cellRect(i);
        return img.pixelColor(r.left() + r.width() / 2, r.bottom() - 3);
    }
    std::vector<int> checkedSchemes() {
        std::vector<int> out;
        for (int i = 0; i < 24; ++i)
            if (w->action(QString("mnucolx%1").arg(i))->isChecked())
                out.push_back(i);
        return out;
    }
};

} // namespace

TEST_F(WindowFixture, FreshStartWritesTheConfigurationAndShowsAnEmptyGrid) {
    start();
    EXPECT_EQ(text("Title") + text("puznumber") + w->numberBox()->text() + w->windowTitle(), "");
    // The grid area takes the width of ten columns and the height of nine rows.
    EXPECT_EQ(w->gridView()->width(), px(6450));
    EXPECT_EQ(w->gridView()->height(), px(9 * 564 + 120));
    EXPECT_EQ(paintedColour(40), QColor(255, 255, 255));
}

TEST_F(WindowFixture, StartWithThePuzzleFileShowsRecordOneAndNavigates) {
    start(kThree);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(text("Title") + text("GridSize") + text("puznumber"), "First one3x3 of 3");
    EXPECT_EQ(w->windowTitle(), QString::fromStdString(puz));
    EXPECT_EQ(text("Difficulty").left(6), "trial ");
    EXPECT_EQ(paintedColour(1), QColor(0, 0, 0));
    EXPECT_EQ(paintedColour(5), QColor(255, 255, 255));
    // Previous and Next wrap around; First, Last.
    const std::pair<const char*, const char*> steps[] = {{"Command8_0", "Third"},
                                                         {"Command8_2", "First one"},
                                                         {"Command8_3", "Third"},
                                                         {"Command8_1", "First one"}};
    for (auto [button, title] : steps) {
        run(button);
        EXPECT_EQ(text("Title"), title) << button;
    }
    // A number typed into the box, then Enter; with entries made by hand, No to
    // "Discard your entries?" shows the record's number again.
    for (const char* typed : {"2", "3"}) {
        w->numberBox()->selectAll();
        QTest::keyClicks(w->numberBox(), typed);
        QTest::keyClick(w->numberBox(), Qt::Key_Return);
        st().manualmode = true;
        for (int i = 1; i <= st().grid.ncells; ++i)
            if (!st().grid[i].known)
                st().grid[i].Choices = "x";
    }
    EXPECT_EQ(ui.log.back(), "yesno, default No: Discard your entries?");
    EXPECT_EQ((text("Title") + w->numberBox()->text()).toStdString(), "Second2");
}

TEST_F(WindowFixture, MenuItemsReachTheCoreAndTheLabelsFollow) {
    start(kThree);
    // Each item or button and the first thing it says or asks, answered No.
    const std::pair<const char*, std::string> rows[] = {
        {"mnuviewsol", "message: There is no solution for puzzle# 1 in file:\r\n" + puz},
        {"mnucountsol", "message: This puzzle has two or more solutions"},
        {"mnudeletepuz", "yesno: Delete current puzzle from file?"},
        {"mnusaveas", "pick: Vextor"},
        {"mnubackup", "message: File backed up as:\r\n" + dir.file("puzzles;01.vxt")},
        {"mnucleargrid", "yesno, default No: Clear grid?"},
        {"mnunewgrid", "input: New Grid: "},
        {"mnucompile", "message: Done"},
    };
    for (const auto& [name, said] : rows) {
        ui.log.clear();
        run(name);
        EXPECT_EQ(ui.log.empty() ? "" : ui.log[0].substr(0, said.size()), said) << name;
    }
    // The difficulty label under "Done" rates the record shown, not the deleted one.
    run("Command8_1");
    ui.yesNoAnswers = {true};
    std::string ratedAtDone;
    ui.onMessage = [&](const std::string&) { ratedAtDone = st().texts.difficulty; };
    run("mnudeletepuz");
    EXPECT_EQ(ui.messages.back() + "|" + ratedAtDone.substr(0, 5), "Done|easy ");
    EXPECT_EQ(text("Title") + text("puznumber"), "Second of 2");
    // Below the grid area, whole: a new random 10 x 10 puzzle.
    QPushButton* random = w->button("Command14");
    EXPECT_TRUE(random->isVisible() && w->rect().contains(random->geometry()) &&
                !w->gridView()->geometry().intersects(random->geometry()));
    run("Command14");
    EXPECT_TRUE(st().grid.rows == 10 && st().grid.cols == 10 && w->gridView()->isVisible());
}

TEST_F(WindowFixture, SchemeMenuRecoloursCellsAndPanelsAndKeepsItsCheck) {
    start(kThree);
    EXPECT_EQ(checkedSchemes(), std::vector<int>{3}); // default, from the configuration
    run("mnucolx19");                                 // teal
    EXPECT_EQ(st().schemefile, "teal.sch");
    EXPECT_EQ(paintedColour(5), toQColor(st().whitecol));
    EXPECT_NE(st().whitecol, packColour(255, 255, 255));
    const QRect sum = w->gridView()->cellRect(4);
    const QImage img = w->gridView()->grab().toImage();
    EXPECT_EQ(img.pixelColor(sum.right() - 4, sum.bottom() - 12), toQColor(st().greycol));
    EXPECT_EQ(w->palette().color(QPalette::Window), toQColor(st().schemecolours[2]));
    // A missing scheme leaves colours and the check on the scheme in use.
    std::filesystem::remove(dir.file("maple.sch"));
    run("mnucolx9");
    EXPECT_EQ(paintedColour(5), toQColor(st().whitecol));
    EXPECT_EQ(checkedSchemes(), std::vector<int>{19});
    run("mnucolx19"); // the scheme in use again keeps its mark
    EXPECT_EQ(checkedSchemes(), std::vector<int>{19});
    run("mnucolx3");
    EXPECT_EQ(checkedSchemes(), std::vector<int>{3});
    EXPECT_EQ(paintedColour(5), QColor(255, 255, 255));
}

TEST_F(WindowFixture, ExitAsksAndOnYesClosesEveryWindowTellingOfAnUnsavedConfiguration) {
    start(kThree);
    ui.yesNoAnswers = {false};
    run("Exitcmd");
    EXPECT_EQ(ui.log.back(), "yesno: Exit?");
    EXPECT_TRUE(w->isVisible());
    // A folder in the file's place: not even root can write the configuration.
    std::filesystem::remove(dir.file("vextor.cfg"));
    std::filesystem::create_directory(dir.file("vextor.cfg"));
    QWidget pad; // another window of the program, like the cell pad
    pad.show();
    ui.yesNoAnswers = {true};
    run("Exitcmd");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Configuration file:\r\n" + dir.folder() +
                                                    "vextor.cfg\r\ncould not be accessed, "
                                                    "options not saved"});
    EXPECT_FALSE(w->isVisible() || pad.isVisible());
}

TEST_F(WindowFixture, AutoSolveRefusesTheCommandsTheTableMarks) {
    start(kThree);
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
        run(b);
    st().autosolving = false;
    run("Printcmd");
    run("Command11");
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
        {{.name = "mnuextra", .menu = "mnumanualsolve", .key = "K", .otherKey = "K"}},
    };
    for (const Rows& rows : bad) {
        try {
            installCommands(*w, rows);
            ADD_FAILURE() << rows.back().name;
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find(rows.back().name), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(w->menu("mnumanualsolve")->actions().size(), 15); // nothing was added
}
