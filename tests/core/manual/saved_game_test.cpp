// Games solved by hand kept between sessions, and the clock.
#include "files/puzzle_file.h"
#include "manual/game_clock.h"
#include "manual/hint.h"
#include "manual/manual_solve.h"
#include "manual/play_aids.h"
#include "manual/saved_game.h"
#include "model/grid_checks.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::test;

namespace {

// Record 1: X 0,3 0,7 / 4,0 . . / 6,0 . ., solved by 1 3 / 2 4.
const std::string kRecord1 = "#1\r\nSmall\r\n 3, 3\r\nX 0,3 0,7\r\n4,0 2\r\n6,0 2\r\n";
const std::string kRecord2 = "#2\r\nOther\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n";

struct SavedGames : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    std::string puz = dir.file("p.vxt");

    void SetUp() override { writeFile(puz, kRecord1 + kRecord2); }
    // The state of a new start of the program with record n loaded.
    void load(AppState& st, int n = 1) {
        st.apppath = dir.folder();
        st.setWorkingFiles();
        st.savefolder = dir.file("saved");
        st.puzfile = puz;
        ASSERT_TRUE(ReadPuzzle(st, ui, puz, n));
    }
    void put(AppState& st, int cell, int digit, bool shift = false) {
        st.mnucnxTag = std::to_string(cell);
        DigitMenuClick(st, ui, digit - 1, shift);
    }
    // Entries, marks, an undo and a redo to come, 42 seconds: saved.
    void play(AppState& st) {
        load(st);
        StartManualSolve(st, ui);
        st.aids.editPencilMarks = true;
        put(st, 9, 2, true);
        put(st, 5, 1);
        put(st, 8, 2);
        UndoLastEntry(st, ui);
        st.curcell = 8;
        st.game.seconds = 42;
        AutoSaveGame(st);
    }
    // Everything of a game in progress, written out independently of the file.
    static std::string game(const AppState& st) {
        auto marks = [](const std::vector<PencilMask>& m) {
            std::string s;
            for (PencilMask v : m)
                s += std::to_string(v) + ".";
            return s;
        };
        std::string s = snapshotLine(st.grid) + "|" + snapshotLine(st.grid, true) + "|" +
                        marks(st.aids.pencil) + "|";
        for (const auto& e : st.undolist)
            s += e + " ";
        for (const auto& u : st.aids.undo)
            s += "|" + std::to_string(u.depth) + ":" + marks(u.pencil);
        for (const auto& r : st.aids.redo)
            s += "|" + r.entry + ":" + marks(r.pencil);
        return s + "|" + std::to_string(st.game.seconds) + " " + std::to_string(st.curcell) +
               (st.manualmode ? " manual" : "") + (st.aids.notesStartedEmpty ? " empty" : "");
    }
};

// The text with its check sum made right again (64-bit FNV-1a, as written).
std::string resummed(std::string text) {
    text.erase(text.rfind("end "));
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const unsigned char c : text)
        h = (h ^ c) * 0x100000001b3ull;
    char sum[17];
    std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(h));
    return text + "end " + sum + "\n";
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

TEST_F(SavedGames, ANewStartResumesExactlyWhereThePlayerLeftOff) {
    AppState before{1}, after{2};
    play(before);
    ASSERT_TRUE(std::filesystem::exists(SavedGameFile(before)));
    load(after);
    ui.yesNoAnswers = {true};
    OfferResume(after, ui);
    EXPECT_EQ(ui.log, std::vector<std::string>{"yesno: Resume where you left off?"});
    EXPECT_EQ(game(after), game(before));
    EXPECT_EQ(SavedGameText(after), SavedGameText(before));
    // The time alone is written once it moved on by kTimeSaveStep, or when asked.
    for (auto [seconds, now, kept] : {std::tuple{50, false, 42}, {57, false, 57}, {58, true, 58}}) {
        after.game.seconds = seconds;
        AutoSaveGame(after, now);
        EXPECT_NE(readFile(SavedGameFile(after)).find("time " + std::to_string(kept) + "\n"),
                  std::string::npos);
    }
    after.game.seconds = 42;
    // The history works on: redo, undo twice, redo twice.
    for (AppState* st : {&before, &after}) {
        RedoLastEntry(*st, ui);
        UndoLastEntry(*st, ui);
        UndoLastEntry(*st, ui);
        RedoLastEntry(*st, ui);
        RedoLastEntry(*st, ui);
    }
    EXPECT_EQ(game(after), game(before));
    EXPECT_EQ(after.grid[5].Choices + after.grid[8].Choices, "12");
}

TEST_F(SavedGames, AStartOffersTheNewestGameOfTheFileThoughAnotherRecordIsLoaded) {
    const struct {
        const char* name;
        std::vector<bool> answers;
        bool gameKept;
        int puznum;
    } cases[] = {
        {"Yes", {true}, true, 2},
        {"No", {false}, false, 1},
        {"game gone", {}, false, 1},
    };
    for (const auto& c : cases) {
        AppState played{1}, st{1};
        load(played, 2);
        StartManualSolve(played, ui);
        put(played, 5, 1);
        AutoSaveGame(played);
        if (c.answers.empty())
            std::filesystem::remove(SavedGameFile(played));
        load(st); // the start loads record 1
        ui.log.clear();
        ui.yesNoAnswers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(ResumeLastGame(st, ui), c.gameKept) << c.name;
        EXPECT_EQ(st.puznum, c.puznum) << c.name;
        EXPECT_EQ(st.manualmode, c.gameKept) << c.name;
        EXPECT_EQ(ui.log.size(), c.answers.size()) << c.name;
        EXPECT_EQ(st.grid[5].Choices == "1", c.gameKept) << c.name;
        EXPECT_EQ(std::filesystem::exists(SavedGameFile(played)), c.gameKept) << c.name;
    }
}

