// The information panel of an object picked with the right mouse button: the panel of its kind,
// shown modally over the main window with the chart's clock time and place.
#include "commands/CommandHandlers.h"

#include "dialogs/InfoPanelDialog.h"
#include "guibase/CommandContext.h"
#include "navigation/Picking.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

#include <wx/frame.h>

void ShowInfoPanel(CommandContext& context, const PickedObject& object) {
    const AppSettings& settings = context.settings; // the program directory
    const SkySession& sky = context.Sky();
    const SkyModel& model = sky.Model();
    const Instant& instant = sky.Now();
    int shown = wxID_OK;
    PlannedObject planned{PlannedKind::Body, object.index};
    const bool mountOnline = context.mountShown.activity != MountActivity::Disconnected;
    const auto run = [mountOnline](CInfoPanelDialog& panel) {
        if (mountOnline) {
            panel.ShowMountButtons();
        }
        return panel.ShowModal();
    };
    switch (object.kind) {
    case PickedKind::Star: {
        StarInfoDialog panel(&context.frame, sky.Catalog(), object.index, instant, sky.Place(),
                             model);
        shown = run(panel);
        planned.kind = PlannedKind::Star;
        break;
    }
    case PickedKind::Body: {
        BodyInfoDialog panel(&context.frame, sky.Sky().m_bodies, object.index, instant, sky.Place(),
                             settings.ProgramDir, model);
        shown = run(panel);
        break;
    }
    case PickedKind::FaintStar: {
        FaintStarInfoDialog panel(&context.frame, sky.Catalog(), object.index, instant, sky.Place(),
                                  model);
        shown = run(panel);
        break;
    }
    case PickedKind::DeepSky: {
        DeepSkyInfoDialog panel(&context.frame, sky.Catalog(), object.index, instant, sky.Place(),
                                settings.ProgramDir, model);
        shown = run(panel);
        planned.kind = PlannedKind::DeepSky;
        break;
    }
    }
    const NamedObject named{object.kind == PickedKind::Star        ? NamedKind::Star
                            : object.kind == PickedKind::DeepSky   ? NamedKind::DeepSky
                            : object.kind == PickedKind::FaintStar ? NamedKind::FaintStar
                                                                   : NamedKind::Body,
                            object.index};
    context.mountObject = named;
    // A faint star has no altitude graph.
    if (object.kind != PickedKind::FaintStar) {
        context.lookedAt = planned;
    }
    if (shown == CInfoPanelDialog::kAltitudeGraphReturn && object.kind != PickedKind::FaintStar) {
        ShowAltitudeGraph(context, planned);
    } else if (shown == CInfoPanelDialog::kSlewReturn) {
        SlewMountTo(context, named);
    } else if (shown == CInfoPanelDialog::kSyncReturn) {
        SyncMountOn(context, named);
    }
}
