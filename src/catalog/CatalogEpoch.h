// The catalogue's own positions, kept aside while the tables hold positions carried to a chart's
// date (the precise sky model): the tables are rewritten once per date change, and the positions
// as loaded are written back when the classic model returns, bit for bit.
#pragma once

#include <array>
#include <vector>

struct CatalogEpochCopy {
    // True while the tables hold positions of date and the vectors below the loaded ones.
    bool carried = false;
    // The terrestrial-time Julian day (two parts) the tables were last carried to.
    double carriedTt1 = 0.0;
    double carriedTt2 = 0.0;
    // One entry per carried position, in the order CatalogueOfDate walks the tables: the
    // position as loaded (ra hours, dec degrees) and its unit vector (zero for a record left all
    // zero, which stays zero).
    std::vector<std::array<float, 2>> loaded;
    std::vector<std::array<double, 3>> unit;
    // The change of the unit vector per Julian year from the star's proper motion (zero for
    // everything that is not a moving star), same order.
    std::vector<std::array<double, 3>> motion;
};
