#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "platform/Expected.h"
#include "platform/Keychain.h"

namespace fennimar {

// A keychain call that failed, with the keychain's status.
struct KeychainError final {
    platform::KeychainStatus osStatus = platform::KeychainStatus::failed;
    bool operator==(const KeychainError &) const = default;
};

// The generic-password items of one service, by account name.
class KeychainBox final {
public:
    KeychainBox(QString service, platform::Keychain &keychain)
        : m_service(std::move(service))
        , m_keychain(&keychain)
    {}

    const QString &service() const { return m_service; }

    // Nothing when the item is missing or cannot be read.
    std::optional<QByteArray> read(const QString &account) const;
    // Deletes the old item first, then stores the new one.
    platform::Expected<void, KeychainError> write(const QByteArray &data, const QString &account);
    // Deleting an item that is not there succeeds.
    platform::Expected<void, KeychainError> remove(const QString &account);

private:
    QString m_service;
    platform::Keychain *m_keychain;
};

} // namespace fennimar
