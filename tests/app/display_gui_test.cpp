// View sizes, pencil marks, a file named on the command line, installed copies.
#include "app/app_paths.h"
#include "app/grid_view.h"
#include "model/geometry.h"
#include "program_folder.h"

#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>

using namespace vextor;
using namespace vextor::test;

namespace {

const std::string kPuzzle = tinyRecord(1, false, "Small");

struct DisplayFixture : ProgramWindow {
    void SetUp() override { start(kPuzzle + kPuzzle); }
};

} // namespace

TEST_F(DisplayFixture, ViewSizesGrowGridAndWindowAndAreRemembered) {
    app::GridView* g = w->gridView();
    const QSize cell100 = g->cellRect(5).size(), window100 = w->size(), area100 = g->size();
    run("mnuzoom200");
    EXPECT_NEAR(g->cellRect(5).width(), cell100.width() * 2, 1);
    EXPECT_NEAR(g->height(), area100.height() * 2, 1);
    EXPECT_EQ(w->height() - g->height(), window100.height() - area100.height());
    for (int i = 1; i <= 9; ++i) { // a click maps back to its cell
        const QPoint t = g->toTwips(g->cellRect(i).center());
        EXPECT_EQ(cellAt(st().grid, t.x(), t.y()), i);
    }
    w->stepZoom(-1);
    auto again = startProgram(dir, &ui); // the next start shows the last size
    EXPECT_EQ(again->gridView()->zoom(), 150);
    again->setZoom(100);
    EXPECT_EQ(again->size(), window100);
}

TEST_F(DisplayFixture, TheWindowResizesFitToWindowFillsItAndATooLargeGridScrolls) {
    app::GridView* g = w->gridView();
    EXPECT_EQ(w->focusWidget(), g); // the keys reach the grid at once
    QAction* fit = w->action("mnufittowindow");
    ASSERT_TRUE(fit && fit->isCheckable());
    EXPECT_EQ(fit->shortcut(), QKeySequence("Ctrl+0"));
    const int width = g->width();
    w->resize(w->width() + 200, w->height() + 300);
    EXPECT_EQ(g->width(), width); // a view size keeps its grid
    fit->trigger();
    EXPECT_TRUE(w->fitToWindow() && QSettings().value("view/fitToWindow").toBool());
    EXPECT_TRUE(g->zoom() > 150 && !w->action("mnuzoom100")->isChecked());
    EXPECT_LT(w->gridArea()->geometry().bottom(), w->button("Command14")->y());
    run("mnuzoom100"); // a view size ends it
    EXPECT_FALSE(fit->isChecked() || w->fitToWindow());
    EXPECT_EQ(g->zoom(), 100);
    w->setZoom(200);
    w->resize(w->minimumSize());
    EXPECT_GT(w->gridArea()->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(w->rect().contains(w->button("Command14")->geometry()));
    w->setZoom(100);
}

TEST_F(DisplayFixture, PencilMarksLandInTheirNinthsBelowTheCornerMarker) {
    w->setZoom(150);
    st().grid[st().curcell].tick = 0; // no cursor marker in the way
    st().grid[5].Choices = "1569";
    const QImage img = w->gridView()->grab().toImage();
    const QRect cell = w->gridView()->cellRect(5);
    const int top = w->gridView()->zoomed(156), h = (cell.height() - top) / 3;
    for (int d = 1; d <= 9; ++d) {
        const QRect ninth(cell.left() + cell.width() * ((d - 1) % 3) / 3,
                          cell.top() + top + h * ((d - 1) / 3), cell.width() / 3, h);
        int dark = 0;
        for (int x = ninth.left() + 2; x < ninth.right() - 1; ++x)
            for (int y = ninth.top() + 1; y < ninth.bottom() - 1; ++y)
                dark += img.pixelColor(x, y).lightness() < 128;
        EXPECT_EQ(dark > 3, d == 1 || d == 5 || d == 6 || d == 9) << d;
    }
    w->setZoom(100);
}

TEST_F(DisplayFixture, CommandLineFileOpensAtRecordOneAndInstalledCopiesFindTheirFiles) {
    writeFile(dir.file("one.vxt"), kPuzzle);
    w->openFile(QString::fromStdString(dir.file("one.vxt")));
    EXPECT_EQ(w->windowTitle() + text("puznumber"),
              QString::fromStdString(dir.file("one.vxt")) + " of 1");
    // bin/vextor with share/vextor: files from there, writes in the user's folder.
    QDir root(QString::fromStdString(dir.folder()));
    root.mkpath("share/vextor");
    writeFile(dir.file("share/vextor/vextor.htm"), "x");
    const QString data = app::resolveAppFolder(root.filePath("bin"));
    EXPECT_TRUE(data == QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) &&
                QFileInfo::exists(data + "/vextor.htm"));
    EXPECT_EQ(app::resolveAppFolder(root.path()), root.path()); // a build folder
}
