// Print, Print Preview and Print Setup of the File menu. Printing fills these in.
#include "frame/CommandHooks.h"

void PrintCommand(CMainFrame&) {}
void PrintPreviewCommand(CMainFrame&) {}
void PrintSetupCommand(CMainFrame&) {}
