// Puzzle files: reading records and the File menu commands.
#include "files/file_management.h"
#include "files/puzzle_file.h"
#include "files/safe_file.h"
#include "files/sort_file.h"
#include "support/file_size_limit.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using namespace vextor;
using namespace vextor::test;
namespace fs = std::filesystem;

namespace {

struct Files : ::testing::Test {
    TempDir dir;
    AppState st{7};
    ScriptedUserInterface ui;
    std::string path(const std::string& name) { return dir.file(name); }
    void open(const std::string& content, int n = 1) {
        st.apppath = dir.folder();
        st.puzfile = path("puz.vxt");
        writeFile(st.puzfile, content);
        ASSERT_TRUE(ReadPuzzle(st, ui, st.puzfile, n));
        ui.messages.clear();
        ui.log.clear();
    }
    // The Choices of cells 1 to 9, "." for none.
    std::string digits() const {
        std::string d;
        for (int i = 1; i <= 9; ++i)
            d += st.grid[i].Choices.empty() ? "." : st.grid[i].Choices;
        return d;
    }
};

// A record with the header "#<number>", a title and `rows` row lines.
std::string rec(const std::string& number, const std::string& title, int rows = 1,
                const std::string& row = "X 0,3") {
    std::string s = "#" + number + "\r\n" + title + "\r\n " + std::to_string(rows) + ", 2\r\n";
    for (int r = 0; r < rows; ++r)
        s += row + "\r\n";
    return s;
}

struct Sorting : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    SortOptions o;
    void SetUp() override {
        o.input = dir.file("in.vxt");
        o.output = dir.file("out.vxt");
    }
    std::string sort(const std::string& content) {
        writeFile(o.input, content);
        fs::remove(o.output);
        EXPECT_TRUE(SortPuzzleFile(ui, o)) << (ui.messages.empty() ? "" : ui.messages.back());
        return readFile(o.output);
    }
};

// Record n by FindPuzzle: the number, then up to 17 lines before the next header.
std::optional<RecordLines> byFindPuzzle(const std::string& path, int n) {
    std::ifstream in(path, std::ios::binary);
    const auto number = FindPuzzle(in, n);
    if (!number)
        return std::nullopt;
    RecordLines r;
    r.number = *number;
    std::string line;
    while (r.lines.size() < 17 && readRecordLine(in, line)) {
        if (!r.lines.empty() && !line.empty() && line[0] == '#')
            break;
        r.lines.push_back(line);
    }
    return r;
}

void expectSameRecords(const std::string& path, const std::string& what) {
    ScriptedUserInterface ui;
    PuzzleFileReader reader(path);
    EXPECT_EQ(reader.count(), CountPuzzles(path, ui)) << what;
    for (int n = -1; n <= reader.headers() + 1; ++n) {
        const auto expected = byFindPuzzle(path, n);
        const auto got = reader.record(n);
        ASSERT_EQ(got.has_value(), expected.has_value()) << what << " record " << n;
        if (got) {
            EXPECT_EQ(got->number, expected->number) << what << " record " << n;
            EXPECT_EQ(got->lines, expected->lines) << what << " record " << n;
        }
    }
}

// Runs check as an ordinary user and gives its result: in a child process
// that becomes "nobody" when the tests run as root, whom permissions do not stop.
bool asOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0)
        return check();
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && check() ? 0 : 1);
    int status = 1;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

