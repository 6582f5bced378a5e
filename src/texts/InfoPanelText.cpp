#include "texts/InfoPanelText.h"

#include "astro/Angles.h"
#include "astro/ClockTime.h"
#include "astro/Ephemeris.h"
#include "astro/Refraction.h"
#include "astro/RiseSet.h"
#include "catalog/DeepSkyObjects.h"
#include "catalog/StarDesignations.h"
#include "texts/StatusTexts.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kKmPerAu = 149600000.0;
constexpr double kKmPerMillionKm = 1000000.0;
constexpr double kArcsecondsPerArcminute = 60.0;
// The Moon's angular diameter times its distance, arcseconds x km.
constexpr double kMoonDiameterArcsecKm = 716946800.0;
// The Sun's angular diameter at 1 AU, arcseconds.
constexpr double kSunDiameterArcsecAu = 1919.26;
constexpr const char* kSunMagnitudeText = "-26.7";
// What the panel shows where a value has no meaning for the body (the Sun's distance from itself).
constexpr const char* kNoValueText = " ";
constexpr const char* kMillionKm = " million km";
constexpr const char* kArcminuteSign = "'";
constexpr const char* kArcsecondSign = "\"";

// FormatFixed, except that a value that is not a finite number (a body that has not been
// computed yet divides by a zero distance) shows as an empty text rather than "nan" or "inf".
std::string Fixed(double x, int decimals) {
    return std::isfinite(x) ? FormatFixed(x, decimals) : std::string();
}

std::string WithUnit(double x, int decimals, const char* unit) {
    std::string text = Fixed(x, decimals);
    return text.empty() ? text : text + unit;
}

std::vector<std::string> Values(const AngleTexts& t) {
    return {t.whole, t.minutes, t.seconds};
}

void AddHorizontalRows(std::vector<InfoPanelRow>& rows, double raHours, double decDegrees,
                       const Instant& instant, const Place& place, const SkyModel& model) {
    const PanelHorizontal h = PanelHorizontalPosition(raHours, decDegrees, instant, place, model);
    const auto text = [](double degrees) {
        return std::isfinite(degrees) ? HorizontalAngleText(degrees) : std::string();
    };
    rows.push_back({"Altitude:", {text(h.altitude)}});
    if (model.Kind() == SkyModelKind::Precise) {
        // The shown altitude is refracted; the true one follows for the observer who wants it.
        rows.push_back({"Geometric altitude:", {text(h.geometricAltitude)}});
    }
    rows.push_back({"Azimuth:", {text(h.azimuth)}});
}

void AddRiseSetRows(std::vector<InfoPanelRow>& rows, const SkyPositionFunction& positionAt,
                    const Instant& instant, const ZoneRule& zone) {
    for (InfoPanelRow& row : RiseSetRows(positionAt, instant, zone)) {
        rows.push_back(std::move(row));
    }
}

constexpr double kUnixEpochJd = 2440587.5;

// The observer's clock time at a Julian day in universal time rounded to the nearest minute,
// read with the named zone's offset in force then or the fixed offset.
SkyDate ClockAtMinute(double jdUt, const ZoneRule& zone) {
    const auto minutes = static_cast<long long>(std::floor((jdUt - kUnixEpochJd) * 1440.0 + 0.5));
    return ObserverClockTime(ClockInstant{std::chrono::seconds{minutes * 60}}, zone);
}

// The same rounded to the nearest second: the chart's own clock time.
SkyDate ClockAtSecond(double jdUt, const ZoneRule& zone) {
    const auto seconds = static_cast<long long>(std::floor((jdUt - kUnixEpochJd) * 86400.0 + 0.5));
    return ObserverClockTime(ClockInstant{std::chrono::seconds{seconds}}, zone);
}

bool SameDay(const SkyDate& a, const SkyDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

} // namespace

std::string ClockTimeText(double jdUt, const ZoneRule& zone) {
    const SkyDate clock = ClockAtMinute(jdUt, zone);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", clock.hour, clock.minute);
    return text;
}

std::string EventTimeText(double jdUt, const Instant& instant, const ZoneRule& zone) {
    const SkyDate event = ClockAtMinute(jdUt, zone);
    std::string text = ClockTimeText(jdUt, zone);
    if (!SameDay(event, ClockAtSecond(instant.ut, zone))) {
        text += " (" + std::to_string(event.day) + " " +
                std::string(MonthAbbreviation(event.month)) + ")";
    }
    return text;
}

std::vector<InfoPanelRow> RiseSetRows(const SkyPositionFunction& positionAt, const Instant& instant,
                                      const ZoneRule& zone) {
    const RiseSetEvents events = FindRiseSet(positionAt, instant.ut);
    const auto time = [&](const std::optional<double>& jd) {
        return jd ? EventTimeText(*jd, instant, zone) : std::string(kNoEventText);
    };
    std::string rise = time(events.rise);
    if (events.kind == RiseSetKind::Circumpolar) {
        rise = kCircumpolarText;
    } else if (events.kind == RiseSetKind::NeverRises) {
        rise = kNeverRisesText;
    }
    std::vector<std::string> culmination = {time(events.culmination)};
    if (events.culmination) {
        culmination.push_back(HorizontalAngleText(events.culminationAltitude));
    }
    return {{"Rise:", {rise}}, {"Culmination:", culmination}, {"Set:", {time(events.set)}}};
}

