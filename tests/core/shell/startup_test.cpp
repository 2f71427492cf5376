#include "base/text.h"
#include "shell/startup.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

using namespace vextor;
using namespace vextor::test;
using Texts = std::vector<std::string>;

namespace {

const std::string kTwoPuzzles = tinyRecord(1, false, "Tiny") +
                                "#2\r\nWide one\r\n 3, 12\r\nX 0,3 0,4 X X X X X X X X X\r\n"
                                "3,0 2 9\r\n4,0 2 9\r\n";

std::string tealScheme() {
    std::string s = "0;0;0\r\n240;250;250\r\n0;128;128\r\n130;200;200\r\n";
    for (int k = 4; k < 13; ++k)
        s += "1;1;1\r\n";
    return s;
}

std::vector<std::string> configLines(const std::string& path) {
    std::vector<std::string> lines;
    for (auto& l : split(readFile(path), '\n'))
        if (!l.empty())
            lines.push_back(l.back() == '\r' ? l.substr(0, l.size() - 1) : l);
    return lines;
}

struct StartUpFixture : ::testing::Test {
    TempDir dir;
    AppState st{1};
    ScriptedUserInterface ui;
    // The shipped default scheme, as in a real program folder.
    void SetUp() override {
        std::filesystem::copy_file(test::resourcesDir() / "default.sch", dir.file("default.sch"));
    }
    std::string cfg() const { return dir.file("vextor.cfg"); }
    std::string configMessage(const std::string& tail) const {
        return "Configuration file:\r\n" + dir.folder() + "vextor.cfg\r\ncould not be accessed, " +
               tail;
    }
};

} // namespace

TEST_F(StartUpFixture, FreshFolderWritesTheConfigurationAndShowsTheEmptyGrid) {
    writeFile(dir.file("retractbackup.vxt"), "1,2,\r\n");
    st.editmode = st.manualmode = st.interactive = true;
    StartUp(st, ui, dir.path().string());

    EXPECT_EQ(ui.messages, Texts{configMessage("new file will be created")});
    const auto lines = configLines(cfg());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), std::string("12-06-2026 21:40:00").size());
    EXPECT_EQ(lines[1] + "|" + lines[2], "default.sch|" + dir.folder() + "puzzles.vxt");
    EXPECT_NE(readFile(cfg()).find("default.sch\r\n"), std::string::npos);
    EXPECT_EQ(st.schemefile + "|" + st.puzfile, "default.sch|" + dir.folder() + "puzzles.vxt");
    EXPECT_EQ(st.grid.ncells, 81);
    EXPECT_EQ(st.texts.caption + st.texts.title + st.texts.puzNumNow + st.texts.puzNumber, "");
    EXPECT_FALSE(st.editmode || st.manualmode || st.interactive);
    EXPECT_EQ(std::tuple(st.whitecol, st.greycol, st.blackcol, st.grid[1].BackColor),
              std::tuple(packColour(255, 255, 255), packColour(192, 192, 192), packColour(0, 0, 0),
                         packColour(255, 255, 255)));
    EXPECT_FALSE(std::filesystem::exists(dir.file("retractbackup.vxt")) || ui.busyDepth != 0);
}

TEST_F(StartUpFixture, ConfiguredFileAndSchemeAreLoaded) {
    writeFile(dir.file("mine.vxt"), kTwoPuzzles);
    writeFile(dir.file("teal.sch"), tealScheme());
    writeFile(cfg(), "01-02-2026 03:04:05\r\nteal.sch, extra\r\n" + dir.file("mine.vxt") + "\r\n");
    StartUp(st, ui, dir.path().string());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(st.schemefile + "|" + st.puzfile + "|" + st.texts.caption,
              "teal.sch|" + dir.file("mine.vxt") + "|" + dir.file("mine.vxt"));
    EXPECT_EQ(st.texts.title + "|" + st.texts.gridSize + "|" + st.texts.puzNumNow + "|" +
                  st.texts.puzNumber,
              "Tiny|3x3|1| of 2");
    EXPECT_EQ(std::tuple(st.whitecol, st.grid[5].BackColor, st.grid[2].BackColor),
              std::tuple(packColour(240, 250, 250), packColour(240, 250, 250),
                         packColour(130, 200, 200)));
    EXPECT_EQ(st.grid[1].BackColor, st.blackcol);
}

