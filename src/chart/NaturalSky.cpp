#include "chart/NaturalSky.h"

#include "astro/Angles.h"
#include "astro/Ephemeris.h"
#include "catalog/CatalogStore.h"
#include "catalog/StarColourIndex.h"
#include "chart/LabelPlacement.h"
#include "chart/Layers.h"
#include "chart/NearStars.h"
#include "chart/SymbolTables.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// --- star light

// The magnitude whose star has a core of exactly full brightness in one pixel: fainter stars
// are dimmer points, brighter ones spread their light wider.
constexpr double kFullPixelMagnitude = 5.0;
constexpr double kCoreSigma = 0.9;   // pixels
constexpr double kHaloSigma = 3.2;   // pixels
constexpr double kHaloShare = 0.006; // of the core's peak
constexpr double kFaintestLight = 1.0 / 400.0;
constexpr int kMaxSpotRadius = 40; // pixels

// The core widens a little with the star's light, as the eye's and a camera's image of a bright
// star does: a 1st-magnitude star a disc of several pixels, not only a brighter point.
double CoreSigma(double flux) {
    return kCoreSigma * (1.0 + 0.13 * std::max(0.0, std::log10(flux)));
}

// How far the star's light reaches, in pixels: where it falls below the faintest light worth
// adding.
double SpotRadius(double flux) {
    double r = 0.0;
    if (flux > kFaintestLight) {
        r = CoreSigma(flux) * std::sqrt(2.0 * std::log(flux / kFaintestLight));
    }
    if (flux * kHaloShare > kFaintestLight) {
        r = std::max(r, kHaloSigma * std::sqrt(2.0 * std::log(flux * kHaloShare / kFaintestLight)));
    }
    return std::min(r, static_cast<double>(kMaxSpotRadius));
}

// A star's spot for its magnitude: its core's and halo's light and exponents and how far it
// reaches. Kept for magnitudes in steps of a hundredth (a 1 % step in light), from the
// brightest planet's on to where nothing is left to draw.
struct SpotShape {
    float coreFlux = 0.0f;
    float core = 0.0f; // exponent per squared pixel
    float haloFlux = 0.0f;
    bool withHalo = false;
    double reach = 0.0; // pixels
};

constexpr double kSpotStep = 0.01;
constexpr double kBrightestSpot = -8.0;
constexpr double kFaintestSpot = 12.0;

SpotShape MakeSpot(double magnitude) {
    const double flux = FluxOfMagnitude(magnitude - kFullPixelMagnitude);
    const double sigma = CoreSigma(flux);
    SpotShape spot;
    spot.coreFlux = static_cast<float>(flux);
    spot.core = static_cast<float>(-1.0 / (2.0 * sigma * sigma));
    spot.haloFlux = static_cast<float>(flux * kHaloShare);
    spot.withHalo = spot.haloFlux > kFaintestLight;
    spot.reach = SpotRadius(flux);
    return spot;
}

const SpotShape& SpotOf(double magnitude) {
    static const std::vector<SpotShape> spots = [] {
        std::vector<SpotShape> out;
        const auto count =
            static_cast<std::size_t>(std::lround((kFaintestSpot - kBrightestSpot) / kSpotStep) + 1);
        out.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            out.push_back(MakeSpot(kBrightestSpot + static_cast<double>(i) * kSpotStep));
        }
        return out;
    }();
    const double at = std::clamp((magnitude - kBrightestSpot) / kSpotStep, 0.0,
                                 static_cast<double>(spots.size() - 1));
    return spots[static_cast<std::size_t>(std::lround(at))];
}

// --- the sky

constexpr double kPi = 3.14159265358979323846;
constexpr int kSkyStep = 8; // pixels per sample of the sky's light; drawn smoothly stretched

// The Sun's and Moon's sizes.
constexpr double kSunRadiusDeg = 0.2666;
constexpr double kMoonRadiusKm = 1737.4;
constexpr int kMinDiscRadius = 3; // pixels: a disc never smaller than a bright star
constexpr int kMaxGlowRadius = 180;

double PixelsPerDegree(const LayerContext& ctx) {
    return ctx.projector.Geometry().radius * kPi / 180.0;
}

