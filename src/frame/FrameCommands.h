// The handlers of the command table's rows that work on the main window itself: its bars, night
// vision's dark theme, the help book, the About box and Exit.
#pragma once

#include "commandstate/CommandTable.h"

struct CommandContext;

// The name of the main toolbar's pane in the window's dock manager.
inline constexpr const char* kMainToolbarPane = "main-toolbar";

void ToggleToolbarCommand(CommandContext& context, CommandId command);
void ToggleStatusBarCommand(CommandContext& context, CommandId command);
void NightVisionCommand(CommandContext& context, CommandId command);
void ExitCommand(CommandContext& context, CommandId command);
void AboutCommand(CommandContext& context, CommandId command);
void HelpContentsCommand(CommandContext& context, CommandId command);
void HelpUsingCommand(CommandContext& context, CommandId command);
void HelpIndexCommand(CommandContext& context, CommandId command);
void HelpContextCommand(CommandContext& context, CommandId command);
