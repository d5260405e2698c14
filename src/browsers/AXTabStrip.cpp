#include "browsers/AXTabStrip.h"

#include "browsers/AccessibilityAttributes.h"

namespace halvex {

namespace ax = platform::ax;

std::optional<QList<platform::AccessibleElement>>
windowTabs(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
           qint32 processIdentifier)
{
    if (!trust.isTrusted())
        return std::nullopt;
    const std::optional<platform::AccessibleElement> window =
        copyElementAttribute(host, host.applicationElement(processIdentifier), ax::focusedWindow);
    if (!window)
        return std::nullopt;
    // A window may keep a second strip out of sight (a vertical one); the
    // search finds only what is on screen.
    const auto strips = host.findDescendants(*window, QString::fromLatin1(ax::tabGroupRole), 1);
    if (!strips || strips->isEmpty())
        return std::nullopt;
    const auto tabs = host.copyAttributeValue(strips->first(), QString::fromLatin1(ax::tabs));
    if (!tabs)
        return std::nullopt;
    const auto *list = std::get_if<QList<platform::AccessibleElement>>(&tabs.value());
    // A strip always holds the tab in front: an empty one was not read right.
    if (!list || list->isEmpty())
        return std::nullopt;
    return *list;
}

bool pressCloseButton(platform::AccessibilityHost &host, const platform::AccessibleElement &tab)
{
    // Its label follows the browser's language; its place does not: after
    // the title and any sound button.
    const QList<platform::AccessibleElement> children = childElements(host, tab);
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        if (copyStringAttribute(host, *child, ax::role) == QLatin1String(ax::buttonRole))
            return host.performAction(*child, QString::fromLatin1(ax::press)).hasValue();
    }
    return false;
}

} // namespace halvex
