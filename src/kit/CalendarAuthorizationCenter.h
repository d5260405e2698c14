#pragma once

#include <memory>
#include <optional>

#include <QFuture>
#include <QObject>

#include "kit/CalendarAuthorizationProbing.h"
#include "platform/TimerScheduler.h"

namespace fennimar {

class AppActiveRefreshObserver;
class PermissionRefreshDriver;

// Publishes and asks for full access to calendar events, as the notification
// authorization centre does for notifications. Reads are synchronous here,
// and a determined status is re-read only after the store has been reset.
// Main thread only.
class CalendarAuthorizationCenter final : public QObject {
    Q_OBJECT
public:
    using Status = platform::CalendarAuthorizationStatus;

    static constexpr double pollInterval = 2.0;
    static constexpr double standardRetryDelay = 0.4;

    struct Configuration {
        // The system's calendar store when empty.
        std::shared_ptr<CalendarAuthorizationProbing> probe;
        double retryDelay = standardRetryDelay;
        bool refreshOnForeground = true;
        bool refreshNow = true;
        // The event loop's when empty.
        platform::TimerScheduler *scheduler = nullptr;
    };

    explicit CalendarAuthorizationCenter(QObject *parent = nullptr);
    explicit CalendarAuthorizationCenter(Configuration configuration, QObject *parent = nullptr);
    ~CalendarAuthorizationCenter() override;
    Q_DISABLE_COPY_MOVE(CalendarAuthorizationCenter)

    // Only full access counts; write-only access does not.
    static bool countsAsGranted(Status status) { return status == Status::fullAccess; }

    Status status() const { return m_status; }

    // Resets the store unless nothing is determined yet, then reads.
    void refresh();
    // Asks, resets the store whatever the answer, reads and tells the status.
    QFuture<Status> requestAndRefresh();
    // Asks once for all callers; after `timeout` seconds without an answer a
    // caller gets the status read then, while the request goes on.
    QFuture<Status> request(double timeout);
    bool isRequestInFlight() const { return m_inFlightRequest && !m_inFlightRequest->isFinished(); }

    void startPolling();
    void stopPolling();
    bool isPolling() const;

    // This desktop has no page for calendar permissions: logs and answers false.
    bool openSystemSettings();

signals:
    void statusChanged(platform::CalendarAuthorizationStatus status);

private:
    void readStatus();
    void refreshWithRetry();

    Status m_status = Status::notDetermined;
    std::shared_ptr<CalendarAuthorizationProbing> m_probe;
    double m_retryDelay;
    platform::TimerScheduler &m_scheduler;
    std::unique_ptr<AppActiveRefreshObserver> m_foregroundRefresher;
    // The last request; finished once the system answered and the status
    // was read again after it.
    std::optional<QFuture<Status>> m_inFlightRequest;
    std::unique_ptr<PermissionRefreshDriver> m_pollDriver;
};

} // namespace fennimar
