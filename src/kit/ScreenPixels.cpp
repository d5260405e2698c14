#include "kit/ScreenPixels.h"

#include <QScreen>

namespace fennimar {

QList<ScreenPixels::Screen> ScreenPixels::of(const QList<QScreen *> &screens)
{
    QList<Screen> converted;
    for (const QScreen *screen : screens)
        converted << Screen{screen->geometry(), screen->devicePixelRatio()};
    return converted;
}

QRect ScreenPixels::deviceGeometry(const Screen &screen)
{
    // Qt rounds the scaled size; scaling it back rounds to the monitor's own.
    return {screen.geometry.topLeft(), (QSizeF(screen.geometry.size()) * screen.ratio).toSize()};
}

QList<QRect> ScreenPixels::deviceGeometries(const QList<Screen> &screens)
{
    QList<QRect> geometries;
    for (const Screen &screen : screens)
        geometries << deviceGeometry(screen);
    return geometries;
}

QPoint ScreenPixels::toDevice(const QPoint &point, const QList<Screen> &screens)
{
    for (const Screen &screen : screens) {
        if (screen.geometry.contains(point)) {
            const QPoint origin = screen.geometry.topLeft();
            return origin + (QPointF(point - origin) * screen.ratio).toPoint();
        }
    }
    return point;
}

} // namespace fennimar
