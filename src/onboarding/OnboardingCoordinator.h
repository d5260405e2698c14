#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QMap>
#include <QObject>
#include <QString>

#include "model/DayClock.h"
#include "model/Streak.h"
#include "onboarding/OnboardingPreset.h"
#include "onboarding/OnboardingStep.h"
#include "permissions/PermissionStatus.h"

namespace fennimar {
class LaunchAtLoginBackend;
}

namespace halvex {

class PermissionManager;
class PersistenceController;

// Per browser bundle identifier, what the permissions step found.
using AutomationResults = QMap<QString, PermissionStatus>;

// The model of the first-run wizard: the current step and every choice made
// along the way. The application shell builds it when the first launch is not
// completed and keeps it while the onboarding window is open; every screen
// observes it.
//
// Published values, each with a getter, a setter the screens call when the
// user commits a choice, and a change signal emitted only on a real change:
// step (read-only: moved by advance(), goBack() and finish()),
// selectedPreset, customDomain, customBundleId, customAppName, selectedMode,
// automationResults and launchAtLoginPending.
//
// Nothing is stored before finish() except the login item: leaving the
// preferences step forwards registers it when the switch is on. finish()
// writes the first streak and the settings record in one save, refreshes the
// permission snapshot, moves to `done`, then calls the finish handler. The
// shell treats whichever of stepChanged(done) and the handler comes first as
// completion. Main thread only.
class OnboardingCoordinator final : public QObject {
    Q_OBJECT
    Q_PROPERTY(halvex::OnboardingStep step READ step NOTIFY stepChanged)
    Q_PROPERTY(halvex::StrictnessMode selectedMode READ selectedMode WRITE setSelectedMode NOTIFY
                   selectedModeChanged)
    Q_PROPERTY(bool launchAtLoginPending READ launchAtLoginPending WRITE setLaunchAtLoginPending
                   NOTIFY launchAtLoginPendingChanged)

public:
    // Without a login-item backend nothing is registered; without a store
    // the registration writes no setting. Both, when given, must outlive the
    // coordinator. `clock` dates the first streak's start.
    explicit OnboardingCoordinator(fennimar::LaunchAtLoginBackend *loginItem = nullptr,
                                   PersistenceController *persistence = nullptr,
                                   DayClock::Clock clock = DayClock::systemClock(),
                                   QObject *parent = nullptr);
    ~OnboardingCoordinator() override;
    Q_DISABLE_COPY_MOVE(OnboardingCoordinator)

    OnboardingStep step() const { return m_step; }
    const std::optional<OnboardingPreset> &selectedPreset() const { return m_selectedPreset; }
    const std::optional<QString> &customDomain() const { return m_customDomain; }
    const std::optional<QString> &customBundleId() const { return m_customBundleId; }
    const std::optional<QString> &customAppName() const { return m_customAppName; }
    StrictnessMode selectedMode() const { return m_selectedMode; }
    const AutomationResults &automationResults() const { return m_automationResults; }
    bool launchAtLoginPending() const { return m_launchAtLoginPending; }

    void setSelectedPreset(const std::optional<OnboardingPreset> &preset);
    void setCustomDomain(const std::optional<QString> &domain);
    void setCustomBundleId(const std::optional<QString> &bundleId);
    void setCustomAppName(const std::optional<QString> &name);
    void setSelectedMode(StrictnessMode mode);
    void setAutomationResults(const AutomationResults &results);
    void setAutomationResult(const QString &bundleId, PermissionStatus status);
    void setLaunchAtLoginPending(bool pending);

    // Run by finish(), after the step has become `done`.
    void setOnFinish(std::function<void()> onFinish) { m_onFinish = std::move(onFinish); }

    // One step back; nothing at welcome.
    void goBack();
    // One step forward, up to permissions: `done` is reached through finish()
    // alone, so that completion always comes with the stored result. Leaving
    // preferences applies the login-item switch first.
    void advance();
    // Registers the login item when the switch is on and the item is neither
    // enabled nor awaiting approval, then stores whether it is now enabled. A
    // failed registration is logged.
    void applyLaunchAtLogin();

    // Stores the first streak (primary) and the settings record (first launch
    // completed, limited mode when any browser was denied, the primary
    // streak) in one save, refreshes the permission snapshot, moves to
    // `done` and runs the finish handler. A failed save is logged and the
    // wizard completes all the same. Once done, a further call does nothing.
    void finish(PersistenceController &persistence, PermissionManager &permissionManager);

    // The first streak as the choices make it, not inserted anywhere: the
    // preset; else the custom site (blanks trimmed); else the custom
    // application, named by its name unless that is blank, else by its
    // identifier; else an empty site streak "New streak".
    std::shared_ptr<Streak> makeFirstStreak() const;

signals:
    void stepChanged(halvex::OnboardingStep step);
    void selectedPresetChanged(const std::optional<halvex::OnboardingPreset> &preset);
    void customDomainChanged(const std::optional<QString> &domain);
    void customBundleIdChanged(const std::optional<QString> &bundleId);
    void customAppNameChanged(const std::optional<QString> &name);
    void selectedModeChanged(halvex::StrictnessMode mode);
    void automationResultsChanged(const halvex::AutomationResults &results);
    void launchAtLoginPendingChanged(bool pending);

private:
    void setStep(OnboardingStep step);

    fennimar::LaunchAtLoginBackend *m_loginItem;
    PersistenceController *m_persistence;
    DayClock::Clock m_clock;
    std::function<void()> m_onFinish;

    OnboardingStep m_step = OnboardingStep::welcome;
    std::optional<OnboardingPreset> m_selectedPreset;
    std::optional<QString> m_customDomain;
    std::optional<QString> m_customBundleId;
    std::optional<QString> m_customAppName;
    StrictnessMode m_selectedMode = StrictnessMode::firm;
    AutomationResults m_automationResults;
    bool m_launchAtLoginPending = true;
};

} // namespace halvex
