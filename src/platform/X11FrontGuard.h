#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

#include "platform/X11AllDesktops.h"
#include "platform/X11Connection.h"

class QSocketNotifier;

namespace platform {

// Keeps a few windows of ours in front of every other window and on every
// virtual desktop for as long as it holds them, on an EWMH window manager.
//
// It listens, on a connection of its own, to the root window's active
// window and stacking order and to each held window's desktop. When a window
// of another process takes the focus (or the focus goes to no window), or
// stands above one of ours, it asks the window manager as a pager does to
// raise ours in their order and to give the focus back to the last one;
// when one of ours is moved to one desktop, to put it on all of them again.
// Raising alone is not enough: a window manager stacks a window in full
// screen above all others, those kept above included, while it has the
// focus, and only while it has it. Windows of this process are never
// fought. A request can come too early (a window managed but not shown yet)
// or lose a race with the window manager's own doing, so while nothing
// changes it is asked again a few times, further and further apart; a
// window manager that keeps turning it down is then left alone until
// something changes, so the two cannot loop. Main thread only; without an X
// server it does nothing.
class X11FrontGuard final : public QObject {
    Q_OBJECT
public:
    using Window = X11Connection::Window;

    // An empty display name means $DISPLAY.
    explicit X11FrontGuard(const QByteArray &displayName = {}, QObject *parent = nullptr);
    ~X11FrontGuard() override;
    Q_DISABLE_COPY_MOVE(X11FrontGuard)

    bool isConnected() const { return m_connection.isValid(); }

    // Holds these windows, from the bottom up; the last one is given the
    // focus. Replaces whatever was held. Windows not mapped yet are put on
    // every desktop before the window manager maps them: hold them before
    // showing them.
    void hold(const QList<Window> &windows);
    void release();

private:
    // What the front looked like when the guard acted on it.
    struct Front {
        std::optional<Window> active;
        QList<Window> stacking;
        friend bool operator==(const Front &, const Front &) = default;
    };

    static constexpr int firstRetryMs = 100;
    static constexpr int retries = 5;

    void readEvents();
    // Looks at the front as it is now, and asks for what is amiss; a retry
    // asks again for a front that has not changed.
    void update(bool retry = false);
    void watch(const QList<Window> &windows, bool on) const;
    void keepOnAllDesktops(const QList<Window> &managed) const;
    void keepInFront(const QList<Window> &managed, const Front &front, bool retry);
    bool isOurs(Window window) const;

    X11Connection m_connection;
    X11AllDesktops m_desktops;
    QSocketNotifier *m_notifier = nullptr;
    quint32 m_activeAtom = 0;
    quint32 m_stackingAtom = 0;
    quint32 m_desktopAtom = 0;
    quint32 m_restackAtom = 0;
    QList<Window> m_held;
    std::optional<Front> m_actedOn;
    // Requests made for m_actedOn.
    int m_attempts = 0;
    QTimer m_retry;
};

} // namespace platform
