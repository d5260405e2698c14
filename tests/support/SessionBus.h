#pragma once

#include <optional>

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace testing {

// A private D-Bus session bus: a dbus-daemon of its own, run from a
// configuration written here, stopped when this goes. Without activation it
// knows no service directories, so a name nobody owns stays unowned (the
// desktop's notification server or keyring would otherwise be started on the
// first call to them); with standard activation it reads the usual ones.
class SessionBus final {
public:
    enum class Activation { none, standard };

    SessionBus() = default;
    ~SessionBus();
    SessionBus(const SessionBus &) = delete;
    SessionBus &operator=(const SessionBus &) = delete;

    // Empty once the bus answers; otherwise why not. Needs no application object.
    QString start(Activation activation = Activation::none);
    void stop();

    bool isRunning() const { return !m_address.isEmpty(); }
    Activation activation() const { return m_activation; }
    QString address() const { return m_address; }
    // A connection of the caller's own to this bus, whatever this process's
    // session bus is.
    QDBusConnection connection() const;
    // The bus's identity (org.freedesktop.DBus.GetId), to tell buses apart.
    QString id(const QDBusConnection &connection) const;

    // Whether the name has an owner now; asking does not activate it.
    bool hasOwner(const QString &name) const;
    // Waits, bounded, until the name has an owner.
    bool waitForOwner(const QString &name, int timeoutMs = 15000) const;
    std::optional<qint64> ownerProcessIdentifier(const QString &name) const;

    // The bus this process's own session connection goes to, when one was
    // started for it (see DesktopHarness::run); null otherwise.
    static SessionBus *ofProcess();
    static void setOfProcess(SessionBus *bus);

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QString m_connectionName;
    Activation m_activation = Activation::none;
};

} // namespace testing
