#include "search/NameIndex.h"

#include "astro/CatalogueOfDate.h"
#include "astro/SkyState.h"
#include "catalog/CatalogStore.h"
#include "catalog/ConstellationNames.h"
#include "catalog/Constellations.h"
#include "catalog/DeepSkyObjects.h"
#include "catalog/StarDesignations.h"
#include "catalog/StarProperNames.h"
#include "files/Utf8Text.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace {

// Latin-1 letters U+00C0..U+00FF without their accents; empty for the two signs × and ÷.
constexpr std::array<const char*, 64> kLatin1Letters = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// Latin Extended-A, U+0100..U+017F, one base letter each; '#' marks the ligatures IJ and OE.
constexpr std::string_view kLatinExtendedA =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii##jjkkklllllll"
    "lllnnnnnnnnnoooooo##rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

static_assert(kLatinExtendedA.size() == 0x80);

// Greek letters U+03B1..U+03C9 (lower case; upper case is 0x20 lower), final sigma included.
constexpr std::array<const char*, 25> kGreekNames = {
    "alpha", "beta",   "gamma",   "delta", "epsilon", "zeta",    "eta",  "theta", "iota",
    "kappa", "lambda", "mu",      "nu",    "xi",      "omicron", "pi",   "rho",   "sigma",
    "sigma", "tau",    "upsilon", "phi",   "chi",     "psi",     "omega"};

// Every written form of a Greek letter at the start of a name and its one spelled-out form,
// longest forms first so that "alpha" is taken before "alp".
struct GreekForm {
    std::string_view form;
    std::string_view canonical;
};
constexpr std::array<GreekForm, 22> kGreekForms = {{
    {"omikron", "omicron"}, {"ypsilon", "upsilon"}, {"omicron", "omicron"}, {"upsilon", "upsilon"},
    {"epsilon", "epsilon"}, {"lambda", "lambda"},   {"alpha", "alpha"},     {"gamma", "gamma"},
    {"delta", "delta"},     {"theta", "theta"},     {"kappa", "kappa"},     {"sigma", "sigma"},
    {"omega", "omega"},     {"alp", "alpha"},       {"alf", "alpha"},       {"bet", "beta"},
    {"gam", "gamma"},       {"del", "delta"},       {"eps", "epsilon"},     {"zet", "zeta"},
    {"the", "theta"},       {"tet", "theta"},
}};
constexpr std::array<GreekForm, 6> kGreekShortForms = {{
    {"iot", "iota"},
    {"kap", "kappa"},
    {"lam", "lambda"},
    {"omi", "omicron"},
    {"sig", "sigma"},
    {"ups", "upsilon"},
}};
// "ome" last: it is a prefix of "omega", "omicron" and "omikron", handled above.
constexpr GreekForm kOmegaShort = {"ome", "omega"};

void AppendFolded(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        const char c = static_cast<char>(cp);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            out += c;
        }
        return; // blanks and punctuation are dropped
    }
    if (cp == 0xB9) {
        out += '1';
    } else if (cp == 0xB2 || cp == 0xB3) {
        out += static_cast<char>('2' + (cp - 0xB2));
    } else if (cp >= 0x2070 && cp <= 0x2079 && cp != 0x2071 && cp != 0x2072 && cp != 0x2073) {
        out += static_cast<char>('0' + (cp - 0x2070));
    } else if (cp >= 0xC0 && cp <= 0xFF) {
        out += kLatin1Letters[cp - 0xC0];
    } else if (cp >= 0x100 && cp <= 0x17F) {
        const char base = kLatinExtendedA[cp - 0x100];
        if (base != '#') {
            out += base;
        } else {
            out += (cp <= 0x133) ? "ij" : "oe";
        }
    } else if (cp >= 0x3B1 && cp <= 0x3C9) {
        out += kGreekNames[cp - 0x3B1];
    } else if (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2) {
        out += kGreekNames[cp - 0x391];
    } else if (cp == 0x3D1) {
        out += "theta";
    } else if (cp == 0x3D5) {
        out += "phi";
    } else if (cp < 0x2000 || cp > 0x206F) { // general punctuation (thin blanks, quotes) dropped
        AppendUtf8(out, cp);
    }
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string DesignationWithGenitive(std::string_view designation) {
    // "Alpha Ori" -> "Alpha Orionis": the last word is the constellation's abbreviation.
    const std::size_t blank = designation.rfind(' ');
    if (blank == std::string_view::npos) {
        return {};
    }
    const std::string_view abbreviation = designation.substr(blank + 1);
    for (const ConstellationNaming& c : ConstellationNamingTable) {
        if (c.abbreviation == abbreviation) {
            return std::string(designation.substr(0, blank + 1)) + std::string(c.genitive);
        }
    }
    return {};
}

