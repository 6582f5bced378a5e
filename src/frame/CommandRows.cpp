#include "frame/CommandRows.h"

#include "commands/CommandHandlers.h"
#include "frame/FrameCommands.h"

#include <wx/accel.h>
#include <wx/defs.h>

#include <array>

namespace {

// The key modifiers and key names the table's key column uses.
namespace keys {
constexpr int Plain = wxACCEL_NORMAL;
constexpr int Shift = wxACCEL_SHIFT;
constexpr int Ctrl = wxACCEL_CTRL;
constexpr int Alt = wxACCEL_ALT;
constexpr int CtrlShift = wxACCEL_CTRL | wxACCEL_SHIFT;
constexpr int F1 = WXK_F1;
constexpr int F4 = WXK_F4;
constexpr int Esc = WXK_ESCAPE;
constexpr int Up = WXK_UP;
constexpr int Down = WXK_DOWN;
constexpr int Left = WXK_LEFT;
constexpr int Right = WXK_RIGHT;
constexpr int NumMultiply = WXK_NUMPAD_MULTIPLY;
constexpr int NumDivide = WXK_NUMPAD_DIVIDE;
} // namespace keys

using namespace keys;

#define VN_COMMAND_ROW(name, id, rule, label, mods, key, picture, text, handler)                   \
    CommandRow{CommandId::name, id, label, mods, key, CommandPicture::picture, text, handler},
constexpr std::array kRows = {VN_COMMAND_TABLE(VN_COMMAND_ROW)};
#undef VN_COMMAND_ROW

} // namespace

std::span<const CommandRow> CommandRows() {
    return kRows;
}

const CommandRow* FindCommandRow(int id) {
    for (const CommandRow& row : kRows) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

std::string_view CommandText(int id) {
    const CommandRow* row = FindCommandRow(id);
    return row != nullptr ? row->text : std::string_view();
}

std::string CommandPrompt(int id) {
    const std::string_view text = CommandText(id);
    return std::string(text.substr(0, text.find('\n')));
}

std::string CommandTooltip(int id) {
    const std::string_view text = CommandText(id);
    const auto newline = text.find('\n');
    return newline == std::string_view::npos ? std::string()
                                             : std::string(text.substr(newline + 1));
}
