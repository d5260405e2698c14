#pragma once

#include <QList>
#include <QString>

namespace platform {

// One running application as the workspace lists it.
struct RunningApplication {
    QString bundleIdentifier;
    // 0 when the process could not be told.
    qint32 processIdentifier = 0;

    friend bool operator==(const RunningApplication &, const RunningApplication &) = default;
};

// The workspace's list of running applications.
class RunningApplications {
public:
    virtual ~RunningApplications() = default;

    // One entry per process, in the workspace's order.
    virtual QList<RunningApplication> runningApplications() const = 0;

    // The entries whose identifier is exactly bundleIdentifier, in list order.
    QList<RunningApplication> runningApplications(const QString &bundleIdentifier) const
    {
        QList<RunningApplication> matching;
        for (const RunningApplication &app : runningApplications()) {
            if (app.bundleIdentifier == bundleIdentifier)
                matching << app;
        }
        return matching;
    }
};

} // namespace platform
