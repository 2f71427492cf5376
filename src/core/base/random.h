// The program's one random source: seeded once, from the clock or a given seed.
#pragma once

#include <cstdint>
#include <random>

namespace vextor {

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    static Random fromClock();

    void reseed(std::uint64_t seed) { engine_.seed(seed); }
    // A uniform value in [0, 1).
    double uniform();
    // A draw of 1..m: the whole part of (uniform * m) + 1. m < 1 gives 1.
    int draw(int m);

private:
    std::mt19937_64 engine_;
};

} // namespace vextor
