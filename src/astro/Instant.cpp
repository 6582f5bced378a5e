#include "astro/Instant.h"

#include <cmath>
#include <cstdint>

#include "astro/ClockTime.h"
#include "astro/PreciseTime.h"

namespace {

// Decimal year after which the Gregorian calendar applies (1582 October 15).
constexpr double kGregorianStart = 1582.79;
constexpr double kSecondsPerDay = 86400.0;

} // namespace

double JulianDayOfClockTime(const SkyDate& clock, float zoneHours) {
    const double day = clock.day + ((clock.hour - static_cast<double>(zoneHours)) +
                                    clock.minute / 60.0 + clock.second / 3600.0) /
                                       24.0;
    const double decimalYear = clock.year + (clock.month - 1 + day / 31.0) / 12.0;
    std::int32_t year = clock.year;
    std::int32_t month = clock.month;
    if (month < 3) {
        month += 12;
        // Through 64 bits so that even the lowest 32-bit year wraps instead of overflowing.
        year = static_cast<std::int32_t>(static_cast<std::int64_t>(year) - 1);
    }
    std::int64_t gregorianCorrection = 0;
    if (decimalYear > kGregorianStart) {
        const std::int64_t century = year / 100;
        gregorianCorrection = 2 - century + century / 4;
    }
    const std::int64_t yearTerm = static_cast<std::int64_t>(year) + 4716;
    const std::int64_t monthTerm = static_cast<std::int64_t>(month) + 1;
    return std::floor(365.25 * static_cast<double>(yearTerm)) +
           std::floor(30.6001 * static_cast<double>(monthTerm)) + day +
           static_cast<double>(gregorianCorrection) - 1524.5;
}

Instant InstantOfUniversal(double jdUt) {
    return {jdUt, jdUt + DeltaTSeconds(jdUt) / kSecondsPerDay};
}

Instant InstantOf(const SkyDate& clock, const ZoneRule& zone) {
    return InstantOfUniversal(JulianDayOfClockTime(clock, UtcOffsetHours(clock, zone)));
}
