// One night at one place: the Sun's setting and the three twilights in the evening, their
// beginnings and the sunrise in the morning, the Moon's rise, set and phase, and the dark hours
// (the Sun below -18 degrees and the Moon down). The night runs from local noon of the date to
// local noon of the next day in the place's zone, so that every event of the evening and of the
// morning after it falls inside it; an event that does not happen in that span is absent.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/Place.h"
#include "astro/SkyDate.h"

class SkyModel;

// Sun altitudes, degrees, that end the twilights in the evening and begin them in the morning.
inline constexpr double kCivilTwilightAltitude = -6.0;
inline constexpr double kNauticalTwilightAltitude = -12.0;
inline constexpr double kAstronomicalTwilightAltitude = -18.0;

// An evening event and its morning counterpart, Julian days in universal time.
struct NightPair {
    std::optional<double> evening; // the Sun passes down through the altitude
    std::optional<double> morning; // the Sun passes up through it
};

// Where the Sun stays the whole span (noon to noon) when it does not cross an altitude.
enum class SunStays { Crosses, Above, Below };

struct DarkWindow {
    double start = 0.0; // Julian days, universal time
    double end = 0.0;
};

struct NightReport {
    double noonJd = 0.0; // the span's start and end, universal time
    double nextNoonJd = 0.0;
    NightPair sun;                                  // sunset and sunrise (upper limb, refraction)
    NightPair civil;                                // -6 degrees
    NightPair nautical;                             // -12 degrees
    NightPair astronomical;                         // -18 degrees
    SunStays sunAtHorizon = SunStays::Crosses;      // Above: the Sun does not set
    SunStays sunAtAstronomical = SunStays::Crosses; // Above: no astronomical darkness
    std::optional<double> moonrise;
    std::optional<double> moonset;
    double moonIllumination = 0.0; // illuminated fraction 0..1, at the middle of the span
    bool moonWaxing = false;
    // Stretches of the span with the Sun below -18 degrees and the Moon below its standard
    // altitude, in time order.
    std::vector<DarkWindow> dark;
};

// The night that begins in the evening of `date` (year, month, day; the time is ignored) at
// `place`, computed with `model`.
NightReport ComputeNight(const SkyDate& date, const Place& place, const SkyModel& model);

// "New Moon", "Waxing Crescent", "First Quarter", "Waxing Gibbous", "Full Moon", "Waning
// Gibbous", "Last Quarter" or "Waning Crescent": new and full within 3% of 0 and 1, the quarters
// within 5% of one half.
std::string MoonPhaseName(double illumination, bool waxing);

// What the report says where the Sun does not cross the horizon or -18 degrees: "the Sun does
// not set", "the Sun does not rise", "no astronomical darkness"; empty when nothing is to say.
std::vector<std::string> PolarNotes(const NightReport& report);
