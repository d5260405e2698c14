#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QSize>
#include <QUuid>

namespace fennimar {
class ActivationPolicyCoordinator;
class WindowFronting;
} // namespace fennimar

namespace platform {
class DesktopEntryIndex;
class TimerScheduler;
} // namespace platform

namespace halvex {

class HalvexLocalizedRoot;
class MilestonePlanning;
class PersistenceController;
class StreakEngine;
class ThemeController;
class TranslationLoader;

// What a streak editor window shows: one stored streak, or a new one.
class StreakEditorMode final {
public:
    enum class Kind { detail, newStreak };

    static StreakEditorMode detail(const QUuid &streakId) { return {Kind::detail, streakId}; }
    static StreakEditorMode newStreak() { return {Kind::newStreak, {}}; }

    Kind kind() const { return m_kind; }
    // The shown streak; null for a new one.
    const QUuid &streakId() const { return m_streakId; }

    friend bool operator==(const StreakEditorMode &, const StreakEditorMode &) = default;

private:
    StreakEditorMode(Kind kind, const QUuid &id)
        : m_kind(kind)
        , m_streakId(id)
    {}
    Kind m_kind;
    QUuid m_streakId;
};

// The streak editor: a titled, closable, resizable window of its own around
// the detail sheet of one streak, or the new-streak sheet, in the stored
// language and theme. At most one is open: opening another shows the new
// window first and then closes the old one, so the regular activation
// policy, which each open window holds once, is never given up in between.
//
// The controller owns itself: it stays alive while its window is open and
// deletes itself once the window has closed, after clearing current() (if
// it is still current) and giving the activation policy back. Main thread only.
class StreakEditorWindow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreakEditorWindow)
public:
    struct Services {
        PersistenceController &persistence;
        StreakEngine &streakEngine;
        MilestonePlanning &milestonePlanning;
        // What the application picker offers.
        const platform::DesktopEntryIndex &applications;
        ThemeController &themeController;
        TranslationLoader &translationLoader;
        fennimar::ActivationPolicyCoordinator &activationPolicy;
        // Runs the delete confirmation's delay.
        platform::TimerScheduler &scheduler;
        // Brings the application forward over whichever has the focus;
        // without it the window asks for the focus itself.
        const fennimar::WindowFronting *fronting = nullptr;
    };

    static constexpr QSize detailContentSize{520, 760};
    static constexpr QSize newStreakContentSize{520, 680};
    // The least the window allows; a sheet that needs more raises it.
    static constexpr QSize minimumContentSize{480, 560};
    static constexpr QSize maximumContentSize{720, 1000};

    // Opens a new editor window for `mode` and closes the one open before.
    static StreakEditorWindow *open(const StreakEditorMode &mode, Services services);
    // The controller of the open editor window; null when none is open.
    static StreakEditorWindow *current();
    // "Streak" or "New streak", in the interface language.
    static QString title(const StreakEditorMode &mode);

    ~StreakEditorWindow() override;

    const StreakEditorMode &mode() const { return m_mode; }
    bool holdsDockPolicy() const { return m_holdsDockPolicy; }
    QWidget *window() const { return m_window.get(); }
    // The detail sheet or the new-streak sheet.
    QWidget *content() const { return m_content; }

private:
    StreakEditorWindow(const StreakEditorMode &mode, Services services);
    void show();
    void windowWillClose();

    StreakEditorMode m_mode;
    Services m_services;
    bool m_holdsDockPolicy = false;
    std::unique_ptr<QWidget> m_window;
    HalvexLocalizedRoot *m_localizedRoot;
    QWidget *m_content = nullptr;
};

} // namespace halvex
