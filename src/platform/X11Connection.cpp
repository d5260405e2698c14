#include "platform/X11Connection.h"

#include <cstring>

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include "platform/XcbReply.h"

namespace platform {

struct X11Connection::Private {
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = XCB_NONE;
    int screen = 0;
    xcb_ewmh_connection_t ewmh{};
    bool ewmhReady = false;

    // An 8-bit property's bytes and type; none when absent or of another format.
    std::optional<std::pair<QByteArray, xcb_atom_t>> bytes(xcb_window_t window, xcb_atom_t property,
                                                           xcb_atom_t type, uint32_t length) const
    {
        auto r = xcbReply(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, length),
            nullptr));
        if (!r || r->format != 8)
            return std::nullopt;
        return std::pair(QByteArray(static_cast<const char *>(xcb_get_property_value(r.get())),
                                    xcb_get_property_value_length(r.get())),
                         r->type);
    }
};

X11Connection::X11Connection(const QByteArray &displayName)
    : d(std::make_unique<Private>())
{
    int screenNumber = 0;
    d->connection =
        xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber);
    if (xcb_connection_has_error(d->connection))
        return;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(d->connection));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem)
        return;
    d->root = it.data->root;
    d->screen = screenNumber;
    xcb_intern_atom_cookie_t *cookies = xcb_ewmh_init_atoms(d->connection, &d->ewmh);
    d->ewmhReady = cookies && xcb_ewmh_init_atoms_replies(&d->ewmh, cookies, nullptr);
}

X11Connection::~X11Connection()
{
    if (d->ewmhReady)
        xcb_ewmh_connection_wipe(&d->ewmh);
    if (d->connection)
        xcb_disconnect(d->connection);
}

bool X11Connection::isValid() const
{
    return d->connection && !xcb_connection_has_error(d->connection) && d->root != XCB_NONE &&
           d->ewmhReady;
}

xcb_connection_t *X11Connection::connection() const
{
    return d->connection;
}

X11Connection::Window X11Connection::root() const
{
    return d->root;
}

bool X11Connection::hasWindowManager() const
{
    if (!isValid())
        return false;
    xcb_window_t check = XCB_NONE;
    if (!xcb_ewmh_get_supporting_wm_check_reply(
            &d->ewmh, xcb_ewmh_get_supporting_wm_check(&d->ewmh, d->root), &check, nullptr))
        return false;
    // A stale property names a window that no longer exists.
    xcb_window_t confirmed = XCB_NONE;
    return check != XCB_NONE &&
           xcb_ewmh_get_supporting_wm_check_reply(
               &d->ewmh, xcb_ewmh_get_supporting_wm_check(&d->ewmh, check), &confirmed, nullptr) &&
           confirmed == check;
}

std::optional<X11Connection::Window> X11Connection::activeWindow() const
{
    if (!isValid())
        return std::nullopt;
    xcb_window_t window = XCB_NONE;
    if (!xcb_ewmh_get_active_window_reply(&d->ewmh, xcb_ewmh_get_active_window(&d->ewmh, d->screen),
                                          &window, nullptr) ||
        window == XCB_NONE)
        return std::nullopt;
    return window;
}

QList<X11Connection::Window> X11Connection::clientWindows() const
{
    QList<Window> windows;
    if (!isValid())
        return windows;
    xcb_ewmh_get_windows_reply_t list;
    if (xcb_ewmh_get_client_list_reply(&d->ewmh, xcb_ewmh_get_client_list(&d->ewmh, d->screen),
                                       &list, nullptr)) {
        for (uint32_t i = 0; i < list.windows_len; ++i)
            windows << list.windows[i];
        xcb_ewmh_get_windows_reply_wipe(&list);
        return windows;
    }
    auto tree = xcbReply(
        xcb_query_tree_reply(d->connection, xcb_query_tree(d->connection, d->root), nullptr));
    if (!tree)
        return windows;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = 0; i < count; ++i) {
        auto attributes = xcbReply(xcb_get_window_attributes_reply(
            d->connection, xcb_get_window_attributes(d->connection, children[i]), nullptr));
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
            !attributes->override_redirect)
            windows << children[i];
    }
    return windows;
}

