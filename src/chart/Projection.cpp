#include "chart/Projection.h"

#include "astro/Angles.h"
#include "astro/Refraction.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// The declination factor of the horizon step is a hair smaller than kDegToRad and is applied in
// single precision; the pixel positions depend on it only in the last bit.
constexpr float kHorizonDecToRad = 0.017453292f;

// Wraps a turned right ascension into [0, 24) with one step either way.
template <typename T> T WrapHoursOnce(T hours) {
    if (hours >= 24) {
        hours -= 24;
    } else if (hours < 0) {
        hours += 24;
    }
    return hours;
}

} // namespace

int HemisphereLimit(int index) {
    if (index < 0 || index >= static_cast<int>(HemisphereLimitTable.size())) {
        return 180;
    }
    return HemisphereLimitTable[static_cast<std::size_t>(index)];
}

Projector::Projector(const ChartState& chart, const SkyState& sky)
    : m_horizonView(chart.m_bHorizonView != 0), m_southernFlip(chart.SouthernFlip()),
      m_lst(sky.m_dLST), m_sinLat(sky.m_dSinLat), m_cosLat(sky.m_dCosLat), m_turnX(chart.m_dTurnX),
      m_turnY(chart.m_nTurnY), m_tilt(chart.m_nTilt),
      m_cosTilt(std::cos(chart.m_nTilt * kDegToRad)),
      m_sinTilt(std::sin(chart.m_nTilt * kDegToRad)), m_radius(chart.m_nRadius),
      m_centerX(chart.m_nCenterX), m_centerY(chart.m_nCenterY), m_clientW(chart.m_rcClient.Width()),
      m_clientH(chart.m_rcClient.Height()) {
    SetClientTest();
}

void Projector::SetGeometry(const ChartGeometry& geometry) {
    m_centerX = geometry.centerX;
    m_centerY = geometry.centerY;
    m_radius = geometry.radius;
    SetClientTest();
}

ChartGeometry Projector::Geometry() const {
    return ChartGeometry{static_cast<unsigned>(m_radius), m_centerX, m_centerY};
}

void Projector::SetClientTest() {
    // The projection in closed form on the unit vector u of (ra, dec): with tau the turn,
    // f = -1 under the southern flip, rho = -1 south of the equator and T the tilt,
    //   x = -(sin tau u0 + f cos tau u1)
    //   y = rho sin T (cos tau u0 - f sin tau u1) - f cos T u2,
    // on the local-horizon chart applied to u turned into azimuth and altitude (azimuth
    // counted the chart's way) by the sidereal time L and latitude phi.
    const double tau = 15.0 * m_turnX * kDegToRad;
    const double sinTau = std::sin(tau);
    const double cosTau = std::cos(tau);
    const double f = m_southernFlip ? -1.0 : 1.0;
    const double rho = m_turnY < 0 ? -1.0 : 1.0;
    std::array<double, 3> ex = {-sinTau, -f * cosTau, 0.0};
    std::array<double, 3> ey = {rho * m_sinTilt * cosTau, -rho * f * m_sinTilt * sinTau,
                                -f * m_cosTilt};
    m_ax = ex;
    m_ay = ey;
    // Toward the viewer: the chart's centre (right ascension 24 - turn, declination m_nTurnY on
    // the chart's own sphere, flipped like every point for the southern chart) has depth 1.
    m_az = {ex[1] * ey[2] - ex[2] * ey[1], ex[2] * ey[0] - ex[0] * ey[2],
            ex[0] * ey[1] - ex[1] * ey[0]};
    {
        double ra = (24.0 - m_turnX) * 15.0 * kDegToRad;
        double dec = m_turnY * kDegToRad;
        if (m_southernFlip) {
            ra = -ra;
            dec = -dec;
        }
        const double depth = m_az[0] * std::cos(dec) * std::cos(ra) +
                             m_az[1] * std::cos(dec) * std::sin(ra) + m_az[2] * std::sin(dec);
        if (depth < 0.0) {
            m_az = {-m_az[0], -m_az[1], -m_az[2]};
        }
    }
    {
        const double l = m_lst * kDegToRad;
        const double sinL = std::sin(l);
        const double cosL = std::cos(l);
        m_toHorizon = {{
            {m_sinLat * cosL, m_sinLat * sinL, -m_cosLat},
            {-sinL, cosL, 0.0},
            {m_cosLat * cosL, m_cosLat * sinL, m_sinLat},
        }};
    }
    if (m_horizonView) {
        const auto& toHorizon = m_toHorizon;
        auto turn = [&](const std::array<double, 3>& row) {
            std::array<double, 3> out{};
            for (std::size_t j = 0; j < 3; ++j) {
                out[j] =
                    row[0] * toHorizon[0][j] + row[1] * toHorizon[1][j] + row[2] * toHorizon[2][j];
            }
            return out;
        };
        ex = turn(ex);
        ey = turn(ey);
    }
    m_pixelX = {static_cast<double>(m_centerX), m_radius * ex[0], m_radius * ex[1],
                m_radius * ex[2]};
    m_pixelY = {static_cast<double>(m_centerY), m_radius * ey[0], m_radius * ey[1],
                m_radius * ey[2]};
    m_spanX = std::hypot(m_pixelX[1], m_pixelX[2], m_pixelX[3]);
    m_spanY = std::hypot(m_pixelY[1], m_pixelY[2], m_pixelY[3]);
    // The single-precision direction and angles (turn, horizon conversion) move a pixel by far
    // less than a hundred-thousandth of the radius; the truncation by one pixel. Refraction
    // lifts a point by less than a degree: a chord of 0.0175.
    const double margin = 4.0 + 1e-5 * m_radius + (m_refract ? 0.0175 * m_radius : 0.0);
    m_offLow = -margin;
    m_offHighX = m_clientW + margin;
    m_offHighY = m_clientH + margin;
}

