// The altitude graph window: the core's graph (graphs/AltitudeGraph.h) of one object for the
// chart's day, the clock time and altitude under the pointer below it, and a button that saves
// the graph as PNG, SVG or PDF. Under night vision the picture is shown in reds.
#pragma once

#include <wx/dialog.h>

#include <string>

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
    // Writes the graph to the path chosen in the file dialog, with the extension of the chosen
    // filter (0 PNG, 1 SVG, 2 PDF) added when it has none of the three; an error is shown.
    // Returns whether the file was written.
    bool SaveTo(std::string path, int filterIndex);

private:
    void OnPaint();
    void OnSave();

    AltitudeGraph m_graph;
    ZoneRule m_zone;
    bool m_nightVision = false;
    wxPanel* m_picture = nullptr;
    wxStaticText* m_reading = nullptr;
};
