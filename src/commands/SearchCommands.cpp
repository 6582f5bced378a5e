// The five search commands of the Search menu: each runs its dialog modally and redraws the
// chart when the dialog centred it on an object.
#include "commands/CommandHandlers.h"

#include "dialogs/FindObjectDialog.h"
#include "dialogs/SearchDialogs.h"
#include "guibase/CommandContext.h"
#include "view/NoctaView.h"

#include <wx/frame.h>

namespace {

void RunSearchList(CommandContext& context, CSearchListDialog::Kind kind) {
    CNoctaView& view = context.view;
    CSearchListDialog dialog(&context.frame, kind, view.Chart(), context.Sky());
    if (dialog.ShowModal() == wxID_OK) {
        view.Redraw();
    }
}

} // namespace

void SearchStarCommand(CommandContext& context, CommandId) {
    RunSearchList(context, CSearchListDialog::Kind::Star);
}

void SearchNgcCommand(CommandContext& context, CommandId) {
    RunSearchList(context, CSearchListDialog::Kind::Ngc);
}

void SearchConstellationCommand(CommandContext& context, CommandId) {
    RunSearchList(context, CSearchListDialog::Kind::Constellation);
}

void SearchMessierCommand(CommandContext& context, CommandId) {
    CNoctaView& view = context.view;
    CSearchMessierDialog dialog(&context.frame, view.Chart(), context.Sky());
    if (dialog.ShowModal() == wxID_OK) {
        view.Redraw();
    }
}

void SearchSolarSystemCommand(CommandContext& context, CommandId) {
    CNoctaView& view = context.view;
    CSearchSolarSystemDialog dialog(&context.frame, view.Chart(), context.Sky().Sky());
    if (dialog.ShowModal() == wxID_OK) {
        view.Redraw();
    }
}

void FindObjectCommand(CommandContext& context, CommandId) {
    CNoctaView& view = context.view;
    CFindObjectDialog dialog(&context.frame, view.Chart(), context.Sky());
    if (dialog.ShowModal() == wxID_OK && dialog.Found()) {
        view.MarkFound(dialog.Found()->ra, dialog.Found()->dec);
        const NamedObject found = *dialog.FoundObject();
        context.mountObject = found;
        if (found.kind != NamedKind::Constellation) {
            context.lookedAt =
                PlannedObject{found.kind == NamedKind::Star      ? PlannedKind::Star
                              : found.kind == NamedKind::DeepSky ? PlannedKind::DeepSky
                                                                 : PlannedKind::Body,
                              found.index};
        }
    }
}
