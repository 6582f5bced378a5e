#include "catalog/PlaceZones.h"

#include "files/Utf8Text.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

PlaceZoneTable PlaceZoneTable::Parse(std::istream& in) {
    PlaceZoneTable table;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        const std::string_view name = TrimmedText(std::string_view(line).substr(0, tab));
        const std::string_view zone = TrimmedText(std::string_view(line).substr(tab + 1));
        if (!name.empty() && !zone.empty()) {
            table.m_zones.emplace(std::string(name), std::string(zone));
        }
    }
    return table;
}

std::string_view PlaceZoneTable::ZoneOf(std::string_view place) const {
    const auto it = m_zones.find(TrimmedText(place));
    return it == m_zones.end() ? std::string_view() : std::string_view(it->second);
}

PlaceZoneTable LoadPlaceZones(const CatalogLocator& locator) {
    if (const std::optional<std::filesystem::path> path = locator.Find(kPlaceZonesFileName)) {
        std::ifstream in(*path);
        if (in) {
            return PlaceZoneTable::Parse(in);
        }
    }
    return {};
}

std::string_view TrimmedPlaceName(const LocationRecord& row) {
    return TrimmedText(FieldText(row.name));
}

std::optional<std::size_t> FindPlaceRow(const CatalogStore& store, std::string_view name) {
    const std::string_view wanted = TrimmedText(name);
    if (wanted.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < store.m_locations.size(); ++i) {
        if (SameIgnoringCase(TrimmedPlaceName(store.m_locations[i]), wanted)) {
            return i;
        }
    }
    return std::nullopt;
}
