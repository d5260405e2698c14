#pragma once

#include <QByteArray>
#include <QFuture>
#include <QString>

#include "platform/Expected.h"

namespace platform {

// How one keychain call ended.
enum class KeychainStatus {
    success,
    itemNotFound,
    accessDenied,
    // No keychain service answers on this desktop.
    unavailable,
    // The service did not answer within the wait the keychain allows itself.
    timedOut,
    failed,
};

// Secrets kept by the desktop for this user: generic-password items named by
// a service and an account, holding bytes. No call blocks its caller: each
// answers through its future, on the main thread, within the keychain's own
// wait at most.
class Keychain {
public:
    using ReadResult = Expected<QByteArray, KeychainStatus>;

    virtual ~Keychain() = default;

    virtual QFuture<ReadResult> read(const QString &service, const QString &account) = 0;
    // Stores the data under the name, replacing what was there in one step.
    virtual QFuture<KeychainStatus> write(const QString &service, const QString &account,
                                          const QByteArray &data) = 0;
    // A missing item gives itemNotFound.
    virtual QFuture<KeychainStatus> remove(const QString &service, const QString &account) = 0;
};

} // namespace platform
