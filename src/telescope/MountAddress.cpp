#include "telescope/MountAddress.h"

#include <algorithm>
#include <charconv>

std::optional<MountAddress> ParseMountAddress(std::string_view text) {
    if (text.empty() || std::any_of(text.begin(), text.end(),
                                    [](unsigned char c) { return c <= ' ' || c == 0x7f; })) {
        return std::nullopt;
    }
    MountAddress address;
    std::string_view portText;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos || close == 1) {
            return std::nullopt;
        }
        address.host = std::string(text.substr(1, close - 1));
        const std::string_view after = text.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':') {
                return std::nullopt;
            }
            portText = after.substr(1);
            if (portText.empty()) {
                return std::nullopt;
            }
        }
    } else {
        const std::size_t colon = text.rfind(':');
        if (colon != std::string_view::npos && text.find(':') != colon) {
            return std::nullopt; // a bare IPv6 address needs its brackets
        }
        address.host = std::string(text.substr(0, colon));
        if (colon != std::string_view::npos) {
            portText = text.substr(colon + 1);
            if (portText.empty()) {
                return std::nullopt;
            }
        }
    }
    if (address.host.empty()) {
        return std::nullopt;
    }
    if (!portText.empty()) {
        int port = 0;
        const auto [end, error] =
            std::from_chars(portText.data(), portText.data() + portText.size(), port);
        if (error != std::errc() || end != portText.data() + portText.size() || port < 1 ||
            port > 65535) {
            return std::nullopt;
        }
        address.port = port;
    }
    return address;
}

std::string MountAddressText(const MountAddress& address) {
    const bool ipv6 = address.host.find(':') != std::string::npos;
    return (ipv6 ? "[" + address.host + "]" : address.host) + ":" + std::to_string(address.port);
}
