// Text shown on the terminal. A value the user typed or a file holds may carry escape
// sequences (a title change, a cleared screen) or bytes that are not UTF-8; in a console
// message it is shown escaped, so that the terminal shows it and never obeys it.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

// `text` with each control character written as a C escape ("\e", "\n", "\x01"), each
// control character of the Latin-1 supplement as "\u0080".."\u009f", and each byte that is
// not part of valid UTF-8 as "\xNN". Printable text, UTF-8 letters included, is unchanged.
std::string TerminalSafeText(std::string_view text);

// A stream for console messages over another stream: each line is written with
// TerminalSafeText and without trailing blanks when its end comes; a line still open when the
// stream is destroyed is written the same way.
class TerminalSafeStream : public std::ostream {
public:
    explicit TerminalSafeStream(std::ostream& target);
    ~TerminalSafeStream() override;

private:
    class LineBuffer : public std::streambuf {
    public:
        explicit LineBuffer(std::ostream& target) : m_target(target) {}
        void WriteLine(bool lineEnd);

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        std::ostream& m_target;
        std::string m_line;
    };
    LineBuffer m_buffer;
};
