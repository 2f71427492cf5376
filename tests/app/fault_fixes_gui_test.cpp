// The window after a failed load of a larger record, Exit with a
// configuration file that cannot be written, and the scheme menu's check
// mark after a scheme file was missing.
#include "app/grid_view.h"
#include "app/main_window.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QAction>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;
using vextor::test::ScriptedUserInterface;
using vextor::test::TempDir;
using vextor::test::writeFile;

namespace {

struct FaultWindow : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    std::unique_ptr<MainWindow> w;

    void SetUp() override {
        for (const auto& f : std::filesystem::directory_iterator(test::resourcesDir()))
            if (f.is_regular_file() && f.path().filename() != "puzzles.vxt")
                std::filesystem::copy_file(f.path(), dir.path() / f.path().filename());
    }
    void start(const std::string& scheme, const std::string& puzzles) {
        writeFile(dir.file("puzzles.vxt"), puzzles);
        writeFile(dir.file("vextor.cfg"),
                  "01-01-2026 00:00:00\r\n" + scheme + "\r\n" + dir.file("puzzles.vxt") + "\r\n");
        w = std::make_unique<MainWindow>(&ui);
        w->showMenu = [](QMenu*, const QPoint&) {};
        w->startUp(QString::fromStdString(dir.path().string()));
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    std::vector<int> checkedSchemes() {
        std::vector<int> out;
        for (int i = 0; i < 24; ++i)
            if (w->action(QString("mnucolx%1").arg(i))->isChecked())
                out.push_back(i);
        return out;
    }
};

const std::string kTiny = "#1\r\nTiny\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n";

} // namespace

TEST_F(FaultWindow, AFailedLoadOfALargerRecordShowsItsCellsInPlace) {
    // Record 2 has a valid 6 x 7 size but only two row lines.
    ASSERT_NO_FATAL_FAILURE(
        start("default.sch", kTiny + "#2\r\nBig\r\n 6, 7\r\nX X X X X X X\r\nX 6\r\n"));
    QTest::mouseClick(w->button("Command8_2"), Qt::LeftButton); // Next
    ASSERT_EQ(ui.messages.back(), "Error reading puzzle# 2 from file " + dir.file("puzzles.vxt"));
    GridView* grid = w->gridView();
    ASSERT_EQ(w->state().grid.ncells, 42);
    const QRect area = grid->rect();
    for (int i = 1; i <= 42; ++i) {
        const QRect r = grid->cellRect(i);
        EXPECT_TRUE(area.contains(r)) << i;
        if (i > 1) {
            EXPECT_NE(r.topLeft(), grid->cellRect(1).topLeft()) << i;
        }
    }
    EXPECT_EQ(grid->cellRect(42).left(), grid->cellRect(7).left());
    EXPECT_GT(grid->cellRect(42).top(), grid->cellRect(35).top());
}

TEST_F(FaultWindow, ExitTellsThatTheOptionsCouldNotBeSaved) {
    ASSERT_NO_FATAL_FAILURE(start("default.sch", kTiny));
    // A folder in the file's place: no one, not even an administrator, can
    // write the configuration there.
    std::filesystem::remove(dir.file("vextor.cfg"));
    std::filesystem::create_directory(dir.file("vextor.cfg"));
    writeFile(dir.file("undofile.vxt"), "1,\r\n");
    ui.messages.clear();
    ui.yesNoAnswers = {true};
    QTest::mouseClick(w->button("Exitcmd"), Qt::LeftButton);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Configuration file:\r\n" + dir.folder() +
                                                    "vextor.cfg\r\ncould not be accessed, "
                                                    "options not saved"});
    // The Exit goes on: working files deleted, the window closed.
    EXPECT_FALSE(std::filesystem::exists(dir.file("undofile.vxt")));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FaultWindow, AMissingSchemeLeavesTheCheckOnTheSchemeInUse) {
    ASSERT_NO_FATAL_FAILURE(start("teal.sch", kTiny));
    EXPECT_EQ(checkedSchemes(), std::vector<int>{19});
    const Colour white = w->state().whitecol;
    std::filesystem::remove(dir.file("maple.sch"));
    w->action("mnucolx9")->trigger(); // maple
    EXPECT_EQ(ui.messages.back(), "Color Scheme File: maple.sch not found");
    EXPECT_EQ(w->state().whitecol, white);
    EXPECT_EQ(checkedSchemes(), std::vector<int>{19});

    // Choosing the scheme in use again keeps its mark; another one moves it.
    w->action("mnucolx19")->trigger();
    EXPECT_EQ(checkedSchemes(), std::vector<int>{19});
    w->action("mnucolx1")->trigger(); // blue
    EXPECT_EQ(checkedSchemes(), std::vector<int>{1});
}
