// The five search dialogs of the Search menu. The search dialogs fill these in.
#include "frame/CommandHooks.h"

void SearchStarCommand(CMainFrame&) {}
void SearchSolarSystemCommand(CMainFrame&) {}
void SearchConstellationCommand(CMainFrame&) {}
void SearchMessierCommand(CMainFrame&) {}
void SearchNgcCommand(CMainFrame&) {}
