// The Date/Time, Location and Magnitude limits commands of the Settings menu: each runs its
// dialog modally and redraws the chart when the dialog changed it. Beside them Now and Follow the
// Clock, which set the chart's clock time from the computer's clock.
#include "commands/CommandHandlers.h"

#include "astro/ClockTime.h"
#include "astro/SkySession.h"

#include "dialogs/DateTimeDialog.h"
#include "dialogs/LocationDialog.h"
#include "dialogs/MagnitudeLimitsDialog.h"
#include "guibase/CommandContext.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

#include <wx/frame.h>

#include <optional>

void DateTimeCommand(CommandContext& context, CommandId) {
    CNoctaView& view = context.view;
    SkySession& sky = context.Sky();
    CDateTimeDialog dialog(&context.frame, sky.ClockTime(), view.Settings().Observer);
    if (dialog.ShowModal() == wxID_OK) {
        context.clock.SetOn(false); // a time the user set is kept
        sky.SetClockTime(dialog.ClockTime());
        context.refreshStatusPanes();
        view.Redraw();
    }
}

namespace {

void ShowClockTime(CommandContext& context, const SkyDate& clock) {
    context.Sky().SetClockTime(clock);
    context.refreshStatusPanes();
    context.view.Redraw();
}

} // namespace

void NowCommand(CommandContext& context, CommandId) {
    ShowClockTime(context, NowAtObserver(context.Sky().Place().zone));
}

void FollowClockCommand(CommandContext& context, CommandId) {
    context.clock.SetOn(!context.clock.IsOn());
    FollowClockTick(context); // at the current minute from the moment it is turned on
}

void FollowClockTick(CommandContext& context) {
    if (context.sky == nullptr) {
        return;
    }
    SkySession& sky = context.Sky();
    if (const std::optional<SkyDate> clock =
            context.clock.Due(sky.ClockTime(), NowAtObserver(sky.Place().zone))) {
        ShowClockTime(context, *clock);
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
