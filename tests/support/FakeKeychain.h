#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QFuture>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPromise>
#include <QString>
#include <QStringList>

#include "platform/Keychain.h"

namespace testing {

// A keychain in memory. Items are keyed by (service, account); each kind of
// call can be made to fail with a set status, and every call is recorded.
// Calls answer at once, or, while answers are held, only when the test hands
// them out: the keychain's work happens then, as a slow service does it.
class FakeKeychain final : public platform::Keychain {
public:
    using Key = QPair<QString, QString>; // service, account

    QFuture<ReadResult> read(const QString &service, const QString &account) override
    {
        calls << QStringLiteral("read ") + service + u' ' + account;
        return answer<ReadResult>([this, key = Key{service, account}]() -> ReadResult {
            if (readStatus != platform::KeychainStatus::success)
                return platform::unexpected(readStatus);
            const auto it = items.constFind(key);
            if (it == items.cend())
                return platform::unexpected(platform::KeychainStatus::itemNotFound);
            return *it;
        });
    }

    QFuture<platform::KeychainStatus> write(const QString &service, const QString &account,
                                            const QByteArray &data) override
    {
        calls << QStringLiteral("write ") + service + u' ' + account;
        return answer<platform::KeychainStatus>([this, key = Key{service, account}, data] {
            if (writeStatus == platform::KeychainStatus::success)
                items.insert(key, data);
            return writeStatus;
        });
    }

    QFuture<platform::KeychainStatus> remove(const QString &service,
                                             const QString &account) override
    {
        calls << QStringLiteral("remove ") + service + u' ' + account;
        return answer<platform::KeychainStatus>([this, key = Key{service, account}] {
            if (removeStatus != platform::KeychainStatus::success)
                return removeStatus;
            return items.remove(key) ? platform::KeychainStatus::success
                                     : platform::KeychainStatus::itemNotFound;
        });
    }

    // Answers the held calls, in the order they were made; how many there were.
    int answerHeld()
    {
        const QList<std::function<void()>> held = std::exchange(m_held, {});
        for (const auto &answer : held)
            answer();
        return int(held.size());
    }

    QMap<Key, QByteArray> items;
    // What read, write and remove answer instead of doing their work.
    platform::KeychainStatus readStatus = platform::KeychainStatus::success;
    platform::KeychainStatus writeStatus = platform::KeychainStatus::success;
    platform::KeychainStatus removeStatus = platform::KeychainStatus::success;
    // While set, calls wait for answerHeld().
    bool holdAnswers = false;
    // "read|write|remove <service> <account>", in order.
    QStringList calls;

private:
    template <class T> QFuture<T> answer(std::function<T()> work)
    {
        auto promise = std::make_shared<QPromise<T>>();
        promise->start();
        auto settle = [promise, work = std::move(work)] {
            promise->addResult(work());
            promise->finish();
        };
        if (holdAnswers)
            m_held << settle;
        else
            settle();
        return promise->future();
    }

    QList<std::function<void()>> m_held;
};

} // namespace testing
