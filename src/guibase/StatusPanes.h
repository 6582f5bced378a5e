// The panes of the main window's status bar, left to right.
#pragma once

namespace cmd {

enum StatusPane : int {
    kPaneMessage = 0,
    kPaneRa = 1,
    kPaneDec = 2,
    kPanePlaceName = 3,
    kPaneClockTime = 4,
    kPaneCalendarDate = 5,
    kPaneCount = 6,
};

} // namespace cmd
