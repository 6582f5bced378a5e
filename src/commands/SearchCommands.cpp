// The five search commands of the Search menu: each runs its dialog modally and redraws the
// chart when the dialog centred it on an object.
#include "dialogs/FindObjectDialog.h"
#include "dialogs/SearchDialogs.h"
#include "frame/MainFrame.h"
#include "guibase/CommandHooks.h"
#include "view/NoctaView.h"

namespace {

void RunSearchList(CMainFrame& frame, CSearchListDialog::Kind kind) {
    CNoctaView& view = frame.View();
    CSearchListDialog dialog(&frame, kind, view.Chart(), view.Session());
    if (dialog.ShowModal() == wxID_OK) {
        view.Redraw();
    }
}

} // namespace

void SearchStarCommand(CMainFrame& frame) {
    RunSearchList(frame, CSearchListDialog::Kind::Star);
}

void SearchNgcCommand(CMainFrame& frame) {
    RunSearchList(frame, CSearchListDialog::Kind::Ngc);
}

void SearchConstellationCommand(CMainFrame& frame) {
    RunSearchList(frame, CSearchListDialog::Kind::Constellation);
}

void SearchMessierCommand(CMainFrame& frame) {
    CNoctaView& view = frame.View();
    CSearchMessierDialog dialog(&frame, view.Chart(), view.Session());
    if (dialog.ShowModal() == wxID_OK) {
        view.Redraw();
    }
}

void SearchSolarSystemCommand(CMainFrame& frame) {
    CNoctaView& view = frame.View();
    CSearchSolarSystemDialog dialog(&frame, view.Chart(), view.Session().Sky());
    if (dialog.ShowModal() == wxID_OK) {
        view.Redraw();
    }
}

void FindObjectCommand(CMainFrame& frame) {
    CNoctaView& view = frame.View();
    CFindObjectDialog dialog(&frame, view.Chart(), view.Session());
    if (dialog.ShowModal() == wxID_OK && dialog.Found()) {
        view.MarkFound(dialog.Found()->ra, dialog.Found()->dec);
    }
}
