#include "settings/PlaceZoneAdoption.h"

#include <optional>

bool AdoptPlaceZone(AppSettings& settings, const CatalogStore& store, const PlaceZoneTable& zones) {
    if (!settings.TimeZoneNameMissing.value) {
        return false;
    }
    settings.TimeZoneNameMissing.value = false;
    Observer& observer = settings.Observer;
    const std::optional<std::size_t> row = FindPlaceRow(store, observer.Location);
    if (!row) {
        return false;
    }
    const LocationRecord& place = store.m_locations[*row];
    // The table stores the offset with the opposite sign.
    if (-place.timeZone != observer.TimeZone) {
        return false;
    }
    const std::string_view zone = zones.ZoneOf(TrimmedPlaceName(place));
    if (zone.empty()) {
        return false;
    }
    observer.TimeZoneName = std::string(zone);
    return true;
}
