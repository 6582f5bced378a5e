// The Telescope menu against a real INDI server: the test starts `indiserver` with the telescope
// simulator on a free local port, lists the mount in the Connect dialog, connects through the
// menu command (which remembers the server), finds Betelgeuse, syncs and slews, and looks for the
// reticle on the star's pixel in both sky models and both chart modes; then kills the server and
// expects the link to be reported lost.
#include "../support/IndiTestServer.h"
#include "dialogs_support.h"

#include "catalog/CatalogStore.h"
#include "commands/CommandHandlers.h"
#include "commandstate/CommandTable.h"
#include "dialogs/FindObjectDialog.h"
#include "dialogs/InfoPanelDialog.h"
#include "dialogs/TelescopeDialog.h"
#include "guibase/Messages.h"
#include "guibase/StatusPanes.h"
#include "settings/AppSettings.h"
#include "telescope/MountTarget.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <thread>

using dialogs_test::ModalDriver;
using dialogs_test::Press;

namespace {

constexpr const char* kSimulator = "Telescope Simulator"; // the simulator's device name
constexpr int kBetelgeuseHr = 2061;
constexpr int kBellatrixHr = 1790;
// The reticle's centre and the star's symbol are rounded to whole pixels each.
constexpr int kPixelTolerance = 2;
// The simulator keeps a synced declination to about an arcsecond.
constexpr double kSyncedDegrees = 0.01;
constexpr int kServerStartMs = 5000;
constexpr int kLinkMs = 10000;  // connecting: the client gives up after 5 s
constexpr int kSlewMs = 120000; // the simulator slews at a few degrees a second

// A free TCP port on the loopback interface (the system chooses it for port 0).
bool Listening(int port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    close(s);
    return ok;
}

// indiserver with the telescope simulator on a free port, killed with its drivers at the end.
class IndiServer : public inditest::SimulatedMountServer {
public:
    IndiServer() : SimulatedMountServer(inditest::FreePort()) {}
    bool Started() const {
        return Forked() && guitest::PumpUntil([this] { return Listening(Port()); }, kServerStartMs);
    }
    void Kill() { Stop(); }
};

class TelescopeTest : public dialogs_test::DesktopFixture {
protected:
    static CommandContext& Context() { return Frame().Context(); }
    static bool Enabled(int id) { return Frame().StateOf(id).enabled; }
    static const MountStatus& Shown() { return Context().mountShown; }
    static std::size_t StarOfHr(int hr) {
        const auto& stars = View().Session().Catalog().m_stars;
        for (std::size_t i = 0; i < stars.size(); ++i) {
            if (stars[i].hr == hr) {
                return i;
            }
        }
        return stars.size();
    }
    // Repaints and tells how far the reticle's centre is from the star's symbol (pixels).
    static double ReticleToStar(std::size_t star) {
        RepaintNow();
        const auto& reticle = View().ReticlePixel();
        const StarPick pick = View().Picks().stars.at(star);
        if (!reticle || (pick.x == 0 && pick.y == 0)) {
            return 1e9;
        }
        return std::hypot(reticle->x - pick.x, reticle->y - pick.y);
    }
};

TEST_F(TelescopeTest, ConnectSyncSlewFollowTheReticleAndLoseTheServer) {
    IndiServer server;
    ASSERT_TRUE(server.Started());
    // A winter evening in Krakow: Orion stands high in the south.
    ChartSky().SetClockTime(SkyDate{2026, 1, 15, 21, 0, 0});
    ASSERT_TRUE(Enabled(cmd::TelescopeConnect));
    ASSERT_FALSE(Enabled(cmd::TelescopeDisconnect));

    // The dialog lists the server's telescopes without waiting for them.
    std::string device;
    {
        CTelescopeDialog dialog(&Frame(), "localhost", server.Port(), "");
        dialog.Show();
        EXPECT_TRUE(guitest::PumpUntil(
            [&] { return dialog.DeviceChoice().FindString(kSimulator) != wxNOT_FOUND; }, kLinkMs));
        dialog.DeviceChoice().SetStringSelection(kSimulator);
        device = dialog.Device();
        EXPECT_EQ(dialog.Host(), "localhost");
        EXPECT_EQ(dialog.Port(), server.Port());
    }
    EXPECT_EQ(device, kSimulator);
    // Connect takes the dialog's server and mount, remembers them, and connects.
    const AppSettings remembered = Settings();
    ModalDriver<CTelescopeDialog> connect([&](CTelescopeDialog& d) {
        d.HostBox().ChangeValue("localhost");
        d.PortBox().SetValue(server.Port());
        d.DeviceChoice().SetSelection(d.DeviceChoice().Append(device));
        Press(d, wxID_OK);
    });
    Command(cmd::TelescopeConnect);
    ASSERT_EQ(connect.Seen(), 1);
    EXPECT_EQ(Settings().TelescopeHost, "localhost");
    EXPECT_EQ(Settings().TelescopePort, server.Port());
    EXPECT_EQ(Settings().TelescopeDevice, device);
    ASSERT_TRUE(guitest::PumpUntil(
        [] { return Shown().hasPosition && Shown().activity != MountActivity::Connecting; },
        kLinkMs))
        << Shown().message;
    EXPECT_EQ(Shown().device, device);
    EXPECT_FALSE(Enabled(cmd::TelescopeConnect));
    EXPECT_TRUE(Enabled(cmd::TelescopeDisconnect));
    EXPECT_TRUE(PaneText(cmd::kPaneMount).StartsWith(ActivityName(Shown().activity)));

    // Find Object chooses the object the menu acts on; a sync puts the mount on it at once.
    const std::size_t betelgeuse = StarOfHr(kBetelgeuseHr);
    ModalDriver<CFindObjectDialog> find([](CFindObjectDialog& d) {
        d.NameBox().ChangeValue("Betelgeuse");
        Press(d, wxID_OK);
    });
    Command(cmd::SearchFindObject);
    ASSERT_EQ(find.Seen(), 1);
    ASSERT_TRUE(Enabled(cmd::TelescopeSync));
    Command(cmd::TelescopeSync);
    // The chart is centred on the mount once it reports the synced place (it still drifts by the
    // sidereal rate: the simulator does not track after a sync).
    const MountTarget synced =
        MountTargetOf(NamedObject{NamedKind::Star, betelgeuse}, ChartSky().Catalog(),
                      ChartSky().Now(), ChartSky().Place());
    ASSERT_TRUE(guitest::PumpUntil(
        [&] { return std::fabs(Shown().decDegrees - synced.decDegrees) < kSyncedDegrees; },
        kLinkMs))
        << Shown().decDegrees;
    const SkyModelKind chartModel = ChartSky().ModelKind();
    const int chartMode = Chart().m_bHorizonView;
    for (const SkyModelKind model : {SkyModelKind::Precise, SkyModelKind::Classic}) {
        ChartSky().SetModel(model);
        for (const int horizon : {0, 1}) {
            SCOPED_TRACE(std::string(model == SkyModelKind::Precise ? "precise " : "classic ") +
                         (horizon ? "horizon" : "equatorial"));
            Command(horizon ? cmd::ChartLocalHorizon : cmd::ChartEquatorial);
            Command(cmd::TelescopeCentre);
            EXPECT_TRUE(guitest::PumpUntil(
                [&] { return ReticleToStar(betelgeuse) <= kPixelTolerance; }, kLinkMs))
                << ReticleToStar(betelgeuse);
        }
    }

    // A slew to Bellatrix, a few degrees away, with the chart kept on the mount; one near the
    // Sun asks first (the answer here is no, and nothing is sent).
    std::vector<std::string> asked;
    SetMessageSink([&](const std::string& text, long style) {
        asked.push_back(text);
        return (style & wxYES_NO) != 0 ? wxNO : wxOK;
    });
    EXPECT_FALSE(SlewMountTo(Context(), NamedObject{NamedKind::Body, kBodySun}));
    EXPECT_EQ(asked.size(), 1u);
    Command(cmd::TelescopeFollow);
    EXPECT_TRUE(Frame().StateOf(cmd::TelescopeFollow).checked.value_or(false));
    const std::size_t bellatrix = StarOfHr(kBellatrixHr);
    // The slew goes out through the button of Bellatrix's information panel, shown while a
    // mount is connected.
    bool slewButtonShown = false;
    ModalDriver<CInfoPanelDialog> panel([&](CInfoPanelDialog& d) {
        wxButton& slew = *d.SlewButton();
        slewButtonShown = slew.IsShown();
        wxCommandEvent click(wxEVT_BUTTON, slew.GetId());
        click.SetEventObject(&slew);
        slew.GetEventHandler()->ProcessEvent(click);
    });
    ShowInfoPanel(Context(), PickedObject{PickedKind::Star, bellatrix});
    EXPECT_EQ(panel.Seen(), 1);
    EXPECT_TRUE(slewButtonShown);
    EXPECT_TRUE(
        guitest::PumpUntil([] { return Shown().activity == MountActivity::Slewing; }, kLinkMs));
    EXPECT_TRUE(guitest::PumpUntil(
        [&] {
            return Shown().activity == MountActivity::Tracking &&
                   ReticleToStar(bellatrix) <= kPixelTolerance;
        },
        kSlewMs))
        << ReticleToStar(bellatrix);

    // The server dies: the reticle goes, the pane says so, Connect is offered again.
    server.Kill();
    EXPECT_TRUE(guitest::PumpUntil([] { return Shown().activity == MountActivity::Disconnected; },
                                   kLinkMs));
    RepaintNow();
    EXPECT_FALSE(View().ReticlePixel().has_value());
    EXPECT_EQ(PaneText(cmd::kPaneMount), ActivityName(MountActivity::Disconnected));
    EXPECT_TRUE(Enabled(cmd::TelescopeConnect));
    EXPECT_EQ(asked.size(), 2u); // the lost link is said in a message
    Settings().TelescopeHost = remembered.TelescopeHost;
    Settings().TelescopePort = remembered.TelescopePort;
    Settings().TelescopeDevice = remembered.TelescopeDevice;
    ChartSky().SetModel(chartModel);
    Command(chartMode != 0 ? cmd::ChartLocalHorizon : cmd::ChartEquatorial);
}

} // namespace
