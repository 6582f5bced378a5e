#include "frame/KeyboardTable.h"

#include "frame/CommandRows.h"

#include <wx/accel.h>

#include <vector>

wxAcceleratorTable MakeAcceleratorTable() {
    std::vector<wxAcceleratorEntry> entries;
    for (const CommandRow& row : CommandRows()) {
        if (row.keyCode != 0) {
            entries.emplace_back(row.keyFlags, row.keyCode, row.id);
        }
    }
    return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}
