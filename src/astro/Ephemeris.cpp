#include "astro/Ephemeris.h"

#include <cmath>

#include "astro/Angles.h"

namespace {

double SinDeg(double degrees) {
    return std::sin(DegToRad(degrees));
}
double CosDeg(double degrees) {
    return std::cos(DegToRad(degrees));
}
double TanDeg(double degrees) {
    return std::tan(DegToRad(degrees));
}

// Julian day of 2000 January 1.5 (J2000) and of 1900 January 0.5, and days per Julian century.
constexpr double kJ2000 = 2451545.0;
constexpr double kJ1900 = 2415020.0;
constexpr double kDaysPerCentury = 36525.0;

// Equatorial radius of the Earth, km.
constexpr double kEarthRadiusKm = 6378.14;

// The fixed angle that turns the planets' ecliptic coordinates into equatorial ones, radians
// (23.4292926 degrees, the same for every date).
constexpr double kPlanetObliquity = 0.40891829805855606;

// Kepler's equation works in degrees; this turns the eccentricity (radians) into degrees.
constexpr double kDegreesPerRadianForKepler = 180.0 / 3.1415926535898;
constexpr double kTwoPi = 6.2831853071796;

// Newton's method on Kepler's equation from E = M converges for every eccentricity below 1 in
// a handful of steps (fewer than ten for the planets' e <= 0.26). The cap is only a safety valve
// for input that is not an orbit (e >= 1, not-a-number), where the step never becomes small; it
// is far beyond anything a valid input needs, so it never changes a valid result.
constexpr int kKeplerIterationCap = 1000;

// One periodic term of the lunar series: coefficient x sin or cos of
// (d D + m M + mp M' + f F); with usesE the coefficient is also multiplied by E.
struct LunarTerm {
    double coefficient;
    int d;
    int m;
    int mp;
    int f;
    bool usesE;
};

// Longitude of the Moon: 29 terms.
constexpr LunarTerm kLongitudeTerms[] = {
    {6.2888, 0, 0, 1, 0, false},   // M'
    {1.274, 2, 0, -1, 0, false},   // 2D - M'
    {0.6583, 2, 0, 0, 0, false},   // 2D
    {0.2136, 0, 0, 2, 0, false},   // 2M'
    {-0.1856, 0, 1, 0, 0, true},   // M
    {-0.1143, 0, 0, 0, 2, false},  // 2F
    {0.0588, 2, 0, -2, 0, false},  // 2D - 2M'
    {0.0572, 2, -1, -1, 0, true},  // 2D - M - M'
    {0.0533, 2, 0, 1, 0, false},   // 2D + M'
    {0.0459, 2, -1, 0, 0, true},   // 2D - M
    {0.041, 0, -1, 1, 0, true},    // M' - M
    {-0.0348, 1, 0, 0, 0, false},  // D
    {-0.0305, 0, 1, 1, 0, true},   // M' + M
    {0.0153, 2, 0, 0, -2, false},  // 2D - 2F
    {-0.0125, 0, 0, 1, 2, false},  // 2F + M'
    {-0.011, 0, 0, -1, 2, false},  // 2F - M'
    {0.0107, 4, 0, -1, 0, false},  // 4D - M'
    {0.01, 0, 0, 3, 0, false},     // 3M'
    {0.0086, 4, 0, -2, 0, false},  // 4D - 2M'
    {-0.0079, 2, 1, -1, 0, true},  // 2D + M - M'
    {-0.0068, 2, 1, 0, 0, true},   // 2D + M
    {0.0052, -1, 0, 1, 0, false},  // M' - D
    {0.005, 1, 1, 0, 0, true},     // M + D
    {0.0041, 2, -1, 1, 0, true},   // 2D + M' - M
    {0.004, 2, 0, 2, 0, false},    // 2D + 2M'
    {0.0039, 4, 0, 0, 0, false},   // 4D
    {-0.0037, -2, 0, 3, 0, false}, // 3M' - 2D
    {0.0027, 0, -1, 2, 0, true},   // 2M' - M
    {0.0026, -2, 0, 1, -2, false}, // M' - 2D - 2F
};

// Latitude of the Moon: 16 terms.
constexpr LunarTerm kLatitudeTerms[] = {
    {5.1282, 0, 0, 0, 1, false},   // F
    {0.2806, 0, 0, 1, 1, false},   // M' + F
    {0.2777, 0, 0, 1, -1, false},  // M' - F
    {0.1732, 2, 0, 0, -1, false},  // 2D - F
    {0.0554, 2, 0, -1, 1, false},  // 2D + F - M'
    {0.0463, 2, 0, -1, -1, false}, // 2D - F - M'
    {0.0326, 2, 0, 0, 1, false},   // 2D + F
    {0.0172, 0, 0, 2, 1, false},   // 2M' + F
    {0.0093, 2, 0, 1, -1, false},  // 2D + M' - F
    {0.0088, 0, 0, 2, -1, false},  // 2M' - F
    {0.0083, 2, -1, 0, -1, true},  // 2D - M - F
    {0.0043, 2, 0, -2, -1, false}, // 2D - 2M' - F
    {0.0042, 2, 0, 1, 1, false},   // 2D + M' + F
    {0.0034, -2, -1, 0, 1, true},  // F - M - 2D
    {0.0025, 2, -1, -1, 1, true},  // 2D + F - M - M'
    {0.0022, 2, -1, 0, 1, true},   // 2D + F - M
};

// Parallax of the Moon: constant plus 10 cosine terms.
constexpr double kParallaxConstant = 0.95075;
constexpr LunarTerm kParallaxTerms[] = {
    {0.0518, 0, 0, 1, 0, false},  // M'
    {0.0095, 2, 0, -1, 0, false}, // 2D - M'
    {0.0078, 2, 0, 0, 0, false},  // 2D
    {0.0028, 0, 0, 2, 0, false},  // 2M'
    {0.0009, 2, 0, 1, 0, false},  // 2D + M'
    {0.0005, 2, -1, 0, 0, true},  // 2D - M
    {0.0004, 2, -1, -1, 0, true}, // 2D - M - M'
    {0.0003, 0, -1, 1, 0, true},  // M' - M
    {-0.0003, 1, 0, 0, 0, false}, // D
    {-0.0003, 0, 1, 1, 0, true},  // M + M'
};

struct LunarArguments {
    double d;  // mean elongation D
    double m;  // the Sun's mean anomaly M
    double mp; // the Moon's mean anomaly M'
    double f;  // argument of latitude F
    double e;  // eccentricity factor E
};

// The argument of a term in degrees, summed in the order D, M, M', F.
double TermArgument(const LunarTerm& term, const LunarArguments& args) {
    return term.d * args.d + term.m * args.m + term.mp * args.mp + term.f * args.f;
}

template <std::size_t N> double SumSines(const LunarTerm (&terms)[N], const LunarArguments& args) {
    double sum = 0.0;
    for (const LunarTerm& term : terms) {
        const double coefficient = term.usesE ? term.coefficient * args.e : term.coefficient;
        sum += coefficient * SinDeg(TermArgument(term, args));
    }
    return sum;
}

template <std::size_t N>
double SumCosines(const LunarTerm (&terms)[N], const LunarArguments& args) {
    double sum = 0.0;
    for (const LunarTerm& term : terms) {
        const double coefficient = term.usesE ? term.coefficient * args.e : term.coefficient;
        sum += coefficient * CosDeg(TermArgument(term, args));
    }
    return sum;
}

// 32-bit two's-complement arithmetic as the day count defines it: the operations are done
// exactly in 64 bits and the result is wrapped back into 32 bits (a defined conversion since
// C++20), so out-of-range years wrap instead of being undefined.
std::int32_t Wrap32(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

struct OrbitPoint {
    double trueAnomaly; // degrees
    double radius;      // AU
};

// Position of a body in its orbit at t days after the element epoch.
OrbitPoint SolveOrbit(const PlanetElementSet& elements, double t) {
    const double meanAnomaly =
        Normalize360(elements.dailyMotion * t + elements.meanLongitude - elements.perihelion);
    const double e = elements.eccentricity;
    const double nu = SolveKepler(meanAnomaly, e, 12);
    const double r = elements.semiMajorAxis * (1.0 - e * e) / (1.0 + e * CosDeg(nu));
    return {nu, r};
}

} // namespace

const std::array<PlanetElementSet, 9> kPlanetElements = {{
    {0.00041, 349.2, 102.8517, 1.00002, 0.9855796, 0.0166967, 328.40353},      // Earth
    {7.00507, 48.3339, 77.454, 0.3870978, 4.092353, 0.2056324, 314.42369},     // Mercury
    {3.39472, 76.6889, 131.761, 0.7233238, 1.602158, 0.0067933, 236.94045},    // Venus
    {1.84992, 49.5664, 336.0882, 1.5236365, 0.5240613, 0.0934231, 262.42784},  // Mars
    {1.30463, 100.4713, 15.6978, 5.202597, 0.08309618, 0.0484646, 322.55983},  // Jupiter
    {2.48524, 113.6358, 88.863, 9.5719, 0.03328656, 0.0531651, 20.95759},      // Saturn
    {0.77343, 74.0954, 175.6807, 19.30181, 0.01162295, 0.0428959, 303.18967},  // Uranus
    {1.7681, 131.7925, 7.206, 30.26664, 0.005919282, 0.0102981, 299.8641},     // Neptune
    {17.12137, 110.3833, 224.8025, 39.5804, 0.003958072, 0.2501272, 235.7656}, // Pluto
}};

JulianCenturies CenturiesOf(double jd) {
    return {(jd - kJ1900) / kDaysPerCentury, (jd - kJ2000) / kDaysPerCentury};
}

SunElements SunMeanElements(double t2000) {
    const double t = t2000;
    SunElements sun;
    double meanLongitude = 280.46645 + 36000.76983 * t + 0.0003032 * t * t;
    double meanAnomaly = 357.5291 + 35999.0503 * t - 0.0001559 * t * t - 0.00000048 * t * t * t;
    // The equation of centre takes the mean anomaly before it is wrapped.
    sun.equationOfCentre = (1.9146 - 0.004817 * t - 0.000014 * t * t) * SinDeg(meanAnomaly) +
                           (0.019993 - 0.000101 * t) * SinDeg(2.0 * meanAnomaly) +
                           0.00029 * SinDeg(3.0 * meanAnomaly);
    double moonLongitude = 218.3165 + 481267.8813 * t;
    meanAnomaly = Normalize360(meanAnomaly);
    meanLongitude = Normalize360(meanLongitude);
    moonLongitude = Normalize360(moonLongitude);
    sun.meanAnomaly = meanAnomaly;
    sun.meanLongitude = meanLongitude;
    sun.moonMeanLongitude = moonLongitude;
    sun.trueLongitude = meanLongitude + sun.equationOfCentre;
    sun.trueAnomaly = meanAnomaly + sun.equationOfCentre;

    double node = 125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000.0;
    // Mean obliquity: 46.815", 0.00059" and 0.001813" per century powers, in degrees.
    sun.meanObliquity = 23.439291 - 0.013004166666666666 * t - 1.638888888888889e-7 * t * t +
                        5.036111111111111e-7 * t * t * t;
    // Nutation in obliquity: 9.20", 0.57", 0.10" and 0.09", in degrees.
    sun.obliquity = sun.meanObliquity + 0.0025555555555555553 * CosDeg(node) +
                    0.00015833333333333332 * CosDeg(2.0 * meanLongitude) +
                    2.777777777777778e-5 * CosDeg(2.0 * moonLongitude) -
                    2.4999999999999998e-5 * CosDeg(2.0 * node);
    // Only a node past 360 is reduced; a negative one is used only through sine and cosine.
    if (node > 360.0) {
        node = node - 360.0 * std::floor(node / 360.0);
    }
    sun.moonNode = node;
    sun.eccentricity = 0.016708617 - 0.000042037 * t - 0.0000001236 * t * t;
    return sun;
}

SolarSystemBody SunPosition(const SunElements& sun) {
    const double e = sun.eccentricity;
    const double distance = 1.000001018 * (1.0 - e * e) / (1.0 + e * CosDeg(sun.trueAnomaly));
    double alpha = RadToDeg(
        std::atan2(CosDeg(sun.obliquity) * SinDeg(sun.trueLongitude), CosDeg(sun.trueLongitude)));
    if (alpha < 0.0) {
        alpha += 360.0;
    }
    const double delta = RadToDeg(std::asin(SinDeg(sun.obliquity) * SinDeg(sun.trueLongitude)));
    SolarSystemBody body;
    body.ra = alpha / 15.0;
    body.dec = delta;
    body.earthDistanceAu = distance;
    return body;
}

MoonPlace MoonPosition(double jd, double t1900, const SunElements& sun, double longitude,
                       double latitude) {
    const double t = t1900;
    const double sunAnomaly = sun.meanAnomaly;
    const double node = sun.moonNode;
    MoonPlace moon;

    double moonLongitude = 270.43416 + 481267.8831 * t - 0.001133 * t * t;
    double moonAnomaly = 296.10461 + 477198.8491 * t + 0.009192 * t * t;
    double elongation = 350.73749 + 445267.1142 * t - 0.001436 * t * t;
    double latitudeArgument = 11.25089 + 483202.0251 * t - 0.003211 * t * t;
    const double eccentricityFactor = 1.0 - 0.002495 * t - 0.000008 * t * t;

    const double w1 = 275.05 - 2.3 * t + node;
    const double w2 = 51.19 + 20.2 * t;

    const double a = 0.004 * SinDeg(346.56 + 132.87 * t - 0.009 * t * t) + 0.002 * SinDeg(node);
    moonLongitude += a;
    moonAnomaly += a;
    elongation += a;
    latitudeArgument += a;
    latitudeArgument = latitudeArgument - 0.0245 * SinDeg(node) - 0.004 * SinDeg(w1);
    elongation = elongation + 0.002 * SinDeg(w2);
    moonAnomaly = moonAnomaly - 0.002 * SinDeg(w2);

    const LunarArguments args{elongation, sunAnomaly, moonAnomaly, latitudeArgument,
                              eccentricityFactor};
    double lambda = moonLongitude + SumSines(kLongitudeTerms, args);
    const double latitudeSum = SumSines(kLatitudeTerms, args);
    moon.parallax = kParallaxConstant + SumCosines(kParallaxTerms, args);
    double phaseAngle = 180.0 - elongation - 6.289 * SinDeg(moonAnomaly) +
                        2.1 * SinDeg(sunAnomaly) - 1.274 * SinDeg(2.0 * elongation - moonAnomaly) -
                        0.658 * SinDeg(2.0 * elongation) - 0.214 * SinDeg(2.0 * moonAnomaly) -
                        0.11 * SinDeg(elongation);
    const double beta = latitudeSum * (1.0 - 0.000466 * CosDeg(node) - 0.000075 * CosDeg(w1));

    // The Moon uses its own obliquity (from 1900), not the Sun's.
    moon.meanObliquity = 23.452294 - 0.0000418 * t - 0.00000013 * t * t;
    const double obliquity =
        moon.meanObliquity + 0.002558 * CosDeg(node) + 0.000153 * CosDeg(2.0 * sun.meanLongitude);
    moon.obliquity = obliquity;

    lambda = Normalize360(lambda);
    phaseAngle = Normalize360(phaseAngle);

    const double phi = latitude;
    const double lon = longitude;

    const double parallax = moon.parallax;
    moon.distanceKm = kEarthRadiusKm / SinDeg(parallax);
    const double cosPhase = CosDeg(phaseAngle);
    moon.illumination = (1.0 + cosPhase) / 2.0;

    // The observer's geocentric latitude and distance from the Earth's centre (Earth radii, at sea
    // level), radians.
    const double geocentricLatitude = std::atan(0.993305525 * TanDeg(phi));
    const double reducedLatitude = std::atan(0.996647141 * TanDeg(phi));
    const double rho = std::cos(reducedLatitude) / std::cos(geocentricLatitude);

    double alpha = RadToDeg(std::atan2(
        SinDeg(lambda) * CosDeg(obliquity) - TanDeg(beta) * SinDeg(obliquity), CosDeg(lambda)));
    if (alpha < 0.0) {
        alpha += 360.0;
    }
    const double delta = RadToDeg(std::asin(SinDeg(beta) * CosDeg(obliquity) +
                                            CosDeg(beta) * SinDeg(obliquity) * SinDeg(lambda)));

    moon.geocentricRa = alpha;
    moon.geocentricDec = delta;

    const double theta0 = GreenwichSiderealAngle(jd);
    moon.siderealAngle = theta0;
    const double hourAngle = Normalize360(theta0 - lon - alpha);

    const double rhoCosSinPi = rho * std::cos(geocentricLatitude) * SinDeg(parallax);
    const double deltaAlpha = RadToDeg(std::atan2(-rhoCosSinPi * SinDeg(hourAngle),
                                                  CosDeg(delta) - rhoCosSinPi * CosDeg(hourAngle)));
    const double topocentricDelta = RadToDeg(
        std::atan2((SinDeg(delta) - rho * std::sin(geocentricLatitude) * SinDeg(parallax)) *
                       CosDeg(deltaAlpha),
                   CosDeg(delta) - rhoCosSinPi * CosDeg(hourAngle)));

    moon.topocentric.ra = (alpha + deltaAlpha) / 15.0;
    moon.topocentric.dec = topocentricDelta;
    moon.topocentric.earthDistanceKm = moon.distanceKm;
    moon.topocentric.cosPhaseAngle = cosPhase;
    return moon;
}

double PlanetDayNumber(const SkyDate& clock) {
    // The calendar fields as the user set them (not the January/February shift of the Julian
    // day, which would put every February date one day early), and the whole hour.
    return DayNumber(clock.year, clock.month, clock.day, clock.hour);
}

SolarSystemBody PlanetPosition(int planet, const SkyDate& clock) {
    return PlanetPositionForDayNumber(planet, PlanetDayNumber(clock));
}

SolarSystemBody PlanetPositionForDayNumber(int planet, double dayNumber) {
    if (planet < 1 || planet > kPlanetCount) {
        return {};
    }
    const double t = dayNumber - (kPlanetElementEpoch - kJ2000);

    const PlanetElementSet& earthElements = kPlanetElements[0];
    const OrbitPoint earth = SolveOrbit(earthElements, t);
    const double earthX = earth.radius * CosDeg(earth.trueAnomaly + earthElements.perihelion);
    const double earthY = earth.radius * SinDeg(earth.trueAnomaly + earthElements.perihelion);

    const PlanetElementSet& elements = kPlanetElements[static_cast<std::size_t>(planet)];
    const OrbitPoint body = SolveOrbit(elements, t);
    const double r = body.radius;
    const double u = body.trueAnomaly + elements.perihelion - elements.node;
    const double node = elements.node;
    const double inclination = elements.inclination;
    const double x =
        r * (CosDeg(node) * CosDeg(u) - CosDeg(inclination) * SinDeg(node) * SinDeg(u));
    const double y =
        r * (SinDeg(node) * CosDeg(u) + CosDeg(inclination) * CosDeg(node) * SinDeg(u));
    const double z = r * SinDeg(inclination) * SinDeg(u);

    const double geoX = x - earthX;
    const double geoY = y - earthY;
    const double geoZ = z;
    const double equatorialY =
        geoY * std::cos(kPlanetObliquity) - geoZ * std::sin(kPlanetObliquity);
    const double equatorialZ =
        geoY * std::sin(kPlanetObliquity) + geoZ * std::cos(kPlanetObliquity);

    const double ra = Normalize360(RadToDeg(std::atan2(equatorialY, geoX))) / 15.0;
    const double dec =
        RadToDeg(std::atan2(equatorialZ, std::sqrt(geoX * geoX + equatorialY * equatorialY)));
    const double distance =
        std::sqrt(geoX * geoX + equatorialY * equatorialY + equatorialZ * equatorialZ);
    SolarSystemBody result;
    result.ra = ra;
    result.dec = dec;
    result.earthDistanceAu = distance;
    result.sunDistanceAu = r;
    return result;
}

double DayNumber(std::int32_t year, std::int32_t month, std::int32_t day, double hours) {
    const std::int64_t y = year;
    const std::int64_t m = month;
    const std::int32_t yearTerm = Wrap32(367 * y);
    const std::int32_t leapShift = Wrap32(y + Wrap32(m + 9) / 12);
    const std::int32_t leapTerm = Wrap32(7 * static_cast<std::int64_t>(leapShift)) / 4;
    const std::int32_t monthTerm = Wrap32(275 * m) / 9;
    const std::int32_t d = Wrap32(static_cast<std::int64_t>(yearTerm) - leapTerm + monthTerm + day);
    return static_cast<double>(d) - 730531.5 + hours / 24.0;
}

double GreenwichSiderealAngle(double jd) {
    const double days = jd - kJ2000;
    const double t = days / kDaysPerCentury;
    const double theta0 =
        days * 360.985647366 + 280.46061837 + 0.000387933 * t * t - t * t * t / 38710000.0;
    return Normalize360(theta0);
}

double HourAngle(double siderealDegrees, double longitude, double raHours) {
    return Normalize360(siderealDegrees - longitude - 15.0 * raHours);
}

void FillHorizonPoints(double theta0, double latitude, double longitude, HorizonRing horizon) {
    for (std::size_t k = 0; k < kHorizonPointCount; ++k) {
        const double azimuth = kHorizonPointStep * static_cast<double>(k);
        const double dec = RadToDeg(std::asin(-CosDeg(latitude) * CosDeg(azimuth)));
        const double hourAngle =
            RadToDeg(std::atan2(SinDeg(azimuth), CosDeg(azimuth) * SinDeg(latitude)));
        const double ra = Normalize360(theta0 - hourAngle - longitude);
        horizon[k].ra = static_cast<float>(ra / 15.0);
        horizon[k].dec = static_cast<float>(dec);
    }
}

double SolveKepler(double meanAnomaly, double eccentricity, int digits) {
    const double e = eccentricity;
    const double tolerance = std::pow(10.0, -digits);
    double eccentricAnomaly = meanAnomaly;
    for (int iteration = 0; iteration < kKeplerIterationCap; ++iteration) {
        const double step = (meanAnomaly - eccentricAnomaly +
                             e * kDegreesPerRadianForKepler * SinDeg(eccentricAnomaly)) /
                            (1.0 - e * CosDeg(eccentricAnomaly));
        eccentricAnomaly += step;
        if (std::fabs(step) < tolerance) {
            break;
        }
    }
    double nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * TanDeg(eccentricAnomaly / 2.0));
    if (nu < 0.0) {
        nu += kTwoPi;
    }
    return nu / kDegToRad;
}

