// Picture files: the type and declared size read from a file's first bytes, the size guard, and
// the search for an object's picture in the Images/ folder.
#include "picturefiles/PictureLookup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::byte>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int width, bool bigEndian = false) {
    if (b.size() < at + static_cast<std::size_t>(width)) {
        b.resize(at + static_cast<std::size_t>(width));
    }
    for (int i = 0; i < width; ++i) {
        const int shift = 8 * (bigEndian ? width - 1 - i : i);
        b[at + static_cast<std::size_t>(i)] = static_cast<std::byte>((v >> shift) & 0xFF);
    }
}

Bytes Text(std::string_view s) {
    Bytes b;
    for (char c : s) {
        b.push_back(static_cast<std::byte>(c));
    }
    return b;
}

Bytes Bmp(std::uint32_t w, std::int32_t h) {
    Bytes b = Text("BM");
    b.resize(54);
    Put(b, 14, 40, 4);
    Put(b, 18, w, 4);
    Put(b, 22, static_cast<std::uint32_t>(h), 4);
    return b;
}

Bytes Gif(std::uint32_t w, std::uint32_t h) {
    Bytes b = Text("GIF89a");
    Put(b, 6, w, 2);
    Put(b, 8, h, 2);
    b.resize(13);
    return b;
}

Bytes Pcx(std::uint32_t w, std::uint32_t h) {
    Bytes b(128);
    b[0] = std::byte{0x0A};
    b[1] = std::byte{5};
    b[2] = std::byte{1};
    b[3] = std::byte{8};
    Put(b, 4, 10, 2);
    Put(b, 6, 20, 2);
    Put(b, 8, 10 + w - 1, 2);
    Put(b, 10, 20 + h - 1, 2);
    return b;
}

Bytes Tga(std::uint32_t w, std::uint32_t h) {
    Bytes b(18);
    b[2] = std::byte{2}; // uncompressed true colour
    Put(b, 12, w, 2);
    Put(b, 14, h, 2);
    b[16] = std::byte{24};
    return b;
}

// Start of picture, an APP0 segment and an APP1 segment to walk past, then the frame header.
Bytes Jpeg(std::uint32_t w, std::uint32_t h) {
    Bytes b{std::byte{0xFF}, std::byte{0xD8}};
    for (std::uint8_t app : {0xE0, 0xE1}) {
        const std::size_t at = b.size();
        b.push_back(std::byte{0xFF});
        b.push_back(std::byte{app});
        Put(b, at + 2, 16, 2, true);
        b.resize(at + 2 + 16);
    }
    const std::size_t sof = b.size();
    b.push_back(std::byte{0xFF});
    b.push_back(std::byte{0xC2}); // progressive frame
    Put(b, sof + 2, 11, 2, true);
    b.push_back(std::byte{8});
    Put(b, sof + 5, h, 2, true);
    Put(b, sof + 7, w, 2, true);
    b.resize(sof + 2 + 11);
    return b;
}

Bytes Tiff(std::uint32_t w, std::uint32_t h, bool bigEndian) {
    Bytes b = Text(bigEndian ? std::string_view("MM\0*", 4) : std::string_view("II*\0", 4));
    Put(b, 4, 8, 4, bigEndian);
    Put(b, 8, 3, 2, bigEndian); // three entries
    const std::uint32_t tags[3][3] = {{254, 4, 0}, {256, 3, w}, {257, 4, h}};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t e = 10 + i * 12;
        Put(b, e, tags[i][0], 2, bigEndian);
        Put(b, e + 2, tags[i][1], 2, bigEndian);
        Put(b, e + 4, 1, 4, bigEndian);
        Put(b, e + 8, tags[i][2], tags[i][1] == 3 ? 2 : 4, bigEndian);
    }
    b.resize(10 + 3 * 12 + 4);
    return b;
}

struct SniffCase {
    const char* name;
    Bytes bytes;
    PictureType hint;
    PictureType type;
    std::uint32_t width, height;
};

std::vector<SniffCase> SniffCases() {
    return {
        {"Bmp", Bmp(300, 200), PictureType::Bmp, PictureType::Bmp, 300, 200},
        {"BmpTopDown", Bmp(300, -200), PictureType::Bmp, PictureType::Bmp, 300, 200},
        {"Gif", Gif(640, 480), PictureType::Gif, PictureType::Gif, 640, 480},
        {"Pcx", Pcx(33, 17), PictureType::Pcx, PictureType::Pcx, 33, 17},
        {"Tga", Tga(12, 34), PictureType::Tga, PictureType::Tga, 12, 34},
        {"Jpeg", Jpeg(1024, 768), PictureType::Jpeg, PictureType::Jpeg, 1024, 768},
        // a JPEG named .gif is still a JPEG
        {"JpegNamedGif", Jpeg(50, 60), PictureType::Gif, PictureType::Jpeg, 50, 60},
        {"TiffIntel", Tiff(70, 80, false), PictureType::Tiff, PictureType::Tiff, 70, 80},
        {"TiffMotorola", Tiff(70, 80, true), PictureType::Tiff, PictureType::Tiff, 70, 80},
    };
}

