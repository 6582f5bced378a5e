// The prompt and tooltip of every command: one text per command, "prompt\ntooltip", the prompt
// shown in the status bar's message pane while a menu entry or toolbar button is pointed at, the
// tooltip beside a toolbar button. A text without a newline is a prompt with no tooltip.
#pragma once

#include <string>
#include <string_view>

// The whole "prompt\ntooltip" text of a command; empty for an unknown id.
std::string_view CommandText(int id);
// The part before the newline (the whole text when there is none).
std::string CommandPrompt(int id);
// The part after the newline; empty when there is none.
std::string CommandTooltip(int id);
