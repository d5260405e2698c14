#include "platform/X11Workspace.h"

#include <cstdlib>

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>
#include <QSocketNotifier>

#include <xcb/xcb.h>

#include "platform/XcbReply.h"

namespace platform {

namespace {

// ICCCM window states (WM_STATE, WM_CHANGE_STATE).
constexpr quint32 iconicState = 3;
// EWMH source indication of a pager: a request on the user's behalf, which
// window managers honour without focus-stealing prevention.
constexpr quint32 sourcePager = 2;

} // namespace

struct X11Workspace::Atoms {
    xcb_atom_t activeWindow = XCB_NONE;
    xcb_atom_t clientList = XCB_NONE;
    xcb_atom_t wmState = XCB_NONE;
    xcb_atom_t wmStateHidden = XCB_NONE;
    xcb_atom_t icccmState = XCB_NONE;
    xcb_atom_t changeState = XCB_NONE;
    xcb_atom_t fullScreen = XCB_NONE;
    xcb_atom_t desktop = XCB_NONE;
    xcb_atom_t currentDesktop = XCB_NONE;
};

X11Workspace::X11Workspace(const ApplicationIdentity &identity, const QByteArray &displayName,
                           QObject *parent)
    : Workspace(parent)
    , m_identity(identity)
    , m_connection(displayName)
    , m_atoms(std::make_unique<Atoms>())
{
    if (!m_connection.isValid())
        return;
    xcb_connection_t *c = m_connection.connection();
    m_atoms->activeWindow = m_connection.atom("_NET_ACTIVE_WINDOW");
    m_atoms->clientList = m_connection.atom("_NET_CLIENT_LIST");
    m_atoms->wmState = m_connection.atom("_NET_WM_STATE");
    m_atoms->wmStateHidden = m_connection.atom("_NET_WM_STATE_HIDDEN");
    m_atoms->icccmState = m_connection.atom("WM_STATE");
    m_atoms->changeState = m_connection.atom("WM_CHANGE_STATE");
    m_atoms->fullScreen = m_connection.atom("_NET_WM_STATE_FULLSCREEN");
    m_atoms->desktop = m_connection.atom("_NET_WM_DESKTOP");
    m_atoms->currentDesktop = m_connection.atom("_NET_CURRENT_DESKTOP");

    // The mask is this connection's own; Qt's mask on its connection stays.
    const quint32 mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, m_connection.root(), XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(c), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11Workspace::readEvents);

    // What is in front now is no news: only later changes are activations.
    if (const std::optional<Window> active = activeClientWindow())
        m_lastActivated = applicationOf(*active);
    scheduleEventRead();
}

X11Workspace::~X11Workspace() = default;

bool X11Workspace::isConnected() const
{
    return m_connection.isValid();
}

QList<RunningApplication> X11Workspace::runningApplications() const
{
    QList<RunningApplication> applications;
    for (const Window window : m_connection.clientWindows()) {
        const RunningApplication application = applicationOf(window);
        if (!application.bundleIdentifier.isEmpty() && !applications.contains(application))
            applications << application;
    }
    scheduleEventRead();
    return applications;
}

std::optional<RunningApplication> X11Workspace::frontmostApplication() const
{
    const std::optional<Window> active = activeClientWindow();
    scheduleEventRead();
    if (!active)
        return std::nullopt;
    return applicationOf(*active);
}

bool X11Workspace::hide(const RunningApplication &application)
{
    const QList<Window> windows = clientWindowsOf(application);
    scheduleEventRead();
    if (windows.isEmpty() || !m_connection.hasWindowManager())
        return false;
    // ICCCM's request to iconify; the window manager then marks the window
    // hidden and takes the focus elsewhere.
    for (const Window window : windows)
        sendToRoot(window, m_atoms->changeState, {iconicState, 0, 0, 0, 0});
    xcb_flush(m_connection.connection());
    return true;
}

bool X11Workspace::isHidden(const RunningApplication &application) const
{
    const QList<Window> windows = clientWindowsOf(application);
    scheduleEventRead();
    if (windows.isEmpty())
        return false;
    for (const Window window : windows) {
        if (!isWindowHidden(window))
            return false;
    }
    return true;
}