TEST_F(Files, ViewSolutionPlacesDigitsRowByRowInsideTheGrid) {
    open(tinyRecord(1) +
         "#2\r\nWide\r\n 3, 4\r\nX 0,3 0,4 X|X 0,3 0,4 X\r\n3,0 2 X|3,0 2 1 X\r\n"
         "4,0 2 X|4,0 1 3 X\r\n#3\r\nBig\r\n 5, 5\r\n" +
         std::string(5, 'x') + "\r\n");
    ShowStoredSolution(st, ui, 2, st.puzfile); // the columns beyond the grid are left out
    EXPECT_EQ(digits(), "....21.13");
    ShowStoredSolution(st, ui, 3, st.puzfile); // cut short: no "|"
    st.puznum = 7;
    ViewSolutionCommand(st, ui);
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "There is no solution for puzzle# 3 in file:\r\n" + st.puzfile, " 7 Not found"}));
    // Row 2's last cell is empty: its trimmed token must not shift row 3.
    open(tinyRecord(1) + tinyRecord(2) + tinyRecord(3) +
             "#4\r\nGap\r\n 3, 3\r\nX 0,3 0,4|X 0,3 0,4\r\n3,0 2|3,0 2 \r\n"
             "4,0 2|4,0 1 3\r\n",
         4);
    ViewSolutionCommand(st, ui);
    EXPECT_EQ(digits(), "....2..13");
}

// The commands on the current record act on the record shown, also while the
// number box holds another number typed but not entered.
TEST_F(Files, CommandsOnTheCurrentRecordTakeTheRecordShown) {
    const std::string content = tinyRecord(1) + tinyRecord(2, true) + tinyRecord(3);
    const struct {
        const char* name;
        std::function<void()> run;
        std::string file;
        const char* digits;
    } cases[] = {
        // Black and sum cells get no digits.
        {"View Solution", [&] { ViewSolutionCommand(st, ui); }, content, "....21.13"},
        {"Delete Puzzle", [&] { DeletePuzzleCommand(st, ui); }, tinyRecord(1) + tinyRecord(3),
         "........."},
    };
    for (const auto& c : cases) {
        open(content, 2);
        st.texts.puzNumNow = "3";
        ui.yesNoAnswers = {true};
        c.run();
        EXPECT_EQ(readFile(st.puzfile), c.file) << c.name;
        EXPECT_EQ(digits(), c.digits) << c.name;
    }
}

TEST_F(Files, AddPuzzleAppendsReloadsAndReports) {
    open(tinyRecords(2));
    st.grid[5].Choices = "2";
    // To the current file: record 3 is written and becomes current.
    EXPECT_TRUE(AddPuzzleToFile(st, ui, st.puzfile, true));
    EXPECT_TRUE(st.puznum == 3 && st.npuzzles == 3 && st.texts.title == "Puzzle 1");
    EXPECT_NE(readFile(st.puzfile)
                  .find("#3\r\nPuzzle 1\r\n 3, 3\r\nX 0,3 0,4|X 0,3 0,4\r\n"
                        "3,0 2|3,0 2\r\n"),
              std::string::npos);
    EXPECT_EQ(ui.messages.back(), "Puzzle# 3 added to file " + st.puzfile);
    // To a missing file: created with the grid as record 1; current record 1 shown.
    EXPECT_TRUE(AddPuzzleToFile(st, ui, path("new.vxt"), false));
    EXPECT_EQ(readFile(path("new.vxt")),
              "#1\r\nPuzzle 1\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n");
    EXPECT_EQ(st.puznum, 1);
    // To a file with more records than the current one: a read error, N kept as number.
    writeFile(path("big.vxt"), tinyRecords(4));
    ui.messages.clear();
    EXPECT_TRUE(AddPuzzleToFile(st, ui, path("big.vxt"), false));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"Error reading puzzle# 5 from file " + st.puzfile,
                                        "Puzzle# 5 added to file " + path("big.vxt")}));
    EXPECT_TRUE(st.puznum == 5 && st.texts.puzNumNow == "5");
    EXPECT_FALSE(AddPuzzleToFile(st, ui, "", false)); // the dialog's empty file box
    // A record that cannot be written leaves the file as it was.
    const std::string before = readFile(path("big.vxt"));
    {
        FileSizeLimit full(before.size() + 20); // the record is cut off after 20 bytes
        EXPECT_FALSE(AddPuzzleToFile(st, ui, path("big.vxt"), false));
    }
    EXPECT_EQ(readFile(path("big.vxt")), before);
    fs::create_directory(path("folder.vxt"));
    EXPECT_FALSE(AddPuzzleToFile(st, ui, path("folder.vxt"), false));
    EXPECT_TRUE(fs::is_directory(path("folder.vxt")));
    EXPECT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[2] + ui.messages[3], "Unable to write file:\r\n" + path("big.vxt") +
                                                   "Unable to write file:\r\n" +
                                                   path("folder.vxt"));
}

