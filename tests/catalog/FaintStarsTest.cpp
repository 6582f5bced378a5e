// The faint-star file hipparcos.bin against its source and its own layout, and how a damaged or
// missing file is read.
#include "catalog/FaintStars.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;
const fs::path kDataDir = VN_SOURCE_DATA_DIR;

std::vector<std::byte> FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto* first = reinterpret_cast<const std::byte*>(raw.data());
    return {first, first + raw.size()};
}

class FaintStarFile : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kDataDir / kFaintStarFileName)) {
            GTEST_SKIP() << "hipparcos.bin is not built";
        }
        ASSERT_FALSE(LoadFaintStars(CatalogLocator({kDataDir}), table));
    }
    FaintStarTable table;
};

TEST_F(FaintStarFile, HoldsTheHipparcosStarsTheBrightCatalogueLacks) {
    // tools/build_hipparcos.py over d3-celestial 0.7.35 stars.14.json: 118,216 stars, of which
    // 9060 are bsc5.big stars.
    EXPECT_EQ(table.stars.size(), 118216u - 9060u);
    struct Case {
        int hip;
        double ra, dec, magnitude, bv; // hours, degrees
    };
    const Case cases[] = {
        // HIP 1: the first feature of stars.14.json (0.0009 deg, +1.089 deg, V 9.10, B-V 0.482).
        {1, 0.0009 / 15.0, 1.089, 9.10, 0.482},
        // Barnard's Star, Hipparcos catalogue (ESA 1997): 17h57m48.5s +4deg41', V 9.54, B-V 1.57.
        {87937, 17.9635, 4.69, 9.54, 1.57},
    };
    for (const Case& c : cases) {
        const FaintStar* star = table.FindHip(c.hip);
        ASSERT_NE(star, nullptr) << c.hip;
        EXPECT_NEAR(star->ra, c.ra, 0.01) << c.hip;
        EXPECT_NEAR(star->dec, c.dec, 0.1) << c.hip;
        EXPECT_NEAR(star->magnitude, c.magnitude, 0.01) << c.hip;
        EXPECT_NEAR(star->bv, c.bv, 0.01) << c.hip;
    }
    // Sirius (HIP 32349) and Vega (HIP 91262) are bright-catalogue stars.
    EXPECT_EQ(table.FindHip(32349), nullptr);
    EXPECT_EQ(table.FindHip(91262), nullptr);
}

TEST_F(FaintStarFile, EachCellHoldsItsOwnStarsBrightestFirst) {
    ASSERT_EQ(table.cellStart.size(), kFaintCellCount + 1);
    for (std::size_t cell = 0; cell < kFaintCellCount; ++cell) {
        const auto stars = table.Cell(cell);
        for (std::size_t k = 0; k < stars.size(); ++k) {
            ASSERT_EQ(FaintCellOf(stars[k].ra, stars[k].dec), cell) << stars[k].hip;
            if (k > 0) {
                ASSERT_LE(stars[k - 1].magnitude, stars[k].magnitude) << stars[k].hip;
            }
        }
    }
}

TEST_F(FaintStarFile, DamagedOrMissingFiles) {
    const std::vector<std::byte> whole = FileBytes(kDataDir / kFaintStarFileName);
    // Cut in the middle of the 11th record: ten stars are kept, with a warning.
    const std::size_t header = 16 + (kFaintCellCount + 1) * 4;
    FaintStarTable cut;
    const auto warning = ParseFaintStars(std::span(whole).first(header + 10 * 16 + 7), cut);
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->find("holds 10 of its"), std::string::npos) << *warning;
    EXPECT_EQ(cut.stars.size(), 10u);
    EXPECT_EQ(cut.cellStart.back(), 10u);
    // Not a faint-star file at all: nothing, with a warning.
    FaintStarTable other;
    EXPECT_TRUE(ParseFaintStars(std::span(whole).subspan(4, 100), other));
    EXPECT_FALSE(other.Available());
    // Missing: the layer is simply unavailable, without a warning.
    FaintStarTable missing;
    EXPECT_FALSE(LoadFaintStars(
        CatalogLocator(std::vector<fs::path>{fs::temp_directory_path() / "vn-no-such-folder"}),
        missing));
    EXPECT_FALSE(missing.Available());
}

} // namespace