std::string InfoPanelRow::JoinedValues() const {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            line += ' ';
        }
        line += values[i];
    }
    return line;
}

const InfoPanelRow* InfoPanelContent::Row(std::string_view label) const {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const InfoPanelRow& r) { return r.label == label; });
    return it == rows.end() ? nullptr : &*it;
}

PanelHorizontal PanelHorizontalPosition(double raHours, double decDegrees, const Instant& instant,
                                        const Place& place, const SkyModel& model) {
    const double hourAngle =
        DegToRad(HourAngle(model.SiderealAngle(instant), place.longitudeWest, raHours));
    const double latitude = DegToRad(place.latitudeNorth);
    const double dec = DegToRad(decDegrees);
    const double southernAzimuth =
        RadToDeg(std::atan2(std::sin(hourAngle), std::cos(hourAngle) * std::sin(latitude) -
                                                     std::tan(dec) * std::cos(latitude)));
    const double altitude =
        RadToDeg(std::asin(std::cos(hourAngle) * std::cos(dec) * std::cos(latitude) +
                           std::sin(dec) * std::sin(latitude)));
    // The precise model shows what the eye sees: the altitude lifted by refraction for standard
    // conditions. The classic model shows the true altitude.
    const double shown =
        model.Kind() == SkyModelKind::Precise ? ApparentAltitude(altitude) : altitude;
    return {shown, Normalize360(southernAzimuth + 180.0), altitude};
}

double MoonMagnitude(double k) {
    static constexpr std::array<double, 11> kPhaseTable = {0.0,   -7.7,  -8.8,  -9.5,  -10.0, -10.3,
                                                           -10.6, -10.8, -11.0, -11.2, -11.7};
    if (!(k < 1.0)) { // 1.0 exactly, anything above it, and not-a-number
        return std::isnan(k) ? k : kPhaseTable.back();
    }
    if (k <= 0.0) {
        return kPhaseTable.front();
    }
    const double tenths = 10.0 * k;
    const auto j = static_cast<std::size_t>(tenths); // 0..9 since 0 < k < 1
    const double f = tenths - static_cast<double>(j);
    return kPhaseTable[j] + (kPhaseTable[j + 1] - kPhaseTable[j]) * f;
}

InfoPanelContent StarInfoContent(const CatalogStore& catalog, std::size_t starIndex,
                                 const Instant& instant, const Place& place,
                                 const SkyModel& model) {
    const StarRecord& star = catalog.m_stars.at(starIndex);
    const StarDesignations names = DesignationsOf(star);
    InfoPanelContent content;
    content.title = "Star";
    auto& rows = content.rows;
    rows.push_back({"HR number:", {std::to_string(star.hr)}});
    rows.push_back({"Bayer:", {names.bayer}});
    rows.push_back({"Flamsteed:", {names.flamsteed}});
    rows.push_back({"Proper name:", {std::string(StarNameOf(catalog, star.hr))}});
    rows.push_back({"Right ascension:", Values(RightAscensionTexts(star.ra))});
    rows.push_back({"Declination:", Values(DeclinationTexts(star.dec))});
    AddHorizontalRows(rows, star.ra, star.dec, instant, place, model);
    rows.push_back({"Magnitude:", {Fixed(star.magnitude, 2)}});
    const std::string spectral =
        star.spectralClass != '\0' ? std::string(1, star.spectralClass) : std::string();
    rows.push_back({"Spectral type:", {spectral}});
    AddRiseSetRows(rows, model.FixedPosition(star.ra, star.dec, place), instant, place.zone);
    return content;
}

InfoPanelContent FaintStarInfoContent(const CatalogStore& catalog, std::size_t faintIndex,
                                      const Instant& instant, const Place& place,
                                      const SkyModel& model) {
    const FaintStar& star = catalog.m_faintStars.stars.at(faintIndex);
    InfoPanelContent content;
    content.title = "Star";
    auto& rows = content.rows;
    rows.push_back({"Hipparcos number:", {std::to_string(star.hip)}});
    rows.push_back({"Right ascension:", Values(RightAscensionTexts(star.ra))});
    rows.push_back({"Declination:", Values(DeclinationTexts(star.dec))});
    AddHorizontalRows(rows, star.ra, star.dec, instant, place, model);
    rows.push_back({"Magnitude:", {Fixed(star.magnitude, 2)}});
    rows.push_back({"B-V:", {star.hasBv ? Fixed(star.bv, 3) : std::string()}});
    // The faint stars carry no proper motions: the precise model moves them to the date by
    // precession and nutation only.
    rows.push_back(
        {"Position:",
         {model.Kind() == SkyModelKind::Precise ? "J2000, carried to date without proper motion"
                                                : "J2000"}});
    AddRiseSetRows(rows, model.FixedPosition(star.ra, star.dec, place), instant, place.zone);
    return content;
}

