#pragma once

#include <memory>

#include <QFuture>
#include <QUuid>

namespace halvex {

class Streak;

// Plans a streak's milestone notifications anew from its current fields.
// The application shell implements it; the engine only starts it.
class MilestonePlanning {
public:
    virtual ~MilestonePlanning() = default;
    // Runs on the main thread; no error reaches the caller.
    virtual QFuture<void> schedule(const std::shared_ptr<Streak> &streak) = 0;
    // Removes the streak's pending milestone notifications at once.
    virtual void cancelMilestones(const QUuid &streakId) = 0;
};

} // namespace halvex
