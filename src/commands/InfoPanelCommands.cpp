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
    const AppSettings& settings = context.settings;
    CNoctaView& view = context.view;
    const bool precise = view.Chart().m_bPrecise != 0;
    switch (object.kind) {
    case PickedKind::Star: {
        StarInfoDialog panel(&context.frame, view.Store(), object.index, settings.SkyDate,
                             settings.Observer, precise);
        panel.ShowModal();
        break;
    }
    case PickedKind::Body: {
        BodyInfoDialog panel(&context.frame, view.Chart().m_bodies, object.index, settings.SkyDate,
                             settings.Observer, settings.ProgramDir, precise);
        panel.ShowModal();
        break;
    }
    case PickedKind::DeepSky: {
        DeepSkyInfoDialog panel(&context.frame, view.Store(), object.index, settings.SkyDate,
                                settings.Observer, settings.ProgramDir, precise);
        panel.ShowModal();
        break;
    }
    }
}
