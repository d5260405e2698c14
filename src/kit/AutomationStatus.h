#pragma once

#include <optional>

#include <QString>

namespace fennimar {

// Whether the system lets us send automation events to an application.
enum class AutomationStatus { granted, denied, notDetermined };

QString raw(AutomationStatus status);
// Exactly the three raw values; anything else is nothing.
std::optional<AutomationStatus> automationStatusFromRaw(const QString &raw);

} // namespace fennimar
