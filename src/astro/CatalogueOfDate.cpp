#include "astro/CatalogueOfDate.h"

#include <cmath>

#include "catalog/StarProperMotions.h"

namespace {

constexpr double kHoursPerRadian = 12.0 / 3.14159265358979323846;
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

// Calls f(ra, dec) for every carried position, always in the same order.
template <typename Store, typename F> void ForEachPosition(Store& catalog, F&& f) {
    for (auto& star : catalog.m_stars) {
        f(star.ra, star.dec);
    }
    for (auto& point : catalog.m_figurePoints) {
        f(point.ra, point.dec);
    }
    for (auto& object : catalog.m_deepSky) {
        f(object.ra, object.dec);
    }
    for (auto& name : catalog.m_starNames) {
        f(name.ra, name.dec);
    }
    for (std::size_t i = 0; i < kOutlinePointCount; ++i) {
        if (i >= kHorizonFirst && i < kHorizonFirst + kHorizonCount) {
            continue; // the horizon ring's slot holds no catalogue position
        }
        f(catalog.m_outlinePoints[i].ra, catalog.m_outlinePoints[i].dec);
    }
    for (auto& label : catalog.m_constellationLabelPoints) {
        f(label.ra, label.dec);
    }
    for (auto& label : catalog.m_cloudLabelPoints) {
        f(label.ra, label.dec);
    }
}

constexpr double kRadiansPerMilliarcsec = 3.14159265358979323846 / (180.0 * 3600.0 * 1000.0);
constexpr double kJ2000 = 2451545.0; // Julian day, the catalogue's epoch
constexpr double kDaysPerJulianYear = 365.25;

// The unit vector's change per year for a proper motion at (ra, dec): along the parallel and
// the meridian of the star.
Vector3 MotionOf(const StarProperMotion& pm, double raHours, double decDegrees) {
    const double ra = raHours * 15.0 * 3.14159265358979323846 / 180.0;
    const double dec = decDegrees * 3.14159265358979323846 / 180.0;
    const double east = pm.raCosDec * kRadiansPerMilliarcsec;
    const double north = pm.dec * kRadiansPerMilliarcsec;
    return {-std::sin(ra) * east - std::sin(dec) * std::cos(ra) * north,
            std::cos(ra) * east - std::sin(dec) * std::sin(ra) * north, std::cos(dec) * north};
}

void KeepLoadedPositions(CatalogStore& catalog) {
    CatalogEpochCopy& epoch = catalog.m_epoch;
    epoch.loaded.clear();
    epoch.unit.clear();
    epoch.motion.clear();
    ForEachPosition(catalog, [&](float ra, float dec) {
        epoch.loaded.push_back({ra, dec});
        // A record left all zero (missing or damaged) stays all zero.
        epoch.unit.push_back(ra == 0.0f && dec == 0.0f ? Vector3{} : UnitVectorOf(ra, dec));
        epoch.motion.push_back(Vector3{});
    });
    // The stars come first in the walk, in table order.
    for (std::size_t i = 0; i < kStarCount; ++i) {
        const StarRecord& star = catalog.m_stars[i];
        if (star.hr == 0 || epoch.unit[i] == Vector3{}) {
            continue;
        }
        if (const auto pm = ProperMotionOfStar(star.hr)) {
            epoch.motion[i] = MotionOf(*pm, epoch.loaded[i][0], epoch.loaded[i][1]);
        }
    }
}

} // namespace

FastApparentPlace::FastApparentPlace(const ApparentPlaceFrame& frame)
    : m_rbpn(frame.rbpn), m_velocity(frame.earthVelocity) {
    for (int i = 0; i < 3; ++i) {
        m_rotatedVelocity[i] = m_rbpn[i][0] * m_velocity[0] + m_rbpn[i][1] * m_velocity[1] +
                               m_rbpn[i][2] * m_velocity[2];
    }
}

void FastApparentPlace::RaDec(const Vector3& p, double& raHours, double& decDegrees) const {
    // Aberration to first order, p + v - (p.v) p, turned by the matrix: M p + M v - (p.v) M p.
    // The direction needs no normalising for the two arc tangents.
    const double pv = p[0] * m_velocity[0] + p[1] * m_velocity[1] + p[2] * m_velocity[2];
    Vector3 q{};
    for (int i = 0; i < 3; ++i) {
        const double mp = m_rbpn[i][0] * p[0] + m_rbpn[i][1] * p[1] + m_rbpn[i][2] * p[2];
        q[i] = mp + m_rotatedVelocity[i] - pv * mp;
    }
    double ra = std::atan2(q[1], q[0]) * kHoursPerRadian;
    if (ra < 0.0) {
        ra += 24.0;
    }
    raHours = ra >= 24.0 ? ra - 24.0 : ra;
    decDegrees = std::atan2(q[2], std::sqrt(q[0] * q[0] + q[1] * q[1])) * kDegreesPerRadian;
}

