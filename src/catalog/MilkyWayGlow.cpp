#include "catalog/MilkyWayGlow.h"

#include "files/SafeFile.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kRecordSize = 12;
constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;
constexpr int kFirstLevel = 2;
constexpr int kLastLevel = 5;

std::uint32_t Word(std::string_view bytes, std::size_t at) {
    std::uint32_t w = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        w |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return w;
}

} // namespace

std::vector<GlowRing> DecodeMilkyWayGlow(std::string_view bytes, std::string& problem) {
    std::vector<GlowRing> rings;
    if (bytes.size() % kRecordSize != 0) {
        problem = "its length is no whole number of records";
        return {};
    }
    for (std::size_t at = 0; at < bytes.size(); at += kRecordSize) {
        const float ra = std::bit_cast<float>(Word(bytes, at));
        const float dec = std::bit_cast<float>(Word(bytes, at + 4));
        const auto flag = static_cast<std::int32_t>(Word(bytes, at + 8));
        if (!std::isfinite(ra) || !std::isfinite(dec) || ra < 0.0f || ra > 24.0f ||
            std::fabs(dec) > 90.0f) {
            problem = "a point lies off the sky";
            return {};
        }
        if (flag != 0) {
            if (flag < kFirstLevel || flag > kLastLevel) {
                problem = "a ring has no level 2..5";
                return {};
            }
            rings.push_back(GlowRing{flag, {}});
        } else if (rings.empty()) {
            problem = "the first point starts no ring";
            return {};
        }
        rings.back().points.push_back(OutlinePoint{ra, dec});
    }
    return rings;
}

MilkyWayGlowResult LoadMilkyWayGlow(const CatalogLocator& locator) {
    MilkyWayGlowResult result;
    for (const std::filesystem::path& dir : locator.Directories()) {
        const std::filesystem::path path = dir / kMilkyWayGlowFileName;
        std::string bytes;
        const ReadResult read = ReadWholeFile(path, kMaxFileBytes, bytes);
        if (read.status == ReadStatus::Missing) {
            continue;
        }
        if (!read.ok()) {
            result.warning = "warning: " + read.error;
            return result;
        }
        std::string problem;
        result.rings = DecodeMilkyWayGlow(bytes, problem);
        if (!problem.empty()) {
            result.warning = "warning: the file " + path.string() + " is damaged (" + problem + ")";
        }
        return result;
    }
    return result;
}
