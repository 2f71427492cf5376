#include "create/digit_sets.h"

#include <array>
#include <bit>

namespace vextor {

namespace {

struct SetCounts {
    std::array<std::array<int, 46>, 10> n{};
    SetCounts() {
        for (unsigned m = 0; m < 512; ++m) {
            int sum = 0;
            for (int d = 0; d < 9; ++d)
                if (m & (1u << d))
                    sum += d + 1;
            ++n[static_cast<std::size_t>(std::popcount(m))][static_cast<std::size_t>(sum)];
        }
    }
};

} // namespace

int digitSetCount(std::size_t len, int sum) {
    static const SetCounts t;
    return len < 10 && sum >= 0 && sum <= 45 ? t.n[len][static_cast<std::size_t>(sum)] : 0;
}

} // namespace vextor
