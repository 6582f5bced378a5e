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

namespace {

// Cells: bands of equal height in z (equal area), each cut into sectors by a cheap monotonic
// stand-in for the longitude.
constexpr int kCellBands = 30;
constexpr int kCellSectors = 60;

int CellOf(float x, float y, float z) {
    const int band =
        std::clamp(static_cast<int>((z + 1.0f) * 0.5f * kCellBands), 0, kCellBands - 1);
    // The "diamond angle" of (x, y): 0 .. 4 around the circle, increasing with the longitude.
    float diamond = 0.0f;
    const float sum = std::abs(x) + std::abs(y);
    if (sum > 0.0f) {
        const float t = y / sum;
        diamond = x >= 0.0f ? (y >= 0.0f ? t : 4.0f + t) : 2.0f - t;
    }
    const int sector =
        std::clamp(static_cast<int>(diamond * (kCellSectors / 4.0f)), 0, kCellSectors - 1);
    return band * kCellSectors + sector;
}

} // namespace

void PointMemo::BuildCells(std::size_t count) {
    // A counting sort by cell keeps each cell's members in increasing order.
    std::vector<int> cellOf(count);
    m_cells.assign(kCellBands * kCellSectors, Cell{});
    for (std::size_t i = 0; i < count; ++i) {
        const Direction& d = m_directions[i];
        cellOf[i] = CellOf(d.x, d.y, d.z);
        ++m_cells[static_cast<std::size_t>(cellOf[i])].count;
    }
    std::uint32_t first = 0;
    for (Cell& cell : m_cells) {
        cell.first = first;
        first += cell.count;
        cell.count = 0;
    }
    m_cellPoints.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        Cell& cell = m_cells[static_cast<std::size_t>(cellOf[i])];
        m_cellPoints[cell.first + cell.count++] = static_cast<std::uint32_t>(i);
    }
    // Each cell's centre is its members' mean direction; its chord the largest distance from it,
    // widened for the rounding of single precision.
    for (Cell& cell : m_cells) {
        if (cell.count == 0) {
            continue;
        }
        double sx = 0.0;
        double sy = 0.0;
        double sz = 0.0;
        for (std::uint32_t k = cell.first; k < cell.first + cell.count; ++k) {
            const Direction& d = m_directions[m_cellPoints[k]];
            sx += d.x;
            sy += d.y;
            sz += d.z;
        }
        const double norm = std::sqrt(sx * sx + sy * sy + sz * sz);
        if (norm > 1e-6) {
            sx /= norm;
            sy /= norm;
            sz /= norm;
        } else {
            const Direction& d = m_directions[m_cellPoints[cell.first]];
            sx = d.x;
            sy = d.y;
            sz = d.z;
        }
        cell.x = static_cast<float>(sx);
        cell.y = static_cast<float>(sy);
        cell.z = static_cast<float>(sz);
        double chord = 0.0;
        for (std::uint32_t k = cell.first; k < cell.first + cell.count; ++k) {
            const Direction& d = m_directions[m_cellPoints[k]];
            const double dx = d.x - static_cast<double>(cell.x);
            const double dy = d.y - static_cast<double>(cell.y);
            const double dz = d.z - static_cast<double>(cell.z);
            chord = std::max(chord, std::sqrt(dx * dx + dy * dy + dz * dz));
        }
        cell.chord = static_cast<float>(chord + 1e-5);
    }
    m_cellPointCount = count;
}
