// Folder picturefiles/: the picture files of sky objects and the check of any picture file.
//
// Finding and recognising picture files: the picture of a sky object in the program directory's
// Images/ folder, the picture types the program opens, and a look at a file's first bytes that
// tells its real type and size before anything is decoded.
//
// No window system here: the desktop program decodes with wxImage once these checks pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The picture types the program opens, with the codes the program has always used for them.
enum class PictureType : int {
    Unknown = 0,
    Bmp = 1,
    Gif = 2,
    Pcx = 3,
    Tga = 4,
    Jpeg = 5,
    Tiff = 6,
    Png = 7, // not offered in the open dialog, but decoded when a file holds one
};

// The file-open dialog's filter: the six picture types in the order the dialog lists them, as
// "description|patterns|description|patterns...". The file dialog compares names case by case,
// so every letter of a pattern is a bracket of both cases ("*.[jJ][pP][gG]"): M31.JPG, m31.jpg
// and M31.Jpg are all listed.
std::string PictureFileFilter();

// "*.jpg" -> "*.[jJ][pP][gG]": the pattern matching the same names in any mix of case.
std::string CaseInsensitivePattern(std::string_view pattern);

// The picture type named by a path's extension, compared without regard to case ("M31.JPG",
// "m31.jpeg"); Unknown when the extension is none of the picture types.
PictureType PictureTypeFromExtension(const std::filesystem::path& path);

// What the first bytes of a picture file say about it.
struct PictureHeader {
    PictureType type = PictureType::Unknown;
    std::uint32_t width = 0;  // pixels
    std::uint32_t height = 0; // pixels
};

// Largest picture the viewer decodes: a side of more than kMaxPictureSide pixels or more than
// kMaxPicturePixels pixels in all is refused before decoding, so a file that declares a huge size
// cannot make the program reserve gigabytes of memory.
inline constexpr std::uint32_t kMaxPictureSide = 30000;
inline constexpr std::uint64_t kMaxPicturePixels = 100'000'000;

// Reads the type and the declared size from the start of a file's contents. The type comes from
// the contents (a JPEG named .gif is a JPEG); Targa files carry no signature, so they are taken
// as Targa only when extensionHint says so and the header is plausible. nullopt when the bytes
// are no picture of a known type, are cut short before the size, or declare a size of zero.
std::optional<PictureHeader> SniffPictureHeader(std::span<const std::byte> bytes,
                                                PictureType extensionHint);

// True when the declared size lies within the limits above.
bool PictureSizeAcceptable(const PictureHeader& header);

// Whether the file holds all the picture data its header promises, where that can be told
// without decoding: a JPEG must end its first scan with the end-of-picture marker, an
// uncompressed BMP or Targa must hold every pixel row. Other types (and compressed BMP or Targa
// data) are left to their decoders, which notice missing data themselves. Truncated JPEG, BMP
// and Targa files would otherwise be shown with their missing part filled in.
bool PictureDataComplete(std::span<const std::byte> bytes, const PictureHeader& header);

// The checks made before a picture is decoded, in this order.
enum class PictureCheck {
    Ok,
    UnknownType,    // no picture of a known type, or the header is cut short
    WrongExtension, // the extension names another picture type than the contents hold
    TooLarge,       // the declared size is beyond the viewer's limits
    Truncated,      // the data stops before the picture ends
};

struct PictureCheckResult {
    PictureCheck status = PictureCheck::UnknownType;
    PictureHeader header;
};

// Checks a file's contents before decoding. The extension names the decoder, so a file is read
// as its name says: when it is one of the picture types the contents must be of that type (a
// JPEG named .gif is refused); a file whose extension is none of them (or which has none) is
// taken by its contents.
PictureCheckResult CheckPictureBytes(std::span<const std::byte> bytes,
                                     const std::filesystem::path& path);

// The Images/ folder of the program directory; empty when the program directory is not known.
std::filesystem::path ImagesFolder(const std::filesystem::path& programDir);

// Looks in the Images/ folder of programDir for a file whose name is objectName (a body's name as
// its panel shows it, or a deep-sky object's DeepSkyPictureName such as "M31"), a dot, and any
// extension. Names are compared without regard to ASCII case, so "moon.JPG" is found for "Moon".
// When several files match, one whose extension is a picture type wins over one whose extension
// is not, then an exact-case name wins, then the alphabetically first, so the choice does not
// depend on the order the file system lists them in. Only regular files (or links to them) count.
// nullopt when programDir is empty, the folder does not exist or nothing matches.
std::optional<std::filesystem::path> FindObjectPicture(const std::filesystem::path& programDir,
                                                       std::string_view objectName);
