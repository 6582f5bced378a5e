// A sky model's sidereal angle over a stretch of days, computed once an hour and interpolated
// between: fixed positions searched over many instants (every object of a night's list) then
// cost a few sines each instead of the model's sidereal angle (the nutation series) each time.
// The apparent sidereal angle departs from a straight line between two hours by far less than a
// millisecond of time, so the positions are the model's own (SkyModel::FixedPosition).
#pragma once

#include <memory>
#include <vector>

#include "astro/Place.h"
#include "astro/RiseSet.h"

class SkyModel;

class SiderealTable {
public:
    // The model's angle from startJd to endJd (universal time); outside it the model is asked.
    SiderealTable(const SkyModel& model, double startJd, double endJd);

    // Greenwich sidereal angle, degrees, any turn.
    double DegreesAt(double jd) const;

private:
    const SkyModel* m_model;
    double m_start = 0.0;
    std::vector<double> m_degrees; // unwrapped, one an hour from m_start
};

// A fixed position (right ascension hours, declination degrees) seen from the place as
// SkyModel::FixedPosition sees it, with the table's sidereal angle; the table must outlive it.
SkyPositionFunction FixedPositionOn(const std::shared_ptr<const SiderealTable>& table,
                                    double raHours, double decDegrees, const Place& place);
