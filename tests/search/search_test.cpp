// Look-ups of the search dialogs: list contents and order, text comparisons, found positions.
#include "search/Search.h"

#include "astro/SkyState.h"
#include "catalog/CatalogStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

void SetName(char (&field)[20], const char* text) {
    std::strncpy(field, text, sizeof field - 1);
}

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_store = std::make_unique<CatalogStore>();
        for (std::size_t i = 0; i < kMessierCount; ++i) {
            m_store->m_deepSky[i] = DeepSkyRecord{};
            m_store->m_deepSky[i].number = static_cast<int>(i) + 1;
            m_store->m_deepSky[i].ra = static_cast<float>(i) * 0.1f;
            m_store->m_deepSky[i].dec = static_cast<float>(i) - 50.0f;
        }
        for (std::size_t i = 0; i < kNgcCount; ++i) {
            DeepSkyRecord& r = m_store->m_deepSky[kNgcFirst + i];
            // Descending so that table order is not the list's order; 891 is the smallest.
            r.number = 7000 - static_cast<int>(i) * 61;
            r.ra = 1.0f + static_cast<float>(i) * 0.01f;
            r.dec = 10.0f + static_cast<float>(i);
        }
        m_store->m_deepSky[kNgcFirst + 99].number = 891;
        const char* names[] = {"Vega", "Sirius", "Algol", "Deneb"};
        for (std::size_t i = 0; i < kStarNameCount; ++i) {
            StarNameRecord& r = m_store->m_starNames[i];
            SetName(r.name, names[i % 4]);
            r.ra = static_cast<float>(i);
            r.dec = static_cast<float>(i) / 2;
        }
    }
    std::unique_ptr<CatalogStore> m_store;
};

TEST_F(SearchTest, MessierComparesTexts) {
    const MessierResult m42 = FindMessier(*m_store, "42");
    ASSERT_EQ(m42.outcome, MessierSearch::Found);
    EXPECT_FLOAT_EQ(static_cast<float>(m42.target.ra), m_store->m_deepSky[41].ra);
    EXPECT_FLOAT_EQ(static_cast<float>(m42.target.dec), m_store->m_deepSky[41].dec);

    EXPECT_EQ(FindMessier(*m_store, "042").outcome, MessierSearch::NotFound);
    EXPECT_EQ(FindMessier(*m_store, "111").outcome, MessierSearch::NotFound);
    EXPECT_EQ(FindMessier(*m_store, "0").outcome, MessierSearch::NotFound);
    EXPECT_EQ(FindMessier(*m_store, "").outcome, MessierSearch::Empty);
}

TEST_F(SearchTest, MessierTakesTheFirstEqualRecord) {
    m_store->m_deepSky[80].number = 42; // a second record with the same number
    const MessierResult found = FindMessier(*m_store, "42");
    ASSERT_EQ(found.outcome, MessierSearch::Found);
    EXPECT_FLOAT_EQ(static_cast<float>(found.target.ra), m_store->m_deepSky[41].ra);
}

TEST_F(SearchTest, NgcEntriesAreFourDigitsInNumericOrder) {
    const std::vector<std::string> entries = NgcSearchEntries(*m_store);
    ASSERT_EQ(entries.size(), kNgcCount);
    EXPECT_EQ(entries.front(), "0891");
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
    for (std::size_t i = 1; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].size(), 4u) << entries[i];
        EXPECT_LT(std::stoi(entries[i - 1]), std::stoi(entries[i]));
    }
    const auto found = FindNgc(*m_store, "0891");
    ASSERT_TRUE(found);
    EXPECT_FLOAT_EQ(static_cast<float>(found->ra), m_store->m_deepSky[kNgcFirst + 99].ra);
    EXPECT_FLOAT_EQ(static_cast<float>(found->dec), m_store->m_deepSky[kNgcFirst + 99].dec);
    // NGC numbers are looked for among the NGC records only, not the Messier ones.
    EXPECT_FALSE(FindNgc(*m_store, "0042"));
}

TEST_F(SearchTest, StarListIsSortedAndFindsFirstRecordInTableOrder) {
    const std::vector<std::string> entries = StarSearchEntries(*m_store);
    ASSERT_EQ(entries.size(), kStarNameCount);
    EXPECT_EQ(entries.front(), "Algol");
    EXPECT_EQ(entries.back(), "Vega");
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
    const auto sirius = FindNamedStar(*m_store, "Sirius");
    ASSERT_TRUE(sirius);
    EXPECT_DOUBLE_EQ(sirius->ra, 1.0); // record 1, the first Sirius
    EXPECT_DOUBLE_EQ(sirius->dec, 0.5);
    EXPECT_FALSE(FindNamedStar(*m_store, "sirius"));
    EXPECT_FALSE(FindNamedStar(*m_store, "Siri"));
}

TEST_F(SearchTest, StarNameFillingTheWholeFieldIsRead) {
    std::memset(m_store->m_starNames[0].name, 'X', sizeof m_store->m_starNames[0].name);
    const std::string full(20, 'X'); // no terminator: the name ends at the field's end
    EXPECT_TRUE(FindNamedStar(*m_store, full));
}

TEST(ConstellationSearch, ListIsAlphabeticalNotTableOrder) {
    const std::vector<std::string> entries = ConstellationSearchEntries();
    ASSERT_EQ(entries.size(), 88u);
    ASSERT_GE(entries.size(), 4u);
    EXPECT_EQ(entries[0], "Andromeda");
    EXPECT_EQ(entries[1], "Antila");
    EXPECT_EQ(entries[2], "Apus");
    EXPECT_EQ(entries[3], "Aquarius");
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
    for (const std::string& name : entries) {
        EXPECT_TRUE(FindConstellationCentre(name)) << name;
    }
    EXPECT_FALSE(FindConstellationCentre("Andromed"));
}

TEST(SolarSystemSearch, TakesTheBodysComputedPosition) {
    SkyState sky{};
    sky.m_bodies[kBodySun] = SolarSystemBody{.ra = 6.5, .dec = 23.2, .earthDistanceAu = 1.0};
    sky.m_bodies[kBodyPluto] = SolarSystemBody{.ra = 16.0, .dec = -7.0, .earthDistanceAu = 30.0};
    EXPECT_DOUBLE_EQ(SolarSystemTarget(sky, kBodySun).ra, 6.5);
    EXPECT_DOUBLE_EQ(SolarSystemTarget(sky, kBodySun).dec, 23.2);
    EXPECT_DOUBLE_EQ(SolarSystemTarget(sky, kBodyPluto).dec, -7.0);
}

} // namespace
