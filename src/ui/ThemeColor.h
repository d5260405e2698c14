#pragma once

#include <QColor>

#include "model/AppSettings.h"

class QWidget;

namespace halvex {

// A colour with one value for each appearance. A plain colour converts to
// one that looks the same in both, so callers may pass either.
class ThemeColor final {
public:
    ThemeColor() = default;
    ThemeColor(const QColor &both)
        : m_light(both)
        , m_dark(both)
    {} // NOLINT: implicit on purpose
    ThemeColor(const QColor &light, const QColor &dark)
        : m_light(light)
        , m_dark(dark)
    {}

    const QColor &light() const { return m_light; }
    const QColor &dark() const { return m_dark; }
    const QColor &resolve(Appearance appearance) const
    {
        return appearance == Appearance::dark ? m_dark : m_light;
    }
    // The value for the appearance the widget is drawn in.
    const QColor &resolve(const QWidget *widget) const;

    // The same colour at `opacity` times its own alpha, in both appearances.
    ThemeColor withOpacity(qreal opacity) const;

    friend bool operator==(const ThemeColor &a, const ThemeColor &b)
    {
        return a.m_light == b.m_light && a.m_dark == b.m_dark;
    }

private:
    QColor m_light;
    QColor m_dark;
};

} // namespace halvex
