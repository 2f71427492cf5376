// vextor-cli print: the dialog's checks in-process, and a PDF made without a display.
#include "run_cli.h"
#include "support/test_files.h"

#include <filesystem>

using namespace vextor;
using namespace vextor::test;

namespace {

const std::string kTwo = tinyRecord(1, true, "Tiny") + tinyRecord(2, false, "Next");

} // namespace

TEST(PrintCli, DialogChecksFailWithTheirMessages) {
    TempDir dir;
    const std::string file = dir.file("p.vxt"), pdf = dir.file("o.pdf"), old = dir.file("old.pdf"),
                      bad = dir.file("bad.vxt");
    writeFile(file, kTwo);
    writeFile(old, "keep");
    writeFile(bad, "#1\r\nCut\r\n 3, 3\r\nX 0,3 0,4\r\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;      // start of standard error
        bool drawing = false; // reached only by a build with PDF output
    } cases[] = {
        {{"print", file, "--pdf", dir.folder() + "./p.vxt"},
         1,
         "A puzzle file cannot be printed into itself:\n" + dir.folder() + "./p.vxt\n"},
        {{"print", file, "--pdf", old}, 1, "OverWrite file: " + old + " ? [No]\n"},
        {{"print", bad, "--pdf", pdf}, 1, "Error reading puzzle# 1 from file " + bad + "\n", true},
        {{"print", file, "--pdf", dir.file("none/o.pdf")},
         1,
         "vextor-cli print: cannot write " + dir.file("none/o.pdf"),
         true},
        {{"print", file, "--pdf", pdf, "--from", "0"}, 1, "Invalid from or to puzzle number\n"},
        {{"print", file}, 2, "vextor-cli print: --pdf OUT.pdf is required"},
        {{"print", file, "--pdf", pdf, "--current", "1", "--to", "2"},
         2,
         "vextor-cli print: --current"},
        {{"print", file, "--pdf", pdf, "--current", "1", "--book"},
         2,
         "vextor-cli print: --current"},
        {{"print", file, "--pdf", pdf, "--current", "0"}, 2, "vextor-cli print: N must be"},
    };
    // A build without Qt has no PDF output: it cannot reach the drawing.
    const std::string noPdf = "vextor-cli print: this build has no PDF output";
    for (const auto& c : cases) {
        const auto r = test::runCli(c.args);
        EXPECT_TRUE(r.status == c.status && r.out.empty()) << c.args.back();
        if (!c.drawing || !r.err.starts_with(noPdf)) {
            EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
        }
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
    EXPECT_EQ(readFile(file), kTwo);
    EXPECT_EQ(readFile(old), "keep");
}

TEST(PrintCli, PrintsAPdfWithoutADisplay) {
    TempDir dir;
    const std::string file = dir.file("p.vxt"), pdf = dir.file("o.pdf");
    writeFile(file, kTwo);
    const std::string cli = std::string(VEXTOR_BIN_DIR) + "/vextor-cli";
    if (shell("command -v pdftotext pdfinfo >/dev/null").first != 0)
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are missing: scripts/deps.sh";
    const std::string env = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    const struct {
        std::string options;
        std::string pages;
        std::vector<std::string> texts;
    } cases[] = {
        {"", "2", {"Puzzle Number1 : Tiny", "Solution Number1 : Tiny", "Solution Number2 : Next"}},
        {"--no-solution", "1", {"Puzzle Number1 : Tiny", "Puzzle Number2 : Next"}},
        {"--current 2", "1", {"Puzzle Number1 : Next", "Solution Number1 : Next"}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(pdf);
        const auto [status, out] = shell(env + cli + " print '" + file + "' --pdf '" + pdf + "' " +
                                         c.options + " 2>/dev/null");
        if (status == 1 && !std::filesystem::exists(pdf))
            GTEST_SKIP() << "vextor-cli was built without PDF output";
        ASSERT_EQ(status, 0) << c.options;
        EXPECT_EQ(out, c.pages + "\n");
        EXPECT_NE(shell("pdfinfo '" + pdf + "'").second.find("Pages:           " + c.pages + "\n"),
                  std::string::npos);
        const std::string text = shell("pdftotext -layout '" + pdf + "' -").second;
        for (const std::string& t : c.texts)
            EXPECT_NE(text.find(t), std::string::npos) << t << " in\n" << text;
    }
}
