// The stars layer: marks by magnitude class and spectral colour, the limit, the client test and
// the picking table, on screen and on paper.
#include "chart/Layers.h"
#include "chart/SymbolTables.h"
#include "layer_support.h"

#include <gtest/gtest.h>

using namespace layertest;

namespace {

void PutStar(CatalogStore& store, std::size_t i, char letter, float ra, float dec, float mag) {
    StarRecord& s = store.m_stars[i];
    s.spectralClass = letter;
    s.ra = ra;
    s.dec = dec;
    s.magnitude = mag;
}

// Every star of the table sits at the north pole unless a test moves it: the pole fails the
// declination band of an untilted chart (dec 90 >= turnY + 90), so it is never drawn.
void ParkAllStars(CatalogStore& store) {
    for (auto& s : store.m_stars) {
        s.dec = 90.0f;
    }
}

} // namespace

TEST(LayerStars, ScreenMarksFollowMagnitudeAndColourClass) {
    LayerFixture f;
    ParkAllStars(*f.catalog);
    // Stars spread along the equator, 0.2 h apart, in the order of the table below.
    struct Case {
        char letter;
        float magnitude;
        Op op;
        int half; // ellipse half-size, or pixel count for pixel marks
        Rgb colour;
    };
    const Case cases[] = {
        {'B', -1.0f, Op::Ellipse, 5, {0, 255, 255}}, {'A', -0.5f, Op::Ellipse, 4, {233, 235, 218}},
        {'G', 1.0f, Op::Ellipse, 3, {255, 255, 0}},  {'K', 2.0f, Op::Pixel, 5, {255, 172, 0}},
        {'M', 3.0f, Op::Ellipse, 2, {255, 96, 96}},  {'F', 4.2f, Op::Pixel, 1, {255, 255, 0}},
        {'B', 5.5f, Op::Pixel, 1, {200, 200, 200}},  {'B', 7.2f, Op::Pixel, 1, {160, 160, 160}},
        {'C', 1.5f, Op::Ellipse, 3, {0, 255, 255}}, // unknown letter: class of the star before
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        PutStar(*f.catalog, i, cases[i].letter, 5.0f + 0.2f * static_cast<float>(i), 0.0f,
                cases[i].magnitude);
    }
    DrawStars(f.Context());

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        const PixelPoint p = f.At(5.0f + 0.2f * static_cast<float>(i), 0.0f);
        const StarPick pick = f.picks.stars[i];
        EXPECT_EQ(pick.x, p.x);
        EXPECT_EQ(pick.y, p.y);
        EXPECT_EQ(pick.magnitude, TruncatedMagnitude(c.magnitude));
        std::vector<Call> mine;
        for (const Call& call : f.surface.calls) {
            if (std::abs(call.op == Op::Ellipse ? (call.x0 + call.x1) / 2 - p.x : call.x0 - p.x) <=
                    1 &&
                std::abs(call.op == Op::Ellipse ? (call.y0 + call.y1) / 2 - p.y : call.y0 - p.y) <=
                    1) {
                mine.push_back(call);
            }
        }
        ASSERT_FALSE(mine.empty());
        if (c.op == Op::Ellipse) {
            ASSERT_EQ(mine.size(), 1u);
            EXPECT_EQ(mine[0].op, Op::Ellipse);
            EXPECT_EQ(mine[0].x0, p.x - c.half);
            EXPECT_EQ(mine[0].y1, p.y + c.half);
            EXPECT_EQ(mine[0].state.brush.colour, c.colour);
            EXPECT_EQ(mine[0].state.pen, Pen{}); // black outline of the default pen
        } else {
            ASSERT_EQ(mine.size(), static_cast<std::size_t>(c.half));
            for (const Call& call : mine) {
                EXPECT_EQ(call.op, Op::Pixel);
                EXPECT_EQ(call.colour, c.colour);
            }
        }
    }
    // The cross is (x, y), (x + 1, y), (x, y + 1), (x, y - 1), (x - 1, y).
    const PixelPoint cross = f.At(5.0f + 0.2f * 3, 0.0f);
    std::vector<PixelPoint> crossPixels;
    for (const Call& call : f.surface.Of(Op::Pixel)) {
        if (std::abs(call.x0 - cross.x) <= 1 && std::abs(call.y0 - cross.y) <= 1) {
            crossPixels.push_back({call.x0, call.y0});
        }
    }
    EXPECT_EQ(crossPixels, (std::vector<PixelPoint>{{cross.x, cross.y},
                                                    {cross.x + 1, cross.y},
                                                    {cross.x, cross.y + 1},
                                                    {cross.x, cross.y - 1},
                                                    {cross.x - 1, cross.y}}));
}

