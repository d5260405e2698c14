#pragma once

#include <memory>

#include <QPromise>
#include <QStringList>

#include "platform/CalendarStore.h"

namespace testing {

// A calendar store a test answers by hand: reads give `status`, and `calls`
// records reads ("read") and resets ("reset") in order. A request waits
// until answerRequest().
class FakeCalendarStore final : public platform::CalendarStore {
public:
    using Status = platform::CalendarAuthorizationStatus;

    Status authorizationStatus() const override
    {
        calls << QStringLiteral("read");
        return status;
    }
    void reset() override { calls << QStringLiteral("reset"); }
    QFuture<bool> requestFullAccessToEvents() override
    {
        ++requests;
        m_request = std::make_shared<QPromise<bool>>();
        m_request->start();
        return m_request->future();
    }
    void answerRequest(bool granted, Status now)
    {
        status = now;
        m_request->addResult(granted);
        m_request->finish();
    }

    Status status = Status::notDetermined;
    mutable QStringList calls;
    int requests = 0;

private:
    std::shared_ptr<QPromise<bool>> m_request;
};

} // namespace testing