double Dot(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

std::array<double, 3> Cross(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

std::array<double, 3> Normalised(const std::array<double, 3>& a) {
    const double n = std::sqrt(Dot(a, a));
    return {a[0] / n, a[1] / n, a[2] / n};
}

bool GroundShown(const LayerContext& ctx) {
    return ctx.projector.HorizonView() && ctx.chart.m_bHorizon != 0;
}

void DrawBackground(const LayerContext& ctx, const SkyLook& look) {
    const int width = 2 * ctx.chart.m_nCenterX;
    const int height = 2 * ctx.chart.m_nCenterY;
    if (!ctx.projector.HorizonView()) {
        ctx.surface.FillRect(PixelRect{0, 0, width, height}, ScreenRgb(look.zenith));
        return;
    }
    // The sky's light sampled every few pixels, from the direction behind each sample (the
    // orthographic projection turned back: the axes are orthonormal); beyond the sphere's disc
    // the light of its rim continues.
    const Projector::Axes axes = ctx.projector.OwnAxes();
    const ChartGeometry g = ctx.projector.Geometry();
    const std::array<double, 3> sun =
        ctx.projector.OwnDirection(ctx.sky.m_bodies[kBodySun].ra, ctx.sky.m_bodies[kBodySun].dec);
    const double sunLevel = std::hypot(sun[0], sun[1]);
    const double sunX = sunLevel > 0.0 ? sun[0] / sunLevel : 1.0;
    const double sunY = sunLevel > 0.0 ? sun[1] / sunLevel : 0.0;
    IconPicture picture;
    picture.width = width / kSkyStep + 2;
    picture.height = height / kSkyStep + 2;
    picture.pixels.resize(static_cast<std::size_t>(picture.width * picture.height));
    const double radius = std::max(1.0, static_cast<double>(g.radius));
    for (int j = 0; j < picture.height; ++j) {
        for (int i = 0; i < picture.width; ++i) {
            double vx = (i * kSkyStep - g.centerX) / radius;
            double vy = (j * kSkyStep - g.centerY) / radius;
            const double r2 = vx * vx + vy * vy;
            if (r2 > 1.0) {
                // Beyond the sphere: the sky overhead, as the outside of the disc is painted
                // after the layers (OutsideTheSphere).
                picture.pixels[static_cast<std::size_t>(j * picture.width + i)] =
                    ScreenRgb(look.zenith);
                continue;
            }
            const double vz = std::sqrt(std::max(0.0, 1.0 - vx * vx - vy * vy));
            std::array<double, 3> u{};
            for (std::size_t k = 0; k < 3; ++k) {
                u[k] = vx * axes.x[k] + vy * axes.y[k] + vz * axes.toward[k];
            }
            const double altitude = std::asin(std::clamp(u[2], -1.0, 1.0)) * 180.0 / kPi;
            const double level = std::hypot(u[0], u[1]);
            const double cosFromSun = level > 0.0 ? (u[0] * sunX + u[1] * sunY) / level : 0.0;
            picture.pixels[static_cast<std::size_t>(j * picture.width + i)] =
                ScreenRgb(SkyLightAt(look, altitude, cosFromSun));
        }
    }
    ctx.surface.DrawSmoothPicture(picture, 0, 0, picture.width * kSkyStep,
                                  picture.height * kSkyStep);
}

// --- the Milky Way and the Magellanic Clouds

// How much of the faint glows the sky leaves: all of it at night, nothing from about nautical
// twilight on.
double Darkness(const SkyLook& look) {
    return std::clamp((look.faintest - 2.5) / 4.0, 0.0, 1.0);
}

// Light of each brightness level: the outer band, then each inner level on top of it.
constexpr float kOuterBandLight = 0.32f;
constexpr float kInnerLevelLight = 0.17f;
constexpr float kCloudLight = 0.45f;

// A glow's outline point: its pixel, a point beyond the rim laid onto the rim so that a ring
// half round the limb still closes on the visible side.
PixelPoint GlowPixel(const LayerContext& ctx, float ra, float dec) {
    const NaturalPoint p = ctx.projector.LocateNatural(ra, dec);
    const ChartGeometry g = ctx.projector.Geometry();
    double x = p.x - g.centerX;
    double y = p.y - g.centerY;
    if (!p.Near()) {
        const double n = std::hypot(x, y);
        if (n > 0.0) {
            x *= g.radius / n;
            y *= g.radius / n;
        }
    }
    return PixelPoint{static_cast<int>(std::lround(g.centerX + x)),
                      static_cast<int>(std::lround(g.centerY + y))};
}

void DrawMilkyWayGlow(const LayerContext& ctx, const SkyLook& look) {
    const double darkness = Darkness(look);
    if (darkness <= 0.0) {
        return;
    }
    std::vector<DrawSurface::LightPolygon> shapes;
    if (ctx.chart.m_bMilkyWay) {
        for (std::vector<PixelPoint>& band : MilkyWayBandPolygons(ctx)) {
            shapes.push_back({std::move(band), kOuterBandLight});
        }
        for (const GlowRing& ring : ctx.catalog.m_milkyWayGlow) {
            DrawSurface::LightPolygon shape{{}, kInnerLevelLight};
            bool anyNear = false;
            for (const OutlinePoint& point : ring.points) {
                anyNear = anyNear || ctx.projector.LocateNatural(point.ra, point.dec).Near();
                shape.points.push_back(GlowPixel(ctx, point.ra, point.dec));
            }
            if (anyNear) {
                shapes.push_back(std::move(shape));
            }
        }
    }
    if (ctx.chart.m_bDeepSky) {
        for (const auto& [first, count] : {std::pair{kLargeCloudFirst, kLargeCloudCount},
                                           std::pair{kSmallCloudFirst, kSmallCloudCount}}) {
            DrawSurface::LightPolygon cloud{{}, kCloudLight};
            bool anyNear = false;
            for (std::size_t i = first; i < first + count; ++i) {
                const OutlinePoint& point = ctx.catalog.m_outlinePoints[i];
                anyNear = anyNear || ctx.projector.LocateNatural(point.ra, point.dec).Near();
                cloud.points.push_back(GlowPixel(ctx, point.ra, point.dec));
            }
            if (anyNear) {
                shapes.push_back(std::move(cloud));
            }
        }
    }
    const int blur = std::max(4, static_cast<int>(ctx.projector.Geometry().radius / 50));
    const Light glow{0.16 * darkness, 0.17 * darkness, 0.21 * darkness};
    ctx.surface.AddSoftLight(shapes, ScreenRgb(glow), blur);
}

// --- the backdrop kept between frames

// Everything the background and the glows are drawn from, as bytes: the surface's size, the
// chart's geometry and axes, the turn from the equator to the chart's sphere, the rules of the
// projection, the Sun's height and place, the glows switched on and the catalogue they come
// from. Two frames with the same key draw the same backdrop.
std::string BackdropKey(const LayerContext& ctx, double sunAltitude) {
    std::vector<double> values = {static_cast<double>(ctx.surface.Width()),
                                  static_cast<double>(ctx.surface.Height()),
                                  sunAltitude,
                                  ctx.projector.HorizonView() ? 1.0 : 0.0,
                                  ctx.chart.m_bPreciseModel != 0 ? 1.0 : 0.0,
                                  ctx.chart.m_bMilkyWay != 0 ? 1.0 : 0.0,
                                  ctx.chart.m_bDeepSky != 0 ? 1.0 : 0.0,
                                  static_cast<double>(ctx.catalog.m_milkyWayGlow.size())};
    const ChartGeometry g = ctx.projector.Geometry();
    values.insert(values.end(), {static_cast<double>(g.radius), static_cast<double>(g.centerX),
                                 static_cast<double>(g.centerY)});
    const Projector::Axes axes = ctx.projector.OwnAxes();
    for (const std::array<double, 3>& v :
         {axes.x, axes.y, axes.toward, ctx.projector.OwnDirection(std::array{1.0, 0.0, 0.0}),
          ctx.projector.OwnDirection(std::array{0.0, 1.0, 0.0}),
          ctx.projector.OwnDirection(std::array{0.0, 0.0, 1.0}),
          ctx.projector.OwnDirection(ctx.sky.m_bodies[kBodySun].ra,
                                     ctx.sky.m_bodies[kBodySun].dec)}) {
        values.insert(values.end(), v.begin(), v.end());
    }
    std::string key(values.size() * sizeof(double), '\0');
    std::memcpy(key.data(), values.data(), key.size());
    const void* catalog = &ctx.catalog;
    key.append(static_cast<const char*>(static_cast<const void*>(&catalog)), sizeof catalog);
    return key;
}

// --- stars

// The screen colour of a star of this B-V (none: white), from a table in steps of a hundredth
// over the range its colour follows (-0.4 to 2.0, beyond it the ends' colours).
Rgb StarScreenColour(std::optional<double> bv) {
    constexpr double kBluest = -0.4;
    constexpr double kReddest = 2.0;
    constexpr double kStep = 0.01;
    static const std::vector<Rgb> colours = [] {
        std::vector<Rgb> out;
        for (int i = 0; i <= static_cast<int>(std::lround((kReddest - kBluest) / kStep)); ++i) {
            out.push_back(ScreenRgb(StarColour(kBluest + i * kStep)));
        }
        return out;
    }();
    if (!bv) {
        return ScreenRgb(StarColour(std::nullopt));
    }
    const double at =
        std::clamp((*bv - kBluest) / kStep, 0.0, static_cast<double>(colours.size() - 1));
    return colours[static_cast<std::size_t>(std::lround(at))];
}

// The faintest magnitude drawn at a point: what the sky lets through and the catalogue's limit.
double FaintestShown(const LayerContext& ctx, const SkyLook& look) {
    return std::min(ctx.chart.m_dStarLimit, look.faintest);
}

// Whether a star located at a point shines, and how bright: within the window widened by the
// largest spot, above the ground, dimmed by extinction near the horizon, no fainter than the sky
// lets through.
struct StarLightRules {
    static constexpr int kMargin = kMaxSpotRadius;

    StarLightRules(const LayerContext& ctx, const SkyLook& look)
        : horizon(ctx.projector.HorizonView()), ground(GroundShown(ctx)),
          faintest(FaintestShown(ctx, look)), width(2 * ctx.chart.m_nCenterX),
          height(2 * ctx.chart.m_nCenterY) {}

    // The magnitude a star of `magnitude` shows at p, or nothing when it is not drawn.
    std::optional<double> Shown(const NaturalPoint& p, double magnitude) const {
        if (!p.Near() || p.x < -kMargin || p.y < -kMargin || p.x > width + kMargin ||
            p.y > height + kMargin) {
            return std::nullopt;
        }
        if (horizon) {
            if (ground && p.altitude < 0.0) {
                return std::nullopt;
            }
            magnitude += ExtinctionMagnitudes(p.altitude);
        }
        if (magnitude > faintest) {
            return std::nullopt;
        }
        return magnitude;
    }

    bool horizon;
    bool ground;
    double faintest;
    int width;
    int height;
};

void DrawNaturalStars(const LayerContext& ctx, const SkyLook& look) {
    const ChartState& chart = ctx.chart;
    const StarLightRules rules(ctx, look);
    auto drawStar = [&](std::size_t i) {
        const StarRecord& star = ctx.catalog.m_stars[i];
        if (!(star.magnitude <= chart.m_dStarLimit)) {
            return;
        }
        NaturalPoint p;
        if (ctx.directionMemo != nullptr) {
            const PointMemo::Direction& d =
                ctx.directionMemo->stars.DirectionOf(i, star.ra, star.dec);
            p = ctx.projector.LocateNatural(std::array<double, 3>{d.x, d.y, d.z});
        } else {
            p = ctx.projector.LocateNatural(star.ra, star.dec);
        }
        const std::optional<double> magnitude = rules.Shown(p, star.magnitude);
        if (!magnitude) {
            return;
        }
        const int px = static_cast<int>(std::floor(p.x));
        const int py = static_cast<int>(std::floor(p.y));
        if (ctx.projector.InsideClient(px, py)) {
            ctx.picks.stars[i] = StarPick{px, py, TruncatedMagnitude(star.magnitude)};
        }
        const Rgb colour =
            StarScreenColour(chart.m_bColoredStars ? ColourIndexOfStar(star.hr) : std::nullopt);
        DrawStarLight(ctx.surface, p.x, p.y, *magnitude, colour);
    };
    // Stars beyond the client area by less than the largest spot still spread light into it.
    ForStarsNearClient(ctx, StarLightRules::kMargin, drawStar);
}

// The faint-star layer in the same light as the bright stars, by its own B-V (none: white).
void DrawNaturalFaintStars(const LayerContext& ctx, const SkyLook& look) {
    const StarLightRules rules(ctx, look);
    DrawFaintStarsBy(
        ctx, rules.faintest, StarLightRules::kMargin,
        [&](const FaintStar& star, double ra, double dec) -> std::optional<PixelPoint> {
            const NaturalPoint p = ctx.projector.LocateNatural(ra, dec);
            const std::optional<double> magnitude = rules.Shown(p, star.magnitude);
            if (!magnitude) {
                return std::nullopt;
            }
            const bool coloured = ctx.chart.m_bColoredStars && star.hasBv;
            DrawStarLight(
                ctx.surface, p.x, p.y, *magnitude,
                StarScreenColour(coloured ? std::optional<double>(star.bv) : std::nullopt));
            const PixelPoint pixel{static_cast<int>(std::floor(p.x)),
                                   static_cast<int>(std::floor(p.y))};
            if (!ctx.projector.InsideClient(pixel.x, pixel.y)) {
                return std::nullopt;
            }
            return pixel;
        });
}

// --- the Sun, the Moon and the planets

// A disc of `radius` pixels about (x, y) with a soft rim, lit by `lit` (0..1 for each point of
// the disc, from its normal toward the viewer).
template <typename Lit>
void DrawDisc(DrawSurface& surface, double x, double y, double radius, Rgb colour, Lit lit) {
    const int r = static_cast<int>(std::ceil(radius)) + 1;
    const int cx = static_cast<int>(std::floor(x));
    const int cy = static_cast<int>(std::floor(y));
    for (int py = cy - r; py <= cy + r; ++py) {
        for (int px = cx - r; px <= cx + r; ++px) {
            const double dx = px + 0.5 - x;
            const double dy = py + 0.5 - y;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double cover = std::clamp(radius + 0.5 - d, 0.0, 1.0);
            if (cover <= 0.0) {
                continue;
            }
            const double nx = std::clamp(dx / radius, -1.0, 1.0);
            const double ny = std::clamp(dy / radius, -1.0, 1.0);
            const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
            surface.AddLight(px, py, colour, static_cast<float>(cover * lit(nx, ny, nz)));
        }
    }
}

double DrawSun(const LayerContext& ctx, const NaturalPoint& p) {
    const double radius = std::max<double>(kMinDiscRadius, kSunRadiusDeg * PixelsPerDegree(ctx));
    // The glow: light falling off with the distance from the rim, as the sky scatters it.
    const int reach = std::min(kMaxGlowRadius, static_cast<int>(radius * 10.0) + 20);
    const Rgb glow{255, 236, 200};
    const int cx = static_cast<int>(std::floor(p.x));
    const int cy = static_cast<int>(std::floor(p.y));
    for (int py = cy - reach; py <= cy + reach; ++py) {
        for (int px = cx - reach; px <= cx + reach; ++px) {
            const double d = std::hypot(px + 0.5 - p.x, py + 0.5 - p.y);
            if (d > reach || d < radius) {
                continue;
            }
            const double s = (d - radius) / (radius + 6.0);
            ctx.surface.AddLight(
                px, py, glow, static_cast<float>(0.75 / (1.0 + 4.0 * s * s) * (1.0 - d / reach)));
        }
    }
    DrawDisc(ctx.surface, p.x, p.y, radius, Rgb{255, 252, 240},
             [](double, double, double) { return 1.0; });
    return radius;
}

double DrawMoon(const LayerContext& ctx, const NaturalPoint& p) {
    const SolarSystemBody& moon = ctx.sky.m_bodies[kBodyMoon];
    const SolarSystemBody& sun = ctx.sky.m_bodies[kBodySun];
    double radiusDeg = 0.259;
    if (moon.earthDistanceKm > kMoonRadiusKm) {
        radiusDeg = std::atan(kMoonRadiusKm / moon.earthDistanceKm) * 180.0 / kPi;
    }
    const double radius = std::max<double>(kMinDiscRadius, radiusDeg * PixelsPerDegree(ctx));
    // The Sun as seen from the Moon: toward the viewer by the cosine of the phase angle, and
    // across the disc along the great circle from the Moon toward the Sun.
    const std::array<double, 3> m = ctx.projector.OwnDirection(moon.ra, moon.dec);
    const std::array<double, 3> s = ctx.projector.OwnDirection(sun.ra, sun.dec);
    const double along = Dot(m, s);
    const std::array<double, 3> t = {s[0] - along * m[0], s[1] - along * m[1], s[2] - along * m[2]};
    const Projector::Axes axes = ctx.projector.OwnAxes();
    double ux = Dot(axes.x, t);
    double uy = Dot(axes.y, t);
    const double n = std::hypot(ux, uy);
    if (n > 0.0) {
        ux /= n;
        uy /= n;
    }
    const double cosI = std::clamp(moon.cosPhaseAngle, -1.0, 1.0);
    const double sinI = std::sqrt(1.0 - cosI * cosI);
    const double sx = sinI * ux;
    const double sy = sinI * uy;
    constexpr double kEarthshine = 0.05;
    DrawDisc(
        ctx.surface, p.x, p.y, radius, Rgb{246, 242, 228}, [&](double nx, double ny, double nz) {
            const double lit = std::clamp((nx * sx + ny * sy + nz * cosI) * 6.0 + 0.5, 0.0, 1.0);
            return kEarthshine + (1.0 - kEarthshine) * lit;
        });
    return radius;
}

// The planets' tints (body index 2..9), light enough to read as white points with a hue.
constexpr std::array<Light, kBodyCount> kPlanetTints = {{
    {1.0, 1.0, 1.0},   // Moon (unused)
    {1.0, 1.0, 1.0},   // Sun (unused)
    {1.0, 0.94, 0.88}, // Mercury
    {1.0, 1.0, 0.94},  // Venus
    {1.0, 0.78, 0.62}, // Mars
    {1.0, 0.96, 0.88}, // Jupiter
    {1.0, 0.92, 0.76}, // Saturn
    {0.84, 0.96, 1.0}, // Uranus
    {0.78, 0.86, 1.0}, // Neptune
    {1.0, 0.96, 0.9},  // Pluto
}};

// The bodies; how far each one's label must stand further out than beside a point, pixels (the
// Sun's and Moon's discs grow with the zoom).
BodyLabelClearance DrawBodies(const LayerContext& ctx, const SkyLook& look) {
    BodyLabelClearance clearance{};
    const BodyTable& bodies = ctx.sky.m_bodies;
    const bool ground = GroundShown(ctx);
    const double faintest = FaintestShown(ctx, look);
    for (std::size_t b = kBodyCount; b-- > 0;) {
        const SolarSystemBody& body = bodies[b];
        const NaturalPoint p = ctx.projector.LocateNatural(body.ra, body.dec);
        if (!p.Near()) {
            continue;
        }
        ctx.picks.bodies[b] =
            PixelPoint{static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y))};
        const double radiusAllowance = b == kBodySun || b == kBodyMoon ? -0.6 : 0.0;
        if (ground && p.altitude < radiusAllowance) {
            continue;
        }
        if (b == kBodySun || b == kBodyMoon) {
            const double radius = b == kBodySun ? DrawSun(ctx, p) : DrawMoon(ctx, p);
            clearance[b] = std::max(0, static_cast<int>(std::ceil(radius)) - kMinDiscRadius);
            continue;
        }
        const PlanetAppearanceResult appearance =
            PlanetAppearance(static_cast<int>(b) - 1, body.sunDistanceAu, body.earthDistanceAu,
                             bodies[kBodySun].earthDistanceAu);
        double magnitude = appearance.magnitude;
        if (!std::isfinite(magnitude)) {
            continue;
        }
        if (ctx.projector.HorizonView()) {
            magnitude += ExtinctionMagnitudes(p.altitude);
        }
        if (magnitude > faintest) {
            continue;
        }
        DrawStarLight(ctx.surface, p.x, p.y, magnitude, ScreenRgb(kPlanetTints[b]));
    }
    return clearance;
}

