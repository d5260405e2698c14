#pragma once

#include <optional>

#include <QFuture>
#include <QPromise>
#include <QStringList>

#include "browsers/BrowserURLProbe.h"

namespace frictiontest {

// A browser bridge whose answers the test sets. Calls are logged in order;
// with holdGoBack the step back stays unanswered until the test answers it.
class FakeBrowserProbe final : public halvex::BrowserURLProbe {
public:
    explicit FakeBrowserProbe(QString bundleIdentifier)
        : m_bundleIdentifier(std::move(bundleIdentifier))
    {}

    QString bundleIdentifier() const override { return m_bundleIdentifier; }
    QString name() const override { return m_bundleIdentifier; }
    halvex::BrowserAccessKind accessKind() const override { return {}; }
    fennimar::AutomationStatus automationStatus() override { return {}; }
    QFuture<fennimar::AutomationStatus> requestAccess() override
    {
        return QtFuture::makeReadyFuture(fennimar::AutomationStatus{});
    }

    QFuture<halvex::URLReadResult> fetchURL() override
    {
        calls << QStringLiteral("fetchURL");
        return QtFuture::makeReadyFuture(urlRead);
    }
    QFuture<bool> goBack() override
    {
        calls << QStringLiteral("goBack");
        if (!holdGoBack)
            return QtFuture::makeReadyFuture(goBackSucceeds);
        heldGoBack.emplace();
        heldGoBack->start();
        return heldGoBack->future();
    }
    QFuture<bool> closeTab() override
    {
        calls << QStringLiteral("closeTab");
        return QtFuture::makeReadyFuture(closeTabSucceeds);
    }

    bool goBackSucceeds = true;
    bool closeTabSucceeds = true;
    bool holdGoBack = false;
    halvex::URLReadResult urlRead = std::optional<QUrl>();
    std::optional<QPromise<bool>> heldGoBack;
    QStringList calls;

private:
    QString m_bundleIdentifier;
};

} // namespace frictiontest
