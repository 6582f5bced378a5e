#include "chart/SymbolTables.h"

#include <algorithm>
#include <cmath>

int StarColourClass(char spectralLetter, int previous) {
    switch (spectralLetter) {
    case 'O':
    case 'B':
        return 0;
    case 'A':
        return 1;
    case 'F':
    case 'G':
        return 2;
    case 'K':
        return 3;
    case 'M':
        return 4;
    default:
        return previous;
    }
}

int TruncatedMagnitude(double magnitude) {
    // The clamp only matters for values no catalogue record can hold (the decoder zeroes
    // anything beyond magnitude 30); it keeps the conversion defined.
    constexpr double kBound = 1.0e6;
    if (std::isnan(magnitude)) {
        return 0;
    }
    return static_cast<int>(std::trunc(std::clamp(magnitude, -kBound, kBound)));
}

StarMark StarMarkForMagnitude(double magnitude) {
    switch (TruncatedMagnitude(magnitude) + 1) {
    case 0:
        return StarMark::Disc5;
    case 1:
        return StarMark::Disc4;
    case 2:
        return StarMark::Disc3;
    case 3:
        return StarMark::Cross;
    case 4:
        return StarMark::Disc2;
    case 5:
        return StarMark::Pixel;
    case 6:
        return StarMark::PixelLight;
    default:
        return StarMark::PixelDim;
    }
}

int PrintedStarHalfSize(int truncatedMagnitude) {
    switch (truncatedMagnitude) {
    case -1:
        return 15;
    case 0:
        return 12;
    case 1:
        return 10;
    case 2:
        return 8;
    case 3:
        return 6;
    case 4:
        return 4;
    case 5:
        return 3;
    default:
        return 2;
    }
}

Rgb PlanetDiscColour(std::size_t body) {
    static constexpr std::array<Rgb, 10> kColours = {{
        {0, 0, 0},       // Moon: drawn as a picture
        {0, 0, 0},       // Sun: drawn with rays
        {255, 255, 128}, // Mercury
        {255, 255, 192}, // Venus
        {255, 0, 0},     // Mars
        {255, 255, 255}, // Jupiter
        {255, 255, 0},   // Saturn
        {0, 255, 0},     // Uranus
        {0, 255, 255},   // Neptune
        {128, 128, 0},   // Pluto
    }};
    return body < kColours.size() ? kColours[body] : kWhite;
}

const std::array<PixelOffset, kPlanetDiscPixelCount>& PlanetDiscOffsets() {
    static const std::array<PixelOffset, kPlanetDiscPixelCount> kOffsets = [] {
        std::array<PixelOffset, kPlanetDiscPixelCount> offsets{};
        std::size_t n = 0;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -2; dy <= 2; ++dy) {
                offsets[n++] = {dx, dy};
            }
        }
        for (int dx : {-2, 2}) {
            for (int dy = -1; dy <= 1; ++dy) {
                offsets[n++] = {dx, dy};
            }
        }
        return offsets;
    }();
    return kOffsets;
}

int DeepSkyIconIndex(char type, int previous) {
    switch (type) {
    case 's':
        return 0;
    case 'g':
        return 1;
    case 'o':
        return 2;
    case 'e':
        return 3;
    case 'p':
        return 4;
    default:
        return previous;
    }
}
