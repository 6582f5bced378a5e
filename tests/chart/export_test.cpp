// Writing a frame to a file: formats by name, the files written, and failures that leave what
// was there before.
#include "chart/ChartExport.h"
#include "chart/ChartSetup.h"

#include "astro/SkySession.h"
#include "catalog/CatalogStore.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Head(const fs::path& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

struct ExportFixture : ::testing::Test {
    AppSettings settings = DefaultSettings();
    SkySession session{nullptr, settings.SkyDate, PlaceOf(settings.Observer),
                       SkyModelKind::Classic};
    std::unique_ptr<ChartState> chart;
    fs::path dir;

    void SetUp() override {
        chart = std::make_unique<ChartState>(settings);
        InitialUpdate(*chart, 320, 240);
        dir = fs::temp_directory_path() /
              ("vn_export_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
};

} // namespace

TEST(ExportFormat, IsTakenFromTheExtensionInAnyCase) {
    EXPECT_EQ(ExportFormatForPath("a.png"), ExportFormat::Png);
    EXPECT_EQ(ExportFormatForPath("dir.x/A.PNG"), ExportFormat::Png);
    EXPECT_EQ(ExportFormatForPath("a.Svg"), ExportFormat::Svg);
    EXPECT_EQ(ExportFormatForPath("a.pdf"), ExportFormat::Pdf);
    EXPECT_FALSE(ExportFormatForPath("a.jpg").has_value());
    EXPECT_FALSE(ExportFormatForPath("png").has_value());
    EXPECT_FALSE(ExportFormatForPath("").has_value());
}

TEST_F(ExportFixture, WritesEachFormatAndKeepsTheScreenGeometry) {
    struct Case {
        const char* name;
        ExportFormat format;
        const char* magic;
        FrameTarget target;
    };
    for (const Case c : {Case{"sky.png", ExportFormat::Png, "\x89PNG", FrameTarget::Screen},
                         Case{"sky.svg", ExportFormat::Svg, "<?xml", FrameTarget::Screen},
                         Case{"sky.pdf", ExportFormat::Pdf, "%PDF", FrameTarget::Screen},
                         Case{"page.png", ExportFormat::Png, "\x89PNG", FrameTarget::Printer},
                         Case{"page.pdf", ExportFormat::Pdf, "%PDF", FrameTarget::Printer}}) {
        SCOPED_TRACE(c.name);
        ExportOptions options;
        options.target = c.target;
        options.pageWidth = 400;
        options.pageHeight = 600;
        const ExportResult result =
            ExportChart((dir / c.name).string(), c.format, *chart, session, settings, options);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(Head(dir / c.name, 5).substr(0, std::string(c.magic).size()), c.magic);
        EXPECT_FALSE(fs::exists(dir / (std::string(c.name) + ".part")));
        // The chart is the screen's again; the result tells the geometry the frame used.
        EXPECT_EQ(chart->m_nCenterX, 160);
        EXPECT_EQ(chart->m_nRadius, 3u * 80u);
        if (c.target == FrameTarget::Printer) {
            EXPECT_EQ(result.centerX, 200);
            EXPECT_EQ(result.radius, static_cast<unsigned>(3 * 80 * 400 / 240));
        } else {
            EXPECT_EQ(result.centerX, 160);
        }
    }
}

TEST_F(ExportFixture, AFailedWriteLeavesNoFileAndTheOldOneWhole) {
    const ExportResult missingDir = ExportChart((dir / "no" / "sky.png").string(),
                                                ExportFormat::Png, *chart, session, settings);
    EXPECT_FALSE(missingDir.ok);
    EXPECT_NE(missingDir.error.find("sky.png"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "no"));

    // The target name is taken by a directory: the picture cannot replace it.
    fs::create_directories(dir / "taken.pdf" / "inside");
    const ExportResult taken =
        ExportChart((dir / "taken.pdf").string(), ExportFormat::Pdf, *chart, session, settings);
    EXPECT_FALSE(taken.ok);
    EXPECT_TRUE(fs::is_directory(dir / "taken.pdf" / "inside"));
    EXPECT_FALSE(fs::exists(dir / "taken.pdf.part"));
}
