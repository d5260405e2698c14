#pragma once

#include <QStringList>

#include "platform/SystemSleep.h"

namespace testing {

// Logs what is asked of the system, in order, and lets a test announce
// sleep and wake; nothing reaches a client that has not subscribed.
class FakeSystemSleep final : public platform::SystemSleep {
public:
    bool subscribe() override { return log("subscribe"), subscribed = true; }
    void unsubscribe() override { log("unsubscribe"), subscribed = false; }
    void takeSleepDelay() override { log("take"), holdsDelay = true; }
    void releaseSleepDelay() override { log("release"), holdsDelay = false; }

    void announceSleep() { announce(true); }
    void announceWake() { announce(false); }

    bool subscribed = false;
    bool holdsDelay = false;
    QStringList calls;

private:
    void log(const char *call) { calls << QString::fromLatin1(call); }
    void announce(bool sleeping)
    {
        if (subscribed)
            emit prepareForSleep(sleeping);
    }
};

} // namespace testing
