#include "frame/FrameCommands.h"

#include "frame/AboutDialog.h"
#include "frame/DarkTheme.h"
#include "frame/ProgramHelp.h"
#include "guibase/CommandContext.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

#include <wx/aui/aui.h>
#include <wx/frame.h>
#include <wx/statusbr.h>

void ToggleToolbarCommand(CommandContext& context, CommandId) {
    if (wxAuiManager* dock = wxAuiManager::GetManager(&context.frame)) {
        wxAuiPaneInfo& pane = dock->GetPane(kMainToolbarPane);
        pane.Show(!pane.IsShown());
        dock->Update();
    }
}

void ToggleStatusBarCommand(CommandContext& context, CommandId) {
    if (wxStatusBar* bar = context.frame.GetStatusBar()) {
        bar->Show(!bar->IsShown());
        context.frame.SendSizeEvent();
    }
}

void NightVisionCommand(CommandContext& context, CommandId) {
    context.settings.NightVision = context.settings.NightVision != 0 ? 0 : 1;
    SetDarkTheme(context.settings.NightVision != 0);
    context.view.Redraw();
}

void ExitCommand(CommandContext& context, CommandId) {
    context.frame.Close();
}

void AboutCommand(CommandContext& context, CommandId) {
    AboutDialog dialog(&context.frame);
    dialog.ShowModal();
}

void HelpContentsCommand(CommandContext& context, CommandId) {
    context.showHelp({});
}
void HelpUsingCommand(CommandContext& context, CommandId) {
    context.showHelp(kHelpPageUsingHelp);
}
void HelpIndexCommand(CommandContext& context, CommandId) {
    context.showHelp(kHelpPageChart);
}
void HelpContextCommand(CommandContext& context, CommandId) {
    context.showHelp(kHelpPageCommands);
}
