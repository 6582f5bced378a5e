#include "catalog/Constellations.h"
#include "catalog/DeepSkyObjects.h"
#include "catalog/StarDesignations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>

namespace {

StarRecord Star(const char* designation, std::int32_t hr = 0) {
    StarRecord s;
    std::strncpy(s.designation, designation, sizeof s.designation - 1);
    s.hr = hr;
    return s;
}

TEST(Designations, FlamsteedAndBayerFromTheField) {
    struct Case {
        const char* field;
        const char* flamsteed;
        const char* bayer;
    };
    const Case cases[] = {
        {"   Alp CMa", "", "Alpha CMa"},
        {" 21Alp And", "21 And", "Alpha And"},
        {"   Pi 2Ori", "", "Pi 2 Ori"},
        {"   Omi2Cet", "", "Omikron 2 Cet"},
        {"   Ups And", "", "Ypsilon And"},
        {"   Mu  Gem", "", "Mu Gem"},
        {" 58    Ori", "58 Ori", ""},
        {"  9    CMa", "9 CMa", ""},
        {"   Xyz Aql", "", "Xyz"}, // not a Greek letter: the part alone, no constellation
        {"   alp And", "", "alp"}, // the comparison is case-sensitive
        {"          ", "", ""},
        {"", "", ""},               // an empty (unused) record
        {"  1Alp", "1 ", "Alpha "}, // cut short by a zero: missing characters are blanks
    };
    for (const Case& c : cases) {
        const StarDesignations d = DesignationsOf(Star(c.field));
        EXPECT_EQ(d.flamsteed, c.flamsteed) << '"' << c.field << '"';
        EXPECT_EQ(d.bayer, c.bayer) << '"' << c.field << '"';
    }
}

TEST(Designations, StarNameByHrNumber) {
    auto store = std::make_unique<CatalogStore>();
    store->m_starNames[3].hr = 2491;
    std::strcpy(store->m_starNames[3].name, "Sirius");
    store->m_starNames[5].hr = 2491;
    std::strcpy(store->m_starNames[5].name, "Second");
    EXPECT_EQ(StarNameOf(*store, 2491), "Sirius"); // the first entry wins
    EXPECT_EQ(StarNameOf(*store, 1708), "");
}

TEST(DeepSky, TypeNamesPrefixesAndCommonNames) {
    EXPECT_EQ(DeepSkyTypeName('e'), "nebula");
    EXPECT_EQ(DeepSkyTypeName('g'), "globular cluster");
    EXPECT_EQ(DeepSkyTypeName('o'), "open cluster");
    EXPECT_EQ(DeepSkyTypeName('p'), "planetary nebula");
    EXPECT_EQ(DeepSkyTypeName('s'), "galaxy");
    EXPECT_EQ(DeepSkyTypeName('x'), "");
    EXPECT_EQ(DeepSkyTypeName('S'), "");

    DeepSkyRecord r;
    r.number = 869;
    EXPECT_EQ(DeepSkyTitle(109, r), "M 869");
    EXPECT_EQ(DeepSkyTitle(110, r), "NGC 869");
    EXPECT_EQ(DeepSkyPictureName(110, r), "NGC869");
    EXPECT_EQ(DeepSkyPictureName(0, r), "M869");

    std::strcpy(r.name, "*   ");
    EXPECT_EQ(DeepSkyCommonName(r), " ");
    std::strcpy(r.name, "Orion Nebula  ");
    EXPECT_EQ(DeepSkyCommonName(r), "Orion Nebula");
    std::memset(r.name, 'Q', sizeof r.name); // no terminating zero in the field
    EXPECT_EQ(DeepSkyCommonName(r), std::string(20, 'Q'));
}

TEST(Constellations, Tables) {
    int serpens = 0;
    std::set<std::string_view> abbreviations;
    for (const ConstellationLabel& l : ConstellationLabelTable) {
        EXPECT_EQ(l.abbreviation.size(), 3u);
        EXPECT_GE(l.ra, 0.0);
        EXPECT_LT(l.ra, 24.0);
        EXPECT_LE(std::abs(l.dec), 90);
        abbreviations.insert(l.abbreviation);
        if (l.abbreviation == "Ser") {
            ++serpens;
        }
    }
    EXPECT_EQ(serpens, 2);
    EXPECT_EQ(abbreviations.size(), 88u);
    EXPECT_EQ(ConstellationLabelTable[75].ra, 15.40);
    EXPECT_EQ(ConstellationLabelTable[76].dec, -2);

    std::set<std::string_view> names;
    for (const ConstellationName& n : ConstellationNameTable) {
        EXPECT_LT(n.name.size(), 28u); // fits the 28-character field with its zero
        names.insert(n.name);
    }
    EXPECT_EQ(names.size(), 88u);

    const ConstellationName* serpensName = FindConstellation("Serpens");
    ASSERT_NE(serpensName, nullptr);
    EXPECT_EQ(serpensName->ra, 15.7);
    EXPECT_EQ(serpensName->dec, 11);
    const ConstellationName* chamaeleon = FindConstellation("Chamaeleon");
    ASSERT_NE(chamaeleon, nullptr);
    EXPECT_EQ(chamaeleon->ra, 10.85);
    EXPECT_EQ(chamaeleon->dec, -77);
    EXPECT_EQ(FindConstellation("serpens"), nullptr);
    EXPECT_EQ(FindConstellation("Octans")->dec, -85);
}

} // namespace