bool X11Workspace::activate(const RunningApplication &application)
{
    const QList<Window> windows = clientWindowsOf(application);
    scheduleEventRead();
    if (windows.isEmpty() || !m_connection.hasWindowManager())
        return false;
    // The application's window highest in the stack is the one it used last,
    // and the one whose page the accessibility host reads.
    sendActivation(*m_connection.frontmostOf(windows));
    return true;
}

void X11Workspace::sendActivation(Window window) const
{
    const quint32 current = activeClientWindow().value_or(XCB_NONE);
    sendToRoot(window, m_atoms->activeWindow, {sourcePager, XCB_CURRENT_TIME, current, 0, 0});
    xcb_flush(m_connection.connection());
}

std::optional<ApplicationWindow> X11Workspace::frontmostWindow() const
{
    const std::optional<Window> active = activeClientWindow();
    scheduleEventRead();
    if (!active)
        return std::nullopt;
    return ApplicationWindow{applicationOf(*active), *active};
}

std::optional<ApplicationWindow> X11Workspace::frontWindowOf(const QString &bundleIdentifier) const
{
    QList<Window> windows;
    for (const Window window : m_connection.clientWindows()) {
        if (!bundleIdentifier.isEmpty() &&
            applicationOf(window).bundleIdentifier == bundleIdentifier)
            windows << window;
    }
    scheduleEventRead();
    const std::optional<Window> front = m_connection.frontmostOf(windows);
    if (!front)
        return std::nullopt;
    return ApplicationWindow{applicationOf(*front), *front};
}

QList<ApplicationWindow> X11Workspace::windowsOf(const RunningApplication &application) const
{
    QList<ApplicationWindow> windows;
    for (const Window window : clientWindowsOf(application))
        windows << ApplicationWindow{application, window};
    scheduleEventRead();
    return windows;
}

std::optional<X11Workspace::Window> X11Workspace::openWindow(const ApplicationWindow &window) const
{
    scheduleEventRead();
    // An id the server gave again to another client's window is not this one.
    if (window.id == XCB_NONE || !m_connection.clientWindows().contains(window.id) ||
        applicationOf(window.id) != window.application)
        return std::nullopt;
    return window.id;
}

bool X11Workspace::isOpen(const ApplicationWindow &window) const
{
    return openWindow(window).has_value();
}

bool X11Workspace::isFullScreen(const ApplicationWindow &window) const
{
    const std::optional<Window> open = openWindow(window);
    return open && m_connection.cardinalProperty(*open, m_atoms->wmState, XCB_ATOM_ATOM)
                       .contains(m_atoms->fullScreen);
}

bool X11Workspace::activateWindow(const ApplicationWindow &window)
{
    const std::optional<Window> open = openWindow(window);
    if (!open || !m_connection.hasWindowManager())
        return false;
    // A window manager asked to activate a window on another desktop may
    // only flag it: the user's desktop goes to the window first.
    const QList<quint32> desktop =
        m_connection.cardinalProperty(*open, m_atoms->desktop, XCB_ATOM_CARDINAL);
    const QList<quint32> current = m_connection.cardinalProperty(
        m_connection.root(), m_atoms->currentDesktop, XCB_ATOM_CARDINAL);
    constexpr quint32 everyDesktop = 0xFFFFFFFF;
    if (desktop.size() == 1 && desktop.first() != everyDesktop && current.size() == 1 &&
        desktop.first() != current.first())
        sendToRoot(m_connection.root(), m_atoms->currentDesktop,
                   {desktop.first(), XCB_CURRENT_TIME, 0, 0, 0});
    sendActivation(*open);
    return true;
}

bool X11Workspace::hideWindow(const ApplicationWindow &window)
{
    const std::optional<Window> open = openWindow(window);
    if (!open || !m_connection.hasWindowManager())
        return false;
    sendToRoot(*open, m_atoms->changeState, {iconicState, 0, 0, 0, 0});
    xcb_flush(m_connection.connection());
    return true;
}

