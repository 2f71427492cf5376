// The shipped sample puzzles: each loads, passes the layout check, has
// exactly one solution, says its size in its title, and is written back byte
// for byte.
#include "exact/exact_solver.h"
#include "files/puzzle_file.h"
#include "model/runs.h"
#include "state/layout_check.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

using namespace vextor;

TEST(SamplePuzzles, EveryRecordLoadsIsSoundAndRoundTrips) {
    const std::string file = (test::resourcesDir() / "puzzles.vxt").string();
    test::ScriptedUserInterface ui;
    const int count = CountPuzzles(file, ui);
    ASSERT_GE(count, 4);
    std::string rewritten;
    for (int n = 1; n <= count; ++n) {
        AppState st(1);
        ASSERT_TRUE(ReadPuzzle(st, ui, file, n)) << n;
        FindRuns(st.grid);
        EXPECT_FALSE(CheckLayout(st, ui, true)) << n;
        const ExactResult r = CountSolutions(st.grid, 2);
        EXPECT_TRUE(r.count == 1 && !r.unknown) << n;
        const std::string size =
            std::to_string(st.grid.rows) + " x " + std::to_string(st.grid.cols);
        EXPECT_EQ(st.texts.title.rfind(size + " ", 0), 0u) << st.texts.title;
        const auto record = readRecord(file, n);
        ASSERT_TRUE(record) << n;
        EXPECT_EQ(record->number, n);
        applySolution(st.grid, st.whitecol, record->lines);
        rewritten += recordText(st.grid, st.whitecol, st.texts.title, n, true);
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(rewritten, test::readFile(file));
}
