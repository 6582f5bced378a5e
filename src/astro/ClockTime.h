// The observer's clock time and universal time. The chart's SkyDate is the clock time of the
// observer's place: either with a fixed offset (ZoneRule::fixedHours, hours east of Greenwich) or,
// when ZoneRule::name names a zone of the system's time-zone database (IANA names such as
// "Europe/Warsaw"), with the offset that zone has in force at that clock time, daylight saving
// included. Every conversion between clock time and universal time goes through this file; the
// computer's clock is read here and nowhere else.
//
// Clock times a zone skips or repeats (one rule for both): the offset in force just before the
// change is used.
//   - Spring gap: on 29 March 2026 Warsaw's clocks go from 02:00 straight to 03:00. The clock
//     time 02:30 is read with the winter offset +1 h: it is 01:30 UT, the instant the clocks show
//     as 03:30 summer time.
//   - Repeated autumn hour: on 25 October 2026 Warsaw's clocks show 02:00..03:00 twice. The clock
//     time 02:30 is the first of the two, still summer time (+2 h): 00:30 UT, unless
//     SkyDate::fold is 1, which the conversions from an instant set for the second one (01:30
//     UT), so that the animation and "now" pass the repeated hour as the clocks do.
// This is the rule of PEP 495 (Python's datetime and its fold attribute).
//
// The offsets come from the date library's tz part (libdate-tz) in its OS mode, which reads the
// compiled zone files of /usr/share/zoneinfo (Debian package tzdata).
#pragma once

#include "astro/Place.h"
#include "astro/SkyDate.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// An instant in universal time, whole seconds since 1970-01-01 00:00:00 UT.
using ClockInstant = std::chrono::sys_seconds;

// What the zone database says for one clock time in one zone.
struct ZoneOffset {
    int minutes = 0;          // offset east of Greenwich in force, minutes
    bool summerTime = false;  // daylight saving time is in force
    std::string abbreviation; // the zone's abbreviation then, e.g. "CEST"
};

// True when the system's time-zone database lists the zone (an IANA name such as
// "America/New_York"), whether or not its file can be read (ZoneFiles.h).
bool IsKnownTimeZone(std::string_view zone);

// True when the zone is listed and its file can be used.
bool IsUsableTimeZone(std::string_view zone);

// The offset in force at the clock time `clock` in `zone`, with the rule above for skipped and
// repeated clock times (SkyDate::fold chooses between the two repeated ones); nothing when the
// zone is unknown or its file cannot be used. The date is counted linearly within
// its month, as the engine counts it (30 February is 2 March).
std::optional<ZoneOffset> ZoneOffsetAtClockTime(std::string_view zone, const SkyDate& clock);

// The clock time in `zone` at `instant` (second included, fold 1 for the second of two repeated
// clock times); nothing when the zone is unknown or its file cannot be used.
std::optional<SkyDate> ZoneClockTime(std::string_view zone, ClockInstant instant);

// The offset the observer's clock time is read with.
struct UtcOffset {
    float hours = 0.0f;       // universal time = clock time - hours
    std::string zoneName;     // the zone used; empty when the fixed offset is used
    bool summerTime = false;  // the zone has daylight saving time in force
    std::string abbreviation; // the zone's abbreviation, empty for a fixed offset
    bool unknownZone = false; // the observer names a zone the database does not know: the fixed
                              // offset fixedHours is used instead
    std::string zoneProblem;  // the zone is listed but its file cannot be used (why, naming the
                              // file): the fixed offset fixedHours is used instead
};

// The offset for the clock time `clock` in `zone`: ZoneRule::fixedHours unchanged when no zone
// is named (or the named one is unknown or unusable), else the zone's offset in force.
UtcOffset ObserverUtcOffset(const SkyDate& clock, const ZoneRule& zone);

// Only the hours of ObserverUtcOffset: what the engine subtracts from the clock time to reach
// universal time.
float UtcOffsetHours(const SkyDate& clock, const ZoneRule& zone);

// The instant of the observer's clock time `clock` (whole seconds), read with
// ObserverUtcOffset.
ClockInstant ObserverInstant(const SkyDate& clock, const ZoneRule& zone);

// The calendar date and time of `instant` in universal time (second included, fold 0).
SkyDate UniversalClockTime(ClockInstant instant);

// The observer's clock time at `instant` (second included): the zone's clock time, or the
// instant shifted by the fixed offset.
SkyDate ObserverClockTime(ClockInstant instant, const ZoneRule& zone);

// The clock time the observer's clocks really show for `clock`: the same fields, except that a
// clock time inside a spring gap of a named zone moves forward by the gap (02:30 becomes 03:30),
// and fold is 0 unless the clock time is a repeated one. A fixed offset or an unknown zone
// returns `clock` unchanged.
SkyDate NormalizeClockTime(const SkyDate& clock, const ZoneRule& zone);

// The same clock time with a day past its month's end carried into the months after it, as the
// engine counts it (31 February 2027 is 3 March 2027; 30 February 2028 is 1 March); fold kept.
SkyDate CarriedClockTime(const SkyDate& clock);

// The computer's current instant.
ClockInstant CurrentInstant();

// "Now" as the chart takes it: `instant` as the observer's clock time, second 0.
SkyDate NowAtObserver(const ZoneRule& zone, ClockInstant instant = CurrentInstant());

// "+2.0 h, Europe/Warsaw, summer time", "-5.0 h, America/New_York, standard time", or "+1.0 h"
// for a fixed offset.
std::string UtcOffsetText(const UtcOffset& offset);

// The line telling the user that the observer's zone was not used and which fixed offset was
// ("time zone Europe/Warsaw cannot be read from the system's database: ...; the standard offset
// +1.0 h is used", or the unknown zone's line); empty when the zone was used or none is named.
std::string ZoneFallbackWarning(const UtcOffset& offset, const ZoneRule& zone);
