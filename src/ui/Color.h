#pragma once

#include <map>

#include <QString>

#include "ui/ThemeColor.h"

namespace halvex {

// The thirteen colour tokens. Each is read once from the colour catalogue
// under its own name and kept for the life of the process.
class Color final {
public:
    static const ThemeColor &background();
    static const ThemeColor &surface();
    static const ThemeColor &surfaceElevated();
    static const ThemeColor &ink();
    static const ThemeColor &inkMuted();
    static const ThemeColor &inkSubtle();
    static const ThemeColor &accent();
    static const ThemeColor &onAccent();
    static const ThemeColor &brand();
    static const ThemeColor &destructive();
    static const ThemeColor &warning();
    static const ThemeColor &success();
    static const ThemeColor &divider();

    // What a name missing from the catalogue yields: loud on purpose, so a
    // typo shows on screen instead of passing for a real colour.
    static QColor missing() { return QColor(255, 0, 255); }

    // Each channel, alpha included, `amount` of the way from `from` (at 0)
    // to `to` (at 1). Springs overshoot a little; colours stay within their
    // ends.
    static QColor mix(const QColor &from, const QColor &to, qreal amount);
};

// The catalogue compiled into the program, by name.
const std::map<QString, ThemeColor> &colorCatalog();

// The catalogue's colour of that name, or Color::missing() in both
// appearances (logged) when it has none.
ThemeColor namedAssetColor(const QString &name);

} // namespace halvex
