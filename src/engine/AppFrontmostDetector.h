#pragma once

#include <memory>

#include "engine/FrontmostDetecting.h"
#include "platform/TimerScheduler.h"
#include "platform/Workspace.h"

namespace halvex {

// Reports the front application from two sources: the workspace's activation
// signal, which is immediate, and a poll of its front application, which
// catches changes no activation announced. Only a change of bundle
// identifier is reported, so repeats from either source stay silent.
class AppFrontmostDetector final : public FrontmostDetecting {
    Q_OBJECT
public:
    static constexpr double defaultPollInterval = 5.0;

    explicit AppFrontmostDetector(
        platform::Workspace &workspace,
        platform::TimerScheduler &scheduler = platform::TimerScheduler::live(),
        double pollInterval = defaultPollInterval, QObject *parent = nullptr);
    ~AppFrontmostDetector() override;
    Q_DISABLE_COPY_MOVE(AppFrontmostDetector)

    std::optional<platform::RunningApplication> current() const override { return m_current; }
    // Starting again while watching does nothing: a second observer and poll
    // would outlive the stop() meant to end them.
    void start() override;
    void stop() override;
    bool isWatching() const override { return m_watching; }

    // One poll tick: looks at the workspace's front application now.
    void poll();
    double pollInterval() const { return m_pollInterval; }

private:
    void schedulePoll();
    void emitIfChanged(const std::optional<platform::RunningApplication> &application);

    platform::Workspace &m_workspace;
    platform::TimerScheduler &m_scheduler;
    const double m_pollInterval;
    QMetaObject::Connection m_activationObserver;
    std::shared_ptr<platform::ScheduledTimer> m_pollTimer;
    bool m_watching = false;
    std::optional<platform::RunningApplication> m_current;
    // Kept across stop() and start(): a restart with the same application in
    // front reports nothing.
    std::optional<QString> m_lastEmittedBundleId;
};

} // namespace halvex
