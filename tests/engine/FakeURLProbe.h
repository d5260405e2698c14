#pragma once

#include <functional>
#include <vector>

#include <QFuture>
#include <QPromise>

#include "browsers/BrowserURLProbe.h"

namespace enginetest {

// A browser bridge whose URL read the test sets. With hold, reads stay
// unanswered until release(), as a slow script would.
class FakeURLProbe final : public halvex::BrowserURLProbe {
public:
    FakeURLProbe(QString bundleIdentifier, halvex::BrowserAccessKind access)
        : m_bundleIdentifier(std::move(bundleIdentifier))
        , m_access(access)
    {}

    QString bundleIdentifier() const override { return m_bundleIdentifier; }
    QString name() const override { return m_bundleIdentifier; }
    halvex::BrowserAccessKind accessKind() const override { return m_access; }
    fennimar::AutomationStatus automationStatus() override { return ownStatus; }

    QFuture<halvex::URLReadResult> fetchURL() override
    {
        ++fetches;
        if (onFetch)
            onFetch();
        if (!hold)
            return QtFuture::makeReadyFuture(answer);
        held.emplace_back();
        held.back().start();
        return held.back().future();
    }
    void release()
    {
        for (QPromise<halvex::URLReadResult> &promise : held) {
            promise.addResult(answer);
            promise.finish();
        }
        held.clear();
        hold = false;
    }

    QFuture<bool> goBack() override { return QtFuture::makeReadyFuture(false); }
    QFuture<bool> closeTab() override { return QtFuture::makeReadyFuture(false); }
    QFuture<fennimar::AutomationStatus> requestAccess() override
    {
        return QtFuture::makeReadyFuture(ownStatus);
    }

    halvex::URLReadResult answer = std::optional<QUrl>();
    fennimar::AutomationStatus ownStatus = fennimar::AutomationStatus::granted;
    bool hold = false;
    std::vector<QPromise<halvex::URLReadResult>> held;
    int fetches = 0;
    std::function<void()> onFetch;

private:
    QString m_bundleIdentifier;
    halvex::BrowserAccessKind m_access;
};

} // namespace enginetest
