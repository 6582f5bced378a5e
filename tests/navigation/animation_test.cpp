// The animation's calendar steps, its start/stop rules and the year bounds.
#include "navigation/Animation.h"

#include "astro/ClockTime.h"
#include "astro/SkySession.h"
#include "catalog/CatalogStore.h"
#include "chart/ChartState.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

SkyDate Date(int y, int mo, int d, int h = 12, int mi = 0, int s = 0) {
    return SkyDate{y, mo, d, h, mi, s};
}

std::string Show(const SkyDate& d) {
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day) +
           " " + std::to_string(d.hour) + ":" + std::to_string(d.minute) + ":" +
           std::to_string(d.second);
}

struct StepCase {
    const char* name;
    TimeStep step;
    bool forward;
    SkyDate from;
    SkyDate want;
};

class StepSkyDateTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepSkyDateTest, CarriesAndBorrowsAsTheAnimationDoes) {
    const StepCase& c = GetParam();
    SkyDate d = c.from;
    StepSkyDate(d, static_cast<int>(c.step), c.forward);
    EXPECT_EQ(Show(d), Show(c.want));
}

using TS = TimeStep;
INSTANTIATE_TEST_SUITE_P(
    Cases, StepSkyDateTest,
    ::testing::Values(
        // Real time
        StepCase{"SecondIntoNewYear", TS::RealTime, true, Date(1999, 12, 31, 23, 59, 59),
                 Date(2000, 1, 1, 0, 0, 0)},
        StepCase{"SecondBackIntoOldYear", TS::RealTime, false, Date(2000, 1, 1, 0, 0, 0),
                 Date(1999, 12, 31, 23, 59, 59)},
        StepCase{"SecondPlain", TS::RealTime, true, Date(2000, 5, 5, 10, 10, 10),
                 Date(2000, 5, 5, 10, 10, 11)},
        // Minutes
        StepCase{"TenMinutesOverMidnight", TS::TenMinutes, true, Date(1998, 6, 30, 23, 55),
                 Date(1998, 7, 1, 0, 5)},
        StepCase{"TenMinutesBackOverMidnight", TS::TenMinutes, false, Date(1998, 7, 1, 0, 5),
                 Date(1998, 6, 30, 23, 55)},
        StepCase{"ThirtyMinutesIntoLeapDay", TS::ThirtyMinutes, true, Date(2000, 2, 28, 23, 40),
                 Date(2000, 2, 29, 0, 10)},
        StepCase{"ThirtyMinutesPastFeb28", TS::ThirtyMinutes, true, Date(1999, 2, 28, 23, 40),
                 Date(1999, 3, 1, 0, 10)},
        StepCase{"ThirtyMinutesBackFromMarch", TS::ThirtyMinutes, false, Date(2000, 3, 1, 0, 10),
                 Date(2000, 2, 29, 23, 40)},
        // Hours
        StepCase{"HourIntoNewYear", TS::OneHour, true, Date(2049, 12, 31, 23, 30),
                 Date(2050, 1, 1, 0, 30)},
        StepCase{"HourBackFromNewYear", TS::OneHour, false, Date(2050, 1, 1, 0, 30),
                 Date(2049, 12, 31, 23, 30)},
        StepCase{"HourBackFromFirstOfMay", TS::OneHour, false, Date(2001, 5, 1, 0, 0),
                 Date(2001, 4, 30, 23, 0)},
        // Days
        StepCase{"DayBackToLeapDay", TS::OneDay, false, Date(2000, 3, 1), Date(2000, 2, 29)},
        StepCase{"DayBackToFeb28", TS::OneDay, false, Date(1999, 3, 1), Date(1999, 2, 28)},
        StepCase{"DayIntoNewYear", TS::OneDay, true, Date(1999, 12, 31), Date(2000, 1, 1)},
        StepCase{"DayBackIntoOldYear", TS::OneDay, false, Date(2000, 1, 1), Date(1999, 12, 31)},
        StepCase{"DayAfterApril30", TS::OneDay, true, Date(2003, 4, 30), Date(2003, 5, 1)},
        StepCase{"SevenDaysOverFebruary", TS::SevenDays, true, Date(1999, 2, 25), Date(1999, 3, 4)},
        StepCase{"SevenDaysOverLeapFebruary", TS::SevenDays, true, Date(2000, 2, 25),
                 Date(2000, 3, 3)},
        StepCase{"SevenDaysBackIntoDecember", TS::SevenDays, false, Date(2001, 1, 3),
                 Date(2000, 12, 27)},
        // Months: an overflowing day moves into the next month going forward and is kept going
        // backward.
        StepCase{"MonthFromJan31", TS::OneMonth, true, Date(1999, 1, 31), Date(1999, 3, 3)},
        StepCase{"MonthFromJan31Leap", TS::OneMonth, true, Date(2000, 1, 31), Date(2000, 3, 2)},
        StepCase{"MonthBackFromMar31", TS::OneMonth, false, Date(1999, 3, 31), Date(1999, 2, 31)},
        StepCase{"MonthFromDecember", TS::OneMonth, true, Date(2099, 12, 15), Date(2100, 1, 15)},
        StepCase{"MonthFromDec31", TS::OneMonth, true, Date(1998, 12, 31), Date(1999, 1, 31)},
        StepCase{"MonthBackFromJanuary", TS::OneMonth, false, Date(2000, 1, 31),
                 Date(1999, 12, 31)},
        StepCase{"MonthFromMay31", TS::OneMonth, true, Date(2005, 5, 31), Date(2005, 7, 1)},
        // Years: the month lengths are those of the year before the step.
        StepCase{"YearFromLeapDay", TS::OneYear, true, Date(2000, 2, 29), Date(2001, 2, 29)},
        StepCase{"YearBackFromLeapDay", TS::OneYear, false, Date(2000, 2, 29), Date(1999, 2, 29)},
        StepCase{"YearFromLeapDayOfNonLeap", TS::OneYear, true, Date(2001, 2, 29),
                 Date(2002, 3, 1)},
        StepCase{"YearBackBelowBound", TS::OneYear, false, Date(1901, 6, 1), Date(1900, 6, 1)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepSkyDateTest, IndexOutsideTheSelectorReadsAsTheNearestEntry) {
    SkyDate d = Date(2000, 1, 1, 0, 0, 0);
    StepSkyDate(d, -3, true);
    EXPECT_EQ(Show(d), Show(Date(2000, 1, 1, 0, 0, 1)));
    StepSkyDate(d, 42, true);
    EXPECT_EQ(Show(d), Show(Date(2001, 1, 1, 0, 0, 1)));
}

TEST(StepSkyDateTest, UncheckedMonthDoesNotReadOutsideTheTable) {
    SkyDate d = Date(2000, 0, 1); // a date the engine was handed unchecked
    StepSkyDate(d, static_cast<int>(TS::OneDay), false);
    EXPECT_EQ(d.day, 31);
    d = Date(2000, 40, 40);
    StepSkyDate(d, static_cast<int>(TS::OneDay), true);
    EXPECT_EQ(d.day, 10);
}

// Every valid date of the animation's years, stepped by each time or day step, gives the same
// instant as the proleptic Gregorian calendar of the standard library (the divisible-by-4 leap
// rule agrees with it from 1901 to 2099), and stepping back returns to the start.
TEST(StepSkyDateTest, TimeAndDayStepsMatchTheCalendarFrom1901To2099) {
    using namespace std::chrono;
    struct Step {
        TimeStep step;
        seconds amount;
    };
    const Step steps[] = {
        {TS::RealTime, seconds{1}}, {TS::TenMinutes, minutes{10}}, {TS::ThirtyMinutes, minutes{30}},
        {TS::OneHour, hours{1}},    {TS::OneDay, days{1}},         {TS::SevenDays, days{7}}};
    // Times next to midnight, where the carries reach the day.
    const seconds times[] = {hours{23} + minutes{59} + seconds{59}, hours{23} + minutes{55},
                             hours{23} + minutes{40}, minutes{5}, seconds{0}};
    int failures = 0;
    for (sys_days day = sys_days{year{1901} / January / 1};
         day <= sys_days{year{2099} / December / 31}; day += days{1}) {
        for (const seconds t : times) {
            const sys_seconds start = day + t;
            for (const Step& s : steps) {
                for (const bool forward : {true, false}) {
                    const sys_seconds target = forward ? start + s.amount : start - s.amount;
                    const sys_days targetDay = floor<days>(target);
                    const year_month_day ymd{targetDay};
                    const hh_mm_ss hms{target - targetDay};
                    const year_month_day startYmd{day};
                    const hh_mm_ss startHms{t};
                    SkyDate d{int(startYmd.year()),
                              int(unsigned(startYmd.month())),
                              int(unsigned(startYmd.day())),
                              int(startHms.hours().count()),
                              int(startHms.minutes().count()),
                              int(startHms.seconds().count())};
                    const SkyDate original = d;
                    StepSkyDate(d, static_cast<int>(s.step), forward);
                    const SkyDate want{int(ymd.year()),
                                       int(unsigned(ymd.month())),
                                       int(unsigned(ymd.day())),
                                       int(hms.hours().count()),
                                       int(hms.minutes().count()),
                                       int(hms.seconds().count())};
                    if (!(d == want) && ++failures <= 5) {
                        ADD_FAILURE()
                            << "step " << static_cast<int>(s.step) << " "
                            << (forward ? "forward" : "backward") << " from " << Show(original)
                            << " gave " << Show(d) << ", want " << Show(want);
                    }
                    StepSkyDate(d, static_cast<int>(s.step), !forward);
                    if (!(d == original) && ++failures <= 5) {
                        ADD_FAILURE() << "step " << static_cast<int>(s.step)
                                      << " did not return to " << Show(original);
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(TimeStepSelectorTest, EightEntriesWithALeadingBlankAndTheirPeriods) {
    const auto& entries = TimeStepEntries();
    ASSERT_EQ(entries.size(), 8u);
    const char* const want[] = {" Real time", " 10 minutes", " 30 minutes", " 1 hour",
                                " 1 day",     " 7 days",     " 1 month",    " 1 year"};
    for (int i = 0; i < kTimeStepCount; ++i) {
        EXPECT_EQ(entries[static_cast<std::size_t>(i)], want[i]);
        EXPECT_EQ(TimerPeriodMs(i), i == 0 ? 1000 : 100) << i;
    }
    EXPECT_EQ(entries[kDefaultTimeStepIndex], " 1 day");
    EXPECT_EQ(kAnimationTimerId, 2);
}

// ---------------------------------------------------------------------------------------------
// Start, stop, tick and single steps

class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_settings.Observer = Observer{"Prague", 14, 25, "E", 50, 5, "N", 1.0f};
        m_settings.SkyDate = Date(1998, 12, 7, 21, 5, 0);
        m_chart = std::make_unique<ChartState>(m_settings);
        m_chart->m_bSolarSystem = 1; // something on the chart moves
        m_session = std::make_unique<SkySession>(
            nullptr, m_settings.SkyDate, PlaceOf(m_settings.Observer), SkyModelKind::Classic);
    }
    AnimationStepResult Tick(int step) {
        return AnimationTick(*m_chart, m_animForward, step, *m_session);
    }
    AnimationStepResult Single(bool forward, int step) {
        return SingleStep(*m_chart, m_animForward, forward, step, *m_session);
    }

    AppSettings m_settings;
    std::unique_ptr<ChartState> m_chart;
    std::unique_ptr<SkySession> m_session;
    int m_animForward = 1;
};

TEST_F(AnimationTest, NothingMovingRefusesToStart) {
    m_chart->m_bSolarSystem = 0;
    m_chart->m_bHorizon = 0;
    m_chart->m_bHorizonView = kChartEquatorial;
    m_animForward = 0;
    const AnimationStart s = StartAnimation(*m_chart, m_animForward, true, kDefaultTimeStepIndex);
    EXPECT_FALSE(s.started);
    EXPECT_EQ(s.message, "Solar System objects and horizon are not visible !    ");
    EXPECT_EQ(m_chart->m_bAnimate, 0);
    EXPECT_EQ(m_animForward, 0);
}

TEST_F(AnimationTest, AnyMovingLayerLetsItStart) {
    struct Case {
        int solarSystem, horizon, mode;
    };
    for (const Case c : {Case{1, 0, 0}, Case{0, 1, 0}, Case{0, 0, 1}}) {
        m_chart->m_bSolarSystem = c.solarSystem;
        m_chart->m_bHorizon = c.horizon;
        m_chart->m_bHorizonView = c.mode;
        m_chart->m_bAnimate = 0;
        const AnimationStart s = StartAnimation(*m_chart, m_animForward, false, 0);
        EXPECT_TRUE(s.started);
        EXPECT_TRUE(s.message.empty());
        EXPECT_EQ(s.periodMs, 1000);
        EXPECT_EQ(m_chart->m_bAnimate, 1);
        EXPECT_EQ(m_animForward, 0);
    }
    EXPECT_EQ(StartAnimation(*m_chart, m_animForward, true, 3).periodMs, 100);
    EXPECT_EQ(m_animForward, 1);
}

TEST_F(AnimationTest, StopOnlyActsWhileRunning) {
    EXPECT_FALSE(StopAnimation(*m_chart));
    EXPECT_EQ(m_chart->m_bAnimate, 0);
    ASSERT_TRUE(StartAnimation(*m_chart, m_animForward, true, 4).started);
    EXPECT_TRUE(StopAnimation(*m_chart));
    EXPECT_EQ(m_chart->m_bAnimate, 0);
    EXPECT_FALSE(StopAnimation(*m_chart));
}

TEST_F(AnimationTest, TickWhileStoppedTakesNoStep) {
    const SkyDate before = m_session->ClockTime();
    const AnimationStepResult r = Tick(4);
    EXPECT_FALSE(r.stepped);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(m_session->ClockTime(), before);
}

TEST_F(AnimationTest, TickStepsRecomputesAndWritesThePanes) {
    ASSERT_TRUE(StartAnimation(*m_chart, m_animForward, false, 1).started);
    m_session->SetClockTime(Date(1998, 12, 8, 0, 5));
    const double gstBefore = m_session->Sky().m_dGST;
    const AnimationStepResult r = Tick(1);
    EXPECT_TRUE(r.stepped);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(m_session->ClockTime(), Date(1998, 12, 7, 23, 55));
    EXPECT_EQ(r.timeText, "23:55");
    EXPECT_EQ(r.dateText, "07  Dec 1998");
    EXPECT_NE(m_session->Sky().m_dGST, gstBefore);
    EXPECT_EQ(m_chart->m_bAnimate, 1);
}

TEST_F(AnimationTest, MonthStepPast2099StopsAndSingleStepThenRefuses) {
    m_session->SetClockTime(Date(2099, 12, 15));
    ASSERT_TRUE(StartAnimation(*m_chart, m_animForward, true, 6).started);
    const AnimationStepResult r = Tick(6);
    EXPECT_TRUE(r.stepped);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(m_chart->m_bAnimate, 0);
    EXPECT_EQ(m_session->ClockTime(), Date(2100, 1, 15));
    EXPECT_EQ(r.dateText, "15  Jan 2100");

    EXPECT_FALSE(Single(true, 6).stepped);
    EXPECT_EQ(m_session->ClockTime(), Date(2100, 1, 15));
    // Backward is allowed from there.
    EXPECT_TRUE(Single(false, 6).stepped);
    EXPECT_EQ(m_session->ClockTime(), Date(2099, 12, 15));
}

TEST_F(AnimationTest, YearStepBelow1901StopsAndSingleStepBackRefuses) {
    m_session->SetClockTime(Date(1901, 3, 1));
    ASSERT_TRUE(StartAnimation(*m_chart, m_animForward, false, 7).started);
    EXPECT_TRUE(Tick(7).stopped);
    EXPECT_EQ(m_session->ClockTime().year, 1900);
    EXPECT_FALSE(Single(false, 7).stepped);
    EXPECT_EQ(m_session->ClockTime().year, 1900);
    // A new start beyond the bound takes exactly one more step before stopping again.
    ASSERT_TRUE(StartAnimation(*m_chart, m_animForward, false, 7).started);
    EXPECT_TRUE(Tick(7).stopped);
    EXPECT_EQ(m_session->ClockTime().year, 1899);
    EXPECT_FALSE(Tick(7).stepped);
}

TEST_F(AnimationTest, SingleStepPassesThroughRunningAndEndsStopped) {
    m_session->SetClockTime(Date(1999, 12, 31, 23, 59, 59));
    m_animForward = 0;
    const AnimationStepResult r = Single(true, 0);
    EXPECT_TRUE(r.stepped);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(m_session->ClockTime(), Date(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(r.timeText, "0:00");
    EXPECT_EQ(r.dateText, "01  Jan 2000");
    EXPECT_EQ(m_chart->m_bAnimate, 0);
    EXPECT_EQ(m_animForward, 1);
}

TEST_F(AnimationTest, SingleStepWhileRunningIsRefused) {
    ASSERT_TRUE(StartAnimation(*m_chart, m_animForward, true, 4).started);
    const SkyDate before = m_session->ClockTime();
    EXPECT_FALSE(Single(false, 4).stepped);
    EXPECT_EQ(m_session->ClockTime(), before);
    EXPECT_EQ(m_chart->m_bAnimate, 1);
    EXPECT_EQ(m_animForward, 1);
}

} // namespace

// With a named zone the animation passes both daylight-saving changes of 2026 (EU directive
// 2000/84/EC: 29 March and 25 October at 01:00 UT) in every sub-day step, forward and back: each
// step moves the instant by exactly its length (no stall, no loop), and the clock shows the
// spring gap skipped and the autumn hour twice.
TEST(StepClockTimeTest, NamedZonePassesBothChangesWithoutStallOrLoop) {
    Observer warsaw{"Poland:Krakow", 19, 55, "E", 50, 2, "N", 1.0f};
    warsaw.TimeZoneName = "Europe/Warsaw";
    struct Case {
        SkyDate start;
        int stepIndex;
        std::chrono::seconds length;
    } cases[] = {
        {{2026, 3, 29, 0, 0, 0}, 1, std::chrono::minutes{10}},
        {{2026, 3, 29, 0, 0, 0}, 2, std::chrono::minutes{30}},
        {{2026, 3, 29, 0, 0, 0}, 3, std::chrono::hours{1}},
        {{2026, 10, 25, 0, 0, 0}, 1, std::chrono::minutes{10}},
        {{2026, 10, 25, 0, 0, 0}, 3, std::chrono::hours{1}},
        {{2026, 10, 25, 2, 59, 40}, 0, std::chrono::seconds{1}},
    };
    for (const Case& c : cases) {
        // Forward 40 steps, then back 40 steps to the start.
        SkyDate date = c.start;
        std::vector<SkyDate> seen;
        for (int i = 0; i < 80; ++i) {
            const bool forward = i < 40;
            const ClockInstant before = ObserverInstant(date, ZoneOf(warsaw));
            StepClockTime(date, c.stepIndex, forward, ZoneOf(warsaw));
            const ClockInstant after = ObserverInstant(date, ZoneOf(warsaw));
            ASSERT_EQ(after - before, forward ? c.length : -c.length)
                << "step " << c.stepIndex << " to " << date.hour << ":" << date.minute;
            seen.push_back(date);
        }
        EXPECT_EQ(date, c.start);
        if (c.stepIndex == 3) {
            // From 00:00 by hours: 01:00, 03:00 in spring; 01:00, 02:00, 02:00 again in autumn.
            const bool spring = c.start.month == 3;
            EXPECT_EQ(seen[0].hour, 1);
            EXPECT_EQ(seen[1].hour, spring ? 3 : 2);
            EXPECT_EQ(seen[2].hour, spring ? 4 : 2);
        }
    }
    // The day step keeps the clock time and moves a time in the gap to the time the clocks show.
    SkyDate date{2026, 3, 28, 2, 30, 0};
    StepClockTime(date, 4, true, ZoneOf(warsaw));
    EXPECT_EQ(date, (SkyDate{2026, 3, 29, 3, 30, 0}));
    // A fixed offset steps the clock fields exactly as before.
    Observer fixed = warsaw;
    fixed.TimeZoneName.clear();
    date = {2026, 3, 29, 1, 55, 0};
    StepClockTime(date, 1, true, ZoneOf(fixed));
    EXPECT_EQ(date, (SkyDate{2026, 3, 29, 2, 5, 0}));
}
