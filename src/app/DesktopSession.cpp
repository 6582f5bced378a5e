#include "app/DesktopSession.h"

#include "app/SplashWindow.h"
#include "astro/ClockTime.h"
#include "catalog/Loaders.h"
#include "commands/CommandHandlers.h"
#include "frame/MainFrame.h"
#include "guibase/Messages.h"
#include "navigation/Navigation.h"
#include "settings/PlaceZoneAdoption.h"
#include "settings/Profile.h"
#include "settings/ProgramDir.h"
#include "view/NoctaView.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace {

void CloseSplash() {
    if (SplashWindow* splash = SplashWindow::Instance()) {
        splash->Destroy();
    }
}

// Destroys the main window now rather than at the next idle moment, so its chart view has
// copied its fields back before the caller goes on.
void DestroyMainWindow(DesktopSession& session) {
    if (CMainFrame* frame = session.frame.get()) {
        // A window already closed waits in the pending-delete list; it is taken off it and
        // deleted here instead.
        wxPendingDelete.DeleteObject(frame);
        delete frame;
    }
}

} // namespace

int StartDesktop(DesktopSession& session, const StartupOptions& options) {
    // The splash picture lives in the program's data directory.
    const std::string dataDir = options.programDir.empty() ? FindProgramDir() : options.programDir;
    SplashWindow::SetArmed(options.showSplash);
    SplashWindow::Show(dataDir);

    if (wxTheApp != nullptr) {
        wxTheApp->SetAppName(kProgramName);
        wxTheApp->SetAppDisplayName(kProgramName);
    }
    session.profilePath = options.profilePath.empty() ? DefaultProfilePath() : options.profilePath;

    std::vector<std::string> recentPictures;
    if (const ProfileResult loaded =
            LoadProfile(session.profilePath, session.settings, recentPictures);
        !loaded) {
        // The defaults apply; the user learns why the saved settings are missing.
        ShowProgramMessage(loaded.error + "    ", wxOK | wxICON_EXCLAMATION);
    } else if (!loaded.warnings.empty()) {
        std::string text;
        for (const std::string& warning : loaded.warnings) {
            text += warning + "\n";
        }
        text.pop_back();
        CloseSplash();
        ShowProgramMessage(text + "    ", wxOK | wxICON_EXCLAMATION);
    }
    session.settings.ProgramDir = dataDir;

    auto* frame = new CMainFrame(session.settings, session.doc);
    session.frame = frame;
    frame->SetProfilePath(session.profilePath);
    frame->SetRecentPictures(recentPictures);

    auto catalog = std::make_unique<CatalogStore>();
    const CatalogLoadResult catalogs =
        LoadCatalogs(*catalog, CatalogLocator(session.settings.ProgramDir));
    if (!catalogs.warnings.empty()) {
        // One message for every damaged file; the program goes on with the records they hold.
        std::string text;
        for (const std::string& warning : catalogs.warnings) {
            text += warning + "\n";
        }
        text.pop_back();
        CloseSplash(); // the splash window would stand above the message
        ShowProgramMessage(text + "    ", wxOK | wxICON_EXCLAMATION);
    }
    if (!catalogs.ok()) {
        CloseSplash();
        ShowProgramMessage(catalogs.message, wxOK | wxICON_STOP);
        DestroyMainWindow(session);
        return kExitMissingCatalogue;
    }
    AdoptPlaceZone(session.settings, *catalog, catalog->m_placeZones);
    if (const UtcOffset offset =
            ObserverUtcOffset(session.settings.SkyDate, ZoneOf(session.settings.Observer));
        !offset.zoneProblem.empty()) {
        // The program goes on with the place's standard offset and says so once.
        CloseSplash();
        ShowProgramMessage(ZoneFallbackWarning(offset, ZoneOf(session.settings.Observer)) + "    ",
                           wxOK | wxICON_EXCLAMATION);
    }

    // The chart starts at the computer's clock, read at the observer's place; from here on the
    // sky session holds the clock time and the model, which go back into the settings at exit.
    // The settings keep the place as typed (the Location command writes it there).
    session.settings.SkyDate = NowAtObserver(ZoneOf(session.settings.Observer));
    session.sky = std::make_unique<SkySession>(std::move(catalog), session.settings.SkyDate,
                                               PlaceOf(session.settings.Observer),
                                               SkyModelOfSettings(session.settings));
    frame->AttachSession(*session.sky);
    frame->View().InitialUpdate();
    // Faint stars kept on from an earlier run but not installed now: the layer goes off and the
    // user learns why once.
    if (const auto warning =
            TurnOffMissingFaintStars(session.sky->Catalog().m_faintStars, frame->View().Chart(),
                                     session.settings.AutoMode)) {
        session.settings.FaintStars = 0;
        CloseSplash();
        ShowProgramMessage(*warning + "    ", wxOK | wxICON_EXCLAMATION);
    }
    if (wxTheApp != nullptr) {
        wxTheApp->SetTopWindow(frame);
    }
    frame->Maximize();
    frame->Show();
    frame->RaiseNavigationToolbar();
    // The splash window stays above every window until its time is up, also above the main
    // window that was just mapped.
    frame->CallAfter([] {
        if (SplashWindow* splash = SplashWindow::Instance()) {
            splash->Raise();
        }
    });
    frame->Update();
    frame->View().SetFocus();
    session.started = true;

    if (!options.picture.empty()) {
        OpenPictureFile(frame->Context(), options.picture);
    }
    return kExitOk;
}

bool FinishDesktop(DesktopSession& session) {
    if (!session.started) {
        return true;
    }
    DestroyMainWindow(session);
    session.started = false;
    if (session.sky) {
        session.settings.SkyDate = session.sky->ClockTime();
        session.settings.PrecisePositions = PrecisePositionsOf(session.sky->ModelKind());
    }

    // The settings and the recent-picture list are written together, in one file write.
    const ProfileResult saved =
        SaveProfile(session.profilePath, session.settings, session.doc.RecentPictures());
    if (!saved) {
        ShowProgramMessage("The settings could not be saved: " + saved.error + "    ",
                           wxOK | wxICON_STOP);
        return false;
    }
    return true;
}
