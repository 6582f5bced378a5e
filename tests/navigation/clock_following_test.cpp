// Following the clock: when a tick moves the chart, with "now" taken as the chart takes it.
#include "navigation/ClockFollowing.h"

#include "astro/ClockTime.h"
#include "astro/Place.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace {

TEST(ClockFollowing, MovesTheChartOnlyWhenTheMinuteChangedAndWhileOn) {
    // 2026-12-09 13:44:37 UTC in Krakow on a fixed +1 h is 14:44 on the observer's clock (the
    // seconds dropped, NowAtObserver).
    using namespace std::chrono;
    const ClockInstant instant = sys_days{2026y / December / 9} + 13h + 44min + 37s;
    const ZoneRule krakow{1.0f};
    const SkyDate now = NowAtObserver(krakow, instant);
    ASSERT_EQ(now, (SkyDate{2026, 12, 9, 14, 44, 0}));
    struct Case {
        bool on;
        SkyDate shown;
        std::optional<SkyDate> moveTo;
    } cases[] = {
        {false, {2026, 12, 9, 14, 43, 0}, std::nullopt}, // off: the chart keeps its time
        {true, {2026, 12, 9, 14, 44, 0}, std::nullopt},  // this minute is shown already
        {true, {2026, 12, 9, 14, 43, 0}, now},           // the next minute came
        {true, {2026, 12, 9, 14, 44, 17}, now},          // seconds set by hand go
        {true, {1998, 12, 7, 21, 35, 0}, now},           // turned on over another date
    };
    for (const Case& c : cases) {
        ClockFollowing clock;
        EXPECT_FALSE(clock.IsOn()); // off when the program starts
        clock.SetOn(c.on);
        EXPECT_EQ(clock.Due(c.shown, now), c.moveTo) << c.on << " " << c.shown.minute;
    }
}

} // namespace
