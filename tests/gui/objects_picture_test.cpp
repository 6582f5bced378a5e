// The picture viewer: a corpus of broken, truncated and mislabelled picture files made here ends
// in the one message and no window, and never in a crash; a good picture opens at its size, titled
// with its name; the same picture opened twice stands once at the top of the recent list, which the
// profile keeps.
#include "objects_support.h"

#include "app/DesktopSession.h"
#include "commands/CommandHandlers.h"
#include "frame/MainFrame.h"
#include "guibase/Messages.h"
#include "picture/PictureWindow.h"
#include "settings/Profile.h"
#include "view/NoctaView.h"

#include <gtest/gtest.h>

#include <wx/display.h>
#include <wx/image.h>
#include <wx/quantize.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using objects_test::ModalWatcher;

namespace {

// The recent-picture list the profile holds.
std::vector<std::string> RecentIn(const std::filesystem::path& profile) {
    AppSettings settings;
    std::vector<std::string> recent;
    LoadProfile(profile, settings, recent);
    return recent;
}

using Bytes = std::vector<char>;

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

void Put16(Bytes& b, std::size_t at, unsigned v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(Bytes& b, std::size_t at, unsigned v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// Saves `image` in the format given; GIF takes a palette, so the colours are quantized first.
bool SaveImage(const wxImage& image, const fs::path& path, wxBitmapType type) {
    const wxString name = wxString::FromUTF8(path.string());
    if (type != wxBITMAP_TYPE_GIF) {
        return image.SaveFile(name, type);
    }
    wxImage withPalette;
    return wxQuantize::Quantize(image, withPalette) && withPalette.SaveFile(name, type);
}

class PictureViewerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { objects_test::EnsureGuiApp(); }

    void SetUp() override {
        EnsurePictureDecoders();
        dir = fs::path(testing::TempDir()) /
              ("vn_pictures_" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        SetMessageSink([this](const std::string& text, long) {
            messages.push_back(text);
            return wxOK;
        });
    }
    void TearDown() override {
        SetMessageSink({});
        fs::remove_all(dir);
    }

    // A picture of `size` saved in the given format.
    fs::path MakePicture(const std::string& name, wxBitmapType type, wxSize size) {
        wxImage image(size);
        image.SetRGB(wxRect(size), 40, 90, 160);
        const fs::path path = dir / name;
        EXPECT_TRUE(SaveImage(image, path, type)) << name;
        return path;
    }

    // Shows `path` in the picture window and reports whether a window opened; closes it.
    bool Opens(const fs::path& path, std::string* title = nullptr, wxSize* area = nullptr,
               wxRect* rect = nullptr) {
        ModalWatcher<PictureWindow> watcher([&](PictureWindow& window) {
            if (title) {
                *title = window.GetTitle().utf8_string();
            }
            if (area) {
                *area = window.PictureAreaSize();
            }
            if (rect) {
                *rect = window.GetScreenRect();
            }
        });
        const bool shown = ShowPictureWindow(nullptr, path.string());
        EXPECT_EQ(shown, watcher.Seen() == 1) << path;
        return shown;
    }

    static bool AnyPictureWindowLeft() {
        objects_test::Pump();
        for (wxWindow* window : wxTopLevelWindows) {
            if (dynamic_cast<PictureWindow*>(window) != nullptr && !window->IsBeingDeleted()) {
                return true;
            }
        }
        return false;
    }

    fs::path dir;
    std::vector<std::string> messages;
};

TEST_F(PictureViewerTest, GoodPictureOpensAtItsSizeTitledWithItsName) {
    const fs::path bmp = MakePicture("Field 300x200.BMP", wxBITMAP_TYPE_BMP, wxSize(300, 200));
    std::string title;
    wxSize area;
    wxRect rect;
    ASSERT_TRUE(Opens(bmp, &title, &area, &rect));
    EXPECT_EQ(title, "Field 300x200.BMP");
    EXPECT_EQ(area, wxSize(300, 200));
    // centred on the screen (no parent): the window's centre within a few pixels of the screen's
    constexpr int kCentringTolerancePx = 40; // window-manager decorations under Xvfb vary
    const wxRect screen = wxDisplay(0u).GetGeometry();
    EXPECT_NEAR(rect.x + rect.width / 2, screen.x + screen.width / 2, kCentringTolerancePx);
    EXPECT_NEAR(rect.y + rect.height / 2, screen.y + screen.height / 2, kCentringTolerancePx);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(AnyPictureWindowLeft());
}

TEST_F(PictureViewerTest, EverySupportedFormatOpens) {
    struct Format {
        const char* name;
        wxBitmapType type;
    };
    for (const Format f :
         {Format{"a.jpg", wxBITMAP_TYPE_JPEG}, Format{"b.GIF", wxBITMAP_TYPE_GIF},
          Format{"c.pcx", wxBITMAP_TYPE_PCX}, Format{"d.tga", wxBITMAP_TYPE_TGA},
          Format{"e.bmp", wxBITMAP_TYPE_BMP}, Format{"f.TIF", wxBITMAP_TYPE_TIFF}}) {
        const fs::path path = dir / f.name;
        wxImage image(wxSize(64, 48));
        image.SetRGB(wxRect(0, 0, 64, 48), 200, 100, 50);
        if (!SaveImage(image, path, f.type)) {
            ADD_FAILURE() << "could not make " << f.name;
            continue;
        }
        wxSize area;
        EXPECT_TRUE(Opens(path, nullptr, &area)) << f.name;
        EXPECT_EQ(area, wxSize(64, 48)) << f.name;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(PictureViewerTest, BrokenFilesEndInTheMessageAndNoWindow) {
    const Bytes jpeg = ReadFile(MakePicture("good.jpg", wxBITMAP_TYPE_JPEG, wxSize(320, 240)));
    const Bytes png = ReadFile(MakePicture("good.png", wxBITMAP_TYPE_PNG, wxSize(100, 80)));
    const Bytes tiff = ReadFile(MakePicture("good.tif", wxBITMAP_TYPE_TIFF, wxSize(100, 80)));
    const Bytes gif = ReadFile(MakePicture("good.gif", wxBITMAP_TYPE_GIF, wxSize(100, 80)));
    const Bytes bmp = ReadFile(MakePicture("good.bmp", wxBITMAP_TYPE_BMP, wxSize(100, 80)));
    const Bytes tga = ReadFile(MakePicture("good.tga", wxBITMAP_TYPE_TGA, wxSize(100, 80)));
    ASSERT_GT(jpeg.size(), 600u);
    ASSERT_GT(png.size(), 40u);
    ASSERT_GT(tiff.size(), 40u);
    ASSERT_GT(gif.size(), 40u);
    ASSERT_GT(bmp.size(), 100u);
    ASSERT_GT(tga.size(), 100u);

    std::vector<std::pair<std::string, Bytes>> corpus;
    corpus.push_back({"empty.jpg", {}});
    corpus.push_back({"text.gif", Bytes{'h', 'e', 'l', 'l', 'o', '\n'}});
    corpus.push_back({"head-only.jpg", Bytes(jpeg.begin(), jpeg.begin() + 20)});
    corpus.push_back({"half.jpg", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2)});
    corpus.push_back({"half.png", Bytes(png.begin(), png.begin() + png.size() / 2)});
    corpus.push_back({"half.tif", Bytes(tiff.begin(), tiff.begin() + tiff.size() / 2)});
    corpus.push_back({"half.gif", Bytes(gif.begin(), gif.begin() + 40)});
    corpus.push_back({"half.bmp", Bytes(bmp.begin(), bmp.begin() + bmp.size() / 2)});
    corpus.push_back({"half.tga", Bytes(tga.begin(), tga.begin() + tga.size() / 2)});
    corpus.push_back({"jpeg-named.gif", jpeg});
    // declared sizes far beyond any picture: refused before any memory is reserved
    Bytes hugeBmp(54, 0);
    hugeBmp[0] = 'B';
    hugeBmp[1] = 'M';
    Put32(hugeBmp, 14, 40);
    Put32(hugeBmp, 18, 100000);
    Put32(hugeBmp, 22, 100000);
    Put16(hugeBmp, 26, 1);
    Put16(hugeBmp, 28, 24);
    corpus.push_back({"huge.bmp", hugeBmp});
    Bytes hugeGif(gif.begin(), gif.end());
    Put16(hugeGif, 6, 65535);
    Put16(hugeGif, 8, 65535);
    corpus.push_back({"huge.gif", hugeGif});
    // a TGA header that promises pixels the file does not hold
    Bytes shortTga(18, 0);
    shortTga[2] = 2;
    Put16(shortTga, 12, 500);
    Put16(shortTga, 14, 500);
    shortTga[16] = 24;
    corpus.push_back({"short.tga", shortTga});
    Bytes pcx(128, 0);
    pcx[0] = 0x0A;
    pcx[1] = 5;
    pcx[2] = 1;
    pcx[3] = 8;
    Put16(pcx, 8, 199);
    Put16(pcx, 10, 99);
    pcx[65] = 3;
    Put16(pcx, 66, 200);
    corpus.push_back({"short.pcx", pcx});

    for (const auto& [name, bytes] : corpus) {
        messages.clear();
        WriteFile(dir / name, bytes);
        EXPECT_FALSE(Opens(dir / name)) << name;
        EXPECT_EQ(messages, std::vector<std::string>{kCannotLoadPictureMessage}) << name;
        EXPECT_FALSE(AnyPictureWindowLeft()) << name;
    }
}

TEST_F(PictureViewerTest, CorruptedBytesNeverCrash) {
    const Bytes jpeg = ReadFile(MakePicture("good.jpg", wxBITMAP_TYPE_JPEG, wxSize(120, 90)));
    for (int round = 0; round < 12; ++round) {
        Bytes damaged = jpeg;
        for (std::size_t i = 30 + static_cast<std::size_t>(round) * 37; i < damaged.size();
             i += 97) {
            damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
        }
        const fs::path path = dir / ("damaged" + std::to_string(round) + ".jpg");
        WriteFile(path, damaged);
        messages.clear();
        // the decoder may or may not make something of it; either way one answer, no crash
        const bool opened = Opens(path);
        EXPECT_EQ(messages.size(), opened ? 0u : 1u) << path;
    }
}

TEST_F(PictureViewerTest, MislabelledPictureEndsInTheMessageButNoExtensionIsReadByContent) {
    const fs::path jpeg = MakePicture("real.jpg", wxBITMAP_TYPE_JPEG, wxSize(50, 40));
    const fs::path named = dir / "looks-like.gif";
    fs::copy_file(jpeg, named);
    EXPECT_FALSE(Opens(named));
    EXPECT_EQ(messages, std::vector<std::string>{kCannotLoadPictureMessage});
    EXPECT_FALSE(AnyPictureWindowLeft());
    messages.clear();
    const fs::path bare = dir / "scan-without-extension";
    fs::copy_file(jpeg, bare);
    wxSize area;
    EXPECT_TRUE(Opens(bare, nullptr, &area));
    EXPECT_EQ(area, wxSize(50, 40));
    EXPECT_TRUE(messages.empty());
}

TEST_F(PictureViewerTest, MissingFileGivesTheMessage) {
    EXPECT_FALSE(Opens(dir / "not-there.jpg"));
    EXPECT_EQ(messages, std::vector<std::string>{kCannotLoadPictureMessage});
}

// The desktop program with its document: opening pictures fills the recent list once per
// picture, and the exit step keeps it in the profile beside the settings.
TEST_F(PictureViewerTest, RecentListHoldsEachPictureOnceAndSurvivesTheExit) {
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    DesktopSession session;
    StartupOptions options;
    options.showSplash = false;
    options.profilePath = dir / "nocta.ini";
    ASSERT_EQ(StartDesktop(session, options), kExitOk);
    CMainFrame& frame = *session.frame.get();
    const fs::path m31 = MakePicture("M31 mixed Case.Jpg", wxBITMAP_TYPE_JPEG, wxSize(30, 20));
    const fs::path m42 = MakePicture("m42.bmp", wxBITMAP_TYPE_BMP, wxSize(30, 20));
    {
        ModalWatcher<PictureWindow> watcher([](PictureWindow&) {});
        OpenPictureFile(frame.Context(), m31.string());
        OpenPictureFile(frame.Context(), m42.string());
        OpenPictureFile(frame.Context(), m31.string());
        EXPECT_EQ(watcher.Seen(), 3);
    }
    // kept exactly as given (no upper-casing), newest first, each once
    EXPECT_EQ(frame.RecentPictures(), (std::vector<std::string>{m31.string(), m42.string()}));
    EXPECT_EQ(session.doc.PathName(), m31.string());
    // the second recent entry opens its picture and moves to the top
    {
        std::string title;
        ModalWatcher<PictureWindow> watcher(
            [&](PictureWindow& window) { title = window.GetTitle().utf8_string(); });
        OpenRecentPictureCommand(frame.Context(), CommandId::FileRecent2);
        EXPECT_EQ(title, "m42.bmp");
    }
    EXPECT_EQ(frame.RecentPictures(), (std::vector<std::string>{m42.string(), m31.string()}));
    // a recent picture that has gone away is reported and leaves the list
    fs::remove(m31);
    OpenRecentPictureCommand(frame.Context(), CommandId::FileRecent2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(frame.RecentPictures(), (std::vector<std::string>{m42.string()}));

    ASSERT_TRUE(FinishDesktop(session));
    EXPECT_EQ(RecentIn(options.profilePath), (std::vector<std::string>{m42.string()}));
    // and the settings sections stand beside it
    AppSettings reloaded;
    EXPECT_TRUE(LoadSettings(reloaded, options.profilePath));
    std::ifstream ini(options.profilePath);
    const std::string text(std::istreambuf_iterator<char>(ini), {});
    EXPECT_NE(text.find("[Settings]"), std::string::npos) << text;
    EXPECT_NE(text.find("File1=" + m42.string()), std::string::npos) << text;
}

} // namespace
