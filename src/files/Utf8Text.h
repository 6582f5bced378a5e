// Text from files made safe to show (valid UTF-8, no control characters), and trimmed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The length of the valid UTF-8 sequence at the start of `text` (1 to 4), or 0 when the first
// byte does not start one (a stray continuation byte, an overlong form, a surrogate, a code
// point beyond U+10FFFF or a sequence cut short).
std::size_t Utf8SequenceLength(std::string_view text);

// True when the whole text is valid UTF-8.
bool IsValidUtf8(std::string_view text);

// The code point at the start of a non-empty `text` and the bytes it takes: a valid sequence
// (Utf8SequenceLength) decoded, otherwise the first byte alone with its own value, so that a
// stray byte of a Latin-1 text reads as the Latin-1 letter.
struct Utf8CodePoint {
    char32_t value = 0;
    std::size_t length = 1;
};
Utf8CodePoint DecodeUtf8(std::string_view text);

// Appends the UTF-8 form of `codePoint` (at most U+10FFFF) to `out`.
void AppendUtf8(std::string& out, char32_t codePoint);

// True for the C0 control characters and DEL.
inline bool IsControlByte(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '\x7f';
}

// Every byte that is not part of a valid sequence and every control character becomes U+FFFD.
std::string SanitizedUtf8(std::string_view text);

// The same in place for a fixed-size field (up to its first zero byte), keeping every byte's
// position: a bad byte or a control character becomes '?'.
void SanitizeField(char* field, std::size_t size);

// `text` without the characters of `blanks` at either end.
inline std::string_view TrimmedText(std::string_view text, std::string_view blanks = " \t\r\n") {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}
