#include "astro/PreciseEphemeris.h"

#include <array>
#include <cmath>
#include <functional>

#include <erfa.h>
#include <erfam.h>
#include <libnova/pluto.h>

#include "astro/SeriesData.h"

namespace {

// Exact degree conversions (ERFA's constants): the classic engine's own rounded factor would put
// right ascensions off by up to 0.03".
double Radians(double degrees) {
    return degrees * ERFA_DD2R;
}
double Degrees(double radians) {
    return radians * ERFA_DR2D;
}

// Light time for one AU, days (IAU 2012 astronomical unit and c).
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;
// Kilometres per AU.
constexpr double kKmPerAu = ERFA_DAU / 1000.0;
// Obliquity of the ecliptic at J2000.0 that turns Meeus's (FK5) ecliptic coordinates of Pluto
// into equatorial ones: 23 26' 21.448" (Astronomical Algorithms, eq. 22.2 at T = 0).
constexpr double kObliquityJ2000Arcsec = 84381.448;
// Light-time iterations: the second uses the distance of the first, off by the radial motion
// over the light time (about 1e-4 of it); the place that results is off by metres.
constexpr int kLightTimeSteps = 2;
// Days per Julian millennium and century.
constexpr double kDaysPerMillennium = 365250.0;
constexpr double kDaysPerCentury = 36525.0;

Vector3 Minus(const Vector3& a, const Vector3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
double Norm(const Vector3& a) {
    return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
}
Vector3 Scaled(const Vector3& a, double s) {
    return {a[0] * s, a[1] * s, a[2] * s};
}
Vector3 Rotated(const Matrix3& m, const Vector3& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The ecliptic and equinox J2000 of the series turned to the ICRS: first to the FK5 equator
// (Bretagnon & Francou's own rotation for VSOP87, its small terms tie the dynamical equinox to
// the FK5 one), then the frame bias from the mean J2000 equator to the ICRS (IAU 2006).
Matrix3 EclipticToIcrs() {
    const Matrix3 toFk5 = {{{1.0, 0.000000440360, -0.000000190919},
                            {-0.000000479966, 0.917482137087, -0.397776982902},
                            {0.0, 0.397776982902, 0.917482137087}}};
    double rb[3][3];
    double rp[3][3];
    double rbp[3][3];
    eraBp06(ERFA_DJ00, 0.0, rb, rp, rbp);
    Matrix3 m{};
    // rb turns ICRS into mean J2000, so its transpose turns mean J2000 into ICRS.
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            for (int k = 0; k < 3; ++k) {
                m[i][j] += rb[k][i] * toFk5[k][j];
            }
        }
    }
    return m;
}

const Matrix3& EclipticToIcrsMatrix() {
    static const Matrix3 matrix = EclipticToIcrs();
    return matrix;
}

// Sum of one VSOP87 coordinate, tau in Julian millennia from J2000. The terms are ordered by
// power of tau, so the powers are folded in as the sum goes.
double VsopSum(const VsopSeries& series, double tau) {
    double total = 0.0;
    double part = 0.0;
    int alpha = 0;
    for (std::size_t i = 0; i < series.count; ++i) {
        const VsopTerm& term = series.terms[i];
        while (alpha < term.alpha) {
            total += part * std::pow(tau, alpha);
            part = 0.0;
            ++alpha;
        }
        part += term.a * std::cos(term.b + term.c * tau);
    }
    return total + part * std::pow(tau, alpha);
}

Vector3 SphericalToIcrs(double l, double b, double r) {
    const Vector3 ecliptic = {r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l),
                              r * std::sin(b)};
    return Rotated(EclipticToIcrsMatrix(), ecliptic);
}

// Heliocentric position of a VSOP87 planet (AU, ICRS axes) at TT tt1 + tt2.
Vector3 VsopPosition(const VsopPlanet& planet, double tt1, double tt2) {
    const double tau = ((tt1 - ERFA_DJ00) + tt2) / kDaysPerMillennium;
    return SphericalToIcrs(VsopSum(planet.lbr[0], tau), VsopSum(planet.lbr[1], tau),
                           VsopSum(planet.lbr[2], tau));
}

