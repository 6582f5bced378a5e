// The Observe menu: the Tonight window for the chart's date and place, and the altitude graph of
// the object looked at last (its information panel, Find Object, or the Tonight window). The
// night's events and the list are searched with the precise model, as on the command line.
#include "commands/CommandHandlers.h"

#include "astro/SkySession.h"
#include "chart/Centering.h"
#include "cli/TonightMode.h"
#include "dialogs/AltitudeGraphDialog.h"
#include "dialogs/TonightDialog.h"
#include "guibase/CommandContext.h"
#include "guibase/Messages.h"
#include "planning/AltitudeDay.h"
#include "search/NameIndex.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

#include <wx/frame.h>
#include <wx/msgdlg.h>

#include <chrono>
#include <cmath>
#include <memory>

namespace {

constexpr double kUnixEpochJd = 2440587.5;

SkyDate ClockAt(double jd, const ZoneRule& zone) {
    return ObserverClockTime(
        ClockInstant{std::chrono::seconds(std::llround((jd - kUnixEpochJd) * 86400.0))}, zone);
}

NamedObject NamedOf(const PlannedObject& object) {
    const NamedKind kind = object.kind == PlannedKind::Star      ? NamedKind::Star
                           : object.kind == PlannedKind::DeepSky ? NamedKind::DeepSky
                                                                 : NamedKind::Body;
    return {kind, object.index};
}

// The chart at the object's highest point, centred on it.
void CentreAtHighest(CommandContext& context, const VisibleObject& row) {
    SkySession& sky = context.Sky();
    context.clock.SetOn(false); // a time the user chose is kept
    sky.SetClockTime(ClockAt(row.entry.transit, sky.Place().zone));
    const SearchTarget target =
        NamedObjectPosition(NamedOf(row.entry.object), sky.Catalog(), sky.Sky());
    CenterOn(context.view.Chart(), sky.Sky(), target.ra, target.dec);
    context.lookedAt = row.entry.object;
    context.mountObject = NamedOf(row.entry.object);
    context.refreshStatusPanes();
    context.view.MarkFound(target.ra, target.dec);
}

} // namespace

void TonightCommand(CommandContext& context, CommandId) {
    const SkySession& sky = context.Sky();
    // The events and the list come from a session of the precise model on its own copy of the
    // catalogue, so that the chart's model and tables stay as they are.
    SkySession precise(std::make_unique<CatalogStore>(sky.Catalog()), sky.ClockTime(), sky.Place(),
                       SkyModelKind::Precise);
    const NightReport night = ComputeNight(sky.ClockTime(), sky.Place(), precise.Model());
    const WellPlacedList list = ComputeWellPlaced(night, PlanningCandidates(precise.Catalog(), 0),
                                                  precise.Catalog(), sky.Place(), precise.Model());
    std::vector<VisibleObject> rows;
    for (const WellPlacedEntry& e : list.entries) {
        rows.push_back({PlannedObjectTitle(e.object, precise.Catalog()), e});
    }
    std::string events = FormatNightEvents(night, sky.ClockTime(), sky.Place());
    if (const std::string note = WellPlacedNote(list.darkness); !note.empty()) {
        events += "Note: " + note + "\n";
    }
    CTonightDialog dialog(&context.frame, events, std::move(rows), sky.Place().zone,
                          [&context](const VisibleObject& row) { CentreAtHighest(context, row); });
    dialog.ShowModal();
}

void ShowAltitudeGraph(CommandContext& context, const PlannedObject& object) {
    SkySession& sky = context.Sky();
    const double chartJd = sky.Now().ut;
    AltitudeGraph graph;
    graph.day = ComputeAltitudeDay(sky, object);
    graph.title = PlannedObjectTitle(object, sky.Catalog()) + " \u2014 " + sky.Place().name +
                  " (dashed: the Moon)";
    graph.ticks = HourTicks(graph.day.startJd, graph.day.endJd, sky.Place().zone);
    graph.chartJd = chartJd;
    CAltitudeGraphDialog dialog(&context.frame, std::move(graph), sky.Place().zone,
                                context.settings.NightVision != 0);
    dialog.ShowModal();
}

void AltitudeGraphCommand(CommandContext& context, CommandId) {
    if (!context.lookedAt) {
        ShowProgramMessage("Look at an object first: right-click it on the chart, find it with "
                           "Find Object, or double-click it in the Tonight window.",
                           wxOK | wxICON_INFORMATION, &context.frame);
        return;
    }
    ShowAltitudeGraph(context, *context.lookedAt);
}
