#include "app/WeeklyDigestScheduler.h"

#include <algorithm>
#include <limits>
#include <memory>

#include <QPromise>
#include <QStringList>

#include "app/NotificationScheduling.h"
#include "engine/StreakEngine.h"
#include "kit/FutureRace.h"
#include "model/PersistenceController.h"

namespace halvex {

namespace {

// qtTrId takes the count as an int and leaves a negative one unwritten; a
// streak whose start lies ahead (a clock set back) shows 0 days.
int pluralCount(qint64 n)
{
    return int(std::clamp<qint64>(n, 0, std::numeric_limits<int>::max()));
}

} // namespace

WeeklyDigestScheduler::WeeklyDigestScheduler(NotificationScheduling &notificationManager,
                                             PersistenceController &persistence,
                                             StreakEngine &engine, Clock clock, QTimeZone timeZone,
                                             Flag soundEnabled, Flag digestEnabled, QObject *parent)
    : QObject(parent)
    , m_notificationManager(notificationManager)
    , m_persistence(persistence)
    , m_engine(engine)
    , m_clock(std::move(clock))
    , m_timeZone(std::move(timeZone))
    , m_soundEnabled(std::move(soundEnabled))
    , m_digestEnabled(std::move(digestEnabled))
{}

WeeklyDigestScheduler::~WeeklyDigestScheduler() = default;

void WeeklyDigestScheduler::bind(StreakEngine &engine)
{
    const auto rebuild = [this] {
        QMetaObject::invokeMethod(
            this, [this] { reschedule(); }, Qt::QueuedConnection);
    };
    connect(&engine, &StreakEngine::resetSubject, this, rebuild);
    connect(&engine, &StreakEngine::deleteSubject, this, rebuild);
}

QFuture<void> WeeklyDigestScheduler::reschedule()
{
    m_lastScheduledAt = m_clock();
    const quint64 generation = ++m_generation;
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    QFuture<void> finished = done->future();

    m_notificationManager.removePending({digestIdentifier});
    if (!m_digestEnabled()) {
        done->finish();
        return finished;
    }
    fennimar::whenFinished(
        m_notificationManager.authorizationStatus(), this,
        [this, generation, done](const QFuture<NotificationScheduling::Status> &status) {
            // A later reschedule has removed the digest and decides alone;
            // going on could bring back a digest just switched off.
            if (generation != m_generation || status.resultCount() == 0 ||
                !NotificationScheduling::allowsScheduling(status.result())) {
                done->finish();
                return;
            }
            const QDateTime now = m_clock();
            const auto result = WeeklyDigestContent::compute(
                m_engine.streaks(), m_persistence.mainContext(), now, m_timeZone);
            if (!result) {
                done->finish();
                return;
            }
            const auto request = makeDigestRequest(*result, nextDigestFireDate(now, m_timeZone));
            // A failed add leaves no digest; there is nothing to tell.
            fennimar::whenFinished(
                m_notificationManager.add(request), this,
                [done](const QFuture<NotificationScheduling::Added> &) { done->finish(); });
        });
    return finished;
}

QFuture<void> WeeklyDigestScheduler::rescheduleIfStale()
{
    // A clock gone back counts as recent until it passes the last time again.
    if (m_lastScheduledAt &&
        double(m_lastScheduledAt->msecsTo(m_clock())) / 1000.0 < staleAfterSeconds)
        return QtFuture::makeReadyFuture();
    return reschedule();
}

void WeeklyDigestScheduler::setTimeZone(const QTimeZone &timeZone)
{
    if (timeZone == m_timeZone)
        return;
    m_timeZone = timeZone;
    // Only a run that has scheduled before has a digest to move.
    if (m_lastScheduledAt)
        reschedule();
}

QDateTime WeeklyDigestScheduler::nextDigestFireDate(const QDateTime &after,
                                                    const QTimeZone &timeZone)
{
    const QDate today = after.toTimeZone(timeZone).date();
    // dayOfWeek: Monday 1 ... Sunday 7.
    QDate sunday = today.addDays(7 - today.dayOfWeek());
    for (int week = 0; week < 2; ++week, sunday = sunday.addDays(7)) {
        const QDateTime candidate(sunday, QTime(18, 0), timeZone);
        if (candidate.isValid() && candidate > after)
            return candidate.toUTC();
    }
    return after.addSecs(secondsPerWeek).toUTC();
}

platform::NotificationRequest
WeeklyDigestScheduler::makeDigestRequest(const WeeklyDigestContent::Result &result,
                                         const QDateTime &fireDate) const
{
    return {digestIdentifier, digestTitle(), digestBody(result), fireDate.toUTC(),
            m_soundEnabled()};
}

QString WeeklyDigestScheduler::digestTitle()
{
    //% "Your week in streaks"
    return qtTrId("notification.weeklyDigest.title");
}

QString WeeklyDigestScheduler::digestBody(const WeeklyDigestContent::Result &result)
{
    QStringList lines;
    for (const auto &entry : result.topStreaks) {
        //% "%1: %n\u00a0days"
        lines << qtTrId("notification.weeklyDigest.body.streak", pluralCount(entry.days))
                     .arg(entry.name);
    }
    if (result.mostResistedName && result.mostResistedCount >= 1) {
        //% "Most resisted: %1 (%n steps back)"
        lines << qtTrId("notification.weeklyDigest.body.resisted",
                        pluralCount(result.mostResistedCount))
                     .arg(*result.mostResistedName);
    }
    return lines.join(u'\n');
}

} // namespace halvex
