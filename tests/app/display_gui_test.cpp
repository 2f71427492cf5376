// The grid's display: view sizes, pencil marks, a file named on the command
// line, the installed layout of the shipped files.
#include "app/app_paths.h"
#include "app/grid_view.h"
#include "app/main_window.h"
#include "app/qt_support.h"
#include "model/geometry.h"
#include "program_folder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;
using namespace vextor::test;

namespace {

const std::string kPuzzle = "#1\r\nSmall\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n";

struct DisplayFixture : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    std::unique_ptr<MainWindow> w;
    void start() {
        writeFile(dir.file("p.vxt"), kPuzzle);
        fillProgramFolder(dir, "default.sch", dir.file("p.vxt"));
        w = startProgram(dir, &ui);
    }
};

} // namespace

TEST_F(DisplayFixture, ViewSizesGrowGridAndWindowAndAreRemembered) {
    start();
    GridView* g = w->gridView();
    const QSize cell100 = g->cellRect(5).size(), window100 = w->size(), area100 = g->size();
    for (int percent : {125, 150, 200}) {
        w->action(QString("mnuzoom%1").arg(percent))->trigger();
        const QSize cell = g->cellRect(5).size();
        EXPECT_NEAR(cell.width(), cell100.width() * percent / 100.0, 1) << percent;
        EXPECT_NEAR(cell.height(), cell100.height() * percent / 100.0, 1) << percent;
        // The grid area takes the grown cells; the window grows with it.
        EXPECT_NEAR(g->height(), area100.height() * percent / 100.0, 1) << percent;
        EXPECT_EQ(w->height() - g->height(), window100.height() - area100.height());
        // A point in each cell maps back to that cell.
        for (int i = 1; i <= 9; ++i) {
            const QPoint t = g->toTwips(g->cellRect(i).center());
            EXPECT_EQ(cellAt(w->state().grid, t.x(), t.y()), i) << percent;
        }
    }
    EXPECT_GT(w->width(), window100.width());
    w->stepZoom(1); // the largest size stays
    EXPECT_EQ(g->zoom(), 200);
    w->stepZoom(-1);
    // The next start shows the last size.
    auto again = startProgram(dir, &ui);
    EXPECT_EQ(again->gridView()->zoom(), 150);
    again->setZoom(100);
    EXPECT_EQ(again->size(), window100);
}

TEST_F(DisplayFixture, PencilMarksLandInTheirPlacesOfTheThreeByThreePattern) {
    start();
    w->setZoom(150);
    AppState& st = w->state();
    // The white cell 5, away from the cursor; the marks fill the cell below
    // the corner marker, a ninth each.
    st.grid[st.curcell].tick = 0;
    for (std::string marks : {"159", "2468", "37"}) {
        st.grid[5].Choices = marks;
        const QImage img = w->gridView()->grab().toImage();
        const QRect cell = w->gridView()->cellRect(5);
        const int top = w->gridView()->zoomed(156);
        for (int d = 1; d <= 9; ++d) {
            const int c = (d - 1) % 3, r = (d - 1) / 3;
            const QRect ninth(cell.left() + cell.width() * c / 3,
                              cell.top() + top + (cell.height() - top) * r / 3, cell.width() / 3,
                              (cell.height() - top) / 3);
            int dark = 0;
            for (int x = ninth.left() + 2; x < ninth.right() - 1; ++x)
                for (int y = ninth.top() + 1; y < ninth.bottom() - 1; ++y)
                    dark += img.pixelColor(x, y).lightness() < 128;
            EXPECT_EQ(dark > 3, marks.find(char('0' + d)) != std::string::npos)
                << marks << " digit " << d << " dark pixels " << dark;
        }
    }
    w->setZoom(100);
}

TEST_F(DisplayFixture, AFileNamedOnTheCommandLineOpensAtRecordOne) {
    start();
    writeFile(dir.file("two.vxt"),
              kPuzzle + "#2\r\nSecond\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n");
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.folder()));
    w->openFile("two.vxt"); // relative to the current folder
    QDir::setCurrent(cwd);
    EXPECT_EQ(w->windowTitle(), QString::fromStdString(dir.file("two.vxt")));
    EXPECT_EQ(w->label("puznumber")->text(), " of 2");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(InstalledLayout, ShippedFilesComeFromShareAndWritesGoToTheUserFolder) {
    TempDir prefix;
    QDir root(QString::fromStdString(prefix.folder()));
    root.mkpath("bin");
    root.mkpath("share/vextor");
    for (const char* f : {"share/vextor/vextor.htm", "share/vextor/teal.sch"})
        writeFile(prefix.file(f), "x");
    const QString bin = root.filePath("bin");
    EXPECT_EQ(resourceFolder(bin), root.filePath("share/vextor"));
    const QString data = resolveAppFolder(bin);
    EXPECT_EQ(data, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_TRUE(QFileInfo::exists(data + "/teal.sch") && QFileInfo::exists(data + "/vextor.htm"));
    // A program folder holding its files (a build) is used as it is.
    writeFile(prefix.file("bin/vextor.htm"), "x");
    EXPECT_EQ(resolveAppFolder(bin), bin);
}
