#include "ui/Color.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/Log.h"

namespace halvex {

namespace {

std::map<QString, ThemeColor> loadCatalog()
{
    std::map<QString, ThemeColor> catalog;
    QFile file(QStringLiteral(":/halvex/colors/Colors.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        platform::log::app().error("colour catalogue missing: %s", {file.fileName()});
        return catalog;
    }
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        const QColor light = QColor::fromString(entry.value(u"light").toString());
        const QColor dark = QColor::fromString(entry.value(u"dark").toString());
        if (!light.isValid() || !dark.isValid()) {
            platform::log::app().error("colour catalogue entry unreadable: %s", {it.key()});
            continue;
        }
        catalog.emplace(it.key(), ThemeColor(light, dark));
    }
    return catalog;
}

} // namespace

const std::map<QString, ThemeColor> &colorCatalog()
{
    static const std::map<QString, ThemeColor> catalog = loadCatalog();
    return catalog;
}

ThemeColor namedAssetColor(const QString &name)
{
    const auto &catalog = colorCatalog();
    const auto found = catalog.find(name);
    if (found != catalog.end())
        return found->second;
    platform::log::app().error("no colour named %s in the catalogue", {name});
    return ThemeColor(Color::missing());
}

#define HALVEX_COLOR_TOKEN(token)                                                                  \
    const ThemeColor &Color::token()                                                               \
    {                                                                                              \
        static const ThemeColor value = namedAssetColor(QStringLiteral(#token));                   \
        return value;                                                                              \
    }

HALVEX_COLOR_TOKEN(background)
HALVEX_COLOR_TOKEN(surface)
HALVEX_COLOR_TOKEN(surfaceElevated)
HALVEX_COLOR_TOKEN(ink)
HALVEX_COLOR_TOKEN(inkMuted)
HALVEX_COLOR_TOKEN(inkSubtle)
HALVEX_COLOR_TOKEN(accent)
HALVEX_COLOR_TOKEN(onAccent)
HALVEX_COLOR_TOKEN(brand)
HALVEX_COLOR_TOKEN(destructive)
HALVEX_COLOR_TOKEN(warning)
HALVEX_COLOR_TOKEN(success)
HALVEX_COLOR_TOKEN(divider)

#undef HALVEX_COLOR_TOKEN

QColor Color::mix(const QColor &from, const QColor &to, qreal amount)
{
    const qreal t = qBound(0.0, amount, 1.0);
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                            from.greenF() + (to.greenF() - from.greenF()) * t,
                            from.blueF() + (to.blueF() - from.blueF()) * t,
                            from.alphaF() + (to.alphaF() - from.alphaF()) * t);
}

} // namespace halvex
