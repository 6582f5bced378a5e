#include "frame/ProgramHelp.h"

#include "guibase/Messages.h"

#include <wx/filename.h>
#include <wx/html/helpctrl.h>
#include <wx/msgdlg.h>

#include <filesystem>

namespace {

constexpr const char* kBookFile = "vesperanova.hhp";

} // namespace

ProgramHelp::ProgramHelp(wxWindow* parent, std::string programDir)
    : m_parent(parent), m_programDir(std::move(programDir)) {}

ProgramHelp::~ProgramHelp() = default;

bool ProgramHelp::OpenBook() {
    if (m_bookOpen) {
        return true;
    }
    const std::filesystem::path book = std::filesystem::path(m_programDir) / "help" / kBookFile;
    std::error_code error;
    if (m_programDir.empty() || !std::filesystem::is_regular_file(book, error)) {
        ShowProgramMessage("The help book " + book.string() + " cannot be found.    ",
                           wxOK | wxICON_EXCLAMATION, m_parent);
        return false;
    }
    m_controller = std::make_unique<wxHtmlHelpController>(wxHF_DEFAULT_STYLE, m_parent);
    m_controller->SetTitleFormat("Vesperanova Help: %s");
    if (!m_controller->AddBook(wxFileName(wxString::FromUTF8(book.string())), false)) {
        m_controller.reset();
        ShowProgramMessage("The help book " + book.string() + " cannot be read.    ",
                           wxOK | wxICON_EXCLAMATION, m_parent);
        return false;
    }
    m_bookOpen = true;
    return true;
}

bool ProgramHelp::ShowContents() {
    if (!OpenBook()) {
        return false;
    }
    return m_controller->DisplayContents();
}

bool ProgramHelp::ShowPage(const std::string& page) {
    if (!OpenBook()) {
        return false;
    }
    return m_controller->Display(wxString::FromUTF8(page));
}
