#include "browsers/AXBackButton.h"

#include "browsers/AXURLReader.h"
#include "browsers/AccessibilityAttributes.h"
#include "platform/Log.h"

namespace halvex {

namespace {

namespace ax = platform::ax;

std::optional<platform::AccessibleElement>
findBackButton(platform::AccessibilityHost &host, const platform::AccessibleElement &element,
               const BackButtonLook &look, int depth)
{
    if (depth > AXURLReader::maximumDepth)
        return std::nullopt;
    if (copyStringAttribute(host, element, ax::role) == QLatin1String(ax::buttonRole) &&
        copyStringAttribute(host, element, look.attribute) == look.text)
        return element;
    for (const platform::AccessibleElement &child : childElements(host, element)) {
        if (auto found = findBackButton(host, child, look, depth + 1))
            return found;
    }
    return std::nullopt;
}

} // namespace

bool pressBackButton(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
                     qint32 processIdentifier, const BackButtonLook &look)
{
    if (!trust.isTrusted())
        return false;
    const platform::AccessibleElement application = host.applicationElement(processIdentifier);
    const std::optional<platform::AccessibleElement> window =
        copyElementAttribute(host, application, ax::focusedWindow);
    if (!window)
        return false;
    const std::optional<platform::AccessibleElement> button =
        findBackButton(host, *window, look, 0);
    if (!button) {
        platform::log::triggers().info("AX back button not found - step back falls through");
        return false;
    }
    return host.performAction(*button, QString::fromLatin1(ax::press)).hasValue();
}

} // namespace halvex
