#include "astro/CatalogueOfDate.h"

namespace {

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
            continue; // the horizon ring is computed for the date by the engine itself
        }
        f(catalog.m_outlinePoints[i].ra, catalog.m_outlinePoints[i].dec);
    }
}

void KeepLoadedPositions(CatalogStore& catalog) {
    CatalogEpochCopy& epoch = catalog.m_epoch;
    epoch.loaded.clear();
    epoch.unit.clear();
    ForEachPosition(catalog, [&](float ra, float dec) {
        epoch.loaded.push_back({ra, dec});
        // A record left all zero (missing or damaged) stays all zero.
        epoch.unit.push_back(ra == 0.0f && dec == 0.0f ? Vector3{} : UnitVectorOf(ra, dec));
    });
}

} // namespace

void CarryCatalogueToDate(CatalogStore& catalog, const PreciseInstant& instant,
                          const ApparentPlaceFrame& frame) {
    CatalogEpochCopy& epoch = catalog.m_epoch;
    if (epoch.carried && epoch.carriedTt1 == instant.tt1 && epoch.carriedTt2 == instant.tt2) {
        return;
    }
    if (!epoch.carried) {
        KeepLoadedPositions(catalog);
    }
    std::size_t k = 0;
    ForEachPosition(catalog, [&](float& ra, float& dec) {
        const Vector3& p = epoch.unit[k++];
        if (p[0] == 0.0 && p[1] == 0.0 && p[2] == 0.0) {
            return;
        }
        double raOfDate = 0.0;
        double decOfDate = 0.0;
        RaDecOf(ApparentDirection(frame, p), raOfDate, decOfDate);
        ra = static_cast<float>(raOfDate);
        dec = static_cast<float>(decOfDate);
    });
    epoch.carried = true;
    epoch.carriedTt1 = instant.tt1;
    epoch.carriedTt2 = instant.tt2;
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

std::size_t CarriedPositionCount(const CatalogStore& catalog) {
    std::size_t count = 0;
    ForEachPosition(catalog, [&](const float&, const float&) { ++count; });
    return count;
}
