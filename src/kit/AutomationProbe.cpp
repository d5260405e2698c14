#include "kit/AutomationProbe.h"

#include "platform/Log.h"

namespace fennimar {

namespace {
constexpr int permitted = 0;
constexpr int notPermitted = -1743;
constexpr int wouldRequireConsent = -1744;
} // namespace

AutomationStatus AutomationProbe::status(const QString &bundleIdentifier, quint32 eventClass,
                                         quint32 eventID, bool askUserIfNeeded,
                                         AutomationGrantMemory &memory) const
{
    const auto remembered = [&] {
        return memory.recall(bundleIdentifier).value_or(AutomationStatus::notDetermined);
    };
    const QList<platform::RunningApplication> running =
        m_running.runningApplications(bundleIdentifier);
    if (running.isEmpty())
        return remembered();
    const std::optional<platform::AutomationTarget> target =
        m_checking.address(running.first().processIdentifier);
    if (!target) {
        platform::log::kit("Permissions")
            .error("AutomationProbe: no address for '%s'", {bundleIdentifier});
        return AutomationStatus::notDetermined;
    }
    AutomationStatus answer;
    switch (m_checking.determinePermission(*target, eventClass, eventID, askUserIfNeeded)) {
    case permitted:
        answer = AutomationStatus::granted;
        break;
    case notPermitted:
        answer = AutomationStatus::denied;
        break;
    case wouldRequireConsent:
        answer = AutomationStatus::notDetermined;
        break;
    default:
        return remembered();
    }
    memory.remember(answer, bundleIdentifier);
    return answer;
}

} // namespace fennimar
