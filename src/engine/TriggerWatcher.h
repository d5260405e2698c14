#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimeZone>
#include <QUrl>
#include <QUuid>

#include "browsers/BrowserURLProbe.h"
#include "engine/BrowserPermissions.h"
#include "engine/FrontBrowserPoller.h"
#include "kit/AutomationStatus.h"
#include "model/TriggerEvent.h"
#include "platform/RunningApplications.h"
#include "platform/TimerScheduler.h"
#include "platform/Workspace.h"

namespace fennimar {
class AutomationGrantMemory;
class AutomationProbe;
} // namespace fennimar

namespace platform {
class Workspace;
}

namespace halvex {

class AllowanceGate;
class FrontmostDetecting;
class PersistenceController;
class Streak;
class StreakEngine;
class UsageSessionRecorder;

// Turns "a blocked application or page came to the front" into a saved
// trigger event sent on the engine's trigger subject. The application road
// matches the front application against application streaks; for a probed
// browser the browser road reads the front tab's URL right after the switch
// and every two seconds while the browser stays in front, and matches it
// against site streaks. Each road fires once per target until it is re-armed.
// A streak that comes to apply while its target stays in front (a pause ends,
// active hours begin) has the target looked at again at that moment.
// The browser road's timing is a FrontBrowserPoller's, its refusals are kept
// by BrowserPermissions. Main thread only.
class TriggerWatcher final : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    using AutomationStatusFunction = std::function<fennimar::AutomationStatus(const QString &)>;

    static constexpr double pollIntervalSeconds = FrontBrowserPoller::pollIntervalSeconds;
    // Of a quick run of switches only the browser that stays is probed.
    static constexpr double activationDebounceSeconds =
        FrontBrowserPoller::activationDebounceSeconds;
    // A debounced activation and the poll tick behind it cost one probe.
    static constexpr double probeReuseSeconds = FrontBrowserPoller::probeReuseSeconds;
    // A browser that comes up this soon after another application looks
    // like a link opened from that application.
    static constexpr double externalLinkSeconds = FrontBrowserPoller::externalLinkSeconds;

    struct Services {
        FrontmostDetecting &frontmostDetector;
        // Whose front application a re-evaluation reads.
        const platform::Workspace &workspace;
        BrowserProbeTable probes;
        StreakEngine &streakEngine;
        PersistenceController &persistence;
        UsageSessionRecorder &usageRecorder;
        // A browser's automation permission, found without asking.
        AutomationStatusFunction automationStatus;
        // Every "now" of the watcher: active windows, pauses, stamps, the
        // probe cache and the external-link window.
        Clock clock;
        QTimeZone calendar;
        platform::TimerScheduler &scheduler;
        // This application's own identifier: switches to and from it (the
        // friction panel, the popover) neither evaluate nor re-arm.
        std::optional<QString> ownBundleIdentifier;
    };

    explicit TriggerWatcher(Services services, QObject *parent = nullptr);
    ~TriggerWatcher() override;
    Q_DISABLE_COPY_MOVE(TriggerWatcher)

    // The automation status the application uses: the probe without asking,
    // over the shared grant memory. Both must outlive the function.
    static AutomationStatusFunction liveAutomationStatus(const fennimar::AutomationProbe &probe,
                                                         fennimar::AutomationGrantMemory &memory);

    // Loads the denied browsers, subscribes to the detector and the engine,
    // arms the look at the next moment a streak may come to apply, and
    // starts the detector. Does nothing while started.
    void start();
    // Ends every subscription, the browser poll, a pending activation, the
    // allowance timer and the next look, and stops the detector. What the
    // watcher remembers (last fired targets, denied browsers, cached probes)
    // is kept.
    void stop();
    bool isStarted() const { return m_started; }

    // Evaluates whatever is in front again: a poll tick while a browser is
    // polled, else the application road for the workspace's front application.
    void reevaluateCurrent();

    // The system's zone changed: active windows and today's allowance are
    // reckoned in `calendar` from now on.
    void setCalendar(const QTimeZone &calendar);

    // One browser poll tick; the poll timer calls it.
    void pollFrontBrowser();

    // What the watcher remembers, for the shell and for diagnosis.
    const std::set<QString> &deniedBrowsers() const { return m_permissions.denied(); }
    const std::set<QString> &undecidedBrowsers() const { return m_permissions.undecided(); }
    const std::optional<QString> &lastFiredBundleId() const { return m_lastFiredBundleId; }
    const std::optional<QString> &lastFiredHost() const { return m_lastFiredHost; }
    const std::optional<QString> &openedAnywayHost() const { return m_openedAnywayHost; }
    bool isBrowserPollingActive() const { return m_browserPoller.isPolling(); }
    const std::optional<platform::RunningApplication> &polledBrowserApp() const
    {
        return m_browserPoller.polledApp();
    }

private:
    QDateTime now() const { return m_services.clock(); }
    bool isOwn(const std::optional<QString> &bundleId) const
    {
        return bundleId == m_services.ownBundleIdentifier;
    }
    AllowanceGate &allowanceGate();
    // Runs `handler` later on the main thread, unless the subscriptions
    // were ended or renewed meanwhile.
    void deliverLater(std::function<void()> handler);

