// An object's altitude and azimuth through one day, local noon to the next local noon in the
// place's zone, every 10 minutes; the Moon's altitude and the Sun's beside it for the graph's
// second curve and its day, twilight and night bands. The positions are the ones the
// information panel shows at each instant (the chart's model, PanelHorizontalPosition), so a
// row of the table and `--info` at the same instant agree.
#pragma once

#include <optional>
#include <vector>

#include "planning/WellPlaced.h"

class SkySession;

inline constexpr double kAltitudeStepMinutes = 10.0;

struct AltitudePoint {
    double jd = 0.0;       // universal time
    double altitude = 0.0; // degrees
    double azimuth = 0.0;  // degrees, compass (north 0, east 90)
};

struct AltitudeDay {
    double startJd = 0.0; // local noon, universal time
    double endJd = 0.0;   // the next local noon
    std::vector<AltitudePoint> object;
    std::vector<double> moonAltitude; // at the same instants
    std::vector<double> sunAltitude;  // at the same instants
};

// The day that begins at local noon of the session's clock date; the session is stepped through
// it and handed back at its own clock time.
AltitudeDay ComputeAltitudeDay(SkySession& session, const PlannedObject& object);

// The highest point of the table (the culmination as the graph marks it).
std::optional<AltitudePoint> HighestPoint(const AltitudeDay& day);
