#include "astro/ZoneFiles.h"

#include "files/SafeFile.h"

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <utility>

namespace {

// RFC 8536: "TZif", a version byte, 15 reserved bytes, six 32-bit counts.
constexpr std::size_t kHeaderBytes = 44;
constexpr std::size_t kVersionAt = 4;
constexpr std::size_t kCountsAt = 20;
constexpr std::size_t kLocalTypeBytes = 6; // UT offset (4), DST flag (1), abbreviation index (1)
// The RFC's range of UT offsets, just inside +-25 hours and 26 hours.
constexpr std::int64_t kMinUtOffset = -89999;
constexpr std::int64_t kMaxUtOffset = 93599;
// Transition times beyond about 35,000 years either way would overflow the library's sums.
constexpr std::int64_t kMaxTransitionSeconds = std::int64_t{1} << 40;
// At most one byte's worth of local time types: their indices are single bytes.
constexpr std::uint64_t kMaxLocalTypes = 256;

std::uint64_t ReadUnsigned(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

std::int64_t ReadSigned(std::string_view bytes, std::size_t at, std::size_t width) {
    const std::uint64_t value = ReadUnsigned(bytes, at, width);
    const unsigned bits = static_cast<unsigned>(width * 8);
    if (bits < 64 && (value >> (bits - 1)) != 0) {
        return static_cast<std::int64_t>(value) - (std::int64_t{1} << bits);
    }
    return static_cast<std::int64_t>(value);
}

struct Counts {
    std::uint64_t isut = 0, isstd = 0, leap = 0, time = 0, type = 0, chars = 0;
};

// The header at `at`: magic, version and counts; the version byte is returned in `version`.
std::optional<std::string> ReadHeader(std::string_view bytes, std::size_t at, char& version,
                                      Counts& counts) {
    if (bytes.size() < at + kHeaderBytes) {
        return "the file is cut short in its header";
    }
    if (bytes.substr(at, 4) != "TZif") {
        return "the file does not start as a zone file (TZif)";
    }
    version = bytes[at + kVersionAt];
    // The date library knows versions 1 ('\0'), 2 and 3 only.
    if (version != '\0' && version != '2' && version != '3') {
        return "the zone file's version is not 1, 2 or 3";
    }
    std::array<std::uint64_t, 6> c{};
    for (std::size_t i = 0; i < c.size(); ++i) {
        c[i] = ReadUnsigned(bytes, at + kCountsAt + 4 * i, 4);
    }
    counts = {c[0], c[1], c[2], c[3], c[4], c[5]};
    if ((counts.isut != 0 && counts.isut != counts.type) ||
        (counts.isstd != 0 && counts.isstd != counts.type) || counts.type == 0 ||
        counts.type > kMaxLocalTypes || counts.chars == 0) {
        return "the zone file's header holds impossible counts";
    }
    return std::nullopt;
}

// Checks the data block after the header at `at`, with transition times of `timeBytes` bytes;
// `end` receives the offset just past the block.
std::optional<std::string> CheckBlock(std::string_view bytes, std::size_t at, const Counts& c,
                                      std::size_t timeBytes, std::size_t& end) {
    const std::uint64_t size = c.time * timeBytes + c.time + c.type * kLocalTypeBytes + c.chars +
                               c.leap * (timeBytes + 4) + c.isstd + c.isut;
    const std::size_t start = at + kHeaderBytes;
    if (bytes.size() < start || bytes.size() - start < size) {
        return "the zone file is cut short";
    }
    end = start + static_cast<std::size_t>(size);
    std::size_t p = start;
    std::int64_t previous = 0;
    for (std::uint64_t i = 0; i < c.time; ++i, p += timeBytes) {
        const std::int64_t t = ReadSigned(bytes, p, timeBytes);
        if (t < -kMaxTransitionSeconds || t > kMaxTransitionSeconds || (i > 0 && t <= previous)) {
            return "the zone file's transition times are out of order or out of range";
        }
        previous = t;
    }
    for (std::uint64_t i = 0; i < c.time; ++i, ++p) {
        if (static_cast<unsigned char>(bytes[p]) >= c.type) {
            return "a transition of the zone file names a local time type it lacks";
        }
    }
    for (std::uint64_t i = 0; i < c.type; ++i, p += kLocalTypeBytes) {
        const std::int64_t offset = ReadSigned(bytes, p, 4);
        const auto dst = static_cast<unsigned char>(bytes[p + 4]);
        const auto abbreviation = static_cast<unsigned char>(bytes[p + 5]);
        if (offset < kMinUtOffset || offset > kMaxUtOffset || dst > 1 || abbreviation >= c.chars) {
            return "a local time type of the zone file is out of range";
        }
    }
    return std::nullopt;
}

struct ZoneChecks {
    std::mutex mutex;
    std::filesystem::path root = "/usr/share/zoneinfo";
    std::map<std::string, std::optional<std::string>, std::less<>> problems;
};

ZoneChecks& Checks() {
    static ZoneChecks checks;
    return checks;
}

} // namespace

std::optional<std::string> ZoneFileProblem(std::string_view bytes) {
    char version = 0;
    Counts counts;
    if (auto problem = ReadHeader(bytes, 0, version, counts)) {
        return problem;
    }
    std::size_t end = 0;
    if (auto problem = CheckBlock(bytes, 0, counts, 4, end)) {
        return problem;
    }
    if (version == '\0') {
        return std::nullopt;
    }
    // Versions 2 and 3 repeat the data with 64-bit times after a second header; the library
    // reads that part.
    char second = 0;
    if (auto problem = ReadHeader(bytes, end, second, counts)) {
        return problem;
    }
    if (second != version) {
        return "the zone file's two headers differ in version";
    }
    if (auto problem = CheckBlock(bytes, end, counts, 8, end)) {
        return problem;
    }
    // The footer, a rule between two line ends, closes the file: without it the file was cut.
    const std::string_view footer = bytes.substr(end);
    if (footer.size() < 2 || footer.front() != '\n' || footer.back() != '\n' ||
        footer.find('\n', 1) != footer.size() - 1) {
        return "the zone file is cut short (its footer is missing)";
    }
    return std::nullopt;
}

void SetZoneDatabaseRoot(const std::filesystem::path& root) {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    checks.root = root;
    checks.problems.clear();
}

std::filesystem::path ZoneDatabaseRoot() {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    return checks.root;
}

std::optional<std::string> ZoneReadProblem(std::string_view zone) {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    if (const auto it = checks.problems.find(zone); it != checks.problems.end()) {
        return it->second;
    }
    std::optional<std::string> problem;
    std::string bytes;
    const std::string path = (checks.root / std::string(zone)).string();
    const ReadResult read = ReadWholeFile(path, kMaxZoneFileBytes, bytes);
    if (read.status == ReadStatus::Failed) {
        // "Cannot read PATH: REASON" without its verb: the caller's sentence has one.
        const std::string_view verb = "Cannot read ";
        problem = read.error.starts_with(verb) ? read.error.substr(verb.size()) : read.error;
    } else if (read.ok()) {
        if (std::optional<std::string> damage = ZoneFileProblem(bytes)) {
            problem = path + ": " + *damage;
        }
    }
    checks.problems.emplace(std::string(zone), problem);
    return problem;
}

void RecordZoneProblem(std::string_view zone, std::string reason) {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    checks.problems.insert_or_assign(std::string(zone),
                                     std::optional<std::string>(std::move(reason)));
}
