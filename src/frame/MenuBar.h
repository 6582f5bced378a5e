// The main frame's menu bar: every entry with its mnemonic, accelerator text and separator, the
// small pictures beside entries, and the recent-picture entries of the File menu.
#pragma once

#include <string>
#include <vector>

class wxMenuBar;
class wxMenu;

wxMenuBar* BuildMenuBar();

// Puts the recent pictures into the File menu in place of the "Recent Files" entry (ids
// cmd::FileRecentFirst .. FileRecentLast, newest first, at most four). With no picture the
// entry "Recent Files" stands there disabled.
void ShowRecentPictures(wxMenu& fileMenu, const std::vector<std::string>& paths);
