#include "friction/FrictionViewModel.h"

#include <algorithm>

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include "engine/BypassController.h"
#include "model/DayClock.h"
#include "platform/Workspace.h"

namespace halvex {

FrictionViewModel::FrictionViewModel(std::shared_ptr<TriggerEvent> event,
                                     std::shared_ptr<Streak> streak, Services services,
                                     std::function<void()> onDismiss, QObject *parent)
    : QObject(parent)
    , m_event(std::move(event))
    , m_streak(std::move(streak))
    , m_services(std::move(services))
    , m_timers(m_services.scheduler)
{
    Q_ASSERT(m_event && m_streak);
    // Captured now: by the time the user steps back, this application is in front.
    m_presentedOver = m_services.workspace.frontmostWindow();
    if (m_presentedOver &&
        m_presentedOver->application.processIdentifier == QCoreApplication::applicationPid())
        m_presentedOver.reset();
    m_outcome = std::make_unique<FrictionOutcome>(m_event, m_streak, m_services, m_presentedOver,
                                                  std::move(onDismiss));

    m_mode = m_streak->mode();
    m_days = int(m_services.dayClock.wholeDaysSince(m_streak->startedAt()));
    const QUuid id = m_streak->id();
    m_canUseFreePass =
        m_streak->allowDailyFreePass() && m_services.bypassController.canUseFreePass(id);
    m_countdownDuration =
        countdownDurationFor(m_services.bypassController.openAnywayCountToday(id));
    m_countdownRemaining = m_countdownDuration;
    m_canUseExternalLink = m_event->triggerSourceRaw() == raw(TriggerSource::externalLink) &&
                           m_streak->allowExternalLinkBypass();
}

FrictionViewModel::~FrictionViewModel() = default;

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
    m_lockoutTimer = m_timers.after(lockoutSeconds, [this] { setIsButtonsDisabled(false); });
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
    emit stepBackStarted();
    m_outcome->stepBack([this](bool success) { finishStepBack(success); });
}

void FrictionViewModel::finishStepBack(bool success)
{
    if (success) {
        m_outcome->dismissLater();
        return;
    }
    //% "Couldn't step back. Please close it yourself."
    setFeedback(FrictionFeedbackState::failure(qtTrId("friction.feedback.stepBackFailed")));
    m_timers.after(failureLineSeconds, [this] {
        setFeedback(FrictionFeedbackState::idle());
        m_outcome->dismissLater();
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
    m_outcome->record(TriggerOutcome::openAnyway);
    m_timers.after(resetAnimationSeconds, [this] { m_outcome->dismissLater(); });
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
    m_outcome->record(outcome);
    m_outcome->dismissLater();
}

void FrictionViewModel::persistWhyAnswer(const QString &text)
{
    m_outcome->persistWhyAnswer(text);
}

void FrictionViewModel::cancel()
{
    if (m_cancelled)
        return;
    m_cancelled = true;
    m_timers.cancel();
    m_lockoutTimer.reset();
    m_countdownTimer.reset();
    setIsButtonsDisabled(true);
    m_outcome->cancel();
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
    m_countdownTimer =
        m_timers.after(countdownTickSeconds, [this, completion = std::move(completion)] {
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
