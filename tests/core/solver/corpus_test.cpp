// The published corpus is written back byte for byte and solves to its stored solutions.
#include "files/puzzle_file.h"
#include "model/grid_checks.h"
#include "solver/autosolve.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::corpusDir;
using vextor::test::ScriptedUserInterface;

TEST(Corpus, PublishedPuzzlesSolveToTheirStoredSolutions) {
    const auto dir = corpusDir();
    if (!dir)
        GTEST_SKIP() << "corpus not present";
    const std::string file = (*dir / "published.vxt").string();
    ScriptedUserInterface ui;
    const int n = CountPuzzles(file, ui);
    ASSERT_EQ(n, 225);
#ifdef NDEBUG
    const int step = 1;
#else
    const int step = 9; // a sample in unoptimised and sanitizer builds
#endif
    int solvedByDeduction = 0;
    std::string written; // every record as AppendPuzzle writes it, with its solution
    for (int k = 1; k <= n; k += step) {
        AppState st(static_cast<std::uint64_t>(k));
        ASSERT_TRUE(ReadPuzzle(st, ui, file, k)) << k;
        const auto record = readRecord(file, k);
        ASSERT_TRUE(record) << k;

        applySolution(st.grid, st.whitecol, record->lines);
        written += recordText(st.grid, st.whitecol, st.texts.title, record->number, true);
        const std::string expected = snapshotLine(st.grid);
        ASSERT_NE(expected.find_first_of("123456789"), std::string::npos) << k;
        st.maxtries = 2 * st.grid.rows * st.grid.cols;
        const SolveOutcome outcome = RunAutoSolve(st, ui, false);
        EXPECT_TRUE(outcome == SolveOutcome::Solved || outcome == SolveOutcome::Guessed)
            << "record " << k << " outcome " << static_cast<int>(outcome);
        EXPECT_EQ(snapshotLine(st.grid), expected) << "record " << k;
        if (outcome == SolveOutcome::Solved)
            ++solvedByDeduction;
    }
    RecordProperty("solvedByDeduction", solvedByDeduction);
    if (step == 1) {
        EXPECT_EQ(written, vextor::test::readFile(file));
    }
    EXPECT_TRUE(ui.messages.empty());
}
