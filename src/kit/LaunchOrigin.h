#pragma once

#include <functional>
#include <optional>

#include <QStringList>

#include "kit/LaunchAtLoginBackend.h"

namespace fennimar {

// Whether this process was started with the user's session, decided once,
// early in launch. Main thread only.
class LaunchOrigin final {
public:
    LaunchOrigin() = delete;

    // An application opened this soon after boot while it is registered to
    // launch at login counts as launched at login.
    static constexpr double loginWindowSeconds = 90.0;

    // What the decision reads; the status only when the command line does
    // not tell, and the uptime only when the status is enabled.
    struct Sources {
        QStringList arguments;
        std::function<LaunchAtLoginStatus()> status;
        std::function<std::optional<double>()> uptime;
    };

    // This process's arguments, the process-wide login item and the uptime.
    static void capture();
    // The first capture decides; later ones change nothing.
    static void capture(const Sources &sources);
    // False until a capture has run.
    static bool isLoginLaunch();
    static bool isCaptured();

    static bool decide(const Sources &sources);

    // Forgets the decision, so that a test can capture again.
    static void resetForTesting();
};

} // namespace fennimar
