#include "cli/TerminalText.h"

#include "files/Utf8Text.h"

#include <cstdio>

namespace {

// The C escape of a control character, or null for those written as "\xNN".
const char* NamedEscape(char c) {
    switch (c) {
    case '\a':
        return "\\a";
    case '\b':
        return "\\b";
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\v':
        return "\\v";
    case '\f':
        return "\\f";
    case '\r':
        return "\\r";
    case '\x1b':
        return "\\e";
    default:
        return nullptr;
    }
}

// The C1 control characters U+0080..U+009F: terminals obey some of them (U+009B starts an
// escape sequence).
constexpr char32_t kFirstC1 = 0x80;
constexpr char32_t kLastC1 = 0x9f;

void AppendHex(std::string& out, const char* format, unsigned value) {
    char code[8];
    std::snprintf(code, sizeof code, format, value);
    out += code;
}

} // namespace

std::string TerminalSafeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        if (length == 0) {
            AppendHex(out, "\\x%02x", static_cast<unsigned char>(text.front()));
            text.remove_prefix(1);
            continue;
        }
        if (length == 1 && IsControlByte(text.front())) {
            if (const char* named = NamedEscape(text.front())) {
                out += named;
            } else {
                AppendHex(out, "\\x%02x", static_cast<unsigned char>(text.front()));
            }
        } else if (const char32_t cp = DecodeUtf8(text).value; cp >= kFirstC1 && cp <= kLastC1) {
            AppendHex(out, "\\u%04x", static_cast<unsigned>(cp));
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

TerminalSafeStream::TerminalSafeStream(std::ostream& target)
    : std::ostream(nullptr), m_buffer(target) {
    rdbuf(&m_buffer);
}

TerminalSafeStream::~TerminalSafeStream() {
    m_buffer.WriteLine(false);
}

void TerminalSafeStream::LineBuffer::WriteLine(bool lineEnd) {
    if (m_line.empty() && !lineEnd) {
        return;
    }
    const std::size_t end = m_line.find_last_not_of(' ');
    m_line.resize(end == std::string::npos ? 0 : end + 1);
    m_target << TerminalSafeText(m_line);
    if (lineEnd) {
        m_target << '\n';
    }
    m_target.flush();
    m_line.clear();
}

TerminalSafeStream::LineBuffer::int_type TerminalSafeStream::LineBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char ch = traits_type::to_char_type(c);
    if (ch == '\n') {
        WriteLine(true);
    } else {
        m_line.push_back(ch);
    }
    return c;
}

int TerminalSafeStream::LineBuffer::sync() {
    // An open line waits for its end: its trailing blanks are not known yet.
    m_target.flush();
    return m_target ? 0 : -1;
}
