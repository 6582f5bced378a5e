// What the projection keeps between frames for the points of one table (stars, figure points,
// outline points, grid, deep-sky objects), so that a frame does not repeat work whose inputs have
// not changed. Every entry carries the exact inputs it was computed from and is recomputed when
// they differ, so the memo can never be stale: a catalogue carried to another date, a refilled
// horizon ring or a turned chart simply miss.
//
// - a direction: the point's unit vector in single precision, keyed on its (ra, dec); enough for
//   a conservative test that the point falls far outside the client area (Projector);
// - the sines and cosines the projection takes of the point's declination and of its turned
//   longitude, keyed on the exact single-precision values they are taken of, so the pixels are
//   the ones the projection computes without the memo.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

class PointMemo {
public:
    struct Direction {
        std::uint32_t raBits = 0; // the (ra hours, dec degrees) it belongs to, as bits
        std::uint32_t decBits = 0;
        float x = 1.0f; // unit vector: x toward ra 0, z toward the north pole
        float y = 0.0f;
        float z = 0.0f;
    };
    struct Trig {
        std::uint32_t decBits;    // the declination (degrees) the projection took
        std::uint32_t turnedBits; // the turned right ascension (hours) it took
        double sinDec;
        double cosDec;
        double sinLon;
        double cosLon;
    };

    // The direction of point i, recomputed when (ra, dec) is not the one it belongs to.
    const Direction& DirectionOf(std::size_t i, float ra, float dec) {
        if (i < m_directions.size()) {
            const Direction& d = m_directions[i];
            if (d.raBits == std::bit_cast<std::uint32_t>(ra) &&
                d.decBits == std::bit_cast<std::uint32_t>(dec)) {
                return d;
            }
        }
        return Refresh(i, ra, dec);
    }
    // The trigonometry entry of point i (the projector checks and refills it).
    Trig& TrigOf(std::size_t i) {
        if (i >= m_trig.size()) {
            Grow(i + 1);
        }
        return m_trig[i];
    }

    // The entry for a declination and turned right ascension, as the projection computes it,
    // and its two halves.
    static Trig MakeTrig(float dec, float turned);
    static void TakeDec(Trig& trig, float dec);
    static void TakeTurned(Trig& trig, float turned);

private:
    const Direction& Refresh(std::size_t i, float ra, float dec);
    void Grow(std::size_t count);
    std::vector<Direction> m_directions;
    std::vector<Trig> m_trig;
};

// The memos of the tables a frame projects, kept by the chart from frame to frame.
struct ProjectionMemo {
    PointMemo stars;
    PointMemo figurePoints;
    PointMemo outlinePoints;
    PointMemo gridPoints;
    PointMemo deepSky;
};
