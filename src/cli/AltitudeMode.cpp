#include "cli/AltitudeMode.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "astro/SkySession.h"
#include "catalog/CatalogLocator.h"
#include "catalog/Loaders.h"
#include "cli/ChartOptions.h"
#include "cli/ConsoleCatalogs.h"
#include "cli/ExitStatus.h"
#include "cli/InfoMode.h"
#include "cli/JsonText.h"
#include "cli/OptionTable.h"
#include "cli/TonightMode.h"
#include "graphs/AltitudeGraph.h"
#include "search/NameIndex.h"
#include "settings/ProgramDir.h"

namespace {

constexpr const char* kAltitudeAbout =
    "Prints the object's altitude and azimuth (degrees, compass azimuth) every 10 minutes from "
    "local noon of the chart's date to the next local noon, in the chart's zone, as --info "
    "computes them with the chart's sky model. OBJECT is anything --info and the find box take. "
    "With --plot also draws the altitude graph: day, twilights and night shaded, the Moon's "
    "altitude, the horizon, the highest point and the chart's instant.";

constexpr int kPlotWidth = 1000;
constexpr int kPlotHeight = 560;

std::string Degrees(double value) {
    return JsonFixed(value, 2);
}

// The offset part of LocalDateTimeText: "+01:00".
std::string OffsetText(double jd, const ZoneRule& zone) {
    const std::string text = LocalDateTimeText(jd, zone);
    return text.substr(text.size() - 6);
}

std::optional<PlannedObject> LookUp(const std::string& text, const CatalogStore& catalog,
                                    std::string& error) {
    if (const std::optional<InfoObjectName> name = ParseInfoObject(text)) {
        if (name->kind == InfoObjectKind::FaintStar) {
            error = "'" + text +
                    "' is a faint star; --altitude takes the stars of the bright-star "
                    "catalogue, bodies and deep-sky objects";
            return std::nullopt;
        }
        if (const std::optional<std::size_t> index = FindInfoObject(*name, catalog)) {
            const PlannedKind kind = name->kind == InfoObjectKind::Star      ? PlannedKind::Star
                                     : name->kind == InfoObjectKind::DeepSky ? PlannedKind::DeepSky
                                                                             : PlannedKind::Body;
            return PlannedObject{kind, *index};
        }
    }
    const std::optional<NamedObject> named = NameIndex(catalog).Find(text);
    if (!named) {
        error = "unknown object '" + text + "': give a name or designation the find box knows";
        return std::nullopt;
    }
    switch (named->kind) {
    case NamedKind::Star:
        return PlannedObject{PlannedKind::Star, named->index};
    case NamedKind::DeepSky:
        return PlannedObject{PlannedKind::DeepSky, named->index};
    case NamedKind::Body:
        return PlannedObject{PlannedKind::Body, named->index};
    case NamedKind::FaintStar:
        error = "'" + text +
                "' is a faint star; --altitude takes the stars of the bright-star "
                "catalogue, bodies and deep-sky objects";
        return std::nullopt;
    case NamedKind::Constellation:
        break;
    }
    error = "'" + text + "' is a constellation; --altitude takes a star, body or deep-sky object";
    return std::nullopt;
}

} // namespace

std::string FormatAltitudeJson(const std::string& name, const AltitudeDay& day,
                               const ZoneRule& zone) {
    std::string json =
        "{\"object\": " + JsonString(name) + ", \"zone_name\": " +
        JsonString(zone.name.empty() ? std::string("UTC") + OffsetText(day.startJd, zone)
                                     : zone.name) +
        ", \"utc_offset\": " + JsonString(OffsetText(day.startJd, zone)) + ",\n \"points\": [";
    for (std::size_t i = 0; i < day.object.size(); ++i) {
        const AltitudePoint& p = day.object[i];
        json += (i == 0 ? "\n  {" : ",\n  {") + std::string("\"time\": ") +
                JsonString(LocalDateTimeText(p.jd, zone)) +
                ", \"altitude\": " + Degrees(p.altitude) + ", \"azimuth\": " + Degrees(p.azimuth) +
                "}";
    }
    return json + "]}\n";
}

int RunAltitudeMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    ClockInstant now) {
    const ChartOptionsResult parsed = ParseModeChartOptions(args, now, err);
    if (!parsed.ok) {
        return kExitBadOption;
    }
    bool json = false;
    std::optional<std::string> plot;
    std::optional<std::string> objectText;
    for (std::size_t i = 0; i < parsed.rest.size(); ++i) {
        const std::string& arg = parsed.rest[i];
        const OptionMatch match = MatchOption(parsed.rest, i, Only(Mode::Altitude),
                                              {OptionKind::General, OptionKind::Own});
        if (match.row && match.row->id == OptionId::Help) {
            out << ModeUsage(Mode::Altitude, kAltitudeAbout);
            return kExitOk;
        }
        if (match.row && match.row->id == OptionId::Json) {
            json = true;
        } else if (match.row && match.row->id == OptionId::Plot) {
            if (!match.value || match.value->empty() || !GraphFormatForPath(*match.value)) {
                err << "vesperanova: --plot needs a file ending in .png, .svg or .pdf\n";
                return kExitBadOption;
            }
            plot = *match.value;
        } else if (arg.starts_with("-")) {
            err << "vesperanova: unknown option " << arg << " for --altitude\n";
            return kExitBadOption;
        } else if (objectText) {
            err << "vesperanova: --altitude takes one object, not '" << *objectText << "' and '"
                << arg << "'\n";
            return kExitBadOption;
        } else {
            objectText = arg;
        }
    }
    if (!objectText) {
        err << "vesperanova: --altitude needs an object: a name or designation the find box "
               "knows, HR<number>, M<number>, NGC<number> or a Solar System body\n";
        return kExitBadOption;
    }
    PrintSettingsWarnings(parsed.options, err);
    const AppSettings& settings = parsed.options.settings;
    auto catalog = std::make_unique<CatalogStore>();
    if (!LoadConsoleCatalogs(*catalog, std::filesystem::path(FindProgramDir()), parsed.options,
                             err)) {
        return kExitMissingCatalogue;
    }
    std::string error;
    const std::optional<PlannedObject> object = LookUp(*objectText, *catalog, error);
    if (!object) {
        err << "vesperanova: " << error << "\n";
        return kExitBadOption;
    }
    SkySession session(std::move(catalog), settings.SkyDate, PlaceOf(settings.Observer),
                       SkyModelOfSettings(settings));
    const std::string name = PlannedObjectTitle(*object, session.Catalog());
    const double chartJd = session.Now().ut;
    const AltitudeDay day = ComputeAltitudeDay(session, *object);
    const ZoneRule& zone = session.Place().zone;
    if (json) {
        out << FormatAltitudeJson(name, day, zone);
    } else {
        out << name << ", " << session.Place().name << " (" << session.Model().Name()
            << " sky model)\n";
        char line[96];
        for (const AltitudePoint& p : day.object) {
            std::snprintf(line, sizeof line, "%s  %7.2f  %7.2f\n",
                          LocalDateTimeText(p.jd, zone).c_str(), p.altitude, p.azimuth);
            out << line;
        }
    }
    if (plot) {
        AltitudeGraph graph{day, name + " \u2014 " + session.Place().name + " (dashed: the Moon)",
                            HourTicks(day.startJd, day.endJd, zone), chartJd};
        const std::string failed =
            WriteAltitudeGraph(*plot, *GraphFormatForPath(*plot), kPlotWidth, kPlotHeight, graph);
        if (!failed.empty()) {
            err << "vesperanova: " << failed << "\n";
            return kExitFailed;
        }
    }
    out.flush();
    return out ? kExitOk : kExitFailed;
}
