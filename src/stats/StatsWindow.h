#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QSize>

#include "kit/ActivationPolicyCoordinator.h"

namespace fennimar {
class WindowFronting;
}

namespace halvex {

class HalvexLocalizedRoot;
class PersistenceController;
class StatsRootView;
class Streak;
class StreakEngine;
class ThemeController;
class TranslationLoader;

using StatsStreakSelectionHandler = std::function<void(const std::shared_ptr<Streak> &)>;

// What choosing a streak in the statistics window does: the shell sets it
// (to open the streak in the editor) each time it opens the window. Empty
// at launch; read at the moment of the choice. Main thread only.
StatsStreakSelectionHandler &statsStreakSelectionHandler();

// The statistics window: one titled, closable, resizable window of 600 by
// 720 around StatsRootView, in the stored language and theme. While it is
// open the application holds the regular activation policy, once.
//
// At most one is open; shared() names it. The shell opens it so:
//
//     statsStreakSelectionHandler() = [...](const auto &streak) { ... };
//     if (!StatsWindow::shared())
//         StatsWindow::setShared(new StatsWindow(services));
//     StatsWindow::shared()->show();
//
// A second request thus only brings the open window forward. The
// controller owns itself: it stays alive while its window is open (shared()
// only watches it) and deletes itself once the window has closed, after
// clearing shared() and giving the activation policy back. The next request
// builds a fresh window and view. A controller never shown is its creator's
// to delete.
class StatsWindow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatsWindow)
public:
    struct Services {
        PersistenceController &persistence;
        StreakEngine &streakEngine;
        ThemeController &themeController;
        TranslationLoader &translationLoader;
        fennimar::ActivationPolicyCoordinator &activationPolicy =
            fennimar::ActivationPolicyCoordinator::shared();
        // Brings the application forward over whichever has the focus; without
        // it the window asks for the focus itself, which a window manager may refuse.
        const fennimar::WindowFronting *fronting = nullptr;
    };

    static constexpr QSize contentSize{600, 720};

    // Builds the window, centred on the active screen, without showing it.
    explicit StatsWindow(Services services);
    ~StatsWindow() override;

    // The open window's controller; null when none is open.
    static StatsWindow *shared();
    static void setShared(StatsWindow *controller);

    // Takes the activation policy (once), moves the window to the active
    // screen unless it is mostly there, shows it and brings the application
    // forward with the window focused and on top.
    void show();

    bool holdsDockPolicy() const { return m_holdsDockPolicy; }
    QWidget *window() const { return m_window.get(); }
    StatsRootView *rootView() const { return m_rootView; }

private:
    void windowWillClose();

    Services m_services;
    bool m_holdsDockPolicy = false;
    bool m_ownsItself = false;
    std::unique_ptr<QWidget> m_window;
    HalvexLocalizedRoot *m_localizedRoot;
    StatsRootView *m_rootView;
};

} // namespace halvex
