#pragma once

#include <memory>
#include <optional>

#include <QObject>
#include <QString>

class QLocalServer;
class QLockFile;

namespace halvex {

// One running Halvex per user: two would watch the desktop twice and put up
// every panel twice. The first process holds a lock file in the user's
// runtime folder for its whole life and listens on a local socket beside it;
// a later one finds the lock taken, asks the first over the socket to show
// itself and is told to step aside. A lock or socket left by a process that
// died is cleared by the next first process. Main thread only.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Role { first, second };

    static constexpr const char *revealRequest = "reveal\n";
    // "window <name>\n": a driver of a run for tests and benchmarks asks
    // for one of the windows; only a run started for that acts on it.
    static constexpr const char *windowRequestPrefix = "window ";

    // `folder` is the user's runtime folder, `name` this application's.
    SingleInstance(QString folder, QString name, QObject *parent = nullptr);
    ~SingleInstance() override;
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // The runtime folder of this user.
    static QString runtimeFolder();

    // Decides once. A second process has asked the first to show itself by
    // the time this returns. When the folder cannot hold a lock, the process
    // runs as the first, unguarded, and says so in the log.
    Role claim();

    QString lockPath() const;
    QString socketPath() const;

signals:
    // A later launch asked this one to show itself.
    void revealRequested();
    // Something asked for the window `name` (see windowRequestPrefix).
    void windowRequested(const QString &name);

private:
    Role decide();
    bool listen();
    void askFirstToReveal() const;
    void acceptConnections();

    QString m_folder;
    QString m_name;
    std::optional<Role> m_role;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace halvex
