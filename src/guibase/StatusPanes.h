// The panes of the main window's status bar, left to right.
#pragma once

namespace cmd {

enum StatusPane : int {
    kPaneMessage = 0,
    kPaneRa = 1,
    kPaneDec = 2,
    kPaneHorizontal = 3, // azimuth and altitude, on the local-horizon chart only
    kPanePlaceName = 4,
    kPaneClockTime = 5,
    kPaneCalendarDate = 6,
    kPaneMount = 7, // the telescope's state and where it points
    kPaneCount = 8,
};

} // namespace cmd
