#include "ui/ThemeController.h"

#include <QApplication>
#include <QEvent>

#include "platform/PortalAppearanceWatcher.h"
#include "platform/SystemAppearance.h"
#include "ui/Color.h"
#include "ui/Environment.h"

namespace halvex {

ThemeController::ThemeController(const platform::SystemAppearance &system,
                                 platform::PortalAppearanceWatcher *changes, QObject *parent)
    : QObject(parent)
    , m_system(system)
{
    qApp->installEventFilter(this);
    if (changes) {
        connect(changes, &platform::PortalAppearanceWatcher::changed, this,
                &ThemeController::refreshSystemAppearance);
    }
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    refreshSystemAppearance();
            });
}

ThemeController::~ThemeController()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void ThemeController::setTheme(AppTheme theme)
{
    m_theme = theme;
    apply();
}

void ThemeController::setThemeRaw(const QString &raw)
{
    setTheme(appThemeFromRaw(raw).value_or(AppTheme::automatic));
}

void ThemeController::refreshSystemAppearance()
{
    if (m_theme == AppTheme::automatic)
        apply();
}

void ThemeController::apply()
{
    Appearance next = Appearance::light;
    switch (m_theme) {
    case AppTheme::light:
        next = Appearance::light;
        break;
    case AppTheme::dark:
        next = Appearance::dark;
        break;
    case AppTheme::automatic:
        next = systemAppearance(m_system);
        break;
    }
    if (m_applied && next == m_appearance)
        return;
    m_applied = true;
    m_appearance = next;
    QApplication::setPalette(paletteFor(next));
    Environment::setApplicationAppearance(next);
    emit appearanceChanged(next);
}

bool ThemeController::eventFilter(QObject *watched, QEvent *event)
{
    // The platform's own theme changed (the desktop switched its scheme).
    if (watched == qApp && event->type() == QEvent::ThemeChange)
        refreshSystemAppearance();
    return QObject::eventFilter(watched, event);
}

QPalette ThemeController::paletteFor(Appearance a)
{
    const auto c = [a](const ThemeColor &token) { return token.resolve(a); };
    QPalette pal;
    pal.setColor(QPalette::Window, c(Color::background()));
    pal.setColor(QPalette::WindowText, c(Color::ink()));
    pal.setColor(QPalette::Base, c(Color::surface()));
    pal.setColor(QPalette::AlternateBase, c(Color::background()));
    pal.setColor(QPalette::ToolTipBase, c(Color::surfaceElevated()));
    pal.setColor(QPalette::ToolTipText, c(Color::ink()));
    pal.setColor(QPalette::PlaceholderText, c(Color::inkSubtle()));
    pal.setColor(QPalette::Text, c(Color::ink()));
    pal.setColor(QPalette::Button, c(Color::surface()));
    pal.setColor(QPalette::ButtonText, c(Color::ink()));
    pal.setColor(QPalette::BrightText, c(Color::onAccent()));
    pal.setColor(QPalette::Light, c(Color::surfaceElevated()));
    pal.setColor(QPalette::Midlight, c(Color::divider()));
    pal.setColor(QPalette::Mid, c(Color::divider()));
    pal.setColor(QPalette::Dark, c(Color::inkSubtle()));
    pal.setColor(QPalette::Shadow, QColor(0, 0, 0, a == Appearance::dark ? 160 : 60));
    pal.setColor(QPalette::Highlight, c(Color::accent()));
    pal.setColor(QPalette::HighlightedText, c(Color::onAccent()));
    pal.setColor(QPalette::Link, c(Color::accent()));
    pal.setColor(QPalette::LinkVisited, c(Color::brand()));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, c(Color::inkSubtle()));
    return pal;
}

} // namespace halvex
