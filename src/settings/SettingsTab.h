#pragma once

#include <array>

#include <QString>

namespace halvex {

// The sections of the settings window, in sidebar order.
enum class SettingsTab { general, permissions, about };

inline constexpr std::array<SettingsTab, 3> allSettingsTabs{
    SettingsTab::general, SettingsTab::permissions, SettingsTab::about};

// "general", "permissions", "about".
QString raw(SettingsTab tab);
// The section's name in the interface language of the moment.
QString title(SettingsTab tab);
// The symbol its sidebar row shows.
QString symbolName(SettingsTab tab);

} // namespace halvex
