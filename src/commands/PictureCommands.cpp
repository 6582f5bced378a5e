// Opening pictures: File > Open..., the recent pictures and a picture named on the command line.
// Opening a picture makes it the document's path and puts it at the top of the recent list,
// then shows it in the picture window.
#include "commands/CommandHandlers.h"

#include "guibase/CommandContext.h"
#include "guibase/Messages.h"
#include "guibase/NoctaDoc.h"
#include "picture/PictureWindow.h"
#include "picturefiles/PictureLookup.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

#include <wx/filedlg.h>
#include <wx/frame.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

// What the open dialog remembers between uses in one run: the filter chosen last (the first
// time, the first filter) and the folder of the picture opened last (the first time, the
// program directory's Images/ folder). The working directory is left alone.
struct OpenDialogMemory {
    int filterIndex = 0;
    wxString folder;
};

OpenDialogMemory& Memory() {
    static OpenDialogMemory memory;
    return memory;
}

bool Readable(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
        return false;
    }
    return std::ifstream(std::filesystem::path(path), std::ios::binary).good();
}

// Opens `path` as the document: it becomes the document's path and the top of the recent list,
// the chart is redrawn behind the window, and the picture window shows it. A file that cannot be
// read is reported and changes nothing; a recent entry that cannot be read leaves the list.
void OpenAsDocument(CommandContext& context, const std::string& path) {
    if (!Readable(path)) {
        ShowProgramMessage("Couldn't open the file " + path + " !    ", wxOK | wxICON_STOP,
                           &context.frame);
        std::vector<std::string> recent = context.doc.RecentPictures();
        const auto end = std::remove(recent.begin(), recent.end(), path);
        if (end != recent.end()) {
            recent.erase(end, recent.end());
            context.setRecentPictures(std::move(recent));
        }
        return;
    }
    context.doc.SetPathName(path);
    context.setRecentPictures(context.doc.RecentPicturesWith(path));
    context.view.Redraw();
    ShowPictureWindow(&context.frame, path);
}

} // namespace

void OpenPictureCommand(CommandContext& context, CommandId) {
    OpenDialogMemory& memory = Memory();
    if (memory.folder.empty()) {
        const std::filesystem::path images = ImagesFolder(context.settings.ProgramDir);
        memory.folder = wxString::FromUTF8(images.string());
    }
    wxFileDialog dialog(&context.frame, "Open", memory.folder, wxString(),
                        wxString::FromUTF8(PictureFileFilter()), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    dialog.SetFilterIndex(memory.filterIndex);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    memory.filterIndex = dialog.GetFilterIndex();
    memory.folder = dialog.GetDirectory();
    // The path is kept exactly as chosen: names are case-sensitive here.
    OpenAsDocument(context, dialog.GetPath().utf8_string());
}

void OpenRecentPictureCommand(CommandContext& context, CommandId command) {
    const int entry = static_cast<int>(command) - cmd::FileRecentFirst;
    const std::vector<std::string>& recent = context.doc.RecentPictures();
    if (entry < 0 || static_cast<std::size_t>(entry) >= recent.size()) {
        return;
    }
    const std::string path = recent[static_cast<std::size_t>(entry)]; // the list changes below
    OpenAsDocument(context, path);
}

void OpenPictureFile(CommandContext& context, const std::string& path) {
    OpenAsDocument(context, path);
}
