#pragma once

#include "kit/LaunchAtLoginBackend.h"

namespace halvex {

// The one holder of the login-item backend, shared by the housekeeping,
// onboarding and the settings window; they call the backend through it.
class LoginItemManager final {
public:
    explicit LoginItemManager(fennimar::LaunchAtLoginBackend &backend)
        : m_backend(backend)
    {}
    LoginItemManager(const LoginItemManager &) = delete;
    LoginItemManager &operator=(const LoginItemManager &) = delete;

    fennimar::LaunchAtLoginBackend &backend() const { return m_backend; }

private:
    fennimar::LaunchAtLoginBackend &m_backend;
};

} // namespace halvex
