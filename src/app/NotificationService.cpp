#include "app/NotificationService.h"

#include <memory>

#include <QCoreApplication>
#include <QPointer>

#include "kit/NotificationAuthorizationCenter.h"
#include "kit/SystemNotificationAuthorizationProbe.h"

namespace halvex {

namespace {

fennimar::NotificationAuthorizationCenter *
ownAuthorization(platform::UserNotificationCenter &center, QObject *owner)
{
    fennimar::NotificationAuthorizationCenter::Configuration configuration;
    configuration.probe = std::make_shared<fennimar::SystemNotificationAuthorizationProbe>(center);
    configuration.retryDelay = fennimar::NotificationAuthorizationCenter::standardRetryDelay;
    configuration.refreshOnForeground = true;
    configuration.refreshNow = true;
    return new fennimar::NotificationAuthorizationCenter(std::move(configuration), owner);
}

} // namespace

NotificationService::NotificationService(platform::UserNotificationCenter &center,
                                         fennimar::NotificationAuthorizationCenter *authorization,
                                         Flag soundEnabled, QObject *parent)
    : QObject(parent)
    , m_center(center)
    , m_authorization(authorization ? authorization : ownAuthorization(center, this))
    , m_soundEnabled(std::move(soundEnabled))
{}

NotificationService::~NotificationService()
{
    if (m_center.delegate() == this)
        m_center.setDelegate(nullptr);
}

void NotificationService::installAsDelegate()
{
    m_center.setDelegate(this);
}

void NotificationService::willPresent(
    const platform::NotificationRequest &,
    std::function<void(platform::NotificationPresentationOptions)> completion)
{
    // The setting is read where the store lives, on the main thread, and at
    // each delivery: a sound switched off just now applies to the next one.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self = QPointer<NotificationService>(this), completion = std::move(completion)] {
            platform::NotificationPresentationOptions options =
                platform::NotificationPresentationOption::banner;
            if (self && self->m_soundEnabled())
                options |= platform::NotificationPresentationOption::sound;
            completion(options);
        },
        Qt::QueuedConnection);
}

} // namespace halvex
