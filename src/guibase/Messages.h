// The program's own message boxes: caption "Vesperanova", the text exactly as given. Every window
// of the program shows its messages through here, so tests can watch them instead of blocking on
// a modal box.
#pragma once

#include <functional>
#include <string>

class wxWindow;

inline constexpr const char* kProgramName = "Vesperanova";

// Shows `text` in a modal message box with the caption "Vesperanova" and the wx style flags
// (buttons and icon, e.g. wxOK | wxICON_STOP). Returns the button chosen (wxOK, wxYES, ...).
int ShowProgramMessage(const std::string& text, long style, wxWindow* parent = nullptr);

// Replaces the message box by `sink` (tests); an empty function restores the message box.
using MessageSink = std::function<int(const std::string& text, long style)>;
void SetMessageSink(MessageSink sink);
