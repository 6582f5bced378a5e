// The label layers: constellation names, star names, Messier and other deep-sky labels, the
// Magellanic Cloud labels, for both hemispheres and on paper.
#include "catalog/Constellations.h"
#include "chart/Layers.h"
#include "layer_support.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace layertest;

namespace {

// Everything on the north pole, which an untilted chart never shows.
void ParkDeepSky(CatalogStore& store) {
    for (auto& d : store.m_deepSky) {
        d.dec = 90.0f;
        d.magnitude = 5.0f;
    }
}

void PutDeepSky(CatalogStore& store, std::size_t i, int number, float ra, float dec, int dx, int dy,
                float magnitude = 5.0f) {
    DeepSkyRecord& d = store.m_deepSky[i];
    d.number = number;
    d.type = 's';
    d.ra = ra;
    d.dec = dec;
    d.labelDx = dx;
    d.labelDy = dy;
    d.magnitude = magnitude;
}

void EnableDeepSkyLabels(ChartState& chart) {
    chart.m_bDeepSky = 1;
    chart.m_bDeepSkyNames = 1;
    chart.m_nLevel = 1;
}

const Call* FindText(const RecordingSurface& s, const std::string& text) {
    for (const Call& c : s.calls) {
        if (c.op == Op::Text && c.text == text) {
            return &c;
        }
    }
    return nullptr;
}

} // namespace

TEST(LayerDeepSkyLabels, PlacementForBothHemispheres) {
    struct Case {
        const char* name;
        const char* hemisphere;
        int dx, dy;
        int expectX, expectY;   // screen, relative to the object's point
        int printedX, printedY; // paper
    };
    const Case cases[] = {
        {"north", "N", 12, 4, 12 + 5, -4 - 7, 36 + 20, -12 - 20},
        {"north, dx below -10 kept", "N", -30, 4, -30 + 5, -4 - 7, -90 + 20, -12 - 20},
        {"south: dy the other way", "S", 12, 4, 12 + 5, 4 - 7, 36 + 20, 12 - 20},
        {"south, dx -10 kept", "S", -10, -3, -10 + 5, -3 - 7, -30 + 20, -9 - 20},
        {"south, dx below -10 dropped", "S", -11, 6, 5, 6 - 7, 20, 18 - 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LayerFixture f(c.hemisphere);
        ParkDeepSky(*f.catalog);
        EnableDeepSkyLabels(*f.chart);
        // The southern equatorial chart is turned: right ascension 18 h takes the centre.
        const bool south = std::strcmp(c.hemisphere, "S") == 0;
        const float ra = south ? 24.0f - kCentreRa : kCentreRa;
        PutDeepSky(*f.catalog, 30, 31, ra, 0.0f, c.dx, c.dy);
        DrawMessierLabels(f.Context());
        const Call* label = FindText(f.surface, "M31");
        ASSERT_NE(label, nullptr);
        const PixelPoint p = f.At(ra, 0.0f);
        ASSERT_EQ(p, (PixelPoint{kCentreX, kCentreY}));
        EXPECT_EQ(label->x0 - p.x, c.expectX);
        EXPECT_EQ(label->y0 - p.y, c.expectY);
        EXPECT_EQ(label->state.font, (Font{"Arial", 14, 500, true}));
        EXPECT_EQ(label->state.textColour, (Rgb{0, 255, 255}));
        EXPECT_EQ(label->state.backgroundMode, BackgroundMode::Transparent);
        // The box in the sky colour just behind the text: (left, top + 3) to (left + w,
        // top + h - 3), drawn before it.
        const auto boxes = f.surface.Of(Op::Rectangle);
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes[0].x0, label->x0);
        EXPECT_EQ(boxes[0].y0, label->y0 + 3);
        EXPECT_EQ(boxes[0].x1, label->x0 + 7 * 3);
        EXPECT_EQ(boxes[0].y1, label->y0 + 14 - 3);
        EXPECT_EQ(boxes[0].state.brush, (Brush{BrushStyle::Solid, f.sky}));
        EXPECT_EQ(boxes[0].state.pen.colour, f.sky);

        // Paper: three times the offsets, 20 pixels off, no box.
        f.surface.calls.clear();
        DrawMessierLabels(f.Context(FrameTarget::Printer));
        const Call* printed = FindText(f.surface, "M31");
        ASSERT_NE(printed, nullptr);
        EXPECT_EQ(printed->x0 - p.x, c.printedX);
        EXPECT_EQ(printed->y0 - p.y, c.printedY);
        EXPECT_EQ(printed->state.font, (Font{"Arial", 36, 500, true}));
        EXPECT_EQ(printed->state.backgroundColour, kWhite);
        EXPECT_TRUE(f.surface.Of(Op::Rectangle).empty());
    }
}

