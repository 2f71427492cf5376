// The one random source draws exactly what std::generate_canonical draws.
#include "base/random.h"

#include <gtest/gtest.h>

TEST(Random, UniformIsGenerateCanonical) {
    vextor::Random rng(42);
    std::mt19937_64 engine(42);
    for (int k = 0; k < 100000; ++k)
        ASSERT_EQ(rng.uniform(), (std::generate_canonical<double, 53>(engine))) << k;
}
