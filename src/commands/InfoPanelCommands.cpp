// The information panel of an object picked with the right mouse button: the panel of its kind,
// shown modally over the main window with the chart's clock time and place.
#include "guibase/CommandHooks.h"

#include "dialogs/InfoPanelDialog.h"
#include "frame/MainFrame.h"
#include "navigation/Picking.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

void ShowInfoPanel(CMainFrame& frame, const PickedObject& object) {
    const AppSettings& settings = frame.Settings(); // the program directory
    CNoctaView& view = frame.View();
    const SkySession& sky = view.Session();
    const SkyModel& model = sky.Model();
    const Instant& instant = sky.Now();
    switch (object.kind) {
    case PickedKind::Star: {
        StarInfoDialog panel(&frame, sky.Catalog(), object.index, instant, sky.Place(), model);
        panel.ShowModal();
        break;
    }
    case PickedKind::Body: {
        BodyInfoDialog panel(&frame, sky.Sky().m_bodies, object.index, instant, sky.Place(),
                             settings.ProgramDir, model);
        panel.ShowModal();
        break;
    }
    case PickedKind::DeepSky: {
        DeepSkyInfoDialog panel(&frame, sky.Catalog(), object.index, instant, sky.Place(),
                                settings.ProgramDir, model);
        panel.ShowModal();
        break;
    }
    }
}
