#pragma once

#include <optional>

#include <QList>
#include <QtGlobal>

#include "kit/AccessibilityProbe.h"
#include "platform/AccessibilityHost.h"

namespace halvex {

// The tabs of the process's focused window in the order of its strip, the
// strip being the first the browser's own search finds on screen; nothing
// without trust, without a window or without a strip that shows a tab.
// Used on the main thread.
std::optional<QList<platform::AccessibleElement>>
windowTabs(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
           qint32 processIdentifier);

// Presses the tab's close button, the last button the tab shows: the tab
// closes without coming to the front. True when that was pressed.
bool pressCloseButton(platform::AccessibilityHost &host, const platform::AccessibleElement &tab);

} // namespace halvex
