// The About box and the help book.
#include "GuiTestEnvironment.h"

#include "commandstate/CommandTable.h"
#include "frame/AboutDialog.h"
#include "frame/ProgramHelp.h"

#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace guitest {
namespace {

TEST_F(DesktopTest, AboutBoxShowsNameVersionAndPicture) {
    AboutDialog dialog(&Frame());
    EXPECT_EQ(dialog.GetTitle(), "About Vesperanova...");
    std::vector<wxString> texts;
    bool picture = false;
    for (wxWindow* child : dialog.GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child)) {
            texts.push_back(text->GetLabel());
        }
        picture = picture || dynamic_cast<wxStaticBitmap*>(child) != nullptr;
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Vesperanova"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Version 1.5"), texts.end());
    EXPECT_TRUE(picture);
    EXPECT_NE(dialog.FindWindow(wxID_OK), nullptr);
}

TEST_F(DesktopTest, AboutCommandOpensTheAboutBoxModally) {
    EXPECT_TRUE(ExpectModal<AboutDialog>([] { Command(cmd::HelpAbout); }, wxID_OK));
}

TEST_F(DesktopTest, HelpContentsOpensTheHelpBook) {
    Command(cmd::HelpContents);
    wxHtmlHelpController* help = Frame().Help().Controller();
    ASSERT_NE(help, nullptr);
    ASSERT_NE(help->GetFrame(), nullptr);
    EXPECT_TRUE(help->GetFrame()->IsShown());
    Command(cmd::HelpIndex);
    Command(cmd::HelpContext);
    Command(cmd::HelpUsing);
    EXPECT_TRUE(help->GetFrame()->IsShown());
    help->GetFrame()->Close();
    Pump(50);
}

TEST(HelpBookTest, EveryPageTheProgramOpensIsInTheBook) {
    const std::filesystem::path help = std::filesystem::path(VN_SOURCE_DATA_DIR) / "help";
    for (const char* page :
         {kHelpPageContents, kHelpPageUsingHelp, kHelpPageChart, kHelpPageCommands}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(help / page)) << page;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(help / "vesperanova.hhp"));
}

} // namespace
} // namespace guitest
