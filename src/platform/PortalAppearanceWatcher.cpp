#include "platform/PortalAppearanceWatcher.h"

#include <QDBusMessage>

namespace platform {

namespace {

const QString settingsPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString changeSignal = QStringLiteral("SettingChanged");

} // namespace

PortalAppearanceWatcher::PortalAppearanceWatcher(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
    // Any sender: the portal's well-known name may be taken after we start.
    // The whole message: a slot naming QDBusVariant would only be found
    // once that type had been registered by someone.
    if (m_bus.isConnected()) {
        m_bus.connect(QString(), settingsPath, settingsInterface, changeSignal, this,
                      SLOT(settingChanged(QDBusMessage)));
    }
}

PortalAppearanceWatcher::~PortalAppearanceWatcher()
{
    if (m_bus.isConnected()) {
        m_bus.disconnect(QString(), settingsPath, settingsInterface, changeSignal, this,
                         SLOT(settingChanged(QDBusMessage)));
    }
}

void PortalAppearanceWatcher::settingChanged(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() >= 2 && arguments.at(0).toString() == u"org.freedesktop.appearance" &&
        arguments.at(1).toString() == u"color-scheme")
        emit changed();
}

} // namespace platform