// Sum of one ELP/MPP02 coordinate, T in Julian centuries from J2000 (terms ordered by power).
double ElpSum(const ElpSeriesPart& series, double t) {
    double total = 0.0;
    double part = 0.0;
    int power = 0;
    for (std::size_t i = 0; i < series.count; ++i) {
        const ElpTerm& term = series.terms[i];
        while (power < term.power) {
            total += part * std::pow(t, power);
            part = 0.0;
            ++power;
        }
        const auto& k = term.coefficients;
        part += k[0] * std::sin(k[1] + t * (k[2] + t * (k[3] + t * (k[4] + t * k[5]))));
    }
    return total + part * std::pow(t, power);
}

// The Moon's geocentric position (AU, ICRS axes) at TT tt1 + tt2 from ELP/MPP02: longitude and
// latitude on the mean ecliptic of date, turned to the inertial ecliptic J2000 by Laskar's
// precession quantities P and Q (as the theory's authors give them), then to the ICRS.
Vector3 ElpMoonPosition(double tt1, double tt2) {
    const double t = ((tt1 - ERFA_DJ00) + tt2) / kDaysPerCentury;
    const auto& w = kElpMoon.meanLongitude;
    const double l = w[0] + t * (w[1] + t * (w[2] + t * (w[3] + t * w[4]))) +
                     ElpSum(kElpMoon.lbr[0], t) * ERFA_DAS2R;
    const double b = ElpSum(kElpMoon.lbr[1], t) * ERFA_DAS2R;
    const double r = ElpSum(kElpMoon.lbr[2], t) / kKmPerAu;
    const Vector3 ofDate = {r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l),
                            r * std::sin(b)};
    const double p =
        t * (0.10180391e-4 +
             t * (0.47020439e-6 + t * (-0.5417367e-9 + t * (-0.2507948e-11 + t * 0.463486e-14))));
    const double q =
        t * (-0.113469002e-3 +
             t * (0.12372674e-6 + t * (0.1265417e-8 + t * (-0.1371808e-11 + t * -0.320334e-14))));
    const double sq = std::sqrt(1.0 - p * p - q * q);
    const Matrix3 laskar = {{{1.0 - 2.0 * p * p, 2.0 * p * q, 2.0 * p * sq},
                             {2.0 * p * q, 1.0 - 2.0 * q * q, -2.0 * q * sq},
                             {-2.0 * p * sq, 2.0 * q * sq, 1.0 - 2.0 * p * p - 2.0 * q * q}}};
    return Rotated(EclipticToIcrsMatrix(), Rotated(laskar, ofDate));
}

// Heliocentric position of body `index` (AU, ICRS axes) at TT tt1 + tt2.
Vector3 HeliocentricPosition(std::size_t index, double tt1, double tt2) {
    if (index == kBodyPluto) {
        ln_helio_posn helio{};
        ln_get_pluto_helio_coords(tt1 + tt2, &helio);
        const double l = Radians(helio.L);
        const double b = Radians(helio.B);
        const double eps = kObliquityJ2000Arcsec * ERFA_DAS2R;
        const double x = helio.R * std::cos(b) * std::cos(l);
        const double y = helio.R * std::cos(b) * std::sin(l);
        const double z = helio.R * std::sin(b);
        return {x, y * std::cos(eps) - z * std::sin(eps), y * std::sin(eps) + z * std::cos(eps)};
    }
    return VsopPosition(kVsopPlanets[index - kBodyMercury], tt1, tt2);
}

// The apparent direction of date of a geocentric vector `d` whose light left the body at the
// instant it describes: aberration for the Earth's motion, then precession-nutation.
Vector3 ApparentOfGeocentric(const ApparentPlaceFrame& frame, const Vector3& d) {
    return ApparentDirection(frame, Scaled(d, 1.0 / Norm(d)));
}

SolarSystemBody BodyOf(const Vector3& apparent, double sunDistanceAu, double earthDistanceAu) {
    SolarSystemBody body;
    RaDecOf(apparent, body.ra, body.dec);
    body.sunDistanceAu = sunDistanceAu;
    body.earthDistanceAu = earthDistanceAu;
    return body;
}

