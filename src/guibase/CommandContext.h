// Folder guibase/: the pieces every part of the desktop program shares, which include no other
// GUI folder: the context commands run in (here), icons, message boxes (Messages), the document
// (NoctaDoc) and the status-bar panes.
//
// CommandContext: what a command's handler may reach. The main window hands one to every
// handler of the command table (commandstate/CommandTable.h); handlers never see the window's
// own class.
#pragma once

#include "navigation/ClockFollowing.h"
#include "planning/WellPlaced.h"
#include "search/NameIndex.h"
#include "telescope/MountClient.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct AppSettings;
class SkySession;
class CNoctaDoc;
class CNoctaView;
class wxFrame;

struct CommandContext {
    // The main window: parent of the dialogs and panels, owner of the bars.
    wxFrame& frame;
    // The chart view: the chart state, the catalogues, redrawing.
    CNoctaView& view;
    AppSettings& settings;
    CNoctaDoc& doc;
    // Sets the place, time, date and pointer panes from the current state.
    std::function<void()> refreshStatusPanes;
    // Replaces the recent-picture list (newest first), in the document and in the File menu.
    std::function<void(std::vector<std::string>)> setRecentPictures;
    // Shows a page of the help book; an empty page shows the contents.
    std::function<void(std::string_view page)> showHelp;
    // The sky: the catalogue, the clock time, the place and the model. Attached once the
    // catalogues are loaded, before the first command can run.
    SkySession* sky = nullptr;
    SkySession& Sky() const { return *sky; }
    // Whether the chart is kept at the current minute (View > Follow the Clock).
    ClockFollowing clock{};
    // The object whose panel was shown or that the Tonight window centred last: Observe >
    // Altitude Graph draws it.
    std::optional<PlannedObject> lookedAt{};
    // The telescope: the client of the INDI server (made at the first connection), the status
    // the window shows (the reticle, the pane), whether the chart is kept centred on the mount,
    // and the object the Telescope menu slews to or syncs on, the one centred by the last
    // search or click.
    std::unique_ptr<MountClient> mount{};
    MountStatus mountShown{};
    bool followMount = false;
    std::optional<NamedObject> mountObject{};
};
