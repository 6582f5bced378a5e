#include "picturefiles/PictureLookup.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

namespace {

char AsciiLower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

// Bounds-checked little- and big-endian reads; nullopt past the end of the bytes.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::byte> bytes) : m_bytes(bytes) {}

    std::size_t size() const { return m_bytes.size(); }

    std::optional<std::uint8_t> U8(std::size_t at) const {
        if (at >= m_bytes.size()) {
            return std::nullopt;
        }
        return static_cast<std::uint8_t>(m_bytes[at]);
    }
    std::optional<std::uint32_t> Uint(std::size_t at, int width, bool bigEndian) const {
        if (at > m_bytes.size() || m_bytes.size() - at < static_cast<std::size_t>(width)) {
            return std::nullopt;
        }
        std::uint32_t v = 0;
        for (int i = 0; i < width; ++i) {
            const int k = bigEndian ? i : width - 1 - i;
            v = (v << 8) | static_cast<std::uint8_t>(m_bytes[at + static_cast<std::size_t>(k)]);
        }
        return v;
    }
    std::optional<std::uint32_t> Le16(std::size_t at) const { return Uint(at, 2, false); }
    std::optional<std::uint32_t> Le32(std::size_t at) const { return Uint(at, 4, false); }
    std::optional<std::uint32_t> Be16(std::size_t at) const { return Uint(at, 2, true); }
    std::optional<std::uint32_t> Be32(std::size_t at) const { return Uint(at, 4, true); }

    bool StartsWith(std::string_view magic) const {
        if (m_bytes.size() < magic.size()) {
            return false;
        }
        for (std::size_t i = 0; i < magic.size(); ++i) {
            if (static_cast<char>(m_bytes[i]) != magic[i]) {
                return false;
            }
        }
        return true;
    }

private:
    std::span<const std::byte> m_bytes;
};

std::optional<PictureHeader> Make(PictureType type, std::optional<std::uint32_t> w,
                                  std::optional<std::uint32_t> h) {
    if (!w || !h || *w == 0 || *h == 0) {
        return std::nullopt;
    }
    return PictureHeader{type, *w, *h};
}

std::optional<PictureHeader> SniffBmp(const ByteReader& r) {
    const auto infoSize = r.Le32(14);
    if (!infoSize) {
        return std::nullopt;
    }
    if (*infoSize == 12) { // the old OS/2 header: 16-bit sizes
        return Make(PictureType::Bmp, r.Le16(18), r.Le16(20));
    }
    const auto w = r.Le32(18);
    const auto h = r.Le32(22);
    if (!w || !h) {
        return std::nullopt;
    }
    // Both are signed; a negative height means rows stored top-down.
    const auto magnitude = [](std::uint32_t v) {
        const auto s = static_cast<std::int32_t>(v);
        return s < 0 ? static_cast<std::uint32_t>(-static_cast<std::int64_t>(s)) : v;
    };
    if (static_cast<std::int32_t>(*w) < 0) {
        return std::nullopt;
    }
    return Make(PictureType::Bmp, *w, magnitude(*h));
}

std::optional<PictureHeader> SniffPcx(const ByteReader& r) {
    const auto version = r.U8(1);
    const auto encoding = r.U8(2);
    const auto bits = r.U8(3);
    if (!version || !encoding || !bits) {
        return std::nullopt;
    }
    const bool versionOk = *version == 0 || (*version >= 2 && *version <= 5);
    const bool bitsOk = *bits == 1 || *bits == 2 || *bits == 4 || *bits == 8;
    if (!versionOk || *encoding > 1 || !bitsOk) {
        return std::nullopt;
    }
    const auto xmin = r.Le16(4), ymin = r.Le16(6), xmax = r.Le16(8), ymax = r.Le16(10);
    if (!xmin || !ymin || !xmax || !ymax || *xmax < *xmin || *ymax < *ymin) {
        return std::nullopt;
    }
    return Make(PictureType::Pcx, *xmax - *xmin + 1, *ymax - *ymin + 1);
}

