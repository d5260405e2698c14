#pragma once

#include "kit/LaunchAtLoginBackend.h"

namespace fennimar {

// This application as a login item, through one process-wide backend made
// on first use.
class LaunchAtLogin final {
public:
    LaunchAtLogin() = delete;

    static LaunchAtLoginBackend &backend();

    static LaunchAtLoginStatus status() { return backend().status(); }
    static bool isRequested() { return backend().isRequested(); }
    static bool isEnabled() { return backend().isEnabled(); }
    static platform::Expected<void, LaunchAtLoginError> setEnabled(bool enabled)
    {
        return backend().setEnabled(enabled);
    }
    static platform::Expected<void, LaunchAtLoginError> enable() { return setEnabled(true); }
    static platform::Expected<void, LaunchAtLoginError> disable() { return setEnabled(false); }

    // The desktop's startup-applications settings; false (and logged) when
    // this desktop has none installed.
    static bool openSystemSettings();
};

} // namespace fennimar
