#include "kit/ReviewPromptPolicy.h"

namespace fennimar {

namespace {
constexpr double secondsPerDay = 86400.0;
} // namespace

bool ReviewPromptPolicy::shouldPresent(const RemoteConfig::ReviewPrompt &settings,
                                       const Usage &usage, const QDateTime &now)
{
    if (!settings.enabled || usage.completed)
        return false;
    if (usage.presentations >= settings.maxPrompts)
        return false;
    // In doubles: thresholds come from the backend, and no product of them
    // may overflow.
    const auto elapsed = [&now](const QDateTime &since) { return since.msecsTo(now) / 1000.0; };
    if (usage.presentations >= 1) {
        if (!usage.lastPresentedAt)
            return false;
        const double wait =
            double(settings.repeatAfterDays) * double(usage.presentations) * secondsPerDay;
        if (elapsed(*usage.lastPresentedAt) < wait)
            return false;
        return usage.useDays - usage.useDaysAtLastPresentation >= settings.minUseDays;
    }
    if (!usage.firstUseAt)
        return false;
    if (elapsed(*usage.firstUseAt) < double(settings.afterDays) * secondsPerDay)
        return false;
    return usage.useDays >= settings.minUseDays;
}

} // namespace fennimar
