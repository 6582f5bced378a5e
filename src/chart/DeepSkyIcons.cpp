#include "chart/DeepSkyIcons.h"

// clang-format off
const std::array<DeepSkyIconRows, kDeepSkyIconCount> kDeepSkyIconRows = {{
    { // 0 galaxy
        "..........",
        "..KKKKLK..",
        ".KLLLKKYK.",
        "KLLLYLKKYK",
        "KYLYWWKKYK",
        "KYKKWWYLYK",
        "KYKKLYLLLK",
        ".KYKKLLLK.",
        "..KLKKKK..",
        "..........",
    },
    { // 1 globular cluster
        "..........",
        "...Y..Y...",
        "....Y.....",
        ".Y.Y.YY.Y.",
        "...YYY.Y..",
        "..Y.YYY...",
        ".Y.YY.Y.Y.",
        ".....Y....",
        "...Y..Y...",
        "..........",
    },
    { // 2 open cluster
        "..........",
        "...C..C...",
        "..........",
        ".C...C..C.",
        "...C......",
        "......C...",
        ".C..C...C.",
        "..........",
        "...C..C...",
        "..........",
    },
    { // 3 nebula
        "..........",
        "...RRRR...",
        "..RDR.RR..",
        ".RR..RR.R.",
        ".R.RR..RR.",
        ".RR..RR.R.",
        ".R.RR..RR.",
        "..RR.RDR..",
        "...RRRR...",
        "..........",
    },
    { // 4 planetary nebula
        "..........",
        "...DDD....",
        "..RRRRR...",
        ".RR...RR..",
        ".RD.R.DR..",
        ".RR...RR..",
        "..RRRRR...",
        "...DDD....",
        "..........",
        "..........",
    },
}};
// clang-format on

bool DeepSkyIconLetterColour(char letter, Rgb& colour) {
    switch (letter) {
    case 'K':
        colour = {0, 0, 0};
        return true;
    case 'L':
        colour = {192, 192, 192};
        return true;
    case 'Y':
        colour = {255, 255, 0};
        return true;
    case 'W':
        colour = {255, 255, 255};
        return true;
    case 'C':
        colour = {0, 255, 255};
        return true;
    case 'R':
        colour = {255, 0, 0};
        return true;
    case 'D':
        colour = {128, 0, 0};
        return true;
    default:
        return false;
    }
}

namespace {

constexpr std::size_t kPixels = kDeepSkyIconSize * kDeepSkyIconSize;

IconPicture MakeIcon(const DeepSkyIconRows& rows) {
    IconPicture icon;
    icon.width = kDeepSkyIconSize;
    icon.height = kDeepSkyIconSize;
    icon.pixels.assign(kPixels, kBlack);
    icon.opaque.assign(kPixels, 0);
    for (int y = 0; y < kDeepSkyIconSize; ++y) {
        for (int x = 0; x < kDeepSkyIconSize; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * kDeepSkyIconSize + x);
            Rgb colour;
            if (DeepSkyIconLetterColour(rows[y][x], colour)) {
                icon.pixels[i] = colour;
                icon.opaque[i] = 1;
            }
        }
    }
    return icon;
}

MonoBitmap MakeBitmap(const IconPicture& icon) {
    MonoBitmap bitmap;
    bitmap.width = icon.width;
    bitmap.height = icon.height;
    bitmap.bits = icon.opaque; // ink wherever the screen icon has a colour
    return bitmap;
}

} // namespace

const std::array<IconPicture, kDeepSkyIconCount>& DeepSkyIcons() {
    static const std::array<IconPicture, kDeepSkyIconCount> kIcons = [] {
        std::array<IconPicture, kDeepSkyIconCount> icons;
        for (std::size_t i = 0; i < kDeepSkyIconCount; ++i) {
            icons[i] = MakeIcon(kDeepSkyIconRows[i]);
        }
        return icons;
    }();
    return kIcons;
}

const std::array<MonoBitmap, kDeepSkyIconCount>& DeepSkyPrintBitmaps() {
    static const std::array<MonoBitmap, kDeepSkyIconCount> kBitmaps = [] {
        std::array<MonoBitmap, kDeepSkyIconCount> bitmaps;
        for (std::size_t i = 0; i < kDeepSkyIconCount; ++i) {
            bitmaps[i] = MakeBitmap(DeepSkyIcons()[i]);
        }
        return bitmaps;
    }();
    return kBitmaps;
}
