// Folder search/: finding sky objects: the lists of the search dialogs (here) and the index of
// every name for the find box (NameIndex). No window system here.
//
// Look-ups of the five search dialogs: the entries their lists show and the sky position each
// choice centres the chart on. The dialogs only show these lists and call these functions; the
// centring itself is CenterOn of chart/Centering.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CatalogStore;
struct SkyState;

// The program's messages of the search dialogs (shown with the exclamation icon; the dialog
// stays open). Like every message of the program's own they end with four blanks.
inline constexpr const char* kSelectStarMessage = "Select star or press ' Cancel '    ";
inline constexpr const char* kSelectObjectMessage = "Select object or press ' Cancel '    ";
inline constexpr const char* kSelectConstellationMessage =
    "Select constellation or press ' Cancel '    ";
inline constexpr const char* kWrongCatalogNumberMessage = "Wrong catalog number !    ";

// Longest text the Messier number box takes.
inline constexpr std::size_t kMessierNumberMaxLength = 3;

// Where a search result lies: right ascension in hours, declination in degrees.
struct SearchTarget {
    double ra = 0.0;
    double dec = 0.0;
};

// The list entries in the order the dialogs show them: the lists sort their entries
// alphabetically (byte order of the texts, which is the dictionary order of these names).
// Star: the names of the 77 named-star records.
std::vector<std::string> StarSearchEntries(const CatalogStore& store);
// NGC: the numbers of deep-sky records 110..209 as four digits with leading zeros ("0891"),
// so that the alphabetical order is the numeric order.
std::vector<std::string> NgcSearchEntries(const CatalogStore& store);
// Constellation: the 88 full names of the constellation search table.
std::vector<std::string> ConstellationSearchEntries();

// The four-digit list text of an NGC number ("%04d").
std::string NgcEntryText(int number);

// The first named-star record, in table order, whose name equals `name` exactly.
std::optional<SearchTarget> FindNamedStar(const CatalogStore& store, std::string_view name);
// The list text converted to an integer like the C library's atoi ("0891" is 891); the first
// record among 110..209 with that number.
std::optional<SearchTarget> FindNgc(const CatalogStore& store, std::string_view entryText);
// The constellation search table's first row whose name equals `name`: its centre right
// ascension and whole-degree declination.
std::optional<SearchTarget> FindConstellationCentre(std::string_view name);

// The Messier number box: an empty text is no search at all; otherwise the text is compared
// with the decimal form (no leading zeros) of each Messier record's number in table order, so
// "42" finds M 42 and "042" finds nothing.
enum class MessierSearch { Empty, NotFound, Found };
struct MessierResult {
    MessierSearch outcome = MessierSearch::Empty;
    SearchTarget target;
};
MessierResult FindMessier(const CatalogStore& store, std::string_view text);

// A body's current position (index 0 Moon, 1 Sun, 2 Mercury .. 9 Pluto) from the computed sky.
SearchTarget SolarSystemTarget(const SkyState& sky, int body);
