#include "platform/SecretServiceKeychain.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPromise>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace platform {

namespace {

KeychainStatus statusOf(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError:
        return KeychainStatus::success;
    case QKeychain::EntryNotFound:
        return KeychainStatus::itemNotFound;
    case QKeychain::AccessDeniedByUser:
    case QKeychain::AccessDenied:
        return KeychainStatus::accessDenied;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return KeychainStatus::unavailable;
    case QKeychain::CouldNotDeleteEntry:
    case QKeychain::OtherError:
        break;
    }
    return KeychainStatus::failed;
}

const QString secretServiceName = QStringLiteral("org.freedesktop.secrets");

template <class T> void fulfil(QPromise<T> &promise, T value)
{
    promise.addResult(std::move(value));
    promise.finish();
}

} // namespace

void SecretServiceKeychain::Request::settle(KeychainStatus status, const QByteArray &data)
{
    if (answered)
        return;
    answered = true;
    answer(status, data);
}

SecretServiceKeychain::SecretServiceKeychain(std::chrono::milliseconds wait)
    : m_wait(wait)
    , m_context(std::make_unique<QObject>())
{}

SecretServiceKeychain::~SecretServiceKeychain() = default;

QFuture<Keychain::ReadResult> SecretServiceKeychain::read(const QString &service,
                                                          const QString &account)
{
    auto promise = std::make_shared<QPromise<ReadResult>>();
    promise->start();
    submit(
        [service, account] {
            auto *job = new QKeychain::ReadPasswordJob(service);
            job->setKey(account);
            return job;
        },
        [promise](KeychainStatus status, const QByteArray &data) {
            fulfil(*promise, status == KeychainStatus::success ? ReadResult(data)
                                                               : ReadResult(unexpected(status)));
        });
    return promise->future();
}

QFuture<KeychainStatus> SecretServiceKeychain::write(const QString &service, const QString &account,
                                                     const QByteArray &data)
{
    auto promise = std::make_shared<QPromise<KeychainStatus>>();
    promise->start();
    submit(
        [service, account, data] {
            auto *job = new QKeychain::WritePasswordJob(service);
            job->setKey(account);
            job->setBinaryData(data);
            return job;
        },
        [promise](KeychainStatus status, const QByteArray &) { fulfil(*promise, status); });
    return promise->future();
}

QFuture<KeychainStatus> SecretServiceKeychain::remove(const QString &service,
                                                      const QString &account)
{
    auto promise = std::make_shared<QPromise<KeychainStatus>>();
    promise->start();
    submit(
        [service, account] {
            auto *job = new QKeychain::DeletePasswordJob(service);
            job->setKey(account);
            return job;
        },
        [promise](KeychainStatus status, const QByteArray &) { fulfil(*promise, status); });
    return promise->future();
}

void SecretServiceKeychain::submit(std::function<QKeychain::Job *()> makeJob,
                                   std::function<void(KeychainStatus, const QByteArray &)> answer)
{
    auto request = std::make_shared<Request>(Request{std::move(makeJob), std::move(answer)});
    if (!QCoreApplication::instance()) {
        request->settle(KeychainStatus::unavailable);
        return;
    }
    QTimer::singleShot(m_wait, m_context.get(),
                       [request] { request->settle(KeychainStatus::timedOut); });
    m_queue.push_back(request);
    // From the event loop: the caller's own work comes first.
    QMetaObject::invokeMethod(
        m_context.get(), [this] { startNext(); }, Qt::QueuedConnection);
}

void SecretServiceKeychain::startNext()
{
    while (!m_busy && !m_queue.empty()) {
        const std::shared_ptr<Request> request = m_queue.front();
        m_queue.pop_front();
        // Its caller has its answer already: sending it now could only act late.
        if (request->answered)
            continue;
        QKeychain::Job *job = request->makeJob();
        // The job deletes itself once it finishes, also when that happens
        // after the request's wait: a service that answers late must not
        // find its job gone.
        job->setAutoDelete(true);
        m_busy = true;
        QObject::connect(job, &QKeychain::Job::finished, m_context.get(),
                         [this, request](QKeychain::Job *finished) {
                             QByteArray data;
                             if (auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(finished))
                                 data = read->binaryData();
                             const KeychainStatus status = statusOf(finished->error());
                             if (status == KeychainStatus::failed)
                                 settleFailure(request);
                             else
                                 request->settle(status, data);
                             m_busy = false;
                             startNext();
                         });
        job->start();
    }
}

void SecretServiceKeychain::settleFailure(const std::shared_ptr<Request> &request)
{
    // libsecret reports a desktop without any Secret Service as a failure
    // like any other; the bus tells that case apart. Nobody owns the name
    // after the call (which would have started an installed service).
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        request->settle(KeychainStatus::unavailable);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    call << secretServiceName;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), m_context.get());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, m_context.get(),
                     [request](QDBusPendingCallWatcher *answered) {
                         answered->deleteLater();
                         const QDBusPendingReply<bool> owned = *answered;
                         request->settle(owned.isValid() && !owned.value()
                                             ? KeychainStatus::unavailable
                                             : KeychainStatus::failed);
                     });
}

} // namespace platform
