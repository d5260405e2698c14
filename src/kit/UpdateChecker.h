#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "kit/SparkleFacade.h"

namespace platform {
class ScheduledTimer;
class TimerScheduler;
} // namespace platform

namespace fennimar {

// Turns the update framework's silent probe into a state a view can show.
// Every probe is bounded by a timeout; the environment variable
// FNM_UPDATE_PROBE_STUB forces an outcome ("available", "failed", anything
// else up to date) so that tests and screenshots need no network. Main
// thread only.
class UpdateChecker final : public QObject {
    Q_OBJECT
public:
    struct State {
        enum class Kind { upToDate, updateAvailable, idle, checking, failed };
        Kind kind = Kind::idle;
        // The installed version for upToDate; the offered one for updateAvailable.
        QString version;

        static State upToDate(const QString &version) { return {Kind::upToDate, version}; }
        static State updateAvailable(const QString &version)
        {
            return {Kind::updateAvailable, version};
        }
        static State idle() { return {Kind::idle, {}}; }
        static State checking() { return {Kind::checking, {}}; }
        static State failed() { return {Kind::failed, {}}; }
        friend bool operator==(const State &, const State &) = default;
    };

    static constexpr double probeTimeoutSeconds = 20.0;
    static constexpr const char *stubVariable = "FNM_UPDATE_PROBE_STUB";

    UpdateChecker(UpdateProbing &updates, const QString &installedVersion,
                  platform::TimerScheduler &scheduler, QObject *parent = nullptr);
    ~UpdateChecker() override;
    Q_DISABLE_COPY_MOVE(UpdateChecker)

    // The application's checker, over the shared update facade and the
    // installed version, made on first use (an application object must exist).
    static UpdateChecker &shared();

    State state() const { return m_state; }

    // Starts a probe (checking), or applies the stub at once.
    void check();
    // Hands over to the framework's own update check, then idle.
    void presentUpdater();
    // Forgets the running probe and its timeout: idle.
    void reset();

signals:
    void stateChanged(const fennimar::UpdateChecker::State &state);

private:
    void handleProbeOutcome(const UpdateProbeOutcome &outcome);
    void cancelTimeout();
    void setState(const State &state);

    UpdateProbing &m_updates;
    QString m_installedVersion;
    platform::TimerScheduler &m_scheduler;
    State m_state;
    std::shared_ptr<platform::ScheduledTimer> m_probeTimeout;
    // Only the newest probe's answer counts: a reset or a newer check moves it on.
    quint64 m_probeGeneration = 0;
};

} // namespace fennimar
