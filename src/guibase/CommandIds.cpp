#include "guibase/CommandIds.h"

namespace cmd {

std::optional<CommandId> CommandOfId(int wxId) {
    for (const CommandId command : AllCommands()) {
        if (Id(command) == wxId) {
            return command;
        }
    }
    return std::nullopt;
}

} // namespace cmd
