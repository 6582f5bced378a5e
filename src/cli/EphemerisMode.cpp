#include "cli/EphemerisMode.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>

#include "astro/Angles.h"
#include "astro/Refraction.h"
#include "astro/SkySession.h"
#include "astro/Transforms.h"
#include "catalog/CatalogStore.h"
#include "cli/ChartOptions.h"
#include "cli/ExitStatus.h"
#include "cli/JsonText.h"
#include "cli/OptionTable.h"

namespace {

constexpr const char* kEphemerisAbout =
    "Prints the Sun, the Moon and the planets for the observer's clock time and place (default: "
    "now, at the place of the profile). --place takes a built-in place by name (Poland:Krakow) "
    "with its time zone; --tz a zone of the system's database (Europe/Warsaw), whose daylight "
    "saving time the clock time follows; --zone a fixed offset in hours.";

std::string PadRight(const std::string& text, std::size_t width) {
    // Width in characters on screen: count UTF-8 lead bytes only (the degree sign is two bytes).
    std::size_t shown = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++shown;
        }
    }
    return shown >= width ? text + " " : text + std::string(width - shown, ' ');
}

std::string PadLeft(const std::string& text, std::size_t width) {
    std::size_t shown = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++shown;
        }
    }
    return shown >= width ? text : std::string(width - shown, ' ') + text;
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string PlaceText(const Observer& o) {
    return std::to_string(o.LongDeg) + kDegreeSign + TwoDigits(o.LongMin) + "'" + o.EW + " " +
           std::to_string(o.LatDeg) + kDegreeSign + TwoDigits(o.LatMin) + "'" + o.NS;
}

// The JSON's "aux" and "distance" of a body: the Moon's phase cosine and its distance in km, the
// Sun's 0 and distance in AU, a planet's distances from the Sun and from the Earth in AU.
double Aux(std::size_t index, const SolarSystemBody& body) {
    return index == kBodyMoon ? body.cosPhaseAngle : body.sunDistanceAu;
}
double Distance(std::size_t index, const SolarSystemBody& body) {
    return index == kBodyMoon ? body.earthDistanceKm : body.earthDistanceAu;
}

} // namespace

EphemerisReport ComputeEphemerisReport(const SkyDate& date, const Observer& observer,
                                       SkyModelKind model) {
    EphemerisReport report;
    const Place place = PlaceOf(observer);
    // The bodies and the horizon need no catalogue.
    const SkySession session(nullptr, date, place, model);
    // The session's clock time is the one the observer's clocks show (02:30 in the spring gap
    // is 03:30 summer time); its offset is the one in force then.
    report.date = session.ClockTime();
    report.observer = observer;
    report.offset = ObserverUtcOffset(report.date, place.zone);
    report.model = model;
    report.sky = session.Sky();
    report.jd = session.Now().ut;
    const JulianCenturies centuries = CenturiesOf(report.jd);
    report.t1900 = centuries.t1900;
    report.t2000 = centuries.t2000;
    return report;
}

std::string FormatEphemerisJson(const EphemerisReport& report) {
    std::string json = "{";
    json += "\"model\": " + JsonString(SkyModelFor(report.model).Name());
    json += ", \"jd\": " + JsonNumber(report.jd);
    json += ", \"t1900\": " + JsonNumber(report.t1900);
    json += ", \"t2000\": " + JsonNumber(report.t2000);
    json += ", \"gst\": " + JsonNumber(report.sky.m_dGST);
    json += ", \"lst\": " + JsonNumber(report.sky.m_dLST);
    json += ", \"longitude\": " + JsonNumber(report.sky.m_dLongitude);
    json += ", \"latitude\": " + JsonNumber(report.sky.m_dLatitude);
    json += ",\n \"bodies\": [";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        const SolarSystemBody& body = report.sky.m_bodies[i];
        json += i == 0 ? "\n  " : ",\n  ";
        json += "{\"name\": " + JsonString(kBodyNames[i]) + ", \"ra\": " + JsonNumber(body.ra) +
                ", \"dec\": " + JsonNumber(body.dec) + ", \"aux\": " + JsonNumber(Aux(i, body)) +
                ", \"distance\": " + JsonNumber(Distance(i, body)) + "}";
    }
    json += "],\n \"horizon\": [";
    for (std::size_t k = 0; k < kHorizonPointCount; ++k) {
        json += k == 0 ? "" : ", ";
        json += "[" + JsonNumber(report.sky.m_horizon[k].ra) + ", " +
                JsonNumber(report.sky.m_horizon[k].dec) + "]";
    }
    json += "],\n \"utc_offset\": " + JsonNumber(static_cast<double>(report.offset.hours));
    json += ", \"zone_name\": " + JsonString(report.offset.zoneName);
    json += "}\n";
    return json;
}

