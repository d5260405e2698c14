#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QScreen;

namespace fennimar {

// Qt's screens in the X server's pixels. Qt keeps each screen's origin in
// device pixels and scales only what lies within the screen (at 200 % on
// the right of a 1280-pixel monitor, a screen is 1280,0 640x400), so no one
// ratio converts between the two over a desktop of several screens: window
// frames read from the server are compared with the screens' device
// geometries instead.
class ScreenPixels final {
public:
    ScreenPixels() = delete;

    struct Screen {
        // As QScreen::geometry() has it.
        QRect geometry = {};
        // QScreen::devicePixelRatio(): the screen's own factor times Qt's global one.
        qreal ratio = 1.0;
    };

    static QList<Screen> of(const QList<QScreen *> &screens);

    // The screen's area in device pixels.
    static QRect deviceGeometry(const Screen &screen);
    static QList<QRect> deviceGeometries(const QList<Screen> &screens);
    // A point in Qt's coordinates in device pixels, through the screen that
    // holds it; a point on no screen stays as it is.
    static QPoint toDevice(const QPoint &point, const QList<Screen> &screens);
};

} // namespace fennimar
