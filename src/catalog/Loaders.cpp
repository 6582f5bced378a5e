#include "catalog/Loaders.h"

#include "catalog/FaintStars.h"
#include "catalog/MilkyWayGlow.h"
#include "catalog/PlaceZones.h"
#include "files/SafeFile.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <span>
#include <sstream>
#include <system_error>
#include <utility>

namespace {

// Reads up to `count` records of `size` bytes. Returns the bytes of the complete records only:
// a record cut short by the end of the file counts as missing (it stays zero in the store).
std::vector<std::byte> ReadRecords(std::istream& in, std::size_t size, std::size_t count) {
    std::vector<std::byte> buffer(size * count);
    in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    buffer.resize(got - got % size);
    return buffer;
}

// Decodes the records of one file into table entries first..first + count - 1.
template <std::size_t Size, typename Table, typename Decode>
void LoadInto(std::istream& in, Table& table, std::size_t first, std::size_t count, Decode decode) {
    const std::vector<std::byte> bytes = ReadRecords(in, Size, count);
    const std::size_t records = bytes.size() / Size;
    for (std::size_t i = 0; i < records; ++i) {
        table[first + i] = decode(std::span<const std::byte, Size>(bytes.data() + i * Size, Size));
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One number as "%f" reads it: leading white space skipped, an optional sign, then a decimal or
// exponent form. Independent of the C locale (a decimal point, never a comma).
const char* ParseFloat(const char* p, const char* end, float& value) {
    while (p < end && IsBlank(*p)) {
        ++p;
    }
    if (p < end && *p == '+') {
        ++p;
    }
    const auto [next, ec] = std::from_chars(p, end, value, std::chars_format::general);
    return ec == std::errc() ? next : nullptr;
}

// Longest line of eclip.dat looked at; the rest of a longer line is ignored.
constexpr std::size_t kMaxEclipticLine = 256;

// Reads the next line (without its end), keeping at most kMaxEclipticLine characters. False at
// the end of the stream when nothing was read.
bool ReadLine(std::istreambuf_iterator<char>& it, std::string& line) {
    const std::istreambuf_iterator<char> end;
    line.clear();
    if (it == end) {
        return false;
    }
    while (it != end) {
        const char c = *it++;
        if (c == '\n') {
            break;
        }
        if (line.size() < kMaxEclipticLine) {
            line.push_back(c);
        }
    }
    return true;
}

// eclip.dat: one "RA Dec" pair per line into entries 0..73. A line that does not hold two
// numbers leaves its entry as it is (zero).
void LoadEcliptic(std::istream& in, CatalogStore& store) {
    std::istreambuf_iterator<char> it(in);
    std::string line;
    for (std::size_t i = 0; i < kEclipticLineCount && ReadLine(it, line); ++i) {
        const char* p = line.data();
        const char* end = p + line.size();
        float ra = 0.0f;
        float dec = 0.0f;
        p = ParseFloat(p, end, ra);
        if (p == nullptr || ParseFloat(p, end, dec) == nullptr) {
            continue;
        }
        if (SkyPositionIsPlausible(ra, dec)) {
            store.m_outlinePoints[kEclipticFirst + i] = OutlinePoint{ra, dec};
        }
    }
}

} // namespace

std::string_view CatalogFileName(CatalogFile file) {
    switch (file) {
    case CatalogFile::Stars:
        return "bsc5.big";
    case CatalogFile::Figures:
        return "cnstline.bin";
    case CatalogFile::Boundaries:
        return "constell.bin";
    case CatalogFile::Messier:
        return "messier.bin";
    case CatalogFile::Ngc:
        return "deepsky.bin";
    case CatalogFile::StarNames:
        return "names.bin";
    case CatalogFile::Ecliptic:
        return "eclip.dat";
    case CatalogFile::MilkyWay:
        return "milky.bin";
    case CatalogFile::Magellan:
        return "magellan.bin";
    case CatalogFile::Locations:
        return "location.bin";
    }
    return {};
}

std::string CannotOpenMessage(std::string_view fileName) {
    std::string message = "Couldn't open file ";
    message += fileName;
    message += " !    ";
    return message;
}

void LoadCatalogStream(CatalogFile file, std::istream& in, CatalogStore& store) {
    switch (file) {
    case CatalogFile::Stars:
        LoadInto<kStarRecordSize>(in, store.m_stars, 0, kStarCount, DecodeStarRecord);
        break;
    case CatalogFile::Figures:
        LoadInto<kFigurePointSize>(in, store.m_figurePoints, kFigurePointFirst, kFigurePointCount,
                                   DecodeFigurePoint);
        break;
    case CatalogFile::Boundaries:
        LoadInto<kFigurePointSize>(in, store.m_figurePoints, kBoundaryPointFirst,
                                   kBoundaryPointCount, DecodeFigurePoint);
        break;
    case CatalogFile::Messier:
        LoadInto<kDeepSkyRecordSize>(in, store.m_deepSky, 0, kMessierCount, DecodeDeepSkyRecord);
        break;
    case CatalogFile::Ngc:
        LoadInto<kDeepSkyRecordSize>(in, store.m_deepSky, kNgcFirst, kNgcCount,
                                     DecodeDeepSkyRecord);
        break;
    case CatalogFile::StarNames:
        LoadInto<kStarNameRecordSize>(in, store.m_starNames, 0, kStarNameCount,
                                      DecodeStarNameRecord);
        break;
    case CatalogFile::Ecliptic:
        LoadEcliptic(in, store);
        break;
    case CatalogFile::MilkyWay:
        // The file's first part is drawn from entry 535, its second part from entry 146.
        LoadInto<kOutlinePointSize>(in, store.m_outlinePoints, kMilkyWayFirstFirst,
                                    kMilkyWayFirstCount, DecodeOutlinePoint);
        LoadInto<kOutlinePointSize>(in, store.m_outlinePoints, kMilkyWaySecondFirst,
                                    kMilkyWaySecondCount, DecodeOutlinePoint);
        break;
    case CatalogFile::Magellan:
        LoadInto<kOutlinePointSize>(in, store.m_outlinePoints, kLargeCloudFirst,
                                    kLargeCloudCount + kSmallCloudCount, DecodeOutlinePoint);
        break;
    case CatalogFile::Locations:
        LoadInto<kLocationRecordSize>(in, store.m_locations, 0, kLocationCount,
                                      DecodeLocationRecord);
        break;
    }
}

std::size_t CatalogFileBytes(CatalogFile file) {
    switch (file) {
    case CatalogFile::Stars:
        return kStarRecordSize * kStarCount;
    case CatalogFile::Figures:
        return kFigurePointSize * kFigurePointCount;
    case CatalogFile::Boundaries:
        return kFigurePointSize * kBoundaryPointCount;
    case CatalogFile::Messier:
        return kDeepSkyRecordSize * kMessierCount;
    case CatalogFile::Ngc:
        return kDeepSkyRecordSize * kNgcCount;
    case CatalogFile::StarNames:
        return kStarNameRecordSize * kStarNameCount;
    case CatalogFile::Ecliptic:
        return 0;
    case CatalogFile::MilkyWay:
        return kOutlinePointSize * (kMilkyWayFirstCount + kMilkyWaySecondCount);
    case CatalogFile::Magellan:
        return kOutlinePointSize * (kLargeCloudCount + kSmallCloudCount);
    case CatalogFile::Locations:
        return kLocationRecordSize * kLocationCount;
    }
    return 0;
}

// The warning for a file of the wrong size; `instead` names the whole file used in its place.
std::string ShortFileWarning(const std::filesystem::path& path, std::size_t bytes,
                             std::size_t expected, const std::filesystem::path& instead = {}) {
    return "warning: the catalogue file " + path.string() + " holds " + std::to_string(bytes) +
           " bytes where " + std::to_string(expected) + " were expected; " +
           (instead.empty() ? "the records it holds are used"
                            : instead.string() + " is used instead");
}

CatalogFileResult LoadCatalogFile(CatalogFile file, const CatalogLocator& locator,
                                  CatalogStore& store) {
    const std::string_view name = CatalogFileName(file);
    // A place table of the wrong size waits here while a later directory may hold a whole one.
    std::optional<std::pair<std::filesystem::path, std::string>> shortPlaces;
    const auto load = [&](const std::filesystem::path& path, const std::string& bytes) {
        std::istringstream in(bytes);
        CatalogFileResult result;
        if (file == CatalogFile::Ecliptic) {
            const std::size_t lines =
                static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n') +
                                         (!bytes.empty() && bytes.back() != '\n' ? 1 : 0));
            if (lines < kEclipticLineCount) {
                result.warning = "warning: the catalogue file " + path.string() + " holds " +
                                 std::to_string(lines) + " lines where " +
                                 std::to_string(kEclipticLineCount) +
                                 " were expected; the lines it holds are used";
            }
        } else if (bytes.size() != CatalogFileBytes(file)) {
            result.warning = ShortFileWarning(path, bytes.size(), CatalogFileBytes(file));
        }
        LoadCatalogStream(file, in, store);
        return result;
    };
    for (const std::filesystem::path& dir : locator.Directories()) {
        const std::filesystem::path path = dir / std::filesystem::path(name);
        std::error_code ec;
        // Something of that name that is not a file (a folder) is passed over.
        if (!std::filesystem::is_regular_file(path, ec)) {
            continue;
        }
        std::string bytes;
        const ReadResult read = ReadWholeFile(path, kMaxCatalogFileBytes, bytes);
        if (read.status == ReadStatus::Missing) {
            continue;
        }
        if (!read.ok()) {
            return {CatalogFileStatus::Unreadable, read.error + "    ", {}};
        }
        // A damaged copy of the places (in the working folder) does not hide the whole table
        // installed with the program.
        if (file == CatalogFile::Locations && bytes.size() != CatalogFileBytes(file)) {
            if (!shortPlaces) {
                shortPlaces.emplace(path, std::move(bytes));
            }
            continue;
        }
        CatalogFileResult result = load(path, bytes);
        if (shortPlaces) {
            result.warning = ShortFileWarning(shortPlaces->first, shortPlaces->second.size(),
                                              CatalogFileBytes(file), path);
        }
        return result;
    }
    if (shortPlaces) {
        return load(shortPlaces->first, shortPlaces->second);
    }
    return {CatalogFileStatus::Missing, CannotOpenMessage(name), {}};
}

CatalogLoadResult LoadCatalogs(CatalogStore& store, const CatalogLocator& locator) {
    CatalogLoadResult result;
    for (CatalogFile file : kCatalogLoadOrder) {
        CatalogFileResult loaded = LoadCatalogFile(file, locator, store);
        if (loaded.status != CatalogFileStatus::Loaded) {
            result.failedFile = file;
            result.message = std::move(loaded.message);
            return result;
        }
        if (!loaded.warning.empty()) {
            result.warnings.push_back(std::move(loaded.warning));
        }
    }
    // Not a catalogue: without it the places have only their fixed offsets.
    PlaceZonesResult zones = LoadPlaceZones(locator);
    store.m_placeZones = std::move(zones.table);
    for (std::string& warning : zones.warnings) {
        result.warnings.push_back(std::move(warning));
    }
    // Not a catalogue either: without it the natural style's Milky Way is one soft band.
    MilkyWayGlowResult glow = LoadMilkyWayGlow(locator);
    store.m_milkyWayGlow = std::move(glow.rings);
    if (!glow.warning.empty()) {
        result.warnings.push_back(std::move(glow.warning));
    }
    // Optional too: without it the faint-star layer is unavailable.
    if (auto warning = LoadFaintStars(locator, store.m_faintStars)) {
        result.warnings.push_back(std::move(*warning));
    }
    return result;
}
