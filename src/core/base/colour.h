// Colours are packed as red + 256 * green + 65536 * blue.
#pragma once

#include <cstdint>

namespace vextor {

using Colour = std::uint32_t;

constexpr Colour packColour(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xff) + 256u * static_cast<Colour>(green & 0xff) +
           65536u * static_cast<Colour>(blue & 0xff);
}
constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xff);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xff);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xff);
}

// Relative luminance of an sRGB colour (WCAG 2): 0 for black .. 1 for white.
double relativeLuminance(Colour c);
// Contrast ratio of two colours (WCAG 2): 1 (equal) .. 21 (black on white).
double contrastRatio(Colour a, Colour b);

// The least contrast every text and marker of the grid keeps against its cell.
constexpr double kReadableContrast = 4.5;

// `colour` as text (or marker outline) on `background`: unchanged when it
// already reaches kReadableContrast, else the closest darker shade (mixed with
// black) or lighter tint (mixed with white) of the same hue that does. Keeps
// the meaning of a marking colour (green: the run adds up, red: wrong) and
// serves every coloured text drawn on a cell: clues, digits drawn in the error
// colour, the outline of the corner markers.
Colour readableTextColour(Colour colour, Colour background);

// The same for any least contrast `ratio` (1 to 4.5): `colour` itself, or its
// closest darker or lighter shade that reaches it.
Colour shadeWithContrast(Colour colour, Colour background, double ratio);

// `from` moved weight/255 of the way to `to`, channel by channel.
Colour blendColour(Colour from, Colour to, int weight);

// Black or white, whichever has the higher contrast on `background`: plain
// digits and candidates.
Colour plainTextColour(Colour background);

} // namespace vextor
