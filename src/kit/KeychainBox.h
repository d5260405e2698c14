#pragma once

#include <optional>

#include <QByteArray>
#include <QFuture>
#include <QString>

#include "platform/Expected.h"
#include "platform/Keychain.h"

namespace fennimar {

// A keychain call that failed, with the keychain's status.
struct KeychainError final {
    platform::KeychainStatus osStatus = platform::KeychainStatus::failed;
    bool operator==(const KeychainError &) const = default;
};

// The generic-password items of one service, by account name. Every call
// answers through its future, never blocking the caller.
class KeychainBox final {
public:
    using Done = platform::Expected<void, KeychainError>;
    using Lookup = platform::Expected<QByteArray, KeychainError>;

    KeychainBox(QString service, platform::Keychain &keychain)
        : m_service(std::move(service))
        , m_keychain(&keychain)
    {}

    const QString &service() const { return m_service; }

    // Nothing when the item is missing or cannot be read.
    QFuture<std::optional<QByteArray>> read(const QString &account) const;
    // The item, or why there is none: itemNotFound only when the keychain
    // answered that it has no such item.
    QFuture<Lookup> lookup(const QString &account) const;
    // Replaces the item in one step. Deleting it first would leave nothing
    // stored when the store then fails, and a delete that reaches a slow
    // keyring late would take away what was stored meanwhile.
    QFuture<Done> write(const QByteArray &data, const QString &account);
    // Deleting an item that is not there succeeds.
    QFuture<Done> remove(const QString &account);

private:
    QString m_service;
    platform::Keychain *m_keychain;
};

} // namespace fennimar