QList<X11Connection::Window> X11Connection::stackingOrder() const
{
    QList<Window> windows;
    if (!isValid())
        return windows;
    xcb_ewmh_get_windows_reply_t list;
    if (!xcb_ewmh_get_client_list_stacking_reply(
            &d->ewmh, xcb_ewmh_get_client_list_stacking(&d->ewmh, d->screen), &list, nullptr))
        return windows;
    for (uint32_t i = 0; i < list.windows_len; ++i)
        windows << list.windows[i];
    xcb_ewmh_get_windows_reply_wipe(&list);
    return windows;
}

std::optional<X11Connection::Window> X11Connection::frontmostOf(const QList<Window> &windows) const
{
    if (windows.isEmpty())
        return std::nullopt;
    if (const std::optional<Window> active = activeWindow(); active && windows.contains(*active))
        return active;
    const QList<Window> stacking = stackingOrder();
    for (auto it = stacking.crbegin(); it != stacking.crend(); ++it) {
        if (windows.contains(*it))
            return *it;
    }
    return windows.last();
}

std::optional<qint32> X11Connection::processIdentifier(Window window) const
{
    if (!isValid())
        return std::nullopt;
    uint32_t pid = 0;
    if (!xcb_ewmh_get_wm_pid_reply(&d->ewmh, xcb_ewmh_get_wm_pid(&d->ewmh, window), &pid,
                                   nullptr) ||
        pid == 0)
        return std::nullopt;
    return qint32(pid);
}

QList<X11Connection::Window> X11Connection::windowsOfProcess(qint32 processIdentifier) const
{
    QList<Window> windows;
    for (const Window window : clientWindows()) {
        if (this->processIdentifier(window) == processIdentifier)
            windows << window;
    }
    return windows;
}

std::optional<QRect> X11Connection::rootGeometry(Window window) const
{
    if (!isValid())
        return std::nullopt;
    xcb_connection_t *c = connection();
    auto geometry = xcbReply(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    auto origin = xcbReply(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, root(), 0, 0), nullptr));
    if (!geometry || !origin)
        return std::nullopt;
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

std::pair<QString, QString> X11Connection::windowClass(Window window) const
{
    if (!isValid())
        return {};
    const auto found = d->bytes(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 256);
    if (!found)
        return {};
    const QList<QByteArray> parts = found->first.split('\0');
    return {QString::fromLatin1(parts.value(0)), QString::fromLatin1(parts.value(1))};
}

QString X11Connection::stringProperty(Window window, const char *atomName) const
{
    if (!isValid())
        return {};
    const xcb_atom_t atom = this->atom(atomName);
    if (atom == XCB_NONE)
        return {};
    const auto found = d->bytes(window, atom, XCB_GET_PROPERTY_TYPE_ANY, 1024);
    if (!found)
        return {};
    const auto &[bytes, type] = *found;
    return type == d->ewmh.UTF8_STRING ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

QList<quint32> X11Connection::cardinalProperty(Window window, quint32 property, quint32 type) const
{
    QList<quint32> values;
    if (!isValid() || property == XCB_NONE)
        return values;
    auto r = xcbReply(xcb_get_property_reply(
        d->connection, xcb_get_property(d->connection, 0, window, property, type, 0, 1u << 16),
        nullptr));
    if (!r || r->format != 32 || (type != XCB_GET_PROPERTY_TYPE_ANY && r->type != type))
        return values;
    const auto *data = static_cast<const quint32 *>(xcb_get_property_value(r.get()));
    const int count = xcb_get_property_value_length(r.get()) / 4;
    values.reserve(count);
    for (int i = 0; i < count; ++i)
        values << data[i];
    return values;
}

quint32 X11Connection::atom(const char *name) const
{
    if (!d->connection || xcb_connection_has_error(d->connection))
        return XCB_NONE;
    auto r = xcbReply(xcb_intern_atom_reply(
        d->connection, xcb_intern_atom(d->connection, 0, uint16_t(std::strlen(name)), name),
        nullptr));
    return r ? r->atom : xcb_atom_t(XCB_NONE);
}

void X11Connection::sendToWindowManager(Window window, quint32 messageType,
                                        const std::array<quint32, 5> &data) const
{
    if (!isValid())
        return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = messageType;
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(d->connection, 0, d->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
}

} // namespace platform
