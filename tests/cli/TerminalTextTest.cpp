#include <gtest/gtest.h>

#include "cli/TerminalText.h"

#include <sstream>
#include <string>

namespace {

// What a terminal would obey is shown as text; what it only prints is left alone.
TEST(TerminalText, ControlCharactersAndBadBytesAreShownEscaped) {
    struct Case {
        const char* name;
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"title change (OSC 0)", "M31\x1b]0;pwn\a", "M31\\e]0;pwn\\a"},
        {"line end and tab", "a\nb\tc\r", "a\\nb\\tc\\r"},
        {"other C0 and DEL", std::string("\x01\x7f", 2), "\\x01\\x7f"},
        {"NUL", std::string("a\0b", 3), "a\\x00b"},
        {"C1 control (CSI) in UTF-8",
         "\xc2\x9b"
         "2J",
         "\\u009b2J"},
        {"bytes that are not UTF-8", "\xff\xc3(", "\\xff\\xc3("},
        {"UTF-8 letters", "Krak\xc3\xb3w \xe2\x98\x85", "Krak\xc3\xb3w \xe2\x98\x85"},
        {"backslash", "C:\\x", "C:\\x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TerminalSafeText(c.text), c.shown) << c.name;
    }
}

TEST(TerminalText, StreamEscapesEachLineAndDropsTrailingBlanks) {
    std::ostringstream target;
    {
        TerminalSafeStream err(target);
        err << "vesperanova: Couldn't open file x !    \n";
        err << "vesperanova: unknown object '"
            << "\x1b[2J"
            << "'\n";
        err << "vesperanova: last   ";
    }
    EXPECT_EQ(target.str(), "vesperanova: Couldn't open file x !\n"
                            "vesperanova: unknown object '\\e[2J'\n"
                            "vesperanova: last");
}

} // namespace
