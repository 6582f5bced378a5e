// The commands that change the chart in place: the layer and display switches, the precise
// model, the chart mode and sky background, the horizon points, zoom, pan and the animation.
#include "commands/CommandHandlers.h"

#include "astro/SkySession.h"
#include "commandstate/CommandState.h"
#include "guibase/CommandContext.h"
#include "navigation/Navigation.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

void SwitchCommand(CommandContext& context, CommandId command) {
    if (int* layer = SwitchOfCommand(command, context.view.Chart())) {
        ToggleSwitch(*layer);
        // The deep zoom levels and limits go with the faint stars.
        LeaveFaintStarLevels(context.view.Chart(), context.settings.AutoMode);
        context.view.Redraw();
    }
}

void PrecisePositionsCommand(CommandContext& context, CommandId) {
    // The model changes at once, animation or not: the sky and the catalogue are recomputed for
    // the chart's date in the model chosen.
    SkySession& sky = context.Sky();
    sky.SetModel(sky.ModelKind() == SkyModelKind::Precise ? SkyModelKind::Classic
                                                          : SkyModelKind::Precise);
    context.view.Chart().m_bPreciseModel = sky.ModelKind() == SkyModelKind::Precise ? 1 : 0;
    context.view.Redraw();
    context.refreshStatusPanes();
}

void NaturalSkyCommand(CommandContext& context, CommandId) {
    ChartState& chart = context.view.Chart();
    chart.m_bNaturalSky = chart.m_bNaturalSky != 0 ? 0 : 1;
    context.settings.NaturalSky = chart.m_bNaturalSky;
    context.view.Redraw();
}

void ChartModeCommand(CommandContext& context, CommandId command) {
    // The projection reads the setting (kept in the chart beside its own mode): all change
    // together.
    const int mode =
        command == CommandId::ChartLocalHorizon ? kChartLocalHorizon : kChartEquatorial;
    context.view.Chart().m_bHorizonView = mode;
    context.view.Chart().m_nHorizonViewSetting = mode;
    context.settings.HorizonView = mode;
    context.view.Redraw();
}

void SkyBackgroundCommand(CommandContext& context, CommandId command) {
    const int coloured = command == CommandId::SkyColor ? 1 : 0;
    context.view.Chart().m_bColoredSky = coloured;
    context.settings.ColoredSky = coloured;
    context.view.Redraw();
}

void HorizonPointCommand(CommandContext& context, CommandId command) {
    HorizonPoint point = HorizonPoint::South;
    switch (command) {
    case CommandId::HorizonEast:
        point = HorizonPoint::East;
        break;
    case CommandId::HorizonWest:
        point = HorizonPoint::West;
        break;
    case CommandId::HorizonNorth:
        point = HorizonPoint::North;
        break;
    default:
        break;
    }
    if (CentreOnHorizonPoint(context.view.Chart(), context.Sky().Sky(), point)) {
        context.view.Redraw();
    }
}

void ZenithCommand(CommandContext& context, CommandId) {
    if (CentreOnZenith(context.view.Chart(), context.Sky().Sky())) {
        context.view.Redraw();
    }
}

void NadirCommand(CommandContext& context, CommandId) {
    if (CentreOnNadir(context.view.Chart(), context.Sky().Sky())) {
        context.view.Redraw();
    }
}

void ZoomCommand(CommandContext& context, CommandId command) {
    ChartState& chart = context.view.Chart();
    const int autoMode = context.settings.AutoMode;
    const bool changed =
        command == CommandId::ZoomIn ? ZoomIn(chart, autoMode) : ZoomOut(chart, autoMode);
    if (changed) {
        context.view.Redraw();
    }
}

void PanCommand(CommandContext& context, CommandId command) {
    ChartState& chart = context.view.Chart();
    bool changed = false;
    switch (command) {
    case CommandId::PanUp:
        changed = PanUp(chart);
        break;
    case CommandId::PanDown:
        changed = PanDown(chart);
        break;
    case CommandId::PanLeft:
        changed = PanLeft(chart);
        break;
    default:
        changed = PanRight(chart);
        break;
    }
    if (changed) {
        context.view.Redraw();
    }
}

void AnimationCommand(CommandContext& context, CommandId command) {
    if (command == CommandId::AnimStop) {
        context.view.StopAnimation();
    } else {
        context.clock.SetOn(false); // the animation moves the date: the clock is left
        context.view.StartAnimation(command == CommandId::AnimForward);
    }
}

void StepCommand(CommandContext& context, CommandId command) {
    context.clock.SetOn(false); // a step moves the date: the clock is left
    context.view.SingleStep(command == CommandId::StepForward);
}
