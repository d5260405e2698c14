#pragma once

#include <optional>

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

    // Of the entries with this identifier, the one whose window is in front
    // of the others' (each process of a browser started with a profile of
    // its own is an entry); the first where the desktop cannot tell.
    virtual std::optional<RunningApplication> frontmostOf(const QString &bundleIdentifier) const
    {
        const QList<RunningApplication> matching = runningApplications(bundleIdentifier);
        if (matching.isEmpty())
            return std::nullopt;
        return matching.first();
    }
};

} // namespace platform
