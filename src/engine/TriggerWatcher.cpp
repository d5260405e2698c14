#include "engine/TriggerWatcher.h"

#include <algorithm>
#include <utility>

#include <QPointer>

#include "engine/ActiveWindow.h"
#include "engine/AllowanceGate.h"
#include "engine/CollisionResolver.h"
#include "engine/DomainMatching.h"
#include "engine/FrontmostDetecting.h"
#include "engine/StreakEngine.h"
#include "engine/UsageSessionRecorder.h"
#include "kit/AutomationProbe.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "platform/Log.h"
#include "platform/Workspace.h"

namespace halvex {

using fennimar::AutomationStatus;
using platform::RunningApplication;

namespace {

std::optional<QString> bundleIdOf(const std::optional<RunningApplication> &application)
{
    if (!application || application->bundleIdentifier.isEmpty())
        return std::nullopt;
    return application->bundleIdentifier;
}

std::optional<QString> lowerHost(const QUrl &url)
{
    const QString host = url.host();
    if (host.isEmpty())
        return std::nullopt;
    return host.toLower();
}

std::optional<QString> hostAsGiven(const QUrl &url)
{
    const QString host = url.host();
    if (host.isEmpty())
        return std::nullopt;
    return host;
}

// Every zone in use is offset from UTC by whole minutes: a whole minute of
// UTC is one of the calendar's too.
QDateTime nextWholeMinute(const QDateTime &at)
{
    QDateTime minute = at.toUTC();
    minute.setTime(QTime(minute.time().hour(), minute.time().minute()));
    return minute.addSecs(60);
}

} // namespace

TriggerWatcher::TriggerWatcher(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_permissions(m_services.persistence, m_services.automationStatus)
    , m_browserPoller({m_services.probes, m_permissions, m_services.workspace, m_services.clock,
                       m_services.scheduler,
                       [this](const QUrl &url, const BrowserActivation &activation,
                              const std::optional<platform::ApplicationWindow> &window) {
                           handleBrowserURL(url, activation, window);
                       }})
{}

// The detector is not ours to stop here: it may already be gone. The
// subscriptions end with this object, their context.
TriggerWatcher::~TriggerWatcher() = default;

TriggerWatcher::AutomationStatusFunction
TriggerWatcher::liveAutomationStatus(const fennimar::AutomationProbe &probe,
                                     fennimar::AutomationGrantMemory &memory)
{
    return [&probe, &memory](const QString &bundleId) {
        return probe.status(bundleId, fennimar::AutomationProbe::anyEvent,
                            fennimar::AutomationProbe::anyEvent, false, memory);
    };
}

AllowanceGate &TriggerWatcher::allowanceGate()
{
    if (!m_allowanceGate) {
        QPointer<TriggerWatcher> self(this);
        m_allowanceGate = std::make_unique<AllowanceGate>(
            m_services.persistence, m_services.usageRecorder, m_services.calendar,
            [self] {
                if (self)
                    self->reevaluateCurrent();
            },
            m_services.scheduler);
    }
    return *m_allowanceGate;
}

void TriggerWatcher::setCalendar(const QTimeZone &calendar)
{
    m_services.calendar = calendar;
    if (m_allowanceGate)
        m_allowanceGate->setCalendar(calendar);
}

void TriggerWatcher::deliverLater(std::function<void()> handler)
{
    const quint64 generation = m_subscriptionGeneration;
    // Queued on the watcher itself: a watcher that is gone receives nothing.
    QMetaObject::invokeMethod(
        this,
        [this, generation, handler = std::move(handler)] {
            if (generation == m_subscriptionGeneration && m_started)
                handler();
        },
        Qt::QueuedConnection);
}

void TriggerWatcher::start()
{
    if (m_started)
        return;
    m_started = true;
    ++m_subscriptionGeneration;

    m_permissions.load();

    StreakEngine &engine = m_services.streakEngine;
    // Received on a later turn of the event loop, never inside start(): an
    // application already in front when the shell starts the watcher fires
    // once the friction panel controller built in the same turn listens.
    m_subscriptions.push_back(m_services.frontmostDetector.subscribe(
        this, [this](const std::optional<RunningApplication> &application) {
            deliverLater([this, application] { onFrontmostChange(application); });
        }));
    // The outcome is read when the event is sent: the same event object may
    // be decided by the time the handler runs.
    m_subscriptions.push_back(
        connect(&engine, &StreakEngine::triggerSubject, this,
                [this](const std::shared_ptr<TriggerEvent> &event) {
                    if (!event)
                        return;
                    if (event->outcomeRaw() == raw(TriggerOutcome::openAnyway))
                        deliverLater([this, event] { rememberOpenedAnywayHost(*event); });
                    // Only a step back re-arms. A new, undecided event must not: the
                    // same target would fire again at every poll while its panel is up.
                    if (event->outcomeRaw() == raw(TriggerOutcome::stepBack))
                        deliverLater([this, event] {
                            if (event->triggerSourceRaw() != raw(TriggerSource::app))
                                clearLastFired();
                            else if (event->matchedBundleId())
                                rearmOnceHidden(*event->matchedBundleId(), hiddenLooks);
                        });
                }));
    m_subscriptions.push_back(
        connect(&engine, &StreakEngine::rulesChangedSubject, this, [this](bool forgetLastFired) {
            deliverLater([this, forgetLastFired] { handleRulesChanged(forgetLastFired); });
        }));
    // Reloads, pauses, resumes and the minute tick: sent before a reload
    // takes effect, so read once it has.
    m_subscriptions.push_back(connect(&engine, &StreakEngine::objectWillChange, this,
                                      [this] { deliverLater([this] { recheckApplying(); }); }));

    // What applies now is no news: the first report of the detector looks.
    const QDateTime at = now();
    m_appliedAtLastLook = applyingStreakIds(at);
    scheduleRecheck(at);

    m_services.frontmostDetector.start();
}

void TriggerWatcher::stop()
{
    allowanceGate().invalidateTimer();
    if (m_recheckTimer)
        m_recheckTimer->invalidate();
    m_recheckTimer.reset();
    for (const QMetaObject::Connection &connection : m_subscriptions)
        disconnect(connection);
    m_subscriptions.clear();
    ++m_subscriptionGeneration;
    // The debounced activation belonged to the ended subscription.
    m_browserPoller.cancelPendingActivation();
    m_browserPoller.stopPolling();
    m_services.frontmostDetector.stop();
    m_started = false;
}

void TriggerWatcher::onFrontmostChange(const std::optional<RunningApplication> &application)
{
    const std::optional<QString> newId = bundleIdOf(application);

    UsageSessionRecorder &recorder = m_services.usageRecorder;
    if (const auto &open = recorder.open();
        open && open->isAllowance && open->matchedBundleId && open->matchedBundleId != newId)
        recorder.closeOpen();

    if (!newId) {
        m_browserPoller.stopPolling();
        m_previousFrontmostBundleId.reset();
        m_switchedFromBundleId.reset();
        // Nothing in front, as after a page's window was put out of sight.
        m_steppedBackPage.reset();
        return;
    }
    if (isOwn(newId)) {
        // The panel going hands the front back to the application it came
        // up over: that is no switch from another application.
        m_browserPoller.stopPolling();
        m_previousFrontmostBundleId = newId;
        return;
    }

    resetDedupeOnSwitch(newId, m_previousFrontmostBundleId);
    // Another application in front: the page a step back left where it was
    // (or put out of sight) is a new visit once the user comes back to it.
    if (m_steppedBackPage &&
        (!m_steppedBackPage->window || m_steppedBackPage->window->application != *application))
        m_steppedBackPage.reset();

    if (m_browserPoller.isProbed(*newId)) {
        // An application streak that lists a browser never fires: the
        // browser's pages are what site streaks are for.
        m_browserPoller.startPolling(*application);
        m_browserPoller.activate({*application, now(), m_switchedFromBundleId, *newId});
    } else {
        m_browserPoller.stopPolling();
        handleAppActivation(*newId);
    }
    m_previousFrontmostBundleId = newId;
    m_switchedFromBundleId = newId;
}

void TriggerWatcher::resetDedupeOnSwitch(const std::optional<QString> &newId,
                                         const std::optional<QString> &previousId)
{
    // Around our own windows (the panel, the popover) the last target stays
    // suppressed; a switch between two other applications re-arms.
    if (isOwn(newId) || isOwn(previousId))
        return;
    m_lastFiredHost.reset();
    m_lastFiredBundleId.reset();
}

void TriggerWatcher::handleAppActivation(const QString &bundleId)
{
    const QDateTime at = now();
    const QSet<QUuid> appliedBefore = lookedAt(at);
    const auto candidates = applicableStreaks(at, [&](const Streak &streak) {
        return streak.typeRaw() == raw(StreakType::app) &&
               streak.bundleIdentifiers().contains(bundleId);
    });

    const std::shared_ptr<Streak> winner = CollisionResolver::resolve(candidates);
    if (!winner) {
        m_lastFiredBundleId.reset();
        m_services.usageRecorder.closeOpen();
        return;
    }
    if (m_lastFiredBundleId == bundleId &&
        !firesAgain(m_lastFiredAppEvent, candidates, appliedBefore))
        return;

    const AllowanceGate::Target target{TriggerSource::app, std::nullopt, bundleId};
    const std::shared_ptr<Streak> chosen = allowanceGate().evaluate(candidates, winner, target, at);
    if (!chosen)
        return;
    m_lastFiredBundleId = bundleId;
    m_lastFiredAppEvent = emitTrigger(chosen, TriggerSource::app, std::nullopt, bundleId);
}

std::vector<std::shared_ptr<Streak>>
TriggerWatcher::applicableStreaks(const QDateTime &at,
                                  const std::function<bool(const Streak &)> &targets) const
{
    std::vector<std::shared_ptr<Streak>> candidates;
    for (const auto &streak : m_services.streakEngine.streaks()) {
        if (targets(*streak) && applies(*streak, at))
            candidates.push_back(streak);
    }
    return candidates;
}

bool TriggerWatcher::isStreakPaused(const Streak &streak) const
{
    // A timed pause is over at its end, though the engine's tick may clear
    // the flag up to a minute later.
    if (const std::optional<QDateTime> &until = streak.pausedUntil())
        return *until > now();
    return streak.isPaused();
}

bool TriggerWatcher::applies(const Streak &streak, const QDateTime &at) const
{
    return !isStreakPaused(streak) && isStreakActive(streak, at, m_services.calendar);
}

QSet<QUuid> TriggerWatcher::applyingStreakIds(const QDateTime &at) const
{
    QSet<QUuid> ids;
    for (const auto &streak : m_services.streakEngine.streaks()) {
        if (applies(*streak, at))
            ids.insert(streak->id());
    }
    return ids;
}

QSet<QUuid> TriggerWatcher::lookedAt(const QDateTime &at)
{
    return std::exchange(m_appliedAtLastLook, applyingStreakIds(at));
}

bool TriggerWatcher::firesAgain(const std::shared_ptr<TriggerEvent> &lastFired,
                                const std::vector<std::shared_ptr<Streak>> &candidates,
                                const QSet<QUuid> &appliedBefore)
{
    // Opened anyway, passed, stepped back from where it stayed, or its panel
    // still up: that answer stands however the streaks change.
    if (!lastFired || lastFired->outcomeRaw() != raw(TriggerOutcome::pause))
        return false;
    return std::any_of(candidates.cbegin(), candidates.cend(),
                       [&](const auto &streak) { return !appliedBefore.contains(streak->id()); });
}

void TriggerWatcher::recheckApplying()
{
    if (!m_started)
        return;
    const QDateTime at = now();
    const QSet<QUuid> applying = applyingStreakIds(at);
    // One seen to stop applying (paused while its panel was up, say) applies
    // anew once it is back, whether or not anything was looked at meanwhile.
    m_appliedAtLastLook.intersect(applying);
    scheduleRecheck(at);
    // Behind our own windows (the panel, the popover) nothing is looked at;
    // these streaks stay new until the target is back in front.
    if (applying.size() > m_appliedAtLastLook.size())
        reevaluateCurrent();
}

void TriggerWatcher::scheduleRecheck(const QDateTime &at)
{
    if (m_recheckTimer)
        m_recheckTimer->invalidate();
    m_recheckTimer.reset();

    std::optional<QDateTime> next;
    const auto consider = [&next](const QDateTime &moment) {
        if (!next || moment < *next)
            next = moment;
    };
    for (const auto &streak : m_services.streakEngine.streaks()) {
        if (const std::optional<QDateTime> &until = streak->pausedUntil(); until && *until > at)
            consider(*until);
        // Active hours and weekdays begin on whole minutes of the calendar.
        if (streak->activeWindowEnabled())
            consider(nextWholeMinute(at));
    }
    if (!next)
        return;

    QPointer<TriggerWatcher> self(this);
    const quint64 generation = m_subscriptionGeneration;
    // The timer's clock is not the wall clock: a look that comes early finds
    // nothing new and arms the rest of the way.
    m_recheckTimer =
        m_services.scheduler.scheduleOnce(at.msecsTo(*next) / 1000.0, [self, generation] {
            if (self && self->m_started && self->m_subscriptionGeneration == generation)
                self->recheckApplying();
        });
}

std::shared_ptr<TriggerEvent>
TriggerWatcher::emitTrigger(const std::shared_ptr<Streak> &streak, TriggerSource source,
                            const std::optional<QString> &matchedDomain,
                            const std::optional<QString> &matchedBundleId)
{
    auto event = std::make_shared<TriggerEvent>(QUuid::createUuid(), now(), source, matchedDomain,
                                                matchedBundleId);
    event->setOutcomeRaw(QString());
    event->setStreak(streak);

    ModelContext &context = m_services.persistence.mainContext();
    context.insert(event);
    context.saveOrLog(platform::log::triggers(), "emitTrigger");

    m_services.streakEngine.sendTrigger(event);
    m_services.usageRecorder.begin(streak->id(), matchedDomain, matchedBundleId, source, false,
                                   {streak->id()});
    return event;
}

void TriggerWatcher::handleRulesChanged(bool forgetLastFired)
{
    if (forgetLastFired) {
        m_lastFiredHost.reset();
        m_lastFiredBundleId.reset();
    }
    allowanceGate().invalidateTimer();
    reevaluateCurrent();
}

void TriggerWatcher::rememberOpenedAnywayHost(const TriggerEvent &event)
{
    const QString &source = event.triggerSourceRaw();
    if (source != raw(TriggerSource::url) && source != raw(TriggerSource::externalLink))
        return;
    if (event.matchedDomain())
        m_openedAnywayHost = event.matchedDomain()->toLower();
}

void TriggerWatcher::rearmOnceHidden(const QString &bundleId, int looksLeft)
{
    if (m_lastFiredBundleId != bundleId)
        return;
    const auto running = m_services.workspace.runningApplications(bundleId);
    const bool outOfSight = !running.isEmpty() &&
                            std::all_of(running.cbegin(), running.cend(), [this](const auto &app) {
                                return m_services.workspace.isHidden(app);
                            });
    if (outOfSight) {
        m_lastFiredBundleId.reset();
        return;
    }
    if (looksLeft <= 0)
        return;
    QPointer<TriggerWatcher> self(this);
    const quint64 generation = m_subscriptionGeneration;
    m_services.scheduler.scheduleOnce(hiddenLookSeconds, [self, generation, bundleId, looksLeft] {
        if (self && self->m_started && self->m_subscriptionGeneration == generation)
            self->rearmOnceHidden(bundleId, looksLeft - 1);
    });
}

void TriggerWatcher::clearLastFired()
{
    // A read from before the step back shows the page the browser was asked
    // to leave: the host is re-armed for what the browser shows from now on,
    // read afresh, but for that very page where it still is.
    m_browserPoller.forgetReads();
    m_lastFiredHost.reset();
    m_steppedBackPage = m_lastFiredPage;
}

void TriggerWatcher::reevaluateCurrent()
{
    if (!m_started)
        return;
    if (m_browserPoller.isPolling()) {
        QPointer<TriggerWatcher> self(this);
        QMetaObject::invokeMethod(
            this,
            [self] {
                if (self)
                    self->pollFrontBrowser();
            },
            Qt::QueuedConnection);
        return;
    }
    const std::optional<QString> bundleId = bundleIdOf(m_services.workspace.frontmostApplication());
    if (!bundleId || isOwn(bundleId))
        return;
    handleAppActivation(*bundleId);
}

// The browser road.

void TriggerWatcher::pollFrontBrowser()
{
    m_browserPoller.pollNow();
}

void TriggerWatcher::handleBrowserURL(const QUrl &url, const BrowserActivation &activation,
                                      const std::optional<platform::ApplicationWindow> &window)
{
    // A read that comes back after the watcher stopped, or after its browser
    // left the front, must not put a panel over whatever is there now.
    if (!m_started || bundleIdOf(m_browserPoller.polledApp()) != activation.bundleId)
        return;
    const QDateTime at = now();
    const QSet<QUuid> appliedBefore = lookedAt(at);

    const FiredPage page{url, window};
    // The page a step back could not leave, still in front: the user was
    // told to close it, and is given the moment to.
    if (m_steppedBackPage) {
        if (*m_steppedBackPage == page)
            return;
        m_steppedBackPage.reset();
    }

    const std::optional<QString> host = lowerHost(url);
    if (m_openedAnywayHost) {
        if (host && *host == *m_openedAnywayHost) {
            m_lastFiredHost = host;
            return;
        }
        m_openedAnywayHost.reset();
    }

    // Every type but "app" counts as a site streak; its browser list takes no
    // part: a site is blocked in every probed browser.
    const auto candidates = applicableStreaks(at, [&](const Streak &streak) {
        return streak.typeRaw() != raw(StreakType::app) && matchesDomains(url, streak.domains());
    });

    const std::shared_ptr<Streak> winner = CollisionResolver::resolve(candidates);
    if (!winner) {
        m_lastFiredHost.reset();
        m_services.usageRecorder.closeOpen();
        return;
    }
    if (host && m_lastFiredHost == host &&
        !firesAgain(m_lastFiredPageEvent, candidates, appliedBefore))
        return;

    const TriggerSource source = m_browserPoller.sourceOf(activation);
    const AllowanceGate::Target target{source, hostAsGiven(url), activation.bundleId};
    const std::shared_ptr<Streak> chosen = allowanceGate().evaluate(candidates, winner, target, at);
    if (!chosen)
        return;
    m_lastFiredHost = host;
    m_lastFiredPage = page;
    m_lastFiredPageEvent = emitTrigger(chosen, source, hostAsGiven(url), activation.bundleId);
}

} // namespace halvex
