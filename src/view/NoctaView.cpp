#include "view/NoctaView.h"

#include "astro/ClockTime.h"
#include "astro/SkySession.h"
#include "chart/ApparentOnChart.h"
#include "chart/CairoSurface.h"
#include "chart/ChartSetup.h"
#include "chart/Frame.h"
#include "chart/ProjectionMemo.h"
#include "guibase/Messages.h"
#include "navigation/Animation.h"
#include "navigation/Navigation.h"
#include "navigation/PointerTracking.h"
#include "settings/AppSettings.h"
#include "view/NightVision.h"

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/utils.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

// The screen's size and colour depth, read once when the view is made: the off-screen surface
// covers the whole screen so it never has to be made again.
wxSize ScreenSize(const wxWindow* window) {
    const int index = wxDisplay::GetFromWindow(window);
    const wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
    return display.GetGeometry().GetSize();
}

// The one-shot timer that takes the found object's ring away (the animation timer is id 2).
constexpr int kMarkTimerId = 3;
constexpr int kMarkMilliseconds = 2500;
constexpr double kMarkRadius = 14.0; // pixels
constexpr double kMarkLineWidth = 2.5;

} // namespace

CNoctaView::CNoctaView(wxWindow* parent, AppSettings& settings)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
               wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE),
      m_settings(settings), m_chart(settings), m_memo(std::make_unique<ProjectionMemo>()),
      m_timer(this, kAnimationTimerId), m_markTimer(this, kMarkTimerId) {
    SetBackgroundColour(*wxBLACK);
    MakeOffscreen();
    m_deepColour = wxDisplayDepth() > 8;
    const wxSize client = GetClientSize();
    ::SetClientSize(m_chart, client.x, client.y);
}

int CNoctaView::DeviceScale() const {
    return std::max(1, static_cast<int>(std::lround(GetContentScaleFactor())));
}

void CNoctaView::MakeOffscreen() {
    // The screen's size is in logical pixels; the image holds DeviceScale() device pixels for
    // each, so the chart is drawn at the screen's resolution rather than enlarged afterwards.
    const wxSize screen = ScreenSize(this);
    m_offscreenScale = DeviceScale();
    m_offscreen = std::make_unique<CairoImageSurface>(std::max(screen.x, 1), std::max(screen.y, 1),
                                                      m_offscreenScale);
}

CNoctaView::~CNoctaView() {
    m_timer.Stop();
    m_markTimer.Stop();
    m_chart.CopyToSettings(m_settings);
}

void CNoctaView::InitialUpdate() {
    const int index = wxDisplay::GetFromWindow(this);
    const wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
    const wxRect usable = display.GetClientArea();
    ::InitialUpdate(m_chart, usable.width, usable.height);
    const wxSize client = GetClientSize();
    ::SetClientSize(m_chart, client.x, client.y);
    Redraw();
}

void CNoctaView::Redraw() {
    Refresh(false);
}

int CNoctaView::TimeStepIndex() const {
    return m_timeStepSource ? m_timeStepSource() : kDefaultTimeStepIndex;
}

