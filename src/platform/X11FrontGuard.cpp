#include "platform/X11FrontGuard.h"

#include <cstdlib>

#include <QCoreApplication>
#include <QSocketNotifier>

#include <xcb/xcb.h>

namespace platform {

namespace {

// EWMH source indication of a pager: a request on the user's behalf, which
// window managers honour without focus-stealing prevention.
constexpr quint32 sourcePager = 2;

} // namespace

X11FrontGuard::X11FrontGuard(const QByteArray &displayName, QObject *parent)
    : QObject(parent)
    , m_connection(displayName)
    , m_desktops(displayName)
{
    if (!m_connection.isValid())
        return;
    m_activeAtom = m_connection.atom("_NET_ACTIVE_WINDOW");
    m_stackingAtom = m_connection.atom("_NET_CLIENT_LIST_STACKING");
    m_desktopAtom = m_connection.atom("_NET_WM_DESKTOP");
    m_restackAtom = m_connection.atom("_NET_RESTACK_WINDOW");
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection.connection()),
                                     QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11FrontGuard::readEvents);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] { update(true); });
}

X11FrontGuard::~X11FrontGuard()
{
    release();
}

void X11FrontGuard::hold(const QList<Window> &windows)
{
    if (!m_connection.isValid())
        return;
    release();
    m_held = windows;
    for (const Window window : windows)
        m_desktops.showOnAllDesktops(window);
    // Our masks are this connection's own: Qt's on its connection stay.
    watch({m_connection.root()}, true);
    watch(windows, true);
    xcb_flush(m_connection.connection());
    // Already mapped, they may be covered now.
    update();
    // The round trips may have left events in xcb's queue without the
    // socket becoming readable again.
    QMetaObject::invokeMethod(this, &X11FrontGuard::readEvents, Qt::QueuedConnection);
}

void X11FrontGuard::release()
{
    if (!m_connection.isValid() || m_held.isEmpty())
        return;
    watch({m_connection.root()}, false);
    // A window already destroyed answers with an error, which is dropped.
    watch(m_held, false);
    xcb_flush(m_connection.connection());
    m_held.clear();
    m_actedOn.reset();
    m_retry.stop();
}

void X11FrontGuard::watch(const QList<Window> &windows, bool on) const
{
    const quint32 mask = on ? XCB_EVENT_MASK_PROPERTY_CHANGE : XCB_EVENT_MASK_NO_EVENT;
    for (const Window window : windows)
        xcb_change_window_attributes(m_connection.connection(), window, XCB_CW_EVENT_MASK, &mask);
}

void X11FrontGuard::readEvents()
{
    xcb_connection_t *c = m_connection.connection();
    for (;;) {
        bool changed = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
                if (notify->window == m_connection.root())
                    changed =
                        changed || notify->atom == m_activeAtom || notify->atom == m_stackingAtom;
                else
                    changed = changed ||
                              (notify->atom == m_desktopAtom && m_held.contains(notify->window));
            }
            std::free(event);
        }
        if (xcb_connection_has_error(c)) {
            // The X server went away; nothing more will come.
            m_notifier->setEnabled(false);
            return;
        }
        if (!changed || m_held.isEmpty())
            return;
        // Reads the server again, which may queue further events: loop.
        update();
    }
}

void X11FrontGuard::update(bool retry)
{
    const QList<Window> stacking = m_connection.stackingOrder();
    QList<Window> managed;
    for (const Window window : std::as_const(m_held)) {
        if (stacking.contains(window))
            managed << window;
    }
    if (managed.isEmpty())
        return;
    keepOnAllDesktops(managed);
    keepInFront(managed, Front{m_connection.activeWindow(), stacking}, retry);
    xcb_flush(m_connection.connection());
}

void X11FrontGuard::keepOnAllDesktops(const QList<Window> &managed) const
{
    for (const Window window : managed) {
        const std::optional<quint32> desktop = m_desktops.desktopOf(window);
        if (desktop && *desktop != X11AllDesktops::allDesktops)
            m_desktops.showOnAllDesktops(window);
    }
}

void X11FrontGuard::keepInFront(const QList<Window> &managed, const Front &front, bool retry)
{
    // Ours in their order, and nothing of another process above the lowest.
    bool covered = false;
    qsizetype previous = -1;
    for (const Window window : managed) {
        const qsizetype at = front.stacking.indexOf(window);
        covered = covered || at < previous;
        previous = at;
    }
    const qsizetype lowest = front.stacking.indexOf(managed.first());
    for (qsizetype i = lowest + 1; i < front.stacking.size() && !covered; ++i) {
        const Window window = front.stacking.at(i);
        covered = !m_held.contains(window) && !isOurs(window);
    }
    // With the focus on no window, a window in full screen stands above all.
    const bool focusElsewhere =
        !front.active || (!m_held.contains(*front.active) && !isOurs(*front.active));
    // The window that takes the focus is not up yet: nothing to give it.
    const bool canFocus = managed.last() == m_held.last();
    if (!covered && !(focusElsewhere && canFocus)) {
        m_actedOn.reset();
        m_retry.stop();
        return;
    }
    if (m_actedOn != front) {
        m_actedOn = front;
        m_attempts = 0;
    } else if (!retry || m_attempts > retries) {
        // Asked already: the window manager's echo of a request is no
        // reason to ask again, only the retry is.
        return;
    }
    if (m_attempts < retries)
        m_retry.start(firstRetryMs << m_attempts);
    ++m_attempts;
    for (const Window window : managed)
        m_connection.sendToWindowManager(window, m_restackAtom,
                                         {sourcePager, XCB_NONE, XCB_STACK_MODE_ABOVE, 0, 0});
    if (focusElsewhere && canFocus)
        m_connection.sendToWindowManager(
            managed.last(), m_activeAtom,
            {sourcePager, XCB_CURRENT_TIME, front.active.value_or(XCB_NONE), 0, 0});
}

bool X11FrontGuard::isOurs(Window window) const
{
    return m_connection.processIdentifier(window) == QCoreApplication::applicationPid();
}

} // namespace platform
