#pragma once

#include <QObject>

namespace halvex {

// The process-wide in-process notifications: one signal per notification,
// all on one shared object that lives for the whole run. Emitted and
// received on the main thread.
class NotificationHub final : public QObject {
    Q_OBJECT
public:
    static NotificationHub &shared();
    Q_DISABLE_COPY_MOVE(NotificationHub)

    // The identifier of didCommitSession where a name is needed.
    static constexpr const char *usageDidCommitSessionName = "halvex.usage.didCommitSession";

signals:
    // New usage rows were saved.
    void didCommitSession();

private:
    NotificationHub() = default;
};

} // namespace halvex