void CNoctaView::DrawAndCopy(wxDC& dc) {
    // Animation frames follow each other too fast for a wait cursor; every other frame shows it.
    std::optional<wxBusyCursor> wait;
    if (!m_chart.m_bAnimate) {
        wait.emplace();
    }
    if (DeviceScale() != m_offscreenScale) {
        MakeOffscreen();
    }
    if (m_session == nullptr) {
        return; // nothing to draw before the catalogues are loaded
    }
    FrameOptions options;
    options.target = FrameTarget::Screen;
    options.deepColour = m_deepColour;
    options.memo = m_memo.get();
    if (m_reticle) {
        // The mount speaks apparent places of date; the chart's model may draw another frame.
        options.reticle = ChartPositionOfApparent(m_reticle->ra, m_reticle->dec,
                                                  m_session->ModelKind(), m_session->Now());
    }
    PrepareScreenFrame(m_chart, *m_session);
    FrameResult result =
        Draw(m_chart, m_session->Sky(), m_session->Catalog(), m_settings, *m_offscreen, options);
    if (!result.ok) {
        // The frame ended early: nothing is copied, the window keeps its last picture (and its
        // picking tables), and a running animation stops.
        m_timer.Stop();
        m_chart.m_bAnimate = 0;
        m_lastFrameError = result.error;
        std::fprintf(stderr, "vesperanova: frame not drawn: %s\n", result.error.c_str());
        return;
    }
    m_picks = std::move(result.picks);
    m_reticlePixel = result.reticle;
    m_offscreen->Flush();
    ++m_nFramesDrawn;

    // The copy covers 2 * m_nCenterX by 2 * m_nCenterY pixels (never more than the image has).
    const int width = std::min(2 * m_chart.m_nCenterX, m_offscreen->Width());
    const int height = std::min(2 * m_chart.m_nCenterY, m_offscreen->Height());
    if (m_settings.NightVision != 0) {
        ApplyNightVision(m_offscreen->Image(), width * m_offscreenScale, height * m_offscreenScale);
    }
    auto* cr = static_cast<cairo_t*>(dc.GetHandle());
    if (cr == nullptr) {
        return;
    }
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    // The image's device scale maps its pixels one to one onto the window's device pixels.
    cairo_set_source_surface(cr, m_offscreen->Image(), 0, 0);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    cairo_restore(cr);
    DrawMark(dc);
}

void CNoctaView::SetReticle(std::optional<EquatorialPosition> apparent) {
    const auto same = [](const std::optional<EquatorialPosition>& a,
                         const std::optional<EquatorialPosition>& b) {
        return a.has_value() == b.has_value() && (!a || (a->ra == b->ra && a->dec == b->dec));
    };
    if (same(apparent, m_reticle)) {
        return;
    }
    m_reticle = apparent;
    Redraw();
}

void CNoctaView::MarkFound(double ra, double dec) {
    m_mark = EquatorialPosition{ra, dec};
    m_markTimer.StartOnce(kMarkMilliseconds);
    Redraw();
}

void CNoctaView::DrawMark(wxDC& dc) {
    auto* cr = static_cast<cairo_t*>(dc.GetHandle());
    if (!m_mark || cr == nullptr) {
        return;
    }
    const auto p = Projector(m_chart, m_session->Sky())
                       .Project(static_cast<float>(m_mark->ra), static_cast<float>(m_mark->dec));
    if (!p) {
        return;
    }
    cairo_save(cr);
    if (m_settings.NightVision != 0) {
        cairo_set_source_rgb(cr, 0.9, 0.1, 0.1); // the red of night vision
    } else {
        cairo_set_source_rgb(cr, 1.0, 0.85, 0.2);
    }
    cairo_set_line_width(cr, kMarkLineWidth);
    cairo_new_path(cr);
    cairo_arc(cr, p->x + 0.5, p->y + 0.5, kMarkRadius, 0.0, 6.2832);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void CNoctaView::OnMarkTimer(wxTimerEvent&) {
    m_mark.reset();
    Redraw();
}

void CNoctaView::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    DrawAndCopy(dc);
}

void CNoctaView::OnEraseBackground(wxEraseEvent& event) {
    // Black, so no white flashes before the first frame is copied.
    if (wxDC* dc = event.GetDC()) {
        dc->SetBackground(*wxBLACK_BRUSH);
        dc->Clear();
    }
}

void CNoctaView::OnSize(wxSizeEvent& event) {
    // The scale does not follow the window: only the centre moves.
    const wxSize client = GetClientSize();
    ::SetClientSize(m_chart, client.x, client.y);
    Redraw();
    event.Skip();
}

void CNoctaView::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    const wxPoint point = event.GetPosition();
    m_drag.emplace(m_chart, point.x, point.y);
    if (!HasCapture()) {
        CaptureMouse();
    }
}

void CNoctaView::OnLeftUp(wxMouseEvent&) {
    if (HasCapture()) {
        ReleaseMouse();
    }
    if (m_drag && m_drag->Release(m_chart)) {
        Redraw();
    }
    m_drag.reset();
}

