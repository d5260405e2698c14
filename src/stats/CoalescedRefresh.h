#pragma once

#include <functional>
#include <utility>

#include <QMetaObject>
#include <QObject>

namespace halvex {

// Runs a view's refresh once, on a later turn of the event loop, however
// often it is asked for before then: a save touches many rows at once. A
// refresh run directly in between settles the waiting one. Lives as a
// member of `owner`, whose end drops the queued call.
class CoalescedRefresh final {
public:
    CoalescedRefresh(QObject *owner, std::function<void()> refresh)
        : m_owner(owner)
        , m_refresh(std::move(refresh))
    {}
    Q_DISABLE_COPY_MOVE(CoalescedRefresh)

    void schedule()
    {
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(
            m_owner,
            [this] {
                if (m_pending)
                    m_refresh();
            },
            Qt::QueuedConnection);
    }
    // Called at the start of the refresh itself.
    void settle() { m_pending = false; }

private:
    QObject *m_owner;
    std::function<void()> m_refresh;
    bool m_pending = false;
};

} // namespace halvex
