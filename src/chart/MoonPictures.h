// The eleven 16 x 16 Moon-phase pictures (m_hMoonIcon) and the rules that pick one and place it.
//
// Picture k (0..10) is a disc 14 pixels across in dark grey whose left part is lit (white), with
// a light-grey pixel where the lit part ends on each row; the lit run on the middle rows is
// kMoonLitRun[k] pixels wide, and every other row is lit in the same proportion of its width (the
// terminator is an ellipse). Pixels outside the disc are transparent.
#pragma once

#include "chart/DrawSurface.h"

#include <array>
#include <cstddef>

inline constexpr std::size_t kMoonPictureCount = 11;
inline constexpr int kMoonPictureSize = 16;
inline constexpr int kMoonDiscDiameter = 14;
inline constexpr std::array<int, kMoonPictureCount> kMoonLitRun = {0, 2,  3,  4,  5, 7,
                                                                   8, 10, 11, 12, 14};

inline constexpr Rgb kMoonDark{128, 128, 128};
inline constexpr Rgb kMoonLit{255, 255, 255};
inline constexpr Rgb kMoonTerminator{192, 192, 192};

const std::array<IconPicture, kMoonPictureCount>& MoonPictures();

// The picture for p, the cosine of the Moon's phase angle (-1 new, +1 full): 10 (1 + p) / 2 to
// the nearest integer, halves toward zero. Values of p a little outside [-1, 1] (rounding in the
// ephemeris) give the end pictures instead of an index outside the set.
std::size_t MoonPictureIndex(double cosPhaseAngle);

// Where the picture goes for a Moon drawn at (x, y): the box's left edge and signed width as
// DrawSurface::DrawIcon takes them (a negative width mirrors the picture). The pictures show the
// lit part on the left; the elongation e = Sun ra - Moon ra (hours) and the hemisphere decide
// whether it is turned: with 0 < e <= 12 or -24 <= e < -12 the box starts at x - 8g with width
// 16g, otherwise at x + 8g with width -16g, where g is +1 for the hemisphere letter "N" and -1
// for any other.
struct MoonPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
MoonPlacement PlaceMoonPicture(int x, int y, double sunRa, double moonRa, bool northernLetter);