// --- the ground

// The ground of the local-horizon chart: the near half of the horizon's circle closed by the
// half of the sphere's rim that lies below the horizon, filled opaque; the compass letters on
// the horizon line.
void DrawGround(const LayerContext& ctx, const SkyLook& look) {
    const Projector::Axes axes = ctx.projector.OwnAxes();
    const ChartGeometry g = ctx.projector.Geometry();
    const std::array<double, 3> zenith = {0.0, 0.0, 1.0};
    const std::array<double, 3> across = Cross(axes.toward, zenith);
    auto pixel = [&](const std::array<double, 3>& v) {
        return PixelPoint{static_cast<int>(std::floor(g.centerX + g.radius * Dot(axes.x, v))),
                          static_cast<int>(std::floor(g.centerY + g.radius * Dot(axes.y, v)))};
    };
    std::vector<PixelPoint> outline;
    constexpr int kSteps = 180; // one degree each
    if (Dot(across, across) < 1e-12) {
        if (Dot(axes.toward, zenith) > 0.0) {
            return; // looking straight up: the horizon is the rim, no ground in sight
        }
        for (int k = 0; k < 2 * kSteps; ++k) {
            const double a = k * kPi / kSteps;
            const std::array<double, 3> v = {std::cos(a) * axes.x[0] + std::sin(a) * axes.y[0],
                                             std::cos(a) * axes.x[1] + std::sin(a) * axes.y[1],
                                             std::cos(a) * axes.x[2] + std::sin(a) * axes.y[2]};
            outline.push_back(pixel(v));
        }
    } else {
        const std::array<double, 3> p = Normalised(across);
        std::array<double, 3> up = Cross(zenith, p); // in the horizon, toward the viewer
        if (Dot(up, axes.toward) < 0.0) {
            up = {-up[0], -up[1], -up[2]};
        }
        std::array<double, 3> down = Cross(axes.toward, p); // on the rim, below the horizon
        if (down[2] > 0.0) {
            down = {-down[0], -down[1], -down[2]};
        }
        for (int k = 0; k <= kSteps; ++k) {
            const double a = k * kPi / kSteps;
            outline.push_back(pixel({std::cos(a) * p[0] + std::sin(a) * up[0],
                                     std::cos(a) * p[1] + std::sin(a) * up[1],
                                     std::cos(a) * p[2] + std::sin(a) * up[2]}));
        }
        for (int k = 1; k < kSteps; ++k) {
            const double a = k * kPi / kSteps;
            outline.push_back(pixel({-std::cos(a) * p[0] + std::sin(a) * down[0],
                                     -std::cos(a) * p[1] + std::sin(a) * down[1],
                                     -std::cos(a) * p[2] + std::sin(a) * down[2]}));
        }
    }
    const Rgb ground = ScreenRgb(look.ground);
    ctx.surface.SelectPen(Pen{PenStyle::Solid, 1, ground});
    ctx.surface.SelectBrush(Brush{BrushStyle::Solid, ground});
    ctx.surface.Polygon(outline);

    // Outside the sphere's disc nothing of the sky is drawn: labels of points just inside its
    // rim below the horizon would otherwise spill out past the ground.
    const Rgb outside = ScreenRgb(look.zenith);
    const int width = 2 * ctx.chart.m_nCenterX;
    const int height = 2 * ctx.chart.m_nCenterY;
    std::vector<PixelPoint> frame = {
        {-1, -1}, {width + 1, -1}, {width + 1, height + 1}, {-1, height + 1}, {-1, -1}};
    constexpr int kRimSteps = 360;
    const double rimRadius = g.radius + 1.0;
    for (int k = 0; k <= kRimSteps; ++k) {
        const double a = 2.0 * kPi * k / kRimSteps;
        frame.push_back(
            PixelPoint{static_cast<int>(std::lround(g.centerX + rimRadius * std::cos(a))),
                       static_cast<int>(std::lround(g.centerY + rimRadius * std::sin(a)))});
    }
    if (rimRadius < std::hypot(width, height)) {
        ctx.surface.SelectPen(Pen{PenStyle::Null, 1, outside});
        ctx.surface.SelectBrush(Brush{BrushStyle::Solid, outside});
        ctx.surface.Polygon(frame);
    }

    // The compass letters just below the horizon, at chart azimuth 0 (south), 90 (east), 180
    // (north) and 270 (west).
    struct Letter {
        double azimuth;
        const char* text;
    };
    constexpr Letter kLetters[] = {{90.0, "E"}, {270.0, "W"}, {180.0, "N"}, {0.0, "S"}};
    ctx.surface.SelectFont(LabelFont(16, 700));
    ctx.surface.SetTextColour(Rgb{214, 196, 150});
    ctx.surface.SetBackgroundMode(BackgroundMode::Transparent);
    ctx.SelectLabelBackdrop();
    for (const Letter& letter : kLetters) {
        const NaturalPoint at = ctx.projector.LocateOwn(letter.azimuth, 0.0);
        const int x = static_cast<int>(std::floor(at.x));
        const int y = static_cast<int>(std::floor(at.y));
        if (!at.Near() || !ctx.projector.InsideClient(x, y)) {
            continue;
        }
        const TextExtent extent = ctx.surface.MeasureText(letter.text);
        DrawBoxedLabel(ctx.surface, PixelPoint{x - extent.width / 2, y + 2}, letter.text, extent);
    }
}

} // namespace

