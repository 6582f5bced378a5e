// The program's exit statuses, one set for the desktop program and every console mode (the
// manual page's EXIT STATUS lists them).
#pragma once

enum ExitStatus : int {
    kExitOk = 0,
    // No graphical display, the main window could not be made, a chart or file could not be
    // drawn or written, or the output could not be written.
    kExitFailed = 1,
    // A wrong option or value, or an unknown object: nothing is drawn and no window opens.
    kExitBadOption = 2,
    // A catalogue file cannot be found or read.
    kExitMissingCatalogue = 3,
    // The mount cannot be used: the INDI server cannot be reached, the device is missing, the
    // slew is refused (by the safety check or by the mount) or does not end in time.
    kExitTelescope = 4,
};