// Inlined into both callers: its two floats handed through memory would stall the caller's read.
[[gnu::always_inline]] inline bool Projector::Visible(float ra, float dec, Turned& t) const {
    if (m_horizonView) {
        const double h = (m_lst - 15.0 * ra) * kDegToRad;
        // The declination in radians is held in single precision; the trigonometry is double.
        const double d = static_cast<float>(dec * kHorizonDecToRad);
        const double sinH = std::sin(h);
        const double cosH = std::cos(h);
        double azimuth = RadToDeg(std::atan2(sinH, cosH * m_sinLat - std::tan(d) * m_cosLat));
        azimuth -= 360.0 * std::floor(azimuth / 360.0);
        azimuth = 360.0 - azimuth;
        const double altitude =
            RadToDeg(std::asin(std::sin(d) * m_sinLat + std::cos(d) * m_cosLat * cosH));
        ra = static_cast<float>(azimuth / 15.0);
        dec = static_cast<float>(altitude);
    }

    if (m_southernFlip) {
        ra = 24.0f - ra;
        dec = -dec;
    }

    const int decInt = static_cast<int>(dec); // truncated toward zero
    const float turned = WrapHoursOnce(static_cast<float>(m_turnX + ra));
    const int lon = static_cast<int>(360.0f - 15.0f * turned);

    if (decInt <= m_turnY - 90 || decInt >= m_turnY + 90) {
        return false;
    }

    int limit = 90;
    if (m_tilt >= 90) {
        limit = 180;
    } else if (m_tilt != 0) {
        int k = m_turnY / 15;
        if (k < 0) {
            k -= 1;
        }
        const int band = (decInt + 95) / 15;
        limit = HemisphereLimit(std::abs(band + 12 * k));
    }
    if (lon < 360 - limit && lon > limit) {
        return false;
    }

    if (m_turnY < 0) {
        dec = -dec;
    }
    t = Turned{dec, turned};
    return true;
}

void Projector::UseNaturalRules(bool refract) {
    m_natural = true;
    m_refract = refract && m_horizonView;
    SetClientTest();
}

NaturalPoint Projector::FromOwn(const std::array<double, 3>& u, double altitude) const {
    NaturalPoint p;
    p.x = m_centerX + m_radius * (m_ax[0] * u[0] + m_ax[1] * u[1] + m_ax[2] * u[2]);
    p.y = m_centerY + m_radius * (m_ay[0] * u[0] + m_ay[1] * u[1] + m_ay[2] * u[2]);
    p.depth = m_az[0] * u[0] + m_az[1] * u[1] + m_az[2] * u[2];
    p.altitude = altitude;
    return p;
}

std::array<double, 3> Projector::OwnDirection(double ra, double dec) const {
    const double a = ra * 15.0 * kDegToRad;
    const double d = dec * kDegToRad;
    return OwnDirection(
        std::array<double, 3>{std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)});
}

std::array<double, 3> Projector::OwnDirection(const std::array<double, 3>& e) const {
    if (!m_horizonView) {
        return e;
    }
    std::array<double, 3> u{};
    for (std::size_t i = 0; i < 3; ++i) {
        u[i] = m_toHorizon[i][0] * e[0] + m_toHorizon[i][1] * e[1] + m_toHorizon[i][2] * e[2];
    }
    return u;
}

