// The chart's orthographic projection of the celestial sphere and its inverse, the visibility
// rules, and the scale rules. Pure arithmetic on the chart state: no surface, no window.
//
// Angles: right ascension in hours, declination in degrees. The chart centre lies at right
// ascension 24 - m_dTurnX and declination m_nTurnY; east (larger right ascension) is to the
// left, north up; the sphere's outline is a circle of radius m_nRadius about (m_nCenterX,
// m_nCenterY). On the local-horizon chart the input is first turned into azimuth and altitude,
// which take the place of right ascension and declination.
#pragma once

#include "astro/SkyState.h"
#include "chart/ChartState.h"
#include "chart/ProjectionMemo.h"

#include <array>
#include <cstddef>
#include <optional>

// Front-hemisphere limits in degrees of longitude from the centre: 6 tilt bands of 15 degrees,
// 12 declination bands of 15 degrees starting at -95, read as one run of 72 values.
inline constexpr std::array<int, 72> HemisphereLimitTable = {
    180, 60, 60, 75, 90, 90, 90, 90,  90,  105, 105, 120, // tilt 0..14
    180, 40, 65, 75, 80, 90, 90, 95,  100, 110, 130, 180, // tilt 15..29
    180, 0,  50, 60, 75, 80, 90, 100, 115, 135, 180, 180, // tilt 30..44
    180, 0,  0,  35, 60, 80, 90, 115, 130, 180, 180, 180, // tilt 45..59
    180, 0,  0,  0,  35, 70, 90, 120, 180, 180, 180, 180, // tilt 60..74
    180, 0,  0,  0,  0,  35, 90, 180, 180, 180, 180, 180, // tilt 75..89
};

// The limit for a table index; any index from 72 on gives 180.
int HemisphereLimit(int index);

// The geometry a frame is drawn with: the sphere's radius and the projection origin, pixels.
struct ChartGeometry {
    unsigned radius = 0;
    int centerX = 0;
    int centerY = 0;
    bool operator==(const ChartGeometry&) const = default;
};

// A projected point: its pixel, and the unit vectors on the sphere before and after the tilt
// (the view's third component is 0).
struct PointOnChart {
    PixelPoint pixel;
    std::array<double, 3> sphere{};
    std::array<double, 3> view{};
};

// A point of the natural style's projection: its pixel with the fraction kept, how far it lies
// toward the viewer (positive on the near hemisphere, the unit sphere's), and on the
// local-horizon chart its altitude as drawn (refracted, when the chart draws apparent
// altitudes), degrees.
struct NaturalPoint {
    double x = 0.0;
    double y = 0.0;
    double depth = 0.0;
    double altitude = 0.0;
    bool Near() const { return depth > 0.0; }
};

// The projection as a value: the chart's geometry (mode, sidereal time and latitude, turn, tilt,
// radius, centre, client size, southern flip) copied once, so that projecting changes nothing.
// The frame makes one per frame and hands it to every layer; a printed page makes one with the
// page's centre and radius.
class Projector {
public:
    Projector(const ChartState& chart, const SkyState& sky);

    // The pixel of (ra hours, dec degrees), or nothing when the point lies on the far side.
    std::optional<PixelPoint> Project(float ra, float dec) const;
    // The same, with the sphere and view vectors.
    std::optional<PointOnChart> Locate(float ra, float dec) const;
    // True when (x, y) is strictly inside the client area (the first row and column of pixels
    // count as outside).
    bool InsideClient(int x, int y) const {
        return x > 0 && x < m_clientW && y > 0 && y < m_clientH;
    }

