#include "cli/TonightMode.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>

#include "astro/Instant.h"
#include "astro/SkyModels.h"
#include "astro/SkySession.h"
#include "catalog/CatalogLocator.h"
#include "catalog/Loaders.h"
#include "cli/ChartOptions.h"
#include "cli/ConsoleCatalogs.h"
#include "cli/ExitStatus.h"
#include "cli/JsonText.h"
#include "cli/OptionTable.h"
#include "search/NameIndex.h"
#include "settings/ProgramDir.h"

namespace {

constexpr const char* kTonightAbout =
    "Prints the night that begins in the evening of the chart's date at its place: sunset, the "
    "ends of civil (-6 degrees), nautical (-12) and astronomical (-18) twilight, their beginnings "
    "in the morning, sunrise, the Moon's rise, set and phase, and the dark hours (the Sun below "
    "-18 degrees and the Moon down), and what is well placed: the Moon, the planets and the "
    "Messier "
    "objects (with --with-stars also the 50 brightest stars) that reach 30 degrees in the "
    "astronomical night, with the time and altitude of their highest point then and their rise "
    "and set. Where the Sun does not reach -18 degrees the list is for the nautical night. Times "
    "are the place's clock times with their offset; the "
    "events are always searched with the precise sky model.";

constexpr double kUnixEpochJd = 2440587.5;

struct NamedEvent {
    const char* key;   // the JSON's
    const char* label; // the table's
    std::optional<double> jd;
};

std::vector<NamedEvent> Events(const NightReport& n) {
    return {{"sunset", "Sunset", n.sun.evening},
            {"civil_dusk", "End of civil twilight", n.civil.evening},
            {"nautical_dusk", "End of nautical twilight", n.nautical.evening},
            {"astronomical_dusk", "End of astronomical twilight", n.astronomical.evening},
            {"astronomical_dawn", "Start of astronomical twilight", n.astronomical.morning},
            {"nautical_dawn", "Start of nautical twilight", n.nautical.morning},
            {"civil_dawn", "Start of civil twilight", n.civil.morning},
            {"sunrise", "Sunrise", n.sun.morning},
            {"moonrise", "Moonrise", n.moonrise},
            {"moonset", "Moonset", n.moonset}};
}

std::string Percent(double fraction) {
    char text[16];
    std::snprintf(text, sizeof text, "%.0f%%", 100.0 * fraction);
    return text;
}

} // namespace

std::string PlannedObjectTitle(const PlannedObject& object, const CatalogStore& catalog) {
    const NamedKind kind = object.kind == PlannedKind::Star      ? NamedKind::Star
                           : object.kind == PlannedKind::DeepSky ? NamedKind::DeepSky
                                                                 : NamedKind::Body;
    return NamedObjectTitle({kind, object.index}, catalog);
}

std::string LocalDateTimeText(double jdUt, const ZoneRule& zone) {
    const long long minutes = std::llround((jdUt - kUnixEpochJd) * 1440.0);
    const ClockInstant instant{std::chrono::seconds(minutes * 60)};
    const SkyDate local = ObserverClockTime(instant, zone);
    // The offset in force: the clock time less universal time, whole minutes.
    const long long offset =
        std::llround((JulianDayOfClockTime(local, 0.0f) - kUnixEpochJd) * 1440.0) - minutes;
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:00%c%02lld:%02lld", local.year,
                  local.month, local.day, local.hour, local.minute, offset < 0 ? '-' : '+',
                  std::llabs(offset) / 60, std::llabs(offset) % 60);
    return text;
}

std::string OptionalTime(const std::optional<double>& jd, const ZoneRule& zone) {
    return jd ? JsonString(LocalDateTimeText(*jd, zone)) : std::string("null");
}

std::string FormatTonightJson(const NightReport& night, const std::vector<VisibleObject>& visible,
                              const std::string& listNote, const Place& place) {
    std::string json = "{";
    bool first = true;
    for (const NamedEvent& e : Events(night)) {
        json += first ? "" : ", ";
        first = false;
        json += JsonString(e.key) + ": " +
                (e.jd ? JsonString(LocalDateTimeText(*e.jd, place.zone)) : std::string("null"));
    }
    json += ",\n \"moon_illumination\": " + JsonNumber(night.moonIllumination);
    json +=
        ", \"moon_phase\": " + JsonString(MoonPhaseName(night.moonIllumination, night.moonWaxing));
    json += ",\n \"dark\": [";
    for (std::size_t i = 0; i < night.dark.size(); ++i) {
        json += (i == 0 ? "" : ", ") + std::string("{\"start\": ") +
                JsonString(LocalDateTimeText(night.dark[i].start, place.zone)) +
                ", \"end\": " + JsonString(LocalDateTimeText(night.dark[i].end, place.zone)) + "}";
    }
    json += "], \"notes\": [";
    std::vector<std::string> notes = PolarNotes(night);
    if (!listNote.empty()) {
        notes.push_back(listNote);
    }
    for (std::size_t i = 0; i < notes.size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonString(notes[i]);
    }
    json += "],\n \"visible\": [";
    for (std::size_t i = 0; i < visible.size(); ++i) {
        const WellPlacedEntry& e = visible[i].entry;
        json += (i == 0 ? "\n  {" : ",\n  {") + std::string("\"name\": ") +
                JsonString(visible[i].name) +
                ", \"transit\": " + OptionalTime(e.transit, place.zone) +
                ", \"max_altitude\": " + JsonFixed(e.maxAltitude, 1) +
                ", \"rise\": " + OptionalTime(e.rise, place.zone) +
                ", \"set\": " + OptionalTime(e.set, place.zone) + "}";
    }
    json += "]}\n";
    return json;
}

