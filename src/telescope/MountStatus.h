// Folder telescope/: pointing a computerised mount through an INDI server (the client, the
// target of a slew, the safety check before it). No window system here.
//
// What the program knows of the mount at one moment: a plain value copied out of the client
// (MountClient.h) under its lock, so that a window or a console mode can read it at any time.
#pragma once

#include <cstdint>
#include <string>

enum class MountActivity { Disconnected, Connecting, Idle, Slewing, Tracking, Parked };

// The activity as the status bar and the console modes show it: "Disconnected", "Connecting",
// "Idle", "Slewing", "Tracking", "Parked".
const char* ActivityName(MountActivity activity);

struct MountStatus {
    MountActivity activity = MountActivity::Disconnected;
    // Whether the mount has reported where it points (raHours and decDegrees are meaningful).
    bool hasPosition = false;
    // Where the mount points: the apparent place of date (right ascension hours [0, 24),
    // declination degrees), as the mount reports it in EQUATORIAL_EOD_COORD.
    double raHours = 0.0;
    double decDegrees = 0.0;
    std::string device;       // the mount's device name on the server, empty before it is chosen
    std::string message;      // the last error, empty if none
    std::uint64_t serial = 0; // bumps on every change, so readers can tell a new status cheaply
};
