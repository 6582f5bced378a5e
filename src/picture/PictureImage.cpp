#include "picture/PictureImage.h"

#include <wx/log.h>
#include <wx/mstream.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace {

wxBitmapType BitmapTypeOf(PictureType type) {
    switch (type) {
    case PictureType::Bmp:
        return wxBITMAP_TYPE_BMP;
    case PictureType::Gif:
        return wxBITMAP_TYPE_GIF;
    case PictureType::Pcx:
        return wxBITMAP_TYPE_PCX;
    case PictureType::Tga:
        return wxBITMAP_TYPE_TGA;
    case PictureType::Jpeg:
        return wxBITMAP_TYPE_JPEG;
    case PictureType::Tiff:
        return wxBITMAP_TYPE_TIFF;
    case PictureType::Png:
        return wxBITMAP_TYPE_PNG;
    case PictureType::Unknown:
        break;
    }
    return wxBITMAP_TYPE_INVALID;
}

std::optional<std::vector<std::byte>> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxPictureFileBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::byte> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

void EnsurePictureDecoders() {
    if (wxImage::FindHandler(wxBITMAP_TYPE_JPEG) == nullptr) {
        wxInitAllImageHandlers();
    }
}

PictureImage LoadPictureImage(const std::string& path) {
    PictureImage picture;
    picture.path = path;
    const std::filesystem::path file(path); // the path's bytes as the file system has them
    const auto bytes = ReadWholeFile(file);
    if (!bytes) {
        picture.error = PictureError::CannotRead;
        return picture;
    }
    const PictureCheckResult check = CheckPictureBytes(*bytes, file);
    picture.type = check.header.type;
    switch (check.status) {
    case PictureCheck::Ok:
        break;
    case PictureCheck::UnknownType:
        picture.error = PictureError::UnknownType;
        return picture;
    case PictureCheck::WrongExtension:
        picture.error = PictureError::WrongExtension;
        return picture;
    case PictureCheck::TooLarge:
        picture.error = PictureError::TooLarge;
        return picture;
    case PictureCheck::Truncated:
        picture.error = PictureError::Truncated;
        return picture;
    }
    EnsurePictureDecoders();
    wxLogNull quiet; // the decoders' complaints would pop up; the caller shows one message
    wxMemoryInputStream stream(bytes->data(), bytes->size());
    wxImage image;
    if (!image.LoadFile(stream, BitmapTypeOf(check.header.type)) || !image.IsOk() ||
        image.GetWidth() <= 0 || image.GetHeight() <= 0) {
        picture.error = PictureError::DecodeFailed;
        return picture;
    }
    // The PCX decoder fills rows it could not read instead of failing; a read past the end of
    // the file gives it away. (Its run-length data has no size to check beforehand.)
    if (check.header.type == PictureType::Pcx && stream.GetLastError() != wxSTREAM_NO_ERROR) {
        picture.error = PictureError::Truncated;
        return picture;
    }
    picture.image = std::move(image);
    return picture;
}
