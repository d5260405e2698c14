#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QUuid>

#include "engine/StreakEditBindings.h"
#include "engine/UsageSessionRecorder.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "platform/TimerScheduler.h"

namespace halvex {

class BypassController;
class DayClock;
class MilestonePlanning;
class ModelContext;
class PersistenceController;

// The one owner of the shared streak state: the list of streaks in sort
// order and the primary streak, day counts, the user's decisions on
// triggers, resets, deletions and the minute tick; its edit bindings are
// the edit screens' way in. Main thread only.
class StreakEngine final : public QObject, public StreakEditBindings {
    Q_OBJECT
    Q_PROPERTY(
        std::vector<std::shared_ptr<halvex::Streak>> streaks READ streaks NOTIFY streaksChanged)
    Q_PROPERTY(
        std::optional<QUuid> primaryStreakId READ primaryStreakId NOTIFY primaryStreakIdChanged)
public:
    using OpenAllowanceProvider = std::function<std::optional<OpenAllowance>()>;
    using StreakList = std::vector<std::shared_ptr<Streak>>;

    static constexpr double tickIntervalSeconds = 60.0;
    static constexpr qint64 secondsPerDay = 86400;

    // Without a bypass controller the engine builds its own over the same
    // store and clock, with the clock's time zone as calendar (which it
    // keeps following). Loads the streaks and starts the minute tick on
    // `scheduler`.
    StreakEngine(PersistenceController &persistence, const DayClock &dayClock,
                 BypassController *bypassController = nullptr,
                 platform::TimerScheduler &scheduler = platform::TimerScheduler::live(),
                 QObject *parent = nullptr);
    ~StreakEngine() override;
    Q_DISABLE_COPY_MOVE(StreakEngine)

    // Every stored streak by ascending sortOrder, as of the last reload.
    const StreakList &streaks() const { return m_streaks; }
    // The first streak of that list flagged primary.
    const std::optional<QUuid> &primaryStreakId() const { return m_primaryStreakId; }

    BypassController &bypassController() const { return *m_bypassController; }
    // The clock every day count and pause check reads.
    const DayClock &dayClock() const { return m_dayClock; }

    // Which allowance period is open right now; none by default.
    void setOpenAllowanceProvider(OpenAllowanceProvider provider);
    // Started (not awaited) after the notifications flag changes. Not owned.
    void setMilestonePlanning(MilestonePlanning *planning) { m_milestonePlanning = planning; }

    void reload();
    // Whole 24-hour periods since the streak started; 0 for a start ahead.
    qint64 days(const Streak &streak) const;
    // The end of the streak's pause while it still runs.
    std::optional<QDateTime> pausedUntilIfActive(const Streak &streak) const;
    // Seconds left of today's allowance (never below 0), none without an allowance.
    std::optional<double> allowanceRemainingSeconds(const Streak &streak) const;

    // Stores the user's decision, resends the event and carries the decision out.
    void recordOutcome(const std::shared_ptr<TriggerEvent> &event, TriggerOutcome outcome);
    // Breaks the streak into a tombstone and starts it again now.
    void resetStreak(const QUuid &id);
    // True when the streak was found, deleted and the deletion saved.
    bool deleteStreak(const QUuid &id);
    // Ends expired pauses and saves; the minute timer and the wake-up call it.
    void tick();

    // For the parts that publish on the engine's subjects.
    void sendTrigger(const std::shared_ptr<TriggerEvent> &event) { emit triggerSubject(event); }
    void sendRulesChanged(bool forgetLastFired) { emit rulesChangedSubject(forgetLastFired); }

signals:
    void streaksChanged();
    void primaryStreakIdChanged();
    // Sent before the published state or a streak changes (at every reload
    // and tick, and when the clock's time zone changes).
    void objectWillChange();
    // The clock's time zone changed: calendar days and hours reckoned
    // before are out of date. Followed by objectWillChange().
    void timeZoneChanged();

    // Trigger events, new (undecided) and decided.
    void triggerSubject(const std::shared_ptr<halvex::TriggerEvent> &event);
    // A streak just broken and restarted.
    void resetSubject(const std::shared_ptr<halvex::Streak> &streak);
    // The id of a streak just deleted.
    void deleteSubject(const QUuid &id);
    // A streak's matching rules changed; true also makes the trigger watcher
    // forget the target it last fired for.
    void rulesChangedSubject(bool forgetLastFired);

private:
    ModelContext &context() const;
    void startTicking();
    void followTimeZone();
    std::shared_ptr<Streak> fetchStreak(const QUuid &id) const;
    StreakList fetchAllStreaks() const;
    void primaryFallback(const QUuid &excludedId);
    static std::optional<QString> latestWhyAnswer(const Streak &streak);

    // The edit bindings' hooks.
    ModelContext &editContext() const override { return context(); }
    void reloadAfterEdit() override { reload(); }
    void planMilestonesAfterEdit(const std::shared_ptr<Streak> &streak) override;
    void announceRulesChanged(bool forgetLastFired) override
    {
        emit rulesChangedSubject(forgetLastFired);
    }

    PersistenceController &m_persistence;
    const DayClock &m_dayClock;
    std::unique_ptr<BypassController> m_ownedBypassController;
    BypassController *m_bypassController;
    platform::TimerScheduler &m_scheduler;
    std::shared_ptr<platform::ScheduledTimer> m_tickTimer;
    OpenAllowanceProvider m_openAllowanceProvider;
    MilestonePlanning *m_milestonePlanning = nullptr;

    StreakList m_streaks;
    std::optional<QUuid> m_primaryStreakId;
};

} // namespace halvex
