#pragma once

#include <optional>

#include <QString>

#include "kit/AutomationStatus.h"

namespace fennimar {

// The last definitive automation answer per application, kept for when the
// application is not running and cannot be asked about.
class AutomationGrantMemory {
public:
    virtual ~AutomationGrantMemory() = default;
    virtual std::optional<AutomationStatus> recall(const QString &bundleIdentifier) const = 0;
    virtual void remember(AutomationStatus status, const QString &bundleIdentifier) = 0;
};

} // namespace fennimar