// The Moon's geocentric position (AU, GCRS) when the light now arriving left it.
Vector3 MoonGeocentric(const PreciseInstant& instant) {
    const double lightTime = Norm(ElpMoonPosition(instant.tt1, instant.tt2)) * kLightDaysPerAu;
    return ElpMoonPosition(instant.tt1, instant.tt2 - lightTime);
}

} // namespace

ApparentPlaceFrame ApparentPlaceFrameOf(const PreciseInstant& instant) {
    // The searches of a night ask again for instants they have asked for (the highest point of
    // every body is sought on one grid; the Sun and the Moon are sampled on one): the frames of
    // the last instants are kept, per thread, and given back unchanged.
    struct Kept {
        double tt1 = std::nan("");
        double tt2 = std::nan("");
        ApparentPlaceFrame frame;
    };
    thread_local std::array<Kept, 256> kept;
    Kept& slot = kept[std::hash<double>{}(instant.tt1 + instant.tt2) % kept.size()];
    if (slot.tt1 == instant.tt1 && slot.tt2 == instant.tt2) {
        return slot.frame;
    }
    ApparentPlaceFrame& frame = slot.frame;
    slot.tt1 = instant.tt1;
    slot.tt2 = instant.tt2;
    double rbpn[3][3];
    eraPnm06a(instant.tt1, instant.tt2, rbpn);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            frame.rbpn[i][j] = rbpn[i][j];
        }
    }
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(instant.tt1, instant.tt2, pvh, pvb);
    double v2 = 0.0;
    for (int i = 0; i < 3; ++i) {
        frame.earthHelio[i] = pvh[0][i];
        frame.earthVelocity[i] = pvb[1][i] * kLightDaysPerAu;
        v2 += frame.earthVelocity[i] * frame.earthVelocity[i];
    }
    frame.sunDistance = Norm(frame.earthHelio);
    frame.bm1 = std::sqrt(1.0 - v2);
    return frame;
}

Vector3 ApparentDirection(const ApparentPlaceFrame& frame, const Vector3& p) {
    double pnat[3] = {p[0], p[1], p[2]};
    double v[3] = {frame.earthVelocity[0], frame.earthVelocity[1], frame.earthVelocity[2]};
    double ppr[3];
    eraAb(pnat, v, frame.sunDistance, frame.bm1, ppr);
    return Rotated(frame.rbpn, {ppr[0], ppr[1], ppr[2]});
}

Vector3 UnitVectorOf(double raHours, double decDegrees) {
    const double ra = Radians(15.0 * raHours);
    const double dec = Radians(decDegrees);
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

void RaDecOf(const Vector3& v, double& raHours, double& decDegrees) {
    double p[3] = {v[0], v[1], v[2]};
    double ra = 0.0;
    double dec = 0.0;
    eraC2s(p, &ra, &dec);
    raHours = Degrees(eraAnp(ra)) / 15.0;
    if (raHours >= 24.0) { // eraAnp gives [0, 2 pi); the conversion can round up to 24
        raHours -= 24.0;
    }
    decDegrees = Degrees(dec);
}

double ApparentSiderealDegrees(const PreciseInstant& instant) {
    return ApparentSiderealDegrees(instant, ApparentPlaceFrameOf(instant));
}

double ApparentSiderealDegrees(const PreciseInstant& instant, const ApparentPlaceFrame& frame) {
    // eraGst06a with the bias-precession-nutation matrix already at hand (the nutation series
    // is the costly part).
    double rnpb[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            rnpb[i][j] = frame.rbpn[i][j];
        }
    }
    const double degrees =
        Degrees(eraGst06(instant.ut1, instant.ut2, instant.tt1, instant.tt2, rnpb));
    return degrees >= 360.0 ? degrees - 360.0 : degrees;
}

