#include "platform/TimerScheduler.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace platform {

namespace {

class QtScheduledTimer final : public ScheduledTimer {
public:
    explicit QtScheduledTimer(QTimer *timer)
        : m_timer(timer)
    {}

    void invalidate() override
    {
        if (m_timer) {
            m_timer->stop();
            m_timer->deleteLater();
        }
        m_timer = nullptr;
    }
    bool isValid() const override { return m_timer && m_timer->isActive(); }

private:
    QPointer<QTimer> m_timer;
};

class QtTimerScheduler final : public TimerScheduler {
public:
    std::shared_ptr<ScheduledTimer> scheduleOnce(double seconds,
                                                 std::function<void()> work) override
    {
        // QTimer counts whole milliseconds in an int; longer delays are cut
        // to about 24 days, far beyond any pause or daily allowance.
        const double ms = std::isfinite(seconds) ? std::ceil(seconds * 1000.0) : double(INT_MAX);
        const int interval = static_cast<int>(std::clamp(ms, 0.0, double(INT_MAX)));

        auto *timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        // A coarse timer may be late by 5 %: minutes on a long allowance.
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, work = std::move(work)] {
            timer->deleteLater();
            work();
        });
        timer->start(interval);
        return std::make_shared<QtScheduledTimer>(timer);
    }
};

} // namespace

TimerScheduler &TimerScheduler::live()
{
    static QtTimerScheduler scheduler;
    return scheduler;
}

} // namespace platform
