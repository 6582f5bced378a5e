#include "commands/ExportCommands.h"

#include "commands/CommandHandlers.h"
#include "files/SafeFile.h"
#include "guibase/CommandContext.h"
#include "guibase/Messages.h"
#include "view/NoctaView.h"

#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/utils.h>

namespace {

constexpr const char* kDefaultFileStem = "chart";
constexpr const char* kExtensions[] = {".png", ".svg", ".pdf"};
constexpr int kFilterCount = 3;

// Messages of the program end in four blanks.
std::string CannotWrite(const std::string& path, const std::string& reason) {
    return "Cannot write " + path + ": " + reason + "    ";
}

// The folder and filter chosen in the last export of this run, offered again by the next one.
struct ExportDialogMemory {
    wxString folder;
    int filterIndex = 0;
};

ExportDialogMemory& DialogMemory() {
    static ExportDialogMemory memory;
    return memory;
}

} // namespace

std::string ExportPathForChoice(const std::string& path, int filterIndex) {
    if (ExportFormatForPath(path).has_value()) {
        return path;
    }
    const int index = filterIndex >= 0 && filterIndex < kFilterCount ? filterIndex : 0;
    return path + kExtensions[index];
}

bool ExportChartToFile(CommandContext& context, const std::string& path) {
    wxFrame& frame = context.frame;
    const std::optional<ExportFormat> format = ExportFormatForPath(path);
    if (!format) {
        ShowProgramMessage(CannotWrite(path, "the name must end in .png, .svg or .pdf"),
                           wxOK | wxICON_EXCLAMATION, &frame);
        return false;
    }
    // Refused before drawing: a folder, device or pipe at the path, a missing folder.
    if (const FileResult writable = CheckWritable(path); !writable) {
        ShowProgramMessage(writable.error + "    ", wxOK | wxICON_EXCLAMATION, &frame);
        return false;
    }

    CNoctaView& view = context.view;
    ExportOptions options;
    options.target = FrameTarget::Screen;
    options.deepColour = view.DeepColour(); // the same sky colours as the screen's
    ExportResult result;
    {
        wxBusyCursor wait;
        result = ExportChart(path, *format, view.Chart(), view.Session(), view.Settings(), options);
    }
    if (!result.ok) {
        // The export's own texts name the file when writing failed; a drawing failure does not.
        const std::string text = result.error.rfind("Cannot write ", 0) == 0
                                     ? result.error + "    "
                                     : CannotWrite(path, result.error);
        ShowProgramMessage(text, wxOK | wxICON_EXCLAMATION, &frame);
        return false;
    }
    return true;
}

std::unique_ptr<wxFileDialog> MakeExportDialog(wxWindow* parent) {
    const ExportDialogMemory& memory = DialogMemory();
    auto dialog = std::make_unique<wxFileDialog>(
        parent, kExportDialogTitle, memory.folder,
        std::string(kDefaultFileStem) + kExtensions[memory.filterIndex], kExportWildcard,
        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    dialog->SetFilterIndex(memory.filterIndex);
    return dialog;
}

void ExportChartCommand(CommandContext& context, CommandId) {
    const std::unique_ptr<wxFileDialog> dialog = MakeExportDialog(&context.frame);
    if (dialog->ShowModal() != wxID_OK) {
        return;
    }
    ExportDialogMemory& memory = DialogMemory();
    memory.folder = dialog->GetDirectory();
    const std::string chosen = dialog->GetPath().utf8_string();
    const std::string path = ExportPathForChoice(chosen, dialog->GetFilterIndex());
    // The dialog asked about replacing the name it returned; a name the extension was added to
    // was not asked about yet.
    std::error_code ignored;
    if (path != chosen && std::filesystem::exists(path, ignored)) {
        const int answer =
            ShowProgramMessage(path + " already exists.\nDo you want to replace it?    ",
                               wxYES_NO | wxICON_EXCLAMATION, &context.frame);
        if (answer != wxYES) {
            return;
        }
    }
    if (ExportChartToFile(context, path)) {
        // The next export offers the format written this time.
        const auto format = ExportFormatForPath(path);
        memory.filterIndex = format == ExportFormat::Svg ? 1 : format == ExportFormat::Pdf ? 2 : 0;
    }
}
