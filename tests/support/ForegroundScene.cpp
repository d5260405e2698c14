#include "ForegroundScene.h"

#include <QCoreApplication>
#include <QTest>

namespace testing {

ForegroundScene::Application ForegroundScene::distraction()
{
    return {QStringLiteral("org.example.Distraction"), QStringLiteral("Distraction"),
            QStringLiteral("HalvexDistraction")};
}

ForegroundScene::ForegroundScene(DesktopHarness &desktop, Application own, Application helper)
    : m_desktop(desktop)
    , m_ownApplication(std::move(own))
    , m_helperApplication(std::move(helper))
{}

ForegroundScene::~ForegroundScene() = default;

QString ForegroundScene::setUp(const DesktopHarness::HelperWindow &helperWindow)
{
    for (const Application &app : {m_ownApplication, m_helperApplication}) {
        if (!m_desktop.writeDesktopFile(app.id, app.name, app.windowClass))
            return QStringLiteral("cannot write the desktop file of ") + app.id;
    }
    m_index =
        std::make_unique<platform::DesktopEntryIndex>(QStringList{m_desktop.applicationsPath()});
    m_identity = std::make_unique<platform::ApplicationIdentity>(*m_index);
    if (const QString why = m_desktop.startWindowManager(); !why.isEmpty())
        return why;
    m_workspace = std::make_unique<platform::X11Workspace>(*m_identity);
    if (!m_workspace->isConnected())
        return QStringLiteral("the workspace reached no X server");

    m_own.setWindowTitle(m_ownApplication.name);
    m_own.resize(240, 120);
    m_own.show();
    if (!QTest::qWaitForWindowExposed(&m_own))
        return QStringLiteral("the own window did not come up");
    DesktopHarness::HelperWindow window = helperWindow;
    window.windowClass = m_helperApplication.windowClass;
    m_helper = m_desktop.startHelperWindow(window);
    if (!m_helper)
        return QStringLiteral("the helper could not be started");
    if (!QTest::qWaitFor([this] { return m_workspace->isRunning(helperApp()); }, 10000))
        return QStringLiteral("the workspace does not list the helper");
    // The window manager lists a window before it gives it the focus: once
    // it has, the focus stays where a test puts it.
    if (!QTest::qWaitFor(
            [this] { return m_workspace->frontmostApplication() == std::optional(helperApp()); },
            10000))
        return QStringLiteral("the helper's window did not take the focus");
    return {};
}

platform::RunningApplication ForegroundScene::ownApp() const
{
    return {m_ownApplication.id, qint32(QCoreApplication::applicationPid())};
}

platform::RunningApplication ForegroundScene::helperApp() const
{
    return {m_helperApplication.id, m_helper ? qint32(m_helper->processId()) : 0};
}

bool ForegroundScene::bringToFront(const platform::RunningApplication &application,
                                   const std::function<bool()> &andThen, int timeoutMs)
{
    return m_workspace->activate(application) &&
           QTest::qWaitFor(
               [&] {
                   return m_workspace->frontmostApplication() == application &&
                          (!andThen || andThen());
               },
               timeoutMs);
}

} // namespace testing
