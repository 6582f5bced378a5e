// The frame: picking tables, the sky background rule, the printer path, failures and the memo.
#include "chart/Frame.h"

#include "astro/SkySession.h"
#include "catalog/CatalogStore.h"
#include "chart/CairoSurface.h"
#include "chart/ChartSetup.h"
#include "chart/LayerSwitches.h"
#include "chart/ProjectionMemo.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"
#include "source_catalogue.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace {

constexpr Rgb kRed{255, 0, 0};

// A chart over an all-zero catalogue, turned so that right ascension 0, declination 0 (where
// every zero record lies) is on the far side: no layer draws anything but the background.
struct EmptySky {
    AppSettings settings = DefaultSettings();
    std::unique_ptr<CatalogStore> catalog = std::make_unique<CatalogStore>();
    SkyState computed; // all zero
    std::unique_ptr<ChartState> chart;

    EmptySky(int width, int height) {
        chart = std::make_unique<ChartState>(settings);
        chart->m_dTurnX = 12.0; // centre at 12 h
        chart->m_nBaseRadius = 100;
        chart->m_nFullScreenHeight = 700;
        chart->m_nRadius = 300;
        SetClientSize(*chart, width, height);
    }
};

class ThrowingSurface : public CairoImageSurface {
public:
    using CairoImageSurface::CairoImageSurface;
    void FillRect(const PixelRect&, Rgb) override { throw std::runtime_error("out of memory"); }
};

} // namespace

TEST(Frame, BackgroundBandsAreClosedAtTheirUpperEnd) {
    struct Case {
        bool colored;
        double altitude;
        bool deep;
        Rgb sky;
        Rgb fill;
    };
    const Case cases[] = {
        {false, 30.0, true, {0, 0, 0}, {0, 0, 80}},
        {false, 30.0, false, {0, 0, 0}, {0, 0, 64}},
        {true, -18.0, true, {0, 0, 0}, {0, 0, 80}},
        {true, -17.9, true, {0, 0, 80}, {0, 0, 80}},
        {true, -12.0, true, {0, 0, 80}, {0, 0, 80}},
        {true, -12.0, false, {0, 0, 64}, {0, 0, 64}},
        {true, -11.9, true, {0, 0, 152}, {0, 0, 152}},
        {true, -6.0, true, {0, 0, 152}, {0, 0, 152}},
        {true, -6.0, false, {0, 0, 255}, {0, 0, 255}},
        {true, -5.9, true, {0, 115, 215}, {0, 115, 215}},
        {true, 0.0, true, {0, 115, 215}, {0, 115, 215}},
        {true, 0.0, false, {0, 0, 255}, {0, 0, 255}},
        {true, 0.1, true, {0, 191, 255}, {0, 191, 255}},
        {true, 0.1, false, {0, 255, 255}, {0, 255, 255}},
    };
    for (const Case& c : cases) {
        const SkyColours colours = BackgroundColours(c.colored, c.altitude, c.deep);
        EXPECT_EQ(colours.sky, c.sky) << c.colored << " " << c.altitude << " " << c.deep;
        EXPECT_EQ(colours.fill, c.fill) << c.colored << " " << c.altitude << " " << c.deep;
    }
}

TEST(Frame, EmptySkyPicksNothingAndFillsOnlyTheCopiedArea) {
    EmptySky sky(101, 51); // odd sizes: the last column and row are not part of the frame
    ChartState& chart = *sky.chart;
    CairoImageSurface surface(101, 51);
    surface.FillRect(PixelRect{0, 0, 101, 51}, kRed);

    const FrameResult result = Draw(chart, sky.computed, *sky.catalog, sky.settings, surface);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.picks, PickingTables{});
    EXPECT_EQ(surface.PixelAt(0, 0), kBlack);
    EXPECT_EQ(surface.PixelAt(99, 49), kBlack);
    EXPECT_EQ(surface.PixelAt(100, 10), kRed);
    EXPECT_EQ(surface.PixelAt(10, 50), kRed);
}

TEST(Frame, ColouredSkyFollowsTheSunAndTheScreenDepth) {
    EmptySky sky(40, 40);
    ChartState& chart = *sky.chart;
    chart.m_bColoredSky = 1;
    // The Sun on the meridian of an equatorial observer at its equinox: altitude 90.
    sky.computed.m_bodies[kBodySun] =
        SolarSystemBody{.ra = 0.0, .dec = 0.0, .earthDistanceAu = 1.0};
    sky.computed.m_dGST = 0.0;
    sky.computed.m_dLongitude = 0.0;
    sky.computed.m_dLatitude = 0.0;
    EXPECT_NEAR(SunAltitude(sky.computed), 90.0, 1e-3);
    CairoImageSurface surface(40, 40);
    ASSERT_TRUE(Draw(chart, sky.computed, *sky.catalog, sky.settings, surface).ok);
    EXPECT_EQ(surface.PixelAt(5, 5), (Rgb{0, 191, 255}));
    FrameOptions eightBit;
    eightBit.deepColour = false;
    ASSERT_TRUE(Draw(chart, sky.computed, *sky.catalog, sky.settings, surface, eightBit).ok);
    EXPECT_EQ(surface.PixelAt(5, 5), (Rgb{0, 255, 255}));
}

