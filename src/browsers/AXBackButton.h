#pragma once

#include <QString>
#include <QtGlobal>

#include "kit/AccessibilityProbe.h"
#include "platform/AccessibilityHost.h"

namespace halvex {

// How a browser's back button is told from the other buttons: the text one
// of its attributes holds.
struct BackButtonLook {
    const char *attribute;
    QString text;

    // Firefox names its own controls.
    static BackButtonLook firefox()
    {
        return {platform::ax::identifier, QStringLiteral("back-button")};
    }
    // The Chromium family gives its toolbar buttons no lasting name but their
    // label, which follows the browser's language.
    static BackButtonLook chromium() { return {platform::ax::title, QStringLiteral("Back")}; }
};

// Presses the back button in the toolbar of the process's focused window,
// for when a keystroke could not be sent. True when a button with the look
// was found and pressed. Used on the main thread.
bool pressBackButton(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
                     qint32 processIdentifier,
                     const BackButtonLook &look = BackButtonLook::firefox());

} // namespace halvex
