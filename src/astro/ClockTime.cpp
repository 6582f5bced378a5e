#include "astro/ClockTime.h"

#include "astro/ZoneFiles.h"

#include <date/tz.h>

#include <cmath>
#include <cstdio>
#include <exception>

namespace {

using date::days;
using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

constexpr double kSecondsPerHour = 3600.0;
constexpr double kMinutesPerHour = 60.0;

// The zone of that name as the database lists it, or null when it does not (or the list cannot
// be read).
const date::time_zone* ListedZone(std::string_view zone) {
    if (zone.empty()) {
        return nullptr;
    }
    try {
        return date::locate_zone(zone);
    } catch (...) {
        return nullptr;
    }
}

// The zone of that name when its file can be used too, else null.
const date::time_zone* FindZone(std::string_view zone) {
    const date::time_zone* tz = ListedZone(zone);
    return tz != nullptr && !ZoneReadProblem(zone) ? tz : nullptr;
}

// Runs a conversion of the date library, which loads the zone's file at its first use: a
// failure there (the file changed since it was checked, a read error) marks the zone as
// unusable instead of ending the program.
template <class Conversion>
auto Guarded(std::string_view zone, Conversion conversion)
    -> std::optional<decltype(conversion())> {
    try {
        return conversion();
    } catch (const std::exception& e) {
        RecordZoneProblem(zone, "the zone's file failed to load (" + std::string(e.what()) + ")");
    } catch (...) {
        RecordZoneProblem(zone, "the zone's file cannot be read");
    }
    return std::nullopt;
}

// The clock time's fields as seconds of local time, the day counted linearly within its month
// (as the Julian day of the engine counts it) and the month carried into the year.
date::local_seconds LocalSeconds(const SkyDate& clock) {
    const date::year_month firstMonth = date::year{clock.year} / date::January;
    const date::year_month month = firstMonth + date::months{clock.month - 1};
    const date::local_days monthStart{month / 1};
    return date::local_seconds{monthStart.time_since_epoch()} + days{clock.day - 1} +
           hours{clock.hour} + minutes{clock.minute} + seconds{clock.second};
}

template <class Clock> SkyDate Fields(std::chrono::time_point<Clock, seconds> t) {
    const auto day = date::floor<days>(t);
    const date::year_month_day ymd{day};
    const date::hh_mm_ss<seconds> time{t - day};
    SkyDate clock;
    clock.year = static_cast<int>(ymd.year());
    clock.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    clock.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    clock.hour = static_cast<int>(time.hours().count());
    clock.minute = static_cast<int>(time.minutes().count());
    clock.second = static_cast<int>(time.seconds().count());
    return clock;
}

// The offset of a sys_info: minutes, summer time, abbreviation.
ZoneOffset OffsetOf(const date::sys_info& info) {
    ZoneOffset offset;
    offset.minutes = static_cast<int>(date::floor<minutes>(info.offset).count());
    // A negative saving (Europe/Dublin's winter in the database's main form) is the legal
    // standard time, not summer time.
    offset.summerTime = info.save > minutes{0};
    offset.abbreviation = info.abbrev;
    return offset;
}

// The fixed offset in whole seconds.
seconds FixedOffset(const ZoneRule& zone) {
    return seconds{static_cast<long long>(
        std::llround(static_cast<double>(zone.fixedHours) * kSecondsPerHour))};
}

} // namespace

bool IsKnownTimeZone(std::string_view zone) {
    return ListedZone(zone) != nullptr;
}

bool IsUsableTimeZone(std::string_view zone) {
    return FindZone(zone) != nullptr;
}

std::optional<ZoneOffset> ZoneOffsetAtClockTime(std::string_view zone, const SkyDate& clock) {
    const date::time_zone* tz = FindZone(zone);
    if (tz == nullptr) {
        return std::nullopt;
    }
    // For a skipped or repeated clock time, `first` is the period before the change.
    const auto got = Guarded(zone, [&] { return tz->get_info(LocalSeconds(clock)); });
    if (!got) {
        return std::nullopt;
    }
    const date::local_info& info = *got;
    const bool second = info.result == date::local_info::ambiguous && clock.fold == 1;
    return OffsetOf(second ? info.second : info.first);
}

