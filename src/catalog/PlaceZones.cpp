#include "catalog/PlaceZones.h"

#include "files/SafeFile.h"
#include "files/Utf8Text.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// IANA zone names: ASCII letters, digits and "/_+-", not starting with '/' and without "..".
bool IsZoneName(std::string_view zone) {
    return !zone.empty() && zone.front() != '/' && zone.find("..") == std::string_view::npos &&
           std::all_of(zone.begin(), zone.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' ||
                      c == '+' || c == '-';
           });
}

// Text without control characters.
bool IsPlaceName(std::string_view name) {
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7f;
    });
}

} // namespace

PlaceZoneTable PlaceZoneTable::Parse(std::string_view text, std::string& problem) {
    PlaceZoneTable table;
    problem.clear();
    const auto damaged = [&](std::size_t line, const std::string& what) {
        if (problem.empty()) {
            problem = "line " + std::to_string(line) + " " + what;
        }
    };
    std::size_t number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            // Its zone may be cut too ("Europe/Ro"): the line is not used.
            damaged(number, "is cut short (the file ends inside it)");
            break;
        }
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() > kMaxPlaceZoneLineBytes) {
            damaged(number, "is longer than " + std::to_string(kMaxPlaceZoneLineBytes) + " bytes");
            continue;
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        const std::string_view name =
            tab == std::string_view::npos ? std::string_view() : TrimmedText(line.substr(0, tab));
        const std::string_view zone =
            tab == std::string_view::npos ? std::string_view() : TrimmedText(line.substr(tab + 1));
        if (name.empty() || !IsPlaceName(name) || !IsZoneName(zone)) {
            damaged(number, "is not a place name, a tab and a zone name");
            continue;
        }
        table.m_zones.emplace(std::string(name), std::string(zone));
    }
    if (table.m_zones.empty() && problem.empty()) {
        problem = "it names no place";
    }
    return table;
}

std::string_view PlaceZoneTable::ZoneOf(std::string_view place) const {
    const auto it = m_zones.find(TrimmedText(place));
    return it == m_zones.end() ? std::string_view() : std::string_view(it->second);
}

PlaceZonesResult LoadPlaceZones(const CatalogLocator& locator) {
    PlaceZonesResult result;
    std::optional<PlaceZoneTable> damagedTable;
    std::size_t damagedWarning = 0;
    for (const std::filesystem::path& dir : locator.Directories()) {
        const std::filesystem::path path = dir / std::filesystem::path(kPlaceZonesFileName);
        std::string bytes;
        const ReadResult read = ReadWholeFile(path, kMaxPlaceZonesFileBytes, bytes);
        if (read.status == ReadStatus::Missing) {
            continue;
        }
        if (!read.ok()) {
            result.warnings.push_back("warning: " + read.error);
            continue;
        }
        std::string problem;
        PlaceZoneTable table = PlaceZoneTable::Parse(bytes, problem);
        if (problem.empty()) {
            for (std::string& warning : result.warnings) {
                warning += "; " + path.string() + " is used instead";
            }
            result.table = std::move(table);
            return result;
        }
        if (!damagedTable) {
            damagedTable = std::move(table);
            damagedWarning = result.warnings.size();
        }
        result.warnings.push_back("warning: the file " + path.string() + " is damaged (" + problem +
                                  ")");
    }
    if (damagedTable) {
        result.warnings[damagedWarning] += "; the places of its sound lines are used";
        result.table = std::move(*damagedTable);
    } else if (!result.warnings.empty()) {
        result.warnings.back() += "; the places have only their standard offsets";
    }
    return result;
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
