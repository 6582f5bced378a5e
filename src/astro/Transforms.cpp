#include "astro/Transforms.h"

#include <cmath>

#include "astro/Angles.h"

double ChartAzimuthFromSouthern(double southernAzimuth) {
    return 360.0 - southernAzimuth;
}
double SouthernAzimuthFromChart(double chartAzimuth) {
    return 360.0 - chartAzimuth;
}
double CompassAzimuthFromSouthern(double southernAzimuth) {
    return Normalize360(southernAzimuth + 180.0);
}
double SouthernAzimuthFromCompass(double compassAzimuth) {
    return Normalize360(compassAzimuth - 180.0);
}

HorizontalPosition EquatorialToHorizontal(double raHours, double decDegrees, double gstDegrees,
                                          double longitudeDegrees, double latitudeDegrees) {
    const double hourAngle = DegToRad(gstDegrees - longitudeDegrees - 15.0 * raHours);
    const double dec = DegToRad(decDegrees);
    const double lat = DegToRad(latitudeDegrees);
    const double southernAzimuth = RadToDeg(std::atan2(
        std::sin(hourAngle), std::cos(hourAngle) * std::sin(lat) - std::tan(dec) * std::cos(lat)));
    HorizontalPosition result;
    result.compassAzimuth = CompassAzimuthFromSouthern(southernAzimuth);
    result.altitude = RadToDeg(std::asin(std::sin(lat) * std::sin(dec) +
                                         std::cos(lat) * std::cos(dec) * std::cos(hourAngle)));
    return result;
}

EquatorialPosition HorizontalToEquatorial(double chartAzimuthDegrees, double altitudeDegrees,
                                          double gstDegrees, double longitudeDegrees,
                                          double latitudeDegrees) {
    const double southern = DegToRad(SouthernAzimuthFromChart(chartAzimuthDegrees));
    const double alt = DegToRad(altitudeDegrees);
    const double lat = DegToRad(latitudeDegrees);
    const double hourAngle = RadToDeg(std::atan2(
        std::sin(southern), std::cos(southern) * std::sin(lat) + std::tan(alt) * std::cos(lat)));
    EquatorialPosition result;
    result.ra = Normalize360(gstDegrees - longitudeDegrees - hourAngle) / 15.0;
    result.dec = RadToDeg(std::asin(std::sin(lat) * std::sin(alt) -
                                    std::cos(lat) * std::cos(alt) * std::cos(southern)));
    return result;
}
