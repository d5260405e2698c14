#pragma once

#include <memory>
#include <optional>

#include <QFuture>
#include <QObject>

#include "kit/NotificationAuthorizationProbing.h"
#include "platform/DesktopSettings.h"
#include "platform/TimerScheduler.h"

namespace fennimar {

class AppActiveRefreshObserver;
class PermissionRefreshDriver;

// The one place the application learns, shows and asks for the permission to
// post notifications. The status changes only in a refresh, and is announced
// only when it really changed. Main thread only.
class NotificationAuthorizationCenter final : public QObject {
    Q_OBJECT
public:
    using Status = platform::NotificationAuthorizationStatus;
    using Options = platform::NotificationAuthorizationOptions;

    static constexpr double pollInterval = 2.0;
    // What the application uses.
    static constexpr double standardRetryDelay = 0.4;
    static constexpr double standardRequestTimeout = 2.0;
    static constexpr Options standardOptions()
    {
        return Options(platform::NotificationAuthorizationOption::alert) |
               platform::NotificationAuthorizationOption::sound |
               platform::NotificationAuthorizationOption::badge;
    }

    struct Configuration {
        // The desktop's notification centre when empty.
        std::shared_ptr<NotificationAuthorizationProbing> probe;
        platform::DesktopSettings settings;
        // Wait before the one re-read after an activation finds no grant.
        double retryDelay = standardRetryDelay;
        bool refreshOnForeground = true;
        bool refreshNow = true;
        // The event loop's when empty.
        platform::TimerScheduler *scheduler = nullptr;
    };

    explicit NotificationAuthorizationCenter(QObject *parent = nullptr);
    explicit NotificationAuthorizationCenter(Configuration configuration,
                                             QObject *parent = nullptr);
    ~NotificationAuthorizationCenter() override;
    Q_DISABLE_COPY_MOVE(NotificationAuthorizationCenter)

    // Authorized or provisional; ephemeral does not count here.
    static bool countsAsGranted(Status status);

    // The last status read; notDetermined until the first read.
    Status status() const { return m_status; }

    // One read of the probe.
    QFuture<void> refresh();
    // Asks, ignores the answer, re-reads and tells what the desktop holds.
    QFuture<Status> requestAndRefresh(Options options);
    QFuture<bool> requestGranted(Options options);
    // Asks once for all callers: a request while one runs joins it (its
    // options are then not used). A caller that waits `timeout` seconds
    // without an answer gets a fresh read instead, while the request goes on
    // and updates the status when the answer comes.
    QFuture<Status> request(Options options, double timeout);
    bool isRequestInFlight() const { return m_inFlightRequest && !m_inFlightRequest->isFinished(); }

    // Reads every 2 s and on each activation while at least one start is not
    // balanced by a stop; the first start also reads at once.
    void startPolling();
    void stopPolling();
    bool isPolling() const;

    // The desktop's notification settings; false (and logged) when this
    // desktop has none installed.
    bool openSystemSettings();

signals:
    void statusChanged(platform::NotificationAuthorizationStatus status);

private:
    void publish(Status status);
    void refreshWithRetry();

    Status m_status = Status::notDetermined;
    std::shared_ptr<NotificationAuthorizationProbing> m_probe;
    platform::DesktopSettings m_settings;
    double m_retryDelay;
    platform::TimerScheduler &m_scheduler;
    std::unique_ptr<AppActiveRefreshObserver> m_foregroundRefresher;
    // The last request; finished once the system answered and the status
    // was read again after it.
    std::optional<QFuture<Status>> m_inFlightRequest;
    std::unique_ptr<PermissionRefreshDriver> m_pollDriver;
};

} // namespace fennimar
