#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <memory>

#include <QObject>

#include "platform/Keychain.h"

namespace QKeychain {
class Job;
}

namespace platform {

// The keychain over the desktop's Secret Service (QtKeychain, which loads
// libsecret at run time). Requests go to the service one at a time, from the
// event loop, so an application object must exist. Each answers within the
// wait: a desktop whose keyring is locked, prompting or gone silent holds up
// nobody. A request still waiting for its turn when its wait ends is never
// sent, so it cannot delete or replace anything after its caller moved on;
// one already with the service may still take effect when the service comes
// back, so callers send only what is harmless late.
class SecretServiceKeychain final : public Keychain {
public:
    static constexpr std::chrono::milliseconds defaultWait{3000};

    explicit SecretServiceKeychain(std::chrono::milliseconds wait = defaultWait);
    ~SecretServiceKeychain() override;
    SecretServiceKeychain(const SecretServiceKeychain &) = delete;
    SecretServiceKeychain &operator=(const SecretServiceKeychain &) = delete;

    QFuture<ReadResult> read(const QString &service, const QString &account) override;
    QFuture<KeychainStatus> write(const QString &service, const QString &account,
                                  const QByteArray &data) override;
    QFuture<KeychainStatus> remove(const QString &service, const QString &account) override;

private:
    struct Request {
        std::function<QKeychain::Job *()> makeJob;
        std::function<void(KeychainStatus, const QByteArray &)> answer;
        bool answered = false;

        void settle(KeychainStatus status, const QByteArray &data = {});
    };

    void submit(std::function<QKeychain::Job *()> makeJob,
                std::function<void(KeychainStatus, const QByteArray &)> answer);
    void startNext();
    void settleFailure(const std::shared_ptr<Request> &request);

    std::chrono::milliseconds m_wait;
    // Timers and job connections end with it.
    std::unique_ptr<QObject> m_context;
    std::deque<std::shared_ptr<Request>> m_queue;
    // A job is with the service; it stays so until the service answers.
    bool m_busy = false;
};

} // namespace platform
