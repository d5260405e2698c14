#pragma once

#include <optional>

#include <QList>
#include <QRect>
#include <QString>

#include "platform/FrontWindowSource.h"

namespace platform {

// What a toolkit tells of one of its top-level windows on the
// accessibility bus.
struct AccessibleWindowFacts {
    QString name = {};
    // In screen coordinates, in the toolkit's own units: some report device
    // pixels, others device-independent ones.
    std::optional<QRect> extents = {};
    bool active = false;
    bool iconified = false;
};

// Which of the candidates is the front window: the one named by its title
// whose extents lie where the window is, in device pixels or at one scale
// for all four edges, allowing for the window manager's decorations and for
// margins a toolkit draws around its own windows. Several alike are told
// apart by the toolkit's own mark of the active window; otherwise, and when
// none fits, none is the window: a guess would read another window's page.
std::optional<qsizetype> matchFrontWindow(const FrontWindow &front,
                                          const QList<AccessibleWindowFacts> &candidates);

} // namespace platform
