#include "settings/Profile.h"

#include "astro/Angles.h"

#include <gtest/gtest.h>

#include "TempFiles.h"

#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

AppSettings FromText(const std::string& text) {
    AppSettings s;
    LoadSettingsFromText(s, text);
    return s;
}

// The text SaveProfile writes over `oldText` when the recent list is the one read from it.
std::string Rewritten(const AppSettings& s, const std::string& oldText) {
    return ProfileToText(s, RecentFilesFromText(oldText), oldText);
}

TEST(Profile, FirstRunWithoutProfileGivesTheDefaults) {
    TempDir dir;
    AppSettings s;
    ASSERT_TRUE(LoadSettings(s, dir.path() / "missing" / "nocta.ini"));
    EXPECT_EQ(s.HorizonView, 0);
    EXPECT_EQ(s.Level, 2);
    EXPECT_EQ(s.TurnX, 18.0);
    EXPECT_EQ(s.TurnY, 0);
    EXPECT_EQ(s.b, 0.0f);
    const int switches[] = {s.Coordinations, s.Boundaries,   s.Constelations, s.DeepSky,
                            s.StarNames,     s.DeepSkyNames, s.Ecliptic,      s.Horizon,
                            s.MilkyWay,      s.SolarSystem,  s.SolSysLabels};
    const int expected[] = {0, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1};
    for (std::size_t i = 0; i < std::size(switches); ++i) {
        EXPECT_EQ(switches[i], expected[i]) << "switch " << i;
    }
    EXPECT_EQ(StarLimitFromCode(s.StarLimit), 7.5);
    EXPECT_EQ(DeepSkyLimitFromCode(s.DeepSkyLimit), 11.0);
    EXPECT_EQ(s.AutoMode, 0);
    EXPECT_EQ(s.ColoredStars, 1);
    EXPECT_EQ(s.ColoredSky, 0);
    EXPECT_EQ(s.NightVision, 0);
    EXPECT_EQ(s.PrecisePositions, 1);
    EXPECT_EQ(s.Observer.Location, "Poland:Krakow");
    EXPECT_EQ(s.Observer.LongDeg, 19);
    EXPECT_EQ(s.Observer.LongMin, 55);
    EXPECT_EQ(s.Observer.EW, "E");
    EXPECT_EQ(s.Observer.LatDeg, 50);
    EXPECT_EQ(s.Observer.LatMin, 2);
    EXPECT_EQ(s.Observer.NS, "N");
    EXPECT_EQ(s.Observer.TimeZone, 1.0f);
    // INDI's own server address; no mount chosen.
    EXPECT_EQ(s.TelescopeHost, "localhost");
    EXPECT_EQ(s.TelescopePort, 7624);
    EXPECT_EQ(s.TelescopeDevice, "");
    EXPECT_TRUE(s.ProgramDir.empty());
    EXPECT_EQ(s, DefaultSettings());
    // Only a missing key takes the precise model: a profile's own choice stays.
    EXPECT_EQ(FromText("[Settings]\nPrecisePositions=0\n").PrecisePositions, 0);
}

TEST(Profile, LimitCodesRoundTrip) {
    struct Case {
        double limit;
        int code;
        double readBack;
    };
    const Case stars[] = {{6.0, 10, 6.0}, {7.5, 11, 7.5}, {9.0, 11, 7.5},
                          {6.5, 11, 7.5}, {1.0, 0, 1.0},  {2.5, 3, 2.5}};
    for (const Case& c : stars) {
        EXPECT_EQ(StarLimitToCode(c.limit), c.code) << c.limit;
        EXPECT_EQ(StarLimitFromCode(c.code), c.readBack) << c.limit;
    }
    // The dialog stores its last slider position as 13: every star, like 11.
    EXPECT_EQ(StarLimitFromCode(13), 7.5);
    // With the faint stars on, limits past every bright star keep their own codes, and the
    // profile keeps those codes only then.
    const Case faint[] = {
        {7.5, 11, 7.5}, {8.0, 14, 8.0}, {9.5, 17, 9.5}, {12.0, 22, 12.0}, {14.0, 22, 12.0}};
    for (const Case& c : faint) {
        EXPECT_EQ(StarLimitToCode(c.limit, true), c.code) << c.limit;
        EXPECT_EQ(StarLimitFromCode(c.code), c.readBack) << c.limit;
    }
    for (const int faintStars : {0, 1}) {
        AppSettings s = DefaultSettings();
        s.FaintStars = faintStars;
        s.StarLimit = 22;
        ClampSettings(s);
        EXPECT_EQ(s.StarLimit, faintStars ? 22 : kStarLimitCodeMax);
    }
    const Case deepSky[] = {{9.0, 3, 9.0}, {6.0, 0, 6.0}, {13.0, 7, 13.0}, {8.5, 2, 8.0}};
    for (const Case& c : deepSky) {
        EXPECT_EQ(DeepSkyLimitToCode(c.limit), c.code) << c.limit;
        EXPECT_EQ(DeepSkyLimitFromCode(c.code), c.readBack) << c.limit;
    }
}

