// The Solar System layer: bodies from Pluto to the Moon after their labels, the picking table,
// the Moon's picture by phase and hemisphere, the planets' discs and the printed forms.
#include "chart/Layers.h"
#include "chart/MoonPictures.h"
#include "layer_support.h"

#include <gtest/gtest.h>

using namespace layertest;

namespace {

// Bodies along the equator near the centre, 0.1 h apart, body 0 at the centre.
void PlaceBodies(SkyState& sky) {
    for (std::size_t b = 0; b < kBodyCount; ++b) {
        sky.m_bodies[b] =
            SolarSystemBody{.ra = kCentreRa + 0.1 * b, .dec = 0.0, .earthDistanceAu = 1.0};
    }
}

} // namespace

TEST(LayerSolarSystem, LabelsFirstThenBodiesPlutoFirstAndPickingTable) {
    LayerFixture f;
    f.chart->m_bSolarSystem = 1;
    f.chart->m_bSolSysLabels = 1;
    f.chart->m_nLevel = 1;
    PlaceBodies(f.computed);
    f.computed.m_bodies[kBodyUranus].ra = kCentreRa + 12.0; // far side: not drawn
    DrawSolarSystem(f.Context());

    EXPECT_EQ(f.surface.Texts(),
              (std::vector<std::string>{"Pluto", "Neptune", "Saturn", "Jupiter", "Mars", "Venus",
                                        "Mercury", "Sun", "Moon"}));
    const auto texts = f.surface.Of(Op::Text);
    const PixelPoint pluto = f.At(kCentreRa + 0.9f, 0.0f);
    EXPECT_EQ(texts[0].x0, pluto.x + 8);
    EXPECT_EQ(texts[0].y0, pluto.y - 5);
    EXPECT_EQ(texts[0].state.font, (Font{"Arial", 12, 500, false}));
    EXPECT_EQ(texts[0].state.textColour, (Rgb{0, 192, 192}));
    // Every label comes before every body.
    std::size_t lastText = 0;
    std::size_t firstBody = f.surface.calls.size();
    for (std::size_t i = 0; i < f.surface.calls.size(); ++i) {
        const Op op = f.surface.calls[i].op;
        if (op == Op::Text) {
            lastText = i;
        } else if (op == Op::Pixel || op == Op::Icon || op == Op::Ellipse) {
            firstBody = std::min(firstBody, i);
        }
    }
    EXPECT_LT(lastText, firstBody);

    for (std::size_t b = 0; b < kBodyCount; ++b) {
        SCOPED_TRACE(b);
        const PixelPoint expected =
            b == kBodyUranus ? PixelPoint{} : f.At(kCentreRa + 0.1f * b, 0.0f);
        EXPECT_EQ(f.picks.bodies[b], expected);
    }
}

TEST(LayerSolarSystem, NoLabelsAtLevelZeroOrWhenOff) {
    for (const auto& [level, labels] : {std::pair{0, 1}, std::pair{2, 0}}) {
        LayerFixture f;
        f.chart->m_bSolarSystem = 1;
        f.chart->m_bSolSysLabels = labels;
        f.chart->m_nLevel = level;
        PlaceBodies(f.computed);
        DrawSolarSystem(f.Context());
        DrawSolarSystem(f.Context(FrameTarget::Printer));
        EXPECT_TRUE(f.surface.Texts().empty());
        EXPECT_FALSE(f.surface.calls.empty());
    }
}

TEST(LayerSolarSystem, PlanetDiscsAndExtras) {
    LayerFixture f;
    f.chart->m_bSolarSystem = 1;
    PlaceBodies(f.computed);
    DrawSolarSystem(f.Context());
    struct Extra {
        std::size_t body;
        int dx, dy;
        Rgb colour;
    };
    const Extra extras[] = {
        {kBodyMars, 0, -3, kWhite},
        {kBodyMars, 0, 2, kWhite},
        {kBodyJupiter, 0, 1, {255, 0, 0}},
        {kBodyJupiter, 1, 1, {255, 0, 0}},
        {kBodyMercury, 2, 0, {255, 255, 128}},
        {kBodyNeptune, -1, -2, {0, 255, 255}},
    };
    for (const Extra& e : extras) {
        SCOPED_TRACE(e.body);
        const PixelPoint p = f.picks.bodies[e.body];
        // The last pixel written at that place wins.
        Rgb last{1, 1, 1};
        for (const Call& c : f.surface.Of(Op::Pixel)) {
            if (c.x0 == p.x + e.dx && c.y0 == p.y + e.dy) {
                last = c.colour;
            }
        }
        EXPECT_EQ(last, e.colour);
    }
    // Saturn: the ring line first, then the disc over it.
    const PixelPoint saturn = f.picks.bodies[kBodySaturn];
    std::size_t ring = 0;
    std::size_t disc = 0;
    for (std::size_t i = 0; i < f.surface.calls.size(); ++i) {
        const Call& c = f.surface.calls[i];
        if (c.op == Op::Line && c.y0 == saturn.y && c.x0 == saturn.x - 5) {
            ring = i;
            EXPECT_EQ(c.x1, saturn.x + 6);
            EXPECT_EQ(c.state.pen.colour, (Rgb{255, 225, 0}));
        }
        if (c.op == Op::Pixel && c.x0 == saturn.x && c.y0 == saturn.y && disc == 0) {
            disc = i;
        }
    }
    EXPECT_GT(ring, 0u);
    EXPECT_GT(disc, ring);
    // Sun: four rays and the disc in its colours.
    const PixelPoint sun = f.picks.bodies[kBodySun];
    std::size_t rays = 0;
    for (const Call& c : f.surface.Of(Op::Line)) {
        if (c.state.pen.colour == Rgb{255, 225, 0} && (c.x0 + c.x1) / 2 == sun.x) {
            ++rays;
        }
    }
    EXPECT_EQ(rays, 4u);
    bool sunDisc = false;
    for (const Call& c : f.surface.Of(Op::Ellipse)) {
        sunDisc |=
            c.x0 == sun.x - 8 && c.y1 == sun.y + 8 && c.state.brush.colour == Rgb{255, 255, 0};
    }
    EXPECT_TRUE(sunDisc);
}

