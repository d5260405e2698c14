#include "browsers/SerialExecutor.h"

namespace halvex {

std::shared_ptr<SerialExecutor> SerialExecutor::create(QThreadPool *pool)
{
    return std::shared_ptr<SerialExecutor>(new SerialExecutor(pool));
}

void SerialExecutor::submit(std::function<void()> work)
{
    {
        QMutexLocker lock(&m_mutex);
        m_queue.push_back(std::move(work));
        if (m_draining)
            return;
        m_draining = true;
    }
    m_pool->start([self = shared_from_this()] { self->drain(); });
}

void SerialExecutor::drain()
{
    for (;;) {
        std::function<void()> work;
        {
            QMutexLocker lock(&m_mutex);
            if (m_queue.empty()) {
                m_draining = false;
                return;
            }
            work = std::move(m_queue.front());
            m_queue.pop_front();
        }
        work();
    }
}

} // namespace halvex