bool X11Workspace::openUrl(const QUrl &url)
{
    // The desktop's URL handlers are reached through the GUI application.
    if (!url.isValid() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    return QDesktopServices::openUrl(url);
}

RunningApplication X11Workspace::applicationOf(Window window) const
{
    QMutexLocker lock(&m_applicationsMutex);
    const auto cached = m_applications.constFind(window);
    if (cached != m_applications.constEnd())
        return *cached;
    WindowIdentityHints hints;
    hints.applicationId = m_connection.stringProperty(window, "_GTK_APPLICATION_ID");
    hints.desktopFile = m_connection.stringProperty(window, "_KDE_NET_WM_DESKTOP_FILE");
    std::tie(hints.wmClassInstance, hints.wmClassName) = m_connection.windowClass(window);
    const std::optional<qint32> pid = m_connection.processIdentifier(window);
    if (pid)
        hints.executable = QFileInfo(QStringLiteral("/proc/%1/exe").arg(*pid)).symLinkTarget();
    const RunningApplication application{m_identity.resolve(hints), pid.value_or(0)};
    m_applications.insert(window, application);
    return application;
}

std::optional<X11Workspace::Window> X11Workspace::activeClientWindow() const
{
    // A window manager may leave the property naming a window it no longer
    // manages (closed or withdrawn): then nothing is in front.
    const std::optional<Window> active = m_connection.activeWindow();
    if (!active || !m_connection.clientWindows().contains(*active))
        return std::nullopt;
    return active;
}

QList<X11Workspace::Window>
X11Workspace::clientWindowsOf(const RunningApplication &application) const
{
    QList<Window> windows;
    for (const Window window : m_connection.clientWindows()) {
        if (applicationOf(window) == application)
            windows << window;
    }
    return windows;
}

bool X11Workspace::isWindowHidden(Window window) const
{
    if (m_connection.cardinalProperty(window, m_atoms->wmState, XCB_ATOM_ATOM)
            .contains(m_atoms->wmStateHidden))
        return true;
    const QList<quint32> state =
        m_connection.cardinalProperty(window, m_atoms->icccmState, m_atoms->icccmState);
    return !state.isEmpty() && state.first() == iconicState;
}

void X11Workspace::sendToRoot(Window window, quint32 messageType,
                              const std::array<quint32, 5> &data) const
{
    m_connection.sendToWindowManager(window, messageType, data);
}

void X11Workspace::readEvents()
{
    xcb_connection_t *c = m_connection.connection();
    for (;;) {
        bool activeChanged = false;
        bool clientsChanged = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
                if (notify->window == m_connection.root()) {
                    activeChanged = activeChanged || notify->atom == m_atoms->activeWindow;
                    clientsChanged = clientsChanged || notify->atom == m_atoms->clientList;
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(c)) {
            // The X server went away; nothing more will come.
            m_notifier->setEnabled(false);
            return;
        }
        if (!activeChanged && !clientsChanged)
            return;
        // Both read the server again, which may queue further events: loop.
        if (clientsChanged)
            forgetClosedWindows();
        // A closed window may have been the one in front.
        reportActivation();
    }
}

void X11Workspace::scheduleEventRead() const
{
    // A round trip may leave events in xcb's queue without the socket
    // becoming readable again; read them once control is back in the loop.
    if (!m_notifier || m_readScheduled.exchange(true))
        return;
    // Queued to the workspace's own thread, whichever thread asked.
    auto *self = const_cast<X11Workspace *>(this);
    QMetaObject::invokeMethod(
        self,
        [self] {
            self->m_readScheduled = false;
            self->readEvents();
        },
        Qt::QueuedConnection);
}

void X11Workspace::reportActivation()
{
    const std::optional<Window> active = activeClientWindow();
    if (!active) {
        // Focus on no window: the next application focused is news again.
        m_lastActivated.reset();
        return;
    }
    const RunningApplication application = applicationOf(*active);
    if (m_lastActivated == application)
        return;
    m_lastActivated = application;
    emit applicationActivated(application);
}

void X11Workspace::forgetClosedWindows()
{
    const QList<Window> open = m_connection.clientWindows();
    const QSet<Window> alive(open.cbegin(), open.cend());
    QMutexLocker lock(&m_applicationsMutex);
    m_applications.removeIf([&](const auto &entry) { return !alive.contains(entry.key()); });
}

} // namespace platform
