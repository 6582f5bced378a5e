#include "telescope/MountTarget.h"

#include "astro/CatalogueOfDate.h"
#include "astro/PreciseEphemeris.h"
#include "catalog/CatalogStore.h"
#include "catalog/ConstellationNames.h"
#include "catalog/Constellations.h"

#include <cmath>

namespace {

constexpr double kJ2000 = 2451545.0; // Julian day (TT), the catalogue's epoch
constexpr double kDaysPerJulianYear = 365.25;

// The apparent place of date of a catalogue direction (J2000, taken as the ICRS) moving by
// `motionPerYear` (unit vector change per Julian year).
void ApparentOfCatalogue(double raHours, double decDegrees, const Vector3& motionPerYear,
                         const PreciseInstant& instant, MountTarget& target) {
    const double years = (instant.tt1 - kJ2000 + instant.tt2) / kDaysPerJulianYear;
    const Vector3 unit = UnitVectorOf(raHours, decDegrees);
    Vector3 p{};
    double norm = 0.0;
    for (int i = 0; i < 3; ++i) {
        p[i] = unit[i] + years * motionPerYear[i];
        norm += p[i] * p[i];
    }
    norm = std::sqrt(norm);
    for (double& c : p) {
        c /= norm;
    }
    RaDecOf(ApparentDirection(ApparentPlaceFrameOf(instant), p), target.raHours, target.decDegrees);
}

} // namespace

MountTarget MountTargetOf(const NamedObject& object, const CatalogStore& catalog,
                          const Instant& instant, const Place& place) {
    MountTarget target;
    target.title = NamedObjectTitle(object, catalog);
    const PreciseInstant precise = PreciseInstantOf(instant.ut);
    double ra = 0.0;
    double dec = 0.0;
    switch (object.kind) {
    case NamedKind::Body: {
        const ApparentPlaceFrame frame = ApparentPlaceFrameOf(precise);
        BodyTable bodies{};
        PreciseBodies(precise, frame, ApparentSiderealDegrees(precise, frame), place.longitudeWest,
                      place.latitudeNorth, bodies);
        const SolarSystemBody& body = bodies.at(object.index);
        target.raHours = body.ra;
        target.decDegrees = body.dec;
        return target;
    }
    case NamedKind::Constellation: {
        const std::size_t row =
            ConstellationSearchRow(ConstellationNamingTable.at(object.index).searchName);
        const ConstellationName& c = ConstellationNameTable.at(row);
        ApparentOfCatalogue(c.ra, c.dec, Vector3{}, precise, target);
        return target;
    }
    case NamedKind::Star:
        LoadedStarPosition(catalog, object.index, ra, dec);
        ApparentOfCatalogue(ra, dec,
                            ProperMotionPerYear(catalog.m_stars.at(object.index).hr, ra, dec),
                            precise, target);
        return target;
    case NamedKind::DeepSky:
        LoadedDeepSkyPosition(catalog, object.index, ra, dec);
        ApparentOfCatalogue(ra, dec, Vector3{}, precise, target);
        return target;
    case NamedKind::FaintStar: {
        // The faint-star table always holds its J2000 positions.
        const FaintStar& star = catalog.m_faintStars.stars.at(object.index);
        ApparentOfCatalogue(star.ra, star.dec, Vector3{}, precise, target);
        return target;
    }
    }
    return target;
}

MountTarget MountTargetOf(const PickedObject& object, const CatalogStore& catalog,
                          const Instant& instant, const Place& place) {
    NamedObject named;
    named.index = object.index;
    switch (object.kind) {
    case PickedKind::Body:
        named.kind = NamedKind::Body;
        break;
    case PickedKind::Star:
        named.kind = NamedKind::Star;
        break;
    case PickedKind::DeepSky:
        named.kind = NamedKind::DeepSky;
        break;
    case PickedKind::FaintStar:
        named.kind = NamedKind::FaintStar;
        break;
    }
    return MountTargetOf(named, catalog, instant, place);
}

std::optional<MountTarget> MountTargetOfName(std::string_view name, const NameIndex& index,
                                             const CatalogStore& catalog, const Instant& instant,
                                             const Place& place) {
    const std::optional<NamedObject> object = index.Find(name);
    if (!object) {
        return std::nullopt;
    }
    return MountTargetOf(*object, catalog, instant, place);
}
