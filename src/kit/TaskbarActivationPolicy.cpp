#include "kit/TaskbarActivationPolicy.h"

#include <array>
#include <cstdlib>
#include <cstring>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include "platform/X11Connection.h"

namespace fennimar {

namespace {

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <class T> Reply<T> reply(T *r)
{
    return Reply<T>(r, &std::free);
}

// The windows whose task-bar presence is ours to decide: the application's
// own windows and dialogs. Tool windows (the friction panel and its
// overlays) are left to what the desktop does with utility windows.
bool isApplicationWindow(const QWindow *window)
{
    if (!window->isTopLevel() || !window->handle())
        return false;
    switch (window->type()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
        return true;
    default:
        return false;
    }
}

} // namespace

struct TaskbarActivationPolicy::X11 {
    platform::X11Connection connection;
    xcb_atom_t state = XCB_NONE;
    std::array<xcb_atom_t, 2> skips{XCB_NONE, XCB_NONE}; // task bar, pager

    xcb_connection_t *c() const { return connection.connection(); }

    xcb_atom_t atom(const char *name) const
    {
        auto r = reply(xcb_intern_atom_reply(
            c(), xcb_intern_atom(c(), 0, uint16_t(std::strlen(name)), name), nullptr));
        return r ? r->atom : xcb_atom_t(XCB_NONE);
    }

    QList<xcb_atom_t> states(xcb_window_t window) const
    {
        QList<xcb_atom_t> atoms;
        auto r = reply(xcb_get_property_reply(
            c(), xcb_get_property(c(), 0, window, state, XCB_ATOM_ATOM, 0, 1024), nullptr));
        if (!r || r->format != 32 || r->type != XCB_ATOM_ATOM)
            return atoms;
        const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
        const int count = xcb_get_property_value_length(r.get()) / int(sizeof(xcb_atom_t));
        for (int i = 0; i < count; ++i)
            atoms << values[i];
        return atoms;
    }

    bool isMapped(xcb_window_t window) const
    {
        auto r = reply(
            xcb_get_window_attributes_reply(c(), xcb_get_window_attributes(c(), window), nullptr));
        return r && r->map_state != XCB_MAP_STATE_UNMAPPED;
    }

    void setSkipping(xcb_window_t window, bool skip) const
    {
        if (isMapped(window)) {
            // A mapped window's state belongs to the window manager: ask it.
            constexpr quint32 remove = 0, add = 1, sourceApplication = 1;
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = window;
            message.type = state;
            message.data.data32[0] = skip ? add : remove;
            message.data.data32[1] = skips[0];
            message.data.data32[2] = skips[1];
            message.data.data32[3] = sourceApplication;
            xcb_send_event(c(), 0, connection.root(),
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT |
                               XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char *>(&message));
        } else {
            // Not mapped yet: the window manager reads the property when it
            // maps the window. Qt merges its own states into what it finds.
            const QList<xcb_atom_t> found = states(window);
            QList<xcb_atom_t> atoms = found;
            for (const xcb_atom_t a : skips) {
                atoms.removeAll(a);
                if (skip)
                    atoms << a;
            }
            if (atoms == found)
                return;
            xcb_change_property(c(), XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                                uint32_t(atoms.size()), atoms.constData());
        }
        // Settled before Qt, on its own connection, maps the window.
        reply(xcb_get_input_focus_reply(c(), xcb_get_input_focus(c()), nullptr));
    }
};

TaskbarActivationPolicy::TaskbarActivationPolicy(QObject *parent)
    : QObject(parent)
{
    if (QGuiApplication::platformName() != u"xcb")
        return;
    auto x11 = std::make_unique<X11>();
    if (!x11->connection.isValid())
        return;
    x11->state = x11->atom("_NET_WM_STATE");
    x11->skips = {x11->atom("_NET_WM_STATE_SKIP_TASKBAR"), x11->atom("_NET_WM_STATE_SKIP_PAGER")};
    m_x11 = std::move(x11);
    // New windows get the current policy before they are mapped.
    qApp->installEventFilter(this);
}

TaskbarActivationPolicy::~TaskbarActivationPolicy()
{
    if (m_x11 && qApp)
        qApp->removeEventFilter(this);
}

void TaskbarActivationPolicy::setActivationPolicy(ActivationPolicy policy)
{
    m_policy = policy;
    if (!m_x11)
        return;
    const auto windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (window->isVisible())
            apply(window);
    }
}

bool TaskbarActivationPolicy::isSkippingTaskbar(const QWindow *window) const
{
    if (!m_x11 || !window->handle())
        return false;
    return m_x11->states(xcb_window_t(window->winId())).contains(m_x11->skips[0]);
}

void TaskbarActivationPolicy::apply(QWindow *window) const
{
    if (isApplicationWindow(window))
        m_x11->setSkipping(xcb_window_t(window->winId()), skips());
}

bool TaskbarActivationPolicy::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWindowType())
        return QObject::eventFilter(watched, event);
    auto *window = static_cast<QWindow *>(watched);
    if (event->type() == QEvent::Show) {
        // Sent after the window is created and before it is mapped.
        apply(window);
        m_awaitingMap.insert(window);
    } else if (event->type() == QEvent::Expose && m_awaitingMap.remove(window)) {
        // Once more when it is up: a window shown again right after it was
        // hidden may find the window manager still clearing the state of its
        // withdrawal, which takes the hint with it.
        apply(window);
    } else if (event->type() == QEvent::Hide || event->type() == QEvent::Destroy) {
        m_awaitingMap.remove(window);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace fennimar
