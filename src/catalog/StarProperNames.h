// Names people use for catalogue objects beyond those the catalogue files carry: the proper names
// of bright-catalogue stars (a longer list than names.bin, from the same source) and the NGC
// numbers of the Messier objects. Both tables are generated from data/sources by
// tools/make_star_names.py.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct StarProperName {
    std::int32_t hr;       // bright-star catalogue number
    std::string_view name; // UTF-8, e.g. "Betelgeuse"
};

// Sorted by HR number; one name per star, every name once.
extern const std::array<StarProperName, 483> StarProperNameTable;

struct MessierNgc {
    std::int32_t messier;
    std::int32_t ngc;
};

// Messier objects that are NGC objects (M 31 is NGC 224), by Messier number.
extern const std::array<MessierNgc, 106> MessierNgcTable;