std::string FormatNightEvents(const NightReport& night, const SkyDate& date, const Place& place) {
    char line[160];
    std::snprintf(line, sizeof line, "Night of %04d-%02d-%02d, %s  %.2f%s %.2f%s\n", date.year,
                  date.month, date.day, place.name.c_str(), std::fabs(place.longitudeWest),
                  place.longitudeWest > 0.0 ? "W" : "E", std::fabs(place.latitudeNorth),
                  place.latitudeNorth < 0.0 ? "S" : "N");
    std::string text = line;
    for (const std::string& note : PolarNotes(night)) {
        text += "Note: " + note + "\n";
    }
    for (const NamedEvent& e : Events(night)) {
        std::snprintf(line, sizeof line, "%-32s%s\n", e.label,
                      e.jd ? LocalDateTimeText(*e.jd, place.zone).c_str() : "-");
        text += line;
    }
    text += "Moon: " + Percent(night.moonIllumination) + " illuminated, " +
            MoonPhaseName(night.moonIllumination, night.moonWaxing) + "\n";
    if (night.dark.empty()) {
        text += "Dark (Sun below -18 degrees, Moon down): none\n";
    }
    for (const DarkWindow& w : night.dark) {
        text +=
            "Dark (Sun below -18 degrees, Moon down): " + LocalDateTimeText(w.start, place.zone) +
            " to " + LocalDateTimeText(w.end, place.zone) + "\n";
    }
    return text;
}

std::string FormatTonightTable(const NightReport& night, const std::vector<VisibleObject>& visible,
                               const std::string& listNote, const SkyDate& date,
                               const Place& place) {
    std::string text = FormatNightEvents(night, date, place);
    char line[160];
    text += "Well placed (highest point in the dark hours at least 30 degrees):\n";
    if (!listNote.empty()) {
        text += "  (" + listNote + ")\n";
    }
    if (visible.empty()) {
        text += "  none\n";
    }
    const auto time = [&](const std::optional<double>& jd) {
        return jd ? LocalDateTimeText(*jd, place.zone).substr(0, 16) : std::string("-");
    };
    for (const VisibleObject& v : visible) {
        std::snprintf(line, sizeof line, "  %-16s highest %s %5.1f deg  rise %-16s  set %s\n",
                      v.name.c_str(), time(v.entry.transit).c_str(), v.entry.maxAltitude,
                      time(v.entry.rise).c_str(), time(v.entry.set).c_str());
        text += line;
    }
    return text;
}

int RunTonightMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   ClockInstant now) {
    const ChartOptionsResult parsed = ParseModeChartOptions(args, now, err);
    if (!parsed.ok) {
        return kExitBadOption;
    }
    bool json = false;
    bool withStars = false;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < parsed.rest.size(); ++i) {
        const OptionMatch match =
            MatchOption(parsed.rest, i, Only(Mode::Tonight), {OptionKind::Own});
        if (match.row && match.row->id == OptionId::WithStars) {
            withStars = true;
        } else {
            rest.push_back(parsed.rest[i]);
        }
    }
    if (const std::optional<int> status = ParseJsonModeArguments(rest, Mode::Tonight, kTonightAbout,
                                                                 "--tonight", json, out, err)) {
        return *status;
    }
    PrintSettingsWarnings(parsed.options, err);
    const AppSettings& settings = parsed.options.settings;
    auto catalog = std::make_unique<CatalogStore>();
    if (!LoadConsoleCatalogs(*catalog, std::filesystem::path(FindProgramDir()), parsed.options,
                             err)) {
        return kExitMissingCatalogue;
    }
    // The events and the list are always searched with the precise model, on the catalogue
    // carried to the date.
    const SkySession session(std::move(catalog), settings.SkyDate, PlaceOf(settings.Observer),
                             SkyModelKind::Precise);
    const Place& place = session.Place();
    const NightReport night = ComputeNight(settings.SkyDate, place, session.Model());
    const WellPlacedList list = ComputeWellPlaced(
        night, PlanningCandidates(session.Catalog(), withStars ? kBrightStarCount : 0),
        session.Catalog(), place, session.Model());
    std::vector<VisibleObject> visible;
    for (const WellPlacedEntry& e : list.entries) {
        visible.push_back({PlannedObjectTitle(e.object, session.Catalog()), e});
    }
    const std::string note = WellPlacedNote(list.darkness);
    out << (json ? FormatTonightJson(night, visible, note, place)
                 : FormatTonightTable(night, visible, note, settings.SkyDate, place));
    out.flush();
    return out ? kExitOk : kExitFailed;
}