TEST(SniffPictureHeader, ReadsTypeAndSizeOfEachFormat) {
    for (const SniffCase& c : SniffCases()) {
        const auto header = SniffPictureHeader(c.bytes, c.hint);
        ASSERT_TRUE(header.has_value()) << c.name;
        EXPECT_EQ(header->type, c.type) << c.name;
        EXPECT_EQ(header->width, c.width) << c.name;
        EXPECT_EQ(header->height, c.height) << c.name;
    }
}

TEST(SniffPictureHeader, TruncatedHeadersAreRejectedWithoutReadingPastTheEnd) {
    for (const SniffCase& c : SniffCases()) {
        // Every prefix short of the size fields; the sniffing must not read beyond it.
        for (std::size_t n = 0; n < c.bytes.size(); ++n) {
            const std::span<const std::byte> prefix(c.bytes.data(), n);
            const auto header = SniffPictureHeader(prefix, c.hint);
            if (header) { // only once the size fields are in the prefix
                EXPECT_EQ(header->width, c.width) << c.name << " cut at " << n;
                EXPECT_EQ(header->height, c.height) << c.name << " cut at " << n;
            }
        }
    }
    EXPECT_FALSE(SniffPictureHeader({}, PictureType::Jpeg).has_value());
}

TEST(SniffPictureHeader, NoPictureOrZeroSizeIsRejected) {
    EXPECT_FALSE(SniffPictureHeader(Text("just some text, no picture"), PictureType::Jpeg));
    EXPECT_FALSE(SniffPictureHeader(Gif(0, 10), PictureType::Gif));
    EXPECT_FALSE(SniffPictureHeader(Bmp(10, 0), PictureType::Bmp));
    // Targa has no signature: without the extension nothing claims it
    EXPECT_FALSE(SniffPictureHeader(Tga(12, 34), PictureType::Unknown));
    Bytes badTga = Tga(12, 34);
    badTga[2] = std::byte{77}; // no such image type
    EXPECT_FALSE(SniffPictureHeader(badTga, PictureType::Tga));
    // a JPEG whose scan starts before any frame header
    Bytes scanFirst{std::byte{0xFF}, std::byte{0xD8}, std::byte{0xFF}, std::byte{0xDA}};
    EXPECT_FALSE(SniffPictureHeader(scanFirst, PictureType::Jpeg));
}

// A JPEG whose first scan header is followed by entropy data and, when complete, the end marker.
Bytes JpegWithScan(bool complete) {
    Bytes b = Jpeg(40, 30);
    const std::size_t sos = b.size();
    b.push_back(std::byte{0xFF});
    b.push_back(std::byte{0xDA});
    Put(b, sos + 2, 8, 2, true);
    b.resize(sos + 2 + 8);
    for (int i = 0; i < 64; ++i) { // scan data: 0xFF only ever as FF 00
        b.push_back(std::byte{0xFF});
        b.push_back(std::byte{0x00});
    }
    if (complete) {
        b.push_back(std::byte{0xFF});
        b.push_back(std::byte{0xD9});
    }
    return b;
}

Bytes BmpWithPixels(std::uint32_t w, std::uint32_t h, std::size_t pixelBytes) {
    Bytes b = Bmp(w, static_cast<std::int32_t>(h));
    Put(b, 10, 54, 4); // pixel data offset
    Put(b, 28, 24, 2); // bits per pixel
    Put(b, 30, 0, 4);  // uncompressed
    b.resize(54 + pixelBytes);
    return b;
}

TEST(CheckPictureBytes, TruncatedWrongExtensionAndGoodFiles) {
    struct Case {
        const char* name;
        Bytes bytes;
        const char* path;
        PictureCheck status;
    };
    const std::uint32_t bmpRow = (24 * 10 + 31) / 32 * 4; // 32 bytes per row of 10 pixels
    Bytes tga = Tga(10, 10);
    tga.resize(18 + 10 * 10 * 3);
    Bytes shortTga = tga;
    shortTga.pop_back();
    const Case cases[] = {
        {"CompleteJpeg", JpegWithScan(true), "a.jpg", PictureCheck::Ok},
        {"JpegWithoutEnd", JpegWithScan(false), "a.jpg", PictureCheck::Truncated},
        {"JpegNamedGif", JpegWithScan(true), "a.gif", PictureCheck::WrongExtension},
        {"JpegNamedUpperCase", JpegWithScan(true), "A.JPEG", PictureCheck::Ok},
        {"JpegWithoutExtension", JpegWithScan(true), "scan", PictureCheck::Ok},
        {"JpegWithOtherExtension", JpegWithScan(true), "scan.dat", PictureCheck::Ok},
        {"CompleteBmp", BmpWithPixels(10, 7, bmpRow * 7), "b.bmp", PictureCheck::Ok},
        {"BmpOneRowShort", BmpWithPixels(10, 7, bmpRow * 6), "b.bmp", PictureCheck::Truncated},
        {"CompleteTga", tga, "c.tga", PictureCheck::Ok},
        {"TgaOneByteShort", shortTga, "c.tga", PictureCheck::Truncated},
        {"HugeGif", Gif(60000, 60000), "d.gif", PictureCheck::TooLarge},
        {"Text", Text("not a picture"), "e.jpg", PictureCheck::UnknownType},
        {"Empty", {}, "f.bmp", PictureCheck::UnknownType},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(CheckPictureBytes(k.bytes, k.path).status, k.status) << k.name;
    }
}

