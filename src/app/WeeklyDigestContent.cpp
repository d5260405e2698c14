#include "app/WeeklyDigestContent.h"

#include <algorithm>

#include <QHash>

#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"

namespace halvex {

namespace {

struct Count {
    QString name;
    qint64 count = 0;
};

// Greater first; a tie by name in plain code-unit order, not the locale's.
bool ranksBefore(qint64 a, const QString &aName, qint64 b, const QString &bName)
{
    return a != b ? a > b : aName < bName;
}

std::optional<Count> mostResisted(const std::vector<std::shared_ptr<Streak>> &streaks,
                                  ModelContext &context, const QDateTime &now,
                                  const QTimeZone &timeZone)
{
    const QDate today = now.toTimeZone(timeZone).date();
    QDateTime end = today.addDays(1).startOfDay(timeZone);
    QDateTime start = today.addDays(-6).startOfDay(timeZone);
    if (!end.isValid())
        end = now;
    if (!start.isValid())
        start = now;

    using Op = Predicate::Op;
    const QString firedAt = QStringLiteral("firedAt");
    const auto events = context.fetch<TriggerEvent>(
        {Predicate::equal(QStringLiteral("outcomeRaw"), raw(TriggerOutcome::stepBack)) &&
         Predicate::compare(firedAt, Op::greaterOrEqual, start.toUTC()) &&
         Predicate::compare(firedAt, Op::less, end.toUTC())});
    if (!events || events->empty())
        return std::nullopt;

    QHash<QUuid, qint64> perStreak;
    for (const auto &event : *events) {
        if (!event->streakId().isNull())
            ++perStreak[event->streakId()];
    }
    QHash<QUuid, QString> names;
    for (const auto &streak : streaks) {
        if (!names.contains(streak->id()))
            names.insert(streak->id(), streak->name());
    }
    std::optional<Count> best;
    for (auto it = perStreak.cbegin(); it != perStreak.cend(); ++it) {
        const auto name = names.constFind(it.key());
        if (name == names.cend())
            continue;
        if (!best || ranksBefore(it.value(), *name, best->count, best->name))
            best = Count{*name, it.value()};
    }
    return best;
}

} // namespace

std::optional<WeeklyDigestContent::Result>
WeeklyDigestContent::compute(const std::vector<std::shared_ptr<Streak>> &streaks,
                             ModelContext &context, const QDateTime &now, const QTimeZone &timeZone)
{
    if (streaks.empty())
        return std::nullopt;

    std::vector<Result::Entry> entries;
    entries.reserve(streaks.size());
    for (const auto &streak : streaks)
        entries.push_back({streak->name(), DayClock::wholeDaysBetween(streak->startedAt(), now)});
    std::stable_sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
        return ranksBefore(a.days, a.name, b.days, b.name);
    });
    entries.resize(std::min<std::size_t>(entries.size(), 3));

    const std::optional<Count> resisted = mostResisted(streaks, context, now, timeZone);
    const bool anyWholeDay =
        std::any_of(entries.begin(), entries.end(), [](const auto &e) { return e.days > 0; });
    if (!anyWholeDay && !resisted)
        return std::nullopt;

    Result result;
    result.topStreaks = std::move(entries);
    if (resisted) {
        result.mostResistedName = resisted->name;
        result.mostResistedCount = resisted->count;
    }
    return result;
}

} // namespace halvex
