// The program's help: an HTML help book (help/vesperanova.hhp in the program directory) shown in
// the help window. The book is opened on first use.
#pragma once

#include <memory>
#include <string>

class wxHtmlHelpController;
class wxWindow;

// Pages of the help book that commands open directly.
inline constexpr const char* kHelpPageContents = "index.html";
inline constexpr const char* kHelpPageUsingHelp = "using-help.html";
inline constexpr const char* kHelpPageChart = "chart.html";
inline constexpr const char* kHelpPageCommands = "commands.html";

class ProgramHelp {
public:
    ProgramHelp(wxWindow* parent, std::string programDir);
    ~ProgramHelp();

    // Shows the contents page or another page of the book; false (after telling the user) when
    // the book cannot be found.
    bool ShowContents();
    bool ShowPage(const std::string& page);

    // The help window, when it is open (tests close it).
    wxHtmlHelpController* Controller() { return m_controller.get(); }

private:
    bool OpenBook();

    wxWindow* m_parent;
    std::string m_programDir;
    std::unique_ptr<wxHtmlHelpController> m_controller;
    bool m_bookOpen = false;
};
