// The zone files of the system's database, checked before the date library reads them: damaged
// copies in a folder of the test's own (the library itself reads only the system's folder).
#include <gtest/gtest.h>

#include "astro/ClockTime.h"
#include "astro/ZoneFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kSystemRoot = "/usr/share/zoneinfo";

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// RFC 8536 section 3.1: the six counts follow the 20 bytes of magic, version and reserve.
constexpr std::size_t kTypeCountAt = 20 + 4 * 4;

// A copy of the database's folder with Europe/Warsaw replaced, set as the checked root for the
// test's life.
class DamagedDatabase {
public:
    DamagedDatabase() {
        std::string pattern = (fs::temp_directory_path() / "vn-zones-XXXXXX").string();
        m_root = mkdtemp(pattern.data());
        fs::create_directories(m_root / "Europe");
        SetZoneDatabaseRoot(m_root);
    }
    ~DamagedDatabase() {
        SetZoneDatabaseRoot(kSystemRoot);
        fs::remove_all(m_root);
    }
    DamagedDatabase(const DamagedDatabase&) = delete;
    DamagedDatabase& operator=(const DamagedDatabase&) = delete;
    fs::path Warsaw() const { return m_root / "Europe" / "Warsaw"; }
    void WriteWarsaw(const std::string& bytes) const {
        std::ofstream(Warsaw(), std::ios::binary) << bytes;
    }

private:
    fs::path m_root;
};

// Krakow with its standard offset, +1 h, and its zone (placezones.tab).
Observer Krakow() {
    Observer krakow{"Poland:Krakow", 19, 55, "E", 50, 2, "N", 1.0f};
    krakow.TimeZoneName = "Europe/Warsaw";
    return krakow;
}

TEST(ZoneFiles, EveryFileOfTheSystemDatabasePasses) {
    // tzdata's own files, read by the date library every day: the check must refuse none.
    std::size_t checked = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSystemRoot)) {
        const std::string bytes = entry.is_regular_file() ? Bytes(entry.path()) : std::string();
        if (!bytes.starts_with("TZif")) {
            continue; // the tables (zone.tab, tzdata.zi, ...) are not zone files
        }
        EXPECT_EQ(ZoneFileProblem(bytes), std::nullopt) << entry.path();
        ++checked;
    }
    EXPECT_GT(checked, 300u);
}

TEST(ZoneFiles, DamagedCopiesAreRefused) {
    const std::string warsaw = Bytes(kSystemRoot / "Europe" / "Warsaw");
    ASSERT_TRUE(warsaw.starts_with("TZif2")) << "a version 2 file with its 32-bit block first";
    const auto with = [&](std::size_t at, char byte) {
        std::string copy = warsaw;
        copy[at] = byte;
        return copy;
    };
    struct Case {
        const char* name;
        std::string bytes;
        const char* problem;
    };
    const Case cases[] = {
        {"empty", "", "cut short in its header"},
        {"cut to 30 bytes", warsaw.substr(0, 30), "cut short in its header"},
        {"cut to 500 bytes", warsaw.substr(0, 500), "cut short"},
        {"cut by one byte", warsaw.substr(0, warsaw.size() - 1), "cut short"},
        {"not TZif", with(0, 'X'), "does not start as a zone file"},
        {"version 4", with(4, '4'), "version is not 1, 2 or 3"},
        {"no local time type", with(kTypeCountAt + 3, 0), "impossible counts"},
        // The first transition's type index, after the 32-bit transition times.
        {"index past the types", with(44 + 4 * 165, 99), "names a local time type it lacks"},
        {"times out of order", with(44, 0x7f), "out of order or out of range"},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> problem = ZoneFileProblem(c.bytes);
        ASSERT_TRUE(problem) << c.name;
        EXPECT_NE(problem->find(c.problem), std::string::npos) << c.name << ": " << *problem;
    }
}

TEST(ZoneFiles, AZoneThatCannotBeReadFallsBackToTheStandardOffset) {
    struct Case {
        const char* name;
        bool folder; // a folder in place of the file stands for a file that cannot be read
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"damaged", false, "TZif2 and then nothing", "cut short"},
        {"unreadable", true, "", "it is a folder"},
    };
    for (const Case& c : cases) {
        const DamagedDatabase database;
        if (c.folder) {
            fs::create_directory(database.Warsaw());
        } else {
            database.WriteWarsaw(c.bytes);
        }
        const Observer krakow = Krakow();
        const SkyDate july{2026, 7, 1, 12, 0};
        const UtcOffset offset = ObserverUtcOffset(july, ZoneOf(krakow));
        EXPECT_EQ(offset.hours, 1.0f) << c.name; // the standard offset, not summer time's 2
        EXPECT_TRUE(offset.zoneName.empty()) << c.name;
        EXPECT_FALSE(offset.unknownZone) << c.name;
        EXPECT_NE(offset.zoneProblem.find(c.reason), std::string::npos) << offset.zoneProblem;
        const std::string warning = ZoneFallbackWarning(offset, ZoneOf(krakow));
        EXPECT_TRUE(warning.starts_with("time zone Europe/Warsaw cannot be read from the "
                                        "system's database: " +
                                        database.Warsaw().string()))
            << warning;
        EXPECT_TRUE(warning.ends_with("; the standard offset +1.0 h is used")) << warning;
        // Every conversion takes the same offset.
        EXPECT_EQ(ObserverClockTime(ObserverInstant(july, ZoneOf(krakow)), ZoneOf(krakow)).hour, 12)
            << c.name;
        EXPECT_FALSE(IsUsableTimeZone("Europe/Warsaw")) << c.name;
    }
    // Once the root is back, the system's sound file gives summer time again.
    EXPECT_EQ(ObserverUtcOffset(SkyDate{2026, 7, 1, 12, 0}, ZoneOf(Krakow())).hours, 2.0f);
}

} // namespace