Rgb ScreenRgb(const Light& light) {
    auto channel = [](double v) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
    };
    return Rgb{channel(light.r), channel(light.g), channel(light.b)};
}

void DrawStarLight(DrawSurface& surface, double x, double y, double magnitude, Rgb colour) {
    const SpotShape& spot = SpotOf(magnitude);
    // The pixels whose centres lie within the spot's reach (at least the one under the star).
    const int left = std::min(static_cast<int>(std::ceil(x - spot.reach - 0.5)),
                              static_cast<int>(std::floor(x)));
    const int top = std::min(static_cast<int>(std::ceil(y - spot.reach - 0.5)),
                             static_cast<int>(std::floor(y)));
    const int spanX = std::max(static_cast<int>(std::floor(x + spot.reach - 0.5)) - left + 1, 1);
    const int spanY = std::max(static_cast<int>(std::floor(y + spot.reach - 0.5)) - top + 1, 1);
    const float core = spot.core;
    const float halo = static_cast<float>(-1.0 / (2.0 * kHaloSigma * kHaloSigma));
    const float haloFlux = spot.haloFlux;
    const bool withHalo = spot.withHalo;
    const float coreFlux = spot.coreFlux;
    // The spot's light is a product of a row's and a column's factor (exp(a + b) = exp(a)
    // exp(b)), so each factor is taken once per row or column rather than once per pixel.
    constexpr int kMaxSpan = 2 * kMaxSpotRadius + 2;
    std::array<float, 4 * kMaxSpan> factors{};
    float* coreX = factors.data();
    float* coreY = coreX + kMaxSpan;
    float* haloX = coreY + kMaxSpan;
    float* haloY = haloX + kMaxSpan;
    for (int k = 0; k < spanX; ++k) {
        const float dx = static_cast<float>(left + k + 0.5 - x);
        coreX[k] = std::exp(dx * dx * core);
        haloX[k] = withHalo ? std::exp(dx * dx * halo) : 0.0f;
    }
    for (int k = 0; k < spanY; ++k) {
        const float dy = static_cast<float>(top + k + 0.5 - y);
        coreY[k] = coreFlux * std::exp(dy * dy * core);
        haloY[k] = withHalo ? haloFlux * std::exp(dy * dy * halo) : 0.0f;
    }
    // The light of each pixel, added in one block; where it is more than the screen can show,
    // the point turns white, as a bright star does to the eye.
    std::array<float, kMaxSpan * kMaxSpan> amounts;
    for (int j = 0; j < spanY; ++j) {
        for (int i = 0; i < spanX; ++i) {
            float light = coreY[j] * coreX[i];
            if (withHalo) {
                light += haloY[j] * haloX[i];
            }
            float& amount = amounts[static_cast<std::size_t>(j * spanX + i)];
            amount = light < static_cast<float>(kFaintestLight) ? 0.0f : light;
            if (light <= 1.0f) {
                continue;
            }
            amount = 0.0f;
            const float white = std::min((light - 1.0f) / 6.0f, 0.6f);
            auto toward = [white](std::uint8_t c) {
                return static_cast<std::uint8_t>(c + (255.0f - c) * white);
            };
            surface.AddLight(left + i, top + j,
                             Rgb{toward(colour.r), toward(colour.g), toward(colour.b)}, 1.0f);
        }
    }
    surface.AddLightBlock(
        left, top, spanX, spanY,
        std::span<const float>(amounts.data(), static_cast<std::size_t>(spanX * spanY)), colour);
}

