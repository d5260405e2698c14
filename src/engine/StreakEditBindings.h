#pragma once

#include <functional>
#include <memory>

#include <QStringList>

#include "model/Streak.h"

namespace halvex {

class ModelContext;

// The edit bindings the streak edit screens read and write a stored
// streak's fields through: a getter and a setter per editable field. Getters
// read the placeholder's value for a streak deleted meanwhile; setters leave
// such a streak alone. Setters stamp updatedAt and save, dropping a failed
// save, then run the field's extra effects through the hooks below, which
// the streak engine implements (the bindings are part of its interface).
class StreakEditBindings {
public:
    static std::shared_ptr<Streak> placeholderStreak();

    // Renames as given (callers trim and skip blank names), then the list
    // reloads and the milestones, which carry the name, are planned again.
    void setName(const std::shared_ptr<Streak> &streak, const QString &value);
    static StrictnessMode modeBindingGet(const std::shared_ptr<Streak> &streak);
    void setMode(const std::shared_ptr<Streak> &streak, StrictnessMode value);
    static bool notificationsEnabledBindingGet(const std::shared_ptr<Streak> &streak);
    void setNotificationsEnabled(const std::shared_ptr<Streak> &streak, bool value);
    static QStringList domainsBindingGet(const std::shared_ptr<Streak> &streak);
    void domainsBindingSet(const std::shared_ptr<Streak> &streak, const QStringList &value);
    static QStringList bundleIdentifiersBindingGet(const std::shared_ptr<Streak> &streak);
    void bundleIdentifiersBindingSet(const std::shared_ptr<Streak> &streak,
                                     const QStringList &value);
    static bool activeWindowEnabledBindingGet(const std::shared_ptr<Streak> &streak);
    void activeWindowEnabledBindingSet(const std::shared_ptr<Streak> &streak, bool value);
    static int activeWindowStartMinutesBindingGet(const std::shared_ptr<Streak> &streak);
    void activeWindowStartMinutesBindingSet(const std::shared_ptr<Streak> &streak, int value);
    static int activeWindowEndMinutesBindingGet(const std::shared_ptr<Streak> &streak);
    void activeWindowEndMinutesBindingSet(const std::shared_ptr<Streak> &streak, int value);
    static int activeWeekdaysMaskBindingGet(const std::shared_ptr<Streak> &streak);
    void activeWeekdaysMaskBindingSet(const std::shared_ptr<Streak> &streak, int value);
    static bool allowDailyFreePassBindingGet(const std::shared_ptr<Streak> &streak);
    void allowDailyFreePassBindingSet(const std::shared_ptr<Streak> &streak, bool value);
    static bool allowExternalLinkBypassBindingGet(const std::shared_ptr<Streak> &streak);
    void allowExternalLinkBypassBindingSet(const std::shared_ptr<Streak> &streak, bool value);
    static bool allowanceEnabledBindingGet(const std::shared_ptr<Streak> &streak);
    void setAllowanceEnabled(const std::shared_ptr<Streak> &streak, bool value);
    static int allowanceMinutesBindingGet(const std::shared_ptr<Streak> &streak);
    void setAllowanceMinutes(const std::shared_ptr<Streak> &streak, int value);

protected:
    StreakEditBindings() = default;
    virtual ~StreakEditBindings() = default;
    StreakEditBindings(const StreakEditBindings &) = delete;
    StreakEditBindings &operator=(const StreakEditBindings &) = delete;

    // The context the edited streaks live in.
    virtual ModelContext &editContext() const = 0;
    // The published list and primary follow an edit of mode, notifications or allowance.
    virtual void reloadAfterEdit() = 0;
    // Plans the streak's milestones once the setter has returned; nobody waits.
    virtual void planMilestonesAfterEdit(const std::shared_ptr<Streak> &streak) = 0;
    virtual void announceRulesChanged(bool forgetLastFired) = 0;

private:
    // Writes an edit unless the streak was deleted meanwhile, stamps
    // updatedAt and saves; returns whether it wrote.
    bool applyEdit(const std::shared_ptr<Streak> &streak,
                   const std::function<void(Streak &)> &write);
};

} // namespace halvex
