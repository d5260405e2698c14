#pragma once

#include <QObject>

namespace halvex {

// The process-wide in-process notifications: one signal per notification,
// all on one shared object that lives for the whole run. Emitted and
// received on the main thread.
class NotificationHub final : public QObject {
    Q_OBJECT
public:
    static NotificationHub &shared();
    Q_DISABLE_COPY_MOVE(NotificationHub)

    // The identifiers of the notifications where a name is needed.
    static constexpr const char *usageDidCommitSessionName = "halvex.usage.didCommitSession";
    static constexpr const char *onboardingCompletedName =
        "com.fennimar.halvex.onboarding.completed";
    static constexpr const char *onboardingResetName = "com.fennimar.halvex.onboarding.reset";

signals:
    // New usage rows were saved.
    void didCommitSession();
    // The first-run onboarding finished and stored its result.
    void onboardingCompleted();
    // The first launch is to be done again; nothing in the program sends it yet.
    void onboardingReset();

private:
    NotificationHub() = default;
};

} // namespace halvex
