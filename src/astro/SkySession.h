// One sky session: the catalogue (read-only to everyone else), the computed sky kept apart from
// it, the observer, the clock time and its instant, and the sky model. Every change goes through
// a setter that recomputes once, in the form the change calls for (RecomputeStart.h): the first
// update, a new clock time, a new place, an animation step, a new model. The desktop program
// and every console mode make one; frames, panels and searches read it.
#pragma once

#include <memory>

#include "astro/Instant.h"
#include "astro/Place.h"
#include "astro/RecomputeStart.h"
#include "astro/SkyDate.h"
#include "astro/SkyModels.h"
#include "astro/SkyState.h"
#include "catalog/CatalogStore.h"

class SkySession {
public:
    // Takes the loaded catalogue and computes the sky for the clock time at the place in the
    // model (the first update).
    SkySession(std::unique_ptr<CatalogStore> catalog, const SkyDate& clock, const Place& place,
               SkyModelKind model);

    // The catalogue as the model draws it: the loaded positions, or (precise model) the loaded
    // positions carried to the instant's date.
    const CatalogStore& Catalog() const { return *m_catalog; }
    const SkyState& Sky() const { return m_sky; }
    // The clock time as the observer's clocks show it: a day past the month's end is carried
    // (31 February 2027 is 3 March), a clock time the zone skips is moved past the gap
    // (NormalizeClockTime); the constructor and SetClockTime keep it so.
    const SkyDate& ClockTime() const { return m_clock; }
    const ::Place& Place() const { return m_place; }
    const Instant& Now() const { return m_instant; }
    SkyModelKind ModelKind() const { return m_modelKind; }
    const SkyModel& Model() const { return SkyModelFor(m_modelKind); }

    // A new clock time (the date/time form).
    void SetClockTime(const SkyDate& clock);
    // A new place or zone (the location form: the classic planets keep their positions).
    void SetPlace(const ::Place& place);
    // Another model for the same clock time (the date/time form).
    void SetModel(SkyModelKind model);
    // The animation's step to the clock time `clock`; says when the year has left the animation's
    // range.
    RecomputeOutcome Step(const SkyDate& clock);

    // The screen frame's pole views of level 0 show the circle of this altitude (degrees) in
    // place of the horizon, until the next recompute.
    void ShowHorizonAtAltitude(double altitude);

private:
    RecomputeOutcome Recompute(RecomputeForm form);

    std::unique_ptr<CatalogStore> m_catalog;
    SkyState m_sky;
    SkyDate m_clock;
    ::Place m_place;
    Instant m_instant;
    SkyModelKind m_modelKind;
};
