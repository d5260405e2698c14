#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QPromise>

#include "platform/UserNotificationCenter.h"

namespace testing {

// A notification centre a test answers by hand. Status reads answer at once
// with `status` unless `holdStatusReads` is set; a permission request waits
// until answerRequest(); the pending-request query answers at once unless
// `holdPendingQuery` is set. An add keeps the request at once (in place of
// one with its identifier) and answers at once unless `holdAdds` is set.
class FakeUserNotificationCenter final : public platform::UserNotificationCenter {
public:
    using Status = platform::NotificationAuthorizationStatus;

    QFuture<Status> authorizationStatus() override
    {
        ++statusReads;
        auto read = std::make_shared<QPromise<Status>>();
        read->start();
        if (holdStatusReads) {
            m_heldStatusReads.push_back(read);
        } else {
            read->addResult(status);
            read->finish();
        }
        return read->future();
    }
    // Answers every held status read with the status now.
    void answerStatusReads()
    {
        for (const auto &read : std::exchange(m_heldStatusReads, {})) {
            read->addResult(status);
            read->finish();
        }
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

    QFuture<Added> add(const platform::NotificationRequest &request) override
    {
        auto added = std::make_shared<QPromise<Added>>();
        added->start();
        if (failAdds) {
            added->addResult(platform::unexpected(platform::NotificationError::invalidRequest));
            added->finish();
            return added->future();
        }
        pending.removeIf([&](const auto &p) { return p.identifier == request.identifier; });
        pending << request;
        if (holdAdds) {
            m_heldAdds.push_back(added);
        } else {
            added->addResult(Added{});
            added->finish();
        }
        return added->future();
    }
    void answerAdds()
    {
        for (const auto &added : std::exchange(m_heldAdds, {})) {
            added->addResult(Added{});
            added->finish();
        }
    }
    void removePendingNotificationRequests(const QStringList &identifiers) override
    {
        removedIdentifiers << identifiers;
        pending.removeIf([&](const auto &p) { return identifiers.contains(p.identifier); });
    }
    void deliverDueRequests() override {}
    void setDelegate(platform::UserNotificationCenterDelegate *d) override { m_delegate = d; }
    platform::UserNotificationCenterDelegate *delegate() const override { return m_delegate; }

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
    bool holdStatusReads = false;
    int statusReads = 0;
    QList<platform::NotificationAuthorizationOptions> requestedOptions;
    QList<platform::NotificationRequest> pending;
    int removals = 0;
    int pendingQueries = 0;
    bool holdPendingQuery = false;
    bool holdAdds = false;
    bool failAdds = false;
    QStringList removedIdentifiers;

private:
    std::vector<std::shared_ptr<QPromise<Status>>> m_heldStatusReads;
    std::vector<std::shared_ptr<QPromise<Added>>> m_heldAdds;
    platform::UserNotificationCenterDelegate *m_delegate = nullptr;
    std::shared_ptr<QPromise<bool>> m_request;
    std::function<void(const QList<platform::NotificationRequest> &)> m_heldQuery;
};

} // namespace testing
