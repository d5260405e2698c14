#pragma once

#include <QString>

#include "platform/Keychain.h"

namespace fennimar {

// A random identity per install, made the first time it is asked for and kept
// in the user's keychain (service "<bundle id>.identity", account
// "installId"), so that the backend can tell installs apart and nothing more.
class InstallID final {
public:
    InstallID() = delete;

    static inline const QString account = QStringLiteral("installId");

    // Never fails: when the keychain cannot be read, a new identity is made
    // and stored; when it cannot be stored either, the new identity is still
    // returned, and the next call makes another. Nothing is cached here.
    static QString current(const QString &bundleId, platform::Keychain &keychain);

    static QString service(const QString &bundleId) { return bundleId + u".identity"; }
};

} // namespace fennimar
