#include "cli/ChartOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

#include "astro/ClockTime.h"
#include "catalog/Loaders.h"
#include "catalog/PlaceZones.h"
#include "cli/OptionTable.h"
#include "dialogrules/ClockFields.h"
#include "dialogrules/SettingsDialogRules.h"
#include "settings/PlaceZoneAdoption.h"
#include "settings/Profile.h"
#include "settings/ProgramDir.h"

#include <memory>

namespace {

// Every offset in use, Baker Island's to Kiribati's (the Location dialog differs: see
// DialogValidation.h).
constexpr float kMinZoneHours = -12.0f;
constexpr float kMaxZoneHours = 14.0f;
// Four digits; the dialog's year differs (DialogValidation.h).
constexpr FieldRange kYearRange{1, 9999};

// Reads minDigits..maxDigits decimal digits at `pos` and moves past them.
std::optional<int> ReadDigits(std::string_view text, std::size_t& pos, std::size_t minDigits,
                              std::size_t maxDigits) {
    std::size_t end = pos;
    while (end < text.size() && end - pos < maxDigits &&
           std::isdigit(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    if (end - pos < minDigits) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data() + pos, text.data() + end, value);
    pos = end;
    return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    char letter = 0; // upper case
};

// "DD:MM" followed by one of two letters (either case).
std::optional<DegreesMinutes> ParseDegreesMinutes(std::string_view text, char positive,
                                                  char negative, int maxDegrees, const char* what,
                                                  std::string& error) {
    const std::string form = std::string("DD:MM") + positive + " or DD:MM" + negative;
    std::size_t pos = 0;
    const auto degrees = ReadDigits(text, pos, 1, 3);
    std::optional<int> minutes;
    if (degrees && Expect(text, pos, ':')) {
        minutes = ReadDigits(text, pos, 1, 2);
    }
    if (!minutes || pos + 1 != text.size()) {
        error = "'" + std::string(text) + "' is not a " + what + " of the form " + form;
        return std::nullopt;
    }
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[pos])));
    if (letter != positive && letter != negative) {
        error = "'" + std::string(text) + "' must end in " + positive + " or " + negative;
        return std::nullopt;
    }
    if (!kMinuteRange.Holds(*minutes)) {
        error = "minutes must be 0..59 in '" + std::string(text) + "'";
        return std::nullopt;
    }
    if (*degrees > maxDegrees || (*degrees == maxDegrees && *minutes > 0)) {
        error = std::string(what) + " must be at most " + std::to_string(maxDegrees) +
                " degrees in '" + std::string(text) + "'";
        return std::nullopt;
    }
    return DegreesMinutes{*degrees, *minutes, letter};
}

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

// The place table and the places' zones, read once when an option or the profile needs them.
struct PlaceTables {
    std::unique_ptr<CatalogStore> store;
    PlaceZoneTable zones;
    bool loaded = false;               // location.bin could be read
    std::string message;               // why it could not
    std::vector<std::string> warnings; // damaged files of the places, one line each
};

PlaceTables& LoadPlaceTables(std::optional<PlaceTables>& tables) {
    if (!tables) {
        tables.emplace();
        tables->store = std::make_unique<CatalogStore>();
        const CatalogLocator locator{std::filesystem::path(FindProgramDir())};
        CatalogFileResult result = LoadCatalogFile(CatalogFile::Locations, locator, *tables->store);
        tables->loaded = result.status == CatalogFileStatus::Loaded;
        tables->message = std::move(result.message);
        if (!result.warning.empty()) {
            tables->warnings.push_back(std::move(result.warning));
        }
        PlaceZonesResult zones = LoadPlaceZones(locator);
        tables->zones = std::move(zones.table);
        for (std::string& warning : zones.warnings) {
            tables->warnings.push_back(std::move(warning));
        }
    }
    return *tables;
}

// The observer at the built-in place `name`: its name, longitude, latitude, standard offset and
// zone (none when the side file does not list it).
std::optional<Observer> PlaceObserver(std::string_view name, const Observer& base,
                                      std::optional<PlaceTables>& tables, std::string& error) {
    const PlaceTables& t = LoadPlaceTables(tables);
    if (!t.loaded) {
        error = t.message;
        while (!error.empty() && error.back() == ' ') {
            error.pop_back();
        }
        return std::nullopt;
    }
    const std::optional<std::size_t> row = FindPlaceRow(*t.store, name);
    if (!row) {
        error = "no built-in place is called '" + std::string(name) +
                "' (names are written Country:City, e.g. Poland:Krakow)";
        return std::nullopt;
    }
    const LocationRecord& record = t.store->m_locations[*row];
    const PlaceFields fields = PlaceRowFields(record);
    Observer observer = base;
    observer.Location = PlaceRowName(record);
    observer.LongDeg = fields.longitudeDegrees;
    observer.LongMin = fields.longitudeMinutes;
    observer.EW = fields.east ? "E" : "W";
    observer.LatDeg = fields.latitudeDegrees;
    observer.LatMin = fields.latitudeMinutes;
    observer.NS = fields.north ? "N" : "S";
    observer.TimeZone = static_cast<float>(fields.timeZone);
    observer.TimeZoneName = std::string(t.zones.ZoneOf(observer.Location));
    return observer;
}

} // namespace

