#include "astro/SkySession.h"

#include "astro/ClockTime.h"
#include "astro/Recompute.h"
#include "astro/Transforms.h"

namespace {

// The session holds the clock time as the observer's clocks show it, so that every text read
// from it (status bar, panels, profile, console headings) names the instant drawn: a day past
// the month's end is carried into the next month, a clock time the zone skips moves forward by
// the gap. The instant is the same either way.
SkyDate ShownClockTime(const SkyDate& clock, const ZoneRule& zone) {
    return NormalizeClockTime(CarriedClockTime(clock), zone);
}

} // namespace

SkySession::SkySession(std::unique_ptr<CatalogStore> catalog, const SkyDate& clock,
                       const ::Place& place, SkyModelKind model)
    : m_catalog(std::move(catalog)), m_clock(ShownClockTime(clock, place.zone)), m_place(place),
      m_modelKind(model) {
    if (!m_catalog) {
        m_catalog = std::make_unique<CatalogStore>();
    }
    Recompute(RecomputeForm::FirstUpdate);
}

RecomputeOutcome SkySession::Recompute(RecomputeForm form) {
    m_instant = InstantOf(m_clock, m_place.zone);
    return RecomputeSky(form, Model(), m_clock, m_place, m_sky, *m_catalog);
}

void SkySession::SetClockTime(const SkyDate& clock) {
    m_clock = ShownClockTime(clock, m_place.zone);
    Recompute(RecomputeForm::DateTimeChanged);
}

void SkySession::SetPlace(const ::Place& place) {
    m_place = place;
    Recompute(RecomputeForm::LocationChanged);
}

void SkySession::SetModel(SkyModelKind model) {
    m_modelKind = model;
    Recompute(RecomputeForm::DateTimeChanged);
}

RecomputeOutcome SkySession::Step(const SkyDate& clock) {
    m_clock = clock;
    return Recompute(RecomputeForm::AnimationStep);
}

void SkySession::ShowHorizonAtAltitude(double altitude) {
    for (std::size_t k = 0; k < kHorizonPointCount; ++k) {
        // Point k lies at southern azimuth 5k; the conversion takes the chart azimuth.
        const double southern = kHorizonPointStep * static_cast<double>(k);
        const EquatorialPosition eq =
            HorizontalToEquatorial(ChartAzimuthFromSouthern(southern), altitude, m_sky.m_dGST,
                                   m_sky.m_dLongitude, m_sky.m_dLatitude);
        m_sky.m_horizon[k] = OutlinePoint{static_cast<float>(eq.ra), static_cast<float>(eq.dec)};
    }
}
