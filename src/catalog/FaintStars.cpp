#include "catalog/FaintStars.h"

#include "files/SafeFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr std::size_t kHeaderBytes = 16;
constexpr std::size_t kRecordBytes = 16;
constexpr char kMagic[8] = {'V', 'N', 'H', 'I', 'P', '1', '\0', '\0'};
constexpr std::int16_t kNoBv = -32768;

template <typename T> T Read(std::span<const std::byte> bytes, std::size_t at) {
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof(T));
    return value;
}

} // namespace

std::span<const FaintStar> FaintStarTable::Cell(std::size_t cell) const {
    if (cell + 1 >= cellStart.size()) {
        return {};
    }
    return std::span<const FaintStar>(stars).subspan(cellStart[cell],
                                                     cellStart[cell + 1] - cellStart[cell]);
}

const FaintStar* FaintStarTable::FindHip(std::int32_t hip) const {
    const auto it = std::find_if(stars.begin(), stars.end(),
                                 [hip](const FaintStar& star) { return star.hip == hip; });
    return it == stars.end() ? nullptr : &*it;
}

float FaintStarTable::FaintestMagnitude() const {
    float faintest = 0.0f;
    for (const FaintStar& star : stars) {
        faintest = std::max(faintest, star.magnitude);
    }
    return faintest;
}

std::size_t FaintCellOf(float raHours, float decDegrees) {
    const int zone =
        std::clamp(static_cast<int>(std::floor((decDegrees + 90.0f) / 5.0f)), 0, kFaintZones - 1);
    const int raCell =
        std::clamp(static_cast<int>(std::floor(raHours * 3.0f)), 0, kFaintRaCells - 1);
    return static_cast<std::size_t>(zone * kFaintRaCells + raCell);
}

char SpectralClassForBv(float bv) {
    // The usual main-sequence colours of each class (upper bounds of B-V).
    struct Bound {
        float bv;
        char letter;
    };
    static constexpr Bound kBounds[] = {{-0.25f, 'O'}, {-0.02f, 'B'}, {0.30f, 'A'},
                                        {0.58f, 'F'},  {0.81f, 'G'},  {1.40f, 'K'}};
    for (const Bound& b : kBounds) {
        if (bv < b.bv) {
            return b.letter;
        }
    }
    return 'M';
}

std::optional<std::string> ParseFaintStars(std::span<const std::byte> bytes, FaintStarTable& out) {
    out = {};
    if (bytes.size() < kHeaderBytes || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0 ||
        Read<std::uint32_t>(bytes, 12) != kFaintCellCount) {
        return std::string("is not a faint-star file");
    }
    const std::size_t indexBytes = (kFaintCellCount + 1) * 4;
    if (bytes.size() < kHeaderBytes + indexBytes) {
        return std::string("is cut short in its index");
    }
    const std::uint32_t count = Read<std::uint32_t>(bytes, 8);
    const std::size_t recordsAt = kHeaderBytes + indexBytes;
    const std::size_t held = (bytes.size() - recordsAt) / kRecordBytes;
    const std::size_t usable = std::min<std::size_t>(count, held);
    out.cellStart.resize(kFaintCellCount + 1);
    std::uint32_t previous = 0;
    for (std::size_t c = 0; c <= kFaintCellCount; ++c) {
        // An index that runs backwards or past the records is cut to what is there.
        const std::uint32_t start = Read<std::uint32_t>(bytes, kHeaderBytes + c * 4);
        previous = std::clamp<std::uint32_t>(start, previous, static_cast<std::uint32_t>(usable));
        out.cellStart[c] = previous;
    }
    out.cellStart[kFaintCellCount] = static_cast<std::uint32_t>(usable);
    out.stars.resize(usable);
    for (std::size_t i = 0; i < usable; ++i) {
        const std::size_t at = recordsAt + i * kRecordBytes;
        FaintStar& star = out.stars[i];
        star.hip = Read<std::int32_t>(bytes, at);
        star.ra = Read<float>(bytes, at + 4);
        star.dec = Read<float>(bytes, at + 8);
        star.magnitude = Read<std::int16_t>(bytes, at + 12) / 100.0f;
        const auto bv = Read<std::int16_t>(bytes, at + 14);
        star.hasBv = bv != kNoBv;
        star.bv = star.hasBv ? bv / 1000.0f : 0.0f;
        star.spectralClass = star.hasBv ? SpectralClassForBv(star.bv) : '?';
        if (!(star.ra >= 0.0f && star.ra < 24.0f && star.dec >= -90.0f && star.dec <= 90.0f)) {
            star = FaintStar{}; // an absurd record is kept as nothing to draw
            star.magnitude = 99.0f;
        }
    }
    if (held != count || bytes.size() != recordsAt + count * kRecordBytes) {
        return "holds " + std::to_string(held) + " of its " + std::to_string(count) + " stars";
    }
    return std::nullopt;
}

std::optional<std::string> LoadFaintStars(const CatalogLocator& locator, FaintStarTable& out) {
    out = {};
    const auto path = locator.Find(kFaintStarFileName);
    if (!path) {
        return std::nullopt;
    }
    // Read as the other catalogue files are (a file past their size limit is not one of ours),
    // but a file that cannot be read only leaves the faint stars out.
    std::string raw;
    const ReadResult read = ReadWholeFile(*path, kMaxCatalogFileBytes, raw);
    if (read.status == ReadStatus::Missing) {
        return std::nullopt;
    }
    if (!read.ok()) {
        return "warning: " + read.error + "; the faint stars are left out";
    }
    const auto problem = ParseFaintStars(std::as_bytes(std::span<const char>(raw)), out);
    if (problem) {
        // Worded as the other damaged files' warnings are.
        return "warning: the file " + path->string() + " is damaged (" + *problem + ")" +
               (out.Available() ? "; the faint stars it holds are used"
                                : "; the faint stars are left out");
    }
    return std::nullopt;
}
