// The line and outline layers: the segment rule, the flags of figures and boundaries, the Milky
// Way and Magellanic Cloud visibility rules, the grid's breaks and the horizon with its letters.
#include "astro/SkySession.h"
#include "astro/Transforms.h"
#include "chart/Frame.h"
#include "chart/Layers.h"
#include "layer_support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace layertest;

namespace {

// Parks every catalogue point on the north pole, which an untilted chart never shows.
void ParkEverything(CatalogStore& store) {
    for (auto& p : store.m_figurePoints) {
        p = FigurePoint{0.0f, 90.0f, 0};
    }
    for (auto& p : store.m_outlinePoints) {
        p = OutlinePoint{0.0f, 90.0f};
    }
}

// Points along a short arc through the centre, repeating every 100 points.
float RaNearCentre(std::size_t i) {
    return kCentreRa + 0.01f * static_cast<float>(i % 100) - 0.5f;
}

std::size_t CountLines(const RecordingSurface& s) {
    return s.Of(Op::Line).size();
}

} // namespace

TEST(LayerLines, FigureSegmentsLeaveOnlyPointsWithFlagZero) {
    LayerFixture f;
    ParkEverything(*f.catalog);
    f.chart->m_bConstelations = 1;
    const int flags[] = {0, 0, 1, 0, 0};
    for (std::size_t i = 0; i < 5; ++i) {
        f.catalog->m_figurePoints[i] = FigurePoint{kCentreRa + 0.1f * i, 1.0f, flags[i]};
    }
    DrawConstellationFigures(f.Context());
    const auto lines = f.surface.Of(Op::Line);
    ASSERT_EQ(lines.size(), 3u); // 0-1, 1-2, 3-4; none from point 2 nor into the parked point 5
    const PixelPoint p2 = f.At(kCentreRa + 0.2f, 1.0f);
    const PixelPoint p3 = f.At(kCentreRa + 0.3f, 1.0f);
    EXPECT_EQ(lines[1].x1, p2.x);
    EXPECT_EQ(lines[2].x0, p3.x);
    EXPECT_EQ(lines[0].state.pen, (Pen{PenStyle::Solid, 1, {0, 225, 0}}));
}

TEST(LayerLines, FlagRunsOverWholeTables) {
    struct Case {
        const char* name;
        bool boundaries;
        int flag;
        std::size_t lines;
    };
    const Case cases[] = {
        {"figures, all flags 0: one polyline", false, 0, kFigurePointCount - 1},
        {"figures, all flags 1: nothing", false, 1, 0},
        {"boundaries, all flags set: one polyline", true, 1, kBoundaryPointCount - 1},
        {"boundaries, all flags 0: nothing", true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LayerFixture f;
        ParkEverything(*f.catalog);
        const std::size_t first = c.boundaries ? kBoundaryPointFirst : kFigurePointFirst;
        const std::size_t count = c.boundaries ? kBoundaryPointCount : kFigurePointCount;
        for (std::size_t i = 0; i < count; ++i) {
            f.catalog->m_figurePoints[first + i] = FigurePoint{RaNearCentre(i), 1.0f, c.flag};
        }
        // The spare entry between the tables sits at the centre too: no segment may reach it.
        f.catalog->m_figurePoints[kFigureSpareEntry] = FigurePoint{kCentreRa, 0.0f, 0};
        if (c.boundaries) {
            f.chart->m_bBoundaries = 1;
            DrawBoundaries(f.Context());
        } else {
            f.chart->m_bConstelations = 1;
            DrawConstellationFigures(f.Context());
        }
        EXPECT_EQ(CountLines(f.surface), c.lines);
    }
}

TEST(LayerLines, SegmentRuleOnScreenAndPaper) {
    // Ecliptic points 0..2: inside, far outside the client area (but on the visible hemisphere),
    // again far outside. Segment 0-1 has one end inside: drawn. Segment 1-2: both ends outside
    // the client area: not on screen, yes on paper.
    LayerFixture f;
    ParkEverything(*f.catalog);
    f.chart->m_bEcliptic = 1;
    f.catalog->m_outlinePoints[0] = {kCentreRa, 0.0f};
    f.catalog->m_outlinePoints[1] = {kCentreRa + 3.0f, 0.0f};
    f.catalog->m_outlinePoints[2] = {kCentreRa + 3.0f, 30.0f};
    ASSERT_LT(f.At(kCentreRa + 3.0f, 0.0f).x, 0);
    ASSERT_LT(f.At(kCentreRa + 3.0f, 30.0f).x, 0);
    DrawEcliptic(f.Context());
    auto lines = f.surface.Of(Op::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x0, kCentreX);
    EXPECT_EQ(lines[0].state.pen.colour, (Rgb{0, 0, 255}));

    LayerFixture p;
    ParkEverything(*p.catalog);
    p.chart->m_bEcliptic = 1;
    for (std::size_t i = 0; i < 3; ++i) {
        p.catalog->m_outlinePoints[i] = f.catalog->m_outlinePoints[i];
    }
    const Pen printerPen{PenStyle::Solid, 3, {9, 9, 9}};
    p.surface.SelectPen(printerPen);
    DrawEcliptic(p.Context(FrameTarget::Printer));
    lines = p.surface.Of(Op::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].state.pen, printerPen); // paper uses the current pen
}

