// The fixed-size records of the catalogue files. Every file is a plain run of these records,
// little-endian, with no header and no padding between records. The structs mirror the file
// layout byte for byte (the size checks below hold on every platform we build for), but they are
// never filled by copying file bytes over them: each one is decoded field by field from a byte
// buffer, so the result does not depend on the host's byte order.
//
// Right ascension is in hours, declination in degrees, both single-precision.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// One star of bsc5.big.
struct StarRecord {
    char spectralClass = 0;    // first letter of the spectral type ("O", "B", ... "M" or other)
    char designation[11] = {}; // 10 characters and a zero: Flamsteed, Bayer, superscript, const.
    std::int32_t hr = 0;       // number in the bright-star catalogue
    float ra = 0.0f;           // hours
    float dec = 0.0f;          // degrees
    float magnitude = 0.0f;    // visual magnitude, negative for the brightest stars
};

// One proper name of names.bin. The label anchor is stored here, not looked up in the stars.
struct StarNameRecord {
    std::int32_t hr = 0;          // HR number of the named star
    float ra = 0.0f;              // label anchor, hours
    float dec = 0.0f;             // label anchor, degrees
    std::int32_t labelOffset = 0; // pixels left of the anchor where the name starts
    float magnitude = 0.0f;       // the name shows only while this is within the star limit
    char name[20] = {};           // zero-terminated
};

// One point of a constellation figure (cnstline.bin) or boundary (constell.bin).
struct FigurePoint {
    float ra = 0.0f;       // hours
    float dec = 0.0f;      // degrees
    std::int32_t flag = 0; // segment to the next point: figures when 0, boundaries when not 0
};

// One Messier (messier.bin) or NGC (deepsky.bin) object.
struct DeepSkyRecord {
    std::int32_t number = 0;  // Messier or NGC number
    char type = 0;            // 'e', 'g', 'o', 'p', 's' or anything else
    char unused[3] = {};      // not read from the file
    float ra = 0.0f;          // hours
    float dec = 0.0f;         // degrees
    float magnitude = 0.0f;   // drawn only while within the deep-sky limit
    std::int32_t labelDx = 0; // label offset to the right, pixels
    std::int32_t labelDy = 0; // label offset upwards, pixels
    char name[20] = {};       // common name, zero-terminated; "*" means none
};

// One point of the ecliptic, Milky Way, Magellanic Clouds or horizon ring.
struct OutlinePoint {
    float ra = 0.0f;  // hours
    float dec = 0.0f; // degrees
};

// One place of location.bin.
struct LocationRecord {
    char name[32] = {};     // zero-terminated, possibly blank-padded
    float latitude = 0.0f;  // degrees, north positive
    float longitude = 0.0f; // degrees, west positive (east negative)
    float timeZone = 0.0f;  // hours, sign opposite to Observer::TimeZone (east of Greenwich < 0)
};

static_assert(sizeof(StarRecord) == 28);
static_assert(sizeof(StarNameRecord) == 40);
static_assert(sizeof(FigurePoint) == 12);
static_assert(sizeof(DeepSkyRecord) == 48);
static_assert(sizeof(OutlinePoint) == 8);
static_assert(sizeof(LocationRecord) == 44);

// Size of each record in its file (equal to the struct sizes above).
inline constexpr std::size_t kStarRecordSize = 28;
inline constexpr std::size_t kStarNameRecordSize = 40;
inline constexpr std::size_t kFigurePointSize = 12;
inline constexpr std::size_t kDeepSkyRecordSize = 48;
inline constexpr std::size_t kOutlinePointSize = 8;
inline constexpr std::size_t kLocationRecordSize = 44;

// Decoders: one record from exactly its file size of little-endian bytes.
//
// Bad input never reaches the chart as garbage:
// - every text field comes out zero-terminated (its last byte is forced to zero), so a field
//   that the file fills to the brim is cut one character short instead of running on;
// - a record holding a number that is not finite, or a value far outside anything real (right
//   ascension outside -24..48 hours, declination beyond 90 degrees, magnitude beyond 30, label
//   offset beyond 100000 pixels, latitude beyond 90, longitude beyond 360 degrees, time zone
//   beyond 24 hours), is returned all zero, exactly like a record that a short file does not
//   supply. Such values could only come from a damaged file, and would otherwise turn into
//   undefined whole-number conversions when drawn.
StarRecord DecodeStarRecord(std::span<const std::byte, kStarRecordSize> bytes);
StarNameRecord DecodeStarNameRecord(std::span<const std::byte, kStarNameRecordSize> bytes);
FigurePoint DecodeFigurePoint(std::span<const std::byte, kFigurePointSize> bytes);
DeepSkyRecord DecodeDeepSkyRecord(std::span<const std::byte, kDeepSkyRecordSize> bytes);
OutlinePoint DecodeOutlinePoint(std::span<const std::byte, kOutlinePointSize> bytes);
LocationRecord DecodeLocationRecord(std::span<const std::byte, kLocationRecordSize> bytes);

// The position test above, for outline points read from text (eclip.dat).
bool SkyPositionIsPlausible(float ra, float dec);

// A text field as a view that stops at the first zero byte and never runs past the field.
template <std::size_t N> std::string_view FieldText(const char (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0') {
        ++n;
    }
    return std::string_view(field, n);
}