    // The application road.
    void onFrontmostChange(const std::optional<platform::RunningApplication> &application);
    void resetDedupeOnSwitch(const std::optional<QString> &newId,
                             const std::optional<QString> &previousId);
    void handleAppActivation(const QString &bundleId);
    bool isStreakPaused(const Streak &streak) const;
    bool applies(const Streak &streak, const QDateTime &at) const;
    // Every streak that applies at `at`, whatever it targets.
    QSet<QUuid> applyingStreakIds(const QDateTime &at) const;
    // Swaps in the streaks that apply at a look, giving those of the last.
    QSet<QUuid> lookedAt(const QDateTime &at);
    // A target that fired last stays quiet, unless the user paused for it
    // and one of the streaks that block it has come to apply since.
    static bool firesAgain(const std::shared_ptr<TriggerEvent> &lastFired,
                           const std::vector<std::shared_ptr<Streak>> &candidates,
                           const QSet<QUuid> &appliedBefore);
    // Looks again at what is in front when a streak applies that did not at
    // the last look, and arms the next such moment.
    void recheckApplying();
    void scheduleRecheck(const QDateTime &at);
    // The streaks that target what is in front and apply at `at`: not
    // paused and inside their active window.
    std::vector<std::shared_ptr<Streak>>
    applicableStreaks(const QDateTime &at,
                      const std::function<bool(const Streak &)> &targets) const;
    std::shared_ptr<TriggerEvent> emitTrigger(const std::shared_ptr<Streak> &streak,
                                              TriggerSource source,
                                              const std::optional<QString> &matchedDomain,
                                              const std::optional<QString> &matchedBundleId);
    void handleRulesChanged(bool forgetLastFired);
    void rememberOpenedAnywayHost(const TriggerEvent &event);
    void clearLastFired();
    // An application stepped back from is re-armed once all of it is seen
    // out of sight (the window manager takes a moment): one that could not
    // be hidden comes straight back from the panel, and must not fire again
    // until another application has been in front. A busy machine's window
    // manager may take seconds: it is looked for that long.
    void rearmOnceHidden(const QString &bundleId, int looksLeft);
    static constexpr int hiddenLooks = 50;
    static constexpr double hiddenLookSeconds = 0.1;

    // The browser road: a URL read from the front browser.
    void handleBrowserURL(const QUrl &url, const BrowserActivation &activation,
                          const std::optional<platform::ApplicationWindow> &window);

    Services m_services;
    std::unique_ptr<AllowanceGate> m_allowanceGate;
    BrowserPermissions m_permissions;
    FrontBrowserPoller m_browserPoller;

    bool m_started = false;
    // Renewed at each start() and stop(): deliveries queued by an ended
    // subscription find it changed and do nothing.
    quint64 m_subscriptionGeneration = 0;
    std::vector<QMetaObject::Connection> m_subscriptions;

    std::optional<QString> m_previousFrontmostBundleId;
    // The application in front before the current one, leaving out this
    // one's windows (the panel, the popover): the one a browser was switched
    // from when a link sends it to the front.
    std::optional<QString> m_switchedFromBundleId;
    std::optional<QString> m_lastFiredBundleId;
    std::optional<QString> m_lastFiredHost;
    std::optional<QString> m_openedAnywayHost;
    // The events last fired on each road; their outcome is the user's answer.
    std::shared_ptr<TriggerEvent> m_lastFiredAppEvent;
    std::shared_ptr<TriggerEvent> m_lastFiredPageEvent;

    // The streaks that applied at the last look, less those seen to stop
    // applying since: one that applies and is not here applies anew.
    QSet<QUuid> m_appliedAtLastLook;
    // The next moment a streak may come to apply: a whole minute while any
    // has active hours, or the end of a pause.
    std::shared_ptr<platform::ScheduledTimer> m_recheckTimer;

    // A page that fired, and the window it was read in.
    struct FiredPage {
        QUrl url;
        std::optional<platform::ApplicationWindow> window;
        friend bool operator==(const FiredPage &, const FiredPage &) = default;
    };
    std::optional<FiredPage> m_lastFiredPage;
    // The page last stepped back from, until something else is read: still
    // in front, its step could not leave it, and it does not fire again.
    std::optional<FiredPage> m_steppedBackPage;
};

} // namespace halvex
