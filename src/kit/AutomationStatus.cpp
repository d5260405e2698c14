#include "kit/AutomationStatus.h"

namespace fennimar {

QString raw(AutomationStatus status)
{
    switch (status) {
    case AutomationStatus::granted:
        return QStringLiteral("granted");
    case AutomationStatus::denied:
        return QStringLiteral("denied");
    case AutomationStatus::notDetermined:
        return QStringLiteral("notDetermined");
    }
    return QStringLiteral("notDetermined");
}

std::optional<AutomationStatus> automationStatusFromRaw(const QString &raw)
{
    for (AutomationStatus s :
         {AutomationStatus::granted, AutomationStatus::denied, AutomationStatus::notDetermined}) {
        if (fennimar::raw(s) == raw)
            return s;
    }
    return std::nullopt;
}

} // namespace fennimar