TEST(LayerSolarSystem, MoonPictureByPhaseMirroredInTheSouth) {
    struct Case {
        const char* hemisphere;
        double p;
        double elongation; // Sun ra - Moon ra, hours
        std::size_t picture;
        bool mirrored;
    };
    const Case cases[] = {
        {"N", -0.2, 6.0, 4, false}, // waning
        {"N", -0.2, -6.0, 4, true}, // waxing: lit side to the right
        {"S", -0.2, 6.0, 4, true},  // the same sky from the south: turned
        {"S", -0.2, -6.0, 4, false}, {"N", 1.0, 0.5, 10, false}, {"N", -1.0, 0.5, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hemisphere << " " << c.elongation);
        LayerFixture f(c.hemisphere);
        f.settings.HorizonView = 1; // no southern flip of the picture's place
        f.chart->m_nHorizonViewSetting = 1;
        f.chart->m_bSolarSystem = 1;
        for (auto& b : f.computed.m_bodies) {
            b = SolarSystemBody{
                .ra = 0.0, .dec = 89.5, .earthDistanceAu = 1.0}; // near the pole: invisible
        }
        f.computed.m_bodies[kBodyMoon] = SolarSystemBody{
            .ra = kCentreRa, .dec = 0.0, .earthDistanceKm = 384000.0, .cosPhaseAngle = c.p};
        f.computed.m_bodies[kBodySun].ra = kCentreRa + c.elongation;
        f.chart->m_bHorizonView = 0;
        DrawSolarSystem(f.Context());
        const auto icons = f.surface.Of(Op::Icon);
        ASSERT_EQ(icons.size(), 1u);
        EXPECT_EQ(icons[0].icon, &MoonPictures()[c.picture]);
        const PixelPoint m = f.picks.bodies[kBodyMoon];
        EXPECT_EQ(icons[0].x1, c.mirrored ? -16 : 16);
        EXPECT_EQ(icons[0].x0, c.mirrored ? m.x + 8 : m.x - 8);
        EXPECT_EQ(icons[0].y0, m.y - 8);
    }
}

TEST(LayerSolarSystem, PrintedBodies) {
    LayerFixture f;
    f.chart->m_bSolarSystem = 1;
    f.chart->m_bSolSysLabels = 1;
    f.chart->m_nLevel = 1;
    PlaceBodies(f.computed);
    DrawSolarSystem(f.Context(FrameTarget::Printer));
    const auto texts = f.surface.Of(Op::Text);
    ASSERT_EQ(texts.size(), kBodyCount);
    const PixelPoint moon = f.picks.bodies[kBodyMoon];
    EXPECT_EQ(texts.back().x0, moon.x + 32);
    EXPECT_EQ(texts.back().y0, moon.y - 20);
    EXPECT_EQ(texts.back().state.font, (Font{"Arial", 38, 500, false}));
    EXPECT_TRUE(f.surface.Of(Op::Icon).empty());
    EXPECT_TRUE(f.surface.Of(Op::Pixel).empty());
    // Pluto .. Mercury at half-size 10 (Saturn with its line), the Sun's 32 with rays, the Moon's
    // 32 last.
    const auto ellipses = f.surface.Of(Op::Ellipse);
    ASSERT_EQ(ellipses.size(), kBodyCount);
    EXPECT_EQ(ellipses.back().x1 - ellipses.back().x0, 64);
    EXPECT_EQ(ellipses[8].x1 - ellipses[8].x0, 64);
    EXPECT_EQ(ellipses[0].x1 - ellipses[0].x0, 20);
    EXPECT_EQ(f.surface.Of(Op::Line).size(), 5u); // Saturn's line, the Sun's four
    EXPECT_EQ(ellipses[0].state.pen, Pen{});      // the surface's own pen and brush
}
