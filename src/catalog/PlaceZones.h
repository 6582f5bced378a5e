// Loading the places' time zones and finding a built-in place by name (PlaceZoneTable.h).
#pragma once

#include "catalog/CatalogLocator.h"
#include "catalog/CatalogStore.h"
#include "catalog/PlaceZoneTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PlaceZonesResult {
    PlaceZoneTable table;
    // One line per file that could not be read or is damaged ("warning: ..."), naming it.
    std::vector<std::string> warnings;
};

// The side file from the first directory of the locator that has a sound one: a copy that
// cannot be read or is damaged is named in a warning and passed over for the next directory's
// (the working folder's copy does not replace the installed table). When no directory has a
// sound copy, the lines of the first damaged one that could be read are used; an empty table
// when there is no file at all.
PlaceZonesResult LoadPlaceZones(const CatalogLocator& locator);

// A place name of location.bin with the blanks on both sides removed.
std::string_view TrimmedPlaceName(const LocationRecord& row);

// The row of the place table named `name`, compared without regard to ASCII case and to blanks
// on both sides; nothing when no row has that name.
std::optional<std::size_t> FindPlaceRow(const CatalogStore& store, std::string_view name);
