#pragma once

#include <QObject>
#include <QPalette>

#include "model/AppSettings.h"

namespace platform {
class PortalAppearanceWatcher;
class SystemAppearance;
} // namespace platform

namespace halvex {

// Applies the chosen theme to the whole application at run time: light or
// dark, or "auto", which follows the desktop's colour scheme. Applying sets
// the application's appearance (every open kit widget redraws from its
// tokens) and a palette built from the tokens (plain Qt widgets follow).
// In "auto" it reads the desktop again whenever the platform reports a theme
// change, the desktop's portal announces a new colour scheme, the
// application becomes active, and on refreshSystemAppearance().
class ThemeController final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ThemeController)
public:
    // `changes` (optional) announces the desktop's scheme changes that Qt's
    // platform theme does not pass on as theme change events.
    explicit ThemeController(const platform::SystemAppearance &system,
                             platform::PortalAppearanceWatcher *changes = nullptr,
                             QObject *parent = nullptr);
    ~ThemeController() override;

    AppTheme theme() const { return m_theme; }
    void setTheme(AppTheme theme);
    // The stored raw value: "light", "dark", anything else follows the desktop.
    void setThemeRaw(const QString &raw);

    Appearance appearance() const { return m_appearance; }

    // Reads the desktop's appearance again; applies it in "auto".
    void refreshSystemAppearance();

    static QPalette paletteFor(Appearance appearance);

signals:
    void appearanceChanged(halvex::Appearance appearance);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    const platform::SystemAppearance &m_system;
    AppTheme m_theme = AppTheme::automatic;
    Appearance m_appearance = Appearance::light;
    bool m_applied = false;
};

} // namespace halvex
