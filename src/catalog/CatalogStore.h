// The catalogue tables of the chart: fixed-size arrays filled once at start-up by the loaders
// (Loaders.h) and read only afterwards; only the sky session (SkySession.h), which owns them,
// carries them to a date for the precise sky model. Every loaded entry starts all zero, so a
// record that a short file does not supply stays zero; the label points are built in.
//
// The store is about 300 KB; hold it on the heap (std::make_unique<CatalogStore>()).
#pragma once

#include "catalog/CatalogEpoch.h"
#include "catalog/Constellations.h"
#include "catalog/FaintStars.h"
#include "catalog/PlaceZoneTable.h"
#include "catalog/Records.h"

#include <array>
#include <cstddef>
#include <vector>

// Star table: record i of bsc5.big is entry i.
inline constexpr std::size_t kStarCount = 9095;

// Figure table: the stick figures of cnstline.bin, one spare entry, the boundaries of
// constell.bin.
inline constexpr std::size_t kFigurePointFirst = 0;
inline constexpr std::size_t kFigurePointCount = 528; // entries 0..527
inline constexpr std::size_t kFigureSpareEntry = 528; // stays zero
inline constexpr std::size_t kBoundaryPointFirst = 529;
inline constexpr std::size_t kBoundaryPointCount = 2345; // entries 529..2873
inline constexpr std::size_t kFigureTableSize = 2874;

// Deep-sky table: Messier objects first, then NGC objects. An index below kNgcFirst is a
// Messier object.
inline constexpr std::size_t kMessierCount = 110; // entries 0..109
inline constexpr std::size_t kNgcFirst = 110;
inline constexpr std::size_t kNgcCount = 100; // entries 110..209
inline constexpr std::size_t kDeepSkyCount = 210;

// Proper star names: record i of names.bin is entry i.
inline constexpr std::size_t kStarNameCount = 77;

// Outline table (ecliptic, the horizon ring's slot, Milky Way in two parts, Magellanic Clouds).
// The horizon ring itself is computed with the sky (SkyState::m_horizon); its slot keeps the
// table's layout and holds no catalogue position.
inline constexpr std::size_t kEclipticFirst = 0;
inline constexpr std::size_t kEclipticCount = 73;     // entries 0..72, one open polyline
inline constexpr std::size_t kEclipticLineCount = 74; // eclip.dat lines read; the 74th lands in
                                                      // entry 73, which nothing draws
inline constexpr std::size_t kHorizonFirst = 73;      // entries 73..145: the ring's slot
inline constexpr std::size_t kHorizonCount = 73;
inline constexpr std::size_t kMilkyWaySecondFirst = 146;
inline constexpr std::size_t kMilkyWaySecondCount = 388; // entries 146..533, milky.bin 224..611
inline constexpr std::size_t kMilkyWaySpare1 = 534;      // stays zero
inline constexpr std::size_t kMilkyWayFirstFirst = 535;
inline constexpr std::size_t kMilkyWayFirstCount = 224; // entries 535..758, milky.bin 0..223
inline constexpr std::size_t kMilkyWaySpare2 = 759;     // stays zero
inline constexpr std::size_t kLargeCloudFirst = 760;
inline constexpr std::size_t kLargeCloudCount = 25; // entries 760..784, magellan.bin 0..24
inline constexpr std::size_t kSmallCloudFirst = 785;
inline constexpr std::size_t kSmallCloudCount = 10; // entries 785..794, magellan.bin 25..34
inline constexpr std::size_t kOutlinePointCount = 795;

// Places: record i of location.bin is entry i.
inline constexpr std::size_t kLocationCount = 409;

// One outline of the Milky Way's inner brightness levels (milkyglow.bin, MilkyWayGlow.h): a
// closed ring of points, level 2 (just inside the outer band) to 5 (the brightest clouds).
struct GlowRing {
    int level = 0;
    std::vector<OutlinePoint> points;
};

struct CatalogStore {
    std::array<StarRecord, kStarCount> m_stars{};
    std::array<FigurePoint, kFigureTableSize> m_figurePoints{};
    std::array<DeepSkyRecord, kDeepSkyCount> m_deepSky{};
    std::array<StarNameRecord, kStarNameCount> m_starNames{};
    std::array<OutlinePoint, kOutlinePointCount> m_outlinePoints{};
    std::array<LocationRecord, kLocationCount> m_locations{};
    // The time zone of each place, from the optional side file placezones.tab (PlaceZones.h).
    PlaceZoneTable m_placeZones;
    // The Milky Way's inner brightness levels, from the optional side file milkyglow.bin; the
    // natural style's glow (empty: only the outer band glows). Positions of J2000.
    std::vector<GlowRing> m_milkyWayGlow;
    // The faint stars of the optional hipparcos.bin (FaintStars.h); empty without it. They keep
    // their J2000 positions in every sky model.
    FaintStarTable m_faintStars;
    // Where the constellation abbreviations and the Magellanic Clouds' names ("LMC", then
    // "SMC") are written; carried to the date with the tables above.
    std::array<LabelPoint, kConstellationLabelCount> m_constellationLabelPoints =
        ConstellationLabelPoints();
    std::array<LabelPoint, 2> m_cloudLabelPoints{{{4.75f, -68.5f}, {1.25f, -74.3f}}};
    // The loaded positions while the tables above hold positions of date (precise model).
    CatalogEpochCopy m_epoch;
};