TEST(Profile, NumberTexts) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"  6.50", 6.5}, {"18", 18.0},   {"-3.25", -3.25}, {"+2", 2.0},
        {"6.5abc", 6.5}, {"abc", 0.0},   {"", 0.0},        {"nan", 0.0},
        {"inf", 0.0},    {"1e999", 0.0}, {"\t-0.5", -0.5}, {"1,5", 1.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseProfileNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_EQ(FormatProfileNumber(18.0, 2), "18.00");
    EXPECT_EQ(FormatProfileNumber(0.0, 4), "0.0000");
    EXPECT_EQ(FormatProfileNumber(1.0, 1), " 1.0");
    EXPECT_EQ(FormatProfileNumber(-5.5, 1), "-5.5");
    EXPECT_EQ(FormatProfileNumber(2.54, 1), " 2.5");
    EXPECT_EQ(FormatProfileNumber(1234.567, 1), "1234.6");
}

TEST(Profile, NumberTextsAreTheProgramsFixedPointTexts) {
    // The profile writes its own locale-free copy of FormatFixed; both must give the same text.
    struct Case {
        double value;
        int decimals;
    };
    const Case cases[] = {{18.0, 2},   {-23.999, 2}, {0.125, 2},    {6.5, 2},
                          {0.0, 4},    {-5.0f, 4},   {14.99999, 4}, {1.0, 1},
                          {-12.25, 1}, {0.05, 1},    {1e12, 2},     {-0.0, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(FormatProfileNumber(c.value, c.decimals), FormatFixed(c.value, c.decimals))
            << c.value << " with " << c.decimals << " decimals";
    }
}

TEST(Profile, TurnXTextsAsTheProfileHoldsThem) {
    EXPECT_EQ(FromText("[Settings]\nTurnX=\"  6.50\"\n").TurnX, 6.5);
    EXPECT_EQ(FromText("[Settings]\nTurnX=  6.50\n").TurnX, 6.5);
    EXPECT_EQ(FromText("[Settings]\nTurnX=east\n").TurnX, 0.0);
    EXPECT_EQ(FromText("[Settings]\nTurnX=nan\nb=inf\n").b, 0.0f);
}

TEST(Profile, OutOfRangeValuesAreBroughtIntoRange) {
    const AppSettings s = FromText("[Settings]\n"
                                   "HorizonView=7\nLevel=40\nTurnX=30.5\nTurnY=-200\n"
                                   "Boundaries=5\nDeepSky=-1\nStarLimit=13\nDeepSkyLimit=99\n"
                                   "AutoMode=2\nb=-20\nNightVision=3\n"
                                   "[Location]\nTimeZone=nan\nLongDeg=-5\nLongMin=75\n"
                                   "LatDeg=-95\nLatMin=-1\n[Telescope]\nHost= \nPort=70000\n");
    EXPECT_EQ(s.TelescopeHost, "localhost");
    EXPECT_EQ(s.TelescopePort, 7624);
    EXPECT_EQ(s.HorizonView, 1);
    EXPECT_EQ(s.Level, 11);
    EXPECT_DOUBLE_EQ(s.TurnX, 6.5); // one whole turn less: the same chart
    EXPECT_EQ(s.TurnY, -90);
    EXPECT_EQ(s.Boundaries, 1);
    EXPECT_EQ(s.DeepSky, 1);
    EXPECT_EQ(s.StarLimit, 11);
    EXPECT_EQ(s.DeepSkyLimit, 7);
    EXPECT_EQ(s.AutoMode, 1);
    EXPECT_FLOAT_EQ(s.b, -5.0f);
    EXPECT_EQ(s.NightVision, 1);
    EXPECT_EQ(s.Observer.TimeZone, 0.0f);
    EXPECT_EQ(s.Observer.LongDeg, 0);
    EXPECT_EQ(s.Observer.LongMin, 59);
    EXPECT_EQ(s.Observer.LatDeg, -90);
    EXPECT_EQ(s.Observer.LatMin, 0);

    const AppSettings low = FromText("[Settings]\nLevel=-3\nTurnY=91\nStarLimit=-4\n"
                                     "DeepSkyLimit=-1\nTurnX=-24\n[Location]\nTimeZone=99\n");
    EXPECT_EQ(low.Level, 0);
    EXPECT_EQ(low.TurnY, 90);
    EXPECT_EQ(low.StarLimit, 0);
    EXPECT_EQ(low.DeepSkyLimit, 0);
    EXPECT_GT(low.TurnX, -24.0);
    EXPECT_EQ(low.Observer.TimeZone, 14.0f);
}

TEST(Profile, IntegerTexts) {
    // Not a number: the key's default. Beyond 32 bits: held at the end, then clamped.
    const AppSettings s = FromText("[Settings]\nLevel=x\nTurnY= 45 degrees\nDeepSkyLimit=+3\n"
                                   "[Location]\nLongDeg=99999999999999\n");
    EXPECT_EQ(s.Level, 2);
    EXPECT_EQ(s.TurnY, 45);
    EXPECT_EQ(s.DeepSkyLimit, 3);
    EXPECT_EQ(s.Observer.LongDeg, 180);
}

TEST(Profile, WrittenFileHasEveryKeyInOrderAndTheProfilesNumberForms) {
    TempDir dir;
    const fs::path path = dir.path() / "sub" / "dir" / "nocta.ini";
    ASSERT_TRUE(SaveProfile(path, DefaultSettings(), {})); // creates the folders
    const std::string text = ReadFile(path);
    const char* const order[] = {
        "[Settings]",
        "HorizonView=0",
        "Level=2",
        "TurnX=18.00",
        "TurnY=0",
        "Coordinations=0",
        "Boundaries=1",
        "Constelations=0",
        "DeepSky=1",
        "StarNames=0",
        "DeepSkyNames=1",
        "Ecliptic=1",
        "Horizon=1",
        "MilkyWay=1",
        "SolarSystem=1",
        "SolSysLabels=1",
        "StarLimit=11",
        "DeepSkyLimit=5",
        "ColoredStars=1",
        "ColoredSky=0",
        "AutoMode=0",
        "b=0.0000",
        "NightVision=0",
        "[Location]",
        "Location=Poland:Krakow",
        "LongDeg=19",
        "LongMin=55",
        "EW=E",
        "LatDeg=50",
        "LatMin=2",
        "NS=N",
        "TimeZone= 1.0", // the profile's own text form, unquoted
        "[Telescope]",
        "Host=localhost",
        "Port=7624",
    };
    std::size_t at = 0;
    for (const char* line : order) {
        const std::size_t found = text.find(std::string(line) + "\n", at);
        ASSERT_NE(found, std::string::npos) << line << " missing or out of order in\n" << text;
        at = found;
    }
    AppSettings back;
    ASSERT_TRUE(LoadSettings(back, path));
    EXPECT_EQ(back, DefaultSettings());
}

TEST(Profile, RoundTripOfChangedSettings) {
    TempDir dir;
    const fs::path path = dir.path() / "nocta.ini";
    AppSettings s = DefaultSettings();
    s.HorizonView = 1;
    s.Level = 7;
    s.TurnX = -6.5;
    s.TurnY = -35;
    s.b = 10.0f;
    s.StarNames = 1;
    s.StarLimit = StarLimitToCode(6.0);
    s.DeepSkyLimit = DeepSkyLimitToCode(9.0);
    s.NightVision = 1;
    s.Observer = {"Chile: Santiago de Chile", 70, 40, "W", 33, 27, "S", -4.0f};
    s.TelescopeHost = "mount.local";
    s.TelescopePort = 7625;
    s.TelescopeDevice = "EQMod Mount";
    ASSERT_TRUE(SaveProfile(path, s, {}));
    AppSettings back;
    ASSERT_TRUE(LoadSettings(back, path));
    EXPECT_EQ(back, s);
    EXPECT_EQ(StarLimitFromCode(back.StarLimit), 6.0);
    EXPECT_EQ(DeepSkyLimitFromCode(back.DeepSkyLimit), 9.0);
}

// EW=X was shown as "180°00'X" and computed as west: only E/W and N/S (either case) are read;
// any other value gives the default letter and a warning naming the key and the value.
TEST(Profile, HemisphereLettersOtherThanTheirTwoAreRefused) {
    struct Case {
        const char* location; // the [Location] lines
        const char* ew;
        const char* ns;
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"EW=w\nNS=s\n", "W", "S", {}},
        {"EW= E \nNS=N\n", "E", "N", {}},
        {"EW=X\nNS=S\n", "E", "S", {"the profile's EW=X is not E or W; E is used"}},
        {"EW=W\nNS=Q\n", "W", "N", {"the profile's NS=Q is not N or S; N is used"}},
        {"EW=East\nNS=\n",
         "E",
         "N",
         {"the profile's EW=East is not E or W; E is used",
          "the profile's NS= is not N or S; N is used"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const fs::path path = dir.path() / "nocta.ini";
        WriteFile(path, std::string("[Location]\n") + c.location);
        AppSettings s;
        std::vector<std::string> recent;
        const ProfileResult loaded = LoadProfile(path, s, recent);
        EXPECT_TRUE(loaded) << c.location;
        EXPECT_EQ(s.Observer.EW, c.ew) << c.location;
        EXPECT_EQ(s.Observer.NS, c.ns) << c.location;
        EXPECT_EQ(loaded.warnings, c.warnings) << c.location;
    }
}

TEST(Profile, SavingKeepsTheRecentFileListAndForeignKeys) {
    TempDir dir;
    const fs::path path = dir.path() / "nocta.ini";
    WriteFile(path, "[Recent File List]\nFile1=/home/me/m31 picture.jpg\nFile2=/tmp/x.png\n"
                    "[Settings]\nPreviewPages=2\nLevel=5\n");
    AppSettings s;
    std::vector<std::string> recent; // read at start, written back at exit
    ASSERT_TRUE(LoadProfile(path, s, recent));
    s.Level = 9;
    ASSERT_TRUE(SaveProfile(path, s, recent));
    const std::string text = ReadFile(path);
    EXPECT_LT(text.find("[Settings]"), text.find("[Location]"));
    EXPECT_NE(text.find("Level=9\n"), std::string::npos);
    EXPECT_EQ(text.find("Level=5"), std::string::npos);
    EXPECT_NE(text.find("PreviewPages=2\n"), std::string::npos);
    EXPECT_NE(text.find("File1=/home/me/m31 picture.jpg\n"), std::string::npos);
    EXPECT_NE(text.find("File2=/tmp/x.png\n"), std::string::npos);
    // No temporary file is left beside the profile.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(Profile, FailedWriteIsReportedAndLeavesTheOldFileWhole) {
    TempDir dir;
    const fs::path path = dir.path() / "nocta.ini";
    const std::string old = "[Settings]\nLevel=5\n";
    WriteFile(path, old);
    // A file-size limit below the profile's size makes the write fail half-way, as a full disk
    // would (even for root).
    constexpr rlim_t kLimitBytes = 100;
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = kLimitBytes;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const ProfileResult result = SaveProfile(path, DefaultSettings(), {});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("nocta.ini"), std::string::npos) << result.error;
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << "the temporary file is removed";
}

TEST(Profile, WriteBelowAFileIsReported) {
    TempDir dir;
    WriteFile(dir.path() / "plain", "not a folder");
    const ProfileResult result =
        SaveProfile(dir.path() / "plain" / "nocta.ini", DefaultSettings(), {});
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.empty());
}

