#pragma once

#include <optional>

#include <QRect>

namespace fennimar {

// The status item's button as the popover's reveal watches it.
class StatusItemButton {
public:
    virtual ~StatusItemButton() = default;

    // Where the button's window is on the screen, in global coordinates;
    // nothing while it is not shown on a screen or has no height.
    virtual std::optional<QRect> windowFrame() const = 0;
};

} // namespace fennimar