TEST(LayerLines, EclipticStopsAtItsSeventyThirdPoint) {
    LayerFixture f;
    ParkEverything(*f.catalog);
    f.chart->m_bEcliptic = 1;
    for (std::size_t i = 0; i <= kHorizonFirst; ++i) { // entry 73 opens the horizon ring's slot
        f.catalog->m_outlinePoints[i] = {RaNearCentre(i), 0.5f};
    }
    DrawEcliptic(f.Context());
    EXPECT_EQ(CountLines(f.surface), 72u);
}

namespace {

// Band 0 of the Milky Way joins outline A points 25 down to 0 with outline B points 0 to 48.
// Makes `visibleA` of those A points and `visibleB` of the B points visible near the centre.
void PrepareBand0(LayerFixture& f, int visibleA, int visibleB) {
    ParkEverything(*f.catalog);
    for (int i = 0; i < visibleA; ++i) {
        f.catalog->m_outlinePoints[kMilkyWayFirstFirst + i] = {RaNearCentre(i), 2.0f};
    }
    for (int i = 0; i < visibleB; ++i) {
        f.catalog->m_outlinePoints[kMilkyWaySecondFirst + i] = {RaNearCentre(i), -2.0f};
    }
}

} // namespace

TEST(LayerMilkyWay, BandNeedsMoreThanEightVisiblePointsOnEachOutline) {
    struct Case {
        int a, b;
        bool filled;
    };
    const Case cases[] = {{9, 9, true}, {8, 49, false}, {26, 8, false}, {26, 49, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " + " << c.b);
        LayerFixture f;
        f.chart->m_bMilkyWay = 1;
        PrepareBand0(f, c.a, c.b);
        DrawMilkyWay(f.Context());
        const auto polygons = f.surface.Of(Op::Polygon);
        ASSERT_EQ(polygons.size(), c.filled ? 1u : 0u);
        if (c.filled) {
            ASSERT_EQ(polygons[0].points.size(), static_cast<std::size_t>(c.a + c.b));
            // Outline A runs backwards first: its last visible point opens the polygon.
            EXPECT_EQ(polygons[0].points.front(), f.At(RaNearCentre(c.a - 1), 2.0f));
            EXPECT_EQ(polygons[0].points.back(), f.At(RaNearCentre(c.b - 1), -2.0f));
            EXPECT_EQ(polygons[0].state.pen.colour, f.skyFill);
            EXPECT_EQ(polygons[0].state.brush, (Brush{BrushStyle::Solid, f.skyFill}));
        }
    }
}

TEST(LayerMilkyWay, PrintedAsDashedOutlinesWithoutFill) {
    LayerFixture f;
    f.chart->m_bMilkyWay = 1;
    PrepareBand0(f, 26, 49);
    DrawMilkyWay(f.Context(FrameTarget::Printer));
    EXPECT_TRUE(f.surface.Of(Op::Polygon).empty());
    const auto lines = f.surface.Of(Op::Line);
    EXPECT_EQ(lines.size(), 25u + 48u); // two open chains, visible points only
    for (const Call& c : lines) {
        EXPECT_EQ(c.state.pen, (Pen{PenStyle::Dash, 1, kBlack}));
    }
}

