// Seeded AutoSolve runs pinned to their outcome, guesses, restarts, deduction
// cycles and a hash of every grid the display could show (each event pump), the
// start-up snapshot, the messages and the random draws used: any change to the
// rules, their order or the use of the random generator shows here.
#include "create/compile.h"
#include "create/random_layout.h"
#include "files/puzzle_file.h"
#include "files/puzzle_reader.h"
#include "model/grid_checks.h"
#include "solver/autosolve.h"
#include "support/random_puzzle.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>

using namespace vextor;
using vextor::test::ScriptedUserInterface;

namespace {

struct Fingerprint {
    std::uint64_t hash = 1469598103934665603ULL;
    int guesses = 0, restarts = 0, pumps = 0;
    std::map<SolveOutcome, int> outcomes;

    void add(const std::string& s) {
        for (unsigned char ch : s)
            hash = (hash ^ ch) * 1099511628211ULL;
        hash = (hash ^ 0xff) * 1099511628211ULL;
    }
    std::string text() const {
        const char* names[] = {"invalid", "no-solution", "solved",
                               "guessed", "cancelled",   "gave-up"};
        std::string out;
        for (const auto& [o, n] : outcomes)
            out += std::string(names[static_cast<int>(o)]) + "=" + std::to_string(n) + " ";
        char h[17];
        std::snprintf(h, sizeof h, "%016llx", static_cast<unsigned long long>(hash));
        return out + "g=" + std::to_string(guesses) + " r=" + std::to_string(restarts) +
               " p=" + std::to_string(pumps) + " " + h;
    }
};

// AutoSolve as the button runs it, on the puzzle in st.grid with its
// candidates emptied; the try-limit question is answered No `rounds` times,
// then Cancel.
void solveInto(Fingerprint& fp, AppState& st, int rounds, bool showMessages = true) {
    for (int i = 1; i <= st.grid.ncells; ++i)
        st.grid[i].Choices.clear();
    ScriptedUserInterface ui;
    ui.yesNoCancelAnswers.assign(static_cast<std::size_t>(rounds), Answer::No);
    ui.onPump = [&] { fp.add(snapshotLine(st.grid)); };
    st.rng.reseed(1);
    st.maxtries = 2 * st.grid.rows * st.grid.cols;
    const SolveOutcome outcome = RunAutoSolve(st, ui, showMessages);
    ++fp.outcomes[outcome];
    fp.guesses += st.solver.guessesApplied;
    fp.restarts += st.solver.restarts;
    fp.pumps += ui.pumpCount;
    fp.add(snapshotLine(st.grid));
    fp.add(st.solver.startupSnapshot);
    for (const std::string& line : ui.log)
        fp.add(line);
    fp.add(std::to_string(st.rng.uniform()));
}

enum class Source { Created, Compiled, Layout };

struct Case {
    const char* name;
    Source source;
    int rows, cols;
    std::uint64_t seed;
    double whiteShare;
    int rounds;
    bool showMessages;
    const char* expected;
};

} // namespace

TEST(PinnedSolves, PublishedCorpus) {
    const auto dir = vextor::test::corpusDir();
    if (!dir)
        GTEST_SKIP() << "corpus not present";
    PuzzleFileReader reader((*dir / "published-nosol.vxt").string());
    ASSERT_EQ(reader.count(), 225);
    Fingerprint fp;
    ScriptedUserInterface ui;
    AppState st(1);
    for (int k = 1; k <= reader.count(); ++k) {
        ASSERT_TRUE(ReadPuzzle(st, ui, reader, k)) << k;
        solveInto(fp, st, 50);
    }
    EXPECT_EQ(fp.text(), "solved=131 guessed=94 g=205 r=0 p=3109 eb1125b7099cac1e");
}

TEST(PinnedSolves, CreatedPuzzles) {
    const Case cases[] = {
        // The program's random layouts, compiled.
        {"created 10x10", Source::Created, 10, 10, 1, 0, 50, true,
         "guessed=1 g=44 r=0 p=405 95f8954fe0f57874"},
        {"created 9x12", Source::Created, 9, 12, 3, 0, 50, true,
         "guessed=1 g=41 r=0 p=337 2b7bed0e9ac8c0a9"},
        // Large layouts compiled with random digits: many solutions, long searches.
        {"compiled 15x18", Source::Compiled, 15, 18, 2, 0.62, 50, true,
         "guessed=1 g=62 r=0 p=514 d7b72e94a197b13e"},
        {"compiled 12x12 at the limit, silent", Source::Compiled, 12, 12, 1, 0.62, 0, false,
         "gave-up=1 g=289 r=0 p=4057 1e7c2e70b11b3c9c"},
        // Loosely clued layouts: restarts after 2 x ncells guesses, the limit
        // question, and a cancel at the second question.
        {"layout 9x18", Source::Layout, 9, 18, 2, 0.7, 50, true,
         "guessed=1 g=372 r=1 p=4771 4ca6a8e2131c851c"},
        {"layout 7x7", Source::Layout, 7, 7, 7, 0.75, 50, true,
         "guessed=1 g=214 r=2 p=2645 ed53a6bc08afcc37"},
        {"layout 9x18 cancelled", Source::Layout, 9, 18, 3, 0.7, 1, true,
         "cancelled=1 g=650 r=1 p=9486 6093a0950c5fced8"},
    };
    for (const Case& c : cases) {
        AppState st(c.seed);
        ScriptedUserInterface ui;
        if (c.source == Source::Created) {
            BuildCreationGrid(st, ui, c.rows, c.cols);
            ASSERT_EQ(CreateRandomPuzzle(st, ui), RandomPuzzleResult::Made) << c.name;
        } else {
            vextor::test::makeRandomPuzzle(st, c.rows, c.cols, c.seed, c.whiteShare);
            if (c.source == Source::Compiled) {
                ASSERT_EQ(CompileGrid(st, ui, false, true), CompileResult::Compiled) << c.name;
            }
        }
        Fingerprint fp;
        solveInto(fp, st, c.rounds, c.showMessages);
        EXPECT_EQ(fp.text(), c.expected) << c.name;
    }
}
