// Opening pictures: File > Open..., the recent pictures and a picture named on the command line.
// Opening a picture makes it the document's path and puts it at the top of the recent list,
// then shows it in the picture window.
#include "guibase/CommandHooks.h"

#include "frame/MainFrame.h"
#include "guibase/Messages.h"
#include "guibase/NoctaDoc.h"
#include "picture/PictureWindow.h"
#include "picturefiles/PictureLookup.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

#include <wx/filedlg.h>

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
void OpenAsDocument(CMainFrame& frame, const std::string& path) {
    if (!Readable(path)) {
        ShowProgramMessage("Couldn't open the file " + path + " !    ", wxOK | wxICON_STOP, &frame);
        std::vector<std::string> recent = frame.RecentPictures();
        const auto end = std::remove(recent.begin(), recent.end(), path);
        if (end != recent.end()) {
            recent.erase(end, recent.end());
            frame.SetRecentPictures(std::move(recent));
        }
        return;
    }
    frame.Doc().SetPathName(path);
    frame.AddRecentPicture(path);
    frame.View().Redraw();
    ShowPictureWindow(&frame, path);
}

} // namespace

void OpenPictureCommand(CMainFrame& frame) {
    OpenDialogMemory& memory = Memory();
    if (memory.folder.empty()) {
        const std::filesystem::path images = ImagesFolder(frame.Settings().ProgramDir);
        memory.folder = wxString::FromUTF8(images.string());
    }
    wxFileDialog dialog(&frame, "Open", memory.folder, wxString(),
                        wxString::FromUTF8(PictureFileFilter()), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    dialog.SetFilterIndex(memory.filterIndex);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    memory.filterIndex = dialog.GetFilterIndex();
    memory.folder = dialog.GetDirectory();
    // The path is kept exactly as chosen: names are case-sensitive here.
    OpenAsDocument(frame, dialog.GetPath().utf8_string());
}

void OpenRecentPictureCommand(CMainFrame& frame, int entry) {
    const std::vector<std::string>& recent = frame.RecentPictures();
    if (entry < 0 || static_cast<std::size_t>(entry) >= recent.size()) {
        return;
    }
    const std::string path = recent[static_cast<std::size_t>(entry)]; // the list changes below
    OpenAsDocument(frame, path);
}

void OpenPictureFile(CMainFrame& frame, const std::string& path) {
    OpenAsDocument(frame, path);
}
