// The sky models: what turns an instant and a place into the computed sky. Two models sit behind
// one interface, chosen by one value: the classic one (the built-in series: the Sun's theory, the
// shortened lunar series, fixed planetary elements, mean sidereal time, the catalogue as loaded)
// and the precise one (apparent places of date from ERFA, apparent sidereal time, the catalogue
// carried to the date). Nothing outside the models knows which one it holds; SkyModels.h gives
// the model of a kind.
#pragma once

#include <cstddef>

#include "astro/Instant.h"
#include "astro/Place.h"
#include "astro/RecomputeStart.h"
#include "astro/RiseSet.h"
#include "astro/SkyDate.h"
#include "astro/SkyState.h"

struct CatalogStore;

enum class SkyModelKind { Classic, Precise };

// What a model computes the sky for.
struct SkyRequest {
    Instant instant;
    // The observer's clock time the instant was made from: the classic planets read its
    // calendar fields and whole hour.
    SkyDate clock;
    double longitude = 0.0; // the observer's, degrees, positive west
    double latitude = 0.0;  // the observer's, degrees, positive north
};

class SkyModel {
public:
    virtual ~SkyModel() = default;

    virtual SkyModelKind Kind() const = 0;
    // "classic" or "precise", as the console modes print it.
    virtual const char* Name() const = 0;

    // The bodies, the sidereal angles (the local one from the place already in `sky`) and the
    // horizon ring (m_horizon) for the request. The form says what a place change leaves alone.
    virtual void ComputeSky(RecomputeForm form, const SkyRequest& request, SkyState& sky) const = 0;

    // Makes the catalogue tables hold the positions this model draws at the instant: the
    // loaded ones (classic), or the loaded ones carried to the date (precise). Cheap when the
    // tables already hold them.
    virtual void CatalogueOfDate(const Instant& instant, CatalogStore& catalog) const = 0;

    // Greenwich sidereal angle of the instant, degrees [0, 360).
    virtual double SiderealAngle(const Instant& instant) const = 0;

    // What rise and set need (RiseSet.h): a body (kBodyMoon .. kBodyPluto) and a fixed position
    // of the catalogue as this model holds it (right ascension hours, declination degrees),
    // seen by the observer at any instant.
    virtual SkyPositionFunction BodyPosition(std::size_t body, const Place& place) const = 0;
    virtual SkyPositionFunction FixedPosition(double raHours, double decDegrees,
                                              const Place& place) const = 0;
};

// The request for the place's clock time: the instant read with the place's zone, and its signed
// angles.
SkyRequest SkyRequestOf(const SkyDate& clock, const Place& place);
