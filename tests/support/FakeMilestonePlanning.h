#pragma once

#include <memory>
#include <vector>

#include <QFuture>

#include "engine/MilestonePlanning.h"
#include "model/Streak.h"

namespace testing {

// Remembers each streak it was asked to plan, with the notifications flag
// the streak had at that moment, and each cancellation.
class FakeMilestonePlanning final : public halvex::MilestonePlanning {
public:
    struct Call {
        std::shared_ptr<halvex::Streak> streak;
        bool notificationsEnabled = false;
    };

    QFuture<void> schedule(const std::shared_ptr<halvex::Streak> &streak) override
    {
        calls.push_back({streak, streak->notificationsEnabled()});
        return QtFuture::makeReadyFuture();
    }

    void cancelMilestones(const QUuid &streakId) override { cancelled.push_back(streakId); }

    std::vector<Call> calls;
    // Each streak whose milestones were cancelled, in order.
    std::vector<QUuid> cancelled;
};

} // namespace testing
