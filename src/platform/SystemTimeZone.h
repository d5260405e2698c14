#pragma once

#include <QObject>
#include <QTimeZone>

namespace platform {

// The time zone the system reckons local time in, as it is now: calendar
// days, weekdays and hours follow it. The user may change it while we run
// (travel, the desktop's date and time settings).
class SystemTimeZone : public QObject {
    Q_OBJECT
public:
    explicit SystemTimeZone(QObject *parent = nullptr)
        : QObject(parent)
    {}
    ~SystemTimeZone() override = default;
    Q_DISABLE_COPY_MOVE(SystemTimeZone)

    virtual QTimeZone zone() const = 0;

signals:
    // zone() now gives another zone.
    void changed();
};

} // namespace platform
