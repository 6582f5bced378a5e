// The eight panes of the main frame's status bar: command prompts, the pointer's right ascension
// and declination and, on the local-horizon chart, its azimuth and altitude, the place, the time,
// the date and the telescope.
#include "guibase/StatusPanes.h"
#include "frame/CommandRows.h"
#include "frame/MainFrame.h"
#include "navigation/PointerTracking.h"
#include "settings/AppSettings.h"
#include "texts/StatusTexts.h"
#include "view/NoctaView.h"

#include <wx/dcclient.h>
#include <wx/statusbr.h>

#include <array>

namespace {

// Room around a pane's sizing text for the pane's border and inner margin.
constexpr int kPanePadding = 12; // pixels

constexpr const char* kIdleMessage = "Ready";

} // namespace

void CMainFrame::CreateStatusPanes() {
    wxStatusBar* bar = CreateStatusBar(cmd::kPaneCount, wxSTB_DEFAULT_STYLE);
    wxClientDC dc(bar);
    dc.SetFont(bar->GetFont());
    const std::array<std::string_view, cmd::kPaneCount - 1> sizingTexts = {
        kRightAscensionSizingText, kDeclinationSizingText, kHorizontalSizingText, kPlaceSizingText,
        kTimeSizingText,           kDateSizingText,        kMountSizingText};
    std::array<int, cmd::kPaneCount> widths{};
    widths[cmd::kPaneMessage] = -1;
    for (size_t i = 0; i < sizingTexts.size(); ++i) {
        const wxString text = wxString::FromUTF8(sizingTexts[i].data(), sizingTexts[i].size());
        widths[i + 1] = dc.GetTextExtent(text).x + kPanePadding;
    }
    bar->SetStatusWidths(cmd::kPaneCount, widths.data());
    SetStatusBarPane(cmd::kPaneMessage); // menu prompts go to the message pane
    m_paneTexts.assign(cmd::kPaneCount, wxString());
    SetStatusText(kIdleMessage, cmd::kPaneMessage);
}

void CMainFrame::RefreshStatusPanes() {
    wxStatusBar* bar = GetStatusBar();
    if (bar == nullptr || m_view == nullptr) {
        return;
    }
    // The place as the user typed it (the settings hold it); the sky session's clock time, the
    // profile's until the session is made.
    const bool sky = m_view->HasSession();
    const PointerPaneTexts pointer =
        sky ? PointerTexts(m_view->PointerPosition(), m_view->Chart(), m_view->Session().Sky())
            : PointerTexts(m_view->PointerPosition());
    const Observer& place = m_settings.Observer;
    const SkyDate& clock = sky ? m_view->Session().ClockTime() : m_settings.SkyDate;
    const MountStatus& mount = m_context->mountShown;
    const std::array<std::string, cmd::kPaneCount - 1> texts = {
        pointer.rightAscension,
        pointer.declination,
        pointer.horizontal,
        PlacePaneText(place),
        TimePaneText(clock),
        DatePaneText(clock),
        MountPaneText(ActivityName(mount.activity),
                      mount.hasPosition && mount.activity != MountActivity::Disconnected,
                      mount.raHours, mount.decDegrees)};
    for (size_t i = 0; i < texts.size(); ++i) {
        const wxString text = wxString::FromUTF8(texts[i]);
        // Setting an unchanged text would repaint the bar at every idle moment.
        if (m_paneTexts[i + 1] != text) {
            m_paneTexts[i + 1] = text;
            bar->SetStatusText(text, static_cast<int>(i + 1));
        }
    }
}

void CMainFrame::ShowToolbarPrompt(int toolId) {
    if (GetStatusBar() == nullptr) {
        return;
    }
    const std::string prompt = toolId == wxID_NONE ? std::string() : CommandPrompt(toolId);
    SetStatusText(prompt.empty() ? wxString(kIdleMessage) : wxString::FromUTF8(prompt),
                  cmd::kPaneMessage);
}
