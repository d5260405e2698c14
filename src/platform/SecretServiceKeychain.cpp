#include "platform/SecretServiceKeychain.h"

#include <memory>

#include <QCoreApplication>
#include <QEventLoop>
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

struct Outcome {
    bool finished = false;
    KeychainStatus status = KeychainStatus::timedOut;
    QByteArray data;
};

// Starts the job and waits for it, at most `wait`. The job deletes itself
// once it finishes, also when that happens after we stopped waiting: a
// service that answers late must not find its job gone.
Outcome run(QKeychain::Job *job, const QString &account, std::chrono::milliseconds wait)
{
    Outcome outcome;
    if (!QCoreApplication::instance()) {
        delete job;
        outcome.status = KeychainStatus::unavailable;
        return outcome;
    }
    job->setAutoDelete(true);
    job->setKey(account);

    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job *finishedJob) {
        outcome.finished = true;
        outcome.status = statusOf(finishedJob->error());
        if (auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(finishedJob))
            outcome.data = read->binaryData();
        loop.quit();
    });
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    job->start();
    if (!outcome.finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return outcome;
}

} // namespace

Expected<QByteArray, KeychainStatus> SecretServiceKeychain::read(const QString &service,
                                                                 const QString &account)
{
    const Outcome outcome = run(new QKeychain::ReadPasswordJob(service), account, m_wait);
    if (outcome.status != KeychainStatus::success)
        return unexpected(outcome.status);
    return outcome.data;
}

KeychainStatus SecretServiceKeychain::write(const QString &service, const QString &account,
                                            const QByteArray &data)
{
    auto *job = new QKeychain::WritePasswordJob(service);
    job->setBinaryData(data);
    return run(job, account, m_wait).status;
}

KeychainStatus SecretServiceKeychain::remove(const QString &service, const QString &account)
{
    return run(new QKeychain::DeletePasswordJob(service), account, m_wait).status;
}

} // namespace platform
