#include "kit/UpdateChecker.h"

#include <QPointer>

#include "kit/AppVersion.h"
#include "platform/TimerScheduler.h"

namespace fennimar {

UpdateChecker::UpdateChecker(UpdateProbing &updates, const QString &installedVersion,
                             platform::TimerScheduler &scheduler, QObject *parent)
    : QObject(parent)
    , m_updates(updates)
    , m_installedVersion(installedVersion)
    , m_scheduler(scheduler)
{}

UpdateChecker &UpdateChecker::shared()
{
    // Lives as long as the process, beyond the application object.
    static auto *checker = new UpdateChecker(SparkleFacade::shared(), AppVersion::current(),
                                             platform::TimerScheduler::live());
    return *checker;
}

UpdateChecker::~UpdateChecker()
{
    cancelTimeout();
}

void UpdateChecker::check()
{
    if (qEnvironmentVariableIsSet(stubVariable)) {
        const QString stub = qEnvironmentVariable(stubVariable);
        if (stub == u"available")
            setState(State::updateAvailable(m_installedVersion));
        else if (stub == u"failed")
            setState(State::failed());
        else
            setState(State::upToDate(m_installedVersion));
        return;
    }

    setState(State::checking());
    cancelTimeout();
    const quint64 generation = ++m_probeGeneration;
    const QPointer<UpdateChecker> self(this);
    m_probeTimeout = m_scheduler.scheduleOnce(probeTimeoutSeconds, [self, generation] {
        if (!self || self->m_probeGeneration != generation)
            return;
        self->m_probeTimeout.reset();
        if (self->m_state == State::checking()) {
            // A late answer must not overwrite the failure.
            ++self->m_probeGeneration;
            self->m_updates.dropProbeCompletion();
            self->setState(State::failed());
        }
    });
    m_updates.probe([self, generation](const UpdateProbeOutcome &outcome) {
        if (self && self->m_probeGeneration == generation)
            self->handleProbeOutcome(outcome);
    });
}

void UpdateChecker::handleProbeOutcome(const UpdateProbeOutcome &outcome)
{
    cancelTimeout();
    switch (outcome.kind) {
    case UpdateProbeOutcome::Kind::upToDate:
        setState(State::upToDate(m_installedVersion));
        break;
    case UpdateProbeOutcome::Kind::updateAvailable:
        setState(State::updateAvailable(outcome.version));
        break;
    case UpdateProbeOutcome::Kind::failed:
        setState(State::failed());
        break;
    }
}

void UpdateChecker::presentUpdater()
{
    m_updates.checkForUpdatesNow();
    setState(State::idle());
}

void UpdateChecker::reset()
{
    cancelTimeout();
    ++m_probeGeneration;
    m_updates.dropProbeCompletion();
    setState(State::idle());
}

void UpdateChecker::cancelTimeout()
{
    if (m_probeTimeout)
        m_probeTimeout->invalidate();
    m_probeTimeout.reset();
}

void UpdateChecker::setState(const State &state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(m_state);
}

} // namespace fennimar
