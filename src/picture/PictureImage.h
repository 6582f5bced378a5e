// PictureImage: one picture file decoded for the picture window. The file's first bytes decide
// its type, which must agree with a picture extension (a JPEG named .gif is refused), and its
// declared size and completeness are checked before any pixel memory is reserved; decoding is
// wxImage's. Broken, truncated or mislabelled files end in
// an error, never in a crash, and wxWidgets' own error log stays silent.
#pragma once

#include "picturefiles/PictureLookup.h"

#include <wx/image.h>

#include <string>

// Largest file the viewer reads, bytes: far above any picture of the sky it shows.
inline constexpr std::uintmax_t kMaxPictureFileBytes = 512u * 1024u * 1024u;

enum class PictureError {
    None,
    CannotRead,     // the file cannot be opened or read
    UnknownType,    // no picture of a known type (or a header cut short)
    WrongExtension, // the extension names another type than the contents hold
    TooLarge,       // the declared size exceeds the viewer's limits
    Truncated,      // the data stops before the picture ends
    DecodeFailed,   // the decoder gave up (corrupted data)
};

struct PictureImage {
    PictureError error = PictureError::None;
    PictureType type = PictureType::Unknown;
    wxImage image; // valid only when error is None
    std::string path;

    bool Ok() const { return error == PictureError::None; }
};

// Registers wxImage's decoders once (BMP, GIF, PCX, TGA, JPEG, TIFF, PNG ...).
void EnsurePictureDecoders();

// Reads and decodes the picture at `path` (UTF-8), kept exactly as given.
PictureImage LoadPictureImage(const std::string& path);
