#include "astro/PreciseTime.h"

#include <cmath>

#include <erfa.h>

namespace {

constexpr double kMjdZero = 2400000.5; // Julian day of modified Julian day 0
constexpr double kSecondsPerDay = 86400.0;
constexpr double kTtMinusTai = 32.184; // seconds
constexpr double kJ2000 = 2451545.0;   // Julian day of J2000.0
constexpr double kDaysPerYear = 365.25;
constexpr double kFirstLeapSecondYear = 1972.0; // UTC with whole leap seconds begins

} // namespace

double EspenakMeeusDeltaT(double y) {
    if (y < 1860.0 || y >= 2150.0) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t -
               0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

double DeltaTSeconds(double jdUt) {
    const double decimalYear = 2000.0 + (jdUt - kJ2000) / kDaysPerYear;
    if (decimalYear >= kFirstLeapSecondYear) {
        int iy = 0;
        int im = 0;
        int id = 0;
        double fd = 0.0;
        double taiMinusUtc = 0.0;
        if (eraJd2cal(kMjdZero, jdUt - kMjdZero, &iy, &im, &id, &fd) == 0 &&
            eraDat(iy, im, id, fd, &taiMinusUtc) == 0) {
            return kTtMinusTai + taiMinusUtc;
        }
    }
    return EspenakMeeusDeltaT(decimalYear);
}

PreciseInstant PreciseInstantOf(double jdUt) {
    PreciseInstant instant;
    instant.deltaT = DeltaTSeconds(jdUt);
    instant.ut1 = kMjdZero;
    instant.ut2 = jdUt - kMjdZero;
    instant.tt1 = kMjdZero;
    instant.tt2 = instant.ut2 + instant.deltaT / kSecondsPerDay;
    return instant;
}
