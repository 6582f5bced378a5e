#include "cli/TonightMode.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "astro/Instant.h"
#include "astro/SkyModels.h"
#include "cli/ChartOptions.h"
#include "cli/ExitStatus.h"
#include "cli/JsonText.h"
#include "cli/OptionTable.h"

namespace {

constexpr const char* kTonightAbout =
    "Prints the night that begins in the evening of the chart's date at its place: sunset, the "
    "ends of civil (-6 degrees), nautical (-12) and astronomical (-18) twilight, their beginnings "
    "in the morning, sunrise, the Moon's rise, set and phase, and the dark hours (the Sun below "
    "-18 degrees and the Moon down). Times are the place's clock times with their offset; the "
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

std::string FormatTonightJson(const NightReport& night, const Place& place) {
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
    const std::vector<std::string> notes = PolarNotes(night);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonString(notes[i]);
    }
    json += "]}\n";
    return json;
}

std::string FormatTonightTable(const NightReport& night, const SkyDate& date, const Place& place) {
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

int RunTonightMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   ClockInstant now) {
    const ChartOptionsResult parsed = ParseChartOptions(args, now);
    PrintFileWarnings(parsed.options, err);
    if (!parsed.ok) {
        err << "vesperanova: " << parsed.error << "\n";
        return kExitBadOption;
    }
    bool json = false;
    if (const std::optional<int> status = ParseJsonModeArguments(
            parsed.rest, Mode::Tonight, kTonightAbout, "--tonight", json, out, err)) {
        return *status;
    }
    PrintSettingsWarnings(parsed.options, err);
    const AppSettings& settings = parsed.options.settings;
    const Place place = PlaceOf(settings.Observer);
    const NightReport night =
        ComputeNight(settings.SkyDate, place, SkyModelFor(SkyModelKind::Precise));
    out << (json ? FormatTonightJson(night, place)
                 : FormatTonightTable(night, settings.SkyDate, place));
    out.flush();
    return out ? kExitOk : kExitFailed;
}
