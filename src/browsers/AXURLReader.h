#pragma once

#include <optional>

#include <QString>

#include "kit/AccessibilityProbe.h"
#include "platform/AccessibilityHost.h"
#include "platform/RunningApplications.h"

namespace halvex {

// Reads the address a browser window shows from its accessibility tree:
// the page's own URL where the tree exposes it, else the text of the
// address field. Keeps nothing between calls. Used on the main thread.
//
// A look costs a handful of calls, not one per element: the page the
// window names as the one in front, else the application's own search of
// its tree; the tree is walked element by element only where the
// application cannot search, or where a search hands back so much that
// what it left out could count.
class AXURLReader final {
public:
    // Deeper elements than this, counted from the window, are never looked at.
    static constexpr int maximumDepth = 6;
    // The on-screen pages of one window a document read looks through: the
    // tab's page, and the odd side panel or bubble besides.
    static constexpr int maximumDocuments = 4;
    // The pages, or the fields, a search of a window hands back for the
    // address read; a window on screen never shows as many.
    static constexpr int maximumSearched = 16;

    AXURLReader(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
                const platform::RunningApplications &running)
        : m_host(host)
        , m_trust(trust)
        , m_running(running)
    {}

    // The address in the focused window of the running application with
    // this identifier whose window is in front; nothing without trust, without such an
    // application, or when no address is found.
    std::optional<QString> readURL(const QString &bundleIdentifier) const;
    // The same for a browser whose tree is too wide to walk on every poll
    // (the Chromium family): the first on-screen page under the focused
    // window that has an address, found by the application's own search.
    // Its address field drops the scheme and holds whatever the user types,
    // so it is read only where no page has an address yet and the user is
    // not typing there.
    std::optional<QString> readDocumentURL(const QString &bundleIdentifier) const;

private:
    using WindowSearch =
        std::optional<QString> (AXURLReader::*)(const platform::AccessibleElement &) const;

    std::optional<QString> read(const QString &bundleIdentifier, WindowSearch search) const;
    // The first on-screen page with an address within the depth limit, in
    // tree order (a page before the pages in its frames), else the first
    // address field there.
    std::optional<QString> readWindow(const platform::AccessibleElement &window) const;
    std::optional<QString> pageURL(const platform::AccessibleElement &window) const;
    std::optional<QString> addressFieldURL(const platform::AccessibleElement &window) const;
    std::optional<QString> searchDocuments(const platform::AccessibleElement &window) const;
    std::optional<QString> restingFieldAddress(const platform::AccessibleElement &window) const;
    std::optional<QString> webAreaURL(const platform::AccessibleElement &webArea) const;
    // The address a field holds, as a URL; nothing for a search term.
    std::optional<QString> fieldAddress(const platform::AccessibleElement &field) const;
    // Whether the element lies at most maximumDepth below the window.
    bool isWithinDepth(const platform::AccessibleElement &window,
                       platform::AccessibleElement element) const;
    std::optional<QString> findWebAreaURL(const platform::AccessibleElement &element,
                                          int depth) const;
    std::optional<QString> findAddressFieldURL(const platform::AccessibleElement &element,
                                               int depth) const;
    void enableEnhancedAccessibility(const platform::AccessibleElement &application) const;

    platform::AccessibilityHost &m_host;
    const fennimar::AccessibilityProbe &m_trust;
    const platform::RunningApplications &m_running;
};

} // namespace halvex
