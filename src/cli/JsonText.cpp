#include "cli/JsonText.h"

#include "files/Utf8Text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

std::string JsonFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // JSON is UTF-8: a byte that starts no valid sequence is written as U+FFFD.
        if (const std::size_t n = Utf8SequenceLength(text.substr(i)); n > 1) {
            quoted.append(text.substr(i, n));
            i += n - 1;
            continue;
        } else if (n == 0) {
            quoted += "\ufffd";
            continue;
        }
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}
