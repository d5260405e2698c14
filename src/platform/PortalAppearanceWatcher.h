#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusMessage;

namespace platform {

// Tells when the desktop portal announces a new colour scheme, so that what
// follows the desktop's appearance reads it again (PortalSystemAppearance).
// Without a bus it never announces anything.
class PortalAppearanceWatcher final : public QObject {
    Q_OBJECT
public:
    explicit PortalAppearanceWatcher(QDBusConnection bus = QDBusConnection::sessionBus(),
                                     QObject *parent = nullptr);
    ~PortalAppearanceWatcher() override;
    Q_DISABLE_COPY_MOVE(PortalAppearanceWatcher)

signals:
    void changed();

private slots:
    void settingChanged(const QDBusMessage &message);

private:
    QDBusConnection m_bus;
};

} // namespace platform
