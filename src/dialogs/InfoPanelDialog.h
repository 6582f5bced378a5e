// The three information panels: StarInfoDialog, BodyInfoDialog and DeepSkyInfoDialog. Each is a
// modal dialog that shows the texts the core computes for its object (InfoPanelText.h) inside a
// group frame with the program's icon, an OK button, and for bodies and deep-sky objects an
// "Image" button that opens the object's picture from the Images/ folder. Nothing is editable.
#pragma once

#include "texts/InfoPanelText.h"

#include <wx/dialog.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

class wxButton;
class wxStaticText;

class CInfoPanelDialog : public wxDialog {
public:
    // What ShowModal returns when the "Altitude Graph" button closed the panel: the caller then
    // opens the graph of the panel's object.
    static constexpr int kAltitudeGraphReturn = wxID_HIGHEST + 25;
    // What ShowModal returns when "Slew Telescope" or "Sync Telescope" closed the panel: the
    // caller then points the mount at the panel's object or syncs it there.
    static constexpr int kSlewReturn = wxID_HIGHEST + 26;
    static constexpr int kSyncReturn = wxID_HIGHEST + 27;

    // Shows the two telescope buttons (hidden unless a mount is connected).
    void ShowMountButtons();
    wxButton* SlewButton() const { return m_slewButton; }
    wxButton* SyncButton() const { return m_syncButton; }

    const InfoPanelContent& Content() const { return m_content; }

    // The value control of the row with this label, value `column` (0 for the first); nullptr
    // when there is none.
    wxStaticText* ValueControl(const std::string& label, std::size_t column = 0) const;

    // The "Image" button (nullptr for the star panel) and the picture it opens.
    wxButton* ImageButton() const { return m_imageButton; }
    const std::optional<std::filesystem::path>& PicturePath() const { return m_picturePath; }

protected:
    // withImageButton: the panel has an "Image" button, enabled when programDir's Images/
    // folder holds a picture named content.pictureName.
    CInfoPanelDialog(wxWindow* parent, InfoPanelContent content, bool withImageButton,
                     const std::string& programDir);

private:
    void OnImage(wxCommandEvent& event);

    InfoPanelContent m_content;
    wxButton* m_imageButton = nullptr;
    wxButton* m_slewButton = nullptr;
    wxButton* m_syncButton = nullptr;
    std::optional<std::filesystem::path> m_picturePath;
};

// Each panel is made for the instant of the chart's clock time and the sky model the chart uses
// (InfoPanelText.h).
//
// "Star": one of the 9095 catalogue stars.
class StarInfoDialog : public CInfoPanelDialog {
public:
    StarInfoDialog(wxWindow* parent, const CatalogStore& catalog, std::size_t starIndex,
                   const Instant& instant, const Place& place,
                   const SkyModel& model = SkyModelFor(SkyModelKind::Classic));
};

// "Star" for a faint star (Hipparcos number, magnitude, B-V).
class FaintStarInfoDialog : public CInfoPanelDialog {
public:
    FaintStarInfoDialog(wxWindow* parent, const CatalogStore& catalog, std::size_t faintIndex,
                        const Instant& instant, const Place& place, const SkyModel& model);
};

// "Solar System", titled with the body's name: the Moon, the Sun or a planet.
class BodyInfoDialog : public CInfoPanelDialog {
public:
    BodyInfoDialog(wxWindow* parent, const BodyTable& bodies, std::size_t bodyIndex,
                   const Instant& instant, const Place& place, const std::string& programDir,
                   const SkyModel& model = SkyModelFor(SkyModelKind::Classic));
};

// "Deep sky object": a Messier or NGC object.
class DeepSkyInfoDialog : public CInfoPanelDialog {
public:
    DeepSkyInfoDialog(wxWindow* parent, const CatalogStore& catalog, std::size_t deepSkyIndex,
                      const Instant& instant, const Place& place, const std::string& programDir,
                      const SkyModel& model = SkyModelFor(SkyModelKind::Classic));
};
