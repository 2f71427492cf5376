#include "appearance/colour_scheme.h"
#include "model/cell_display.h"
#include "state/play_aids.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vextor;
using namespace vextor::test;

namespace {

std::string generalScheme(const std::string& white, const std::string& panel,
                          const std::string& sum, const std::string& end = "\r\n") {
    std::string s = "1;2;3" + end + white + end + panel + end + sum + end;
    for (int k = 4; k < 13; ++k)
        s += std::to_string(k) + ";" + std::to_string(k) + ";" + std::to_string(k) + end;
    return s;
}

struct SchemeFixture : ::testing::Test {
    TempDir dir;
    AppState st{1};
    ScriptedUserInterface ui;
    void SetUp() override { st.apppath = dir.folder(); }
};

} // namespace

TEST_F(SchemeFixture, GeneralFormFillsThirteenSlotsAndNormalisesTheName) {
    writeFile(dir.file("blue.sch"),
              generalScheme("0;128;255", " 10 ; 20x;30 trailing", "200;201;202") +
                  "ignored;line\r\n");
    st.schemecolours[13] = 77;
    std::string name = "blue";
    EXPECT_EQ(LoadColorFile(st, ui, name), 1);
    EXPECT_EQ(name, "blue.sch");
    EXPECT_EQ(st.schemecolours[1], 16744448u); // 0;128;255
    EXPECT_EQ(
        std::tuple(st.schemecolours[2], st.schemecolours[3], st.schemecolours[12]),
        std::tuple(packColour(10, 20, 30), packColour(200, 201, 202), packColour(12, 12, 12)));
    EXPECT_EQ(st.schemecolours[13], 77u); // never filled
    // LF line ends read the same; fields in 16 bits are clamped into 0..255.
    writeFile(dir.file("lf.sch"), generalScheme("-32768;300;32767", "1;1;1", "200;201;202", "\n"));
    name = "lf";
    EXPECT_EQ(LoadColorFile(st, ui, name), 1);
    EXPECT_EQ(std::pair(st.schemecolours[1], st.schemecolours[12]),
              std::pair(packColour(0, 255, 255), packColour(12, 12, 12)));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SchemeFixture, DefaultFormAndNameHandling) {
    std::string def;
    for (int k = 0; k < 13; ++k)
        def += std::to_string(1000 + k) + ";comment " + std::to_string(k) + "\r\n";
    writeFile(dir.file("default.sch"), def);
    for (std::string name : {"", "DeFault.SCH"}) {
        EXPECT_EQ(LoadColorFile(st, ui, name), 1);
        EXPECT_EQ(name, "default.sch");
        EXPECT_EQ(st.schemecolours[0] + st.schemecolours[12], 2012u);
    }
    // A value outside 0..2^32-1 fails the file; the slots before it keep theirs.
    for (const char* value : {"-1", "4294967296"}) {
        writeFile(dir.file("default.sch"), "7\r\n8\r\n" + std::string(value) + "\r\n" + def);
        std::string d = "default";
        EXPECT_EQ(LoadColorFile(st, ui, d), 0);
        EXPECT_EQ(std::pair(st.schemecolours[1], st.schemecolours[2]), std::pair(8u, 1002u))
            << value;
    }
    EXPECT_EQ(ui.messages.size(), 2u);
    ui.messages.clear();
    // A name with a dot is opened as it is.
    writeFile(dir.file("mine.txt"), generalScheme("1;1;1", "2;2;2", "3;3;3"));
    std::string mine = "mine.txt";
    EXPECT_EQ(LoadColorFile(st, ui, mine), 1);
    EXPECT_TRUE(mine == "mine.txt" && st.schemecolours[3] == packColour(3, 3, 3));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SchemeFixture, FailuresReportAndFallBackToTheDefaultName) {
    // Missing, too few lines, a line with fewer than three fields, fields beyond 16 bits.
    writeFile(dir.file("short.sch"), "9;9;9\r\n8;8;8\r\n");
    writeFile(dir.file("broken.sch"), generalScheme("1;2;3", "4;5", "6;7;8"));
    writeFile(dir.file("big.sch"), generalScheme("1;2;3", "4;32768;6", "6;7;8"));
    writeFile(dir.file("small.sch"), generalScheme("1;2;3", "4;5;-32769", "6;7;8"));
    for (const char* name : {"gone", "short", "broken", "big", "small"}) {
        st.schemefile = name;
        std::string s = name;
        EXPECT_EQ(LoadColorFile(st, ui, s), 0);
        EXPECT_EQ(ui.messages.back(), "Color Scheme File: " + s + " not found");
        EXPECT_EQ(st.schemefile, "Default.sch");
    }
    EXPECT_EQ(ui.messages.size(), 5u);
    // The slots read before the fault keep their new values.
    EXPECT_TRUE(st.schemecolours[1] == packColour(1, 2, 3) && st.schemesApplied == 0);
}

