#pragma once

#include <optional>

#include <QString>

#include "kit/AccessibilityProbe.h"
#include "platform/AccessibilityHost.h"
#include "platform/RunningApplications.h"

namespace halvex {

// Reads the address a browser window shows from its accessibility tree:
// the page's own URL where the tree exposes it, else the text of the
// address field. Keeps nothing between calls. Used on the main thread.
class AXURLReader final {
public:
    // Deeper elements than this, counted from the window, are never looked at.
    static constexpr int maximumDepth = 6;

    AXURLReader(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
                const platform::RunningApplications &running)
        : m_host(host)
        , m_trust(trust)
        , m_running(running)
    {}

    // The address in the focused window of the first running application
    // with this identifier; nothing without trust, without such an
    // application, or when no address is found.
    std::optional<QString> readURL(const QString &bundleIdentifier) const;

private:
    std::optional<QString> readFocusedWindow(const platform::AccessibleElement &application) const;
    std::optional<QString> findWebAreaURL(const platform::AccessibleElement &element,
                                          int depth) const;
    std::optional<QString> findAddressFieldURL(const platform::AccessibleElement &element,
                                               int depth) const;
    void enableEnhancedAccessibility(const platform::AccessibleElement &application) const;

    platform::AccessibilityHost &m_host;
    const fennimar::AccessibilityProbe &m_trust;
    const platform::RunningApplications &m_running;
};

} // namespace halvex
