// The time animation: the chart's date and time move forward or backward in one of eight fixed
// steps, with the sky recomputed after each step. The chart view owns the timer (id
// kAnimationTimerId) and the step selector of the toolbar; these functions hold every rule and
// tell the view what to do with its timer and status panes.
//
// Typical use by the view:
//   start:  r = StartAnimation(chart, m_bAnimForward, forward, selector);
//           if (!r.started) show r.message; else timer.Start(r.periodMs);
//   stop:   if (StopAnimation(chart)) timer.Stop();  redraw when it returns true
//   tick:   s = AnimationTick(chart, m_bAnimForward, selector, date, observer, store);
//           if (s.stopped) timer.Stop(); if (s.stepped) set the time and date panes;
//           redraw always
//   ] / [:  s = SingleStep(chart, m_bAnimForward, forward, selector, date, observer, store);
//           if (s.stepped) { set the panes; redraw; }
#pragma once

#include "astro/Place.h"
#include "astro/SkyDate.h"
#include "astro/SkySession.h"

#include <array>
#include <string>
#include <string_view>

struct ChartState;
struct CatalogStore;

// Timer identifier of the animation timer of the chart view.
inline constexpr int kAnimationTimerId = 2;

// The time-step selector: eight entries, each text with one leading blank.
inline constexpr int kTimeStepCount = 8;
inline constexpr int kDefaultTimeStepIndex = 4; // " 1 day"
enum class TimeStep {
    RealTime = 0,      // " Real time": second + 1, every 1000 ms
    TenMinutes = 1,    // " 10 minutes": minute + 10, every 100 ms
    ThirtyMinutes = 2, // " 30 minutes"
    OneHour = 3,       // " 1 hour"
    OneDay = 4,        // " 1 day"
    SevenDays = 5,     // " 7 days"
    OneMonth = 6,      // " 1 month"
    OneYear = 7,       // " 1 year"
};
// The selector's entries in order: " Real time", " 10 minutes", " 30 minutes", " 1 hour",
// " 1 day", " 7 days", " 1 month", " 1 year".
const std::array<std::string_view, kTimeStepCount>& TimeStepEntries();

// Timer period for a selector entry: 1000 ms for " Real time" (index 0), else 100 ms.
int TimerPeriodMs(int stepIndex);

// The years inside which the animation runs; a step that leaves them stops it, and the single
// steps refuse to go further.
inline constexpr int kFirstAnimationYear = 1901;
inline constexpr int kLastAnimationYear = 2099;

// Shown instead of starting when nothing on the chart would move.
inline constexpr std::string_view kNothingMovesMessage =
    "Solar System objects and horizon are not visible !    ";

// Pure calendar arithmetic of one step: adds (forward) or subtracts the step of the selector
// entry, then carries (borrows) second, minute, hour, day, month and year in that order, each
// at most once, with the month lengths of the year before the step (February 29 days when that
// year is divisible by 4). The result is not always a valid date, exactly as the animation
// shows it: 31 January + 1 month = 3 March (2 March in a leap year); 31 March - 1 month =
// 31 February; 29 February 2000 + 1 year = 29 February 2001. An index outside 0..7 is read as
// the nearest entry.
void StepSkyDate(SkyDate& date, int stepIndex, bool forward);

// One step of the clock time in `zone`. With a fixed offset (or a zone the database does not know):
// StepSkyDate. With a named zone, a step shorter than a day (real time, 10 minutes, 30 minutes,
// 1 hour) moves the instant itself and shows it as the zone's clock time, so the clock passes
// both daylight-saving changes without a stall or a loop (10 minutes on from 01:50 on Warsaw's
// spring night is 03:00; the repeated autumn hour is shown twice); a longer step moves the
// calendar as StepSkyDate does, and a clock time it brings into a spring gap is shown as the
// clocks show it (02:30 becomes 03:30).
void StepClockTime(SkyDate& date, int stepIndex, bool forward, const ZoneRule& zone);

// True when the Solar System, the horizon line and the local-horizon chart are all off: then
// nothing on the chart would move and the animation does not start.
bool NothingWouldMove(const ChartState& chart);

struct AnimationStart {
    bool started = false; // the timer must be (re)started with periodMs
    int periodMs = 0;
    std::string message; // when not started: the text for the message box (caption
                         // "Vesperanova", OK button)
};
// Forward (32795) / backward (32796): sets m_bAnimate = 1 and animForward (1 forward, 0
// backward) unless nothing would move. Does not check the year bounds.
AnimationStart StartAnimation(ChartState& chart, int& animForward, bool forward, int stepIndex);

// Stop (32794): if running, clears m_bAnimate and returns true (kill the timer, redraw);
// otherwise does nothing and returns false.
bool StopAnimation(ChartState& chart);

struct AnimationStepResult {
    bool stepped = false; // the date moved and the sky was recomputed
    bool stopped = false; // the step left the years 1901..2099: the animation stopped
                          // (m_bAnimate is 0; kill the timer)
    std::string timeText; // status pane texts for the new date, set when stepped
    std::string dateText;
};

// One step of the running animation (timer tick): does nothing unless m_bAnimate is 1. Steps
// the session's clock time in the direction animForward with the selector entry stepIndex (the
// session recomputes the Sun, Moon, planets, horizon points and sidereal angles for it), and
// stops the animation when the year leaves 1901..2099. The caller redraws after every tick,
// stepped or not.
AnimationStepResult AnimationTick(ChartState& chart, int animForward, int stepIndex,
                                  SkySession& session);

// One step forward (32818) / backward (32819) while stopped: refused (nothing happens) beyond
// 2099 forward or before 1901 backward, and while the animation runs. Passes through running
// for the length of the step (animForward takes the direction) and ends stopped. The caller
// redraws when stepped.
AnimationStepResult SingleStep(ChartState& chart, int& animForward, bool forward, int stepIndex,
                               SkySession& session);