InfoPanelContent BodyInfoContent(const BodyTable& bodies, std::size_t bodyIndex,
                                 const Instant& instant, const Place& place,
                                 const SkyModel& model) {
    const SolarSystemBody& body = bodies.at(bodyIndex);
    const double sunDistance = bodies[kBodySun].earthDistanceAu; // R

    // The planets' texts; the Moon and the Sun replace some of them below.
    std::string fromEarth =
        WithUnit(body.earthDistanceAu * kKmPerAu / kKmPerMillionKm, 1, kMillionKm);
    std::string fromSun = WithUnit(body.sunDistanceAu * kKmPerAu / kKmPerMillionKm, 1, kMillionKm);
    const double r = body.sunDistanceAu;
    const double delta = body.earthDistanceAu;
    const double cosPhase = (r * r + delta * delta - sunDistance * sunDistance) / (2.0 * r * delta);
    std::string illuminated = Fixed((1.0 + cosPhase) / 2.0, 2);
    std::string magnitude;
    std::string angularSize;

    if (bodyIndex == kBodyMoon) {
        const double k = (1.0 + body.cosPhaseAngle) / 2.0;
        fromSun = WithUnit((sunDistance * kKmPerAu + body.cosPhaseAngle * body.earthDistanceKm) /
                               kKmPerMillionKm,
                           1, kMillionKm);
        fromEarth = WithUnit(body.earthDistanceKm, 1, " km");
        angularSize =
            WithUnit(kMoonDiameterArcsecKm / body.earthDistanceKm / kArcsecondsPerArcminute, 2,
                     kArcminuteSign);
        magnitude = Fixed(MoonMagnitude(k), 2);
        illuminated = Fixed(k, 2);
    } else if (bodyIndex == kBodySun) {
        angularSize = WithUnit(kSunDiameterArcsecAu / sunDistance / kArcsecondsPerArcminute, 2,
                               kArcminuteSign);
        magnitude = kSunMagnitudeText;
        fromSun = kNoValueText;
        illuminated = kNoValueText;
    } else {
        const int planet = static_cast<int>(bodyIndex) - 1; // 1 Mercury .. 8 Pluto
        const PlanetAppearanceResult look = PlanetAppearance(planet, r, delta, sunDistance);
        angularSize = WithUnit(look.angularDiameter, 2, kArcsecondSign);
        magnitude = Fixed(look.magnitude, 2);
    }

    InfoPanelContent content;
    content.title = kBodyNames[bodyIndex];
    content.pictureName = content.title;
    auto& rows = content.rows;
    rows.push_back({"Right ascension:", Values(RightAscensionTexts(body.ra))});
    rows.push_back({"Declination:", Values(DeclinationTexts(body.dec))});
    AddHorizontalRows(rows, body.ra, body.dec, instant, place, model);
    rows.push_back({"Distance from Earth:", {fromEarth}});
    rows.push_back({"Distance from Sun:", {fromSun}});
    rows.push_back({"Magnitude:", {magnitude}});
    rows.push_back({"Angular size:", {angularSize}});
    rows.push_back({"Illuminated fraction:", {illuminated}});
    AddRiseSetRows(rows, model.BodyPosition(bodyIndex, place), instant, place.zone);
    return content;
}

InfoPanelContent DeepSkyInfoContent(const CatalogStore& catalog, std::size_t deepSkyIndex,
                                    const Instant& instant, const Place& place,
                                    const SkyModel& model) {
    const DeepSkyRecord& object = catalog.m_deepSky.at(deepSkyIndex);
    const AngleTexts ra = RightAscensionTextsNoSeconds(object.ra);
    const AngleTexts dec = DeclinationTextsNoSeconds(object.dec);
    InfoPanelContent content;
    content.title = "Deep sky object";
    content.pictureName = DeepSkyPictureName(deepSkyIndex, object);
    auto& rows = content.rows;
    rows.push_back({"Catalog number", {DeepSkyTitle(deepSkyIndex, object)}});
    rows.push_back({"Common name:", {DeepSkyCommonName(object)}});
    rows.push_back({"Right ascension:", {ra.whole, ra.minutes}});
    rows.push_back({"Declination:", {dec.whole, dec.minutes}});
    AddHorizontalRows(rows, object.ra, object.dec, instant, place, model);
    rows.push_back({"Magnitude:", {Fixed(object.magnitude, 1)}});
    rows.push_back({"Type:", {std::string(DeepSkyTypeName(object.type))}});
    AddRiseSetRows(rows, model.FixedPosition(object.ra, object.dec, place), instant, place.zone);
    return content;
}