std::optional<SkyDate> ParseDateTimeText(std::string_view text, std::string& error) {
    std::size_t pos = 0;
    SkyDate date;
    std::optional<int> year, month, day, hour, minute, second = 0;
    year = ReadDigits(text, pos, 4, 4);
    if (year && Expect(text, pos, '-')) {
        month = ReadDigits(text, pos, 2, 2);
    }
    if (month && Expect(text, pos, '-')) {
        day = ReadDigits(text, pos, 2, 2);
    }
    if (day && (Expect(text, pos, 'T') || Expect(text, pos, ' '))) {
        hour = ReadDigits(text, pos, 2, 2);
    }
    if (hour && Expect(text, pos, ':')) {
        minute = ReadDigits(text, pos, 2, 2);
    }
    if (minute && Expect(text, pos, ':')) {
        second = ReadDigits(text, pos, 2, 2);
    }
    if (!minute || !second || pos != text.size()) {
        error = "'" + std::string(text) + "' is not a date of the form YYYY-MM-DDTHH:MM[:SS]";
        return std::nullopt;
    }
    // The fields are checked against the ranges the Date/Time dialog uses (ClockFields.h), the
    // year and the day against the command line's own (a date written out whole).
    if (!kYearRange.Holds(*year)) {
        error = "year must be 0001..9999";
        return std::nullopt;
    }
    const auto range = [](FieldRange r) { return TwoDigits(r.min) + ".." + TwoDigits(r.max); };
    if (!kMonthRange.Holds(*month)) {
        error = "month must be " + range(kMonthRange) + " in '" + std::string(text) + "'";
        return std::nullopt;
    }
    const FieldRange days = DayRange(*year, *month);
    if (!days.Holds(*day)) {
        error = "day must be " + range(days) + " for " + std::to_string(*year) + "-" +
                TwoDigits(*month) + " in '" + std::string(text) + "'";
        return std::nullopt;
    }
    if (!kHourRange.Holds(*hour)) {
        error = "hour must be " + range(kHourRange) + " in '" + std::string(text) + "'";
        return std::nullopt;
    }
    if (!kMinuteRange.Holds(*minute) || !kMinuteRange.Holds(*second)) {
        error =
            "minute and second must be " + range(kMinuteRange) + " in '" + std::string(text) + "'";
        return std::nullopt;
    }
    date.year = *year;
    date.month = *month;
    date.day = *day;
    date.hour = *hour;
    date.minute = *minute;
    date.second = *second;
    return date;
}

std::optional<Observer> ParseLongitudeText(std::string_view text, const Observer& base,
                                           std::string& error) {
    const auto parsed =
        ParseDegreesMinutes(text, 'E', 'W', kLongitudeDegreesMax, "longitude", error);
    if (!parsed) {
        return std::nullopt;
    }
    Observer observer = base;
    observer.LongDeg = parsed->degrees;
    observer.LongMin = parsed->minutes;
    observer.EW = std::string(1, parsed->letter);
    return observer;
}

std::optional<Observer> ParseLatitudeText(std::string_view text, const Observer& base,
                                          std::string& error) {
    const auto parsed = ParseDegreesMinutes(text, 'N', 'S', kLatitudeDegreesMax, "latitude", error);
    if (!parsed) {
        return std::nullopt;
    }
    Observer observer = base;
    observer.LatDeg = parsed->degrees;
    observer.LatMin = parsed->minutes;
    observer.NS = std::string(1, parsed->letter);
    return observer;
}

std::optional<float> ParseTimeZoneText(std::string_view text, std::string& error) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1); // from_chars takes no plus sign
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                           std::chars_format::fixed);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() ||
        !std::isfinite(value)) {
        error = "'" + std::string(text) + "' is not a number of hours";
        return std::nullopt;
    }
    if (value < kMinZoneHours || value > kMaxZoneHours) {
        error = "the time zone must be -12..14 hours, not '" + std::string(text) + "'";
        return std::nullopt;
    }
    return static_cast<float>(value);
}

