#include "base/colour.h"
#include "base/random.h"
#include "base/text.h"

#include <gtest/gtest.h>

using namespace vextor;

TEST(Text, LeadingNumberRule) {
    EXPECT_EQ(leadingNumber("  12abc"), 12);
    EXPECT_EQ(leadingNumber("x"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-7,3"), -7);
    EXPECT_EQ(leadingNumber("+4"), 4);
    EXPECT_DOUBLE_EQ(leadingNumber("2.5.1"), 2.5);
    EXPECT_EQ(leadingNumber(" 1 2"), 1);
    // Huge numbers clamp instead of overflowing.
    EXPECT_EQ(leadingInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(leadingInt("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(leadingInt("2.5"), 2);
    EXPECT_EQ(leadingInt("3.5"), 4);
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
        EXPECT_GE(x, 1);
        EXPECT_LE(x, 9);
        differs = differs || x != first;
    }
    EXPECT_TRUE(differs); // not one value repeated, as a reseed per draw would give
    EXPECT_EQ(a.draw(0), 1);
}
