#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QFuture>
#include <QObject>
#include <QString>

#include "browsers/BrowserURLProbe.h"
#include "friction/TimerGroup.h"
#include "model/TriggerEvent.h"
#include "platform/RunningApplications.h"
#include "platform/Workspace.h"
#include "platform/TimerScheduler.h"

namespace halvex {

class BypassController;
class DayClock;
class PersistenceController;
class Streak;
class StreakEngine;

// The long-lived services every friction panel works with, from the composition root.
struct FrictionServices {
    StreakEngine &streakEngine;
    BypassController &bypassController;
    PersistenceController &persistence;
    BrowserProbeTable browserProbes;
    platform::Workspace &workspace;
    const DayClock &dayClock;
    platform::TimerScheduler &scheduler;
};

// What a friction panel's choice does once it is made: it stores the
// why-answer, hands the outcome to the engine, carries out a step back
// (hides every process of the application, or takes the browser's tab back
// or closes it, in the window the blocked page came up in and only while it
// shows that page) and asks for the panel to go. Cancelled with its panel, it
// drops every pending wait; a step back already under way is recorded at
// once. Main thread only.
class FrictionOutcome final : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(bool)>;

    static constexpr double dismissDelaySeconds = 0.3;
    static constexpr double browserSettleSeconds = 0.4;
    static constexpr double keepHiddenIntervalSeconds = 0.12;
    static constexpr int keepHiddenRounds = 12;
    // How long the blocked page's window may take to come to the front, or
    // to leave it, and how often that is looked at meanwhile.
    static constexpr double windowTimeoutSeconds = 2.0;
    static constexpr double windowPollSeconds = 0.1;

    // `presentedOver` is the window the panel was put over: for a page, the
    // window a step back acts in, and its browser when the event names none.
    // `onDismiss` asks for the panel to go away. The services must outlive this.
    FrictionOutcome(std::shared_ptr<TriggerEvent> event, std::shared_ptr<Streak> streak,
                    const FrictionServices &services,
                    std::optional<platform::ApplicationWindow> presentedOver,
                    std::function<void()> onDismiss, QObject *parent = nullptr);
    ~FrictionOutcome() override;
    Q_DISABLE_COPY_MOVE(FrictionOutcome)

    void record(TriggerOutcome outcome);
    // Stores the trimmed text as the event's why-answer; blank text stores nothing.
    void persistWhyAnswer(const QString &text);
    // Steps back. Once the step is done, whether or not it worked, the
    // outcome is recorded and `done` learns whether it worked.
    void stepBack(Completion done);
    // Asks for the panel to go after a short delay.
    void dismissLater();
    void cancel();
    bool isCancelled() const { return m_cancelled; }

private:
    void performStepBack(Completion done);
    void stepBackApplication(const std::optional<QString> &bundleIdentifier, Completion done);
    void stepBackInBrowser(Completion done);
    // Each step on the page runs with its window in front; `then` learns
    // whether it came there (false: gone, or it would not come).
    void withPageInFront(std::function<void(bool)> then);
    void waitForWindow(std::function<bool()> condition, std::function<void(bool)> then,
                       int pollsLeft);
    // Whether the page the read found is one the streak blocks.
    bool stillBlocked(const std::optional<URLReadResult> &read) const;
    void closeTab(const std::shared_ptr<BrowserURLProbe> &probe, const Completion &done);
    // The page can neither go back nor close: its window leaves the front,
    // minimised, with everything in it kept.
    void minimisePage(const Completion &done);
    void keepHidden(const platform::RunningApplication &application);
    // Hands the future's value (none when it was cancelled without one) to
    // work on this thread, unless this is gone or cancelled.
    template <typename T>
    void whenReady(QFuture<T> future, std::function<void(std::optional<T>)> work);

    const std::shared_ptr<TriggerEvent> m_event;
    const std::shared_ptr<Streak> m_streak;
    const FrictionServices &m_services;
    const std::optional<platform::ApplicationWindow> m_presentedOver;
    // For a page: the window it was read in, as the panel came up.
    std::optional<platform::ApplicationWindow> m_pageWindow;
    std::function<void()> m_onDismiss;
    TimerGroup m_timers;
    bool m_cancelled = false;
    // A step back was chosen and its outcome is not recorded yet.
    bool m_stepBackUnderWay = false;
};

} // namespace halvex
