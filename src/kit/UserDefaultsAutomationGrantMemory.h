#pragma once

#include "kit/AutomationGrantMemory.h"
#include "platform/UserDefaults.h"

namespace fennimar {

// The grants as one dictionary in the user defaults, from bundle identifier
// to status name.
class UserDefaultsAutomationGrantMemory final : public AutomationGrantMemory {
public:
    static inline const QString standardKey = QStringLiteral("fennimar.automationGrants");

    UserDefaultsAutomationGrantMemory(platform::UserDefaults &defaults, QString key)
        : m_defaults(&defaults)
        , m_key(std::move(key))
    {}

    std::optional<AutomationStatus> recall(const QString &bundleIdentifier) const override;
    void remember(AutomationStatus status, const QString &bundleIdentifier) override;

private:
    // Nothing when absent or when any value is not a string.
    std::optional<QVariantMap> grants() const;

    platform::UserDefaults *m_defaults;
    QString m_key;
};

} // namespace fennimar