void CNoctaView::OnCaptureLost(wxMouseCaptureLostEvent&) {
    m_drag.reset();
}

void CNoctaView::OnWheel(wxMouseEvent& event) {
    const int delta = event.GetWheelDelta() > 0 ? event.GetWheelDelta() : 120;
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
        return;
    }
    m_wheelRotation += event.GetWheelRotation();
    const wxPoint point = event.GetPosition();
    bool changed = false;
    while (m_wheelRotation >= delta || m_wheelRotation <= -delta) {
        const bool zoomIn = m_wheelRotation > 0;
        m_wheelRotation += zoomIn ? -delta : delta;
        changed = WheelZoom(m_chart, m_settings.AutoMode, zoomIn, point.x, point.y) || changed;
    }
    if (changed) {
        Redraw();
    }
}

void CNoctaView::OnRightDown(wxMouseEvent& event) {
    SetFocus();
    const wxPoint point = event.GetPosition();
    if (const auto picked = PickObject(m_picks, point.x, point.y); picked && m_pickHandler) {
        m_pickHandler(*picked);
    }
}

void CNoctaView::OnMotion(wxMouseEvent& event) {
    const wxPoint point = event.GetPosition();
    if (m_drag && event.LeftIsDown() && m_drag->MoveTo(m_chart, point.x, point.y)) {
        Redraw();
    }
    m_pointer =
        m_session ? PointerSkyPosition(m_chart, m_session->Sky(), point.x, point.y) : std::nullopt;
    event.Skip();
}

void CNoctaView::OnTimer(wxTimerEvent&) {
    const AnimationStepResult step =
        AnimationTick(m_chart, m_bAnimForward, TimeStepIndex(), *m_session);
    if (step.stopped) {
        m_timer.Stop();
    }
    if (step.stepped && m_dateChanged) {
        m_dateChanged();
    }
    Redraw();
}

void CNoctaView::StartAnimation(bool forward) {
    const AnimationStart start =
        ::StartAnimation(m_chart, m_bAnimForward, forward, TimeStepIndex());
    if (!start.started) {
        ShowProgramMessage(start.message, wxOK, this);
        return;
    }
    m_timer.Start(start.periodMs);
    // The step selector is disabled while the animation runs; if it kept the keyboard focus
    // (it does after its list was opened), GTK would swallow Esc and the animation could not be
    // stopped from the keyboard.
    SetFocus();
}

void CNoctaView::StopAnimation() {
    if (::StopAnimation(m_chart)) {
        m_timer.Stop();
        Redraw();
    }
}

void CNoctaView::SingleStep(bool forward) {
    const AnimationStepResult step =
        ::SingleStep(m_chart, m_bAnimForward, forward, TimeStepIndex(), *m_session);
    if (step.stepped) {
        if (m_dateChanged) {
            m_dateChanged();
        }
        Redraw();
    }
}

// The event table stays at the end: its closing macro ends without a semicolon, which
// the formatter would take as the start of the next declaration.
// clang-format off
wxBEGIN_EVENT_TABLE(CNoctaView, wxWindow)
    EVT_PAINT(CNoctaView::OnPaint)
    EVT_ERASE_BACKGROUND(CNoctaView::OnEraseBackground)
    EVT_SIZE(CNoctaView::OnSize)
    EVT_LEFT_DOWN(CNoctaView::OnLeftDown)
    EVT_LEFT_UP(CNoctaView::OnLeftUp)
    EVT_MOUSE_CAPTURE_LOST(CNoctaView::OnCaptureLost)
    EVT_MOUSEWHEEL(CNoctaView::OnWheel)
    EVT_TIMER(kMarkTimerId, CNoctaView::OnMarkTimer)
    EVT_RIGHT_DOWN(CNoctaView::OnRightDown)
    EVT_MOTION(CNoctaView::OnMotion)
    EVT_TIMER(kAnimationTimerId, CNoctaView::OnTimer)
wxEND_EVENT_TABLE()
