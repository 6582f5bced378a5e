// The precise sky model: apparent places of date from ERFA (PreciseEphemeris.h), the Moon
// topocentric, apparent sidereal time, and the catalogue carried to the date
// (CatalogueOfDate.h). Universal time is the instant's; terrestrial time adds delta T
// (PreciseTime.h). Every form recomputes every body: here the planets depend on universal time,
// so on the zone too.
#pragma once

#include "astro/SkyModel.h"

class PreciseSkyModel final : public SkyModel {
public:
    SkyModelKind Kind() const override { return SkyModelKind::Precise; }
    const char* Name() const override { return "precise"; }
    void ComputeSky(RecomputeForm form, const SkyRequest& request, SkyState& sky) const override;
    void CatalogueOfDate(const Instant& instant, CatalogStore& catalog) const override;
    double SiderealAngle(const Instant& instant) const override;
    SkyPositionFunction BodyPosition(std::size_t body, const Place& place) const override;
    SkyPositionFunction FixedPosition(double raHours, double decDegrees,
                                      const Place& place) const override;
};
