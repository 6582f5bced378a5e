#include "dialogrules/SettingsDialogRules.h"

#include "catalog/CatalogStore.h"
#include "navigation/Navigation.h"
#include "settings/Profile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kMinutesPerDegree = 60.0;

// Whole degrees and whole minutes of |value| (seconds dropped).
void SplitDegrees(float value, int& degrees, int& minutes) {
    const double magnitude = std::fabs(static_cast<double>(value));
    const double whole = std::trunc(magnitude);
    degrees = static_cast<int>(whole);
    minutes = static_cast<int>(std::trunc((magnitude - whole) * kMinutesPerDegree));
}

} // namespace

PlaceFields PlaceRowFields(const LocationRecord& row) {
    PlaceFields fields;
    SplitDegrees(row.longitude, fields.longitudeDegrees, fields.longitudeMinutes);
    fields.east = row.longitude < 0.0f;
    SplitDegrees(row.latitude, fields.latitudeDegrees, fields.latitudeMinutes);
    fields.north = !(row.latitude < 0.0f);
    fields.timeZone = -static_cast<double>(row.timeZone);
    return fields;
}

PlaceFields ObserverFields(const Observer& observer) {
    PlaceFields fields;
    fields.longitudeDegrees = observer.LongDeg;
    fields.longitudeMinutes = observer.LongMin;
    fields.east = observer.EW == "E";
    fields.latitudeDegrees = observer.LatDeg;
    fields.latitudeMinutes = observer.LatMin;
    fields.north = observer.NS == "N";
    fields.timeZone = observer.TimeZone;
    return fields;
}

std::string PlaceRowName(const LocationRecord& row) {
    std::string_view name = FieldText(row.name);
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!name.empty() && blank(name.front())) {
        name.remove_prefix(1);
    }
    while (!name.empty() && blank(name.back())) {
        name.remove_suffix(1);
    }
    return std::string(name);
}

std::vector<std::string> PlaceListEntries(const CatalogStore& store,
                                          std::string_view currentPlace) {
    std::vector<std::string> entries;
    entries.reserve(store.m_locations.size() + 1);
    entries.emplace_back(currentPlace);
    for (const LocationRecord& row : store.m_locations) {
        entries.push_back(PlaceRowName(row));
    }
    return entries;
}

std::string TimeZoneText(double hours) {
    if (hours == 0.0) {
        return "0"; // also for -0, the sign change of a zone stored as 0
    }
    // Single precision is what the observer holds: six significant digits show it exactly
    // enough ("5.75", not "5.75000000000000").
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(static_cast<float>(hours)));
    return text;
}

int StarSliderMax(bool faintStars) {
    return faintStars ? kFaintStarSliderMax : kStarSliderMax;
}

std::vector<std::string> StarSliderLabels(bool faintStars) {
    std::vector<std::string> labels = {"1", "2", "3", "4", "5", "6"};
    if (faintStars) {
        // Position 11 (7.5) stands between 6 and 8 unlabelled; 12 is 8.0, then a magnitude
        // every second position. The last position (12.0) is left unlabelled as the bright
        // stars' last one is: "mag" stands there.
        for (const char* label : {"8", "9", "10", "11"}) {
            labels.emplace_back(label);
        }
    }
    return labels;
}

int StarSliderPosition(int starLimitCode, bool faintStars) {
    if (faintStars && starLimitCode > kStarCodeAllStars) {
        return std::min(starLimitCode - 2, kFaintStarSliderMax);
    }
    return std::clamp(starLimitCode, 0, kStarSliderMax);
}

int DeepSkySliderPosition(int deepSkyLimitCode) {
    return std::clamp(deepSkyLimitCode, 0, kDeepSkySliderMax);
}

MagnitudeLimitsResult MagnitudeLimitsFromDialog(bool autoMode, int starPosition,
                                                int deepSkyPosition, int level,
                                                double currentStarLimit, bool faintStars) {
    MagnitudeLimitsResult result;
    result.autoMode = autoMode ? 1 : 0;
    if (autoMode) {
        const AutoMagnitudeLimits limits = AutoLimitsForLevel(level);
        result.starLimit = limits.starLimit.value_or(currentStarLimit);
        result.deepSkyLimit = limits.deepSkyLimit;
        result.starLimitCode = StarLimitToCode(result.starLimit, faintStars);
        result.deepSkyLimitCode = DeepSkyLimitToCode(result.deepSkyLimit);
        return result;
    }
    const int star = std::clamp(starPosition, 0, StarSliderMax(faintStars));
    result.starLimitCode = star < kStarSliderMax ? star : star + 2;
    result.deepSkyLimitCode = DeepSkySliderPosition(deepSkyPosition);
    result.starLimit = result.starLimitCode / 2.0 + 1.0;
    result.deepSkyLimit = result.deepSkyLimitCode + 6.0;
    return result;
}
