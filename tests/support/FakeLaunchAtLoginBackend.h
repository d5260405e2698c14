#pragma once

#include <optional>

#include "kit/LaunchAtLoginBackend.h"

namespace testing {

// A login-item service the test sets up: its status, and what registering
// does (succeed and become `afterRegister`, or fail with `registerError`).
class FakeLaunchAtLoginBackend final : public fennimar::LaunchAtLoginBackend {
public:
    fennimar::LaunchAtLoginStatus status() const override { return current; }
    platform::Expected<void, platform::LoginItemError> registerItem() override
    {
        ++registerCalls;
        if (registerError)
            return platform::unexpected(*registerError);
        current = afterRegister;
        return {};
    }
    platform::Expected<void, platform::LoginItemError> unregisterItem() override
    {
        ++unregisterCalls;
        current = fennimar::LaunchAtLoginStatus::notRegistered;
        return {};
    }

    fennimar::LaunchAtLoginStatus current = fennimar::LaunchAtLoginStatus::notRegistered;
    fennimar::LaunchAtLoginStatus afterRegister = fennimar::LaunchAtLoginStatus::enabled;
    std::optional<platform::LoginItemError> registerError;
    int registerCalls = 0;
    int unregisterCalls = 0;
};

} // namespace testing