std::string FormatEphemerisTable(const EphemerisReport& report) {
    const SkyDate& d = report.date;
    const Observer& o = report.observer;
    std::string text;
    char line[256];
    std::string zone = FormatFixed(o.TimeZone, 1);
    zone.erase(0, zone.find_first_not_of(' '));
    zone += " h";
    if (!report.offset.zoneName.empty()) {
        zone = UtcOffsetText(report.offset);
    }
    std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d:%02d clock time, zone %s\n", d.year,
                  d.month, d.day, d.hour, d.minute, d.second, zone.c_str());
    text += line;
    text += o.Location + "  " + PlaceText(o) + "\n";
    if (report.model != SkyModelKind::Classic) { // the default model's table has no model line
        text += std::string("Sky model: ") + SkyModelFor(report.model).Name() + "\n";
    }
    text += "Julian day " + FormatFixed(report.jd, 6) + "   Greenwich sidereal " +
            FormatFixed(report.sky.m_dGST / 15.0, 6) + " h   local sidereal " +
            FormatFixed(Normalize360(report.sky.m_dLST) / 15.0, 6) + " h\n\n";
    text += PadRight("Body", 9) + PadRight("Right ascension", 17) + PadRight("Declination", 15) +
            PadLeft("Altitude", 10) + PadLeft("Azimuth", 10) + "   Distance\n";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        const SolarSystemBody& body = report.sky.m_bodies[i];
        const AngleTexts ra = RightAscensionTexts(body.ra);
        const AngleTexts dec = DeclinationTexts(body.dec);
        const HorizontalPosition h = EquatorialToHorizontal(
            body.ra, body.dec, report.sky.m_dGST, report.sky.m_dLongitude, report.sky.m_dLatitude);
        // The precise model's altitude is the apparent one (refracted, standard conditions).
        const double shownAltitude =
            report.model == SkyModelKind::Precise ? ApparentAltitude(h.altitude) : h.altitude;
        const std::string distance = i == kBodyMoon ? FormatFixed(body.earthDistanceKm, 1) + " km"
                                                    : FormatFixed(body.earthDistanceAu, 6) + " AU";
        text +=
            PadRight(kBodyNames[i], 9) +
            PadRight(PadLeft(ra.whole, 3) + " " + PadLeft(ra.minutes, 3) + " " + ra.seconds, 17) +
            PadRight(PadLeft(dec.whole, 4) + " " + PadLeft(dec.minutes, 3) + " " +
                         PadLeft(dec.seconds, 3),
                     15) +
            PadLeft(HorizontalAngleText(shownAltitude), 10) +
            PadLeft(HorizontalAngleText(h.compassAzimuth), 10) + "   " + distance + "\n";
    }
    return text;
}

int RunEphemerisMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     ClockInstant now) {
    const ChartOptionsResult parsed = ParseModeChartOptions(args, now, err);
    if (!parsed.ok) {
        return kExitBadOption;
    }
    bool json = false;
    if (const std::optional<int> status = ParseJsonModeArguments(
            parsed.rest, Mode::Ephemeris, kEphemerisAbout, "--ephemeris", json, out, err)) {
        return *status;
    }
    PrintSettingsWarnings(parsed.options, err);
    const AppSettings& settings = parsed.options.settings;
    const EphemerisReport report =
        ComputeEphemerisReport(settings.SkyDate, settings.Observer, SkyModelOfSettings(settings));
    out << (json ? FormatEphemerisJson(report) : FormatEphemerisTable(report));
    out.flush();
    return out ? kExitOk : kExitFailed;
}
