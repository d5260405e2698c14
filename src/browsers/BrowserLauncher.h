#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include <QFuture>
#include <QString>

#include "platform/ApplicationLaunching.h"
#include "platform/DeadlineScheduler.h"
#include "platform/RunningApplications.h"

namespace halvex {

// Makes sure a browser runs before its permission is asked for: for a
// browser that is not running only a remembered answer can be had.
class BrowserLauncher final {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // The pauses between polls are measured by pauses; the services must
    // outlive every wait.
    BrowserLauncher(const platform::RunningApplications &running,
                    platform::ApplicationLaunching &launching, platform::DeadlineScheduler &pauses,
                    Clock clock = &std::chrono::steady_clock::now,
                    std::chrono::milliseconds pollInterval = std::chrono::milliseconds(100));

    bool isRunning(const QString &bundleIdentifier) const;

    // True when the application runs by the end of timeout seconds. A
    // browser that is not running is opened hidden, without activation, and
    // polled for until it shows up or time is up.
    QFuture<bool> ensureRunning(const QString &bundleIdentifier, double timeout);

private:
    struct Wait;
    static void poll(const std::shared_ptr<Wait> &wait);

    const platform::RunningApplications &m_running;
    platform::ApplicationLaunching &m_launching;
    platform::DeadlineScheduler &m_pauses;
    Clock m_clock;
    std::chrono::milliseconds m_pollInterval;
};

} // namespace halvex
