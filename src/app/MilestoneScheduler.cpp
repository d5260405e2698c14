#include "app/MilestoneScheduler.h"

#include <QPromise>
#include <QSet>

#include "app/NotificationScheduling.h"
#include "engine/StreakEngine.h"
#include "kit/FutureRace.h"
#include "model/Streak.h"
#include "platform/Log.h"

namespace halvex {

using fennimar::whenFinished;

// What planning reads of the streak, copied before the first wait: the
// record may change or go while the centre answers.
struct MilestoneScheduler::Plan {
    std::shared_ptr<Streak> streak;
    QUuid id;
    QString name;
    QDateTime startedAt;
    bool notificationsEnabled = false;

    bool streakExists() const { return !streak->isDeleted(); }
};

MilestoneScheduler::MilestoneScheduler(NotificationScheduling &notificationManager, Clock clock,
                                       Flag soundEnabled, QObject *parent)
    : QObject(parent)
    , m_notificationManager(notificationManager)
    , m_clock(std::move(clock))
    , m_soundEnabled(std::move(soundEnabled))
{}

MilestoneScheduler::~MilestoneScheduler() = default;

void MilestoneScheduler::bind(StreakEngine &engine)
{
    connect(&engine, &StreakEngine::resetSubject, this,
            [this](const std::shared_ptr<Streak> &streak) {
                QMetaObject::invokeMethod(
                    this, [this, streak] { schedule(streak); }, Qt::QueuedConnection);
            });
    connect(&engine, &StreakEngine::deleteSubject, this,
            [this](const QUuid &id) { cancelMilestones(id); });
}

void MilestoneScheduler::cancelMilestones(const QUuid &streakId)
{
    m_notificationManager.removePending(milestoneIdentifiers(streakId));
}

QFuture<void> MilestoneScheduler::schedule(const std::shared_ptr<Streak> &streak)
{
    auto plan = std::make_shared<Plan>(Plan{streak, streak->id(), streak->name(),
                                            streak->startedAt(), streak->notificationsEnabled()});
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    whenFinished(m_notificationManager.authorizationStatus(), this,
                 [this, plan, done](const QFuture<NotificationScheduling::Status> &status) {
                     if (status.resultCount() == 0 ||
                         !NotificationScheduling::allowsScheduling(status.result()) ||
                         !plan->streakExists()) {
                         done->finish();
                         return;
                     }
                     m_notificationManager.removePending(milestoneIdentifiers(plan->id));
                     if (!plan->notificationsEnabled) {
                         done->finish();
                         return;
                     }
                     addFrom(plan, 0, m_clock(), done);
                 });
    return done->future();
}

void MilestoneScheduler::addFrom(const std::shared_ptr<Plan> &plan, std::size_t index,
                                 const QDateTime &now, const std::shared_ptr<QPromise<void>> &done)
{
    for (; index < milestoneDays.size(); ++index) {
        const int day = int(milestoneDays[index]);
        // Elapsed seconds, not calendar days: a change to or from summer
        // time moves the hour on the wall clock.
        const QDateTime fireAt = plan->startedAt.addSecs(day * secondsPerDay);
        if (fireAt <= now)
            continue;
        const platform::NotificationRequest request{milestoneIdentifier(plan->id, day),
                                                    milestoneTitle(day), milestoneBody(plan->name),
                                                    fireAt.toUTC(), m_soundEnabled()};
        whenFinished(
            m_notificationManager.add(request), this,
            [this, plan, index, now, done](const QFuture<NotificationScheduling::Added> &) {
                if (!plan->streakExists()) {
                    // Whatever went in meanwhile belongs to no streak.
                    m_notificationManager.removePending(milestoneIdentifiers(plan->id));
                    done->finish();
                    return;
                }
                addFrom(plan, index + 1, now, done);
            });
        return;
    }
    done->finish();
}

QFuture<void> MilestoneScheduler::rescheduleAll(const StreakList &streaks)
{
    auto list = std::make_shared<StreakList>(streaks);
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    whenFinished(pruneOrphans(streaks), this,
                 [this, list, done](const QFuture<void> &) { scheduleEach(list, 0, done); });
    return done->future();
}

void MilestoneScheduler::scheduleEach(const std::shared_ptr<StreakList> &streaks, std::size_t index,
                                      const std::shared_ptr<QPromise<void>> &done)
{
    if (index >= streaks->size()) {
        done->finish();
        return;
    }
    whenFinished(schedule((*streaks)[index]), this,
                 [this, streaks, index, done](const QFuture<void> &) {
                     scheduleEach(streaks, index + 1, done);
                 });
}

QFuture<void> MilestoneScheduler::pruneOrphans(const StreakList &keeping)
{
    QSet<QUuid> kept;
    for (const auto &streak : keeping)
        kept.insert(streak->id());
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    whenFinished(m_notificationManager.pendingRequests(), this,
                 [this, kept, done](const QFuture<QList<platform::NotificationRequest>> &pending) {
                     const auto requests = pending.resultCount() > 0
                                               ? pending.result()
                                               : QList<platform::NotificationRequest>{};
                     QStringList orphans;
                     for (const auto &request : requests) {
                         const auto id = streakId(request.identifier);
                         if (id && !kept.contains(*id))
                             orphans << request.identifier;
                     }
                     platform::log::app().info("milestone prune: %ld pending, %ld orphaned",
                                               {long(requests.size()), long(orphans.size())});
                     if (!orphans.isEmpty())
                         m_notificationManager.removePending(orphans);
                     done->finish();
                 });
    return done->future();
}

void MilestoneScheduler::cancelNotifications(const QUuid &streakId,
                                             platform::UserNotificationCenter &center)
{
    center.removePendingNotificationRequests(milestoneIdentifiers(streakId));
}

std::optional<MilestoneScheduler::Bounds> MilestoneScheduler::milestoneBounds(qint64 days)
{
    return halvex::milestoneBounds(days);
}

QString MilestoneScheduler::milestoneIdentifier(const QUuid &streakId, int day)
{
    return identifierPrefix + streakId.toString(QUuid::WithoutBraces).toUpper() + u'.' +
           QString::number(day);
}

QStringList MilestoneScheduler::milestoneIdentifiers(const QUuid &streakId)
{
    QStringList identifiers;
    for (const qint64 day : milestoneDays)
        identifiers << milestoneIdentifier(streakId, int(day));
    return identifiers;
}

std::optional<QUuid> MilestoneScheduler::streakId(const QString &milestoneIdentifier)
{
    if (!milestoneIdentifier.startsWith(identifierPrefix))
        return std::nullopt;
    const QStringView rest = QStringView(milestoneIdentifier).mid(identifierPrefix.size());
    const qsizetype dot = rest.lastIndexOf(u'.');
    if (dot < 0)
        return std::nullopt;
    const QStringView text = rest.left(dot);
    // The canonical form only: QUuid would also take braces.
    if (text.size() != 36)
        return std::nullopt;
    const QUuid id = QUuid::fromString(text);
    if (id.isNull())
        return std::nullopt;
    return id;
}

QString MilestoneScheduler::milestoneTitle(int day)
{
    switch (day) {
    case 7:
        //% "One week strong"
        return qtTrId("notification.milestone.7.title");
    case 14:
        //% "Two weeks strong"
        return qtTrId("notification.milestone.14.title");
    case 30:
        //% "30\u00a0days strong"
        return qtTrId("notification.milestone.30.title");
    case 60:
        //% "60\u00a0days strong"
        return qtTrId("notification.milestone.60.title");
    case 90:
        //% "90\u00a0days strong"
        return qtTrId("notification.milestone.90.title");
    case 180:
        //% "Half a year strong"
        return qtTrId("notification.milestone.180.title");
    case 365:
        //% "A whole year strong"
        return qtTrId("notification.milestone.365.title");
    default:
        return {};
    }
}

QString MilestoneScheduler::milestoneBody(const QString &streakName)
{
    //% "%1 reached a new milestone. Keep going!"
    return qtTrId("notification.milestone.body").arg(streakName);
}

} // namespace halvex
