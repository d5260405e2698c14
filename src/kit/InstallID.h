#pragma once

#include <QFuture>
#include <QString>

#include "platform/Keychain.h"

namespace platform {
class UserDefaults;
}

namespace fennimar {

// A random identity per install, made the first time it is asked for and kept
// in the user's keychain (service "<bundle id>.identity", account
// "installId"), so that the backend can tell installs apart and nothing more.
class InstallID final {
public:
    InstallID() = delete;

    static inline const QString account = QStringLiteral("installId");

    // Asks the keychain once and never fails. The stored identity when there
    // is one. Otherwise a copy kept in the defaults, where an earlier run put
    // it because the keychain could not keep it: asking again would bring
    // the desktop's keyring prompt back on every launch. Otherwise a new
    // identity, stored in the keychain only when the keychain answered that
    // it holds none (or holds bytes that are no text): a keyring that is
    // locked, slow or refusing may hold the real one, which must survive.
    // A new one the keychain did not take is kept in the defaults; one made
    // while the keyring is locked or slow lives for this run only. The
    // future finishes once the identity is kept wherever it can be.
    static QFuture<QString> current(const QString &bundleId, platform::Keychain &keychain,
                                    platform::UserDefaults &defaults);

    static QString service(const QString &bundleId) { return bundleId + u".identity"; }
    static QString defaultsKey(const QString &bundleId)
    {
        return QStringLiteral("fennimarkit.installId.") + bundleId;
    }
};

} // namespace fennimar
