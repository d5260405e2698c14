#pragma once

#include <optional>

#include <QMutex>

#include "platform/AccessibilityHost.h"
#include "platform/RunningApplications.h"
#include "platform/UserDefaults.h"

namespace fennimar {

// Whether we may read and steer other applications through the
// accessibility interface. Once we have asked for it, the desktop's own
// switch is not taken at its word: a real call into another process decides.
// May be used from any thread.
class AccessibilityProbe final {
public:
    static constexpr const char *promptedKey = "fennimarkit.accessibility.prompted";

    AccessibilityProbe(platform::AccessibilityHost &host,
                       const platform::RunningApplications &running,
                       platform::UserDefaults &defaults, qint32 ownProcessIdentifier);

    // Never asks the user and never changes the desktop's setting.
    bool isTrusted() const;
    // Asks for trust as the desktop's own accessibility switch would and
    // answers with the state right after; true is granted, false not yet.
    bool requestTrust() const;

    // The process a live call is made against: the desktop's reference
    // process, else the first other running application.
    std::optional<qint32> dockProcessIdentifier() const;

private:
    void rememberPrompted() const;

    platform::AccessibilityHost &m_host;
    const platform::RunningApplications &m_running;
    platform::UserDefaults &m_defaults;
    qint32 m_ownProcessIdentifier;
    mutable QMutex m_defaultsMutex;
};

} // namespace fennimar
