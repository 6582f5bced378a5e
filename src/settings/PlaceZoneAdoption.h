// Named time zones for places chosen before the program knew them: a profile without
// "TimeZoneName" whose place is a built-in place with the same standard offset takes that
// place's zone; any other keeps its fixed offset.
#pragma once

#include "catalog/CatalogStore.h"
#include "catalog/PlaceZones.h"
#include "settings/AppSettings.h"

// When settings.TimeZoneNameMissing is set: the observer's place name is looked up in the place
// table (without regard to case and blanks); when a row has that name, its standard offset
// equals Observer::TimeZone and the side file gives it a zone, that zone becomes
// Observer::TimeZoneName. Clears TimeZoneNameMissing. Returns true when a zone was adopted.
bool AdoptPlaceZone(AppSettings& settings, const CatalogStore& store, const PlaceZoneTable& zones);
