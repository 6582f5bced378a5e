// The deep-sky symbol layer: order, filter, icon by type (unknown types keep the previous icon),
// picking table, the printed one-bit pictures and the label order on screen and paper.
#include "chart/DeepSkyIcons.h"
#include "chart/Layers.h"
#include "layer_support.h"

#include <gtest/gtest.h>

using namespace layertest;

namespace {

struct Object {
    std::size_t index;
    char type;
    float ra;
    float magnitude;
};

// Objects on the equator near the centre; every other entry parked on the invisible pole.
void Fill(LayerFixture& f, std::initializer_list<Object> objects) {
    for (auto& d : f.catalog->m_deepSky) {
        d.dec = 90.0f;
    }
    for (const Object& o : objects) {
        DeepSkyRecord& d = f.catalog->m_deepSky[o.index];
        d.number = static_cast<int>(o.index) + 1;
        d.type = o.type;
        d.ra = o.ra;
        d.dec = 0.0f;
        d.magnitude = o.magnitude;
    }
    f.chart->m_bDeepSky = 1;
    f.chart->m_dDeepSkyLimit = 9.0;
}

} // namespace

TEST(LayerDeepSky, OrderIconsFilterAndPicking) {
    LayerFixture f;
    Fill(f, {
                {0, 'g', kCentreRa + 0.00f, 5.0f},   // M1
                {5, 'x', kCentreRa + 0.05f, 5.0f},   // M6: unknown type, after M7's icon
                {6, 'o', kCentreRa + 0.10f, 5.0f},   // M7
                {30, 's', kCentreRa + 0.15f, 9.0f},  // M31 at the limit
                {31, 'e', kCentreRa + 0.20f, 9.01f}, // M32 too faint
                {109, 'x', kCentreRa + 0.25f, 5.0f}, // M110 first: unknown, icon 0
                {110, 'p', kCentreRa - 0.05f, 5.0f}, // first NGC
                {111, 'q', kCentreRa - 0.10f, 5.0f}, // unknown after a planetary nebula
                {209, 'e', kCentreRa - 0.15f, 5.0f},
            });
    DrawDeepSky(f.Context());
    const auto icons = f.surface.Of(Op::Icon);
    struct Expect {
        std::size_t index;
        int icon;
    };
    const Expect expected[] = {{109, 0}, {30, 0},  {6, 2},   {5, 2},
                               {0, 1},   {110, 4}, {111, 4}, {209, 3}};
    ASSERT_EQ(icons.size(), std::size(expected));
    for (std::size_t i = 0; i < icons.size(); ++i) {
        SCOPED_TRACE(expected[i].index);
        const PixelPoint p = f.picks.deepSky[expected[i].index];
        EXPECT_EQ(p, f.At(f.catalog->m_deepSky[expected[i].index].ra, 0.0f));
        EXPECT_EQ(icons[i].icon, &DeepSkyIcons()[static_cast<std::size_t>(expected[i].icon)]);
        EXPECT_EQ(icons[i].x0, p.x - 5);
        EXPECT_EQ(icons[i].y0, p.y - 5);
        EXPECT_EQ(icons[i].x1, 10);
        EXPECT_EQ(icons[i].y1, 10);
    }
    EXPECT_EQ(f.picks.deepSky[31], PixelPoint{}); // too faint: not drawn, not pickable
    EXPECT_EQ(f.picks.deepSky[1], PixelPoint{});
}

TEST(LayerDeepSky, OutsideTheClientAreaOnlyOnPaper) {
    LayerFixture f;
    Fill(f, {{3, 'g', kCentreRa + 1.8f, 5.0f}}); // 27 degrees east: left of the client area
    ASSERT_LT(f.At(kCentreRa + 1.8f, 0.0f).x, 0);
    DrawDeepSky(f.Context());
    EXPECT_TRUE(f.surface.calls.empty());
    EXPECT_EQ(f.picks.deepSky[3], PixelPoint{});

    DrawDeepSky(f.Context(FrameTarget::Printer));
    const auto monos = f.surface.Of(Op::Mono);
    ASSERT_EQ(monos.size(), 1u);
    const PixelPoint p = f.picks.deepSky[3];
    EXPECT_EQ(p, f.At(kCentreRa + 1.8f, 0.0f));
    EXPECT_EQ(monos[0].bitmap, &DeepSkyPrintBitmaps()[1]);
    EXPECT_EQ(monos[0].x0, p.x - 15);
    EXPECT_EQ(monos[0].y0, p.y - 15);
    EXPECT_EQ(monos[0].x1, 30);
    EXPECT_EQ(monos[0].y1, 30);
}

TEST(LayerDeepSky, LabelsAfterSymbolsMessierFirstOnScreenOthersFirstOnPaper) {
    for (const FrameTarget target : {FrameTarget::Screen, FrameTarget::Printer}) {
        LayerFixture f;
        Fill(f, {{0, 'g', kCentreRa, 5.0f}, {110, 'o', kCentreRa - 0.1f, 5.0f}});
        f.chart->m_bDeepSkyNames = 1;
        f.chart->m_nLevel = 1;
        DrawDeepSky(f.Context(target));
        ASSERT_GE(f.surface.calls.size(), 2u);
        EXPECT_NE(f.surface.calls[0].op, Op::Text);
        EXPECT_NE(f.surface.calls[1].op, Op::Text);
        const std::vector<std::string> expected =
            target == FrameTarget::Screen ? std::vector<std::string>{"M1", "LMC", "SMC", "111"}
                                          : std::vector<std::string>{"111", "M1", "LMC", "SMC"};
        EXPECT_EQ(f.surface.Texts(), expected);
    }
}
