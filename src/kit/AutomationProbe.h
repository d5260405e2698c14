#pragma once

#include "kit/AutomationGrantMemory.h"
#include "platform/AutomationChecking.h"
#include "platform/RunningApplications.h"

namespace fennimar {

// Asks the system whether we may send automation events to an application.
// Only a running application can be asked; for one that is not running the
// last definitive answer stands in.
class AutomationProbe final {
public:
    // "****": events of any class and any id.
    static constexpr quint32 anyEvent = 0x2A2A2A2A;

    AutomationProbe(const platform::RunningApplications &running,
                    platform::AutomationChecking &checking)
        : m_running(running)
        , m_checking(checking)
    {}

    // Asking may show the system's consent prompt and blocks until the user
    // has answered it.
    AutomationStatus status(const QString &bundleIdentifier, quint32 eventClass, quint32 eventID,
                            bool askUserIfNeeded, AutomationGrantMemory &memory) const;

private:
    const platform::RunningApplications &m_running;
    platform::AutomationChecking &m_checking;
};

} // namespace fennimar
