#include "stats/StatsWindow.h"

#include <QPointer>
#include <QVBoxLayout>

#include "friction/HalvexLocalizedRoot.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/WindowFronting.h"
#include "kit/WindowPlacement.h"
#include "model/PersistenceController.h"
#include "stats/StatsRootView.h"
#include "ui/TitledWindow.h"

namespace halvex {

namespace {

QPointer<StatsWindow> &sharedSlot()
{
    static QPointer<StatsWindow> slot;
    return slot;
}

QString statsWindowTitle()
{
    //% "Stats"
    return qtTrId("stats.window.title");
}

} // namespace

StatsStreakSelectionHandler &statsStreakSelectionHandler()
{
    static StatsStreakSelectionHandler handler;
    return handler;
}

StatsWindow::StatsWindow(Services services)
    : m_services(services)
    , m_window(std::make_unique<TitledWindow>(TitledWindow::Options{
          .objectName = QStringLiteral("stats.window"),
          .title = statsWindowTitle,
          .didClose = [this] { windowWillClose(); },
          .flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint,
          .closesOnEscape = false}))
{
    auto *layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    // The language and theme first, so the view comes up in them.
    m_localizedRoot =
        new HalvexLocalizedRoot(m_services.persistence.mainContext(), m_services.themeController,
                                m_services.translationLoader);
    m_localizedRoot->setFollowsWindowSize(true);
    m_window->setWindowTitle(statsWindowTitle());
    m_rootView = new StatsRootView(m_services.persistence.mainContext(), m_services.streakEngine,
                                   [](const std::shared_ptr<Streak> &streak) {
                                       // The newest handler, as set when the choice is made.
                                       if (const auto &handler = statsStreakSelectionHandler())
                                           handler(streak);
                                   });
    m_localizedRoot->setContent(m_rootView);
    layout->addWidget(m_localizedRoot);
    m_window->resize(contentSize);
    fennimar::WindowPlacement::centerOnActiveScreen(m_window.get());
}

StatsWindow::~StatsWindow()
{
    if (m_holdsDockPolicy)
        m_services.activationPolicy.release();
}

StatsWindow *StatsWindow::shared()
{
    return sharedSlot();
}

void StatsWindow::setShared(StatsWindow *controller)
{
    sharedSlot() = controller;
}

void StatsWindow::show()
{
    m_ownsItself = true;
    if (!m_holdsDockPolicy) {
        m_services.activationPolicy.acquire();
        m_holdsDockPolicy = true;
    }
    fennimar::WindowPlacement::moveToActiveScreen(m_window.get());
    if (m_services.fronting) {
        m_services.fronting->activateAndMakeKey(m_window.get());
        return;
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void StatsWindow::windowWillClose()
{
    if (sharedSlot() == this)
        sharedSlot() = nullptr;
    if (m_holdsDockPolicy) {
        m_services.activationPolicy.release();
        m_holdsDockPolicy = false;
    }
    // Nobody else keeps a shown controller: it goes once the close has run.
    if (m_ownsItself)
        deleteLater();
}

} // namespace halvex
