// The committed catalogue files in data/: sizes, and a few objects everyone can check against a
// star atlas.
#include "catalog/DeepSkyObjects.h"
#include "catalog/Loaders.h"
#include "catalog/StarDesignations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

namespace fs = std::filesystem;

// Catalogue positions are J2000 values rounded by the data build; an atlas value agrees to
// better than a hundredth of an hour or a tenth of a degree.
constexpr double kRaToleranceHours = 0.01;
constexpr double kDecToleranceDegrees = 0.1;
constexpr double kMagnitudeTolerance = 0.05;

const fs::path kDataDir = VN_SOURCE_DATA_DIR;

class RealData : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kDataDir / "bsc5.big")) {
            GTEST_SKIP() << "the catalogue files are not built yet";
        }
        store = std::make_unique<CatalogStore>();
        const CatalogLoadResult result = LoadCatalogs(*store, CatalogLocator({kDataDir}));
        ASSERT_TRUE(result.ok()) << result.message;
    }
    std::unique_ptr<CatalogStore> store;
};

TEST_F(RealData, EveryFileHoldsExactlyItsRecords) {
    struct Case {
        const char* name;
        std::uintmax_t bytes;
    };
    const Case cases[] = {
        {"bsc5.big", 254660},  {"cnstline.bin", 6336}, {"constell.bin", 28140},
        {"messier.bin", 5280}, {"deepsky.bin", 4800},  {"names.bin", 3080},
        {"milky.bin", 4896},   {"magellan.bin", 280},  {"location.bin", 17996},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fs::file_size(kDataDir / c.name), c.bytes) << c.name;
    }
}

TEST_F(RealData, EveryRecordIsInUseAndOnTheSky) {
    for (std::size_t i = 0; i < kStarCount; ++i) {
        const StarRecord& s = store->m_stars[i];
        ASSERT_NE(s.hr, 0) << "star " << i << " is empty or damaged";
        ASSERT_GE(s.ra, 0.0f) << i;
        ASSERT_LT(s.ra, 24.0f) << i;
    }
    for (std::size_t i = 0; i < kDeepSkyCount; ++i) {
        ASSERT_NE(store->m_deepSky[i].number, 0) << "deep-sky entry " << i;
    }
    for (std::size_t i = 0; i < kLocationCount; ++i) {
        ASSERT_NE(store->m_locations[i].name[0], '\0') << "place " << i;
    }
    auto outlineInUse = [&](std::size_t first, std::size_t count) {
        for (std::size_t i = first; i < first + count; ++i) {
            const OutlinePoint& p = store->m_outlinePoints[i];
            EXPECT_FALSE(p.ra == 0.0f && p.dec == 0.0f) << "outline point " << i;
        }
    };
    outlineInUse(kMilkyWayFirstFirst, kMilkyWayFirstCount);
    outlineInUse(kMilkyWaySecondFirst, kMilkyWaySecondCount);
    outlineInUse(kLargeCloudFirst, kLargeCloudCount + kSmallCloudCount);
    for (std::size_t i = 0; i < kEclipticCount; ++i) {
        EXPECT_LE(std::fabs(store->m_outlinePoints[i].dec), 23.5f) << "ecliptic point " << i;
    }
}

TEST_F(RealData, SiriusIsWhereItBelongs) {
    const StarRecord* sirius = nullptr;
    for (const StarRecord& s : store->m_stars) {
        if (s.hr == 2491) {
            sirius = &s;
        }
    }
    ASSERT_NE(sirius, nullptr);
    // Bright Star Catalogue, 5th revised ed. (Hoffleit and Warren 1991), HR 2491: J2000 RA
    // 6h45m08.9s, Dec -16 42' 58", V -1.46.
    EXPECT_NEAR(sirius->ra, 6.7525, kRaToleranceHours);
    EXPECT_NEAR(sirius->dec, -16.716, kDecToleranceDegrees);
    EXPECT_NEAR(sirius->magnitude, -1.46, kMagnitudeTolerance);
    EXPECT_EQ(sirius->spectralClass, 'A');
    const StarDesignations d = DesignationsOf(*sirius);
    EXPECT_EQ(d.flamsteed, "9 CMa");
    EXPECT_EQ(d.bayer, "Alpha CMa");
    EXPECT_EQ(StarNameOf(*store, 2491), "Sirius");
}

TEST_F(RealData, AndromedaGalaxyIsMessier31) {
    const DeepSkyRecord& m31 = store->m_deepSky[30];
    EXPECT_EQ(m31.number, 31);
    EXPECT_EQ(DeepSkyTitle(30, m31), "M 31");
    EXPECT_EQ(DeepSkyTypeName(m31.type), "galaxy");
    EXPECT_NEAR(m31.ra, 0.712, kRaToleranceHours);
    EXPECT_NEAR(m31.dec, 41.27, kDecToleranceDegrees);
    EXPECT_EQ(CatalogPrefix(kNgcFirst), "NGC");
}

TEST_F(RealData, KrakowIsInThePlaceList) {
    const LocationRecord* krakow = nullptr;
    for (const LocationRecord& place : store->m_locations) {
        if (FieldText(place.name).find("Krakow") != std::string_view::npos) {
            krakow = &place;
        }
    }
    ASSERT_NE(krakow, nullptr);
    // About 50 degrees 4' north, 19 degrees 56' east (stored negative), one hour east of
    // Greenwich (stored as -1).
    constexpr double kPlaceToleranceDegrees = 0.2;
    EXPECT_NEAR(krakow->latitude, 50.06, kPlaceToleranceDegrees);
    EXPECT_NEAR(krakow->longitude, -19.94, kPlaceToleranceDegrees);
    EXPECT_EQ(krakow->timeZone, -1.0f);
}

} // namespace
