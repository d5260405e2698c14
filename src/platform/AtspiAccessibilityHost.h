#pragma once

#include <chrono>

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QHash>
#include <QMutex>
#include <QRect>
#include <QStringList>

#include "platform/AccessibilityHost.h"
#include "platform/FrontWindowSource.h"

class QDBusMessage;

namespace platform {

// The accessibility interface of a Linux desktop: AT-SPI 2 on its own D-Bus
// bus, whose address the session bus's "org.a11y.Bus" gives out. Trust is
// that bus's "IsEnabled" switch, the one the desktop's accessibility
// setting flips and that toolkits watch to expose their trees.
//
// Every call waits at most callTimeout. An application that lets one call
// time out is left alone for a short while, so one that hangs costs a
// single time-out per walk, not one per element. May be used from any
// thread; calls into this process's own tree would wait for themselves.
class AtspiAccessibilityHost final : public AccessibilityHost {
public:
    // The front windows come from the window manager: toolkits mark their
    // windows on the bus too poorly to tell which is in front.
    explicit AtspiAccessibilityHost(
        const FrontWindowSource &frontWindows,
        const QDBusConnection &sessionBus = QDBusConnection::sessionBus(),
        std::chrono::milliseconds callTimeout = std::chrono::milliseconds(500));
    ~AtspiAccessibilityHost() override;
    Q_DISABLE_COPY_MOVE(AtspiAccessibilityHost)

    bool isProcessTrusted() override;
    bool requestProcessTrust() override;
    // The registry daemon: it holds the desktop's root and runs whenever
    // the accessibility bus does.
    std::optional<qint32> referenceProcessIdentifier() override;
    Expected<AccessibleElement, AccessibilityError>
    findApplication(qint32 processIdentifier) override;

    // "AXRole", "AXChildren" (those on screen), "AXFocusedWindow" (the
    // application's window in front, matched by title and place to the one
    // the window manager names; noValue where none matches), "AXURL" (a
    // document's "DocURL", else its "URI"), "AXValue" (text, else a number), "AXIdentifier"
    // (the accessible id, else the "id" object attribute), "AXTitle",
    // "AXEnabled" (sensitive), "AXTabs" (a tab strip's page tabs, on
    // screen or not), "AXParent" and "AXEmbeddedDocument" (what a window's
    // "embeds" relation names: Gecko's, its selected tab's document).
    Expected<AccessibilityValue, AccessibilityError>
    copyAttributeValue(const AccessibleElement &element, const QString &attribute) override;
    // "AXManualAccessibility" set to true asks the element, or each window
    // of an application, for its attributes: a browser of the Chromium
    // family builds its tree only then. Nothing else can be set here; the
    // bus-wide switch is trust.
    Expected<void, AccessibilityError> setAttributeValue(const AccessibleElement &element,
                                                         const QString &attribute,
                                                         const AccessibilityValue &value) override;
    // "AXPress": the element's press, click, jump (a link) or activate action.
    Expected<void, AccessibilityError> performAction(const AccessibleElement &element,
                                                     const QString &action) override;
    // The application's own search (AT-SPI Collection) for web areas,
    // buttons, text fields, windows and applications; a walk over the
    // elements on screen where it has none, or for the other roles.
    Expected<QList<AccessibleElement>, AccessibilityError>
    findDescendants(const AccessibleElement &element, const QString &role, int limit) override;

private:
    using Reply = Expected<QDBusMessage, AccessibilityError>;

    std::optional<bool> readEnabled();
    bool enabledAsLastSeen();
    std::optional<QDBusConnection> accessibilityBus();
    Reply call(const AccessibleElement &element, const QString &interface, const QString &method,
               const QList<QVariant> &arguments = {});
    // A call whose failure tells an interface the element lacks
    // (attributeUnsupported) from an element that is gone.
    Reply callImplemented(const AccessibleElement &element, const QString &interface,
                          const QString &method, const QList<QVariant> &arguments);
    Reply property(const AccessibleElement &element, const QString &interface, const QString &name);
    std::optional<qint32> processOf(const QDBusConnection &bus, const QString &service);
    // The process behind a connection: nothing for one that has gone, an
    // error when the bus did not tell. A unique name's is asked once: its
    // process never changes; a well-known name's holds while the same
    // connection answers for it.
    Expected<std::optional<qint32>, AccessibilityError>
    connectionProcess(const QDBusConnection &bus, const QString &service);
    void forgetConnection(const QString &service);
    Expected<void, AccessibilityError> askForFullTree(const AccessibleElement &element);

    Expected<AccessibilityValue, AccessibilityError> role(const AccessibleElement &element);
    Expected<QList<AccessibleElement>, AccessibilityError>
    children(const AccessibleElement &element);
    Expected<AccessibilityValue, AccessibilityError>
    showingChildren(const AccessibleElement &element);
    Expected<quint64, AccessibilityError> states(const AccessibleElement &element);
    Expected<QStringList, AccessibilityError> interfacesOf(const AccessibleElement &element);
    Expected<AccessibilityValue, AccessibilityError>
    focusedWindow(const AccessibleElement &element);
    Expected<std::optional<QRect>, AccessibilityError> extents(const AccessibleElement &element);
    Expected<AccessibilityValue, AccessibilityError> documentUrl(const AccessibleElement &element);
    Expected<AccessibilityValue, AccessibilityError> value(const AccessibleElement &element);
    Expected<AccessibilityValue, AccessibilityError> identifier(const AccessibleElement &element);
    Expected<AccessibilityValue, AccessibilityError> tabs(const AccessibleElement &element);
    Expected<AccessibilityValue, AccessibilityError> parent(const AccessibleElement &element);
    Expected<AccessibilityValue, AccessibilityError>
    embeddedDocument(const AccessibleElement &element);

    const FrontWindowSource &m_frontWindows;
    QDBusConnection m_sessionBus;
    int m_timeoutMs;
    QString m_connectionName;
    QMutex m_mutex;
    bool m_connected = false;
    std::optional<bool> m_enabled;
    QHash<QString, QDeadlineTimer> m_resting;
    // The processes behind the unique names on the current bus connection,
    // and the unique name that last answered for each well-known one.
    QHash<QString, qint32> m_processes;
    QHash<QString, QString> m_owners;
};

} // namespace platform
