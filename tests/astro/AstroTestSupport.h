// Small helpers shared by the engine tests.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "astro/Observer.h"

// Difference of two angles in degrees, wrapped into [-180, 180), so 359.9 and 0.1 are 0.2 apart.
inline double AngleDifference(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d >= 180.0) {
        d -= 360.0;
    }
    if (d < -180.0) {
        d += 360.0;
    }
    return d;
}

// An observer at the given place and zone, with the letters as the profile stores them.
inline Observer MakeObserver(int longDeg, int longMin, const std::string& ew, int latDeg,
                             int latMin, const std::string& ns, float zone) {
    Observer observer;
    observer.Location = "Test";
    observer.LongDeg = longDeg;
    observer.LongMin = longMin;
    observer.EW = ew;
    observer.LatDeg = latDeg;
    observer.LatMin = latMin;
    observer.NS = ns;
    observer.TimeZone = zone;
    return observer;
}

// Greenwich, zone 0: clock time is universal time.
inline Observer GreenwichObserver() {
    return MakeObserver(0, 0, "W", 51, 29, "N", 0.0f);
}

// The largest difference a reference test found, printed (and recorded in the test's XML
// output) when the test ends, so that the margin under each tolerance stays visible. Pass each
// difference through it: EXPECT_NEAR(largest(got - published), 0.0, tolerance).
class LargestError {
public:
    explicit LargestError(std::string unit) : m_unit(std::move(unit)) {}
    LargestError(const LargestError&) = delete;
    LargestError& operator=(const LargestError&) = delete;
    ~LargestError() {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::printf("[ largest  ] %s.%s: %.6g %s\n", test->test_suite_name(), test->name(), m_worst,
                    m_unit.c_str());
        ::testing::Test::RecordProperty("largest_error_" + m_unit, std::to_string(m_worst));
    }
    double operator()(double difference) {
        m_worst = std::max(m_worst, std::fabs(difference));
        return difference;
    }

private:
    std::string m_unit;
    double m_worst = 0.0;
};
