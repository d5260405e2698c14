#pragma once

#include <QtGlobal>

#include "kit/AccessibilityProbe.h"
#include "platform/AccessibilityHost.h"

namespace halvex {

// Presses the back button in the toolbar of the process's focused window,
// for when a keystroke could not be sent. True when a button identified
// "back-button" was found and pressed. Used on the main thread.
bool pressBackButton(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
                     qint32 processIdentifier);

} // namespace halvex
