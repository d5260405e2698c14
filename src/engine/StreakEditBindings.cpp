// The edit bindings of StreakEngine: the streak edit screens read and write
// a stored streak's fields through these.

#include "engine/StreakEngine.h"

#include <functional>
#include <type_traits>

#include "engine/MilestonePlanning.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"

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
        const auto placeholder = StreakEngine::placeholderStreak();
        return std::invoke(get, *placeholder);
    }
    return std::invoke(get, *streak);
}

} // namespace

std::shared_ptr<Streak> StreakEngine::placeholderStreak()
{
    return std::make_shared<Streak>(QUuid::createUuid(), QString(), StreakType::site,
                                    StrictnessMode::firm, QStringList(), QStringList(),
                                    QStringList(), QDateTime::currentDateTimeUtc());
}

bool StreakEngine::applyEdit(const std::shared_ptr<Streak> &streak,
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
    (void)context().save();
    return true;
}

StrictnessMode StreakEngine::modeBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::mode);
}

void StreakEngine::setMode(const std::shared_ptr<Streak> &streak, StrictnessMode value)
{
    if (applyEdit(streak, [&](Streak &s) { s.setModeRaw(raw(value)); }))
        reload();
}

bool StreakEngine::notificationsEnabledBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::notificationsEnabled);
}

void StreakEngine::setNotificationsEnabled(const std::shared_ptr<Streak> &streak, bool value)
{
    if (!applyEdit(streak, [&](Streak &s) { s.setNotificationsEnabled(value); }))
        return;
    reload();
    // Planned after the setter has returned; nobody waits for it.
    QMetaObject::invokeMethod(
        this,
        [this, streak] {
            if (m_milestonePlanning)
                m_milestonePlanning->schedule(streak);
        },
        Qt::QueuedConnection);
}

QStringList StreakEngine::domainsBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::domains);
}

void StreakEngine::domainsBindingSet(const std::shared_ptr<Streak> &streak,
                                     const QStringList &value)
{
    applyEdit(streak, [&](Streak &s) { s.setDomains(value); });
}

QStringList StreakEngine::bundleIdentifiersBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::bundleIdentifiers);
}

void StreakEngine::bundleIdentifiersBindingSet(const std::shared_ptr<Streak> &streak,
                                               const QStringList &value)
{
    applyEdit(streak, [&](Streak &s) { s.setBundleIdentifiers(value); });
}

bool StreakEngine::activeWindowEnabledBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::activeWindowEnabled);
}

void StreakEngine::activeWindowEnabledBindingSet(const std::shared_ptr<Streak> &streak, bool value)
{
    applyEdit(streak, [&](Streak &s) { s.setActiveWindowEnabled(value); });
}

int StreakEngine::activeWindowStartMinutesBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::activeWindowStartMinutes);
}

void StreakEngine::activeWindowStartMinutesBindingSet(const std::shared_ptr<Streak> &streak,
                                                      int value)
{
    applyEdit(streak, [&](Streak &s) { s.setActiveWindowStartMinutes(value); });
}

int StreakEngine::activeWindowEndMinutesBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::activeWindowEndMinutes);
}

void StreakEngine::activeWindowEndMinutesBindingSet(const std::shared_ptr<Streak> &streak,
                                                    int value)
{
    applyEdit(streak, [&](Streak &s) { s.setActiveWindowEndMinutes(value); });
}

int StreakEngine::activeWeekdaysMaskBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::activeWeekdaysMask);
}

void StreakEngine::activeWeekdaysMaskBindingSet(const std::shared_ptr<Streak> &streak, int value)
{
    applyEdit(streak, [&](Streak &s) { s.setActiveWeekdaysMask(value); });
}

bool StreakEngine::allowDailyFreePassBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::allowDailyFreePass);
}

void StreakEngine::allowDailyFreePassBindingSet(const std::shared_ptr<Streak> &streak, bool value)
{
    applyEdit(streak, [&](Streak &s) { s.setAllowDailyFreePass(value); });
}

bool StreakEngine::allowExternalLinkBypassBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::allowExternalLinkBypass);
}

void StreakEngine::allowExternalLinkBypassBindingSet(const std::shared_ptr<Streak> &streak,
                                                     bool value)
{
    applyEdit(streak, [&](Streak &s) { s.setAllowExternalLinkBypass(value); });
}

bool StreakEngine::allowanceEnabledBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::allowanceEnabled);
}

void StreakEngine::setAllowanceEnabled(const std::shared_ptr<Streak> &streak, bool value)
{
    if (!applyEdit(streak, [&](Streak &s) { s.setAllowanceEnabled(value); }))
        return;
    reload();
    // The allowance changes who fires, not what fired last.
    emit rulesChangedSubject(false);
}

int StreakEngine::allowanceMinutesBindingGet(const std::shared_ptr<Streak> &streak)
{
    return readField(streak, &Streak::allowanceMinutes);
}

void StreakEngine::setAllowanceMinutes(const std::shared_ptr<Streak> &streak, int value)
{
    if (!applyEdit(streak, [&](Streak &s) { s.setAllowanceMinutes(value); }))
        return;
    reload();
    emit rulesChangedSubject(false);
}

} // namespace halvex