std::optional<PictureHeader> SniffTga(const ByteReader& r) {
    constexpr std::size_t kHeaderSize = 18;
    const auto mapType = r.U8(1);
    const auto imageType = r.U8(2);
    const auto depth = r.U8(16);
    if (r.size() < kHeaderSize || !mapType || !imageType || !depth || *mapType > 1) {
        return std::nullopt;
    }
    constexpr std::array<std::uint8_t, 6> kImageTypes{1, 2, 3, 9, 10, 11};
    constexpr std::array<std::uint8_t, 5> kDepths{8, 15, 16, 24, 32};
    if (std::find(kImageTypes.begin(), kImageTypes.end(), *imageType) == kImageTypes.end() ||
        std::find(kDepths.begin(), kDepths.end(), *depth) == kDepths.end()) {
        return std::nullopt;
    }
    return Make(PictureType::Tga, r.Le16(12), r.Le16(14));
}

std::optional<PictureHeader> SniffJpeg(const ByteReader& r) {
    // Walk the marker segments up to the first start-of-frame, which holds the size.
    std::size_t pos = 2;
    // Each pass moves forward by at least two bytes, so the walk ends at the end of the bytes.
    while (pos < r.size()) {
        if (r.U8(pos) != 0xFF) {
            return std::nullopt;
        }
        while (r.U8(pos) == 0xFF) { // fill bytes
            ++pos;
        }
        const auto marker = r.U8(pos);
        if (!marker) {
            return std::nullopt;
        }
        ++pos;
        const std::uint8_t m = *marker;
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD8)) { // markers without a length
            continue;
        }
        if (m == 0xD9 || m == 0xDA) { // end of picture or scan data before any frame
            return std::nullopt;
        }
        const auto length = r.Be16(pos);
        if (!length || *length < 2) {
            return std::nullopt;
        }
        const bool startOfFrame = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (startOfFrame) {
            // length, sample precision, then height and width
            return Make(PictureType::Jpeg, r.Be16(pos + 5), r.Be16(pos + 3));
        }
        pos += *length;
    }
    return std::nullopt;
}

std::optional<PictureHeader> SniffTiff(const ByteReader& r, bool bigEndian) {
    constexpr std::uint32_t kTagWidth = 256;
    constexpr std::uint32_t kTagHeight = 257;
    constexpr std::uint32_t kTypeShort = 3;
    constexpr std::uint32_t kTypeLong = 4;
    constexpr std::size_t kEntrySize = 12;
    const auto ifd = r.Uint(4, 4, bigEndian);
    if (!ifd) {
        return std::nullopt;
    }
    const auto count = r.Uint(*ifd, 2, bigEndian);
    if (!count) {
        return std::nullopt;
    }
    std::optional<std::uint32_t> width, height;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const std::size_t entry = static_cast<std::size_t>(*ifd) + 2 + i * kEntrySize;
        const auto tag = r.Uint(entry, 2, bigEndian);
        const auto type = r.Uint(entry + 2, 2, bigEndian);
        if (!tag || !type) {
            return std::nullopt;
        }
        if (*tag != kTagWidth && *tag != kTagHeight) {
            continue;
        }
        std::optional<std::uint32_t> value;
        if (*type == kTypeShort) {
            value = r.Uint(entry + 8, 2, bigEndian);
        } else if (*type == kTypeLong) {
            value = r.Uint(entry + 8, 4, bigEndian);
        }
        (*tag == kTagWidth ? width : height) = value;
    }
    return Make(PictureType::Tiff, width, height);
}

// Offset of the first start-of-scan marker's segment, walking the marker segments from the start.
std::optional<std::size_t> JpegScanStart(const ByteReader& r) {
    std::size_t pos = 2;
    while (pos < r.size()) {
        if (r.U8(pos) != 0xFF) {
            return std::nullopt;
        }
        while (r.U8(pos) == 0xFF) {
            ++pos;
        }
        const auto marker = r.U8(pos);
        if (!marker) {
            return std::nullopt;
        }
        ++pos;
        if (*marker == 0x01 || (*marker >= 0xD0 && *marker <= 0xD8)) {
            continue;
        }
        const auto length = r.Be16(pos);
        if (!length || *length < 2) {
            return std::nullopt;
        }
        if (*marker == 0xDA) {
            return pos + *length;
        }
        pos += *length;
    }
    return std::nullopt;
}

