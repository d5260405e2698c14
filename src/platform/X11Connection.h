#pragma once

#include <array>
#include <memory>
#include <optional>
#include <utility>

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

struct xcb_connection_t;

namespace platform {

// A connection of our own to the X server, with the EWMH atoms ready. The
// Qt connection belongs to the widgets; this one may be used from any thread.
class X11Connection final {
public:
    using Window = quint32;

    // An empty display name means $DISPLAY.
    explicit X11Connection(const QByteArray &displayName = {});
    ~X11Connection();
    Q_DISABLE_COPY_MOVE(X11Connection)

    bool isValid() const;
    xcb_connection_t *connection() const;
    Window root() const;

    // Whether an EWMH window manager looks after the screen.
    bool hasWindowManager() const;
    // The window manager's active window, if it names one.
    std::optional<Window> activeWindow() const;
    // The managed top-level windows in mapping order; without a window
    // manager, the root's mapped children.
    QList<Window> clientWindows() const;
    // The managed windows from the bottom of the stack to its top; empty
    // without a window manager.
    QList<Window> stackingOrder() const;
    // Of these windows, the one in front: the active window when it is one of
    // them, else the highest in the stacking order, else the last mapped.
    // Activation brings this one forward and the reads of an application's
    // window in front go to it, so a read, a press and a keystroke after
    // activation all concern one window.
    std::optional<Window> frontmostOf(const QList<Window> &windows) const;
    std::optional<qint32> processIdentifier(Window window) const;
    // The managed windows of the process, in mapping order.
    QList<Window> windowsOfProcess(qint32 processIdentifier) const;
    // The window's own area, without the window manager's decorations, in
    // root coordinates and the server's pixels; none for a window gone.
    std::optional<QRect> rootGeometry(Window window) const;
    // WM_CLASS: instance and class.
    std::pair<QString, QString> windowClass(Window window) const;
    // A UTF-8 or Latin-1 string property, empty when absent.
    QString stringProperty(Window window, const char *atomName) const;
    // A property of 32-bit items (atoms, windows, cardinals) of the given
    // type; empty when absent.
    QList<quint32> cardinalProperty(Window window, quint32 property, quint32 type) const;
    // The atom of the name, interned when new; none (0) without a server.
    quint32 atom(const char *name) const;
    // Asks the window manager something about the window, as EWMH has
    // clients do: a client message to the root window. Not flushed.
    void sendToWindowManager(Window window, quint32 messageType,
                             const std::array<quint32, 5> &data) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace platform