std::string StarTitle(const CatalogStore& store, const StarRecord& star) {
    const std::string_view name = StarNameOf(store, star.hr);
    if (!name.empty()) {
        return std::string(name);
    }
    const auto it =
        std::lower_bound(StarProperNameTable.begin(), StarProperNameTable.end(), star.hr,
                         [](const StarProperName& row, std::int32_t hr) { return row.hr < hr; });
    if (it != StarProperNameTable.end() && it->hr == star.hr) {
        return std::string(it->name);
    }
    const StarDesignations designations = DesignationsOf(star);
    if (designations.bayer.find(' ') != std::string::npos) {
        return designations.bayer;
    }
    if (!designations.flamsteed.empty()) {
        return designations.flamsteed;
    }
    return "HR " + std::to_string(star.hr);
}

// Common deep-sky names in use that the catalogue records do not carry.
struct ExtraDeepSkyName {
    const char* name;
    bool ngc;
    int number;
};
constexpr std::array<ExtraDeepSkyName, 22> kExtraDeepSkyNames = {{
    {"Double Cluster", true, 869},
    {"Beehive Cluster", false, 44},
    {"Beehive", false, 44},
    {"Seven Sisters", false, 45},
    {"Whirlpool Galaxy", false, 51},
    {"Great Hercules Cluster", false, 13},
    {"Hercules Cluster", false, 13},
    {"Swan Nebula", false, 17},
    {"Horseshoe Nebula", false, 17},
    {"Black Eye Galaxy", false, 64},
    {"Great Orion Nebula", false, 42},
    {"Andromeda Nebula", false, 31},
    {"Triangulum Galaxy", false, 33},
    {"Carina Nebula", true, 3372},
    {"Christmas Tree Cluster", true, 2264},
    {"Pinwheel Galaxy", false, 101},
    {"Sombrero Galaxy", false, 104},
    {"Sombrero", false, 104},
    {"Dumbbell Nebula", false, 27},
    {"Lagoon", false, 8},
    {"Trifid", false, 20},
    {"Wild Duck", false, 11},
}};

} // namespace

std::string FoldName(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const Utf8CodePoint decoded = DecodeUtf8(text.substr(i));
        const char32_t cp = decoded.value;
        i += decoded.length;
        // A sign before a digit is part of a number ("HR-5" is no star), other dashes are not.
        if ((cp == '-' || cp == '+') && i < text.size() && text[i] >= '0' && text[i] <= '9') {
            out += static_cast<char>(cp);
        } else {
            AppendFolded(out, cp);
        }
    }
    return out;
}

std::string CanonicalName(std::string_view text) {
    const std::string plain = FoldName(text);
    const auto replace = [&](const GreekForm& g) -> std::optional<std::string> {
        if (StartsWith(plain, g.form)) {
            return std::string(g.canonical) + plain.substr(g.form.size());
        }
        return std::nullopt;
    };
    for (const GreekForm& g : kGreekForms) {
        if (auto r = replace(g)) {
            return *r;
        }
    }
    for (const GreekForm& g : kGreekShortForms) {
        if (auto r = replace(g)) {
            return *r;
        }
    }
    if (auto r = replace(kOmegaShort)) {
        return *r;
    }
    return plain;
}

void NameIndex::Add(std::string name, NamedObject object) {
    Entry entry{std::move(name), {}, {}, object};
    entry.plainKey = FoldName(entry.name);
    entry.canonical = CanonicalName(entry.name);
    if (entry.plainKey.empty()) {
        return;
    }
    const std::size_t at = m_entries.size();
    const bool newCanonical = m_byCanonical.emplace(entry.canonical, at).second;
    const bool newPlain = m_byPlain.emplace(entry.plainKey, at).second;
    if (newCanonical || newPlain) {
        m_entries.push_back(std::move(entry));
    }
}

