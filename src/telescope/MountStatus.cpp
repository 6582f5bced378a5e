#include "telescope/MountStatus.h"

const char* ActivityName(MountActivity activity) {
    switch (activity) {
    case MountActivity::Disconnected:
        return "Disconnected";
    case MountActivity::Connecting:
        return "Connecting";
    case MountActivity::Idle:
        return "Idle";
    case MountActivity::Slewing:
        return "Slewing";
    case MountActivity::Tracking:
        return "Tracking";
    case MountActivity::Parked:
        return "Parked";
    }
    return "Disconnected";
}