TEST_F(Files, DeleteCopiesAndSkipsTheRecordOrLosesNothing) {
    const std::string blankBetween =
        tinyRecord(1) + "\r\n" + tinyRecord(2) + "\r\n\r\n" + tinyRecord(3);
    const std::tuple<std::string, int, std::string> cases[] = {
        {tinyRecords(3), 1, tinyRecord(2) + tinyRecord(3)},
        {tinyRecords(3), 3, tinyRecord(1) + tinyRecord(2)},
        {tinyRecords(3), 9, tinyRecords(3)},
        // Blank lines after the removed record go with it; the others stay.
        {blankBetween, 2, tinyRecord(1) + "\r\n" + tinyRecord(3)},
        // LF line ends and a last line without its end are written with CRLF.
        {"#1\nA\n 1, 1\nX\n#2\nB\n 1, 1\nX", 1, "#2\r\nB\r\n 1, 1\r\nX\r\n"},
    };
    for (const auto& [content, n, expected] : cases) {
        open(content);
        st.puznum = n;
        ui.yesNoAnswers = {true};
        EXPECT_TRUE(DeletePuzzleCommand(st, ui)) << n;
        EXPECT_EQ(readFile(st.puzfile), expected) << n;
        EXPECT_EQ(ui.log.front() + "|" + ui.messages.back(),
                  "yesno: Delete current puzzle from file?|Done");
        EXPECT_TRUE(st.texts.puzNumNow == "1" && st.puznum == 1);
    }
    // Failures lose nothing.
    open(tinyRecords(3));
    const std::string before = readFile(st.puzfile);
    st.texts.puzNumNow = "2";
    EXPECT_FALSE(DeletePuzzleCommand(st, ui)); // answered No
    {
        FileSizeLimit full(30); // the new content does not fit
        ui.yesNoAnswers = {true};
        EXPECT_FALSE(DeletePuzzleCommand(st, ui));
    }
    EXPECT_EQ(readFile(st.puzfile), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    fs::remove(st.puzfile); // the file vanished
    ui.yesNoAnswers = {true};
    EXPECT_FALSE(DeletePuzzleCommand(st, ui));
    EXPECT_FALSE(fs::exists(st.puzfile));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Unable to write file:\r\n" + st.puzfile,
                                                     "Unable to read file:\r\n" + st.puzfile}));
}

TEST_F(Files, ReplacingKeepsPermissionsOwnersAndLinks) {
    fs::permissions(dir.path(), fs::perms::all);
    const std::string file = path("p.vxt"), out = path("out.vxt");
    writeFile(file, tinyRecords(2));
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534) | ::chown(dir.path().c_str(), 65534, 65534),
                  0);
    }
    // A file the user may not write is refused, with its mode kept.
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(asOrdinaryUser([&] {
        ScriptedUserInterface ui;
        SortOptions o{path("in.vxt"), file};
        writeFile(o.input, tinyRecords(1));
        ui.defaultYesNo = true;
        return !DeletePuzzleRecord(ui, file, 1) && !SortPuzzleFile(ui, o) &&
               ui.messages == std::vector<std::string>(2, "Cannot write to file:\r\n" + file);
    }));
    EXPECT_EQ(readFile(file), tinyRecords(2));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0444));
    // A file of another owner that the user may write keeps its owner.
    if (::geteuid() == 0) {
        writeFile(out, tinyRecords(2));
        fs::permissions(out, fs::perms(0666));
        EXPECT_TRUE(asOrdinaryUser([&] { return DeletePuzzleRecord(ui, out, 1); }));
        struct stat st {};
        EXPECT_TRUE(::stat(out.c_str(), &st) == 0 && st.st_uid == 0 && (st.st_mode & 0777) == 0666);
        EXPECT_EQ(readFile(out), tinyRecord(2));
    }
    // Both hard links of a file see the new content.
    writeFile(out, tinyRecords(3));
    fs::create_hard_link(out, path("link.vxt"));
    EXPECT_TRUE(DeletePuzzleRecord(ui, out, 1));
    EXPECT_TRUE(fs::hard_link_count(out) == 2 && fs::equivalent(out, path("link.vxt")));
    EXPECT_EQ(readFile(path("link.vxt")), tinyRecord(2) + tinyRecord(3));
}

