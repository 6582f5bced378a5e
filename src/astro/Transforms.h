// Transforms between equatorial coordinates (right ascension in hours, declination in degrees) and
// horizontal coordinates (altitude, azimuth in degrees) for an observer.
//
// Three azimuth conventions exist in the program and are never mixed; every name says which one
// it holds:
//   compass azimuth  - north 0, through east (east 90, south 180, west 270); what the
//                      information panels show and EquatorialToHorizontal returns.
//   southern azimuth - south 0, through west (west 90, north 180, east 270); the horizon ring and
//                      the internal step of both transforms.
//   chart azimuth    - south 0, through east (east 90, north 180, west 270); the horizontal
//                      coordinate of the local-horizon chart (stored there divided by 15) and the
//                      input of HorizontalToEquatorial.
// Longitude is positive to the west, latitude positive to the north (see ObserverAngles.h).
#pragma once

struct HorizontalPosition {
    double altitude = 0.0;       // degrees
    double compassAzimuth = 0.0; // degrees, [0, 360)
};

struct EquatorialPosition {
    double ra = 0.0;  // hours
    double dec = 0.0; // degrees
};

// Conversions between the conventions (degrees). Compass results are wrapped into [0, 360); the
// chart/southern pair is 360 - x and is not wrapped (360 - 0 = 360).
double ChartAzimuthFromSouthern(double southernAzimuth);
double SouthernAzimuthFromChart(double chartAzimuth);
double CompassAzimuthFromSouthern(double southernAzimuth);
double SouthernAzimuthFromCompass(double compassAzimuth);

// Altitude and compass azimuth of (ra, dec) for the Greenwich sidereal angle gst (degrees), the
// signed longitude and latitude (degrees). The hour angle gst - longitude - 15 ra is not wrapped.
HorizontalPosition EquatorialToHorizontal(double raHours, double decDegrees, double gstDegrees,
                                          double longitudeDegrees, double latitudeDegrees);

// Right ascension and declination of the point at chart azimuth and altitude. With chart azimuth
// 360 - (southern azimuth of a point) it returns that point; it is not the inverse of the compass
// azimuth of EquatorialToHorizontal. The right ascension is wrapped into [0, 24).
EquatorialPosition HorizontalToEquatorial(double chartAzimuthDegrees, double altitudeDegrees,
                                          double gstDegrees, double longitudeDegrees,
                                          double latitudeDegrees);
