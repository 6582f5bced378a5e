#include "astro/RiseSet.h"

#include "astro/Angles.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kSampleStep = 10.0 / kMinutesPerDay; // days
constexpr double kSearchSpan = 26.0 / 24.0;           // days
constexpr double kTimeTolerance = 0.5 / 86400.0;      // days

double SignedHourAngle(double degrees) {
    double h = std::fmod(degrees, 360.0);
    if (h > 180.0) {
        h -= 360.0;
    } else if (h <= -180.0) {
        h += 360.0;
    }
    return h;
}

double AboveStandard(const ObjectSkyPosition& p) {
    return p.altitude - p.standardAltitude;
}

// Halves [a, b] where f changes sign from f(a) to f(b) until it is below the tolerance; returns
// the middle of the last interval.
template <typename F> double Bisect(const F& f, double a, double b) {
    const bool risingAtB = f(b) > 0.0;
    // 10 minutes halved 11 times is below 0.3 s: the loop bound is never reached.
    for (int i = 0; i < 60 && b - a > kTimeTolerance; ++i) {
        const double m = 0.5 * (a + b);
        if ((f(m) > 0.0) == risingAtB) {
            b = m;
        } else {
            a = m;
        }
    }
    return 0.5 * (a + b);
}

using Samples = PositionSamples;

Samples Sample(const SkyPositionFunction& positionAt, double from, double span = kSearchSpan) {
    Samples s;
    const int count = static_cast<int>(std::ceil(span / kSampleStep)) + 1;
    s.t.reserve(static_cast<std::size_t>(count));
    s.p.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = from + i * kSampleStep;
        s.t.push_back(t);
        s.p.push_back(positionAt(t));
    }
    return s;
}

// First crossing of the standard altitude (or of `altitude`) in the given direction.
std::optional<double> Crossing(const SkyPositionFunction& positionAt, const Samples& s, bool upward,
                               std::optional<double> altitude = std::nullopt) {
    const auto above = [&altitude](const ObjectSkyPosition& p) {
        return altitude ? p.altitude - *altitude : AboveStandard(p);
    };
    const auto f = [&](double t) { return above(positionAt(t)); };
    for (std::size_t i = 0; i + 1 < s.t.size(); ++i) {
        const double a = above(s.p[i]);
        const double b = above(s.p[i + 1]);
        if (upward ? (a <= 0.0 && b > 0.0) : (a > 0.0 && b <= 0.0)) {
            return Bisect(f, s.t[i], s.t[i + 1]);
        }
    }
    return std::nullopt;
}

// First upper transit: the hour angle passes from negative to positive (not across 180).
std::optional<double> Transit(const SkyPositionFunction& positionAt, const Samples& s) {
    const auto f = [&](double t) { return SignedHourAngle(positionAt(t).hourAngle); };
    for (std::size_t i = 0; i + 1 < s.t.size(); ++i) {
        const double a = SignedHourAngle(s.p[i].hourAngle);
        const double b = SignedHourAngle(s.p[i + 1].hourAngle);
        if (a <= 0.0 && b > 0.0 && b - a < 90.0) {
            return Bisect(f, s.t[i], s.t[i + 1]);
        }
    }
    return std::nullopt;
}

void SetCulmination(RiseSetEvents& events, const SkyPositionFunction& positionAt,
                    std::optional<double> transit) {
    events.culmination = transit;
    if (transit) {
        const ObjectSkyPosition p = positionAt(*transit);
        events.culminationAltitude = p.shownAltitude.value_or(p.altitude);
    }
}

} // namespace

double MoonStandardAltitude(double horizontalParallaxDegrees) {
    return 0.7275 * horizontalParallaxDegrees - 34.0 / 60.0;
}

RiseSetEvents FindRiseSet(const SkyPositionFunction& positionAt, double startJd) {
    RiseSetEvents events;
    const Samples first = Sample(positionAt, startJd);
    events.rise = Crossing(positionAt, first, true);
    if (events.rise) {
        events.kind = RiseSetKind::Rises;
        const Samples after = Sample(positionAt, *events.rise);
        events.set = Crossing(positionAt, after, false);
        SetCulmination(events, positionAt, Transit(positionAt, after));
        return events;
    }
    bool allAbove = true;
    bool allBelow = true;
    for (const ObjectSkyPosition& p : first.p) {
        (AboveStandard(p) > 0.0 ? allBelow : allAbove) = false;
    }
    // Up now and setting, but not rising again within the search: only the set is known.
    events.kind = allBelow ? RiseSetKind::NeverRises
                           : (allAbove ? RiseSetKind::Circumpolar : RiseSetKind::Rises);
    if (events.kind == RiseSetKind::Rises) {
        events.set = Crossing(positionAt, first, false);
    }
    SetCulmination(events, positionAt, Transit(positionAt, first));
    return events;
}

std::optional<double> FindCrossing(const SkyPositionFunction& positionAt, double startJd,
                                   double spanDays, bool upward) {
    // The samples Sample takes, each taken only when the ones before hold no crossing.
    const auto f = [&](double t) { return AboveStandard(positionAt(t)); };
    const int count = static_cast<int>(std::ceil(spanDays / kSampleStep)) + 1;
    double a = f(startJd);
    for (int i = 1; i < count; ++i) {
        const double t = startJd + i * kSampleStep;
        const double b = f(t);
        if (upward ? (a <= 0.0 && b > 0.0) : (a > 0.0 && b <= 0.0)) {
            return Bisect(f, startJd + (i - 1) * kSampleStep, t);
        }
        a = b;
    }
    return std::nullopt;
}

PositionSamples SamplePositions(const SkyPositionFunction& positionAt, double startJd,
                                double spanDays) {
    return Sample(positionAt, startJd, spanDays);
}

std::optional<double> FindCrossingIn(const SkyPositionFunction& positionAt,
                                     const PositionSamples& samples, bool upward,
                                     std::optional<double> altitude) {
    return Crossing(positionAt, samples, upward, altitude);
}

ObjectSkyPosition PlaceForSidereal(double raHours, double decDegrees, double siderealDegrees,
                                   double longitude, double latitude, double standardAltitude) {
    const double hourAngle = siderealDegrees - longitude - 15.0 * raHours;
    const double h = DegToRad(hourAngle);
    const double d = DegToRad(decDegrees);
    const double phi = DegToRad(latitude);
    const double sinAlt = std::sin(d) * std::sin(phi) + std::cos(d) * std::cos(phi) * std::cos(h);
    return {RadToDeg(std::asin(std::fmax(-1.0, std::fmin(1.0, sinAlt)))), standardAltitude,
            hourAngle, std::nullopt};
}
