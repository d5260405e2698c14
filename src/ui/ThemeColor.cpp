#include "ui/ThemeColor.h"

#include "ui/Environment.h"

namespace halvex {

const QColor &ThemeColor::resolve(const QWidget *widget) const
{
    return resolve(Environment::appearance(widget));
}

ThemeColor ThemeColor::withOpacity(qreal opacity) const
{
    QColor light = m_light;
    QColor dark = m_dark;
    light.setAlphaF(light.alphaF() * opacity);
    dark.setAlphaF(dark.alphaF() * opacity);
    return {light, dark};
}

} // namespace halvex
