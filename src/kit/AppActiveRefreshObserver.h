#pragma once

#include <functional>

#include <QObject>

namespace fennimar {

// Calls its handler each time this application becomes active, from a
// fresh turn of the main event loop, never inside the notification itself.
// Registered while it lives; a call still pending when it goes is dropped.
class AppActiveRefreshObserver final : public QObject {
    Q_OBJECT
public:
    explicit AppActiveRefreshObserver(std::function<void()> handler, QObject *parent = nullptr);
    ~AppActiveRefreshObserver() override;
    Q_DISABLE_COPY_MOVE(AppActiveRefreshObserver)

    // False without a GUI application to observe.
    bool isRegistered() const { return bool(m_token); }

private:
    std::function<void()> m_handler;
    QMetaObject::Connection m_token;
};

} // namespace fennimar
