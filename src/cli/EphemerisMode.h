// `vesperanova --ephemeris`: prints the computed sky (Sun, Moon, planets, sidereal angles and the
// horizon ring) for an instant and place, as a table or as JSON. Never opens a display and never
// writes the profile.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "astro/ClockTime.h"
#include "astro/Ephemeris.h"
#include "astro/SkyModel.h"
#include "astro/SkyState.h"
#include "settings/AppSettings.h"

// Everything the mode prints, from a sky session of the instant and place.
struct EphemerisReport {
    SkyDate date;      // the session's: as the observer's clocks show it
    Observer observer; // the place as the profile or the options give it, for the heading
    UtcOffset offset;  // the offset the clock time was read with
    SkyModelKind model = SkyModelKind::Classic;
    double jd = 0.0;
    double t1900 = 0.0;
    double t2000 = 0.0;
    SkyState sky; // bodies, sidereal angles, place and horizon ring
};

EphemerisReport ComputeEphemerisReport(const SkyDate& date, const Observer& observer,
                                       SkyModelKind model = SkyModelKind::Classic);

// One JSON object: model ("classic" or "precise"), jd, t1900, t2000, gst, lst, longitude,
// latitude, bodies (ten objects name, ra, dec, aux, distance, in body order; aux is the Moon's
// phase cosine, 0 for the Sun, a planet's distance from the Sun in AU; distance is the Moon's in
// km, the others' from the Earth in AU), horizon (73 pairs
// [ra, dec]), utc_offset (the offset used, hours east of Greenwich) and zone_name (the zone used,
// empty for a fixed offset). Every number is written with 17 significant digits so that it reads
// back to the same double. In the precise model ra and dec are apparent of date, gst and lst
// apparent.
std::string FormatEphemerisJson(const EphemerisReport& report);

// A readable table of the ten bodies: right ascension, declination, altitude, compass azimuth,
// distance, with a heading naming the instant, the offset used, the place and, for any model but
// the default classic one, the model.
std::string FormatEphemerisTable(const EphemerisReport& report);

// Runs the mode on the arguments after the program name (without --ephemeris). Returns the
// ExitStatus: kExitBadOption for a bad option or value (one line on `err`), kExitFailed when the
// output cannot be written.
int RunEphemerisMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     ClockInstant now);
