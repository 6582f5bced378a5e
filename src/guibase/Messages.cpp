#include "guibase/Messages.h"

#include <wx/msgdlg.h>

namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

} // namespace

int ShowProgramMessage(const std::string& text, long style, wxWindow* parent) {
    if (Sink()) {
        return Sink()(text, style);
    }
    return wxMessageBox(wxString::FromUTF8(text), kProgramName, style, parent);
}

void SetMessageSink(MessageSink sink) {
    Sink() = std::move(sink);
}
