// The Telescope menu: connecting a mount through an INDI server, slewing it to and syncing it on
// the object centred by the last search or click, stopping it, centring the chart where it
// points, and the tick that brings the mount's reported state to the reticle and the status
// pane. Nothing here waits on the network: the client's calls return at once and its state is
// read by the tick.
#include "commands/CommandHandlers.h"

#include "astro/SkySession.h"
#include "chart/ApparentOnChart.h"
#include "chart/Centering.h"
#include "dialogs/TelescopeDialog.h"
#include "guibase/CommandContext.h"
#include "guibase/Messages.h"
#include "guibase/StatusPanes.h"
#include "settings/AppSettings.h"
#include "telescope/MountTarget.h"
#include "telescope/SlewSafety.h"
#include "view/NoctaView.h"

#include <wx/frame.h>
#include <wx/msgdlg.h>

#include <utility>

namespace {

void Say(CommandContext& context, const std::string& text) {
    context.frame.SetStatusText(wxString::FromUTF8(text), cmd::kPaneMessage);
}

// Centres the chart where the mount points (in the frame the chart's model draws).
void CentreOnMount(CommandContext& context, const MountStatus& status) {
    SkySession& sky = context.Sky();
    const EquatorialPosition onChart =
        ChartPositionOfApparent(status.raHours, status.decDegrees, sky.ModelKind(), sky.Now());
    CenterOn(context.view.Chart(), sky.Sky(), onChart.ra, onChart.dec);
    context.view.Redraw();
}

} // namespace

void ConnectMount(CommandContext& context, const std::string& host, int port,
                  const std::string& device) {
    if (!context.mount) {
        context.mount = std::make_unique<MountClient>();
    }
    const SkySession& sky = context.Sky();
    context.mount->SendPlaceAndTime(sky.Place(), sky.Now().ut);
    context.mount->Connect(host, port, device);
    Say(context, "Connecting to " + host + ":" + std::to_string(port) + "\u2026");
    MountTick(context);
}

void TelescopeConnectCommand(CommandContext& context, CommandId) {
    AppSettings& settings = context.settings;
    CTelescopeDialog dialog(&context.frame, settings.TelescopeHost, settings.TelescopePort,
                            settings.TelescopeDevice);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    settings.TelescopeHost = dialog.Host();
    settings.TelescopePort = dialog.Port();
    settings.TelescopeDevice = dialog.Device();
    ConnectMount(context, settings.TelescopeHost, settings.TelescopePort, settings.TelescopeDevice);
}

void TelescopeDisconnectCommand(CommandContext& context, CommandId) {
    if (context.mount) {
        context.mount->Disconnect();
    }
    context.followMount = false;
    MountTick(context);
}

bool SlewMountTo(CommandContext& context, const NamedObject& object) {
    if (!context.mount) {
        return false;
    }
    const SkySession& sky = context.Sky();
    const MountTarget target = MountTargetOf(object, sky.Catalog(), sky.Now(), sky.Place());
    const SlewCheck check = CheckSlew(target.raHours, target.decDegrees, sky.Now(), sky.Place());
    if (check.verdict != SlewVerdict::Fine) {
        const std::string question =
            SlewWarningText(check) + " Slew the telescope to " + target.title + " anyway?    ";
        if (ShowProgramMessage(question, wxYES_NO | wxNO_DEFAULT | wxICON_WARNING,
                               &context.frame) != wxYES) {
            return false;
        }
    }
    context.mount->Goto(target.raHours, target.decDegrees);
    Say(context, "Slewing to " + target.title);
    return true;
}

void SyncMountOn(CommandContext& context, const NamedObject& object) {
    if (!context.mount) {
        return;
    }
    const SkySession& sky = context.Sky();
    const MountTarget target = MountTargetOf(object, sky.Catalog(), sky.Now(), sky.Place());
    context.mount->Sync(target.raHours, target.decDegrees);
    Say(context, "Synced on " + target.title);
}

void TelescopeSlewCommand(CommandContext& context, CommandId) {
    if (context.mountObject) {
        SlewMountTo(context, *context.mountObject);
    }
}

void TelescopeSyncCommand(CommandContext& context, CommandId) {
    if (context.mountObject) {
        SyncMountOn(context, *context.mountObject);
    }
}

void TelescopeAbortCommand(CommandContext& context, CommandId) {
    if (context.mount) {
        context.mount->Abort();
        Say(context, "Slew aborted");
    }
}

void TelescopeCentreCommand(CommandContext& context, CommandId) {
    if (context.mountShown.hasPosition) {
        CentreOnMount(context, context.mountShown);
    }
}

void TelescopeFollowCommand(CommandContext& context, CommandId) {
    context.followMount = !context.followMount;
    if (context.followMount && context.mountShown.hasPosition) {
        CentreOnMount(context, context.mountShown);
    }
}

void MountTick(CommandContext& context) {
    if (!context.mount) {
        return;
    }
    const MountStatus status = context.mount->Status();
    if (status.serial == context.mountShown.serial) {
        return;
    }
    const MountStatus before = std::exchange(context.mountShown, status);
    const bool online = status.activity != MountActivity::Disconnected;
    const bool moved =
        status.hasPosition && (!before.hasPosition || status.raHours != before.raHours ||
                               status.decDegrees != before.decDegrees);
    if (online && status.hasPosition) {
        context.view.SetReticle(EquatorialPosition{status.raHours, status.decDegrees});
    } else {
        context.view.SetReticle(std::nullopt);
        context.followMount = false;
    }
    if (online && moved && context.followMount) {
        CentreOnMount(context, status);
    }
    if (before.activity == MountActivity::Connecting && online &&
        status.activity != MountActivity::Connecting) {
        Say(context, "Connected to " + status.device);
    } else if (!online && before.activity != MountActivity::Disconnected) {
        Say(context, before.activity == MountActivity::Connecting ? "No telescope connected"
                                                                  : "Telescope disconnected");
    }
    context.refreshStatusPanes();
    if (!online && !status.message.empty() && status.message != before.message) {
        ShowProgramMessage("No telescope connection: " + status.message + ".    ",
                           wxOK | wxICON_EXCLAMATION, &context.frame);
    }
}
