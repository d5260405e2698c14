#include "platform/DBusUserNotificationCenter.h"

#include <algorithm>
#include <memory>

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPointer>
#include <QPromise>
#include <QVariantMap>

#include "platform/Log.h"

namespace platform {

namespace {

const QString applicationName = QStringLiteral("Halvex");

bool guiApplicationIsActive()
{
    return qGuiApp && QGuiApplication::applicationState() == Qt::ApplicationActive;
}

template <class T> QFuture<T> readyFuture(T value)
{
    QPromise<T> promise;
    promise.start();
    promise.addResult(std::move(value));
    promise.finish();
    return promise.future();
}

} // namespace

DBusUserNotificationCenter::DBusUserNotificationCenter(QDBusConnection connection, int timeoutMs,
                                                       QObject *parent)
    : DBusUserNotificationCenter(Options{}, std::move(connection), timeoutMs, parent)
{}

DBusUserNotificationCenter::DBusUserNotificationCenter(Options options, QDBusConnection connection,
                                                       int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_connection(std::move(connection))
    , m_timeoutMs(timeoutMs)
    , m_clock(options.clock ? std::move(options.clock) : &QDateTime::currentDateTimeUtc)
    , m_scheduler(options.scheduler ? *options.scheduler : TimerScheduler::live())
    , m_isApplicationActive(options.isApplicationActive ? std::move(options.isApplicationActive)
                                                        : &guiApplicationIsActive)
    , m_recheckSeconds(std::max(options.recheckSeconds, 1.0))
{}

DBusUserNotificationCenter::~DBusUserNotificationCenter()
{
    if (m_timer)
        m_timer->invalidate();
}

QFuture<bool> DBusUserNotificationCenter::serverAnswers()
{
    auto promise = std::make_shared<QPromise<bool>>();
    promise->start();
    QFuture<bool> future = promise->future();
    if (!m_connection.isConnected()) {
        promise->addResult(false);
        promise->finish();
        return future;
    }
    // A server that is installed but not running is started by the bus.
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(service), QString::fromLatin1(path), QString::fromLatin1(interface),
        QStringLiteral("GetServerInformation"));
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call, m_timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [promise](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<QString, QString, QString, QString> reply = *finished;
                if (reply.isError()) {
                    log::kit("Permissions")
                        .debug("no notification server: %s", {reply.error().message()});
                }
                promise->addResult(!reply.isError());
                promise->finish();
                finished->deleteLater();
            });
    return future;
}

QFuture<NotificationAuthorizationStatus> DBusUserNotificationCenter::authorizationStatus()
{
    return serverAnswers().then([](bool answers) {
        return answers ? NotificationAuthorizationStatus::authorized
                       : NotificationAuthorizationStatus::denied;
    });
}

QFuture<bool> DBusUserNotificationCenter::requestAuthorization(NotificationAuthorizationOptions)
{
    return serverAnswers();
}

QFuture<UserNotificationCenter::Added>
DBusUserNotificationCenter::add(const NotificationRequest &request)
{
    if (request.identifier.isEmpty() || !request.deliveryDate.isValid())
        return readyFuture<Added>(unexpected(NotificationError::invalidRequest));
    m_pending.removeIf([&](const auto &p) { return p.identifier == request.identifier; });
    m_pending.append(request);
    arm();
    return readyFuture<Added>({});
}

void DBusUserNotificationCenter::removePendingNotificationRequests(const QStringList &identifiers)
{
    if (m_pending.removeIf([&](const auto &p) { return identifiers.contains(p.identifier); }) > 0)
        arm();
}

void DBusUserNotificationCenter::removeAllPendingNotificationRequests()
{
    m_pending.clear();
    arm();
}

void DBusUserNotificationCenter::getPendingNotificationRequests(
    std::function<void(const QList<NotificationRequest> &)> completion)
{
    // Later, as the callers expect, with the list as it is now.
    QMetaObject::invokeMethod(
        this, [completion = std::move(completion), pending = m_pending] { completion(pending); },
        Qt::QueuedConnection);
}

void DBusUserNotificationCenter::arm()
{
    if (m_timer)
        m_timer->invalidate();
    m_timer.reset();
    if (m_pending.isEmpty())
        return;
    const auto earliest =
        std::min_element(m_pending.cbegin(), m_pending.cend(), [](const auto &a, const auto &b) {
            return a.deliveryDate < b.deliveryDate;
        });
    // The timer's clock stops while the computer sleeps and its range ends
    // after some 24 days: wait no longer than the recheck, then read the
    // wall clock again.
    const double wait = double(m_clock().msecsTo(earliest->deliveryDate)) / 1000.0;
    m_timer = m_scheduler.scheduleOnce(std::clamp(wait, 0.0, m_recheckSeconds),
                                       [this] { deliverDueRequests(); });
}

void DBusUserNotificationCenter::deliverDueRequests()
{
    const QDateTime now = m_clock();
    QList<NotificationRequest> due;
    for (const auto &request : std::as_const(m_pending)) {
        if (request.deliveryDate <= now)
            due.append(request);
    }
    m_pending.removeIf([&](const auto &p) { return p.deliveryDate <= now; });
    std::stable_sort(due.begin(), due.end(),
                     [](const auto &a, const auto &b) { return a.deliveryDate < b.deliveryDate; });
    arm();
    for (const auto &request : std::as_const(due))
        present(request);
}

void DBusUserNotificationCenter::present(const NotificationRequest &request)
{
    if (!m_delegate || !m_isApplicationActive()) {
        post(request, request.playsSound);
        return;
    }
    QPointer<DBusUserNotificationCenter> self(this);
    m_delegate->willPresent(request, [self, request](NotificationPresentationOptions options) {
        if (self && options.testFlag(NotificationPresentationOption::banner))
            self->post(request, options.testFlag(NotificationPresentationOption::sound));
    });
}

void DBusUserNotificationCenter::post(const NotificationRequest &request, bool withSound)
{
    QVariantMap hints;
    if (withSound)
        hints.insert(QStringLiteral("sound-name"), QString::fromLatin1(defaultSoundName));
    else
        hints.insert(QStringLiteral("suppress-sound"), true);
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(service), QString::fromLatin1(path),
                                       QString::fromLatin1(interface), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints,
    // expire_timeout (-1: the server's own).
    call << applicationName << 0U << QString() << request.title << request.body << QStringList()
         << hints << -1;
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call, m_timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError())
                    log::app().error("notification not delivered: %s", {reply.error().message()});
            });
}

UserNotificationCenter &UserNotificationCenter::current()
{
    // Kept to the end of the process: the bus may be gone before statics are.
    static auto *center = new DBusUserNotificationCenter;
    return *center;
}

} // namespace platform