TEST_F(Files, TemporaryFilesOfEndedWritersAreRemoved) {
    const std::string out = path("out.vxt");
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string own = out + ".tmp" + std::to_string(::getpid()) + "-7";
    // Names not of the form NAME.tmpPID-K are no writer's, whatever their number.
    const std::vector<std::string> kept = {own,
                                           out + ".tmp1-0",
                                           out + ".tmp0",
                                           out + ".tmpx-1",
                                           out + ".tmp-1",
                                           out + ".tmp" + std::to_string(ended) + "-"};
    for (const std::string& f : kept)
        writeFile(f, "");
    writeFile(out + ".tmp" + std::to_string(ended) + "-0", "");
    {
        ReplacingWriter w(out);
        // The writer's own temporary file carries the process id.
        EXPECT_TRUE(w.good() && fs::exists(out + ".tmp" + std::to_string(::getpid()) + "-0"));
    }
    std::set<std::string> left;
    for (const auto& f : fs::directory_iterator(dir.path()))
        left.insert(f.path().string());
    EXPECT_EQ(left, std::set<std::string>(kept.begin(), kept.end()));
}

TEST_F(Files, SaveAsAsksBeforeOverwritingAndRefusesTheFileItself) {
    open(tinyRecords(2));
    writeFile(path("old.vxt"), "keep");
    writeFile(path("empty.vxt"), "");
    ui.fileAnswers = {"", path("old.vxt"), path("old.vxt"), path("empty.vxt"),
                      dir.folder() + "./puz.vxt"};
    ui.yesNoAnswers = {false, true};
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui)); // cancelled
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui)); // No
    EXPECT_EQ(readFile(path("old.vxt")), "keep");
    EXPECT_TRUE(SavePuzzleFileAsCommand(st, ui)); // Yes
    EXPECT_EQ(readFile(path("old.vxt")), tinyRecords(2));
    EXPECT_TRUE(SavePuzzleFileAsCommand(st, ui)); // an empty file: no question
    EXPECT_EQ(readFile(path("empty.vxt")), tinyRecords(2));
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui)); // the same file, spelt otherwise
    fs::create_symlink(st.puzfile, path("link.vxt"));
    ui.fileAnswers = {path("link.vxt")};
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui));
    EXPECT_EQ(readFile(st.puzfile), tinyRecords(2));
    EXPECT_TRUE(ui.fileRequests[0].title == "Vextor" && ui.fileRequests[0].save);
    EXPECT_EQ(ui.log[2], "yesno: OverWrite file: " + path("old.vxt") + " ?");
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "File saved as:\r\n" + path("old.vxt"), "File saved as:\r\n" + path("empty.vxt"),
                  "A puzzle file cannot be saved onto itself:\r\n" + dir.folder() + "./puz.vxt",
                  "A puzzle file cannot be saved onto itself:\r\n" + path("link.vxt")}));
    // The current file vanished: the target stays as it was.
    fs::remove(st.puzfile);
    ui.fileAnswers = {path("old.vxt")};
    ui.yesNoAnswers = {true};
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui));
    EXPECT_EQ(readFile(path("old.vxt")), tinyRecords(2));
    EXPECT_EQ(ui.messages.back(), "Error saving to file:\r\n" + path("old.vxt"));
}