TEST(LayerMagellanicClouds, DrawnOnlyWhenEveryPointIsVisible) {
    for (const bool onePointHidden : {false, true}) {
        for (const bool deep : {true, false}) {
            SCOPED_TRACE(testing::Message() << onePointHidden << deep);
            LayerFixture f;
            ParkEverything(*f.catalog);
            f.chart->m_bDeepSky = 1;
            for (std::size_t i = 0; i < kLargeCloudCount; ++i) {
                f.catalog->m_outlinePoints[kLargeCloudFirst + i] = {RaNearCentre(i), -3.0f};
            }
            for (std::size_t i = 0; i < kSmallCloudCount; ++i) {
                f.catalog->m_outlinePoints[kSmallCloudFirst + i] = {RaNearCentre(i), -6.0f};
            }
            if (onePointHidden) {
                f.catalog->m_outlinePoints[kLargeCloudFirst + 7] = {kCentreRa + 12.0f, 0.0f};
            }
            DrawMagellanicClouds(f.Context(FrameTarget::Screen, deep));
            const auto polygons = f.surface.Of(Op::Polygon);
            ASSERT_EQ(polygons.size(), onePointHidden ? 1u : 2u);
            EXPECT_EQ(polygons.back().points.size(), kSmallCloudCount);
            const Rgb edge = deep ? Rgb{0, 0, 77} : f.skyFill;
            EXPECT_EQ(polygons[0].state.pen, (Pen{PenStyle::Solid, 4, edge}));
            EXPECT_EQ(polygons[0].state.brush.colour, f.skyFill);
        }
    }
}

TEST(LayerGrid, NoSegmentJoinsTwoCirclesOrClosesPastTwentyFourHours) {
    LayerFixture f;
    f.chart->m_bCoordinations = 1;
    f.chart->m_nRadius = 250; // the whole sphere inside the client area
    DrawGrid(f.Context(FrameTarget::Printer));
    const auto lines = f.surface.Of(Op::Line);
    // On the front hemisphere about half of the 24 x 32 + 11 x 72 segments show.
    EXPECT_GT(lines.size(), 600u);
    EXPECT_LT(lines.size(), 1560u);
    // A grid step is 5 degrees (at most R sin 5 = 22 pixels); the jumps between circles are long.
    const double maxStep = 250 * std::sin(5.5 * 3.14159265 / 180.0);
    for (const Call& c : lines) {
        EXPECT_LE(std::hypot(c.x1 - c.x0, c.y1 - c.y0), maxStep);
    }
}

