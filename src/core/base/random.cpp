#include "base/random.h"

#include <chrono>

namespace vextor {

Random Random::fromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return Random(static_cast<std::uint64_t>(ticks));
}

double Random::uniform() { return std::generate_canonical<double, 53>(engine_); }

int Random::draw(int m) {
    if (m < 1)
        return 1;
    int v = static_cast<int>(uniform() * m) + 1;
    return v > m ? m : v; // generate_canonical may round up to 1.0 on rare draws
}

} // namespace vextor
