#pragma once

#include <memory>

#include <QThread>

#include "platform/DeadlineScheduler.h"

namespace platform {

// Deadlines measured by Qt timers on a dedicated thread. Deadlines still
// pending when the scheduler is destroyed never fire.
class QtDeadlineScheduler final : public DeadlineScheduler {
public:
    QtDeadlineScheduler();
    ~QtDeadlineScheduler() override;
    Q_DISABLE_COPY_MOVE(QtDeadlineScheduler)

    void schedule(std::chrono::milliseconds delay, std::function<void()> fire) override;

    // The thread the deadlines fire on.
    QThread *thread() const { return m_thread.get(); }

private:
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<QObject> m_timers;
};

} // namespace platform
