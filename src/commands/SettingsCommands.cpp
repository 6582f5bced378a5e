// The Date/Time, Location and Magnitude limits commands of the Settings menu: each runs its
// dialog modally and redraws the chart when the dialog changed it.
#include "dialogs/DateTimeDialog.h"
#include "dialogs/LocationDialog.h"
#include "dialogs/MagnitudeLimitsDialog.h"
#include "frame/MainFrame.h"
#include "guibase/CommandHooks.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

void DateTimeCommand(CMainFrame& frame) {
    CNoctaView& view = frame.View();
    CDateTimeDialog dialog(&frame, view.Session().ClockTime(), view.Session().Place());
    if (dialog.ShowModal() == wxID_OK) {
        view.Session().SetClockTime(dialog.ClockTime());
        frame.RefreshStatusPanes();
        view.Redraw();
    }
}

void LocationCommand(CMainFrame& frame) {
    CNoctaView& view = frame.View();
    CLocationDialog dialog(&frame, view.Session().Place(), view.Session().ClockTime(),
                           view.Session().Catalog());
    if (dialog.ShowModal() == wxID_OK) {
        view.Session().SetPlace(dialog.Place());
        view.Chart().SetHemisphere(dialog.Place().NS);
        frame.RefreshStatusPanes();
        view.Redraw();
    }
}

void MagnitudeLimitsCommand(CMainFrame& frame) {
    CNoctaView& view = frame.View();
    CMagnitudeLimitsDialog dialog(&frame, view.Settings(), view.Chart());
    if (dialog.ShowModal() == wxID_OK) {
        view.Redraw();
    }
}
