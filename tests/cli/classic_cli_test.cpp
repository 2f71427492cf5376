// vextor-cli create --classic: its lines, titles, repeatability and refusals.
#include "run_cli.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

using namespace vextor;
using namespace vextor::test;

TEST(ClassicCreateCli, LinesTitlesAndRepeatability) {
    TempDir dir;
    const std::string file = dir.file("classic.vxt");
    const std::vector<std::string> args = {"create",    file,     "--count", "3",
                                           "--classic", "--size", "8x9",     "--difficulty",
                                           "easy",      "--seed", "5",       "--solution"};
    const CliRun r = runCli(args);
    EXPECT_EQ(r.said(), "0  3 Puzzles added to file: " + file + "\n");
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 4u);
    for (int k = 0; k < 3; ++k) {
        const auto f = split(lines[static_cast<std::size_t>(k)], '\t');
        ASSERT_EQ(f.size(), 6u) << lines[static_cast<std::size_t>(k)];
        EXPECT_TRUE(f[0] == std::to_string(k + 1) && f[1] == "8x9" && f[4] == "easy" &&
                    leadingInt(f[5]) >= 1 && leadingInt(f[5]) <= 20)
            << lines[static_cast<std::size_t>(k)];
        EXPECT_EQ(readRecord(file, k + 1)->title, "Classic 8x9 easy " + std::to_string(k + 1));
    }
    EXPECT_NE(readRecord(file, 1)->lines[1].find('|'), std::string::npos);
    std::vector<std::string> again = args;
    again[1] = dir.file("again.vxt");
    ASSERT_EQ(runCli(again).status, 0);
    EXPECT_EQ(readFile(again[1]), readFile(file));
    // --count 0 makes one and writes nothing; --title names every puzzle.
    EXPECT_EQ(runCli({"create", file, "--count", "0", "--classic", "--size", "5x5"}).said(),
              "0 Puzzle created\n");
    ASSERT_EQ(runCli({"create", file, "--count", "1", "--classic", "--size", "5x5", "--title", "T"})
                  .status,
              0);
    EXPECT_EQ(readRecord(file, 4)->title.substr(0, 2), "T "); // and the time on drawn layouts
}

TEST(ClassicCreateCli, Refusals) {
    TempDir dir;
    test::ScriptedUserInterface ui;
    const std::string out = dir.file("out.vxt");
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--size", "10x19"}, "Classic puzzles have 5 to 15 rows and 5 to 18 columns, not 10x19"},
        {{"--size", "9x9", "--difficulty", "fiendish"},
         "--difficulty needs easy, medium, hard or expert, not 'fiendish'"},
        {{"--size", "9x9", "--symmetry", "diagonal"},
         "--symmetry needs half-turn, mirror or none, not 'diagonal'"},
        {{"--template", "t.vxt:1", "--symmetry", "none"},
         "--symmetry applies to drawn layouts, not to --template"},
        {{"--random-size"}, "--classic needs one of --size and --template"},
    };
    for (const auto& [extra, message] : refused) {
        std::vector<std::string> args = {"create", out, "--count", "1", "--classic"};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    // A template whose layout breaks the run rules names the first cell at fault.
    const std::string layouts = dir.file("layouts.vxt");
    append(layouts, {"X 0,-1 0,-1 0,-1", "-1,0 . . .", "-1,0 . X .", "-1,0 . . ."}, 1);
    const CliRun r =
        runCli({"create", out, "--count", "1", "--classic", "--template", layouts + ":1"});
    EXPECT_EQ(r.said(), "1 Not a classic layout: The white cell at row 2, column 3 lies in a "
                        "down run of 1 cell (runs have 2 to 9 cells)\n");
    EXPECT_EQ(CountPuzzles(out, ui), 0);
}