TEST_F(Files, BackupNames) {
    const std::string p = path("puzzles.vxt");
    writeFile(p, "#1\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {"puzzles.vxt", "puzzles;01.vxt"},
        {"puzzles.vxt", "puzzles;02.vxt"},
        {"puzzles;07.vxt", "puzzles;08.vxt"},
        {"puzzles;98.vxt", "puzzles;99.vxt"},
        {"puzzles;99.vxt", "puzzles;03.vxt"}, // 100 -> 1
        {"noext", "noext;01"},
    };
    for (const auto& [file, backup] : cases) {
        if (!fs::exists(path(file)))
            writeFile(path(file), "#1\r\n");
        EXPECT_EQ(BackupPuzzleFile(ui, path(file)), path(backup));
        EXPECT_EQ(readFile(path(backup)), "#1\r\n");
        EXPECT_EQ(ui.messages.back(), "File backed up as:\r\n" + path(backup));
    }
    // A dot in a folder name is no extension; a ";" there is no counter.
    EXPECT_EQ(BackupName("/x;5.d/puzzles"), "/x;5.d/puzzles;01");
    EXPECT_EQ(BackupName("/x/puzzles;.vxt"), "/x/puzzles;01.vxt"); // an empty counter
    for (int n = 1; n <= 99; ++n) {
        const std::string nn = (n < 10 ? "0" : "") + std::to_string(n);
        writeFile(path("puzzles;" + nn + ".vxt"), "");
    }
    EXPECT_EQ(BackupName(p), std::nullopt);
    EXPECT_FALSE(BackupPuzzleFile(ui, p));
    EXPECT_EQ(ui.messages.back(),
              "No free backup name: all 99 backups of this file exist:\r\n" + p);
    fs::create_directory(path("gone"));
    EXPECT_FALSE(BackupPuzzleFile(ui, path("gone/missing.vxt")));
    EXPECT_EQ(ui.messages.back(), "Error backing to file:\r\n" + path("gone/missing;01.vxt"));
    EXPECT_FALSE(fs::exists(path("gone/missing;01.vxt")));
}

TEST_F(Sorting, KeysOrdersAndTies) {
    const std::string a = rec("10", "beta", 2), b = rec("2", "Alpha", 12), c = rec("1", "alpha", 9);
    const std::tuple<SortKey, bool, std::string> cases[] = {
        {SortKey::Number, false, c + b + a}, // #2 before #10
        {SortKey::Number, true, a + b + c},
        {SortKey::Rows, false, a + c + b},   // 02, 09, 12
        {SortKey::Header, false, c + b + a}, // case ignored: "alpha\r#1" < "alpha\r#2"
    };
    for (const auto& [key, descending, expected] : cases) {
        o.key = key;
        o.descending = descending;
        EXPECT_EQ(sort(a + b + c), expected);
        EXPECT_EQ(ui.messages.back(), "3 puzzles sorted to file:\r\n" + o.output);
    }
    // Equal keys: the rest of the item decides, header line first, as text.
    o.key = SortKey::Number;
    const std::string x = rec("7", "Zed"), y = rec("7", "abc"), z = rec("007", "abc");
    EXPECT_EQ(sort(x + y + z), z + y + x);
    o.key = SortKey::Header;
    EXPECT_EQ(sort(rec("3", "Same") + rec("12", "same")), rec("12", "same") + rec("3", "Same"));
    // Items equal but for letter case keep their file order; a shorter title sorts first.
    for (const auto& [first, second] :
         {std::pair{rec("1", "ABC"), rec("1", "abc")}, {rec("1", "abc"), rec("1", "ABC")}})
        EXPECT_EQ(sort(first + second), first + second);
    EXPECT_EQ(sort(rec("1", "Abc d") + rec("2", "Abc")), rec("2", "Abc") + rec("1", "Abc d"));
}

