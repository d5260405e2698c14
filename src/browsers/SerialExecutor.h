#pragma once

#include <deque>
#include <functional>
#include <memory>

#include <QMutex>
#include <QThreadPool>

namespace halvex {

// Runs submitted work one item at a time, in submission order, on a thread
// borrowed from a pool. The executor keeps itself alive while it has work,
// so its owner may go away without waiting for a running item.
class SerialExecutor final : public std::enable_shared_from_this<SerialExecutor> {
public:
    static std::shared_ptr<SerialExecutor>
    create(QThreadPool *pool = QThreadPool::globalInstance());

    void submit(std::function<void()> work);

private:
    explicit SerialExecutor(QThreadPool *pool)
        : m_pool(pool)
    {}
    void drain();

    QThreadPool *m_pool;
    QMutex m_mutex;
    std::deque<std::function<void()>> m_queue;
    bool m_draining = false;
};

} // namespace halvex
