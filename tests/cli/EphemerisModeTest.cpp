#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "astro/Ephemeris.h"
#include "cli/EphemerisMode.h"

namespace {

// 2031-07-14 19:05 UT.
const ClockInstant kNow = std::chrono::sys_days{std::chrono::year{2031} / 7 / 14} +
                          std::chrono::hours{19} + std::chrono::minutes{5};

std::string ProfileArg() {
    const auto dir = std::filesystem::temp_directory_path() / "vn_ephemeris_mode";
    std::filesystem::create_directories(dir);
    return (dir / "absent.ini").string();
}

struct ModeRun {
    int status;
    std::string out;
    std::string err;
};

ModeRun RunMode(std::vector<std::string> args) {
    args.push_back("--profile");
    args.push_back(ProfileArg());
    std::ostringstream out, err;
    const int status = RunEphemerisMode(args, out, err, kNow);
    return {status, out.str(), err.str()};
}

// The number that follows `"key": ` in the text, read back with strtod.
double NumberAfter(const std::string& text, const std::string& key, std::size_t from = 0) {
    const std::size_t at = text.find("\"" + key + "\": ", from);
    EXPECT_NE(at, std::string::npos) << key;
    return std::strtod(text.c_str() + at + key.size() + 4, nullptr);
}

TEST(EphemerisMode, JsonNumbersReadBackExactly) {
    const ModeRun run = RunMode({"--json", "--date", "2000-01-01T12:00", "--zone", "0"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const EphemerisReport report =
        ComputeEphemerisReport({2000, 1, 1, 12, 0, 0}, {"x", 19, 55, "E", 50, 2, "N", 0.0f});
    EXPECT_EQ(NumberAfter(run.out, "jd"), 2451545.0);
    EXPECT_EQ(NumberAfter(run.out, "gst"), report.sky.m_dGST);
    EXPECT_EQ(NumberAfter(run.out, "lst"), report.sky.m_dLST);
    EXPECT_EQ(NumberAfter(run.out, "longitude"), report.sky.m_dLongitude);
    // Bodies in order; the Moon's and Pluto's numbers are exact.
    const std::size_t moon = run.out.find("\"name\": \"Moon\"");
    const std::size_t sun = run.out.find("\"name\": \"Sun\"");
    const std::size_t pluto = run.out.find("\"name\": \"Pluto\"");
    ASSERT_LT(moon, sun);
    ASSERT_LT(sun, pluto);
    ASSERT_NE(pluto, std::string::npos);
    EXPECT_EQ(NumberAfter(run.out, "ra", moon), report.sky.m_bodies[kBodyMoon].ra);
    EXPECT_EQ(NumberAfter(run.out, "distance", pluto),
              report.sky.m_bodies[kBodyPluto].earthDistanceAu);
    EXPECT_EQ(NumberAfter(run.out, "aux", sun), 0.0);
}

TEST(EphemerisMode, TableListsTheTenBodies) {
    const ModeRun run =
        RunMode({"--date", "2024-03-10T20:30", "--lon", "0:07W", "--lat", "51:30N"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::size_t last = 0;
    for (const char* name : kBodyNames) {
        const std::size_t at = run.out.find(std::string("\n") + name + " ");
        ASSERT_NE(at, std::string::npos) << name;
        EXPECT_GT(at, last) << name;
        last = at;
    }
    EXPECT_NE(run.out.find("2024-03-10 20:30:00"), std::string::npos);
    EXPECT_NE(run.out.find(" km\n"), std::string::npos); // the Moon's distance
}

TEST(EphemerisMode, BadArgumentsExitWithStatusTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--bogus"}, {"--lat", "95:00N"}, {"stray"}, {"--zone"}}) {
        const ModeRun run = RunMode(args);
        EXPECT_EQ(run.status, 2) << args.front();
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(run.err.find("vesperanova: "), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err; // one line
    }
}

} // namespace
