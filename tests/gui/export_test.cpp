// File > Export Chart...: the save dialog, the three formats written from the chart as it stands
// on screen, and writes that fail without leaving anything behind.
#include "GuiTestEnvironment.h"

#include "chart/CairoSurface.h"
#include "commands/CommandHandlers.h"
#include "commands/ExportCommands.h"
#include "commandstate/CommandTable.h"
#include "settings/AppSettings.h"

#include <wx/filedlg.h>

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <regex>

#include <sys/stat.h>

namespace guitest {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The pixels of a PNG file, or null when it cannot be read.
using ImagePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
ImagePtr LoadPng(const fs::path& path) {
    ImagePtr image(cairo_image_surface_create_from_png(path.c_str()), &cairo_surface_destroy);
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) {
        image.reset();
    }
    return image;
}

Rgb PngPixel(cairo_surface_t* image, int x, int y) {
    const unsigned char* row =
        cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, row + 4 * x, sizeof pixel);
    return Rgb{static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
               static_cast<std::uint8_t>(pixel)};
}

class ExportTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        // Colours and labels on, so a wrong or missing layer shows in the pixels.
        ChartState& chart = View().Chart();
        chart.m_bColoredSky = 1;
        chart.m_bColoredStars = 1;
        chart.m_bStarNames = 1;
        chart.m_bEcliptic = 1;
        RepaintNow();
    }
};

// The native save dialog is not driven here (GTK's file chooser does not close from a test's
// timer); its set-up is what the command shows.
TEST_F(ExportTest, DialogOffersPngSvgAndPdfForSaving) {
    const std::unique_ptr<wxFileDialog> dialog = MakeExportDialog(&Frame());
    EXPECT_EQ(dialog->GetMessage(), "Export Chart");
    EXPECT_EQ(dialog->GetWildcard(), kExportWildcard);
    EXPECT_TRUE(dialog->HasFlag(wxFD_SAVE));
    EXPECT_TRUE(dialog->HasFlag(wxFD_OVERWRITE_PROMPT));
    EXPECT_EQ(dialog->GetFilterIndex(), 0);
    EXPECT_EQ(dialog->GetFilename(), "chart.png");
    const wxString wildcard = kExportWildcard;
    for (const char* pattern : {"|*.png", "|*.svg", "|*.pdf"}) {
        EXPECT_NE(wildcard.Find(pattern), wxNOT_FOUND) << pattern;
    }
}

TEST_F(ExportTest, DisabledWhileTheAnimationRuns) {
    View().StartAnimation(true);
    ASSERT_TRUE(View().Animating());
    EXPECT_FALSE(Frame().StateOf(cmd::FileExportChart).enabled);
    View().StopAnimation();
    EXPECT_TRUE(Frame().StateOf(cmd::FileExportChart).enabled);
}

TEST(ExportPathForChoice, KnownExtensionsStayOthersGetTheFilters) {
    struct Case {
        const char* chosen;
        int filter;
        const char* path;
    };
    const Case cases[] = {
        {"/tmp/sky", 0, "/tmp/sky.png"},       {"/tmp/sky", 1, "/tmp/sky.svg"},
        {"/tmp/sky", 2, "/tmp/sky.pdf"},       {"/tmp/sky.PDF", 0, "/tmp/sky.PDF"},
        {"/tmp/sky.svg", 2, "/tmp/sky.svg"},   {"/tmp/sky.jpg", 1, "/tmp/sky.jpg.svg"},
        {"/tmp/sky.v1", 2, "/tmp/sky.v1.pdf"}, {"/tmp/sky", 7, "/tmp/sky.png"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExportPathForChoice(c.chosen, c.filter), c.path) << c.chosen << " " << c.filter;
    }
}

