#include "engine/StreakEditBindings.h"

#include <type_traits>

#include "model/ModelContext.h"

namespace halvex {

namespace {

// Deleted by another window while an edit screen still shows it.
bool isGone(const std::shared_ptr<Streak> &streak)
{
    return !streak || streak->isDeleted() || !streak->modelContext();
}

template <class Get>
auto readField(const std::shared_ptr<Streak> &streak, Get get)
    -> std::decay_t<std::invoke_result_t<Get, const Streak &>>
{
    if (isGone(streak)) {
        const auto placeholder = StreakEditBindings::placeholderStreak();
        return std::invoke(get, *placeholder);
    }
    return std::invoke(get, *streak);
}

} // namespace

std::shared_ptr<Streak> StreakEditBindings::placeholderStreak()
{
    return std::make_shared<Streak>(QUuid::createUuid(), QString(), StreakType::site,
                                    StrictnessMode::firm, QStringList(), QStringList(),
                                    QStringList(), QDateTime::currentDateTimeUtc());
}

bool StreakEditBindings::applyEdit(const std::shared_ptr<Streak> &streak,
                                   const std::function<void(Streak &)> &write)
{
    // Writing into a deleted record would show a value nothing stores, and
    // saving could commit a deletion still pending in the context.
    if (isGone(streak))
        return false;
    write(*streak);
    // Edits are stamped by the system clock, not the day clock.
    streak->setUpdatedAt(QDateTime::currentDateTimeUtc());
    // A failed save is dropped: the value stays in memory for the next save.
    (void)editContext().save();
    return true;
}

void StreakEditBindings::setName(const std::shared_ptr<Streak> &streak, const QString &value)
{
    if (!applyEdit(streak, [&](Streak &s) { s.setName(value); }))
        return;
    reloadAfterEdit();
    planMilestonesAfterEdit(streak);
}

StrictnessMode StreakEditBindings::modeBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::mode);
}

void StreakEditBindings::setMode(const std::shared_ptr<Streak> &streak, StrictnessMode value)
{
    if (applyEdit(streak, [&](Streak &s) { s.setModeRaw(raw(value)); }))
        reloadAfterEdit();
}

bool StreakEditBindings::notificationsEnabledBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::notificationsEnabled);
}

void StreakEditBindings::setNotificationsEnabled(const std::shared_ptr<Streak> &streak, bool value)
{
    if (!applyEdit(streak, [&](Streak &s) { s.setNotificationsEnabled(value); }))
        return;
    reloadAfterEdit();
    planMilestonesAfterEdit(streak);
}

QStringList StreakEditBindings::domainsBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::domains);
}

void StreakEditBindings::domainsBindingSet(const std::shared_ptr<Streak> &streak,
                                           const QStringList &value)
{
    applyEdit(streak, [&](Streak &s) { s.setDomains(value); });
}

QStringList StreakEditBindings::bundleIdentifiersBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::bundleIdentifiers);
}

void StreakEditBindings::bundleIdentifiersBindingSet(const std::shared_ptr<Streak> &streak,
                                                     const QStringList &value)
{
    applyEdit(streak, [&](Streak &s) { s.setBundleIdentifiers(value); });
}

bool StreakEditBindings::activeWindowEnabledBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::activeWindowEnabled);
}

void StreakEditBindings::activeWindowEnabledBindingSet(const std::shared_ptr<Streak> &streak,
                                                       bool value)
{
    applyEdit(streak, [&](Streak &s) { s.setActiveWindowEnabled(value); });
}

int StreakEditBindings::activeWindowStartMinutesBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::activeWindowStartMinutes);
}

void StreakEditBindings::activeWindowStartMinutesBindingSet(const std::shared_ptr<Streak> &streak,
                                                            int value)
{
    applyEdit(streak, [&](Streak &s) { s.setActiveWindowStartMinutes(value); });
}

int StreakEditBindings::activeWindowEndMinutesBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::activeWindowEndMinutes);
}

void StreakEditBindings::activeWindowEndMinutesBindingSet(const std::shared_ptr<Streak> &streak,
                                                          int value)
{
    applyEdit(streak, [&](Streak &s) { s.setActiveWindowEndMinutes(value); });
}

int StreakEditBindings::activeWeekdaysMaskBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::activeWeekdaysMask);
}

void StreakEditBindings::activeWeekdaysMaskBindingSet(const std::shared_ptr<Streak> &streak,
                                                      int value)
{
    applyEdit(streak, [&](Streak &s) { s.setActiveWeekdaysMask(value); });
}

bool StreakEditBindings::allowDailyFreePassBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::allowDailyFreePass);
}

void StreakEditBindings::allowDailyFreePassBindingSet(const std::shared_ptr<Streak> &streak,
                                                      bool value)
{
    applyEdit(streak, [&](Streak &s) { s.setAllowDailyFreePass(value); });
}

bool StreakEditBindings::allowExternalLinkBypassBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::allowExternalLinkBypass);
}

void StreakEditBindings::allowExternalLinkBypassBindingSet(const std::shared_ptr<Streak> &streak,
                                                           bool value)
{
    applyEdit(streak, [&](Streak &s) { s.setAllowExternalLinkBypass(value); });
}

bool StreakEditBindings::allowanceEnabledBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::allowanceEnabled);
}

void StreakEditBindings::setAllowanceEnabled(const std::shared_ptr<Streak> &streak, bool value)
{
    if (!applyEdit(streak, [&](Streak &s) { s.setAllowanceEnabled(value); }))
        return;
    reloadAfterEdit();
    // The allowance changes who fires, not what fired last.
    announceRulesChanged(false);
}

int StreakEditBindings::allowanceMinutesBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::allowanceMinutes);
}

void StreakEditBindings::setAllowanceMinutes(const std::shared_ptr<Streak> &streak, int value)
{
    if (!applyEdit(streak, [&](Streak &s) { s.setAllowanceMinutes(value); }))
        return;
    reloadAfterEdit();
    announceRulesChanged(false);
}

} // namespace halvex