void CarryCatalogueToDate(CatalogStore& catalog, const PreciseInstant& instant,
                          const ApparentPlaceFrame& frame) {
    CatalogEpochCopy& epoch = catalog.m_epoch;
    if (epoch.carried && epoch.carriedTt1 == instant.tt1 && epoch.carriedTt2 == instant.tt2) {
        return;
    }
    if (!epoch.carried) {
        KeepLoadedPositions(catalog);
    }
    const FastApparentPlace fast(frame);
    // Proper motion is linear in time: over two centuries the neglected curvature stays below
    // a milliarcsecond even for the fastest star of the catalogue.
    const double years = (instant.tt1 - kJ2000 + instant.tt2) / kDaysPerJulianYear;
    std::size_t k = 0;
    ForEachPosition(catalog, [&](float& ra, float& dec) {
        const Vector3& unit = epoch.unit[k];
        const Vector3& motion = epoch.motion[k];
        ++k;
        if (unit[0] == 0.0 && unit[1] == 0.0 && unit[2] == 0.0) {
            return;
        }
        const Vector3 p = {unit[0] + years * motion[0], unit[1] + years * motion[1],
                           unit[2] + years * motion[2]};
        double raOfDate = 0.0;
        double decOfDate = 0.0;
        fast.RaDec(p, raOfDate, decOfDate);
        ra = static_cast<float>(raOfDate);
        dec = static_cast<float>(decOfDate);
    });
    epoch.carried = true;
    epoch.carriedTt1 = instant.tt1;
    epoch.carriedTt2 = instant.tt2;
}

void LoadedStarPosition(const CatalogStore& catalog, std::size_t index, double& raHours,
                        double& decDegrees) {
    // The stars come first in the walk of the kept positions.
    if (catalog.m_epoch.carried) {
        raHours = catalog.m_epoch.loaded.at(index)[0];
        decDegrees = catalog.m_epoch.loaded.at(index)[1];
    } else {
        raHours = catalog.m_stars.at(index).ra;
        decDegrees = catalog.m_stars.at(index).dec;
    }
}

void LoadedDeepSkyPosition(const CatalogStore& catalog, std::size_t index, double& raHours,
                           double& decDegrees) {
    // The deep-sky objects follow the stars and the figure points in the walk.
    if (catalog.m_epoch.carried) {
        const std::size_t k = catalog.m_stars.size() + catalog.m_figurePoints.size() + index;
        raHours = catalog.m_epoch.loaded.at(k)[0];
        decDegrees = catalog.m_epoch.loaded.at(k)[1];
    } else {
        raHours = catalog.m_deepSky.at(index).ra;
        decDegrees = catalog.m_deepSky.at(index).dec;
    }
}

Vector3 ProperMotionPerYear(std::int32_t hr, double raHours, double decDegrees) {
    if (hr == 0) {
        return Vector3{};
    }
    const auto pm = ProperMotionOfStar(hr);
    return pm ? MotionOf(*pm, raHours, decDegrees) : Vector3{};
}

void RestoreCatalogueEpoch(CatalogStore& catalog) {
    CatalogEpochCopy& epoch = catalog.m_epoch;
    if (!epoch.carried) {
        return;
    }
    std::size_t k = 0;
    ForEachPosition(catalog, [&](float& ra, float& dec) {
        ra = epoch.loaded[k][0];
        dec = epoch.loaded[k][1];
        ++k;
    });
    epoch.carried = false;
}

void CarryToCatalogueDate(const CatalogStore& catalog, double& raHours, double& decDegrees) {
    if (!catalog.m_epoch.carried) {
        return;
    }
    PreciseInstant instant;
    instant.tt1 = catalog.m_epoch.carriedTt1;
    instant.tt2 = catalog.m_epoch.carriedTt2;
    FastApparentPlace(ApparentPlaceFrameOf(instant))
        .RaDec(UnitVectorOf(raHours, decDegrees), raHours, decDegrees);
}