TEST_F(Sorting, ResequenceAndStartNumber) {
    // A title may look like a header.
    const std::string content = rec("4", "#d") + rec("1", "a") + rec("3", "c");
    o.resequence = true;
    o.descending = true;
    o.start = "5";
    EXPECT_EQ(sort(content), rec("5", "#d") + rec("6", "c") + rec("7", "a"));
    for (const char* start : {"0", "abc", "-3"}) {
        o.start = start;
        o.descending = false;
        EXPECT_EQ(sort(content), rec("1", "a") + rec("2", "c") + rec("3", "#d")) << start;
        EXPECT_EQ(o.start, "1");
    }
    o.resequence = false;
    o.start = "0";
    EXPECT_EQ(sort(content), rec("1", "a") + rec("3", "c") + rec("4", "#d"));
    EXPECT_EQ(o.start, "0"); // untouched without renumbering
    // Solutions travel with their record; blank lines between records go.
    const std::string solved = rec("2", "s", 2, "X 0,3|X 0,3 1 2");
    EXPECT_EQ(sort("\r\n" + solved + "\r\n  \r\n" + rec("1", "t") + "\r\n"),
              rec("1", "t") + solved);
}

TEST_F(Sorting, RefusalsAndFailuresLeaveTheOutputAlone) {
    writeFile(o.input, rec("1", "a") + rec("2", "b", 3).substr(0, 20)); // the last record cut
    writeFile(o.output, "keep");
    o.output = " ";
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    o.output = dir.file("out.vxt");
    EXPECT_FALSE(SortPuzzleFile(ui, o)); // overwrite answered No
    ui.defaultYesNo = true;
    EXPECT_FALSE(SortPuzzleFile(ui, o)); // the cut record
    o.output = dir.folder() + "IN.VXT";
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    o.output = dir.folder() + "./in.vxt";
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    writeFile(dir.file("none.vxt"), "no header\r\n");
    o.input = dir.file("none.vxt");
    o.output = dir.file("out.vxt");
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    o.input = dir.file("missing.vxt");
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    // A header where a row line belongs: that record is cut short.
    writeFile(dir.file("cut.vxt"), rec("1", "a", 2).substr(0, 21) + rec("2", "b"));
    // Lines that belong to no record: a row more than the size line says, a
    // blank size line, a note between records.
    writeFile(dir.file("rows.vxt"), rec("1", "a", 2) + "X 0,3\r\n" + rec("2", "b"));
    writeFile(dir.file("size.vxt"), "#1\r\na\r\n\r\nX 0,3\r\n" + rec("2", "b"));
    writeFile(dir.file("note.vxt"), rec("1", "a") + "note\r\n" + rec("2", "b"));
    for (const char* bad : {"cut.vxt", "rows.vxt", "size.vxt", "note.vxt"}) {
        o.input = dir.file(bad);
        EXPECT_FALSE(SortPuzzleFile(ui, o)) << bad;
    }
    EXPECT_EQ(readFile(o.output), "keep");
    const std::string failed = "Unable to sort file:\r\n";
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "Specify output file name", failed + dir.file("in.vxt"),
                  "Input and output files cannot be same", "Input and output files cannot be same",
                  "There are no puzzles in this file", failed + dir.file("missing.vxt"),
                  failed + dir.file("cut.vxt"), failed + dir.file("rows.vxt"),
                  failed + dir.file("size.vxt"), failed + dir.file("note.vxt")}));
    // A full disk: the old output stays whole and no temporary file is left.
    writeFile(dir.file("big.vxt"), std::string(5000, 'k'));
    o.output = dir.file("big.vxt");
    o.input = dir.file("in.vxt");
    writeFile(o.input, rec("1", std::string(6000, 't')));
    {
        FileSizeLimit full(4000);
        EXPECT_FALSE(SortPuzzleFile(ui, o));
    }
    EXPECT_EQ(readFile(dir.file("big.vxt")), std::string(5000, 'k'));
    EXPECT_EQ(ui.messages.back(), failed + o.input);
    for (const auto& f : fs::directory_iterator(dir.path()))
        EXPECT_EQ(f.path().filename().string().find(".tmp"), std::string::npos) << f.path();
}