TEST(LayerDeepSkyLabels, FilterOrderAndTexts) {
    LayerFixture f;
    ParkDeepSky(*f.catalog);
    EnableDeepSkyLabels(*f.chart);
    f.chart->m_dDeepSkyLimit = 9.0;
    PutDeepSky(*f.catalog, 0, 1, kCentreRa, 0.0f, 0, 0, 9.0f);            // at the limit: shown
    PutDeepSky(*f.catalog, 41, 42, kCentreRa + 0.1f, 1.0f, 0, 0, 4.0f);   // shown
    PutDeepSky(*f.catalog, 50, 51, kCentreRa + 0.2f, 0.0f, 0, 0, 9.1f);   // too faint
    PutDeepSky(*f.catalog, 60, 61, kCentreRa, 20.0f, 0, 0, 4.0f);         // off the client area
    PutDeepSky(*f.catalog, 110, 224, kCentreRa - 0.1f, 0.0f, 0, 0, 8.0f); // NGC: number alone
    PutDeepSky(*f.catalog, 209, 7000, kCentreRa - 0.2f, 0.0f, 0, 0, 8.0f);
    DrawMessierLabels(f.Context());
    DrawOtherDeepSkyLabels(f.Context());
    // Messier from M110 down to M1 and the clouds' fixed labels (their points lie on the visible
    // hemisphere of this chart), then the other objects in table order.
    EXPECT_EQ(f.surface.Texts(),
              (std::vector<std::string>{"M42", "M1", "LMC", "SMC", "224", "7000"}));

    // Paper: no client test, so M61 appears too.
    f.surface.calls.clear();
    DrawMessierLabels(f.Context(FrameTarget::Printer));
    EXPECT_EQ(f.surface.Texts(), (std::vector<std::string>{"M61", "M42", "M1", "LMC", "SMC"}));
}

TEST(LayerDeepSkyLabels, NothingAtLevelZeroOrWithLabelsOff) {
    struct Case {
        int level, deepSky, names;
    };
    for (const Case c : {Case{0, 1, 1}, Case{1, 0, 1}, Case{1, 1, 0}}) {
        LayerFixture f;
        ParkDeepSky(*f.catalog);
        PutDeepSky(*f.catalog, 0, 1, kCentreRa, 0.0f, 0, 0);
        f.chart->m_nLevel = c.level;
        f.chart->m_bDeepSky = c.deepSky;
        f.chart->m_bDeepSkyNames = c.names;
        for (const FrameTarget t : {FrameTarget::Screen, FrameTarget::Printer}) {
            DrawMessierLabels(f.Context(t));
            DrawOtherDeepSkyLabels(f.Context(t));
        }
        EXPECT_TRUE(f.surface.calls.empty());
    }
}

TEST(LayerDeepSkyLabels, CloudLabelsCentredWithoutClientTest) {
    // Centre the chart on the Large Cloud's point; the Small Cloud's lies outside the client
    // area but on the visible hemisphere, and is labelled all the same.
    LayerFixture f;
    ParkDeepSky(*f.catalog);
    EnableDeepSkyLabels(*f.chart);
    f.chart->m_dTurnX = 24.0 - 4.75;
    f.chart->m_nTurnY = -68;
    f.chart->m_nTilt = 68;
    f.chart->m_nRadius = 3000;
    const PixelPoint lmc = f.At(4.75f, -68.5f);
    const PixelPoint smc = f.At(1.25f, -74.3f);
    ASSERT_NE(smc.x, -1);
    ASSERT_FALSE(smc.x > 0 && smc.x < kClientWidth && smc.y > 0 && smc.y < kClientHeight);
    DrawMessierLabels(f.Context());
    ASSERT_EQ(f.surface.Texts(), (std::vector<std::string>{"LMC", "SMC"}));
    const auto texts = f.surface.Of(Op::Text);
    // "LMC" measures 21 x 14 with the test surface: centred by integer halves.
    EXPECT_EQ(texts[0].x0, lmc.x - 10);
    EXPECT_EQ(texts[0].y0, lmc.y - 7);
    EXPECT_EQ(texts[1].x0, smc.x - 10);
    EXPECT_EQ(texts[1].y0, smc.y - 7);
}

