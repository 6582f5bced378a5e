// The keyboard table of the main window: which key reaches which command. A key whose command
// is disabled at the moment does nothing (the frame refuses disabled commands, whatever sent
// them).
#pragma once

#include <span>

class wxAcceleratorTable;

struct KeyBinding {
    int flags;   // wxACCEL_NORMAL, wxACCEL_SHIFT, wxACCEL_CTRL, wxACCEL_ALT
    int keyCode; // a character ('E', '[') or a WXK_ code
    int command;
};

std::span<const KeyBinding> KeyboardTable();
wxAcceleratorTable MakeAcceleratorTable();