TEST(PictureSizeAcceptable, RefusesHugeDeclaredSizes) {
    EXPECT_TRUE(PictureSizeAcceptable({PictureType::Bmp, 300, 200}));
    EXPECT_TRUE(PictureSizeAcceptable({PictureType::Bmp, 10000, 10000}));
    EXPECT_FALSE(PictureSizeAcceptable({PictureType::Bmp, 30001, 10}));
    EXPECT_FALSE(PictureSizeAcceptable({PictureType::Gif, 65535, 65535}));
    EXPECT_FALSE(PictureSizeAcceptable({PictureType::Jpeg, 20000, 20000})); // 400 megapixels
}

TEST(PictureTypeFromExtension, IgnoresCase) {
    // the open dialog's patterns match either case too
    EXPECT_EQ(CaseInsensitivePattern("*.jpg"), "*.[jJ][pP][gG]");
    EXPECT_EQ(PictureTypeFromExtension("/a/M31.JPG"), PictureType::Jpeg);
    EXPECT_EQ(PictureTypeFromExtension("m31.Jpeg"), PictureType::Jpeg);
    EXPECT_EQ(PictureTypeFromExtension("x.tif"), PictureType::Tiff);
    EXPECT_EQ(PictureTypeFromExtension("x.TIFF"), PictureType::Tiff);
    EXPECT_EQ(PictureTypeFromExtension("x.Tga"), PictureType::Tga);
    EXPECT_EQ(PictureTypeFromExtension("x.pcx"), PictureType::Pcx);
    EXPECT_EQ(PictureTypeFromExtension("x.BMP"), PictureType::Bmp);
    EXPECT_EQ(PictureTypeFromExtension("x.gif"), PictureType::Gif);
    EXPECT_EQ(PictureTypeFromExtension("x.txt"), PictureType::Unknown);
    EXPECT_EQ(PictureTypeFromExtension("noextension"), PictureType::Unknown);
}

class ImagesFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(testing::TempDir()) /
              ("vn_images_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "Images");
    }
    void TearDown() override { fs::remove_all(dir); }
    void Touch(const std::string& name) { std::ofstream(dir / "Images" / name) << "x"; }
    fs::path dir;
};

TEST_F(ImagesFolderTest, FindsTheObjectWithAnyExtensionAndAnyCase) {
    Touch("moon.JPG");
    Touch("NGC7329.gif");
    Touch("Jupiter.bmp");
    EXPECT_EQ(FindObjectPicture(dir, "Moon"), dir / "Images" / "moon.JPG");
    EXPECT_EQ(FindObjectPicture(dir, "NGC7329"), dir / "Images" / "NGC7329.gif");
    EXPECT_EQ(FindObjectPicture(dir, "Jupiter"), dir / "Images" / "Jupiter.bmp");
    EXPECT_FALSE(FindObjectPicture(dir, "Saturn").has_value());
    // a name that only begins like the object's is someone else's picture
    Touch("M311.jpg");
    EXPECT_FALSE(FindObjectPicture(dir, "M31").has_value());
    EXPECT_FALSE(FindObjectPicture(dir, "M3").has_value());
}

TEST_F(ImagesFolderTest, ChoiceIsStableWhenSeveralMatch) {
    Touch("Mars.txt");
    Touch("mars.png");
    Touch("Mars.tif");
    Touch("Mars.bmp");
    // picture extension first, then the exact case, then alphabetical
    EXPECT_EQ(FindObjectPicture(dir, "Mars"), dir / "Images" / "Mars.bmp");
    fs::remove(dir / "Images" / "Mars.bmp");
    fs::remove(dir / "Images" / "Mars.tif");
    EXPECT_EQ(FindObjectPicture(dir, "Mars"), dir / "Images" / "mars.png");
    fs::remove(dir / "Images" / "mars.png");
    EXPECT_EQ(FindObjectPicture(dir, "Mars"), dir / "Images" / "Mars.txt");
}

TEST_F(ImagesFolderTest, NoFolderOrNoProgramDirFindsNothing) {
    fs::create_directories(dir / "Images" / "Venus.d"); // a folder is no picture
    EXPECT_FALSE(FindObjectPicture(dir, "Venus").has_value());
    Touch("Venus.jpg");
    EXPECT_FALSE(FindObjectPicture("", "Venus").has_value());
    EXPECT_FALSE(FindObjectPicture(dir / "nowhere", "Venus").has_value());
    EXPECT_FALSE(FindObjectPicture(dir, "").has_value());
    EXPECT_TRUE(FindObjectPicture(dir, "Venus").has_value());
}

} // namespace
