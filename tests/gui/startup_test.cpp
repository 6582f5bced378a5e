// Start-up and exit: the command line, the catalogue that cannot be found, the profile written
// once at exit (and a failed write reported), the splash window.
#include "GuiTestEnvironment.h"

#include "app/DesktopSession.h"
#include "app/SplashWindow.h"
#include "app/StartupOptions.h"
#include "astro/ZoneFiles.h"
#include "catalog/Loaders.h"
#include "commandstate/CommandTable.h"
#include "settings/Profile.h"

#include <wx/icon.h>

#include <fstream>

namespace guitest {
namespace {

// The recent-picture list the profile holds.
std::vector<std::string> RecentIn(const std::filesystem::path& profile) {
    AppSettings settings;
    std::vector<std::string> recent;
    LoadProfile(profile, settings, recent);
    return recent;
}

struct OptionsCase {
    const char* name;
    std::vector<const char*> args;
    bool ok;
    std::string picture;
    bool splash;
    std::string profile;
};

class StartupOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(StartupOptionsTest, Parses) {
    const OptionsCase& c = GetParam();
    std::vector<const char*> argv = {"vesperanova"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const ParsedStartupOptions parsed =
        ParseStartupOptions(static_cast<int>(argv.size()), argv.data());
    ASSERT_EQ(parsed.options.has_value(), c.ok) << parsed.error;
    if (!c.ok) {
        EXPECT_FALSE(parsed.error.empty());
        return;
    }
    EXPECT_EQ(parsed.options->picture, c.picture);
    EXPECT_EQ(parsed.options->showSplash, c.splash);
    EXPECT_EQ(parsed.options->profilePath.string(), c.profile);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StartupOptionsTest,
    ::testing::Values(
        OptionsCase{"Plain", {}, true, "", true, ""},
        OptionsCase{"Picture", {"M31.JPG"}, true, "M31.JPG", true, ""},
        OptionsCase{"NoSplash", {"--no-splash"}, true, "", false, ""},
        OptionsCase{
            "Profile", {"--profile", "/tmp/a.ini", "x.gif"}, true, "x.gif", true, "/tmp/a.ini"},
        OptionsCase{"ProfileEquals", {"--profile=/tmp/b.ini"}, true, "", true, "/tmp/b.ini"},
        OptionsCase{"ToolkitOptionsSkipped", {"--display", ":3", "--sync"}, true, "", true, ""},
        OptionsCase{"DashDashPicture", {"--", "-odd.png"}, true, "-odd.png", true, ""},
        OptionsCase{"ProfileWithoutFile", {"--profile"}, false, "", true, ""},
        OptionsCase{"UnknownOption", {"--fullscreen"}, false, "", true, ""},
        OptionsCase{"TwoPictures", {"a.jpg", "b.jpg"}, false, "", true, ""}),
    [](const ::testing::TestParamInfo<OptionsCase>& info) { return info.param.name; });

// A data directory holding the catalogue files except `missing`.
std::filesystem::path DataWithout(const std::string& missing) {
    const std::filesystem::path directory = FreshDirectory("data-without-" + missing);
    for (const CatalogFile file : kCatalogLoadOrder) {
        const std::string name(CatalogFileName(file));
        if (name != missing) {
            std::filesystem::copy_file(std::filesystem::path(VN_SOURCE_DATA_DIR) / name,
                                       directory / name);
        }
    }
    return directory;
}

// Runs `body` with an empty working directory, so only the data directory given is searched.
template <typename Body> void InEmptyWorkingDirectory(Body body) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(FreshDirectory("empty-cwd"));
    body();
    std::filesystem::current_path(previous);
}

TEST(StartupTest, MissingCatalogueStopsWithItsMessageAndWritesNoProfile) {
    MessageRecorder messages;
    const std::filesystem::path profile = FreshDirectory("missing-profile") / "nocta.ini";
    DesktopSession session;
    StartupOptions options;
    options.showSplash = false;
    options.profilePath = profile;
    options.programDir = DataWithout("messier.bin").string();
    int status = kExitOk;
    InEmptyWorkingDirectory([&] { status = StartDesktop(session, options); });
    EXPECT_EQ(status, kExitMissingCatalogue);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Couldn't open file messier.bin !    ");
    EXPECT_NE(messages.Messages()[0].style & wxICON_STOP, 0);
    EXPECT_EQ(session.frame.get(), nullptr);
    EXPECT_TRUE(FinishDesktop(session));
    EXPECT_FALSE(std::filesystem::exists(profile));
}

TEST(StartupTest, ShortCatalogueFileIsNamedInOneMessageAndItsRecordsAreUsed) {
    MessageRecorder messages;
    const std::filesystem::path data = DataWithout("names.bin");
    std::ofstream(data / "names.bin", std::ios::binary) << std::string(40, '\0'); // one record
    DesktopSession session;
    StartupOptions options;
    options.showSplash = false;
    options.profilePath = FreshDirectory("short-profile") / "nocta.ini";
    options.programDir = data.string();
    int status = kExitMissingCatalogue;
    InEmptyWorkingDirectory([&] { status = StartDesktop(session, options); });
    EXPECT_EQ(status, kExitOk);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].text.find((data / "names.bin").string()), std::string::npos)
        << messages.Messages()[0].text;
    session.frame->Close();
    EXPECT_TRUE(FinishDesktop(session));
}