NameIndex::NameIndex(const CatalogStore& store) : m_store(&store) {
    for (std::size_t b = 0; b < kBodyCount; ++b) {
        Add(kBodyNames[b], {NamedKind::Body, b});
    }
    for (std::size_t c = 0; c < ConstellationNamingTable.size(); ++c) {
        const ConstellationNaming& naming = ConstellationNamingTable[c];
        Add(std::string(naming.name), {NamedKind::Constellation, c});
        if (naming.searchName != naming.name) {
            Add(std::string(naming.searchName), {NamedKind::Constellation, c});
        }
        Add(std::string(naming.abbreviation), {NamedKind::Constellation, c});
        Add(std::string(naming.genitive), {NamedKind::Constellation, c});
    }
    // Crux is better known by its English name.
    for (std::size_t c = 0; c < ConstellationNamingTable.size(); ++c) {
        if (ConstellationNamingTable[c].abbreviation == "Cru") {
            Add("Southern Cross", {NamedKind::Constellation, c});
        }
    }
    const auto deepSkyIndex = [&](bool ngc, int number) -> std::optional<std::size_t> {
        const std::size_t first = ngc ? kNgcFirst : 0;
        const std::size_t end = ngc ? kNgcFirst + kNgcCount : kMessierCount;
        for (std::size_t i = first; i < end; ++i) {
            if (store.m_deepSky[i].number == number && number > 0) {
                return i;
            }
        }
        return std::nullopt;
    };
    for (std::size_t i = 0; i < kDeepSkyCount; ++i) {
        if (store.m_deepSky[i].number > 0) {
            Add(DeepSkyTitle(i, store.m_deepSky[i]), {NamedKind::DeepSky, i});
        }
    }
    for (const MessierNgc& row : MessierNgcTable) {
        if (const auto i = deepSkyIndex(false, row.messier)) {
            Add("NGC " + std::to_string(row.ngc), {NamedKind::DeepSky, *i});
        }
    }

    std::unordered_map<std::int32_t, std::size_t> starByHr;
    for (std::size_t i = 0; i < kStarCount; ++i) {
        if (store.m_stars[i].hr > 0) {
            starByHr.emplace(store.m_stars[i].hr, i);
        }
    }
    for (const StarNameRecord& record : store.m_starNames) {
        if (const auto it = starByHr.find(record.hr); it != starByHr.end()) {
            Add(std::string(FieldText(record.name)), {NamedKind::Star, it->second});
        }
    }
    for (const StarProperName& row : StarProperNameTable) {
        if (const auto it = starByHr.find(row.hr); it != starByHr.end()) {
            Add(std::string(row.name), {NamedKind::Star, it->second});
        }
    }
    for (std::size_t i = 0; i < kDeepSkyCount; ++i) {
        const std::string name = DeepSkyCommonName(store.m_deepSky[i]);
        if (store.m_deepSky[i].number > 0 && name != " ") {
            Add(name, {NamedKind::DeepSky, i});
        }
    }
    for (const ExtraDeepSkyName& extra : kExtraDeepSkyNames) {
        if (const auto i = deepSkyIndex(extra.ngc, extra.number)) {
            Add(extra.name, {NamedKind::DeepSky, *i});
        }
    }
    for (std::size_t i = 0; i < kStarCount; ++i) {
        const StarRecord& star = store.m_stars[i];
        if (star.hr <= 0) {
            continue;
        }
        const NamedObject object{NamedKind::Star, i};
        Add("HR " + std::to_string(star.hr), object);
        const StarDesignations designations = DesignationsOf(star);
        for (const std::string& designation : {designations.bayer, designations.flamsteed}) {
            if (designation.find(' ') == std::string::npos) {
                continue; // empty, or a Greek part the table does not know
            }
            Add(designation, object);
            if (std::string genitive = DesignationWithGenitive(designation); !genitive.empty()) {
                Add(std::move(genitive), object);
            }
        }
    }
    // "alpha Cen" for Alpha 1 Cen and "beta Cyg" for Beta 1 Cyg: the letter without its
    // superscript names the first star that carries it, unless a star has it plain (added above,
    // so it wins).
    for (std::size_t i = 0; i < kStarCount; ++i) {
        const StarRecord& star = store.m_stars[i];
        const std::string bayer = DesignationsOf(star).bayer;
        const std::size_t first = bayer.find(' ');
        const std::size_t last = bayer.rfind(' ');
        if (star.hr > 0 && first != last) { // "Alpha 1 Cen": letter, superscript, constellation
            const std::string plain = bayer.substr(0, first) + bayer.substr(last);
            Add(plain, {NamedKind::Star, i});
            if (std::string genitive = DesignationWithGenitive(plain); !genitive.empty()) {
                Add(std::move(genitive), {NamedKind::Star, i});
            }
        }
    }
}