TEST_F(ExportTest, PngHasTheViewsSizeAndTheScreensPixels) {
    MessageRecorder messages;
    const fs::path path = FreshDirectory("export-png") / "chart.png";
    const ChartState& chart = View().Chart();
    const unsigned radius = chart.m_nRadius;
    const int centerX = chart.m_nCenterX;
    const int centerY = chart.m_nCenterY;
    const PickingTables picks = View().Picks();

    ASSERT_TRUE(ExportChartToFile(Frame().Context(), path.string()));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(fs::exists(path.string() + ".part"));
    // The screen's geometry and picking tables are as the last screen frame left them.
    EXPECT_EQ(chart.m_nRadius, radius);
    EXPECT_EQ(chart.m_nCenterX, centerX);
    EXPECT_EQ(chart.m_nCenterY, centerY);
    EXPECT_EQ(View().Picks(), picks);

    const ImagePtr png = LoadPng(path);
    ASSERT_TRUE(png);
    const wxSize client = View().GetClientSize();
    EXPECT_EQ(cairo_image_surface_get_width(png.get()), client.x);
    EXPECT_EQ(cairo_image_surface_get_height(png.get()), client.y);

    // Every pixel the screen frame covers is the same in the file.
    RepaintNow();
    CairoImageSurface& screen = View().Offscreen();
    int differing = 0;
    for (int y = 0; y < 2 * centerY; ++y) {
        for (int x = 0; x < 2 * centerX; ++x) {
            if (!(PngPixel(png.get(), x, y) == screen.PixelAt(x, y))) {
                ++differing;
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

struct VectorCase {
    const char* name;
    const char* file;
    const char* start; // what the file begins with
    // The page size as the file states it, in points, for a view of width x height pixels at
    // 96 pixels per inch.
    const char* sizePattern;
};

class ExportVectorTest : public ExportTest, public ::testing::WithParamInterface<VectorCase> {};

TEST_P(ExportVectorTest, WritesAPageOfTheViewsSize) {
    MessageRecorder messages;
    const VectorCase& c = GetParam();
    const fs::path path = FreshDirectory(std::string("export-") + c.name) / c.file;
    ASSERT_TRUE(ExportChartToFile(Frame().Context(), path.string()));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(fs::exists(path.string() + ".part"));
    const std::string text = ReadFile(path);
    ASSERT_GT(text.size(), 1000u);
    EXPECT_EQ(text.rfind(c.start, 0), 0u) << text.substr(0, 40);
    const wxSize client = View().GetClientSize();
    std::smatch size;
    ASSERT_TRUE(std::regex_search(text, size, std::regex(c.sizePattern))) << c.name;
    // Points = pixels * 72 / 96; the files round to whole or fractional points.
    constexpr double kPointTolerance = 1.0; // pt
    EXPECT_NEAR(std::stod(size[1].str()), client.x * 0.75, kPointTolerance);
    EXPECT_NEAR(std::stod(size[2].str()), client.y * 0.75, kPointTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ExportVectorTest,
    ::testing::Values(
        VectorCase{"svg", "chart.svg", "<?xml",
                   R"(<svg[^>]*width="([0-9.]+)(?:pt)?"[^>]*height="([0-9.]+)(?:pt)?")"},
        VectorCase{"pdf", "chart.pdf", "%PDF-", R"(/MediaBox \[\s*0 0 ([0-9.]+) ([0-9.]+)\s*\])"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportTest, NightVisionNeverReachesTheFile) {
    MessageRecorder messages;
    const fs::path directory = FreshDirectory("export-night");
    ASSERT_TRUE(ExportChartToFile(Frame().Context(), (directory / "day.png").string()));
    Command(cmd::ViewNightVision);
    ASSERT_EQ(Session().settings.NightVision, 1);
    RepaintNow();
    ASSERT_TRUE(ExportChartToFile(Frame().Context(), (directory / "night.png").string()));
    Command(cmd::ViewNightVision);
    ASSERT_EQ(Session().settings.NightVision, 0);

    const ImagePtr day = LoadPng(directory / "day.png");
    const ImagePtr night = LoadPng(directory / "night.png");
    ASSERT_TRUE(day && night);
    const int width = cairo_image_surface_get_width(day.get());
    const int height = cairo_image_surface_get_height(day.get());
    bool anyGreenOrBlue = false;
    int differing = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb pixel = PngPixel(night.get(), x, y);
            anyGreenOrBlue = anyGreenOrBlue || pixel.g != 0 || pixel.b != 0;
            differing += pixel == PngPixel(day.get(), x, y) ? 0 : 1;
        }
    }
    EXPECT_TRUE(anyGreenOrBlue);
    EXPECT_EQ(differing, 0);
}

struct FailureCase {
    const char* name;
    // The file to write, made from a fresh directory (which the case may fill first).
    std::function<fs::path(const fs::path&)> target;
};

class ExportFailureTest : public ExportTest, public ::testing::WithParamInterface<FailureCase> {};

// The tests run as root, which may write into any folder, so the failures come from paths that
// nobody can write: under a regular file, in a missing folder, in /proc, onto a folder.
TEST_P(ExportFailureTest, ShowsTheFileAndTheReasonAndLeavesNothing) {
    const FailureCase& c = GetParam();
    const fs::path directory = FreshDirectory(std::string("export-fail-") + c.name);
    for (const char* extension : {".png", ".svg", ".pdf"}) {
        MessageRecorder messages;
        const fs::path path = c.target(directory).string() + extension;
        const unsigned radius = View().Chart().m_nRadius;
        EXPECT_FALSE(ExportChartToFile(Frame().Context(), path.string())) << path;
        ASSERT_EQ(messages.Messages().size(), 1u) << path;
        const std::string& text = messages.Messages()[0].text;
        const std::string named = "Cannot write " + path.string() + ": ";
        EXPECT_EQ(text.rfind(named, 0), 0u) << text;
        EXPECT_GT(text.size(), named.size() + 4) << "no reason in: " << text;
        EXPECT_EQ(text.substr(text.size() - 4), "    ");
        EXPECT_NE(messages.Messages()[0].style & wxOK, 0);
        EXPECT_FALSE(fs::exists(path.string() + ".part")) << path;
        EXPECT_EQ(View().Chart().m_nRadius, radius);
    }
    // Nothing of ours is left in the folder, and what was there is as it was.
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(directory, ec)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "plain" || name.rfind("chart.", 0) == 0) << name;
        EXPECT_FALSE(entry.is_regular_file() && name != "plain") << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExportFailureTest,
    ::testing::Values(FailureCase{"UnderARegularFile",
                                  [](const fs::path& dir) {
                                      std::ofstream(dir / "plain") << "x";
                                      return dir / "plain" / "chart";
                                  }},
                      FailureCase{"InAMissingFolder",
                                  [](const fs::path& dir) { return dir / "missing" / "chart"; }},
                      FailureCase{"InProc",
                                  [](const fs::path&) { return fs::path("/proc/chart"); }},
                      FailureCase{"OntoAPipe",
                                  [](const fs::path& dir) {
                                      for (const char* ext : {".png", ".svg", ".pdf"}) {
                                          const fs::path pipe = dir / (std::string("chart") + ext);
                                          ::mkfifo(pipe.c_str(), 0600);
                                      }
                                      return dir / "chart";
                                  }},
                      FailureCase{"OntoAFolder",
                                  [](const fs::path& dir) {
                                      for (const char* ext : {".png", ".svg", ".pdf"}) {
                                          fs::create_directories(dir /
                                                                 (std::string("chart") + ext));
                                      }
                                      return dir / "chart";
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportTest, FailedWriteKeepsTheFolderThatWasThere) {
    MessageRecorder messages;
    const fs::path directory = FreshDirectory("export-keep");
    fs::create_directories(directory / "chart.png" / "inside");
    EXPECT_FALSE(ExportChartToFile(Frame().Context(), (directory / "chart.png").string()));
    EXPECT_TRUE(fs::is_directory(directory / "chart.png" / "inside"));
    EXPECT_FALSE(fs::exists(directory / "chart.png.part"));
}

} // namespace
} // namespace guitest
