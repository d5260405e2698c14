#include "FakeAccessibilityHost.h"

namespace testing {

using platform::AccessibilityError;
using platform::AccessibilityValue;
using platform::AccessibleElement;
using platform::unexpected;

namespace {
const QString service = QStringLiteral("fake");
}

AccessibleElement FakeAccessibilityHost::make(const QString &name)
{
    const QString path =
        name.isEmpty() ? QStringLiteral("/e%1").arg(++m_next) : QLatin1Char('/') + name;
    const AccessibleElement element{service, path};
    m_nodes.insert(path, Node());
    return element;
}

AccessibleElement FakeAccessibilityHost::addApplication(qint32 processIdentifier,
                                                        const QString &name)
{
    const AccessibleElement element = make(name);
    setAttribute(element, QString::fromLatin1(platform::ax::role),
                 QString::fromLatin1(platform::ax::applicationRole));
    m_applications.insert(processIdentifier, element);
    return element;
}

AccessibleElement FakeAccessibilityHost::addElement(const AccessibleElement &parent,
                                                    const QString &role, const QString &name)
{
    const AccessibleElement element = make(name);
    setAttribute(element, QString::fromLatin1(platform::ax::role), role);
    if (!parent.isNull()) {
        m_nodes[parent.path].children << element;
        setAttribute(element, QString::fromLatin1(platform::ax::parent), parent);
    }
    return element;
}

void FakeAccessibilityHost::setAttribute(const AccessibleElement &element, const QString &attribute,
                                         AccessibilityValue value)
{
    m_nodes[element.path].attributes.insert_or_assign(attribute, std::move(value));
}

void FakeAccessibilityHost::fail(const AccessibleElement &element, const QString &attributeOrAction,
                                 AccessibilityError error)
{
    m_nodes[element.path].failures.insert_or_assign(attributeOrAction, error);
}

void FakeAccessibilityHost::setFocusedWindow(const AccessibleElement &application,
                                             const AccessibleElement &window)
{
    setAttribute(application, QString::fromLatin1(platform::ax::focusedWindow), window);
}

AccessibleElement FakeAccessibilityHost::addTree(const QStringList &lines)
{
    QList<AccessibleElement> ancestors; // by depth
    AccessibleElement root;
    for (const QString &line : lines) {
        const qsizetype indent = line.size() - QStringView(line).trimmed().size();
        const int depth = int(indent / 2);
        const QStringList parts = line.trimmed().split(QLatin1Char('|'));
        QString name;
        for (const QString &part : parts.mid(1)) {
            if (part.startsWith(QLatin1String("name=")))
                name = part.mid(5);
        }
        const AccessibleElement parent =
            depth > 0 ? ancestors.value(depth - 1) : AccessibleElement();
        const AccessibleElement element = addElement(parent, parts.first(), name);
        for (const QString &part : parts.mid(1)) {
            const QString key = part.section(QLatin1Char('='), 0, 0);
            const QString value = part.section(QLatin1Char('='), 1);
            if (key == QLatin1String("url"))
                setAttribute(element, QString::fromLatin1(platform::ax::url), QUrl(value));
            else if (key == QLatin1String("urlText"))
                setAttribute(element, QString::fromLatin1(platform::ax::url), value);
            else if (key == QLatin1String("value"))
                setAttribute(element, QString::fromLatin1(platform::ax::value), value);
            else if (key == QLatin1String("id"))
                setAttribute(element, QString::fromLatin1(platform::ax::identifier), value);
            else if (key == QLatin1String("title"))
                setAttribute(element, QString::fromLatin1(platform::ax::title), value);
            else if (key == QLatin1String("focused"))
                setAttribute(element, QString::fromLatin1(platform::ax::focused),
                             value == QLatin1String("true"));
        }
        ancestors.resize(depth);
        ancestors << element;
        if (root.isNull())
            root = element;
    }
    return root;
}

QStringList FakeAccessibilityHost::callsOn(const AccessibleElement &element) const
{
    QStringList matching;
    for (const QString &call : calls) {
        if (call.section(QLatin1Char(' '), 1, 1) == element.path)
            matching << call;
    }
    return matching;
}

bool FakeAccessibilityHost::isProcessTrusted()
{
    ++trustChecks;
    return trusted;
}

bool FakeAccessibilityHost::requestProcessTrust()
{
    ++trustRequests;
    trusted = trusted || trustedAfterRequest;
    return trusted;
}

platform::Expected<AccessibleElement, AccessibilityError>
FakeAccessibilityHost::findApplication(qint32 processIdentifier)
{
    calls << QStringLiteral("application %1").arg(processIdentifier);
    if (const auto failure = lookupFailures.constFind(processIdentifier);
        failure != lookupFailures.cend())
        return unexpected(*failure);
    return m_applications.value(processIdentifier);
}

platform::Expected<AccessibilityValue, AccessibilityError>
FakeAccessibilityHost::copyAttributeValue(const AccessibleElement &element,
                                          const QString &attribute)
{
    calls << QStringLiteral("copy %1 %2").arg(element.path, attribute);
    const auto node = m_nodes.constFind(element.path);
    if (element.isNull() || node == m_nodes.cend())
        return unexpected(AccessibilityError::invalidElement);
    if (const auto failure = node->failures.find(attribute); failure != node->failures.end())
        return unexpected(failure->second);
    if (const auto value = node->attributes.find(attribute); value != node->attributes.end())
        return value->second;
    if (attribute == QLatin1String(platform::ax::children))
        return AccessibilityValue(node->children);
    return unexpected(AccessibilityError::noValue);
}

platform::Expected<void, AccessibilityError>
FakeAccessibilityHost::setAttributeValue(const AccessibleElement &element, const QString &attribute,
                                         const AccessibilityValue &value)
{
    calls << QStringLiteral("set %1 %2").arg(element.path, attribute);
    const auto node = m_nodes.constFind(element.path);
    if (element.isNull() || node == m_nodes.cend())
        return unexpected(AccessibilityError::invalidElement);
    if (const auto failure = node->failures.find(attribute); failure != node->failures.end())
        return unexpected(failure->second);
    setAttribute(element, attribute, value);
    if (onSet)
        onSet(element, attribute);
    return {};
}

platform::Expected<void, AccessibilityError>
FakeAccessibilityHost::performAction(const AccessibleElement &element, const QString &action)
{
    calls << QStringLiteral("perform %1 %2").arg(element.path, action);
    const auto node = m_nodes.constFind(element.path);
    if (element.isNull() || node == m_nodes.cend())
        return unexpected(AccessibilityError::invalidElement);
    if (const auto failure = node->failures.find(action); failure != node->failures.end())
        return unexpected(failure->second);
    return {};
}

platform::Expected<QList<AccessibleElement>, AccessibilityError>
FakeAccessibilityHost::findDescendants(const AccessibleElement &element, const QString &role,
                                       int limit)
{
    calls << QStringLiteral("search %1 %2").arg(element.path, role);
    const auto node = m_nodes.constFind(element.path);
    if (element.isNull() || node == m_nodes.cend())
        return unexpected(AccessibilityError::invalidElement);
    if (const auto failure = node->failures.find(role); failure != node->failures.end())
        return unexpected(failure->second);
    QList<AccessibleElement> found;
    collect(element, role, limit, found);
    return found;
}

void FakeAccessibilityHost::collect(const AccessibleElement &element, const QString &role,
                                    int limit, QList<AccessibleElement> &found) const
{
    const auto node = m_nodes.constFind(element.path);
    if (node == m_nodes.cend())
        return;
    for (const AccessibleElement &child : node->children) {
        if (found.size() >= limit)
            return;
        const auto childNode = m_nodes.constFind(child.path);
        if (childNode == m_nodes.cend())
            continue;
        const auto childRole = childNode->attributes.find(QString::fromLatin1(platform::ax::role));
        if (childRole != childNode->attributes.end() && std::get_if<QString>(&childRole->second) &&
            *std::get_if<QString>(&childRole->second) == role)
            found << child;
        collect(child, role, limit, found);
    }
}

} // namespace testing
