// The altitude graph of Jupiter for the night of 2024-12-09 in Krakow (clock = UT + 1 h). Where
// the bands belong: tools/twilight_reference.py 19.9167 50.0333 2024-12-09T11:00 24 gives
// sunset 14:38 UT, civil dusk 15:16 UT, astronomical dusk 16:37 UT, astronomical dawn 04:29 UT.
#include "graphs/AltitudeGraph.h"

#include "astro/Instant.h"
#include "astro/SkySession.h"

#include <gtest/gtest.h>

#include <cairo.h>
#include <cstdint>
#include <memory>

namespace {

const Place kKrakow{"Krakow", -19.9167, 50.0333, false, {1.0f, "Europe/Warsaw"}};
constexpr int kWidth = 1000;
constexpr int kHeight = 560;

double UtJd(int day, int hour, int minute) {
    return InstantOf(SkyDate{2024, 12, day, hour, minute, 0}, ZoneRule{}).ut;
}

class AltitudeGraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        SkySession session(std::make_unique<CatalogStore>(), SkyDate{2024, 12, 9, 21, 0, 0},
                           kKrakow, SkyModelKind::Precise);
        graph.day = ComputeAltitudeDay(session, {PlannedKind::Body, kBodyJupiter});
        graph.ticks = HourTicks(graph.day.startJd, graph.day.endJd, kKrakow.zone);
        surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
        cairo_t* cr = cairo_create(surface);
        DrawAltitudeGraph(cr, kWidth, kHeight, graph);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
    }
    void TearDown() override { cairo_surface_destroy(surface); }

    // The pixel at the instant, at 80 degrees (above Jupiter's and the Moon's curves).
    std::uint32_t PixelAt(double jd) const {
        const GraphArea a = GraphAreaOf(kWidth, kHeight);
        const double x = a.left + (jd - graph.day.startJd) / (graph.day.endJd - graph.day.startJd) *
                                      (a.right - a.left);
        const double y = a.bottom - (80.0 + 90.0) / 180.0 * (a.bottom - a.top);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        return *reinterpret_cast<const std::uint32_t*>(data + static_cast<int>(y) * stride +
                                                       static_cast<int>(x) * 4) &
               0xffffffu;
    }

    AltitudeGraph graph;
    cairo_surface_t* surface = nullptr;
};

} // namespace

TEST_F(AltitudeGraphTest, BandsSitWhereTheSunPutsThem) {
    const std::uint32_t day = PixelAt(UtJd(9, 12, 0));
    const std::uint32_t night = PixelAt(UtJd(9, 23, 0));
    EXPECT_NE(day, night);
    EXPECT_EQ(PixelAt(UtJd(9, 14, 20)), day);   // before sunset
    EXPECT_EQ(PixelAt(UtJd(10, 6, 50)), day);   // after sunrise (06:28 UT)
    EXPECT_EQ(PixelAt(UtJd(9, 16, 55)), night); // after astronomical dusk
    EXPECT_EQ(PixelAt(UtJd(10, 4, 10)), night); // before astronomical dawn
    const std::uint32_t civil = PixelAt(UtJd(9, 14, 57));
    EXPECT_NE(civil, day);
    EXPECT_NE(civil, night);
}

TEST_F(AltitudeGraphTest, HoverReadsTheTableAndTheTicksFollowTheClock) {
    const GraphArea a = GraphAreaOf(kWidth, kHeight);
    const AltitudePoint& row = graph.day.object[60];
    const double x = a.left + (row.jd - graph.day.startJd) / (graph.day.endJd - graph.day.startJd) *
                                  (a.right - a.left);
    const std::optional<GraphReading> reading = ReadGraphAt(graph, kWidth, kHeight, x);
    ASSERT_TRUE(reading);
    EXPECT_NEAR(reading->jd, row.jd, 1e-6);
    EXPECT_NEAR(reading->altitude, row.altitude, 1e-6);
    EXPECT_FALSE(ReadGraphAt(graph, kWidth, kHeight, a.left - 1.0));
    // Noon to noon local: a tick every two hours from 12:00 (11:00 UT) to the next 12:00.
    ASSERT_FALSE(graph.ticks.empty());
    EXPECT_EQ(graph.ticks.front().label, "12:00");
    EXPECT_NEAR(graph.ticks.front().jd, UtJd(9, 11, 0), 1e-9);
    EXPECT_EQ(graph.ticks.size(), 13u);
}
