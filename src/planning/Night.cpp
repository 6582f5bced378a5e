#include "planning/Night.h"

#include <algorithm>
#include <cmath>

#include "astro/ClockTime.h"
#include "astro/Instant.h"
#include "astro/SkyModel.h"
#include "astro/SkyState.h"

namespace {

constexpr double kUnixEpochJd = 2440587.5;

// The Sun's position function with the altitude of interest as its standard altitude, so that
// the rise/set search finds the Sun crossing that altitude.
SkyPositionFunction SunAt(const SkyPositionFunction& sun, double altitude) {
    return [sun, altitude](double jd) {
        ObjectSkyPosition p = sun(jd);
        p.standardAltitude = altitude;
        return p;
    };
}

bool Above(const ObjectSkyPosition& p) {
    return p.altitude > p.standardAltitude;
}

// The Sun's passages through `altitude`, searched on the span's one set of samples.
NightPair Crossings(const SkyPositionFunction& sun, const PositionSamples& samples,
                    double altitude) {
    return {FindCrossingIn(sun, samples, false, altitude),
            FindCrossingIn(sun, samples, true, altitude)};
}

SunStays Stays(const NightPair& pair, const SkyPositionFunction& positionAt, double noon) {
    if (pair.evening || pair.morning) {
        return SunStays::Crosses;
    }
    return Above(positionAt(noon)) ? SunStays::Above : SunStays::Below;
}

SkyDate NoonOf(int year, int month, int day) {
    return CarriedClockTime(SkyDate{year, month, day, 12, 0, 0});
}

} // namespace

NightReport ComputeNight(const SkyDate& date, const Place& place, const SkyModel& model) {
    NightReport night;
    night.noonJd = InstantOf(NoonOf(date.year, date.month, date.day), place.zone).ut;
    night.nextNoonJd = InstantOf(NoonOf(date.year, date.month, date.day + 1), place.zone).ut;
    const double span = night.nextNoonJd - night.noonJd;

    const SkyPositionFunction sun = model.BodyPosition(kBodySun, place);
    const SkyPositionFunction horizon = SunAt(sun, kSunStandardAltitude);
    const SkyPositionFunction astronomical = SunAt(sun, kAstronomicalTwilightAltitude);
    // The Sun is sampled once for the horizon and the three twilights.
    const PositionSamples sunSamples = SamplePositions(sun, night.noonJd, span);
    night.sun = Crossings(sun, sunSamples, kSunStandardAltitude);
    night.civil = Crossings(sun, sunSamples, kCivilTwilightAltitude);
    night.nautical = Crossings(sun, sunSamples, kNauticalTwilightAltitude);
    night.astronomical = Crossings(sun, sunSamples, kAstronomicalTwilightAltitude);
    night.sunAtHorizon = Stays(night.sun, horizon, night.noonJd);
    night.sunAtAstronomical = Stays(night.astronomical, astronomical, night.noonJd);

    const SkyPositionFunction moon = model.BodyPosition(kBodyMoon, place);
    const PositionSamples moonSamples = SamplePositions(moon, night.noonJd, span);
    night.moonrise = FindCrossingIn(moon, moonSamples, true);
    night.moonset = FindCrossingIn(moon, moonSamples, false);

    // The phase at the middle of the night.
    const double middle = 0.5 * (night.noonJd + night.nextNoonJd);
    const ClockInstant middleInstant{std::chrono::seconds(
        static_cast<long long>(std::llround((middle - kUnixEpochJd) * 86400.0)))};
    SkyState sky;
    model.ComputeSky(RecomputeForm::FirstUpdate,
                     SkyRequestOf(ObserverClockTime(middleInstant, place.zone), place), sky);
    const SolarSystemBody& m = sky.m_bodies[kBodyMoon];
    night.moonIllumination = 0.5 * (1.0 + m.cosPhaseAngle);
    // Waxing while the Moon stands east of the Sun by less than half a turn of right ascension.
    const double eastOfSun = std::fmod(m.ra - sky.m_bodies[kBodySun].ra + 48.0, 24.0);
    night.moonWaxing = eastOfSun < 12.0;

    // Dark stretches: the span cut at every event that can start or end one; each piece is dark
    // or not throughout, judged at its middle.
    std::vector<double> cuts = {night.noonJd, night.nextNoonJd};
    for (const std::optional<double>& t :
         {night.astronomical.evening, night.astronomical.morning, night.moonrise, night.moonset}) {
        if (t) {
            cuts.push_back(*t);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double mid = 0.5 * (cuts[i] + cuts[i + 1]);
        if (cuts[i + 1] <= cuts[i] || Above(astronomical(mid)) || Above(moon(mid))) {
            continue;
        }
        if (!night.dark.empty() && night.dark.back().end == cuts[i]) {
            night.dark.back().end = cuts[i + 1];
        } else {
            night.dark.push_back({cuts[i], cuts[i + 1]});
        }
    }
    return night;
}

std::string MoonPhaseName(double illumination, bool waxing) {
    if (illumination < 0.03) {
        return "New Moon";
    }
    if (illumination > 0.97) {
        return "Full Moon";
    }
    if (std::fabs(illumination - 0.5) <= 0.05) {
        return waxing ? "First Quarter" : "Last Quarter";
    }
    const std::string shape = illumination < 0.5 ? "Crescent" : "Gibbous";
    return (waxing ? "Waxing " : "Waning ") + shape;
}

std::vector<std::string> PolarNotes(const NightReport& report) {
    std::vector<std::string> notes;
    if (report.sunAtHorizon == SunStays::Above) {
        notes.emplace_back("the Sun does not set");
    } else if (report.sunAtHorizon == SunStays::Below) {
        notes.emplace_back("the Sun does not rise");
    }
    if (report.sunAtAstronomical == SunStays::Above) {
        notes.emplace_back("no astronomical darkness");
    }
    return notes;
}
