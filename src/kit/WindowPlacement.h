#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QRect>
#include <QString>

class QObject;
class QScreen;
class QWidget;

namespace platform {
class UserDefaults;
}

namespace fennimar {

// Puts windows on the screen the user is working on. Main thread only.
class WindowPlacement final {
public:
    // How long after centring a window follows its first resize.
    static constexpr int recentreWindowMs = 1000;
    // Runs `timeout` once the re-centre window has passed, unless `context`
    // is gone by then. The live one is a timer.
    using Deadline = std::function<void(QObject *context, std::function<void()> timeout)>;

    // The screen holding the largest part of `frame`, by index into
    // `screens`; the earlier screen wins a tie. None when none intersects.
    static std::optional<int> dominantIndex(const QRect &frame, const QList<QRect> &screens);
    // Where a window of `size` sits centred on `area`.
    static QPoint centredOrigin(const QSize &size, const QRect &area);

    // The screen the user is working on, seen from `window`: the active
    // window's screen (unless that is `window` itself), else the screen under
    // the mouse, the primary screen, the first screen, or none.
    static QScreen *activeScreen(const QWidget *window);
    // The screen holding the largest part of the window, else its own screen.
    static QScreen *dominantScreen(const QWidget *window);
    // The screen under the mouse, else the primary screen, the first screen, or none.
    static QScreen *screenUnderMouse();

    // Lays the window out and centres it on the active screen's available
    // area; its first resize within a second centres it there again.
    static void centerOnActiveScreen(QWidget *window, const Deadline &deadline = {});
    // Centres the window on the active screen unless it lies mostly there already.
    static void moveToActiveScreen(QWidget *window);
    // Lays the window out and centres it on the screen under the mouse.
    static void centerOnMouseScreen(QWidget *window);
    // Gives the window the frame remembered under `autosaveName` (then moves
    // it to the active screen unless it lies mostly there), or else
    // `contentSize`, centred on the active screen. From then on the window's
    // frame is remembered under that name as it moves and resizes.
    static void restoreFrame(QWidget *window, const QString &autosaveName, const QSize &contentSize,
                             platform::UserDefaults &defaults);
    static void restoreFrame(QWidget *window, const QString &autosaveName,
                             const QSize &contentSize);

    // The user-defaults key under which a window's frame is remembered.
    static QString frameKey(const QString &autosaveName);
};

} // namespace fennimar
