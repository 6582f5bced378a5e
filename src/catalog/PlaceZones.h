// Loading the places' time zones and finding a built-in place by name (PlaceZoneTable.h).
#pragma once

#include "catalog/CatalogLocator.h"
#include "catalog/CatalogStore.h"
#include "catalog/PlaceZoneTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The side file from the first directory of the locator that has it; an empty table when none.
PlaceZoneTable LoadPlaceZones(const CatalogLocator& locator);

// A place name of location.bin with the blanks on both sides removed.
std::string_view TrimmedPlaceName(const LocationRecord& row);

// The row of the place table named `name`, compared without regard to ASCII case and to blanks
// on both sides; nothing when no row has that name.
std::optional<std::size_t> FindPlaceRow(const CatalogStore& store, std::string_view name);
