#pragma once

#include <QString>

namespace platform {

// The desktop's interface style, in the form the application compares:
// "Dark" when the desktop prefers a dark appearance, else empty.
class SystemAppearance {
public:
    virtual ~SystemAppearance() = default;
    virtual QString interfaceStyle() const = 0;
};

// Reads the desktop portal's "color-scheme" (1 is "prefer dark").
// Without a session bus or portal it reports no style.
class PortalSystemAppearance final : public SystemAppearance {
public:
    explicit PortalSystemAppearance(int timeoutMs = 500) : m_timeoutMs(timeoutMs) {}
    QString interfaceStyle() const override;

private:
    int m_timeoutMs;
};

} // namespace platform
