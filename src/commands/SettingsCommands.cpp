// The Date/Time, Location and Magnitude limits commands of the Settings menu: each runs its
// dialog modally and redraws the chart when the dialog changed it.
#include "commands/CommandHandlers.h"

#include "dialogs/DateTimeDialog.h"
#include "dialogs/LocationDialog.h"
#include "dialogs/MagnitudeLimitsDialog.h"
#include "guibase/CommandContext.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

#include <wx/frame.h>

void DateTimeCommand(CommandContext& context, CommandId) {
    CNoctaView& view = context.view;
    SkySession& sky = context.Sky();
    CDateTimeDialog dialog(&context.frame, sky.ClockTime(), view.Settings().Observer);
    if (dialog.ShowModal() == wxID_OK) {
        sky.SetClockTime(dialog.ClockTime());
        context.refreshStatusPanes();
        view.Redraw();
    }
}

void LocationCommand(CommandContext& context, CommandId) {
    CNoctaView& view = context.view;
    SkySession& sky = context.Sky();
    AppSettings& settings = view.Settings();
    CLocationDialog dialog(&context.frame, settings.Observer, sky.ClockTime(), sky.Catalog());
    if (dialog.ShowModal() == wxID_OK) {
        // The settings keep the place as typed; the sky computes with its signed angles.
        settings.Observer = dialog.Place();
        sky.SetPlace(PlaceOf(settings.Observer));
        view.Chart().SetHemisphere(settings.Observer.NS);
        context.refreshStatusPanes();
        view.Redraw();
    }
}

void MagnitudeLimitsCommand(CommandContext& context, CommandId) {
    CNoctaView& view = context.view;
    CMagnitudeLimitsDialog dialog(&context.frame, view.Settings(), view.Chart());
    if (dialog.ShowModal() == wxID_OK) {
        view.Redraw();
    }
}
