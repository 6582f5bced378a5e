#include "navigation/Animation.h"

#include "astro/ClockTime.h"
#include "chart/ChartState.h"
#include "texts/StatusTexts.h"

#include <algorithm>

namespace {

constexpr int kRealTimePeriodMs = 1000;
constexpr int kFastPeriodMs = 100;

constexpr std::array<std::string_view, kTimeStepCount> kTimeStepEntries = {
    " Real time", " 10 minutes", " 30 minutes", " 1 hour",
    " 1 day",     " 7 days",     " 1 month",    " 1 year"};

// Month lengths for the carries, 1-based: entry 13 (31 days) is looked up only by the forward
// month step from December before the year carry; entry 0 stands for the December before
// January in the backward borrow. The leap rule is the one of the day count: every fourth year.
std::array<int, 14> MonthLengths(int year) {
    const int february = year % 4 == 0 ? 29 : 28;
    return {31, 31, february, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31};
}

// A month outside the table (a date the engine was given unchecked) reads as 31 days rather
// than past the end of the table.
int LengthOf(const std::array<int, 14>& lengths, int month) {
    if (month < 0 || month >= static_cast<int>(lengths.size())) {
        return 31;
    }
    return lengths[static_cast<std::size_t>(month)];
}

void AddStep(SkyDate& date, TimeStep step, int sign) {
    switch (step) {
    case TimeStep::RealTime:
        date.second += sign;
        break;
    case TimeStep::TenMinutes:
        date.minute += 10 * sign;
        break;
    case TimeStep::ThirtyMinutes:
        date.minute += 30 * sign;
        break;
    case TimeStep::OneHour:
        date.hour += sign;
        break;
    case TimeStep::OneDay:
        date.day += sign;
        break;
    case TimeStep::SevenDays:
        date.day += 7 * sign;
        break;
    case TimeStep::OneMonth:
        date.month += sign;
        break;
    case TimeStep::OneYear:
        date.year += sign;
        break;
    }
}

bool YearInsideAnimationRange(int year) {
    return year >= kFirstAnimationYear && year <= kLastAnimationYear;
}

// One step of the running animation; m_bAnimate must be 1.
AnimationStepResult TakeStep(ChartState& chart, int animForward, int stepIndex,
                             SkySession& session) {
    AnimationStepResult result;
    SkyDate date = session.ClockTime();
    StepClockTime(date, stepIndex, animForward != 0, session.Place().zone);
    const RecomputeOutcome outcome = session.Step(date);
    result.stepped = true;
    if (outcome.stopAnimation || !YearInsideAnimationRange(date.year)) {
        result.stopped = StopAnimation(chart);
    }
    result.timeText = TimePaneText(date);
    result.dateText = DatePaneText(date);
    return result;
}

} // namespace

const std::array<std::string_view, kTimeStepCount>& TimeStepEntries() {
    return kTimeStepEntries;
}

int TimerPeriodMs(int stepIndex) {
    return stepIndex == static_cast<int>(TimeStep::RealTime) ? kRealTimePeriodMs : kFastPeriodMs;
}

void StepSkyDate(SkyDate& date, int stepIndex, bool forward) {
    const auto step = static_cast<TimeStep>(std::clamp(stepIndex, 0, kTimeStepCount - 1));
    const std::array<int, 14> lengths = MonthLengths(date.year);
    if (forward) {
        AddStep(date, step, +1);
        if (date.second >= 60) {
            date.second -= 60;
            date.minute += 1;
        }
        if (date.minute >= 60) {
            date.minute -= 60;
            date.hour += 1;
        }
        if (date.hour > 23) {
            date.hour -= 24;
            date.day += 1;
        }
        if (date.day > LengthOf(lengths, date.month)) {
            date.day -= LengthOf(lengths, date.month);
            date.month += 1;
        }
        if (date.month > 12) {
            date.month -= 12;
            date.year += 1;
        }
    } else {
        AddStep(date, step, -1);
        if (date.second < 0) {
            date.second += 60;
            date.minute -= 1;
        }
        if (date.minute < 0) {
            date.minute += 60;
            date.hour -= 1;
        }
        if (date.hour < 0) {
            date.hour += 24;
            date.day -= 1;
        }
        if (date.day < 1) {
            date.day += LengthOf(lengths, date.month - 1);
            date.month -= 1;
        }
        if (date.month < 1) {
            date.month += 12;
            date.year -= 1;
        }
    }
}

void StepClockTime(SkyDate& date, int stepIndex, bool forward, const ZoneRule& zone) {
    if (zone.name.empty() || !IsUsableTimeZone(zone.name)) {
        StepSkyDate(date, stepIndex, forward);
        return;
    }
    const auto step = static_cast<TimeStep>(std::clamp(stepIndex, 0, kTimeStepCount - 1));
    std::chrono::seconds length{0};
    switch (step) {
    case TimeStep::RealTime:
        length = std::chrono::seconds{1};
        break;
    case TimeStep::TenMinutes:
        length = std::chrono::minutes{10};
        break;
    case TimeStep::ThirtyMinutes:
        length = std::chrono::minutes{30};
        break;
    case TimeStep::OneHour:
        length = std::chrono::hours{1};
        break;
    default: // calendar steps
        StepSkyDate(date, stepIndex, forward);
        date = NormalizeClockTime(date, zone);
        return;
    }
    const ClockInstant now = ObserverInstant(date, zone);
    date = ObserverClockTime(forward ? now + length : now - length, zone);
}

bool NothingWouldMove(const ChartState& chart) {
    return chart.m_bSolarSystem == 0 && chart.m_bHorizon == 0 && chart.m_bHorizonView == 0;
}

AnimationStart StartAnimation(ChartState& chart, int& animForward, bool forward, int stepIndex) {
    AnimationStart start;
    if (NothingWouldMove(chart)) {
        start.message = std::string(kNothingMovesMessage);
        return start;
    }
    chart.m_bAnimate = 1;
    animForward = forward ? 1 : 0;
    start.started = true;
    start.periodMs = TimerPeriodMs(stepIndex);
    return start;
}

bool StopAnimation(ChartState& chart) {
    if (chart.m_bAnimate != 1) {
        return false;
    }
    chart.m_bAnimate = 0;
    return true;
}

AnimationStepResult AnimationTick(ChartState& chart, int animForward, int stepIndex,
                                  SkySession& session) {
    if (chart.m_bAnimate != 1) {
        return {};
    }
    return TakeStep(chart, animForward, stepIndex, session);
}

AnimationStepResult SingleStep(ChartState& chart, int& animForward, bool forward, int stepIndex,
                               SkySession& session) {
    // A single step while the animation runs would leave the timer alive with the animation
    // flag cleared; the command is disabled then, and refused here too.
    if (chart.m_bAnimate != 0) {
        return {};
    }
    const int year = session.ClockTime().year;
    if (forward ? year > kLastAnimationYear : year < kFirstAnimationYear) {
        return {};
    }
    chart.m_bAnimate = 1;
    animForward = forward ? 1 : 0;
    AnimationStepResult result = TakeStep(chart, animForward, stepIndex, session);
    chart.m_bAnimate = 0;
    result.stopped = false; // no timer runs for a single step
    return result;
}
