// Where to point the mount for an object: its apparent place of date (true equator and equinox,
// annual aberration; the Moon seen from the observer) at an instant, always from the precise
// model whatever model the chart shows, because the mount must point at the real object.
#pragma once

#include "astro/Instant.h"
#include "astro/Place.h"
#include "navigation/Picking.h"
#include "search/NameIndex.h"

#include <optional>
#include <string>
#include <string_view>

struct CatalogStore;

struct MountTarget {
    std::string title;       // "Betelgeuse", "M 31", "Jupiter" (NamedObjectTitle)
    double raHours = 0.0;    // apparent place of date, [0, 24)
    double decDegrees = 0.0; // apparent place of date
};

// The target of an object the name index or the find box found. The catalogue may hold its
// loaded positions or positions of date of either model: the loaded ones are used either way.
// A constellation is its search centre.
MountTarget MountTargetOf(const NamedObject& object, const CatalogStore& catalog,
                          const Instant& instant, const Place& place);

// The target of an object picked on the chart (the information panel's object).
MountTarget MountTargetOf(const PickedObject& object, const CatalogStore& catalog,
                          const Instant& instant, const Place& place);

// The target of any name the find box takes; nullopt for a name the index does not know.
std::optional<MountTarget> MountTargetOfName(std::string_view name, const NameIndex& index,
                                             const CatalogStore& catalog, const Instant& instant,
                                             const Place& place);
