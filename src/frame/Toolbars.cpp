// The main toolbar (dockable at the top or the bottom, with the time-step box) and the floating
// navigation toolbar of the main frame.
#include "commandstate/CommandState.h"
#include "frame/CommandRows.h"
#include "frame/FrameCommands.h"
#include "frame/MainFrame.h"
#include "guibase/Icons.h"
#include "navigation/Animation.h"

#include <wx/aui/aui.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include <array>
#include <vector>

namespace {

// Main toolbar layout: 0 stands for a separator, kTimeStepSlot for the time-step box.
constexpr int kSeparator = 0;
constexpr int kTimeStepSlot = -1;
#define VN_TOOL(name) cmd::name,
#define VN_TOOL_SEPARATOR() kSeparator,
#define VN_TIME_STEP() kTimeStepSlot,
constexpr std::array kMainTools = {VN_MAIN_TOOLBAR(VN_TOOL, VN_TOOL_SEPARATOR, VN_TIME_STEP)};
#undef VN_TOOL
#undef VN_TOOL_SEPARATOR
#undef VN_TIME_STEP

#define VN_NAVIGATION_ROW(first, second) std::array<int, 2>{cmd::first, cmd::second},
constexpr std::array kNavigationRows = {VN_NAVIGATION_TOOLBAR(VN_NAVIGATION_ROW)};
#undef VN_NAVIGATION_ROW

constexpr int kTimeStepBoxWidth = 100;  // pixels
constexpr int kTimeStepFontHeight = 12; // pixels
// The navigation toolbar floats this far right of and below the frame's top-left corner.
const wxPoint kNavigationOffset(40, 150);

void AddTool(wxAuiToolBar& bar, int id) {
    const CommandRow& row = *FindCommandRow(id);
    bar.AddTool(id, wxString(), CommandIcon(row.picture), wxString::FromUTF8(CommandTooltip(id)),
                IsCheckable(row.command) ? wxITEM_CHECK : wxITEM_NORMAL);
    bar.SetToolLongHelp(id, wxString::FromUTF8(CommandPrompt(id)));
}

} // namespace

void CMainFrame::ShowNightIcons(bool night) {
    std::vector<wxAuiToolBar*> bars = {m_mainToolbar};
    for (wxWindow* child : m_navigationToolbar->GetChildren()) {
        if (auto* bar = dynamic_cast<wxAuiToolBar*>(child)) {
            bars.push_back(bar);
        }
    }
    for (wxAuiToolBar* bar : bars) {
        for (size_t i = 0; i < bar->GetToolCount(); ++i) {
            wxAuiToolBarItem* item = bar->FindToolByIndex(static_cast<int>(i));
            const CommandRow* row = item != nullptr ? FindCommandRow(item->GetId()) : nullptr;
            if (row == nullptr || row->picture == CommandPicture::NoPicture) {
                continue;
            }
            // The day pictures are the ones the bar made, kept for the way back.
            auto day = m_dayIcons.try_emplace(item->GetId(), item->GetBitmapBundle(),
                                              item->GetDisabledBitmapBundle());
            if (night) {
                item->SetBitmap(CommandIcon(row->picture, IconColours::Night));
                item->SetDisabledBitmap(CommandIcon(row->picture, IconColours::NightDimmed));
            } else {
                item->SetBitmap(day.first->second.first);
                item->SetDisabledBitmap(day.first->second.second);
            }
        }
        bar->Refresh();
    }
    m_nightIcons = night;
}

void CMainFrame::CreateToolbars() {
    m_mainToolbar = new wxAuiToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_HORIZONTAL);
    m_mainToolbar->SetToolBitmapSize(wxSize(kCommandIconSize, kCommandIconSize));
    for (const int id : kMainTools) {
        if (id == kSeparator) {
            m_mainToolbar->AddSeparator();
        } else if (id == kTimeStepSlot) {
            wxArrayString entries;
            for (const std::string_view entry : TimeStepEntries()) {
                entries.Add(wxString::FromUTF8(entry.data(), entry.size()));
            }
            m_timeStep = new wxChoice(m_mainToolbar, cmd::TimeStepBox, wxDefaultPosition,
                                      wxSize(kTimeStepBoxWidth, -1), entries);
            m_timeStep->SetSelection(kDefaultTimeStepIndex);
            m_timeStep->SetFont(wxFont(
                wxFontInfo(wxSize(0, kTimeStepFontHeight)).Family(wxFONTFAMILY_SWISS).Bold()));
            m_timeStep->SetToolTip(wxString::FromUTF8(CommandTooltip(cmd::TimeStepBox)));
            m_mainToolbar->AddControl(m_timeStep);
        } else {
            AddTool(*m_mainToolbar, id);
        }
    }
    m_mainToolbar->Realize();
    m_mainToolbar->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
        const wxAuiToolBarItem* item =
            m_mainToolbar->FindToolByPosition(event.GetX(), event.GetY());
        ShowToolbarPrompt(item != nullptr ? item->GetId() : wxID_NONE);
        event.Skip();
    });
    m_mainToolbar->Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
        ShowToolbarPrompt(wxID_NONE);
        event.Skip();
    });
    m_aui->AddPane(m_mainToolbar, wxAuiPaneInfo()
                                      .Name(kMainToolbarPane)
                                      .Caption("Toolbar")
                                      .ToolbarPane()
                                      .Top()
                                      .TopDockable(true)
                                      .BottomDockable(true)
                                      .LeftDockable(false)
                                      .RightDockable(false)
                                      .Floatable(false)
                                      .Gripper(true));

    // The navigation toolbar: three toolbars of two buttons in one fixed, floating pane. Its
    // buttons reach the frame through the panel, since a floating pane is a window of its own.
    auto* panel = new wxPanel(this, wxID_ANY);
    auto* rows = new wxBoxSizer(wxVERTICAL);
    for (const auto& row : kNavigationRows) {
        auto* bar = new wxAuiToolBar(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxAUI_TB_HORIZONTAL | wxAUI_TB_PLAIN_BACKGROUND);
        bar->SetToolBitmapSize(wxSize(kCommandIconSize, kCommandIconSize));
        for (const int id : row) {
            AddTool(*bar, id);
        }
        bar->Realize();
        rows->Add(bar, 0, wxEXPAND);
    }
    panel->SetSizerAndFit(rows);
    panel->Bind(wxEVT_TOOL, [this](wxCommandEvent& event) {
        wxCommandEvent command(wxEVT_MENU, event.GetId());
        command.SetEventObject(this);
        GetEventHandler()->ProcessEvent(command);
    });
    m_navigationToolbar = panel;
    m_aui->AddPane(panel, wxAuiPaneInfo()
                              .Name("navigation-toolbar")
                              .Caption("Navigation")
                              .Float()
                              .FloatingPosition(GetPosition() + kNavigationOffset)
                              .Fixed()
                              .Dockable(false)
                              .CloseButton(false)
                              .MaximizeButton(false)
                              .PinButton(false));
}

int CMainFrame::TimeStepIndex() const {
    const int selection = m_timeStep != nullptr ? m_timeStep->GetSelection() : wxNOT_FOUND;
    return selection == wxNOT_FOUND ? kDefaultTimeStepIndex : selection;
}

void CMainFrame::RaiseNavigationToolbar() {
    // Once now, and once more after the pending events of showing the main window.
    const auto raise = [this] {
        const wxAuiPaneInfo& pane = m_aui->GetPane(m_navigationToolbar);
        if (pane.IsOk() && pane.IsFloating() && pane.frame != nullptr) {
            pane.frame->Raise();
        }
    };
    raise();
    CallAfter(raise);
}
