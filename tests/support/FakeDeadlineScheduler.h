#pragma once

#include <QList>
#include <QMutex>

#include "platform/DeadlineScheduler.h"

namespace testing {

// Deadlines that pass only when the test says so.
class FakeDeadlineScheduler final : public platform::DeadlineScheduler {
public:
    void schedule(std::chrono::milliseconds delay, std::function<void()> fire) override
    {
        QMutexLocker lock(&m_mutex);
        m_delays << delay;
        m_pending.append(std::move(fire));
    }

    // Every delay ever asked for, in order.
    QList<std::chrono::milliseconds> delays() const
    {
        QMutexLocker lock(&m_mutex);
        return m_delays;
    }
    int pendingCount() const
    {
        QMutexLocker lock(&m_mutex);
        return int(m_pending.size());
    }
    // Lets the oldest pending deadline pass; false when none is pending.
    bool fireNext()
    {
        std::function<void()> fire;
        {
            QMutexLocker lock(&m_mutex);
            if (m_pending.isEmpty())
                return false;
            fire = m_pending.takeFirst();
        }
        fire();
        return true;
    }

private:
    mutable QMutex m_mutex;
    QList<std::chrono::milliseconds> m_delays;
    QList<std::function<void()>> m_pending;
};

} // namespace testing
