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
    switch (object.kind) {
    case PickedKind::Star: {
        StarInfoDialog panel(&context.frame, sky.Catalog(), object.index, instant, sky.Place(),
                             model);
        shown = panel.ShowModal();
        planned.kind = PlannedKind::Star;
        break;
    }
    case PickedKind::Body: {
        BodyInfoDialog panel(&context.frame, sky.Sky().m_bodies, object.index, instant, sky.Place(),
                             settings.ProgramDir, model);
        shown = panel.ShowModal();
        break;
    }
    case PickedKind::FaintStar: {
        FaintStarInfoDialog panel(&context.frame, sky.Catalog(), object.index, instant, sky.Place(),
                                  model);
        panel.ShowModal();
        break;
    }
    case PickedKind::DeepSky: {
        DeepSkyInfoDialog panel(&context.frame, sky.Catalog(), object.index, instant, sky.Place(),
                                settings.ProgramDir, model);
        shown = panel.ShowModal();
        planned.kind = PlannedKind::DeepSky;
        break;
    }
    }
    context.lookedAt = planned;
    if (shown == CInfoPanelDialog::kAltitudeGraphReturn) {
        ShowAltitudeGraph(context, planned);
    }
}
