#include "files/Utf8Text.h"

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD"; // U+FFFD

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char c = byte(0);
    if (c < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80; // bounds of the second byte (RFC 3629, table of well-formed forms)
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;
        high = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

bool IsValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t n = Utf8SequenceLength(text);
        if (n == 0) {
            return false;
        }
        text.remove_prefix(n);
    }
    return true;
}

Utf8CodePoint DecodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = Utf8SequenceLength(text);
    if (length <= 1) {
        return {lead, 1};
    }
    // The lead byte keeps 7 - length bits of the value, each continuation byte six.
    char32_t value = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        value = (value << 6) | (static_cast<unsigned char>(text[i]) & 0x3Fu);
    }
    return {value, length};
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string SanitizedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t n = Utf8SequenceLength(text);
        if (n == 0 || (n == 1 && IsControlByte(text[0]))) {
            out += kReplacement;
            text.remove_prefix(1);
        } else {
            out.append(text.substr(0, n));
            text.remove_prefix(n);
        }
    }
    return out;
}

void SanitizeField(char* field, std::size_t size) {
    std::size_t end = 0;
    while (end < size && field[end] != '\0') {
        ++end;
    }
    std::size_t i = 0;
    while (i < end) {
        const std::size_t n = Utf8SequenceLength(std::string_view(field + i, end - i));
        if (n == 0 || (n == 1 && IsControlByte(field[i]))) {
            field[i] = '?';
            ++i;
        } else {
            i += n;
        }
    }
}
