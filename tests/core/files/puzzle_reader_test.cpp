// The one-pass reader finds the records as counting and FindPuzzle do.
#include "files/puzzle_file.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>

using namespace vextor;
using vextor::test::ScriptedUserInterface;
using vextor::test::TempDir;
using vextor::test::writeFile;

namespace {

// Record n as FindPuzzle and line-by-line reading give it: the header number,
// the title line, then the lines up to the next header (at most 17 lines).
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

} // namespace

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
    EXPECT_FALSE(PuzzleFileReader(dir.file("missing.vxt")).ok());
    EXPECT_FALSE(PuzzleFileReader(dir.file("missing.vxt")).record(1));
}
