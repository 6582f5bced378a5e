#include "navigation/ClockFollowing.h"

std::optional<SkyDate> ClockFollowing::Due(const SkyDate& shown, const SkyDate& now) const {
    if (!m_on || shown == now) {
        return std::nullopt;
    }
    return now;
}
