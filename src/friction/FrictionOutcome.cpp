#include "friction/FrictionOutcome.h"

#include <QFutureWatcher>
#include <QPointer>

#include "engine/DomainMatching.h"
#include "engine/StreakEngine.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/WhyAnswer.h"
#include "platform/Log.h"
#include "platform/Workspace.h"

namespace halvex {

namespace {

// Some applications show themselves again right after being hidden; they are
// hidden again for a little while. This outlives the panel on purpose: it
// belongs to the step back the user chose, not to the panel.
void keepHiddenRound(QPointer<platform::Workspace> workspace, platform::TimerScheduler &scheduler,
                     const platform::RunningApplication &application, int roundsLeft)
{
    if (roundsLeft <= 0)
        return;
    scheduler.scheduleOnce(FrictionOutcome::keepHiddenIntervalSeconds,
                           [workspace, &scheduler, application, roundsLeft] {
                               if (!workspace || !workspace->isRunning(application))
                                   return;
                               if (!workspace->isHidden(application))
                                   workspace->hide(application);
                               keepHiddenRound(workspace, scheduler, application, roundsLeft - 1);
                           });
}

} // namespace

template <typename T>
void FrictionOutcome::whenReady(QFuture<T> future, std::function<void(std::optional<T>)> work)
{
    // The watcher dies with this object, so a late answer finds nothing to call.
    auto *watcher = new QFutureWatcher<T>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, work = std::move(work)] {
        watcher->deleteLater();
        if (m_cancelled)
            return;
        const QFuture<T> finished = watcher->future();
        work(finished.resultCount() > 0 ? std::optional<T>(finished.result()) : std::nullopt);
    });
    watcher->setFuture(future);
}

FrictionOutcome::FrictionOutcome(std::shared_ptr<TriggerEvent> event,
                                 std::shared_ptr<Streak> streak, const FrictionServices &services,
                                 std::optional<platform::ApplicationWindow> presentedOver,
                                 std::function<void()> onDismiss, QObject *parent)
    : QObject(parent)
    , m_event(std::move(event))
    , m_streak(std::move(streak))
    , m_services(services)
    , m_presentedOver(std::move(presentedOver))
    , m_onDismiss(std::move(onDismiss))
    , m_timers(services.scheduler)
{
    if (m_event->source().value_or(TriggerSource::app) == TriggerSource::app)
        return;
    QString browser = m_event->matchedBundleId().value_or(QString());
    if (browser.isEmpty() && m_presentedOver)
        browser = m_presentedOver->application.bundleIdentifier;
    if (browser.isEmpty())
        return;
    // Fixed now: by the time the user steps back, another window may be in
    // front, and a step there would take a page the user was not warned of.
    if (m_presentedOver && m_presentedOver->application.bundleIdentifier == browser)
        m_pageWindow = m_presentedOver;
    else
        m_pageWindow = m_services.workspace.frontWindowOf(browser);
}

FrictionOutcome::~FrictionOutcome() = default;

void FrictionOutcome::record(TriggerOutcome outcome)
{
    m_services.streakEngine.recordOutcome(m_event, outcome);
}

void FrictionOutcome::persistWhyAnswer(const QString &text)
{
    if (m_cancelled)
        return;
    const auto answer = WhyAnswer::fromTypedText(text, m_services.dayClock.now());
    // The event is gone when its streak was deleted while the panel was up:
    // an answer to it could never be saved.
    if (!answer || !answer->setTriggerEvent(m_event))
        return;
    ModelContext &context = m_services.persistence.mainContext();
    context.insert(answer);
    context.saveOrLog(platform::log::persistence(), "persistWhyAnswer");
}

void FrictionOutcome::stepBack(Completion done)
{
    m_stepBackUnderWay = true;
    performStepBack([this, done = std::move(done)](bool success) {
        if (!m_stepBackUnderWay)
            return;
        m_stepBackUnderWay = false;
        // Recorded whether or not it worked: the user chose to step back.
        record(TriggerOutcome::stepBack);
        done(success);
    });
}

void FrictionOutcome::dismissLater()
{
    m_timers.after(dismissDelaySeconds, [this] {
        if (m_onDismiss)
            m_onDismiss();
    });
}

void FrictionOutcome::cancel()
{
    if (m_cancelled)
        return;
    m_cancelled = true;
    m_timers.cancel();
    // The user did choose to step back; only the panel's follow-up is dropped.
    if (m_stepBackUnderWay) {
        m_stepBackUnderWay = false;
        record(TriggerOutcome::stepBack);
    }
}

void FrictionOutcome::performStepBack(Completion done)
{
    const TriggerSource source = m_event->source().value_or(TriggerSource::app);
    std::optional<QString> bundleIdentifier = m_event->matchedBundleId();
    if (bundleIdentifier && bundleIdentifier->isEmpty())
        bundleIdentifier.reset();
    if (source == TriggerSource::app)
        stepBackApplication(bundleIdentifier, std::move(done));
    else
        stepBackInBrowser(std::move(done));
}

