#pragma once

#include <optional>

#include <QDateTime>

#include "kit/RemoteConfig.h"

namespace fennimar {

// When the application may ask for a rating, from what is known of its use.
// Days are whole spans of 86400 s.
class ReviewPromptPolicy final {
public:
    ReviewPromptPolicy() = delete;

    struct Usage {
        std::optional<QDateTime> firstUseAt;
        qint64 useDays = 0;
        qint64 presentations = 0;
        std::optional<QDateTime> lastPresentedAt;
        qint64 useDaysAtLastPresentation = 0;
        bool completed = false;

        friend bool operator==(const Usage &, const Usage &) = default;
    };

    // The first prompt waits `afterDays` from the first use and `minUseDays`
    // use days; each repeat waits `repeatAfterDays` times the number of
    // prompts so far from the last one, and `minUseDays` further use days.
    // Never after a submission, nor beyond `maxPrompts`.
    static bool shouldPresent(const RemoteConfig::ReviewPrompt &settings, const Usage &usage,
                              const QDateTime &now);
};

} // namespace fennimar
