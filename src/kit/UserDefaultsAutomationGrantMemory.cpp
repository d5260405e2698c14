#include "kit/UserDefaultsAutomationGrantMemory.h"

namespace fennimar {

std::optional<QVariantMap> UserDefaultsAutomationGrantMemory::grants() const
{
    const std::optional<QVariantMap> stored = m_defaults->dictionaryValue(m_key);
    if (!stored)
        return std::nullopt;
    for (const QVariant &value : *stored) {
        if (value.typeId() != QMetaType::QString)
            return std::nullopt;
    }
    return stored;
}

std::optional<AutomationStatus>
UserDefaultsAutomationGrantMemory::recall(const QString &bundleIdentifier) const
{
    const std::optional<QVariantMap> stored = grants();
    if (!stored || !stored->contains(bundleIdentifier))
        return std::nullopt;
    return automationStatusFromRaw(stored->value(bundleIdentifier).toString());
}

void UserDefaultsAutomationGrantMemory::remember(AutomationStatus status,
                                                 const QString &bundleIdentifier)
{
    QVariantMap updated = grants().value_or(QVariantMap());
    const QString value = raw(status);
    if (updated.value(bundleIdentifier) == value)
        return;
    updated.insert(bundleIdentifier, value);
    m_defaults->setValue(m_key, updated);
}

} // namespace fennimar