ChartOptionsResult ParseChartOptions(const std::vector<std::string>& args, ClockInstant now) {
    ChartOptionsResult result;
    struct Given {
        OptionId id;
        std::string name;
        std::string value;
    };
    std::vector<Given> given;
    bool precise = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionMatch match = MatchOption(args, i, kConsoleModes, {OptionKind::Chart});
        if (!match.row) {
            result.rest.push_back(args[i]);
            continue;
        }
        if (match.row->argument.empty()) {
            precise = precise || match.row->id == OptionId::Precise;
            continue;
        }
        if (!match.value) {
            result.error = std::string(match.row->name) + " needs a value (" +
                           std::string(match.row->argument) + ")";
            return result;
        }
        given.push_back({match.row->id, std::string(match.row->name), *match.value});
    }

    // The profile first, wherever --profile stood; the other options override it.
    std::filesystem::path profilePath = DefaultProfilePath();
    bool explicitProfile = false;
    for (const Given& g : given) {
        if (g.id == OptionId::Profile) {
            if (g.value.empty()) {
                result.error = "--profile needs a file name";
                return result;
            }
            profilePath = g.value;
            explicitProfile = true;
        }
    }
    ChartOptions& options = result.options;
    options.profilePath = profilePath;
    const ProfileResult loaded = LoadSettings(options.settings, profilePath);
    for (const std::string& warning : loaded.warnings) {
        options.fileWarnings.push_back("warning: " + warning);
    }
    if (!loaded) {
        if (explicitProfile) {
            result.error = "--profile: " + loaded.error;
            return result;
        }
        options.settings = DefaultSettings();
        options.profileWarning = loaded.error;
    }
    std::optional<PlaceTables> placeTables;
    if (options.settings.TimeZoneNameMissing.value) {
        const PlaceTables& t = LoadPlaceTables(placeTables);
        AdoptPlaceZone(options.settings, *t.store, t.zones);
    }
    // The console modes compute with the classic model unless asked: the profile's choice is
    // the desktop program's.
    options.settings.PrecisePositions = precise ? 1 : 0;

    bool placeGiven = false;
    bool dateGiven = false;
    for (const Given& g : given) {
        std::string error;
        switch (g.id) {
        case OptionId::Date:
            if (const auto date = ParseDateTimeText(g.value, error)) {
                options.settings.SkyDate = *date;
                dateGiven = true;
            }
            break;
        case OptionId::Longitude:
            if (const auto observer =
                    ParseLongitudeText(g.value, options.settings.Observer, error)) {
                options.settings.Observer = *observer;
                placeGiven = true;
            }
            break;
        case OptionId::Latitude:
            if (const auto observer =
                    ParseLatitudeText(g.value, options.settings.Observer, error)) {
                options.settings.Observer = *observer;
                placeGiven = true;
            }
            break;
        case OptionId::Zone:
            if (const auto zone = ParseTimeZoneText(g.value, error)) {
                options.settings.Observer.TimeZone = *zone;
                options.settings.Observer.TimeZoneName.clear(); // a fixed offset
            }
            break;
        case OptionId::Place:
            if (const auto observer =
                    PlaceObserver(g.value, options.settings.Observer, placeTables, error)) {
                options.settings.Observer = *observer;
                placeGiven = false; // named after the place, not its coordinates
            }
            break;
        case OptionId::ZoneName:
            if (IsKnownTimeZone(g.value)) {
                options.settings.Observer.TimeZoneName = g.value;
            } else {
                error = "'" + g.value + "' is not a time zone of the system's database " +
                        "(names are written Region/City, e.g. Europe/Warsaw)";
            }
            break;
        default: // --profile, read above
            break;
        }
        if (!error.empty()) {
            if (placeTables) {
                options.fileWarnings.insert(options.fileWarnings.end(),
                                            placeTables->warnings.begin(),
                                            placeTables->warnings.end());
            }
            result.error = g.name + ": " + error;
            return result;
        }
    }
    if (placeGiven) {
        // A place given by coordinates has no name of its own; name it by them.
        const Observer& o = options.settings.Observer;
        options.settings.Observer.Location =
            std::to_string(o.LongDeg) + ":" + TwoDigits(o.LongMin) + o.EW + " " +
            std::to_string(o.LatDeg) + ":" + TwoDigits(o.LatMin) + o.NS;
    }
    if (!dateGiven) {
        options.settings.SkyDate = NowAtObserver(ZoneOf(options.settings.Observer), now);
    }
    const ZoneRule zone = ZoneOf(options.settings.Observer);
    options.zoneWarning =
        ZoneFallbackWarning(ObserverUtcOffset(options.settings.SkyDate, zone), zone);
    if (placeTables) {
        options.fileWarnings.insert(options.fileWarnings.end(), placeTables->warnings.begin(),
                                    placeTables->warnings.end());
    }
    result.ok = true;
    return result;
}

void PrintFileWarnings(const ChartOptions& options, std::ostream& err) {
    for (const std::string& warning : options.fileWarnings) {
        err << "vesperanova: " << warning << "\n";
    }
}

ChartOptionsResult ParseModeChartOptions(const std::vector<std::string>& args, ClockInstant now,
                                         std::ostream& err) {
    ChartOptionsResult parsed = ParseChartOptions(args, now);
    PrintFileWarnings(parsed.options, err);
    if (!parsed.ok) {
        err << "vesperanova: " << parsed.error << "\n";
    }
    return parsed;
}

void PrintSettingsWarnings(const ChartOptions& options, std::ostream& err) {
    if (!options.profileWarning.empty()) {
        err << "vesperanova: warning: " << options.profileWarning
            << "; using the default settings\n";
    }
    if (!options.zoneWarning.empty()) {
        err << "vesperanova: warning: " << options.zoneWarning << "\n";
    }
}

bool WarnedAlready(const ChartOptions& options, std::string_view warning) {
    return std::find(options.fileWarnings.begin(), options.fileWarnings.end(), warning) !=
           options.fileWarnings.end();
}
