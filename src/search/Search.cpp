#include "search/Search.h"

#include "astro/SkyState.h"
#include "catalog/CatalogStore.h"
#include "catalog/Constellations.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

std::vector<std::string> Sorted(std::vector<std::string> entries) {
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace

std::vector<std::string> StarSearchEntries(const CatalogStore& store) {
    std::vector<std::string> entries;
    entries.reserve(store.m_starNames.size());
    for (const StarNameRecord& record : store.m_starNames) {
        entries.emplace_back(FieldText(record.name));
    }
    return Sorted(std::move(entries));
}

std::string NgcEntryText(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", number);
    return text;
}

std::vector<std::string> NgcSearchEntries(const CatalogStore& store) {
    std::vector<std::string> entries;
    entries.reserve(kNgcCount);
    for (std::size_t i = kNgcFirst; i < kNgcFirst + kNgcCount; ++i) {
        entries.push_back(NgcEntryText(store.m_deepSky[i].number));
    }
    return Sorted(std::move(entries));
}

std::vector<std::string> ConstellationSearchEntries() {
    std::vector<std::string> entries;
    entries.reserve(ConstellationNameTable.size());
    for (const ConstellationName& row : ConstellationNameTable) {
        entries.emplace_back(row.name);
    }
    return Sorted(std::move(entries));
}

std::optional<SearchTarget> FindNamedStar(const CatalogStore& store, std::string_view name) {
    for (const StarNameRecord& record : store.m_starNames) {
        if (FieldText(record.name) == name) {
            return SearchTarget{record.ra, record.dec};
        }
    }
    return std::nullopt;
}

std::optional<SearchTarget> FindNgc(const CatalogStore& store, std::string_view entryText) {
    const int number = std::atoi(std::string(entryText).c_str());
    for (std::size_t i = kNgcFirst; i < kNgcFirst + kNgcCount; ++i) {
        const DeepSkyRecord& record = store.m_deepSky[i];
        if (record.number == number) {
            return SearchTarget{record.ra, record.dec};
        }
    }
    return std::nullopt;
}

std::optional<SearchTarget> FindConstellationCentre(std::string_view name) {
    const ConstellationName* row = FindConstellation(name);
    if (row == nullptr) {
        return std::nullopt;
    }
    return SearchTarget{row->ra, static_cast<double>(row->dec)};
}

MessierResult FindMessier(const CatalogStore& store, std::string_view text) {
    if (text.empty()) {
        return MessierResult{};
    }
    for (std::size_t i = 0; i < kMessierCount; ++i) {
        const DeepSkyRecord& record = store.m_deepSky[i];
        if (std::to_string(record.number) == text) {
            return MessierResult{MessierSearch::Found, SearchTarget{record.ra, record.dec}};
        }
    }
    return MessierResult{MessierSearch::NotFound, {}};
}

SearchTarget SolarSystemTarget(const SkyState& sky, int body) {
    const SolarSystemBody& position = sky.m_bodies.at(static_cast<std::size_t>(body));
    return SearchTarget{position.ra, position.dec};
}
