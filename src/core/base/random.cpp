#include "base/random.h"

#include <chrono>

namespace vextor {

Random Random::fromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return Random(static_cast<std::uint64_t>(ticks));
}

} // namespace vextor
