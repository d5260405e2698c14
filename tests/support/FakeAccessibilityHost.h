#pragma once

#include <functional>
#include <map>

#include <QHash>
#include <QStringList>

#include "platform/AccessibilityHost.h"

namespace testing {

// An accessibility tree a test builds by hand. Every request is recorded,
// so a test can tell which elements were touched.
class FakeAccessibilityHost final : public platform::AccessibilityHost {
public:
    // The desktop's switch, and what a request turns it into.
    bool trusted = false;
    bool trustedAfterRequest = true;
    std::optional<qint32> reference;
    int trustChecks = 0;
    int trustRequests = 0;
    // Lookups of these processes' applications fail so (the bus did not answer).
    QHash<qint32, platform::AccessibilityError> lookupFailures;

    // Builds the tree. Elements are named by path; an empty name gives
    // "/e<n>". An application's element has the role "AXApplication"; an
    // element added under a parent names it as its "AXParent".
    platform::AccessibleElement addApplication(qint32 processIdentifier, const QString &name = {});
    platform::AccessibleElement addElement(const platform::AccessibleElement &parent,
                                           const QString &role, const QString &name = {});
    void setAttribute(const platform::AccessibleElement &element, const QString &attribute,
                      platform::AccessibilityValue value);
    // Reads, writes and presses of this attribute or action, and searches
    // for this role, fail so.
    void fail(const platform::AccessibleElement &element, const QString &attributeOrAction,
              platform::AccessibilityError error);
    void setFocusedWindow(const platform::AccessibleElement &application,
                          const platform::AccessibleElement &window);
    // Builds a subtree from one line per element, depth-first: two spaces
    // of indent per level below the first line, the role, then "|"-separated
    // settings: "name=" (the path), "url=" (a URL), "urlText=" (the URL as
    // text), "value=", "id=" (the identifier), "title=", "focused=" (true
    // or false). Returns the first line's element.
    platform::AccessibleElement addTree(const QStringList &lines);

    // Runs after every successful attribute write (the tree may grow then).
    std::function<void(const platform::AccessibleElement &, const QString &)> onSet;

    // "application <pid>", "copy <path> <attribute>", "set <path> <attribute>",
    // "perform <path> <action>", "search <path> <role>", in order.
    QStringList calls;
    // The calls that named this element.
    QStringList callsOn(const platform::AccessibleElement &element) const;

    bool isProcessTrusted() override;
    bool requestProcessTrust() override;
    std::optional<qint32> referenceProcessIdentifier() override { return reference; }
    platform::Expected<platform::AccessibleElement, platform::AccessibilityError>
    findApplication(qint32 processIdentifier) override;
    platform::Expected<platform::AccessibilityValue, platform::AccessibilityError>
    copyAttributeValue(const platform::AccessibleElement &element,
                       const QString &attribute) override;
    platform::Expected<void, platform::AccessibilityError>
    setAttributeValue(const platform::AccessibleElement &element, const QString &attribute,
                      const platform::AccessibilityValue &value) override;
    platform::Expected<void, platform::AccessibilityError>
    performAction(const platform::AccessibleElement &element, const QString &action) override;
    // The whole subtree, as one call: it records no reads.
    platform::Expected<QList<platform::AccessibleElement>, platform::AccessibilityError>
    findDescendants(const platform::AccessibleElement &element, const QString &role,
                    int limit) override;

private:
    struct Node {
        QList<platform::AccessibleElement> children;
        std::map<QString, platform::AccessibilityValue> attributes;
        std::map<QString, platform::AccessibilityError> failures;
    };
    platform::AccessibleElement make(const QString &name);
    void collect(const platform::AccessibleElement &element, const QString &role, int limit,
                 QList<platform::AccessibleElement> &found) const;

    QHash<QString, Node> m_nodes;
    QHash<qint32, platform::AccessibleElement> m_applications;
    int m_next = 0;
};

} // namespace testing
