#include "browsers/AXURLReader.h"

#include "browsers/AccessibilityAttributes.h"

namespace halvex {

namespace ax = platform::ax;

std::optional<QString> AXURLReader::readURL(const QString &bundleIdentifier) const
{
    return read(bundleIdentifier, &AXURLReader::readWindow);
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
    std::optional<platform::AccessibleElement> window =
        copyElementAttribute(m_host, application, ax::focusedWindow);
    if (window) {
        if (std::optional<QString> url = (this->*search)(*window))
            return url;
    }
    // Some browsers build their full tree only once asked to; ask and look
    // once more at once. Nothing remembers having asked. A window found is
    // still the one in front; only one not found yet is looked for again.
    enableEnhancedAccessibility(application);
    if (!window)
        window = copyElementAttribute(m_host, application, ax::focusedWindow);
    if (!window)
        return std::nullopt;
    return (this->*search)(*window);
}

std::optional<QString> AXURLReader::readWindow(const platform::AccessibleElement &window) const
{
    if (std::optional<QString> url = pageURL(window))
        return url;
    return addressFieldURL(window);
}

std::optional<QString> AXURLReader::pageURL(const platform::AccessibleElement &window) const
{
    // The page in front, where the browser names it (Firefox): a few calls
    // wherever it lies in the tree, and the tab's page, not a side panel's.
    const std::optional<platform::AccessibleElement> shown =
        copyElementAttribute(m_host, window, ax::embeddedDocument);
    if (shown && copyStringAttribute(m_host, *shown, ax::role) == QLatin1String(ax::webAreaRole) &&
        isWithinDepth(window, *shown)) {
        if (std::optional<QString> url = webAreaURL(*shown))
            return url;
    }
    const auto webAreas =
        m_host.findDescendants(window, QString::fromLatin1(ax::webAreaRole), maximumSearched);
    if (!webAreas)
        return findWebAreaURL(window, 0);
    for (const platform::AccessibleElement &webArea : webAreas.value()) {
        // Known already to give nothing.
        if (webArea == shown)
            continue;
        if (std::optional<QString> url = webAreaURL(webArea); url && isWithinDepth(window, webArea))
            return url;
    }
    // As many as it hands back: the one with an address may be past them.
    if (webAreas->size() >= maximumSearched)
        return findWebAreaURL(window, 0);
    return std::nullopt;
}

std::optional<QString> AXURLReader::addressFieldURL(const platform::AccessibleElement &window) const
{
    const auto fields =
        m_host.findDescendants(window, QString::fromLatin1(ax::textFieldRole), maximumSearched);
    if (!fields)
        return findAddressFieldURL(window, 0);
    for (const platform::AccessibleElement &field : fields.value()) {
        if (std::optional<QString> url = fieldAddress(field); url && isWithinDepth(window, field))
            return url;
    }
    if (fields->size() >= maximumSearched)
        return findAddressFieldURL(window, 0);
    return std::nullopt;
}

bool AXURLReader::isWithinDepth(const platform::AccessibleElement &window,
                                platform::AccessibleElement element) const
{
    for (int depth = 0;; ++depth) {
        if (element == window)
            return true;
        if (depth == maximumDepth)
            return false;
        const std::optional<platform::AccessibleElement> above =
            copyElementAttribute(m_host, element, ax::parent);
        if (!above)
            return false;
        element = *above;
    }
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
    // A busy browser may never build the tree of a page it opened in a
    // window of its own (a popup), and show only an empty page for it.
    return restingFieldAddress(window);
}

std::optional<QString>
AXURLReader::restingFieldAddress(const platform::AccessibleElement &window) const
{
    // The first field of a window is its address field, before the page's own.
    const auto fields = m_host.findDescendants(window, QString::fromLatin1(ax::textFieldRole), 1);
    if (!fields || fields->isEmpty())
        return std::nullopt;
    // Where the user types, or may be typing, it holds no page's address.
    if (copyBoolAttribute(m_host, fields->first(), ax::focused) != false)
        return std::nullopt;
    return fieldAddress(fields->first());
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
        if (std::optional<QString> url = fieldAddress(element))
            return url;
    }
    for (const platform::AccessibleElement &child : childElements(m_host, element)) {
        if (std::optional<QString> found = findAddressFieldURL(child, depth + 1))
            return found;
    }
    return std::nullopt;
}

std::optional<QString> AXURLReader::fieldAddress(const platform::AccessibleElement &field) const
{
    const std::optional<QString> value = copyStringAttribute(m_host, field, ax::value);
    // An address has a dot and no space; a search term or a bare word is none.
    if (!value || !value->contains(QLatin1Char('.')) || value->contains(QLatin1Char(' ')))
        return std::nullopt;
    if (value->startsWith(QLatin1String("http")))
        return *value;
    return QString(QStringLiteral("https://") + *value);
}

void AXURLReader::enableEnhancedAccessibility(const platform::AccessibleElement &application) const
{
    // Either switch may be unknown to the browser; that is no failure.
    for (const char *attribute : {ax::enhancedUserInterface, ax::manualAccessibility})
        (void)m_host.setAttributeValue(application, QString::fromLatin1(attribute),
                                       platform::AccessibilityValue(true));
}

} // namespace halvex
