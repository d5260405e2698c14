#pragma once

#include <optional>

#include <QtGlobal>

namespace platform {

// An addressed receiver of automation events: one process.
struct AutomationTarget {
    qint32 processIdentifier = 0;
};

// The system's permission service for sending automation events to another
// application.
class AutomationChecking {
public:
    virtual ~AutomationChecking() = default;

    // Nothing when the process cannot be addressed.
    virtual std::optional<AutomationTarget> address(qint32 processIdentifier) = 0;

    // The system's status code: 0 allowed, -1743 refused, -1744 consent
    // needed, anything else unexpected. Blocks while the user is asked.
    virtual int determinePermission(const AutomationTarget &target, quint32 eventClass,
                                    quint32 eventID, bool askUserIfNeeded) = 0;
};

} // namespace platform
