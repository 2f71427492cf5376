#include "base/colour.h"
#include "base/random.h"
#include "base/text.h"

#include <gtest/gtest.h>

using namespace vextor;

TEST(Text, LeadingNumberRule) {
    for (auto [text, n] : {std::pair{"  12abc", 12.0},
                           {"x", 0.0},
                           {"", 0.0},
                           {"-7,3", -7.0},
                           {"+4", 4.0},
                           {"2.5.1", 2.5},
                           {" 1 2", 1.0}})
        EXPECT_DOUBLE_EQ(leadingNumber(text), n) << text;
    // Huge numbers clamp instead of overflowing.
    for (auto [text, n] : {std::pair{"99999999999999999999", 2147483647},
                           {"2.5", 2},
                           {"3.5", 4},
                           {"-99999999999999999999", -2147483647 - 1}})
        EXPECT_EQ(leadingInt(text), n) << text;
}

TEST(Text, SplitTrimUpper) {
    EXPECT_EQ(split(" 1, 2,", ','), (std::vector<std::string>{" 1", " 2", ""}));
    EXPECT_EQ(split("abc", ','), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(trim("  a b \t"), "a b");
    EXPECT_EQ(upper("x1a"), "X1A");
}

TEST(Random, SeededDrawsRepeatAndStayInRange) {
    Random a(42), b(42);
    bool differs = false;
    int first = a.draw(9);
    b.draw(9);
    for (int k = 0; k < 1000; ++k) {
        const int x = a.draw(9);
        EXPECT_EQ(x, b.draw(9));
        EXPECT_TRUE(x >= 1 && x <= 9) << x;

        differs = differs || x != first;
    }
    EXPECT_TRUE(differs); // not one value repeated, as a reseed per draw would give
    EXPECT_EQ(a.draw(0), 1);
}
