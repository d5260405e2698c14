#pragma once

#include <optional>
#include <variant>

#include <QList>
#include <QString>
#include <QUrl>

#include "platform/Expected.h"

namespace platform {

// One element of another application's accessibility tree. A plain
// reference that holds nothing open: an element that has gone away answers
// every call with invalidElement.
struct AccessibleElement {
    QString service; // the owner's connection on the accessibility bus
    QString path;

    bool isNull() const { return service.isEmpty() || path.isEmpty(); }
    friend bool operator==(const AccessibleElement &, const AccessibleElement &) = default;
};

// Why an accessibility call gave nothing. The callers that care tell "the
// call got through but there was nothing to give" (noValue,
// attributeUnsupported) from "the call did not get through".
enum class AccessibilityError {
    failure,
    illegalArgument,
    invalidElement,
    cannotComplete,
    attributeUnsupported,
    actionUnsupported,
    notImplemented,
    apiDisabled,
    noValue,
};

using AccessibilityValue =
    std::variant<bool, double, QString, QUrl, AccessibleElement, QList<AccessibleElement>>;

// The attribute, role and action names of the host's vocabulary.
namespace ax {
inline constexpr const char *focusedWindow = "AXFocusedWindow";
inline constexpr const char *role = "AXRole";
inline constexpr const char *children = "AXChildren";
inline constexpr const char *url = "AXURL";
inline constexpr const char *value = "AXValue";
inline constexpr const char *identifier = "AXIdentifier";
inline constexpr const char *title = "AXTitle";
// The element that holds this one.
inline constexpr const char *parent = "AXParent";
// The page a browser window shows in front (the document of its selected
// tab), where the browser names it: no search needed to find it.
inline constexpr const char *embeddedDocument = "AXEmbeddedDocument";
// Whether a control acts when pressed (a back button with no page behind
// it does not).
inline constexpr const char *enabled = "AXEnabled";
// Whether the element holds the keyboard focus.
inline constexpr const char *focused = "AXFocused";
// A tab group's tabs, those scrolled out of sight included.
inline constexpr const char *tabs = "AXTabs";
// Set to true on an application, these ask it to build its full tree.
inline constexpr const char *enhancedUserInterface = "AXEnhancedUserInterface";
inline constexpr const char *manualAccessibility = "AXManualAccessibility";

inline constexpr const char *press = "AXPress";

inline constexpr const char *applicationRole = "AXApplication";
inline constexpr const char *windowRole = "AXWindow";
inline constexpr const char *webAreaRole = "AXWebArea";
inline constexpr const char *textFieldRole = "AXTextField";
inline constexpr const char *textAreaRole = "AXTextArea";
inline constexpr const char *buttonRole = "AXButton";
// A browser window's strip of tabs.
inline constexpr const char *tabGroupRole = "AXTabGroup";
inline constexpr const char *unknownRole = "AXUnknown";
} // namespace ax

// The desktop's accessibility interface: reads and steers the user-interface
// elements other applications expose. Calls are synchronous and bounded in
// time; an application that does not answer soon gives cannotComplete.
class AccessibilityHost {
public:
    virtual ~AccessibilityHost() = default;

    // Whether the desktop lets assistive software read and steer
    // applications at all. Never changes anything.
    virtual bool isProcessTrusted() = 0;
    // Turns that on where the desktop lets us, as its own accessibility
    // switch does; whether it is on right after.
    virtual bool requestProcessTrust() = 0;

    // A process that answers for the desktop as a whole while accessibility
    // works, the natural target of a call that proves it does; nothing when
    // none can be told.
    virtual std::optional<qint32> referenceProcessIdentifier() = 0;

    // The root element of the application with this process identifier; a
    // null element when the process exposes none or the bus cannot tell.
    AccessibleElement applicationElement(qint32 processIdentifier)
    {
        return findApplication(processIdentifier).valueOr(AccessibleElement());
    }
    // The same, telling an answer from none: a null element when the bus
    // answered without the process, an error when it could not be asked
    // (no bus, a time-out, an application whose process could not be told).
    virtual Expected<AccessibleElement, AccessibilityError>
    findApplication(qint32 processIdentifier) = 0;

    virtual Expected<AccessibilityValue, AccessibilityError>
    copyAttributeValue(const AccessibleElement &element, const QString &attribute) = 0;
    virtual Expected<void, AccessibilityError>
    setAttributeValue(const AccessibleElement &element, const QString &attribute,
                      const AccessibilityValue &value) = 0;
    virtual Expected<void, AccessibilityError> performAction(const AccessibleElement &element,
                                                             const QString &action) = 0;

    // Up to limit on-screen descendants of element whose "AXRole" is role,
    // in tree order (a parent before its children, children in their order).
    // Where the application can search its own tree this is one call, not a
    // walk element by element.
    virtual Expected<QList<AccessibleElement>, AccessibilityError>
    findDescendants(const AccessibleElement &element, const QString &role, int limit) = 0;
};

} // namespace platform
