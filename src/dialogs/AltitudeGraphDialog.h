// The altitude graph window: the core's graph (graphs/AltitudeGraph.h) of one object for the
// chart's day, the clock time and altitude under the pointer below it, and a button that saves
// the graph as PNG, SVG or PDF. Under night vision the picture is shown in reds.
#pragma once

#include <wx/dialog.h>

#include "graphs/AltitudeGraph.h"

class wxPanel;
class wxStaticText;

class CAltitudeGraphDialog : public wxDialog {
public:
    CAltitudeGraphDialog(wxWindow* parent, AltitudeGraph graph, ZoneRule zone, bool nightVision);

    const AltitudeGraph& Graph() const { return m_graph; }
    wxStaticText* Reading() const { return m_reading; }
    // Shows what hovering at column x of the picture shows.
    void ShowReadingAt(double x);

private:
    void OnPaint();
    void OnSave();

    AltitudeGraph m_graph;
    ZoneRule m_zone;
    bool m_nightVision = false;
    wxPanel* m_picture = nullptr;
    wxStaticText* m_reading = nullptr;
};
