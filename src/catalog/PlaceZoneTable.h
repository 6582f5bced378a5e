// The time zone of each built-in place: the side file placezones.tab, written by the data build
// beside location.bin (which keeps only each place's standard offset). One line per place,
// "name<TAB>zone" with an IANA zone name; lines starting with '#' are comments. The file is
// optional: without it every place has only its fixed offset.
//
// A file larger than kMaxPlaceZonesFileBytes is refused unread; a line longer than
// kMaxPlaceZoneLineBytes, a line that is not "name<TAB>zone", a zone name with other characters
// than those of IANA names, a last line without its end (a file cut short) and a file naming no
// place make the file damaged.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

inline constexpr std::string_view kPlaceZonesFileName = "placezones.tab";
// About seventy times the installed table; a larger file is not this table.
inline constexpr std::size_t kMaxPlaceZonesFileBytes = 1u << 20;
// Three times the longest line of the installed table.
inline constexpr std::size_t kMaxPlaceZoneLineBytes = 256;

class PlaceZoneTable {
public:
    // Reads the lines of the side file; a damaged line (see above) is skipped. A name listed
    // twice keeps its first zone. `problem` receives the first damage found ("line 12 is not a
    // place name, a tab and a zone name"), else is left empty.
    static PlaceZoneTable Parse(std::string_view text, std::string& problem);

    // The zone of the place called `place` (exactly as location.bin names it, blanks removed),
    // or empty when the place is not listed.
    std::string_view ZoneOf(std::string_view place) const;

    bool empty() const { return m_zones.empty(); }

private:
    std::map<std::string, std::string, std::less<>> m_zones;
};
