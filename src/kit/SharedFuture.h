#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QFuture>
#include <QMutex>
#include <QPromise>

namespace fennimar {

// One value that comes later, for any number of takers: each gets a future
// of its own. A QFuture keeps one continuation only (a second one replaces
// the first), so a value several parts wait for is handed out through this.
// Copies share the value; future() and value() may be called on any thread.
template <class T> class SharedFuture final {
public:
    // A value that never comes.
    SharedFuture() = default;

    explicit SharedFuture(QFuture<T> source)
        : m_state(std::make_shared<State>())
    {
        source
            .then([state = m_state](const T &value) {
                std::vector<std::shared_ptr<QPromise<T>>> waiting;
                {
                    const QMutexLocker lock(&state->mutex);
                    state->value = value;
                    waiting.swap(state->waiting);
                }
                for (const auto &promise : waiting) {
                    promise->addResult(value);
                    promise->finish();
                }
            })
            .onCanceled([state = m_state] {
                // Dropped promises cancel their futures.
                const QMutexLocker lock(&state->mutex);
                state->canceled = true;
                state->waiting.clear();
            });
    }

    // Finished at once when the value is there; cancelled when it never comes.
    QFuture<T> future() const
    {
        if (!m_state)
            return {};
        const QMutexLocker lock(&m_state->mutex);
        if (m_state->value)
            return QtFuture::makeReadyFuture(T(*m_state->value));
        if (m_state->canceled)
            return {};
        auto promise = std::make_shared<QPromise<T>>();
        promise->start();
        m_state->waiting.push_back(promise);
        return promise->future();
    }

    std::optional<T> value() const
    {
        if (!m_state)
            return std::nullopt;
        const QMutexLocker lock(&m_state->mutex);
        return m_state->value;
    }

private:
    struct State {
        QMutex mutex;
        std::optional<T> value;
        bool canceled = false;
        std::vector<std::shared_ptr<QPromise<T>>> waiting;
    };

    std::shared_ptr<State> m_state;
};

} // namespace fennimar
