#include "frame/MainFrame.h"

#include "astro/Recompute.h"
#include "frame/AboutDialog.h"
#include "frame/DarkTheme.h"
#include "frame/KeyboardTable.h"
#include "frame/MenuBar.h"
#include "frame/ProgramHelp.h"
#include "guibase/CommandHooks.h"
#include "guibase/CommandIds.h"
#include "guibase/Icons.h"
#include "guibase/Messages.h"
#include "guibase/NoctaDoc.h"
#include "navigation/Navigation.h"
#include "settings/AppSettings.h"
#include "view/NoctaView.h"

#include <wx/aui/aui.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include <algorithm>

namespace {

// The lowest and highest command identifier of the program; update-UI requests outside the
// program's own commands are left to wx.
constexpr int kFirstCommandId = 1;
constexpr int kLastCommandId = 65535;

bool IsProgramCommand(int id) {
    if (id >= cmd::FileRecentFirst && id <= cmd::FileRecentLast) {
        return true;
    }
    if (id == cmd::ViewNightVision || id == cmd::FileExportChart || id == cmd::SearchFindObject ||
        id == cmd::ViewPrecisePositions) {
        return true;
    }
    return cmd::CommandOfId(id).has_value();
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
    m_aui->AddPane(m_view, wxAuiPaneInfo().Name("chart").CenterPane());
    CreateToolbars();
    CreateStatusPanes();
    SetAcceleratorTable(MakeAcceleratorTable());
    m_aui->Update();

    m_view->SetTimeStepSource([this] { return TimeStepIndex(); });
    m_view->SetDateChangedHandler([this] { RefreshStatusPanes(); });
    m_view->SetPickHandler([this](const PickedObject& object) { ShowInfoPanel(*this, object); });
    // A click that gives the chart the focus can bring the main window above the floating
    // navigation toolbar where no window manager keeps it on top; put the toolbar back.
    m_view->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
        RaiseNavigationToolbar();
        event.Skip();
    });
    SetRecentPictures(m_doc.RecentPictures());
}

CMainFrame::~CMainFrame() {
    m_aui->UnInit();
}

ProgramHelp& CMainFrame::Help() {
    if (!m_help) {
        m_help = std::make_unique<ProgramHelp>(this, m_settings.ProgramDir);
    }
    return *m_help;
}

bool CMainFrame::TryBefore(wxEvent& event) {
    if (event.GetEventType() == wxEVT_MENU) {
        // A command that is disabled now does nothing, whether a key, a button or a menu sent it.
        if (!StateOf(event.GetId()).enabled) {
            return true;
        }
        // The chart view handles its own commands first.
        if (m_view != nullptr && m_view->GetEventHandler()->ProcessEventLocally(event)) {
            return true;
        }
    }
    return wxFrame::TryBefore(event);
}

