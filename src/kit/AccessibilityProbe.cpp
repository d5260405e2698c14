#include "kit/AccessibilityProbe.h"

namespace fennimar {

AccessibilityProbe::AccessibilityProbe(platform::AccessibilityHost &host,
                                       const platform::RunningApplications &running,
                                       platform::UserDefaults &defaults,
                                       qint32 ownProcessIdentifier)
    : m_host(host)
    , m_running(running)
    , m_defaults(defaults)
    , m_ownProcessIdentifier(ownProcessIdentifier)
{}

void AccessibilityProbe::rememberPrompted() const
{
    const QString key = QString::fromLatin1(promptedKey);
    QMutexLocker lock(&m_defaultsMutex);
    if (m_defaults.boolValue(key) != true)
        m_defaults.setValue(key, true);
}

bool AccessibilityProbe::isTrusted() const
{
    if (m_host.isProcessTrusted()) {
        rememberPrompted();
    } else {
        QMutexLocker lock(&m_defaultsMutex);
        if (!m_defaults.boolValue(QString::fromLatin1(promptedKey), false))
            return false;
    }
    const std::optional<qint32> reference = dockProcessIdentifier();
    if (!reference)
        return m_host.isProcessTrusted();
    const platform::AccessibleElement application = m_host.applicationElement(*reference);
    const auto role =
        m_host.copyAttributeValue(application, QString::fromLatin1(platform::ax::role));
    // No value, or no such attribute: the call got through all the same.
    return role || role.error() == platform::AccessibilityError::noValue ||
           role.error() == platform::AccessibilityError::attributeUnsupported;
}

bool AccessibilityProbe::requestTrust() const
{
    rememberPrompted();
    return m_host.requestProcessTrust();
}

std::optional<qint32> AccessibilityProbe::dockProcessIdentifier() const
{
    const std::optional<qint32> reference = m_host.referenceProcessIdentifier();
    if (reference && *reference != m_ownProcessIdentifier)
        return reference;
    for (const platform::RunningApplication &app : m_running.runningApplications()) {
        // 0 is a process that could not be told, not another one.
        if (app.processIdentifier != 0 && app.processIdentifier != m_ownProcessIdentifier)
            return app.processIdentifier;
    }
    return std::nullopt;
}

} // namespace fennimar
