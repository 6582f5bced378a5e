#include "frame/MainFrame.h"

#include "astro/SkySession.h"
#include "catalog/CatalogStore.h"
#include "commands/CommandHandlers.h"
#include "frame/CommandRows.h"
#include "frame/DarkTheme.h"
#include "frame/KeyboardTable.h"
#include "frame/MenuBar.h"
#include "frame/ProgramHelp.h"
#include "guibase/Icons.h"
#include "guibase/Messages.h"
#include "guibase/NoctaDoc.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

#include <wx/aui/aui.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

namespace {

// The lowest and highest command identifier of the program; update-UI requests outside the
// program's own commands are left to wx.
constexpr int kFirstCommandId = 1;
constexpr int kLastCommandId = 65535;

bool IsProgramCommand(int id) {
    return FindCommandRow(id) != nullptr;
}

} // namespace

CMainFrame::CMainFrame(AppSettings& settings, CNoctaDoc& doc)
    : wxFrame(nullptr, wxID_ANY, kProgramName, wxDefaultPosition, wxGetDisplaySize()),
      m_settings(settings), m_doc(doc), m_aui(std::make_unique<wxAuiManager>(this)) {
    // The title is the program's name alone, whatever picture is open.
    SetTitle(kProgramName);
    // Night vision kept from the last run: dark bars and dialogs from the first frame on.
    SetDarkTheme(m_settings.NightVision != 0);
    SetIcon(ProgramIcon().GetIcon(wxSize(32, 32)));
    SetMenuBar(BuildMenuBar());

    m_view = new CNoctaView(this, settings);
    m_context = std::make_unique<CommandContext>(CommandContext{
        *this, *m_view, m_settings, m_doc, [this] { RefreshStatusPanes(); },
        [this](std::vector<std::string> paths) { SetRecentPictures(std::move(paths)); },
        [this](std::string_view page) {
            if (page.empty()) {
                Help().ShowContents();
            } else {
                Help().ShowPage(std::string(page));
            }
        }});
    m_aui->AddPane(m_view, wxAuiPaneInfo().Name("chart").CenterPane());
    CreateToolbars();
    CreateStatusPanes();
    SetAcceleratorTable(MakeAcceleratorTable());
    BindCommands();
    m_aui->Update();

    m_view->SetTimeStepSource([this] { return TimeStepIndex(); });
    m_view->SetDateChangedHandler([this] { RefreshStatusPanes(); });
    m_view->SetPickHandler(
        [this](const PickedObject& object) { ShowInfoPanel(*m_context, object); });
    // A click that gives the chart the focus can bring the main window above the floating
    // navigation toolbar where no window manager keeps it on top; put the toolbar back.
    m_view->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
        RaiseNavigationToolbar();
        event.Skip();
    });
    SetRecentPictures(m_doc.RecentPictures());
    m_clockTimer.SetOwner(this);
    Bind(wxEVT_TIMER, &CMainFrame::OnClockTimer, this, m_clockTimer.GetId());
    m_mountTimer.SetOwner(this);
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { MountTick(*m_context); }, m_mountTimer.GetId());
}

CMainFrame::~CMainFrame() {
    m_mountTimer.Stop();
    m_aui->UnInit();
}

ProgramHelp& CMainFrame::Help() {
    if (!m_help) {
        m_help = std::make_unique<ProgramHelp>(this, m_settings.ProgramDir);
    }
    return *m_help;
}

bool CMainFrame::TryBefore(wxEvent& event) {
    // A command that is disabled now does nothing, whether a key, a button or a menu sent it.
    if (event.GetEventType() == wxEVT_MENU && !StateOf(event.GetId()).enabled) {
        return true;
    }
    return wxFrame::TryBefore(event);
}

void CMainFrame::BindCommands() {
    for (const CommandRow& row : CommandRows()) {
        if (row.handler != nullptr) {
            Bind(
                wxEVT_MENU, [this, &row](wxCommandEvent&) { row.handler(*m_context, row.command); },
                row.id);
        }
    }
}

void CMainFrame::AttachSession(SkySession& session) {
    m_view->AttachSession(session);
    m_context->sky = &session;
}

CommandUiState CMainFrame::StateOf(int id) const {
    const CommandRow* row = FindCommandRow(id);
    if (row == nullptr || m_view == nullptr) {
        return {};
    }
    CommandInputs inputs{m_view->Chart(), m_settings};
    inputs.toolbarShown = m_mainToolbar != nullptr && m_aui->GetPane(m_mainToolbar).IsShown();
    inputs.statusBarShown = GetStatusBar() != nullptr && GetStatusBar()->IsShown();
    inputs.recentPictures = m_doc.RecentPictures().size();
    if (m_view->HasSession()) {
        inputs.model = m_view->Session().ModelKind();
        inputs.faintStarsAvailable = m_view->Session().Catalog().m_faintStars.Available();
    }
    inputs.followingClock = m_context->clock.IsOn();
    inputs.mountOnline = m_context->mountShown.activity != MountActivity::Disconnected;
    inputs.mountPosition = m_context->mountShown.hasPosition;
    inputs.mountObject = m_context->mountObject.has_value();
    inputs.followingMount = m_context->followMount;
    return QueryCommandState(row->command, inputs);
}

void CMainFrame::OnUpdateCommand(wxUpdateUIEvent& event) {
    if (!IsProgramCommand(event.GetId())) {
        event.Skip();
        return;
    }
    const CommandUiState state = StateOf(event.GetId());
    event.Enable(state.enabled);
    if (state.checked.has_value()) {
        event.Check(*state.checked);
    }
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
    constexpr int kClockTickMs = 1000;
    if (m_context->clock.IsOn() != m_clockTimer.IsRunning()) {
        if (m_context->clock.IsOn()) {
            m_clockTimer.Start(kClockTickMs);
        } else {
            m_clockTimer.Stop();
        }
    }
    // The mount's state is looked at four times a second once a mount was ever connected.
    constexpr int kMountTickMs = 250;
    if (m_context->mount && !m_mountTimer.IsRunning()) {
        m_mountTimer.Start(kMountTickMs);
    }
    if (m_nightIcons != (m_settings.NightVision != 0)) {
        ShowNightIcons(m_settings.NightVision != 0);
    }
    RefreshStatusPanes();
    event.Skip();
}

void CMainFrame::SetRecentPictures(std::vector<std::string> paths) {
    if (paths.size() > static_cast<size_t>(cmd::kRecentPictureCount)) {
        paths.resize(cmd::kRecentPictureCount);
    }
    m_doc.SetRecentPictures(std::move(paths));
    if (wxMenuBar* bar = GetMenuBar()) {
        ShowRecentPictures(*bar->GetMenu(0), m_doc.RecentPictures());
    }
}

void CMainFrame::OnClockTimer(wxTimerEvent&) {
    FollowClockTick(*m_context);
}

const std::vector<std::string>& CMainFrame::RecentPictures() const {
    return m_doc.RecentPictures();
}

void CMainFrame::AddRecentPicture(const std::string& path) {
    SetRecentPictures(m_doc.RecentPicturesWith(path));
}

// The event table stays at the end: its closing macro ends without a semicolon, which
// the formatter would take as the start of the next declaration.
// clang-format off
wxBEGIN_EVENT_TABLE(CMainFrame, wxFrame)
    EVT_UPDATE_UI_RANGE(kFirstCommandId, kLastCommandId, CMainFrame::OnUpdateCommand)
    EVT_IDLE(CMainFrame::OnIdle)
wxEND_EVENT_TABLE()