    // The natural style's rules in place of the classic ones: a point is visible when it lies on
    // the near hemisphere of the projected vector itself (no band table), and with `refract` the
    // local-horizon chart lifts every point to its apparent altitude (Refraction.h).
    void UseNaturalRules(bool refract);
    bool NaturalRules() const { return m_natural; }
    // The natural projection of (ra hours, dec degrees), near or far; the pixel may lie off the
    // client area.
    NaturalPoint LocateNatural(double ra, double dec) const;
    // The same for the point's unit vector (x toward right ascension 0, z toward the north
    // pole), as a projection memo keeps it.
    NaturalPoint LocateNatural(const std::array<double, 3>& equatorial) const;
    // The natural projection of a direction given on the chart's own sphere: (chart azimuth
    // degrees, altitude as drawn) on the local-horizon chart, (ra, dec) on the equatorial one.
    NaturalPoint LocateOwn(double lonDeg, double latDeg) const;
    // The unit vector of (ra hours, dec degrees) on the chart's own sphere (turned to the
    // horizon on the local-horizon chart, not refracted).
    std::array<double, 3> OwnDirection(double ra, double dec) const;
    std::array<double, 3> OwnDirection(const std::array<double, 3>& equatorial) const;
    // The chart's axes on its own sphere: pixel x = centre + R x.u, y = centre + R y.u, and the
    // direction toward the viewer; the three are orthonormal.
    struct Axes {
        std::array<double, 3> x;
        std::array<double, 3> y;
        std::array<double, 3> toward;
    };
    Axes OwnAxes() const { return Axes{m_ax, m_ay, m_az}; }
    bool HorizonView() const { return m_horizonView; }

    // The page's geometry in place of the screen's: centre and radius.
    void SetGeometry(const ChartGeometry& geometry);
    ChartGeometry Geometry() const;

    // Point i of a table with its memo: true with the same pixel as Project(ra, dec) when the
    // point is visible; the sines and cosines come from the memo when their angles are the ones
    // it holds. Under the natural rules the pixel is the one of the memo's direction of the
    // point. (An out-parameter rather than an optional: this runs for every catalogue point.)
    bool Project(float ra, float dec, PointMemo& memo, std::size_t i, PixelPoint& pixel) const;
    // True when the point's pixel lies surely outside the client area (by a margin far wider
    // than any rounding), visible or not; decided from its direction alone, without the
    // trigonometry of the projection. A point not ruled out may still fall outside.
    bool SurelyOffClient(const PointMemo::Direction& d) const {
        const double x = m_pixelX[0] + m_pixelX[1] * d.x + m_pixelX[2] * d.y + m_pixelX[3] * d.z;
        const double y = m_pixelY[0] + m_pixelY[1] * d.x + m_pixelY[2] * d.y + m_pixelY[3] * d.z;
        return x < m_offLow || x > m_offHighX || y < m_offLow || y > m_offHighY;
    }
    // False when every point of the cell lies surely outside the client area (as
    // SurelyOffClient, for a whole patch of the sphere), the area widened by `widen` pixels on
    // every side.
    bool CellMayMeetClient(const PointMemo::Cell& c, double widen = 0.0) const {
        const double x = m_pixelX[0] + m_pixelX[1] * c.x + m_pixelX[2] * c.y + m_pixelX[3] * c.z;
        const double y = m_pixelY[0] + m_pixelY[1] * c.x + m_pixelY[2] * c.y + m_pixelY[3] * c.z;
        const double bx = m_spanX * c.chord;
        const double by = m_spanY * c.chord;
        return !(x + bx < m_offLow - widen || x - bx > m_offHighX + widen ||
                 y + by < m_offLow - widen || y - by > m_offHighY + widen);
    }
    // True with point i's pixel when it is visible and strictly inside the client area (the
    // screen's test for symbols and labels); the same answer as Project and InsideClient.
    bool ProjectInsideClient(float ra, float dec, PointMemo& memo, std::size_t i,
                             PixelPoint& pixel) const {
        return !SurelyOffClient(memo.DirectionOf(i, ra, dec)) && Project(ra, dec, memo, i, pixel) &&
               InsideClient(pixel.x, pixel.y);
    }

private:
    // True with the declination and turned right ascension a visible point is drawn from (after
    // the horizon conversion and the flips); false when it lies on the far side.
    struct Turned {
        float dec;
        float turned;
    };
    bool Visible(float ra, float dec, Turned& t) const;
    PointOnChart Place(const PointMemo::Trig& trig) const;
    // The linear map from a direction to the unprojected pixel, for SurelyOffClient.
    void SetClientTest();

