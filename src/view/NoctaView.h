// Folder view/: the chart window, night vision over its frames and the printout of the chart.
//
// CNoctaView: the chart window. It owns the chart state and the off-screen surface the frames are
// drawn into, draws the application's sky session (SkySession.h), and turns paint, size, mouse and
// timer events into calls of
// the chart and navigation core. The frame, the dialogs and the panels reach the chart through it.
#pragma once

#include "astro/SkySession.h"
#include "astro/Transforms.h"
#include "chart/ChartState.h"
#include "navigation/MouseNavigation.h"
#include "navigation/Picking.h"

struct ProjectionMemo;

#include <wx/timer.h>
#include <wx/window.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

struct AppSettings;

class CairoImageSurface;

class CNoctaView : public wxWindow {
public:
    // Copies the chart fields of `settings` into the chart state. The settings record outlives
    // the view; the view copies its chart fields back into it when it is destroyed.
    CNoctaView(wxWindow* parent, AppSettings& settings);
    ~CNoctaView() override;

    // The sky session the view draws, owned by the application; frames are drawn once it is
    // attached.
    void AttachSession(SkySession& session) { m_session = &session; }
    bool HasSession() const { return m_session != nullptr; }
    SkySession& Session() { return *m_session; }

    // The first update, once the sky session is attached: the scale from the screen height.
    void InitialUpdate();

    // Asks for a new frame (the window is repainted without erasing it first).
    void Redraw();

    ChartState& Chart() { return m_chart; }
    const ChartState& Chart() const { return m_chart; }
    // Where the last screen frame drew each pickable object (window pixels).
    const PickingTables& Picks() const { return m_picks; }
    AppSettings& Settings() { return m_settings; }

    // Where the view reads the time-step selector's entry (0..7) from; the main frame owns it.
    void SetTimeStepSource(std::function<int()> source) { m_timeStepSource = std::move(source); }
    // Called after the animation moved the date, so the time and date panes show it at once.
    void SetDateChangedHandler(std::function<void()> handler) {
        m_dateChanged = std::move(handler);
    }
    // Called when the right button picked an object (the information panels).
    void SetPickHandler(std::function<void(const PickedObject&)> handler) {
        m_pickHandler = std::move(handler);
    }

    // The sky under the pointer, nothing while it is off the sphere (m_dPointerRA/Dec).
    const std::optional<EquatorialPosition>& PointerPosition() const { return m_pointer; }
    bool Animating() const { return m_chart.m_bAnimate != 0; }
    // More than 8 bits per pixel on the screen: the sky colours of a deep screen (export too).
    bool DeepColour() const { return m_deepColour; }
    int AnimForward() const { return m_bAnimForward; }

    // Frames drawn and copied to the window so far, and what ended the last failed frame.
    long FramesDrawn() const { return m_nFramesDrawn; }
    const std::string& LastFrameError() const { return m_lastFrameError; }
    // The pixels of the last frame (tests and screenshots), logical pixels at DeviceScale().
    CairoImageSurface& Offscreen() { return *m_offscreen; }
    int OffscreenScale() const { return m_offscreenScale; }

    // Draws a ring around the sky position (right ascension hours, declination degrees) for a
    // moment, so a found object is seen at once; the ring goes with the next frame after that.
    void MarkFound(double ra, double dec);
    bool MarkShown() const { return m_mark.has_value(); }

    // Where the telescope points (apparent place of date: right ascension hours, declination
    // degrees), drawn as a reticle in every frame; none: no reticle. Redraws when it changed.
    void SetReticle(std::optional<EquatorialPosition> apparent);
    const std::optional<EquatorialPosition>& Reticle() const { return m_reticle; }
    // Where the last screen frame drew the reticle's centre (window pixels), none if it did not.
    const std::optional<PixelPoint>& ReticlePixel() const { return m_reticlePixel; }

    // The animation commands, shared by the toolbar, the keys and the menu.
    void StartAnimation(bool forward);
    void StopAnimation();
    void SingleStep(bool forward);

private:
    int TimeStepIndex() const;
    void DrawAndCopy(wxDC& dc);
    // Device pixels per logical pixel of the window's screen (2 on a desktop at 200 %); the
    // off-screen image is remade when it changes (the window moved to another screen).
    int DeviceScale() const;
    void MakeOffscreen();

    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnMarkTimer(wxTimerEvent& event);
    void DrawMark(wxDC& dc);
    void OnMotion(wxMouseEvent& event);
    void OnTimer(wxTimerEvent& event);

    AppSettings& m_settings;
    SkySession* m_session = nullptr;
    ChartState m_chart;
    PickingTables m_picks; // of the last screen frame
    // What the projection keeps from frame to frame (ProjectionMemo.h).
    std::unique_ptr<ProjectionMemo> m_memo;
    std::unique_ptr<CairoImageSurface> m_offscreen;
    int m_offscreenScale = 1;
    bool m_deepColour = true;
    wxTimer m_timer;
    wxTimer m_markTimer;
    std::optional<EquatorialPosition> m_mark;
    std::optional<EquatorialPosition> m_reticle; // apparent place of date
    std::optional<PixelPoint> m_reticlePixel;
    std::optional<ChartDrag> m_drag;
    int m_wheelRotation = 0; // wheel rotation not yet a whole notch
    int m_bAnimForward = 1;
    std::optional<EquatorialPosition> m_pointer;
    std::function<int()> m_timeStepSource;
    std::function<void()> m_dateChanged;
    std::function<void(const PickedObject&)> m_pickHandler;
    long m_nFramesDrawn = 0;
    std::string m_lastFrameError;

    wxDECLARE_EVENT_TABLE();
};
