// The chart's print job: printed geometry from the usable area (the chart's own left alone), and
// the page border.
#include "chart/PrintGeometry.h"

#include "catalog/CatalogStore.h"
#include "chart/CairoSurface.h"
#include "chart/Projection.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_settings.Observer.NS = "N";
        m_settings.Observer.EW = "E";
        m_store = std::make_unique<CatalogStore>();
        m_chart = std::make_unique<ChartState>(m_settings);
        m_chart->m_nFullScreenHeight = 700;
        m_chart->m_nBaseRadius = 310;
        m_chart->m_nLevel = 0;
        m_chart->m_nRadius = 310;
        m_chart->m_nCenterX = 512;
        m_chart->m_nCenterY = 350;
    }
    AppSettings m_settings;
    std::unique_ptr<CatalogStore> m_store;
    std::unique_ptr<ChartState> m_chart;
};

// The worked example: 4800 x 6600 printable pixels, full-screen height 700, base radius 310,
// level 0: radius trunc(310 * 4800 / 700) = 2125 and centre (2400, 3300). The geometry comes
// from the usable area alone, so a small image stands for the page (cairo clips the rest).
TEST_F(PrintJobTest, PrintedGeometryComesFromTheUsableArea) {
    ChartPrintJob job(*m_chart);
    job.Begin();
    CairoImageSurface page(8, 8);
    const FrameResult result =
        job.PrintPage(SkyState{}, *m_store, m_settings, page, PixelRect{0, 0, 4800, 6600});
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.geometry, (ChartGeometry{2125, 2400, 3300}));
    // The page has its own projector: the chart keeps the screen's geometry throughout.
    EXPECT_EQ((ChartGeometry{m_chart->m_nRadius, m_chart->m_nCenterX, m_chart->m_nCenterY}),
              (ChartGeometry{310, 512, 350}));
}

TEST_F(PrintJobTest, PageBorderRunsAlongTheUsableAreaOnWhitePaper) {
    constexpr int kW = 120;
    constexpr int kH = 90;
    m_chart->m_bMilkyWay = 0;
    m_chart->m_bDeepSky = 0;
    m_chart->m_bEcliptic = 0;
    m_chart->m_bBoundaries = 0;
    m_chart->m_bHorizon = 0;
    m_chart->m_bSolarSystem = 0;
    CairoImageSurface page(kW, kH);
    page.FillRect(PixelRect{0, 0, kW, kH}, kWhite);
    ChartPrintJob job(*m_chart);
    ASSERT_TRUE(job.PrintPage(SkyState{}, *m_store, m_settings, page, PixelRect{0, 0, kW, kH}).ok);
    page.Flush();
    for (int x : {0, kW / 2, kW - 1}) {
        EXPECT_EQ(page.PixelAt(x, 0), kBlack) << x;
        EXPECT_EQ(page.PixelAt(x, kH - 1), kBlack) << x;
    }
    for (int y : {0, kH / 2, kH - 1}) {
        EXPECT_EQ(page.PixelAt(0, y), kBlack) << y;
        EXPECT_EQ(page.PixelAt(kW - 1, y), kBlack) << y;
    }
    EXPECT_EQ(page.PixelAt(1, 1), kWhite); // no background on paper
    EXPECT_EQ(page.PixelAt(kW - 2, kH - 2), kWhite);
}

// The page is laid out on the paper less the printer's margins, rounded inwards, origin at the
// paper's corner. A4 is 8.27 x 11.69 inches (2480 x 3508 pixels at 300 per inch).
TEST(PrintableArea, PaperLessItsMarginsRoundedInwards) {
    struct Case {
        const char* name;
        PaperMargins margins;
        PixelRect area;
    };
    for (const Case& c : {
             Case{"quarter inch all round", {0.25, 0.25, 0.25, 0.25}, {75, 75, 2405, 3433}},
             Case{"uneven, a part pixel", {0.105, 0.2, 0.3, 0.5}, {32, 60, 2390, 3358}},
             Case{"no margins", {}, {0, 0, 2480, 3508}},
             Case{"margins wider than the paper", {5.0, 0.0, 5.0, 0.0}, {0, 0, 2480, 3508}},
         }) {
        EXPECT_EQ(PrintableArea(2480, 3508, 300.0, 300.0, c.margins), c.area) << c.name;
    }
}

} // namespace
