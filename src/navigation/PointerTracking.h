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

// The azimuth and altitude pane for a position: "Az " then the compass azimuth's whole degrees
// (three digits), the degree sign and its minutes, two blanks, "Alt " and the altitude as the
// declination pane shows degrees and minutes: azimuth 123.5 and altitude -12.25 give
// "Az 123° 30'  Alt -12° 15'". UTF-8.
std::string HorizontalPaneText(const HorizontalPosition& position);

// The texts of the right-ascension, declination and azimuth-altitude panes.
struct PointerPaneTexts {
    std::string rightAscension; // "RA 05h 30' 00\""
    std::string declination;    // "DEC -00° 30' 00\""
    std::string horizontal;     // "Az 123° 30'  Alt -12° 15'", on the local-horizon chart only
};

// The pane texts for the last pointer position; all are empty while the pointer is off the sky
// (there is no position to show there). The azimuth and altitude are those of the position for
// the sky's sidereal angle and observer, shown while the chart is the local-horizon one, the
// chart whose user thinks in them.
PointerPaneTexts PointerTexts(const std::optional<EquatorialPosition>& position);
PointerPaneTexts PointerTexts(const std::optional<EquatorialPosition>& position,
                              const ChartState& chart, const SkyState& sky);
