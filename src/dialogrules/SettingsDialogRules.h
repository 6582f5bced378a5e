// Field conversions of the settings dialogs: a row of the place table into the Location
// dialog's fields, the texts the fields show, and the magnitude-limit sliders and Auto mode.
#pragma once

#include "astro/Observer.h"

#include <string>
#include <string_view>
#include <vector>

struct CatalogStore;
struct LocationRecord;

// ---------------------------------------------------------------------------------------------
// Location dialog

// What the longitude, latitude and time-zone fields show.
struct PlaceFields {
    int longitudeDegrees = 0;
    int longitudeMinutes = 0;
    bool east = false;
    int latitudeDegrees = 0;
    int latitudeMinutes = 0;
    bool north = true;
    double timeZone = 0.0; // hours, east of Greenwich positive
};

// A row of the place table: "E" when its longitude is negative (else "W"), "S" when its latitude
// is negative (else "N"); degrees the whole part of the absolute value, minutes the whole part of
// the remaining fraction times 60 (seconds dropped); the time zone with its sign changed (the
// table stores zones east of Greenwich as negative).
PlaceFields PlaceRowFields(const LocationRecord& row);

// The observer's own fields, as the dialog shows them when it opens.
PlaceFields ObserverFields(const Observer& observer);

// A place name of the table, blanks removed on both sides (the field is zero-terminated or
// ends at its 32 bytes).
std::string PlaceRowName(const LocationRecord& row);

// The place list: the current place first, then the 409 table names in table order. Entry
// p >= 1 is table row p - 1.
std::vector<std::string> PlaceListEntries(const CatalogStore& store, std::string_view currentPlace);

// The time-zone field's text: the shortest decimal form, never "-0" ("1", "-5.5", "5.75", "0").
std::string TimeZoneText(double hours);

// ---------------------------------------------------------------------------------------------
// Magnitude limits dialog

inline constexpr int kStarSliderMax = 11;   // positions 0..11; 11 is every star (7.5)
inline constexpr int kDeepSkySliderMax = 7; // positions 0..7 (6 .. 13 magnitudes)
// The star code the dialog stores for the last slider position.
inline constexpr int kStarCodeAllStars = 13;
// With the faint stars on the star slider goes on past every bright star: positions 12..20 are
// 8.0 .. 12.0 magnitudes (the faint catalogue's limit), stored as position + 2.
inline constexpr int kFaintStarSliderMax = 20;

// The star slider's last position and its scale labels (one every second position).
int StarSliderMax(bool faintStars);
std::vector<std::string> StarSliderLabels(bool faintStars);

// Slider positions for the stored codes (a stored 13 is position 11; with the faint stars on a
// code past it is position code - 2).
int StarSliderPosition(int starLimitCode, bool faintStars = false);
int DeepSkySliderPosition(int deepSkyLimitCode);

// What OK of the magnitude-limits dialog writes: the codes and Auto mode into the settings, the
// limits into the chart.
struct MagnitudeLimitsResult {
    int starLimitCode = 0;     // StarLimit
    int deepSkyLimitCode = 0;  // DeepSkyLimit
    int autoMode = 0;          // AutoMode
    double starLimit = 0.0;    // m_dStarLimit, magnitudes
    double deepSkyLimit = 0.0; // m_dDeepSkyLimit, magnitudes
};

// Auto mode ticked: the limits of the zoom level's row of the automatic-limits table (at level 4
// the star limit stays `currentStarLimit`), coded as the profile codes them. Not ticked: the
// sliders' positions (star position 11 and those past it stored as position + 2), star limit
// code / 2 + 1 and deep-sky limit code + 6.
MagnitudeLimitsResult MagnitudeLimitsFromDialog(bool autoMode, int starPosition,
                                                int deepSkyPosition, int level,
                                                double currentStarLimit, bool faintStars = false);