TEST_F(SavedGames, DamagedOrMismatchingSavedGamesAreDroppedWithoutAWord) {
    AppState played{1};
    play(played);
    const std::string good = readFile(SavedGameFile(played));
    AppState other{1}; // the game of record 2, in record 1's place
    load(other, 2);
    StartManualSolve(other, ui);
    put(other, 5, 2);
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"cut short", good.substr(0, good.size() / 2)},
        {"no check sum", good.substr(0, good.rfind("end "))},
        {"a digit changed", replaced(good, "now ,,,,1,", "now ,,,,2,")},
        {"not text", std::string("\0\xff\x01game\n", 9)},
        {"another layout", resummed(replaced(good, "start ,,,,12,", "start ,,,,13,"))},
        {"another file", resummed(replaced(good, "path /", "path /x/"))},
        {"entry on a sum cell", resummed(replaced(good, "undo 5,12", "undo 4,12"))},
        {"entry of two cells", resummed(replaced(good, "undo 5,12", "undo 5,12;6,13"))},
        {"marks record too deep", resummed(replaced(good, "mark 2", "mark 3"))},
        {"odd mask", resummed(replaced(good, "marks ", "marks 5=3 "))},
        {"cursor off the grid", resummed(replaced(good, "cursor 8", "cursor 10"))},
        {"time negative", resummed(replaced(good, "time 42", "time -42"))},
        {"a line extra", resummed(replaced(good, "time", "notes 1\ntime"))},
        {"another puzzle's game", SavedGameText(other)},
    };
    for (const auto& [name, text] : cases) {
        ASSERT_NE(text, good) << name;
        AppState st{1};
        load(st);
        const std::string file = SavedGameFile(st);
        writeFile(file, text);
        const std::string loaded = snapshotLine(st.grid);
        ui.log.clear();
        OfferResume(st, ui);
        EXPECT_TRUE(ui.log.empty()) << name;
        EXPECT_FALSE(st.manualmode) << name;
        EXPECT_EQ(snapshotLine(st.grid), loaded) << name;
        EXPECT_FALSE(std::filesystem::exists(file)) << name;
    }
}

TEST_F(SavedGames, NoFinishingAndStartingAfreshDeleteTheSavedGame) {
    const std::pair<const char*, std::function<void(AppState&)>> ends[] = {
        {"No", [&](AppState& st) { OfferResume(st, ui); }},
        {"Solve Manually",
         [&](AppState& st) {
             ui.yesNoAnswers = {true, true}; // resume, then discard the entries
             OfferResume(st, ui);
             StartManualSolve(st, ui);
         }},
        {"finished",
         [&](AppState& st) {
             ui.yesNoAnswers = {true};
             OfferResume(st, ui);
             put(st, 8, 2);
             put(st, 6, 3);
             put(st, 9, 4);
         }},
    };
    for (const auto& [name, end] : ends) {
        AppState played{1}, st{1};
        play(played);
        load(st);
        const std::string loaded = snapshotLine(st.grid);
        ui.messages.clear();
        end(st);
        AutoSaveGame(st);
        EXPECT_FALSE(std::filesystem::exists(SavedGameFile(st))) << name;
        EXPECT_EQ(st.manualmode, name != std::string("No")) << name;
        EXPECT_TRUE(st.manualmode || snapshotLine(st.grid) == loaded) << name;
    }
    // The game finished last: its time is the best, and the status line tells it.
    AppState st{1};
    load(st);
    EXPECT_EQ(BestTime(st), 42);
    EXPECT_TRUE(st.texts.status.empty());
    StartManualSolve(st, ui);
    st.game.seconds = 50;
    HintCommand(st, ui); // a hint line gives way to the finishing time
    for (auto [cell, digit] : {std::pair{5, 1}, {6, 3}, {8, 2}, {9, 4}})
        put(st, cell, digit);
    EXPECT_EQ(st.texts.status, "Solved in 0:50 (best 0:42)");
    EXPECT_EQ(HintText(st), "");
    EXPECT_EQ(ui.messages.back(), "Well done...");
    EXPECT_FALSE(TickGameClock(st)); // the clock stands
    // An edited record has another key: its old game is not offered.
    AppState edited{1};
    play(edited);
    writeFile(puz, replaced(kRecord1, "0,7", "0,8"));
    load(edited);
    ui.log.clear();
    OfferResume(edited, ui);
    EXPECT_TRUE(ui.log.empty() && !edited.manualmode);
}

TEST(GameClock, CountsOnlyWhileSolvingByHandWithTheTimerOn) {
    AppState st{1};
    const struct {
        bool manual, timer, finished, solving, counts;
    } cases[] = {
        {true, true, false, false, true},   {false, true, false, false, false},
        {true, false, false, false, false}, {true, true, true, false, false},
        {true, true, false, true, false},
    };
    for (const auto& c : cases) {
        st.manualmode = c.manual;
        SetTimer(st, c.timer);
        st.game.finished = c.finished;
        st.autosolving = c.solving;
        st.game.seconds = 186;
        EXPECT_EQ(TickGameClock(st), c.counts);
        EXPECT_EQ(TimerText(st), !c.manual || !c.timer ? "" : c.counts ? "3:07" : "3:06");
    }
    EXPECT_EQ(ClockText(3723), "1:02:03");
    EXPECT_EQ(ClockText(5), "0:05");
}
