#pragma once

#include "browsers/AccessibilityBrowserBridge.h"
#include "browsers/BrowserURLProbe.h"

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

// The probe table of a Linux desktop, where every supported browser that
// exists there is read and steered through the accessibility bus: the
// Chromium family (Chrome, Opera, Brave, Edge, Vivaldi) and Firefox, keyed
// by their catalogue identifiers. Safari and Arc have no Linux build and no
// entry. Each bridge bears the name of the browser installed under its
// identifier, from its desktop entry (Chromium where Chrome's open build is
// what is installed), else the name the browser is known by, and that
// entry's desktop-file id as its installed identifier ("chromium"; empty
// when none is installed). The bridges share the services, which must
// outlive them.
BrowserProbeTable makeLinuxProbeTable(const AccessibilityBridgeServices &services,
                                      const platform::DesktopEntryIndex &installed);

} // namespace halvex