// The desktop program starts on a system whose zone file is damaged (the date library would
// abort) and says so once; a refused hemisphere letter of the profile is said once too.
TEST(StartupTest, DamagedZoneFileAndRefusedProfileValuesAreSaidOnce) {
    const std::filesystem::path data = DataWithout("");
    std::filesystem::copy_file(std::filesystem::path(VN_SOURCE_DATA_DIR) / "placezones.tab",
                               data / "placezones.tab");
    const std::filesystem::path zones = FreshDirectory("damaged-zones");
    std::filesystem::create_directories(zones / "Europe");
    std::ofstream(zones / "Europe" / "Warsaw", std::ios::binary) << "TZif2";
    struct Case {
        const char* name;
        std::string profileText; // empty: a first run
        bool damagedZone;
        const char* message;
    };
    const Case cases[] = {
        {"damaged zone, first run", "", true,
         "time zone Europe/Warsaw cannot be read from the system's database"},
        {"EW=X", "[Location]\nEW=X\nTimeZoneName=\n", false,
         "the profile's EW=X is not E or W; E is used"},
    };
    for (const Case& c : cases) {
        MessageRecorder messages;
        SetZoneDatabaseRoot(c.damagedZone ? zones : std::filesystem::path("/usr/share/zoneinfo"));
        DesktopSession session;
        StartupOptions options;
        options.showSplash = false;
        options.profilePath = FreshDirectory("zone-profile") / "nocta.ini";
        if (!c.profileText.empty()) {
            std::ofstream(options.profilePath) << c.profileText;
        }
        options.programDir = data.string();
        int status = kExitFailed;
        InEmptyWorkingDirectory([&] { status = StartDesktop(session, options); });
        SetZoneDatabaseRoot("/usr/share/zoneinfo");
        EXPECT_EQ(status, kExitOk) << c.name;
        ASSERT_EQ(messages.Messages().size(), 1u) << c.name;
        EXPECT_NE(messages.Messages()[0].text.find(c.message), std::string::npos)
            << messages.Messages()[0].text;
        EXPECT_NE(messages.Messages()[0].style & wxICON_EXCLAMATION, 0) << c.name;
        session.frame->Close();
        EXPECT_TRUE(FinishDesktop(session));
    }
    // The display the check opens is the one --display names.
    const char* args[] = {"vesperanova", "--display", ":3"};
    EXPECT_EQ(ParseStartupOptions(3, args).options->display, ":3");
}

