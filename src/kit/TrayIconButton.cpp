#include "kit/TrayIconButton.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSystemTrayIcon>

namespace fennimar {

TrayIconButton::TrayIconButton(QSystemTrayIcon *icon)
    : m_icon(icon)
{}

std::optional<QRect> TrayIconButton::windowFrame() const
{
    if (!m_icon || !m_icon->isVisible() || !QSystemTrayIcon::isSystemTrayAvailable())
        return std::nullopt;
    const QRect geometry = m_icon->geometry();
    if (geometry.height() > 0 && geometry.width() > 0)
        return geometry;
    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return fallbackFrame(*screen);
}

QRect TrayIconButton::fallbackFrame(const QScreen &screen)
{
    const QRect area = screen.availableGeometry();
    return {area.right() - fallbackSize + 1, area.top(), fallbackSize, fallbackSize};
}

} // namespace fennimar
