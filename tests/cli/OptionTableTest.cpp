// The option table: its rows, the matching of one argument, and the usage texts made from it.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/OptionTable.h"

namespace {

// The options a text names ("--date", "--help"), in a set.
std::set<std::string> OptionsNamedIn(const std::string& text) {
    static const std::regex option("--[a-z][a-z-]*");
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it) {
        names.insert(it->str());
    }
    return names;
}

TEST(OptionTable, NamesAreUniqueAndEveryOptionHasAMode) {
    std::set<std::string> seen;
    for (const OptionRow& row : kOptionTable) {
        EXPECT_TRUE(row.name.starts_with("--")) << row.name;
        EXPECT_TRUE(seen.insert(std::string(row.name)).second) << row.name;
        if (!row.alias.empty()) {
            EXPECT_TRUE(seen.insert(std::string(row.alias)).second) << row.alias;
        }
        EXPECT_NE(row.modes & kEveryMode, 0u) << row.name;
        EXPECT_FALSE(row.help.empty() || row.help.ends_with(".")) << row.name;
    }
}

TEST(OptionTable, MatchesBothFormsFlagsOnlyWhole) {
    struct Case {
        std::vector<std::string> args;
        ModeSet modes;
        const char* row; // nullptr: no match
        std::optional<std::string> value;
        std::size_t next; // the index after the match
    } cases[] = {
        {{"--date", "2026-01-01T00:00"}, kConsoleModes, "--date", "2026-01-01T00:00", 1},
        {{"--date=2026-01-01T00:00"}, kConsoleModes, "--date", "2026-01-01T00:00", 0},
        {{"--date="}, kConsoleModes, "--date", "", 0},
        {{"--date"}, kConsoleModes, "--date", std::nullopt, 0},              // the value is missing
        {{"--size", "--print"}, Only(Mode::Render), "--size", "--print", 1}, // taken as it is
        {{"--precise"}, kConsoleModes, "--precise", std::nullopt, 0},
        {{"--precise=1"}, kConsoleModes, nullptr, std::nullopt, 0}, // a flag takes no value
        {{"--dates"}, kConsoleModes, nullptr, std::nullopt, 0},
        {{"--json"}, Only(Mode::Render), nullptr, std::nullopt, 0}, // --ephemeris's only
        {{"-h"}, Only(Mode::Info), "--help", std::nullopt, 0},
        {{"--display", ":1"}, Only(Mode::Desktop), "--display", ":1", 1},
    };
    for (const Case& c : cases) {
        std::size_t i = 0;
        const OptionMatch match = MatchOption(
            c.args, i, c.modes,
            {OptionKind::General, OptionKind::Chart, OptionKind::Own, OptionKind::Toolkit});
        const std::string what = c.args.front();
        if (!c.row) {
            EXPECT_EQ(match.row, nullptr) << what;
            continue;
        }
        ASSERT_NE(match.row, nullptr) << what;
        EXPECT_EQ(match.row->name, c.row) << what;
        EXPECT_EQ(match.value, c.value) << what;
        EXPECT_EQ(i, c.next) << what;
    }
}

// Each mode's usage line names every option the mode takes and no other; every line of every
// usage text fits 100 columns.
TEST(OptionTable, UsageTextsNameEachModesOptionsWithinOneHundredColumns) {
    const std::string about(300, 'x'); // one word longer than a line stands alone
    for (const Mode mode : {Mode::Ephemeris, Mode::Render, Mode::Info}) {
        const std::string usage = ModeUsage(mode, "Draws. " + about);
        const std::string synopsis = usage.substr(0, usage.find("\nDraws."));
        std::set<std::string> inSynopsis;
        std::set<std::string> listed = {"--help"};
        for (const OptionRow& row : kOptionTable) {
            if (!Takes(row.modes, mode)) {
                continue;
            }
            if (row.kind == OptionKind::Chart || row.kind == OptionKind::Own) {
                inSynopsis.insert(std::string(row.name));
                listed.insert(std::string(row.name));
            } else if (row.kind == OptionKind::ModeChoice) {
                inSynopsis.insert(std::string(row.name));
            }
        }
        EXPECT_EQ(OptionsNamedIn(synopsis), inSynopsis) << synopsis;
        EXPECT_EQ(OptionsNamedIn(usage.substr(usage.find("\nOptions:"))), listed) << usage;
        std::istringstream lines(usage);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_TRUE(line.size() <= 100 || line == about) << line;
        }
    }
    const std::string general = GeneralUsage();
    std::set<std::string> every;
    for (const OptionRow& row : kOptionTable) {
        every.insert(std::string(row.name));
    }
    EXPECT_EQ(OptionsNamedIn(general), every);
    std::istringstream lines(general);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 100u) << line;
    }
}

} // namespace
