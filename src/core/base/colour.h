// Colours are packed as red + 256 * green + 65536 * blue.
#pragma once

#include <cstdint>

namespace vextor {

using Colour = std::uint32_t;

constexpr Colour packColour(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xff) + 256u * static_cast<Colour>(green & 0xff) +
           65536u * static_cast<Colour>(blue & 0xff);
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xff); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xff); }

} // namespace vextor
