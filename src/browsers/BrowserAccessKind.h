#pragma once

namespace halvex {

// How a browser is reached, and so which permission it needs.
enum class BrowserAccessKind {
    appleEvents,   // scripts; the browser's automation permission
    accessibility, // the accessibility interface and keystrokes; our accessibility trust
};

} // namespace halvex
