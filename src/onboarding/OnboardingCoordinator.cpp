#include "onboarding/OnboardingCoordinator.h"

#include <algorithm>

#include "engine/TrimmedBlanks.h"
#include "kit/LaunchAtLoginBackend.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "permissions/PermissionManager.h"
#include "platform/Log.h"

namespace halvex {

namespace {

template <class T, class Signal>
void assign(OnboardingCoordinator *owner, T &field, const T &value, Signal changed)
{
    if (field == value)
        return;
    field = value;
    emit(owner->*changed)(field);
}

} // namespace

OnboardingCoordinator::OnboardingCoordinator(fennimar::LaunchAtLoginBackend *loginItem,
                                             PersistenceController *persistence,
                                             DayClock::Clock clock, QObject *parent)
    : QObject(parent)
    , m_loginItem(loginItem)
    , m_persistence(persistence)
    , m_clock(std::move(clock))
{}

OnboardingCoordinator::~OnboardingCoordinator() = default;

void OnboardingCoordinator::setSelectedPreset(const std::optional<OnboardingPreset> &preset)
{
    assign(this, m_selectedPreset, preset, &OnboardingCoordinator::selectedPresetChanged);
}

void OnboardingCoordinator::setCustomDomain(const std::optional<QString> &domain)
{
    assign(this, m_customDomain, domain, &OnboardingCoordinator::customDomainChanged);
}

void OnboardingCoordinator::setCustomBundleId(const std::optional<QString> &bundleId)
{
    assign(this, m_customBundleId, bundleId, &OnboardingCoordinator::customBundleIdChanged);
}

void OnboardingCoordinator::setCustomAppName(const std::optional<QString> &name)
{
    assign(this, m_customAppName, name, &OnboardingCoordinator::customAppNameChanged);
}

void OnboardingCoordinator::setSelectedMode(StrictnessMode mode)
{
    assign(this, m_selectedMode, mode, &OnboardingCoordinator::selectedModeChanged);
}

void OnboardingCoordinator::setAutomationResults(const AutomationResults &results)
{
    assign(this, m_automationResults, results, &OnboardingCoordinator::automationResultsChanged);
}

void OnboardingCoordinator::setAutomationResult(const QString &bundleId, PermissionStatus status)
{
    AutomationResults results = m_automationResults;
    results.insert(bundleId, status);
    setAutomationResults(results);
}

void OnboardingCoordinator::setLaunchAtLoginPending(bool pending)
{
    assign(this, m_launchAtLoginPending, pending,
           &OnboardingCoordinator::launchAtLoginPendingChanged);
}

void OnboardingCoordinator::setStep(OnboardingStep step)
{
    assign(this, m_step, step, &OnboardingCoordinator::stepChanged);
}

void OnboardingCoordinator::goBack()
{
    if (m_step == OnboardingStep::welcome)
        return;
    setStep(*onboardingStepFromRaw(raw(m_step) - 1));
}

void OnboardingCoordinator::advance()
{
    if (m_step == OnboardingStep::permissions || m_step == OnboardingStep::done)
        return;
    const OnboardingStep next = *onboardingStepFromRaw(raw(m_step) + 1);
    if (m_step == OnboardingStep::preferences)
        applyLaunchAtLogin();
    setStep(next);
}

void OnboardingCoordinator::applyLaunchAtLogin()
{
    if (!m_launchAtLoginPending || !m_loginItem)
        return;
    // Already on, or waiting for the user's approval: asking again changes nothing.
    if (m_loginItem->isRequested())
        return;
    if (const auto registered = m_loginItem->setEnabled(true); !registered) {
        platform::log::onboarding().error("Failed to register the login item: %s",
                                          {registered.error().errorDescription()});
    }
    if (!m_persistence)
        return;
    ModelContext &context = m_persistence->mainContext();
    AppSettings::fetchOrCreate(context)->setLoginItemEnabled(m_loginItem->isEnabled());
    // A failed save is dropped: the login item itself stands either way.
    (void)context.save();
}

std::shared_ptr<Streak> OnboardingCoordinator::makeFirstStreak() const
{
    QString name;
    StreakType type = StreakType::site;
    QStringList domainList;
    QStringList bundleIds;
    const QString customSite = trimmedBlanks(m_customDomain.value_or(QString()));
    if (m_selectedPreset) {
        name = title(*m_selectedPreset);
        domainList = domains(*m_selectedPreset);
    } else if (!customSite.isEmpty()) {
        name = customSite;
        domainList = {customSite};
    } else if (m_customBundleId && !m_customBundleId->isEmpty()) {
        type = StreakType::app;
        // A blank name is no name: the streak would show as nothing at all.
        const bool named = m_customAppName && !trimmedBlanks(*m_customAppName).isEmpty();
        name = named ? *m_customAppName : *m_customBundleId;
        bundleIds = {*m_customBundleId};
    } else {
        //% "New streak"
        name = qtTrId("onboarding.firstStreak.defaultName");
    }
    return std::make_shared<Streak>(QUuid::createUuid(), name, type, m_selectedMode, domainList,
                                    QStringList(), bundleIds, m_clock());
}

void OnboardingCoordinator::finish(PersistenceController &persistence,
                                   PermissionManager &permissionManager)
{
    // A second press would store a second primary streak.
    if (m_step == OnboardingStep::done)
        return;
    ModelContext &context = persistence.mainContext();
    const auto settings = AppSettings::fetchOrCreate(context);
    const auto streak = makeFirstStreak();
    streak->setIsPrimary(true);
    context.insert(streak);
    const bool limited =
        std::any_of(m_automationResults.cbegin(), m_automationResults.cend(),
                    [](PermissionStatus status) { return status == PermissionStatus::denied; });
    settings->setFirstLaunchCompleted(true);
    settings->setLimitedMode(limited);
    settings->setPrimaryStreakId(streak->id());
    if (const auto saved = context.save(); !saved) {
        platform::log::onboarding().error("Failed to persist onboarding state: %s",
                                          {saved.error().localizedDescription()});
    }
    permissionManager.refresh();
    setStep(OnboardingStep::done);
    if (m_onFinish)
        m_onFinish();
}

} // namespace halvex
