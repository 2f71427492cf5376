#include "appearance/colour_scheme.h"
#include "model/cell_display.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vextor;

namespace {

// The channel that gives a colour its hue: 0 red, 1 green, 2 blue.
int strongestChannel(Colour c) {
    const int ch[] = {redOf(c), greenOf(c), blueOf(c)};
    return static_cast<int>(std::max_element(ch, ch + 3) - ch);
}

} // namespace

TEST(ReadableColours, EveryTextAndMarkerReadsOnItsCellInEveryShippedScheme) {
    const Colour black = packColour(0, 0, 0), white = packColour(255, 255, 255);
    EXPECT_DOUBLE_EQ(contrastRatio(black, white), 21.0);
    // The fault: the plain "run adds up" green on the default sum-cell grey.
    EXPECT_LT(contrastRatio(packColour(10, 200, 10), packColour(192, 192, 192)), 1.3);
    for (std::string_view name : kSchemeNames) {
        AppState st{1};
        test::ScriptedUserInterface ui;
        st.apppath = test::resourcesDir().string() + "/";
        st.schemefile = std::string(name) + ".sch";
        ASSERT_EQ(LoadColorFile(st, ui, st.schemefile), 1) << name;
        ApplyScheme(st);
        // The marking colours as start-up sets them.
        st.redcol = packColour(150, 50, 50);
        st.greencol = packColour(10, 200, 10);
        st.yellowcol = packColour(200, 200, 10);
        // Sum and white cells, white cells flagged red by Compile, black cells.
        for (Colour back : {st.greycol, st.whitecol, st.redcol, black}) {
            for (Colour marking : {st.blackcol, st.greencol, st.redcol, st.yellowcol}) {
                Square s;
                s.BackColor = back;
                s.Black = back == black;
                s.across = 23;
                s.down = -1;
                s.acrosscol = s.downcol = marking;
                s.Choices = "1379";
                s.tick = marking == st.blackcol ? st.greencol : marking;
                const CellDisplay d = describeCell(s);
                const std::string where = std::string(name) + " on " + std::to_string(back) +
                                          ", colour " + std::to_string(marking);
                for (Colour text : {d.acrossColour, d.downColour, d.textColour, d.tickOutline})
                    EXPECT_GE(contrastRatio(text, d.background), kReadableContrast) << where;
                // A digit drawn in the error colour.
                EXPECT_GE(contrastRatio(readableTextColour(marking, back), back), kReadableContrast)
                    << where;
                // Green stays green, red stays red.
                if (marking == st.greencol || marking == st.redcol) {
                    EXPECT_EQ(strongestChannel(d.acrossColour), strongestChannel(marking)) << where;
                }
            }
        }
    }
}
