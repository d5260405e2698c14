#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QPointer>
#include <QSize>

#include "settings/SettingsDependencies.h"
#include "settings/SettingsRouter.h"
#include "settings/SettingsTab.h"

namespace fennimar {
class Popover;
}

namespace halvex {

class EscClosableWindow;
class SettingsRootView;

// The settings window's controller. There is at most one settings window:
// show() opens it, or brings the open one to the front on the asked section.
// While it is open the application holds the regular activation policy once
// (through the shared, counted hold) and gives it back when it closes.
//
// Lifetime: the window it makes owns it. The shared reference is weak; the
// open window keeps its controller alive, and closing the window (button,
// Esc, anything) releases the hold, clears the shared reference and lets
// window and controller go, so the next show() builds them afresh at the
// remembered frame.
//
// Main thread only; the static state below is the process's.
class SettingsWindow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsWindow)
public:
    static constexpr QSize defaultContentSize{900, 600};
    static constexpr QSize minimumContentSize{680, 480};
    static inline const QString frameAutosaveName = QStringLiteral("HalvexSettings");

    // The application stores its services once at start-up, before any
    // window can open; a window already open keeps its copy.
    static void setDependencies(const SettingsDependencies &dependencies);
    static void clearDependencies();
    static const SettingsDependencies *dependencies();

    // The status item's popover, which opening the window closes first; the
    // function answers null once the popover is gone.
    using PopoverLookup = std::function<fennimar::Popover *()>;
    static void setPopover(PopoverLookup popover);

    // The one way in: logs "dependencies not configured" and opens nothing
    // before setDependencies().
    static void show(SettingsTab tab);
    // The open window's controller, or null.
    static SettingsWindow *shared();

    // Builds the window (not yet shown), which then owns the controller.
    SettingsWindow(const SettingsDependencies &dependencies, SettingsTab initialTab);
    ~SettingsWindow() override;

    // Puts the window on the active screen, takes the hold unless it has
    // it, shows the window and gives it the focus.
    void present();

    QWidget *window() const;
    SettingsRouter &router() { return m_router; }
    SettingsRootView *rootView() const { return m_rootView; }
    bool holdsDockPolicy() const { return m_holdsDockPolicy; }

private:
    void windowWillClose();

    SettingsDependencies m_dependencies;
    SettingsRouter m_router;
    bool m_holdsDockPolicy = false;
    EscClosableWindow *m_window;
    SettingsRootView *m_rootView;

    static std::unique_ptr<SettingsDependencies> s_dependencies;
    static QPointer<SettingsWindow> s_shared;
    static PopoverLookup s_popover;
};

} // namespace halvex
