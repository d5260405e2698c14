#pragma once

#include "browsers/AccessibilityBrowserBridge.h"
#include "browsers/BrowserURLProbe.h"

namespace halvex {

// The probe table of a Linux desktop, where every supported browser that
// exists there is read and steered through the accessibility bus: the
// Chromium family (Chrome, Opera, Brave, Edge, Vivaldi) and Firefox, keyed
// by their catalogue identifiers. Safari and Arc have no Linux build and no
// entry. The bridges share the services, which must outlive them.
BrowserProbeTable makeLinuxProbeTable(const AccessibilityBridgeServices &services);

} // namespace halvex
