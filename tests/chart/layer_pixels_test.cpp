// The symbol layers on the real cairo surface, read back pixel by pixel: the Moon's picture and
// its mirror image, and a star's cross against its disc.
#include "chart/CairoSurface.h"
#include "chart/Layers.h"
#include "chart/MoonPictures.h"
#include "layer_support.h"

#include <gtest/gtest.h>

using namespace layertest;

namespace {

// Draws the Solar System layer with only the Moon in view onto a cairo image and returns the
// image's middle row across the Moon: 'W' lit, 'g' dark, 'l' light grey, '.' anything else.
std::string MoonRow(const char* hemisphere, double elongation) {
    LayerFixture f(hemisphere);
    f.settings.HorizonView = 1; // keep the picture's place unturned for the southern observer
    f.chart->m_nHorizonViewSetting = 1;
    f.chart->m_bSolarSystem = 1;
    for (auto& b : f.computed.m_bodies) {
        b = SolarSystemBody{.ra = 0.0, .dec = 89.5, .earthDistanceAu = 1.0};
    }
    f.computed.m_bodies[kBodyMoon] = SolarSystemBody{.ra = kCentreRa,
                                                     .dec = 0.0,
                                                     .earthDistanceKm = 384000.0,
                                                     .cosPhaseAngle = -0.2}; // picture 4
    f.computed.m_bodies[kBodySun].ra = kCentreRa + elongation;
    CairoImageSurface image(kClientWidth, kClientHeight);
    image.FillRect(PixelRect{0, 0, kClientWidth, kClientHeight}, kBlack);
    LayerContext ctx{*f.chart, f.computed, f.picks, *f.catalog, f.northern, image};
    DrawSolarSystem(ctx);
    image.Flush();
    std::string row;
    for (int x = kCentreX - 8; x < kCentreX + 8; ++x) {
        const Rgb c = image.PixelAt(x, kCentreY);
        row += c == kMoonLit ? 'W' : c == kMoonDark ? 'g' : c == kMoonTerminator ? 'l' : '.';
    }
    return row;
}

} // namespace

TEST(LayerPixels, MoonPictureAndItsMirrorImage) {
    const std::string asDrawn = ".WWWWWlgggggggg.";
    const std::string mirrored(asDrawn.rbegin(), asDrawn.rend());
    EXPECT_EQ(MoonRow("N", 6.0), asDrawn);   // waning: lit part on the left
    EXPECT_EQ(MoonRow("N", -6.0), mirrored); // waxing: lit part towards the Sun, on the right
    EXPECT_EQ(MoonRow("S", 6.0), mirrored);
    EXPECT_EQ(MoonRow("S", -6.0), asDrawn);
}

TEST(LayerPixels, CrossStarAgainstDiscStar) {
    LayerFixture f;
    for (auto& s : f.catalog->m_stars) {
        s.dec = 90.0f;
    }
    f.catalog->m_stars[0] = StarRecord{'K', {}, 0, kCentreRa, 0.0f, 2.5f};        // cross
    f.catalog->m_stars[1] = StarRecord{'K', {}, 0, kCentreRa - 0.2f, 0.0f, 3.5f}; // disc +-2
    CairoImageSurface image(kClientWidth, kClientHeight);
    image.FillRect(PixelRect{0, 0, kClientWidth, kClientHeight}, kBlack);
    LayerContext ctx{*f.chart, f.computed, f.picks, *f.catalog, f.northern, image};
    DrawStars(ctx);
    image.Flush();
    const Rgb k{255, 172, 0};
    // The cross: five pixels in the class colour, the diagonals untouched.
    EXPECT_EQ(image.PixelAt(kCentreX, kCentreY), k);
    EXPECT_EQ(image.PixelAt(kCentreX - 1, kCentreY), k);
    EXPECT_EQ(image.PixelAt(kCentreX + 1, kCentreY), k);
    EXPECT_EQ(image.PixelAt(kCentreX, kCentreY - 1), k);
    EXPECT_EQ(image.PixelAt(kCentreX, kCentreY + 1), k);
    EXPECT_EQ(image.PixelAt(kCentreX + 1, kCentreY + 1), kBlack);
    // The fainter disc: box (x-2, y-2)..(x+2, y+2), the black pen's outline around a smaller
    // coloured middle, nothing at x + 2.
    const PixelPoint d{f.picks.stars[1].x, f.picks.stars[1].y};
    ASSERT_GT(d.x, 0);
    EXPECT_EQ(image.PixelAt(d.x, d.y), k);
    int coloured = 0;
    for (int y = d.y - 3; y <= d.y + 3; ++y) {
        for (int x = d.x - 3; x <= d.x + 3; ++x) {
            coloured += image.PixelAt(x, y) == k;
            if (x >= d.x + 2 || y >= d.y + 2 || x < d.x - 2 || y < d.y - 2) {
                EXPECT_EQ(image.PixelAt(x, y), kBlack) << x - d.x << "," << y - d.y;
            }
        }
    }
    EXPECT_GT(coloured, 0);
    EXPECT_LT(coloured, 5); // the outline leaves less colour than the cross shows
}
