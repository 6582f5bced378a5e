// Atmospheric refraction for standard conditions (10 °C, 1010 hPa): how much higher an object
// looks than it is. The formulas are Saemundsson's (geometric to apparent) and Bennett's
// (apparent to geometric), both as given in Meeus, Astronomical Algorithms (2nd ed.), ch. 16; at
// these conditions their pressure and temperature factor is exactly 1. They agree with each other
// within 0.1' from the horizon up and are good to about 0.1' above 5°.
#pragma once

// The refraction in degrees for an object at `geometricDeg` (true altitude, degrees). Zero at
// the zenith and never negative; below the horizon it fades linearly from its value at -1° to
// zero at -5°, so that the apparent altitude keeps rising with the true one and nothing far
// below the horizon is lifted.
double RefractionDeg(double geometricDeg);

// The altitude the eye sees for a true altitude: geometric + RefractionDeg(geometric).
double ApparentAltitude(double geometricDeg);

// The inverse of ApparentAltitude (within 0.01'), for turning a point of a refracted chart back
// into a true altitude.
double GeometricAltitude(double apparentDeg);
