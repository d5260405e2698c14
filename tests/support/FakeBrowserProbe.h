#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QFuture>
#include <QPromise>
#include <QStringList>

#include "browsers/BrowserURLProbe.h"

namespace testing {

// A browser bridge whose answers the test sets. Calls are logged in order.
// With hold, URL reads stay unanswered until release(), as a slow script
// would; with holdGoBack the step back waits until the test answers it, and
// with holdAccess the access request waits for answerAccess().
class FakeBrowserProbe final : public halvex::BrowserURLProbe {
public:
    explicit FakeBrowserProbe(QString bundleIdentifier, halvex::BrowserAccessKind access = {})
        : m_bundleIdentifier(std::move(bundleIdentifier))
        , m_access(access)
    {}

    QString bundleIdentifier() const override { return m_bundleIdentifier; }
    QString name() const override { return shownName.isEmpty() ? m_bundleIdentifier : shownName; }
    halvex::BrowserAccessKind accessKind() const override { return m_access; }
    fennimar::AutomationStatus automationStatus() override { return ownStatus; }
    QString installedIdentifier() const override { return installedId; }
    bool checkUnreadable() override
    {
        ++unreadableChecks;
        return unreadable;
    }
    std::optional<QString> unreadableReason() const override
    {
        // The bridges' own words, so that pictures show what the user reads.
        return unreadable ? std::optional(qtTrId("permissions.browser.restartToRead").arg(name()))
                          : std::nullopt;
    }
    QFuture<fennimar::AutomationStatus> requestAccess() override
    {
        calls << QStringLiteral("requestAccess");
        if (!holdAccess)
            return QtFuture::makeReadyFuture(ownStatus);
        heldAccess.emplace();
        heldAccess->start();
        return heldAccess->future();
    }
    void answerAccess(fennimar::AutomationStatus status)
    {
        ownStatus = status;
        heldAccess->addResult(status);
        heldAccess->finish();
    }

    QFuture<halvex::URLReadResult> fetchURL() override
    {
        calls << QStringLiteral("fetchURL");
        ++fetches;
        if (onFetch)
            onFetch();
        if (!hold && !answers.isEmpty())
            return QtFuture::makeReadyFuture(answers.takeFirst());
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

    halvex::URLReadResult answer = std::optional<QUrl>();
    // Answers for the next reads, in order; `answer` once they are used up.
    QList<halvex::URLReadResult> answers;
    fennimar::AutomationStatus ownStatus = fennimar::AutomationStatus::granted;
    bool hold = false;
    std::vector<QPromise<halvex::URLReadResult>> held;
    int fetches = 0;
    std::function<void()> onFetch;

    bool goBackSucceeds = true;
    bool closeTabSucceeds = true;
    bool holdGoBack = false;
    std::optional<QPromise<bool>> heldGoBack;
    bool holdAccess = false;
    std::optional<QPromise<fennimar::AutomationStatus>> heldAccess;
    QStringList calls;
    // The name the bridge gives its browser; its identifier while empty.
    QString shownName;
    // The installed browser's desktop-file id.
    QString installedId;
    // Runs but cannot be read (the reason names it); looks counted.
    bool unreadable = false;
    int unreadableChecks = 0;

private:
    QString m_bundleIdentifier;
    halvex::BrowserAccessKind m_access;
};

} // namespace testing
