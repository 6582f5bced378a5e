// The keyboard table of the main window: the key column of the command table. A key whose
// command is disabled at the moment does nothing (the frame refuses disabled commands, whatever
// sent them).
#pragma once

class wxAcceleratorTable;

wxAcceleratorTable MakeAcceleratorTable();
