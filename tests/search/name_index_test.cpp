// The name index over the real catalogue files of data/: every form of name the find box and
// `--info` accept, the precedence between objects sharing a name, and completion.
#include "search/NameIndex.h"

#include "astro/SkyState.h"
#include "catalog/CatalogStore.h"
#include "catalog/ConstellationNames.h"
#include "catalog/Constellations.h"
#include "catalog/Loaders.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class NameIndexTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        store = std::make_unique<CatalogStore>().release();
        const CatalogLoadResult loaded =
            LoadCatalogs(*store, CatalogLocator({std::filesystem::path(VN_SOURCE_DATA_DIR)}));
        ASSERT_TRUE(loaded.ok()) << loaded.message;
        index = new NameIndex(*store);
    }
    static void TearDownTestSuite() {
        delete index;
        delete store;
    }
    static std::string TitleOf(std::string_view text) {
        const auto found = index->Find(text);
        return found ? NamedObjectTitle(*found, *store) : std::string("(none)");
    }
    static inline CatalogStore* store = nullptr;
    static inline NameIndex* index = nullptr;
};

TEST(NameFolding, CaseBlanksDiacriticsAndGreekLetters) {
    EXPECT_EQ(FoldName("  M 31 "), "m31");
    EXPECT_EQ(FoldName("NGC869"), FoldName("ngc 869"));
    EXPECT_EQ(FoldName("Citalá"), "citala");
    EXPECT_EQ(FoldName("Straße"), "strasse");
    EXPECT_EQ(FoldName("Ptolemy's Cluster"), "ptolemyscluster");
    EXPECT_EQ(FoldName("Apami-Atsa"), "apamiatsa");
    EXPECT_EQ(FoldName("HR-5"), "hr-5"); // a negative number names nothing
    EXPECT_EQ(FoldName("α Ori"), "alphaori");
    EXPECT_EQ(FoldName("π² Ori"), "pi2ori");
    EXPECT_EQ(FoldName("ΑΒΓ"), "alphabetagamma");
    EXPECT_EQ(CanonicalName("alf Ori"), "alphaori");
    EXPECT_EQ(CanonicalName("Alp Ori"), "alphaori");
    EXPECT_EQ(CanonicalName("tet1 Ori"), "theta1ori");
    EXPECT_EQ(CanonicalName("omikron Cet"), CanonicalName("omi Cet"));
    EXPECT_EQ(CanonicalName("Ypsilon And"), CanonicalName("ups And"));
    EXPECT_EQ(CanonicalName("omega Cen"), CanonicalName("ome Cen"));
    EXPECT_EQ(CanonicalName("Alphard"), CanonicalName("ALPHARD"));
    // Broken UTF-8 never throws or loops: a stray byte is read as a Latin-1 letter.
    EXPECT_EQ(FoldName(std::string_view("a\xC3", 2)), "aa");
    EXPECT_EQ(FoldName("\xE9t\xE9"), "ete");
}

TEST_F(NameIndexTest, EveryFormOfAStarNameFindsTheStar) {
    // Betelgeuse is HR 2061, alpha and 58 Orionis (Yale Bright Star Catalogue).
    for (const char* text : {"Betelgeuse", "betelgeuse", "alpha Ori", "α Ori", "alf Ori", "Alp Ori",
                             "ALPHA ORIONIS", "58 Ori", "58Ori", "HR 2061", "hr2061"}) {
        SCOPED_TRACE(text);
        const auto found = index->Find(text);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->kind, NamedKind::Star);
        EXPECT_EQ(store->m_stars[found->index].hr, 2061);
    }
}