void DrawNaturalFrame(const LayerContext& ctx, double sunAltitude) {
    const SkyLook look = SkyLookForSun(sunAltitude);
    const ChartState& chart = ctx.chart;
    ScopedSurfaceState keep(ctx.surface);

    // What the sky lets through decides the classic layers' magnitude limits too: no deep-sky
    // object or star name in daylight or bright twilight.
    ChartState seen = ctx.chart;
    seen.m_dStarLimit = std::min(seen.m_dStarLimit, look.faintest);
    seen.m_dDeepSkyLimit = std::min(seen.m_dDeepSkyLimit, look.faintest);
    LayerContext layers{seen,        ctx.sky,    ctx.picks,     ctx.catalog, ctx.northernMoon,
                        ctx.surface, ctx.target, ctx.deepColour};
    layers.printingScale = ctx.printingScale;
    layers.natural = true;
    layers.directionMemo = ctx.directionMemo;
    layers.memo = ctx.memo;
    layers.projector = ctx.projector;
    layers.skyColour = ScreenRgb(look.zenith);
    layers.skyFillColour = layers.skyColour;
    // The sky and the glows change only with the view: a frame of the same view puts back the
    // picture the last one kept.
    std::string key = BackdropKey(ctx, sunAltitude);
    if (!ctx.surface.RestoreBackdrop(key)) {
        DrawBackground(ctx, look);
        DrawMilkyWayGlow(layers, look);
        ctx.surface.KeepBackdrop(std::move(key));
    }
    if (chart.m_bEcliptic) {
        DrawEcliptic(layers);
    }
    if (chart.m_bBoundaries) {
        DrawBoundaries(layers);
    }
    if (chart.m_bConstelations) {
        DrawConstellationFigures(layers);
    }
    if (chart.m_bDeepSky) {
        DrawDeepSky(layers);
    }
    if (chart.m_bCoordinations) {
        DrawGrid(layers);
    }
    if (chart.m_bFaintStars) {
        DrawNaturalFaintStars(layers, look);
    }
    DrawNaturalStars(layers, look);
    if (chart.m_bStarNames && chart.m_nLevel >= 1) {
        DrawStarNames(layers);
    }
    if (chart.m_bSolarSystem) {
        // The labels after the discs, beside them, so that no disc covers its label.
        DrawSolarSystemLabels(layers, DrawBodies(layers, look));
    }
    if (chart.m_bHorizon) {
        if (ctx.projector.HorizonView()) {
            DrawGround(layers, look);
        } else {
            DrawHorizon(layers);
        }
    }
}