TEST(LayerHorizon, CompassLettersOrderOffsetsAndColours) {
    LayerFixture f;
    ParkEverything(*f.catalog);
    f.computed.m_horizon.fill(OutlinePoint{0.0f, 90.0f});
    f.chart->m_bHorizon = 1;
    // Letters at E (point 54), W (18), N (36), S (72), all near the centre.
    const std::size_t points[] = {54, 18, 36, 72};
    for (std::size_t i = 0; i < 4; ++i) {
        f.computed.m_horizon[points[i]] = {kCentreRa + 0.3f * i, 0.0f};
    }
    for (const bool deep : {true, false}) {
        f.surface.calls.clear();
        DrawHorizon(f.Context(FrameTarget::Screen, deep));
        const Rgb colour = deep ? Rgb{255, 128, 0} : Rgb{255, 255, 0};
        const auto texts = f.surface.Of(Op::Text);
        ASSERT_EQ(f.surface.Texts(), (std::vector<std::string>{"E", "W", "N", "S"}));
        const int dx[] = {4, 7, 5, 4};
        for (std::size_t i = 0; i < 4; ++i) {
            const PixelPoint p = f.At(kCentreRa + 0.3f * i, 0.0f);
            EXPECT_EQ(texts[i].x0, p.x - dx[i]);
            EXPECT_EQ(texts[i].y0, p.y + 2);
            EXPECT_EQ(texts[i].state.textColour, colour);
            EXPECT_EQ(texts[i].state.backgroundMode, BackgroundMode::Opaque);
            EXPECT_EQ(texts[i].state.backgroundColour, f.sky);
            EXPECT_EQ(texts[i].state.font, DefaultFont()); // no font of its own
        }
        const auto ellipses = f.surface.Of(Op::Ellipse);
        ASSERT_EQ(ellipses.size(), 4u);
        EXPECT_EQ(ellipses[0].x0, f.At(kCentreRa, 0.0f).x - 3);
        EXPECT_EQ(ellipses[0].x1, f.At(kCentreRa, 0.0f).x + 3);
        EXPECT_EQ(ellipses[0].state.pen, (Pen{PenStyle::Solid, 1, colour}));
        EXPECT_EQ(ellipses[0].state.brush, (Brush{BrushStyle::Solid, f.sky}));
        EXPECT_EQ(f.surface.State().backgroundMode, BackgroundMode::Opaque);
        EXPECT_EQ(f.surface.State().textColour, kBlack); // put back
    }

    f.surface.calls.clear();
    DrawHorizon(f.Context(FrameTarget::Printer));
    const auto texts = f.surface.Of(Op::Text);
    ASSERT_EQ(texts.size(), 4u);
    const PixelPoint west = f.At(kCentreRa + 0.3f, 0.0f);
    EXPECT_EQ(texts[1].x0, west.x - 14);
    EXPECT_EQ(texts[1].y0, west.y + 4);
    EXPECT_EQ(f.surface.Of(Op::Ellipse)[1].x0, west.x - 10);
    EXPECT_EQ(f.surface.Of(Op::Ellipse)[1].y1, west.y + 10);
}

TEST(ScreenFrame, PoleViewAtLevelZeroShowsTheCircleAtTwoDegreesUntilTheNextRecompute) {
    struct Case {
        int turnY;
        int level;
        int horizon;     // the layer switch
        double altitude; // expected altitude of the ring, NaN: ring untouched
    };
    const Case cases[] = {
        {90, 0, 1, 2.0}, {-90, 0, 1, -2.0}, {90, 1, 1, NAN}, {45, 0, 1, NAN}, {90, 0, 0, NAN},
    };
    const Observer krakow{"Krakow", 19, 55, "E", 50, 2, "N", 1.0f};
    const SkyDate evening{2024, 3, 20, 20, 0, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.turnY << " level " << c.level << " " << c.horizon);
        LayerFixture f;
        f.chart->m_bHorizon = c.horizon;
        f.chart->m_nLevel = c.level;
        f.chart->m_nTurnY = c.turnY;
        f.chart->m_nTilt = std::abs(c.turnY);
        SkySession session(nullptr, evening, PlaceOf(krakow), SkyModelKind::Classic);
        const HorizonPoints horizon = session.Sky().m_horizon;
        PrepareScreenFrame(*f.chart, session);
        const SkyState& sky = session.Sky();
        for (std::size_t k = 0; k < kHorizonPointCount; k += 9) {
            const OutlinePoint& p = sky.m_horizon[k];
            if (std::isnan(c.altitude)) {
                EXPECT_EQ(p.ra, horizon[k].ra);
                EXPECT_EQ(p.dec, horizon[k].dec);
                continue;
            }
            const HorizontalPosition h =
                EquatorialToHorizontal(p.ra, p.dec, sky.m_dGST, sky.m_dLongitude, sky.m_dLatitude);
            constexpr double kFloatStorage = 1e-3; // degrees: the ring is kept in floats
            EXPECT_NEAR(h.altitude, c.altitude, kFloatStorage);
            // Point k stays at southern azimuth 5k (compass azimuth 5k + 180).
            const double compass = std::fmod(5.0 * k + 180.0, 360.0);
            const double diff = std::remainder(h.compassAzimuth - compass, 360.0);
            EXPECT_NEAR(diff, 0.0, kFloatStorage * 10);
        }
        // The next recompute brings the horizon back.
        session.SetClockTime(evening);
        EXPECT_EQ(session.Sky().m_horizon[36].dec, horizon[36].dec);
    }
}
