#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include "platform/Keychain.h"

namespace testing {

// A keychain in memory. Items are keyed by (service, account); each kind of
// call can be made to fail with a set status, and every call is recorded.
class FakeKeychain final : public platform::Keychain {
public:
    using Key = QPair<QString, QString>; // service, account

    platform::Expected<QByteArray, platform::KeychainStatus> read(const QString &service,
                                                                  const QString &account) override
    {
        calls << QStringLiteral("read ") + service + u' ' + account;
        if (readStatus != platform::KeychainStatus::success)
            return platform::unexpected(readStatus);
        const auto it = items.constFind({service, account});
        if (it == items.cend())
            return platform::unexpected(platform::KeychainStatus::itemNotFound);
        return *it;
    }

    platform::KeychainStatus write(const QString &service, const QString &account,
                                   const QByteArray &data) override
    {
        calls << QStringLiteral("write ") + service + u' ' + account;
        if (writeStatus == platform::KeychainStatus::success)
            items.insert({service, account}, data);
        return writeStatus;
    }

    platform::KeychainStatus remove(const QString &service, const QString &account) override
    {
        calls << QStringLiteral("remove ") + service + u' ' + account;
        if (removeStatus != platform::KeychainStatus::success)
            return removeStatus;
        return items.remove({service, account}) ? platform::KeychainStatus::success
                                                : platform::KeychainStatus::itemNotFound;
    }

    QMap<Key, QByteArray> items;
    // What read, write and remove answer instead of doing their work.
    platform::KeychainStatus readStatus = platform::KeychainStatus::success;
    platform::KeychainStatus writeStatus = platform::KeychainStatus::success;
    platform::KeychainStatus removeStatus = platform::KeychainStatus::success;
    // "read|write|remove <service> <account>", in order.
    QStringList calls;
};

} // namespace testing
