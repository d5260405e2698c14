#pragma once

#include <optional>
#include <utility>

#include <QList>
#include <QString>
#include <QtGlobal>

#include "kit/AccessibilityProbe.h"
#include "platform/AccessibilityHost.h"

namespace halvex {

// How a browser's back button is told from the other buttons, and how it is
// looked for.
struct BackButtonLook {
    // Attribute and text pairs, compared exactly; a button with any of them
    // is the back button.
    QList<std::pair<const char *, QString>> marks;
    // Found by the browser's own search among the first buttons of the
    // window, in tree order, for a tree too wide to walk; otherwise by a
    // walk of the window's upper levels.
    bool searched = false;

    // Firefox names its own controls.
    static BackButtonLook firefox()
    {
        return {{{platform::ax::identifier, QStringLiteral("back-button")}}};
    }
    // Chromium's toolbar buttons carry the fixed id of their view whatever
    // the browser's language; the label, which follows the language, serves
    // the family's browsers that draw their toolbar otherwise.
    static BackButtonLook chromium()
    {
        return {{{platform::ax::identifier, QStringLiteral("view_1001")},
                 {platform::ax::title, QStringLiteral("Back")}},
                true};
    }
};

// The first buttons a searched look considers: the window's own buttons come
// before the toolbar's, the page's after it.
inline constexpr int maximumSearchedButtons = 16;

// The back button in the toolbar of the process's focused window; nothing
// without trust, without a window or without such a button (which is
// logged). Used on the main thread.
std::optional<platform::AccessibleElement>
findBackButton(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
               qint32 processIdentifier, const BackButtonLook &look = BackButtonLook::firefox());

// Presses that button, for when a keystroke could not be sent. True when a
// button with the look was found and pressed.
bool pressBackButton(platform::AccessibilityHost &host, const fennimar::AccessibilityProbe &trust,
                     qint32 processIdentifier,
                     const BackButtonLook &look = BackButtonLook::firefox());

} // namespace halvex