PlanetAppearanceResult PlanetAppearance(int planet, double r, double delta, double sunDistance) {
    struct AppearanceRow {
        double base, c1, c2, c3; // magnitude term base + c1 i + c2 i^2 + c3 i^3
        double diameter;         // arcseconds at 1 AU
    };
    static constexpr AppearanceRow kRows[] = {
        {-0.42, 0.038, -0.000273, 0.000002, 6.72},    // Mercury
        {-4.4, 0.0009, 0.000239, -0.00000065, 17.68}, // Venus
        {-1.52, 0.016, 0.0, 0.0, 9.36},               // Mars
        {-9.4, 0.005, 0.0, 0.0, 196.88},              // Jupiter
        {-8.88, 0.0, 0.0, 0.0, 165.46},               // Saturn (no ring term)
        {-7.19, 0.0, 0.0, 0.0, 70.04},                // Uranus
        {-6.87, 0.0, 0.0, 0.0, 67.0},                 // Neptune
        {-1.0, 0.0, 0.0, 0.0, 4.14},                  // Pluto
    };
    PlanetAppearanceResult result;
    if (planet < 1 || planet > kPlanetCount) {
        return result;
    }
    const AppearanceRow& row = kRows[planet - 1];
    result.cosPhaseAngle = (r * r + delta * delta - sunDistance * sunDistance) / (2.0 * r * delta);
    result.illuminatedFraction = (1.0 + result.cosPhaseAngle) / 2.0;
    // Rounding can push the cosine a hair past +-1 at conjunction; acos would then give
    // not-a-number, so only the angle sees the clamped value.
    const double clampedCos = std::fmax(-1.0, std::fmin(1.0, result.cosPhaseAngle));
    const double i = std::acos(clampedCos) / kDegToRad;
    result.phaseAngle = i;
    result.magnitude =
        5.0 * std::log10(r * delta) + row.base + row.c1 * i + row.c2 * i * i + row.c3 * i * i * i;
    result.angularDiameter = row.diameter / delta;
    return result;
}
