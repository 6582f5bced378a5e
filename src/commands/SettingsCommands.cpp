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
    CDateTimeDialog dialog(&frame, view.Settings());
    if (dialog.ShowModal() == wxID_OK) {
        view.Session().SetClockTime(view.Settings().SkyDate);
        frame.RefreshStatusPanes();
        view.Redraw();
    }
}

void LocationCommand(CMainFrame& frame) {
    CNoctaView& view = frame.View();
    CLocationDialog dialog(&frame, view.Settings(), view.Session().Catalog());
    if (dialog.ShowModal() == wxID_OK) {
        view.Session().SetPlace(view.Settings().Observer);
        view.Chart().SetHemisphere(view.Settings().Observer.NS);
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
