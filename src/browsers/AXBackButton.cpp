#include "browsers/AXBackButton.h"

#include "browsers/AXURLReader.h"
#include "browsers/AccessibilityAttributes.h"
#include "platform/Log.h"

namespace halvex {

namespace {

namespace ax = platform::ax;

bool hasLook(platform::AccessibilityHost &host, const platform::AccessibleElement &button,
             const BackButtonLook &look)
{
    for (const auto &[attribute, text] : look.marks) {
        if (copyStringAttribute(host, button, attribute) == text)
            return true;
    }
    return false;
}

std::optional<platform::AccessibleElement>
walkForBackButton(platform::AccessibilityHost &host, const platform::AccessibleElement &element,
                  const BackButtonLook &look, int depth)
{
    if (depth > AXURLReader::maximumDepth)
        return std::nullopt;
    if (copyStringAttribute(host, element, ax::role) == QLatin1String(ax::buttonRole) &&
        hasLook(host, element, look))
        return element;
    for (const platform::AccessibleElement &child : childElements(host, element)) {
        if (auto found = walkForBackButton(host, child, look, depth + 1))
            return found;
    }
    return std::nullopt;
}

std::optional<platform::AccessibleElement>
searchForBackButton(platform::AccessibilityHost &host, const platform::AccessibleElement &window,
                    const BackButtonLook &look)
{
    const auto buttons =
        host.findDescendants(window, QString::fromLatin1(ax::buttonRole), maximumSearchedButtons);
    if (!buttons)
        return std::nullopt;
    for (const platform::AccessibleElement &button : buttons.value()) {
        if (hasLook(host, button, look))
            return button;
    }
    return std::nullopt;
}

} // namespace

std::optional<platform::AccessibleElement> findBackButton(platform::AccessibilityHost &host,
                                                          const fennimar::AccessibilityProbe &trust,
                                                          qint32 processIdentifier,
                                                          const BackButtonLook &look)
{
    if (!trust.isTrusted())
        return std::nullopt;
    const platform::AccessibleElement application = host.applicationElement(processIdentifier);
    const std::optional<platform::AccessibleElement> window =
        copyElementAttribute(host, application, ax::focusedWindow);
    if (!window)
        return std::nullopt;
    std::optional<platform::AccessibleElement> button =
        look.searched ? searchForBackButton(host, *window, look)
                      : walkForBackButton(host, *window, look, 0);
    if (!button)
        platform::log::triggers().info("AX back button not found - step back falls through");
    return button;
}

bool pressBackButton(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
                     qint32 processIdentifier, const BackButtonLook &look)
{
    const std::optional<platform::AccessibleElement> button =
        findBackButton(host, trust, processIdentifier, look);
    return button && host.performAction(*button, QString::fromLatin1(ax::press)).hasValue();
}

} // namespace halvex
