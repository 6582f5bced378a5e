// A settings dialog's answer to a wrong entry: the message in a box, then the keyboard focus on
// the field concerned with its text selected, so the user can type the value again at once.
#pragma once

#include <string>

class wxTextCtrl;
class wxWindow;

void ReportFieldError(wxWindow* dialog, const std::string& message, wxTextCtrl& field);
