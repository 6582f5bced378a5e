// The classic sky model: the built-in series of Ephemeris.h, mean sidereal time, and the
// catalogue's positions as loaded. Its planets read the calendar fields and the whole hour of the
// observer's clock time (Ephemeris.h, PlanetDayNumber), not the instant, so they depend on
// neither the zone nor the place.
#pragma once

#include "astro/SkyModel.h"

class ClassicSkyModel final : public SkyModel {
public:
    SkyModelKind Kind() const override { return SkyModelKind::Classic; }
    const char* Name() const override { return "classic"; }
    void ComputeSky(RecomputeForm form, const SkyRequest& request, SkyState& sky) const override;
    void CatalogueOfDate(const Instant& instant, CatalogStore& catalog) const override;
    double SiderealAngle(const Instant& instant) const override;
    SkyPositionFunction BodyPosition(std::size_t body, const Place& place) const override;
    SkyPositionFunction FixedPosition(double raHours, double decDegrees,
                                      const Place& place) const override;
};
