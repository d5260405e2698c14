#pragma once

#include <QFuture>
#include <QTest>

#include "FakeUserNotificationCenter.h"
#include "StoreFixture.h"
#include "app/NotificationManager.h"
#include "ui/TranslationLoader.h"

namespace testing {

// The store fixture, a notification centre the test answers (authorized),
// the application's manager over it, and the English texts.
struct NotificationFixture : StoreFixture {
    FakeUserNotificationCenter center;
    halvex::NotificationManager manager{center};
    bool soundEnabled = true;
    halvex::TranslationLoader texts;

    NotificationFixture()
    {
        center.status = platform::NotificationAuthorizationStatus::authorized;
        texts.load(QStringLiteral("en"));
    }

    std::function<QDateTime()> clock()
    {
        return [this] { return now; };
    }
    std::function<bool()> sound()
    {
        return [this] { return soundEnabled; };
    }

    std::shared_ptr<halvex::Streak> addStreak(const QString &name, const QDateTime &startedAt)
    {
        auto streak = StoreFixture::addStreak();
        streak->setName(name);
        streak->setStartedAt(startedAt);
        return streak;
    }

    const platform::NotificationRequest *pending(const QString &identifier) const
    {
        for (const auto &request : center.pending) {
            if (request.identifier == identifier)
                return &request;
        }
        return nullptr;
    }
    // Any request, as a stand-in for one planned earlier.
    void addStale(const QString &identifier)
    {
        center.pending << platform::NotificationRequest{
            identifier, QStringLiteral("stale"), {}, now.addDays(1), false};
    }
};

// Waits, bounded, for an asynchronous operation to end: its steps run from
// the event loop.
template <class T> [[nodiscard]] bool finishes(const QFuture<T> &future)
{
    return QTest::qWaitFor([&] { return future.isFinished(); }, 5000);
}

} // namespace testing