TEST(Profile, ProfileThatIsNoFileGivesDefaultsAndAnErrorAndIsLeftAlone) {
    TempDir dir;
    const fs::path path = dir.path() / "nocta.ini";
    fs::create_directory(path);
    WriteFile(path / "keep", "x");
    AppSettings s;
    EXPECT_FALSE(LoadSettings(s, path));
    EXPECT_EQ(s, DefaultSettings());
    EXPECT_FALSE(SaveProfile(path, DefaultSettings(), {}));
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(ReadFile(path / "keep"), "x");
}

TEST(Profile, OversizedFileIsNotAProfile) {
    TempDir dir;
    const fs::path path = dir.path() / "nocta.ini";
    const std::string huge = "[Settings]\nLevel=5\n" + std::string(100000, '#') + "\n";
    WriteFile(path, huge);
    AppSettings s;
    EXPECT_FALSE(LoadSettings(s, path));
    EXPECT_EQ(s, DefaultSettings());
    EXPECT_FALSE(SaveProfile(path, s, {}));
    EXPECT_EQ(ReadFile(path), huge);
}

TEST(Profile, DamagedLinesAreDroppedAndTheRestIsKept) {
    const std::string text = "[Settings]\n=broken\nLevel=4\nno equals sign\n[Location\n"
                             "[Recent File List]\nFile/=/tmp/a.jpg\nFile1=/tmp/b.jpg\n";
    const AppSettings s = FromText(text);
    const std::string written = Rewritten(s, text);
    EXPECT_EQ(s.Level, 4);
    EXPECT_NE(written.find("File1=/tmp/b.jpg\n"), std::string::npos);
    EXPECT_EQ(FromText(written), s);
}

