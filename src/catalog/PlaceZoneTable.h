// The time zone of each built-in place: the side file placezones.tab, written by the data build
// beside location.bin (which keeps only each place's standard offset). One line per place,
// "name<TAB>zone" with an IANA zone name; lines starting with '#' are comments. The file is
// optional: without it every place has only its fixed offset.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <string>
#include <string_view>

inline constexpr std::string_view kPlaceZonesFileName = "placezones.tab";

class PlaceZoneTable {
public:
    // Reads the lines of the side file; a line without a tab, or with an empty name or zone, is
    // skipped. A name listed twice keeps its first zone.
    static PlaceZoneTable Parse(std::istream& in);

    // The zone of the place called `place` (exactly as location.bin names it, blanks removed),
    // or empty when the place is not listed.
    std::string_view ZoneOf(std::string_view place) const;

    bool empty() const { return m_zones.empty(); }

private:
    std::map<std::string, std::string, std::less<>> m_zones;
};