TEST_F(Sorting, ConvertTheOldLayout) {
    auto old = [](int n, const std::string& title) {
        return "#" + std::to_string(n) + "\r\n" + title +
               "\r\n 2, 3\r\nX 0,3 0,4 \r\n3,0 2\r\nskip\r\nskip\r\nskip\r\n X 0,3 0,4\r\n"
               "3,0 2 1\r\n";
    };
    auto converted = [](int n, const std::string& title) {
        return "#" + std::to_string(n) + "\r\n" + title +
               "\r\n 2, 3\r\nX 0,3 0,4|X 0,3 0,4\r\n3,0 2|3,0 2 1\r\n";
    };
    writeFile(o.input, old(5, "one") + "\r\n" + old(9, "two"));
    EXPECT_FALSE(ConvertCommand(ui, o.input, o.output) || fs::exists(o.output)); // not Yes
    ui.yesNoAnswers = {true};
    EXPECT_TRUE(ConvertCommand(ui, o.input, o.output));
    EXPECT_EQ(readFile(o.output), converted(1, "one") + converted(2, "two"));
    EXPECT_EQ(ui.log[0], "yesno: This option will convert old format puzzle file containing "
                         "solutions as well\r\nNo conversion is required if there are only "
                         "puzzles stored in a file\r\nProceed?");
    EXPECT_EQ(ui.messages.back(), "done");
    // A bad header line: earlier records stay; the output is replaced only after Yes.
    writeFile(o.input, old(1, "one") + "bad line\r\n" + old(2, "two"));
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, o.output)); // overwrite: No
    ui.yesNoAnswers = {true};
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, o.output));
    EXPECT_EQ(ui.messages.back(), "error:bad line");
    EXPECT_EQ(readFile(o.output), converted(1, "one"));
    // A record cut short: a message, and the output as it was.
    writeFile(o.input, old(1, "one").substr(0, 40));
    ui.yesNoAnswers = {true};
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, o.output));
    EXPECT_EQ(ui.messages.back(), "Unable to convert file:\r\n" + o.input);
    EXPECT_EQ(readFile(o.output), converted(1, "one"));
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, ""));
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, dir.folder() + "IN.vxt"));
    EXPECT_EQ(ui.messages[ui.messages.size() - 2], "Specify output file name");
    EXPECT_EQ(ui.messages.back(), "Input and output files cannot be same");
}

TEST(PuzzleFileReader, FindsWhatFindPuzzleFinds) {
    TempDir dir;
    const std::string path = dir.file("p.vxt");
    const std::vector<std::pair<std::string, std::string>> files = {
        {"empty", ""},
        {"notes and odd headers",
         "note\r\n#1\r\nA\r\n 3, 3\r\n#0\r\nB\r\n\r\n#x\r\nC\r\n#-1\n#12abc\nlast"},
        {"byte-order mark, LF ends",
         "\xEF\xBB\xBF#1\nTiny\n 3, 3\nX 0,3 0,4\n3,0 2\n4,0 2\n#2\n#title\n 1, 1\nX\n"},
        {"no line end at the end", "#1\r\nT\r\n 1, 2\r\n2"},
        {"long notes", "#3\r\nT\r\n" + std::string(40, '\n') + "#4\r\n"},
    };
    for (const auto& [what, content] : files) {
        writeFile(path, content);
        expectSameRecords(path, what);
    }
    // Damaged files of every shape.
    std::mt19937 gen(8);
    const std::string alphabet = "#X x,|0123\r\n\"\xEF\xBB\xBF";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int k = static_cast<int>(gen() % 200); k > 0; --k)
            text += alphabet[gen() % alphabet.size()];
        writeFile(path, text);
        expectSameRecords(path, "random " + std::to_string(round));
    }
    EXPECT_FALSE(PuzzleFileReader(dir.file("missing.vxt")).ok() ||
                 PuzzleFileReader(dir.file("missing.vxt")).record(1));
    // A record cut short after its title, and one past the end, read as none.
    writeFile(path, "#1\r\nT\r\n");
    PuzzleFileReader cut(path);
    EXPECT_FALSE(readRecord(cut, 1) || readRecord(cut, 2));
}
