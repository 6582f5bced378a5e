// The five 10 x 10 deep-sky symbols: coloured icons with transparent pixels for the screen, and
// one-bit pictures of the same shapes for paper. Index by DeepSkyIconIndex (SymbolTables.h):
// 0 galaxy, 1 globular cluster, 2 open cluster, 3 nebula, 4 planetary nebula.
#pragma once

#include "chart/DrawSurface.h"

#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t kDeepSkyIconCount = 5;
inline constexpr int kDeepSkyIconSize = 10;

// The pictures as rows of letters, top row first: '.' transparent, K black, L silver, Y yellow,
// W white, C cyan, R red, D dark red.
using DeepSkyIconRows = std::array<std::string_view, kDeepSkyIconSize>;
extern const std::array<DeepSkyIconRows, kDeepSkyIconCount> kDeepSkyIconRows;

// The colour of one picture letter; '.' and unknown letters give nothing (transparent).
bool DeepSkyIconLetterColour(char letter, Rgb& colour);

// Screen icons (m_hDeepSkyIcon) and their printed one-bit twins (ink where the icon has colour).
const std::array<IconPicture, kDeepSkyIconCount>& DeepSkyIcons();
const std::array<MonoBitmap, kDeepSkyIconCount>& DeepSkyPrintBitmaps();
