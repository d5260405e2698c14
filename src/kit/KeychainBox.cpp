#include "kit/KeychainBox.h"

namespace fennimar {

using platform::KeychainStatus;

QFuture<std::optional<QByteArray>> KeychainBox::read(const QString &account) const
{
    return lookup(account).then([](const Lookup &found) -> std::optional<QByteArray> {
        if (!found)
            return std::nullopt;
        return found.value();
    });
}

QFuture<KeychainBox::Lookup> KeychainBox::lookup(const QString &account) const
{
    return m_keychain->read(m_service, account)
        .then([](const platform::Keychain::ReadResult &data) -> Lookup {
            if (!data)
                return platform::unexpected(KeychainError{data.error()});
            return data.value();
        });
}

QFuture<KeychainBox::Done> KeychainBox::write(const QByteArray &data, const QString &account)
{
    return m_keychain->write(m_service, account, data).then([](KeychainStatus status) -> Done {
        if (status != KeychainStatus::success)
            return platform::unexpected(KeychainError{status});
        return {};
    });
}

QFuture<KeychainBox::Done> KeychainBox::remove(const QString &account)
{
    return m_keychain->remove(m_service, account).then([](KeychainStatus status) -> Done {
        if (status != KeychainStatus::success && status != KeychainStatus::itemNotFound)
            return platform::unexpected(KeychainError{status});
        return {};
    });
}

} // namespace fennimar
