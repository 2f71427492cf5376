// The program's one random source: seeded once, from the clock or a given seed.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>

namespace vextor {

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    static Random fromClock();

    void reseed(std::uint64_t seed) { engine_.seed(seed); }
    // A uniform value in [0, 1): exactly std::generate_canonical<double, 53>
    // on the engine (one 64-bit draw scaled by 2^-64, kept below 1), without
    // its per-call set-up; random layouts draw it many thousands of times.
    double uniform() {
        const double v = static_cast<double>(engine_()) * 0x1p-64;
        return v < 1.0 ? v : std::nextafter(1.0, 0.0);
    }
    // A draw of 1..m: the whole part of (uniform * m) + 1. m < 1 gives 1.
    int draw(int m) {
        if (m < 1)
            return 1;
        const int v = static_cast<int>(uniform() * m) + 1;
        return v > m ? m : v;
    }

private:
    std::mt19937_64 engine_;
};

} // namespace vextor
