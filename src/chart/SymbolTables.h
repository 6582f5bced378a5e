// The fixed tables of the chart's point symbols: star colour classes and sizes by magnitude,
// the planets' disc colours, and the deep-sky icon chosen by object type. Pure functions, so the
// layers and their tests share one definition of every rule.
#pragma once

#include "chart/DrawSurface.h"

#include <array>
#include <cstddef>

// --- stars

// Colour classes of the star brushes (m_brStar): 0 O/B, 1 A, 2 F/G, 3 K, 4 M, 5 colours off.
inline constexpr std::size_t kStarColourClassCount = 6;
inline constexpr int kStarColourOff = 5;
inline constexpr std::array<Rgb, kStarColourClassCount> kStarColours = {{
    {0, 255, 255},   // O, B
    {233, 235, 218}, // A
    {255, 255, 0},   // F, G
    {255, 172, 0},   // K
    {255, 96, 96},   // M
    {255, 255, 255}, // colours off
}};

// The colour class of a star from its spectral letter. A letter outside O B A F G K M keeps
// `previous`, the class of the star drawn before it.
int StarColourClass(char spectralLetter, int previous);

// The magnitude truncated toward zero: what the picking table keeps and what the printed size
// follows. Magnitudes beyond the int range cannot come from a decoded record; they are clamped.
int TruncatedMagnitude(double magnitude);

// How a star is drawn on screen, by k = truncated magnitude + 1.
enum class StarMark {
    Disc5,      // k = 0: ellipse box (x-5, y-5)..(x+5, y+5)
    Disc4,      // k = 1: ellipse box +-4
    Disc3,      // k = 2: ellipse box +-3
    Cross,      // k = 3: five pixels in the class colour
    Disc2,      // k = 4: ellipse box +-2
    Pixel,      // k = 5: one pixel in the class colour
    PixelLight, // k = 6: one pixel RGB(200, 200, 200)
    PixelDim,   // any other k: one pixel RGB(160, 160, 160)
};
StarMark StarMarkForMagnitude(double magnitude);

inline constexpr Rgb kStarPixelLight{200, 200, 200};
inline constexpr Rgb kStarPixelDim{160, 160, 160};

// Half-size in printer pixels of a printed star's ellipse, by the truncated magnitude.
int PrintedStarHalfSize(int truncatedMagnitude);

// --- Solar System

inline constexpr Rgb kSunPenColour{255, 225, 0};
inline constexpr Rgb kSunBrushColour{255, 255, 0};
inline constexpr Rgb kSaturnRingColour{255, 225, 0};
inline constexpr Rgb kBodyLabelColour{0, 192, 192};

// Disc colour of a planet (body index 2..9); the Moon and the Sun have no disc.
Rgb PlanetDiscColour(std::size_t body);

// The 21 pixel offsets of a planet's disc: dx -1..1 with dy -2..2, and dx +-2 with dy -1..1.
struct PixelOffset {
    int dx;
    int dy;
};
inline constexpr std::size_t kPlanetDiscPixelCount = 21;
const std::array<PixelOffset, kPlanetDiscPixelCount>& PlanetDiscOffsets();

// --- deep-sky objects

// Icon index by object type: 's' galaxy 0, 'g' globular cluster 1, 'o' open cluster 2,
// 'e' nebula 3, 'p' planetary nebula 4; any other letter keeps `previous`.
int DeepSkyIconIndex(char type, int previous);
