#include "friction/FrictionViewModel.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QPointer>
#include <QTextBoundaryFinder>

#include "browsers/BrowserURLProbe.h"
#include "engine/BypassController.h"
#include "engine/DomainMatching.h"
#include "engine/StreakEngine.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/WhyAnswer.h"
#include "platform/Log.h"
#include "platform/Workspace.h"

namespace halvex {

namespace {

// Whole 24-hour periods, rounded down (also for a start in the future).
int wholeDaysBetween(const QDateTime &start, const QDateTime &now)
{
    constexpr qint64 msPerDay = 86'400'000;
    const qint64 ms = start.msecsTo(now);
    qint64 days = ms / msPerDay;
    if (ms < 0 && ms % msPerDay != 0)
        --days;
    return int(days);
}

// Some applications show themselves again right after being hidden; they are
// hidden again for a little while. This outlives the panel on purpose: it
// belongs to the step back the user chose, not to the panel.
void keepHiddenRound(QPointer<platform::Workspace> workspace, platform::TimerScheduler &scheduler,
                     const platform::RunningApplication &application, int roundsLeft)
{
    if (roundsLeft <= 0)
        return;
    scheduler.scheduleOnce(FrictionViewModel::keepHiddenIntervalSeconds,
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
void FrictionViewModel::whenReady(QFuture<T> future, std::function<void(std::optional<T>)> work)
{
    // The watcher dies with this view model, so a late answer finds nothing to call.
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

FrictionViewModel::FrictionViewModel(std::shared_ptr<TriggerEvent> event,
                                     std::shared_ptr<Streak> streak, Services services,
                                     std::function<void()> onDismiss, QObject *parent)
    : QObject(parent)
    , m_event(std::move(event))
    , m_streak(std::move(streak))
    , m_services(std::move(services))
    , m_onDismiss(std::move(onDismiss))
{
    Q_ASSERT(m_event && m_streak);
    // Captured now: by the time the user steps back, this application is in front.
    m_presentedOver = m_services.workspace.frontmostApplication();
    if (m_presentedOver && m_presentedOver->processIdentifier == QCoreApplication::applicationPid())
        m_presentedOver.reset();

    m_mode = m_streak->mode();
    m_days = wholeDaysBetween(m_streak->startedAt(), m_services.dayClock.now());
    const QUuid id = m_streak->id();
    m_canUseFreePass =
        m_streak->allowDailyFreePass() && m_services.bypassController.canUseFreePass(id);
    m_countdownDuration =
        countdownDurationFor(m_services.bypassController.openAnywayCountToday(id));
    m_countdownRemaining = m_countdownDuration;
    m_canUseExternalLink = m_event->triggerSourceRaw() == raw(TriggerSource::externalLink) &&
                           m_streak->allowExternalLinkBypass();
}

FrictionViewModel::~FrictionViewModel()
{
    for (const auto &timer : m_timers)
        timer->invalidate();
}

int FrictionViewModel::countdownDurationFor(int openAnywayCountToday)
{
    const int index = std::clamp(openAnywayCountToday, 0, int(countdownSeconds.size()) - 1);
    return countdownSeconds[size_t(index)];
}

int FrictionViewModel::confessionLength(const QString &confession)
{
    const QString trimmed = confession.trimmed();
    if (trimmed.isEmpty())
        return 0;
    // An emoji or a letter with combining marks is one character to the user.
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, trimmed);
    int count = 0;
    while (clusters.toNextBoundary() != -1)
        ++count;
    return count;
}

void FrictionViewModel::setReflectionText(const QString &text)
{
    if (m_reflectionText == text)
        return;
    m_reflectionText = text;
    emit reflectionTextChanged();
}

void FrictionViewModel::setBrutalConfession(const QString &text)
{
    if (m_brutalConfession == text)
        return;
    m_brutalConfession = text;
    emit brutalConfessionChanged();
    updateConfession();
}

int FrictionViewModel::confessionRemaining() const
{
    return m_confessionRemaining;
}

bool FrictionViewModel::isConfessionReady() const
{
    return m_isConfessionReady;
}

void FrictionViewModel::updateConfession()
{
    const int remaining = confessionMinimumLength - confessionLength(m_brutalConfession);
    const bool ready = m_countdownRemaining == 0 && remaining <= 0;
    if (remaining != m_confessionRemaining) {
        m_confessionRemaining = remaining;
        emit confessionRemainingChanged();
    }
    if (ready != m_isConfessionReady) {
        m_isConfessionReady = ready;
        emit isConfessionReadyChanged();
    }
}

void FrictionViewModel::startLockout()
{
    if (m_cancelled)
        return;
    setIsButtonsDisabled(true);
    if (m_lockoutTimer)
        m_lockoutTimer->invalidate();
    m_lockoutTimer = after(lockoutSeconds, [this] { setIsButtonsDisabled(false); });
}

bool FrictionViewModel::mayAct() const
{
    return !m_cancelled && !m_isButtonsDisabled && !m_hasCommittedOutcome;
}

void FrictionViewModel::commitOutcome()
{
    setHasCommittedOutcome(true);
    // A countdown left running would otherwise try to open the target later.
    stopCountdown();
}

void FrictionViewModel::stepBack()
{
    if (!mayAct())
        return;
    commitOutcome();
    persistWhyAnswer(m_reflectionText);
    m_stepBackUnderWay = true;
    performStepBack([this](bool success) { finishStepBack(success); });
}

void FrictionViewModel::finishStepBack(bool success)
{
    if (!m_stepBackUnderWay)
        return;
    m_stepBackUnderWay = false;
    // Recorded whether or not it worked: the user chose to step back.
    m_services.streakEngine.recordOutcome(m_event, TriggerOutcome::stepBack);
    if (success) {
        scheduleDismiss();
        return;
    }
    //% "Couldn't step back. Please close it yourself."
    setFeedback(FrictionFeedbackState::failure(qtTrId("friction.feedback.stepBackFailed")));
    after(failureLineSeconds, [this] {
        setFeedback(FrictionFeedbackState::idle());
        scheduleDismiss();
    });
}

void FrictionViewModel::requestOpenAnyway()
{
    if (!mayAct())
        return;
    switch (m_mode) {
    case StrictnessMode::gentle:
        openAnyway();
        break;
    case StrictnessMode::firm:
        startFirmCountdown();
        break;
    case StrictnessMode::brutal:
        startBrutalFlow();
        break;
    }
}

void FrictionViewModel::openAnyway()
{
    if (m_cancelled || m_hasCommittedOutcome)
        return;
    commitOutcome();
    setIsResetPlaying(true);
    m_services.streakEngine.recordOutcome(m_event, TriggerOutcome::openAnyway);
    after(resetAnimationSeconds, [this] { scheduleDismiss(); });
}

void FrictionViewModel::startFirmCountdown()
{
    if (!mayAct() || m_isFirmActive)
        return;
    setIsFirmActive(true);
    startCountdown([this] { completeFirmCountdown(); });
}

void FrictionViewModel::completeFirmCountdown()
{
    setIsFirmActive(false);
    if (m_hasCommittedOutcome)
        return;
    // What the user wrote while waiting is the answer to this trigger.
    persistWhyAnswer(m_reflectionText);
    openAnyway();
}

void FrictionViewModel::cancelFirmCountdown()
{
    if (m_cancelled)
        return;
    stopCountdown();
    setIsFirmActive(false);
    setCountdownRemaining(m_countdownDuration);
}

void FrictionViewModel::startBrutalFlow()
{
    if (!mayAct() || m_isBrutalActive)
        return;
    setIsBrutalActive(true);
    setBrutalConfession(QString());
    // The confession flow waits for the countdown to reach 0 itself.
    startCountdown([] {});
}

void FrictionViewModel::cancelBrutal()
{
    if (m_cancelled)
        return;
    stopCountdown();
    setIsBrutalActive(false);
    setCountdownRemaining(m_countdownDuration);
    setBrutalConfession(QString());
}

void FrictionViewModel::submitBrutalConfession()
{
    if (m_cancelled || !m_isBrutalActive || m_hasCommittedOutcome || !m_isConfessionReady)
        return;
    persistWhyAnswer(m_brutalConfession);
    setIsBrutalActive(false);
    openAnyway();
}

void FrictionViewModel::pauseOneHour()
{
    if (mayAct())
        commitBypass(TriggerOutcome::pause);
}

void FrictionViewModel::useFreePass()
{
    if (mayAct() && m_canUseFreePass)
        commitBypass(TriggerOutcome::bypassFreePass);
}

void FrictionViewModel::openWithoutCounting()
{
    // Only a link from another application may pass without counting.
    if (mayAct() && m_canUseExternalLink)
        commitBypass(TriggerOutcome::bypassExternalLink);
}

void FrictionViewModel::commitBypass(TriggerOutcome outcome)
{
    commitOutcome();
    persistWhyAnswer(m_reflectionText);
    m_services.streakEngine.recordOutcome(m_event, outcome);
    scheduleDismiss();
}

void FrictionViewModel::persistWhyAnswer(const QString &text)
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
    if (auto saved = context.save(); !saved)
        platform::log::persistence().error("persistWhyAnswer save failed: %s",
                                           {saved.error().localizedDescription()});
}

void FrictionViewModel::cancel()
{
    if (m_cancelled)
        return;
    m_cancelled = true;
    for (const auto &timer : m_timers)
        timer->invalidate();
    m_timers.clear();
    m_lockoutTimer.reset();
    m_countdownTimer.reset();
    setIsButtonsDisabled(true);
    // The user did choose to step back; only the panel's follow-up is dropped.
    if (m_stepBackUnderWay) {
        m_stepBackUnderWay = false;
        m_services.streakEngine.recordOutcome(m_event, TriggerOutcome::stepBack);
    }
}

void FrictionViewModel::startCountdown(std::function<void()> completion)
{
    setCountdownRemaining(m_countdownDuration);
    stopCountdown();
    tickCountdown(std::move(completion));
}

void FrictionViewModel::tickCountdown(std::function<void()> completion)
{
    if (m_countdownRemaining < 1) {
        completion();
        return;
    }
    m_countdownTimer = after(countdownTickSeconds, [this, completion = std::move(completion)] {
        setCountdownRemaining(m_countdownRemaining - 1);
        tickCountdown(completion);
    });
}

void FrictionViewModel::stopCountdown()
{
    if (m_countdownTimer)
        m_countdownTimer->invalidate();
    m_countdownTimer.reset();
}

void FrictionViewModel::scheduleDismiss()
{
    after(dismissDelaySeconds, [this] {
        if (m_onDismiss)
            m_onDismiss();
    });
}

void FrictionViewModel::performStepBack(Completion done)
{
    const TriggerSource source = m_event->source().value_or(TriggerSource::app);
    std::optional<QString> bundleIdentifier = m_event->matchedBundleId();
    if (bundleIdentifier && bundleIdentifier->isEmpty())
        bundleIdentifier.reset();
    if (source == TriggerSource::app)
        stepBackApplication(bundleIdentifier, std::move(done));
    else
        stepBackInBrowser(bundleIdentifier, std::move(done));
}

void FrictionViewModel::stepBackApplication(const std::optional<QString> &bundleIdentifier,
                                            Completion done)
{
    if (!bundleIdentifier)
        return done(false);
    platform::Workspace &workspace = m_services.workspace;
    const auto running = workspace.runningApplications(*bundleIdentifier);
    if (running.isEmpty())
        return done(false);
    const platform::RunningApplication application = running.first();
    // A hide that reached no window did not step back.
    if (!workspace.hide(application))
        return done(false);
    keepHidden(application);
    done(true);
}

void FrictionViewModel::keepHidden(const platform::RunningApplication &application)
{
    keepHiddenRound(QPointer<platform::Workspace>(&m_services.workspace), m_services.scheduler,
                    application, keepHiddenRounds);
}

void FrictionViewModel::stepBackInBrowser(const std::optional<QString> &bundleIdentifier,
                                          Completion done)
{
    QString browser = bundleIdentifier.value_or(QString());
    if (browser.isEmpty() && m_presentedOver)
        browser = m_presentedOver->bundleIdentifier;
    const std::shared_ptr<BrowserURLProbe> probe = m_services.browserProbes.value(browser);
    if (browser.isEmpty() || !probe)
        return done(false);

    whenReady<bool>(probe->goBack(), [this, probe, done](std::optional<bool> wentBack) {
        if (!wentBack.value_or(false)) {
            closeTab(probe, done);
            return;
        }
        // Give the page a moment to change before checking where it landed.
        after(browserSettleSeconds, [this, probe, done] {
            whenReady<URLReadResult>(
                probe->fetchURL(), [this, probe, done](std::optional<URLReadResult> read) {
                    const bool stillBlocked = read && read->hasValue() && read->value() &&
                                              matchesDomains(*read->value(), m_streak->domains());
                    if (stillBlocked)
                        closeTab(probe, done);
                    else
                        done(true);
                });
        });
    });
}

void FrictionViewModel::closeTab(const std::shared_ptr<BrowserURLProbe> &probe,
                                 const Completion &done)
{
    whenReady<bool>(probe->closeTab(),
                    [done](std::optional<bool> closed) { done(closed.value_or(false)); });
}

std::shared_ptr<platform::ScheduledTimer> FrictionViewModel::after(double seconds,
                                                                   std::function<void()> work)
{
    QPointer<FrictionViewModel> self(this);
    auto timer = m_services.scheduler.scheduleOnce(seconds, [self, work = std::move(work)] {
        if (self && !self->m_cancelled)
            work();
    });
    std::erase_if(m_timers, [](const auto &t) { return !t->isValid(); });
    m_timers.push_back(timer);
    return timer;
}

void FrictionViewModel::setIsButtonsDisabled(bool value)
{
    if (m_isButtonsDisabled == value)
        return;
    m_isButtonsDisabled = value;
    emit isButtonsDisabledChanged();
}

void FrictionViewModel::setIsBrutalActive(bool value)
{
    if (m_isBrutalActive == value)
        return;
    m_isBrutalActive = value;
    emit isBrutalActiveChanged();
}

void FrictionViewModel::setCountdownRemaining(int value)
{
    if (m_countdownRemaining == value)
        return;
    m_countdownRemaining = value;
    emit countdownRemainingChanged();
    updateConfession();
}

void FrictionViewModel::setIsFirmActive(bool value)
{
    if (m_isFirmActive == value)
        return;
    m_isFirmActive = value;
    emit isFirmActiveChanged();
}

void FrictionViewModel::setFeedback(const FrictionFeedbackState &value)
{
    if (m_feedback == value)
        return;
    m_feedback = value;
    emit feedbackChanged();
}

void FrictionViewModel::setIsResetPlaying(bool value)
{
    if (m_isResetPlaying == value)
        return;
    m_isResetPlaying = value;
    emit isResetPlayingChanged();
}

void FrictionViewModel::setHasCommittedOutcome(bool value)
{
    if (m_hasCommittedOutcome == value)
        return;
    m_hasCommittedOutcome = value;
    emit hasCommittedOutcomeChanged();
}

} // namespace halvex
