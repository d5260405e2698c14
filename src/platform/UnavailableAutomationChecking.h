#pragma once

#include "platform/AutomationChecking.h"

namespace platform {

// There are no automation events on this desktop, so no process can be
// addressed and nothing is ever granted or refused.
class UnavailableAutomationChecking final : public AutomationChecking {
public:
    std::optional<AutomationTarget> address(qint32 processIdentifier) override;
    int determinePermission(const AutomationTarget &target, quint32 eventClass, quint32 eventID,
                            bool askUserIfNeeded) override;
};

} // namespace platform