std::optional<SkyDate> ZoneClockTime(std::string_view zone, ClockInstant instant) {
    const date::time_zone* tz = FindZone(zone);
    if (tz == nullptr) {
        return std::nullopt;
    }
    const auto local = Guarded(zone, [&] { return tz->to_local(instant); });
    if (!local) {
        return std::nullopt;
    }
    SkyDate clock = Fields(*local);
    const auto got = Guarded(zone, [&] { return tz->get_info(LocalSeconds(clock)); });
    if (!got) {
        return std::nullopt;
    }
    const date::local_info& info = *got;
    if (info.result == date::local_info::ambiguous && instant >= info.second.begin) {
        clock.fold = 1;
    }
    return clock;
}

UtcOffset ObserverUtcOffset(const SkyDate& clock, const ZoneRule& zone) {
    UtcOffset result;
    result.hours = zone.fixedHours;
    if (zone.name.empty()) {
        return result;
    }
    const std::optional<ZoneOffset> inForce = ZoneOffsetAtClockTime(zone.name, clock);
    if (!inForce) {
        if (!IsKnownTimeZone(zone.name)) {
            result.unknownZone = true;
        } else {
            result.zoneProblem =
                ZoneReadProblem(zone.name).value_or("the zone's file cannot be read");
        }
        return result;
    }
    result.hours = static_cast<float>(inForce->minutes / kMinutesPerHour);
    result.zoneName = zone.name;
    result.summerTime = inForce->summerTime;
    result.abbreviation = inForce->abbreviation;
    return result;
}

float UtcOffsetHours(const SkyDate& clock, const ZoneRule& zone) {
    if (zone.name.empty()) {
        return zone.fixedHours; // the fixed offset, untouched
    }
    return ObserverUtcOffset(clock, zone).hours;
}

ClockInstant ObserverInstant(const SkyDate& clock, const ZoneRule& zone) {
    const UtcOffset offset = ObserverUtcOffset(clock, zone);
    const seconds shift{
        static_cast<long long>(std::llround(static_cast<double>(offset.hours) * kSecondsPerHour))};
    return ClockInstant{LocalSeconds(clock).time_since_epoch() - shift};
}

SkyDate UniversalClockTime(ClockInstant instant) {
    return Fields(instant);
}

SkyDate ObserverClockTime(ClockInstant instant, const ZoneRule& zone) {
    if (!zone.name.empty()) {
        if (const std::optional<SkyDate> clock = ZoneClockTime(zone.name, instant)) {
            return *clock;
        }
    }
    return Fields(ClockInstant{instant + FixedOffset(zone)});
}

SkyDate NormalizeClockTime(const SkyDate& clock, const ZoneRule& zone) {
    const date::time_zone* tz = FindZone(zone.name);
    if (tz == nullptr) {
        return clock;
    }
    const auto got = Guarded(zone.name, [&] { return tz->get_info(LocalSeconds(clock)); });
    if (!got) {
        return clock;
    }
    const date::local_info& info = *got;
    if (info.result == date::local_info::nonexistent) {
        return ObserverClockTime(ObserverInstant(clock, zone), zone);
    }
    SkyDate shown = clock;
    if (info.result != date::local_info::ambiguous) {
        shown.fold = 0;
    }
    return shown;
}

SkyDate CarriedClockTime(const SkyDate& clock) {
    SkyDate carried = Fields(LocalSeconds(clock));
    carried.fold = clock.fold;
    return carried;
}

ClockInstant CurrentInstant() {
    return date::floor<seconds>(std::chrono::system_clock::now());
}

SkyDate NowAtObserver(const ZoneRule& zone, ClockInstant instant) {
    // The seconds are dropped from the instant first, so that the minute and the fold belong
    // to the same instant.
    return ObserverClockTime(date::floor<minutes>(instant), zone);
}

std::string UtcOffsetText(const UtcOffset& offset) {
    // One decimal, two where the offset needs them (+5.75 h for Nepal).
    char hours[32];
    std::snprintf(hours, sizeof hours, "%+.2f", static_cast<double>(offset.hours));
    std::string text = hours;
    if (text.back() == '0') {
        text.pop_back();
    }
    text += " h";
    if (!offset.zoneName.empty()) {
        text += ", " + offset.zoneName + (offset.summerTime ? ", summer time" : ", standard time");
    }
    return text;
}

std::string ZoneFallbackWarning(const UtcOffset& offset, const ZoneRule& zone) {
    if (offset.unknownZone) {
        return "the time zone '" + zone.name +
               "' is unknown to the system's time-zone database; the fixed offset " +
               UtcOffsetText(offset) + " is used";
    }
    if (!offset.zoneProblem.empty()) {
        return "time zone " + zone.name +
               " cannot be read from the system's database: " + offset.zoneProblem +
               "; the standard offset " + UtcOffsetText(offset) + " is used";
    }
    return {};
}