TEST(LayerStars, ColoursOffDrawsWhite) {
    LayerFixture f;
    ParkAllStars(*f.catalog);
    f.chart->m_bColoredStars = 0;
    PutStar(*f.catalog, 0, 'M', 6.0f, 0.0f, 0.5f);
    PutStar(*f.catalog, 1, 'B', 6.2f, 0.0f, 4.5f);
    DrawStars(f.Context());
    const auto ellipses = f.surface.Of(Op::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].state.brush.colour, kWhite);
    const auto pixels = f.surface.Of(Op::Pixel);
    ASSERT_EQ(pixels.size(), 1u);
    EXPECT_EQ(pixels[0].colour, kWhite);
}

TEST(LayerStars, LimitClientAreaAndPickingTable) {
    LayerFixture f;
    ParkAllStars(*f.catalog);
    f.chart->m_dStarLimit = 5.0;
    PutStar(*f.catalog, 10, 'A', 6.0f, 0.0f, 5.0f);  // exactly at the limit: drawn
    PutStar(*f.catalog, 11, 'A', 6.1f, 0.0f, 5.01f); // fainter: skipped
    PutStar(*f.catalog, 12, 'A', 6.0f, 25.0f, 1.0f); // visible but above the client area
    PutStar(*f.catalog, 13, 'A', 18.0f, 0.0f, 1.0f); // on the far side of the sphere
    DrawStars(f.Context());
    EXPECT_NE(f.picks.stars[10].x, 0);
    EXPECT_EQ(f.picks.stars[10].magnitude, 5);
    for (std::size_t i : {11u, 12u, 13u, 0u}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(f.picks.stars[i].x, 0);
        EXPECT_EQ(f.picks.stars[i].y, 0);
    }
    EXPECT_EQ(f.surface.calls.size(), 1u); // one pixel for the fifth-magnitude star

    // On paper there is no client test: the star above the screen's client area is drawn.
    LayerFixture p;
    ParkAllStars(*p.catalog);
    PutStar(*p.catalog, 12, 'A', 6.0f, 25.0f, 1.0f);
    ASSERT_LT(p.At(6.0f, 25.0f).y, 0); // above the client area
    DrawStars(p.Context(FrameTarget::Printer));
    EXPECT_EQ(p.picks.stars[12].y, p.At(6.0f, 25.0f).y);
}

TEST(LayerStars, PrintedStarsAreBlackDiscsSizedByMagnitude) {
    LayerFixture f;
    ParkAllStars(*f.catalog);
    PutStar(*f.catalog, 0, 'B', 6.0f, 0.0f, -1.46f);
    PutStar(*f.catalog, 1, 'M', 6.5f, 0.0f, 2.5f);
    PutStar(*f.catalog, 2, 'K', 7.0f, 0.0f, 7.3f);
    DrawStars(f.Context(FrameTarget::Printer));
    const auto ellipses = f.surface.Of(Op::Ellipse);
    ASSERT_EQ(ellipses.size(), 3u);
    const int halves[] = {15, 8, 2};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const PixelPoint p = f.At(f.catalog->m_stars[i].ra, 0.0f);
        EXPECT_EQ(ellipses[i].x0, p.x - halves[i]);
        EXPECT_EQ(ellipses[i].x1, p.x + halves[i]);
        EXPECT_EQ(ellipses[i].state.brush, (Brush{BrushStyle::Solid, kBlack}));
    }
    // The layer puts back what it selected.
    EXPECT_EQ(f.surface.State().brush, Brush{});
    EXPECT_EQ(f.surface.State().backgroundColour, kWhite);
}
