// The connection to a mount through an INDI server (libindi's client). Every call returns at
// once: the network work (connecting, sending, the server's answers) runs on the client's own
// threads, and what it learns is read with Status() and Devices(). Safe to call from any thread.
//
// The server's bytes pass through a guard (IndiGuard.h) that cuts the link when the server sends
// something that is not INDI's XML or an element too large for a mount's property, so a broken
// or hostile server ends in "Disconnected" with a message, never in a crash or unbounded memory.
#pragma once

#include "astro/Place.h"
#include "telescope/MountStatus.h"

#include <memory>
#include <string>
#include <vector>

// How long connecting may take before it is given up: the TCP connection, then the server's
// list of devices (a missing device is reported after this long).
inline constexpr int kMountConnectTimeoutSeconds = 5;

class MountClient {
public:
    MountClient();
    ~MountClient(); // disconnects; waits only for local threads, which all have bounded waits
    MountClient(const MountClient&) = delete;
    MountClient& operator=(const MountClient&) = delete;

    // Connects to the INDI server at host:port and to the telescope `device` on it (empty: the
    // first telescope the server lists). Drops a link already made. The activity is Connecting
    // until the mount's position arrives, then Idle, Tracking, Slewing or Parked; Disconnected
    // with a message when the server cannot be reached (within kMountConnectTimeoutSeconds), the
    // device is missing or the link drops.
    void Connect(const std::string& host, int port, const std::string& device);
    // Drops the link; the activity becomes Disconnected without a message.
    void Disconnect();

    MountStatus Status() const;
    // The telescope devices the server has listed since the last Connect, in its order.
    std::vector<std::string> Devices() const;

    // Slews to (tracking at the end), or tells the mount it points at, the apparent place of
    // date: right ascension hours [0, 24), declination degrees. Ignored unless connected. A
    // mount that ends a slew more than 10" from the target is sent there again, at most twice,
    // while the activity stays Slewing.
    void Goto(double raHours, double decDegrees);
    void Sync(double raHours, double decDegrees);
    // Stops a slew.
    void Abort();

    // The observer's place (GEOGRAPHIC_COORD) and the time (TIME_UTC, jdUtc a Julian day in
    // universal time) for the mount, sent when the device has those properties. Kept and sent
    // again on every connection, so it may be given before Connect.
    void SendPlaceAndTime(const Place& place, double jdUtc);

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};