TEST_F(StartUpFixture, DamagedOrMissingFilesFallBackQuietlyWhereTheyShould) {
    writeFile(dir.file("teal.sch"), tealScheme());
    writeFile(dir.file("bad.vxt"), "no records here\r\n");
    const std::string bad = dir.file("bad.vxt");
    const struct {
        std::string config, message, puzfile;
    } cases[] = {
        // Two lines are a damaged configuration: written anew, with the default scheme.
        {"01-02-2026 03:04:05\r\nteal.sch\r\n", configMessage("new file will be created"),
         dir.folder() + "puzzles.vxt"},
        // A missing configured puzzle file: no message, the path kept for Exit.
        {"x\r\ndefault.sch\r\n/nowhere/gone.vxt\r\n", "", "/nowhere/gone.vxt"},
        // An unreadable first record: the read error.
        {"x\r\ndefault.sch\r\n" + bad + "\r\n", "Error reading puzzle# 1 from file " + bad, bad},
    };
    for (const auto& c : cases) {
        AppState s(1);
        ScriptedUserInterface u;
        writeFile(cfg(), c.config);
        StartUp(s, u, dir.path().string());
        EXPECT_EQ(u.messages, c.message.empty() ? Texts{} : Texts{c.message});
        EXPECT_EQ(configLines(cfg())[1], "default.sch");
        EXPECT_TRUE(s.puzfile == c.puzfile && s.grid.ncells == 81 && s.texts.caption.empty());
        EXPECT_EQ(s.whitecol, packColour(255, 255, 255)) << c.puzfile;
    }
}

TEST_F(StartUpFixture, ConfigurationThatCannotBeCreatedStillStarts) {
    // A folder in the file's place can be neither read nor written as a file.
    std::filesystem::create_directory(cfg());
    StartUp(st, ui, dir.path().string());
    EXPECT_EQ(ui.messages, Texts{configMessage("new file will be created")});
    EXPECT_EQ(st.schemefile + "|" + st.puzfile, "default.sch|" + dir.folder() + "puzzles.vxt");
    EXPECT_EQ(st.grid.ncells, 81);
}

TEST_F(StartUpFixture, ExitAsksThenSavesAndDeletesTheWorkingFiles) {
    writeFile(cfg(), "x\r\ndefault.sch\r\n/a/b.vxt\r\n");
    StartUp(st, ui, dir.path().string());
    const std::string working[] = {"retractbackup.vxt", "startupgrid.vxt", "currentpuzfile.vxt",
                                   "temporarypuzfile.vxt", "undofile.vxt"};
    for (const auto& f : working)
        writeFile(dir.file(f), "1,\r\n");
    std::filesystem::remove(dir.file("undofile.vxt")); // a missing one is no error
    st.schemefile = "teal.sch";
    const std::string before = readFile(cfg());
    st.autosolving = true; // Exit is reached while AutoSolve lets events run
    for (const bool yes : {false, true}) {
        ui.yesNoAnswers = {yes};
        EXPECT_EQ(ExitCommand(st, ui), yes);
        EXPECT_EQ(ui.log.back(), "yesno: Exit?");
        EXPECT_EQ(st.cancelsolve && st.shuttingdown, yes); // the solver's loop ends
        for (const auto& f : {working[0], working[3]})
            EXPECT_EQ(std::filesystem::exists(dir.file(f)), !yes) << f;
    }
    EXPECT_NE(readFile(cfg()), before);
    EXPECT_EQ(configLines(cfg())[1] + configLines(cfg())[2], "teal.sch/a/b.vxt");
    EXPECT_TRUE(ui.messages.empty());
}
