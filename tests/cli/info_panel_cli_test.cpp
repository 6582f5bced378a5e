// `vesperanova --info`: naming an object on the command line and printing its panel.
#include "cli/InfoMode.h"

#include "astro/SkyState.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

TEST(ParseInfoObject, AcceptsTheFourFormsWithoutRegardToCase) {
    struct Case {
        const char* text;
        InfoObjectKind kind;
        bool ngc;
        long number;
        std::size_t body;
    };
    const Case cases[] = {
        {"HR2491", InfoObjectKind::Star, false, 2491, 0},
        {"hr 2491", InfoObjectKind::Star, false, 2491, 0},
        {"M31", InfoObjectKind::DeepSky, false, 31, 0},
        {"m 1", InfoObjectKind::DeepSky, false, 1, 0},
        {"NGC7329", InfoObjectKind::DeepSky, true, 7329, 0},
        {"ngc 869", InfoObjectKind::DeepSky, true, 869, 0},
        {"Moon", InfoObjectKind::Body, false, 0, kBodyMoon},
        {"JUPITER", InfoObjectKind::Body, false, 0, kBodyJupiter},
        {"pluto", InfoObjectKind::Body, false, 0, kBodyPluto},
        // "Mars" and "Mercury" begin with M but are bodies
        {"Mars", InfoObjectKind::Body, false, 0, kBodyMars},
        {"mercury", InfoObjectKind::Body, false, 0, kBodyMercury},
    };
    for (const Case& c : cases) {
        const auto name = ParseInfoObject(c.text);
        ASSERT_TRUE(name.has_value()) << c.text;
        EXPECT_EQ(name->kind, c.kind) << c.text;
        if (c.kind == InfoObjectKind::Body) {
            EXPECT_EQ(name->body, c.body) << c.text;
        } else {
            EXPECT_EQ(name->number, c.number) << c.text;
            EXPECT_EQ(name->ngc, c.ngc) << c.text;
        }
    }
    for (const char* bad : {"", "HR", "M", "M-5", "M31x", "NGC 7.5", "Vulcan", "Earth", "HR+12",
                            "M99999999999999999999999"}) {
        EXPECT_FALSE(ParseInfoObject(bad).has_value()) << bad;
    }
}

TEST(FindInfoObject, LooksInTheRightPartOfTheDeepSkyTable) {
    auto catalog = std::make_unique<CatalogStore>();
    catalog->m_deepSky[5].number = 6;   // M 6
    catalog->m_deepSky[120].number = 6; // NGC 6
    catalog->m_stars[42].hr = 1713;
    EXPECT_EQ(FindInfoObject(*ParseInfoObject("M6"), *catalog), 5u);
    EXPECT_EQ(FindInfoObject(*ParseInfoObject("NGC6"), *catalog), 120u);
    EXPECT_EQ(FindInfoObject(*ParseInfoObject("HR1713"), *catalog), 42u);
    EXPECT_FALSE(FindInfoObject(*ParseInfoObject("M7"), *catalog).has_value());
    // zero-filled entries (a short file) are no object number 0
    EXPECT_FALSE(FindInfoObject(*ParseInfoObject("HR0"), *catalog).has_value());
    EXPECT_FALSE(FindInfoObject(*ParseInfoObject("M0"), *catalog).has_value());
}

class InfoModeTest : public ::testing::Test {
protected:
    int Run(std::vector<std::string> args) {
        // A profile that does not exist: the built-in place, nothing of the user's.
        args.push_back("--profile=" + std::string(VN_BINARY_DIR) + "/no-such-profile.ini");
        out.str("");
        err.str("");
        // 2000-01-01 11:00 UT: 12:00 in Krakow.
        const ClockInstant now =
            std::chrono::sys_days{std::chrono::year{2000} / 1 / 1} + std::chrono::hours{11};
        return RunInfoMode(args, out, err, now);
    }
    std::ostringstream out, err;
};

TEST_F(InfoModeTest, PrintsTheBodyPanel) {
    ASSERT_EQ(Run({"Sun", "--date", "2000-01-01T12:00", "--zone", "0"}), 0) << err.str();
    const std::string text = out.str();
    EXPECT_EQ(text.rfind("Sun\nRight ascension: ", 0), 0u) << text;
    EXPECT_NE(text.find("\nMagnitude: -26.7\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nDistance from Sun:  \n"), std::string::npos) << text;
    // early January: the Earth is near perihelion, 147.1 million km
    EXPECT_NE(text.find("\nDistance from Earth: 147.1 million km\n"), std::string::npos) << text;
}

TEST_F(InfoModeTest, UnknownObjectsAreBadInput) {
    EXPECT_EQ(Run({"Vulcan"}), 2);
    EXPECT_NE(err.str().find("unknown object 'Vulcan'"), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"Moon", "Sun"}), 2);
    EXPECT_EQ(Run({"Moon", "--colour"}), 2);
    EXPECT_EQ(Run({"Moon", "--date", "2000-13-01T00:00"}), 2);
}

} // namespace

namespace {

TEST_F(InfoModeTest, AcceptsEveryNameTheFindBoxKnows) {
    struct Case {
        const char* name;
        const char* firstLines; // the title and the first row
    };
    const Case cases[] = {
        {"Betelgeuse", "Star\nHR number: 2061\n"},
        {"alpha Ori", "Star\nHR number: 2061\n"},
        {"58 Ori", "Star\nHR number: 2061\n"},
        {"Andromeda Galaxy", "Deep sky object\nCatalog number M 31\n"},
        {"NGC 224", "Deep sky object\nCatalog number M 31\n"},
        {"Double Cluster", "Deep sky object\nCatalog number NGC 869\n"},
        {"jupiter", "Jupiter\nRight ascension: "},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Run({c.name, "--date", "2024-03-20T20:00"}), 0) << c.name << err.str();
        EXPECT_EQ(out.str().rfind(c.firstLines, 0), 0u) << c.name << "\n" << out.str();
        EXPECT_NE(out.str().find("\nRise: "), std::string::npos) << c.name;
        EXPECT_NE(out.str().find("\nCulmination: "), std::string::npos) << c.name;
        EXPECT_NE(out.str().find("\nSet: "), std::string::npos) << c.name;
    }
    // A constellation: its full name and where the chart centres on it (Orion: 5.5 h, +5°).
    ASSERT_EQ(Run({"ori"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Orion\nRight ascension: 5h 30'  0.0\"\nDeclination: 5\u00B0 0' 0\"\n");
    EXPECT_EQ(Run({"Not A Star"}), 2);
    EXPECT_TRUE(out.str().empty());
    // A number form that names nothing keeps its own message.
    EXPECT_EQ(Run({"NGC 1"}), 2);
    EXPECT_NE(err.str().find("NGC 1 is not in the catalogue"), std::string::npos) << err.str();
}

} // namespace
