#include "chart/ProjectionMemo.h"

#include "astro/Angles.h"

#include <algorithm>
#include <bit>
#include <cmath>

const PointMemo::Direction& PointMemo::Refresh(std::size_t i, float ra, float dec) {
    if (i >= m_directions.size()) {
        Grow(i + 1);
    }
    // The projection's own degree (kDegToRad), so the direction matches its angles.
    constexpr auto kDeg = static_cast<float>(kDegToRad);
    const float a = 15.0f * ra * kDeg;
    const float delta = dec * kDeg;
    const float cosDelta = std::cos(delta);
    Direction& d = m_directions[i];
    d = Direction{std::bit_cast<std::uint32_t>(ra), std::bit_cast<std::uint32_t>(dec),
                  cosDelta * std::cos(a), cosDelta * std::sin(a), std::sin(delta)};
    return d;
}

PointMemo::Trig PointMemo::MakeTrig(float dec, float turned) {
    Trig trig{};
    TakeDec(trig, dec);
    TakeTurned(trig, turned);
    return trig;
}

void PointMemo::TakeDec(Trig& trig, float dec) {
    const double d = dec * kDegToRad;
    trig.decBits = std::bit_cast<std::uint32_t>(dec);
    trig.sinDec = std::sin(d);
    trig.cosDec = std::cos(d);
}

void PointMemo::TakeTurned(Trig& trig, float turned) {
    const double lambda = -15.0 * turned * kDegToRad;
    trig.turnedBits = std::bit_cast<std::uint32_t>(turned);
    trig.sinLon = std::sin(lambda);
    trig.cosLon = std::cos(lambda);
}

void PointMemo::Grow(std::size_t count) {
    // New entries belong to (0, 0), whose values they hold, so they need no "empty" mark. The
    // tables are walked upwards: grow in large steps.
    count = std::max(count, 2 * m_directions.size() + 256);
    m_directions.resize(count);
    m_trig.resize(count, MakeTrig(0.0f, 0.0f));
}
