// The order of the layers in a frame, on screen and on paper, seen through the calls they make
// on a recording surface.
#include "chart/Frame.h"

#include "layer_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using layertest::Call;
using layertest::LayerFixture;
using layertest::Op;

// Index of the first recorded call that matches, or -1.
int First(const std::vector<Call>& calls, const std::function<bool(const Call&)>& match) {
    const auto it = std::find_if(calls.begin(), calls.end(), match);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
}

auto LineIn(Rgb colour) {
    return [colour](const Call& c) {
        return (c.op == Op::Line || c.op == Op::Polyline) && c.state.pen.colour == colour;
    };
}

// Something of every layer near the chart's centre (6 h, 0 degrees).
void FillSky(LayerFixture& f) {
    ChartState& chart = *f.chart;
    CatalogStore& store = *f.catalog;
    for (std::size_t i = 0; i < kEclipticCount; ++i) {
        store.m_outlinePoints[kEclipticFirst + i] = OutlinePoint{5.5f + 0.01f * i, -1.0f};
    }
    for (std::size_t k = 0; k < kHorizonPointCount; ++k) {
        f.computed.m_horizon[k] = OutlinePoint{5.6f + 0.01f * k, 1.5f};
    }
    store.m_figurePoints[0] = FigurePoint{5.9f, 2.0f, 0};
    store.m_figurePoints[1] = FigurePoint{6.1f, 2.5f, 1};
    store.m_figurePoints[kBoundaryPointFirst] = FigurePoint{5.9f, -2.0f, 1};
    store.m_figurePoints[kBoundaryPointFirst + 1] = FigurePoint{6.1f, -2.5f, 0};
    store.m_deepSky[0] = DeepSkyRecord{};
    store.m_deepSky[0].number = 42;
    store.m_deepSky[0].type = 'g';
    store.m_deepSky[0].ra = 6.05f;
    store.m_deepSky[0].dec = 0.5f;
    store.m_deepSky[0].magnitude = 4.0f;
    store.m_stars[0].spectralClass = 'A';
    store.m_stars[0].ra = 5.95f;
    store.m_stars[0].dec = 0.3f;
    store.m_stars[0].magnitude = 0.5f;
    chart.m_nFullScreenHeight = layertest::kClientHeight;
    chart.m_nBaseRadius = layertest::kRadius / 3;
    chart.m_bEcliptic = chart.m_bBoundaries = chart.m_bConstelations = chart.m_bDeepSky = 1;
    chart.m_bCoordinations = chart.m_bHorizon = 1;
}

} // namespace

TEST(FrameOrder, ScreenDrawsTheHorizonLastAndTheBackgroundFirst) {
    LayerFixture f;
    FillSky(f);
    ASSERT_TRUE(Draw(*f.chart, f.computed, *f.catalog, f.settings, f.surface).ok);
    const auto& calls = f.surface.calls;
    const int background = First(calls, [](const Call& c) { return c.op == Op::Fill; });
    const int ecliptic = First(calls, LineIn({0, 0, 255}));
    const int boundaries = First(calls, LineIn({225, 0, 0}));
    const int figures = First(calls, LineIn({0, 225, 0}));
    const int deepSky = First(calls, [](const Call& c) { return c.op == Op::Icon; });
    const int grid = First(calls, LineIn({198, 198, 198}));
    const int star = First(calls, [](const Call& c) { return c.op == Op::Ellipse; });
    const int horizon = First(calls, LineIn({255, 128, 0}));
    EXPECT_EQ(background, 0);
    for (const int index : {ecliptic, boundaries, figures, deepSky, grid, star, horizon}) {
        ASSERT_GE(index, 0);
    }
    EXPECT_LT(ecliptic, boundaries);
    EXPECT_LT(boundaries, figures);
    EXPECT_LT(figures, deepSky);
    EXPECT_LT(deepSky, grid);
    EXPECT_LT(grid, star);
    EXPECT_LT(star, horizon);
}

TEST(FrameOrder, PrinterDrawsTheHorizonBeforeTheDeepSkyAndNoBackground) {
    LayerFixture f;
    FillSky(f);
    FrameOptions printer;
    printer.target = FrameTarget::Printer;
    printer.pageWidth = layertest::kClientWidth;
    printer.pageHeight = layertest::kClientHeight;
    ASSERT_TRUE(Draw(*f.chart, f.computed, *f.catalog, f.settings, f.surface, printer).ok);
    const auto& calls = f.surface.calls;
    EXPECT_EQ(First(calls, [](const Call& c) { return c.op == Op::Fill; }), -1);
    const int compass = First(calls, [](const Call& c) {
        return c.op == Op::Text &&
               (c.text == "E" || c.text == "W" || c.text == "N" || c.text == "S");
    });
    const int deepSky = First(calls, [](const Call& c) { return c.op == Op::Mono; });
    const int star = First(
        calls, [](const Call& c) { return c.op == Op::Ellipse && c.state.brush.colour == kBlack; });
    ASSERT_GE(compass, 0);
    ASSERT_GE(deepSky, 0);
    ASSERT_GE(star, 0);
    EXPECT_LT(compass, deepSky);
    EXPECT_LT(deepSky, star);
    // Every line on paper is black.
    for (const Call& c : calls) {
        if (c.op == Op::Line || c.op == Op::Polyline) {
            EXPECT_EQ(c.state.pen.colour, kBlack);
        }
    }
}
