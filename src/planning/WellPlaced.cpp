#include "planning/WellPlaced.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <numeric>

#include "astro/SiderealTable.h"
#include "astro/SkyModel.h"
#include "catalog/CatalogStore.h"

namespace {

constexpr double kStepDays = 10.0 / 1440.0;
constexpr double kSecondDays = 1.0 / 86400.0;

double Shown(const ObjectSkyPosition& p) {
    return p.shownAltitude.value_or(p.altitude);
}

// The longest stretch of the span with the Sun below `altitude`, cut at the Sun's crossings of
// it; none when the Sun never gets that low.
std::optional<DarkWindow> LongestBelow(const SkyPositionFunction& sun, const NightPair& crossings,
                                       const NightReport& night) {
    std::vector<double> cuts = {night.noonJd, night.nextNoonJd};
    for (const std::optional<double>& t : {crossings.evening, crossings.morning}) {
        if (t) {
            cuts.push_back(*t);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    std::optional<DarkWindow> best;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const ObjectSkyPosition p = sun(0.5 * (cuts[i] + cuts[i + 1]));
        const bool dark = p.altitude <= p.standardAltitude;
        if (dark && (!best || cuts[i + 1] - cuts[i] > best->end - best->start)) {
            best = DarkWindow{cuts[i], cuts[i + 1]};
        }
    }
    return best;
}

SkyPositionFunction SunBelow(const SkyPositionFunction& sun, double altitude) {
    return [sun, altitude](double jd) {
        ObjectSkyPosition p = sun(jd);
        p.standardAltitude = altitude;
        return p;
    };
}

// Right ascension (hours) and declination (degrees) of a star or deep-sky object.
std::pair<double, double> FixedPlace(const PlannedObject& object, const CatalogStore& catalog) {
    if (object.kind == PlannedKind::Star) {
        const StarRecord& s = catalog.m_stars.at(object.index);
        return {s.ra, s.dec};
    }
    const DeepSkyRecord& d = catalog.m_deepSky.at(object.index);
    return {d.ra, d.dec};
}

// The highest point in [start, end]: sampled every 10 minutes, then the best sample's
// neighbourhood narrowed by golden sections to about a second. The altitude over a night has one
// maximum or rises or falls throughout, so the neighbourhood of the best sample holds it.
std::pair<double, double> Highest(const SkyPositionFunction& positionAt, double start, double end) {
    double bestT = start;
    double bestAlt = Shown(positionAt(start));
    for (double t = start + kStepDays;; t += kStepDays) {
        const double at = std::min(t, end);
        const double alt = Shown(positionAt(at));
        if (alt > bestAlt) {
            bestT = at;
            bestAlt = alt;
        }
        if (at >= end) {
            break;
        }
    }
    double lo = std::max(start, bestT - kStepDays);
    double hi = std::min(end, bestT + kStepDays);
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    while (hi - lo > kSecondDays) {
        const double a = hi - g * (hi - lo);
        const double b = lo + g * (hi - lo);
        if (Shown(positionAt(a)) >= Shown(positionAt(b))) {
            hi = b;
        } else {
            lo = a;
        }
    }
    const double t = 0.5 * (lo + hi);
    const double alt = Shown(positionAt(t));
    return alt >= bestAlt ? std::pair{t, alt} : std::pair{bestT, bestAlt};
}

// The last rise in the day before `jd`.
std::optional<double> RiseBefore(const SkyPositionFunction& positionAt, double jd) {
    std::optional<double> last;
    double from = jd - 1.0;
    while (const std::optional<double> rise = FindCrossing(positionAt, from, jd - from, true)) {
        last = rise;
        from = *rise + kStepDays;
        if (from >= jd) {
            break;
        }
    }
    return last;
}

} // namespace

std::vector<PlannedObject> PlanningCandidates(const CatalogStore& catalog,
                                              std::size_t brightStars) {
    std::vector<PlannedObject> objects;
    objects.push_back({PlannedKind::Body, kBodyMoon});
    for (std::size_t b = kBodyMercury; b <= kBodyPluto; ++b) {
        objects.push_back({PlannedKind::Body, b});
    }
    for (std::size_t i = 0; i < kMessierCount; ++i) {
        // An entry a short file did not fill stays numbered zero.
        if (catalog.m_deepSky[i].number > 0) {
            objects.push_back({PlannedKind::DeepSky, i});
        }
    }
    std::vector<std::size_t> stars;
    for (std::size_t i = 0; i < catalog.m_stars.size(); ++i) {
        if (catalog.m_stars[i].hr > 0) {
            stars.push_back(i);
        }
    }
    const std::size_t count = std::min(brightStars, stars.size());
    std::partial_sort(stars.begin(), stars.begin() + static_cast<std::ptrdiff_t>(count),
                      stars.end(), [&](std::size_t a, std::size_t b) {
                          return catalog.m_stars[a].magnitude < catalog.m_stars[b].magnitude;
                      });
    for (std::size_t i = 0; i < count; ++i) {
        objects.push_back({PlannedKind::Star, stars[i]});
    }
    return objects;
}

WellPlacedList ComputeWellPlaced(const NightReport& night,
                                 const std::vector<PlannedObject>& objects,
                                 const CatalogStore& catalog, const Place& place,
                                 const SkyModel& model) {
    WellPlacedList list;
    const SkyPositionFunction sun = model.BodyPosition(kBodySun, place);
    std::optional<DarkWindow> window =
        LongestBelow(SunBelow(sun, kAstronomicalTwilightAltitude), night.astronomical, night);
    list.darkness = ListDarkness::Astronomical;
    if (!window) {
        window = LongestBelow(SunBelow(sun, kNauticalTwilightAltitude), night.nautical, night);
        list.darkness = ListDarkness::Nautical;
    }
    if (!window) {
        list.darkness = ListDarkness::None;
        return list;
    }
    list.start = window->start;
    list.end = window->end;
    // The searches below reach a day before and after the dark stretch.
    const auto sidereal =
        std::make_shared<const SiderealTable>(model, list.start - 1.1, list.end + 1.1);
    for (const PlannedObject& object : objects) {
        SkyPositionFunction positionAt;
        if (object.kind == PlannedKind::Body) {
            positionAt = model.BodyPosition(object.index, place);
        } else {
            const auto [ra, dec] = FixedPlace(object, catalog);
            // A fixed object culminates at 90 - |latitude - declination| degrees.
            if (90.0 - std::fabs(place.latitudeNorth - dec) < kWellPlacedAltitude) {
                continue;
            }
            positionAt = FixedPositionOn(sidereal, ra, dec, place);
        }
        const auto [t, altitude] = Highest(positionAt, list.start, list.end);
        if (altitude < kWellPlacedAltitude) {
            continue;
        }
        list.entries.push_back({object, t, altitude, RiseBefore(positionAt, t),
                                FindCrossing(positionAt, t, 1.0, false)});
    }
    std::stable_sort(
        list.entries.begin(), list.entries.end(),
        [](const WellPlacedEntry& a, const WellPlacedEntry& b) { return a.transit < b.transit; });
    return list;
}

std::string WellPlacedNote(ListDarkness darkness) {
    switch (darkness) {
    case ListDarkness::Astronomical:
        return {};
    case ListDarkness::Nautical:
        return "no astronomical darkness: the list is for the nautical night (Sun below -12 "
               "degrees)";
    case ListDarkness::None:
        break;
    }
    return "the Sun does not reach -12 degrees: no list of what is well placed";
}

void SortVisible(std::vector<VisibleObject>& rows, WellPlacedColumn column, bool ascending) {
    const auto time = [column](const VisibleObject& v) -> std::optional<double> {
        switch (column) {
        case WellPlacedColumn::Rise:
            return v.entry.rise;
        case WellPlacedColumn::Set:
            return v.entry.set;
        case WellPlacedColumn::MaxAltitude:
            return v.entry.maxAltitude;
        default:
            return v.entry.transit;
        }
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const VisibleObject& a, const VisibleObject& b) {
        if (column == WellPlacedColumn::Name) {
            // Natural order of the names, so that M 2 comes before M 10.
            const auto key = [](const std::string& n) {
                const std::size_t digit = n.find_first_of("0123456789");
                const std::string head = n.substr(0, digit);
                const long number =
                    digit == std::string::npos ? -1 : std::strtol(n.c_str() + digit, nullptr, 10);
                return std::pair{head, number};
            };
            return ascending ? key(a.name) < key(b.name) : key(b.name) < key(a.name);
        }
        const std::optional<double> ta = time(a);
        const std::optional<double> tb = time(b);
        if (!ta || !tb) {
            return ta.has_value() && !tb.has_value();
        }
        return ascending ? *ta < *tb : *tb < *ta;
    });
}