void FrictionOutcome::stepBackApplication(const std::optional<QString> &bundleIdentifier,
                                          Completion done)
{
    if (!bundleIdentifier)
        return done(false);
    platform::Workspace &workspace = m_services.workspace;
    // One entry per process, and many applications run one process per
    // window: every one of them is put out of sight, or the one in front
    // stays and brings the panel straight back.
    bool hidAny = false;
    for (const platform::RunningApplication &application :
         workspace.runningApplications(*bundleIdentifier)) {
        // A hide that reached no window did not step back.
        if (!workspace.hide(application))
            continue;
        keepHidden(application);
        hidAny = true;
    }
    done(hidAny);
}

void FrictionOutcome::keepHidden(const platform::RunningApplication &application)
{
    keepHiddenRound(QPointer<platform::Workspace>(&m_services.workspace), m_services.scheduler,
                    application, keepHiddenRounds);
}

void FrictionOutcome::stepBackInBrowser(Completion done)
{
    const std::shared_ptr<BrowserURLProbe> probe =
        m_pageWindow ? m_services.browserProbes.value(m_pageWindow->application.bundleIdentifier)
                     : nullptr;
    if (!probe)
        return done(false);
    withPageInFront([this, probe, done](bool inFront) {
        // Its window gone, the page went with it: nothing is left to leave.
        if (!inFront)
            return done(!m_services.workspace.isOpen(*m_pageWindow));
        whenReady<URLReadResult>(
            probe->fetchURL(), [this, probe, done](std::optional<URLReadResult> read) {
                // Which tab is in front cannot be told: the page leaves the
                // front untouched.
                if (!read || !read->hasValue() || !read->value())
                    return minimisePage(done);
                // Another page by now (the user left it, or went to another
                // tab): there is nothing to step back from.
                if (!stillBlocked(read))
                    return done(true);
                whenReady<bool>(probe->goBack(), [this, probe, done](std::optional<bool> wentBack) {
                    if (!wentBack.value_or(false))
                        return closeTab(probe, done);
                    // Give the page a moment to change before checking where it landed.
                    m_timers.after(browserSettleSeconds, [this, probe, done] {
                        withPageInFront([this, probe, done](bool inFront) {
                            if (!inFront)
                                return done(true);
                            whenReady<URLReadResult>(
                                probe->fetchURL(),
                                [this, probe, done](std::optional<URLReadResult> read) {
                                    if (stillBlocked(read))
                                        closeTab(probe, done);
                                    else
                                        done(true);
                                });
                        });
                    });
                });
            });
    });
}

bool FrictionOutcome::stillBlocked(const std::optional<URLReadResult> &read) const
{
    return read && read->hasValue() && read->value() &&
           matchesDomains(*read->value(), m_streak->domains());
}

void FrictionOutcome::withPageInFront(std::function<void(bool)> then)
{
    platform::Workspace &workspace = m_services.workspace;
    const platform::ApplicationWindow window = *m_pageWindow;
    if (!workspace.isOpen(window))
        return then(false);
    if (workspace.frontmostWindow() == window)
        return then(true);
    if (!workspace.activateWindow(window))
        return then(false);
    waitForWindow([&workspace, window] { return workspace.frontmostWindow() == window; },
                  std::move(then), int(windowTimeoutSeconds / windowPollSeconds));
}

void FrictionOutcome::waitForWindow(std::function<bool()> condition, std::function<void(bool)> then,
                                    int pollsLeft)
{
    if (condition())
        return then(true);
    if (pollsLeft <= 0)
        return then(false);
    m_timers.after(windowPollSeconds, [this, condition = std::move(condition),
                                       then = std::move(then), pollsLeft]() mutable {
        if (!m_cancelled)
            waitForWindow(std::move(condition), std::move(then), pollsLeft - 1);
    });
}

void FrictionOutcome::closeTab(const std::shared_ptr<BrowserURLProbe> &probe,
                               const Completion &done)
{
    withPageInFront([this, probe, done](bool inFront) {
        if (!inFront)
            return done(!m_services.workspace.isOpen(*m_pageWindow));
        whenReady<bool>(probe->closeTab(), [this, done](std::optional<bool> closed) {
            if (closed.value_or(false))
                return done(true);
            minimisePage(done);
        });
    });
}

void FrictionOutcome::minimisePage(const Completion &done)
{
    platform::Workspace &workspace = m_services.workspace;
    const platform::ApplicationWindow window = *m_pageWindow;
    if (!workspace.isOpen(window))
        return done(true);
    if (!workspace.hideWindow(window))
        return done(false);
    waitForWindow([&workspace, window] { return workspace.frontmostWindow() != window; }, done,
                  int(windowTimeoutSeconds / windowPollSeconds));
}

} // namespace halvex
