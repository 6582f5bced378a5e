// What is well placed tonight: the planets, the Moon, the Messier objects and (when asked) the
// brightest stars that climb to at least 30 degrees while the sky is dark, each with the time and
// altitude of its highest point in the dark hours and the rise and set around it.
//
// The dark hours are the astronomical night (the Sun below -18 degrees). Where the Sun does not
// get that low (summer at high latitudes) the list uses the nautical night (below -12 degrees),
// the darkest the sky gets there, and says so; where the Sun does not even reach -12 degrees the
// list is empty, with a note.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "astro/Place.h"
#include "planning/Night.h"

class SkyModel;
struct CatalogStore;

// The lowest highest point that makes an object well placed, degrees.
inline constexpr double kWellPlacedAltitude = 30.0;
// How many of the brightest stars the list takes in when stars are asked for.
inline constexpr std::size_t kBrightStarCount = 50;

enum class PlannedKind { Body, Star, DeepSky };

// An object of the list: a body (kBodyMoon .. kBodyPluto), an entry of m_stars or of m_deepSky.
struct PlannedObject {
    PlannedKind kind = PlannedKind::Body;
    std::size_t index = 0;
};

struct WellPlacedEntry {
    PlannedObject object;
    double transit = 0.0;       // the highest point in the dark hours, Julian day, universal time
    double maxAltitude = 0.0;   // degrees, geometric, as the chart shows it
    std::optional<double> rise; // the last rise before the highest point, within a day
    std::optional<double> set;  // the first set after it, within a day
};

// An entry with the object's name as the find box writes it ("M 31", "Jupiter", "Vega").
struct VisibleObject {
    std::string name;
    WellPlacedEntry entry;
};

// The columns the list sorts by. A missing rise or set (an object that does not set) sorts after
// every time in either direction; equal keys keep their order.
enum class WellPlacedColumn { Name, Transit, MaxAltitude, Rise, Set };
void SortVisible(std::vector<VisibleObject>& rows, WellPlacedColumn column, bool ascending);

// Which darkness the list was made for.
enum class ListDarkness { Astronomical, Nautical, None };

struct WellPlacedList {
    ListDarkness darkness = ListDarkness::None;
    double start = 0.0; // the dark stretch searched, Julian days, universal time
    double end = 0.0;
    std::vector<WellPlacedEntry> entries; // in order of the highest point's time
};

// The objects the list considers: the Moon and the planets, the Messier objects, and the
// `brightStars` brightest stars of the catalogue.
std::vector<PlannedObject> PlanningCandidates(const CatalogStore& catalog, std::size_t brightStars);

// The list for the night at the place, with the catalogue as `model` holds it.
WellPlacedList ComputeWellPlaced(const NightReport& night,
                                 const std::vector<PlannedObject>& objects,
                                 const CatalogStore& catalog, const Place& place,
                                 const SkyModel& model);

// The note the list carries where it is not made for the astronomical night; empty otherwise.
std::string WellPlacedNote(ListDarkness darkness);
