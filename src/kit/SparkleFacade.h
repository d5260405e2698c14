#pragma once

#include <functional>
#include <memory>

#include <QString>

namespace platform {
class Logger;
}

namespace fennimar {

// The answer to a silent "is there a newer version?" question.
struct UpdateProbeOutcome {
    enum class Kind { updateAvailable, upToDate, failed };
    Kind kind = Kind::failed;
    // The offered version's display string, for updateAvailable.
    QString version;

    static UpdateProbeOutcome updateAvailable(const QString &version)
    {
        return {Kind::updateAvailable, version};
    }
    static UpdateProbeOutcome upToDate() { return {Kind::upToDate, {}}; }
    static UpdateProbeOutcome failed() { return {Kind::failed, {}}; }
    friend bool operator==(const UpdateProbeOutcome &, const UpdateProbeOutcome &) = default;
};

// What the update checker asks of an update framework.
class UpdateProbing {
public:
    using Completion = std::function<void(const UpdateProbeOutcome &)>;
    virtual ~UpdateProbing() = default;
    // Asks for update information without any window; the completion gets
    // one answer, unless a newer probe or dropProbeCompletion() replaces it.
    virtual void probe(Completion completion) = 0;
    virtual void dropProbeCompletion() = 0;
    // A check the user asked for, with the framework's own windows.
    virtual void checkForUpdatesNow() = 0;
};

// The facade over the application's update framework. Linux has none to
// run: updates come from the package manager, so the facade never has an
// updater. Probes answer failed at once, user-initiated checks do nothing,
// and automatic checks read false. Main thread only.
class SparkleFacade final : public UpdateProbing {
public:
    SparkleFacade();
    ~SparkleFacade() override;
    Q_DISABLE_COPY_MOVE(SparkleFacade)

    static SparkleFacade &shared();

    // The application's one-time set-up and launch check; here it only
    // says, once, where updates come from.
    void start(const QString &bundleIdentifier);
    bool isStarted() const { return m_started; }

    void probe(Completion completion) override;
    void dropProbeCompletion() override {}
    void checkForUpdatesNow() override {}

    bool automaticallyChecksForUpdates() const { return false; }
    void setAutomaticallyChecksForUpdates(bool) {}

private:
    bool m_started = false;
    // Under the bundle identifier once started.
    std::unique_ptr<platform::Logger> m_logger;
};

namespace UpdateChecks {
// The command behind a "Check for Updates…" item.
void checkNow();
} // namespace UpdateChecks

} // namespace fennimar