std::optional<NamedObject> NameIndex::Find(std::string_view text) const {
    if (const auto it = m_byCanonical.find(CanonicalName(text)); it != m_byCanonical.end()) {
        return m_entries[it->second].object;
    }
    const std::string plain = FoldName(text);
    if (const auto it = m_byPlain.find(plain); it != m_byPlain.end()) {
        return m_entries[it->second].object;
    }
    // "HIP 87937": a faint star by its Hipparcos number (the 109,000 numbers are not worth
    // indexing for completion).
    if (m_store != nullptr && plain.size() > 3 && plain.starts_with("hip") &&
        plain.find_first_not_of("0123456789", 3) == std::string::npos && plain.size() < 12) {
        const FaintStarTable& faint = m_store->m_faintStars;
        if (const FaintStar* star = faint.FindHip(std::stoi(plain.substr(3)))) {
            return NamedObject{NamedKind::FaintStar,
                               static_cast<std::size_t>(star - faint.stars.data())};
        }
    }
    return std::nullopt;
}

std::vector<std::string> NameIndex::Complete(std::string_view text, std::size_t limit) const {
    const std::string plain = FoldName(text);
    const std::string canonical = CanonicalName(text);
    std::vector<std::string> names;
    if (plain.empty() || limit == 0) {
        return names;
    }
    std::unordered_set<std::string> seen;
    const auto take = [&](const Entry& entry) {
        if (names.size() < limit && seen.insert(entry.name).second) {
            names.push_back(entry.name);
        }
    };
    for (const Entry& entry : m_entries) {
        if (entry.plainKey == plain || entry.canonical == canonical) {
            take(entry);
        }
    }
    for (const Entry& entry : m_entries) {
        if (StartsWith(entry.plainKey, plain) || StartsWith(entry.canonical, canonical)) {
            take(entry);
        }
        if (names.size() >= limit) {
            break;
        }
    }
    return names;
}

std::string NamedObjectTitle(const NamedObject& object, const CatalogStore& store) {
    switch (object.kind) {
    case NamedKind::Body:
        return kBodyNames.at(object.index);
    case NamedKind::Constellation:
        return std::string(ConstellationNamingTable.at(object.index).name);
    case NamedKind::Star:
        return StarTitle(store, store.m_stars.at(object.index));
    case NamedKind::DeepSky:
        return DeepSkyTitle(object.index, store.m_deepSky.at(object.index));
    case NamedKind::FaintStar:
        return "HIP " + std::to_string(store.m_faintStars.stars.at(object.index).hip);
    }
    return {};
}

SearchTarget NamedObjectPosition(const NamedObject& object, const CatalogStore& store,
                                 const SkyState& sky) {
    switch (object.kind) {
    case NamedKind::Body:
        return SolarSystemTarget(sky, static_cast<int>(object.index));
    case NamedKind::Constellation: {
        const std::size_t row =
            ConstellationSearchRow(ConstellationNamingTable.at(object.index).searchName);
        const ConstellationName& c = ConstellationNameTable.at(row);
        SearchTarget target{c.ra, static_cast<double>(c.dec)};
        CarryToCatalogueDate(store, target.ra, target.dec);
        return target;
    }
    case NamedKind::Star: {
        const StarRecord& star = store.m_stars.at(object.index);
        return SearchTarget{star.ra, star.dec};
    }
    case NamedKind::DeepSky: {
        const DeepSkyRecord& record = store.m_deepSky.at(object.index);
        return SearchTarget{record.ra, record.dec};
    }
    case NamedKind::FaintStar: {
        // Kept at J2000: carried to the catalogue's date like the constellation names.
        const FaintStar& star = store.m_faintStars.stars.at(object.index);
        SearchTarget target{star.ra, star.dec};
        CarryToCatalogueDate(store, target.ra, target.dec);
        return target;
    }
    }
    return {};
}
