#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <QObject>
#include <QString>

#include "friction/FrictionFeedbackState.h"
#include "friction/FrictionOutcome.h"
#include "friction/TimerGroup.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "platform/RunningApplications.h"
#include "platform/Workspace.h"
#include "platform/TimerScheduler.h"

namespace halvex {

// The state machine behind one friction panel: it fixes mode, day count and
// countdown length when the panel opens, locks the buttons for the first
// second, runs the firm and brutal countdowns and the confession, and lets
// exactly one choice through to its FrictionOutcome, which carries it out,
// hands it to the engine and asks for the panel to be dismissed. Main thread
// only; every wait runs on the injected scheduler.
class FrictionViewModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString reflectionText READ reflectionText WRITE setReflectionText NOTIFY
                   reflectionTextChanged)
    Q_PROPERTY(bool isButtonsDisabled READ isButtonsDisabled NOTIFY isButtonsDisabledChanged)
    Q_PROPERTY(bool isBrutalActive READ isBrutalActive NOTIFY isBrutalActiveChanged)
    Q_PROPERTY(QString brutalConfession READ brutalConfession WRITE setBrutalConfession NOTIFY
                   brutalConfessionChanged)
    Q_PROPERTY(int countdownRemaining READ countdownRemaining NOTIFY countdownRemainingChanged)
    Q_PROPERTY(bool isFirmActive READ isFirmActive NOTIFY isFirmActiveChanged)
    Q_PROPERTY(halvex::FrictionFeedbackState feedback READ feedback NOTIFY feedbackChanged)
    Q_PROPERTY(bool isResetPlaying READ isResetPlaying NOTIFY isResetPlayingChanged)
    Q_PROPERTY(bool canUseFreePass READ canUseFreePass CONSTANT)
    Q_PROPERTY(bool hasCommittedOutcome READ hasCommittedOutcome NOTIFY hasCommittedOutcomeChanged)
    Q_PROPERTY(int confessionRemaining READ confessionRemaining NOTIFY confessionRemainingChanged)
    Q_PROPERTY(bool isConfessionReady READ isConfessionReady NOTIFY isConfessionReadyChanged)
    Q_PROPERTY(int days READ days CONSTANT)
    Q_PROPERTY(int countdownDuration READ countdownDuration CONSTANT)
    Q_PROPERTY(bool canUseExternalLink READ canUseExternalLink CONSTANT)

public:
    // The long-lived services every panel works with, from the composition root.
    using Services = FrictionServices;

    static constexpr double lockoutSeconds = 1.0;
    static constexpr double countdownTickSeconds = 1.0;
    static constexpr double resetAnimationSeconds = 2.0;
    static constexpr double dismissDelaySeconds = FrictionOutcome::dismissDelaySeconds;
    static constexpr double failureLineSeconds = 1.5;
    static constexpr double browserSettleSeconds = FrictionOutcome::browserSettleSeconds;
    static constexpr double keepHiddenIntervalSeconds = FrictionOutcome::keepHiddenIntervalSeconds;
    static constexpr int keepHiddenRounds = FrictionOutcome::keepHiddenRounds;
    static constexpr int confessionMinimumLength = 40;
    static constexpr std::array<int, 3> countdownSeconds{30, 60, 120};

    // Captures the frontmost application (the one the panel is put over) and
    // asks the bypass controller for the free pass and today's open-anyway
    // count. `onDismiss` asks for the panel to go away.
    FrictionViewModel(std::shared_ptr<TriggerEvent> event, std::shared_ptr<Streak> streak,
                      Services services, std::function<void()> onDismiss,
                      QObject *parent = nullptr);
    ~FrictionViewModel() override;
    Q_DISABLE_COPY_MOVE(FrictionViewModel)

    // Each later open-anyway of the day waits longer: 30, 60, then 120 s.
    static int countdownDurationFor(int openAnywayCountToday);
    // User-perceived characters (grapheme clusters) once blanks and line
    // breaks are trimmed from both ends.
    static int confessionLength(const QString &confession);

    const std::shared_ptr<TriggerEvent> &event() const { return m_event; }
    const std::shared_ptr<Streak> &streak() const { return m_streak; }
    StrictnessMode mode() const { return m_mode; }
    int days() const { return m_days; }
    int countdownDuration() const { return m_countdownDuration; }
    // The trigger came from a link opened in another application and the
    // streak lets such links through.
    bool canUseExternalLink() const { return m_canUseExternalLink; }
    // The window the panel was put over, unless it was one of this application's.
    const std::optional<platform::ApplicationWindow> &presentedOver() const
    {
        return m_presentedOver;
    }

    const QString &reflectionText() const { return m_reflectionText; }
    void setReflectionText(const QString &text);
    bool isButtonsDisabled() const { return m_isButtonsDisabled; }
    bool isBrutalActive() const { return m_isBrutalActive; }
    const QString &brutalConfession() const { return m_brutalConfession; }
    void setBrutalConfession(const QString &text);
    int countdownRemaining() const { return m_countdownRemaining; }
    bool isFirmActive() const { return m_isFirmActive; }
    const FrictionFeedbackState &feedback() const { return m_feedback; }
    bool isResetPlaying() const { return m_isResetPlaying; }
    bool canUseFreePass() const { return m_canUseFreePass; }
    bool hasCommittedOutcome() const { return m_hasCommittedOutcome; }
    // Characters still missing from the confession; 0 or less when enough.
    int confessionRemaining() const;
    // The countdown is over and the confession is long enough.
    bool isConfessionReady() const;
    bool isCancelled() const { return m_cancelled; }

    // Locks every button for a second; the controller calls it once the panel shows.
    void startLockout();

    // The buttons. Each does nothing during the lockout, once an outcome was
    // committed, or after cancel(), unless said otherwise.
    void stepBack();
    // The open-anyway button: at once in gentle mode, the countdown in firm
    // mode, the confession in brutal mode.
    void requestOpenAnyway();
    // Opens the target and breaks the streak. Not held by the lockout: the
    // firm countdown and the confession end here.
    void openAnyway();
    void startFirmCountdown();
    // Back to the buttons; the reflection typed so far stays.
    void cancelFirmCountdown();
    void startBrutalFlow();
    void cancelBrutal();
    // Needs the countdown over and a confession long enough; stores it as
    // the event's why-answer and opens the target.
    void submitBrutalConfession();
    void pauseOneHour();
    void useFreePass();
    void openWithoutCounting();

    // Stores the trimmed text as the event's why-answer; blank text stores nothing.
    void persistWhyAnswer(const QString &text);

    // The panel is gone or replaced: every pending wait and delayed action is
    // dropped (no countdown completes, nothing is dismissed) and later calls
    // do nothing. A step back already under way is recorded at once.
    void cancel();

