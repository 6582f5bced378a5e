#include "navigation/MouseNavigation.h"

#include "astro/Angles.h"
#include "chart/Centering.h"
#include "chart/ChartState.h"
#include "navigation/Navigation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.14159265358979323846;

double WrapHalfDay(double hours) {
    return hours - 24.0 * std::round(hours / 24.0);
}

double WrapHalfTurn(double radians) {
    return radians - 2.0 * kPi * std::round(radians / (2.0 * kPi));
}

// Degrees from a pole within which a drag that cannot follow the pointer any more puts the
// centre on the pole.
constexpr int kPoleZone = 75;

// The largest move of the centre, in degrees of arc, that one pointer movement of a drag may
// make; a farther solution belongs to another branch (the sky turned over a pole).
constexpr double kDragMaxStep = 20.0;

// Radians from the centre at which the sky's movement by a turn is measured.
constexpr double kTurnLever = 0.5;

// A centre of the chart: turn (hours) and declination (degrees, not yet whole).
struct Centre {
    double turnX;
    double turnY;
};

} // namespace

ChartPosition FramePosition(const ChartState& chart, const ChartPosition& sky) {
    if (chart.SouthernFlip()) {
        return {24.0 - sky.ra, -sky.dec};
    }
    return sky;
}

// The projection of a frame position (right ascension a, declination d) for the centre turn X
// and centre declination T is, in units of the radius and with lambda = -15 (X + a) degrees,
//   u = sin(lambda) cos(d),   v = -sin(d) cos(T) + sin(T) cos(lambda) cos(d),
// on the front of the sphere where sin(d) sin(T) + cos(d) cos(T) cos(lambda) > 0 (the same for
// T below zero, where the chart mirrors twice). Given the pixel, lambda follows from u and then
// T from v; of the (up to four) solutions the one nearest the present centre is taken.
bool KeepUnderPointer(ChartState& chart, const ChartPosition& grabbed, int x, int y,
                      double maxStepDegrees) {
    const double r = chart.m_nRadius;
    if (r <= 0.0) {
        return false;
    }
    const double u = (x - chart.m_nCenterX) / r;
    const double v = (y - chart.m_nCenterY) / r;
    if (u * u + v * v >= 1.0) {
        return false; // off the sphere
    }
    const double d = DegToRad(grabbed.dec);
    const double cosD = std::cos(d);
    const double sinD = std::sin(d);
    const auto turnOf = [&](double lambda) {
        const double turn = -RadToDeg(lambda) / 15.0 - grabbed.ra;
        return chart.m_dTurnX + WrapHalfDay(turn - chart.m_dTurnX);
    };
    // How far the sky moves when the centre moves to c, in degrees of arc: the change of
    // declination, and the turn about the pole seen half a radian from the centre (a turn at the
    // pole itself spins the chart about its centre).
    const double t0 = DegToRad(chart.m_nTurnY);
    const double turnWeight = std::fabs(std::cos(t0)) + kTurnLever * std::fabs(std::sin(t0));
    const auto step = [&](const Centre& c) {
        return std::fabs(c.turnY - chart.m_nTurnY) +
               15.0 * std::fabs(c.turnX - chart.m_dTurnX) * turnWeight;
    };
    std::optional<Centre> best;
    if (std::fabs(u) <= cosD) {
        const double l1 = std::asin(u / cosD);
        for (const double lambda : {l1, kPi - l1}) {
            const double a = std::cos(lambda) * cosD;
            const double rho = std::hypot(a, sinD);
            if (rho <= 0.0 || std::fabs(v) > rho) {
                continue;
            }
            const double phi = std::atan2(-sinD, a);
            const double s = std::asin(v / rho);
            for (const double t : {WrapHalfTurn(s - phi), WrapHalfTurn(kPi - s - phi)}) {
                const double front = sinD * std::sin(t) + cosD * std::cos(t) * std::cos(lambda);
                if (std::fabs(t) > kPi / 2.0 + 1e-12 || front <= 0.0) {
                    continue;
                }
                const Centre c{turnOf(lambda), RadToDeg(t)};
                if (step(c) <= maxStepDegrees && (!best || step(c) < step(*best))) {
                    best = c;
                }
            }
        }
    }
    if (!best) {
        // No centre within reach puts the point under the pointer. Close to a pole a drag has
        // carried the point over it: the centre stays on the pole and the chart turns about it,
        // so the point keeps the pointer's direction from the centre. Elsewhere nothing moves.
        if (!std::isfinite(maxStepDegrees) || std::abs(chart.m_nTurnY) < kPoleZone) {
            return false;
        }
        const bool north = chart.m_nTurnY > 0;
        const double lambda = north ? std::atan2(u, v) : std::atan2(u, -v);
        best = Centre{turnOf(lambda), north ? 90.0 : -90.0};
        if (step(*best) > maxStepDegrees) {
            best->turnX = chart.m_dTurnX; // the pointer crossed the centre: no half turn
        }
    }
    const double turnX = std::fmod(best->turnX, 24.0); // inside the open interval -24..+24
    const int turnY = std::clamp(RoundHalfTowardZero(best->turnY), -90, 90);
    const bool changed = turnX != chart.m_dTurnX || turnY != chart.m_nTurnY;
    chart.m_dTurnX = turnX;
    chart.m_nTurnY = turnY;
    chart.m_nTilt = std::abs(turnY);
    return changed;
}

bool WheelZoom(ChartState& chart, int autoMode, bool zoomIn, int x, int y) {
    std::optional<ChartPosition> grabbed;
    if (const std::optional<ChartPosition> under = Unproject(chart, x, y)) {
        grabbed = FramePosition(chart, *under);
    }
    const bool zoomed = zoomIn ? ZoomIn(chart, autoMode) : ZoomOut(chart, autoMode);
    if (!zoomed) {
        return false;
    }
    if (grabbed) {
        KeepUnderPointer(chart, *grabbed, x, y);
    }
    SnapCentre(chart);
    return true;
}

ChartDrag::ChartDrag(const ChartState& chart, int x, int y) : m_x(x), m_y(y) {
    if (const std::optional<ChartPosition> under = Unproject(chart, x, y)) {
        m_grabbed = FramePosition(chart, *under);
    }
}

bool ChartDrag::MoveTo(ChartState& chart, int x, int y) {
    if (!m_dragging && std::abs(x - m_x) <= kClickSlop && std::abs(y - m_y) <= kClickSlop) {
        return false;
    }
    m_dragging = true;
    if (!m_grabbed) {
        return false; // grabbed outside the sphere: nothing to follow
    }
    const double turnX = chart.m_dTurnX;
    const int turnY = chart.m_nTurnY;
    KeepUnderPointer(chart, *m_grabbed, x, y, kDragMaxStep);
    SnapCentre(chart);
    return chart.m_dTurnX != turnX || chart.m_nTurnY != turnY;
}

bool ChartDrag::Release(ChartState& chart) {
    return !m_dragging && ClickToCentre(chart, m_x, m_y);
}
