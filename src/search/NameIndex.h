// One index of every name the program knows, for the find box and `vesperanova --info`: star
// proper names, Bayer designations (Greek letter, spelled out, or abbreviated, with the
// constellation's abbreviation or genitive), Flamsteed numbers, HR numbers, Messier and NGC
// numbers (also the NGC number of a Messier object), deep-sky common names, the 88
// constellations by name and abbreviation, and the Sun, the Moon and the planets. Case, blanks,
// punctuation and diacritics do not matter: "alpha Ori", "α Ori", "alf ori" and "Alpha Orionis"
// are one name, as are "M31" and "m 31".
#pragma once

#include "search/Search.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct CatalogStore;
struct SkyState;

// The find box's message for a name the index does not know (exclamation icon; the box stays
// open and the chart unchanged). Like every message of the program's own it ends with four
// blanks.
inline constexpr const char* kUnknownNameMessage = "No object of that name is known !    ";

// How many names the find box offers as completions at a time.
inline constexpr std::size_t kCompletionLimit = 40;

enum class NamedKind { Body, Constellation, Star, DeepSky, FaintStar };

// What a name stands for. index: body 0 Moon .. 9 Pluto; constellation: row of
// ConstellationNamingTable; star: entry of m_stars; deep-sky object: entry of m_deepSky; faint
// star: entry of m_faintStars ("HIP <number>", looked up in the table, not held in the index).
struct NamedObject {
    NamedKind kind = NamedKind::Body;
    std::size_t index = 0;
    bool operator==(const NamedObject&) const = default;
};

// The comparison form of a name: lower-case ASCII letters and digits only. Greek letters are
// spelled out (α -> alpha), superscript digits become digits, accented Latin letters lose their
// accents (ä -> a, ß -> ss), a sign right before a digit is kept, everything else that is
// not a letter or digit is dropped.
std::string FoldName(std::string_view text);

// FoldName, then a Greek letter at the start given in any of its forms (catalogue "Alp",
// IAU "alf", "omikron", "ypsilon") written in its one spelled-out form ("alpha").
std::string CanonicalName(std::string_view text);

class NameIndex {
public:
    // Builds the index from the loaded catalogue and the built-in tables.
    explicit NameIndex(const CatalogStore& store);

    // The object a typed name stands for; nullopt when the name is unknown. When two objects
    // share a name, the earlier kind wins: bodies, constellations, Messier/NGC numbers, star
    // names, deep-sky names, then star designations.
    std::optional<NamedObject> Find(std::string_view text) const;

    // Names that begin with the typed text (compared as above), an exact match first, at most
    // `limit` of them, each name once.
    std::vector<std::string> Complete(std::string_view text, std::size_t limit) const;

    std::size_t Size() const { return m_entries.size(); }

private:
    struct Entry {
        std::string name;      // as shown in the completion list
        std::string plainKey;  // FoldName(name)
        std::string canonical; // CanonicalName(name)
        NamedObject object;
    };
    void Add(std::string name, NamedObject object);

    std::vector<Entry> m_entries;          // in the order of precedence
    const CatalogStore* m_store = nullptr; // for the faint stars' Hipparcos numbers
    std::unordered_map<std::string, std::size_t> m_byCanonical;
    std::unordered_map<std::string, std::size_t> m_byPlain;
};

// The object's name as a title: "Betelgeuse", "HR 1713", "M 31", "Orion", "Jupiter".
std::string NamedObjectTitle(const NamedObject& object, const CatalogStore& store);

// Where the chart centres on the object: a star's or deep-sky object's catalogue position, a
// constellation's search position (whole-degree declination), a body's computed position.
SearchTarget NamedObjectPosition(const NamedObject& object, const CatalogStore& store,
                                 const SkyState& sky);
