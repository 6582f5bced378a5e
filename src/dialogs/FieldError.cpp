#include "dialogs/FieldError.h"

#include "guibase/Messages.h"

#include <wx/textctrl.h>

void ReportFieldError(wxWindow* dialog, const std::string& message, wxTextCtrl& field) {
    ShowProgramMessage(message, wxOK | wxICON_EXCLAMATION, dialog);
    field.SetFocus();
    field.SelectAll();
}