bool JpegComplete(std::span<const std::byte> bytes) {
    const ByteReader r(bytes);
    const auto scan = JpegScanStart(r);
    if (!scan) {
        return false;
    }
    // Inside scan data a 0xFF byte is always followed by 0x00 or a restart marker, so the first
    // FF D9 after the scan header ends the picture (embedded thumbnails lie before the scan).
    for (std::size_t i = *scan; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == std::byte{0xFF} && bytes[i + 1] == std::byte{0xD9}) {
            return true;
        }
    }
    return false;
}

bool BmpComplete(const ByteReader& r, const PictureHeader& header) {
    constexpr std::uint32_t kUncompressed = 0;
    constexpr std::uint32_t kBitFields = 3;
    const auto dataOffset = r.Le32(10);
    const auto infoSize = r.Le32(14);
    if (!dataOffset || !infoSize || *infoSize < 40) {
        return true; // the old OS/2 header: left to the decoder
    }
    const auto bits = r.Le16(28);
    const auto compression = r.Le32(30);
    if (!bits || !compression || (*compression != kUncompressed && *compression != kBitFields)) {
        return true;
    }
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(*bits) * header.width + 31) / 32 * 4;
    return r.size() >= *dataOffset + rowBytes * header.height;
}

bool TgaComplete(const ByteReader& r, const PictureHeader& header) {
    constexpr std::size_t kHeaderSize = 18;
    const auto idLength = r.U8(0);
    const auto mapType = r.U8(1);
    const auto imageType = r.U8(2);
    const auto mapLength = r.Le16(5);
    const auto mapEntryBits = r.U8(7);
    const auto depth = r.U8(16);
    if (!idLength || !mapType || !imageType || !mapLength || !mapEntryBits || !depth) {
        return false;
    }
    if (*imageType > 3) {
        return true; // run-length data: left to the decoder
    }
    const std::uint64_t mapBytes =
        *mapType == 1 ? static_cast<std::uint64_t>(*mapLength) * ((*mapEntryBits + 7u) / 8u) : 0;
    const std::uint64_t pixelBytes =
        static_cast<std::uint64_t>(header.width) * header.height * ((*depth + 7u) / 8u);
    return r.size() >= kHeaderSize + *idLength + mapBytes + pixelBytes;
}

} // namespace

std::string CaseInsensitivePattern(std::string_view pattern) {
    std::string out;
    for (const char c : pattern) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u) != 0) {
            out += '[';
            out += static_cast<char>(std::tolower(u));
            out += static_cast<char>(std::toupper(u));
            out += ']';
        } else {
            out += c;
        }
    }
    return out;
}

std::string PictureFileFilter() {
    struct Entry {
        const char* description;
        std::array<const char*, 2> patterns; // the second may be empty
    };
    static constexpr std::array<Entry, 6> kEntries{{
        {"Jpeg Files(*.JPG)", {"*.jpg", "*.jpeg"}},
        {"GIF Files(*.GIF)", {"*.gif", ""}},
        {"PCX Files(*.PCX)", {"*.pcx", ""}},
        {"Targa Files(*.TGA)", {"*.tga", ""}},
        {"BMP Files(*.BMP)", {"*.bmp", ""}},
        {"Tif Files(*.TIF)", {"*.tif", "*.tiff"}},
    }};
    std::string filter;
    for (const Entry& e : kEntries) {
        if (!filter.empty()) {
            filter += '|';
        }
        filter += e.description;
        filter += '|';
        filter += CaseInsensitivePattern(e.patterns[0]);
        if (*e.patterns[1] != '\0') {
            filter += ';';
            filter += CaseInsensitivePattern(e.patterns[1]);
        }
    }
    return filter;
}

PictureType PictureTypeFromExtension(const fs::path& path) {
    std::string ext = path.extension().string();
    if (ext.empty()) {
        return PictureType::Unknown;
    }
    ext.erase(0, 1);
    struct Entry {
        const char* ext;
        PictureType type;
    };
    static constexpr std::array<Entry, 10> kTable{{
        {"jpg", PictureType::Jpeg},
        {"jpeg", PictureType::Jpeg},
        {"gif", PictureType::Gif},
        {"pcx", PictureType::Pcx},
        {"tga", PictureType::Tga},
        {"bmp", PictureType::Bmp},
        {"tif", PictureType::Tiff},
        {"tiff", PictureType::Tiff},
        {"png", PictureType::Png},
        {"jpe", PictureType::Jpeg},
    }};
    for (const auto& e : kTable) {
        if (EqualsIgnoringCase(ext, e.ext)) {
            return e.type;
        }
    }
    return PictureType::Unknown;
}