    NaturalPoint FromOwn(const std::array<double, 3>& u, double altitude) const;

    bool m_horizonView = false;
    bool m_southernFlip = false;
    bool m_natural = false;
    bool m_refract = false;
    // The chart's axes on its own sphere (the local-horizon sphere on that chart): pixel x =
    // centre + R ax.u, y = centre + R ay.u, depth az.u; and the turn from the equator to the
    // horizon (u_own = m_toHorizon u_equatorial).
    std::array<double, 3> m_ax{};
    std::array<double, 3> m_ay{};
    std::array<double, 3> m_az{};
    std::array<std::array<double, 3>, 3> m_toHorizon{};
    double m_lst = 0.0;
    double m_sinLat = 0.0;
    double m_cosLat = 0.0;
    double m_turnX = 0.0;
    int m_turnY = 0;
    int m_tilt = 0;
    double m_cosTilt = 1.0;
    double m_sinTilt = 0.0;
    double m_radius = 0.0;
    int m_centerX = 0;
    int m_centerY = 0;
    int m_clientW = 0;
    int m_clientH = 0;
    // SurelyOffClient: pixel x = m_pixelX[0] + m_pixelX[1..3] . direction (likewise y), and
    // the bounds the client area widened by the margin.
    std::array<double, 4> m_pixelX{};
    std::array<double, 4> m_pixelY{};
    double m_spanX = 0.0; // pixels per unit of distance between directions, at most
    double m_spanY = 0.0;
    double m_offLow = 0.0;
    double m_offHighX = 0.0;
    double m_offHighY = 0.0;
};

// True when (x, y) is strictly inside the client area: the on-screen half of the segment rule.
bool InsideClient(const ChartState& chart, int x, int y);

// A position on the chart's own sphere: right ascension [0, 24) hours and declination degrees on
// the equatorial chart; azimuth / 15 and altitude on the local-horizon chart.
struct ChartPosition {
    double ra = 0.0;
    double dec = 0.0;
};

// Screen pixel to chart position, the southern flip undone. Pixels outside the sphere's disc are
// off the sky: the result is empty there.
std::optional<ChartPosition> Unproject(const ChartState& chart, double x, double y);

// The true altitude of a point that the chart draws at `drawnAltitude` (degrees): the refracted
// altitude turned back when the natural local-horizon chart draws apparent altitudes, else the
// altitude itself.
double TrueAltitudeOnChart(const ChartState& chart, double drawnAltitude);

// Scale: the sphere radius at level 0 for a full-screen client height (height / 2 - 40, at least
// one pixel), and m_nRadius = (m_nLevel + 1) * m_nBaseRadius.
int BaseRadiusForScreenHeight(int fullScreenHeight);
void ApplyZoomRadius(ChartState& chart);

// The printed geometry for a page of pageWidth x pageHeight device pixels: the centre at the
// page's integer halves and the radius trunc((level + 1) * base * min(W, H) / full-screen
// height), the ratio (`scale`) in single precision. The chart is left as it is.
struct PrintedGeometry {
    ChartGeometry geometry;
    float scale = 1.0f;
};
PrintedGeometry PrintingGeometry(const ChartState& chart, int pageWidth, int pageHeight);

// A point of the coordinate grid.
struct GridPoint {
    int dec = 0;     // whole degrees
    double ra = 0.0; // hours
};

inline constexpr std::size_t kGridPointCount = 1595;

// The 1595 grid points, made once: 24 hour circles from -80 to +80 every 5 degrees, then 11
// parallels from -75 to +75 every 15 degrees in steps of 1/3 hour up to 24 hours.
const std::array<GridPoint, kGridPointCount>& GridPoints();
