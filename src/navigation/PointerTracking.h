// Pointer tracking: the sky position under the mouse pointer and the two status-pane texts that
// show it.
#pragma once

#include "astro/SkyState.h"
#include "astro/Transforms.h"
#include "chart/ChartState.h"

#include <optional>
#include <string>

// The equatorial position (right ascension hours [0, 24), declination degrees) under the client
// point (x, y). On the local-horizon chart the inverse projection gives the chart azimuth / 15 and
// the altitude, which are turned into right ascension and declination for the chart's sidereal
// angle and observer. nullopt when the point lies off the drawn sphere.
std::optional<EquatorialPosition> PointerSkyPosition(const ChartState& chart, const SkyState& sky,
                                                     double x, double y);

// The right-ascension pane for a position in hours: "RA " then hours, minutes and seconds, each
// truncated toward zero and shown with two digits: 5.5 gives "RA 05h 30' 00\"".
std::string RightAscensionPaneText(double raHours);

// The declination pane for a position in degrees: "DEC " then whole degrees (two digits, with a
// minus sign for any negative declination, also between -1 and 0), the degree sign, a blank,
// minutes and seconds as in the right-ascension text: -0.5 gives "DEC -00° 30' 00\"", -12.25
// gives "DEC -12° 15' 00\"". UTF-8.
std::string DeclinationPaneText(double decDegrees);

// The texts of the right-ascension and declination panes.
struct PointerPaneTexts {
    std::string rightAscension; // "RA 05h 30' 00\""
    std::string declination;    // "DEC -00° 30' 00\""
};

// The pane texts for the last pointer position; both are empty while the pointer is off the sky
// (there is no position to show there).
PointerPaneTexts PointerTexts(const std::optional<EquatorialPosition>& position);
