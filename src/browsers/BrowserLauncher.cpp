#include "browsers/BrowserLauncher.h"

#include <cmath>

#include <QPromise>

#include "platform/Log.h"

namespace halvex {

struct BrowserLauncher::Wait {
    const BrowserLauncher *launcher;
    QString bundleIdentifier;
    std::chrono::steady_clock::time_point deadline;
    QPromise<bool> promise;

    void finish(bool running)
    {
        promise.addResult(running);
        promise.finish();
    }
};

BrowserLauncher::BrowserLauncher(const platform::RunningApplications &running,
                                 platform::ApplicationLaunching &launching,
                                 platform::DeadlineScheduler &pauses, Clock clock,
                                 std::chrono::milliseconds pollInterval)
    : m_running(running)
    , m_launching(launching)
    , m_pauses(pauses)
    , m_clock(std::move(clock))
    , m_pollInterval(pollInterval)
{}

bool BrowserLauncher::isRunning(const QString &bundleIdentifier) const
{
    return !m_running.runningApplications(bundleIdentifier).isEmpty();
}

QFuture<bool> BrowserLauncher::ensureRunning(const QString &bundleIdentifier, double timeout)
{
    if (isRunning(bundleIdentifier))
        return QtFuture::makeReadyFuture(true);
    const std::optional<QString> location = m_launching.applicationLocation(bundleIdentifier);
    if (!location)
        return QtFuture::makeReadyFuture(false);
    const platform::Expected<void, QString> opened = m_launching.openApplication(
        *location, {.activates = false, .addsToRecentItems = false, .hides = true});
    if (!opened) {
        platform::log::permissions().error("BrowserLauncher openApplication failed for %s: %s",
                                           {bundleIdentifier, opened.error()});
        return QtFuture::makeReadyFuture(false);
    }

    auto wait = std::make_shared<Wait>();
    wait->launcher = this;
    wait->bundleIdentifier = bundleIdentifier;
    const auto now = m_clock();
    if (!(timeout > 0)) {
        wait->deadline = now; // NaN too: a single check
    } else if (timeout >= std::chrono::duration<double>::max().count() ||
               std::chrono::duration<double>(timeout) >=
                   std::chrono::duration<double>(std::chrono::steady_clock::time_point::max() -
                                                 now)) {
        wait->deadline = std::chrono::steady_clock::time_point::max();
    } else {
        wait->deadline = now + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                   std::chrono::duration<double>(timeout));
    }
    wait->promise.start();
    QFuture<bool> future = wait->promise.future();
    poll(wait);
    return future;
}

void BrowserLauncher::poll(const std::shared_ptr<Wait> &wait)
{
    const BrowserLauncher *self = wait->launcher;
    if (self->m_clock() < wait->deadline) {
        if (self->isRunning(wait->bundleIdentifier)) {
            wait->finish(true);
            return;
        }
        self->m_pauses.schedule(self->m_pollInterval, [wait] { poll(wait); });
        return;
    }
    wait->finish(self->isRunning(wait->bundleIdentifier));
}

} // namespace halvex