NaturalPoint Projector::LocateNatural(double ra, double dec) const {
    const double a = ra * 15.0 * kDegToRad;
    const double d = dec * kDegToRad;
    return LocateNatural(
        std::array<double, 3>{std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)});
}

NaturalPoint Projector::LocateNatural(const std::array<double, 3>& equatorial) const {
    std::array<double, 3> u = OwnDirection(equatorial);
    if (!m_horizonView) {
        return FromOwn(u, 0.0);
    }
    const double sinAlt = std::clamp(u[2], -1.0, 1.0);
    double altitude = RadToDeg(std::asin(sinAlt));
    if (m_refract) {
        // Lifted along its vertical circle: the azimuth stays, the altitude becomes the apparent
        // one.
        const double lifted = ApparentAltitude(altitude);
        const double cosOld = std::sqrt(std::max(0.0, 1.0 - sinAlt * sinAlt));
        const double cosNew = std::cos(lifted * kDegToRad);
        if (cosOld > 1e-12) {
            u[0] *= cosNew / cosOld;
            u[1] *= cosNew / cosOld;
        }
        u[2] = std::sin(lifted * kDegToRad);
        altitude = lifted;
    }
    return FromOwn(u, altitude);
}

NaturalPoint Projector::LocateOwn(double lonDeg, double latDeg) const {
    const double a = lonDeg * kDegToRad;
    const double d = latDeg * kDegToRad;
    return FromOwn({std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)},
                   m_horizonView ? latDeg : 0.0);
}

std::optional<PixelPoint> Projector::Project(float ra, float dec) const {
    if (const auto p = Locate(ra, dec)) {
        return p->pixel;
    }
    return std::nullopt;
}

std::optional<PointOnChart> Projector::Locate(float ra, float dec) const {
    if (m_natural) {
        const NaturalPoint n = LocateNatural(ra, dec);
        if (!n.Near()) {
            return std::nullopt;
        }
        PointOnChart p;
        p.pixel = PixelPoint{static_cast<int>(std::floor(n.x)), static_cast<int>(std::floor(n.y))};
        return p;
    }
    Turned t;
    if (Visible(ra, dec, t)) {
        return Place(PointMemo::MakeTrig(t.dec, t.turned));
    }
    return std::nullopt;
}

bool Projector::Project(float ra, float dec, PointMemo& memo, std::size_t i,
                        PixelPoint& pixel) const {
    if (m_natural) {
        // The point's direction from the memo (single precision: within a ten-thousandth of a
        // pixel of the one computed afresh on any screen).
        const PointMemo::Direction& d = memo.DirectionOf(i, ra, dec);
        const NaturalPoint n = LocateNatural(std::array<double, 3>{d.x, d.y, d.z});
        if (!n.Near()) {
            return false;
        }
        pixel = PixelPoint{static_cast<int>(std::floor(n.x)), static_cast<int>(std::floor(n.y))};
        return true;
    }
    Turned t;
    if (!Visible(ra, dec, t)) {
        return false;
    }
    PointMemo::Trig& trig = memo.TrigOf(i);
    if (trig.decBits != std::bit_cast<std::uint32_t>(t.dec)) {
        PointMemo::TakeDec(trig, t.dec);
    }
    if (trig.turnedBits != std::bit_cast<std::uint32_t>(t.turned)) {
        PointMemo::TakeTurned(trig, t.turned);
    }
    // Place(trig).pixel, without the vectors.
    const double v1 = m_turnY < 0 ? trig.sinDec : -trig.sinDec;
    const double v2 = m_turnY < 0 ? trig.cosLon * trig.cosDec : -trig.cosLon * trig.cosDec;
    pixel.x = m_centerX + static_cast<int>(m_radius * (trig.sinLon * trig.cosDec));
    pixel.y = m_centerY + static_cast<int>(m_radius * (m_cosTilt * v1 - m_sinTilt * v2));
    return true;
}

PointOnChart Projector::Place(const PointMemo::Trig& trig) const {
    PointOnChart p;
    p.sphere = {trig.sinLon * trig.cosDec, -trig.sinDec, -trig.cosLon * trig.cosDec};
    std::array<double, 3> v = p.sphere;
    if (m_turnY < 0) {
        v[1] = -v[1];
        v[2] = -v[2];
    }
    p.view = {v[0], m_cosTilt * v[1] - m_sinTilt * v[2], 0.0};
    p.pixel.x = m_centerX + static_cast<int>(m_radius * p.view[0]);
    p.pixel.y = m_centerY + static_cast<int>(m_radius * p.view[1]);
    return p;
}

