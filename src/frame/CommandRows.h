// The rows of the command table (commandstate/CommandTable.h) with every column in the form the
// window system takes: the menus, toolbars, keyboard table, prompts, tooltips and event bindings
// of the main window are built from these.
#pragma once

#include "commandstate/CommandTable.h"
#include "guibase/Icons.h"

#include <span>
#include <string>
#include <string_view>

struct CommandContext;

using CommandHandler = void (*)(CommandContext& context, CommandId command);

struct CommandRow {
    CommandId command;
    int id;                 // the wx identifier
    std::string_view label; // the menu entry; empty when in no menu
    int keyFlags;           // wxACCEL_NORMAL, wxACCEL_SHIFT, wxACCEL_CTRL, wxACCEL_ALT
    int keyCode;            // a character ('E', '[') or a WXK_ code; 0 for no key
    CommandPicture picture;
    std::string_view text;  // "prompt\ntooltip"
    CommandHandler handler; // nullptr for a control that only shows a text
};

std::span<const CommandRow> CommandRows();
// The row of a wx identifier, or nullptr.
const CommandRow* FindCommandRow(int id);

// The whole "prompt\ntooltip" text of a command; empty for an unknown id.
std::string_view CommandText(int id);
// The part before the newline (the whole text when there is none).
std::string CommandPrompt(int id);
// The part after the newline; empty when there is none.
std::string CommandTooltip(int id);
