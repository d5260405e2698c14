#pragma once

#include <chrono>

#include "platform/Keychain.h"

namespace platform {

// The keychain over the desktop's Secret Service (QtKeychain, which loads
// libsecret at run time). Each call waits for the service's answer in a local
// event loop, so an application object must exist, and gives up after a
// bounded wait: a desktop without a keyring must not hold up its caller.
class SecretServiceKeychain final : public Keychain {
public:
    static constexpr std::chrono::milliseconds defaultWait{3000};

    explicit SecretServiceKeychain(std::chrono::milliseconds wait = defaultWait)
        : m_wait(wait)
    {}

    Expected<QByteArray, KeychainStatus> read(const QString &service,
                                              const QString &account) override;
    KeychainStatus write(const QString &service, const QString &account,
                         const QByteArray &data) override;
    KeychainStatus remove(const QString &service, const QString &account) override;

private:
    std::chrono::milliseconds m_wait;
};

} // namespace platform
