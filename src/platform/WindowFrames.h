#pragma once

#include <QList>
#include <QRect>

namespace platform {

// Where another process's windows are on the desktop.
class WindowFrames {
public:
    virtual ~WindowFrames() = default;

    // The frames of the process's managed windows that are on screen (not
    // iconified or withdrawn), in mapping order, in the desktop's device
    // pixels: Qt's coordinates scale each screen on its own, so only the
    // caller, knowing the screens, can compare them with those.
    virtual QList<QRect> framesOf(qint32 processIdentifier) const = 0;
};

} // namespace platform