signals:
    // The user chose to step back and the step is on its way: from here on
    // the panel's own card is all that should stand over the application.
    void stepBackStarted();
    void reflectionTextChanged();
    void isButtonsDisabledChanged();
    void isBrutalActiveChanged();
    void brutalConfessionChanged();
    void countdownRemainingChanged();
    void isFirmActiveChanged();
    void feedbackChanged();
    void isResetPlayingChanged();
    void hasCommittedOutcomeChanged();
    void confessionRemainingChanged();
    void isConfessionReadyChanged();

private:
    bool mayAct() const;
    void commitOutcome();
    void commitBypass(TriggerOutcome outcome);
    void completeFirmCountdown();
    void startCountdown(std::function<void()> completion);
    void tickCountdown(std::function<void()> completion);
    void stopCountdown();
    void finishStepBack(bool success);

    void setIsButtonsDisabled(bool value);
    void setIsBrutalActive(bool value);
    void setCountdownRemaining(int value);
    void setIsFirmActive(bool value);
    void setFeedback(const FrictionFeedbackState &value);
    void setIsResetPlaying(bool value);
    void setHasCommittedOutcome(bool value);
    // Publishes the confession's derived values after either input changed.
    void updateConfession();

    const std::shared_ptr<TriggerEvent> m_event;
    const std::shared_ptr<Streak> m_streak;
    Services m_services;
    std::optional<platform::ApplicationWindow> m_presentedOver;
    StrictnessMode m_mode = StrictnessMode::firm;
    int m_days = 0;
    int m_countdownDuration = countdownSeconds[0];
    bool m_canUseExternalLink = false;

    QString m_reflectionText;
    bool m_isButtonsDisabled = true;
    bool m_isBrutalActive = false;
    QString m_brutalConfession;
    int m_countdownRemaining = 0;
    bool m_isFirmActive = false;
    FrictionFeedbackState m_feedback;
    bool m_isResetPlaying = false;
    bool m_canUseFreePass = false;
    bool m_hasCommittedOutcome = false;
    int m_confessionRemaining = confessionMinimumLength;
    bool m_isConfessionReady = false;

    bool m_cancelled = false;
    // Waits of the panel's own (lockout, countdown, failure line, reset);
    // the outcome has its own.
    TimerGroup m_timers;
    std::shared_ptr<platform::ScheduledTimer> m_lockoutTimer;
    std::shared_ptr<platform::ScheduledTimer> m_countdownTimer;
    // Set up once the application in front is known.
    std::unique_ptr<FrictionOutcome> m_outcome;
};

} // namespace halvex
