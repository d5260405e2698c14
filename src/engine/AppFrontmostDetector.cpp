#include "engine/AppFrontmostDetector.h"

#include <QPointer>

namespace halvex {

namespace {

std::optional<QString> bundleIdOf(const std::optional<platform::RunningApplication> &application)
{
    if (!application || application->bundleIdentifier.isEmpty())
        return std::nullopt;
    return application->bundleIdentifier;
}

} // namespace

AppFrontmostDetector::AppFrontmostDetector(platform::Workspace &workspace,
                                           platform::TimerScheduler &scheduler, double pollInterval,
                                           QObject *parent)
    : FrontmostDetecting(parent)
    , m_workspace(workspace)
    , m_scheduler(scheduler)
    , m_pollInterval(pollInterval)
{}

AppFrontmostDetector::~AppFrontmostDetector()
{
    stop();
}

void AppFrontmostDetector::start()
{
    if (m_watching)
        return;
    m_watching = true;
    // The connection's context is the detector: once it is gone, the
    // workspace's signal reaches nothing.
    m_activationObserver = connect(
        &m_workspace, &platform::Workspace::applicationActivated, this,
        [this](const platform::RunningApplication &application) { emitIfChanged(application); });
    schedulePoll();
    emitIfChanged(m_workspace.frontmostApplication());
}

void AppFrontmostDetector::stop()
{
    if (m_activationObserver)
        disconnect(m_activationObserver);
    m_activationObserver = {};
    if (m_pollTimer)
        m_pollTimer->invalidate();
    m_pollTimer.reset();
    m_watching = false;
}

void AppFrontmostDetector::poll()
{
    emitIfChanged(m_workspace.frontmostApplication());
}

void AppFrontmostDetector::schedulePoll()
{
    QPointer<AppFrontmostDetector> self(this);
    m_pollTimer = m_scheduler.scheduleOnce(m_pollInterval, [self] {
        if (!self)
            return;
        // Re-armed before the tick, so that a listener stopping the detector
        // during the tick cancels the next one.
        self->schedulePoll();
        self->poll();
    });
}

void AppFrontmostDetector::emitIfChanged(
    const std::optional<platform::RunningApplication> &application)
{
    const std::optional<QString> bundleId = bundleIdOf(application);
    if (bundleId == m_lastEmittedBundleId)
        return;
    m_lastEmittedBundleId = bundleId;
    m_current = application;
    emit frontmostChanged(application);
}

} // namespace halvex