TEST(LayerConstellationNames, CentredFontsByLevelAndPaper) {
    struct Case {
        FrameTarget target;
        int level;
        Font font;
    };
    const Case cases[] = {
        {FrameTarget::Screen, 0, {"Arial", 16, 600, false}},
        {FrameTarget::Screen, 3, {"Arial", 20, 600, false}},
        {FrameTarget::Printer, 0, {"Arial", 66, 500, false}},
        {FrameTarget::Printer, 1, {"Arial", 72, 500, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.font.height);
        LayerFixture f;
        f.chart->m_bBoundaries = 1;
        f.chart->m_nLevel = c.level;
        f.chart->m_nRadius = 200; // the whole front hemisphere on screen
        DrawConstellationNames(f.Context(c.target));
        const auto texts = f.surface.Of(Op::Text);
        ASSERT_FALSE(texts.empty());
        const Call* ori = FindText(f.surface, "Ori");
        ASSERT_NE(ori, nullptr);
        const PixelPoint p = f.At(5.18f, 10.0f);
        const int w = 7 * 3;
        EXPECT_EQ(ori->x0, p.x - w / 2);
        EXPECT_EQ(ori->y0, p.y - c.font.height / 2);
        EXPECT_EQ(ori->state.font, c.font);
        if (c.target == FrameTarget::Screen) {
            EXPECT_EQ(ori->state.textColour, (Rgb{255, 217, 62}));
            EXPECT_EQ(f.surface.Of(Op::Rectangle).size(), texts.size());
        } else {
            EXPECT_EQ(ori->state.backgroundColour, kWhite);
            EXPECT_EQ(ori->state.backgroundMode, BackgroundMode::Opaque);
            EXPECT_TRUE(f.surface.Of(Op::Rectangle).empty());
        }
        // Table order; "Ser" twice when both parts are in view.
        std::vector<std::string> order;
        for (const auto& l : ConstellationLabelTable) {
            if (FindText(f.surface, std::string(l.abbreviation))) {
                order.emplace_back(l.abbreviation);
            }
        }
        std::vector<std::string> drawn = f.surface.Texts();
        drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
        EXPECT_EQ(drawn, order);
    }
}

TEST(LayerConstellationNames, DrawnAfterTheBoundaryLines) {
    LayerFixture f;
    f.chart->m_bBoundaries = 1;
    f.chart->m_nRadius = 200;
    for (std::size_t i = 0; i < kBoundaryPointCount; ++i) {
        f.catalog->m_figurePoints[kBoundaryPointFirst + i] =
            FigurePoint{kCentreRa + 0.001f * i, 1.0f, 1};
    }
    DrawBoundaries(f.Context());
    ASSERT_FALSE(f.surface.calls.empty());
    EXPECT_EQ(f.surface.calls.front().op, Op::Line);
    EXPECT_EQ(f.surface.calls.front().state.pen, (Pen{PenStyle::Solid, 1, {225, 0, 0}}));
    EXPECT_EQ(f.surface.calls.back().op, Op::Text);
}

TEST(LayerStarNames, OffsetLimitAndLevel) {
    LayerFixture f;
    for (auto& n : f.catalog->m_starNames) {
        n.dec = 90.0f;
    }
    f.chart->m_bStarNames = 1;
    f.chart->m_nLevel = 1;
    f.chart->m_dStarLimit = 4.0;
    auto put = [&](std::size_t i, const char* name, float ra, float mag, int offset) {
        StarNameRecord& n = f.catalog->m_starNames[i];
        std::strncpy(n.name, name, sizeof n.name - 1);
        n.ra = ra;
        n.dec = 0.0f;
        n.magnitude = mag;
        n.labelOffset = offset;
    };
    put(0, "Rigel", kCentreRa, 0.1f, 20);
    put(1, "Faint", kCentreRa + 0.1f, 4.5f, 0);
    put(2, "Edge", kCentreRa + 0.2f, 4.0f, 5); // exactly at the limit
    DrawStarNames(f.Context());
    ASSERT_EQ(f.surface.Texts(), (std::vector<std::string>{"Rigel", "Edge"}));
    const Call* rigel = FindText(f.surface, "Rigel");
    EXPECT_EQ(rigel->x0, kCentreX - 20);
    EXPECT_EQ(rigel->y0, kCentreY);
    EXPECT_EQ(rigel->state.font, (Font{"Arial", 14, 500, false}));
    EXPECT_EQ(rigel->state.textColour, (Rgb{255, 0, 255}));

    f.surface.calls.clear();
    DrawStarNames(f.Context(FrameTarget::Printer));
    rigel = FindText(f.surface, "Rigel");
    ASSERT_NE(rigel, nullptr);
    EXPECT_EQ(rigel->x0, kCentreX - 60);
    EXPECT_EQ(rigel->state.font, (Font{"Arial", 36, 400, false}));

    f.surface.calls.clear();
    f.chart->m_nLevel = 0;
    DrawStarNames(f.Context());
    DrawStarNames(f.Context(FrameTarget::Printer));
    EXPECT_TRUE(f.surface.calls.empty());
}
