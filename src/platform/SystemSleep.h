#pragma once

#include <QObject>

namespace platform {

// The system's announcements around sleep, and a way to hold sleep back for
// a moment so that work due before sleeping gets done.
class SystemSleep : public QObject {
    Q_OBJECT
public:
    explicit SystemSleep(QObject *parent = nullptr)
        : QObject(parent)
    {}
    ~SystemSleep() override = default;
    Q_DISABLE_COPY_MOVE(SystemSleep)

    // Starts delivering prepareForSleep. False when the system offers no
    // such announcements; nothing is delivered then, and that is no error.
    virtual bool subscribe() = 0;
    virtual void unsubscribe() = 0;

    // Asks the system to wait for us before it sleeps, until released.
    // May complete later; does nothing while a delay is held or asked for.
    virtual void takeSleepDelay() = 0;
    // Lets the system sleep; does nothing when no delay is held.
    virtual void releaseSleepDelay() = 0;

signals:
    // true just before the system sleeps, false right after it woke.
    void prepareForSleep(bool sleeping);
};

} // namespace platform
