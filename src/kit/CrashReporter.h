#pragma once

#include <memory>

#include <QList>
#include <QMutex>
#include <QString>

#include "kit/AppConfig.h"
#include "kit/CrashPayload.h"
#include "kit/CrashUploader.h"

namespace fennimar {

// Leaves one crash record on disk when the process dies of an uncaught
// exception or a fatal signal. One reporter is current per process; the
// handlers read it.
class CrashReporter final {
public:
    // The install identity is read by the caller, once: a dying process
    // cannot ask the keychain. It may come later (setInstallId); a record
    // made before it came carries an empty one.
    CrashReporter(const AppConfig &config, std::unique_ptr<CrashUploader> uploader,
                  const QString &installId);
    Q_DISABLE_COPY_MOVE(CrashReporter)

    const AppConfig &config() const { return m_config; }
    QString installId() const;
    // Also into what the signal handler writes, when this reporter is current.
    void setInstallId(const QString &installId);
    CrashUploader &uploader() const { return *m_uploader; }

    // Makes the reporter the process-wide current one, replacing (and
    // destroying) any earlier one, and returns it.
    static CrashReporter &makeCurrent(std::unique_ptr<CrashReporter> reporter);
    static CrashReporter *current();

    // An uncaught exception writes an exception record, then the runtime's
    // usual termination (abort) follows.
    static void installExceptionHandler();
    // SIGABRT, SIGILL, SIGSEGV, SIGFPE, SIGBUS and SIGPIPE write a signal
    // record, then end the process by the same signal. Prepares everything
    // the handler needs from the current reporter and the launch facts, so
    // install after both are in place.
    static void installSignalHandlers();

    // The exception record of a crash happening now.
    CrashPayload exceptionRecord(const QString &name, const QString &reason,
                                 const QList<quint64> &returnAddresses) const;
    // Writes the record of an uncaught exception when a reporter is current.
    static void handleException(const QString &name, const QString &reason,
                                const QList<quint64> &returnAddresses);
    // The signal handler: writes a signal record when a reporter is current,
    // restores the default action and raises the signal again.
    static void handleSignal(int signal);

private:
    AppConfig m_config;
    std::unique_ptr<CrashUploader> m_uploader;
    mutable QMutex m_installIdMutex;
    QString m_installId;
};

} // namespace fennimar
