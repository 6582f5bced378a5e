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

    // A patch of the sphere holding some of the points: every member's direction lies within
    // `chord` (straight-line distance) of the centre direction (x, y, z).
    struct Cell {
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
        float chord = 0.0f;
        std::uint32_t first = 0; // members: m_cellPoints[first .. first + count)
        std::uint32_t count = 0;
    };

    // Marks in `bits` (bit i of word i / 64) the points 0 .. count - 1 of a cell that
    // `mayMeet(cell)` does not rule out; `position(i)` gives point i's (ra, dec). Directions are
    // checked against the positions first and the cells rebuilt when one has moved, so a point
    // left unmarked lies in a cell that was ruled out as a whole.
    template <typename PositionFn, typename CellTest>
    void MarkPointsInCells(std::size_t count, PositionFn position, CellTest mayMeet,
                           std::vector<std::uint64_t>& bits) {
        bool moved = m_cellPointCount != count;
        for (std::size_t i = 0; i < count; ++i) {
            const auto [ra, dec] = position(i);
            if (i >= m_directions.size() ||
                m_directions[i].raBits != std::bit_cast<std::uint32_t>(ra) ||
                m_directions[i].decBits != std::bit_cast<std::uint32_t>(dec)) {
                Refresh(i, ra, dec);
                moved = true;
            }
        }
        if (moved) {
            BuildCells(count);
        }
        bits.assign((count + 63) / 64, 0);
        for (const Cell& cell : m_cells) {
            if (cell.count == 0 || !mayMeet(cell)) {
                continue;
            }
            for (std::uint32_t k = cell.first; k < cell.first + cell.count; ++k) {
                const std::uint32_t i = m_cellPoints[k];
                bits[i / 64] |= std::uint64_t{1} << (i % 64);
            }
        }
    }

private:
    const Direction& Refresh(std::size_t i, float ra, float dec);
    void Grow(std::size_t count);
    void BuildCells(std::size_t count);
    std::vector<Direction> m_directions;
    std::vector<Trig> m_trig;
    std::vector<Cell> m_cells;
    std::vector<std::uint32_t> m_cellPoints;
    std::size_t m_cellPointCount = 0;
};

// The memos of the tables a frame projects, kept by the chart from frame to frame.
struct ProjectionMemo {
    PointMemo stars;
    PointMemo faintStars; // by index into the faint-star table, filled as cells are drawn
    PointMemo figurePoints;
    PointMemo outlinePoints;
    PointMemo gridPoints;
    PointMemo deepSky;
};
