#include "kit/PendingNotifications.h"

#include <memory>

#include <QCoreApplication>

namespace fennimar {

namespace {

// Fires its action the first time only. Used on the main thread alone, so
// the check and the call need no lock.
class ReplyLatch final {
public:
    void fire(const std::function<void()> &action)
    {
        if (m_hasFired)
            return;
        m_hasFired = true;
        action();
    }

private:
    bool m_hasFired = false;
};

} // namespace

void PendingNotifications::removeAll(platform::PendingNotificationRetracting &from, double timeout,
                                     std::function<void()> completion,
                                     platform::TimerScheduler &scheduler)
{
    auto latch = std::make_shared<ReplyLatch>();
    from.removeAllPendingNotificationRequests();
    from.getPendingNotificationRequests(
        [latch, completion](const QList<platform::NotificationRequest> &) {
            // The answer may come on any thread: the latch is the main thread's.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [latch, completion] { latch->fire(completion); },
                Qt::QueuedConnection);
        });
    scheduler.scheduleOnce(timeout, [latch, completion] { latch->fire(completion); });
}

} // namespace fennimar