CommandUiState CMainFrame::StateOf(int id) const {
    const bool animating = m_view != nullptr && m_view->Animating();
    switch (id) {
    case cmd::ViewToolbar:
        return {true, m_mainToolbar != nullptr && m_aui->GetPane(m_mainToolbar).IsShown()};
    case cmd::ViewStatusBar:
        return {true, GetStatusBar() != nullptr && GetStatusBar()->IsShown()};
    case cmd::ViewNightVision:
        return {true, m_settings.NightVision != 0};
    case cmd::ViewPrecisePositions:
        return {true, m_view != nullptr && m_view->HasSession() &&
                          m_view->Session().ModelKind() == SkyModelKind::Precise};
    case cmd::FileExportChart:
    case cmd::SearchFindObject:
        return {!animating, std::nullopt};
    default:
        break;
    }
    if (id >= cmd::FileRecentFirst && id <= cmd::FileRecentLast) {
        const auto entry = static_cast<size_t>(id - cmd::FileRecentFirst);
        return {!animating && entry < m_doc.RecentPictures().size(), std::nullopt};
    }
    if (const auto command = cmd::CommandOfId(id); command && m_view != nullptr) {
        return QueryCommandState(*command, m_view->Chart());
    }
    return {};
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

const std::vector<std::string>& CMainFrame::RecentPictures() const {
    return m_doc.RecentPictures();
}

void CMainFrame::AddRecentPicture(const std::string& path) {
    std::vector<std::string> paths = m_doc.RecentPictures();
    paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
    paths.insert(paths.begin(), path);
    SetRecentPictures(std::move(paths));
}

// --- display switches, chart mode, sky background

void CMainFrame::OnDisplaySwitch(wxCommandEvent& event) {
    const auto command = cmd::CommandOfId(event.GetId());
    if (int* layer = command ? SwitchOfCommand(*command, m_view->Chart()) : nullptr) {
        ToggleSwitch(*layer);
        m_view->Redraw();
    }
}

void CMainFrame::OnNightVision(wxCommandEvent&) {
    m_settings.NightVision = m_settings.NightVision != 0 ? 0 : 1;
    SetDarkTheme(m_settings.NightVision != 0);
    m_view->Redraw();
}

void CMainFrame::OnPrecisePositions(wxCommandEvent&) {
    // The model changes at once, animation or not: the sky and the catalogue are recomputed for
    // the chart's date in the model chosen.
    SkySession& sky = m_view->Session();
    sky.SetModel(sky.ModelKind() == SkyModelKind::Precise ? SkyModelKind::Classic
                                                          : SkyModelKind::Precise);
    m_view->Redraw();
    RefreshStatusPanes();
}

void CMainFrame::OnChartMode(wxCommandEvent& event) {
    // The projection reads the setting (kept in the chart beside its own mode): all change
    // together.
    const int mode =
        event.GetId() == cmd::ChartLocalHorizon ? kChartLocalHorizon : kChartEquatorial;
    m_view->Chart().m_bHorizonView = mode;
    m_view->Chart().m_nHorizonViewSetting = mode;
    m_settings.HorizonView = mode;
    m_view->Redraw();
}

void CMainFrame::OnSkyBackground(wxCommandEvent& event) {
    const int coloured = event.GetId() == cmd::SkyColor ? 1 : 0;
    m_view->Chart().m_bColoredSky = coloured;
    m_settings.ColoredSky = coloured;
    m_view->Redraw();
}

// --- horizon points, zenith, nadir

void CMainFrame::OnHorizonPoint(wxCommandEvent& event) {
    HorizonPoint point = HorizonPoint::South;
    switch (event.GetId()) {
    case cmd::HorizonEast:
        point = HorizonPoint::East;
        break;
    case cmd::HorizonWest:
        point = HorizonPoint::West;
        break;
    case cmd::HorizonNorth:
        point = HorizonPoint::North;
        break;
    default:
        break;
    }
    if (CentreOnHorizonPoint(m_view->Chart(), m_view->Session().Sky(), point)) {
        m_view->Redraw();
    }
}

void CMainFrame::OnZenith(wxCommandEvent&) {
    if (CentreOnZenith(m_view->Chart(), m_view->Session().Sky())) {
        m_view->Redraw();
    }
}

void CMainFrame::OnNadir(wxCommandEvent&) {
    if (CentreOnNadir(m_view->Chart(), m_view->Session().Sky())) {
        m_view->Redraw();
    }
}

// --- bars, exit, about, help

void CMainFrame::OnToggleToolbar(wxCommandEvent&) {
    wxAuiPaneInfo& pane = m_aui->GetPane(m_mainToolbar);
    pane.Show(!pane.IsShown());
    m_aui->Update();
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&) {
    if (wxStatusBar* bar = GetStatusBar()) {
        bar->Show(!bar->IsShown());
        SendSizeEvent();
    }
}

void CMainFrame::OnExit(wxCommandEvent&) {
    Close();
}

void CMainFrame::OnAbout(wxCommandEvent&) {
    AboutDialog dialog(this);
    dialog.ShowModal();
}

void CMainFrame::OnHelpContents(wxCommandEvent&) {
    Help().ShowContents();
}
void CMainFrame::OnHelpUsing(wxCommandEvent&) {
    Help().ShowPage(kHelpPageUsingHelp);
}
void CMainFrame::OnHelpIndex(wxCommandEvent&) {
    Help().ShowPage(kHelpPageChart);
}
void CMainFrame::OnHelpContext(wxCommandEvent&) {
    Help().ShowPage(kHelpPageCommands);
}

// --- commands whose work lives elsewhere (guibase/CommandHooks.h)

void CMainFrame::OnFileOpen(wxCommandEvent&) {
    OpenPictureCommand(*this);
}
void CMainFrame::OnRecentPicture(wxCommandEvent& event) {
    OpenRecentPictureCommand(*this, event.GetId() - cmd::FileRecentFirst);
}
void CMainFrame::OnPrint(wxCommandEvent&) {
    PrintCommand(*this);
}
void CMainFrame::OnPrintPreview(wxCommandEvent&) {
    PrintPreviewCommand(*this);
}
void CMainFrame::OnPrintSetup(wxCommandEvent&) {
    PrintSetupCommand(*this);
}
void CMainFrame::OnExportChart(wxCommandEvent&) {
    ExportChartCommand(*this);
}
void CMainFrame::OnDateTime(wxCommandEvent&) {
    DateTimeCommand(*this);
}
void CMainFrame::OnLocation(wxCommandEvent&) {
    LocationCommand(*this);
}
void CMainFrame::OnMagnitudeLimits(wxCommandEvent&) {
    MagnitudeLimitsCommand(*this);
}
void CMainFrame::OnSearchStar(wxCommandEvent&) {
    SearchStarCommand(*this);
}
void CMainFrame::OnSearchSolarSystem(wxCommandEvent&) {
    SearchSolarSystemCommand(*this);
}
void CMainFrame::OnSearchConstellation(wxCommandEvent&) {
    SearchConstellationCommand(*this);
}
void CMainFrame::OnSearchMessier(wxCommandEvent&) {
    SearchMessierCommand(*this);
}
void CMainFrame::OnSearchNgc(wxCommandEvent&) {
    SearchNgcCommand(*this);
}
void CMainFrame::OnFindObject(wxCommandEvent&) {
    FindObjectCommand(*this);
}

// The event table stays at the end: its closing macro ends without a semicolon, which
// the formatter would take as the start of the next declaration.
// clang-format off
wxBEGIN_EVENT_TABLE(CMainFrame, wxFrame)
    EVT_UPDATE_UI_RANGE(kFirstCommandId, kLastCommandId, CMainFrame::OnUpdateCommand)
    EVT_IDLE(CMainFrame::OnIdle)
    EVT_MENU(cmd::ViewStarNames, CMainFrame::OnDisplaySwitch)
    EVT_MENU(cmd::ViewPlanetNames, CMainFrame::OnDisplaySwitch)
    EVT_MENU(cmd::ViewDeepSkyLabels, CMainFrame::OnDisplaySwitch)
    EVT_MENU(cmd::ViewEcliptic, CMainFrame::OnDisplaySwitch)
    EVT_MENU(cmd::ViewHorizon, CMainFrame::OnDisplaySwitch)
    EVT_MENU(cmd::ViewStarColors, CMainFrame::OnDisplaySwitch)
    EVT_MENU(cmd::ViewNightVision, CMainFrame::OnNightVision)
    EVT_MENU(cmd::ViewPrecisePositions, CMainFrame::OnPrecisePositions)
    EVT_MENU(cmd::ViewToolbar, CMainFrame::OnToggleToolbar)
    EVT_MENU(cmd::ViewStatusBar, CMainFrame::OnToggleStatusBar)
    EVT_MENU(cmd::ChartEquatorial, CMainFrame::OnChartMode)
    EVT_MENU(cmd::ChartLocalHorizon, CMainFrame::OnChartMode)
    EVT_MENU(cmd::SkyBlack, CMainFrame::OnSkyBackground)
    EVT_MENU(cmd::SkyColor, CMainFrame::OnSkyBackground)
    EVT_MENU(cmd::HorizonEast, CMainFrame::OnHorizonPoint)
    EVT_MENU(cmd::HorizonWest, CMainFrame::OnHorizonPoint)
    EVT_MENU(cmd::HorizonNorth, CMainFrame::OnHorizonPoint)
    EVT_MENU(cmd::HorizonSouth, CMainFrame::OnHorizonPoint)
    EVT_MENU(cmd::Zenith, CMainFrame::OnZenith)
    EVT_MENU(cmd::Nadir, CMainFrame::OnNadir)
    EVT_MENU(cmd::FileExit, CMainFrame::OnExit)
    EVT_MENU(cmd::HelpAbout, CMainFrame::OnAbout)
    EVT_MENU(cmd::HelpContents, CMainFrame::OnHelpContents)
    EVT_MENU(cmd::HelpUsing, CMainFrame::OnHelpUsing)
    EVT_MENU(cmd::HelpIndex, CMainFrame::OnHelpIndex)
    EVT_MENU(cmd::HelpContext, CMainFrame::OnHelpContext)
    EVT_MENU(cmd::FileOpen, CMainFrame::OnFileOpen)
    EVT_MENU_RANGE(cmd::FileRecentFirst, cmd::FileRecentLast, CMainFrame::OnRecentPicture)
    EVT_MENU(cmd::FilePrint, CMainFrame::OnPrint)
    EVT_MENU(cmd::FilePrintPreview, CMainFrame::OnPrintPreview)
    EVT_MENU(cmd::FilePrintSetup, CMainFrame::OnPrintSetup)
    EVT_MENU(cmd::FileExportChart, CMainFrame::OnExportChart)
    EVT_MENU(cmd::SettingsDateTime, CMainFrame::OnDateTime)
    EVT_MENU(cmd::SettingsLocation, CMainFrame::OnLocation)
    EVT_MENU(cmd::SettingsMagnitudeLimits, CMainFrame::OnMagnitudeLimits)
    EVT_MENU(cmd::SearchStar, CMainFrame::OnSearchStar)
    EVT_MENU(cmd::SearchSolarSystem, CMainFrame::OnSearchSolarSystem)
    EVT_MENU(cmd::SearchConstellation, CMainFrame::OnSearchConstellation)
    EVT_MENU(cmd::SearchMessier, CMainFrame::OnSearchMessier)
    EVT_MENU(cmd::SearchNgc, CMainFrame::OnSearchNgc)
    EVT_MENU(cmd::SearchFindObject, CMainFrame::OnFindObject)
wxEND_EVENT_TABLE()
