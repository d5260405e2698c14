#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>

class QObject;
class QScreen;
class QWidget;

namespace platform {
class UserDefaults;
}

namespace fennimar {

// Puts windows on the screen the user is working on, each wholly inside
// that screen's available area, the window manager's frame and title bar
// included. Main thread only.
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
    // The frame, content and `margins` around it, that `frame` becomes to lie
    // in `area`: moved in, and where larger than the area made smaller,
    // though its content not below `minimum`. One that still does not fit
    // keeps its top-left corner, and so its title bar, in the area.
    static QRect fittedFrame(const QRect &frame, const QMargins &margins, const QSize &minimum,
                             const QRect &area);
    // The fitted frame of content of `contentSize`, centred on `area`.
    static QRect centredFrame(const QSize &contentSize, const QMargins &margins,
                              const QSize &minimum, const QRect &area);

    // The window manager's frame around the window's content on `screen`:
    // the window's own once it has been decorated, else that of the last
    // window of ours it decorated; none for a frameless window or before any
    // was decorated. Qt knows a window's frame only once it is mapped.
    static QMargins frameMargins(const QWidget *window, const QScreen *screen);

    // The screen the user is working on, seen from `window`: the active
    // window's screen (unless that is `window` itself), else the screen under
    // the mouse, the primary screen, the first screen, or none.
    static QScreen *activeScreen(const QWidget *window);
    // The screen holding the largest part of the window, else its own screen.
    static QScreen *dominantScreen(const QWidget *window);
    // The screen under the mouse, else the primary screen, the first screen, or none.
    static QScreen *screenUnderMouse();

    // Lays the window out and centres it on the active screen's available
    // area, made to fit; its first resize within a second centres it there
    // again. Each placement here is made again in the same area once the
    // window manager has decorated the window, should its frame differ from
    // the one assumed.
    static void centerOnActiveScreen(QWidget *window, const Deadline &deadline = {});
    // Centres the window on the active screen unless it lies mostly there
    // already, where it is only moved in to fit.
    static void moveToActiveScreen(QWidget *window);
    // Lays the window out and centres it on the screen under the mouse, made to fit.
    static void centerOnMouseScreen(QWidget *window);
    // Gives the window the frame remembered under `autosaveName` (then moves
    // it to the active screen unless it lies mostly there, and fits it), or else
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