bool InsideClient(const ChartState& chart, int x, int y) {
    return x > 0 && x < chart.m_rcClient.Width() && y > 0 && y < chart.m_rcClient.Height();
}

std::optional<ChartPosition> Unproject(const ChartState& chart, double x, double y) {
    const double r = chart.m_nRadius;
    const double dx = x - chart.m_nCenterX;
    const double dy = y - chart.m_nCenterY;
    const double rest = r * r - dx * dx - dy * dy;
    if (r <= 0.0 || rest < 0.0) {
        return std::nullopt; // outside the sphere's disc
    }
    const double t = chart.m_nTilt * kDegToRad;
    const double s = chart.m_nTurnY <= 0 ? -1.0 : 1.0;
    const double cosT = std::cos(t);
    const double sinT = std::sin(t);
    const double q = dx * dx / (r * r) + dy * dy / ((r * cosT) * (r * cosT));

    // Rounding can push the sines a hair past 1 on the rim; the point is on the sky there.
    const double sinDec =
        std::clamp((s * std::sqrt(sinT * sinT * rest) - dy * cosT) / r, -1.0, 1.0);
    const double dec = RadToDeg(std::asin(sinDec));
    const double cosDec = std::cos(dec * kDegToRad);
    double a = 0.0;
    if (cosDec > 0.0) {
        a = -RadToDeg(std::asin(std::clamp(dx / (r * cosDec), -1.0, 1.0)));
    }
    const bool beyondLimb = chart.m_nTurnY > 0 ? y < chart.m_nCenterY : y > chart.m_nCenterY;
    if (q > 1.0 && beyondLimb) {
        a = 180.0 - a;
    }
    a -= 360.0 * std::floor(a / 360.0);
    a /= 15.0;

    const double turn = WrapHoursOnce(chart.m_dTurnX);
    double ra = 24.0 - turn + a;
    if (ra >= 24.0) {
        ra -= 24.0;
    }
    ChartPosition result{ra, dec};
    if (chart.SouthernFlip()) {
        result.ra = 24.0 - result.ra;
        result.dec = -result.dec;
    }
    return result;
}

double TrueAltitudeOnChart(const ChartState& chart, double drawnAltitude) {
    if (chart.m_bNaturalSky != 0 && chart.m_bPreciseModel != 0 &&
        chart.m_bHorizonView != kChartEquatorial) {
        return GeometricAltitude(drawnAltitude);
    }
    return drawnAltitude;
}

int BaseRadiusForScreenHeight(int fullScreenHeight) {
    return std::max(1, fullScreenHeight / 2 - 40);
}

void ApplyZoomRadius(ChartState& chart) {
    chart.m_nRadius = LevelRadius(chart.m_nLevel, chart.m_nBaseRadius);
}

PrintedGeometry PrintingGeometry(const ChartState& chart, int pageWidth, int pageHeight) {
    const int shorter = pageWidth > pageHeight ? pageHeight : pageWidth;
    // Before the initial update there is no screen height to scale from: print at screen size.
    const float fy =
        chart.m_nFullScreenHeight > 0
            ? static_cast<float>(shorter) / static_cast<float>(chart.m_nFullScreenHeight)
            : 1.0f;
    const auto radius = static_cast<unsigned>(
        static_cast<float>(LevelRadius(chart.m_nLevel, chart.m_nBaseRadius)) * fy);
    return PrintedGeometry{ChartGeometry{radius, pageWidth / 2, pageHeight / 2}, fy};
}

namespace {

std::array<GridPoint, kGridPointCount> BuildGridPoints() {
    std::array<GridPoint, kGridPointCount> points{};
    std::size_t n = 0;
    for (int hour = 0; hour < 24; ++hour) {
        for (int dec = -80; dec <= 80; dec += 5) {
            points[n++] = GridPoint{dec, static_cast<double>(hour)};
        }
    }
    constexpr double kParallelStep = 0.33333333; // hours; 72 steps stay just below 24
    for (int dec = -75; dec <= 75; dec += 15) {
        // The running sum decides when a parallel ends; 73 points each, at most.
        double ra = 0.0;
        for (int i = 0; i < 73 && ra <= 24.0; ++i) {
            points[n++] = GridPoint{dec, ra};
            ra += kParallelStep;
        }
    }
    return points;
}

} // namespace

const std::array<GridPoint, kGridPointCount>& GridPoints() {
    static const std::array<GridPoint, kGridPointCount> points = BuildGridPoints();
    return points;
}
