#include "platform/UnavailableAutomationChecking.h"

namespace platform {

std::optional<AutomationTarget> UnavailableAutomationChecking::address(qint32)
{
    return std::nullopt;
}

int UnavailableAutomationChecking::determinePermission(const AutomationTarget &, quint32, quint32,
                                                       bool)
{
    // "Event not handled": an answer that leaves the remembered status standing.
    return -1708;
}

} // namespace platform
