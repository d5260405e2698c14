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

// Whether a toolkit's name for a window agrees with the window manager's
// title: the same text, or the same with a mark added on one side of it (a
// private window's "(Incognito)", a profile's name), apart at a word.
bool titlesAgree(const QString &title, const QString &name);

// Which of the candidates is the front window: the one whose extents lie
// where the window is, in device pixels or at one scale for all four edges,
// allowing for the window manager's decorations and for margins a toolkit
// draws around its own windows. Where several lie there, the one whose name
// agrees with the title; where several of those do, the one the toolkit
// marks active. Otherwise, and when none fits, none is the window: a guess
// would read another window's page.
std::optional<qsizetype> matchFrontWindow(const FrontWindow &front,
                                          const QList<AccessibleWindowFacts> &candidates);

} // namespace platform
