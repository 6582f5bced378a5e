#include "astro/Refraction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

// Saemundsson's formula, arcminutes, for true altitudes from -1° up. The constant makes it zero
// at the zenith (the bare formula gives -0.0019' there).
double SaemundssonArcmin(double h) {
    const double r = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * kRad) + 0.0019279;
    return std::max(r, 0.0);
}

constexpr double kTaperTop = -1.0;
constexpr double kTaperBottom = -5.0;

} // namespace

double RefractionDeg(double geometricDeg) {
    if (geometricDeg >= kTaperTop) {
        return SaemundssonArcmin(std::min(geometricDeg, 90.0)) / 60.0;
    }
    if (geometricDeg <= kTaperBottom) {
        return 0.0;
    }
    const double atTop = SaemundssonArcmin(kTaperTop) / 60.0;
    return atTop * (geometricDeg - kTaperBottom) / (kTaperTop - kTaperBottom);
}

double ApparentAltitude(double geometricDeg) {
    return geometricDeg + RefractionDeg(geometricDeg);
}

double GeometricAltitude(double apparentDeg) {
    // ApparentAltitude rises monotonically, so halving finds the true altitude; 40 halvings of the
    // bracket (refraction is never above 1°) reach far below 0.01'.
    double lo = apparentDeg - 1.0;
    double hi = apparentDeg;
    for (int i = 0; i < 40; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (ApparentAltitude(mid) < apparentDeg) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return 0.5 * (lo + hi);
}
