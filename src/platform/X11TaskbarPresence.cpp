#include "platform/X11TaskbarPresence.h"

#include <array>

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include "platform/X11Connection.h"
#include "platform/XcbReply.h"

namespace platform {

struct X11TaskbarPresence::Private {
    X11Connection connection;
    xcb_atom_t state = XCB_NONE;
    std::array<xcb_atom_t, 2> skips{XCB_NONE, XCB_NONE}; // task bar, pager

    xcb_connection_t *c() const { return connection.connection(); }

    QList<quint32> states(xcb_window_t window) const
    {
        return connection.cardinalProperty(window, state, XCB_ATOM_ATOM);
    }

    bool isMapped(xcb_window_t window) const
    {
        auto r = xcbReply(
            xcb_get_window_attributes_reply(c(), xcb_get_window_attributes(c(), window), nullptr));
        return r && r->map_state != XCB_MAP_STATE_UNMAPPED;
    }
};

X11TaskbarPresence::X11TaskbarPresence()
{
    if (QGuiApplication::platformName() != u"xcb")
        return;
    auto x11 = std::make_unique<Private>();
    if (!x11->connection.isValid())
        return;
    x11->state = x11->connection.atom("_NET_WM_STATE");
    x11->skips = {x11->connection.atom("_NET_WM_STATE_SKIP_TASKBAR"),
                  x11->connection.atom("_NET_WM_STATE_SKIP_PAGER")};
    d = std::move(x11);
}

X11TaskbarPresence::~X11TaskbarPresence() = default;

void X11TaskbarPresence::setSkippingTaskbar(QWindow *window, bool skip)
{
    if (!d || !window->handle())
        return;
    const auto id = xcb_window_t(window->winId());
    if (d->isMapped(id)) {
        // A mapped window's state belongs to the window manager: ask it.
        constexpr quint32 remove = 0, add = 1, sourceApplication = 1;
        d->connection.sendToWindowManager(
            id, d->state, {skip ? add : remove, d->skips[0], d->skips[1], sourceApplication, 0});
    } else {
        // Not mapped yet: the window manager reads the property when it maps
        // the window. Qt merges its own states into what it finds.
        const QList<quint32> found = d->states(id);
        QList<quint32> atoms = found;
        for (const xcb_atom_t a : d->skips) {
            atoms.removeAll(a);
            if (skip)
                atoms << a;
        }
        if (atoms == found)
            return;
        xcb_change_property(d->c(), XCB_PROP_MODE_REPLACE, id, d->state, XCB_ATOM_ATOM, 32,
                            uint32_t(atoms.size()), atoms.constData());
    }
    // Settled before Qt, on its own connection, maps the window.
    xcbReply(xcb_get_input_focus_reply(d->c(), xcb_get_input_focus(d->c()), nullptr));
}

bool X11TaskbarPresence::isSkippingTaskbar(const QWindow *window) const
{
    if (!d || !window->handle())
        return false;
    return d->states(xcb_window_t(window->winId())).contains(d->skips[0]);
}

} // namespace platform
