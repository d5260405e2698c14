#pragma once

#include <functional>
#include <memory>

#include <QPromise>

#include "platform/UserNotificationCenter.h"

namespace testing {

// A notification centre a test answers by hand. Status reads answer at once
// with `status`; a permission request waits until answerRequest(); the
// pending-request query answers at once unless `holdPendingQuery` is set.
class FakeUserNotificationCenter final : public platform::UserNotificationCenter {
public:
    using Status = platform::NotificationAuthorizationStatus;

    QFuture<Status> authorizationStatus() override
    {
        ++statusReads;
        QPromise<Status> read;
        read.start();
        read.addResult(status);
        read.finish();
        return read.future();
    }
    QFuture<bool> requestAuthorization(platform::NotificationAuthorizationOptions options) override
    {
        requestedOptions << options;
        m_request = std::make_shared<QPromise<bool>>();
        m_request->start();
        return m_request->future();
    }
    // The user answers the newest request; the desktop then holds `now`.
    void answerRequest(bool granted, Status now)
    {
        status = now;
        m_request->addResult(granted);
        m_request->finish();
    }

    void removeAllPendingNotificationRequests() override
    {
        ++removals;
        pending.clear();
    }
    void getPendingNotificationRequests(
        std::function<void(const QList<platform::NotificationRequest> &)> completion) override
    {
        ++pendingQueries;
        if (holdPendingQuery)
            m_heldQuery = std::move(completion);
        else
            completion(pending);
    }
    void answerPendingQuery()
    {
        if (m_heldQuery)
            m_heldQuery(pending);
    }

    Status status = Status::notDetermined;
    int statusReads = 0;
    QList<platform::NotificationAuthorizationOptions> requestedOptions;
    QList<platform::NotificationRequest> pending;
    int removals = 0;
    int pendingQueries = 0;
    bool holdPendingQuery = false;

private:
    std::shared_ptr<QPromise<bool>> m_request;
    std::function<void(const QList<platform::NotificationRequest> &)> m_heldQuery;
};

} // namespace testing
