#include "editor/StreakEditorWindow.h"

#include <utility>

#include <QPointer>
#include <QVBoxLayout>

#include "editor/NewStreakSheet.h"
#include "editor/DeleteConfirmContent.h"
#include "editor/StreakDetailSheet.h"
#include "friction/HalvexLocalizedRoot.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/WindowFronting.h"
#include "kit/WindowPlacement.h"
#include "model/PersistenceController.h"
#include "ui/TitledWindow.h"

namespace halvex {

namespace {

QPointer<StreakEditorWindow> &currentSlot()
{
    static QPointer<StreakEditorWindow> slot;
    return slot;
}

} // namespace

StreakEditorWindow *StreakEditorWindow::current()
{
    return currentSlot();
}

QString StreakEditorWindow::title(const StreakEditorMode &mode)
{
    if (mode.kind() == StreakEditorMode::Kind::newStreak) {
        //% "New streak"
        return qtTrId("streakEditor.new.title");
    }
    //% "Streak"
    return qtTrId("streakEditor.detail.title");
}

StreakEditorWindow *StreakEditorWindow::open(const StreakEditorMode &mode, Services services)
{
    QPointer<StreakEditorWindow> previous = currentSlot();
    auto *controller = new StreakEditorWindow(mode, services);
    currentSlot() = controller;
    controller->show();
    // Closed only once the new window shows, so the policy hold goes from
    // one to two and back to one.
    if (previous)
        previous->window()->close();
    return controller;
}

StreakEditorWindow::StreakEditorWindow(const StreakEditorMode &mode, Services services)
    : m_mode(mode)
    , m_services(services)
    , m_window(std::make_unique<TitledWindow>(TitledWindow::Options{
          .objectName = QStringLiteral("streakEditor.window"),
          .title = [mode] { return title(mode); },
          // Told once: a later close of the same window is not news.
          .didClose =
              [this, told = false]() mutable {
                  if (!std::exchange(told, true))
                      windowWillClose();
              },
          .flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint,
          .closesOnEscape = false}))
{
    const bool detail = mode.kind() == StreakEditorMode::Kind::detail;
    auto *layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    // The language and theme first, so the content comes up in them.
    m_localizedRoot =
        new HalvexLocalizedRoot(m_services.persistence.mainContext(), m_services.themeController,
                                m_services.translationLoader);
    m_localizedRoot->setFollowsWindowSize(true);
    m_window->setWindowTitle(title(mode));

    // Closing through the content goes through the window's own close, once.
    QPointer<QWidget> window = m_window.get();
    const auto dismiss = [window] {
        if (window)
            window->close();
    };
    if (detail) {
        auto *sheet =
            new StreakDetailSheet(mode.streakId(), {m_services.persistence, m_services.streakEngine,
                                                    m_services.milestonePlanning,
                                                    m_services.applications, m_services.scheduler});
        connect(sheet, &StreakDetailSheet::dismissed, m_window.get(), dismiss);
        m_content = sheet;
    } else {
        auto *sheet = new NewStreakSheet(m_services.persistence, m_services.streakEngine,
                                         m_services.milestonePlanning, m_services.applications);
        connect(sheet, &NewStreakSheet::dismissed, m_window.get(), dismiss);
        m_content = sheet;
    }
    m_localizedRoot->setContent(m_content);
    layout->addWidget(m_localizedRoot);
    // Never smaller than the sheet it shows: the sheet's footer buttons
    // would be cut off.
    m_window->setMinimumSize(minimumContentSize.expandedTo(m_content->minimumSize()));
    m_window->setMaximumSize(maximumContentSize);
    m_window->resize(detail ? detailContentSize : newStreakContentSize);
    fennimar::WindowPlacement::centerOnActiveScreen(m_window.get());
}

StreakEditorWindow::~StreakEditorWindow()
{
    if (m_holdsDockPolicy)
        m_services.activationPolicy.release();
}

void StreakEditorWindow::show()
{
    if (!m_holdsDockPolicy) {
        m_services.activationPolicy.acquire();
        m_holdsDockPolicy = true;
    }
    if (m_services.fronting) {
        m_services.fronting->activateAndMakeKey(m_window.get());
        return;
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void StreakEditorWindow::windowWillClose()
{
    // A replaced controller leaves the slot to its successor.
    if (currentSlot() == this)
        currentSlot() = nullptr;
    if (m_holdsDockPolicy) {
        m_services.activationPolicy.release();
        m_holdsDockPolicy = false;
    }
    // A closed editor is never shown again: it goes once the close has run.
    deleteLater();
}

} // namespace halvex
