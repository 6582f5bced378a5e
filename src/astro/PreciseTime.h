// The time scales of the precise sky model: universal time (taken as UT1, from the observer's
// clock time and zone through the engine's own Julian day) and terrestrial time TT = UT + delta T.
//
// Delta T from 1972 January 1 while ERFA's leap-second table is known (eraDat status 0):
// TT - UTC = 32.184 s + (TAI - UTC), with UT1 taken equal to UTC (they never differ by more than
// 0.9 s). Outside that range (before 1972, and after the table's last sure year) the polynomial
// expressions of F. Espenak and J. Meeus (2006), "Five Millennium Canon of Solar Eclipses",
// NASA/TP-2006-214141, section 2.6.
#pragma once

// Julian days split in two parts as ERFA takes them (the sum is the date).
struct PreciseInstant {
    double ut1 = 0.0;    // universal time, first part (2400000.5)
    double ut2 = 0.0;    // universal time, second part
    double tt1 = 0.0;    // terrestrial time, first part (2400000.5)
    double tt2 = 0.0;    // terrestrial time, second part
    double deltaT = 0.0; // seconds, TT - UT
};

// Delta T in seconds from the Espenak & Meeus (2006) polynomials for a decimal year (valid
// -1999..3000; the program uses 1900..2150).
double EspenakMeeusDeltaT(double decimalYear);

// Delta T in seconds for a Julian day in universal time: leap seconds from ERFA where its table
// is sure (1972 on), else EspenakMeeusDeltaT.
double DeltaTSeconds(double jdUt);

// The instant of a Julian day in universal time.
PreciseInstant PreciseInstantOf(double jdUt);
