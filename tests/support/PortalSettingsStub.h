#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QString>

namespace testing {

// The desktop portal's settings as a desktop with a colour scheme shows
// them: owns org.freedesktop.portal.Desktop on a session bus, answers Read
// and ReadOne for org.freedesktop.appearance's "color-scheme" (other keys are
// not found), and announces each change of scheme with SettingChanged, as the
// portal does when the user switches it. Calls are answered from the event
// loop of the thread that made it.
class PortalSettingsStub final : public QDBusVirtualObject {
public:
    // The portal's values: 0 no preference, 1 prefers dark, 2 prefers light.
    enum class Scheme : uint { noPreference = 0, dark = 1, light = 2 };

    static constexpr const char *serviceName = "org.freedesktop.portal.Desktop";
    static constexpr const char *objectPath = "/org/freedesktop/portal/desktop";
    static constexpr const char *settingsInterface = "org.freedesktop.portal.Settings";
    static constexpr const char *appearanceNamespace = "org.freedesktop.appearance";
    static constexpr const char *schemeKey = "color-scheme";

    PortalSettingsStub(const QString &busAddress, Scheme scheme)
        : m_connectionName(QStringLiteral("portal-settings-stub"))
        , m_scheme(scheme)
    {
        QDBusConnection connection = QDBusConnection::connectToBus(busAddress, m_connectionName);
        m_registered = connection.registerVirtualObject(QString::fromLatin1(objectPath), this) &&
                       connection.registerService(QString::fromLatin1(serviceName));
    }
    ~PortalSettingsStub() override { QDBusConnection::disconnectFromBus(m_connectionName); }
    PortalSettingsStub(const PortalSettingsStub &) = delete;
    PortalSettingsStub &operator=(const PortalSettingsStub &) = delete;

    bool isRegistered() const { return m_registered; }

    // Answers with the new scheme from now on and announces it; false when
    // the announcement could not be sent.
    bool setScheme(Scheme scheme)
    {
        m_scheme = scheme;
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(objectPath),
                                                         QString::fromLatin1(settingsInterface),
                                                         QStringLiteral("SettingChanged"));
        signal << QString::fromLatin1(appearanceNamespace) << QString::fromLatin1(schemeKey)
               << QVariant::fromValue(QDBusVariant(uint(scheme)));
        return QDBusConnection(m_connectionName).send(signal);
    }

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() != QLatin1String(settingsInterface))
            return false;
        const bool read = message.member() == u"Read";
        if (!read && message.member() != u"ReadOne")
            return false;
        const QList<QVariant> arguments = message.arguments();
        if (arguments.size() != 2 ||
            arguments.at(0).toString() != QLatin1String(appearanceNamespace) ||
            arguments.at(1).toString() != QLatin1String(schemeKey)) {
            connection.send(
                message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                                         QStringLiteral("Requested setting not found")));
            return true;
        }
        const QDBusVariant value{QVariant(uint(m_scheme))};
        // Read wraps the value in one variant more, as the portal has always done.
        connection.send(
            message.createReply(read ? QVariant::fromValue(QDBusVariant(QVariant::fromValue(value)))
                                     : QVariant::fromValue(value)));
        return true;
    }

private:
    QString m_connectionName;
    Scheme m_scheme;
    bool m_registered = false;
};

} // namespace testing
