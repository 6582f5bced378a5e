#include "planning/AltitudeDay.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "astro/ClockTime.h"
#include "astro/Instant.h"
#include "astro/SkySession.h"
#include "texts/InfoPanelText.h"

namespace {

constexpr double kUnixEpochJd = 2440587.5;

ClockInstant InstantAt(double jd) {
    return ClockInstant{
        std::chrono::seconds(static_cast<long long>(std::llround((jd - kUnixEpochJd) * 86400.0)))};
}

struct RaDec {
    double ra = 0.0;
    double dec = 0.0;
};

RaDec PositionOf(const SkySession& session, const PlannedObject& object) {
    switch (object.kind) {
    case PlannedKind::Star: {
        const StarRecord& s = session.Catalog().m_stars.at(object.index);
        return {s.ra, s.dec};
    }
    case PlannedKind::DeepSky: {
        const DeepSkyRecord& d = session.Catalog().m_deepSky.at(object.index);
        return {d.ra, d.dec};
    }
    case PlannedKind::Body:
        break;
    }
    const SolarSystemBody& b = session.Sky().m_bodies.at(object.index);
    return {b.ra, b.dec};
}

PanelHorizontal HorizontalOf(const SkySession& session, const PlannedObject& object) {
    const RaDec p = PositionOf(session, object);
    return PanelHorizontalPosition(p.ra, p.dec, session.Now(), session.Place(), session.Model());
}

} // namespace

AltitudeDay ComputeAltitudeDay(SkySession& session, const PlannedObject& object) {
    const SkyDate own = session.ClockTime();
    const ZoneRule zone = session.Place().zone;
    AltitudeDay day;
    day.startJd =
        InstantOf(CarriedClockTime(SkyDate{own.year, own.month, own.day, 12, 0, 0}), zone).ut;
    day.endJd =
        InstantOf(CarriedClockTime(SkyDate{own.year, own.month, own.day + 1, 12, 0, 0}), zone).ut;
    const double step = kAltitudeStepMinutes / 1440.0;
    const auto steps = static_cast<int>(std::llround((day.endJd - day.startJd) / step));
    for (int i = 0; i <= steps; ++i) {
        const double jd = std::min(day.startJd + i * step, day.endJd);
        session.SetClockTime(ObserverClockTime(InstantAt(jd), zone));
        const PanelHorizontal h = HorizontalOf(session, object);
        day.object.push_back({jd, h.altitude, h.azimuth});
        day.moonAltitude.push_back(HorizontalOf(session, {PlannedKind::Body, kBodyMoon}).altitude);
        day.sunAltitude.push_back(HorizontalOf(session, {PlannedKind::Body, kBodySun}).altitude);
    }
    session.SetClockTime(own);
    return day;
}

std::optional<AltitudePoint> HighestPoint(const AltitudeDay& day) {
    const auto it = std::max_element(
        day.object.begin(), day.object.end(),
        [](const AltitudePoint& a, const AltitudePoint& b) { return a.altitude < b.altitude; });
    return it == day.object.end() ? std::nullopt : std::optional(*it);
}