SolarSystemBody PreciseGeocentricBody(std::size_t index, const PreciseInstant& instant,
                                      const ApparentPlaceFrame& frame) {
    if (index == kBodySun) {
        // The Sun's own motion during the 8 minutes of light time is below 0.01".
        const Vector3 toSun = Scaled(frame.earthHelio, -1.0);
        return BodyOf(ApparentOfGeocentric(frame, toSun), 0.0, Norm(toSun));
    }
    // The planet where its light left it, seen from where the Earth is now. The Sun's
    // barycentric motion during the light time (under 0.01") is left out.
    double lightTime = 0.0;
    Vector3 helio{};
    Vector3 geo{};
    for (int step = 0; step < kLightTimeSteps; ++step) {
        helio = HeliocentricPosition(index, instant.tt1, instant.tt2 - lightTime);
        geo = Minus(helio, frame.earthHelio);
        lightTime = Norm(geo) * kLightDaysPerAu;
    }
    // The Sun's gravity bends the light of a planet near it (0.4" at one degree): the
    // deflection for a source at the planet's distance, then aberration and precession-nutation.
    const Vector3 p = Scaled(geo, 1.0 / Norm(geo));
    const Vector3 q = Scaled(helio, 1.0 / Norm(helio));
    const Vector3 e = Scaled(frame.earthHelio, 1.0 / frame.sunDistance);
    double pd[3] = {p[0], p[1], p[2]};
    double qd[3] = {q[0], q[1], q[2]};
    double ed[3] = {e[0], e[1], e[2]};
    double deflected[3];
    // dlim 1e-9 as ERFA's own apparent-place routines use for the Sun.
    eraLd(1.0, pd, qd, ed, frame.sunDistance, 1e-9, deflected);
    return BodyOf(ApparentDirection(frame, {deflected[0], deflected[1], deflected[2]}), Norm(helio),
                  Norm(geo));
}

namespace {

// The Moon's table entry from its geocentric position one light time ago (AU, GCRS).
SolarSystemBody MoonOfGeocentric(const ApparentPlaceFrame& frame, const Vector3& geo) {
    const Vector3 toSun = Scaled(frame.earthHelio, -1.0);
    const Vector3 moonToSun = Minus(toSun, geo);
    const Vector3 moonToEarth = Scaled(geo, -1.0);
    const double cosPhase = (moonToSun[0] * moonToEarth[0] + moonToSun[1] * moonToEarth[1] +
                             moonToSun[2] * moonToEarth[2]) /
                            (Norm(moonToSun) * Norm(moonToEarth));
    SolarSystemBody moon;
    RaDecOf(Rotated(frame.rbpn, geo), moon.ra, moon.dec);
    moon.earthDistanceKm = Norm(geo) * kKmPerAu;
    moon.cosPhaseAngle = cosPhase;
    return moon;
}

} // namespace

SolarSystemBody PreciseGeocentricMoon(const PreciseInstant& instant,
                                      const ApparentPlaceFrame& frame) {
    // In the geocentric frame the Moon's light-time displacement and the annual aberration of
    // the Earth's motion cancel: the apparent Moon is its geometric place one light time ago.
    return MoonOfGeocentric(frame, MoonGeocentric(instant));
}

SolarSystemBody PreciseTopocentricMoon(const PreciseInstant& instant,
                                       const ApparentPlaceFrame& frame, double gastDegrees,
                                       double longitudeWest, double latitude) {
    const Vector3 geo = MoonGeocentric(instant);
    SolarSystemBody moon = MoonOfGeocentric(frame, geo);
    const Vector3 geoOfDate = Rotated(frame.rbpn, geo);
    double terrestrial[3];
    eraGd2gc(ERFA_WGS84, Radians(-longitudeWest), Radians(latitude), 0.0, terrestrial);
    // The observer in the true equator and equinox of date: the terrestrial vector turned by
    // the apparent sidereal angle (polar motion, below 0.5", left out). Metres to AU.
    const double theta = Radians(gastDegrees);
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const Vector3 observer = {(c * terrestrial[0] - s * terrestrial[1]) / ERFA_DAU,
                              (s * terrestrial[0] + c * terrestrial[1]) / ERFA_DAU,
                              terrestrial[2] / ERFA_DAU};
    RaDecOf(Minus(geoOfDate, observer), moon.ra, moon.dec);
    return moon;
}

void PreciseBodies(const PreciseInstant& instant, const ApparentPlaceFrame& frame,
                   double gastDegrees, double longitudeWest, double latitude, BodyTable& bodies) {
    bodies[kBodyMoon] =
        PreciseTopocentricMoon(instant, frame, gastDegrees, longitudeWest, latitude);
    for (std::size_t index = kBodySun; index < kBodyCount; ++index) {
        bodies[index] = PreciseGeocentricBody(index, instant, frame);
    }
}
