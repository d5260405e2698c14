#include "browsers/AXURLReader.h"

#include "browsers/AccessibilityAttributes.h"

namespace halvex {

namespace ax = platform::ax;

std::optional<QString> AXURLReader::readURL(const QString &bundleIdentifier) const
{
    return read(bundleIdentifier, &AXURLReader::walkWindow);
}

std::optional<QString> AXURLReader::readDocumentURL(const QString &bundleIdentifier) const
{
    return read(bundleIdentifier, &AXURLReader::searchDocuments);
}

std::optional<QString> AXURLReader::read(const QString &bundleIdentifier, WindowSearch search) const
{
    if (!m_trust.isTrusted())
        return std::nullopt;
    // Two processes of one browser (each with a profile of its own) are two
    // applications on the bus: the one read owns the window in front.
    const std::optional<platform::RunningApplication> browser =
        m_running.frontmostOf(bundleIdentifier);
    if (!browser)
        return std::nullopt;
    const platform::AccessibleElement application =
        m_host.applicationElement(browser->processIdentifier);
    if (std::optional<QString> url = readFocusedWindow(application, search))
        return url;
    // Some browsers build their full tree only once asked to; ask and look
    // once more at once. Nothing remembers having asked.
    enableEnhancedAccessibility(application);
    return readFocusedWindow(application, search);
}

std::optional<QString>
AXURLReader::readFocusedWindow(const platform::AccessibleElement &application,
                               WindowSearch search) const
{
    const std::optional<platform::AccessibleElement> window =
        copyElementAttribute(m_host, application, ax::focusedWindow);
    if (!window)
        return std::nullopt;
    return (this->*search)(*window);
}

std::optional<QString> AXURLReader::walkWindow(const platform::AccessibleElement &window) const
{
    if (std::optional<QString> url = findWebAreaURL(window, 0))
        return url;
    return findAddressFieldURL(window, 0);
}

std::optional<QString> AXURLReader::searchDocuments(const platform::AccessibleElement &window) const
{
    const auto webAreas =
        m_host.findDescendants(window, QString::fromLatin1(ax::webAreaRole), maximumDocuments);
    if (!webAreas)
        return std::nullopt;
    // Frames of the browser's own panels are web areas without an address.
    for (const platform::AccessibleElement &webArea : webAreas.value()) {
        if (std::optional<QString> url = webAreaURL(webArea))
            return url;
    }
    return std::nullopt;
}

std::optional<QString> AXURLReader::webAreaURL(const platform::AccessibleElement &webArea) const
{
    const auto url = m_host.copyAttributeValue(webArea, QString::fromLatin1(ax::url));
    if (!url)
        return std::nullopt;
    if (const QUrl *asUrl = std::get_if<QUrl>(&url.value()))
        return asUrl->toString(QUrl::FullyEncoded);
    if (const QString *asText = std::get_if<QString>(&url.value()))
        return *asText;
    return std::nullopt;
}

std::optional<QString> AXURLReader::findWebAreaURL(const platform::AccessibleElement &element,
                                                   int depth) const
{
    if (depth > maximumDepth)
        return std::nullopt;
    if (copyStringAttribute(m_host, element, ax::role) == QLatin1String(ax::webAreaRole)) {
        if (std::optional<QString> url = webAreaURL(element))
            return url;
    }
    for (const platform::AccessibleElement &child : childElements(m_host, element)) {
        if (std::optional<QString> found = findWebAreaURL(child, depth + 1))
            return found;
    }
    return std::nullopt;
}

std::optional<QString> AXURLReader::findAddressFieldURL(const platform::AccessibleElement &element,
                                                        int depth) const
{
    if (depth > maximumDepth)
        return std::nullopt;
    if (copyStringAttribute(m_host, element, ax::role) == QLatin1String(ax::textFieldRole)) {
        const std::optional<QString> value = copyStringAttribute(m_host, element, ax::value);
        // An address has a dot and no space; a search term or a bare word is none.
        if (value && value->contains(QLatin1Char('.')) && !value->contains(QLatin1Char(' '))) {
            if (value->startsWith(QLatin1String("http")))
                return *value;
            return QString(QStringLiteral("https://") + *value);
        }
    }
    for (const platform::AccessibleElement &child : childElements(m_host, element)) {
        if (std::optional<QString> found = findAddressFieldURL(child, depth + 1))
            return found;
    }
    return std::nullopt;
}

void AXURLReader::enableEnhancedAccessibility(const platform::AccessibleElement &application) const
{
    // Either switch may be unknown to the browser; that is no failure.
    for (const char *attribute : {ax::enhancedUserInterface, ax::manualAccessibility})
        (void)m_host.setAttributeValue(application, QString::fromLatin1(attribute),
                                       platform::AccessibilityValue(true));
}

} // namespace halvex
