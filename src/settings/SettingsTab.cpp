#include "settings/SettingsTab.h"

namespace halvex {

QString raw(SettingsTab tab)
{
    switch (tab) {
    case SettingsTab::general:
        return QStringLiteral("general");
    case SettingsTab::permissions:
        return QStringLiteral("permissions");
    case SettingsTab::about:
        return QStringLiteral("about");
    }
    return {};
}

QString title(SettingsTab tab)
{
    switch (tab) {
    case SettingsTab::general:
        //% "General"
        return qtTrId("settings.tab.general");
    case SettingsTab::permissions:
        //% "Permissions"
        return qtTrId("settings.tab.permissions");
    case SettingsTab::about:
        //% "About"
        return qtTrId("settings.tab.about");
    }
    return {};
}

QString symbolName(SettingsTab tab)
{
    switch (tab) {
    case SettingsTab::general:
        return QStringLiteral("gearshape");
    case SettingsTab::permissions:
        return QStringLiteral("lock.shield");
    case SettingsTab::about:
        return QStringLiteral("info.circle");
    }
    return {};
}

} // namespace halvex
