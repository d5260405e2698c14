#pragma once

#include <QPointer>

#include "kit/StatusItemButton.h"

class QScreen;
class QSystemTrayIcon;

namespace fennimar {

// The status item's button over a tray icon. A StatusNotifierItem tray tells
// no icon geometry: the top-right corner of the screen under the pointer,
// where such trays sit, stands in for it.
class TrayIconButton final : public StatusItemButton {
public:
    static constexpr int fallbackSize = 24;

    explicit TrayIconButton(QSystemTrayIcon *icon);

    // Nothing once the icon is gone, while it is hidden or without a tray.
    std::optional<QRect> windowFrame() const override;

    static QRect fallbackFrame(const QScreen &screen);

private:
    QPointer<QSystemTrayIcon> m_icon;
};

} // namespace fennimar
