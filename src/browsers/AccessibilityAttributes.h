#pragma once

#include <optional>

#include <QList>
#include <QString>

#include "platform/AccessibilityHost.h"

namespace halvex {

// Single-attribute reads where any accessibility error, and any value of
// another type, counts as no value.

// The attribute's value when it is itself an element.
std::optional<platform::AccessibleElement>
copyElementAttribute(platform::AccessibilityHost &host, const platform::AccessibleElement &element,
                     const char *attribute);

// The attribute's value when it is text.
std::optional<QString> copyStringAttribute(platform::AccessibilityHost &host,
                                           const platform::AccessibleElement &element,
                                           const char *attribute);

// The attribute's value when it is a yes or no.
std::optional<bool> copyBoolAttribute(platform::AccessibilityHost &host,
                                      const platform::AccessibleElement &element,
                                      const char *attribute);

// The element's children in the order it lists them; none when it lists
// none or gives something other than elements.
QList<platform::AccessibleElement> childElements(platform::AccessibilityHost &host,
                                                 const platform::AccessibleElement &element);

} // namespace halvex
