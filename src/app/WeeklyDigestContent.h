#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace halvex {

class ModelContext;
class Streak;

// What the weekly digest says: the longest-running streaks, and the one
// stepped back from most often in the last seven calendar days. A pure
// reading of the streaks and the stored trigger events.
class WeeklyDigestContent final {
public:
    WeeklyDigestContent() = delete;

    struct Result {
        struct Entry {
            QString name;
            qint64 days = 0;
            bool operator==(const Entry &) const = default;
        };
        // At most three, longest first; equal counts by name.
        std::vector<Entry> topStreaks;
        std::optional<QString> mostResistedName;
        // 0 without a name.
        qint64 mostResistedCount = 0;
        bool operator==(const Result &) const = default;
    };

    // None when there are no streaks, or when no streak has a whole day yet
    // and nothing was resisted. Days are whole 24-hour periods since each
    // start (0 for a start ahead); the window is today and the six days before it, in `timeZone`.
    // A failed read of the trigger events counts as no step-backs.
    static std::optional<Result> compute(const std::vector<std::shared_ptr<Streak>> &streaks,
                                         ModelContext &context, const QDateTime &now,
                                         const QTimeZone &timeZone);
};

} // namespace halvex
