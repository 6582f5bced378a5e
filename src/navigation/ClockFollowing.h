// Following the clock: while it is on, the chart is kept at the current minute of the
// observer's clock; any change of the date or time by the user (the Date/Time dialog, the
// animation, a step) turns it off. The desktop program asks at every tick of its timer.
#pragma once

#include "astro/SkyDate.h"

#include <optional>

class ClockFollowing {
public:
    bool IsOn() const { return m_on; }
    void SetOn(bool on) { m_on = on; }

    // The clock time the chart moves to at a tick, given the one it shows and the observer's
    // clock now (to the minute): `now` while following and the chart shows another time;
    // nothing while off or while the chart shows `now` already, so that the chart is redrawn
    // once a minute and not at every tick.
    std::optional<SkyDate> Due(const SkyDate& shown, const SkyDate& now) const;

private:
    bool m_on = false; // off when the program starts
};
