#include "browsers/AccessibilityAttributes.h"

namespace halvex {

namespace {

template <class T>
std::optional<T> copyAs(platform::AccessibilityHost &host,
                        const platform::AccessibleElement &element, const char *attribute)
{
    auto value = host.copyAttributeValue(element, QString::fromLatin1(attribute));
    if (!value)
        return std::nullopt;
    if (const T *typed = std::get_if<T>(&value.value()))
        return *typed;
    return std::nullopt;
}

} // namespace

std::optional<platform::AccessibleElement>
copyElementAttribute(platform::AccessibilityHost &host, const platform::AccessibleElement &element,
                     const char *attribute)
{
    return copyAs<platform::AccessibleElement>(host, element, attribute);
}

std::optional<QString> copyStringAttribute(platform::AccessibilityHost &host,
                                           const platform::AccessibleElement &element,
                                           const char *attribute)
{
    return copyAs<QString>(host, element, attribute);
}

std::optional<bool> copyBoolAttribute(platform::AccessibilityHost &host,
                                      const platform::AccessibleElement &element,
                                      const char *attribute)
{
    return copyAs<bool>(host, element, attribute);
}

QList<platform::AccessibleElement> childElements(platform::AccessibilityHost &host,
                                                 const platform::AccessibleElement &element)
{
    return copyAs<QList<platform::AccessibleElement>>(host, element, platform::ax::children)
        .value_or(QList<platform::AccessibleElement>());
}

} // namespace halvex