TEST(Frame, PrinterPathSetsThePrintingScaleAndKeepsThePaperWhite) {
    EmptySky sky(1000, 700);
    ChartState& chart = *sky.chart;
    chart.m_nLevel = 0;
    chart.m_nBaseRadius = 310;
    chart.m_nFullScreenHeight = 700;
    CairoImageSurface paper(200, 200);
    paper.FillRect(PixelRect{0, 0, 200, 200}, kWhite);
    FrameOptions printer;
    printer.target = FrameTarget::Printer;
    printer.pageWidth = 4800;
    printer.pageHeight = 6600;
    const FrameResult result =
        Draw(chart, sky.computed, *sky.catalog, sky.settings, paper, printer);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.geometry, (ChartGeometry{2125, 2400, 3300}));
    // The page's projector carries the printed geometry; the chart keeps the screen's.
    EXPECT_EQ(chart.m_nRadius, 300u);
    EXPECT_EQ(chart.m_nCenterX, 500);
    EXPECT_EQ(paper.PixelAt(1, 1), kWhite);
    EXPECT_EQ(paper.PixelAt(150, 150), kWhite);
    EXPECT_EQ(chart.m_rcClient.Width(), 1000); // the screen's client area is not the page's
}

TEST(Frame, AnExceptionEndsTheFrameAndStopsTheAnimation) {
    EmptySky sky(50, 50);
    sky.chart->m_bAnimate = 1;
    ThrowingSurface surface(50, 50);
    const SurfaceState before = surface.State();
    const FrameResult result = Draw(*sky.chart, sky.computed, *sky.catalog, sky.settings, surface);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "out of memory");
    EXPECT_EQ(sky.chart->m_bAnimate, 0);
    EXPECT_EQ(surface.State().pen, before.pen); // the surface's selection is put back
    EXPECT_EQ(surface.State().font, before.font);
}

TEST(Frame, PageBorderRunsAlongTheUsableArea) {
    CairoImageSurface page(30, 20);
    page.FillRect(PixelRect{0, 0, 30, 20}, kWhite);
    DrawPageBorder(page, PixelRect{2, 3, 28, 18});
    EXPECT_EQ(page.PixelAt(2, 3), kBlack);
    EXPECT_EQ(page.PixelAt(27, 3), kBlack);
    EXPECT_EQ(page.PixelAt(27, 17), kBlack);
    EXPECT_EQ(page.PixelAt(2, 17), kBlack);
    EXPECT_EQ(page.PixelAt(28, 10), kWhite);
    EXPECT_EQ(page.PixelAt(10, 18), kWhite);
    EXPECT_EQ(page.PixelAt(10, 10), kWhite);
}

// A frame drawn with the memo kept from the frames before it has the pixels and picking tables
// of a frame drawn afresh: the real catalogue, every layer, frame after frame of a chart that
// pans, zooms, turns to the horizon view and moves to the southern sky.
TEST(Frame, MemoKeptFromFrameToFrameChangesNothing) {
    auto catalog = SourceCatalogue();
    if (!catalog) {
        GTEST_SKIP() << "the catalogue files are not built yet";
    }
    AppSettings settings = DefaultSettings();
    settings.SkyDate = SkyDate{2026, 12, 8, 21, 0, 0};
    const SkySession session(std::move(catalog), settings.SkyDate, PlaceOf(settings.Observer),
                             SkyModelKind::Classic);
    ChartState chart(settings);
    InitialUpdate(chart, 640, 400);
    for (LayerSwitch row : kLayerSwitches) {
        chart.*row.chart = 1;
    }
    ProjectionMemo memo;
    FrameOptions withMemo;
    withMemo.memo = &memo;
    CairoImageSurface fresh(640, 400);
    CairoImageSurface kept(640, 400);
    const std::function<void()> steps[] = {
        [] {},
        [&] { chart.m_dTurnX += 1.0 / 3.0; },
        [&] { chart.m_nLevel = 0, ApplyZoomRadius(chart); },
        [&] { chart.m_nLevel = 6, ApplyZoomRadius(chart); },
        [&] { chart.m_bHorizonView = kChartLocalHorizon; },
        [&] { chart.m_bHorizonView = kChartEquatorial, chart.m_nTurnY = chart.m_nTilt = 60; },
        [&] { chart.m_nTurnY = -60; },
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i]();
        const FrameResult a = Draw(chart, session.Sky(), session.Catalog(), settings, fresh);
        const FrameResult b =
            Draw(chart, session.Sky(), session.Catalog(), settings, kept, withMemo);
        ASSERT_TRUE(a.ok && b.ok);
        fresh.Flush();
        kept.Flush();
        cairo_surface_t* x = fresh.Image();
        cairo_surface_t* y = kept.Image();
        const std::size_t bytes = static_cast<std::size_t>(cairo_image_surface_get_stride(x)) *
                                  static_cast<std::size_t>(cairo_image_surface_get_height(x));
        EXPECT_EQ(
            std::memcmp(cairo_image_surface_get_data(x), cairo_image_surface_get_data(y), bytes), 0)
            << "step " << i;
        EXPECT_EQ(b.picks, a.picks) << "step " << i;
    }
}
