#include "base/colour.h"

#include <cmath>

namespace vextor {

namespace {

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// `from` moved step/255 of the way to `to`.
int mixChannel(int from, int to, int step) {
    return static_cast<int>(std::lround(from + (to - from) * step / 255.0));
}

Colour mix(Colour c, int to, int step) {
    return packColour(mixChannel(redOf(c), to, step), mixChannel(greenOf(c), to, step),
                      mixChannel(blueOf(c), to, step));
}

} // namespace

double relativeLuminance(Colour c) {
    return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

double contrastRatio(Colour a, Colour b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

Colour readableTextColour(Colour colour, Colour background) {
    return shadeWithContrast(colour, background, kReadableContrast);
}

Colour blendColour(Colour from, Colour to, int weight) {
    return packColour(mixChannel(redOf(from), redOf(to), weight),
                      mixChannel(greenOf(from), greenOf(to), weight),
                      mixChannel(blueOf(from), blueOf(to), weight));
}

Colour shadeWithContrast(Colour colour, Colour background, double ratio) {
    if (contrastRatio(colour, background) >= ratio)
        return colour;
    // Step towards black and towards white at once; the first mix that reaches
    // the ratio is the one closest to the wanted colour. Pure black or white
    // always reaches 4.5 on one side, so the loop ends with a result.
    const bool darkerFirst = relativeLuminance(background) >= 0.18;
    const int towards[2] = {darkerFirst ? 0 : 255, darkerFirst ? 255 : 0};
    for (int step = 1; step <= 255; ++step) {
        for (int to : towards) {
            const Colour c = mix(colour, to, step);
            if (contrastRatio(c, background) >= ratio)
                return c;
        }
    }
    return plainTextColour(background);
}

Colour plainTextColour(Colour background) {
    const Colour black = packColour(0, 0, 0), white = packColour(255, 255, 255);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

} // namespace vextor