TEST(Profile, DefaultPathFollowsXdgConfigHome) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = oldXdg ? oldXdg : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(DefaultProfilePath(), fs::path("/tmp/cfg/vesperanova/nocta.ini"));
    setenv("XDG_CONFIG_HOME", "relative/dir", 1); // not absolute: ignored
    const char* home = std::getenv("HOME");
    if (home != nullptr) {
        EXPECT_EQ(DefaultProfilePath(), fs::path(home) / ".config/vesperanova/nocta.ini");
    }
    if (oldXdg) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

TEST(Profile, PlaceNamesKeepTheirText) {
    AppSettings s = DefaultSettings();
    s.Observer.Location = "  Polska: Kraków $HOME \\ \"x\"";
    const AppSettings back = FromText(Rewritten(s, ""));
    EXPECT_EQ(back.Observer.Location, s.Observer.Location);
}

TEST(ProfileFacade, TextFormsAreReadLineByLineWithoutEscapesOrQuotes) {
    // Hand-edited and damaged profiles: repeated sections and keys (the last wins), blanks at
    // the ends of values, backslashes, a Latin-1 byte on one line, lines ending in CR LF.
    const std::string text = "[Settings]\nLevel=3\n[Location]\nEW=W \nNS=\xfc\r\n"
                             "Location=C:\\new \xc3\xbc\r\n[Settings]\nLevel=6\nLevel = 7\n"
                             "TimeZone=5\n[Location]\nTimeZone= -3.5\n";
    const AppSettings s = FromText(text);
    EXPECT_EQ(s.Level, 7);
    EXPECT_EQ(s.Observer.EW, "W");
    EXPECT_EQ(s.Observer.NS, "N"); // the bad byte costs only its own value: the default
    EXPECT_EQ(s.Observer.Location, "C:\\new \xc3\xbc");
    EXPECT_EQ(s.Observer.TimeZone, -3.5f);

    const std::string written = Rewritten(s, text);
    EXPECT_NE(written.find("Location=C:\\new \xc3\xbc\n"), std::string::npos) << written;
    EXPECT_NE(written.find("TimeZone=-3.5\n"), std::string::npos) << written;
    EXPECT_NE(written.find("TimeZone=5\n"), std::string::npos) << "a foreign key of [Settings]";
    EXPECT_EQ(written.find("[Settings]", 1), std::string::npos) << "one section of each name";
    EXPECT_EQ(written.find('\xfc'), std::string::npos);
    EXPECT_EQ(FromText(written), s);
}

