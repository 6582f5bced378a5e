// Catalogue positions of date for the precise sky model: every star, figure and boundary point,
// deep-sky object, star-name anchor, label point, ecliptic, Milky Way and Magellanic Cloud point
// carried from
// the catalogue's epoch (J2000) to its apparent place of the chart's date (annual aberration,
// precession, nutation), in place in the catalogue tables, so that the layers, the information
// panels, picking and the searches all read positions of date without knowing it. Done once per
// date change; the horizon ring's slot holds no catalogue position and is left alone.
#pragma once

#include "astro/PreciseEphemeris.h"
#include "catalog/CatalogStore.h"

#include <cstdint>

// The apparent place of date of a catalogue direction as ApparentDirection gives it, made cheap
// for the thousands of catalogue points: aberration to first order in v/c (the second order is
// below 0.005"), folded into the precession-nutation matrix.
class FastApparentPlace {
public:
    explicit FastApparentPlace(const ApparentPlaceFrame& frame);
    // Unit vector of the catalogue's frame to ra [0, 24) hours and dec degrees of date.
    void RaDec(const Vector3& p, double& raHours, double& decDegrees) const;

private:
    Matrix3 m_rbpn;
    Vector3 m_velocity;
    Vector3 m_rotatedVelocity{};
};

// Carries the tables to the date of `instant` through `frame`. The loaded positions are kept in
// catalog.m_epoch the first time; carrying again to the date already held does nothing.
void CarryCatalogueToDate(CatalogStore& catalog, const PreciseInstant& instant,
                          const ApparentPlaceFrame& frame);

// A fixed position of the catalogue's epoch that is not in the tables (a constellation's
// search centre) carried the same way to the date the tables hold; left as it is while they hold
// the loaded positions.
void CarryToCatalogueDate(const CatalogStore& catalog, double& raHours, double& decDegrees);

// The loaded (catalogue epoch) position of star or deep-sky record `index`, right ascension
// hours and declination degrees, whether the tables hold the loaded positions or positions of
// date.
void LoadedStarPosition(const CatalogStore& catalog, std::size_t index, double& raHours,
                        double& decDegrees);
void LoadedDeepSkyPosition(const CatalogStore& catalog, std::size_t index, double& raHours,
                           double& decDegrees);

// The change per Julian year of the unit vector of a star at (ra hours, dec degrees) of the
// catalogue's epoch for its proper motion; zero for a star without one (HR 0 or unknown).
Vector3 ProperMotionPerYear(std::int32_t hr, double raHours, double decDegrees);

// Writes the loaded positions back when the tables hold positions of date; otherwise nothing.
void RestoreCatalogueEpoch(CatalogStore& catalog);