TEST(StartupTest, ProfileIsWrittenOnceAtExitWithTheChangesOfTheRun) {
    const std::filesystem::path profile = FreshDirectory("exit-profile") / "nocta.ini";
    DesktopSession session;
    StartupOptions options;
    options.showSplash = false;
    options.profilePath = profile;
    ASSERT_EQ(StartDesktop(session, options), kExitOk);
    CMainFrame* frame = session.frame.get();
    ASSERT_NE(frame, nullptr);
    const int grid = frame->View().Chart().m_bCoordinations;
    wxCommandEvent toggle(wxEVT_MENU, cmd::LayerGrid);
    frame->GetEventHandler()->ProcessEvent(toggle);
    frame->AddRecentPicture("/pictures/Saturn.jpg");
    Pump(50);
    EXPECT_FALSE(std::filesystem::exists(profile)); // nothing is written during the run

    frame->Close();
    ASSERT_TRUE(FinishDesktop(session));
    AppSettings saved;
    ASSERT_TRUE(LoadSettings(saved, profile));
    EXPECT_EQ(saved.Coordinations, grid != 0 ? 0 : 1);
    EXPECT_EQ(RecentIn(profile), std::vector<std::string>{"/pictures/Saturn.jpg"});
    std::ifstream in(profile);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Recent File List]\nFile1=/pictures/Saturn.jpg\n"), std::string::npos);
    EXPECT_NE(text.find("[Settings]"), std::string::npos);
    EXPECT_NE(text.find("\nTimeZone= 1.0\n"), std::string::npos) << text;
    EXPECT_EQ(std::filesystem::status(profile).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
        << "a new profile is private";
}

TEST(RecentPictureListTest, OddPathsComeBackUnchangedAndOtherSectionsStay) {
    const std::filesystem::path profile = FreshDirectory("recent-list") / "nocta.ini";
    std::ofstream(profile) << "[Settings]\nLevel=4\n[Recent\\ File\\ List]\nFile1=/old.jpg\n";
    const std::vector<std::string> paths = {" lead and trail ", "back\\slash \"quoted\".gif",
                                            "/plain/M31.JPG"};
    AppSettings read;
    std::vector<std::string> old;
    ASSERT_TRUE(LoadProfile(profile, read, old));
    ASSERT_TRUE(SaveProfile(profile, read, paths));
    EXPECT_EQ(RecentIn(profile), paths);
    AppSettings settings;
    ASSERT_TRUE(LoadSettings(settings, profile));
    EXPECT_EQ(settings.Level, 4);
}

TEST(StartupTest, FailedProfileWriteIsReported) {
    MessageRecorder messages;
    // The profile's directory is a regular file, so the profile cannot be written.
    const std::filesystem::path blocker = FreshDirectory("blocked") / "not-a-directory";
    std::ofstream(blocker) << "x";
    DesktopSession session;
    StartupOptions options;
    options.showSplash = false;
    options.profilePath = blocker / "nocta.ini";
    ASSERT_EQ(StartDesktop(session, options), kExitOk);
    EXPECT_FALSE(FinishDesktop(session));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].text.find("could not be saved"), std::string::npos);
}

TEST(SplashWindowTest, ShowsOnlyWhenArmedAndOnlyOnce) {
    SplashWindow::SetArmed(false);
    SplashWindow::Show(VN_SOURCE_DATA_DIR);
    EXPECT_EQ(SplashWindow::Instance(), nullptr);

    SplashWindow::SetArmed(true);
    SplashWindow::Show(VN_SOURCE_DATA_DIR);
    SplashWindow* first = SplashWindow::Instance();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->IsShown());
    SplashWindow::Show(VN_SOURCE_DATA_DIR);
    EXPECT_EQ(SplashWindow::Instance(), first);

    first->Destroy();
    Pump(20);
    EXPECT_EQ(SplashWindow::Instance(), nullptr);
    SplashWindow::SetArmed(false);
}

} // namespace
} // namespace guitest
