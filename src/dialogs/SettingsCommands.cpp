// The Date/Time, Location and Magnitude limits dialogs. The settings dialogs fill these in.
#include "frame/CommandHooks.h"

void DateTimeCommand(CMainFrame&) {}
void LocationCommand(CMainFrame&) {}
void MagnitudeLimitsCommand(CMainFrame&) {}
