#include "kit/KeychainBox.h"

namespace fennimar {

using platform::KeychainStatus;

std::optional<QByteArray> KeychainBox::read(const QString &account) const
{
    auto data = m_keychain->read(m_service, account);
    if (!data)
        return std::nullopt;
    return std::move(data).value();
}

platform::Expected<void, KeychainError> KeychainBox::write(const QByteArray &data,
                                                           const QString &account)
{
    if (auto removed = remove(account); !removed)
        return removed;
    const KeychainStatus status = m_keychain->write(m_service, account, data);
    if (status != KeychainStatus::success)
        return platform::unexpected(KeychainError{status});
    return {};
}

platform::Expected<void, KeychainError> KeychainBox::remove(const QString &account)
{
    const KeychainStatus status = m_keychain->remove(m_service, account);
    if (status != KeychainStatus::success && status != KeychainStatus::itemNotFound)
        return platform::unexpected(KeychainError{status});
    return {};
}

} // namespace fennimar
