// The texts of the three object information panels (star, Solar System body, deep-sky object):
// the panel's title and its rows, each a label and one or more values, exactly as the panels and
// `vesperanova --info` show them. Everything is computed once, when a panel opens, from the
// catalogue tables, the computed bodies and the chart's clock time and place.
#pragma once

#include "astro/Instant.h"
#include "astro/Place.h"
#include "astro/RiseSet.h"
#include "astro/SkyModels.h"
#include "astro/SkyState.h"
#include "catalog/CatalogStore.h"

#include <cstddef>
#include <string>
#include <vector>

// One row of a panel: a label and its value texts (right ascension and declination have three
// values, hours or degrees, minutes, seconds; the deep-sky panel's have two).
struct InfoPanelRow {
    std::string label;
    std::vector<std::string> values;

    // The values joined by blanks, as one line shows them.
    std::string JoinedValues() const;
    bool operator==(const InfoPanelRow&) const = default;
};

struct InfoPanelContent {
    std::string title;
    std::vector<InfoPanelRow> rows;
    // The name the object's picture is looked up under (PictureLookup.h); empty for stars.
    std::string pictureName;

    // The value texts of the row with this label; nullptr when there is none.
    const InfoPanelRow* Row(std::string_view label) const;
};

// Altitude and compass azimuth as the panels compute them: the hour angle of the right
// ascension for the instant's sidereal angle in `model` and the place's longitude
// (HourAngle), then the horizontal position for the place's latitude. Degrees.
// In the precise model `altitude` is the apparent one, refracted for standard conditions
// (Refraction.h); `geometricAltitude` is always the true one.
struct PanelHorizontal {
    double altitude = 0.0;
    double azimuth = 0.0;
    double geometricAltitude = 0.0;
};
PanelHorizontal PanelHorizontalPosition(double raHours, double decDegrees, const Instant& instant,
                                        const Place& place,
                                        const SkyModel& model = SkyModelFor(SkyModelKind::Classic));

// The rows "Rise:", "Culmination:" (time and altitude) and "Set:" that end every panel: the
// object's next rise after the instant, then the culmination and the set that follow
// that rise, as clock times "HH:MM" of the place's zone, each followed by its date when that
// is not the date of the chart's clock time (EventTimeText). The rise row says "circumpolar" or
// "never rises" where that holds; an event the search does not reach shows "-".
inline constexpr const char* kCircumpolarText = "circumpolar";
inline constexpr const char* kNeverRisesText = "never rises";
inline constexpr const char* kNoEventText = "-";
std::vector<InfoPanelRow> RiseSetRows(const SkyPositionFunction& positionAt, const Instant& instant,
                                      const ZoneRule& zone);

// "HH:MM", the clock time of `zone` at a Julian day in universal time, rounded to the nearest
// minute.
std::string ClockTimeText(double jdUt, const ZoneRule& zone);

// ClockTimeText, followed by " (18 Dec)", the event's day and month, when the event's clock date
// (at the minute shown) is not the date of the instant's clock time.
std::string EventTimeText(double jdUt, const Instant& instant, const ZoneRule& zone);

// Moon's magnitude for its illuminated fraction k (0..1) from the 11-value phase table, linearly
// interpolated; k outside 0..1 is taken at the nearer end of the table.
double MoonMagnitude(double illuminatedFraction);

// Faint-star panel "Star": Hipparcos number, right ascension, declination, altitude, azimuth,
// magnitude, B-V, the position's model, rise/culmination/set. faintIndex is an entry of
// m_faintStars.
InfoPanelContent FaintStarInfoContent(const CatalogStore& catalog, std::size_t faintIndex,
                                      const Instant& instant, const Place& place,
                                      const SkyModel& model);

// Each panel takes the instant of the chart's clock time (InstantOf) and the sky model the chart
// uses: the catalogue and the bodies hold that model's positions, and the altitude, azimuth and
// the rise and set come from the same model.
//
// Star panel "Star": HR number, Bayer, Flamsteed, proper name, right ascension, declination,
// altitude, azimuth, magnitude, spectral type. starIndex must be below kStarCount.
InfoPanelContent StarInfoContent(const CatalogStore& catalog, std::size_t starIndex,
                                 const Instant& instant, const Place& place,
                                 const SkyModel& model = SkyModelFor(SkyModelKind::Classic));

// Solar System panel, titled with the body's name: right ascension, declination, altitude,
// azimuth, distances from the Earth and the Sun, magnitude, angular size, illuminated fraction.
// bodyIndex must be below kBodyCount.
InfoPanelContent BodyInfoContent(const BodyTable& bodies, std::size_t bodyIndex,
                                 const Instant& instant, const Place& place,
                                 const SkyModel& model = SkyModelFor(SkyModelKind::Classic));

// Deep-sky panel "Deep sky object": catalogue number ("M 31", "NGC 7329"), common name, right
// ascension and declination without seconds, altitude, azimuth, magnitude, type.
// deepSkyIndex must be below kDeepSkyCount.
InfoPanelContent DeepSkyInfoContent(const CatalogStore& catalog, std::size_t deepSkyIndex,
                                    const Instant& instant, const Place& place,
                                    const SkyModel& model = SkyModelFor(SkyModelKind::Classic));
