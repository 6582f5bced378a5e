#include "catalog/Records.h"

#include "files/Utf8Text.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace {

// Plausible values. Anything outside these is not a point of the sky or a real magnitude: a
// damaged file. The bounds are generous (outlines may run a little past 24 hours) but small
// enough that every later conversion to a whole number of pixels or degrees stays defined.
constexpr float kMinRa = -24.0f;    // hours
constexpr float kMaxRa = 48.0f;     // hours
constexpr float kMaxAbsDec = 90.0f; // degrees
constexpr float kMaxAbsMagnitude = 30.0f;
constexpr std::int32_t kMaxAbsLabelOffset = 100000; // pixels
constexpr float kMaxAbsLatitude = 90.0f;            // degrees
constexpr float kMaxAbsLongitude = 360.0f;          // degrees
constexpr float kMaxAbsTimeZone = 24.0f;            // hours

std::uint32_t U32(const std::byte* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

std::int32_t I32(const std::byte* p) {
    return std::bit_cast<std::int32_t>(U32(p));
}

float F32(const std::byte* p) {
    return std::bit_cast<float>(U32(p));
}

// A text field: zero-terminated within its size, and valid UTF-8 without control characters
// (a bad byte becomes '?'), so that no damaged name reaches the screen, JSON or a terminal.
template <std::size_t N> void Text(const std::byte* p, char (&field)[N]) {
    std::memcpy(field, p, N);
    field[N - 1] = '\0';
    SanitizeField(field, N);
}

bool RaOk(float ra) {
    return std::isfinite(ra) && ra >= kMinRa && ra <= kMaxRa;
}
bool DecOk(float dec) {
    return std::isfinite(dec) && std::fabs(dec) <= kMaxAbsDec;
}
bool MagOk(float m) {
    return std::isfinite(m) && std::fabs(m) <= kMaxAbsMagnitude;
}
bool OffsetOk(std::int32_t v) {
    return v >= -kMaxAbsLabelOffset && v <= kMaxAbsLabelOffset;
}
bool Within(float v, float bound) {
    return std::isfinite(v) && std::fabs(v) <= bound;
}

} // namespace

StarRecord DecodeStarRecord(std::span<const std::byte, kStarRecordSize> bytes) {
    const std::byte* p = bytes.data();
    StarRecord r;
    r.spectralClass = static_cast<char>(p[0]);
    Text(p + 1, r.designation);
    r.hr = I32(p + 12);
    r.ra = F32(p + 16);
    r.dec = F32(p + 20);
    r.magnitude = F32(p + 24);
    if (!RaOk(r.ra) || !DecOk(r.dec) || !MagOk(r.magnitude)) {
        return {};
    }
    return r;
}

StarNameRecord DecodeStarNameRecord(std::span<const std::byte, kStarNameRecordSize> bytes) {
    const std::byte* p = bytes.data();
    StarNameRecord r;
    r.hr = I32(p);
    r.ra = F32(p + 4);
    r.dec = F32(p + 8);
    r.labelOffset = I32(p + 12);
    r.magnitude = F32(p + 16);
    Text(p + 20, r.name);
    if (!RaOk(r.ra) || !DecOk(r.dec) || !MagOk(r.magnitude) || !OffsetOk(r.labelOffset)) {
        return {};
    }
    return r;
}

FigurePoint DecodeFigurePoint(std::span<const std::byte, kFigurePointSize> bytes) {
    const std::byte* p = bytes.data();
    FigurePoint r;
    r.ra = F32(p);
    r.dec = F32(p + 4);
    r.flag = I32(p + 8);
    if (!RaOk(r.ra) || !DecOk(r.dec)) {
        return {};
    }
    return r;
}

DeepSkyRecord DecodeDeepSkyRecord(std::span<const std::byte, kDeepSkyRecordSize> bytes) {
    const std::byte* p = bytes.data();
    DeepSkyRecord r;
    r.number = I32(p);
    r.type = static_cast<char>(p[4]);
    // Bytes 5..7 are not read: they stay zero.
    r.ra = F32(p + 8);
    r.dec = F32(p + 12);
    r.magnitude = F32(p + 16);
    r.labelDx = I32(p + 20);
    r.labelDy = I32(p + 24);
    Text(p + 28, r.name);
    if (!RaOk(r.ra) || !DecOk(r.dec) || !MagOk(r.magnitude) || !OffsetOk(r.labelDx) ||
        !OffsetOk(r.labelDy)) {
        return {};
    }
    return r;
}

OutlinePoint DecodeOutlinePoint(std::span<const std::byte, kOutlinePointSize> bytes) {
    const std::byte* p = bytes.data();
    OutlinePoint r{F32(p), F32(p + 4)};
    if (!RaOk(r.ra) || !DecOk(r.dec)) {
        return {};
    }
    return r;
}

LocationRecord DecodeLocationRecord(std::span<const std::byte, kLocationRecordSize> bytes) {
    const std::byte* p = bytes.data();
    LocationRecord r;
    Text(p, r.name);
    r.latitude = F32(p + 32);
    r.longitude = F32(p + 36);
    r.timeZone = F32(p + 40);
    if (!Within(r.latitude, kMaxAbsLatitude) || !Within(r.longitude, kMaxAbsLongitude) ||
        !Within(r.timeZone, kMaxAbsTimeZone)) {
        return {};
    }
    return r;
}

bool SkyPositionIsPlausible(float ra, float dec) {
    return RaOk(ra) && DecOk(dec);
}
