// Where an INDI server listens: a host name or address and a TCP port, as the user types it
// ("localhost:7624", "[::1]:7624", "mount.local").
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The port an INDI server listens on unless told otherwise.
inline constexpr int kDefaultIndiPort = 7624;

struct MountAddress {
    std::string host = "localhost";
    int port = kDefaultIndiPort;
    bool operator==(const MountAddress&) const = default;
};

// "HOST:PORT", "HOST" (the default port) or "[IPV6]:PORT"; the port 1..65535. nullopt for an
// empty host, a bad port or blanks.
std::optional<MountAddress> ParseMountAddress(std::string_view text);

// "HOST:PORT", with brackets around an IPv6 address.
std::string MountAddressText(const MountAddress& address);
