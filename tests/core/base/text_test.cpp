#include "base/random.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <set>

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

// The one random source draws exactly what std::generate_canonical draws;
// its draws of 1..m meet every value and no other.
TEST(Random, UniformIsGenerateCanonicalAndDrawsCoverOneToM) {
    Random rng(42);
    std::mt19937_64 engine(42);
    for (int k = 0; k < 100000; ++k)
        ASSERT_EQ(rng.uniform(), (std::generate_canonical<double, 53>(engine))) << k;
    std::set<int> seen;
    for (int k = 0; k < 1000; ++k)
        seen.insert(rng.draw(9));
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(rng.draw(0), 1);
}