TEST_F(SchemeFixture, MenuItemLoadsByCaptionAndKeepsColoursWhenTheFileIsMissing) {
    test::makeGrid(st, {"X 3,0", ". ."});
    writeFile(dir.file("teal.sch"), generalScheme("240;250;250", "0;128;128", "130;200;200"));
    EXPECT_TRUE(ColourSchemeCommand(st, ui, 19));
    EXPECT_EQ(st.schemefile, "teal.sch");
    EXPECT_EQ(std::pair(st.whitecol, st.grid[3].BackColor),
              std::pair(packColour(240, 250, 250), packColour(240, 250, 250)));
    EXPECT_TRUE(ui.busyDepth == 0 && ui.maxBusyDepth > 0 && st.schemesApplied == 1);
    const Colour white = st.whitecol, grey = st.greycol;
    EXPECT_FALSE(ColourSchemeCommand(st, ui, 9)); // maple.sch is not there
    EXPECT_EQ(ui.messages.back(), "Color Scheme File: maple.sch not found");
    EXPECT_EQ(st.schemefile, "Default.sch");
    EXPECT_EQ(std::tuple(st.whitecol, st.greycol, st.grid[3].BackColor),
              std::tuple(white, grey, white));
    EXPECT_TRUE(ui.busyDepth == 0 && st.schemesApplied == 1); // the panels keep their colour
    EXPECT_EQ(std::pair(SchemeIndexOf("Teal.SCH"), SchemeIndexOf("none.sch")), std::pair(19, -1));
}

TEST(ShippedSchemes, EveryMenuItemHasAFileOnWhichEveryTextAndMarkerReads) {
    AppState st(1);
    ScriptedUserInterface ui;
    st.apppath = test::resourcesDir().string() + "/";
    st.redcol = packColour(150, 50, 50); // the marking colours of start-up
    st.greencol = packColour(10, 200, 10);
    st.yellowcol = packColour(200, 200, 10);
    for (std::size_t i = 0; i < kSchemeNames.size(); ++i) {
        ASSERT_TRUE(ColourSchemeCommand(st, ui, static_cast<int>(i))) << kSchemeNames[i];
        // Sum and white cells, white cells flagged red by Compile, black cells;
        // clue colours, digits in the error colour, corner markers; plain, and
        // as the cursor cell of solving by hand, tinted with its runs.
        CellMarks cursor;
        cursor.cursor = cursor.runTint = true;
        cursor.highlight = cursorHighlight(st);
        for (Colour back : {st.greycol, st.whitecol, st.redcol, st.blackcol}) {
            for (Colour marking : {st.blackcol, st.greencol, st.redcol, st.yellowcol}) {
                Square s;
                s.BackColor = back;
                s.Black = back == st.blackcol;
                s.acrosscol = s.downcol = s.tick = cursor.errorColour = marking;
                s.Choices = "1379";
                for (const CellMarks& marks : {CellMarks{}, cursor}) {
                    const CellDisplay d = describeCell(s, marks);
                    const Colour error = readableTextColour(marking, d.background);
                    for (Colour text :
                         {d.acrossColour, d.downColour, d.textColour, d.tickOutline, error})
                        EXPECT_GE(contrastRatio(text, d.background), kReadableContrast)
                            << kSchemeNames[i] << " " << back << " " << marking;
                    EXPECT_EQ( // green stays green, red stays red
                        greenOf(d.acrossColour) > redOf(d.acrossColour),
                        greenOf(marking) > redOf(marking));
                    if (!marks.cursor)
                        continue;
                    EXPECT_GE(contrastRatio(d.cursorColour, d.background), kCursorContrast)
                        << kSchemeNames[i] << " " << back;
                    EXPECT_GE(contrastRatio(d.background, back), s.Black ? 1.0 : kRunTintContrast)
                        << kSchemeNames[i] << " " << back;
                }
            }
        }
    }
    EXPECT_TRUE(ui.messages.empty());
}
