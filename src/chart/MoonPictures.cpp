#include "chart/MoonPictures.h"

#include "astro/Angles.h"

#include <algorithm>
#include <cmath>

namespace {

// The disc is centred in the picture; a pixel belongs to it when its centre lies within the
// radius.
bool InDisc(int x, int y) {
    const double c = kMoonPictureSize / 2.0;
    const double r = kMoonDiscDiameter / 2.0;
    const double dx = x + 0.5 - c;
    const double dy = y + 0.5 - c;
    return dx * dx + dy * dy <= r * r;
}

IconPicture MakeMoonPicture(std::size_t k) {
    constexpr int n = kMoonPictureSize;
    IconPicture picture;
    picture.width = n;
    picture.height = n;
    picture.pixels.assign(n * n, kBlack);
    picture.opaque.assign(n * n, 0);
    const double litShare = static_cast<double>(kMoonLitRun[k]) / kMoonDiscDiameter;
    for (int y = 0; y < n; ++y) {
        int first = n;
        int last = -1;
        for (int x = 0; x < n; ++x) {
            if (InDisc(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        if (last < first) {
            continue;
        }
        const int width = last - first + 1;
        const int lit = static_cast<int>(std::lround(litShare * width));
        for (int x = first; x <= last; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * n + x);
            const int run = x - first;
            Rgb colour = kMoonDark;
            if (run < lit) {
                colour = kMoonLit;
            } else if (run == lit && lit > 0) {
                colour = kMoonTerminator;
            }
            picture.pixels[i] = colour;
            picture.opaque[i] = 1;
        }
    }
    return picture;
}

} // namespace

const std::array<IconPicture, kMoonPictureCount>& MoonPictures() {
    static const std::array<IconPicture, kMoonPictureCount> kPictures = [] {
        std::array<IconPicture, kMoonPictureCount> pictures;
        for (std::size_t k = 0; k < kMoonPictureCount; ++k) {
            pictures[k] = MakeMoonPicture(k);
        }
        return pictures;
    }();
    return kPictures;
}

std::size_t MoonPictureIndex(double cosPhaseAngle) {
    const double p = std::isnan(cosPhaseAngle) ? -1.0 : std::clamp(cosPhaseAngle, -1.0, 1.0);
    const int k = RoundHalfTowardZero(10.0 * (1.0 + p) / 2.0);
    return static_cast<std::size_t>(std::clamp(k, 0, static_cast<int>(kMoonPictureCount) - 1));
}

MoonPlacement PlaceMoonPicture(int x, int y, double sunRa, double moonRa, bool northernLetter) {
    constexpr int half = kMoonPictureSize / 2;
    const int g = northernLetter ? 1 : -1;
    const double e = sunRa - moonRa;
    const bool asDrawn = (e > 0.0 && e <= 12.0) || (e >= -24.0 && e < -12.0);
    MoonPlacement placement;
    placement.top = y - half;
    placement.height = kMoonPictureSize;
    if (asDrawn) {
        placement.left = x - half * g;
        placement.width = kMoonPictureSize * g;
    } else {
        placement.left = x + half * g;
        placement.width = -kMoonPictureSize * g;
    }
    return placement;
}