TEST_F(NameIndexTest, NamesOfEveryKind) {
    struct Case {
        const char* typed;
        const char* title;
    };
    const Case cases[] = {
        {"Sirius", "Sirius"},             // names.bin
        {"Alcor", "Alcor"},               // only in the longer list of proper names
        {"citala", "Citalá"},             // diacritics ignored
        {"pi4 Ori", "Pi 4 Ori"},          // Bayer with a superscript, no proper name
        {"π⁴ Ori", "Pi 4 Ori"},           //
        {"3 Ori", "Pi 4 Ori"},            // its Flamsteed number
        {"alpha Cen", "Rigil Kentaurus"}, // Alpha 1 Cen: the letter without its superscript
        {"beta Cyg", "Albireo"},          //
        {"Southern Cross", "Crux"},       //
        {"M31", "M 31"},                  // Messier number
        {"m 31", "M 31"},                 //
        {"NGC 224", "M 31"},              // a Messier object's NGC number
        {"NGC869", "NGC 869"},            // NGC number
        {"Andromeda Galaxy", "M 31"},     // common name of the catalogue record
        {"Orion Nebula", "M 42"},         //
        {"Double Cluster", "NGC 869"},    // a common name of our own table
        {"Orion", "Orion"},               // constellation by name
        {"ori", "Orion"},                 // by abbreviation
        {"Antlia", "Antlia"},             // IAU spelling
        {"Antila", "Antlia"},             // the search list's spelling
        {"UMa", "Ursa Major"},            //
        {"Jupiter", "Jupiter"},           // bodies
        {"moon", "Moon"},                 //
        {"Tau", "Taurus"},                // the abbreviation, not the Greek letter
        {"no such star", "(none)"},       //
        {"", "(none)"},                   //
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TitleOf(c.typed), c.title) << c.typed;
    }
}

TEST_F(NameIndexTest, EveryConstellationIsFoundAndCentresOnItsSearchPosition) {
    for (const ConstellationNaming& naming : ConstellationNamingTable) {
        SCOPED_TRACE(std::string(naming.abbreviation));
        const auto byName = index->Find(naming.name);
        const auto byAbbreviation = index->Find(naming.abbreviation);
        ASSERT_TRUE(byName && byAbbreviation);
        EXPECT_EQ(*byName, *byAbbreviation);
        ASSERT_EQ(byName->kind, NamedKind::Constellation);
        const ConstellationName* row = FindConstellation(naming.searchName);
        ASSERT_NE(row, nullptr);
        const SearchTarget target = NamedObjectPosition(*byName, *store, SkyState{});
        EXPECT_EQ(target.ra, row->ra);
        EXPECT_EQ(target.dec, row->dec);
    }
}

TEST_F(NameIndexTest, PositionsAreTheCatalogueAndComputedPlaces) {
    const auto m42 = index->Find("M42");
    ASSERT_TRUE(m42);
    const SearchTarget target = NamedObjectPosition(*m42, *store, SkyState{});
    EXPECT_FLOAT_EQ(static_cast<float>(target.ra), store->m_deepSky[m42->index].ra);
    SkyState sky;
    sky.m_bodies[kBodyMars] = {
        .ra = 7.5, .dec = 22.0, .earthDistanceAu = 0.7, .sunDistanceAu = 1.5};
    const SearchTarget mars = NamedObjectPosition(*index->Find("Mars"), *store, sky);
    EXPECT_EQ(mars.ra, 7.5);
    EXPECT_EQ(mars.dec, 22.0);
}

TEST_F(NameIndexTest, CompletionOffersNamesThatBeginWithTheText) {
    const auto betel = index->Complete("betel", 10);
    ASSERT_FALSE(betel.empty());
    EXPECT_EQ(betel.front(), "Betelgeuse");
    // "alf" completes to the spelled-out designations.
    const auto alf = index->Complete("alf Or", 10);
    EXPECT_NE(std::find(alf.begin(), alf.end(), "Alpha Ori"), alf.end());
    // An exact name comes first; the limit holds; nothing for nothing.
    EXPECT_EQ(index->Complete("Leo", 5).front(), "Leo");
    EXPECT_EQ(index->Complete("a", 7).size(), 7u);
    EXPECT_TRUE(index->Complete("   ", 7).empty());
    EXPECT_TRUE(index->Complete("zzzz", 7).empty());
}

} // namespace
