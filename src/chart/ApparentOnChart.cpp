#include "chart/ApparentOnChart.h"

#include "astro/PreciseEphemeris.h"
#include "astro/PreciseTime.h"

#include <cmath>

namespace {

// The transpose of a rotation is its inverse.
Vector3 RotatedBack(const Matrix3& m, const Vector3& v) {
    Vector3 out{};
    for (int j = 0; j < 3; ++j) {
        out[j] = m[0][j] * v[0] + m[1][j] * v[1] + m[2][j] * v[2];
    }
    return out;
}

Vector3 Normalized(const Vector3& v) {
    const double n = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return {v[0] / n, v[1] / n, v[2] / n};
}

// The catalogue direction whose apparent direction is `apparent`: the aberration is about 20"
// and changes by less than 1e-4 of itself over that shift, so each step gains four digits; three
// steps are far below the mount's own resolution.
Vector3 CatalogueDirectionOf(const ApparentPlaceFrame& frame, const Vector3& apparent) {
    constexpr int kSteps = 3;
    const Vector3 aberrated = RotatedBack(frame.rbpn, apparent);
    Vector3 p = aberrated;
    for (int step = 0; step < kSteps; ++step) {
        const Vector3 got = RotatedBack(frame.rbpn, ApparentDirection(frame, p));
        p = Normalized({p[0] + aberrated[0] - got[0], p[1] + aberrated[1] - got[1],
                        p[2] + aberrated[2] - got[2]});
    }
    return p;
}

} // namespace

EquatorialPosition ChartPositionOfApparent(double raHours, double decDegrees, SkyModelKind model,
                                           const Instant& instant) {
    if (model == SkyModelKind::Precise) {
        return {raHours, decDegrees};
    }
    const ApparentPlaceFrame frame = ApparentPlaceFrameOf(PreciseInstantOf(instant.ut));
    EquatorialPosition out;
    RaDecOf(CatalogueDirectionOf(frame, UnitVectorOf(raHours, decDegrees)), out.ra, out.dec);
    return out;
}
