#include "settings/SettingsWindow.h"

#include <QLayout>
#include <QVBoxLayout>

#include "friction/HalvexLocalizedRoot.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/Popover.h"
#include "kit/WindowFronting.h"
#include "kit/WindowPlacement.h"
#include "model/PersistenceController.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "settings/SettingsRootView.h"
#include "ui/TitledWindow.h"

namespace halvex {

namespace {

QString settingsWindowTitle()
{
    //% "Settings"
    return qtTrId("settings.window.title");
}

} // namespace

std::unique_ptr<SettingsDependencies> SettingsWindow::s_dependencies;
QPointer<SettingsWindow> SettingsWindow::s_shared;
SettingsWindow::PopoverLookup SettingsWindow::s_popover;

void SettingsWindow::setDependencies(const SettingsDependencies &dependencies)
{
    s_dependencies = std::make_unique<SettingsDependencies>(dependencies);
}

void SettingsWindow::clearDependencies()
{
    s_dependencies.reset();
}

const SettingsDependencies *SettingsWindow::dependencies()
{
    return s_dependencies.get();
}

void SettingsWindow::setPopover(PopoverLookup popover)
{
    s_popover = std::move(popover);
}

SettingsWindow *SettingsWindow::shared()
{
    return s_shared;
}

void SettingsWindow::show(SettingsTab tab)
{
    if (!s_dependencies) {
        platform::log::settings().error("dependencies not configured");
        return;
    }
    if (fennimar::Popover *popover = s_popover ? s_popover() : nullptr) {
        if (popover->isShown())
            popover->performClose();
    }
    if (s_shared) {
        s_shared->m_router.setSelectedTab(tab);
        s_shared->present();
        return;
    }
    s_shared = new SettingsWindow(*s_dependencies, tab);
    s_shared->present();
}

SettingsWindow::SettingsWindow(const SettingsDependencies &dependencies, SettingsTab initialTab)
    : m_dependencies(dependencies)
    , m_router(initialTab)
    , m_window(new TitledWindow({.objectName = QStringLiteral("settings.window"),
                                 .title = settingsWindowTitle,
                                 .didClose = [this] { windowWillClose(); }}))
{
    m_window->setMinimumSize(minimumContentSize);
    auto *layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *root =
        new HalvexLocalizedRoot(m_dependencies.persistence.mainContext(), m_dependencies.theme,
                                m_dependencies.translations, m_window);
    // The content follows the window's size, not the other way round.
    root->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    m_rootView = new SettingsRootView(m_dependencies, m_router);
    root->setContent(m_rootView);
    layout->addWidget(root);

    platform::UserDefaults &defaults = m_dependencies.frameDefaults
                                           ? *m_dependencies.frameDefaults
                                           : platform::UserDefaults::standard();
    fennimar::WindowPlacement::restoreFrame(m_window, frameAutosaveName, defaultContentSize,
                                            defaults);
    // Last among the window's children, so the views, which read the
    // dependencies and the router, go before them.
    setParent(m_window);
}

SettingsWindow::~SettingsWindow() = default;

QWidget *SettingsWindow::window() const
{
    return m_window;
}

void SettingsWindow::present()
{
    fennimar::WindowPlacement::moveToActiveScreen(m_window);
    if (!m_holdsDockPolicy) {
        m_dependencies.activationPolicy.acquire();
        m_holdsDockPolicy = true;
    }
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    fennimar::WindowFronting(m_dependencies.workspace).activateAndMakeKey(m_window);
}

void SettingsWindow::windowWillClose()
{
    if (m_holdsDockPolicy) {
        m_dependencies.activationPolicy.release();
        m_holdsDockPolicy = false;
    }
    if (s_shared == this)
        s_shared = nullptr;
    m_window->deleteLater();
}

} // namespace halvex
