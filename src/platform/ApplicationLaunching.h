#pragma once

#include <optional>

#include <QString>

#include "platform/Expected.h"

namespace platform {

// How an application is to be opened.
struct OpenConfiguration {
    bool activates = true;
    bool addsToRecentItems = true;
    bool hides = false;
};

// Finds installed applications and starts them.
class ApplicationLaunching {
public:
    virtual ~ApplicationLaunching() = default;

    // Where the application with this identifier is installed; nothing when
    // it is not installed.
    virtual std::optional<QString> applicationLocation(const QString &bundleIdentifier) const = 0;

    // Starts the application at location; on failure, a description of why.
    virtual Expected<void, QString> openApplication(const QString &location,
                                                    const OpenConfiguration &configuration) = 0;
};

} // namespace platform