TEST(ProfileFacade, DegreesAndMinutesAreClampedAsOneAngle) {
    // The location dialog and --lat/--lon refuse 90 degrees 1 minute and 180 degrees 1 minute.
    const AppSettings s = FromText("[Location]\nLatDeg=90\nLatMin=59\nLongDeg=181\nLongMin=30\n");
    EXPECT_EQ(s.Observer.LatDeg, 90);
    EXPECT_EQ(s.Observer.LatMin, 0);
    EXPECT_EQ(s.Observer.LongDeg, 180);
    EXPECT_EQ(s.Observer.LongMin, 0);
    EXPECT_EQ(FromText("[Location]\nLatDeg=-95\nLatMin=20\n").Observer.LatMin, 0);
    EXPECT_EQ(FromText("[Location]\nLatDeg=89\nLatMin=59\n").Observer.LatMin, 59);
}

TEST(ProfileFacade, SettingsAndRecentFilesAreWrittenTogetherInOneFile) {
    TempDir dir;
    const fs::path path = dir.path() / "new" / "nocta.ini";
    AppSettings s = DefaultSettings();
    s.Level = 8;
    const std::vector<std::string> recent = {
        " lead.jpg", "C:\\pics\\M31.gif", "Z\xfcrich.jpg", "line\nbreak.jpg", "/a.jpg", "/b.jpg",
        "/c.jpg"};
    ASSERT_TRUE(SaveProfile(path, s, recent));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "a new profile is private";
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()),
              1);

    AppSettings back;
    std::vector<std::string> recentBack;
    ASSERT_TRUE(LoadProfile(path, back, recentBack));
    EXPECT_EQ(back, s);
    // Paths a line of UTF-8 cannot hold are not remembered; four entries at most.
    EXPECT_EQ(recentBack,
              (std::vector<std::string>{" lead.jpg", "C:\\pics\\M31.gif", "/a.jpg", "/b.jpg"}));
    const std::string text = ReadFile(path);
    EXPECT_LT(text.find("[Location]"), text.find("[Recent File List]\nFile1=\" lead.jpg\"\n"));

    // An existing profile keeps its mode; a profile that is a link is written where it points.
    ::chmod(path.c_str(), 0640);
    const fs::path link = dir.path() / "link.ini";
    fs::create_symlink(path, link);
    s.Level = 9;
    ASSERT_TRUE(SaveProfile(link, s, {}));
    EXPECT_TRUE(fs::is_symlink(link));
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    ASSERT_TRUE(LoadProfile(path, back, recentBack));
    EXPECT_EQ(back.Level, 9);
    EXPECT_TRUE(recentBack.empty());
}