std::optional<PictureHeader> SniffPictureHeader(std::span<const std::byte> bytes,
                                                PictureType extensionHint) {
    const ByteReader r(bytes);
    if (r.StartsWith("BM")) {
        return SniffBmp(r);
    }
    if (r.StartsWith("GIF87a") || r.StartsWith("GIF89a")) {
        return Make(PictureType::Gif, r.Le16(6), r.Le16(8));
    }
    if (r.StartsWith("\xFF\xD8\xFF")) {
        return SniffJpeg(r);
    }
    if (r.StartsWith(std::string_view("II*\0", 4))) {
        return SniffTiff(r, false);
    }
    if (r.StartsWith(std::string_view("MM\0*", 4))) {
        return SniffTiff(r, true);
    }
    if (r.StartsWith("\x89PNG\r\n\x1A\n")) {
        if (!r.StartsWith(std::string_view("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16))) {
            return std::nullopt;
        }
        return Make(PictureType::Png, r.Be32(16), r.Be32(20));
    }
    if (r.U8(0) == 0x0A) {
        if (auto pcx = SniffPcx(r)) {
            return pcx;
        }
    }
    if (extensionHint == PictureType::Tga) {
        return SniffTga(r);
    }
    return std::nullopt;
}

bool PictureDataComplete(std::span<const std::byte> bytes, const PictureHeader& header) {
    const ByteReader r(bytes);
    switch (header.type) {
    case PictureType::Jpeg:
        return JpegComplete(bytes);
    case PictureType::Bmp:
        return BmpComplete(r, header);
    case PictureType::Tga:
        return TgaComplete(r, header);
    default:
        return true;
    }
}

PictureCheckResult CheckPictureBytes(std::span<const std::byte> bytes, const fs::path& path) {
    PictureCheckResult result;
    const PictureType named = PictureTypeFromExtension(path);
    const auto header = SniffPictureHeader(bytes, named);
    if (!header) {
        result.status = PictureCheck::UnknownType;
        return result;
    }
    result.header = *header;
    if (named != PictureType::Unknown && named != header->type) {
        result.status = PictureCheck::WrongExtension;
    } else if (!PictureSizeAcceptable(*header)) {
        result.status = PictureCheck::TooLarge;
    } else if (!PictureDataComplete(bytes, *header)) {
        result.status = PictureCheck::Truncated;
    } else {
        result.status = PictureCheck::Ok;
    }
    return result;
}

bool PictureSizeAcceptable(const PictureHeader& header) {
    return header.width > 0 && header.height > 0 && header.width <= kMaxPictureSide &&
           header.height <= kMaxPictureSide &&
           static_cast<std::uint64_t>(header.width) * header.height <= kMaxPicturePixels;
}

fs::path ImagesFolder(const fs::path& programDir) {
    if (programDir.empty()) {
        return {};
    }
    return programDir / "Images";
}

std::optional<fs::path> FindObjectPicture(const fs::path& programDir, std::string_view objectName) {
    const fs::path folder = ImagesFolder(programDir);
    if (folder.empty() || objectName.empty()) {
        return std::nullopt;
    }
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        return std::nullopt;
    }
    // Lower ranks win: a picture extension, then an exact-case name, then the name itself.
    using Rank = std::tuple<int, int, std::string>;
    std::optional<Rank> best;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            break;
        }
        const std::string file = it->path().filename().string();
        const std::size_t stem = objectName.size();
        if (file.size() <= stem + 1 || file[stem] != '.' ||
            !EqualsIgnoringCase(std::string_view(file).substr(0, stem), objectName)) {
            continue;
        }
        std::error_code typeError;
        if (!it->is_regular_file(typeError) || typeError) {
            continue;
        }
        const int notPicture = PictureTypeFromExtension(it->path()) == PictureType::Unknown;
        const int caseDiffers = std::string_view(file).substr(0, stem) != objectName;
        Rank rank{notPicture, caseDiffers, file};
        if (!best || rank < *best) {
            best = std::move(rank);
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return folder / std::get<2>(*best);
}
