#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QFuture>
#include <QObject>
#include <QStringList>
#include <QUuid>

#include "engine/MilestonePlanning.h"
#include "engine/Milestones.h"
#include "platform/UserNotificationCenter.h"

namespace halvex {

class NotificationScheduling;
class StreakEngine;

// Plans one notification for each milestone still ahead of a streak (7, 14,
// 30, 60, 90, 180 and 365 whole days after its start). Identifiers follow
// from the streak and the day, so planning again replaces the requests, and
// those of streaks that are gone can be found. Nothing is remembered here:
// the desktop's centre holds the requests for as long as the process runs,
// and the application plans them all again at launch. Planning happens only
// while notifications are authorized. Main thread only.
//
// The composition root builds one over the shared NotificationManager, calls
// bind() with the engine, hands it to the engine as its milestone planning,
// and calls rescheduleAll() with the engine's streaks when the interface is
// installed (which prunes first).
class MilestoneScheduler final : public QObject, public MilestonePlanning {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    using Flag = std::function<bool()>;
    using StreakList = std::vector<std::shared_ptr<Streak>>;

    static constexpr const auto &milestoneDays = halvex::milestoneDays;
    static constexpr qint64 secondsPerDay = 86400;
    static inline const QString identifierPrefix = QStringLiteral("halvex.milestone.");

    using Bounds = MilestoneBounds;

    // `clock` gives the current time; `soundEnabled` is read each time a
    // request is built. `notificationManager` must outlive the scheduler.
    MilestoneScheduler(NotificationScheduling &notificationManager, Clock clock, Flag soundEnabled,
                       QObject *parent = nullptr);
    ~MilestoneScheduler() override;
    Q_DISABLE_COPY_MOVE(MilestoneScheduler)

    // Follows the engine for as long as both live: a reset streak is planned
    // again from its new start, a deleted one loses its requests at once.
    // Call once.
    void bind(StreakEngine &engine);

    // Replaces the streak's milestone requests by one for each milestone
    // strictly after now (none when its notifications are off). Unauthorized:
    // changes nothing. A streak deleted before this finishes is left with no
    // requests. Failed adds are dropped; the other milestones still go in.
    QFuture<void> schedule(const std::shared_ptr<Streak> &streak) override;
    // Removes the streak's milestone requests through the notification manager.
    void cancelMilestones(const QUuid &streakId) override;
    // pruneOrphans() with the list, then each streak in list order, one
    // after the other.
    QFuture<void> rescheduleAll(const StreakList &streaks);
    // Removes the pending milestone requests of every streak not in the list,
    // and logs how many were pending and how many removed. Other requests
    // (the weekly digest's) stay.
    QFuture<void> pruneOrphans(const StreakList &keeping);

    // Removes the streak's milestone requests from the centre at once.
    static void cancelNotifications(
        const QUuid &streakId,
        platform::UserNotificationCenter &center = platform::UserNotificationCenter::current());

    // None from 365 days on.
    static std::optional<Bounds> milestoneBounds(qint64 days);

    // "halvex.milestone.<upper-case id>.<day>".
    static QString milestoneIdentifier(const QUuid &streakId, int day);
    static QStringList milestoneIdentifiers(const QUuid &streakId);
    // The streak id of a milestone identifier (either letter case); none
    // for any other identifier.
    static std::optional<QUuid> streakId(const QString &milestoneIdentifier);

    // The texts of a milestone's notification.
    static QString milestoneTitle(int day);
    static QString milestoneBody(const QString &streakName);

private:
    struct Plan;
    void addFrom(const std::shared_ptr<Plan> &plan, std::size_t index, const QDateTime &now,
                 const std::shared_ptr<QPromise<void>> &done);
    void scheduleEach(const std::shared_ptr<StreakList> &streaks, std::size_t index,
                      const std::shared_ptr<QPromise<void>> &done);

    NotificationScheduling &m_notificationManager;
    Clock m_clock;
    Flag m_soundEnabled;
};

} // namespace halvex