TEST(ProfileFacade, ProfilesThatCannotBeReadGiveDefaultsAndAnErrorAndAreLeftAlone) {
    TempDir dir;
    const fs::path fifo = dir.path() / "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& path : {fs::path("/proc/self/mem"), fifo}) {
        AppSettings s;
        std::vector<std::string> recent;
        const ProfileResult read = LoadProfile(path, s, recent);
        EXPECT_FALSE(read) << path;
        EXPECT_NE(read.error.find(path.string()), std::string::npos) << read.error;
        EXPECT_EQ(s, DefaultSettings());
        EXPECT_FALSE(SaveProfile(path, s, recent)) << path;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(ProfileFacade, OtherSectionsAreKeptAsTheyAreExceptTheOldRecentListHeader) {
    // Found by the profile fuzz target: a header full of backslashes changed at every write.
    // Keys of other sections are written as they were read, quotes included.
    const std::string text =
        "[a\\\\\\ b]\nx=1\ny= \" q \" \n[Recent\\ File\\ List]\nFile1=/m31.jpg\n";
    const std::string once = Rewritten(DefaultSettings(), text);
    EXPECT_NE(once.find("[a\\\\\\ b]\nx=1\ny=\" q \"\n"), std::string::npos) << once;
    EXPECT_EQ(Rewritten(DefaultSettings(), once), once);
    EXPECT_EQ(RecentFilesFromText(text), std::vector<std::string>{"/m31.jpg"});
}

} // namespace
